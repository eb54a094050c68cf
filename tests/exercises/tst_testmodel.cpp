// The multiple-choice test without its screen: reading, shuffling, marking, scoring,
// pictures and the sheet layout.

#include "exercises/shared/BodyXml.h"
#include "exercises/words/Struct_Test.h"
#include "exercises/words/TestModel.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace TestModel;

namespace {

// A test file; groups is the inner XML of <grupy>.
QByteArray TestFile(const QString &groups, const QString &param1 = u"1"_s, const QString &media = u"t.mp3"_s,
                    const QString &instructions = QString())
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>3</typ_cw>"
            u"<multimedia>"_s +
            media + u"</multimedia><param1>"_s + param1 + u"</param1></config><body>"_s + instructions +
            u"<grupy>"_s + groups + u"</grupy></body></cwiczenie>"_s)
        .toUtf8();
}

QString Group(const QStringList &answers, const QString &poprawne, const QString &header = u"Q"_s)
{
    QString xml = u"<grupa id=\"1\"><naglowek>"_s + header + u"</naglowek>"_s;
    for (const QString &a : answers)
        xml += u"<odpowiedz id=\"1\">"_s + a + u"</odpowiedz>"_s;
    return xml + u"<poprawne>"_s + poprawne + u"</poprawne></grupa>"_s;
}

// Draws that always take the given entry of what is left (clamped to the last one).
RandomPick Scripted(QList<int> picks)
{
    auto queue = std::make_shared<QList<int>>(std::move(picks));
    return [queue](int count) { return queue->isEmpty() ? 0 : std::min(queue->takeFirst(), count - 1); };
}

// A group whose answers are marked by a pattern: '+' right, '-' not; Selected by sel.
TGrupa Marked(const QString &correct, const QString &selected)
{
    TGrupa g;
    for (int i = 0; i < correct.size(); ++i) {
        TGrupaItem item;
        item.Text = QString::number(i + 1);
        item.Correct = correct[i] == u'+';
        item.Selected = selected[i] == u'x';
        g.Items.append(item);
    }
    return g;
}

QStringList Texts(const TGrupa &g)
{
    QStringList t;
    for (const TGrupaItem &i : g.Items)
        t << i.Text;
    return t;
}

} // namespace

class TestModelTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheSheet();
    void correctFlags_data();
    void correctFlags();
    void rejectsBadFiles_data();
    void rejectsBadFiles();
    void mediaName_data();
    void mediaName();
    void inspection_data();
    void inspection();

    void shuffleRewritesCorrectList_data();
    void shuffleRewritesCorrectList();
    void shuffleIsAPermutation();

    void selecting();
    void scoring_data();
    void scoring();

    void pictures_data();
    void pictures();

    void layoutPlacesRowsAndHitRects();
    void layoutWrapsAndOverflows();
    void layoutPictures_data();
    void layoutPictures();
    void layoutMarksFollowTheView();
    void scrollMaximum_data();
    void scrollMaximum();
};

void TestModelTest::readsTheSheet()
{
    const QString instructions = u"<polecenie id=\"1\">Listen and choose.</polecenie>"
                                 u"<polecenie id=\"0\">Posłuchaj.</polecenie>"
                                 u"<polecenie id=\"0\">Posłuchaj i wybierz.</polecenie>"_s;
    const TestReadResult r =
        ReadTest(TestFile(Group({u"a"_s, u"b"_s}, u"2"_s, u"Where is Tom?"_s) + Group({u"c"_s}, u"1"_s),
                          u"0"_s, u"x.wav"_s, instructions),
                 1, 0);
    QVERIFY2(r.Ok(), qPrintable(r.Error));
    QCOMPARE(r.Test.SingleChoice, false);
    QCOMPARE(r.Test.MediaFile, u"x.mp3"_s);
    QCOMPARE(r.Test.Instruction, u"Listen and choose."_s);
    QCOMPARE(r.Test.Hint, u"Posłuchaj i wybierz."_s); // the last matching one wins
    QCOMPARE(r.Test.Groups.size(), 2);
    QCOMPARE(r.Test.Groups[0].Header, u"Where is Tom?"_s);
    QCOMPARE(Texts(r.Test.Groups[0]), (QStringList{u"a"_s, u"b"_s}));
    QCOMPARE(r.Test.Groups[0].CorrectList, u"2"_s);

    // A translation language without a polecenie gives an empty hint.
    QCOMPARE(ReadTest(TestFile(Group({u"a"_s}, u"1"_s), u"1"_s, QString(), instructions), 1, 2).Test.Hint,
             QString());
}

