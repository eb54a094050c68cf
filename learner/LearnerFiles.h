#pragma once
// File handling shared by the learner's three files: atomic writes, keeping an unreadable
// file beside under a new name instead of overwriting it, and reading and writing XML
// text in the encoding the file itself declares.

#include <QByteArray>
#include <QDate>
#include <QString>

class QDomDocument;

namespace Learner::Files {

// Writes data through a temporary file renamed over path, so a crash, a full disk or a
// read-only folder leaves the old content whole. False with a message in Polish.
bool WriteAtomically(const QString &path, const QByteArray &data, QString *error);

// How an XML file's text is stored. Saving writes the same bytes-per-character scheme
// that reading found, and a declaration that names it.
struct TextEncoding
{
    enum Kind { Utf8, Utf16LE, Utf16BE, EightBit };
    Kind Scheme = Utf8;
    QByteArray Codec; // EightBit: the declared name, e.g. "windows-1250"
    bool ByteOrderMark = false;
    bool DeclarationMatches = true; // false: the declaration names another encoding
};

// Decodes a file's bytes by its byte order mark, its first bytes and its declaration.
// A declaration naming an encoding the bytes cannot be in (UTF-16 on single-byte text)
// is taken as mistaken. False, with a reason in Polish, when the bytes do not decode.
bool DecodeXmlText(const QByteArray &bytes, QString &text, TextEncoding &encoding, QString *error);

// The bytes of text (which starts with its declaration, if it has one) in encoding; the
// declaration is corrected when it names another encoding. Characters an 8-bit code page
// lacks are never lost: such a text is written as UTF-8 with a declaration saying so.
QByteArray EncodeXmlText(const QString &text, const TextEncoding &encoding);

// Whether c can be written in encoding as itself (else it goes out as a character reference).
bool CanEncode(QChar c, const TextEncoding &encoding);

// text escaped for an element's content or, with attribute set, a double-quoted value.
QString EscapeXml(const QString &text, bool attribute, const TextEncoding &encoding);

enum class XmlState { Read, Missing, Damaged };

// Reads path into doc (any encoding DecodeXmlText reads); Damaged when it exists but is not
// well-formed XML with the root element rootName (error then tells why, in Polish).
XmlState ReadXml(const QString &path, const QString &rootName, QDomDocument &doc, QString *error,
                 TextEncoding *encoding = nullptr);

// Renames an unreadable file to "<name>.damaged-yyyy-MM-dd" (with "-2", "-3" ... when
// taken) and returns the new path; empty when it could not be moved.
QString KeepDamagedFile(const QString &path, const QDate &today);

// The bytes of a UTF-16 LE text file with BOM whose lines end in CR LF.
QByteArray Utf16Lines(const QStringList &lines);

// The document in encoding, as the program saves a changed file.
QByteArray SerializeXml(const QDomDocument &doc, const TextEncoding &encoding);

// Removes what interrupted saves left in the Users folder: temporary files of usr.txt and
// of the learners' statistics and settings files. Returns how many were removed.
int RemoveInterruptedSaves(const QString &usersFolder);

// "1 wynik", "3 wyniki", "5 wyników": n with the Polish noun form for it.
QString PolishCount(int n, const QString &one, const QString &few, const QString &many);

} // namespace Learner::Files
