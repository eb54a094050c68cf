#pragma once
// The one reader of the exercise file envelope every body reader goes through: the file's
// bytes, the root cwiczenie with its config and body, the instruction, hint and translation
// texts by language, and the file-name rules of recordings and pictures.

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

// What a reader cannot do without below the root: config and body (the word and picture
// kinds), the body alone (dialogues), or nothing (sentences, whose missing body reads as an
// exercise without sentences).
enum class EnvelopeNeeds { ConfigAndBody, Body, Root };

// Parses bytes (any encoding the declaration names) and finds config and body under the
// root cwiczenie. False with a message in error when the root is not cwiczenie or a part
// needs names is missing.
bool OpenExerciseBody(const QByteArray &bytes, TExerciseBody &file, QString &error,
                      EnvelopeNeeds needs = EnvelopeNeeds::ConfigAndBody);
// Reads the whole file at path; false with the system's message in error.
bool ReadWholeFile(const QString &path, QByteArray &bytes, QString &error);

// A reader's result holding only the fault why, nothing of the exercise.
template <typename Result> Result ReadFault(const QString &why)
{
    Result result;
    result.Error = why;
    return result;
}

// Reads the file at path and hands its bytes to read; a file that cannot be read gives a
// Result (a kind's read result with an Error field) holding the system's message.
template <typename Result, typename Read> Result ReadExerciseFile(const QString &path, Read read)
{
    QByteArray bytes;
    Result result;
    if (!ReadWholeFile(path, bytes, result.Error))
        return result;
    return read(bytes);
}

// The text of the last child called tag whose id attribute is id; empty when none matches.
// This is how every kind picks its instruction (id 1), its hint and its translations (id =
// the learner's translation language).
QString TextForLanguage(const QDomElement &parent, const QString &tag, int id);

// The recording as played: an extension of exactly ".wav" becomes ".mp3" (the course ships
// its recordings as mp3); any other spelling is kept as written.
QString MediaName(const QString &multimedia);
// The exercise's recording: config's multimedia, as played.
QString ConfigMedia(const QDomElement &config);

// A file name with its extension replaced by extension (".png", ".mp3", ".jpg"); a name
// without extension gets it appended, an empty name stays empty. Folders in the name are
// kept.
QString WithExtension(const QString &name, const QString &extension);

} // namespace Exercises
