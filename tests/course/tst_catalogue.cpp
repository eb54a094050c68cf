#include "course/Catalogue.h"
#include "course/ExerciseKind.h"
#include "course/Struct_Definitions.h"
#include "course/Struct_Paczka.h"
#include "tests/course/CourseFixture.h"
#include "utils/Progress.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QStandardPaths>
#include <QtTest>

using namespace Qt::StringLiterals;
using Course::TElement;

namespace {

class RecordingProgress : public Utils::IProgress
{
public:
    void ShowProgress(int maximum, const QString &caption) override
    {
        log << u"show %1 %2"_s.arg(maximum).arg(caption);
    }
    void StepProgress(int position) override { log << u"step %1"_s.arg(position); }
    void Close() override { log << u"close"_s; }
    QStringList log;
};

// "depth:kind:title" per node of the flat list, with the numbered title's field 3.
QStringList outline(const QList<TElement *> &list)
{
    QStringList lines;
    for (const TElement *node : list)
        lines << u"%1:%2:%3"_s.arg(Utils::GetField(2, node->Title, u'='))
                     .arg(node->Kind)
                     .arg(Utils::GetField(3, node->Title, u'='));
    return lines;
}

const QStringList standardHints{u"9:Prezentacja:Presentation"_s,
                                u"10:Słuchanie:Listening"_s,
                                u"11:Zrozumienie:Comprehension"_s,
                                u"12:Uzupełnianie:Completion"_s,
                                u"13:Układanie zdań:Arranging"_s,
                                u"14:Dyktando:Dictation"_s,
                                u"15:Tłumaczenie:Translation"_s,
                                u"16:Słowa A:Words A"_s,
                                u"17:Słowa B:Words B"_s,
                                u"18:Słowa C:Words C"_s,
                                u"19:Słowa D:Words D"_s,
                                u"20:Układanie dialogu:Dialogue arranging"_s,
                                u"38:Wczytuję ćwiczenia...:Loading..."_s};

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void emptyDaneGivesGroupsOnly();
    void placesExercisesUnderGroupsInListingOrder();
    void undefinedGroupTwice();
    void packageVariants_data();
    void packageVariants();
    void variantOnePackage();
    void foreignRootSkippedWithoutId();
    void faultyFileStopsScan_data();
    void faultyFileStopsScan();
    void unreadableFileIsFaulty();
    void definitionsUnreadable_data();
    void definitionsUnreadable();
    void titlesByLanguage();
    void sameIdsAfterLanguageChange();
    void encodings_data();
    void encodings();
    void moreThanHundredChildrenKept();
    void treeOperations();
    void readerOnAWorkerThread();
    void readerLeavesFaultsToTheLoad_data();
    void readerLeavesFaultsToTheLoad();

private:
    TElement *byTitle(const QString &title) const;
    Course::TCatalogueLoadResult load(int language = 0);

    std::unique_ptr<CourseFixture> course;
    Course::TCatalogue catalogue;
    RecordingProgress progress;
    QStringList errors;
};

void TestCatalogue::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    Utils::SetSystemErrorHandler(
        [this](const QString &caption, const QString &text) { errors << caption + u": "_s + text; });
}

void TestCatalogue::init()
{
    course = std::make_unique<CourseFixture>();
    course->WriteDefinitions({u"1:Dialogi:Dialogues"_s, u"2:Słowa:Words"_s}, standardHints);
    Utils::SetProgramFolder(course->Folder());
    errors.clear();
    progress.log.clear();
}

void TestCatalogue::cleanup()
{
    catalogue = {};
    course.reset();
}

Course::TCatalogueLoadResult TestCatalogue::load(int language)
{
    progress.log.clear();
    return Course::LoadCatalogue(catalogue, {language, &progress});
}

TElement *TestCatalogue::byTitle(const QString &title) const
{
    for (TElement *node : catalogue.CatalogueList) {
        if (Utils::GetField(3, node->Title, u'=') == title)
            return node;
    }
    return nullptr;
}

