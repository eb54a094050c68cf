// Dialogue comprehension and completion as a learner uses them, with the fake host, a fake
// player and a fake sound output: frames clicked through a run to the stored score and again,
// tiles dragged into slots, lifted out and dropped outside, checked, corrected, explained and
// started again, the tiles kept on the screen however many there are, and dialogues that ask
// nothing.

#include "ExerciseFixture.h"

#include "exercises/dialogues/uFrmDialogi_Dop.h"
#include "exercises/dialogues/uFrmDialogi_Rozum.h"
#include "exercises/shared/Klocek.h"
#include "media/SoundService.h"
#include "media/uMedia.h"
#include "tests/media/FakeMediaServices.h"

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

namespace {

struct TLine
{
    int Speaker;
    QString Text;
    bool Visible = true;
};

// A dialogue file of kind with the two modes; line n plays "d_0n.mp3".
QByteArray DialogueFile(int kind, int hiding, int gaps, const QList<TLine> &lines)
{
    QString body =
        u"<tryb_znikania id=\"1\">%1</tryb_znikania><tryb_znikania id=\"2\">%2</tryb_znikania>"
        u"<polecenia><typ id=\"4\"><polecenie id=\"1\">Click the line you hear.</polecenie></typ>"
        u"<typ id=\"8\"><polecenie id=\"1\">Drag the words into the gaps.</polecenie></typ></polecenia>"_s
            .arg(hiding)
            .arg(gaps);
    for (int i = 0; i < lines.size(); ++i)
        body +=
            u"<kwestia id=\"%1\" osoba=\"%2\" sampel=\"d_%3.mp3\" visible=\"%4\"><tresc>%5</tresc></kwestia>"_s
                .arg(i + 1)
                .arg(lines[i].Speaker)
                .arg(i + 1, 2, 10, QChar(u'0'))
                .arg(lines[i].Visible ? 1 : 0)
                .arg(lines[i].Text.toHtmlEscaped());
    return (u"<?xml version=\"1.0\" "
            u"encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>%1</typ_cw><grupa>1</grupa>"
            u"<poziom>1</poziom></config><body>"_s.arg(kind) +
            body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

// Eight lines, every second one hidden by its author.
QList<TLine> EightLines()
{
    QList<TLine> lines;
    for (int i = 0; i < 8; ++i)
        lines << TLine{1 + i % 2, u"Line number %1 of the dialogue."_s.arg(i + 1), i % 2 == 0};
    return lines;
}

// The short sounds played, as wave data.
class TWaves final : public Media::ISoundService
{
public:
    void PlayWave(const QByteArray &wave) override { Played << wave; }
    void PlayWaveFile(const QString &) override {}
    void Stop() override {}
    QList<QByteArray> Played;
};

QByteArray SkinSound(const QString &name)
{
    return CurrentSkin().Handle ? CurrentSkin().Handle->Sound(name) : QByteArray();
}

QWidget *AreaOf(QWidget *screen)
{
    return screen->findChild<QWidget *>(u"Obszar"_s);
}

void Click(QWidget *screen, const QString &name)
{
    auto *button = screen->findChild<QAbstractButton *>(name);
    QVERIFY2(button && button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// A left-button drag of tile from its grab point to target (form coordinates).
void Drag(TKlocek *tile, QPoint target)
{
    const QPoint grab(6, 6);
    QTest::mousePress(tile, Qt::LeftButton, {}, grab);
    QTest::mouseMove(tile, tile->mapFromParent((tile->pos() + grab + target) / 2));
    QTest::mouseMove(tile, tile->mapFromParent(target));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFromParent(target));
}

// The hover hint of a paint area at point (area coordinates).
QString HintAt(QWidget *area, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, point, area->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(area, &move);
    return area->toolTip();
}

// The hidden line whose recording is being asked for.
int LineAsked(const TfrmDialogi_Rozum &screen)
{
    for (int i = 0; i < screen.Lines().size(); ++i) {
        if (!screen.Run().IsShown(i) && screen.Lines()[i].Recording == screen.Run().CurrentRecording())
            return i;
    }
    return -1;
}

} // namespace

class DialogueTaskScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;
    std::unique_ptr<TfrmMedia> media;
    std::shared_ptr<FakeMediaLog> player;
    TWaves waves;

    template <typename Screen> Screen *open(int kind, const QByteArray &bytes, const QString &name)
    {
        return qobject_cast<Screen *>(world->Open(kind, world->WriteExercise(name, bytes, kind)));
    }
    // The file the player opened last.
    QString playing() const
    {
        for (auto it = player->Calls.crbegin(); it != player->Calls.crend(); ++it) {
            if (it->startsWith(u"open "_s))
                return it->mid(5);
        }
        return QString();
    }
    void clickFrame(TfrmDialogi_Rozum *screen, int line)
    {
        const QRect frame = screen->FrameRect(line);
        QVERIFY2(!frame.isEmpty(), qPrintable(u"line %1 has no frame"_s.arg(line)));
        QTest::mouseClick(AreaOf(screen), Qt::LeftButton, {}, frame.center());
    }

private slots:
    void initTestCase()
    {
        TExerciseFixture::LoadSkin();
        QVERIFY(!SkinSound(u"WAV_ZLE"_s).isEmpty());
    }
    void init()
    {
        world = std::make_unique<TExerciseFixture>();
        QDir(world->dir.path()).mkpath(u"Media/Dialogi"_s);
        for (int i = 1; i <= 40; ++i) {
            QFile f(world->dir.filePath(u"Media/Dialogi/d_%1.mp3"_s.arg(i, 2, 10, QChar(u'0'))));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("ID3");
        }
        Utils::InterfaceTexts() = {u"1=Twoja odpowiedź:"_s, u"2=brak odpowiedzi"_s, u"3=Jeszcze raz"_s,
                                   u"41=Sprawdź"_s,         u"42=Słuchaj"_s,        u"46=Twój wynik"_s,
                                   u"51=Rozwiązanie"_s};
        player = std::make_shared<FakeMediaLog>();
        Media::SetMediaPlayerFactory(
            [log = player](QWidget *) { return std::make_unique<FakeMediaPlayer>(log); });
        waves.Played.clear();
        Media::SetSoundService(&waves);
        media = std::make_unique<TfrmMedia>();
        frmMedia = media.get();
        TKlocek::SetFlightDuration(0);
    }
    void cleanup()
    {
        world.reset();
        frmMedia = nullptr;
        media.reset();
        Media::SetSoundService(nullptr);
        Media::SetMediaPlayerFactory({});
        Utils::InterfaceTexts().clear();
    }

    // From the opened file to the stored score: questions played in turn, a shown line and a
    // wrong frame, every frame uncovered, the score recorded at once; a second run records again.
    void comprehensionToTheStoredScore()
    {
        auto *screen = open<TfrmDialogi_Rozum>(14, DialogueFile(14, 1, 1, EightLines()), u"rozum.xml"_s);
        QVERIFY(screen);
        QCOMPARE(screen->Run().HiddenCount(), 4);
        QCOMPARE(playing(), screen->Run().CurrentRecording());
        QVERIFY(screen->FrameRect(0).isEmpty());

        // A shown line cannot be clicked; a wrong frame buzzes and the question stays.
        QTest::mouseClick(AreaOf(screen), Qt::LeftButton, {}, QPoint(200, 10));
        QCOMPARE(screen->Run().Wrong(), 0);
        const int asked = LineAsked(*screen);
        const int other = asked == 1 ? 3 : 1;
        clickFrame(screen, other);
        QCOMPARE(screen->Run().Wrong(), 1);
        QCOMPARE(waves.Played.last(), SkinSound(u"WAV_ZLE"_s));
        QCOMPARE(LineAsked(*screen), asked);
        QVERIFY(!screen->HasShownResult());

        // Each right frame uncovers its line and plays the next question.
        int answered = 0;
        while (!screen->Run().Finished()) {
            const int line = LineAsked(*screen);
            QVERIFY(line >= 0);
            const QRect frame = screen->FrameRect(line);
            clickFrame(screen, line);
            QVERIFY(screen->Run().IsShown(line));
            QVERIFY(screen->FrameRect(line).isEmpty());
            if (!screen->Run().Finished())
                QCOMPARE(playing(), screen->Run().CurrentRecording());
            // The uncovered line is no frame any more.
            const int wrongBefore = screen->Run().Wrong();
            QTest::mouseClick(AreaOf(screen), Qt::LeftButton, {}, frame.center());
            QCOMPARE(screen->Run().Wrong(), wrongBefore);
            ++answered;
        }
        QCOMPARE(answered, 4);
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 80);
        QCOMPARE(waves.Played.last(), SkinSound(u"WAV_WYNIK"_s));
        QCOMPARE(world->Host.ScoresRecorded, 1);
        QCOMPARE(world->ReadRecord(u"rozum.xml"_s, 14).Postep, u"80"_s);

        // Again: every line hidden as before, the score hidden; this run is recorded too.
        Click(screen, u"btnJeszczeRaz"_s);
        QVERIFY(!screen->HasShownResult());
        QVERIFY(!screen->findChild<QWidget *>(u"btnJeszczeRaz"_s)->isVisible());
        QCOMPARE(screen->Run().HiddenCount(), 4);
        while (!screen->Run().Finished())
            clickFrame(screen, LineAsked(*screen));
        QCOMPARE(screen->ShownResult(), 100);
        QCOMPARE(world->Host.ScoresRecorded, 2);
        QCOMPARE(world->ReadRecord(u"rozum.xml"_s, 14).Postep, u"100"_s);
    }

    void comprehensionModes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<bool>("authorHides");
        QTest::addColumn<int>("frames");
        QTest::addRow("random only, 21 lines") << 3 << 21 << true << 7;
        QTest::addRow("author's topped up, 10 lines") << 2 << 10 << false << 3;
        QTest::addRow("author's, none hidden") << 1 << 6 << false << 0;
        QTest::addRow("unknown mode") << 7 << 6 << true << 0;
    }

