#include "tools/dictionary/FreeDict.h"

#include "reference/Slownik.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

#include <zlib.h>

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

} // namespace FreeDict
