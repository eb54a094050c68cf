#include "exercises/words/GapTypingModel.h"

#include "exercises/shared/AnswerHint.h"
#include "exercises/shared/ScorePercent.h"
#include "utils/Utils.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace GapTyping {

namespace {

QString LowerAToZ(const QString &text)
{
    QString lower = text;
    for (QChar &c : lower) {
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() - u'A' + u'a');
    }
    return lower;
}

QString Prepared(const QString &text, const AnswerRules &rules)
{
    QString prepared = rules.MatchCase ? text : LowerAToZ(text);
    return rules.UsePunctuation ? prepared : Utils::StripPunctuation(prepared);
}

// A word of the text on the printed page: markup characters written as entities.
QByteArray HtmlWord(const QString &text)
{
    QString escaped = text;
    escaped.replace(u'&', u"&amp;"_s).replace(u'<', u"&lt;"_s).replace(u'>', u"&gt;"_s);
    return Utils::ToHtmlText(escaped);
}

} // namespace

QString FirstAnswer(const QString &answers)
{
    return Utils::GetField(1, answers, u'/');
}

bool IsRightAnswer(const QString &typed, const QString &answers, const AnswerRules &rules)
{
    const QString given = Prepared(typed, rules);
    for (const QString &alternative : Prepared(answers, rules).split(u'/')) {
        if (alternative.isEmpty())
            return false;
        if (alternative == given)
            return true;
    }
    return false;
}

QString CommittedAnswer(const QString &editText)
{
    QString result;
    bool blank = false;
    for (QChar c : editText) {
        if (c.unicode() <= u' ' || c.isSpace()) {
            blank = true;
            continue;
        }
        if (blank && !result.isEmpty())
            result += u' ';
        blank = false;
        result += c;
    }
    return result;
}

void TGapText::Load(const QString &tresc)
{
    *this = TGapText();
    Tokens = TaggedText::ReadGapText(tresc);
    Right.fill(false, Tokens.size());
    for (int i = 0; i < Tokens.size(); ++i) {
        if (Tokens[i].IsGap)
            GapList.append(i);
    }
}

void TGapText::SetTyped(int index, const QString &editText)
{
    if (index >= 0 && index < Tokens.size() && Tokens[index].IsGap)
        Tokens[index].Typed = CommittedAnswer(editText);
}

View TGapText::CurrentView() const
{
    if (RightAnswersFlag)
        return View::RightAnswers;
    return ScoredFlag ? View::Scored : View::Editing;
}

int TGapText::FirstEmptyGap() const
{
    for (int index : GapList) {
        if (Tokens[index].Typed.isEmpty())
            return index;
    }
    return -1;
}

void TGapText::PlaceEditPosition(int index)
{
    if (!Editable())
        return;
    Open = false;
    EditPosition = (index >= 0 && index < Tokens.size() && Tokens[index].IsGap) ? index : -1;
}

QString TGapText::BeginEdit(int index)
{
    if (!Editable() || index < 0 || index >= Tokens.size() || !Tokens[index].IsGap)
        return {};
    EditPosition = index;
    Open = true;
    return std::exchange(Tokens[index].Typed, QString());
}

void TGapText::Commit(const QString &editText)
{
    if (!Open || EditPosition < 0)
        return;
    Tokens[EditPosition].Typed = CommittedAnswer(editText);
    Open = false;
}

int TGapText::MoveOn(const QString &editText)
{
    if (!Editable())
        return -1;
    const bool wasOpen = Open;
    Commit(editText);
    const int current = int(GapList.indexOf(EditPosition));
    int next = -1;
    if (!wasOpen && current >= 0 && Tokens[EditPosition].Typed.isEmpty()) {
        next = EditPosition;
    } else {
        for (int step = 1; step <= GapList.size() && next < 0; ++step) {
            const int index = GapList[(current + step) % GapList.size()];
            if (Tokens[index].Typed.isEmpty())
                next = index;
        }
    }
    EditPosition = next;
    return next;
}

int TGapText::GapAt(QPoint contentPoint) const
{
    for (int index : GapList) {
        if (Tokens[index].HitRect.contains(contentPoint))
            return index;
    }
    return -1;
}

