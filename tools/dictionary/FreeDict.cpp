#include "tools/dictionary/FreeDict.h"

#include "reference/Slownik.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <zlib.h>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace FreeDict {

namespace {

// dictd's base-64 numbers: most significant digit first.
qint64 DecodeNumber(const QByteArray &digits, bool *ok)
{
    static const QByteArray alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    qint64 value = 0;
    *ok = !digits.isEmpty();
    for (char c : digits) {
        const qsizetype d = alphabet.indexOf(c);
        if (d < 0) {
            *ok = false;
            return 0;
        }
        value = value * 64 + d;
    }
    return value;
}

// Removes the database's search annotations: "(:with ADJ :abandon)", "([:in | :as] fact)".
QString RemoveAnnotations(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'(') {
            int depth = 0;
            qsizetype k = i;
            for (; k < text.size(); ++k) {
                if (text.at(k) == u'(')
                    ++depth;
                else if (text.at(k) == u')' && --depth == 0)
                    break;
            }
            // "(:with ADJ :abandon)", "([:in | :as] fact)", "(be V: :housed)": the group
            // lists the search keys of a phrase, marked by words that begin with a colon.
            const QString group = text.mid(i + 1, k - i - 1);
            static const QRegularExpression key(u"(?:^|[\\s\\[|(]):[\\w(]"_s,
                                                QRegularExpression::UseUnicodePropertiesOption);
            if (k < text.size() && group.contains(key)) {
                i = k;
                continue;
            }
        }
        out.append(c);
    }
    return out;
}

QString Tidy(QString text)
{
    static const QRegularExpression spaces(u"\\s+"_s);
    static const QRegularExpression partOfSpeech(u"<[^>]*>"_s);
    // A "[" word in a translation is read as a label marker, so register labels become
    // parentheses; "=" would end the field.
    static const QRegularExpression bracketLabel(u"\\[([^\\]]*)\\]"_s);
    text = RemoveAnnotations(text);
    text.remove(u'*');
    text.remove(partOfSpeech);
    text.replace(bracketLabel, u"(\\1)"_s);
    text.replace(u'=', u'-');
    text.replace(spaces, u" "_s);
    text = text.trimmed();
    while (text.endsWith(u',') || text.endsWith(u';'))
        text.chop(1);
    return text.trimmed();
}

struct Section
{
    QString PartOfSpeech;
    QString Subheadword; // phrasal verbs and compounds named inside the entry
    QString Pronunciation;
    QString Body;
};

// The senses of a section body: "1.  a\n 2.  b\n - c" → "a", "b – c".
QStringList Senses(const QString &body)
{
    static const QRegularExpression senseStart(u"(?:^|\\s)\\d+\\.\\s"_s);
    QStringList senses;
    const QStringList pieces = body.split(senseStart, Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        QStringList lines;
        for (const QString &line : piece.split(u'\n')) {
            const QString t = line.trimmed();
            if (t.isEmpty() || t.startsWith(u"See also:"))
                continue;
            lines.append(t.startsWith(u"- ") ? t.mid(2) : t);
        }
        if (lines.isEmpty())
            continue;
        // A phrase and its translation: "with abandon" + "beztrosko".
        QString sense = lines.size() > 1 && piece.contains(u"\n -")
                            ? Tidy(lines.first()) + u" – " + Tidy(lines.mid(1).join(u' '))
                            : Tidy(lines.join(u' '));
        if (!sense.isEmpty() && !senses.contains(sense))
            senses.append(sense);
    }
    return senses;
}

} // namespace

QByteArray ReadDictData(const QString &path, QString *error)
{
    gzFile in = gzopen(QFile::encodeName(path).constData(), "rb");
    if (!in) {
        if (error)
            *error = u"cannot open "_s + path;
        return {};
    }
    QByteArray data;
    char buffer[1 << 16];
    int n = 0;
    while ((n = gzread(in, buffer, sizeof buffer)) > 0)
        data.append(buffer, n);
    const bool failed = n < 0;
    gzclose(in);
    if (failed) {
        if (error)
            *error = u"cannot decompress "_s + path;
        return {};
    }
    return data;
}

QChar KindDigit(const QString &partOfSpeech)
{
    const QString first = partOfSpeech.section(u' ', 0, 0).toLower();
    if (first == u"n")
        return u'1';
    if (first == u"adj")
        return u'2';
    if (first == u"v")
        return u'3';
    if (first == u"adv")
        return u'6';
    return u'4';
}