void TestCatalogue::emptyDaneGivesGroupsOnly()
{
    const auto result = load();
    QCOMPARE(result.AcceptedFiles, 0);
    QVERIFY(!result.TerminateRequested);
    QVERIFY(errors.isEmpty());
    QCOMPARE(outline(catalogue.CatalogueList), (QStringList{u"0:0:Dialogi"_s, u"0:0:Słowa"_s}));
    const TElement *group = catalogue.CatalogueList.at(1);
    QCOMPARE(group->Id, 12);
    QCOMPARE(group->Group, 2);
    QCOMPARE(group->NodeType, -1);
    QCOMPARE(group->Title, u"1=0=Słowa"_s);
    QCOMPARE(progress.log, (QStringList{u"show 0 Wczytuję ćwiczenia..."_s, u"close"_s}));
    QCOMPARE(Utils::GetInterfaceText(9), u"Prezentacja"_s);
    QCOMPARE(catalogue.Drzewo->Root()->Title, u"Root"_s);
    QVERIFY(catalogue.Drzewo->Root()->Expanded);
}

void TestCatalogue::placesExercisesUnderGroupsInListingOrder()
{
    // Sorted by name ignoring case; "*.xml" matches any case; other files are not exercises.
    course->WriteExercise(u"b.XML"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 2, u"Test B"_s)));
    course->WriteExercise(u"A.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(11, 1, u"Dialog A"_s)));
    course->WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(4, 2, u"Luki C"_s, {}, 3)));
    course->WriteExercise(u"notes.txt"_s, "not an exercise");
    const auto result = load();
    QCOMPARE(result.AcceptedFiles, 3);
    QCOMPARE(outline(catalogue.CatalogueList),
             (QStringList{u"0:0:Dialogi"_s, u"1:11:Dialog A"_s, u"0:0:Słowa"_s, u"1:3:Test B"_s,
                          u"1:4:Luki C"_s}));
    QCOMPARE(progress.log, (QStringList{u"show 3 Wczytuję ćwiczenia..."_s, u"step 0"_s, u"step 1"_s,
                                        u"step 2"_s, u"close"_s}));
    const TElement *c = byTitle(u"Luki C"_s);
    QCOMPARE(c->Id, 2);
    QCOMPARE(c->FileName, u"c.xml"_s);
    QCOMPARE(c->Level, 3);
    QCOMPARE(c->NodeType, 1);
    QCOMPARE(c->Position, 2);
    QCOMPARE(c->Title, u"4=1=Luki C"_s);
    QCOMPARE(c->Parent, catalogue.CatalogueList.at(2));
    QCOMPARE(byTitle(u"Dialog A"_s)->Progress, -1); // a kind without score
}

