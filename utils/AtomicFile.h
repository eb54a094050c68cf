#pragma once
// Saving a file so that it is always whole: the new content goes to a temporary file in
// the same folder, every write and the sync to disk are checked, and only then is it
// renamed over the old file. A full disk, a read-only folder or a killed program leave the
// old file as it was.

#include <QByteArray>
#include <QString>

namespace Utils {

// Writes data to path atomically. False with a message in Polish naming the file and the
// reason (error may be null); the old file is then untouched and no temporary file is left.
bool SaveFileAtomically(const QString &path, const QByteArray &data, QString *error = nullptr);

// The reason of a failed file operation, in Polish, for the system error number.
QString FileErrorReason(int errorNumber);

// Whether name is what an interrupted save leaves behind: the final file's name, a dot and
// six letters or digits. finalName then receives the final file's name.
bool IsInterruptedSaveName(const QString &name, QString *finalName);

} // namespace Utils
