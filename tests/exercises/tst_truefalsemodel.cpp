// The true/false table without its screen: reading, the random order, ticking, scoring and
// the layout of the table.

#include "exercises/words/Struct_TF2.h"
#include "exercises/words/TrueFalseModel.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using namespace TrueFalseModel;

namespace {

QByteArray TFFile(const QString &body, const QString &media = u"t.wav"_s)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>31</typ_cw><multimedia>"_s +
            media + u"</multimedia></config><body>"_s + body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

const QString Headings = u"<kolumna id=\"1\">True</kolumna><kolumna id=\"2\">False</kolumna>"_s;

QString Statement(const QString &text, const QString &odp)
{
    return u"<zdanie id=\"1\" odp=\""_s + odp + u"\" sampel=\"\"><tresc>"_s + text +
           u"</tresc><tlumaczenie id=\"0\">tłumaczenie</tlumaczenie></zdanie>"_s;
}

RandomPick Scripted(QList<int> picks)
{
    auto queue = std::make_shared<QList<int>>(std::move(picks));
    return [queue](int count) { return queue->isEmpty() ? 0 : std::min(queue->takeFirst(), count - 1); };
}

// Statements by pattern: per row the truth ('T' or 'F') and the answer ('L', 'R' or '-').
QList<TTrueFalseItem> Rows(const QString &truths, const QString &answers)
{
    QList<TTrueFalseItem> items;
    for (int i = 0; i < truths.size(); ++i) {
        TTrueFalseItem item;
        item.Text = u"s%1"_s.arg(i + 1);
        item.Truth = truths[i] == u'T';
        if (answers[i] == u'L')
            item.Answer = TTrueFalseItem::LeftTicked;
        else if (answers[i] == u'R')
            item.Answer = TTrueFalseItem::RightTicked;
        items.append(item);
    }
    return items;
}

// Every character 6 pixels wide (bold 8), lines 12 high: easy sums.
TableMetrics Metrics(int width = 660)
{
    TableMetrics m;
    m.TextWidth = [](const QString &t) { return int(t.size()) * 6; };
    m.BoldWidth = [](const QString &t) { return int(t.size()) * 8; };
    m.TextHeight = 12;
    m.BoxSize = 23;
    m.MarkWidth = 17;
    m.Width = width;
    return m;
}

} // namespace