    // How many frames each mode shows; a run without one plays nothing and shows no score.
    void comprehensionModes()
    {
        QFETCH(int, mode);
        QFETCH(int, lineCount);
        QFETCH(bool, authorHides);
        QFETCH(int, frames);
        QList<TLine> lines;
        for (int i = 0; i < lineCount; ++i)
            lines << TLine{1, u"Line %1."_s.arg(i + 1), !(authorHides && i == 1)};
        world->Host.Pick = Utils::MakeSeededPick(5);
        auto *screen = open<TfrmDialogi_Rozum>(14, DialogueFile(14, mode, 1, lines), u"tryby.xml"_s);
        QVERIFY(screen);
        QList<int> framed;
        for (int i = 0; i < lineCount; ++i) {
            if (!screen->FrameRect(i).isEmpty())
                framed << i;
        }
        QCOMPARE(framed.size(), frames);
        for (int line : framed)
            QVERIFY(!framed.contains(line + 1));
        if (frames == 0) {
            QVERIFY(playing().isEmpty());
            Click(screen, u"btnMedia"_s);
            QVERIFY(playing().isEmpty());
            QVERIFY(!screen->HasShownResult());
        }
    }

    // Tiles into slots, one slot's tile lifted out and dropped outside, the check, the right
    // words with their hints, and again.
    void completionToTheStoredScore()
    {
        const QList<TLine> lines{{1, u"I <need> a <ticket> to York."_s},
                                 {2, u"A <ticket> for <me>, please."_s}};
        auto *screen = open<TfrmDialogi_Dop>(18, DialogueFile(18, 1, 1, lines), u"dop.xml"_s);
        QVERIFY(screen);
        const QList<int> gapSlots = screen->Run().Slots();
        QCOMPARE(gapSlots.size(), 4);
        QList<TKlocek *> tiles = screen->Tiles();
        QCOMPARE(tiles.size(), 4);
        QCOMPARE(tiles[1]->objectName(), u"AF%1"_s.arg(gapSlots[1]));
        QCOMPARE(tiles[2]->Caption(), u"ticket"_s);
        const auto placed = [&](int i) { return screen->Run().Tokens()[gapSlots[i]].Placed; };

        // The two "ticket" tiles crossed: either fits either slot.
        Drag(tiles[2], screen->SlotRect(gapSlots[1]).center());
        QVERIFY(tiles[2]->isHidden());
        QCOMPARE(placed(1), u"ticket"_s);
        Drag(tiles[1], screen->SlotRect(gapSlots[2]).center());
        // A tile dropped outside every slot goes home and changes no slot.
        Drag(tiles[0], QPoint(400, 740));
        QCOMPARE(tiles[0]->pos(), tiles[0]->Home());
        QCOMPARE(placed(1), u"ticket"_s);
        QCOMPARE(placed(2), u"ticket"_s);
        // On a filled slot: home.
        Drag(tiles[0], screen->SlotRect(gapSlots[1]).center());
        QCOMPARE(tiles[0]->pos(), tiles[0]->Home());
        QCOMPARE(placed(1), u"ticket"_s);
        Drag(tiles[0], screen->SlotRect(gapSlots[3]).center()); // "need" in "me"'s slot
        QCOMPARE(placed(3), u"need"_s);

        // Pressing the filled slot lifts its tile out; dropped outside, it goes home.
        if (QGuiApplication::platformName() == u"offscreen"_s) {
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the mouse");
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the mouse");
        }
        const QPoint slotPoint = screen->SlotRect(gapSlots[3]).center() - AreaOf(screen)->pos();
        QTest::mousePress(AreaOf(screen), Qt::LeftButton, {}, slotPoint);
        QVERIFY(tiles[0]->isVisible());
        QVERIFY(tiles[0]->IsDragging());
        QCOMPARE(placed(3), QString());
        QTest::mouseMove(tiles[0], tiles[0]->mapFromParent(QPoint(900, 740)));
        QTest::mouseRelease(tiles[0], Qt::LeftButton, {}, tiles[0]->mapFromParent(QPoint(900, 740)));
        QCOMPARE(tiles[0]->pos(), tiles[0]->Home());
        QVERIFY(screen->Run().Tokens()[gapSlots[3]].IsEmpty);
        Drag(tiles[0], screen->SlotRect(gapSlots[0]).center());

        // 3 right, "me"'s slot empty: 75, stored at once; the tiles freeze.
        Click(screen, u"btnSpr"_s);
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 75);
        QCOMPARE(waves.Played.last(), SkinSound(u"WAV_WYNIK"_s));
        QCOMPARE(world->Host.ScoresRecorded, 1);
        QCOMPARE(world->ReadRecord(u"dop.xml"_s, 18).Postep, u"75"_s);
        Drag(tiles[3], screen->SlotRect(gapSlots[3]).center());
        QCOMPARE(tiles[3]->pos(), tiles[3]->Home());
        QCOMPARE(placed(3), QString());

