// Gap typing without its screen: the tagged-text tokeniser, judging answers under the
// learner's settings, moving from gap to gap, the score, the hints, the layout of the running
// text and the printed page; and the shared pieces other screens use.

#include "exercises/shared/AnswerHint.h"
#include "exercises/shared/FlowText.h"
#include "exercises/shared/ScorePercent.h"
#include "exercises/shared/TaggedText.h"
#include "exercises/words/GapTypingModel.h"
#include "exercises/words/Struct_Wpisywanie.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;
using namespace GapTyping;

namespace {

// "text" for a word, "[answers]" for a gap, "#n" for tag kind n.
QString Describe(const QList<TWyrazTekstu> &words)
{
    QStringList parts;
    for (const TWyrazTekstu &w : words) {
        if (w.IsGap)
            parts << u'[' + w.Answers + u']';
        else if (w.TagKind != TaggedText::Word)
            parts << u'#' + QString::number(w.TagKind);
        else
            parts << w.Text;
    }
    return parts.join(u' ');
}

// Every character 10 pixels wide, lines 20 high, a blank 5 wide; marks 16 wide.
Metrics FixedMetrics(int width = 200)
{
    Metrics m;
    m.TextWidth = [](const QString &text, const FlowText::Style &) { return int(text.size()) * 10; };
    m.LineHeight = 20;
    m.WordSpacing = 5;
    m.Width = width;
    m.FieldWidth = 93;
    m.MarkWidth = 16;
    m.PictureSize = [](const QString &name) { return name == u"p.png"_s ? QSize(50, 70) : QSize(); };
    return m;
}

QByteArray GapFile(const QString &tresc, const QString &extra = QString())
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>4</typ_cw>"
            u"<multimedia>a.wav</multimedia></config><body>"
            u"<polecenie id=\"1\">Fill in.</polecenie><polecenie id=\"0\">Uzupełnij.</polecenie>"_s +
            extra + u"<tresc>"_s + tresc.toHtmlEscaped() + u"</tresc></body></cwiczenie>"_s)
        .toUtf8();
}

} // namespace

class GapTypingTest : public QObject
{
    Q_OBJECT

private slots:
    void tokeniser_data();
    void tokeniser();
    void phraseList_data();
    void phraseList();
    void answers_data();
    void answers();
    void committedAnswer_data();
    void committedAnswer();
    void movesFromGapToGap();
    void checksAndScores_data();
    void checksAndScores();
    void frozenAfterCheck();
    void hints();
    void tabPositions_data();
    void tabPositions();
    void layoutWrapsAndFloats();
    void layoutByView();
    void printing();
    void readsTheFile();
    void inspection_data();
    void inspection();
    void scrollLines_data();
    void scrollLines();
    void phraseLayout();
};

void GapTypingTest::tokeniser_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tokens");
    QTest::addRow("words and gaps") << u"I <am/'m> here ."_s << u"I [am/'m] here ."_s;
    QTest::addRow("every tag, any case")
        << u"<BR> <img left> </IMG> <IMG RIGHT> <i> <B> </i> </b> <AK> <AK=200> <ak=x>"_s
        << u"#1 #2 #4 #3 #5 #6 #7 #8 #9 #9 #9"_s;
    QTest::addRow("tags without blanks") << u"a<B>b</B>c"_s << u"a #6 b #8 c"_s;
    QTest::addRow("text after the last tag") << u"<x> ends here"_s << u"[x] ends here"_s;
    QTest::addRow("unclosed <") << u"a < b <c"_s << u"a < b <c"_s;
    QTest::addRow("empty tokens dropped") << u"  a   \n\t b  "_s << u"a b"_s;
    QTest::addRow("blanks inside a tag") << u"<IMG\n  LEFT> < is/'s >"_s << u"#2 [is/'s]"_s;
    QTest::addRow("empty gap") << u"<>"_s << u"[]"_s;
    QTest::addRow("unknown tag is a gap") << u"<BRR>"_s << u"[BRR]"_s;
}