void TestModelTest::correctFlags_data()
{
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("poprawne");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QList<bool>>("correct");

    QTest::addRow("one") << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"1"_s
                         << QStringList{u"a"_s, u"b"_s, u"c"_s} << QList<bool>{true, false, false};
    QTest::addRow("two") << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"1,3"_s
                         << QStringList{u"a"_s, u"b"_s, u"c"_s} << QList<bool>{true, false, true};
    // "12," contains "2,": the stored rule lists answer 2 as well.
    QTest::addRow("12 lists 2") << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"12"_s
                                << QStringList{u"a"_s, u"b"_s, u"c"_s} << QList<bool>{false, true, false};
    // An empty answer is not shown but keeps its number.
    QTest::addRow("empty keeps number") << QStringList{u"a"_s, u""_s, u"c"_s} << u"3"_s
                                        << QStringList{u"a"_s, u"c"_s} << QList<bool>{false, true};
    QTest::addRow("nothing right") << QStringList{u"a"_s, u"b"_s} << u""_s << QStringList{u"a"_s, u"b"_s}
                                   << QList<bool>{false, false};
}

void TestModelTest::correctFlags()
{
    QFETCH(QStringList, answers);
    QFETCH(QString, poprawne);
    QFETCH(QStringList, shown);
    QFETCH(QList<bool>, correct);

    const TestReadResult r = ReadTest(TestFile(Group(answers, poprawne)), 1, 0);
    QVERIFY2(r.Ok(), qPrintable(r.Error));
    const TGrupa &g = r.Test.Groups.at(0);
    QCOMPARE(Texts(g), shown);
    QList<bool> flags;
    for (const TGrupaItem &i : g.Items)
        flags << i.Correct;
    QCOMPARE(flags, correct);
}

void TestModelTest::rejectsBadFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("not xml") << QByteArray("<cwiczenie><config>");
    QTest::addRow("wrong root") << QByteArray(
        "<exercise><config><param1>1</param1></config><body/></exercise>");
    QTest::addRow("no body") << QByteArray("<cwiczenie><config><param1>1</param1></config></cwiczenie>");
    QTest::addRow("no grupy") << QByteArray(
        "<cwiczenie><config><param1>1</param1></config><body/></cwiczenie>");
    QTest::addRow("param1 text") << TestFile(Group({u"a"_s}, u"1"_s), u"one"_s);
}

void TestModelTest::rejectsBadFiles()
{
    QFETCH(QByteArray, bytes);
    const TestReadResult r = ReadTest(bytes, 1, 0);
    QVERIFY(!r.Ok());
    QVERIFY(r.Test.Groups.isEmpty()); // never half a sheet
}

void TestModelTest::mediaName_data()
{
    QTest::addColumn<QString>("multimedia");
    QTest::addColumn<QString>("played");
    QTest::addRow("wav") << u"t1.wav"_s << u"t1.mp3"_s;
    QTest::addRow("WAV kept") << u"t1.WAV"_s << u"t1.WAV"_s;
    QTest::addRow("mp3") << u"t1.mp3"_s << u"t1.mp3"_s;
    QTest::addRow("ogg") << u"t1.ogg"_s << u"t1.ogg"_s;
    QTest::addRow("wav inside") << u"t.wav.ogg"_s << u"t.wav.ogg"_s;
    QTest::addRow("empty") << QString() << QString();
}

void TestModelTest::mediaName()
{
    QFETCH(QString, multimedia);
    QFETCH(QString, played);
    QCOMPARE(Exercises::MediaName(multimedia), played);
}

void TestModelTest::inspection_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("problems");

    const QString good = Group({u"a"_s, u"b"_s}, u"2"_s);
    QTest::addRow("sound") << TestFile(good) << QStringList();
    QTest::addRow("unreadable") << QByteArray("<cwiczenie>") << QStringList{u"*"_s};
    QTest::addRow("no groups") << TestFile(QString())
                               << QStringList{u"nothing to score: no group has a right answer"_s};
    QTest::addRow("no right answer") << TestFile(Group({u"a"_s}, u""_s))
                                     << QStringList{u"group 1: no right answer"_s,
                                                    u"nothing to score: no group has a right answer"_s};
    QTest::addRow("number beyond the answers") << TestFile(good + Group({u"a"_s, u"b"_s, u"c"_s}, u"12"_s))
                                               << QStringList{u"group 2: poprawne names no answer: 12"_s};
    QTest::addRow("number of an empty answer") << TestFile(Group({u"a"_s, u""_s}, u"1,2"_s), u"0"_s)
                                               << QStringList{u"group 1: poprawne names no answer: 2"_s};
    QTest::addRow("two right in single choice")
        << TestFile(Group({u"a"_s, u"b"_s}, u"1,2"_s))
        << QStringList{u"group 1: several right answers in a single-choice test"_s};
    QTest::addRow("two right in multiple answers")
        << TestFile(Group({u"a"_s, u"b"_s}, u"1,2"_s), u"0"_s) << QStringList();
}