void TestCatalogue::undefinedGroupTwice()
{
    course->WriteExercise(u"1.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 7, u"First"_s)));
    course->WriteExercise(u"2.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 7, u"Second"_s)));
    course->WriteExercise(u"3.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 8, u"Other"_s)));
    load();
    // The search by group looks at every child of the root, so the second lands under the first.
    QCOMPARE(outline(catalogue.CatalogueList), (QStringList{u"0:0:Dialogi"_s, u"0:0:Słowa"_s, u"0:3:First"_s,
                                                            u"1:3:Second"_s, u"0:3:Other"_s}));
}

void TestCatalogue::packageVariants_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QStringList>("items");
    QTest::addRow("dialogue mask 0") << 2 << u"0"_s << 102 << QStringList{};
    QTest::addRow("dialogue mask 31")
        << 2 << u"31"_s << 102
        << QStringList{u"11:Prezentacja"_s, u"12:Słuchanie"_s, u"14:Zrozumienie"_s, u"18:Uzupełnianie"_s,
                       u"26:Układanie dialogu"_s};
    QTest::addRow("dialogue mask 20")
        << 2 << u"20"_s << 102 << QStringList{u"14:Zrozumienie"_s, u"26:Układanie dialogu"_s};
    QTest::addRow("sentence mask 7") << 3 << u"7"_s << 103
                                     << QStringList{u"21:Układanie zdań"_s, u"22:Dyktando"_s,
                                                    u"24:Tłumaczenie"_s};
    QTest::addRow("sentence mask ignores high bits") << 3 << u"10"_s << 103 << QStringList{u"22:Dyktando"_s};
    QTest::addRow("words mask 15") << 4 << u"15"_s << 104
                                   << QStringList{u"41:Słowa A"_s, u"42:Słowa B"_s, u"44:Słowa C"_s,
                                                  u"48:Słowa D"_s};
    QTest::addRow("unknown variant") << 7 << u"31"_s << 100 << QStringList{};
    QTest::addRow("unknown variant needs no mask") << 0 << u"x"_s << 100 << QStringList{};
}

void TestCatalogue::packageVariants()
{
    QFETCH(int, variant);
    QFETCH(QString, mask);
    QFETCH(int, kind);
    QFETCH(QStringList, items);
    course->WriteExercise(u"p.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                          100, 1, u"Paczka"_s, {}, 2, QString::number(variant), mask)));
    load();
    QVERIFY(errors.isEmpty());
    const TElement *package = byTitle(u"Paczka"_s);
    QVERIFY(package);
    QCOMPARE(package->Kind, kind);
    QCOMPARE(package->NodeType, 2);
    QStringList got;
    for (const TElement *item : package->Children) {
        got << u"%1:%2"_s.arg(item->Kind).arg(Utils::GetField(3, item->Title, u'='));
        QCOMPARE(item->NodeType, 3);
        QCOMPARE(item->FileName, u"p.xml"_s);
        QCOMPARE(item->Group, 1);
        QCOMPARE(item->Id, 0);
        QVERIFY(!item->InPackageFolder);
    }
    QCOMPARE(got, items);
}

void TestCatalogue::variantOnePackage()
{
    const QString body = uR"(<znaczniki_nagrania>0#12#30</znaczniki_nagrania>
        <element_paczki id="1"><nazwa id="0">Część 1</nazwa><poziom>2</poziom><typ_cw>3</typ_cw><plik>cz1.xml</plik></element_paczki>
        <element_paczki id="2"><nazwa id="1">Part 2</nazwa><poziom>4</poziom><typ_cw>41</typ_cw><plik>cz2.xml</plik></element_paczki>)"_s;
    course->WriteExercise(u"p.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(100, 2, u"Pakiet"_s, {}, 1,
                                                                                  u"1"_s, u"3"_s, body)));
    course->WriteExercise(u"q.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 2, u"Next"_s)));
    load();
    const TElement *package = byTitle(u"Pakiet"_s);
    QCOMPARE(package->Kind, 101);
    QCOMPARE(package->PictureVariant, 3);
    QCOMPARE(package->MediaMarks, u"0#12#30"_s);
    QCOMPARE(package->ChildCount(), 2);
    const TElement *first = package->Children.at(0);
    QCOMPARE(first->FileName, u"Paczki\\cz1.xml"_s);
    QVERIFY(first->InPackageFolder);
    QCOMPARE(first->Kind, 3);
    QCOMPARE(first->Level, 2);
    QCOMPARE(first->MediaMarks, u"0#12#30"_s);
    QCOMPARE(first->Group, 2);
    QCOMPARE(first->Title, u"3=2=Część 1"_s);
    QCOMPARE(package->Children.at(1)->Title, u"4=2="_s); // no title in this language
    QCOMPARE(package->Children.at(1)->Progress, -1);
    QCOMPARE(byTitle(u"Next"_s)->Id, 1);
    QVERIFY(byTitle(u"Next"_s)->MediaMarks.isEmpty());
}

void TestCatalogue::foreignRootSkippedWithoutId()
{
    course->WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"A"_s)));
    course->WriteExercise(u"b.xml"_s, "<?xml version=\"1.0\"?><definitions><groups/></definitions>");
    course->WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"C"_s)));
    const auto result = load();
    QCOMPARE(result.AcceptedFiles, 2);
    QVERIFY(errors.isEmpty());
    QCOMPARE(byTitle(u"C"_s)->Id, 1);
}