void GapTypingTest::tokeniser()
{
    QFETCH(QString, text);
    QFETCH(QString, tokens);
    QCOMPARE(Describe(TaggedText::ReadGapText(text)), tokens);
}

void GapTypingTest::phraseList_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tokens");
    QTest::addRow("entries") << u"<B>a ticket</B> bilet <BR> <b>x</b> y"_s
                             << u"#6 a ticket #8 bilet #1 #6 x #8 y"_s;
    QTest::addRow("no gaps, no tab targets") << u"<word> <AK=20> <AK>"_s << u"<word> <AK=20> #9"_s;
    QTest::addRow("unclosed <") << u"a < b"_s << u"a < b"_s;
}

void GapTypingTest::phraseList()
{
    QFETCH(QString, text);
    QFETCH(QString, tokens);
    QCOMPARE(Describe(TaggedText::ReadPhraseList(text)), tokens);
    for (const TWyrazTekstu &w : TaggedText::ReadPhraseList(text))
        QVERIFY(!w.IsGap);
}

void GapTypingTest::answers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("answers");
    QTest::addColumn<bool>("punctuation");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("right");
    // "Yes." against <Yes> under the four settings.
    QTest::addRow("Yes. lenient") << u"Yes."_s << u"Yes"_s << false << false << true;
    QTest::addRow("Yes. case only") << u"Yes."_s << u"Yes"_s << false << true << true;
    QTest::addRow("Yes. punctuation") << u"Yes."_s << u"Yes"_s << true << false << false;
    QTest::addRow("Yes. strict") << u"Yes."_s << u"Yes"_s << true << true << false;
    QTest::addRow("yes lenient") << u"yes"_s << u"Yes"_s << false << false << true;
    QTest::addRow("yes case") << u"yes"_s << u"Yes"_s << false << true << false;
    QTest::addRow("yes punctuation") << u"yes"_s << u"Yes"_s << true << false << true;
    // The apostrophe is not punctuation to the rules.
    QTest::addRow("oclock lenient") << u"oclock"_s << u"o'clock"_s << false << false << false;
    QTest::addRow("o'clock strict") << u"o'clock"_s << u"o'clock"_s << true << true << true;
    QTest::addRow("O'CLOCK lenient") << u"O'CLOCK"_s << u"o'clock"_s << false << false << true;
    QTest::addRow("alternatives") << u"colour"_s << u"color/colour"_s << true << true << true;
    QTest::addRow("alternative case") << u"Colour"_s << u"color/colour"_s << false << false << true;
    QTest::addRow("trailing slash") << u"b"_s << u"a/b/"_s << true << true << true;
    QTest::addRow("empty ends list") << u"b"_s << u"a//b"_s << true << true << false;
    QTest::addRow("first before empty") << u"a"_s << u"a//b"_s << true << true << true;
    QTest::addRow("nothing typed") << QString() << u"a"_s << false << false << false;
    QTest::addRow("empty gap") << QString() << QString() << false << false << false;
    QTest::addRow("alternatives untrimmed") << u"b"_s << u"a / b"_s << true << true << false;
    QTest::addRow("only A-Z lowered") << u"łódź"_s << u"Łódź"_s << false << false << false;
}

void GapTypingTest::answers()
{
    QFETCH(QString, typed);
    QFETCH(QString, answers);
    QFETCH(bool, punctuation);
    QFETCH(bool, matchCase);
    QFETCH(bool, right);
    QCOMPARE(IsRightAnswer(typed, answers, {punctuation, matchCase}), right);
}

void GapTypingTest::committedAnswer_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("kept");
    QTest::addRow("blanks around and between") << u"  two   words "_s << u"two words"_s;
    QTest::addRow("control characters") << u"\tone\r\n"_s << u"one"_s;
    QTest::addRow("only blanks") << u"   "_s << QString();
}

