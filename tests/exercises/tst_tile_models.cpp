// The three word-tile exercises without their screens: matching pairs (kind 7), table
// sorting (kind 1) and word ordering (kind 50) — reading, drops, checks, right answers,
// hints and layout — and the rules they share.

#include "exercises/shared/ExerciseRules.h"
#include "exercises/words/LaczenieModel.h"
#include "exercises/words/TabelkaCSModel.h"
#include "exercises/words/TabelkaModel.h"
#include "utils/Utils.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using Exercises::RandomPick;

namespace {

QByteArray Exercise(int kind, const QString &body, const QString &media = u"a.wav"_s)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><ID>1</ID><typ_cw>"_s +
            QString::number(kind) + u"</typ_cw><multimedia>"_s + media + u"</multimedia></config><body>"_s +
            body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

// Draws that take the given entry of what is left; then always the first.
RandomPick Scripted(QList<int> picks)
{
    auto queue = std::make_shared<QList<int>>(std::move(picks));
    return [queue](int count) { return queue->isEmpty() ? 0 : std::min(queue->takeFirst(), count - 1); };
}

// Draws that keep the file order.
const RandomPick InOrder = [](int) { return 0; };

// Ten pixels per character: widths in the tests are easy to follow.
const Exercises::TextMeasure TenPerChar = [](const QString &text) { return int(text.size()) * 10; };

QList<TPara> Pairs(const QStringList &firstParts)
{
    QList<TPara> pairs;
    for (const QString &first : firstParts)
        pairs.append({first, u"prompt of "_s + first});
    return pairs;
}

Struct_Tabelka Table(const QStringList &headings, int rows, const QList<TTabelkaWord> &words)
{
    Struct_Tabelka table;
    table.Headings = headings;
    table.Rows = rows;
    table.Words = words;
    return table;
}

QList<TOrderedWord> Ordered(const QList<int> &positions)
{
    QList<TOrderedWord> words;
    for (int i = 0; i < positions.size(); ++i)
        words.append({u"w%1"_s.arg(i + 1), positions[i]});
    return words;
}

} // namespace