void TestModelTest::inspection()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, problems);
    const QStringList found = InspectTest(file);
    if (problems == QStringList{u"*"_s})
        QCOMPARE(found.size(), 1); // the reader's own message
    else
        QCOMPARE(found, problems);
}

void TestModelTest::shuffleRewritesCorrectList_data()
{
    QTest::addColumn<QList<int>>("picks"); // first the one draw of the single group, then its answers
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("correctList");

    QTest::addRow("identity") << QList<int>{0, 0, 0, 0} << QStringList{u"a"_s, u"b"_s, u"c"_s} << u"1"_s;
    QTest::addRow("a third") << QList<int>{0, 1, 1, 0} << QStringList{u"b"_s, u"c"_s, u"a"_s} << u"3"_s;
    QTest::addRow("a second") << QList<int>{0, 2, 0, 0} << QStringList{u"c"_s, u"a"_s, u"b"_s} << u"2"_s;
}

void TestModelTest::shuffleRewritesCorrectList()
{
    QFETCH(QList<int>, picks);
    QFETCH(QStringList, shown);
    QFETCH(QString, correctList);

    QList<TGrupa> groups = ReadTest(TestFile(Group({u"a"_s, u"b"_s, u"c"_s}, u"2"_s)), 1, 0).Test.Groups;
    ShuffleTest(groups, Scripted(picks));
    QCOMPARE(Texts(groups[0]), shown);
    QCOMPARE(groups[0].CorrectList, correctList);
    // The flags travel with their answers: "b" is still the right one.
    for (const TGrupaItem &item : groups[0].Items)
        QCOMPARE(item.Correct, item.Text == u"b"_s);

    // Marking "b" scores right, "a" (the file's first answer) wrong.
    const int b = int(shown.indexOf(u"b"_s));
    SelectAnswer(groups[0], b, true);
    QCOMPARE(ScoreTest(groups, true).Percent(), 100);
    SelectAnswer(groups[0], int(shown.indexOf(u"a"_s)), true);
    QCOMPARE(ScoreTest(groups, true).Percent(), 0);
}

void TestModelTest::shuffleIsAPermutation()
{
    QList<TGrupa> groups;
    for (int g = 0; g < 6; ++g)
        groups += Marked(u"+---"_s, u"    "_s);
    for (int g = 0; g < groups.size(); ++g)
        groups[g].Header = QString::number(g);
    QRandomGenerator rng(7);
    QSet<QString> orders;
    for (int round = 0; round < 20; ++round) {
        QList<TGrupa> copy = groups;
        ShuffleTest(copy, [&rng](int n) { return int(rng.bounded(n)); });
        QStringList headers;
        for (const TGrupa &g : copy) {
            headers << g.Header;
            QCOMPARE(g.Items.size(), 4);
            // CorrectList names the shown place of answer "1", the file's first.
            QCOMPARE(g.Items[g.CorrectList.toInt() - 1].Text, u"1"_s);
        }
        QStringList sorted = headers;
        sorted.sort();
        QCOMPARE(sorted, (QStringList{u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s}));
        orders.insert(headers.join(u','));
    }
    QVERIFY(orders.size() > 10); // a real shuffle, not one fixed order
}

void TestModelTest::selecting()
{
    TGrupa g = Marked(u"+--"_s, u"   "_s);
    SelectAnswer(g, 1, true);
    SelectAnswer(g, 2, true);
    SelectAnswer(g, 2, true); // pressing the marked one again keeps it
    QCOMPARE(g.Items[0].Selected || g.Items[1].Selected, false);
    QVERIFY(g.Items[2].Selected);

    SelectAnswer(g, 0, false);
    SelectAnswer(g, 2, false); // toggles off in multiple-answer mode
    QVERIFY(g.Items[0].Selected);
    QVERIFY(!g.Items[2].Selected);

    QList<TGrupa> groups{Marked(u"+-"_s, u"  "_s), Marked(u"+-"_s, u"  "_s)};
    groups[0].Items[0].HitRect = QRect(36, 10, 100, 23);
    groups[1].Items[1].HitRect = QRect(36, 10, 100, 23); // overlapping: the first wins
    QCOMPARE(AnswerAt(groups, QPoint(40, 20)).Group, 0);
    QCOMPARE(AnswerAt(groups, QPoint(40, 20)).Item, 0);
    QVERIFY(!AnswerAt(groups, QPoint(200, 20)).IsValid());
}

