#include "learner/LearnerFiles.h"

#include "utils/AtomicFile.h"
#include "utils/Utils.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>

namespace Learner::Files {

bool WriteAtomically(const QString &path, const QByteArray &data, QString *error)
{
    return Utils::SaveFileAtomically(path, data, error);
}

namespace {

// The value of the declaration's encoding attribute; empty when there is none.
QByteArray declaredEncoding(const QByteArray &ascii)
{
    if (!ascii.startsWith("<?xml"))
        return {};
    const qsizetype end = ascii.indexOf("?>");
    if (end < 0)
        return {};
    static const QRegularExpression pattern(QStringLiteral("encoding\\s*=\\s*([\"'])([^\"']*)\\1"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(ascii.left(end)));
    return match.hasMatch() ? match.captured(2).trimmed().toLatin1() : QByteArray();
}

bool isUtf16Name(const QByteArray &lower)
{
    return lower == "utf-16" || lower == "utf-16le" || lower == "utf-16be" || lower == "ucs-2" ||
           lower == "unicode";
}

bool isUtf8Name(const QByteArray &lower)
{
    return lower == "utf-8" || lower == "utf8";
}

QByteArray declarationName(const TextEncoding &encoding)
{
    switch (encoding.Scheme) {
    case TextEncoding::Utf8:
        return "UTF-8";
    case TextEncoding::Utf16LE:
    case TextEncoding::Utf16BE:
        return "UTF-16";
    case TextEncoding::EightBit:
        return encoding.Codec;
    }
    return "UTF-8";
}

// text with its declaration's encoding set to name (when it has a declaration).
QString withDeclaredEncoding(const QString &text, const QByteArray &name)
{
    if (!text.startsWith(QLatin1String("<?xml")))
        return text;
    const qsizetype end = text.indexOf(QLatin1String("?>"));
    if (end < 0)
        return text;
    QString declaration = text.left(end);
    static const QRegularExpression pattern(QStringLiteral("encoding\\s*=\\s*([\"'])([^\"']*)\\1"));
    const QString replacement = QStringLiteral("encoding=\"%1\"").arg(QString::fromLatin1(name));
    if (declaration.contains(pattern))
        declaration.replace(pattern, replacement);
    else
        declaration += QLatin1Char(' ') + replacement + QLatin1Char(' ');
    return declaration + text.mid(end);
}

QByteArray utf16Bytes(const QString &text, bool bigEndian)
{
    QByteArray out;
    out.resize((text.size() + 1) * 2);
    char *p = out.data();
    const auto put = [&](char16_t unit) {
        *p++ = char(bigEndian ? unit >> 8 : unit & 0xFF);
        *p++ = char(bigEndian ? unit & 0xFF : unit >> 8);
    };
    put(0xFEFF);
    for (const QChar c : text)
        put(c.unicode());
    return out;
}

} // namespace

bool DecodeXmlText(const QByteArray &bytes, QString &text, TextEncoding &encoding, QString *error)
{
    encoding = TextEncoding();
    qsizetype skip = 0;
    if (bytes.startsWith("\xFF\xFE")) {
        encoding.Scheme = TextEncoding::Utf16LE;
        encoding.ByteOrderMark = true;
        skip = 2;
    } else if (bytes.startsWith("\xFE\xFF")) {
        encoding.Scheme = TextEncoding::Utf16BE;
        encoding.ByteOrderMark = true;
        skip = 2;
    } else if (bytes.startsWith("\xEF\xBB\xBF")) {
        encoding.ByteOrderMark = true;
        skip = 3;
    } else if (bytes.size() >= 2 && bytes.at(0) != 0 && bytes.at(1) == 0) {
        encoding.Scheme = TextEncoding::Utf16LE;
    } else if (bytes.size() >= 2 && bytes.at(0) == 0 && bytes.at(1) != 0) {
        encoding.Scheme = TextEncoding::Utf16BE;
    }

    // The declaration, read in the scheme the bytes are in.
    QByteArray declared;
    if (encoding.Scheme == TextEncoding::Utf8) {
        declared = declaredEncoding(bytes.mid(skip, 200));
    } else {
        QByteArray ascii;
        const bool big = encoding.Scheme == TextEncoding::Utf16BE;
        for (qsizetype i = skip; i + 1 < bytes.size() && ascii.size() < 200; i += 2) {
            const char16_t unit = big ? char16_t(uchar(bytes[i]) << 8 | uchar(bytes[i + 1]))
                                      : char16_t(uchar(bytes[i]) | uchar(bytes[i + 1]) << 8);
            ascii += unit < 0x80 ? char(unit) : '?';
        }
        declared = declaredEncoding(ascii);
    }
    const QByteArray lower = declared.toLower();

    if (encoding.Scheme == TextEncoding::Utf8) {
        if (!declared.isEmpty() && !isUtf8Name(lower) && !isUtf16Name(lower) && !encoding.ByteOrderMark) {
            QStringDecoder probe(declared.constData());
            if (!probe.isValid()) {
                if (error)
                    *error = QStringLiteral("nieobsługiwane kodowanie znaków %1")
                                 .arg(QString::fromLatin1(declared));
                return false;
            }
            encoding.Scheme = TextEncoding::EightBit;
            encoding.Codec = declared;
        }
        // Single-byte text declared UTF-16 (as earlier saves wrote it) is read as UTF-8.
        encoding.DeclarationMatches =
            declared.isEmpty() || encoding.Scheme == TextEncoding::EightBit || isUtf8Name(lower);
    } else {
        encoding.DeclarationMatches = declared.isEmpty() || isUtf16Name(lower);
    }

    QStringDecoder decoder =
        encoding.Scheme == TextEncoding::EightBit
            ? QStringDecoder(encoding.Codec.constData())
            : QStringDecoder(encoding.Scheme == TextEncoding::Utf16LE   ? QStringConverter::Utf16LE
                             : encoding.Scheme == TextEncoding::Utf16BE ? QStringConverter::Utf16BE
                                                                        : QStringConverter::Utf8,
                             QStringConverter::Flag::Stateless);
    text = decoder.decode(QByteArrayView(bytes).sliced(skip));
    if (decoder.hasError()) {
        if (error)
            *error = QStringLiteral("znaki niezgodne z kodowaniem %1")
                         .arg(QString::fromLatin1(declarationName(encoding)));
        return false;
    }
    return true;
}

QByteArray EncodeXmlText(const QString &text, const TextEncoding &encoding)
{
    const QString declared =
        encoding.DeclarationMatches ? text : withDeclaredEncoding(text, declarationName(encoding));
    switch (encoding.Scheme) {
    case TextEncoding::Utf16LE:
        return utf16Bytes(declared, false);
    case TextEncoding::Utf16BE:
        return utf16Bytes(declared, true);
    case TextEncoding::EightBit: {
        QStringEncoder encoder(encoding.Codec.constData());
        const QByteArray bytes = encoder.encode(declared);
        QStringDecoder decoder(encoding.Codec.constData());
        if (!encoder.hasError() && QString(decoder.decode(bytes)) == declared)
            return bytes;
        return withDeclaredEncoding(declared, "UTF-8").toUtf8();
    }
    case TextEncoding::Utf8:
        break;
    }
    return encoding.ByteOrderMark ? QByteArray("\xEF\xBB\xBF") + declared.toUtf8() : declared.toUtf8();
}

bool CanEncode(QChar c, const TextEncoding &encoding)
{
    if (encoding.Scheme != TextEncoding::EightBit || c.unicode() < 0x80)
        return true;
    QStringEncoder encoder(encoding.Codec.constData());
    const QByteArray bytes = encoder.encode(QString(c));
    QStringDecoder decoder(encoding.Codec.constData());
    return !encoder.hasError() && QString(decoder.decode(bytes)) == QString(c);
}

QString EscapeXml(const QString &text, bool attribute, const TextEncoding &encoding)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            continue;
        case u'<':
            out += QLatin1String("&lt;");
            continue;
        case u'>':
            out += QLatin1String("&gt;");
            continue;
        case u'"':
            out += attribute ? QLatin1String("&quot;") : QLatin1String("\"");
            continue;
        default:
            break;
        }
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            if (encoding.Scheme == TextEncoding::EightBit) {
                out += QStringLiteral("&#%1;").arg(uint(code));
            } else {
                out += c;
                out += text.at(i + 1);
            }
            ++i;
            continue;
        }
        const bool control = code < 0x20 && (attribute || (code != 0x09 && code != 0x0A && code != 0x0D));
        if (control || !CanEncode(c, encoding))
            out += QStringLiteral("&#%1;").arg(uint(code));
        else
            out += c;
    }
    return out;
}