void GapTypingTest::committedAnswer()
{
    QFETCH(QString, edit);
    QFETCH(QString, kept);
    QCOMPARE(CommittedAnswer(edit), kept);
}

void GapTypingTest::movesFromGapToGap()
{
    TGapText text;
    text.Load(u"<a> x <d> y <c>"_s);
    const QList<int> gaps = text.Gaps();
    QCOMPARE(gaps, (QList<int>{0, 2, 4}));

    // At opening the edit position is on the first empty gap with the editor closed: Tab
    // starts there rather than skipping it.
    text.PlaceEditPosition(text.FirstEmptyGap());
    QCOMPARE(text.MoveOn(u"ignored"_s), 0);
    QCOMPARE(text.Words()[0].Typed, QString());
    QCOMPARE(text.BeginEdit(0), QString());
    QCOMPARE(text.MoveOn(u"  A  "_s), 2);
    QCOMPARE(text.Words()[0].Typed, u"A"_s);

    // Skips answered gaps and wraps round.
    text.BeginEdit(2);
    QCOMPARE(text.MoveOn(QString()), 4);
    text.BeginEdit(4);
    QCOMPARE(text.MoveOn(u"C"_s), 2);

    // Editing a gap takes its answer out into the box; committing puts it back.
    text.SetTyped(2, u"B"_s);
    QCOMPARE(text.BeginEdit(0), u"A"_s);
    QCOMPARE(text.Words()[0].Typed, QString());
    QVERIFY(text.EditorOpen());
    // Enter in the last empty gap with all others filled: no gap stays in editing.
    QCOMPARE(text.MoveOn(u"A"_s), -1);
    QCOMPARE(text.EditIndex(), -1);
    QVERIFY(!text.EditorOpen());
    // A commit without an open editor writes nowhere.
    text.Commit(u"lost"_s);
    for (int index : gaps)
        QVERIFY(text.Words()[index].Typed != u"lost"_s);
}

void GapTypingTest::checksAndScores_data()
{
    QTest::addColumn<int>("gaps");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("percent"); // -1: no score
    QTest::addRow("ten, seven right") << 10 << 7 << 70;
    QTest::addRow("eight, three wrong (62.5)") << 8 << 5 << 62;
    QTest::addRow("three, two right (66.7)") << 3 << 2 << 67;
    QTest::addRow("all right") << 4 << 4 << 100;
    QTest::addRow("no gaps") << 0 << 0 << -1;
}

void GapTypingTest::checksAndScores()
{
    QFETCH(int, gaps);
    QFETCH(int, right);
    QFETCH(int, percent);
    QString tresc = u"Start"_s;
    for (int i = 0; i < gaps; ++i)
        tresc += u" <w%1>"_s.arg(i);
    TGapText text;
    text.Load(tresc);
    for (int i = 0; i < right; ++i)
        text.SetTyped(text.Gaps()[i], u"w%1"_s.arg(i));
    const CheckResult result = text.Check(QString(), {});
    QCOMPARE(result.Good, right);
    QCOMPARE(result.Bad, gaps - right);
    QCOMPARE(result.Percent.value_or(-1), percent);
    QCOMPARE(Exercises::ScorePercent(right, gaps).value_or(-1), percent);
    QVERIFY(!text.Fresh());
    QCOMPARE(text.CurrentView(), View::Scored);
}

void GapTypingTest::frozenAfterCheck()
{
    TGapText text;
    text.Load(u"<a> <d>"_s);
    text.BeginEdit(0);
    // The check commits what is in the box.
    QCOMPARE(text.Check(u"a"_s, {}).Good, 1);
    // After the check, and in the right-answers view, nothing edits an answer.
    for (int pass = 0; pass < 2; ++pass) {
        QCOMPARE(text.MoveOn(u"x"_s), -1);
        QCOMPARE(text.BeginEdit(1), QString());
        QVERIFY(!text.EditorOpen());
        text.Commit(u"x"_s);
        QCOMPARE(text.Words()[0].Typed, u"a"_s);
        QCOMPARE(text.Words()[1].Typed, QString());
        text.ShowRightAnswers();
        QCOMPARE(text.CurrentView(), View::RightAnswers);
    }
    QCOMPARE(text.LastCheck().Percent.value_or(-1), 50);
}

