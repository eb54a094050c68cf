// The selection screen: rows and their hit zones, toggling, expand/collapse all with the scroll
// bar, the repetitions mode, the hints, the drawing of results and package strips, and the
// dispatch of OpenExercise.

#include "RuntimeFixture.h"

#include "reference/uFrmPomoc.h"
#include "skin/ALScrollBar.h"
#include "skin/VelListBox.h"
#include "skin/VelResButton.h"

using namespace Qt::StringLiterals;
using Course::TElement;
using Zone = TfrmWyborCwiczenia::Zone;

class TestSelection : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<ProgramFolderFixture> folder;
    std::unique_ptr<TfrmNawigacja> host;
    std::unique_ptr<TfrmWyborCwiczenia> selection;
    OpenLog log;
    TElement *unit = nullptr;
    TElement *second = nullptr;

    TVelListBox *list() const { return selection->ExerciseList(); }
    QStringList rowTitles(TVelListBox *l) const
    {
        QStringList titles;
        for (int i = 0; i < l->Count(); ++i)
            titles << Utils::GetField(3, l->ItemText(i), u'=');
        return titles;
    }
    void click(TVelListBox *l, int row, int x)
    {
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, QPoint(x, row * 24 + 12));
    }
    // Builds the catalogue before the screen exists, as start-up does.
    void buildScreen()
    {
        host->RenumberCatalogue();
        selection = std::make_unique<TfrmWyborCwiczenia>(host.get());
        frmWyborCwiczenia = selection.get();
        selection->show();
    }
    static bool loadProgramSkin()
    {
        const QString dir = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
        const SkinRecord skin = LoadSkinLibrary(dir + u'/' + SkinBundleFileName());
        if (!skin.Handle)
            return false;
        SetCurrentSkin(skin);
        return true;
    }

