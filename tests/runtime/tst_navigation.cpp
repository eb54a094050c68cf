// The exercise host: navigation state, the navigation bar it gives a screen, the numbered
// package buttons and the hand-off to the next item, back, and result recording.

#include "RuntimeFixture.h"

#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"

#include <QKeyEvent>

using namespace Qt::StringLiterals;
using Course::TElement;

class TestNavigation : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolderFixture> folder;
    std::unique_ptr<TfrmNawigacja> host;
    std::unique_ptr<TfrmWyborCwiczenia> selection;
    TUser learner;
    LearnerSettings settings = LearnerSettings::Defaults();
    OpenLog log;
    TElement *group = nullptr;
    TElement *loose = nullptr;          // an exercise directly in the group
    TElement *dialogues = nullptr;      // kind 102, five items
    TElement *sentences = nullptr;      // kind 103, three items
    TElement *files = nullptr;          // kind 101, two items
    TElement *undefinedGroup = nullptr; // an exercise under the root

    QList<TVelResButton *> numberedButtons(QWidget *screen)
    {
        QList<TVelResButton *> found;
        for (int n = 1;
             auto *button = screen->findChild<TVelResButton *>(u"btn_nawigacja_"_s + QString::number(n)); ++n)
            found.append(button);
        return found;
    }

