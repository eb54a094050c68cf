#pragma once
// What the matching-pairs screen (kind 7) does, apart from drawing: the rows with their slots,
// the tiles and where they lie, the check, the right answers and the hints, and the layout
// of the tile grid and the rows. The screen measures texts and draws what it gets back.

#include "exercises/shared/ExerciseRules.h"
#include "exercises/words/Struct_Laczenie.h"

#include <QLine>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

namespace Laczenie {

using Exercises::RandomPick;
using Exercises::TextMeasure;
using Exercises::TScore;

enum class RowState { Empty, Occupied, Right, Wrong };
enum class Mark { None, Right, Wrong, Info };

struct TRow
{
    QString Prompt;   // the second part of its para
    QString Expected; // the first part of its para: the text a right tile carries
    int Tile = -1;    // the tile lying in its slot, -1 for none
    RowState State = RowState::Empty;
    QString LearnerText; // the text the learner had put there when the exercise was checked
};

struct TTile
{
    QString Text;
    int Row = -1;           // AktualnaPozycja: the row whose slot it lies in
    bool OnCorrect = false; // it lies in a slot that expects its text
};

class TModel
{
public:
    TModel() = default;
    // Row and tile i come from pair i; the grid order is drawn without replacement.
    TModel(const QList<TPara> &pairs, const RandomPick &pick);

    int Count() const { return int(Rows_.size()); }
    const QList<TRow> &Rows() const { return Rows_; }
    const QList<TTile> &Tiles() const { return Tiles_; }
    // Grid place k holds tile GridOrder()[k].
    const QList<int> &GridOrder() const { return Grid; }

    bool Scored() const { return Scored_; }
    bool ShowsRightAnswers() const { return RightAnswers; }
    const TScore &LastScore() const { return Score; }

    // A tile released over the slot of row (-1: over no slot). It leaves the slot it lay in;
    // an empty row takes it, otherwise it goes home. Returns the row it lies in now, -1 when
    // it goes home. After the check nothing moves.
    int Drop(int tile, int row);

    // Judges every row by the tile lying in it (a row left empty is wrong) and freezes the
    // tiles. Calling it again changes nothing.
    TScore Check();
    // After a check: every tile moves to the slot of its own row. The marks and the score
    // stay as the check left them.
    void ShowRightAnswers();

    // The mark before a row: after the check right or wrong, in the right-answers view the
    // info mark on the rows that were wrong.
    Mark RowMark(int row) const;
    // Whether the empty-slot frame is drawn: on empty rows and on rows judged wrong.
    bool SlotFrameShown(int row) const;
    // The hover hint of a row's mark, and of the tile lying in that row, in the right-answers
    // view: what the learner had put there. Empty elsewhere and for right rows.
    QString RowHint(int row) const;

private:
    QList<TRow> Rows_;
    QList<TTile> Tiles_;
    QList<int> Grid;
    bool Scored_ = false;
    bool RightAnswers = false;
    TScore Score;
};

// Layout of the screen, in form coordinates unless said otherwise.
constexpr int AreaLeft = 100;
constexpr int AreaWidth = 660;
constexpr int GridTop = 198;
constexpr int TileHeight = 24;
constexpr int RowHeight = 27;

// Every tile and slot is as wide as the widest tile text plus 30.
int TileWidth(const QList<TTile> &tiles, const TextMeasure &measure);
// Tiles per grid row; at least one, however wide the tiles are.
int TilesPerGridRow(int tileWidth);
// The home of the tile at grid place k (0-based).
QPoint GridHome(int k, int tileWidth);
// The top of the rows' area: 20 pixels below the last grid row.
int AreaTop(int tileCount, int tileWidth);

struct TWordBox
{
    QString Text;
    QRect Rect; // area coordinates: where the word is drawn, its width and the text height
};

struct TRowsLayout
{
    QList<QRect> Slots;     // per row, area coordinates
    QList<QRect> MarkAreas; // per row: where its mark stands and its hint is pointed at
    QList<QPoint> Marks;    // per row: top-left of its mark picture
    QList<QLine> Dashes;    // per row: the line from the slot to the prompt
    QList<TWordBox> Words;  // the prompts' words, in drawing order
    int Height = 0;
};

struct TRowsMetrics
{
    int MarkWidth = 24; // width of the right-mark picture
    int TileWidth = 0;
    int AreaWidth = AreaWidth;
    TextMeasure Measure; // the prompt font
    int TextHeight = 0;
};

// Lays the rows out from the top of the area. A prompt too long for its line goes on in
// the next line, and its row grows by that line.
TRowsLayout LayOutRows(const TModel &model, const TRowsMetrics &metrics);

// The row whose slot holds point (area coordinates), -1 for none.
int SlotAt(const TRowsLayout &layout, QPoint point);
// The row whose mark area holds point, -1 for none.
int MarkAt(const TRowsLayout &layout, QPoint point);

} // namespace Laczenie
