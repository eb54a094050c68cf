#include "utils/Utils.h"

#include "utils/AtomicFile.h"
#include "utils/XmlDepth.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>

#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace Utils {

namespace {

QString &programFolderSlot()
{
    static QString folder;
    return folder;
}

QString &mediaRootSlot()
{
    static QString folder;
    return folder;
}

QString withoutTrailingSeparator(QString folder)
{
    folder = QDir::fromNativeSeparators(folder);
    while (folder.size() > 1 && folder.endsWith(u'/'))
        folder.chop(1);
    return folder;
}

const char *const cp1250Name = "windows-1250";

// The one piece of name in folder: the exact name when it exists, else the first entry
// that matches ignoring case (sorted, so the choice is the same every time).
QString resolvePiece(const QString &folder, const QString &piece)
{
    const QString exact = folder.endsWith(u'/') ? QString(folder + piece) : QString(folder + u'/' + piece);
    if (QFileInfo::exists(exact))
        return exact;
    QDir dir(folder);
    if (!dir.exists())
        return exact;
    QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : std::as_const(entries)) {
        if (entry.compare(piece, Qt::CaseInsensitive) == 0)
            return exact.left(exact.size() - piece.size()) + entry;
    }
    return exact;
}

} // namespace

QString ProgramFolder()
{
    return programFolderSlot();
}

QString MediaRoot()
{
    return mediaRootSlot();
}

void SetProgramFolder(const QString &folder)
{
    programFolderSlot() = withoutTrailingSeparator(folder);
}

void SetMediaRoot(const QString &folder)
{
    mediaRootSlot() = withoutTrailingSeparator(folder);
}

QString ResolvePath(const QString &root, const QString &relative)
{
    QString path = withoutTrailingSeparator(root);
    QString rest = relative;
    rest.replace(u'\\', u'/');
    const QStringList pieces = rest.split(u'/', Qt::SkipEmptyParts);
    bool found = true;
    for (const QString &piece : pieces) {
        if (piece == u"."_s)
            continue;
        // Once a piece is missing the rest cannot exist either; keep the names as given.
        if (found) {
            path = resolvePiece(path, piece);
            found = QFileInfo::exists(path);
        } else {
            path += u'/' + piece;
        }
    }
    return path;
}

QString ProgramPath(const QString &relative)
{
    return ResolvePath(ProgramFolder(), relative);
}

QString MediaPath(const QString &relative)
{
    return ResolvePath(MediaRoot(), relative);
}

QStringList &InterfaceTexts()
{
    static QStringList texts;
    return texts;
}

QString GetInterfaceText(int number)
{
    return GetInterfaceText(InterfaceTexts(), number);
}

QString GetInterfaceText(const QStringList &texts, int number)
{
    const QString wanted = QString::number(number);
    for (const QString &entry : texts) {
        if (GetField(1, entry, u'=') == wanted)
            return entry.mid(entry.indexOf(u'=') + 1);
    }
    return {};
}

QString ProductCaption()
{
    return QStringLiteral("Lernivo 6.0 Audivox");
}

QString ApplicationTitle()
{
    return QStringLiteral("Audivox");
}

QString GetField(int n, const QString &text, QChar delimiter)
{
    if (text.isEmpty())
        return {};
    int fieldNumber = 0;
    qsizetype start = 0;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i <= length; ++i) {
        // The text is read as if it ended with the delimiter.
        if (i == length || text.at(i) == delimiter) {
            ++fieldNumber;
            if (fieldNumber == n)
                return text.mid(start, i - start);
            start = i + 1;
            if (i == length - 1 && text.at(i) == delimiter)
                break; // the closing delimiter was already there
        }
    }
    return {};
}

QByteArray ToCp1250(const QString &text)
{
    QStringEncoder encoder(cp1250Name);
    return encoder.encode(text);
}

QString FromCp1250(const QByteArray &bytes)
{
    QStringDecoder decoder(cp1250Name);
    return decoder.decode(bytes);
}

