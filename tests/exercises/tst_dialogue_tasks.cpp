// Dialogues as tasks without their screens: the gaps of a line, the hidden lines and questions
// of the comprehension run, and the words, slots, tiles, marks and layouts of the completion run.

#include "exercises/dialogues/CompletionModel.h"
#include "exercises/dialogues/ComprehensionModel.h"
#include "exercises/dialogues/DialogueGaps.h"
#include "utils/Utils.h"

#include <QtTest>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Completion;
using Comprehension::TComprehensionRun;

namespace {

// Draws that take the given entries in turn (clamped to what is there), then 0.
Utils::RandomPick Scripted(QList<int> picks)
{
    auto queue = std::make_shared<QList<int>>(std::move(picks));
    return [queue](int count) { return queue->isEmpty() ? 0 : std::min(queue->takeFirst(), count - 1); };
}

// Always the last entry.
int Last(int count)
{
    return count - 1;
}

// "1" shown, "0" hidden, one character a line.
QList<bool> Flags(const QString &pattern)
{
    QList<bool> flags;
    for (QChar c : pattern)
        flags << (c == u'1');
    return flags;
}

QString Pattern(const QList<bool> &flags)
{
    QString pattern;
    for (bool f : flags)
        pattern += f ? u'1' : u'0';
    return pattern;
}

QStringList Recordings(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << u"d_%1.mp3"_s.arg(i, 2, 10, QChar(u'0'));
    return names;
}

int Width(const QString &text)
{
    return int(text.size()) * 10;
}

// Each character 10 pixels, a blank 5, a 650 x 100 area, the skin's picture sizes.
TCompletionMetrics Metrics(int width = 650, int height = 100, int offset = 0)
{
    TCompletionMetrics m;
    m.WordWidth = Width;
    m.Blank = 5;
    m.Width = width;
    m.Height = height;
    m.ScrollOffset = offset;
    m.SpeakerWidth = 25;
    m.SlotLeft = 3;
    m.SlotRight = 5;
    m.SlotHeight = 21;
    m.MarkWidth = 16;
    m.MarkHeight = 16;
    return m;
}

TCompletionRun Run(const QList<TLineText> &lines, int mode = 1, Utils::RandomPick pick = Scripted({}))
{
    TCompletionRun run;
    run.Start(lines, mode, pick, Width);
    return run;
}

// The slots' answers in reading order.
QStringList Answers(const TCompletionRun &run)
{
    QStringList answers;
    for (int slot : run.Slots())
        answers << run.Tokens()[slot].Answer;
    return answers;
}

bool Adjacent(const QList<int> &lines)
{
    for (int a : lines) {
        if (lines.contains(a + 1))
            return true;
    }
    return false;
}

} // namespace

class DialogueTasks : public QObject
{
    Q_OBJECT

private slots:
    void init() { Utils::InterfaceTexts() = {u"1=You put here:"_s, u"2=nothing"_s}; }

    // --- MakeGaps -------------------------------------------------------------------------

    void makeGaps_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("expected");

