#pragma once
// Rules every exercise screen shares, apart from drawing: the score in per cent with its
// "nothing to score" case, the word of a caption under the pointer and the picture named after
// an exercise file. The file's envelope and texts are read by BodyXml.h, the hint naming a
// learner's wrong answer is built by AnswerHint.h.

#include "utils/Random.h"

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

// The mark a word-tile screen shows by a tile or a row after the check: right, wrong, or the
// explained place of the right-answers view.
enum class TileMark { None, Right, Wrong, Info };
// The skin picture of a mark ("IMG_OK", "IMG_Zle", "IMG_Info"); empty for none.
QString TileMarkPicture(TileMark mark);

// The word of a centred caption under x (caption coordinates): the caption's words, split at
// blanks, are measured from captionLeft, each word's box being the word followed by one blank.
// Empty when x lies in no box.
QString CaptionWordAt(const QString &caption, int captionLeft, const TextMeasure &measure, int x);

// The picture shown under an exercise: the first existing of <base>.bmp and <base>.png in
// folder, base being the exercise file name without folder cut before its first ".".
// Empty when there is none.
QString FindExercisePicture(const QString &folder, const QString &exerciseFile);

} // namespace Exercises