QByteArray ToHtmlText(const QString &text)
{
    static const struct
    {
        char16_t letter;
        const char *replacement;
    } table[] = {
        {u'ę', "&#281;"}, {u'ł', "&#322;"}, {u'ś', "&#347;"}, {u'ą', "&#261;"},
        {u'ż', "&#380;"}, {u'ź', "&#378;"}, {u'ć', "&#263;"}, {u'ń', "&#324;"},
        {u'Ę', "&#280;"}, {u'Ł', "&#321;"}, {u'Ś', "&#346;"}, {u'Ą', "&#260;"},
        {u'Ż', "&#379;"}, {u'Ź', "&#377;"}, {u'Ć', "&#262;"}, {u'Ń', "&#323;"},
    };
    QByteArray result;
    result.reserve(text.size());
    QStringEncoder encoder(cp1250Name, QStringEncoder::Flag::Stateless);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        bool replaced = false;
        for (const auto &row : table) {
            if (c.unicode() == row.letter) {
                result += row.replacement;
                replaced = true;
                break;
            }
        }
        if (replaced)
            continue;
        if (c.unicode() < 0x80) {
            result += char(c.unicode());
            continue;
        }
        // A surrogate pair is one character the code page cannot hold.
        QString piece(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            piece += text.at(++i);
        const QByteArray encoded = encoder.encode(piece);
        if (encoder.hasError() || encoded.size() != 1 || FromCp1250(encoded) != piece) {
            encoder.resetState();
            result += '?';
        } else {
            result += encoded;
        }
    }
    return result;
}

QString StripPunctuation(const QString &text)
{
    static const QString punctuation = QStringLiteral("!()+{}:\"<>?[];,._");
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin).unicode() < 33)
        ++begin;
    while (end > begin && text.at(end - 1).unicode() < 33)
        --end;
    QString result;
    result.reserve(end - begin);
    for (qsizetype i = begin; i < end; ++i) {
        if (!punctuation.contains(text.at(i)))
            result += text.at(i);
    }
    return result;
}

namespace {

QByteArray unicodeFile(const QStringList &lines)
{
    QByteArray data("\xFF\xFE", 2);
    for (const QString &line : lines) {
        for (QChar c : line) {
            data += char(c.unicode() & 0xFF);
            data += char(c.unicode() >> 8);
        }
        data += QByteArray("\x0D\x00\x0A\x00", 4);
    }
    return data;
}

void writeOrThrow(const QString &path, const QByteArray &data)
{
    QString error;
    if (!WriteFileAtomically(path, data, &error))
        throw std::runtime_error(error.toStdString());
}

QString joined(const QString &folder, const QString &name)
{
    return withoutTrailingSeparator(folder) + u'/' + name;
}

} // namespace

void CreateLearnerFolders(const QString &folder, int id)
{
    for (const char *suffix : {"Media_arch", "Media_temp"}) {
        const QString path = joined(folder, QString::number(id) + u'_' + QLatin1String(suffix));
        QDir dir;
        if (QFileInfo::exists(path) || !dir.mkdir(path))
            throw std::runtime_error(QStringLiteral("Nie można utworzyć folderu %1")
                                         .arg(QDir::toNativeSeparators(path))
                                         .toStdString());
    }
}

void CreateEmptyStatistics(const QString &folder, int id)
{
    writeOrThrow(joined(folder, QString::number(id) + u"_stat.xml"_s),
                 unicodeFile({QStringLiteral("<?xml version=\"1.0\"?><cwiczenia></cwiczenia>")}));
}

