// The contract every exercise screen keeps with the host, one row per kind that has a screen:
// its name, Escape as the back button, F1 as its help page, closing, recording its score
// exactly once (at once, or when the learner leaves), and a restore after minimising that
// keeps what the learner sees. Each new screen adds its row to kindRows().

#include "ExerciseFixture.h"

#include "exercises/dialogues/uFrmDialogi_Rozum.h"
#include "exercises/words/uFrmTest.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"

#include <functional>

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

namespace {

struct KindRow
{
    int Kind;
    QString File;      // name in Dane
    QByteArray Bytes;  // a small, sound exercise of the kind
    QStringList Media; // recordings it names, made empty under Media\<folder>
    // Takes the opened screen to a shown score, as a learner would; empty for kinds that
    // carry no score.
    std::function<void(TExerciseScreen &)> ShowScore;
    // Whether the listen button shows the media window (screens of short recordings play
    // them with the window hidden).
    bool ShowsMediaWindow = true;
    // Other files the kind needs in the program folder (pictures ...), made before opening.
    std::function<void(const QString &programFolder)> Prepare;
    // The check button's picture once the score is shown.
    QString CheckedGlyph = QStringLiteral("IMG_JeszczeRaz");
    // Escape is the back button; the reading view of a dialogue leaves it to the mouse.
    bool EscapeLeaves = true;
};

QByteArray Envelope(int kind, const QByteArray &media, const QByteArray &body)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>" +
           QByteArray::number(kind) + "</typ_cw><grupa>1</grupa><poziom>1</poziom><multimedia>" + media +
           "</multimedia><param1>1</param1></config><body>" + body + "</body></cwiczenie>";
}

const QByteArray DialogueBody =
    "<polecenia><typ id=\"1\"><polecenie id=\"1\">Listen.</polecenie></typ></polecenia>"
    "<kwestia id=\"1\" osoba=\"1\" sampel=\"d_01.mp3\" visible=\"1\"><tresc>Hello.</tresc>"
    "</kwestia><kwestia id=\"2\" osoba=\"2\" sampel=\"d_02.mp3\" visible=\"1\">"
    "<tresc>Hi there.</tresc></kwestia>";