void TestCatalogue::faultyFileStopsScan_data()
{
    QTest::addColumn<QByteArray>("faulty");
    QTest::addRow("not well-formed") << QByteArray("<cwiczenie><config><grupa>1</grupa>");
    QTest::addRow("kind missing") << CourseFixture::Utf8(
        CourseFixture::Exercise(3, 1, u"x"_s).replace(u"<typ_cw>3</typ_cw>"_s, QString()));
    QTest::addRow("level not a number") << CourseFixture::Utf8(
        CourseFixture::Exercise(3, 1, u"x"_s).replace(u"<poziom>1<"_s, u"<poziom>łatwy<"_s));
    QTest::addRow("package variant not a number")
        << CourseFixture::Utf8(CourseFixture::Exercise(100, 1, u"x"_s, {}, 1, u"jeden"_s, u"1"_s));
    QTest::addRow("package item without level") << CourseFixture::Utf8(
        CourseFixture::Exercise(100, 1, u"x"_s, {}, 1, u"1"_s, u"1"_s,
                                u"<element_paczki><typ_cw>3</typ_cw><plik>a.xml</plik></element_paczki>"_s));
}

void TestCatalogue::faultyFileStopsScan()
{
    QFETCH(QByteArray, faulty);
    course->WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"A"_s)));
    course->WriteExercise(u"b.xml"_s, faulty);
    course->WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"C"_s)));
    const auto result = load();
    QVERIFY(result.ScanStopped);
    QVERIFY(!result.TerminateRequested);
    QCOMPARE(result.FaultyFile, u"b.xml"_s);
    QCOMPARE(result.AcceptedFiles, 1);
    QCOMPARE(errors,
             (QStringList{u"Błąd: Błąd podczas analizowania pliku ćwiczenia. Dalsze wczytywanie ćwiczeń "
                          "zostało przerwane! (b.xml)"_s}));
    // What was read before stays, numbered; the faulty file leaves no half-filled node.
    QCOMPARE(outline(catalogue.CatalogueList), (QStringList{u"0:0:Dialogi"_s, u"1:3:A"_s, u"0:0:Słowa"_s}));
    QCOMPARE(progress.log.last(), u"close"_s);
}

void TestCatalogue::unreadableFileIsFaulty()
{
    course->WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"A"_s)));
    course->WriteExercise(u"b.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"B"_s)));
    QVERIFY(QFile::setPermissions(course->FilePath(u"Dane/b.xml"_s), QFileDevice::Permissions()));
    QFile probe(course->FilePath(u"Dane/b.xml"_s));
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("files stay readable for this user (running as root)");
    const auto result = load();
    QVERIFY(result.ScanStopped);
    QCOMPARE(result.FaultyFile, u"b.xml"_s);
    QCOMPARE(errors.size(), 1);
}

void TestCatalogue::definitionsUnreadable_data()
{
    QTest::addColumn<QByteArray>("definitions");
    QTest::addRow("missing") << QByteArray();
    QTest::addRow("not well-formed") << QByteArray("<definitions><groups>");
    QTest::addRow("group number not an integer")
        << QByteArray("<definitions><groups><grupa id=\"jeden\"/></groups></definitions>");
    QTest::addRow("hint number missing") << QByteArray("<definitions><hinty><hint/></hinty></definitions>");
}

