#include "exercises/shared/FlowText.h"

#include <QSize>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace FlowText {

bool IsClosingMark(const QString &word)
{
    return word.size() == 1 && QStringView(u".,?!:;").contains(word.at(0));
}

Cursor::Cursor(int width, int lineHeight, int wordSpacing)
    : Width(width), LineHeight(lineHeight), WordSpacing(wordSpacing)
{
}

void Cursor::NewLine()
{
    Y += LineHeight;
    if (PictureBottom < Y) {
        X -= LeftIndent;
        LeftIndent = 0;
        RightAdjust = 0;
    }
}

void Cursor::BreakLine()
{
    X = LeftIndent;
    NewLine();
}

void Cursor::Fit(int w)
{
    if (X + w > RightLimit() && !AtLineStart())
        BreakLine();
}

QRect Cursor::PlaceWords(const QString &text, const Style &style, const Measure &measure, Layout &layout)
{
    QRect piece;
    int pieceLine = -1;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const int w = measure(word, style);
        Fit(w);
        const int left = IsClosingMark(word) ? X - WordSpacing : X;
        const QRect rect(left, Y, w, LineHeight - 4);
        layout.Words.append({word, rect, style});
        if (pieceLine < 0) {
            piece = rect;
            pieceLine = Y;
        } else if (Y == pieceLine) {
            piece.setRight(rect.right());
        }
        X += w + WordSpacing;
    }
    return piece;
}

int Cursor::ContentHeight() const
{
    return std::max(Y + LineHeight, LowestPicture);
}

void FloatPicture(Cursor &cursor, Layout &layout, const QString &name, QSize size, bool right)
{
    cursor.NewLine();
    QRect rect;
    if (right) {
        rect = QRect(cursor.Width - size.width(), cursor.Y, size.width(), size.height());
        cursor.RightAdjust = -(size.width() + 10);
    } else {
        rect = QRect(cursor.X, cursor.Y, size.width(), size.height());
        cursor.LeftIndent = size.width() + 10;
    }
    cursor.PictureBottom = rect.top() + size.height();
    cursor.LowestPicture = std::max(cursor.LowestPicture, cursor.PictureBottom);
    layout.Pictures.append({name, rect});
}

QList<Word> VisibleWords(const Layout &layout, int offset, int areaHeight)
{
    QList<Word> visible;
    for (const Word &word : layout.Words) {
        const int top = word.Rect.top() - offset;
        if (top >= 0 && top < areaHeight)
            visible.append({word.Text, word.Rect.translated(0, -offset), word.Look});
    }
    return visible;
}

int ScrollLines(int contentHeight, int areaHeight, int lineHeight)
{
    if (contentHeight <= areaHeight || lineHeight <= 0)
        return 0;
    return (contentHeight - areaHeight + lineHeight - 1) / lineHeight;
}

} // namespace FlowText
