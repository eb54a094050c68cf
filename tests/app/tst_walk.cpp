// A learner's walk through the real program: the whole start-up on the assembled program folder
// with the sample course, a new profile, login, learning with a group and a package opened, back,
// repetitions, logout and the exit question. Nothing along the way may raise an error box. The
// skinned questions are answered by pressing their buttons, as the learner would.

#include "CaptionCheck.h"
#include "app/StartUp.h"
#include "app/uMain.h"
#include "app/uPodklad.h"
#include "course/Catalogue.h"
#include "exercises/RegisterExercises.h"
#include "exercises/frame/ExerciseScreen.h"
#include "exercises/words/uFrmTest.h"
#include "learner/uFrmInputPass.h"
#include "learner/uFrmNewUser.h"
#include "learner/uFrmUstawienia.h"
#include "learner/uLogowanie.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/VelBelka.h"
#include "skin/VelCheckBox.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"
#include "skin/uFrmMsgBox.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// The program folder with its own, empty Users: everything else links to the assembled one.
bool linkProgramFolder(const QString &from, const QString &to)
{
    const QStringList entries = QDir(from).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry == u"Users")
            continue;
        if (!QFile::link(from + u'/' + entry, to + u'/' + entry))
            return false;
    }
    return QDir(to).mkdir(u"Users"_s);
}

// Presses a button of the next modal window once it is up.
void whenModal(const std::function<void(QWidget *)> &action)
{
    QTimer::singleShot(0, qApp, [action] {
        QWidget *modal = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((modal = QApplication::activeModalWidget()) != nullptr, 5000);
        action(modal);
    });
}

void answerMessageBox(const char *button)
{
    whenModal([button](QWidget *modal) {
        auto *box = qobject_cast<TfrmMsgBox *>(modal);
        QVERIFY(box);
        QTest::mouseClick(box->findChild<TVelResButton *>(QString::fromLatin1(button)), Qt::LeftButton);
    });
}

// The help window shown now, or null.
TfrmPomoc *shownHelp()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *help = qobject_cast<TfrmPomoc *>(window); help && help->isVisible())
            return help;
    }
    return nullptr;
}

// The exercise screen shown now, or null.
TExerciseScreen *shownExercise()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *screen = qobject_cast<TExerciseScreen *>(window); screen && screen->isVisible())
            return screen;
    }
    return nullptr;
}

// The multiple-choice screen shown now, or null.
TfrmTest *shownTest()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *test = qobject_cast<TfrmTest *>(window); test && test->isVisible())
            return test;
    }
    return nullptr;
}

#define VERIFY_CAPTIONS(screen)                                                                              \
    do {                                                                                                     \
        const QStringList problems = CaptionCheck::Problems(screen);                                         \
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u" | "_s)));                                   \
    } while (false)

TVelResButton *button(QWidget *form, const QString &name)
{
    auto *found = form->findChild<TVelResButton *>(name);
    if (!found)
        qWarning("no button %s on %s", qPrintable(name), qPrintable(form->objectName()));
    return found;
}

} // namespace

class TestWalk : public QObject
{
    Q_OBJECT

private slots:
    void learnerWalksFromStartToExit()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString assembled = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        if (!QFileInfo::exists(assembled + u"/Config/definitions.xml"_s))
            QSKIP("the program folder is not assembled");
        QTemporaryDir dir;
        QVERIFY(linkProgramFolder(assembled, dir.path()));
        Utils::SetProgramFolder(dir.path());
        Utils::SetMediaRoot(dir.path());
        QStringList errors;
        Utils::SetSystemErrorHandler([&errors](const QString &, const QString &text) { errors << text; });

        const TStartUpResult startUp = CreateProgramScreens();
        QVERIFY(!startUp.SkinMissing);
        QVERIFY(!startUp.TerminateRequested);
        QVERIFY(startUp.Login);
        QSignalSpy closed(frmPodklad, &TfrmPodklad::Closed);
        QTRY_VERIFY(startUp.Login->isVisible());
        QVERIFY(frmPodklad->isVisible());
        QVERIFY(frmNawigacja->CatalogueList().size() > 10);

