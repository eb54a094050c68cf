#pragma once
// What the word-ordering screen (kind 50) does, apart from drawing: the column of tiles and
// their places, swaps, the check, the right answers with the words the learner had put at
// each wrong place, and the layout of the column.

#include "exercises/shared/ExerciseRules.h"
#include "exercises/words/Struct_TabelkaCS.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace TabelkaCS {

using Exercises::RandomPick;
using Exercises::TextMeasure;
using Exercises::TScore;

enum class Mark { None, Right, Wrong, Info };

struct TTile
{
    QString Text;
    int RightPosition = 0; // kolejnosc
    int Position = 0;      // where it stands now, 1 = top
    bool WasRight = false; // as the check found it
    bool Right() const { return Position == RightPosition; }
};

class TModel
{
public:
    TModel() = default;
    // Tile i starts at place i + 1 with the word drawn for that place, without replacement;
    // a word may start in its right place.
    TModel(const QList<TOrderedWord> &words, const RandomPick &pick);

    int Count() const { return int(Tiles_.size()); }
    const QList<TTile> &Tiles() const { return Tiles_; }
    // The tile standing at place (1-based), -1 for none.
    int TileAt(int position) const;

    bool Scored() const { return Scored_; }
    bool ShowsRightAnswers() const { return RightAnswers; }
    bool CanDrag() const { return !Scored_ && !RightAnswers; }
    const TScore &LastScore() const { return Score; }

    // Swaps the places of two tiles; false (nothing changes) for a tile on itself, an unknown
    // tile or after the check.
    bool Swap(int a, int b);

    // Counts the tiles in their right places and freezes the column.
    TScore Check();
    // After a check: each place that held a wrong tile keeps the learner's word for its
    // hint, and the tiles move into the right order. A word whose kolejnosc is no free place
    // of 1..N (out of range, or given twice) takes the first place left over, so the column
    // stays whole.
    void ShowRightAnswers();

    Mark TileMark(int tile) const;
    // In the right-answers view: the word the learner had put at place (1-based), empty
    // where the place was right.
    QString LearnerWordAt(int position) const;
    // The hover hint over that place's mark.
    QString PlaceHint(int position) const;

private:
    QList<TTile> Tiles_;
    QList<QString> LearnerWords; // per place, filled by the right answers
    bool Scored_ = false;
    bool RightAnswers = false;
    TScore Score;
};

// Layout, in form coordinates. The column stands centred in the area.
constexpr int TileHeight = 30;
constexpr int Pitch = 40;
inline const QRect Area(100, 208, 677, 512);

// Every tile is as wide as the widest word plus 70.
int TileWidth(const QList<TTile> &tiles, const TextMeasure &measure);

struct TColumnLayout
{
    QRect Column; // CW × CH with its 8-pixel margin
    int TileWidth = 0;
    QPoint Place(int position) const; // top-left of the tile at place (1-based)
    QRect TileRect(int position) const;
    QRect MarkRect(int position) const; // the 24 × 24 square left of the tile
};

TColumnLayout LayOutColumn(int count, int tileWidth, const QRect &area = Area);

// The tile a dragged tile is swapped with when released at point: the first other tile,
// in tile order, whose rectangle widened by 5 pixels holds point, provided point lies in
// the column. -1: the dragged tile goes back.
int SwapTarget(const TModel &model, const TColumnLayout &layout, int dragged, QPoint point);

} // namespace TabelkaCS