CheckResult TGapText::Check(const QString &editText, const AnswerRules &rules)
{
    Commit(editText);
    Open = false;
    EditPosition = -1;
    FreshFlag = false;
    ScoredFlag = true;
    RightAnswersFlag = false;
    Result = CheckResult();
    for (int index : GapList) {
        Right[index] = IsRightAnswer(Tokens[index].Typed, Tokens[index].Answers, rules);
        ++(Right[index] ? Result.Good : Result.Bad);
    }
    Result.Percent = Exercises::ScorePercent(Result.Good, Result.Good + Result.Bad);
    return Result;
}

bool TGapText::IsRight(int index) const
{
    return index >= 0 && index < Right.size() && Right[index];
}

void TGapText::ShowRightAnswers()
{
    if (!ScoredFlag)
        return;
    ScoredFlag = false;
    RightAnswersFlag = true;
}

QString TGapText::HintAt(QPoint contentPoint) const
{
    if (CurrentView() != View::RightAnswers)
        return {};
    const int index = GapAt(contentPoint);
    return index < 0 ? QString() : AnswerHint(Tokens[index].Typed);
}

FlowText::Layout TGapText::LayOut(const Metrics &m)
{
    using FlowText::Ink;
    FlowText::Layout layout;
    FlowText::Cursor c(m.Width, m.LineHeight, m.WordSpacing);
    FlowText::Style style; // what the tags have switched on
    bool passage = false;
    bool rightSide = false;
    const View view = CurrentView();
    const int fieldHeight = m.LineHeight - 4;

    for (TWyrazTekstu &word : Tokens) {
        switch (word.TagKind) {
        case TaggedText::LineBreak:
            c.BreakLine();
            continue;
        case TaggedText::PictureLeft:
        case TaggedText::PictureRight:
            c.X = 0;
            passage = true;
            rightSide = word.TagKind == TaggedText::PictureRight;
            continue;
        case TaggedText::PictureEnd:
            c.X = c.LeftIndent;
            passage = false;
            continue;
        case TaggedText::ItalicOn:
            style.Italic = true;
            c.WordSpacing += 4;
            continue;
        case TaggedText::BoldOn:
            style.Bold = true;
            continue;
        case TaggedText::ItalicOff:
            style.Italic = false;
            c.WordSpacing -= 4;
            continue;
        case TaggedText::BoldOff:
            style.Bold = false;
            continue;
        case TaggedText::Tab: {
            const std::optional<int> target = TaggedText::TabTarget(word.Text);
            const int d = target ? std::abs(c.X - *target) : 30;
            c.Fit(d);
            c.X += d;
            continue;
        }
        default:
            break;
        }

        if (!word.IsGap) {
            if (passage) {
                const QSize size = m.PictureSize ? m.PictureSize(word.Text) : QSize();
                if (size.isValid())
                    FlowText::FloatPicture(c, layout, word.Text, size, rightSide);
            } else {
                c.PlaceWords(word.Text, style, m.TextWidth, layout);
            }
            continue;
        }

        // A gap: its answer coloured and bold, after it the text goes on in the tags' style.
        FlowText::Style coloured = style;
        coloured.Bold = true;
        const int markWidth = m.MarkWidth + c.WordSpacing;
        const int index = int(&word - Tokens.data());
        word.HitRect = QRect();
        switch (view) {
        case View::Editing:
            if (!word.Typed.isEmpty()) {
                coloured.Colour = Ink::Entered;
                word.HitRect = c.PlaceWords(word.Typed, coloured, m.TextWidth, layout);
            } else {
                c.Fit(m.FieldWidth);
                word.HitRect = QRect(c.X, c.Y, m.FieldWidth, fieldHeight);
                layout.Pictures.append({FieldPicture.toString(), word.HitRect});
                c.X += m.FieldWidth + c.WordSpacing;
            }
            break;
        case View::Scored: {
            const bool right = IsRight(index);
            const QString shown = word.Typed.isEmpty() ? u"______"_s : word.Typed;
            coloured.Colour = right ? Ink::Right : Ink::Wrong;
            c.Fit(markWidth + m.TextWidth(shown, coloured));
            layout.Pictures.append(
                {(right ? RightMark : WrongMark).toString(), QRect(c.X, c.Y - 3, m.MarkWidth, fieldHeight)});
            c.X += markWidth;
            c.PlaceWords(shown, coloured, m.TextWidth, layout);
            break;
        }
        case View::RightAnswers:
            coloured.Colour = Ink::Right;
            if (IsRight(index)) {
                c.PlaceWords(word.Typed, coloured, m.TextWidth, layout);
            } else {
                const QString answer = FirstAnswer(word.Answers);
                c.Fit(markWidth + m.TextWidth(answer, coloured));
                layout.Pictures.append({InfoMark.toString(), QRect(c.X, c.Y - 3, markWidth, markWidth)});
                word.HitRect = QRect(c.X, c.Y + 2, markWidth, markWidth);
                c.X += markWidth;
                c.PlaceWords(answer, coloured, m.TextWidth, layout);
            }
            break;
        }
    }
    layout.ContentHeight = c.ContentHeight();
    return layout;
}