        QTest::addRow("mode 1 keeps the author's gap")
            << u"I <can> help you."_s << 1 << QList<int>{} << u"I <can> help you."_s;
        QTest::addRow("mode 1 keeps punctuation inside")
            << u"A large <cappuccino,> please."_s << 1 << QList<int>{} << u"A large <cappuccino,> please."_s;
        QTest::addRow("mode 3 drops the mark, first word")
            << u"I <can> help you."_s << 3 << QList<int>{0} << u"<I> can help you. "_s;
        QTest::addRow("mode 3 drops the mark, its word")
            << u"I <can> help you."_s << 3 << QList<int>{1} << u"I <can> help you. "_s;
        QTest::addRow("mode 3 full stop out of the marks")
            << u"I <can> help you."_s << 3 << QList<int>{3} << u"I can help <you>. "_s;
        QTest::addRow("mode 3 several-word gap split")
            << u"<Thank you> very much"_s << 3 << QList<int>{3} << u"Thank you very <much> "_s;
        QTest::addRow("mode 2 three tokens add nothing")
            << u"Please <pass the> salt"_s << 2 << QList<int>{} << u"Please <pass the> salt "_s;
        QTest::addRow("mode 2 author's gap, punctuation out") << u"<x.>"_s << 2 << QList<int>{} << u"<x>. "_s;
        QTest::addRow("mode 2 comma moves behind the slot")
            << u"A large <cappuccino,> please."_s << 2 << QList<int>{} << u"A large <cappuccino>, please. "_s;
        QTest::addRow("mode 2 keeps what follows a gap")
            << u"Can I <help>? Yes."_s << 2 << QList<int>{} << u"Can I <help>? Yes. "_s;
        QTest::addRow("mode 2 twelve tokens, first candidate")
            << u"We <need> to buy some bread and milk for the party tonight."_s << 2 << QList<int>{0}
            << u"We <need> to <buy> some bread and milk for the party tonight. "_s;
        QTest::addRow("mode 2 twelve tokens, last candidate")
            << u"We <need> to buy some bread and milk for the party tonight."_s << 2 << QList<int>{8}
            << u"We <need> to buy some bread and milk for the party <tonight>. "_s;
        QTest::addRow("mode 2 unclosed < is a plain word")
            << u"a <b c d"_s << 2 << QList<int>{0} << u"<a> <b c d "_s;
        QTest::addRow("mode 2 enough author gaps")
            << u"<a> b <c> d e f g h i j k l"_s << 2 << QList<int>{} << u"<a> b <c> d e f g h i j k l "_s;
        QTest::addRow("mode 3 twenty-two tokens get three")
            << u"one two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen "
               u"sixteen seventeen eighteen nineteen twenty twentyone twentytwo"_s
            << 3 << QList<int>{0, 0, 0}
            << u"<one> two <three> four <five> six seven eight nine ten eleven twelve thirteen fourteen "
               u"fifteen sixteen seventeen eighteen nineteen twenty twentyone twentytwo "_s;
        QTest::addRow("no word to take a gap ends") << u"- - ... !"_s << 3 << QList<int>{} << u"- - ... ! "_s;
        QTest::addRow("author's gap leaves no word for the rest")
            << u"- - <yes> - - - - - - - - -"_s << 2 << QList<int>{} << u"- - <yes> - - - - - - - - - "_s;
        QTest::addRow("blanks collapse")
            << u"  Hi,   there  you   go "_s << 3 << QList<int>{1} << u"Hi, <there> you go "_s;
        QTest::addRow("mode 0 empties the line") << u"I can help you."_s << 0 << QList<int>{} << QString();
        QTest::addRow("mode 4 empties the line") << u"I can help you."_s << 4 << QList<int>{} << QString();
    }

    void makeGaps()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        QFETCH(QList<int>, picks);
        QFETCH(QString, expected);
        QCOMPARE(DialogueGaps::MakeGaps(text, mode, Scripted(picks)), expected);
    }

    // Whatever is drawn, a random gap never stands beside another gap and the target is met.
    void randomGapsNeverTouch_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("gaps");
        QTest::addRow("12 tokens, one author gap")
            << u"We <need> to buy some bread and milk for the party tonight."_s << 2 << 2;
        QTest::addRow("22 tokens, two author gaps")
            << u"a <b> c d e f g h i j k l m n o p q r s t <u> v"_s << 2 << 3;
        QTest::addRow("4 tokens, random only") << u"Nice to meet you."_s << 3 << 1;
    }

    void randomGapsNeverTouch()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        QFETCH(int, gaps);
        for (int first = 0; first < 24; ++first) {
            for (Utils::RandomPick pick : {Scripted({first, first, first}), Utils::RandomPick(Last)}) {
                const QString gapped = DialogueGaps::MakeGaps(text, mode, pick);
                const QStringList words = gapped.split(u' ', Qt::SkipEmptyParts);
                QList<int> marked;
                for (int i = 0; i < words.size(); ++i) {
                    if (words[i].contains(u'<'))
                        marked << i;
                }
                QVERIFY2(marked.size() == gaps, qPrintable(gapped));
                QVERIFY2(!Adjacent(marked), qPrintable(gapped));
                QCOMPARE(DialogueGaps::CountGaps(gapped), gaps);
            }
        }
    }

    void gapTarget_data()
    {
        QTest::addColumn<int>("tokens");
        QTest::addColumn<int>("target");
        for (auto [n, t] : {std::pair{0, 0}, {3, 0}, {4, 1}, {11, 1}, {12, 2}, {21, 2}, {22, 3}, {60, 3}})
            QTest::addRow("%d tokens", n) << n << t;
    }

    void gapTarget()
    {
        QFETCH(int, tokens);
        QFETCH(int, target);
        QCOMPARE(DialogueGaps::GapTarget(tokens), target);
    }

    void cutGappedLine_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("pieces"); // words as they are, slots in [ ]
        QTest::addRow("words and a slot") << u"Can I <help> you?"_s << u"Can|I|[help]|you?"_s;
        QTest::addRow("comma after the slot") << u"a <large>, b"_s << u"a|[large]|,|b"_s;
        QTest::addRow("slot of two words") << u"<Thank  you> very much"_s << u"[Thank you]|very|much"_s;
        QTest::addRow("slot inside a word") << u"x<y>z"_s << u"x|[y]|z"_s;
        QTest::addRow("unclosed < stays in its word") << u"a <b c <d> e"_s << u"a|<b|c|[d]|e"_s;
        QTest::addRow("empty gap is no slot") << u"a <> b < > c"_s << u"a|b|c"_s;
        QTest::addRow("stray > stays") << u"a > b"_s << u"a|>|b"_s;
        QTest::addRow("empty line") << QString() << QString();
    }

    void cutGappedLine()
    {
        QFETCH(QString, text);
        QFETCH(QString, pieces);
        QStringList got;
        for (const DialogueGaps::TGapPiece &piece : DialogueGaps::CutGappedLine(text))
            got << (piece.IsGap ? u'[' + piece.Text + u']' : piece.Text);
        QCOMPARE(got.join(u'|'), pieces);
    }

    // --- Comprehension ----------------------------------------------------------------------

    void hiddenTarget_data()
    {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("target");
        for (auto [n, t] : {std::pair{1, 2},
                            {7, 2},
                            {8, 3},
                            {11, 3},
                            {12, 4},
                            {14, 4},
                            {15, 5},
                            {17, 5},
                            {18, 6},
                            {20, 6},
                            {21, 7},
                            {40, 7}})
            QTest::addRow("%d lines", n) << n << t;
    }

    void hiddenTarget()
    {
        QFETCH(int, lines);
        QFETCH(int, target);
        QCOMPARE(Comprehension::HiddenTarget(lines), target);
    }

    void hideLines_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("picks");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QList<int>>("hidden");

        QTest::addRow("mode 1: the author's")
            << u"1011110111"_s << 1 << QList<int>{} << u"1011110111"_s << QList<int>{1, 6};
        QTest::addRow("mode 1: none marked hides none")
            << u"1111"_s << 1 << QList<int>{} << u"1111"_s << QList<int>{};
        // 10 lines, target 3: candidates after hiding 4 are 0, 1, 2, 6, 7, 8, 9.
        QTest::addRow("mode 2: topped up")
            << u"1111011111"_s << 2 << QList<int>{0, 2} << u"0111011011"_s << QList<int>{4, 0, 7};
        QTest::addRow("mode 2: enough already")
            << u"0101111"_s << 2 << QList<int>{} << u"0101111"_s << QList<int>{0, 2};
        QTest::addRow("mode 2: no candidate left")
            << u"101"_s << 2 << QList<int>{} << u"101"_s << QList<int>{1};
        QTest::addRow("mode 3: file ignored")
            << u"0000000"_s << 3 << QList<int>{0, 0} << u"0101111"_s << QList<int>{0, 2};
        QTest::addRow("mode 3: one line") << u"1"_s << 3 << QList<int>{} << u"0"_s << QList<int>{0};
        QTest::addRow("mode 3: two lines") << u"11"_s << 3 << QList<int>{1} << u"10"_s << QList<int>{1};
        QTest::addRow("mode 5: nothing hidden")
            << u"1001"_s << 5 << QList<int>{} << u"1111"_s << QList<int>{};
    }

    void hideLines()
    {
        QFETCH(QString, file);
        QFETCH(int, mode);
        QFETCH(QList<int>, picks);
        QFETCH(QString, shown);
        QFETCH(QList<int>, hidden);
        QList<bool> flags = Flags(file);
        QCOMPARE(Comprehension::HideLines(flags, mode, Scripted(picks)), hidden);
        QCOMPARE(Pattern(flags), shown);
    }

    // 21 lines in mode 3: exactly 7 hidden, none beside another, however the draws fall.
    void mode3HidesSevenOfTwentyOne()
    {
        for (Utils::RandomPick pick : {Scripted({}), Utils::RandomPick(Last), Utils::MakeSeededPick(7),
                                       Utils::MakeSeededPick(2026), Scripted({1, 1, 1, 1, 1, 1, 1})}) {
            QList<bool> flags = Flags(u"000000000000000000000"_s);
            const QList<int> hidden = Comprehension::HideLines(flags, 3, pick);
            QCOMPARE(hidden.size(), 7);
            QCOMPARE(flags.count(false), 7);
            QVERIFY2(!Adjacent(hidden), qPrintable(Pattern(flags)));
        }
    }

    // A run: the queue, right and wrong clicks, the running and final score.
    void comprehensionRun()
    {
        TComprehensionRun run;
        // Author-hidden lines 1, 3, 5, 7; first question at queue index 0; the queue keeps its order.
        run.Start(Flags(u"10101010"_s), Recordings(8), 1, Scripted({0, 0, 0, 0, 0}));
        QCOMPARE(run.HiddenCount(), 4);
        QCOMPARE(run.Queue(), (QStringList{u"d_02.mp3"_s, u"d_04.mp3"_s, u"d_06.mp3"_s, u"d_08.mp3"_s}));
        QCOMPARE(run.CurrentRecording(), u"d_02.mp3"_s);

        QCOMPARE(run.Click(0), TComprehensionRun::TClick::Nothing); // a shown line
        QCOMPARE(run.Click(3), TComprehensionRun::TClick::Wrong);
        QCOMPARE(run.Percent(), 0);
        QCOMPARE(run.CurrentRecording(), u"d_02.mp3"_s); // the question stays
        QCOMPARE(run.Click(1), TComprehensionRun::TClick::Right);
        QVERIFY(run.IsShown(1));
        QCOMPARE(run.Percent(), 20);                                // 1 right of 4 hidden + 1 wrong
        QCOMPARE(run.Click(1), TComprehensionRun::TClick::Nothing); // now shown
        // The entry that moved into the answered place is passed over once.
        QCOMPARE(run.CurrentRecording(), u"d_06.mp3"_s);
        QCOMPARE(run.Click(5), TComprehensionRun::TClick::Right);
        QCOMPARE(run.CurrentRecording(), u"d_04.mp3"_s); // past the end: back to the start
        QCOMPARE(run.Click(3), TComprehensionRun::TClick::Right);
        QCOMPARE(run.CurrentRecording(), u"d_08.mp3"_s);
        QVERIFY(!run.Finished());
        QCOMPARE(run.Click(7), TComprehensionRun::TClick::Right);
        QVERIFY(run.Finished());
        QCOMPARE(run.CurrentRecording(), QString());
        QCOMPARE(run.Percent(), 80);
        QCOMPARE(run.Click(7), TComprehensionRun::TClick::Nothing);
        QCOMPARE(run.Wrong(), 1);
    }

    void comprehensionScore_data()
    {
        QTest::addColumn<int>("hidden");
        QTest::addColumn<int>("wrong");
        QTest::addColumn<int>("percent");
        QTest::addRow("no mistake") << 2 << 0 << 100;
        QTest::addRow("4 and 1") << 4 << 1 << 80;
        QTest::addRow("3 and 2") << 3 << 2 << 60;
        QTest::addRow("2 and 6") << 2 << 6 << 25;
        QTest::addRow("3 and 5: 37.5 to 38") << 3 << 5 << 38;
        QTest::addRow("2 and 14: 12.5 to 12") << 2 << 14 << 12;
    }

    // Wrong clicks first, then every question answered: the final score.
    void comprehensionScore()
    {
        QFETCH(int, hidden);
        QFETCH(int, wrong);
        QFETCH(int, percent);
        QString file;
        for (int i = 0; i < 2 * hidden; ++i)
            file += i % 2 ? u'0' : u'1';
        TComprehensionRun run;
        run.Start(Flags(file), Recordings(int(file.size())), 1, Utils::MakeSeededPick(11));
        for (int i = 0; i < wrong; ++i) {
            const int other = run.CurrentRecording() == u"d_02.mp3"_s ? 3 : 1;
            QCOMPARE(run.Click(other), TComprehensionRun::TClick::Wrong);
        }
        while (!run.Finished()) {
            const int line = Recordings(int(file.size())).indexOf(run.CurrentRecording());
            QCOMPARE(run.Click(line), TComprehensionRun::TClick::Right);
        }
        QCOMPARE(run.Percent(), percent);
    }

    // Two hidden lines with one recording: either answers it.
    void sameRecordingIsInterchangeable()
    {
        TComprehensionRun run;
        run.Start(Flags(u"1010"_s), {u"a.mp3"_s, u"same.mp3"_s, u"b.mp3"_s, u"same.mp3"_s}, 1, Scripted({}));
        QCOMPARE(run.Click(3), TComprehensionRun::TClick::Right);
        QCOMPARE(run.Click(1), TComprehensionRun::TClick::Right);
        QVERIFY(run.Finished());
        QCOMPARE(run.Percent(), 100);
    }

    // Nothing hidden: no question, no score.
    void nothingHiddenAsksNothing()
    {
        TComprehensionRun run;
        run.Start(Flags(u"1111"_s), Recordings(4), 1, Scripted({}));
        QVERIFY(!run.HasQuestions());
        QVERIFY(!run.Finished());
        QCOMPARE(run.CurrentRecording(), QString());
        QCOMPARE(run.Click(0), TComprehensionRun::TClick::Nothing);
    }

    // The lines laid out: words after the speaker, frames of hidden lines, rows out of sight.
    void comprehensionLayout()
    {
        QList<TKwestia> lines(3);
        lines[0].Text = u"Hi , you"_s;
        lines[1].Text = u"Hidden line"_s;
        lines[2].Text = u"aaaaaaaaaa bbbbbbbbbb"_s;
        TComprehensionRun run;
        run.Start(Flags(u"101"_s), Recordings(3), 1, Scripted({}));
        Comprehension::TComprehensionMetrics m;
        m.Flow.TextWidth = Width;
        m.Flow.Blank = 5;
        m.Flow.Width = 200;
        m.Height = 50;
        m.Speaker = QSize(25, 20);
        m.Frame = QSize(40, 18);

        Comprehension::TComprehensionLayout layout = Comprehension::LayOutComprehension(lines, run, m);
        QCOMPARE(layout.Lines[0].Speaker, QRect(8, 2, 25, 20));
        // The text starts after the speaker and two blanks; the comma stands against "Hi".
        QCOMPARE(layout.Lines[0].Words.size(), 3);
        QCOMPARE(layout.Lines[0].Words[0].X, 43);
        QCOMPARE(layout.Lines[0].Words[1].X, 63);
        QCOMPARE(layout.Lines[0].Words[2].X, 78);
        QVERIFY(layout.Lines[0].Frame.isEmpty());
        QVERIFY(layout.Lines[1].Words.isEmpty());
        QCOMPARE(layout.Lines[1].Frame, QRect(43, 25, 40, 18));
        // The third line wraps under its text start, below the area: not drawn.
        QVERIFY(!layout.Lines[2].RowVisible);
        QCOMPARE(layout.Lines[2].Words[1].X, 43);
        QCOMPARE(layout.Lines[2].Words[1].Y, 75);
        QCOMPARE(layout.ContentHeight, 100);
        QCOMPARE(Comprehension::FrameAt(layout, QPoint(50, 30)), 1);
        QCOMPARE(Comprehension::FrameAt(layout, QPoint(50, 5)), -1);

        // Scrolled a row: the frame moves up; once answered it has none.
        m.ScrollOffset = 25;
        layout = Comprehension::LayOutComprehension(lines, run, m);
        QCOMPARE(layout.Lines[1].Frame, QRect(43, 0, 40, 18));
        QVERIFY(!layout.Lines[0].RowVisible);
        QCOMPARE(run.Click(1), TComprehensionRun::TClick::Right);
        layout = Comprehension::LayOutComprehension(lines, run, m);
        QCOMPARE(Comprehension::FrameAt(layout, QPoint(50, 5)), -1);
        QCOMPARE(layout.Lines[1].Words.size(), 2);
    }

    // --- Completion -------------------------------------------------------------------------

    void completionTokens_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<QString>("words");
        QTest::addRow("mode 1: comma stays in the answer")
            << 1 << u"cappuccino,|here"_s << u"END|A|large|please.|END|END"_s;
        QTest::addRow("mode 2: comma becomes a word")
            << 2 << u"cappuccino|here"_s << u"END|A|large|,|please.|END|END"_s;
        QTest::addRow("mode 9: no words, no slots") << 9 << QString() << u"END|END"_s;
    }

    // The line-start pieces, words and slots of two lines; a word "END" is still a word.
    void completionTokens()
    {
        QFETCH(int, mode);
        QFETCH(QString, answers);
        QFETCH(QString, words);
        const TCompletionRun run = Run({{1, u"A large <cappuccino,> please."_s}, {2, u"END <here>"_s}}, mode);
        QCOMPARE(Answers(run).join(u'|'), answers);
        QStringList got;
        int lineStarts = 0;
        for (const TSlowo &token : run.Tokens()) {
            if (!token.IsGap)
                got << token.Word;
            lineStarts += token.StartsLine;
        }
        QCOMPARE(got.join(u'|'), words);
        QCOMPARE(lineStarts, 2);
        QCOMPARE(run.Tiles().size(), run.Slots().size());
        if (!run.Slots().isEmpty()) {
            QCOMPARE(run.SlotWidth(), Width(u"cappuccino,"_s) + (mode == 1 ? 20 : 10));
            QCOMPARE(run.Tokens()[run.Slots().constLast()].Speaker, 2);
        }
    }

    // The tiles lie in a drawn order and carry their slot's answer and name.
    void tilesCarryTheirSlot()
    {
        const TCompletionRun run = Run({{1, u"<a> b <c> d <e>"_s}}, 1, Scripted({2, 0, 0}));
        QCOMPARE(run.TileOrder(), (QList<int>{2, 0, 1}));
        QCOMPARE(run.Tiles()[1].Caption, u"c"_s);
        QCOMPARE(run.Tiles()[1].Slot, 3);
        QCOMPARE(TileName(run.Tiles()[1].Slot), u"AF3"_s);
        QCOMPARE(run.TileOf(u"AF3"_s), 1);
    }

    // Placing, moving, lifting and missing, slot by slot.
    void tilesInAndOutOfSlots()
    {
        TCompletionRun run = Run({{1, u"<a> x <b> y <c>"_s}});
        const int a = run.Slots()[0], b = run.Slots()[1], c = run.Slots()[2];
        const auto placed = [&] {
            return QStringList{run.Tokens()[a].Placed, run.Tokens()[b].Placed, run.Tokens()[c].Placed}.join(
                u'|');
        };

        // A tile from the notebook that misses every slot changes none.
        QVERIFY(!run.Drop(0, -1));
        QCOMPARE(placed(), u"||"_s);
        QVERIFY(run.Drop(0, b));
        QCOMPARE(placed(), u"|a|"_s);
        QCOMPARE(run.Tokens()[b].TileName, u"AF%1"_s.arg(a));
        // On a filled slot: home, and no slot changes but the one it came from.
        QVERIFY(!run.Drop(1, b));
        QCOMPARE(placed(), u"|a|"_s);
        QCOMPARE(run.Tiles()[1].OstatnieSlowo, -1);
        // From one slot to another empties the first.
        QVERIFY(run.Drop(0, c));
        QCOMPARE(placed(), u"||a"_s);
        QVERIFY(run.Tokens()[b].IsEmpty);
        QVERIFY(run.Tokens()[b].TileName.isEmpty());
        // Lifted out of a slot: the slot shows empty while dragging, takes it back on a drop
        // into itself, and is emptied by a drop outside.
        QCOMPARE(run.Lift(c), 0);
        QCOMPARE(placed(), u"||"_s);
        QVERIFY(run.Drop(0, c));
        QCOMPARE(placed(), u"||a"_s);
        QCOMPARE(run.Lift(c), 0);
        QVERIFY(!run.Drop(0, -1));
        QCOMPARE(placed(), u"||"_s);
        QVERIFY(run.Tokens()[c].IsEmpty);
        QCOMPARE(run.Tiles()[0].OstatnieSlowo, -1);
        QCOMPARE(run.Lift(c), -1);                 // an empty slot has nothing to lift
        QVERIFY(!run.Drop(2, run.Slots()[0] + 1)); // a word is no slot
    }

    void completionScore_data()
    {
        QTest::addColumn<QList<int>>("put"); // the tile put in each slot, -1 for none
        QTest::addColumn<int>("right");
        QTest::addColumn<int>("percent");
        // Tiles 0 and 2 are both "go".
        QTest::addRow("all right") << QList<int>{0, 1, 2, 3} << 4 << 100;
        QTest::addRow("the two go tiles crossed") << QList<int>{2, 1, 0, 3} << 4 << 100;
        QTest::addRow("3 right, 1 left empty") << QList<int>{0, 1, 2, -1} << 3 << 75;
        QTest::addRow("2 right 2 wrong") << QList<int>{0, 1, 3, 2} << 2 << 50;
        QTest::addRow("none placed") << QList<int>{-1, -1, -1, -1} << 0 << 0;
    }

    // Two slots with the same answer take either tile with that word.
    void completionScore()
    {
        QFETCH(QList<int>, put);
        QFETCH(int, right);
        QFETCH(int, percent);
        TCompletionRun run = Run({{1, u"<go> <to> x <go> y <the>"_s}}, 1, Scripted({3, 2, 1}));
        QCOMPARE(run.Tiles()[2].Caption, u"go"_s);
        for (int i = 0; i < put.size(); ++i) {
            if (put[i] >= 0)
                QVERIFY(run.Drop(put[i], run.Slots()[i]));
        }
        run.Check();
        QVERIFY(run.Marked());
        QVERIFY(run.HasScore());
        QCOMPARE(run.Right(), right);
        QCOMPARE(run.Wrong(), 4 - right);
        QCOMPARE(run.Percent(), percent);
        // Frozen after the check.
        QCOMPARE(run.Lift(run.Slots()[0]), -1);
        QVERIFY(!run.Drop(3, run.Slots()[3]));
    }

    // The right answers and the hints over the wrong slots' marks.
    void correctionsAndHints()
    {
        TCompletionRun run = Run({{1, u"<go> x <to> y <the>"_s}});
        QVERIFY(run.Drop(0, run.Slots()[0])); // go: right
        QVERIFY(run.Drop(2, run.Slots()[1])); // the in to's slot: wrong
        run.Check();                          // the last slot is left empty
        QCOMPARE(run.Percent(), 33);
        QCOMPARE(run.HintAt(run.Slots()[1]), QString()); // no hints before the right answers
        run.ShowCorrections();
        QVERIFY(run.CorrectionsShown());
        QCOMPARE(Answers(run), (QStringList{u"go"_s, u"to"_s, u"the"_s}));
        for (int slot : run.Slots())
            QCOMPARE(run.Tokens()[slot].Placed, run.Tokens()[slot].Answer);
        QCOMPARE(run.HintAt(run.Slots()[0]), QString());
        QCOMPARE(run.HintAt(run.Slots()[1]), u"You put here: <B>the</B>"_s);
        QCOMPARE(run.HintAt(run.Slots()[2]), u"<B>nothing</B>"_s);
        QCOMPARE(run.HintAt(2), QString()); // a word
    }

    // No slot at all: nothing to score.
    void noSlotNoScore_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("mode");
        QTest::addRow("mode 1 without gaps") << u"Hello there."_s << 1;
        QTest::addRow("empty gap") << u"Hello <> there."_s << 1;
        QTest::addRow("short line, random only") << u"Hi there."_s << 3;
        QTest::addRow("mode outside 1-3") << u"Hello <there>."_s << 0;
    }

    void noSlotNoScore()
    {
        QFETCH(QString, text);
        QFETCH(int, mode);
        TCompletionRun run = Run({{1, text}}, mode);
        QVERIFY(run.Slots().isEmpty());
        run.Check();
        QVERIFY(!run.HasScore());
    }

    // The layout: words and slots flow, slots keep their Rect, the marks take room after the check.
    void completionLayout()
    {
        TCompletionRun run = Run({{1, u"Hi <you> there"_s}, {2, u"abcdefghij <xy> end"_s}});
        QCOMPARE(run.SlotWidth(), 50);
        // A 190-pixel area: "abcdefghij" (100) fits after the speaker; the slot after it does not.
        TCompletionLayout layout = LayOutCompletion(run, Metrics(190));
        QCOMPARE(layout.Speakers.size(), 2);
        QCOMPARE(layout.Speakers[0].At, QPoint(8, 2));
        QCOMPARE(layout.Speakers[1].At, QPoint(8, 27));
        // Text starts at 8 + 25 + 2 blanks = 43: "Hi" 43..63, the slot at 68.
        QCOMPARE(layout.Words[0].At, QPoint(43, 0));
        QCOMPARE(layout.Slots[0].At, QPoint(68, 0));
        QCOMPARE(run.Tokens()[run.Slots()[0]].Rect, QRect(71, 0, 45, 21));
        // The slot's ends take 68..121 (3 + 50): "there" one blank after them.
        QCOMPARE(layout.Words[1].At, QPoint(126, 0));
        // The second line's slot wraps to a row of its own, after the speaker's column.
        QCOMPARE(layout.Slots[1].At, QPoint(43, 50));
        QCOMPARE(layout.LastRow, 50);
        QCOMPARE(layout.ScrollMaximum, 0);
        QCOMPARE(SlotAt(run, QPoint(80, 10)), run.Slots()[0]);
        QCOMPARE(SlotAt(run, QPoint(66, 10)), -1);

        // After the check: marks before the slots (the room they take moves "there" to a new
        // row); a right slot cannot be pointed at, a wrong one only at its mark once the right
        // answers show.
        QVERIFY(run.Drop(0, run.Slots()[0]));
        run.Check();
        layout = LayOutCompletion(run, Metrics(190));
        QCOMPARE(layout.Slots[0].At, QPoint(88, 0));
        QCOMPARE(layout.Slots[0].Mark, TMark::Right);
        QCOMPARE(layout.Slots[0].MarkAt, QPoint(68, -4));
        QVERIFY(run.Tokens()[run.Slots()[0]].Rect.isEmpty());
        QCOMPARE(layout.Slots[1].Mark, TMark::Wrong);
        QVERIFY(run.Tokens()[run.Slots()[1]].Rect.isEmpty());
        QCOMPARE(layout.Words[1].At, QPoint(43, 25));
        run.ShowCorrections();
        layout = LayOutCompletion(run, Metrics(190));
        QCOMPARE(layout.Slots[1].At, QPoint(63, 75));
        QCOMPARE(layout.Slots[1].MarkAt, QPoint(43, 73));
        QCOMPARE(run.Tokens()[run.Slots()[1]].Rect, QRect(43, 72, 16, 16));
        QCOMPARE(SlotAt(run, QPoint(50, 80)), run.Slots()[1]);

        // A mark written against a gap stands against the slot's end, not a blank away.
        TCompletionRun marked = Run({{1, u"I <go>? No <go>, yes"_s}});
        layout = LayOutCompletion(marked, Metrics());
        QCOMPARE(layout.Slots[0].At.x() + 3 + marked.SlotWidth() + 1, layout.Words[1].At.x());
        QCOMPARE(layout.Slots[1].At.x() + 3 + marked.SlotWidth() + 1, layout.Words[3].At.x());
        QCOMPARE(marked.Tokens()[layout.Words[3].Token].Word, u","_s);
        QCOMPARE(layout.Words[4].At.x(), layout.Words[3].At.x() + 10 + 5);
    }

    // Rows below the area are not drawn and cannot be pointed at; the scroll bar reaches them.
    void completionScrolling()
    {
        QList<TLineText> lines;
        for (int i = 0; i < 6; ++i)
            lines << TLineText{1 + i % 2, u"line <gap>"_s};
        TCompletionRun run = Run(lines);
        TCompletionLayout layout = LayOutCompletion(run, Metrics(650, 100));
        QCOMPARE(layout.LastRow, 125);
        QCOMPARE(layout.ScrollMaximum, 2); // rows at 100 and 125 lie below
        QCOMPARE(layout.Slots.size(), 4);
        QVERIFY(run.Tokens()[run.Slots()[4]].Rect.isEmpty());
        layout = LayOutCompletion(run, Metrics(650, 100, 50));
        QCOMPARE(layout.Slots.size(), 4);
        QVERIFY(run.Tokens()[run.Slots()[0]].Rect.isEmpty());
        QCOMPARE(run.Tokens()[run.Slots()[5]].Rect.top(), 75);
        // Exactly filled: no scroll bar.
        QCOMPARE(LayOutCompletion(run, Metrics(650, 150)).ScrollMaximum, 0);
    }

    void tileGrid_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("slotWidth");
        QTest::addColumn<int>("minWidth");
        QTest::addColumn<int>("width");
        QTest::addColumn<QList<QPoint>>("firstHomes");
        const QPoint a(760, 374);
        QTest::addRow("two to a row") << 3 << 120 << 60 << 120 << QList<QPoint>{a, {888, 374}, {760, 403}};
        QTest::addRow("one to a row") << 2 << 200 << 60 << 200 << QList<QPoint>{a, {760, 403}};
        QTest::addRow("too wide narrows") << 1 << 300 << 80 << 264 - 8 << QList<QPoint>{a};
        QTest::addRow("27 tiles narrow to three a row")
            << 27 << 120 << 60 << 80 << QList<QPoint>{a, {848, 374}, {936, 374}};
        QTest::addRow("20 wide tiles go on below") << 20 << 150 << 140 << 150 << QList<QPoint>{a, {760, 403}};
        QTest::addRow("too many close up") << 120 << 150 << 140 << 140 << QList<QPoint>{a, {760, 377}};
    }

    // Whatever the number and width of the tiles, every tile lies inside an area.
    void tileGrid()
    {
        QFETCH(int, count);
        QFETCH(int, slotWidth);
        QFETCH(int, minWidth);
        QFETCH(int, width);
        QFETCH(QList<QPoint>, firstHomes);
        const QList<QRect> areas{QRect(760, 374, 264, 394), QRect(35, 716, 677, 52)};
        const TTileGrid grid = LayOutTiles(count, slotWidth, minWidth, areas);
        QCOMPARE(grid.TileWidth, width);
        QCOMPARE(grid.Homes.size(), count);
        QCOMPARE(grid.Homes.mid(0, firstHomes.size()), firstHomes);
        for (const QPoint &home : grid.Homes) {
            const QRect tile(home, QSize(grid.TileWidth, 21));
            QVERIFY2(
                std::any_of(areas.cbegin(), areas.cend(), [&](const QRect &r) { return r.contains(tile); }),
                qPrintable(u"%1,%2"_s.arg(home.x()).arg(home.y())));
        }
        // No two tiles on the same spot unless the rows had to close up.
        if (count <= 60)
            QCOMPARE(QSet<QPoint>(grid.Homes.cbegin(), grid.Homes.cend()).size(), count);
    }
};

QTEST_GUILESS_MAIN(DialogueTasks)
#include "tst_dialogue_tasks.moc"