void TestCatalogue::definitionsUnreadable()
{
    QFETCH(QByteArray, definitions);
    course->WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(3, 1, u"A"_s)));
    load(); // a sound catalogue first, whose nodes the failed load must not leave behind
    QVERIFY(!catalogue.CatalogueList.isEmpty());
    if (definitions.isEmpty())
        QFile::remove(course->FilePath(u"Config/definitions.xml"_s));
    else
        course->Write(u"Config/definitions.xml"_s, definitions);
    const auto result = load();
    QVERIFY(result.TerminateRequested);
    QCOMPARE(errors,
             (QStringList{
                 u"Błąd: Błąd podczas odczytu pliku definicji. Wykonywanie aplikacji zostało przerwane!"_s}));
    QVERIFY(catalogue.CatalogueList.isEmpty());
    QCOMPARE(catalogue.Drzewo->Root()->ChildCount(), 0);
    QVERIFY(progress.log.isEmpty()); // the scan never started
}

void TestCatalogue::titlesByLanguage()
{
    // Exercise titles take the first match; group names and interface texts the last.
    course->Write(u"Config/definitions.xml"_s, uR"(<?xml version="1.0" encoding="utf-8"?><definitions>
        <groups><grupa id="1"><tlumaczenie id="0">pierwsza</tlumaczenie><tlumaczenie id="0">druga</tlumaczenie></grupa>
        <grupa id="1"><tlumaczenie id="1">other</tlumaczenie></grupa></groups>
        <hinty><hint id="5"><tlumaczenie id="1">only English</tlumaczenie></hint>
        <hint id="6"><tlumaczenie id="0">a</tlumaczenie></hint><hint id="6"><tlumaczenie id="0">b=c</tlumaczenie></hint></hinty>
        </definitions>)"_s.toUtf8());
    course->WriteExercise(
        u"a.xml"_s,
        CourseFixture::Utf8(u"<cwiczenie><config><nazwa id=\"1\">en</nazwa><nazwa id=\"0\">raz=dwa</nazwa>"
                            "<nazwa id=\"0\">drugi</nazwa><grupa>1</grupa><poziom>1</poziom>"
                            "<typ_cw>12</typ_cw></config></cwiczenie>"_s));
    load(0);
    QCOMPARE(Utils::InterfaceTexts(), (QStringList{QString(), u"6=b=c"_s, u"6=b=c"_s}));
    QCOMPARE(Utils::GetInterfaceText(5), QString());
    QCOMPARE(Utils::GetInterfaceText(6), u"b=c"_s);
    // Two group elements with one number give two group nodes, both named by the last match.
    QCOMPARE(outline(catalogue.CatalogueList), (QStringList{u"0:0:druga"_s, u"1:12:raz"_s, u"0:0:druga"_s}));
    QCOMPARE(catalogue.CatalogueList.at(1)->Title, u"1=1=raz=dwa"_s);
}

