#include "exercises/words/TabelkaCSModel.h"

#include <algorithm>

namespace TabelkaCS {

TModel::TModel(const QList<TOrderedWord> &words, const RandomPick &pick)
{
    const QList<int> order = Exercises::DrawOrder(int(words.size()), pick);
    for (int i = 0; i < order.size(); ++i) {
        TTile tile;
        tile.Text = words[order[i]].Text;
        tile.RightPosition = words[order[i]].Position;
        tile.Position = i + 1;
        Tiles_.append(tile);
    }
}

int TModel::TileAt(int position) const
{
    for (int i = 0; i < Tiles_.size(); ++i) {
        if (Tiles_[i].Position == position)
            return i;
    }
    return -1;
}

bool TModel::Swap(int a, int b)
{
    if (!CanDrag() || a == b || a < 0 || b < 0 || a >= Tiles_.size() || b >= Tiles_.size())
        return false;
    std::swap(Tiles_[a].Position, Tiles_[b].Position);
    return true;
}

TScore TModel::Check()
{
    if (Scored_)
        return Score;
    Scored_ = true;
    Score = TScore();
    for (TTile &tile : Tiles_) {
        tile.WasRight = tile.Right();
        ++(tile.WasRight ? Score.Good : Score.Bad);
    }
    return Score;
}

void TModel::ShowRightAnswers()
{
    if (!Scored_ || RightAnswers)
        return;
    RightAnswers = true;
    const int n = Count();
    LearnerWords = QList<QString>(n);
    QList<bool> taken(n + 1, false);
    for (const TTile &tile : std::as_const(Tiles_)) {
        if (tile.WasRight)
            taken[tile.Position] = true;
    }
    QList<int> homeless;
    for (int i = 0; i < n; ++i) {
        TTile &tile = Tiles_[i];
        if (tile.WasRight)
            continue;
        LearnerWords[tile.Position - 1] = tile.Text;
        const int target = tile.RightPosition;
        if (target >= 1 && target <= n && !taken[target]) {
            tile.Position = target;
            taken[target] = true;
        } else {
            homeless.append(i);
        }
    }
    int free = 1;
    for (int i : std::as_const(homeless)) {
        while (taken[free])
            ++free;
        Tiles_[i].Position = free;
        taken[free] = true;
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

QString TModel::LearnerWordAt(int position) const
{
    return LearnerWords.value(position - 1);
}

QString TModel::PlaceHint(int position) const
{
    const QString word = LearnerWordAt(position);
    return word.isEmpty() ? QString() : Exercises::AnswerHint(word);
}

int TileWidth(const QList<TTile> &tiles, const TextMeasure &measure)
{
    int widest = 0;
    for (const TTile &tile : tiles)
        widest = std::max(widest, measure(tile.Text));
    return widest + 70;
}

QPoint TColumnLayout::Place(int position) const
{
    return {Column.left() + 8, Column.top() + Pitch * (position - 1)};
}

QRect TColumnLayout::TileRect(int position) const
{
    return QRect(Place(position), QSize(TileWidth, TileHeight));
}

QRect TColumnLayout::MarkRect(int position) const
{
    const QPoint at = Place(position);
    return QRect(at.x() - 24, at.y() + (TileHeight - 24) / 2, 24, 24);
}

TColumnLayout LayOutColumn(int count, int tileWidth, const QRect &area)
{
    TColumnLayout layout;
    layout.TileWidth = tileWidth;
    const int width = tileWidth + 16;
    const int height = Pitch * count + 16;
    layout.Column = QRect(area.left() + (area.width() - width) / 2, area.top() + (area.height() - height) / 2,
                          width, height);
    return layout;
}

int SwapTarget(const TModel &model, const TColumnLayout &layout, int dragged, QPoint point)
{
    if (!layout.Column.contains(point))
        return -1;
    for (int i = 0; i < model.Count(); ++i) {
        if (i == dragged)
            continue;
        if (layout.TileRect(model.Tiles()[i].Position).adjusted(-5, -5, 5, 5).contains(point))
            return i;
    }
    return -1;
}

} // namespace TabelkaCS
