#pragma once
// File handling shared by the learner's three files: atomic writes, and keeping an
// unreadable file beside under a new name instead of overwriting it.

#include <QByteArray>
#include <QDate>
#include <QString>

class QDomDocument;

namespace Learner::Files {

// Writes data through a temporary file renamed over path, so a crash leaves the old or
// the new content whole. False with a plain-language error.
bool WriteAtomically(const QString &path, const QByteArray &data, QString *error);

enum class XmlState { Read, Missing, Damaged };

// Reads path into doc; Damaged when it exists but is not well-formed XML with the root
// element rootName (error then tells why).
XmlState ReadXml(const QString &path, const QString &rootName, QDomDocument &doc, QString *error);

// Renames an unreadable file to "<name>.damaged-yyyy-MM-dd" (with "-2", "-3" ... when
// taken) and returns the new path; empty when it could not be moved.
QString KeepDamagedFile(const QString &path, const QDate &today);

// The bytes of a UTF-16 LE text file with BOM whose lines end in CR LF.
QByteArray Utf16Lines(const QStringList &lines);

// The document as the program saves it after the first change.
QByteArray SerializeXml(const QDomDocument &doc);

} // namespace Learner::Files