void GapTypingTest::hints()
{
    QCOMPARE(AnswerHint(u"went"_s, u"Your answer:"_s, u"no answer"_s), u"Your answer: <B>went</B>"_s);
    QCOMPARE(AnswerHint(QString(), u"Your answer:"_s, u"no answer"_s), u"<B>no answer</B>"_s);
    // Typed markup stays text: no "<B>", "</B>" or "<BR>" survives for the hint window.
    const QString hint = AnswerHint(u"<BR> </B>x"_s, u"Your answer:"_s, u"no answer"_s);
    QCOMPARE(hint.count(u"<B>"_s), 1);
    QCOMPARE(hint.count(u"</B>"_s), 1);
    QVERIFY(!hint.split(u' ').contains(u"<BR>"_s));
    QCOMPARE(QString(hint).remove(QChar(0x2060)), u"Your answer: <B><BR> </B>x</B>"_s);

    // Over a wrong gap's mark in the right-answers view, from the interface texts.
    Utils::InterfaceTexts() = QStringList{u"1=Twoja odpowiedź:"_s, u"2=brak odpowiedzi"_s};
    TGapText text;
    text.Load(u"<a> <d>"_s);
    text.SetTyped(0, u"z"_s);
    text.Check(QString(), {});
    text.ShowRightAnswers();
    text.LayOut(FixedMetrics());
    const QRect first = text.Words()[0].HitRect;
    const QRect second = text.Words()[1].HitRect;
    QVERIFY(!first.isEmpty());
    QCOMPARE(text.HintAt(first.center()), u"Twoja odpowiedź: <B>z</B>"_s);
    QCOMPARE(text.HintAt(second.center()), u"<B>brak odpowiedzi</B>"_s);
    QCOMPARE(text.HintAt(QPoint(-5, -5)), QString());
    Utils::InterfaceTexts().clear();
}

void GapTypingTest::tabPositions_data()
{
    QTest::addColumn<QString>("before"); // text before the tab, 10 pixels a character
    QTest::addColumn<QString>("tab");
    QTest::addColumn<int>("x");
    QTest::addRow("target right of x") << u"aaaaaaaaaaaaaa"_s << u"<AK=200>"_s << 200;
    QTest::addRow("target left of x moves on") << u"aaaaaaaaaaaaaaaaaaaaaaaaa"_s << u"<AK=200>"_s << 255 + 55;
    QTest::addRow("plain tab") << u"aa"_s << u"<AK>"_s << 25 + 30;
    QTest::addRow("not a number") << u"aa"_s << u"<AK=x>"_s << 25 + 30;
}

void GapTypingTest::tabPositions()
{
    QFETCH(QString, before);
    QFETCH(QString, tab);
    QFETCH(int, x);
    TGapText text;
    text.Load(before + u' ' + tab + u" b"_s);
    const FlowText::Layout layout = text.LayOut(FixedMetrics(1000));
    QCOMPARE(layout.Words.last().Text, u"b"_s);
    QCOMPARE(layout.Words.last().Rect.left(), x);
}