        // A new profile.
        whenModal([](QWidget *modal) {
            auto *dialog = qobject_cast<TfrmNewUser *>(modal);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->eLogin, u"Ola"_s);
            QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(startUp.Login->btnStworzProfil, Qt::LeftButton);
        QCOMPARE(startUp.Login->Profiles().Lines.size(), 1);

        // Login: a click on the learner's row.
        QPointer<TfrmLogowanie> login = startUp.Login;
        QTest::mouseClick(login->Lista->viewport(), Qt::LeftButton, {}, QPoint(200, 30));
        QTRY_VERIFY(frmMain->isVisible());
        QTRY_VERIFY(login.isNull());
        QCOMPARE(frmMain->LoggedInUser.Name, u"Ola"_s);

        // The new learner's files, as the profile list, the settings and the statistics name them.
        const QDir users(dir.path() + u"/Users"_s);
        const QString id = QString::number(frmMain->LoggedInUser.Id);
        for (const QString &entry : QStringList{u"usr.txt"_s, id + u"_config.xml"_s, id + u"_stat.xml"_s})
            QVERIFY2(QFileInfo(users.filePath(entry)).isFile(), qPrintable(entry));
        for (const QString &entry : QStringList{id + u"_Media_arch"_s, id + u"_Media_temp"_s})
            QVERIFY2(QFileInfo(users.filePath(entry)).isDir(), qPrintable(entry));
        QFile stat(users.filePath(id + u"_stat.xml"_s));
        QVERIFY(stat.open(QIODevice::ReadOnly));
        QVERIFY(stat.readAll().startsWith("\xff\xfe")); // created as UTF-16 with its byte order mark

        // Learning: open a group and a package inside it.
        QTest::mouseClick(frmMain->findChild<QWidget *>(u"PaintBox1"_s), Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(frmWyborCwiczenia->isVisible());
        QVERIFY(!frmMain->isVisible());
        TVelListBox *list = frmWyborCwiczenia->ExerciseList();
        const int groups = list->Count();
        // The first group with a package; while all are closed, row n is group n.
        int packageRow = -1;
        for (int row = 0; row < groups && packageRow < 0; ++row) {
            const Course::TElement *group = frmWyborCwiczenia->NodeOfRow(list, row);
            for (const Course::TElement *node : group->Children) {
                if (node->NodeType == Course::NodeType::Package && node->ChildCount() > 0) {
                    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(300, row * 24 + 12));
                    QVERIFY(group->Expanded);
                    packageRow = row + node->Position;
                    break;
                }
            }
        }
        QVERIFY2(packageRow > 0, "the sample course has a package in a group");
        const int before = list->Count();
        list->SetTopIndex(0);
        list->scrollToItem(list->item(packageRow));
        const int visibleRow = packageRow - list->TopIndex();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(785, visibleRow * 24 + 12));
        QVERIFY(list->Count() > before);
        QVERIFY(frmWyborCwiczenia->isVisible());

