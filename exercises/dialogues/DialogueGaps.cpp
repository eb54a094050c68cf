#include "exercises/dialogues/DialogueGaps.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace DialogueGaps {

namespace {

bool IsBlank(QChar c)
{
    return c.isSpace();
}

qsizetype NextBlank(const QString &text, qsizetype from)
{
    while (from < text.size() && !IsBlank(text[from]))
        ++from;
    return from;
}

// The ">" that closes the "<" at open, or -1 when another "<" or the end comes first.
qsizetype ClosingMark(const QString &text, qsizetype open)
{
    const qsizetype close = text.indexOf(u'>', open + 1);
    const qsizetype nextOpen = text.indexOf(u'<', open + 1);
    if (close < 0 || (nextOpen >= 0 && nextOpen < close))
        return -1;
    return close;
}

// Mode 2: words at blanks, an author's gap (with what sticks to its ">") being one word.
QStringList WordsKeepingGaps(const QString &text)
{
    QStringList words;
    qsizetype i = 0;
    while (i < text.size()) {
        if (IsBlank(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = NextBlank(text, i);
        if (text[i] == u'<') {
            const qsizetype close = ClosingMark(text, i);
            if (close >= 0)
                end = NextBlank(text, close + 1);
        }
        words << text.mid(i, end - i);
        i = end;
    }
    return words;
}

// Mode 3: words at blanks, each without its first "<" and first ">".
QStringList WordsDroppingGaps(const QString &text)
{
    QStringList words;
    for (QString word : text.simplified().split(u' ', Qt::SkipEmptyParts)) {
        if (const qsizetype open = word.indexOf(u'<'); open >= 0)
            word.remove(open, 1);
        if (const qsizetype close = word.indexOf(u'>'); close >= 0)
            word.remove(close, 1);
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

// A word holding a gap: a "<" with a ">" after it and something between them. An unclosed "<"
// is an ordinary character, and an empty gap is none.
bool IsMarked(const QString &word)
{
    const qsizetype open = word.indexOf(u'<');
    const qsizetype close = open < 0 ? -1 : word.indexOf(u'>', open + 1);
    return close > open && !word.mid(open + 1, close - open - 1).trimmed().isEmpty();
}

// A word that may take a random gap: a word of letters or digits with no mark of its own.
bool CanTakeGap(const QString &word)
{
    return !word.contains(u'<') && !word.contains(u'>') &&
           std::any_of(word.cbegin(), word.cend(), [](QChar c) { return c.isLetterOrNumber(); });
}

// Random single-word gaps up to the target, never beside another gap; stops when no word can
// take one.
void AddRandomGaps(QStringList &words, const Utils::RandomPick &pick)
{
    const int count = int(words.size());
    const int target = GapTarget(count);
    int marked = int(std::count_if(words.cbegin(), words.cend(), IsMarked));
    while (marked < target) {
        QList<int> candidates;
        for (int i = 0; i < count; ++i) {
            const bool free =
                (i == 0 || !IsMarked(words[i - 1])) && (i == count - 1 || !IsMarked(words[i + 1]));
            if (free && CanTakeGap(words[i]))
                candidates << i;
        }
        if (candidates.isEmpty())
            return;
        const int size = int(candidates.size());
        const int chosen = candidates[std::clamp(pick ? pick(size) : 0, 0, size - 1)];
        words[chosen] = u'<' + words[chosen] + u'>';
        ++marked;
    }
}

// A one-word gap with its final punctuation inside the marks gets it after them.
QString PunctuationOut(QString word)
{
    const qsizetype n = word.size();
    if (n >= 3 && IsMarked(word) && word[n - 1] == u'>' && u"!,.:;?"_s.contains(word[n - 2]))
        std::swap(word[n - 2], word[n - 1]);
    return word;
}

void AppendWords(const QString &text, QList<TGapPiece> &pieces)
{
    const QStringList words = text.split(u' ', Qt::SkipEmptyParts);
    for (const QString &word : words) {
        const QString trimmed = word.trimmed();
        if (!trimmed.isEmpty())
            pieces << TGapPiece{false, trimmed};
    }
}

} // namespace

int GapTarget(int tokenCount)
{
    if (tokenCount < 4)
        return 0;
    if (tokenCount <= 11)
        return 1;
    if (tokenCount <= 21)
        return 2;
    return 3;
}

QString MakeGaps(const QString &text, int mode, const Utils::RandomPick &pick)
{
    if (mode == AuthorGaps)
        return text;
    if (mode != AuthorAndRandom && mode != RandomOnly)
        return QString();
    QStringList words = mode == AuthorAndRandom ? WordsKeepingGaps(text) : WordsDroppingGaps(text);
    AddRandomGaps(words, pick);
    QString result;
    for (const QString &word : std::as_const(words))
        result += PunctuationOut(word) + u' ';
    return result;
}

TGapPlan PlanGaps(const QString &text, int mode)
{
    TGapPlan plan;
    if (mode != AuthorAndRandom && mode != RandomOnly)
        return plan;
    plan.Words = int((mode == AuthorAndRandom ? WordsKeepingGaps(text) : WordsDroppingGaps(text)).size());
    plan.Target = GapTarget(plan.Words);
    plan.Gaps = CountGaps(MakeGaps(text, mode, [](int) { return 0; }));
    return plan;
}

QList<TGapPiece> CutGappedLine(const QString &text)
{
    QList<TGapPiece> pieces;
    QString pending;
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'<') {
            if (const qsizetype close = ClosingMark(text, i); close >= 0) {
                AppendWords(pending, pieces);
                pending.clear();
                const QString answer = text.mid(i + 1, close - i - 1).simplified();
                if (!answer.isEmpty())
                    pieces << TGapPiece{true, answer};
                i = close + 1;
                continue;
            }
        }
        pending += IsBlank(text[i]) ? QChar(u' ') : text[i];
        ++i;
    }
    AppendWords(pending, pieces);
    return pieces;
}

int CountGaps(const QString &text)
{
    const QList<TGapPiece> pieces = CutGappedLine(text);
    return int(std::count_if(pieces.cbegin(), pieces.cend(), [](const TGapPiece &p) { return p.IsGap; }));
}

} // namespace DialogueGaps
