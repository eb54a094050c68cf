// The three listen-and-choose screens in their world, with the fake host and fake media
// services: the sample course's exercises opened through the dispatch, answered with the
// mouse and the keyboard as a learner would, left, and what the learner's statistics file
// holds afterwards; and the files the screens must refuse without losing anything.

#include "ExerciseFixture.h"

#include "exercises/words/OdkrywankaImage.h"
#include "exercises/words/uFrm3Obrazki.h"
#include "exercises/words/uFrmOdkrywanka.h"
#include "exercises/words/uFrmTFGr.h"
#include "media/uFrmAnalizator.h"
#include "media/uMedia.h"
#include "skin/AALabel.h"
#include "skin/Vel3ObrazkiFrame.h"
#include "skin/VelDymek.h"
#include "skin/VelZeszytStatystyki.h"
#include "tests/media/FakeMediaServices.h"

#include <QLabel>

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

namespace {

QString ProgramDir()
{
    return qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
}

QByteArray SampleFile(const QString &name)
{
    QFile file(ProgramDir() + u"/Dane/"_s + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Envelope(int kind, const QString &body)
{
    return (u"<?xml version=\"1.0\" "
            u"encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>%1</typ_cw><grupa>1</grupa>"
            u"<poziom>1</poziom><multimedia></multimedia></config><body><polecenie id=\"1\">Listen.</polecenie>"_s
                .arg(kind) +
            body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

void Click(QWidget *widget, QPoint at = QPoint(10, 10), Qt::MouseButton button = Qt::LeftButton)
{
    QVERIFY(widget);
    QTest::mouseClick(widget, button, {}, at);
}

template <typename T> T *Child(QWidget *screen, const QString &name)
{
    return screen->findChild<T *>(name);
}

} // namespace

class ListenScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;
    std::unique_ptr<TfrmMedia> media;
    std::shared_ptr<FakeMediaLog> played;

    // The files opened by the media window, in order.
    QStringList Opened() const
    {
        QStringList files;
        for (const QString &call : played->Calls) {
            if (call.startsWith(u"open "_s))
                files << call.mid(5);
        }
        return files;
    }

    // The sample course's file, its media and pictures, copied into the test's program folder.
    QString CopySample(const QString &file, int kind, const QStringList &folders)
    {
        const QByteArray bytes = SampleFile(file);
        if (bytes.isEmpty())
            return {};
        for (const QString &folder : folders)
            world->CopyFromProgram(folder);
        return world->WriteExercise(file, bytes, kind);
    }

private slots:
    void initTestCase() { TExerciseFixture::LoadSkin(); }

    void init()
    {
        world = std::make_unique<TExerciseFixture>();
        played = std::make_shared<FakeMediaLog>();
        Media::SetMediaPlayerFactory(
            [log = played](QWidget *) { return std::make_unique<FakeMediaPlayer>(log); });
        media = std::make_unique<TfrmMedia>();
        frmMedia = media.get();
    }

    void cleanup()
    {
        world.reset();
        frmMedia = nullptr;
        media.reset();
        Media::SetMediaPlayerFactory({});
    }

    // --- True/false groups ------------------------------------------------------------------

    void trueFalseFromTheCourseToTheStatistics()
    {
        const QString path = CopySample(u"zdrowie_3_tydzien.xml"_s, 31, {u"Gfx/Tf_gfx"_s, u"Media/Teksty"_s});
        if (path.isEmpty())
            QSKIP("the program folder is not assembled");
        auto *screen = qobject_cast<TfrmTFGr *>(world->Open(31, path));
        QVERIFY(screen);
        QVERIFY2(world->Errors.isEmpty(), qPrintable(world->Errors.join(u'\n')));
        QWidget *obszar = Child<QWidget>(screen, u"Obszar"_s);

        // The host's draws always take the first: the statements stand in file order, under
        // the picture above the table.
        const QList<bool> truths{true, false, false, true, true, false, true};
        QCOMPARE(screen->Items().size(), truths.size());
        for (int r = 0; r < truths.size(); ++r)
            QCOMPARE(screen->Items()[r].Truth, truths[r]);
        QVERIFY(screen->BoxRect(0, true).top() > 110);
        QCOMPARE(screen->LeftHeading(), u"True"_s);

        Click(Child<QWidget>(screen, u"btnMedia"_s));
        QCOMPARE(Opened().last(), u"zdrowy_tydzien.mp3"_s);
        QVERIFY(media->isVisible());

        // Five right, one wrong (row 3), one left unanswered (the last): 5 of 7 is 71.
        const QList<int> ticks{1, 0, 1, 1, 1, 0, -1};
        Click(obszar, screen->BoxRect(0, false).center()); // right, then left: left stays
        for (int r = 0; r < ticks.size(); ++r) {
            if (ticks[r] >= 0)
                Click(obszar, screen->BoxRect(r, ticks[r] == 1).center());
        }
        QCOMPARE(screen->Items()[0].Answer, TTrueFalseItem::LeftTicked);
        QCOMPARE(screen->Items()[6].IsAnswered(), false);
        obszar->setCursor(Qt::ArrowCursor);
        QTest::mouseMove(obszar, screen->BoxRect(6, false).center());
        QCOMPARE(obszar->cursor().shape(), Qt::PointingHandCursor);

        Click(Child<QWidget>(screen, u"btnSpr"_s));
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 71);
        QCOMPARE(world->Host.ScoresRecorded, 1); // at once
        QCOMPARE(world->ReadRecord(u"zdrowie_3_tydzien.xml"_s, 31).Postep, u"71"_s);
        QVERIFY(!Child<QWidget>(screen, u"btnPopraw"_s)->isHidden());

        // Scored: the boxes no longer react, a word still looks itself up.
        Click(obszar, screen->BoxRect(6, true).center());
        QCOMPARE(screen->Items()[6].IsAnswered(), false);
        obszar->grab();
        const TSlowko word = screen->WordPositions().Items().at(2);
        QCOMPARE(screen->WordPositions().WordAt(word.Rect.center()), word.Word);

        Click(Child<QWidget>(screen, u"btnPopraw"_s));
        QVERIFY(screen->ShowsRightAnswers());
        QVERIFY(!screen->HasShownResult());

        // Again: a new run, its score recorded as well.
        Click(Child<QWidget>(screen, u"btnSpr"_s));
        QVERIFY(!screen->HasShownResult());
        QCOMPARE(screen->ResultTag(), 0);
        for (int r = 0; r < screen->Items().size(); ++r)
            Click(obszar, screen->BoxRect(r, screen->Items()[r].Truth).center());
        Click(Child<QWidget>(screen, u"btnSpr"_s));
        QCOMPARE(screen->ShownResult(), 100);
        QCOMPARE(world->Host.ScoresRecorded, 2);
        QCOMPARE(world->ReadRecord(u"zdrowie_3_tydzien.xml"_s, 31).Postep, u"100"_s);
        QVERIFY(Child<QWidget>(screen, u"btnPopraw"_s)->isHidden());

        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(world->Host.ScoresRecorded, 2);
    }

    void trueFalseRefusesWhatCannotBeJudged_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addRow("one heading") << Envelope(
            31, u"<kolumna>True</kolumna><zdanie odp=\"1\"><tresc>It is.</tresc></zdanie>"_s);
        QTest::addRow("no statement") << Envelope(
            31, u"<kolumna>True</kolumna><kolumna>False</kolumna><zdanie odp=\"1\"><tresc/></zdanie>"_s);
    }

    void trueFalseRefusesWhatCannotBeJudged()
    {
        QFETCH(QByteArray, file);
        auto *screen = qobject_cast<TfrmTFGr *>(world->Open(31, world->WriteExercise(u"x.xml"_s, file, 31)));
        QVERIFY(screen);
        QCOMPARE(world->Errors, (QStringList{u"Błąd podczas wczytywania pliku ćwiczenia! (x.xml)"_s}));
        QVERIFY(screen->isVisible());
        QVERIFY(screen->Items().isEmpty());
        Click(Child<QWidget>(screen, u"btnSpr"_s));
        QVERIFY(!screen->HasShownResult());
        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(world->Host.ScoresRecorded, 0);
        QVERIFY(!world->ReadRecord(u"x.xml"_s, 31).Found);
    }

    // --- Three pictures -----------------------------------------------------------------------

    void threePicturesWithTheKeyboard()
    {
        const QString path = CopySample(u"podroze_5_obrazki.xml"_s, 8, {u"Media/3Obrazki"_s});
        if (path.isEmpty())
            QSKIP("the program folder is not assembled");
        world->Host.Pick = Utils::MakeSeededPick(3);
        auto *screen = qobject_cast<Tfrm3Obrazki *>(world->Open(8, path));
        QVERIFY(screen);
        QVERIFY2(world->Errors.isEmpty(), qPrintable(world->Errors.join(u'\n')));
        auto *notebook = Child<TVelZeszytStatystyki>(screen, u"Statystyki"_s);
        auto *next = Child<QWidget>(screen, u"btnSpr"_s);
        QVERIFY(Child<QWidget>(screen, u"btnAnalizator"_s)->isHidden());
        // Hidden, the analyser's button still has its action: the turn's recording as the model.
        QStringList analysed;
        SetVoiceAnalyserHook(
            [&analysed](const QString &model, int) { analysed << QFileInfo(model).fileName(); });
        Child<QAbstractButton>(screen, u"btnAnalizator"_s)->click();
        SetVoiceAnalyserHook(nullptr);
        QCOMPARE(analysed, QStringList{screen->Run().Current()->Recording});

        const int turns = screen->Run().TurnCount();
        QCOMPARE(turns, 6);
        QSet<int> seen;
        for (int t = 0; t < turns; ++t) {
            const TGrupaObrazkow turn = *screen->Run().Current();
            const int current = screen->Run().CurrentTurn();
            QVERIFY(!seen.contains(current));
            seen.insert(current);
            // The turn's recording plays as it starts, in the background; Ctrl+W plays it again.
            QCOMPARE(Opened().last(), turn.Recording);
            QVERIFY(!media->isVisible());
            played->End(); // the recording ends as the backend would end it: nothing changes
            QCOMPARE(screen->Run().CurrentTurn(), current);
            const qsizetype opens = Opened().size();
            QTest::keyClick(screen, Qt::Key_W, Qt::ControlModifier);
            QCOMPARE(Opened().size(), opens + 1);
            QCOMPARE(Opened().last(), turn.Recording);

            const int right = screen->Run().RightFrame();
            QVERIFY(!Child<QLabel>(screen, u"B%1"_s.arg(right))->pixmap().isNull());
            QTest::keyClick(screen, Qt::Key_Return); // nothing to go on to yet
            QCOMPARE(screen->Run().CurrentTurn(), current);
            QVERIFY(next->isHidden());

            // The third turn is picked wrongly: the picked frame turns red, the right one green.
            const bool wrong = t == 2;
            const int pick = wrong ? right % 3 + 1 : right;
            QTest::keyClick(screen, Qt::Key(Qt::Key_0 + pick));
            QCOMPARE(screen->Frame(pick)->StanRamki(), wrong ? fsZle : fsDobrze);
            QCOMPARE(screen->Frame(right)->StanRamki(), fsDobrze);
            QCOMPARE(Child<TAALabel>(screen, u"ZD1"_s)->Caption(), turn.Sentence + u"   "_s);
            QCOMPARE(Child<TAALabel>(screen, u"ZD2"_s)->Caption(), turn.Translation + u"   "_s);
            QVERIFY(!turn.Translation.isEmpty());
            const int good = t < 2 ? t + 1 : t;
            QCOMPARE(notebook->Poprawnie(), unsigned(good));
            QCOMPARE(notebook->Blednie(), unsigned(t >= 2 ? 1 : 0));
            QCOMPARE(notebook->XFactor(), unsigned(Utils::Percent(good, turns))); // the running score

            // Judged: the keys 1 to 3 take no second pick.
            QTest::keyClick(screen, Qt::Key_1);
            QCOMPARE(screen->Run().Good() + screen->Run().Bad(), t + 1);
            if (t + 1 < turns) {
                QVERIFY(!next->isHidden());
                QVERIFY(!screen->HasShownResult());
                QTest::keyClick(screen, Qt::Key_Return);
                QVERIFY(next->isHidden());
                QVERIFY(Child<QWidget>(screen, u"ZD1"_s)->isHidden());
                for (int n = 1; n <= 3; ++n)
                    QCOMPARE(screen->Frame(n)->StanRamki(), fsNone);
            }
        }
        QCOMPARE(seen.size(), turns); // every turn once
        // Five of six: 83 shows; the host records it when the learner leaves.
        QVERIFY(next->isHidden());
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 83);
        QCOMPARE(world->Host.ScoresRecorded, 0);
        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(world->Host.ScoresRecorded, 1);
        QCOMPARE(world->ReadRecord(u"podroze_5_obrazki.xml"_s, 8).Postep, u"83"_s);
    }