private slots:
    void initTestCase() { InstallSkinFonts(); }

    void init()
    {
        folder = std::make_unique<ProgramFolderFixture>();
        host = std::make_unique<TfrmNawigacja>(nullptr, false);
        frmNawigacja = host.get();
        CourseBuilder build(host->Catalogue());
        unit = build.Group(1, u"Unit one"_s);
        build.Exercise(unit, 3, u"test.xml"_s, u"A test"_s);
        build.Package(unit, 102, u"dial.xml"_s, u"Dialogues"_s, {11, 12, 14, 18, 26});
        second = build.Group(2, u"Unit two"_s);
        build.Exercise(second, 4, u"gaps.xml"_s, u"Gaps"_s);
        log = OpenLog();
        // A kind without a screen says so in a box no test clicks away.
        SetSkinnedMessageHook([](const QString &, const QString &, int) { return 1; });
    }
    void cleanup()
    {
        SetSkinnedMessageHook({});
        CloseExerciseScreens();
        selection.reset();
        host.reset();
        folder.reset();
    }

    void hitZones_data()
    {
        QTest::addColumn<int>("nodeType");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("zone");
        QTest::addColumn<int>("item");
        const auto row = [](const char *name, int type, int x, Zone zone, int item = 0) {
            QTest::addRow("%s", name) << type << x << int(zone) << item;
        };
        row("group, left edge", -1, 0, Zone::Toggle);
        row("group, right", -1, 790, Zone::Toggle);
        row("exercise title start", 1, 55, Zone::Open);
        row("exercise title end", 1, 365, Zone::Open);
        row("exercise after title", 1, 366, Zone::None);
        row("exercise hint", 1, 604, Zone::RepetitionHint);
        row("package title", 2, 100, Zone::OpenFirstItem);
        row("package plus sign", 2, 785, Zone::Toggle);
        row("package hint", 2, 620, Zone::RepetitionHint);
        row("package first strip icon", 2, 635, Zone::OpenItem, 1);
        row("package first icon end", 2, 659, Zone::OpenItem, 1);
        row("package gap between icons", 2, 661, Zone::None);
        row("package fifth icon", 2, 751, Zone::OpenItem, 5);
        row("item before title", 3, 82, Zone::None);
        row("item title", 3, 83, Zone::Open);
    }
    void hitZones()
    {
        QFETCH(int, nodeType);
        QFETCH(int, x);
        QFETCH(int, zone);
        QFETCH(int, item);
        Course::TDrzewo tree;
        TElement *node = tree.AddNode(nullptr);
        node->NodeType = nodeType;
        for (int i = 0; i < 5; ++i)
            tree.AddNode(node);
        const TfrmWyborCwiczenia::Hit hit = TfrmWyborCwiczenia::HitZone(*node, x);
        QCOMPARE(int(hit.zone), zone);
        QCOMPARE(hit.item, item);
    }

    void groupRowsToggleAnywhere()
    {
        buildScreen();
        QCOMPARE(rowTitles(list()), (QStringList{u"Unit one"_s, u"Unit two"_s}));
        click(list(), 0, 700);
        QCOMPARE(rowTitles(list()), (QStringList{u"Unit one"_s, u"A test"_s, u"Dialogues"_s, u"Unit two"_s}));
        click(list(), 0, 5);
        QCOMPARE(rowTitles(list()), (QStringList{u"Unit one"_s, u"Unit two"_s}));
        QVERIFY(!unit->Expanded);
    }

    void packageTitleOpensItsFirstItemAndPlusOnlyToggles()
    {
        log.RegisterKinds({3, 11, 14}, false);
        unit->Expanded = true;
        buildScreen();
        click(list(), 2, 785); // plus sign
        QCOMPARE(list()->Count(), 9);
        QVERIFY(log.calls.isEmpty());
        QVERIFY(list()->isEnabled());

        click(list(), 2, 120); // title
        QCOMPARE(log.calls.size(), 1);
        QCOMPARE(log.calls.first().kind, 11);
        QCOMPARE(host->CurrentPosition(), 1);
        QCOMPARE(host->CurrentNode()->Parent->Title, list()->ItemText(2));

        click(list(), 2, 780 - 29 * 5 + 29 * 2 + 3); // third strip icon
        QCOMPARE(log.calls.last().kind, 14);
        QCOMPARE(host->CurrentPosition(), 3);
        QVERIFY(log.calls.last().path.endsWith(u"Dane/dial.xml"_s));
    }

    void aKindWithoutScreenLeavesTheListUsable()
    {
        log.RegisterKinds({3});
        unit->Expanded = true;
        unit->Children.at(1)->Expanded = true;
        buildScreen();
        QCOMPARE(Utils::GetField(3, list()->ItemText(4), u'='), u"Dialogues item 2"_s); // kind 12
        click(list(), 4, 150);
        QVERIFY(selection->isVisible());
        QVERIFY(list()->isEnabled());

        click(list(), 1, 150); // the test opens and the selection screen hides
        QVERIFY(log.lastScreen && log.lastScreen->isVisible());
        QVERIFY(!selection->isVisible());
        QVERIFY(!list()->isEnabled());
    }

    // Any kind without a registered screen (never a fixed list: screens arrive one by one)
    // tells the learner so, once, with the information box; a kind with one says nothing.
    void kindsWithoutScreenSaySo_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("told");
        QTest::addRow("role play item 12") << 12 << true;
        QTest::addRow("word item 41") << 41 << true;
        QTest::addRow("word item 48") << 48 << true;
        QTest::addRow("comprehension, screen not registered") << 14 << true;
        QTest::addRow("registered test") << 3 << false;
    }

    void kindsWithoutScreenSaySo()
    {
        QFETCH(int, kind);
        QFETCH(bool, told);
        QList<int> kinds;
        SetSkinnedMessageHook([&kinds](const QString &message, const QString &caption, int messageKind) {
            if (!message.isEmpty() && !caption.isEmpty())
                kinds << messageKind;
            return 1;
        });
        log.RegisterKinds({3}, false);
        buildScreen();
        OpenExercise(kind, u"some.xml"_s, QString());
        QCOMPARE(kinds, told ? QList<int>{smInformation} : QList<int>{});
        QCOMPARE(log.calls.size(), told ? 0 : 1);
        QVERIFY(selection->isVisible());
    }

    // Every kind a row can hold has an icon of the bundle, and each family its own: the word
    // items of variant 4 are not drawn as multiple-choice tests.
    void kindIcons()
    {
        if (!loadProgramSkin())
            QSKIP("no skin bundle in the assembled program folder");
        QSet<QString> names;
        for (int kind : {1,  3,  4,  7,  8,  11, 12, 14, 18,  21,  22,  24,
                         26, 31, 41, 42, 44, 48, 50, 52, 100, 102, 103, 104}) {
            const QString name = TfrmWyborCwiczenia::KindIconName(kind);
            QVERIFY2(CurrentSkin().Handle->HasPicture(name), qPrintable(name));
            names << name;
        }
        for (int kind : {41, 42, 44, 48})
            QVERIFY(TfrmWyborCwiczenia::KindIconName(kind) != TfrmWyborCwiczenia::KindIconName(3));
        QCOMPARE(QSet<QString>({TfrmWyborCwiczenia::KindIconName(41), TfrmWyborCwiczenia::KindIconName(42),
                                TfrmWyborCwiczenia::KindIconName(44), TfrmWyborCwiczenia::KindIconName(48)})
                     .size(),
                 4);
    }

    // F1 and the help button open the page of the list shown: the repetitions have their own.
    void helpPageOfTheMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("helpButton");
        QTest::addColumn<QString>("page");
        QTest::addRow("catalogue, F1")
            << int(TfrmWyborCwiczenia::CatalogueMode) << false << u"h_index.html"_s;
        QTest::addRow("catalogue, button")
            << int(TfrmWyborCwiczenia::CatalogueMode) << true << u"h_index.html"_s;
        QTest::addRow("repetitions, F1")
            << int(TfrmWyborCwiczenia::RepetitionsMode) << false << u"h_rep.html"_s;
        QTest::addRow("repetitions, button")
            << int(TfrmWyborCwiczenia::RepetitionsMode) << true << u"h_rep.html"_s;
    }

    void helpPageOfTheMode()
    {
        QFETCH(int, mode);
        QFETCH(bool, helpButton);
        QFETCH(QString, page);
        buildScreen();
        host->RegisterExerciseScreen(selection.get(), TfrmNawigacja::SelectionButtons);
        selection->SetSelectionMode(mode);
        if (helpButton)
            QTest::mouseClick(selection->findChild<TVelResButton *>(u"btn_nawigacja_help"_s), Qt::LeftButton);
        else
            QTest::keyClick(selection->CurrentList(), Qt::Key_F1);
        TfrmPomoc *help = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<TfrmPomoc *>(window); found && found->isVisible())
                help = found;
        }
        QVERIFY(help);
        QCOMPARE(QFileInfo(help->CurrentPage()).fileName(), page);
        help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void scrollBarFollowsTheRowCount()
    {
        CourseBuilder build(host->Catalogue());
        for (int i = 0; i < 30; ++i)
            build.Exercise(second, 4, u"more%1.xml"_s.arg(i), u"More %1"_s.arg(i));
        buildScreen();
        TALScrollBar *bar = selection->ScrollBar();
        QVERIFY(!bar->isVisible());

        selection->ExpandAll(); // 2 groups, 1 + 1 + 31 exercises and packages: packages stay closed
        QCOMPARE(list()->Count(), 35);
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->Max(), 35 - 23);
        bar->SetPosition(7);
        QCOMPARE(list()->TopIndex(), 7);
        list()->SetTopIndex(4); // as the wheel does
        QTRY_COMPARE(bar->Position(), 4);

        selection->CollapseAll();
        QCOMPARE(list()->Count(), 2);
        QVERIFY(!bar->isVisible());
        QCOMPARE(list()->TopIndex(), 0);

        // Scrolled to the bottom, collapsed, expanded again: the list starts at its top.
        selection->ExpandAll();
        bar->SetPosition(bar->Max());
        list()->setCurrentRow(34);
        QCOMPARE(list()->TopIndex(), 12);
        QTest::mouseClick(selection->findChild<TVelResButton *>(u"btnCollapse"_s), Qt::LeftButton);
        QTest::mouseClick(selection->findChild<TVelResButton *>(u"btnExpand"_s), Qt::LeftButton);
        QTest::qWait(20); // the bar's timer
        QCOMPARE(list()->TopIndex(), 0);
        QCOMPARE(bar->Position(), 0);
    }

    void repetitionHints_data()
    {
        QTest::addColumn<int>("nodeType");
        QTest::addColumn<QString>("ownDate");
        QTest::addColumn<QStringList>("itemDates");
        QTest::addColumn<QString>("hint");
        QTest::addRow("exercise") << 1 << u"2027-03-15"_s << QStringList{}
                                  << u"<B> Title </B> - 15-03-2027"_s;
        QTest::addRow("retired exercise") << 1 << u"0"_s << QStringList{} << QString();
        QTest::addRow("never scheduled") << 1 << QString() << QStringList{} << QString();
        QTest::addRow("package") << 2 << QString() << QStringList{u"2027-01-02"_s, u"0"_s, u"2027-05-06"_s}
                                 << u"<B> Item 1 </B> - 02-01-2027 <BR> <B> Item 3 </B> - 06-05-2027"_s;
        QTest::addRow("package, nothing scheduled")
            << 2 << QString() << QStringList{u"0"_s, QString()} << QString();
    }
    void repetitionHints()
    {
        QFETCH(int, nodeType);
        QFETCH(QString, ownDate);
        QFETCH(QStringList, itemDates);
        QFETCH(QString, hint);
        Course::TDrzewo tree;
        TElement *node = tree.AddNode(nullptr);
        node->NodeType = nodeType;
        node->Title = u"4=1=Title"_s;
        node->RepeatDate = ownDate;
        for (const QString &date : itemDates) {
            TElement *item = tree.AddNode(node);
            item->NodeType = 3;
            item->Title = u"9=2=Item %1"_s.arg(item->Position);
            item->RepeatDate = date;
        }
        QCOMPARE(TfrmWyborCwiczenia::RepetitionHint(*node), hint);
    }

    void repetitionsModeStepsThroughTheDueExercisesOfAGroup()
    {
        const QDate today(2027, 3, 10);
        host->SetToday(today);
        CourseBuilder build(host->Catalogue());
        build.Exercise(unit, 4, u"a.xml"_s, u"Due A"_s);
        build.Exercise(unit, 4, u"b.xml"_s, u"Not due"_s)->RepeatDate = u"2027-03-11"_s;
        build.Exercise(unit, 4, u"c.xml"_s, u"Due C"_s);
        build.Exercise(second, 4, u"d.xml"_s, u"Due D"_s);
        for (TElement *group : {unit, second}) {
            for (TElement *node : group->Children) {
                if (node->Title.startsWith(u"Due"))
                    node->RepeatDate = u"2027-03-10"_s;
            }
        }
        unit->Children.at(0)->RepeatDate = u"2027-03-01"_s; // "A test" is due too
        buildScreen();
        log.RegisterKinds({3, 4});

        host->FindDueRepetitions();
        selection->SetSelectionMode(TfrmWyborCwiczenia::RepetitionsMode);
        selection->RefillList(TfrmWyborCwiczenia::RepetitionsMode);
        TVelListBox *repetitions = selection->RepetitionList();
        QVERIFY(repetitions->isVisible());
        QVERIFY(!list()->isVisible());
        QCOMPARE(rowTitles(repetitions), (QStringList{u"Unit one"_s, u"Unit two"_s}));
        click(repetitions, 0, 300);
        QCOMPARE(rowTitles(repetitions),
                 (QStringList{u"Unit one"_s, u"A test"_s, u"Due A"_s, u"Due C"_s, u"Unit two"_s}));

        click(repetitions, 3, 100);
        QCOMPARE(log.calls.last().kind, 4);
        QVERIFY(log.calls.last().path.endsWith(u"c.xml"_s));
        QVERIFY(log.lastScreen);
        for (int n = 1; n <= 3; ++n) {
            auto *button =
                log.lastScreen->findChild<TVelResButton *>(u"btn_nawigacja_"_s + QString::number(n));
            QVERIFY(button);
            QCOMPARE(button->isEnabled(), n != 3);
        }
        QVERIFY(!log.lastScreen->findChild<TVelResButton *>(u"btn_nawigacja_4"_s));
        // Results go to the copies; the catalogue shows them after the next statistics load.
        QVERIFY(!host->CatalogueList().contains(host->CurrentNode()));
    }

    void resultBarAndPackageStripArePaintedInPlace()
    {
        if (!loadProgramSkin())
            QSKIP("no skin bundle in the assembled program folder");
        CourseBuilder build(host->Catalogue());
        TElement *scored = build.Exercise(second, 4, u"s1.xml"_s, u"Scored"_s);
        TElement *zero = build.Exercise(second, 4, u"s2.xml"_s, u"Scored"_s);
        build.Package(second, 102, u"p0.xml"_s, u"Dialogues"_s, {}); // an empty package among the rows
        for (TElement *node : {scored, zero}) {
            node->HasResult = true;
            node->LastDate = u"01-02-2027"_s;
        }
        scored->Progress = 37;
        zero->Progress = 0;
        unit->Expanded = true;
        second->Expanded = true;
        buildScreen();
        // Rows: 0 Unit one, 1 A test, 2 Dialogues (5 items), 3 Unit two, 4 Gaps, 5 Scored 37,
        // 6 Scored 0, 7 Dialogues without items.
        const QImage shot = list()->grab().toImage();
        const auto differs = [&shot](int rowA, int rowB, int x, int fromY, int toY) {
            for (int y = fromY; y < toY; ++y) {
                if (shot.pixel(x, rowA * 24 + y) != shot.pixel(x, rowB * 24 + y))
                    return true;
            }
            return false;
        };
        for (int x = 400; x < 452; ++x)
            QVERIFY2(differs(5, 6, x, 9, 15) == (x < 418), qPrintable(u"bar column %1"_s.arg(x)));

        int first = -1;
        for (int x = 600; x < 780 && first < 0; ++x) {
            if (differs(2, 7, x, 2, 24))
                first = x;
        }
        QVERIFY2(first >= 635 && first < 635 + 24, qPrintable(QString::number(first)));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