QByteArray TGapText::PrintPage(const QString &heading) const
{
    QByteArray page =
        "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">"
        "<STYLE type=\"text/css\">H2 {font-size: 20pt;}.kwestia{font-family: Times New Roman;"
        "font-size: 14pt;}</STYLE></head>";
    page += "<H2>" + HtmlWord(heading) + "</h2><hr /><P>";
    bool pictureNames = false;
    for (const TWyrazTekstu &word : Tokens) {
        switch (word.TagKind) {
        case TaggedText::PictureLeft:
        case TaggedText::PictureRight:
            pictureNames = true;
            continue;
        case TaggedText::PictureEnd:
        case TaggedText::Tab:
            pictureNames = false;
            continue;
        case TaggedText::LineBreak:
        case TaggedText::ItalicOn:
        case TaggedText::BoldOn:
        case TaggedText::ItalicOff:
        case TaggedText::BoldOff:
            page += ' ' + Utils::ToHtmlText(word.Text);
            continue;
        default:
            break;
        }
        if (pictureNames)
            continue;
        if (word.IsGap)
            page += FreshFlag ? QByteArray(" __________ ") : ' ' + HtmlWord(word.Answers);
        else if (FlowText::IsClosingMark(word.Text))
            page += HtmlWord(word.Text);
        else
            page += ' ' + HtmlWord(word.Text);
    }
    page += "</P><P align=\"right\">" + HtmlWord(u"© Lernivo. Materiał do użytku własnego ucznia."_s) +
            "<BR>" + HtmlWord(Utils::ProductCaption()) + "</P></HTML>";
    return page;
}

FlowText::Layout LayOutPhrases(const QList<TWyrazTekstu> &phrases, const FlowText::Measure &measure,
                               int width, int lineHeight, int wordSpacing)
{
    FlowText::Layout layout;
    FlowText::Cursor c(width, lineHeight, wordSpacing);
    FlowText::Style style;
    const auto newLine = [&c] {
        c.Y += c.LineHeight;
        c.X = 0;
    };
    for (const TWyrazTekstu &word : phrases) {
        switch (word.TagKind) {
        case TaggedText::LineBreak:
        case TaggedText::PictureLeft:
        case TaggedText::PictureRight:
            newLine();
            continue;
        case TaggedText::PictureEnd:
            c.X = 0;
            continue;
        case TaggedText::ItalicOn:
            style.Italic = true;
            c.WordSpacing += 4;
            continue;
        case TaggedText::BoldOn:
            style.Bold = true;
            continue;
        case TaggedText::ItalicOff:
            style.Italic = false;
            c.WordSpacing -= 4;
            continue;
        case TaggedText::BoldOff:
            style.Bold = false;
            continue;
        case TaggedText::Tab:
            c.X += 20;
            continue;
        default:
            break;
        }
        for (const QString &piece : word.Text.split(u' ', Qt::SkipEmptyParts)) {
            const int w = measure(piece, style);
            const int lineStart = style.Bold ? 0 : 20;
            if (c.X + w > width && c.X > lineStart) {
                newLine();
                c.X = lineStart;
            }
            layout.Words.append({piece, QRect(c.X, c.Y, w, lineHeight - 4), style});
            c.X += w + c.WordSpacing;
        }
    }
    layout.ContentHeight = c.ContentHeight();
    return layout;
}

} // namespace GapTyping