void TestModelTest::scoring_data()
{
    QTest::addColumn<bool>("single");
    QTest::addColumn<QStringList>("groups"); // "correct/selected" per group
    QTest::addColumn<bool>("hasScore");
    QTest::addColumn<int>("percent");

    QTest::addRow("three, one wrong")
        << true << QStringList{u"+-/x "_s, u"+-/x "_s, u"+-/ x"_s} << true << 67;
    QTest::addRow("two, one wrong") << true << QStringList{u"+-/x "_s, u"-+/x "_s} << true << 50;
    QStringList eight;
    for (int i = 0; i < 5; ++i)
        eight << u"+-/x "_s;
    eight << u"+-/  "_s << u"+-/ x"_s << u"-+/x "_s;
    QTest::addRow("eight, three wrong: 62.5 to 62") << true << eight << true << 62;
    // The right answer of a group need not be the file's first.
    QTest::addRow("right is third") << true << QStringList{u"--+/  x"_s} << true << 100;
    QTest::addRow("unmarked is wrong") << true << QStringList{u"+-/  "_s} << true << 0;

    QTest::addRow("multi: exact set") << false << QStringList{u"+-+/x x"_s} << true << 100;
    QTest::addRow("multi: one missing") << false << QStringList{u"+-+/x  "_s} << true << 0;
    QTest::addRow("multi: one extra") << false << QStringList{u"+-+/xxx"_s} << true << 0;
    QTest::addRow("multi: nothing marked") << false << QStringList{u"+-+/   "_s} << true << 0;
    QTest::addRow("multi: half right") << false << QStringList{u"+-+/x x"_s, u"++-/x  "_s} << true << 50;

    QTest::addRow("no groups") << true << QStringList{} << false << 0;
    QTest::addRow("no right answer anywhere") << false << QStringList{u"--/x "_s} << false << 0;
    // A group without a right answer is not counted; the others still score.
    QTest::addRow("one group unscorable") << true << QStringList{u"--/x "_s, u"+-/x "_s} << true << 100;
}

void TestModelTest::scoring()
{
    QFETCH(bool, single);
    QFETCH(QStringList, groups);
    QFETCH(bool, hasScore);
    QFETCH(int, percent);

    QList<TGrupa> sheet;
    for (const QString &g : groups)
        sheet << Marked(g.section(u'/', 0, 0), g.section(u'/', 1, 1));
    const TestScore score = ScoreTest(sheet, single);
    QCOMPARE(score.HasScore(), hasScore);
    QCOMPARE(score.Percent(), percent);
    if (hasScore)
        QCOMPARE(score.Good + score.Bad, score.Groups);
}

void TestModelTest::pictures_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("exercise");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("placement");
    QTest::addColumn<QString>("found");

    const QString abc = u"abc.def.xml"_s;
    QTest::addRow("left") << QStringList{u"abc_2_L.png"_s} << abc << 2 << int(PicturePlacement::Left)
                          << u"abc_2_L.png"_s;
    QTest::addRow("right") << QStringList{u"abc_2_R.png"_s} << abc << 2 << int(PicturePlacement::Right)
                           << u"abc_2_R.png"_s;
    QTest::addRow("top") << QStringList{u"abc_2_T.png"_s} << abc << 2 << int(PicturePlacement::Top)
                         << u"abc_2_T.png"_s;
    QTest::addRow("bottom") << QStringList{u"abc_2_B.png"_s} << abc << 2 << int(PicturePlacement::Bottom)
                            << u"abc_2_B.png"_s;
    QTest::addRow("left wins over bottom") << QStringList{u"abc_2_B.png"_s, u"abc_2_L.png"_s} << abc << 2
                                           << int(PicturePlacement::Left) << u"abc_2_L.png"_s;
    QTest::addRow("other position") << QStringList{u"abc_1_L.png"_s} << abc << 2
                                    << int(PicturePlacement::None) << QString();
    QTest::addRow("not abc.def") << QStringList{u"abc.def_2_L.png"_s} << abc << 2
                                 << int(PicturePlacement::None) << QString();
    QTest::addRow("stored folder and case") << QStringList{u"Test_1_b.PNG"_s} << u"Paczki\\test.xml"_s << 1
                                            << int(PicturePlacement::Bottom) << u"Test_1_b.PNG"_s;
}

