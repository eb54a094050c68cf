#pragma once
// What the gap-typing text does, apart from drawing it: the gaps and the learner's answers,
// moving from gap to gap, judging the answers, the score, the layout of the running text
// with its pictures, marks and hit rectangles, and the printed page. The screen supplies its
// measures and draws the layout it gets back.

#include "exercises/shared/FlowText.h"
#include "exercises/shared/TaggedText.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

namespace GapTyping {

// Width of the text area; tab targets lie inside it.
constexpr int TextAreaWidth = 660;

// The learner's settings that decide how strictly an answer is judged.
struct AnswerRules
{
    bool UsePunctuation = false; // off: punctuation is ignored on both sides
    bool MatchCase = false;      // off: A to Z count as a to z
};

// The first of a gap's "/"-separated answers, the one shown as the right answer.
QString FirstAnswer(const QString &answers);

// A typed answer is right when it equals one of the gap's alternatives, taken in order up to
// the first empty one (so <a//b> accepts only a), after both are prepared by the rules.
bool IsRightAnswer(const QString &typed, const QString &answers, const AnswerRules &rules);

// The edit box's text as it is kept: trimmed, every run of blanks one blank.
QString CommittedAnswer(const QString &editText);

enum class View { Editing, Scored, RightAnswers };

// What the layout needs to know of the screen's fonts and pictures.
struct Metrics
{
    FlowText::Measure TextWidth;
    int LineHeight = 0;  // text height of "XXX" + 8
    int WordSpacing = 0; // width of " "
    int Width = TextAreaWidth;
    int FieldWidth = 93; // the empty answer field IMG_Pole
    int MarkWidth = 0;   // IMG_OK
    // The size of a picture of a picture passage, by the name written in the text; an
    // invalid size when there is no such file (nothing is drawn then).
    std::function<QSize(const QString &name)> PictureSize;
};

// Names of the screen's pictures in a layout.
inline constexpr QStringView FieldPicture = u"IMG_Pole";
inline constexpr QStringView RightMark = u"IMG_OK";
inline constexpr QStringView WrongMark = u"IMG_Zle";
inline constexpr QStringView InfoMark = u"IMG_Info";

struct CheckResult
{
    int Good = 0;
    int Bad = 0;
    std::optional<int> Percent; // none for a text without gaps
};

class TGapText
{
public:
    // A new run of text: tokens, gaps, and every flag as at opening.
    void Load(const QString &tresc);

    const QList<TWyrazTekstu> &Words() const { return Tokens; }
    // The token indexes of the gaps, in text order.
    const QList<int> &Gaps() const { return GapList; }
    // The learner's answer of a gap, as the edit box commits it.
    void SetTyped(int index, const QString &editText);

    View CurrentView() const;
    bool Editable() const { return CurrentView() == View::Editing; }
    bool Scored() const { return ScoredFlag; }
    bool ShowsRightAnswers() const { return RightAnswersFlag; }
    // Set at load, cleared by a check: printing shows blank lines while it is set.
    bool Fresh() const { return FreshFlag; }

    // The gap at the edit position (a token index), or -1.
    int EditIndex() const { return EditPosition; }
    // True while the edit box holds the gap's answer (taken out of Typed).
    bool EditorOpen() const { return Open; }
    int FirstEmptyGap() const;
    // Moves the edit position without opening the editor (at opening: the first empty gap).
    void PlaceEditPosition(int index);
    // Opens the editor on a gap: returns its answer for the box and clears Typed, so the
    // empty field is drawn under the box. Nothing happens outside the editing view.
    QString BeginEdit(int index);
    // Keeps the box's text as the gap's answer; only while the editor is open.
    void Commit(const QString &editText);
    // Enter or Tab: commits, then finds the next gap without an answer after the current one
    // (wrapping; with the editor closed, the current one itself first). Returns the gap to
    // edit, or -1 when every gap has an answer. Nothing happens outside the editing view.
    int MoveOn(const QString &editText);
    // The first gap whose hit rectangle holds a content point, or -1.
    int GapAt(QPoint contentPoint) const;

    // Commits the box, judges every gap and scores the text.
    CheckResult Check(const QString &editText, const AnswerRules &rules);
    CheckResult LastCheck() const { return Result; }
    // Whether a gap was judged right at the last check.
    bool IsRight(int index) const;
    // The right answers in every wrong gap; the score stays.
    void ShowRightAnswers();

    // The hover hint over a content point: in the right-answers view, over a wrong gap's
    // mark, what the learner had typed (interface texts 1 and 2); else empty.
    QString HintAt(QPoint contentPoint) const;

    // Lays the whole text out and stores the gaps' hit rectangles.
    FlowText::Layout LayOut(const Metrics &metrics);

    // The printed page (8-bit HTML in Windows-1250, which it declares): heading, the text
    // with blank lines for the gaps while fresh, the answers after a check, and the footer.
    QByteArray PrintPage(const QString &heading) const;

private:
    QList<TWyrazTekstu> Tokens;
    QList<int> GapList;
    QList<bool> Right; // by token index, from the last check
    int EditPosition = -1;
    bool Open = false;
    bool ScoredFlag = false;
    bool RightAnswersFlag = false;
    bool FreshFlag = true;
    CheckResult Result;
};

// The mini dictionary's phrase list laid out over width: <BR> and the picture tags start a
// new line, </IMG> goes back to the line start, <AK> moves on 20 pixels, <I> and <B> as in
// the gap text. A wrapped line starts at 0 in bold (a phrase) and 20 pixels in otherwise (an
// explanation goes on indented). Styles and spacing start afresh at every layout.
FlowText::Layout LayOutPhrases(const QList<TWyrazTekstu> &phrases, const FlowText::Measure &measure,
                               int width, int lineHeight, int wordSpacing);

} // namespace GapTyping