XmlState ReadXml(const QString &path, const QString &rootName, QDomDocument &doc, QString *error,
                 TextEncoding *encoding)
{
    QFile file(path);
    if (!file.exists())
        return XmlState::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("nie można go otworzyć");
        return XmlState::Damaged;
    }
    const QByteArray bytes = file.readAll();
    QString text;
    TextEncoding found;
    if (!DecodeXmlText(bytes, text, found, error))
        return XmlState::Damaged;
    if (encoding)
        *encoding = found;
    QString message;
    int line = 0;
    int column = 0;
    if (!doc.setContent(text, &message, &line, &column)) {
        if (error)
            *error = Utils::XmlErrorText(message, line, column);
        return XmlState::Damaged;
    }
    if (doc.documentElement().tagName() != rootName) {
        if (error)
            *error = QStringLiteral("główny element <%1> zamiast <%2>")
                         .arg(doc.documentElement().tagName(), rootName);
        return XmlState::Damaged;
    }
    return XmlState::Read;
}

QString KeepDamagedFile(const QString &path, const QDate &today)
{
    const QString base = path + QStringLiteral(".damaged-") + today.toString(u"yyyy-MM-dd");
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    return QFile::rename(path, target) ? target : QString();
}

QByteArray Utf16Lines(const QStringList &lines)
{
    QByteArray out("\xFF\xFE", 2);
    for (const QString &line : lines) {
        for (const QChar c : QString(line + QStringLiteral("\r\n"))) {
            out.append(char(c.unicode() & 0xFF));
            out.append(char(c.unicode() >> 8));
        }
    }
    return out;
}

QByteArray SerializeXml(const QDomDocument &doc, const TextEncoding &encoding)
{
    return EncodeXmlText(doc.toString(1), encoding);
}

int RemoveInterruptedSaves(const QString &usersFolder)
{
    static const QRegularExpression learnerFile(QStringLiteral("^(usr\\.txt|[0-9]+_(stat|config)\\.xml)$"));
    int removed = 0;
    const QFileInfoList files = QDir(usersFolder).entryInfoList(QDir::Files | QDir::Hidden);
    for (const QFileInfo &file : files) {
        QString finalName;
        if (Utils::IsInterruptedSaveName(file.fileName(), &finalName) &&
            learnerFile.match(finalName).hasMatch() && QFile::remove(file.filePath()))
            ++removed;
    }
    return removed;
}

QString PolishCount(int n, const QString &one, const QString &few, const QString &many)
{
    const int tens = n % 100;
    const int units = n % 10;
    const QString &form = n == 1 ? one : (units >= 2 && units <= 4 && (tens < 12 || tens > 14)) ? few : many;
    return QString::number(n) + QLatin1Char(' ') + form;
}

} // namespace Learner::Files