void TestModelTest::pictures()
{
    QFETCH(QStringList, files);
    QFETCH(QString, exercise);
    QFETCH(int, position);
    QFETCH(int, placement);
    QFETCH(QString, found);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    for (const QString &name : files) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    const TestPicture picture = FindTestPicture(dir.path(), exercise, position);
    QCOMPARE(int(picture.Placement), placement);
    QCOMPARE(QFileInfo(picture.Path).fileName(), found);
}

namespace {

// Every character 7 pixels wide, text 12 high, a 400-pixel sheet.
SheetMetrics Metrics()
{
    SheetMetrics m;
    m.TextWidth = [](const QString &word) { return int(word.size()) * 7; };
    m.TextHeight = 12;
    m.StateSize = 23;
    m.Width = 400;
    return m;
}

QList<TGrupa> OneGroup(const QString &header, const QStringList &answers)
{
    TGrupa g;
    g.Header = header;
    for (const QString &a : answers) {
        TGrupaItem item;
        item.Text = a;
        g.Items << item;
    }
    return {g};
}

} // namespace

void TestModelTest::layoutPlacesRowsAndHitRects()
{
    QList<TGrupa> groups = OneGroup(u"Who is it?"_s, {u"Tom"_s, u"Ann Lee"_s});
    groups += OneGroup(u"Why?"_s, {u"Because"_s});

    const SheetLayout l = LayOutSheet(groups, Metrics(), SheetView::Open, 0, {});
    // Question words from x 16 at y 7, 4 pixels apart.
    QCOMPARE(l.Words[0].Rect, QRect(16, 7, 21, 12));
    QCOMPARE(l.Words[1].Rect, QRect(41, 7, 14, 12));
    // First answer: row top = 0 + 12 + 8 + 3 = 23, box at 36, text from 23 + 40 = 63.
    QCOMPARE(l.Boxes[0].TopLeft, QPoint(36, 23));
    QCOMPARE(l.Words[3].Rect, QRect(63, 27, 21, 12));
    QCOMPARE(groups[0].Items[0].HitRect, QRect(36, 23, 63 + 21 - 36, 23));
    // Second answer one row (S + 4) lower; its hit rectangle runs to the end of "Lee".
    QCOMPARE(groups[0].Items[1].HitRect, QRect(36, 50, 63 + 21 + 4 + 21 - 36, 23));
    // Next group after 20 + 2 × 27 + 27 = 101.
    QCOMPARE(l.Boxes[2].TopLeft, QPoint(36, 101 + 23));
    QCOMPARE(l.ContentHeight, 175);

    // Scrolled by 30: everything, hit rectangles included, moves up by 30.
    const SheetLayout scrolled = LayOutSheet(groups, Metrics(), SheetView::Open, 30, {});
    QCOMPARE(scrolled.Boxes[0].TopLeft, QPoint(36, -7));
    QCOMPARE(groups[0].Items[0].HitRect.top(), -7);
    QCOMPARE(scrolled.ContentHeight, 175);
}

void TestModelTest::layoutWrapsAndOverflows()
{
    // "aaaaaaaaaa" is 70 pixels; answers start at 63, so the fifth word passes 400.
    const QString words = u"aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa aaaaaaaaaa"_s;
    const QString tooWide = QString(70, u'w'); // 490 pixels, wider than the sheet
    QList<TGrupa> groups = OneGroup(tooWide + u" end"_s, {words, u"x"_s});
    const SheetLayout l = LayOutSheet(groups, Metrics(), SheetView::Open, 0, {});

    // The over-wide word stays at the line start and overflows; the next word wraps by S.
    QCOMPARE(l.Words[0].Rect.topLeft(), QPoint(16, 7));
    QCOMPARE(l.Words[1].Rect.topLeft(), QPoint(16, 7 + 23));
    // The header took two lines: answers start S lower than with one line.
    const int rowTop = 23 + 12 + 8 + 3;
    QCOMPARE(l.Boxes[0].TopLeft.y(), rowTop);
    // Answer words: four fit (63 + 4 × 74 = 359 > 400 - 70), the fifth wraps by S + 4.
    QCOMPARE(l.Words[6].Rect.topLeft(), QPoint(63, rowTop + 4 + 27));
    // The hit rectangle covers both lines of the wrapped answer.
    QCOMPARE(groups[0].Items[0].HitRect, QRect(36, rowTop, 63 + 3 * 74 + 70 - 36, 23 + 27));
    QCOMPARE(l.Boxes[1].TopLeft.y(), rowTop + 27 + 27);
}

