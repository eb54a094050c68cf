#include "exercises/shared/TaggedText.h"

#include "utils/Utils.h"

using namespace Qt::StringLiterals;

namespace TaggedText {

namespace {

bool IsBlank(QChar c)
{
    return c.unicode() <= u' ' || c.isSpace();
}

QString Trimmed(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text.at(begin)))
        ++begin;
    while (end > begin && IsBlank(text.at(end - 1)))
        --end;
    return text.mid(begin, end - begin);
}

// Appends the blank-separated words of text.
void CutWords(QStringView text, QStringList &tokens)
{
    qsizetype start = -1;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        const bool blank = i == text.size() || IsBlank(text.at(i));
        if (!blank && start < 0)
            start = i;
        if (blank && start >= 0) {
            tokens.append(text.mid(start, i - start).toString());
            start = -1;
        }
    }
}

// Blanks inside a tag become single blanks, so "<IMG  LEFT>" and a tag broken over two lines
// of the file read like "<IMG LEFT>"; "< is/'s >" is the gap "<is/'s>".
QString TagText(QStringView tag)
{
    QStringList parts;
    CutWords(tag.mid(1, tag.size() - 2), parts);
    return u'<' + parts.join(u' ') + u'>';
}

} // namespace

QStringList Cut(const QString &text)
{
    QStringList tokens;
    const QStringView all(text);
    qsizetype pos = 0;
    while (pos < all.size()) {
        const qsizetype open = all.indexOf(u'<', pos);
        if (open < 0) {
            CutWords(all.mid(pos), tokens);
            break;
        }
        CutWords(all.mid(pos, open - pos), tokens);
        const qsizetype close = all.indexOf(u'>', open);
        if (close < 0) {
            // Never closed ("a < b"): the rest stays one plain token and the cutting ends.
            const QString rest = Trimmed(all.mid(open).toString());
            if (!rest.isEmpty())
                tokens.append(rest);
            break;
        }
        tokens.append(TagText(all.mid(open, close - open + 1)));
        pos = close + 1;
    }
    return tokens;
}

bool IsClosedTag(const QString &token)
{
    return token.size() >= 2 && token.startsWith(u'<') && token.endsWith(u'>');
}

QString TagUpper(const QString &token)
{
    QString upper = token;
    for (QChar &c : upper) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return upper;
}

TagKind FixedTagKind(const QString &token)
{
    static const struct
    {
        const char16_t *tag;
        TagKind kind;
    } tags[] = {
        {u"<BR>", LineBreak},    {u"<IMG LEFT>", PictureLeft}, {u"<IMG RIGHT>", PictureRight},
        {u"</IMG>", PictureEnd}, {u"<I>", ItalicOn},           {u"<B>", BoldOn},
        {u"</I>", ItalicOff},    {u"</B>", BoldOff},           {u"<AK>", Tab},
    };
    if (!IsClosedTag(token))
        return Word;
    const QString upper = TagUpper(token);
    for (const auto &row : tags) {
        if (upper == QStringView(row.tag))
            return row.kind;
    }
    return Word;
}

std::optional<int> TabTarget(const QString &token)
{
    const qsizetype equals = token.indexOf(u'=');
    if (equals < 0 || !token.endsWith(u'>'))
        return std::nullopt;
    int target = 0;
    if (!Utils::ParseInteger(token.mid(equals + 1, token.size() - equals - 2), &target))
        return std::nullopt;
    return target;
}

QList<TWyrazTekstu> ReadGapText(const QString &text)
{
    QList<TWyrazTekstu> words;
    for (const QString &token : Cut(text)) {
        TWyrazTekstu word;
        word.Text = token;
        if (IsClosedTag(token)) {
            word.TagKind = FixedTagKind(token);
            if (word.TagKind == Word && TagUpper(token).startsWith(u"<AK"_s))
                word.TagKind = Tab;
            if (word.TagKind == Word) {
                word.IsGap = true;
                word.Answers = token.mid(1, token.size() - 2);
            }
        }
        words.append(word);
    }
    return words;
}

QList<TWyrazTekstu> ReadPhraseList(const QString &text)
{
    QList<TWyrazTekstu> words;
    for (const QString &token : Cut(text)) {
        TWyrazTekstu word;
        word.Text = token;
        word.TagKind = FixedTagKind(token);
        words.append(word);
    }
    return words;
}

} // namespace TaggedText
