#include "exercises/words/LaczenieModel.h"

#include <algorithm>

namespace Laczenie {

TModel::TModel(const QList<TPara> &pairs, const RandomPick &pick)
{
    for (const TPara &pair : pairs) {
        TRow row;
        row.Prompt = pair.Second;
        row.Expected = pair.First;
        Rows_.append(row);
        TTile tile;
        tile.Text = pair.First;
        Tiles_.append(tile);
    }
    Grid = Exercises::DrawOrder(int(pairs.size()), pick);
}

int TModel::Drop(int tile, int row)
{
    if (tile < 0 || tile >= Tiles_.size())
        return -1;
    TTile &t = Tiles_[tile];
    if (Scored_)
        return t.Row;
    if (t.Row >= 0) {
        Rows_[t.Row].Tile = -1;
        Rows_[t.Row].State = RowState::Empty;
        t.Row = -1;
    }
    t.OnCorrect = false;
    if (row < 0 || row >= Rows_.size() || Rows_[row].State != RowState::Empty)
        return -1;
    Rows_[row].Tile = tile;
    Rows_[row].State = RowState::Occupied;
    t.Row = row;
    t.OnCorrect = t.Text == Rows_[row].Expected;
    return row;
}

TScore TModel::Check()
{
    if (Scored_)
        return Score;
    Scored_ = true;
    Score = TScore();
    for (TRow &row : Rows_) {
        row.LearnerText = row.Tile >= 0 ? Tiles_[row.Tile].Text : QString();
        const bool right = row.Tile >= 0 && Tiles_[row.Tile].Text == row.Expected;
        row.State = right ? RowState::Right : RowState::Wrong;
        ++(right ? Score.Good : Score.Bad);
    }
    return Score;
}

void TModel::ShowRightAnswers()
{
    if (!Scored_ || RightAnswers)
        return;
    RightAnswers = true;
    for (int n = 0; n < Tiles_.size(); ++n) {
        Rows_[n].Tile = n;
        Tiles_[n].Row = n;
        Tiles_[n].OnCorrect = true;
    }
}

Mark TModel::RowMark(int row) const
{
    if (!Scored_ || row < 0 || row >= Rows_.size())
        return Mark::None;
    const bool wrong = Rows_[row].State == RowState::Wrong;
    if (RightAnswers)
        return wrong ? Mark::Info : Mark::None;
    return wrong ? Mark::Wrong : Mark::Right;
}

bool TModel::SlotFrameShown(int row) const
{
    if (row < 0 || row >= Rows_.size())
        return false;
    return Rows_[row].State == RowState::Empty || Rows_[row].State == RowState::Wrong;
}

QString TModel::RowHint(int row) const
{
    if (!RightAnswers || row < 0 || row >= Rows_.size() || Rows_[row].State != RowState::Wrong)
        return {};
    return Exercises::AnswerHint(Rows_[row].LearnerText);
}

int TileWidth(const QList<TTile> &tiles, const TextMeasure &measure)
{
    int widest = 0;
    for (const TTile &tile : tiles)
        widest = std::max(widest, measure(tile.Text));
    return widest + 30;
}

int TilesPerGridRow(int tileWidth)
{
    return std::max(1, AreaWidth / (tileWidth + 6));
}

QPoint GridHome(int k, int tileWidth)
{
    const int perRow = TilesPerGridRow(tileWidth);
    const int c = k % perRow + 1;
    const int r = k / perRow;
    return {AreaLeft + (c - 1) * tileWidth + 6 * c + 2, GridTop + 30 * r};
}

int AreaTop(int tileCount, int tileWidth)
{
    if (tileCount <= 0)
        return GridTop;
    return GridHome(tileCount - 1, tileWidth).y() + TileHeight + 20;
}

TRowsLayout LayOutRows(const TModel &model, const TRowsMetrics &m)
{
    TRowsLayout layout;
    const int M = m.MarkWidth;
    const int W = m.TileWidth;
    const int promptLeft = M + W + 31;
    int y = 0;
    for (const TRow &row : model.Rows()) {
        layout.Slots.append(QRect(M + 4, y, W, TileHeight));
        layout.Marks.append(QPoint(0, y + 2));
        layout.Dashes.append(QLine(M + W + 12, y + 12, M + W + 27, y + 12));
        int x = promptLeft;
        int lineTop = y;
        for (const QString &word : row.Prompt.split(u' ', Qt::SkipEmptyParts)) {
            const int w = m.Measure(word);
            if (x > promptLeft && x + w > m.AreaWidth) {
                x = promptLeft;
                lineTop += RowHeight;
            }
            layout.Words.append({word, QRect(x, lineTop + 4, w, m.TextHeight)});
            x += w + 4;
        }
        const int bottom = lineTop + RowHeight;
        layout.MarkAreas.append(QRect(0, y + 3, M, bottom - y - 3));
        y = bottom;
    }
    layout.Height = y;
    return layout;
}

int SlotAt(const TRowsLayout &layout, QPoint point)
{
    for (int i = 0; i < layout.Slots.size(); ++i) {
        if (layout.Slots[i].contains(point))
            return i;
    }
    return -1;
}

int MarkAt(const TRowsLayout &layout, QPoint point)
{
    for (int i = 0; i < layout.MarkAreas.size(); ++i) {
        if (layout.MarkAreas[i].contains(point))
            return i;
    }
    return -1;
}

} // namespace Laczenie