void TestCatalogue::sameIdsAfterLanguageChange()
{
    course->WriteExercise(u"a.xml"_s,
                          CourseFixture::Utf8(CourseFixture::Exercise(3, 2, u"Pierwsze"_s, u"First"_s)));
    course->WriteExercise(u"b.xml"_s, "<other/>");
    course->WriteExercise(u"c.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                          100, 1, u"Pakiet"_s, u"Pack"_s, 1, u"3"_s, u"1"_s)));
    auto snapshot = [this] {
        QStringList s;
        for (const TElement *n : catalogue.CatalogueList)
            s << u"%1/%2/%3"_s.arg(n->Id).arg(n->Kind).arg(n->FileName);
        return s;
    };
    load(0);
    const QStringList polish = snapshot();
    QCOMPARE(outline(catalogue.CatalogueList),
             (QStringList{u"0:0:Dialogi"_s, u"1:103:Pakiet"_s, u"2:21:Układanie zdań"_s, u"0:0:Słowa"_s,
                          u"1:3:Pierwsze"_s}));
    load(1);
    QCOMPARE(snapshot(), polish);
    QCOMPARE(outline(catalogue.CatalogueList),
             (QStringList{u"0:0:Dialogues"_s, u"1:103:Pack"_s, u"2:21:Arranging"_s, u"0:0:Words"_s,
                          u"1:3:First"_s}));
    // A language without any translation keeps the structure and empties the texts.
    load(5);
    QCOMPARE(snapshot(), polish);
    QCOMPARE(Utils::GetInterfaceText(38), QString());
    QCOMPARE(Utils::InterfaceTexts().size(), standardHints.size());
}

void TestCatalogue::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QString text = CourseFixture::Exercise(3, 1, u"Żółta łódź"_s);
    QByteArray utf16("\xFF\xFE", 2);
    const QString declared = u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"_s + text;
    utf16.append(reinterpret_cast<const char *>(declared.utf16()), declared.size() * 2);
    QTest::addRow("utf-16") << utf16;
    QTest::addRow("windows-1250") << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n") +
                                         Utils::ToCp1250(text);
    QTest::addRow("utf-8") << CourseFixture::Utf8(text);
}

void TestCatalogue::encodings()
{
    QFETCH(QByteArray, bytes);
    course->WriteExercise(u"a.xml"_s, bytes);
    load();
    QVERIFY(errors.isEmpty());
    QVERIFY(byTitle(u"Żółta łódź"_s));
}

void TestCatalogue::moreThanHundredChildrenKept()
{
    for (int i = 0; i < 105; ++i)
        course->WriteExercise(u"e%1.xml"_s.arg(i, 3, 10, QChar(u'0')),
                              CourseFixture::Utf8(CourseFixture::Exercise(3, 2, u"E%1"_s.arg(i))));
    const auto result = load();
    QCOMPARE(result.AcceptedFiles, 105);
    const TElement *group = catalogue.CatalogueList.at(1);
    QCOMPARE(group->ChildCount(), 105);
    QCOMPARE(group->Children.last()->Position, 105);
    QCOMPARE(Utils::GetField(3, group->Children.last()->Title, u'='), u"E104"_s);
    QCOMPARE(catalogue.CatalogueList.size(), 107);
}

