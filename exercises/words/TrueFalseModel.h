#pragma once
// What the true/false table does, apart from drawing it: the random order of the
// statements, the ticks, the score and the layout of the table. The screen supplies text
// measures and picture sizes and draws the layout it gets back.

#include "exercises/words/Struct_TF2.h"
#include "utils/Random.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace TrueFalseModel {

using Utils::RandomPick;

// Puts the statements in a random order, drawn without replacement.
void ShuffleStatements(QList<TTrueFalseItem> &items, const RandomPick &pick);

// A tick in the left (the statement holds) or the right box of row. A row can be ticked
// again any number of times; it never goes back to unanswered.
void Tick(QList<TTrueFalseItem> &items, int row, bool left);

struct TrueFalseScore
{
    int Good = 0;
    int Bad = 0; // wrong ticks and rows left unanswered
    // No score for a table without statements.
    std::optional<int> Percent() const;
};
TrueFalseScore ScoreTrueFalse(const QList<TTrueFalseItem> &items);

enum class TableView { Open, Scored, RightAnswers };
enum class RowMark { None, Right, Wrong };

struct TableMetrics
{
    std::function<int(const QString &)> TextWidth; // a word in the table font
    std::function<int(const QString &)> BoldWidth; // a heading in its bold face
    int TextHeight = 0;                            // height of "W"
    int BoxSize = 23;                              // the boxes are square
    int MarkWidth = 0;                             // width of the right/wrong mark
    int RuleWidth = 3;                             // width of the rule between the columns
    int Width = 0;                                 // width of the table area
};

// Rough measures of the program's table font, for checking a course without a display.
TableMetrics EstimatedMetrics(int width);

struct TableWord
{
    QString Text;
    QRect Rect; // where the word is drawn: top-left, its width and the text height
};

struct TableRow
{
    QRect Rect; // left edge of the left box to the right edge of the right box
    QPoint LeftBox;
    QPoint RightBox;
    bool LeftTicked = false;
    bool RightTicked = false;
    RowMark Mark = RowMark::None;
    QPoint MarkTopLeft;
};

struct TableLayout
{
    QRect TopPicture;    // empty when there is none
    QRect BottomPicture; // empty when there is none
    TableWord LeftHeading;
    TableWord RightHeading;
    QList<TableRow> Rows;   // display order, one per statement
    QList<TableWord> Words; // the statement words, in drawing order
    QRect Pion;             // the vertical rule between the box columns
    QPoint Poziom;          // top-left of the rule under the headings
    int RowsBottom = 0;     // bottom of the last row
    int ContentHeight = 0;  // bottom of everything, the bottom picture included
};

// Lays the table out from the top: the top picture centred, the two headings each centred
// over its box column (the columns spaced by the wider heading), one row per statement with
// its words wrapped at the area's width, the rules, then the bottom picture. Empty picture
// sizes mean no picture. When the marks shown beside the left boxes after a check would
// stand left of the area, the whole table moves right by the difference.
TableLayout LayOutTable(const QList<TTrueFalseItem> &items, const QString &leftHeading,
                        const QString &rightHeading, const TableMetrics &metrics, TableView view,
                        QSize topPicture = {}, QSize bottomPicture = {});

struct BoxRef
{
    int Row = -1;
    bool Left = false;
    bool IsValid() const { return Row >= 0; }
};
// The box under point, rows in display order (the first hit wins).
BoxRef BoxAt(const TableLayout &layout, int boxSize, QPoint point);

// The screen's table area; the table does not scroll.
constexpr int AreaWidth = 660;
constexpr int AreaHeight = 520;

// Whether a table fits its area, as far as rough text measures tell: rows that fall below
// the area cannot be seen or ticked; a bottom picture that does not fit is cut.
QStringList InspectTableFit(const Struct_TF2 &exercise, QSize topPicture, QSize bottomPicture);

} // namespace TrueFalseModel