void GapTypingTest::layoutWrapsAndFloats()
{
    // Width 200: "aaaaaaaaa" is 90 wide, so two fit a line (90 + 5 + 90 = 185).
    TGapText text;
    text.Load(u"<IMG LEFT> p.png missing.png </IMG> aaaaaaaaa bbbbbbbbb ccccccccc ."_s);
    const FlowText::Layout layout = text.LayOut(FixedMetrics());
    QCOMPARE(layout.Pictures.size(), 1); // the missing file draws nothing
    // The picture starts on a new line; the text beside it is indented by its width + 10.
    QCOMPARE(layout.Pictures[0].Rect, QRect(0, 20, 50, 70));
    QCOMPARE(layout.Words[0].Rect.topLeft(), QPoint(60, 20));
    // 60 + 90 + 5 + 90 > 200: the second word wraps to the indent while beside the picture.
    QCOMPARE(layout.Words[1].Rect.topLeft(), QPoint(60, 40));
    QCOMPARE(layout.Words[2].Rect.topLeft(), QPoint(60, 60));
    // A lone full stop stands against the word before it.
    QCOMPARE(layout.Words[3].Rect.left(), layout.Words[2].Rect.right() + 1);
    // The content reaches the picture's bottom.
    QCOMPARE(layout.ContentHeight, 90);

    // Below the picture lines start at 0 again; a right picture pulls the right limit in.
    TGapText right;
    right.Load(u"<IMG RIGHT> p.png </IMG> aaaaaaaaa bbbbbbbbb <BR> <BR> <BR> <BR> ccccccccc ddddddddd"_s);
    const FlowText::Layout r = right.LayOut(FixedMetrics());
    QCOMPARE(r.Pictures[0].Rect, QRect(150, 20, 50, 70));
    QCOMPARE(r.Words[1].Rect.topLeft(), QPoint(0, 40)); // 95 + 90 > 200 - 60
    QCOMPARE(r.Words[2].Rect.topLeft(), QPoint(0, 120));
    QCOMPARE(r.Words[3].Rect.topLeft(), QPoint(95, 120)); // full width again
}

void GapTypingTest::layoutByView()
{
    TGapText text;
    text.Load(u"A <is/'s> B <two words> C <x>"_s);
    const QList<int> gaps = text.Gaps();
    text.SetTyped(gaps[0], u"'s"_s);
    text.SetTyped(gaps[1], u"too words"_s);
    Metrics m = FixedMetrics(1000);
    // Editing: typed answers drawn bold in the entry colour and clickable; the empty gap is a
    // field 93 wide.
    FlowText::Layout layout = text.LayOut(m);
    QCOMPARE(text.Words()[gaps[0]].HitRect, QRect(15, 0, 20, 16));
    QCOMPARE(text.Words()[gaps[1]].HitRect, QRect(55, 0, 85, 16));
    QCOMPARE(text.Words()[gaps[2]].HitRect, QRect(160, 0, 93, 16));
    QCOMPARE(layout.Pictures.last().Name, u"IMG_Pole"_s);
    QCOMPARE(text.GapAt(QPoint(200, 5)), gaps[2]);
    QCOMPARE(text.GapAt(QPoint(157, 5)), -1);
    QCOMPARE(layout.Words[1].Look, (FlowText::Style{true, false, FlowText::Ink::Entered}));

    // Scored: a mark before each answer, nothing clickable, "______" for an empty gap.
    text.Check(QString(), {});
    layout = text.LayOut(m);
    QStringList marks;
    for (const FlowText::Picture &p : layout.Pictures)
        marks << p.Name;
    QCOMPARE(marks, (QStringList{u"IMG_OK"_s, u"IMG_Zle"_s, u"IMG_Zle"_s}));
    QCOMPARE(layout.Words.last().Text, u"______"_s);
    QCOMPARE(layout.Words.last().Look.Colour, FlowText::Ink::Wrong);
    for (int index : gaps)
        QVERIFY(text.Words()[index].HitRect.isEmpty());

    // Right answers: wrong gaps get the info mark (pointable) and their first answer.
    text.ShowRightAnswers();
    layout = text.LayOut(m);
    marks.clear();
    for (const FlowText::Picture &p : layout.Pictures)
        marks << p.Name;
    QCOMPARE(marks, (QStringList{u"IMG_Info"_s, u"IMG_Info"_s}));
    QStringList green;
    for (const FlowText::Word &w : layout.Words) {
        if (w.Look.Colour == FlowText::Ink::Right)
            green << w.Text;
    }
    QCOMPARE(green, (QStringList{u"'s"_s, u"two"_s, u"words"_s, u"x"_s}));
    QVERIFY(text.Words()[gaps[0]].HitRect.isEmpty());
    QVERIFY(!text.Words()[gaps[1]].HitRect.isEmpty());
    // After a coloured gap the text goes on in the style of its tags.
    text.Load(u"<B> a <x> b </B>"_s);
    layout = text.LayOut(m);
    QCOMPARE(layout.Words.last().Look, (FlowText::Style{true, false, FlowText::Ink::Text}));
}

