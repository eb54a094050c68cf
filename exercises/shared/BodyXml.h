#pragma once
// Pieces every exercise body reader shares: the envelope, the instruction and hint texts,
// the translations by language and the file-name rules of recordings and pictures.

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QString>

namespace Exercises {

// An exercise file opened down to its config and body.
struct TExerciseBody
{
    QDomDocument Document;
    QDomElement Config;
    QDomElement Body;
};

// Parses bytes (any encoding the declaration names) and finds config and body under the
// root cwiczenie. False with a message in error otherwise.
bool OpenExerciseBody(const QByteArray &bytes, TExerciseBody &file, QString &error);
// Reads the whole file at path; false with the system's message in error.
bool ReadWholeFile(const QString &path, QByteArray &bytes, QString &error);

// The text of the last child called tag whose id attribute is id; empty when none matches.
// This is how every kind picks its instruction (id 1), its hint and its translations (id =
// the learner's translation language).
QString TextForLanguage(const QDomElement &parent, const QString &tag, int id);

// A file name with its extension replaced by extension (".png", ".mp3", ".jpg"); a name
// without extension gets it appended, an empty name stays empty. Folders in the name are
// kept.
QString WithExtension(const QString &name, const QString &extension);

} // namespace Exercises
