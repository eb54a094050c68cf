#include "exercises/words/TrueFalseModel.h"

#include "exercises/shared/ScorePercent.h"

#include <algorithm>

namespace TrueFalseModel {

void ShuffleStatements(QList<TTrueFalseItem> &items, const RandomPick &pick)
{
    Utils::Shuffle(items, pick);
}

void Tick(QList<TTrueFalseItem> &items, int row, bool left)
{
    if (row < 0 || row >= items.size())
        return;
    items[row].Answer = left ? TTrueFalseItem::LeftTicked : TTrueFalseItem::RightTicked;
}

std::optional<int> TrueFalseScore::Percent() const
{
    return Exercises::ScorePercent(Good, Good + Bad);
}

TrueFalseScore ScoreTrueFalse(const QList<TTrueFalseItem> &items)
{
    TrueFalseScore score;
    for (const TTrueFalseItem &item : items) {
        if (item.IsRight())
            ++score.Good;
        else
            ++score.Bad;
    }
    return score;
}

TableMetrics EstimatedMetrics(int width)
{
    // Verdana at 9 points: about 7 pixels a character, 8 in bold, lines 15 high. Generous
    // rather than exact: the course checker warns, it does not refuse.
    TableMetrics metrics;
    metrics.TextWidth = [](const QString &text) { return int(text.size()) * 7; };
    metrics.BoldWidth = [](const QString &text) { return int(text.size()) * 8; };
    metrics.TextHeight = 15;
    metrics.MarkWidth = 23;
    metrics.Width = width;
    return metrics;
}

TableLayout LayOutTable(const QList<TTrueFalseItem> &items, const QString &leftHeading,
                        const QString &rightHeading, const TableMetrics &m, TableView view, QSize topPicture,
                        QSize bottomPicture)
{
    TableLayout layout;
    const int S = m.BoxSize;
    const int L = m.TextHeight;
    int y = 0;

    if (!topPicture.isEmpty()) {
        layout.TopPicture = QRect(QPoint((m.Width - topPicture.width()) / 2, y), topPicture);
        y += topPicture.height() + 20;
    }
    const int y0 = y;

    // Each box column stands centred under its heading; the columns are as far apart as the
    // wider heading is wide.
    const int a = m.BoldWidth(leftHeading);
    const int b = m.BoldWidth(rightHeading);
    const int c = std::max({a, b, 0});
    const int D = c + 18;
    const int E = D / 2;
    const int firstBox = E - S / 2 + 6;
    const int indent = std::max(0, m.MarkWidth + 2 - firstBox);
    layout.LeftHeading = {leftHeading, QRect(indent + E - a / 2 + 6, y, a, L)};
    layout.RightHeading = {rightHeading, QRect(indent + c + E - b / 2 + 24, y, b, L)};
    y += L + 12;

    const int x1 = indent + firstBox;
    const int textLeft = indent + 2 * c + 46;
    for (const TTrueFalseItem &item : items) {
        TableRow row;
        row.LeftBox = QPoint(x1, y);
        row.RightBox = QPoint(x1 + D, y);
        row.Rect = QRect(x1, y, D + S, S);
        switch (view) {
        case TableView::Open:
            row.LeftTicked = item.Answer == TTrueFalseItem::LeftTicked;
            row.RightTicked = item.Answer == TTrueFalseItem::RightTicked;
            break;
        case TableView::RightAnswers:
            row.LeftTicked = item.Truth;
            row.RightTicked = !item.Truth;
            break;
        case TableView::Scored:
            row.LeftTicked = item.Answer == TTrueFalseItem::LeftTicked;
            row.RightTicked = item.Answer == TTrueFalseItem::RightTicked;
            row.Mark = item.IsRight() ? RowMark::Right : RowMark::Wrong;
            row.MarkTopLeft = QPoint(x1 - m.MarkWidth - 2, y);
            break;
        }
        layout.Rows.append(row);

        // The statement word by word; a word that would pass the area's right edge starts a
        // new line, unless it already starts one (then it simply overflows).
        int x = textLeft;
        int lineTop = y + 5;
        int lines = 1;
        for (const QString &word : item.Text.split(u' ', Qt::SkipEmptyParts)) {
            const int w = m.TextWidth(word);
            if (x > textLeft && x + w > m.Width) {
                x = textLeft;
                lineTop += S + 4;
                ++lines;
            }
            layout.Words.append({word, QRect(x, lineTop, w, L)});
            x += w + 4;
        }
        // A wrapped statement pushes the next row down rather than running into it.
        y += lines * (S + 4);
    }
    layout.RowsBottom = items.isEmpty() ? y : y - 4;

    layout.Pion = QRect(indent + c + 22, y0, m.RuleWidth, y - y0);
    layout.Poziom = QPoint(indent + 18, y0 + L + 4);
    y += 20;
    if (!bottomPicture.isEmpty()) {
        layout.BottomPicture = QRect(QPoint((m.Width - bottomPicture.width()) / 2, y), bottomPicture);
        y += bottomPicture.height();
    }
    layout.ContentHeight = y;
    return layout;
}

BoxRef BoxAt(const TableLayout &layout, int boxSize, QPoint point)
{
    for (int r = 0; r < layout.Rows.size(); ++r) {
        const TableRow &row = layout.Rows[r];
        if (QRect(row.LeftBox, QSize(boxSize, boxSize)).contains(point))
            return {r, true};
        if (QRect(row.RightBox, QSize(boxSize, boxSize)).contains(point))
            return {r, false};
    }
    return {};
}

QStringList InspectTableFit(const Struct_TF2 &exercise, QSize topPicture, QSize bottomPicture)
{
    using namespace Qt::StringLiterals;
    const TableLayout layout =
        LayOutTable(exercise.Items, exercise.LeftHeading, exercise.RightHeading, EstimatedMetrics(AreaWidth),
                    TableView::Scored, topPicture, bottomPicture);
    QStringList problems;
    if (layout.RowsBottom > AreaHeight) {
        int hidden = 0;
        for (const TableRow &row : layout.Rows) {
            if (row.Rect.bottom() >= AreaHeight)
                ++hidden;
        }
        problems << u"the table is about %1 pixels high, the area %2: about %3 statement(s) fall below it"_s
                        .arg(layout.RowsBottom)
                        .arg(AreaHeight)
                        .arg(std::max(hidden, 1));
    } else if (layout.ContentHeight > AreaHeight) {
        problems << u"the bottom picture does not fit below the table (about %1 pixels of %2)"_s
                        .arg(layout.ContentHeight)
                        .arg(AreaHeight);
    }
    return problems;
}

} // namespace TrueFalseModel
