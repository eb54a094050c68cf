#pragma once
// Rules every exercise screen shares, apart from drawing: the score in per cent with its
// "nothing to score" case, the hint that names a learner's wrong answer, the word of a caption
// under the pointer, and the envelope, polecenie texts, picture and recording of a file.

#include "utils/Random.h"

#include <QByteArray>
#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

#include "exercises/shared/ScorePercent.h" // ScorePercent, shared by every screen

namespace Exercises {

// The program's random source and its draw without replacement (utils/Random.h).
using Utils::DrawOrder;
using Utils::RandomPick;

// The width of a text in the font a screen draws it with; models lay out through it.
using TextMeasure = std::function<int(const QString &text)>;

// The result of a check: right and wrong items.
struct TScore
{
    int Good = 0;
    int Bad = 0;
    int Total() const { return Good + Bad; }
    // An exercise with nothing to judge has no score: nothing is shown or recorded.
    bool HasScore() const { return Total() > 0; }
    // 100 × good / (good + bad), halves to even; 0 when there is no score.
    int Percent() const;
};

// The hover hint over a wrong answer after the check: interface text 1 followed by the
// learner's answer in bold, or interface text 2 in bold when the learner gave none.
QString AnswerHint(const QString &learnerAnswer);

// An exercise file's root, config and body, parsed from its bytes in whatever encoding its
// declaration names. False with a message when the bytes are no exercise file.
struct TExerciseXml
{
    QDomDocument Document;
    QDomElement Config;
    QDomElement Body;
};
bool ParseExerciseXml(const QByteArray &bytes, TExerciseXml &xml, QString *error);

// The text of the last polecenie child of body whose id is id; empty when none matches.
QString PolecenieText(const QDomElement &body, int id);

// The word of a centred caption under x (caption coordinates): the caption's words, split at
// blanks, are measured from captionLeft, each word's box being the word followed by one blank.
// Empty when x lies in no box.
QString CaptionWordAt(const QString &caption, int captionLeft, const TextMeasure &measure, int x);

// The picture shown under an exercise: the first existing of <base>.bmp and <base>.png in
// folder, base being the exercise file name without folder cut before its first ".".
// Empty when there is none.
QString FindExercisePicture(const QString &folder, const QString &exerciseFile);

// The recording as played: an extension of exactly ".wav" becomes ".mp3" (the course ships
// its recordings as mp3); any other spelling is kept as written.
QString MediaName(const QString &multimedia);

} // namespace Exercises
