// A learner's walk through the real program: the whole start-up on the assembled program folder
// with the sample course, a new profile, login, learning with a group and a package opened, back,
// repetitions, logout and the exit question. Nothing along the way may raise an error box. The
// skinned questions are answered by pressing their buttons, as the learner would.

#include "app/StartUp.h"
#include "app/uMain.h"
#include "app/uPodklad.h"
#include "course/Catalogue.h"
#include "learner/uFrmNewUser.h"
#include "learner/uLogowanie.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
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
};

QTEST_MAIN(TestWalk)
#include "tst_walk.moc"