void TestModelTest::layoutPictures_data()
{
    QTest::addColumn<int>("placement");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<int>("headerX");
    QTest::addColumn<QPoint>("box");
    QTest::addColumn<int>("height");

    // A 100 × 150 picture and a group of one answer (content 20 + 27 + 27 = 74 without it).
    QTest::addRow("left") << int(PicturePlacement::Left) << QRect(0, 0, 100, 150) << 116 << QPoint(136, 23)
                          << 150 + 24;
    QTest::addRow("right") << int(PicturePlacement::Right) << QRect(290, 0, 100, 150) << 16 << QPoint(36, 23)
                           << 150 + 24;
    QTest::addRow("top") << int(PicturePlacement::Top) << QRect(150, 32, 100, 150) << 16
                         << QPoint(36, 32 + 150 + 23) << 32 + 150 + 74;
    QTest::addRow("bottom") << int(PicturePlacement::Bottom) << QRect(150, 74, 100, 150) << 16
                            << QPoint(36, 23) << 74 + 150 + 4;
}

void TestModelTest::layoutPictures()
{
    QFETCH(int, placement);
    QFETCH(QRect, picture);
    QFETCH(int, headerX);
    QFETCH(QPoint, box);
    QFETCH(int, height);

    QList<TGrupa> groups = OneGroup(u"Q"_s, {u"A"_s});
    groups += OneGroup(u"Next"_s, {u"B"_s});
    int asked = 0;
    const PictureSource source = [&](int position) {
        ++asked;
        if (position != 1)
            return SheetPictureInfo();
        return SheetPictureInfo{PicturePlacement(placement), u"p.png"_s, QSize(100, 150)};
    };
    const SheetLayout l = LayOutSheet(groups, Metrics(), SheetView::Open, 0, source);
    QCOMPARE(asked, 2);
    QCOMPARE(l.Pictures.size(), 1);
    QCOMPARE(l.Pictures[0].Rect, picture);
    QCOMPARE(l.Words[0].Rect.left(), headerX);
    QCOMPARE(l.Boxes[0].TopLeft, box);
    // The next group starts below the picture and is not indented by it.
    QCOMPARE(l.Words[2].Rect.topLeft(), QPoint(16, height + 7));
    QCOMPARE(l.Boxes[1].TopLeft.x(), 36);
}

void TestModelTest::layoutMarksFollowTheView()
{
    TGrupa g = Marked(u"+-+"_s, u"xx "_s);
    QList<TGrupa> groups{g};
    auto boxes = [&](SheetView view) {
        QString s;
        for (const SheetBox &b : LayOutSheet(groups, Metrics(), view, 0, {}).Boxes)
            s += QString(b.Marked ? u'x' : u' ') + (b.Mark == AnswerMark::Right   ? u'R'
                                                    : b.Mark == AnswerMark::Wrong ? u'W'
                                                                                  : u'.');
        return s;
    };
    QCOMPARE(boxes(SheetView::Open), u"x.x. ."_s);
    QCOMPARE(boxes(SheetView::Scored), u"xRxW ."_s); // only selected answers carry a mark
    QCOMPARE(boxes(SheetView::RightAnswers), u"x. .x."_s);
    const SheetLayout l = LayOutSheet(groups, Metrics(), SheetView::Scored, 0, {});
    QCOMPARE(l.Boxes[0].MarkTopLeft, QPoint(10, l.Boxes[0].TopLeft.y()));
}

void TestModelTest::scrollMaximum_data()
{
    QTest::addColumn<int>("content");
    QTest::addColumn<int>("maximum");
    QTest::addRow("fits") << 520 << 0;
    QTest::addRow("one pixel more") << 521 << 1;
    QTest::addRow("long") << 1000 << 49;
}

void TestModelTest::scrollMaximum()
{
    QFETCH(int, content);
    QFETCH(int, maximum);
    QCOMPARE(ScrollMaximum(content, 520), maximum);
    if (maximum > 0)
        QVERIFY(maximum * 10 >= content - 520); // the last line can be reached
}

QTEST_GUILESS_MAIN(TestModelTest)
#include "tst_testmodel.moc"
