#pragma once
// What the table-sorting screen (kind 1) does, apart from drawing: the tiles and the cells
// they lie in, drops, the check with its marks and hints, the right answers, and the layout
// of the tile grid and the table.

#include "exercises/shared/ExerciseRules.h"
#include "exercises/words/Struct_Tabelka.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

namespace Tabelka {

using Exercises::RandomPick;
using Exercises::TextMeasure;
using Exercises::TScore;

enum class Mark { None, Right, Wrong, Info };

// A cell by its 1-based row and column; row 0 is no cell.
struct TCell
{
    int Row = 0;
    int Column = 0;
    bool IsCell() const { return Row > 0 && Column > 0; }
    friend bool operator==(const TCell &, const TCell &) = default;
};

struct TTile
{
    QString Text;
    int Column = 0; // the column it belongs to, as the file says
    TCell Cell;     // where it lies
    bool Right = false;
    bool WasRight = false; // as the check found it
    QString Hint;          // after the check, on a wrong tile
};

enum class DropResult {
    Placed, // into the cell it was released over
    Back,   // that cell was taken: back where the drag started
    Home    // released outside the table: back to the grid
};

class TModel
{
public:
    TModel() = default;
    // Tile k holds the word drawn for place k, without replacement.
    TModel(const Struct_Tabelka &table, const RandomPick &pick);

    int Columns() const { return int(Headings_.size()); }
    int RowCount() const { return Rows_; }
    const QStringList &Headings() const { return Headings_; }
    const QList<TTile> &Tiles() const { return Tiles_; }
    // The tile lying in cell, -1 for none.
    int TileIn(TCell cell) const;

    bool Scored() const { return Scored_; }
    bool ShowsRightAnswers() const { return RightAnswers; }
    const TScore &LastScore() const { return Score; }

    // A tile released over cell (no cell: outside the table). A free cell takes it and the
    // cell it left becomes free; a taken cell sends it back; outside it goes home. Nothing
    // moves after the check.
    DropResult Drop(int tile, TCell cell);

    // Marks every tile right (in a cell of its own column) or wrong, with the wrong tiles'
    // hints, and freezes the tiles.
    TScore Check();
    // After a check: each wrong tile in turn moves into the first free cell (by row) of its
    // own column. A tile that finds none keeps its cell while that is still free, and goes
    // home when another tile took it, so no two tiles share a cell.
    void ShowRightAnswers();

    Mark TileMark(int tile) const;

private:
    QStringList Headings_;
    int Rows_ = 0;
    QList<TTile> Tiles_;
    bool Scored_ = false;
    bool RightAnswers = false;
    TScore Score;
};

// Layout, in form coordinates.
constexpr int GridTop = 198;
constexpr int TileHeight = 24;
constexpr int CellStep = 23; // neighbouring cells share their border pixel

// Every tile and cell is as wide as the widest heading or word plus 52.
int CellWidth(const Struct_Tabelka &table, const TextMeasure &measure);
int TilesPerGridRow(int cellWidth);
int GridRows(int tileCount, int cellWidth);
QPoint GridHome(int k, int cellWidth);

struct TTableLayout
{
    int Columns = 0;
    int Rows = 0;
    int CellWidth = 0;
    int Top = 0;                      // T: the table's frame
    int Left = 0;                     // L1
    QRect Header(int column) const;   // 0-based column
    QRect Cell(TCell cell) const;     // as drawn
    QRect Cells() const;              // the drawn cells together
    TCell CellAt(QPoint point) const; // the drawn cell holding point, or no cell
};

TTableLayout LayOutTable(int columns, int rows, int cellWidth, int tileCount);

} // namespace Tabelka