        // Back to the main menu.
        QTest::mouseClick(button(frmWyborCwiczenia, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(frmMain->isVisible());
        QVERIFY(!frmWyborCwiczenia->isVisible());

        // Repetitions: a new learner has nothing due; the notice keeps the menu in front.
        answerMessageBox("btnOK");
        QTest::mouseClick(frmMain->findChild<QWidget *>(u"PaintBox2"_s), Qt::LeftButton, {}, QPoint(20, 20));
        QVERIFY(frmMain->isVisible());
        QVERIFY(!frmWyborCwiczenia->isVisible());

        // Logout, confirmed: a new login screen, the catalogue collapsed again.
        answerMessageBox("btnTak");
        QTest::mouseClick(button(frmMain, u"btnWyloguj"_s), Qt::LeftButton);
        QTRY_VERIFY(frmLogowanie && frmLogowanie->isVisible());
        QVERIFY(!frmMain->isVisible());
        QCOMPARE(list->Count(), groups);

        // Exit through the confirmation.
        answerMessageBox("btnTak");
        QTest::mouseClick(frmLogowanie->btnClose, Qt::LeftButton);
        QTRY_COMPARE(closed.size(), 1);

        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u" | "_s)));
        Utils::SetSystemErrorHandler({});
        DestroyProgramScreens();
    }

    // Help from every dialog, used while the dialog is open and closed after it; captions on every
    // screen; a right-click look-up after a translation search; help left open while the numbered
    // button moves on. No error box anywhere.
    void helpCaptionsAndLookUpAlongTheWay()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString assembled = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        if (!QFileInfo::exists(assembled + u"/Config/definitions.xml"_s))
            QSKIP("the program folder is not assembled");
        QTemporaryDir dir;
        QVERIFY(linkProgramFolder(assembled, dir.path()));
        Utils::SetProgramFolder(dir.path());
        Utils::SetMediaRoot(dir.path());
        QStringList errors;
        Utils::SetSystemErrorHandler([&errors](const QString &, const QString &text) { errors << text; });

        const TStartUpResult startUp = CreateProgramScreens();
        QVERIFY(startUp.Login);
        QTRY_VERIFY(startUp.Login->isVisible());
        VERIFY_CAPTIONS(startUp.Login);

        // The profile dialog: F1 gives help that works above the dialog; the dialog then ends
        // first, and help's "Wróć" closes help alone.
        QPointer<TfrmPomoc> help;
        QString pageAboveDialog;
        whenModal([&](QWidget *modal) {
            auto *dialog = qobject_cast<TfrmNewUser *>(modal);
            QVERIFY(dialog);
            VERIFY_CAPTIONS(dialog);
            QTest::keyClick(dialog, Qt::Key_F1);
            help = shownHelp();
            QVERIFY(help);
            QTest::mouseClick(help->findChild<TVelResButton *>(u"btnSpis"_s), Qt::LeftButton);
            pageAboveDialog = QFileInfo(help->CurrentPage()).fileName();
            dialog->reject();
        });
        QTest::mouseClick(startUp.Login->btnStworzProfil, Qt::LeftButton);
        QCOMPARE(pageAboveDialog, u"h_index.html"_s);
        QVERIFY(help);
        VERIFY_CAPTIONS(help.data());
        QTest::mouseClick(help->findChild<TVelResButton *>(u"btnBelkaWroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!help);

        // A protected profile.
        whenModal([](QWidget *modal) {
            auto *dialog = qobject_cast<TfrmNewUser *>(modal);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->eLogin, u"Ola"_s);
            dialog->chPass->click();
            QTest::keyClicks(dialog->eHaslo, u"abc1"_s);
            QTest::keyClicks(dialog->eHaslo2, u"abc1"_s);
            QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(startUp.Login->btnStworzProfil, Qt::LeftButton);
        QCOMPARE(startUp.Login->Profiles().Lines.size(), 1);

        // The password prompt: help shows no learner (nobody is logged in) and asks for no
        // figure picture; the prompt is answered and freed while help is still open.
        whenModal([&](QWidget *modal) {
            auto *prompt = qobject_cast<TfrmInputPass *>(modal);
            QVERIFY(prompt);
            VERIFY_CAPTIONS(prompt);
            QTest::keyClick(prompt, Qt::Key_F1);
            help = shownHelp();
            QVERIFY(help);
            QVERIFY(!help->findChild<TVelBelka *>(u"Belka"_s)->PokazZalogowanie());
            prompt->ePass->setText(u"abc1"_s);
            prompt->btnOk->click();
        });
        QPointer<TfrmLogowanie> login = startUp.Login;
        QTest::mouseClick(login->Lista->viewport(), Qt::LeftButton, {}, QPoint(200, 30));
        QTRY_VERIFY(frmMain->isVisible());
        QVERIFY(help);
        QTest::mouseClick(help->findChild<TVelResButton *>(u"btnBelkaWroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!help);
        QTRY_VERIFY(login.isNull());

        // The main menu after a login that kept the language: every caption in place.
        VERIFY_CAPTIONS(frmMain);

        // The settings dialog: help shows the learner from the session; Enter saves.
        bool settingsSaved = false;
        whenModal([&](QWidget *modal) {
            auto *settings = qobject_cast<TfrmUstawienia *>(modal);
            QVERIFY(settings);
            VERIFY_CAPTIONS(settings);
            QTest::keyClick(settings, Qt::Key_F1);
            help = shownHelp();
            QVERIFY(help);
            const auto *bar = help->findChild<TVelBelka *>(u"Belka"_s);
            QVERIFY(bar->PokazZalogowanie());
            QCOMPARE(bar->Zalogowany(), u"Ola"_s);
            QTest::mouseClick(help->findChild<TVelResButton *>(u"btnBelkaWroc"_s), Qt::LeftButton);
            connect(settings, &QDialog::accepted, settings, [&settingsSaved] { settingsSaved = true; });
            QTest::keyClick(settings, Qt::Key_Return);
        });
        QTest::mouseClick(button(frmMain, u"btnBelkaUstawienia"_s), Qt::LeftButton);
        QVERIFY(settingsSaved);
        QTRY_VERIFY(!help);

        // The learner has read the word exercises' first-use notice before (it would stand in the
        // way of this walk 700 ms after the test opens).
        frmMain->Settings.WordNoticePending = 0;

        // Learning: the table of contents, then the first test of a package of two tests.
        QTest::mouseClick(frmMain->findChild<QWidget *>(u"PaintBox1"_s), Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(frmWyborCwiczenia->isVisible());
        VERIFY_CAPTIONS(frmWyborCwiczenia);
        Course::TElement *package = nullptr;
        for (Course::TElement *node : frmNawigacja->CatalogueList()) {
            if (node->NodeType == Course::NodeType::Package && node->ChildCount() >= 2 &&
                node->Children.at(0)->Kind == TfrmTest::KindCode &&
                node->Children.at(1)->Kind == TfrmTest::KindCode)
                package = node;
        }
        QVERIFY2(package, "the sample course has a package of two tests");
        frmNawigacja->SetCurrent(package->Children.at(0));
        OpenExercise(package->Children.at(0)->Kind, package->Children.at(0)->FileName,
                     package->Children.at(0)->MediaMarks);
        QPointer<TfrmTest> first = shownTest();
        QVERIFY(first);
        VERIFY_CAPTIONS(first.data());

        // The learner searched the translations once; a right click on a word of the test still
        // looks the English headword up.
        QTest::mouseClick(button(first, u"btn_nawigacja_slownik"_s), Qt::LeftButton);
        QTRY_VERIFY(frmSlownik->isVisible());
        VERIFY_CAPTIONS(frmSlownik);
        QTest::mouseClick(frmSlownik->findChild<TVelCheckBox *>(u"rdSzukajTlumaczenia"_s), Qt::LeftButton);
        auto *search = frmSlownik->findChild<QLineEdit *>(u"edtSzukaj"_s);
        search->setText(u"dom"_s);
        QTest::keyClick(search, Qt::Key_Return);
        QVERIFY(!frmSlownik->Results().isEmpty());
        frmSlownik->close();
        auto *area = first->findChild<QWidget *>(u"Obszar"_s);
        area->grab(); // the word positions are those of the last paint
        QVERIFY(first->WordPositions().Count() > 0);
        QString word;
        QPoint at;
        for (const TSlowko &w : first->WordPositions().Items()) {
            if (frmSlownik->NormaliseLookupWord(w.Word).size() > 2) {
                word = w.Word;
                at = w.Rect.center();
                break;
            }
        }
        QVERIFY(!word.isEmpty());
        QTest::mouseClick(area, Qt::RightButton, {}, at);
        QTRY_VERIFY(frmSlownik->isVisible());
        QVERIFY(frmSlownik->findChild<TVelCheckBox *>(u"rdSzukajSlowka"_s)->Checked());
        const QString headword = search->text().toLower();
        for (const TDane &entry : frmSlownik->Results())
            QVERIFY2(entry.Headword.trimmed().toLower().startsWith(headword), qPrintable(entry.Headword));
        frmSlownik->close();

        // Help opened from the test stays open while the numbered button moves on; the test is
        // freed under it, and "Wróć" then closes help alone.
        QTest::keyClick(first, Qt::Key_F1);
        help = shownHelp();
        QVERIFY(help);
        QCOMPARE(help->Owner(), first.data());
        QTest::mouseClick(button(first, u"btn_nawigacja_2"_s), Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        QTRY_VERIFY(shownTest());
        QVERIFY(help);
        QTest::mouseClick(help->findChild<TVelResButton *>(u"btnBelkaWroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!help);
        VERIFY_CAPTIONS(shownTest());

        // Back, back, exit.
        QTest::mouseClick(button(shownTest(), u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(frmWyborCwiczenia->isVisible());
        QTest::mouseClick(button(frmWyborCwiczenia, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(frmMain->isVisible());
        QSignalSpy closed(frmPodklad, &TfrmPodklad::Closed);
        answerMessageBox("btnTak");
        QTest::mouseClick(button(frmMain, u"btn_nawigacja_zamknij"_s), Qt::LeftButton);
        QTRY_COMPARE(closed.size(), 1);

        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u" | "_s)));
        Utils::SetSystemErrorHandler({});
        DestroyProgramScreens();
    }

    // Every screen of the running program after a login that kept the language: the menu, the
    // table of contents, each exercise screen the program has (the first of its kind in the
    // course), the notice of a kind without a screen, the dictionary and help. No visible
    // caption is a designed class name or empty.
    void everyScreenShowsItsTexts()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QString assembled = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        if (!QFileInfo::exists(assembled + u"/Config/definitions.xml"_s))
            QSKIP("the program folder is not assembled");
        QTemporaryDir dir;
        QVERIFY(linkProgramFolder(assembled, dir.path()));
        Utils::SetProgramFolder(dir.path());
        Utils::SetMediaRoot(dir.path());
        QStringList errors;
        Utils::SetSystemErrorHandler([&errors](const QString &, const QString &text) { errors << text; });

        const TStartUpResult startUp = CreateProgramScreens();
        QVERIFY(startUp.Login);
        QTRY_VERIFY(startUp.Login->isVisible());
        whenModal([](QWidget *modal) {
            auto *dialog = qobject_cast<TfrmNewUser *>(modal);
            QVERIFY(dialog);
            QTest::keyClicks(dialog->eLogin, u"Ola"_s);
            QTest::mouseClick(dialog->btnOK, Qt::LeftButton);
        });
        QTest::mouseClick(startUp.Login->btnStworzProfil, Qt::LeftButton);
        QTest::mouseClick(startUp.Login->Lista->viewport(), Qt::LeftButton, {}, QPoint(200, 30));
        QTRY_VERIFY(frmMain->isVisible());
        VERIFY_CAPTIONS(frmMain);
        // The first-use notices would come 700 ms after each screen opens.
        frmMain->Settings.WordNoticePending = 0;
        frmMain->Settings.SentenceNoticePending = 0;
        frmMain->Settings.DialogueNoticePending = 0;

        // Notices on the way (a kind without a screen; no sound device, where the machine has
        // none) are read and answered as they come.
        QStringList notices;
        QTimer answering;
        answering.setInterval(50);
        connect(&answering, &QTimer::timeout, this, [&notices] {
            auto *box = qobject_cast<TfrmMsgBox *>(QApplication::activeModalWidget());
            auto *ok = box ? box->findChild<TVelResButton *>(u"btnOK"_s) : nullptr;
            if (!ok || !ok->isVisible())
                return;
            const QStringList problems = CaptionCheck::Problems(box);
            notices << (problems.isEmpty() ? u"ok"_s : problems.join(u" | "_s));
            QTest::mouseClick(ok, Qt::LeftButton);
        });
        answering.start();

        QTest::mouseClick(frmMain->findChild<QWidget *>(u"PaintBox1"_s), Qt::LeftButton, {}, QPoint(20, 20));
        QTRY_VERIFY(frmWyborCwiczenia->isVisible());
        VERIFY_CAPTIONS(frmWyborCwiczenia);

        // The first exercise of each kind, and the first kind that has no screen.
        QMap<int, Course::TElement *> firstOfKind;
        for (Course::TElement *node : frmNawigacja->CatalogueList()) {
            if (node->NodeType != Course::NodeType::Exercise &&
                node->NodeType != Course::NodeType::PackageItem)
                continue;
            if (!firstOfKind.contains(node->Kind))
                firstOfKind.insert(node->Kind, node);
        }
        QList<int> kinds;
        for (const TExerciseOpener &opener : ExerciseOpeners())
            kinds << opener.Kind;
        QVERIFY(kinds.size() >= 13);
        for (int kind : kinds) {
            // The sample course has no dialogue for reading (26): it reads the course's first
            // dialogue, whose file format the dialogue kinds share.
            Course::TElement *node = firstOfKind.value(kind, kind == 26 ? firstOfKind.value(11) : nullptr);
            QVERIFY2(node, qPrintable(u"no exercise of kind %1 in the course"_s.arg(kind)));
            frmNawigacja->SetCurrent(node);
            OpenExercise(kind, node->FileName, node->MediaMarks);
            QPointer<TExerciseScreen> screen = shownExercise();
            QVERIFY2(screen, qPrintable(u"kind %1 did not open %2"_s.arg(kind).arg(node->FileName)));
            VERIFY_CAPTIONS(screen.data());
            QTest::mouseClick(button(screen, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
            QTRY_VERIFY2(screen.isNull(), qPrintable(screen ? screen->objectName() : QString()));
            QTRY_VERIFY(frmWyborCwiczenia->isVisible());
        }
        Course::TElement *without = nullptr;
        for (auto it = firstOfKind.cbegin(); it != firstOfKind.cend() && !without; ++it) {
            if (!kinds.contains(it.key()))
                without = it.value();
        }
        if (without) {
            const qsizetype before = notices.size();
            frmNawigacja->SetCurrent(without);
            OpenExercise(without->Kind, without->FileName, without->MediaMarks);
            QCOMPARE(notices.size(), before + 1);
        }

        // The dictionary and help, from the table of contents.
        QTest::mouseClick(button(frmWyborCwiczenia, u"btn_nawigacja_slownik"_s), Qt::LeftButton);
        QTRY_VERIFY(frmSlownik->isVisible());
        VERIFY_CAPTIONS(frmSlownik);
        frmSlownik->close();
        QTest::mouseClick(button(frmWyborCwiczenia, u"btn_nawigacja_help"_s), Qt::LeftButton);
        QPointer<TfrmPomoc> help = shownHelp();
        QVERIFY(help);
        VERIFY_CAPTIONS(help.data());
        QTest::mouseClick(help->findChild<TVelResButton *>(u"btnBelkaWroc"_s), Qt::LeftButton);
        QTRY_VERIFY(!help);

        // Back; the repetitions of a new learner: the notice that none is due.
        QTest::mouseClick(button(frmWyborCwiczenia, u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QTRY_VERIFY(frmMain->isVisible());
        VERIFY_CAPTIONS(frmMain);
        const qsizetype before = notices.size();
        QTest::mouseClick(frmMain->findChild<QWidget *>(u"PaintBox2"_s), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(notices.size(), before + 1);
        answering.stop();
        for (const QString &notice : std::as_const(notices))
            QCOMPARE(notice, u"ok"_s);

        // Exit.
        QSignalSpy closed(frmPodklad, &TfrmPodklad::Closed);
        answerMessageBox("btnTak");
        QTest::mouseClick(button(frmMain, u"btn_nawigacja_zamknij"_s), Qt::LeftButton);
        QTRY_COMPARE(closed.size(), 1);

        QVERIFY2(errors.isEmpty(), qPrintable(errors.join(u" | "_s)));
        Utils::SetSystemErrorHandler({});
        DestroyProgramScreens();
    }
};

QTEST_MAIN(TestWalk)
#include "tst_walk.moc"