void GapTypingTest::printing()
{
    TGapText text;
    text.Load(u"<IMG LEFT> p.png </IMG> <B>Żółw</B> is <in/at> the <AK=100> <a & b> , ok ? 1 < 2"_s);
    const QByteArray fresh = text.PrintPage(u"Zakupy"_s);
    QVERIFY(fresh.contains("charset=windows-1250"));
    QVERIFY(fresh.contains("<H2>Zakupy</h2><hr /><P>"));
    QVERIFY2(fresh.contains(" <B> &#379;\xf3&#322;w </B> is __________  the __________ , ok? 1 &lt; 2</P>"),
             fresh.constData());
    QVERIFY(!fresh.contains("p.png"));
    QVERIFY(fresh.contains("Lernivo 6.0 Audivox</P></HTML>"));

    text.Check(QString(), {});
    const QByteArray after = text.PrintPage(QString());
    QVERIFY2(after.contains(" is in/at the a &amp; b, ok? 1 &lt; 2</P>"), after.constData());
    QVERIFY(after.contains("<H2></h2>"));
}

void GapTypingTest::readsTheFile()
{
    const WpisywanieReadResult read =
        ReadWpisywanie(GapFile(u"a <b>"_s, u"<minislownik>&lt;B&gt;x&lt;/B&gt; y</minislownik>"_s), 1, 0);
    QVERIFY2(read.Ok(), qPrintable(read.Error));
    QCOMPARE(read.Exercise.MediaFile, u"a.mp3"_s);
    QCOMPARE(read.Exercise.Instruction, u"Fill in."_s);
    QCOMPARE(read.Exercise.Hint, u"Uzupełnij."_s);
    QCOMPARE(read.Exercise.PhraseList, u"<B>x</B> y"_s);
    QCOMPARE(read.Exercise.Text, u"a <b>"_s);

    QVERIFY(!ReadWpisywanie("<cwiczenie><config/><body/></cwiczenie>", 1, 0).Ok());
    QVERIFY(!ReadWpisywanie("<cwiczenie><config/>", 1, 0).Ok());
    QVERIFY(!ReadWpisywanie("<other><config/><body><tresc/></body></other>", 1, 0).Ok());
}

void GapTypingTest::inspection_data()
{
    QTest::addColumn<QString>("tresc");
    QTest::addColumn<QString>("phrases");
    QTest::addColumn<QString>("problem"); // empty: sound
    QTest::addRow("sound") << u"<IMG RIGHT> p.png </IMG> a <b/c> <AK=100> <AK>"_s << QString() << QString();
    QTest::addRow("no gaps") << u"just words"_s << QString() << u"no gaps"_s;
    QTest::addRow("unclosed") << u"<a> 1 < 2"_s << QString() << u"never closed"_s;
    QTest::addRow("unclosed before a tag") << u"1 < 2 <a>"_s << QString() << u"not closed before"_s;
    QTest::addRow("unclosed phrase list") << u"<a>"_s << u"x < y"_s << u"minislownik"_s;
    QTest::addRow("bad tab") << u"<a> <AK=abc>"_s << QString() << u"neither"_s;
    QTest::addRow("tab beyond the text") << u"<a> <AK=700>"_s << QString() << u"outside"_s;
    QTest::addRow("misspelt tab") << u"<a> <AKK>"_s << QString() << u"neither"_s;
    QTest::addRow("empty first answer") << u"<a> </x>"_s << QString() << u"empty first answer"_s;
    QTest::addRow("missing picture") << u"<IMG LEFT> q.png </IMG> <a>"_s << QString()
                                     << u"q.png is missing"_s;
}