QList<Entry> ParseDefinition(const QString &definition)
{
    static const QRegularExpression sectionStart(u"(?:^|\\n)\\s*[IVX]+\\.\\s+"_s);
    static const QRegularExpression leadingPos(u"^\\s*<([^>\\n]+)>"_s);
    static const QRegularExpression headPronunciation(u"\\s/([^/\\n]*)/"_s);
    static const QRegularExpression headPartOfSpeech(u"<([^>\\n]+)>"_s);

    // "adult /ˈædʌlt/ /əˈdʌlt/ <Adj>": the headwords end where the first pronunciation or
    // part of speech begins ("a/c" keeps its slash).
    const qsizetype firstBreak = definition.indexOf(u'\n');
    const QString headLine = definition.left(firstBreak < 0 ? definition.size() : firstBreak);
    const QString rest = firstBreak < 0 ? QString() : definition.mid(firstBreak + 1);
    const QRegularExpressionMatch pron = headPronunciation.match(headLine);
    const QRegularExpressionMatch posMatch = headPartOfSpeech.match(headLine);
    qsizetype headEnd = headLine.size();
    if (pron.hasMatch())
        headEnd = std::min(headEnd, pron.capturedStart());
    if (posMatch.hasMatch())
        headEnd = std::min(headEnd, posMatch.capturedStart());
    const QString headwords = headLine.left(headEnd).trimmed();
    const QString pronunciation = pron.hasMatch() ? Tidy(pron.captured(1)) : QString();
    const QString headPos = posMatch.hasMatch() ? posMatch.captured(1).trimmed() : QString();
    if (headwords.isEmpty())
        return {};

    QList<Section> sections;
    const QStringList parts = rest.split(sectionStart, Qt::SkipEmptyParts);
    const bool numbered = rest.contains(sectionStart);
    for (const QString &part : parts) {
        if (part.trimmed().isEmpty())
            continue;
        Section s;
        s.Body = part;
        s.PartOfSpeech = headPos;
        if (numbered) {
            const QRegularExpressionMatch pos = leadingPos.match(part);
            if (pos.hasMatch()) {
                s.PartOfSpeech = pos.captured(1).trimmed();
                s.Body = part.mid(pos.capturedEnd());
                // "<V Phras>walk out  1.  wychodzić": the phrase runs up to a double blank, or
                // up to the end of its own pronunciation ("/ˌkæpɪtəl  ˈpʌnɪʃmənt/").
                if (!s.Body.isEmpty() && !s.Body.front().isSpace()) {
                    static const QRegularExpression withPron(u"^((?:(?!  )[^/\\n])*?)\\s*/([^/\\n]*)/"_s);
                    const QRegularExpressionMatch p = withPron.match(s.Body);
                    if (p.hasMatch()) {
                        s.Subheadword = Tidy(p.captured(1));
                        s.Pronunciation = Tidy(p.captured(2));
                        s.Body = s.Body.mid(p.capturedEnd());
                    } else {
                        const qsizetype end = s.Body.indexOf(u"  "_s);
                        const qsizetype cut = end < 0 ? s.Body.indexOf(u'\n') : end;
                        s.Subheadword = Tidy(s.Body.left(cut < 0 ? s.Body.size() : cut));
                        s.Body = cut < 0 ? QString() : s.Body.mid(cut);
                    }
                }
            }
        }
        sections.append(s);
    }

    QList<Entry> result;
    Entry main;
    main.Pronunciation = pronunciation;
    QStringList mainParts;
    for (const Section &s : std::as_const(sections)) {
        const QStringList senses = Senses(s.Body);
        if (senses.isEmpty())
            continue;
        const QChar digit = KindDigit(s.PartOfSpeech);
        const QString marker = Reference::LabelText(digit).isEmpty() ? QString() : u"[" + digit + u"] ";
        const QString text = marker + senses.join(u"; ");
        if (!s.Subheadword.isEmpty()) {
            Entry sub;
            sub.Headword = s.Subheadword;
            sub.Digit = digit;
            sub.Translation = text;
            sub.Pronunciation = s.Pronunciation;
            result.append(sub);
            continue;
        }
        if (mainParts.isEmpty())
            main.Digit = digit;
        mainParts.append(text);
    }
    QList<Entry> entries;
    if (!mainParts.isEmpty()) {
        // A part led by its marker needs no separator; unmarked parts are kept apart by "; ".
        main.Translation = mainParts.first();
        for (qsizetype i = 1; i < mainParts.size(); ++i)
            main.Translation += (mainParts.at(i).startsWith(u'[') ? u" "_s : u"; "_s) + mainParts.at(i);
        for (const QString &spelling : headwords.split(u',', Qt::SkipEmptyParts)) {
            Entry e = main;
            e.Headword = Tidy(spelling);
            if (!e.Headword.isEmpty())
                entries.append(e);
        }
    }
    return entries + result;
}

QList<Entry> Convert(const QByteArray &indexText, const QByteArray &dictText)
{
    QList<Entry> entries;
    for (const QByteArray &row : indexText.split('\n')) {
        const QList<QByteArray> fields = row.split('\t');
        if (fields.size() < 3 || fields.at(0).startsWith("00database"))
            continue;
        bool okOffset = false, okLength = false;
        const qint64 offset = DecodeNumber(fields.at(1).trimmed(), &okOffset);
        const qint64 length = DecodeNumber(fields.at(2).trimmed(), &okLength);
        if (!okOffset || !okLength || offset + length > dictText.size())
            continue;
        entries += ParseDefinition(QString::fromUtf8(dictText.mid(offset, length)));
    }
    return entries;
}

