// The main menu on a small course in a temporary program folder: its two entries, the hover
// frame, the start sound, logout and a new login, the language switch and the exit question.

#include "CaptionCheck.h"
#include "app/StartUp.h"
#include "app/uMain.h"
#include "app/uPodklad.h"
#include "course/Catalogue.h"
#include "learner/TUser.h"
#include "learner/uLogowanie.h"
#include "media/SoundService.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/AALabel.h"
#include "skin/VelGroupFrame.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QDir>
#include <QEnterEvent>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

void writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(data);
}

// Language 0 and 1 have texts, language 2 has none.
QByteArray definitions()
{
    QByteArray hints;
    const QList<std::pair<int, const char *>> texts = {
        {25, "Ustawienia"},  {26, "Słownik"},  {27, "Pomoc"},          {28, "Nauka"},
        {29, "Zalogowany:"}, {33, "Pytanie"},  {34, "Zakończyć?"},     {59, "Informacja"},
        {78, "Wylogować?"},  {87, "Powtórki"}, {108, "Brak powtórek"}, {112, "Wyloguj"},
    };
    for (const auto &[id, text] : texts) {
        hints += "<hint id=\"" + QByteArray::number(id) + "\"><tlumaczenie id=\"0\">" + text +
                 "</tlumaczenie><tlumaczenie id=\"1\">EN " + text + "</tlumaczenie></hint>\n";
    }
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<definitions>\n<languages>"
           "<lang id=\"0\" trans=\"true\">polski</lang><lang id=\"1\" trans=\"false\">English</lang>"
           "<lang id=\"2\" trans=\"false\">Deutsch</lang></languages>\n<groups>"
           "<grupa id=\"1\"><tlumaczenie id=\"0\">Jeden</tlumaczenie><tlumaczenie id=\"1\">One</tlumaczenie>"
           "<tlumaczenie id=\"2\">Eins</tlumaczenie></grupa></groups>\n<hinty>\n" +
           hints + "</hinty>\n</definitions>\n";
}

QByteArray exercise(int kind, const char *title)
{
    return QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<cwiczenie><config><id>1</id>"
                      "<nazwa id=\"0\">") +
           title + "</nazwa><nazwa id=\"1\">" + title + "</nazwa><nazwa id=\"2\">" + title +
           "</nazwa><multimedia></multimedia><grupa>1</grupa><poziom>1</poziom><typ_cw>" +
           QByteArray::number(kind) +
           "</typ_cw><param1>0</param1><param2>0</param2></config><body/></cwiczenie>\n";
}

class RecordingSound : public Media::ISoundService
{
public:
    void PlayWave(const QByteArray &wavData) override { played.append(wavData); }
    void PlayWaveFile(const QString &) override {}
    void Stop() override {}
    QList<QByteArray> played;
};

} // namespace

class TestMainMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> dir;
    TfrmPodklad *backdrop = nullptr;
    TfrmMain *menu = nullptr;
    TfrmNawigacja *host = nullptr;
    TfrmWyborCwiczenia *selection = nullptr;
    QList<std::pair<QString, int>> messages; // text and kind of every skinned message
    int answer = 1;

    QWidget *child(const QString &name) { return menu->findChild<QWidget *>(name); }
    void click(const QString &area) { QTest::mouseClick(child(area), Qt::LeftButton, {}, QPoint(10, 10)); }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        InstallSkinFonts();
        SetSkinnedMessageHook([this](const QString &message, const QString &, int kind) {
            messages.append({message, kind});
            return kind == smQuestion ? answer : 1;
        });
    }

    void init()
    {
        const QString bundle = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u'/' + SkinBundleFileName();
        if (!QFileInfo::exists(bundle))
            QSKIP("no skin bundle in the assembled program folder");
        dir = std::make_unique<QTemporaryDir>();
        const QString root = dir->path();
        QFile::copy(bundle, root + u'/' + SkinBundleFileName());
        writeFile(root + u"/Config/definitions.xml"_s, definitions());
        writeFile(root + u"/Dane/a_test.xml"_s, exercise(3, "Test"));
        writeFile(root + u"/Dane/b_gaps.xml"_s, exercise(4, "Gaps"));
        QDir(root).mkpath(u"Users"_s);
        Utils::SetProgramFolder(root);
        Utils::SetMediaRoot(root);
        TUser anna;
        anna.Id = 1;
        anna.Name = u"Anna"_s;
        anna.Gender = u"K"_s;
        anna.Figure = 10;
        Learner::ProfileList profiles;
        profiles.Lines << Learner::BuildProfileLine(anna);
        QVERIFY(profiles.Save(Learner::ProfileListPath(root + u"/Users"_s)));
        QVERIFY(Learner::CreateLearnerData(root + u"/Users"_s, 1));

        backdrop = frmPodklad = new TfrmPodklad;
        menu = frmMain = new TfrmMain;
        QVERIFY(menu->SkinLoaded());
        host = frmNawigacja = new TfrmNawigacja;
        host->SetLearner(&menu->LoggedInUser, &menu->Settings);
        host->SetMainMenu(menu);
        selection = frmWyborCwiczenia = new TfrmWyborCwiczenia(host);
        menu->LoggedInUser = profiles.User(0);
        // After a logout the program shows a new login screen, wired as at start-up.
        connect(menu, &TfrmMain::LoggedOut, menu, [] { ShowLoginScreen(); });
        host->RegisterExerciseScreen(menu, TfrmNawigacja::MainMenuButtons);
        host->RegisterExerciseScreen(selection, TfrmNawigacja::SelectionButtons);
        menu->ApplyInterfaceTexts();
        messages.clear();
        answer = 1;
    }

    void cleanup()
    {
        delete frmLogowanie;
        delete selection;
        delete host;
        delete menu;
        delete backdrop;
        selection = nullptr;
        host = nullptr;
        menu = nullptr;
        backdrop = nullptr;
        dir.reset();
    }

    void learningShowsTheCatalogue()
    {
        menu->show();
        click(u"PaintBox1"_s);
        QVERIFY(!menu->isVisible());
        QVERIFY(selection->isVisible());
        QCOMPARE(selection->SelectionMode(), int(TfrmWyborCwiczenia::CatalogueMode));
        QVERIFY(selection->ExerciseList()->isVisible());
        QCOMPARE(selection->ExerciseList()->Count(), 1);
    }

    void nothingDueKeepsTheMenuInFront()
    {
        menu->show();
        click(u"PaintBox2"_s);
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first(), std::make_pair(u"Brak powtórek"_s, int(smInformation)));
        QVERIFY(menu->isVisible());
        QVERIFY(!selection->isVisible());
        QCOMPARE(selection->SelectionMode(), int(TfrmWyborCwiczenia::RepetitionsMode));
        QCOMPARE(selection->RepetitionList()->Count(), 0);
    }

    void dueRepetitionsOpenTheSecondList()
    {
        host->CatalogueList().last()->RepeatDate = u"2000-01-01"_s;
        menu->show();
        click(u"PaintBox2"_s);
        QVERIFY(messages.isEmpty());
        QVERIFY(!menu->isVisible());
        QVERIFY(selection->RepetitionList()->isVisible());
        QCOMPARE(selection->RepetitionList()->Count(), 1); // the group's copy
    }

    void hoverFrameFollowsTheEntry()
    {
        menu->show();
        auto *frame = menu->findChild<TVelGroupFrame *>(u"Ramka"_s);
        QVERIFY(!frame->isVisible());
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(child(u"PaintBox2"_s), &enter);
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->geometry(), QRect(608, 266, 353, 84));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(child(u"PaintBox2"_s), &leave);
        QVERIFY(!frame->isVisible());

        // Over an entry's caption and over the publisher's link ("Lernivo" of the background) the
        // frame is a line round them: what it encloses stays as it was (the skin's frame, with
        // its opaque white middle and bands, hid both).
        const auto *caption = menu->findChild<TAALabel *>(u"btnSpisCwiczen"_s);
        const std::pair<QString, QRect> places[] = {
            {u"PaintBox1"_s, caption->geometry()},
            {u"PaintBox3"_s, child(u"PaintBox3"_s)->geometry().adjusted(4, 4, -4, -4)}};
        for (const auto &[area, place] : places) {
            const QImage without = menu->grab(place).toImage();
            QApplication::sendEvent(child(area), &enter);
            QVERIFY(frame->isVisible());
            const QImage with = menu->grab(place).toImage();
            qint64 change = 0;
            for (int y = 0; y < with.height(); ++y)
                for (int x = 0; x < with.width(); ++x)
                    change += qAbs(qGray(with.pixel(x, y)) - qGray(without.pixel(x, y)));
            QVERIFY2(change / (with.width() * with.height()) < 40, qPrintable(area));
            QApplication::sendEvent(child(area), &leave);
        }
    }

    void startSoundPlaysOnce()
    {
        RecordingSound sound;
        Media::SetSoundService(&sound);
        menu->PlayStartSound = true;
        menu->show();
        QCOMPARE(sound.played.size(), 1);
        QVERIFY(!menu->PlayStartSound);
        menu->hide();
        menu->show();
        QCOMPARE(sound.played.size(), 1);
        Media::SetSoundService(nullptr);
    }

    void logoutAndLoginShowTheCatalogueCollapsed()
    {
        selection->ExpandAll();
        QCOMPARE(selection->ExerciseList()->Count(), 3);
        menu->show();

        answer = 0;
        menu->Logout();
        QVERIFY(menu->isVisible());
        QVERIFY(!frmLogowanie);

        answer = 1;
        QTest::mouseClick(menu->findChild<TVelResButton *>(u"btnWyloguj"_s), Qt::LeftButton);
        QVERIFY(!menu->isVisible());
        QVERIFY(!menu->findChild<QWidget *>(u"btn_nawigacja_help"_s));
        QVERIFY(!selection->findChild<QWidget *>(u"btn_nawigacja_wroc"_s));
        QCOMPARE(selection->ExerciseList()->Count(), 1);
        QVERIFY(frmLogowanie && frmLogowanie->isVisible());

        // The forms' designed captions are class names: a login that keeps the language must
        // still put the texts in.
        menu->findChild<TVelResButton *>(u"btnWyloguj"_s)->SetCaption(u"VelResButton"_s);
        menu->findChild<TAALabel *>(u"btnSpisCwiczen"_s)->SetCaption(u"AntiAliasLabel"_s);
        frmLogowanie->LoginProfile(0);
        QTRY_VERIFY(menu->isVisible());
        QCOMPARE(CaptionCheck::Problems(menu), QStringList());
        QCOMPARE(menu->findChild<TVelResButton *>(u"btnWyloguj"_s)->Caption(), u"Wyloguj"_s);
        QVERIFY(menu->findChild<QWidget *>(u"btn_nawigacja_help"_s));
        QCOMPARE(menu->LoggedInUser.Name, u"Anna"_s);
        click(u"PaintBox1"_s);
        QCOMPARE(selection->ExerciseList()->Count(), 1);
        QVERIFY(!host->Catalogue().Root()->Children.first()->Expanded);
    }

    void languageWithoutTextsLeavesEmptyCaptionsAndAWorkingMenu()
    {
        menu->SwitchInterfaceLanguage(1);
        menu->ApplyInterfaceTexts();
        QCOMPARE(menu->findChild<TAALabel *>(u"btnSpisCwiczen"_s)->Caption(), u"EN Nauka"_s);
        QCOMPARE(Utils::GetField(3, selection->ExerciseList()->ItemText(0), u'='), u"One"_s);

        menu->SwitchInterfaceLanguage(2);
        menu->ApplyInterfaceTexts();
        QCOMPARE(menu->Settings.InterfaceLanguage, 2);
        for (const char16_t *name : {u"btnSpisCwiczen", u"btnPowtorki"})
            QCOMPARE(menu->findChild<TAALabel *>(QString::fromUtf16(name))->Caption(), QString());
        QCOMPARE(menu->findChild<TVelResButton *>(u"btnWyloguj"_s)->Caption(), QString());
        QCOMPARE(Utils::GetField(3, selection->ExerciseList()->ItemText(0), u'='), u"Eins"_s);
        QVERIFY(QApplication::overrideCursor() == nullptr);

        menu->show();
        click(u"PaintBox1"_s);
        QVERIFY(selection->isVisible());
        QCOMPARE(selection->ExerciseList()->Count(), 1);
    }

    // The publisher link goes to the system's browser; with none, the page opens in the
    // program's own help window.
    void publisherLink_data()
    {
        QTest::addColumn<bool>("browser");
        QTest::addRow("a browser") << true;
        QTest::addRow("no browser") << false;
    }

    void publisherLink()
    {
        QFETCH(bool, browser);
        writeFile(Utils::ProgramFolder() + u"/Pomoc/h_about.html"_s, "<html><body>O programie</body></html>");
        QList<QUrl> asked;
        menu->SetUrlOpener([&](const QUrl &url) {
            asked << url;
            return browser;
        });
        menu->show();
        click(u"PaintBox3"_s);
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.first().fileName(), u"h_about.html"_s);
        TfrmPomoc *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<TfrmPomoc *>(window); found && found->isVisible())
                help = found;
        }
        QCOMPARE(help != nullptr, !browser);
        if (help) {
            QCOMPARE(QFileInfo(help->CurrentPage()).fileName(), u"h_about.html"_s);
            help->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }

    void exitAsksAndClosesTheBackdrop()
    {
        backdrop->show();
        menu->show();
        QSignalSpy closed(backdrop, &TfrmPodklad::Closed);
        answer = 0;
        QVERIFY(!menu->ConfirmExit());
        QVERIFY(menu->isVisible());
        QCOMPARE(closed.size(), 0);
        answer = 1;
        QVERIFY(menu->ConfirmExit());
        QVERIFY(!menu->isVisible());
        QCOMPARE(closed.size(), 1);
    }
};

QTEST_MAIN(TestMainMenu)
#include "tst_mainmenu.moc"