void Click(TExerciseScreen &screen, const QString &name)
{
    auto *button = screen.findChild<QAbstractButton *>(name);
    QVERIFY2(button, qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// Two modes (the author's hidden lines, the author's gaps), the second line hidden and gapped.
const QByteArray DialogueTaskBody =
    "<tryb_znikania id=\"1\">1</tryb_znikania><tryb_znikania id=\"2\">1</tryb_znikania>"
    "<polecenia><typ id=\"4\"><polecenie id=\"1\">Click.</polecenie></typ>"
    "<typ id=\"8\"><polecenie id=\"1\">Fill in.</polecenie></typ></polecenia>"
    "<kwestia id=\"1\" osoba=\"1\" sampel=\"r_01.mp3\" visible=\"1\"><tresc>Hello.</tresc></kwestia>"
    "<kwestia id=\"2\" osoba=\"2\" sampel=\"r_02.mp3\" visible=\"0\"><tresc>Can I &lt;help&gt; you?</tresc>"
    "</kwestia><kwestia id=\"3\" osoba=\"1\" sampel=\"r_03.mp3\" visible=\"1\"><tresc>Yes.</tresc></kwestia>";

// Clicks the frame of each line as it is played, until every line is uncovered.
void AnswerComprehension(TExerciseScreen &screen)
{
    auto *rozum = qobject_cast<TfrmDialogi_Rozum *>(&screen);
    QVERIFY(rozum);
    auto *area = rozum->findChild<QWidget *>(u"Obszar"_s);
    while (!rozum->Run().Finished()) {
        int line = 0;
        while (
            line < rozum->Lines().size() &&
            (rozum->Run().IsShown(line) || rozum->Lines()[line].Recording != rozum->Run().CurrentRecording()))
            ++line;
        QVERIFY(line < rozum->Lines().size());
        QTest::mouseClick(area, Qt::LeftButton, {}, rozum->FrameRect(line).center());
    }
}

// A sentence file of one sentence with instructions for every screen that plays it.
QByteArray SentenceFile(int kind)
{
    return Envelope(kind, "",
                    "<polecenia><typ id=\"1\"><polecenie id=\"1\">Arrange.</polecenie></typ>"
                    "<typ id=\"2\"><polecenie id=\"1\">Write.</polecenie></typ>"
                    "<typ id=\"4\"><polecenie id=\"1\">Translate.</polecenie></typ></polecenia>"
                    "<zdanie id=\"1\" sampel=\"zd.wav\"><tresc>Open the door.</tresc>"
                    "<tlumaczenie id=\"0\">Otwórz drzwi.</tlumaczenie></zdanie>");
}

QList<KindRow> kindRows()
{
    return {
        {1,
         u"tabela.xml"_s,
         Envelope(1, "tabela.mp3",
                  "<polecenie id=\"1\">Sort the words.</polecenie><col_count>2</col_count><rows>2</rows>"
                  "<columns><column id=\"1\">Fruit</column><column id=\"2\">Drinks</column></columns><wyrazy>"
                  "<wyraz><nazwa>apples</nazwa><column>1</column></wyraz>"
                  "<wyraz><nazwa>tea</nazwa><column>2</column></wyraz></wyrazy>"),
         {u"tabela.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         true,
         {}},
        {3,
         u"quiz.xml"_s,
         Envelope(3, "quiz.mp3",
                  "<polecenie id=\"1\">Listen and choose.</polecenie><grupy><grupa id=\"1\"><naglowek>Where?"
                  "</naglowek><odpowiedz id=\"1\">Here</odpowiedz><odpowiedz id=\"2\">There</odpowiedz>"
                  "<poprawne>1</poprawne></grupa></grupy>"),
         {u"quiz.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         true,
         {}},
        {4,
         u"gaps.xml"_s,
         Envelope(4, "gaps.mp3",
                  "<polecenie id=\"1\">Fill in the gaps.</polecenie><tresc>I &lt;am&gt; here.</tresc>"),
         {u"gaps.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         true,
         {}},
        // One turn: with the host's draws (always the first) the right picture is in frame 1.
        {8,
         u"obrazki.xml"_s,
         Envelope(8, "",
                  "<polecenie id=\"1\">Listen and click.</polecenie><grupa id=\"1\" sampel=\"bread.mp3\" "
                  "bmp1=\"bread.png\" bmp2=\"cake.png\" bmp3=\"apple.png\"><zdanie>A loaf of bread.</zdanie>"
                  "<tlumaczenie id=\"0\">Bochenek chleba.</tlumaczenie></grupa>"),
         {u"bread.mp3"_s},
         [](TExerciseScreen &screen) { QTest::keyClick(&screen, Qt::Key_1); },
         false,
         {}},
        {31,
         u"prawda.xml"_s,
         Envelope(31, "prawda.mp3",
                  "<kolumna id=\"1\">True</kolumna><kolumna id=\"2\">False</kolumna>"
                  "<polecenie id=\"1\">True or false?</polecenie><zdanie id=\"1\" odp=\"1\" sampel=\"\">"
                  "<tresc>Tom gets up early.</tresc></zdanie>"),
         {u"prawda.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         true,
         {}},
        // One word, so its button is the one to click; the hidden picture is made beside it.
        {52,
         u"odkryj.xml"_s,
         Envelope(
             52, "",
             "<polecenie id=\"1\">Listen and click.</polecenie><element id=\"1\"><slowo sampel=\"w.mp3\">"
             "station</slowo><tlumaczenie>dworzec</tlumaczenie><definicja sampel=\"d.mp3\">Trains stop "
             "here.</definicja></element>"),
         {u"d.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"def_0"_s); },
         false,
         [](const QString &programFolder) {
             QDir().mkpath(programFolder + u"/Gfx/Odkrywanki_gfx"_s);
             QImage picture(900, 70, QImage::Format_RGB32);
             picture.fill(Qt::darkCyan);
             picture.save(programFolder + u"/Gfx/Odkrywanki_gfx/odkryj.jpg"_s);
         }},
        {21,
         u"ukl.xml"_s,
         SentenceFile(21),
         {u"zd.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         false,
         {},
         u"IMG_Sprawdz"_s},
        {22,
         u"dyk.xml"_s,
         SentenceFile(22),
         {u"zd.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         false,
         {},
         u"IMG_Sprawdz"_s},
        {24,
         u"tlu.xml"_s,
         SentenceFile(24),
         {u"zd.mp3"_s},
         [](TExerciseScreen &screen) {
             Click(screen, u"btnSpr"_s);
             Click(screen, u"btn_Umiem"_s);
         },
         false,
         {},
         u"IMG_Sprawdz"_s},
        {7,
         u"pary.xml"_s,
         Envelope(7, "pary.mp3",
                  "<polecenie id=\"1\">Match the opposites.</polecenie><pary><para id=\"1\">hot=cold</para>"
                  "<para id=\"2\">big=small</para></pary>"),
         {u"pary.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         true,
         {}},
        {50,
         u"kolejnosc.xml"_s,
         Envelope(50, "kolejnosc.mp3",
                  "<polecenie id=\"1\">Put them in order.</polecenie><wyrazy>"
                  "<wyraz id=\"1\"><nazwa>first</nazwa><kolejnosc>1</kolejnosc></wyraz>"
                  "<wyraz id=\"2\"><nazwa>second</nazwa><kolejnosc>2</kolejnosc></wyraz></wyrazy>"),
         {u"kolejnosc.mp3"_s},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); },
         true,
         {}},
        {11, u"dialog.xml"_s, Envelope(11, "", DialogueBody), {}, {}, false, {}, u"IMG_JeszczeRaz"_s, true},
        {26, u"dialog.xml"_s, Envelope(26, "", DialogueBody), {}, {}, false, {}, u"IMG_JeszczeRaz"_s, false},
        // The listen button plays the question without showing the media window.
        {14, u"rozum.xml"_s, Envelope(14, "", DialogueTaskBody), {u"r_02.mp3"_s}, AnswerComprehension, false},
        {18,
         u"dop.xml"_s,
         Envelope(18, "", DialogueTaskBody),
         {},
         [](TExerciseScreen &screen) { Click(screen, u"btnSpr"_s); }},
    };
}

TfrmPomoc *OpenHelpWindow()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<TfrmPomoc *>(w))
            return help;
    }
    return nullptr;
}

} // namespace

class ExerciseContract : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;
    std::unique_ptr<TfrmMedia> media;
    KindRow row;

    TExerciseScreen *open()
    {
        QFETCH(int, kind);
        for (const KindRow &r : kindRows()) {
            if (r.Kind == kind)
                row = r;
        }
        const Course::TKindInfo *info = Course::KindInfo(kind);
        const QString folder = world->dir.path() + u"/Media/"_s + QString::fromUtf16(info->MediaFolder);
        QDir().mkpath(folder);
        for (const QString &name : row.Media) {
            QFile f(folder + u'/' + name);
            if (f.open(QIODevice::WriteOnly))
                f.write("ID3");
        }
        if (row.Prepare)
            row.Prepare(world->dir.path());
        const QString path = world->WriteExercise(row.File, row.Bytes, kind);
        return world->Open(kind, path);
    }

private slots:
    void initTestCase() { TExerciseFixture::LoadSkin(); }
    void init()
    {
        world = std::make_unique<TExerciseFixture>();
        media = std::make_unique<TfrmMedia>();
        frmMedia = media.get();
    }
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<TfrmPomoc *>(w))
                delete w;
        }
        world.reset();
        frmMedia = nullptr;
        media.reset();
    }

    void contract_data()
    {
        QTest::addColumn<int>("kind");
        for (const KindRow &r : kindRows())
            QTest::addRow("%s", qPrintable(QString::fromUtf16(Course::KindInfo(r.Kind)->ScreenName)))
                << r.Kind;
    }

    // Opening: the object name and button set of the table, registered once, no error.
    void contract()
    {
        QPointer<TExerciseScreen> screen = open();
        QVERIFY(screen);
        const Course::TKindInfo &info = *Course::KindInfo(row.Kind);
        QCOMPARE(screen->objectName(), QString::fromUtf16(info.ScreenName));
        QCOMPARE(world->Host.Registrations, 1);
        QCOMPARE(world->Host.LastButtonSet, info.ButtonSet);
        QVERIFY2(world->Errors.isEmpty(), qPrintable(world->Errors.join(u'\n')));
        QVERIFY(screen->isVisible());
        QVERIFY(!screen->HasShownResult());

        // F1: the kind's own help page, or nothing.
        QTest::keyClick(screen, Qt::Key_F1);
        TfrmPomoc *help = OpenHelpWindow();
        if (QString::fromUtf16(info.HelpPage).isEmpty()) {
            QVERIFY(!help);
        } else {
            QVERIFY(help);
            QVERIFY2(help->CurrentPage().endsWith(QString::fromUtf16(info.HelpPage)),
                     qPrintable(help->CurrentPage()));
            delete help;
        }

        // Escape without a back button leaves the screen where it is.
        QPointer<QWidget> back = screen->findChild<QWidget *>(u"btn_nawigacja_wroc"_s);
        QVERIFY(back);
        back->setEnabled(false);
        QTest::keyClick(screen, Qt::Key_Escape);
        QVERIFY(screen->isVisible());
        QCOMPARE(world->Host.BackClicks, 0);
        back->setEnabled(true);

        // The score shown is recorded exactly once: at once, or when the learner leaves.
        if (row.ShowScore) {
            row.ShowScore(*screen);
            QVERIFY(screen->HasShownResult());
            QCOMPARE(world->Host.ScoresRecorded, info.RecordsAtOnce ? 1 : 0);
        }

        // Escape is the back button: the screen closes, frees its navigation buttons and
        // closes the media window.
        if (auto *listen = screen->findChild<QAbstractButton *>(u"btnMedia"_s);
            listen && !row.Media.isEmpty()) {
            QTest::mouseClick(listen, Qt::LeftButton, {}, QPoint(10, 10));
            QVERIFY2(media->CurrentFile().endsWith(row.Media.first()), qPrintable(media->CurrentFile()));
            QCOMPARE(media->isVisible(), row.ShowsMediaWindow);
        }
        QTest::keyClick(screen, Qt::Key_Escape);
        if (!row.EscapeLeaves) {
            QVERIFY(screen->isVisible());
            QCOMPARE(world->Host.BackClicks, 0);
            Click(*screen, u"btn_nawigacja_wroc"_s);
        }
        QCOMPARE(world->Host.BackClicks, 1);
        QTRY_VERIFY(!screen);
        QTRY_VERIFY(!back);
        QVERIFY(!media->isVisible());
        QCOMPARE(world->Host.ScoresRecorded, row.ShowScore ? 1 : 0);
        // Kinds without a score are recorded as seen when the learner leaves.
        const TExerciseFixture::Record record = world->ReadRecord(row.File, row.Kind);
        QCOMPARE(record.Found, bool(row.ShowScore) || Course::HasNoScore(row.Kind));
        if (Course::HasNoScore(row.Kind))
            QCOMPARE(record.Postep, u"-1"_s);
    }

    void restoreKeepsTheCheckedState_data() { contract_data(); }
    // A restored screen looks as it did: the "again" face stays on the check button.
    void restoreKeepsTheCheckedState()
    {
        TExerciseScreen *screen = open();
        QVERIFY(screen);
        auto *check = screen->findChild<TVelResButton *>(u"btnSpr"_s);
        if (!check || !row.ShowScore)
            QSKIP("this kind has no check button");
        row.ShowScore(*screen);
        if (check->isHidden()) {
            // The check button leaves with the score (three pictures): after a restore the
            // score is still in view and the button still away.
            screen->showMinimized();
            QApplication::processEvents();
            screen->showNormal();
            QApplication::processEvents();
            QVERIFY(check->isHidden());
            QVERIFY(screen->HasShownResult());
            return;
        }
        const QImage again = check->Glyph();
        const QString caption = check->Caption();
        QCOMPARE(check->Tag(), 1);
        screen->showMinimized();
        QApplication::processEvents();
        screen->showNormal();
        QApplication::processEvents();
        QCOMPARE(check->Tag(), 1);
        QCOMPARE(check->Caption(), caption);
        QCOMPARE(check->Glyph(), again);
        QCOMPARE(check->Glyph(), SkinPictureOrNull(CurrentSkin().Handle, row.CheckedGlyph));
        QVERIFY(world->Host.TitleBarSetups >= 2);
    }

    // Every kind with a screen is in the dispatch, with a row here.
    void everyKindOfTheTableIsDispatched()
    {
        QList<int> dispatched;
        for (const TExerciseOpener &opener : ExerciseOpeners())
            dispatched << opener.Kind;
        QList<int> tested;
        for (const KindRow &r : kindRows())
            tested << r.Kind;
        std::sort(tested.begin(), tested.end());
        std::sort(dispatched.begin(), dispatched.end());
        QCOMPARE(tested, dispatched);
        for (int kind : dispatched)
            QVERIFY(Course::KindInfo(kind));
    }
};

QTEST_MAIN(ExerciseContract)
#include "tst_exercise_contract.moc"