void GapTypingTest::inspection()
{
    QFETCH(QString, tresc);
    QFETCH(QString, phrases);
    QFETCH(QString, problem);
    QTemporaryDir folder;
    QFile picture(folder.filePath(u"p.png"_s));
    QVERIFY(picture.open(QIODevice::WriteOnly));
    picture.close();
    const QString extra =
        phrases.isEmpty() ? QString() : u"<minislownik>"_s + phrases.toHtmlEscaped() + u"</minislownik>"_s;
    const QStringList problems = InspectWpisywanie(GapFile(tresc, extra), folder.path());
    if (problem.isEmpty()) {
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    } else {
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].contains(problem), qPrintable(problems[0]));
    }
}

void GapTypingTest::scrollLines_data()
{
    QTest::addColumn<int>("content");
    QTest::addColumn<int>("area");
    QTest::addColumn<int>("lines");
    QTest::addRow("fits") << 500 << 520 << 0;
    QTest::addRow("exactly") << 520 << 520 << 0;
    QTest::addRow("one pixel over") << 521 << 520 << 1;
    // The last line is wholly seen at the end of the range.
    QTest::addRow("partial line") << 600 << 520 << 4;
}

void GapTypingTest::scrollLines()
{
    QFETCH(int, content);
    QFETCH(int, area);
    QFETCH(int, lines);
    QCOMPARE(FlowText::ScrollLines(content, area, 26), lines);
}

void GapTypingTest::phraseLayout()
{
    const FlowText::Measure measure = [](const QString &text, const FlowText::Style &) {
        return int(text.size()) * 10;
    };
    // Two entries: a bold phrase and its regular explanation on each line.
    FlowText::Layout layout =
        LayOutPhrases(TaggedText::ReadPhraseList(u"<B>a b</B> c <BR> <B>d</B> e"_s), measure, 300, 20, 5);
    QStringList lines;
    for (const FlowText::Word &w : layout.Words)
        lines << u"%1@%2,%3%4"_s.arg(w.Text)
                     .arg(w.Rect.left())
                     .arg(w.Rect.top())
                     .arg(w.Look.Bold ? u"b"_s : u""_s);
    QCOMPARE(lines, (QStringList{u"a@0,0b"_s, u"b@15,0b"_s, u"c@30,0"_s, u"d@0,20b"_s, u"e@15,20"_s}));
    QCOMPARE(layout.ContentHeight, 40);

    // A wrapped explanation goes on 20 pixels in, a wrapped phrase at 0; words after the last
    // tag are shown; <AK> moves on 20; <AK=n> is a word.
    layout =
        LayOutPhrases(TaggedText::ReadPhraseList(u"<B>aaaaaaaaa bbbbbbbbb</B> cccccccc dd <AK> <AK=5>"_s),
                      measure, 100, 20, 5);
    lines.clear();
    for (const FlowText::Word &w : layout.Words)
        lines << u"%1@%2,%3"_s.arg(w.Text).arg(w.Rect.left()).arg(w.Rect.top());
    QCOMPARE(lines, (QStringList{u"aaaaaaaaa@0,0"_s, u"bbbbbbbbb@0,20"_s, u"cccccccc@20,40"_s, u"dd@20,60"_s,
                                 u"<AK=5>@20,80"_s}));
}

QTEST_GUILESS_MAIN(GapTypingTest)
#include "tst_gaptyping.moc"