class TestTileModels : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { Utils::InterfaceTexts() = {u"1=Your answer:"_s, u"2=no answer"_s}; }

    // ---- shared rules ----

    void drawOrderIsAPermutation_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QList<int>>("expected");
        QTest::addRow("first of what is left") << 4 << QList<int>{0, 0, 0, 0} << QList<int>{0, 1, 2, 3};
        QTest::addRow("last of what is left") << 4 << QList<int>{3, 2, 1, 0} << QList<int>{3, 2, 1, 0};
        QTest::addRow("middle") << 4 << QList<int>{1, 1, 1, 0} << QList<int>{1, 2, 3, 0};
        QTest::addRow("picks out of range are clamped") << 3 << QList<int>{7, -2, 9} << QList<int>{2, 0, 1};
        QTest::addRow("nothing to draw") << 0 << QList<int>{} << QList<int>{};
    }
    void drawOrderIsAPermutation()
    {
        QFETCH(int, count);
        QFETCH(QList<int>, picks);
        QFETCH(QList<int>, expected);
        auto queue = std::make_shared<QList<int>>(picks);
        const RandomPick raw = [queue](int) { return queue->isEmpty() ? 0 : queue->takeFirst(); };
        QCOMPARE(Utils::DrawOrder(count, raw), expected);
    }

    void scorePercent_data()
    {
        QTest::addColumn<int>("good");
        QTest::addColumn<int>("total");
        QTest::addColumn<int>("percent"); // -1: no score
        QTest::addRow("nothing to judge") << 0 << 0 << -1;
        QTest::addRow("4 pairs, 3 right") << 3 << 4 << 75;
        QTest::addRow("6 words, 5 right") << 5 << 6 << 83;
        QTest::addRow("5 words, 3 right") << 3 << 5 << 60;
        QTest::addRow("12.5 rounds down to even") << 1 << 8 << 12;
        QTest::addRow("37.5 rounds up to even") << 3 << 8 << 38;
        QTest::addRow("all wrong") << 0 << 3 << 0;
    }
    void scorePercent()
    {
        QFETCH(int, good);
        QFETCH(int, total);
        QFETCH(int, percent);
        const std::optional<int> score = Exercises::ScorePercent(good, total);
        QCOMPARE(score.value_or(-1), percent);
        const Exercises::TScore s{good, total - good};
        QCOMPARE(s.HasScore(), percent >= 0);
        QCOMPARE(s.Percent(), std::max(0, percent));
    }

    void answerHintNamesTheLearnersAnswer()
    {
        QCOMPARE(Exercises::AnswerHint(u"day off"_s), u"Your answer: <B>day off</B>"_s);
        QCOMPARE(Exercises::AnswerHint(QString()), u"<B>no answer</B>"_s);
    }

    void captionWordAt_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<QString>("word");
        // "orange juice" from x 20: "orange " 20..89, "juice " 90..149.
        QTest::addRow("left of the caption") << 19 << QString();
        QTest::addRow("first word") << 20 << u"orange"_s;
        QTest::addRow("blank after the first word") << 89 << u"orange"_s;
        QTest::addRow("second word") << 90 << u"juice"_s;
        QTest::addRow("past the end") << 150 << QString();
    }
    void captionWordAt()
    {
        QFETCH(int, x);
        QFETCH(QString, word);
        QCOMPARE(Exercises::CaptionWordAt(u"orange juice"_s, 20, TenPerChar, x), word);
    }

    // ---- matching pairs ----

    void readLaczenie()
    {
        const QByteArray file =
            Exercise(7, u"<polecenie id=\"1\">Match.</polecenie><polecenie id=\"0\">Dopasuj.</polecenie>"
                        "<html>x</html><pary>"
                        "<para id=\"1\">boss = szef</para>"
                        "<para id=\"2\">lift=winda=elevator</para>"
                        "<para id=\"3\">no split here</para>"
                        "<para id=\"4\">=nothing before</para>"
                        "<para id=\"5\">key=</para>"
                        "</pary>"_s);
        const LaczenieReadResult read = ReadLaczenie(file, 1, 0);
        QVERIFY(read.Ok());
        QCOMPARE(read.Exercise.Instruction, u"Match."_s);
        QCOMPARE(read.Exercise.Hint, u"Dopasuj."_s);
        QCOMPARE(read.Exercise.MediaFile, u"a.mp3"_s);
        QCOMPARE(read.Exercise.Pairs.size(), 3);
        QCOMPARE(read.Exercise.Pairs[0].First, u"boss"_s);
        QCOMPARE(read.Exercise.Pairs[0].Second, u"szef"_s);
        QCOMPARE(read.Exercise.Pairs[1].Second, u"winda"_s);
        QCOMPARE(read.Exercise.Pairs[2].First, u"key"_s);

        QVERIFY(!ReadLaczenie(Exercise(7, u"<polecenie id=\"1\">x</polecenie>"_s), 1, 0).Ok());
        QVERIFY(!ReadLaczenie("<cwiczenie><config/>", 1, 0).Ok());
    }

    void inspectLaczenie_data()
    {
        QTest::addColumn<QString>("pary");
        QTest::addColumn<QStringList>("expected"); // parts of the problems, in order
        QTest::addRow("sound") << u"<para>a=b</para><para>c=d</para>"_s << QStringList();
        QTest::addRow("para without =")
            << u"<para>a=b</para><para>cd</para>"_s << QStringList{u"para 2: no \"=\""_s};
        QTest::addRow("empty parts") << u"<para>=b</para><para>c=</para>"_s
                                     << QStringList{u"para 1: nothing before"_s, u"para 2: nothing after"_s};
        QTest::addRow("no pairs") << QString() << QStringList{u"no pairs"_s};
        QTest::addRow("only broken pairs")
            << u"<para>ab</para>"_s << QStringList{u"no \"=\""_s, u"no pairs"_s};
    }
    void inspectLaczenie()
    {
        QFETCH(QString, pary);
        QFETCH(QStringList, expected);
        const QStringList problems = InspectLaczenie(Exercise(7, u"<pary>"_s + pary + u"</pary>"_s));
        QCOMPARE(problems.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(problems[i].contains(expected[i]), qPrintable(problems[i]));
        QVERIFY(!InspectLaczenie(Exercise(7, QString())).isEmpty()); // no pary at all
    }

    void laczenieDrops_data()
    {
        // Tiles a, b, c, d (tile i belongs in row i). Each step drops a tile over a row
        // (-1: over no slot); then the rows' tiles read as listed.
        QTest::addColumn<QList<QPoint>>("drops"); // (tile, row)
        QTest::addColumn<QList<int>>("returned");
        QTest::addColumn<QList<int>>("rowTiles");
        QTest::addRow("into empty slots")
            << QList<QPoint>{{0, 0}, {1, 2}} << QList<int>{0, 2} << QList<int>{0, -1, 1, -1};
        QTest::addRow("from one slot to another empties the first")
            << QList<QPoint>{{0, 1}, {0, 3}} << QList<int>{1, 3} << QList<int>{-1, -1, -1, 0};
        QTest::addRow("onto a taken slot: home, and its own slot is empty")
            << QList<QPoint>{{0, 0}, {1, 1}, {1, 0}} << QList<int>{0, 1, -1} << QList<int>{0, -1, -1, -1};
        QTest::addRow("outside every slot: home")
            << QList<QPoint>{{2, 2}, {2, -1}} << QList<int>{2, -1} << QList<int>{-1, -1, -1, -1};
        QTest::addRow("back into its own slot")
            << QList<QPoint>{{3, 3}, {3, 3}} << QList<int>{3, 3} << QList<int>{-1, -1, -1, 3};
    }
    void laczenieDrops()
    {
        QFETCH(QList<QPoint>, drops);
        QFETCH(QList<int>, returned);
        QFETCH(QList<int>, rowTiles);
        Laczenie::TModel model(Pairs({u"a"_s, u"b"_s, u"c"_s, u"d"_s}), InOrder);
        for (int i = 0; i < drops.size(); ++i)
            QCOMPARE(model.Drop(drops[i].x(), drops[i].y()), returned[i]);
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(model.Rows()[row].Tile, rowTiles[row]);
            QCOMPARE(model.Rows()[row].State,
                     rowTiles[row] < 0 ? Laczenie::RowState::Empty : Laczenie::RowState::Occupied);
            if (rowTiles[row] >= 0)
                QCOMPARE(model.Tiles()[rowTiles[row]].Row, row);
        }
    }

    void laczenieCheck_data()
    {
        QTest::addColumn<QStringList>("firstParts");
        QTest::addColumn<QList<int>>("placed"); // per tile: the row it is dropped into, -1 none
        QTest::addColumn<QString>("marks");     // per row: + right, - wrong
        QTest::addColumn<int>("percent");
        QTest::addRow("4 pairs, 3 right, 1 left in the grid")
            << QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s} << QList<int>{0, 1, 2, -1} << u"+++-"_s << 75;
        QTest::addRow("two swapped") << QStringList{u"a"_s, u"b"_s, u"c"_s} << QList<int>{1, 0, 2} << u"--+"_s
                                     << 33;
        QTest::addRow("repeated first parts fit either row")
            << QStringList{u"to get"_s, u"to get"_s, u"c"_s} << QList<int>{1, 0, 2} << u"+++"_s << 100;
        // Rows expect x, x, y. Tile 0 ("x") lies right in row 1; row 0 holds "y" and is wrong,
        // whatever tile 0 does.
        QTest::addRow("marks stand on the rows the tiles lie in")
            << QStringList{u"x"_s, u"x"_s, u"y"_s} << QList<int>{1, 2, 0} << u"-+-"_s << 33;
    }
    void laczenieCheck()
    {
        QFETCH(QStringList, firstParts);
        QFETCH(QList<int>, placed);
        QFETCH(QString, marks);
        QFETCH(int, percent);
        Laczenie::TModel model(Pairs(firstParts), InOrder);
        for (int tile = 0; tile < placed.size(); ++tile)
            model.Drop(tile, placed[tile]);
        const Exercises::TScore score = model.Check();
        QCOMPARE(score.Percent(), percent);
        QCOMPARE(score.Total(), int(firstParts.size()));
        for (int row = 0; row < marks.size(); ++row) {
            const bool right = marks[row] == u'+';
            QCOMPARE(model.RowMark(row), right ? Laczenie::Mark::Right : Laczenie::Mark::Wrong);
            QCOMPARE(model.SlotFrameShown(row), !right);
        }
        QCOMPARE(model.Check().Percent(), percent); // a second check changes nothing
    }

    void laczenieRightAnswers()
    {
        Laczenie::TModel model(Pairs({u"a"_s, u"b"_s, u"c"_s, u"d"_s}), InOrder);
        model.Drop(1, 0);                      // b in a's row
        model.Drop(2, 2);                      // c right
        model.Drop(0, 3);                      // a in d's row; row 1 stays empty
        QCOMPARE(model.RowHint(0), QString()); // no hints before the right answers
        QCOMPARE(model.Check().Percent(), 25);
        QCOMPARE(model.Drop(2, -1), 2); // frozen after the check
        QCOMPARE(model.Rows()[2].Tile, 2);

        model.ShowRightAnswers();
        QVERIFY(model.ShowsRightAnswers());
        for (int n = 0; n < 4; ++n) {
            QCOMPARE(model.Tiles()[n].Row, n);
            QCOMPARE(model.Rows()[n].Tile, n);
        }
        QCOMPARE(model.LastScore().Percent(), 25); // the check is not run again
        QCOMPARE(model.RowMark(0), Laczenie::Mark::Info);
        QCOMPARE(model.RowMark(2), Laczenie::Mark::None);
        QCOMPARE(model.RowHint(0), u"Your answer: <B>b</B>"_s);
        QCOMPARE(model.RowHint(1), u"<B>no answer</B>"_s);
        QCOMPARE(model.RowHint(2), QString());
        QCOMPARE(model.RowHint(3), u"Your answer: <B>a</B>"_s);
    }

    void laczenieNoPairsHasNoScore()
    {
        Laczenie::TModel model({}, InOrder);
        QVERIFY(!model.Check().HasScore());
        QCOMPARE(Laczenie::AreaTop(0, 100), Laczenie::GridTop);
    }

    void laczenieGrid_data()
    {
        QTest::addColumn<int>("tileWidth");
        QTest::addColumn<int>("k");
        QTest::addColumn<QPoint>("home");
        QTest::addRow("W 120: first") << 120 << 0 << QPoint(108, 198);
        QTest::addRow("W 120: fifth ends the grid row") << 120 << 4 << QPoint(100 + 4 * 120 + 30 + 2, 198);
        QTest::addRow("W 120: sixth starts the next") << 120 << 5 << QPoint(108, 228);
        QTest::addRow("wider than the area: one per row") << 700 << 1 << QPoint(108, 228);
    }
    void laczenieGrid()
    {
        QFETCH(int, tileWidth);
        QFETCH(int, k);
        QFETCH(QPoint, home);
        QCOMPARE(Laczenie::GridHome(k, tileWidth), home);
        QVERIFY(Laczenie::TilesPerGridRow(tileWidth) >= 1);
    }

    void laczenieLayout()
    {
        Laczenie::TModel model({{u"ab"_s, u"one two"_s}, {u"abcdef"_s, u"three four five"_s}}, InOrder);
        const int W = Laczenie::TileWidth(model.Tiles(), TenPerChar);
        QCOMPARE(W, 90);
        QCOMPARE(Laczenie::AreaTop(2, W), 198 + 24 + 20);
        Laczenie::TRowsMetrics m;
        m.MarkWidth = 24;
        m.TileWidth = W;
        m.AreaWidth = 24 + W + 31 + 100; // room for one line of 100 pixels of prompt
        m.Measure = TenPerChar;
        m.TextHeight = 14;
        const Laczenie::TRowsLayout layout = Laczenie::LayOutRows(model, m);
        QCOMPARE(layout.Slots[0], QRect(28, 0, 90, 24));
        QCOMPARE(layout.Slots[1], QRect(28, 27, 90, 24));
        // "three four five" needs two lines: the second row grows by one line.
        QCOMPARE(layout.Words[2].Rect.topLeft(), QPoint(145, 31));
        QCOMPARE(layout.Words[4].Rect.topLeft(), QPoint(145, 58));
        QCOMPARE(layout.Height, 27 * 3);
        QCOMPARE(Laczenie::SlotAt(layout, QPoint(30, 30)), 1);
        QCOMPARE(Laczenie::SlotAt(layout, QPoint(10, 30)), -1);
        QCOMPARE(Laczenie::MarkAt(layout, QPoint(5, 60)), 1);
        QCOMPARE(Laczenie::MarkAt(layout, QPoint(5, 1)), -1); // above the mark area
    }

    // ---- table sorting ----

    void readTabelka()
    {
        const QString body =
            u"<polecenie id=\"1\">Sort.</polecenie><col_count>3</col_count><rows>4</rows>"
            "<columns><column id=\"1\">Fruit</column><column id=\"2\">Drinks</column></columns>"
            "<wyrazy><wyraz><nazwa>apple</nazwa><column>1</column></wyraz>"
            "<wyraz><nazwa>tea</nazwa><column>2</column></wyraz>"
            "<wyraz><nazwa>stone</nazwa></wyraz></wyrazy>"_s;
        const TabelkaReadResult read = ReadTabelka(Exercise(1, body), 1, 0);
        QVERIFY(read.Ok());
        QCOMPARE(read.Exercise.ColumnCount(), 2); // col_count 3, but two headings
        QCOMPARE(read.Exercise.Rows, 4);
        QCOMPARE(read.Exercise.Words.size(), 3);
        QCOMPARE(read.Exercise.Words[1].Column, 2);
        QCOMPARE(read.Exercise.Words[2].Column, 0);
        QVERIFY(!ReadTabelka(Exercise(1, u"<rows>2</rows><wyrazy/>"_s), 1, 0).Ok());
        QVERIFY(!ReadTabelka(Exercise(1, u"<col_count>x</col_count><rows>2</rows><wyrazy/>"_s), 1, 0).Ok());
    }

    void inspectTabelka_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QStringList>("expected");
        const QString two = u"<columns><column>A</column><column>B</column></columns>"_s;
        const auto words = [](const QList<int> &columns) -> QString {
            QString xml = u"<wyrazy>"_s;
            for (int c : columns)
                xml += u"<wyraz><nazwa>w</nazwa><column>%1</column></wyraz>"_s.arg(c);
            return xml + u"</wyrazy>"_s;
        };
        QTest::addRow("sound") << u"<col_count>2</col_count><rows>2</rows>"_s + two + words({1, 2, 2})
                               << QStringList();
        QTest::addRow("col_count above the headings")
            << u"<col_count>3</col_count><rows>2</rows>"_s + two + words({1, 2})
            << QStringList{u"col_count is 3"_s};
        QTest::addRow("column outside 1..C")
            << u"<col_count>2</col_count><rows>2</rows>"_s + two + words({1, 3, 0})
            << QStringList{u"column 3 is not"_s, u"column 0 is not"_s};
        QTest::addRow("10 rows") << u"<col_count>2</col_count><rows>10</rows>"_s + two + words({1})
                                 << QStringList{u"at most 9"_s};
        QTest::addRow("more words than rows")
            << u"<col_count>2</col_count><rows>1</rows>"_s + two + words({2, 2})
            << QStringList{u"column 2 has 2 words"_s};
        QTest::addRow("no words") << u"<col_count>2</col_count><rows>1</rows>"_s + two + u"<wyrazy/>"_s
                                  << QStringList{u"no words"_s};
    }
    void inspectTabelka()
    {
        QFETCH(QString, body);
        QFETCH(QStringList, expected);
        const QStringList problems = InspectTabelka(Exercise(1, body));
        QCOMPARE(problems.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(problems[i].contains(expected[i]), qPrintable(problems[i]));
    }

    void tabelkaDrops()
    {
        // Tiles in file order: apple (1), tea (2), pear (1).
        Tabelka::TModel model(
            Table({u"Fruit"_s, u"Drinks"_s}, 2, {{u"apple"_s, 1}, {u"tea"_s, 2}, {u"pear"_s, 1}}), InOrder);
        using Tabelka::DropResult;
        QCOMPARE(model.Drop(0, {1, 1}), DropResult::Placed);
        QVERIFY(model.Tiles()[0].Right);
        QCOMPARE(model.Drop(2, {1, 1}), DropResult::Back); // taken
        QCOMPARE(model.Tiles()[2].Cell, Tabelka::TCell());
        QCOMPARE(model.Drop(0, {2, 2}), DropResult::Placed); // moving frees the first cell
        QVERIFY(!model.Tiles()[0].Right);
        QCOMPARE(model.TileIn({1, 1}), -1);
        QCOMPARE(model.Drop(2, {1, 1}), DropResult::Placed);
        QCOMPARE(model.Drop(0, {}), DropResult::Home); // outside the table
        QCOMPARE(model.TileIn({2, 2}), -1);
        QCOMPARE(model.Drop(1, {3, 1}), DropResult::Home); // below the last row is outside
    }

    void tabelkaCheck_data()
    {
        QTest::addColumn<QList<int>>("columns");  // of the words, in tile order
        QTest::addColumn<QList<QPoint>>("cells"); // per tile: (row, column), (0, 0) none
        QTest::addColumn<int>("percent");
        QTest::addColumn<QStringList>("hints");
        QTest::addRow("6 words, 5 right, 1 left in the grid")
            << QList<int>{1, 1, 2, 2, 3, 3} << QList<QPoint>{{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}, {0, 0}}
            << 83 << QStringList{{}, {}, {}, {}, {}, u"<B>no answer</B>"_s};
        QTest::addRow("any row of its column counts")
            << QList<int>{2, 2} << QList<QPoint>{{3, 2}, {1, 2}} << 100 << QStringList{{}, {}};
        QTest::addRow("wrong column names the heading")
            << QList<int>{1, 2} << QList<QPoint>{{1, 2}, {2, 1}} << 0
            << QStringList{u"Your answer: <B>B</B>"_s, u"Your answer: <B>A</B>"_s};
        QTest::addRow("a column outside the table is never right")
            << QList<int>{7, 0} << QList<QPoint>{{1, 1}, {1, 3}} << 0
            << QStringList{u"Your answer: <B>A</B>"_s, u"Your answer: <B>C</B>"_s};
    }
    void tabelkaCheck()
    {
        QFETCH(QList<int>, columns);
        QFETCH(QList<QPoint>, cells);
        QFETCH(int, percent);
        QFETCH(QStringList, hints);
        QList<TTabelkaWord> words;
        for (int c : columns)
            words.append({u"w"_s, c});
        Tabelka::TModel model(Table({u"A"_s, u"B"_s, u"C"_s}, 3, words), InOrder);
        for (int k = 0; k < cells.size(); ++k)
            model.Drop(k, {cells[k].x(), cells[k].y()});
        QCOMPARE(model.Check().Percent(), percent);
        for (int k = 0; k < hints.size(); ++k) {
            QCOMPARE(model.Tiles()[k].Hint, hints[k]);
            QCOMPARE(model.TileMark(k), hints[k].isEmpty() ? Tabelka::Mark::Right : Tabelka::Mark::Wrong);
        }
        QCOMPARE(model.Drop(0, {}),
                 model.Tiles()[0].Cell.IsCell() ? Tabelka::DropResult::Back : Tabelka::DropResult::Home);
    }

    void tabelkaRightAnswers_data()
    {
        // Two columns of two rows. Words in tile order with their columns, where they lie,
        // and where the right answers leave them.
        QTest::addColumn<QList<int>>("columns");
        QTest::addColumn<QList<QPoint>>("before");
        QTest::addColumn<QList<QPoint>>("after");
        QTest::addRow("two wrong tiles of one column, one free cell: the first moves, the second stays")
            << QList<int>{1, 1, 1} << QList<QPoint>{{1, 1}, {1, 2}, {2, 2}}
            << QList<QPoint>{{1, 1}, {2, 1}, {2, 2}};
        QTest::addRow("a wrong tile left in the grid moves in")
            << QList<int>{2, 1} << QList<QPoint>{{1, 1}, {0, 0}} << QList<QPoint>{{1, 2}, {1, 1}};
        QTest::addRow("a stuck tile whose cell was taken goes home")
            // Tile 0 (column 1) lies in (1, 2); column 1 is full of right tiles. Tile 1
            // (column 2) from the grid takes (1, 2), so tile 0 leaves the table.
            << QList<int>{1, 2, 1, 1} << QList<QPoint>{{1, 2}, {0, 0}, {1, 1}, {2, 1}}
            << QList<QPoint>{{0, 0}, {1, 2}, {1, 1}, {2, 1}};
    }
    void tabelkaRightAnswers()
    {
        QFETCH(QList<int>, columns);
        QFETCH(QList<QPoint>, before);
        QFETCH(QList<QPoint>, after);
        QList<TTabelkaWord> words;
        for (int c : columns)
            words.append({u"w"_s, c});
        Tabelka::TModel model(Table({u"A"_s, u"B"_s}, 2, words), InOrder);
        for (int k = 0; k < before.size(); ++k)
            QVERIFY(model.Drop(k, {before[k].x(), before[k].y()}) != Tabelka::DropResult::Back);
        const Exercises::TScore score = model.Check();
        model.ShowRightAnswers();
        QCOMPARE(model.LastScore().Percent(), score.Percent());
        for (int k = 0; k < after.size(); ++k) {
            QCOMPARE(model.Tiles()[k].Cell, Tabelka::TCell({after[k].x(), after[k].y()}));
            if (model.Tiles()[k].Cell.IsCell())
                QCOMPARE(model.TileIn(model.Tiles()[k].Cell), k); // never two in one cell
            QCOMPARE(model.TileMark(k),
                     model.Tiles()[k].WasRight ? Tabelka::Mark::None : Tabelka::Mark::Info);
        }
    }

    void tabelkaLayout()
    {
        QCOMPARE(Tabelka::TilesPerGridRow(100), 6);
        QCOMPARE(Tabelka::GridRows(13, 100), 3);
        QCOMPARE(Tabelka::LayOutTable(2, 3, 100, 13).Top - Tabelka::LayOutTable(2, 3, 100, 6).Top, 60);
        QCOMPARE(Tabelka::GridHome(6, 100), Tabelka::GridHome(0, 100) + QPoint(0, 30));
        QCOMPARE(Tabelka::GridHome(1, 100).x() - Tabelka::GridHome(0, 100).x(), 106);
        // Headings wider than every word set the width.
        const Struct_Tabelka table = Table({u"Vegetables"_s}, 1, {{u"tea"_s, 1}});
        QCOMPARE(Tabelka::CellWidth(table, TenPerChar), 152);

        // Ten rows and columns: every cell is found by its own place, on the grid as drawn.
        const Tabelka::TTableLayout grid = Tabelka::LayOutTable(10, 10, 60, 1);
        for (int r = 1; r <= 10; ++r) {
            for (int c = 1; c <= 10; ++c) {
                const QRect cell = grid.Cell({r, c});
                QCOMPARE(grid.CellAt(cell.center()), Tabelka::TCell({r, c}));
                QCOMPARE(grid.CellAt(cell.topLeft()), Tabelka::TCell({r, c}));
            }
        }
        QCOMPARE(grid.CellAt(grid.Cells().topLeft() - QPoint(1, 0)), Tabelka::TCell());
        QCOMPARE(grid.CellAt(grid.Cells().bottomRight() + QPoint(0, 1)), Tabelka::TCell());
        QCOMPARE(grid.Header(1).left(), grid.Cell({1, 2}).left());
    }

    // ---- word ordering ----

    void readTabelkaCS()
    {
        const QString body =
            u"<wyrazy><wyraz id=\"1\"><nazwa>lunch</nazwa><kolejnosc>2</kolejnosc></wyraz>"
            "<wyraz id=\"2\"><nazwa>breakfast</nazwa><kolejnosc>1</kolejnosc></wyraz>"
            "<wyraz id=\"3\"><nazwa>bed</nazwa><kolejnosc>late</kolejnosc></wyraz></wyrazy>"_s;
        const TabelkaCSReadResult read = ReadTabelkaCS(Exercise(50, body), 1, 0);
        QVERIFY(read.Ok());
        QCOMPARE(read.Exercise.Words.size(), 3);
        QCOMPARE(read.Exercise.Words[1].Text, u"breakfast"_s);
        QCOMPARE(read.Exercise.Words[1].Position, 1);
        QCOMPARE(read.Exercise.Words[2].Position, 0);
        QVERIFY(!ReadTabelkaCS(Exercise(50, QString()), 1, 0).Ok());
    }

    void inspectTabelkaCS_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QStringList>("expected");
        QTest::addRow("a permutation") << QList<int>{3, 1, 2} << QStringList();
        QTest::addRow("a place given twice")
            << QList<int>{1, 1, 2}
            << QStringList{u"kolejnosc 1 is given to 2 words"_s, u"no word has kolejnosc 3"_s};
        QTest::addRow("out of range")
            << QList<int>{1, 4, 2} << QStringList{u"outside 1..3"_s, u"no word has kolejnosc 3"_s};
        QTest::addRow("no words") << QList<int>{} << QStringList{u"no words"_s};
        QList<int> fourteen;
        for (int i = 1; i <= 14; ++i)
            fourteen << i;
        QTest::addRow("too tall for the screen") << fourteen << QStringList{u"too tall"_s};
        fourteen.removeLast();
        QTest::addRow("thirteen fit") << fourteen << QStringList();
    }
    void inspectTabelkaCS()
    {
        QFETCH(QList<int>, positions);
        QFETCH(QStringList, expected);
        QString body = u"<wyrazy>"_s;
        for (int p : positions)
            body += u"<wyraz><nazwa>w</nazwa><kolejnosc>%1</kolejnosc></wyraz>"_s.arg(p);
        const QStringList problems = InspectTabelkaCS(Exercise(50, body + u"</wyrazy>"_s));
        QCOMPARE(problems.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i)
            QVERIFY2(problems[i].contains(expected[i]), qPrintable(problems[i]));
    }

    void tabelkaCSShuffleDrawsEveryWordOnce()
    {
        TabelkaCS::TModel model(Ordered({1, 2, 3, 4}), Scripted({2, 2, 0, 0}));
        QStringList shown;
        for (int p = 1; p <= 4; ++p)
            shown << model.Tiles()[model.TileAt(p)].Text;
        QCOMPARE(shown, (QStringList{u"w3"_s, u"w4"_s, u"w1"_s, u"w2"_s}));
    }

    void tabelkaCSCheck_data()
    {
        QTest::addColumn<QList<int>>("positions"); // kolejnosc of the words, which start in file order
        QTest::addColumn<QList<QPoint>>("swaps");
        QTest::addColumn<int>("percent");
        QTest::addRow("five words, two swapped") << QList<int>{2, 1, 3, 4, 5} << QList<QPoint>{} << 60;
        QTest::addRow("a swap mends them") << QList<int>{2, 1, 3, 4, 5} << QList<QPoint>{{0, 1}} << 100;
        QTest::addRow("a shuffle in the right order scores at once")
            << QList<int>{1, 2, 3} << QList<QPoint>{} << 100;
        QTest::addRow("the same kolejnosc twice: one right at most")
            << QList<int>{1, 1, 2} << QList<QPoint>{} << 33;
        QTest::addRow("out of range never counts") << QList<int>{1, 9} << QList<QPoint>{} << 50;
    }
    void tabelkaCSCheck()
    {
        QFETCH(QList<int>, positions);
        QFETCH(QList<QPoint>, swaps);
        QFETCH(int, percent);
        TabelkaCS::TModel model(Ordered(positions), InOrder);
        for (const QPoint &s : swaps)
            QVERIFY(model.Swap(s.x(), s.y()));
        QCOMPARE(model.Check().Percent(), percent);
        QVERIFY(!model.Swap(0, 1)); // frozen
        QVERIFY(!TabelkaCS::TModel({}, InOrder).Check().HasScore());
    }

    void tabelkaCSSwapRules()
    {
        TabelkaCS::TModel model(Ordered({1, 2, 3}), InOrder);
        QVERIFY(!model.Swap(1, 1)); // on itself
        QVERIFY(!model.Swap(0, 3)); // no such tile
        QVERIFY(model.Swap(0, 2));
        QCOMPARE(model.Tiles()[0].Position, 3);
        QCOMPARE(model.Tiles()[2].Position, 1);

        // Hit-testing a release: W 100 in the standard area.
        const TabelkaCS::TColumnLayout layout = TabelkaCS::LayOutColumn(3, 100);
        QCOMPARE(layout.Column, QRect(100 + (677 - 116) / 2, 208 + (512 - 136) / 2, 116, 136));
        const QPoint first = layout.TileRect(1).center();
        const int tileAtTop = model.TileAt(1);
        QCOMPARE(TabelkaCS::SwapTarget(model, layout, tileAtTop, first), -1); // on itself
        QCOMPARE(TabelkaCS::SwapTarget(model, layout, tileAtTop, layout.TileRect(2).center()),
                 model.TileAt(2));
        // 4 pixels under the second tile still hits it; the strip under the last tile does not.
        QCOMPARE(
            TabelkaCS::SwapTarget(model, layout, tileAtTop, layout.TileRect(2).bottomLeft() + QPoint(0, 4)),
            model.TileAt(2));
        QCOMPARE(TabelkaCS::SwapTarget(model, layout, tileAtTop, layout.Column.bottomLeft() + QPoint(50, -2)),
                 -1);
        QCOMPARE(TabelkaCS::SwapTarget(model, layout, tileAtTop, layout.Column.topLeft() + QPoint(1, 50)),
                 -1);
        QCOMPARE(TabelkaCS::SwapTarget(model, layout, tileAtTop, layout.Column.topRight() + QPoint(20, 50)),
                 -1);
    }

    void tabelkaCSRightAnswers_data()
    {
        QTest::addColumn<QList<int>>("positions");
        QTest::addColumn<QStringList>("learnerWords"); // per place after the right answers
        QTest::addRow("info on exactly the wrong places")
            << QList<int>{3, 2, 1, 4} << QStringList{u"w1"_s, {}, u"w3"_s, {}};
        QTest::addRow("kolejnosc given twice still fills the column")
            << QList<int>{2, 2, 1} << QStringList{u"w1"_s, {}, u"w3"_s};
        QTest::addRow("kolejnosc out of range takes the place left over")
            << QList<int>{9, 1, 2} << QStringList{u"w1"_s, u"w2"_s, u"w3"_s};
    }
    void tabelkaCSRightAnswers()
    {
        QFETCH(QList<int>, positions);
        QFETCH(QStringList, learnerWords);
        TabelkaCS::TModel model(Ordered(positions), InOrder);
        model.Check();
        model.ShowRightAnswers();
        QVERIFY(!model.CanDrag());
        QList<bool> seen(model.Count() + 1, false);
        for (int i = 0; i < model.Count(); ++i) {
            const TabelkaCS::TTile &tile = model.Tiles()[i];
            QVERIFY(tile.Position >= 1 && tile.Position <= model.Count());
            QVERIFY(!seen[tile.Position]);
            seen[tile.Position] = true;
            QCOMPARE(model.TileMark(i), tile.WasRight ? TabelkaCS::Mark::None : TabelkaCS::Mark::Info);
        }
        for (int p = 1; p <= learnerWords.size(); ++p) {
            QCOMPARE(model.LearnerWordAt(p), learnerWords[p - 1]);
            QCOMPARE(model.PlaceHint(p), learnerWords[p - 1].isEmpty()
                                             ? QString()
                                             : u"Your answer: <B>"_s + learnerWords[p - 1] + u"</B>"_s);
        }
    }
};

QTEST_GUILESS_MAIN(TestTileModels)
#include "tst_tile_models.moc"