void CreateDefaultSettings(const QString &folder, int id)
{
    // InterfaceLanguage, TranslationLanguage, ArchiveRecordings, ScheduleRepetitions,
    // RepetitionThreshold, Reserved6, the three notices, UsePunctuation, MatchCase.
    static const int defaults[11] = {0, 0, 0, 1, 61, 3, 1, 1, 1, 0, 1};
    QStringList lines{QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<config>")};
    for (int i = 0; i < 11; ++i)
        lines << QStringLiteral("<value id=\"%1\">%2</value>").arg(i + 1).arg(defaults[i]);
    lines << QStringLiteral("</config>");
    writeOrThrow(joined(folder, QString::number(id) + u"_config.xml"_s), unicodeFile(lines));
}

bool RewriteUnicodeFile(QIODevice &file)
{
    if (!file.isOpen() && !file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write("\xFF\xFE", 2) == 2;
}

bool WriteUnicodeLine(QIODevice &file, const QString &text)
{
    QByteArray data;
    data.reserve(text.size() * 2 + 4);
    for (QChar c : text) {
        data += char(c.unicode() & 0xFF);
        data += char(c.unicode() >> 8);
    }
    data += QByteArray("\x0D\x00\x0A\x00", 4);
    return file.write(data) == data.size();
}

QString ReadUnicodeLine(QIODevice &file)
{
    QString line;
    char pair[2];
    while (file.read(pair, 2) == 2) {
        const char16_t unit = char16_t(uchar(pair[0]) | (uchar(pair[1]) << 8));
        if (unit == 0x000D) {
            file.read(pair, 2); // the 000A that follows
            break;
        }
        if (unit != 0xFEFF)
            line += QChar(unit);
    }
    return line;
}

namespace {

// The encoding a document declares: the byte order mark first, then the declaration.
// Empty means UTF-8.
QByteArray declaredEncoding(const QByteArray &bytes)
{
    if (!bytes.startsWith("<?xml"))
        return {};
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0)
        return {};
    const QByteArray declaration = bytes.left(end);
    const qsizetype at = declaration.indexOf("encoding");
    if (at < 0)
        return {};
    qsizetype i = at + 8;
    while (i < declaration.size() && (declaration.at(i) == ' ' || declaration.at(i) == '='))
        ++i;
    if (i >= declaration.size() || (declaration.at(i) != '"' && declaration.at(i) != '\''))
        return {};
    const char quote = declaration.at(i);
    const qsizetype close = declaration.indexOf(quote, i + 1);
    if (close < 0)
        return {};
    return declaration.mid(i + 1, close - i - 1).trimmed();
}

} // namespace

bool ParseXml(const QByteArray &bytes, QDomDocument &document, QString *error)
{
    QString text;
    auto decodeWith = [&](QStringConverter::Encoding encoding, qsizetype skip) {
        QStringDecoder decoder(encoding);
        text = decoder.decode(bytes.mid(skip));
    };
    if (bytes.startsWith("\xFF\xFE"))
        decodeWith(QStringConverter::Utf16LE, 2);
    else if (bytes.startsWith("\xFE\xFF"))
        decodeWith(QStringConverter::Utf16BE, 2);
    else if (bytes.startsWith("\xEF\xBB\xBF"))
        decodeWith(QStringConverter::Utf8, 3);
    else if (bytes.startsWith(QByteArray("<\0?\0", 4)))
        decodeWith(QStringConverter::Utf16LE, 0);
    else if (bytes.startsWith(QByteArray("\0<\0?", 4)))
        decodeWith(QStringConverter::Utf16BE, 0);
    else {
        const QByteArray encoding = declaredEncoding(bytes);
        const QByteArray lower = encoding.toLower();
        if (encoding.isEmpty() || lower == "utf-8" || lower == "utf8") {
            decodeWith(QStringConverter::Utf8, 0);
        } else {
            QStringDecoder decoder(encoding.constData());
            if (!decoder.isValid()) {
                if (error)
                    *error = QStringLiteral("nieobsługiwane kodowanie %1").arg(QString::fromLatin1(encoding));
                return false;
            }
            text = decoder.decode(bytes);
        }
    }
    if (!XmlDepthWithin(text, MaxXmlDepth)) {
        if (error)
            *error =
                QStringLiteral("zbyt głębokie zagnieżdżenie elementów (ponad %1 poziomów)").arg(MaxXmlDepth);
        return false;
    }
    QString message;
    int line = 0;
    int column = 0;
    if (!document.setContent(text, &message, &line, &column)) {
        if (error)
            *error = XmlErrorText(message, line, column);
        return false;
    }
    return true;
}

bool XmlDepthWithin(QStringView text, int limit)
{
    const QChar *p = text.data();
    const QChar *const end = p + text.size();
    const auto skipPast = [&](const char16_t *terminator, qsizetype length) {
        const QStringView rest(p, end - p);
        const qsizetype at = rest.indexOf(QStringView(terminator, length));
        p = at < 0 ? end : p + at + length;
    };
    int depth = 0;
    while (p < end) {
        if (*p != u'<') {
            ++p;
            continue;
        }
        const QStringView rest(p, end - p);
        if (rest.startsWith(u"<!--")) {
            p += 4;
            skipPast(u"-->", 3);
        } else if (rest.startsWith(u"<![CDATA[")) {
            p += 9;
            skipPast(u"]]>", 3);
        } else if (rest.startsWith(u"<?") || rest.startsWith(u"<!")) {
            p += 2;
            skipPast(u">", 1);
        } else if (rest.startsWith(u"</")) {
            p += 2;
            skipPast(u">", 1);
            --depth;
        } else {
            // A start tag: up to its ">" outside quoted values; "/>" opens nothing.
            ++p;
            QChar quote;
            QChar last;
            while (p < end && (!quote.isNull() || *p != u'>')) {
                if (quote.isNull() && (*p == u'"' || *p == u'\''))
                    quote = *p;
                else if (*p == quote)
                    quote = QChar();
                if (!p->isSpace())
                    last = *p;
                ++p;
            }
            if (p < end)
                ++p;
            if (last != u'/' && ++depth > limit)
                return false;
        }
    }
    return true;
}

QString XmlErrorText(const QString &parserMessage, int line, int column)
{
    // Qt's XML parser speaks English; the messages a course file or a learner's file can meet.
    static const QList<std::pair<QRegularExpression, QString>> table = [] {
        const QList<std::pair<const char16_t *, const char16_t *>> rows = {
            {u"^Premature end of document\\.?$", u"nieoczekiwany koniec dokumentu"},
            {u"^Unexpected end of (file|document)\\.?$", u"nieoczekiwany koniec dokumentu"},
            {u"^Extra content at end of document\\.?$", u"nadmiarowa treść za końcem dokumentu"},
            {u"^Opening and ending tag mismatch\\.?$", u"znacznik zamykający nie pasuje do otwierającego"},
            {u"^Invalid XML character\\.?$", u"niedozwolony znak"},
            {u"^Invalid entity value\\.?$", u"niedozwolona wartość encji"},
            {u"^Invalid character reference\\.?$", u"niedozwolone odwołanie do znaku"},
            {u"^Encountered incorrectly encoded content\\.?$", u"treść zapisana w złym kodowaniu"},
            {u"^Invalid document\\.?$", u"niepoprawny dokument"},
            {u"^Start tag expected\\.?$", u"oczekiwano znacznika otwierającego"},
            {u"^Expected character data\\.?$", u"oczekiwano tekstu"},
            {u"^XML declaration not at start of document\\.?$",
             u"deklaracja XML nie stoi na początku dokumentu"},
            {u"^Invalid XML version string\\.?$", u"niepoprawny numer wersji XML"},
            {u"^Unsupported XML version\\.?$", u"nieobsługiwana wersja XML"},
            {u"^Invalid attribute in XML declaration\\.?$", u"niedozwolony atrybut w deklaracji XML"},
            {u"^Attribute '(.*)' redefined\\.?$", u"atrybut „\\1” powtórzony"},
            {u"^Entity '(.*)' not declared\\.?$", u"niezadeklarowana encja „\\1”"},
            {u"^Reference to undeclared entity '(.*)'\\.?$", u"odwołanie do niezadeklarowanej encji „\\1”"},
            {u"^Namespace prefix '(.*)' not declared\\.?$",
             u"niezadeklarowany prefiks przestrzeni nazw „\\1”"},
            {u"^Encoding (.*) is unsupported\\.?$", u"nieobsługiwane kodowanie \\1"},
            {u"^(.*) is an invalid encoding name\\.?$", u"niepoprawna nazwa kodowania \\1"},
            {u"^Unexpected '(.*)'\\.?$", u"nieoczekiwany znak „\\1”"},
            {u"^Expected (.*), but got '(.*)'\\.?$", u"oczekiwano \\1, a napotkano „\\2”"},
            {u"^Sequence '\\]\\]>' not allowed in content\\.?$", u"ciąg „]]>” jest niedozwolony w treści"},
        };
        QList<std::pair<QRegularExpression, QString>> compiled;
        for (const auto &[pattern, polish] : rows)
            compiled.append({QRegularExpression(QString::fromUtf16(pattern)), QString::fromUtf16(polish)});
        return compiled;
    }();
    const QString place = QStringLiteral("wiersz %1, kolumna %2").arg(line).arg(column);
    const QString message = parserMessage.trimmed();
    for (const auto &[pattern, polish] : table) {
        const QRegularExpressionMatch match = pattern.match(message);
        if (!match.hasMatch())
            continue;
        QString text = polish;
        for (int i = match.lastCapturedIndex(); i >= 1; --i)
            text.replace(u"\\"_s + QString::number(i), match.captured(i));
        return text + u" ("_s + place + u')';
    }
    return QStringLiteral("błąd składni XML (%1)").arg(place);
}

bool ReadXmlFile(const QString &path, QDomDocument &document, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return ParseXml(bytes, document, error);
}

bool ParseInteger(const QString &text, int *value)
{
    bool ok = false;
    const int parsed = text.trimmed().toInt(&ok, 10);
    if (ok && value)
        *value = parsed;
    return ok;
}

bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    return SaveFileAtomically(path, data, error);
}

int RoundHalfEven(double value)
{
    return int(std::nearbyint(value)); // the default rounding mode rounds halves to even
}

int Percent(int right, int total)
{
    if (total <= 0)
        return 0;
    return RoundHalfEven(100.0 * right / total);
}

} // namespace Utils