        // The right words; the wrong slot's mark tells it was left empty.
        Click(screen, u"btnPopraw"_s);
        QVERIFY(!screen->findChild<QWidget *>(u"btnPopraw"_s)->isVisible());
        for (int i = 0; i < 4; ++i)
            QCOMPARE(placed(i), screen->Run().Tokens()[gapSlots[i]].Answer);
        for (TKlocek *tile : tiles)
            QVERIFY(tile->isHidden());
        QWidget *area = AreaOf(screen);
        QCOMPARE(HintAt(area, screen->SlotRect(gapSlots[3]).center() - area->pos()),
                 u"<B>brak odpowiedzi</B>"_s);
        QVERIFY(screen->SlotRect(gapSlots[0]).isEmpty()); // a right slot has nothing to say
        QCOMPARE(world->Host.ScoresRecorded, 1);

        // Again: a fresh run; "need" and "me" swapped are two wrong gapSlots, each naming its word.
        Click(screen, u"btnSpr"_s);
        QVERIFY(!screen->HasShownResult());
        tiles = screen->Tiles();
        for (TKlocek *tile : tiles) {
            QVERIFY(tile->isVisible());
            QCOMPARE(tile->pos(), tile->Home());
        }
        Drag(tiles[0], screen->SlotRect(gapSlots[3]).center());
        Drag(tiles[3], screen->SlotRect(gapSlots[0]).center());
        Drag(tiles[1], screen->SlotRect(gapSlots[1]).center());
        Drag(tiles[2], screen->SlotRect(gapSlots[2]).center());
        Click(screen, u"btnSpr"_s);
        QCOMPARE(screen->ShownResult(), 50);
        QCOMPARE(world->Host.ScoresRecorded, 2);
        QCOMPARE(world->ReadRecord(u"dop.xml"_s, 18).Postep, u"50"_s);
        Click(screen, u"btnPopraw"_s);
        QCOMPARE(HintAt(area, screen->SlotRect(gapSlots[0]).center() - area->pos()),
                 u"Twoja odpowiedź: <B>me</B>"_s);
        QCOMPARE(HintAt(area, screen->SlotRect(gapSlots[3]).center() - area->pos()),
                 u"Twoja odpowiedź: <B>need</B>"_s);
    }

    void completionTilesStayOnScreen_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::addColumn<QString>("answer");
        QTest::addRow("few") << 3 << u"word"_s;
        QTest::addRow("many short") << 30 << u"word"_s;
        QTest::addRow("many long") << 30 << u"extraordinarily long answer"_s;
    }

    // However many and however wide, every tile lies on the notebook or in the strip under
    // the text, inside the form, clear of the text and of the buttons.
    void completionTilesStayOnScreen()
    {
        QFETCH(int, lineCount);
        QFETCH(QString, answer);
        QList<TLine> lines;
        for (int i = 0; i < lineCount; ++i)
            lines << TLine{1 + i % 2, u"We say <%1> and <%1> here."_s.arg(answer)};
        auto *screen = open<TfrmDialogi_Dop>(18, DialogueFile(18, 1, 1, lines), u"wiele.xml"_s);
        QVERIFY(screen);
        QCOMPARE(screen->Tiles().size(), 2 * lineCount);
        const QRect area = AreaOf(screen)->geometry();
        const QRect check = screen->findChild<QWidget *>(u"btnSpr"_s)->geometry();
        for (TKlocek *tile : screen->Tiles()) {
            QVERIFY2(screen->rect().contains(tile->geometry()), qPrintable(tile->objectName()));
            QVERIFY(!tile->geometry().intersects(area));
            QVERIFY(!tile->geometry().intersects(check));
            QVERIFY(tile->width() * 2 >= tile->CaptionWidth()); // never narrower than about half its word
        }
    }

    void completionWithoutSlots_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("text");
        QTest::addRow("no author gap") << 1 << u"Nothing to fill in here."_s;
        QTest::addRow("mode outside 1-3") << 4 << u"A <gap> the mode ignores."_s;
        QTest::addRow("empty gap") << 1 << u"An <> empty gap."_s;
    }

    // Nothing to fill in: no tile, and the check shows and stores nothing.
    void completionWithoutSlots()
    {
        QFETCH(int, mode);
        QFETCH(QString, text);
        auto *screen = open<TfrmDialogi_Dop>(18, DialogueFile(18, 1, mode, {{1, text}}), u"pusty.xml"_s);
        QVERIFY(screen);
        QVERIFY(screen->Tiles().isEmpty());
        Click(screen, u"btnSpr"_s);
        QVERIFY(!screen->HasShownResult());
        QCOMPARE(world->Host.ScoresRecorded, 0);
        QVERIFY(!world->ReadRecord(u"pusty.xml"_s, 18).Found);
    }
};

QTEST_MAIN(DialogueTaskScreens)
#include "tst_dialogue_task_screens.moc"