private slots:
    void init()
    {
        folder = std::make_unique<ProgramFolderFixture>();
        host = std::make_unique<TfrmNawigacja>(nullptr, false);
        frmNawigacja = host.get();
        learner.Id = 1;
        host->SetLearner(&learner, &settings);
        CourseBuilder build(host->Catalogue());
        group = build.Group(1, u"Unit one"_s);
        loose = build.Exercise(group, 3, u"test.xml"_s, u"A test"_s);
        dialogues = build.Package(group, 102, u"dial.xml"_s, u"Dialogues"_s, {11, 12, 14, 18, 26});
        sentences = build.Package(group, 103, u"sent.xml"_s, u"Sentences"_s, {21, 22, 24});
        files = build.Package(group, 101, u"pack.xml"_s, u"Files"_s, {3, 4});
        undefinedGroup = build.Exercise(nullptr, 3, u"stray.xml"_s, u"Stray"_s);
        host->RenumberCatalogue();
        selection = std::make_unique<TfrmWyborCwiczenia>(host.get());
        frmWyborCwiczenia = selection.get();
        log = OpenLog();
    }
    void cleanup()
    {
        CloseExerciseScreens();
        selection.reset();
        host.reset();
        folder.reset();
    }

    void setCurrentFindsThePackage()
    {
        host->SetCurrent(dialogues->Children.at(2));
        QCOMPARE(host->CurrentPackage(), dialogues);
        QCOMPARE(host->CurrentPosition(), 3);

        host->SetCurrent(loose);
        QCOMPARE(host->CurrentPackage(), nullptr);
        QCOMPARE(host->CurrentPosition(), 1);

        // Under the root there is nothing to step through.
        host->SetCurrent(undefinedGroup);
        QCOMPARE(host->CurrentPackage(), nullptr);
    }

    void selectSiblingStaysInsideThePackage()
    {
        host->SetCurrent(dialogues->Children.at(0));
        host->SelectSibling(5);
        QCOMPARE(host->CurrentNode(), dialogues->Children.at(4));
        QCOMPARE(host->CurrentPosition(), 5);
        for (int n : {0, 6, -1}) {
            host->SelectSibling(n);
            QCOMPARE(host->CurrentPosition(), 5);
        }
        host->SetCurrent(loose);
        host->SelectSibling(1);
        QCOMPARE(host->CurrentNode(), loose);
    }

    void numberedButtons_data()
    {
        QTest::addColumn<int>("package"); // 0 dialogues, 1 sentences, 2 files
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("firstLeft");
        QTest::addColumn<int>("top");
        QTest::addRow("variant 2, five items") << 0 << 2 << 5 << 415 << 87;
        QTest::addRow("variant 3, three items") << 1 << 1 << 3 << 552 << 81;
        // 769 - 59 * 2 = 651 would put button 2 under the result panel at 744: the strip moves left.
        QTest::addRow("variant 1, two items") << 2 << 2 << 2 << 624 << 80;
    }
    void numberedButtons()
    {
        QFETCH(int, package);
        QFETCH(int, position);
        QFETCH(int, count);
        QFETCH(int, firstLeft);
        QFETCH(int, top);
        TElement *packages[] = {dialogues, sentences, files};
        host->SetCurrent(packages[package]->Children.at(position - 1));
        TFakeScreen screen;
        host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
        const QList<TVelResButton *> buttons = numberedButtons(&screen);
        QCOMPARE(buttons.size(), count);
        for (int n = 1; n <= count; ++n) {
            TVelResButton *button = buttons.at(n - 1);
            QCOMPARE(button->geometry(), QRect(firstLeft + 55 * (n - 1), top, 59, 42));
            QCOMPARE(button->Caption(), QString::number(n));
            QCOMPARE(button->Tag(), n);
            QCOMPARE(button->isEnabled(), n != position);
            QVERIFY(!button->geometry().intersects(screen.ResultPanel()->geometry()));
        }
    }

    void barButtonsFollowTheButtonSet_data()
    {
        QTest::addColumn<int>("buttonSet");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        QTest::addRow("exercise, 31, no package")
            << 31 << QStringList{u"zamknij"_s, u"minimalizuj"_s, u"help"_s, u"slownik"_s, u"wroc"_s}
            << QStringList{u"1"_s};
        QTest::addRow("main menu, 26")
            << 26 << QStringList{u"zamknij"_s, u"minimalizuj"_s, u"help"_s, u"slownik"_s}
            << QStringList{u"wroc"_s, u"1"_s};
        QTest::addRow("only back, 4")
            << 4 << QStringList{u"wroc"_s} << QStringList{u"zamknij"_s, u"help"_s, u"slownik"_s};
    }
    void barButtonsFollowTheButtonSet()
    {
        QFETCH(int, buttonSet);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        host->SetCurrent(loose);
        TFakeScreen screen;
        host->RegisterExerciseScreen(&screen, buttonSet);
        for (const QString &name : present)
            QVERIFY2(screen.findChild<TVelResButton *>(u"btn_nawigacja_"_s + name), qPrintable(name));
        for (const QString &name : absent)
            QVERIFY2(!screen.findChild<TVelResButton *>(u"btn_nawigacja_"_s + name), qPrintable(name));
        if (auto *close = screen.findChild<TVelResButton *>(u"btn_nawigacja_zamknij"_s)) {
            QCOMPARE(close->geometry(), QRect(982, 0, 34, 18));
            QCOMPARE(close->Rozmiar(), rozUndefined);
        }
        if (auto *back = screen.findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s))
            QCOMPARE(back->geometry(), QRect(330, 0, 170, 48));

        TfrmNawigacja::RemoveNavigationButtons(&screen);
        for (const QString &name : present)
            QVERIFY(!screen.findChild<TVelResButton *>(u"btn_nawigacja_"_s + name));
    }

    void escapeIsTheBackButton()
    {
        host->SetCurrent(loose);
        auto *withoutBack = new TFakeScreen;
        host->RegisterExerciseScreen(withoutBack, TfrmNawigacja::HelpButton);
        withoutBack->show();
        QTest::keyClick(withoutBack, Qt::Key_Escape);
        QVERIFY(withoutBack->isVisible());
        QVERIFY(!selection->isVisible());

        QPointer<TFakeScreen> withBack = new TFakeScreen;
        host->RegisterExerciseScreen(withBack, TfrmNawigacja::ExerciseButtons);
        withBack->show();
        selection->ExerciseList()->setEnabled(false);
        QTest::keyClick(withBack, Qt::Key_Escape);
        QVERIFY(selection->isVisible());
        QVERIFY(selection->ExerciseList()->isEnabled());
        QTRY_VERIFY(withBack.isNull()); // closed screens are freed
        delete withoutBack;
    }

    void stepToItemOpensTheNextItemAfterTheOldScreenHasGone()
    {
        log.RegisterKinds({11, 12, 14, 18, 26});
        host->SetCurrent(dialogues->Children.at(0));
        OpenExercise(11, dialogues->FileName, QString());
        QPointer<TExerciseScreen> first = log.lastScreen;
        QVERIFY(first);

        QTest::mouseClick(first->findChild<TVelResButton *>(u"btn_nawigacja_3"_s), Qt::LeftButton);
        QVERIFY(!first || !first->isVisible());
        QCOMPARE(host->CurrentPosition(), 3);
        QCOMPARE(log.calls.size(), 1); // deferred
        QVERIFY(host->HandOffPending());

        // A second step while the first is pending is ignored.
        TFakeScreen other;
        host->StepToItem(&other, 5);
        QCOMPARE(host->CurrentPosition(), 3);

        QTRY_COMPARE(log.calls.size(), 2);
        QCOMPARE(log.calls.last().kind, 14);
        QVERIFY(!host->HandOffPending());
        QVERIFY(first.isNull());
        const QList<TVelResButton *> buttons = numberedButtons(log.lastScreen);
        QCOMPARE(buttons.size(), 5);
        QVERIFY(!buttons.at(2)->isEnabled());
        QVERIFY(buttons.at(0)->isEnabled());
    }

    void clickWhileHandOffPendingIsIgnored()
    {
        bool busy = true;
        int starts = 0;
        host->SetHandOff({[&busy] { return busy; }, [&starts] { ++starts; }});
        host->SetCurrent(dialogues->Children.at(0));
        TFakeScreen screen;
        host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
        screen.show();
        QTest::mouseClick(screen.findChild<TVelResButton *>(u"btn_nawigacja_2"_s), Qt::LeftButton);
        QVERIFY(screen.isVisible());
        QCOMPARE(host->CurrentPosition(), 1);
        QCOMPARE(starts, 0);

        busy = false;
        QTest::mouseClick(screen.findChild<TVelResButton *>(u"btn_nawigacja_2"_s), Qt::LeftButton);
        QCOMPARE(starts, 1);
        QCOMPARE(host->CurrentPosition(), 2);
    }

    void backRecordsALeftScoreOnce()
    {
        host->SetCurrent(loose);
        auto *screen = new TFakeScreen(8);
        host->RegisterExerciseScreen(screen, TfrmNawigacja::SelectionButtons);
        screen->show();
        const QByteArray empty = folder->Statistics();
        screen->ShowResult(80);
        QCOMPARE(folder->Statistics(), empty);
        QCOMPARE(screen->ResultTag(), 0);

        host->RecordExerciseResult(screen);
        QCOMPARE(screen->ResultTag(), 1);
        QCOMPARE(loose->Progress, 80);
        QVERIFY(folder->Statistics() != empty);
        const QByteArray once = folder->Statistics();
        // A second record of the same shown score (Back after it was recorded) changes nothing.
        loose->Progress = 5;
        QTest::mouseClick(screen->findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QCOMPARE(loose->Progress, 5);
        QCOMPARE(folder->Statistics(), once);
        QVERIFY(selection->isVisible());
    }

    void scoreShownByAnImmediateScreenIsRecordedAtOnce()
    {
        host->SetCurrent(loose);
        TFakeScreen screen(3);
        screen.show();
        screen.ShowResult(37);
        QCOMPARE(screen.ResultTag(), 1);
        QCOMPARE(loose->Progress, 37);
        QVERIFY(loose->HasResult);
        screen.StartNewRun();
        QCOMPARE(screen.ResultTag(), 0);
        QVERIFY(!screen.HasShownResult());
    }

    void backFromTheSelectionScreenShowsTheMainMenu()
    {
        QWidget mainMenu;
        host->SetMainMenu(&mainMenu);
        host->RegisterExerciseScreen(selection.get(), TfrmNawigacja::SelectionButtons);
        selection->show();
        QTest::mouseClick(selection->findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s), Qt::LeftButton);
        QVERIFY(!selection->isVisible());
        QVERIFY(mainMenu.isVisible());
        host->SetMainMenu(nullptr);
    }

    void closeAsksFirst()
    {
        QWidget mainMenu;
        mainMenu.show();
        host->SetMainMenu(&mainMenu);
        int answer = 0;
        QStringList asked;
        SetSkinnedMessageHook([&](const QString &message, const QString &, int kind) {
            asked << message;
            return kind == smQuestion ? answer : 1;
        });
        Utils::InterfaceTexts() = QStringList{u"34=Close?"_s, u"33=Question"_s};
        TFakeScreen screen;
        host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
        auto *close = screen.findChild<TVelResButton *>(u"btn_nawigacja_zamknij"_s);
        QTest::mouseClick(close, Qt::LeftButton);
        QCOMPARE(asked, QStringList{u"Close?"_s});
        QVERIFY(mainMenu.isVisible());
        answer = 1;
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!mainMenu.isVisible());
        SetSkinnedMessageHook({});
        Utils::InterfaceTexts().clear();
        host->SetMainMenu(nullptr);
    }

    void helpPageByScreenName_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("page");
        QTest::addRow("uncovering") << u"frmOdkrywanka"_s << u"h_nowe.html"_s;
        QTest::addRow("three pictures") << u"frm3Obrazki"_s << u"h_foto.html"_s;
        QTest::addRow("matching") << u"frmAntonimy"_s << u"h_film.html"_s;
        QTest::addRow("dictation") << u"frmZdania_Dyk"_s << u"h_sent.html"_s;
        QTest::addRow("presentation") << u"frmDialogi_Prez"_s << u"h_konwers.html"_s;
        QTest::addRow("main menu") << u"frmMain"_s << u"h_index.html"_s;
        // The help button opens the page F1 opens on these screens too.
        QTest::addRow("word ordering") << u"frmTabelkaCS"_s << u"h_film.html"_s;
        QTest::addRow("dialogue arranging") << u"frmDialogi_Ukl"_s << u"h_konwers.html"_s;
    }
    void helpPageByScreenName()
    {
        QFETCH(QString, screen);
        QFETCH(QString, page);
        QCOMPARE(TfrmNawigacja::HelpPage(screen), page);
    }

    void titleBarShowsTheLearner()
    {
        learner.Name = u"Anna"_s;
        learner.Gender = u"K"_s;
        learner.Figure = 11;
        Utils::InterfaceTexts() = QStringList{u"29=Logged in as:"_s};
        TFakeScreen screen;
        TVelBelka *bar = screen.Belka();
        QCOMPARE(bar->Zalogowany(), u"Anna"_s);
        QCOMPARE(bar->Plec(), QChar(u'K'));
        QCOMPARE(bar->LudzikIndex(), 11);
        QCOMPARE(bar->TekstBelki(), u"Logged in as:"_s);
        Utils::InterfaceTexts().clear();
    }
};

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
