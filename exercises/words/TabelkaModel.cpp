#include "exercises/words/TabelkaModel.h"

#include <algorithm>

namespace Tabelka {

TModel::TModel(const Struct_Tabelka &table, const RandomPick &pick)
    : Headings_(table.Headings), Rows_(std::max(0, table.Rows))
{
    for (int from : Exercises::DrawOrder(int(table.Words.size()), pick)) {
        TTile tile;
        tile.Text = table.Words[from].Text;
        tile.Column = table.Words[from].Column;
        Tiles_.append(tile);
    }
}

int TModel::TileIn(TCell cell) const
{
    if (!cell.IsCell())
        return -1;
    for (int k = 0; k < Tiles_.size(); ++k) {
        if (Tiles_[k].Cell == cell)
            return k;
    }
    return -1;
}

DropResult TModel::Drop(int tile, TCell cell)
{
    if (tile < 0 || tile >= Tiles_.size())
        return DropResult::Back;
    TTile &t = Tiles_[tile];
    if (Scored_)
        return t.Cell.IsCell() ? DropResult::Back : DropResult::Home;
    const bool inTable = cell.Row >= 1 && cell.Row <= Rows_ && cell.Column >= 1 && cell.Column <= Columns();
    if (!inTable) {
        t.Cell = TCell();
        t.Right = false;
        return DropResult::Home;
    }
    if (TileIn(cell) >= 0)
        return DropResult::Back;
    t.Cell = cell;
    t.Right = cell.Column == t.Column;
    return DropResult::Placed;
}

TScore TModel::Check()
{
    if (Scored_)
        return Score;
    Scored_ = true;
    Score = TScore();
    for (TTile &tile : Tiles_) {
        tile.Right = tile.Cell.IsCell() && tile.Cell.Column == tile.Column;
        tile.WasRight = tile.Right;
        if (tile.Right) {
            tile.Hint.clear();
            ++Score.Good;
        } else {
            tile.Hint =
                Exercises::AnswerHint(tile.Cell.IsCell() ? Headings_.value(tile.Cell.Column - 1) : QString());
            ++Score.Bad;
        }
    }
    return Score;
}

void TModel::ShowRightAnswers()
{
    if (!Scored_ || RightAnswers)
        return;
    RightAnswers = true;
    QList<int> wrong;
    QList<TCell> left;
    for (int k = 0; k < Tiles_.size(); ++k) {
        if (!Tiles_[k].WasRight) {
            wrong.append(k);
            left.append(Tiles_[k].Cell);
            Tiles_[k].Cell = TCell();
        }
    }
    QList<int> stuck;
    for (int k : std::as_const(wrong)) {
        TTile &tile = Tiles_[k];
        bool placed = false;
        if (tile.Column >= 1 && tile.Column <= Columns()) {
            for (int r = 1; r <= Rows_ && !placed; ++r) {
                const TCell cell{r, tile.Column};
                if (TileIn(cell) < 0) {
                    tile.Cell = cell;
                    tile.Right = true;
                    placed = true;
                }
            }
        }
        if (!placed)
            stuck.append(k);
    }
    for (int k : std::as_const(stuck)) {
        const TCell before = left[wrong.indexOf(k)];
        if (before.IsCell() && TileIn(before) < 0)
            Tiles_[k].Cell = before;
    }
}

Mark TModel::TileMark(int tile) const
{
    if (!Scored_ || tile < 0 || tile >= Tiles_.size())
        return Mark::None;
    if (RightAnswers)
        return Tiles_[tile].WasRight ? Mark::None : Mark::Info;
    return Tiles_[tile].WasRight ? Mark::Right : Mark::Wrong;
}

int CellWidth(const Struct_Tabelka &table, const TextMeasure &measure)
{
    int widest = 0;
    for (const QString &heading : table.Headings)
        widest = std::max(widest, measure(heading));
    for (const TTabelkaWord &word : table.Words)
        widest = std::max(widest, measure(word.Text));
    return widest + 52;
}

int TilesPerGridRow(int cellWidth)
{
    return std::max(1, 660 / (cellWidth + 6));
}

int GridRows(int tileCount, int cellWidth)
{
    const int perRow = TilesPerGridRow(cellWidth);
    return std::max(1, (tileCount + perRow - 1) / perRow);
}

QPoint GridHome(int k, int cellWidth)
{
    const int perRow = TilesPerGridRow(cellWidth);
    const int left = 430 - ((cellWidth + 6) * perRow + 10) / 2;
    const int c = k % perRow + 1;
    const int g = k / perRow;
    return {left + (c - 1) * cellWidth + 6 * c + 2, GridTop + 30 * g};
}

QRect TTableLayout::Header(int column) const
{
    return QRect(Left + 8 + column * (CellWidth - 1), Top + 8, CellWidth, TileHeight);
}

QRect TTableLayout::Cell(TCell cell) const
{
    return QRect(Left + 8 + (cell.Column - 1) * (CellWidth - 1), Top + 33 + (cell.Row - 1) * CellStep,
                 CellWidth, TileHeight);
}

QRect TTableLayout::Cells() const
{
    if (Columns < 1 || Rows < 1)
        return {};
    return Cell({1, 1}).united(Cell({Rows, Columns}));
}

TCell TTableLayout::CellAt(QPoint point) const
{
    const QRect all = Cells();
    if (!all.contains(point))
        return {};
    const int column = std::min((point.x() - all.left()) / std::max(1, CellWidth - 1), Columns - 1) + 1;
    const int row = std::min((point.y() - all.top()) / CellStep, Rows - 1) + 1;
    return {row, column};
}

TTableLayout LayOutTable(int columns, int rows, int cellWidth, int tileCount)
{
    TTableLayout layout;
    layout.Columns = std::max(0, columns);
    layout.Rows = std::max(0, rows);
    layout.CellWidth = cellWidth;
    layout.Top = 190 + (GridRows(tileCount, cellWidth) - 1) * 30 + 40 + 20;
    layout.Left = 430 - (layout.Columns * cellWidth + 16) / 2;
    return layout;
}

} // namespace Tabelka
