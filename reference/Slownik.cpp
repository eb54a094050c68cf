#include "reference/Slownik.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstring>

using namespace Qt::StringLiterals;

namespace Reference {

namespace {

constexpr char16_t ByteOrderMark = 0xFEFF;
constexpr char16_t CarriageReturn = 0x000D;

// Leading and trailing characters whose code is below 33, as the program trims them.
QString TrimControls(const QString &s)
{
    qsizetype from = 0;
    qsizetype to = s.size();
    while (from < to && s.at(from).unicode() < 33)
        ++from;
    while (to > from && s.at(to - 1).unicode() < 33)
        --to;
    return s.mid(from, to - from);
}

const QString &LookupPunctuation()
{
    // 16 characters, the double quote, then 22 more (the underscore occurs twice).
    static const QString set = u"!@#$%^&*()_+{}|:"_s + u'"' + u"<>?[]\\;',./_1234567890"_s;
    return set;
}

// needle occurs in text as a whole word (or words): no letter or digit right before or after.
bool ContainsWholeWord(const QString &text, const QString &needle)
{
    for (qsizetype at = text.indexOf(needle); at >= 0; at = text.indexOf(needle, at + 1)) {
        const qsizetype end = at + needle.size();
        const bool startsWord = at == 0 || !text.at(at - 1).isLetterOrNumber();
        const bool endsWord = end == text.size() || !text.at(end).isLetterOrNumber();
        if (startsWord && endsWord)
            return true;
    }
    return false;
}

} // namespace

QString LabelText(QChar digit)
{
    switch (digit.unicode()) {
    case u'1':
        return QStringLiteral("n");
    case u'2':
        return QStringLiteral("adj");
    case u'3':
        return QStringLiteral("v");
    case u'5':
        return QStringLiteral("col");
    case u'6':
        return QStringLiteral("adv");
    case u'8':
    case u'9':
        return QStringLiteral("irr");
    default:
        return {};
    }
}

QString ScrambleLine(const QString &line)
{
    QString out = line;
    for (QChar &c : out)
        c = QChar(char16_t(c.unicode() + ScrambleShift));
    return out;
}

QString UnscrambleLine(const QString &line)
{
    QString out = line;
    for (QChar &c : out)
        c = QChar(char16_t(c.unicode() - ScrambleShift));
    return out;
}

namespace {

// The parts of one line, as views into it.
struct LineParts
{
    qint32 Number = 0;
    QChar Digit;
    QStringView Headword;
    QStringView Translation;
    QStringView Extra;
};

bool SplitLine(QStringView line, LineParts &parts)
{
    if (line.size() <= 3)
        return false;
    QStringView s = line.sliced(3);
    const qsizetype space = s.indexOf(u' ');
    if (space <= 0)
        return false;
    bool ok = false;
    parts.Number = s.first(space).toInt(&ok, 10);
    if (!ok)
        return false;
    s = s.sliced(space + 1);
    if (s.size() < 3)
        return false;
    parts.Digit = s.at(1);
    s = s.sliced(3);
    // Fields 1 to 6 of the "="-separated rest; those past its end stay empty.
    std::array<QStringView, 6> fields;
    qsizetype from = 0;
    for (QStringView &field : fields) {
        const qsizetype eq = s.indexOf(u'=', from);
        field = s.sliced(from, (eq < 0 ? s.size() : eq) - from);
        if (eq < 0)
            break;
        from = eq + 1;
    }
    parts.Headword = fields[0].trimmed();
    parts.Translation = fields[1].trimmed();
    parts.Extra = fields[5].trimmed();
    return true;
}

QString ViewOf(QStringView part)
{
    return part.isEmpty() ? QString() : QString::fromRawData(part.data(), part.size());
}

} // namespace

bool ParseDictionaryLine(const QString &line, TDane &entry)
{
    LineParts parts;
    if (!SplitLine(line, parts))
        return false;
    entry.Number = parts.Number;
    entry.KindLabel = LabelText(parts.Digit);
    entry.Headword = parts.Headword.toString();
    entry.Translation = parts.Translation.toString();
    entry.Extra = parts.Extra.toString();
    entry.Text.clear();
    return true;
}

QString FormatDictionaryLine(const TDane &entry, QChar labelDigit)
{
    // The three leading characters carry nothing; the reader skips them.
    return u"   "_s + QString::number(entry.Number) + u" [" + labelDigit + u']' + entry.Headword + u'=' +
           entry.Translation + u"====" + entry.Extra;
}

LoadResult ReadDictionary(const QByteArray &data, bool scrambled, const LoadProgress &progress)
{
    LoadResult result;
    result.FileFound = true;

    // One decoded text without byte order marks, its lines unscrambled, and where each
    // line lies in it; lines end at a carriage return, whose next unit is skipped.
    const auto *units = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype count = data.size() / 2;
    QString text(count, Qt::Uninitialized);
    QChar *const begin = text.data();
    QChar *out = begin;
    QList<std::pair<qsizetype, qsizetype>> lines;
    lines.reserve(count / 40 + 1);
    const char16_t shift = scrambled ? ScrambleShift : 0;
    qsizetype lineStart = 0;
    bool pendingLine = false;
    for (qsizetype i = 0; i < count; ++i) {
        const char16_t u = char16_t(units[2 * i] | (units[2 * i + 1] << 8));
        if (u == CarriageReturn) {
            lines.append({lineStart, out - begin});
            ++i; // the line feed after it
            lineStart = out - begin;
            pendingLine = false;
        } else if (u != ByteOrderMark) {
            *out++ = QChar(char16_t(u - shift));
            pendingLine = true;
        }
    }
    // The text after the last line end is a line when anything but byte order marks is in it.
    if (pendingLine)
        lines.append({lineStart, out - begin});
    text.truncate(out - begin);

    const int maximum = int(lines.size());
    result.Entries.reserve(maximum);
    int position = 0;
    if (progress)
        progress(0, maximum);
    for (const auto &[from, to] : std::as_const(lines)) {
        const QStringView line = QStringView(text).sliced(from, to - from);
        LineParts parts;
        if (SplitLine(line, parts)) {
            TDane entry;
            entry.Number = parts.Number;
            entry.KindLabel = LabelText(parts.Digit);
            entry.Headword = ViewOf(parts.Headword);
            entry.Translation = ViewOf(parts.Translation);
            entry.Extra = ViewOf(parts.Extra);
            entry.Text = text;
            result.Entries.append(std::move(entry));
        } else if (!TrimControls(line.toString()).isEmpty()) {
            ++result.SkippedLines;
        }
        ++position;
        if (progress && (position % 256 == 0 || position == maximum))
            progress(position, maximum);
    }
    return result;
}

LoadResult LoadDictionaryFile(const QString &path, const LoadProgress &progress)
{
    QFile variant(path + u"de");
    if (variant.exists() && variant.open(QIODevice::ReadOnly)) {
        const QByteArray data = variant.readAll();
        if (variant.error() == QFileDevice::NoError) {
            LoadResult result = ReadDictionary(data, true, progress);
            if (!result.Entries.isEmpty() || !QFileInfo::exists(path))
                return result;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadDictionary(file.readAll(), false, progress);
}

QByteArray WriteDictionary(const QList<QString> &lines, bool scrambled)
{
    QByteArray out;
    auto put = [&out](char16_t u) {
        out.append(char(u & 0xFF));
        out.append(char(u >> 8));
    };
    put(ByteOrderMark);
    for (const QString &line : lines) {
        const QString text = scrambled ? ScrambleLine(line) : line;
        for (QChar c : text)
            put(c.unicode());
        put(CarriageReturn);
        put(0x000A);
    }
    return out;
}

namespace {

// "\n" + each field folded + "\n"...; a line feed inside a field becomes a blank, so that
// line feeds only ever separate fields. starts gets where each field begins.
QByteArray FieldLines(const QList<TDane> &entries, QString TDane::*field, QList<qsizetype> &starts)
{
    QString text;
    qsizetype size = 1;
    for (const TDane &entry : entries)
        size += (entry.*field).size() + 1;
    text.reserve(size);
    text += u'\n';
    for (const TDane &entry : entries) {
        const qsizetype from = text.size();
        text += QStringView(entry.*field).trimmed();
        // Folded in place; a line feed inside a field becomes a blank.
        for (QChar *c = text.data() + from, *end = text.data() + text.size(); c < end; ++c) {
            const char16_t u = c->unicode();
            if (u < 0x80)
                *c = QChar(char16_t(u >= u'A' && u <= u'Z' ? u + 32 : u == u'\n' ? u' ' : u));
            else
                *c = c->toLower();
        }
        text += u'\n';
    }
    QByteArray bytes = text.toUtf8();
    starts.clear();
    starts.reserve(entries.size());
    const char *const data = bytes.constData();
    for (const char *p = data, *end = data + bytes.size() - 1; p < end;) {
        const char *lineFeed = static_cast<const char *>(std::memchr(p, '\n', size_t(end - p)));
        if (!lineFeed)
            break;
        starts.append(lineFeed + 1 - data);
        p = lineFeed + 1;
    }
    return bytes;
}

// The entry whose field holds byte at (starts ascending).
int EntryAt(const QList<qsizetype> &starts, qsizetype at)
{
    return int(std::upper_bound(starts.begin(), starts.end(), at) - starts.begin()) - 1;
}

// A needle and the byte of it that is rarest in the text it is looked for in: finding that
// byte is a fast scan, and only its places are compared in full.
struct Needle
{
    Needle(const QByteArray &bytes, const std::array<qsizetype, 256> &frequency) : Bytes(bytes)
    {
        for (qsizetype i = 1; i < bytes.size(); ++i)
            if (frequency[uchar(bytes[i])] < frequency[uchar(bytes[Rare])])
                Rare = i;
    }
    QByteArray Bytes;
    qsizetype Rare = 0;
};

const char *Find(const QByteArray &haystack, qsizetype from, const Needle &needle)
{
    const qsizetype size = needle.Bytes.size();
    if (size == 0 || from + size > haystack.size())
        return nullptr;
    const char *const rare = needle.Bytes.constData() + needle.Rare;
    const char *p = haystack.constData() + from + needle.Rare;
    const char *const last = haystack.constData() + haystack.size() - size + needle.Rare; // inclusive
    while (p <= last) {
        const char *q = static_cast<const char *>(std::memchr(p, *rare, size_t(last - p + 1)));
        if (!q)
            return nullptr;
        const char *start = q - needle.Rare;
        if (std::memcmp(start, needle.Bytes.constData(), size_t(size)) == 0)
            return start;
        p = q + 1;
    }
    return nullptr;
}

// Whether the character of UTF-8 text that ends just before at (or starts at at) is a letter
// or a digit; fieldStart and fieldEnd bound the field, outside which there is none.
bool LetterBefore(const QByteArray &text, qsizetype at, qsizetype fieldStart)
{
    qsizetype start = at - 1;
    while (start > fieldStart && (uchar(text[start]) & 0xC0) == 0x80)
        --start;
    if (start < fieldStart)
        return false;
    const QString c = QString::fromUtf8(text.constData() + start, at - start);
    return !c.isEmpty() && c.front().isLetterOrNumber();
}

bool LetterAt(const QByteArray &text, qsizetype at, qsizetype fieldEnd)
{
    if (at >= fieldEnd)
        return false;
    qsizetype end = at + 1;
    while (end < fieldEnd && (uchar(text[end]) & 0xC0) == 0x80)
        ++end;
    const QString c = QString::fromUtf8(text.constData() + at, end - at);
    return !c.isEmpty() && c.front().isLetterOrNumber();
}

std::array<qsizetype, 256> ByteFrequency(const QByteArray &text)
{
    std::array<qsizetype, 256> frequency{};
    for (const char c : text)
        ++frequency[uchar(c)];
    return frequency;
}

} // namespace

QString FoldCase(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    QChar *o = out.data();
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        // A line feed never stands inside a folded field (the index separates fields by it).
        *o++ = u < 0x80 ? QChar(char16_t(u >= u'A' && u <= u'Z' ? u + 32
                                         : u == u'\n'           ? u' '
                                                                : u))
                        : c.toLower();
    }
    return out;
}

TSearchIndex::TSearchIndex(const QList<TDane> &entries)
{
    Heads = FieldLines(entries, &TDane::Headword, HeadStarts);
    Translations = FieldLines(entries, &TDane::Translation, TranslationStarts);
    HeadFrequency = ByteFrequency(Heads);
    TranslationFrequency = ByteFrequency(Translations);
}

QList<int> TSearchIndex::Search(const QString &text, bool letterMode, const SearchOptions &options) const
{
    const QByteArray needle = FoldCase(text).toUtf8();
    const bool inWords = options.InWords || letterMode;
    const bool inTranslations = options.InTranslations && !letterMode && !needle.isEmpty();
    const int count = int(HeadStarts.size());
    QList<int> heads;
    if (letterMode && needle == "{") {
        // The 27th letter button ("Inne") lists the headwords that start with no letter a–z;
        // as a plain prefix "{" would match nothing at all.
        for (int i = 0; i < count; ++i) {
            const char first = Heads.at(HeadStarts[i]);
            if (first != '\n' && !(first >= 'a' && first <= 'z'))
                heads.append(i);
        }
    } else if (inWords) {
        // Prefix: the needle after a line feed; whole word (or no prefix): also before one.
        // An empty needle is never a prefix: it only matches an empty headword.
        const Needle pattern(options.WholeWords || needle.isEmpty() ? QByteArray('\n' + needle + '\n')
                                                                    : QByteArray('\n' + needle),
                             HeadFrequency);
        for (const char *hit = Find(Heads, 0, pattern); hit;
             hit = Find(Heads, hit - Heads.constData() + 1, pattern)) {
            const int entry = EntryAt(HeadStarts, hit - Heads.constData() + 1);
            if (entry >= 0 && entry < count)
                heads.append(entry);
        }
    }
    if (!inTranslations)
        return heads;

    QList<int> results;
    results.reserve(heads.size());
    qsizetype h = 0;
    const auto takeHeadsBefore = [&](int entry) {
        for (; h < heads.size() && heads[h] < entry; ++h)
            results.append(heads[h]);
    };
    const Needle word(needle, TranslationFrequency);
    int entry = 0;
    for (const char *hit = Find(Translations, 0, word); hit;) {
        const qsizetype at = hit - Translations.constData();
        while (entry + 1 < count && TranslationStarts[entry + 1] <= at)
            ++entry;
        const qsizetype end = entry + 1 < count ? TranslationStarts[entry + 1] - 1 : Translations.size() - 1;
        // "Tylko całe wyrazy" holds for translations too: "dom" finds "dom", not "niedomagać".
        const bool whole =
            !options.WholeWords || (!LetterBefore(Translations, at, TranslationStarts[entry]) &&
                                    !LetterAt(Translations, at + needle.size(), end));
        if (at + needle.size() <= end && whole) {
            takeHeadsBefore(entry);
            if (h < heads.size() && heads[h] == entry)
                ++h;
            results.append(entry);
            hit = entry + 1 < count ? Find(Translations, TranslationStarts[entry + 1], word) : nullptr;
        } else {
            hit = Find(Translations, at + 1, word);
        }
    }
    takeHeadsBefore(count);
    return results;
}

QList<int> SearchDictionary(const QList<TDane> &entries, const QString &text, bool letterMode,
                            const SearchOptions &options)
{
    return TSearchIndex(entries).Search(text, letterMode, options);
}

QString LetterOfButton(int n)
{
    return QString(QChar(char16_t(97 + n)));
}

QString NormaliseLookupWord(const QString &word, const std::function<bool(const QString &)> &found)
{
    QString s = TrimControls(word);
    const QString &set = LookupPunctuation();
    while (!s.isEmpty() && set.contains(s.front()))
        s.remove(0, 1);
    while (!s.isEmpty() && set.contains(s.back()))
        s.chop(1);
    if (s.isEmpty() || (found && found(s)))
        return s;

    const QString upper = s.toUpper();
    if (s.size() >= 3 && upper.endsWith(u"ED"))
        s.chop(2);
    else if (s.size() >= 3 && upper.endsWith(u"ES"))
        s.chop(2);
    else if (s.size() >= 4 && upper.endsWith(u"ING"))
        s.chop(3);
    else if (s.size() >= 2 && upper.endsWith(u'S'))
        s.chop(1);
    return s;
}

int TPozycjeSlowek::AddWord(const QString &word, const QRect &rect)
{
    Words.append({word, rect});
    return int(Words.size()) - 1;
}

QString TPozycjeSlowek::WordAt(const QPoint &point) const
{
    for (const TSlowko &w : Words) {
        const QRect &r = w.Rect;
        if (point.x() >= r.left() && point.x() < r.left() + r.width() && point.y() >= r.top() &&
            point.y() < r.top() + r.height())
            return w.Word;
    }
    return {};
}

void TPozycjeSlowek::Clear()
{
    Words.clear();
}

} // namespace Reference