void TestCatalogue::treeOperations()
{
    Course::TDrzewo tree;
    TElement *group = Course::AddNode(tree, nullptr);
    group->Group = 4;
    group->Id = 14;
    TElement *exercise = Course::AddNode(tree, group);
    exercise->NodeType = 1;
    exercise->Id = 3;
    TElement *package = Course::AddNode(tree, group);
    package->NodeType = 2;
    package->Id = 5;
    TElement *item = Course::AddNode(tree, package);
    item->NodeType = 3;

    QCOMPARE(group->Parent, tree.Root());
    QCOMPARE(package->Position, 2);
    QVERIFY(!group->Expanded);
    QCOMPARE(Course::FindChildByGroup(tree.Root(), 4), group);
    QCOMPARE(Course::FindChildByGroup(tree.Root(), 5), nullptr);
    QCOMPARE(Course::FindChildById(group, 5), package);
    QCOMPARE(Course::FindChildById(group, 7), nullptr);

    Course::SetExpandedAll(tree, true);
    QVERIFY(group->Expanded);
    QVERIFY(exercise->Expanded);
    QVERIFY(!package->Expanded); // packages stay closed
    QVERIFY(!item->Expanded);
    package->Expanded = true;
    Course::SetExpandedAll(tree, false);
    QVERIFY(!group->Expanded && !package->Expanded);
    QVERIFY(tree.Root()->Expanded);

    item->Title = u"Item"_s;
    item->Kind = 14;
    item->FileName = u"d.xml"_s;
    item->MediaMarks = u"1#2"_s;
    item->Progress = 75;
    item->RepeatDate = u"2026-12-13"_s;
    item->RepeatFactor = 4;
    item->HasResult = true;
    Course::TDrzewo repetitions;
    TElement *copy = Course::AddNode(repetitions, nullptr);
    copy->Expanded = true;
    Course::CopyNodeData(*item, *copy);
    QCOMPARE(copy->Title, u"Item"_s);
    QCOMPARE(copy->Kind, 14);
    QCOMPARE(copy->NodeType, 3);
    QCOMPARE(copy->Progress, 75);
    QCOMPARE(copy->RepeatDate, u"2026-12-13"_s);
    QCOMPARE(copy->RepeatFactor, 4);
    QVERIFY(copy->HasResult);
    QVERIFY(copy->MediaMarks.isEmpty());
    QCOMPARE(copy->Parent, repetitions.Root());
    QCOMPARE(copy->Position, 1);
    QVERIFY(copy->Expanded);
    QCOMPARE(copy->ChildCount(), 0);

    QList<TElement *> list;
    Course::NumberTree(tree.Root(), 0, list);
    QCOMPARE(list, (QList<TElement *>{group, exercise, package, item}));
    QCOMPARE(item->Title, u"3=2=Item"_s);
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"

// The read begun at start-up must leave exactly what the program's own load leaves, and take
// no part in what goes wrong.
void TestCatalogue::readerOnAWorkerThread()
{
    course->WriteExercise(u"b.xml"_s,
                          CourseFixture::Utf8(CourseFixture::Exercise(3, 2, u"Test B"_s, u"Test B en"_s)));
    course->WriteExercise(u"a.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(11, 1, u"Dialog A"_s)));
    // Its items take their titles from the interface texts.
    course->WriteExercise(u"p.xml"_s, CourseFixture::Utf8(CourseFixture::Exercise(
                                          100, 1, u"Paczka"_s, u"Pack"_s, 2, u"2"_s, u"31"_s)));
    load(1);
    const QStringList expected = outline(catalogue.CatalogueList);
    const QStringList texts = Utils::InterfaceTexts();
    Utils::InterfaceTexts().clear();

    Course::TCatalogueReader reader;
    Course::TCatalogue read;
    Course::TCatalogueLoadResult result;
    QVERIFY(!reader.Take(read, 1, &progress, result)); // nothing started
    reader.Start(1);
    progress.log.clear();
    QVERIFY(reader.Take(read, 1, &progress, result));
    QCOMPARE(result.AcceptedFiles, 3);
    QCOMPARE(outline(read.CatalogueList), expected);
    QVERIFY(expected.contains(u"2:11:Presentation"_s));
    QCOMPARE(read.CatalogueList.first()->Parent, read.Drzewo->Root());
    QCOMPARE(Utils::InterfaceTexts(), texts);
    QVERIFY(errors.isEmpty());
    QVERIFY(!reader.Take(read, 1, &progress, result)); // taken once

    reader.Start(0);
    QVERIFY(!reader.Take(read, 1, &progress, result)); // read for another language
    QCOMPARE(outline(read.CatalogueList), expected);
}

void TestCatalogue::readerLeavesFaultsToTheLoad_data()
{
    QTest::addColumn<bool>("definitions");
    QTest::addRow("faulty exercise file") << false;
    QTest::addRow("unreadable definitions") << true;
}

void TestCatalogue::readerLeavesFaultsToTheLoad()
{
    QFETCH(bool, definitions);
    if (definitions)
        course->Write(u"Config/definitions.xml"_s, "<definitions>");
    else
        course->WriteExercise(u"b.xml"_s, "<cwiczenie>");
    Course::TCatalogueReader reader;
    reader.Start(0);
    Course::TCatalogueLoadResult result;
    QVERIFY(!reader.Take(catalogue, 0, &progress, result));
    QVERIFY(errors.isEmpty()); // the caller's LoadCatalogue shows it
    QVERIFY(catalogue.CatalogueList.isEmpty());
}
