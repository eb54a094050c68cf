#include "reference/Slownik.h"

#include <QFile>
#include <QFileInfo>

#include <array>

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
    case u'1': return QStringLiteral("n");
    case u'2': return QStringLiteral("adj");
    case u'3': return QStringLiteral("v");
    case u'5': return QStringLiteral("col");
    case u'6': return QStringLiteral("adv");
    case u'8':
    case u'9': return QStringLiteral("irr");
    default: return {};
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

bool ParseDictionaryLine(const QString &line, TDane &entry)
{
    // Views into the line: a dictionary has tens of thousands of them to read at once.
    if (line.size() <= 3)
        return false;
    QStringView s = QStringView(line).sliced(3);
    const qsizetype space = s.indexOf(u' ');
    if (space <= 0)
        return false;
    bool ok = false;
    const qint32 number = s.first(space).toInt(&ok, 10);
    if (!ok)
        return false;
    s = s.sliced(space + 1);
    if (s.size() < 3)
        return false;
    const QChar digit = s.at(1);
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
    entry.Number = number;
    entry.KindLabel = LabelText(digit);
    entry.Headword = fields[0].trimmed().toString();
    entry.Translation = fields[1].trimmed().toString();
    entry.Extra = fields[5].trimmed().toString();
    return true;
}

QString FormatDictionaryLine(const TDane &entry, QChar labelDigit)
{
    // The three leading characters carry nothing; the reader skips them.
    return u"   "_s + QString::number(entry.Number) + u" [" + labelDigit + u']' + entry.Headword + u'='
           + entry.Translation + u"====" + entry.Extra;
}

LoadResult ReadDictionary(const QByteArray &data, bool scrambled, const LoadProgress &progress)
{
    LoadResult result;
    result.FileFound = true;

    // Split into lines first so that the progress maximum is the real number of lines.
    const auto *units = reinterpret_cast<const uchar *>(data.constData());
    const qsizetype count = data.size() / 2;
    QStringList lines;
    lines.reserve(count / 48 + 1);
    auto takeLine = [&](qsizetype from, qsizetype to) {
        QString line(to - from, Qt::Uninitialized);
        QChar *out = line.data();
        for (qsizetype i = from; i < to; ++i) {
            const char16_t u = char16_t(units[2 * i] | (units[2 * i + 1] << 8));
            if (u != ByteOrderMark)
                *out++ = QChar(u);
        }
        line.truncate(out - line.constData());
        lines.append(std::move(line));
    };
    qsizetype start = 0;
    for (qsizetype i = 0; i < count; ++i) {
        if (units[2 * i] == CarriageReturn && units[2 * i + 1] == 0) {
            takeLine(start, i);
            ++i; // the line feed after it
            start = i + 1;
        }
    }
    // The text after the last line end is a line when anything but byte order marks is in it.
    bool pendingLine = false;
    for (qsizetype i = start; i < count && !pendingLine; ++i)
        pendingLine = char16_t(units[2 * i] | (units[2 * i + 1] << 8)) != ByteOrderMark;
    if (pendingLine)
        takeLine(start, count);

    const int maximum = int(lines.size());
    result.Entries.reserve(maximum);
    int position = 0;
    if (progress)
        progress(0, maximum);
    for (const QString &raw : std::as_const(lines)) {
        TDane entry;
        if (ParseDictionaryLine(scrambled ? UnscrambleLine(raw) : raw, entry))
            result.Entries.append(std::move(entry));
        else if (!TrimControls(raw).isEmpty())
            ++result.SkippedLines;
        ++position;
        if (progress && (position % 256 == 0 || position == maximum))
            progress(position, maximum);
    }
    return result;
}

LoadResult LoadDictionaryFile(const QString &path, const LoadProgress &progress)
{
    const QString variant = path + u"de";
    const bool scrambled = QFileInfo::exists(variant);
    QFile file(scrambled ? variant : path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ReadDictionary(file.readAll(), scrambled, progress);
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

TSearchIndex::TSearchIndex(const QList<TDane> &entries)
{
    Heads.reserve(entries.size());
    Translations.reserve(entries.size());
    for (const TDane &entry : entries) {
        Heads.append(entry.Headword.trimmed().toLower());
        Translations.append(entry.Translation.trimmed().toLower());
    }
}

QList<int> TSearchIndex::Search(const QString &text, bool letterMode, const SearchOptions &options) const
{
    QList<int> results;
    const QString needle = text.toLower();
    const bool inWords = options.InWords || letterMode;
    const bool inTranslations = options.InTranslations && !letterMode;
    // The 27th letter button ("Inne") lists the headwords that start with no letter a–z;
    // as a plain prefix "{" would match nothing at all.
    const bool otherLetters = letterMode && needle == LetterOfButton(26);
    for (int i = 0; i < Heads.size(); ++i) {
        const QString &h = Heads.at(i);
        bool matched = false;
        if (otherLetters) {
            matched = !h.isEmpty() && !(h.front() >= u'a' && h.front() <= u'z');
        } else if (inWords) {
            // An empty needle is never a prefix: it only matches an empty headword.
            matched = !needle.isEmpty() && h.startsWith(needle);
            if (!matched || options.WholeWords)
                matched = (h == needle);
        }
        // "Tylko całe wyrazy" holds for translations too: "dom" finds "dom", not "niedomagać".
        if (inTranslations && !needle.isEmpty() && !matched)
            matched = options.WholeWords ? ContainsWholeWord(Translations.at(i), needle)
                                         : Translations.at(i).contains(needle);
        if (matched)
            results.append(i);
    }
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
        if (point.x() >= r.left() && point.x() < r.left() + r.width() && point.y() >= r.top()
            && point.y() < r.top() + r.height())
            return w.Word;
    }
    return {};
}

void TPozycjeSlowek::Clear()
{
    Words.clear();
}

} // namespace Reference