    void threePicturesWithTheMouse()
    {
        // One turn whose pictures are missing: the frames stay empty and the turn goes on.
        const QString path = world->WriteExercise(
            u"o.xml"_s,
            Envelope(
                8, u"<grupa sampel=\"s.mp3\" bmp1=\"a.png\" bmp2=\"b.png\" bmp3=\"c.png\"><zdanie>A.</zdanie>"
                   u"</grupa>"_s),
            8);
        auto *screen = qobject_cast<Tfrm3Obrazki *>(world->Open(8, path));
        QVERIFY(screen);
        for (int n = 1; n <= 3; ++n)
            QVERIFY(Child<QLabel>(screen, u"B%1"_s.arg(n))->pixmap().isNull());
        const int right = screen->Run().RightFrame();
        const int wrong = right % 3 + 1;
        Click(screen->Frame(wrong), QPoint(120, 150), Qt::RightButton); // only the left button picks
        QCOMPARE(screen->Run().Bad(), 0);
        Click(screen->Frame(wrong), QPoint(120, 150));
        QCOMPARE(screen->Frame(wrong)->StanRamki(), fsZle);
        QCOMPARE(screen->Frame(right)->StanRamki(), fsDobrze);
        // One turn: the score shows at once.
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 0);
    }

    void threePicturesWithoutTurns()
    {
        const QString path = world->WriteExercise(u"o.xml"_s, Envelope(8, QString()), 8);
        auto *screen = qobject_cast<Tfrm3Obrazki *>(world->Open(8, path));
        QVERIFY(screen);
        QCOMPARE(world->Errors, (QStringList{u"Błąd podczas wczytywania pliku ćwiczenia! (o.xml)"_s}));
        QVERIFY(Opened().isEmpty()); // nothing plays
        QVERIFY(screen->Frame(1)->isHidden());
        QVERIFY(Child<QWidget>(screen, u"btnMedia"_s)->isHidden());
        QTest::keyClick(screen, Qt::Key_1);
        QTest::keyClick(screen, Qt::Key_W, Qt::ControlModifier);
        QVERIFY(Opened().isEmpty());
        QVERIFY(!screen->HasShownResult());
        QTest::keyClick(screen, Qt::Key_Escape);
        QVERIFY(!world->ReadRecord(u"o.xml"_s, 8).Found);
    }

    // --- Uncovering -------------------------------------------------------------------------

    void uncoveringFromTheCourseToTheStatistics()
    {
        const QString path =
            CopySample(u"zdrowie_2_apteka.xml"_s, 52, {u"Gfx/Odkrywanki_gfx"_s, u"Media/Odkrywanki"_s});
        if (path.isEmpty())
            QSKIP("the program folder is not assembled");
        world->Host.Pick = Utils::MakeSeededPick(5);
        auto *screen = qobject_cast<TfrmOdkrywanka *>(world->Open(52, path));
        QVERIFY(screen);
        QVERIFY2(world->Errors.isEmpty(), qPrintable(world->Errors.join(u'\n')));
        QCOMPARE(screen->Layout().Index, 0);
        QCOMPARE(Child<QWidget>(screen, u"btnMedia"_s)->y(), 112);
        const QList<TDefinicja> &words = screen->Run().Definitions();
        QCOMPARE(words.size(), 7);
        for (int i = 0; i < 7; ++i) {
            TOdkrywankaImage *button = screen->WordButton(i);
            QVERIFY(button);
            QCOMPARE(button->objectName(), u"def_%1"_s.arg(i));
            QCOMPARE(button->pos(), QPoint(31, 194 + 70 * button->Place()));
        }

        // Two wrong clicks on the way: 7 of 9 is 78.
        int wrongLeft = 2;
        while (!screen->Run().IsFinished()) {
            const int current = screen->Run().Current();
            QCOMPARE(Opened().last(), words[current].DefinitionRecording);
            QVERIFY(!media->isVisible());
            int click = current;
            if (wrongLeft > 0 && screen->Run().Good() >= 2) {
                for (int w = 0; w < 7; ++w) {
                    if (w != current && !screen->Run().Definitions()[w].Found)
                        click = w;
                }
                --wrongLeft;
            }
            const qsizetype opens = Opened().size();
            Click(screen->WordButton(click));
            QCOMPARE(screen->WordButton(click)->IsUncovered(), click == current);
            if (click == current) {
                TOdkrywankaImage *strip = screen->WordButton(click);
                QCOMPARE(strip->geometry(), QRect(62, 175 + 70 * strip->Place(), 900, 70));
            }
            if (!screen->Run().IsFinished())
                QCOMPARE(Opened().size(), opens + 1); // the next definition at once
            else
                QCOMPARE(Opened().size(), opens); // nothing plays after the last word
        }
        QVERIFY(Child<QWidget>(screen, u"btnMedia"_s)->isHidden());
        QVERIFY(!Child<QWidget>(screen, u"btnSpr"_s)->isHidden());
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 78);
        QCOMPARE(world->Host.ScoresRecorded, 1); // at once
        QCOMPARE(world->ReadRecord(u"zdrowie_2_apteka.xml"_s, 52).Postep, u"78"_s);

        // An uncovered word: the right button on the word shows its translation, the left
        // button on the definition plays it again.
        TOdkrywankaImage *strip = screen->WordButton(3);
        auto *bubble = Child<TVelDymek>(screen, u"IMG_Dymek"_s);
        Click(strip, QPoint(50, 30), Qt::RightButton);
        QVERIFY(!bubble->isHidden());
        QCOMPARE(bubble->Text(), words[3].Translation);
        Click(strip, QPoint(200, 30));
        QVERIFY(bubble->isHidden());
        QCOMPARE(Opened().last(), words[3].DefinitionRecording);

        // Again: a new run, whose score is recorded too.
        Click(Child<QWidget>(screen, u"btnSpr"_s));
        QVERIFY(!screen->HasShownResult());
        QCOMPARE(screen->ResultTag(), 0);
        QVERIFY(!Child<QWidget>(screen, u"btnMedia"_s)->isHidden());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(screen->findChildren<TOdkrywankaImage *>().size(), 7);
        while (!screen->Run().IsFinished())
            Click(screen->WordButton(screen->Run().Current()));
        QCOMPARE(screen->ShownResult(), 100);
        QCOMPARE(world->Host.ScoresRecorded, 2);
        QCOMPARE(world->ReadRecord(u"zdrowie_2_apteka.xml"_s, 52).Postep, u"100"_s);
        QTest::keyClick(screen, Qt::Key_Escape);
        QCOMPARE(world->Host.ScoresRecorded, 2);
    }

    void uncoveringEightWords()
    {
        const QString path =
            CopySample(u"podroze_4_miasto.xml"_s, 52, {u"Gfx/Odkrywanki_gfx"_s, u"Media/Odkrywanki"_s});
        if (path.isEmpty())
            QSKIP("the program folder is not assembled");
        auto *screen = qobject_cast<TfrmOdkrywanka *>(world->Open(52, path));
        QVERIFY(screen);
        QCOMPARE(screen->Layout().Index, 1);
        QCOMPARE(screen->Layout().Background, u"bg_odkrywanka_8.bmp"_s);
        QCOMPARE(Child<QWidget>(screen, u"btnMedia"_s)->y(), 80);
        QCOMPARE(Child<QWidget>(screen, u"btnSpr"_s)->y(), 710);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(screen->WordButton(i)->y(), 159 + 70 * screen->WordButton(i)->Place());
        const int current = screen->Run().Current();
        Click(screen->WordButton(current));
        QCOMPARE(screen->WordButton(current)->y(), 140 + 70 * screen->WordButton(current)->Place());
    }

    void uncoveringRefuses_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<QString>("message");
        QTest::addRow("hidden picture missing") << 7 << false << u"Brak pliku z grafiką! (u.xml)"_s;
        QTest::addRow("no word") << 0 << true << u"Błąd podczas wczytywania pliku ćwiczenia! (u.xml)"_s;
        QTest::addRow("nine words") << 9 << true << u"Błąd podczas wczytywania pliku ćwiczenia! (u.xml)"_s;
    }

    void uncoveringRefuses()
    {
        QFETCH(int, words);
        QFETCH(bool, picture);
        QFETCH(QString, message);
        QString body;
        for (int i = 1; i <= words; ++i)
            body += u"<element><slowo>w%1</slowo><tlumaczenie>s</tlumaczenie><definicja "
                    u"sampel=\"d.mp3\">D.</definicja>"
                    u"</element>"_s.arg(i);
        if (picture) {
            QDir().mkpath(world->dir.path() + u"/Gfx/Odkrywanki_gfx"_s);
            QImage jpeg(900, 700, QImage::Format_RGB32);
            jpeg.fill(Qt::darkCyan);
            QVERIFY(jpeg.save(world->dir.path() + u"/Gfx/Odkrywanki_gfx/u.jpg"_s));
        }
        auto *screen = qobject_cast<TfrmOdkrywanka *>(
            world->Open(52, world->WriteExercise(u"u.xml"_s, Envelope(52, body), 52)));
        QVERIFY(screen);
        QCOMPARE(world->Errors, QStringList{message});
        QVERIFY(screen->findChildren<TOdkrywankaImage *>().isEmpty());
        QVERIFY(Opened().isEmpty());
        QVERIFY(Child<QWidget>(screen, u"btnMedia"_s)->isHidden());
        QVERIFY(!screen->HasShownResult());
    }
};

QTEST_MAIN(ListenScreens)
#include "tst_listen_screens.moc"