class TrueFalseModelTest : public QObject
{
    Q_OBJECT

private slots:
    void readsTheTable()
    {
        const QString body =
            Headings +
            u"<kolumna id=\"3\">Not said</kolumna>"
            u"<polecenie id=\"1\">Listen.</polecenie><polecenie id=\"0\">Posłuchaj.</polecenie>"_s +
            Statement(u"Tom gets up at seven."_s, u"1"_s) + Statement(u"He has a bath."_s, u"0"_s) +
            Statement(u"He walks."_s, u"2"_s) + Statement(u"  "_s, u"1"_s) + u"<html>x</html>"_s;
        const TF2ReadResult r = ReadTF2(TFFile(body), 1, 0);
        QVERIFY2(r.Ok(), qPrintable(r.Error));
        QCOMPARE(r.Exercise.MediaFile, u"t.mp3"_s);
        QCOMPARE(r.Exercise.Instruction, u"Listen."_s);
        QCOMPARE(r.Exercise.Hint, u"Posłuchaj."_s);
        QCOMPARE(r.Exercise.LeftHeading, u"True"_s);
        QCOMPARE(r.Exercise.RightHeading, u"False"_s);
        // The empty statement is left out; odp "2" is true like any value but 0.
        QCOMPARE(r.Exercise.Items.size(), 3);
        QCOMPARE(r.Exercise.Items[1].Text, u"He has a bath."_s);
        QList<bool> truths;
        for (const TTrueFalseItem &item : r.Exercise.Items) {
            truths << item.Truth;
            QVERIFY(!item.IsAnswered());
        }
        QCOMPARE(truths, (QList<bool>{true, false, true}));
    }

    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("problem"); // what the checker says of the same file
        QTest::addRow("not xml") << QByteArray("<cwiczenie><config>") << QString();
        QTest::addRow("one heading") << TFFile(u"<kolumna>True</kolumna>"_s + Statement(u"a"_s, u"1"_s))
                                     << u"two column headings (kolumna) are needed, the file has 1"_s;
        QTest::addRow("no statement") << TFFile(Headings) << u"there is no statement to judge"_s;
        QTest::addRow("only empty statements")
            << TFFile(Headings + Statement(QString(), u"1"_s))
            << u"statement 1: the statement (tresc) is empty and is left out"_s;
        QTest::addRow("odp not a number") << TFFile(Headings + Statement(u"a"_s, u"yes"_s))
                                          << u"statement 1: odp \"yes\" is not a number"_s;
    }

    void refusesBadFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, problem);
        const TF2ReadResult r = ReadTF2(bytes, 1, 0);
        QVERIFY(!r.Ok());
        QVERIFY(r.Exercise.Items.isEmpty()); // never half a table
        const QStringList problems = InspectTF2(bytes);
        QVERIFY(!problems.isEmpty());
        if (!problem.isEmpty())
            QVERIFY2(problems.contains(problem), qPrintable(problems.join(u'\n')));
    }

    void soundFileHasNoProblems()
    {
        QCOMPARE(InspectTF2(TFFile(Headings + Statement(u"a"_s, u"1"_s))), QStringList());
    }

    void shuffleIsADrawWithoutReplacement()
    {
        QList<TTrueFalseItem> items = Rows(u"TFTF"_s, u"----"_s);
        ShuffleStatements(items, Scripted({2, 2, 0, 0}));
        QStringList order;
        for (const TTrueFalseItem &item : items)
            order << item.Text;
        // From s1..s4 take the third (s3), then the third of s1 s2 s4 (s4), then s1, s2.
        QCOMPARE(order, (QStringList{u"s3"_s, u"s4"_s, u"s1"_s, u"s2"_s}));
        QCOMPARE(items[0].Truth, true);
        QCOMPARE(items[1].Truth, false);
    }

    void ticking()
    {
        QList<TTrueFalseItem> items = Rows(u"TF"_s, u"--"_s);
        Tick(items, 0, false);
        Tick(items, 0, true); // right, then left: left stays ticked
        QCOMPARE(items[0].Answer, TTrueFalseItem::LeftTicked);
        Tick(items, 1, false);
        QCOMPARE(items[1].Answer, TTrueFalseItem::RightTicked);
        Tick(items, 5, true); // no such row: nothing happens
        QCOMPARE(ScoreTrueFalse(items).Percent(), std::optional<int>(100));
    }

    void scoring_data()
    {
        QTest::addColumn<QString>("truths");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("good");
        QTest::addColumn<int>("percent");
        QTest::addRow("3 right, 1 wrong, 1 unanswered") << u"TTFFT"_s << u"LLRL-"_s << 3 << 60;
        QTest::addRow("all right") << u"TF"_s << u"LR"_s << 2 << 100;
        QTest::addRow("nothing answered") << u"TF"_s << u"--"_s << 0 << 0;
        QTest::addRow("two of three: 67") << u"TTT"_s << u"LLR"_s << 2 << 67;
        QTest::addRow("five of eight: 62.5 to 62") << u"TTTTTTTT"_s << u"LLLLLRRR"_s << 5 << 62;
    }

    void scoring()
    {
        QFETCH(QString, truths);
        QFETCH(QString, answers);
        QFETCH(int, good);
        QFETCH(int, percent);
        const TrueFalseScore score = ScoreTrueFalse(Rows(truths, answers));
        QCOMPARE(score.Good, good);
        QCOMPARE(score.Good + score.Bad, int(truths.size()));
        QCOMPARE(score.Percent(), std::optional<int>(percent));
    }

    void noStatementsNoScore() { QCOMPARE(ScoreTrueFalse({}).Percent(), std::nullopt); }

    void layoutCentresColumnsUnderHeadings_data()
    {
        QTest::addColumn<QString>("left");
        QTest::addColumn<QString>("right");
        QTest::addRow("equal") << u"True"_s << u"Fals"_s;
        QTest::addRow("right wider") << u"Yes"_s << u"Not said"_s;
        QTest::addRow("left wider") << u"It holds"_s << u"No"_s;
    }

    void layoutCentresColumnsUnderHeadings()
    {
        QFETCH(QString, left);
        QFETCH(QString, right);
        const TableMetrics m = Metrics();
        const TableLayout layout = LayOutTable(Rows(u"TF"_s, u"--"_s), left, right, m, TableView::Open);
        const int c = int(std::max(left.size(), right.size())) * 8;
        for (const TableRow &row : layout.Rows) {
            // Each box column's centre is its heading's centre (within the rounding of halves).
            QVERIFY(qAbs(row.LeftBox.x() + 11 - layout.LeftHeading.Rect.center().x()) <= 1);
            QVERIFY(qAbs(row.RightBox.x() + 11 - layout.RightHeading.Rect.center().x()) <= 1);
            // The columns stand the wider heading's width plus 18 apart.
            QCOMPARE(row.RightBox.x() - row.LeftBox.x(), c + 18);
            QCOMPARE(row.Rect, QRect(row.LeftBox, QSize(c + 18 + 23, 23)));
        }
        // The statement stands right of both columns and of the right heading.
        QVERIFY(layout.Words.first().Rect.left() > layout.Rows[0].RightBox.x() + 23);
        QVERIFY(layout.Words.first().Rect.left() > layout.RightHeading.Rect.right());
    }

    void layoutRowsAndPictures_data()
    {
        QTest::addColumn<QSize>("top");
        QTest::addColumn<QSize>("bottom");
        QTest::addColumn<int>("firstRow"); // top of the first row
        QTest::addColumn<int>("content");
        // Headings 12 high + 12, rows 27 each (23 + 4), 20 below the rows.
        QTest::addRow("no pictures") << QSize() << QSize() << 24 << 24 + 2 * 27 + 20;
        QTest::addRow("top picture") << QSize(260, 150) << QSize() << 170 + 24 << 170 + 24 + 2 * 27 + 20;
        QTest::addRow("both pictures") << QSize(260, 150) << QSize(200, 100) << 194 << 194 + 54 + 20 + 100;
    }

    void layoutRowsAndPictures()
    {
        QFETCH(QSize, top);
        QFETCH(QSize, bottom);
        QFETCH(int, firstRow);
        QFETCH(int, content);
        const TableLayout layout = LayOutTable(Rows(u"TF"_s, u"--"_s), u"True"_s, u"False"_s, Metrics(),
                                               TableView::Open, top, bottom);
        QCOMPARE(layout.Rows[0].LeftBox.y(), firstRow);
        QCOMPARE(layout.Rows[1].LeftBox.y(), firstRow + 27);
        QCOMPARE(layout.ContentHeight, content);
        QCOMPARE(layout.RowsBottom, firstRow + 2 * 27 - 4);
        if (!top.isEmpty())
            QCOMPARE(layout.TopPicture, QRect(QPoint((660 - top.width()) / 2, 0), top));
        if (!bottom.isEmpty())
            QCOMPARE(layout.BottomPicture.topLeft(), QPoint((660 - bottom.width()) / 2, firstRow + 54 + 20));
        // The rule between the columns runs from the headings to below the last row.
        QCOMPARE(layout.Pion.top(), layout.LeftHeading.Rect.top());
        QCOMPARE(layout.Pion.bottom() + 1, firstRow + 54);
    }

    void layoutWrapsLongStatements()
    {
        // 6 pixels a character: the statement starts at 2 × 40 + 46 = 126 and wraps at 300.
        QList<TTrueFalseItem> items = Rows(u"TF"_s, u"--"_s);
        items[0].Text = u"aaaaaaaaaa bbbbbbbbbb cccccccccc"_s; // three words of 60 pixels
        const TableLayout layout = LayOutTable(items, u"True"_s, u"False"_s, Metrics(300), TableView::Open);
        const int textLeft = layout.Words[0].Rect.left();
        QCOMPARE(layout.Words[1].Rect.left(), textLeft + 64);
        QCOMPARE(layout.Words[2].Rect.left(), textLeft); // 126 + 128 + 60 > 300: a new line
        QCOMPARE(layout.Words[2].Rect.top(), layout.Words[0].Rect.top() + 27);
        // The next row stands below the wrapped line.
        QCOMPARE(layout.Rows[1].LeftBox.y(), layout.Rows[0].LeftBox.y() + 2 * 27);
    }

    void layoutFollowsTheView_data()
    {
        QTest::addColumn<int>("view");
        QTest::addColumn<QString>("ticks"); // per row: L, R, or -
        QTest::addColumn<QString>("marks"); // per row: +, x or space
        // Rows: true ticked left (right), false ticked left (wrong), true unanswered.
        QTest::addRow("open") << int(TableView::Open) << u"LL-"_s << u"   "_s;
        QTest::addRow("scored") << int(TableView::Scored) << u"LL-"_s << u"+xx"_s;
        QTest::addRow("right answers") << int(TableView::RightAnswers) << u"LRL"_s << u"   "_s;
    }

    void layoutFollowsTheView()
    {
        QFETCH(int, view);
        QFETCH(QString, ticks);
        QFETCH(QString, marks);
        const TableLayout layout =
            LayOutTable(Rows(u"TFT"_s, u"LL-"_s), u"True"_s, u"False"_s, Metrics(), TableView(view));
        for (int r = 0; r < 3; ++r) {
            const TableRow &row = layout.Rows[r];
            QCOMPARE(row.LeftTicked, ticks[r] == u'L');
            QCOMPARE(row.RightTicked, ticks[r] == u'R');
            const RowMark mark = marks[r] == u'+'   ? RowMark::Right
                                 : marks[r] == u'x' ? RowMark::Wrong
                                                    : RowMark::None;
            QCOMPARE(row.Mark, mark);
            if (mark != RowMark::None) {
                // The mark stands left of the left box, inside the area.
                QCOMPARE(row.MarkTopLeft.x(), row.LeftBox.x() - 17 - 2);
                QVERIFY(row.MarkTopLeft.x() >= 0);
            }
        }
    }

    void boxesAreHitOneByOne()
    {
        const TableLayout layout =
            LayOutTable(Rows(u"TF"_s, u"--"_s), u"True"_s, u"False"_s, Metrics(), TableView::Open);
        const TableRow &second = layout.Rows[1];
        QCOMPARE(BoxAt(layout, 23, second.LeftBox + QPoint(1, 1)).Row, 1);
        QCOMPARE(BoxAt(layout, 23, second.LeftBox + QPoint(22, 22)).Left, true);
        QCOMPARE(BoxAt(layout, 23, second.RightBox + QPoint(5, 5)).Left, false);
        QVERIFY(!BoxAt(layout, 23, second.LeftBox + QPoint(30, 5)).IsValid()); // between the boxes
        QVERIFY(!BoxAt(layout, 23, second.LeftBox + QPoint(1, 24)).IsValid()); // below the last row
    }
};

QTEST_GUILESS_MAIN(TrueFalseModelTest)
#include "tst_truefalsemodel.moc"