QList<QString> DictionaryLines(const QList<Entry> &entries)
{
    QList<QString> lines;
    lines.reserve(entries.size());
    qint32 number = 0;
    for (const Entry &e : entries) {
        Reference::TDane d;
        d.Number = ++number;
        d.Headword = e.Headword;
        d.Translation = e.Translation;
        d.Extra = e.Pronunciation;
        lines.append(Reference::FormatDictionaryLine(d, e.Digit));
    }
    return lines;
}

QList<Entry> ReadCoreVocabulary(const QString &text, QStringList *errors)
{
    static const QRegularExpression label(u"^.{3}\\d+ \\[(\\d)\\]"_s);
    QList<Entry> entries;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        Reference::TDane parsed;
        const QRegularExpressionMatch digit = label.match(line);
        if (!digit.hasMatch() || !Reference::ParseDictionaryLine(line, parsed) || parsed.Headword.isEmpty()) {
            if (errors)
                *errors << u"line %1 does not parse: %2"_s.arg(i + 1).arg(line);
            continue;
        }
        Entry entry;
        entry.Headword = parsed.Headword;
        entry.Digit = digit.captured(1).at(0);
        entry.Translation = parsed.Translation;
        entry.Pronunciation = parsed.Extra;
        entries.append(entry);
    }
    return entries;
}

namespace {

QString EntryKey(const Entry &e)
{
    return e.Headword + u'\n' + e.Digit + u'\n' + e.Translation;
}

// The headword as dictd orders its index: letters and digits only, without accents or case.
QString SortKey(const QString &headword)
{
    QString key;
    for (const QChar c : headword.toLower().normalized(QString::NormalizationForm_D)) {
        if (c.isLetterOrNumber() || c == u' ')
            key.append(c);
    }
    return key;
}

} // namespace

QList<Entry> DropDuplicates(const QList<Entry> &entries)
{
    QList<Entry> kept;
    kept.reserve(entries.size());
    QSet<QString> seen;
    for (const Entry &e : entries) {
        const QString key = EntryKey(e);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        kept.append(e);
    }
    return kept;
}

QList<Entry> MergeCoreVocabulary(const QList<Entry> &core, const QList<Entry> &freedict)
{
    QList<Entry> merged = DropDuplicates(freedict);
    // Where each headword first stands, in lower case, for the entries of the same headword.
    QHash<QString, qsizetype> first;
    QStringList keys;
    keys.reserve(merged.size());
    for (const Entry &e : std::as_const(merged))
        keys.append(SortKey(e.Headword));
    for (qsizetype i = merged.size() - 1; i >= 0; --i)
        first.insert(merged.at(i).Headword.toLower(), i);
    // Each core entry's place in FreeDict's order, found once; equal places keep the core's order.
    QList<std::pair<qsizetype, Entry>> placed;
    for (const Entry &entry : DropDuplicates(core)) {
        const QString head = entry.Headword.toLower();
        qsizetype at = first.value(head, -1);
        if (at < 0) {
            // FreeDict's index is sorted but for a few entries filed under another word
            // ("power of attorney" among the "attorney" entries): the place is where the fewest
            // entries stand on the wrong side of the new one, not merely the first greater one.
            const QString key = SortKey(entry.Headword);
            qsizetype wrong = 0;
            for (const QString &other : std::as_const(keys))
                wrong += QString::compare(other, key) < 0 ? 1 : 0;
            qsizetype fewest = wrong;
            at = 0;
            for (qsizetype i = 0; i < keys.size(); ++i) {
                const int order = QString::compare(keys.at(i), key);
                wrong += order > 0 ? 1 : order < 0 ? -1 : 0;
                if (wrong < fewest) {
                    fewest = wrong;
                    at = i + 1;
                }
            }
        }
        placed.append({at, entry});
    }
    // Core entries that land on the same place keep the alphabetical order among themselves.
    std::stable_sort(placed.begin(), placed.end(), [](const auto &a, const auto &b) {
        if (a.first != b.first)
            return a.first < b.first;
        return QString::compare(SortKey(a.second.Headword), SortKey(b.second.Headword)) < 0;
    });
    QList<Entry> result;
    result.reserve(merged.size() + placed.size());
    QSet<QString> coreKeys;
    qsizetype next = 0;
    for (qsizetype i = 0; i <= merged.size(); ++i) {
        for (; next < placed.size() && placed.at(next).first == i; ++next) {
            result.append(placed.at(next).second);
            coreKeys.insert(EntryKey(placed.at(next).second));
        }
        // A FreeDict entry the core gives word for word is not repeated.
        if (i < merged.size() && !coreKeys.contains(EntryKey(merged.at(i))))
            result.append(merged.at(i));
    }
    return result;
}

} // namespace FreeDict
