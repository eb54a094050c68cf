// The word tiles and the places they are dropped into: the three-part faces of the tiles of
// matching pairs and table sorting (IMG_Kostka1..3, 24 high) and of word ordering
// (IMG_Klocek1..3, 30 high, with a grip at the left end), the empty slot (IMG_Miejsce1,
// IMG_miejsce2, IMG_miejsce3) and the strips of table cells and headings (IMG_GradCell,
// IMG_GradHeader). Each three-part set is cut from one whole picture, so the stretched middle
// matches its ends exactly.
#include "Painter.h"

namespace SkinPainter {

namespace {

// Cuts a whole face of width w into its left end, a one-pixel middle and its right end.
void Cut(Output &out, const QImage &whole, int left, int right, const QString &leftName,
         const QString &middleName, const QString &rightName)
{
    const int w = whole.width();
    const int h = whole.height();
    out.Picture(leftName, whole.copy(0, 0, left, h));
    out.Picture(middleName, whole.copy(w / 2, 0, 1, h));
    out.Picture(rightName, whole.copy(w - right, 0, right, h));
}

// A wooden-cream block with a light top edge and a shadow under it.
QImage Block(int w, int h, double radius)
{
    return Draw(w, h, [&](QPainter &p) {
        const QRectF body(0.5, 0.5, w - 1.0, h - 2.0);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawRoundedRect(body.translated(0, 1.0), radius, radius);
        p.setBrush(Vertical(0, h, QColor(255, 252, 240), QColor(238, 220, 178)));
        p.setPen(QPen(QColor(176, 142, 84), 1.0));
        p.drawRoundedRect(body, radius, radius);
        p.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
        p.drawLine(QPointF(radius, 1.5), QPointF(w - radius, 1.5));
    });
}

// The word-ordering block: the same face, taller, with a grip of three lines at its left end.
QImage GripBlock(int w, int h)
{
    QImage image = Block(w, h, 6);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(176, 142, 84), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < 3; ++i) {
        const double y = h / 2.0 - 5 + i * 4.5;
        p.drawLine(QPointF(7, y), QPointF(15, y));
    }
    return image;
}

// An empty place: a sunken, half-clear box with a dashed rim.
QImage Slot(int w, int h)
{
    return Draw(w, h, [&](QPainter &p) {
        const QRectF body(0.5, 0.5, w - 1.0, h - 1.0);
        p.setBrush(QColor(255, 255, 255, 150));
        QPen rim(QColor(96, 110, 126), 1.0, Qt::DashLine);
        rim.setDashPattern({3, 2});
        p.setPen(rim);
        p.drawRoundedRect(body, 4, 4);
        p.setPen(QPen(QColor(0, 0, 0, 40), 1.0));
        p.drawLine(QPointF(4, 1.5), QPointF(w - 4, 1.5));
    });
}

QImage Strip(int h, const QColor &top, const QColor &bottom)
{
    return Draw(1, h, [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, 0, 1, h), Vertical(0, h, top, bottom));
    });
}

} // namespace

void PaintTiles(Output &out)
{
    Cut(out, Block(40, 24, 4), 6, 6, QStringLiteral("IMG_Kostka1"), QStringLiteral("IMG_Kostka2"),
        QStringLiteral("IMG_Kostka3"));
    Cut(out, GripBlock(100, 30), 21, 23, QStringLiteral("IMG_Klocek1"), QStringLiteral("IMG_Klocek2"),
        QStringLiteral("IMG_Klocek3"));
    Cut(out, Slot(40, 24), 6, 6, QStringLiteral("IMG_Miejsce1"), QStringLiteral("IMG_miejsce2"),
        QStringLiteral("IMG_miejsce3"));
    out.Picture(QStringLiteral("IMG_GradCell"), Strip(22, QColor(255, 255, 255), QColor(226, 236, 244)));
    out.Picture(QStringLiteral("IMG_GradHeader"), Strip(22, Blue, Navy));
}

} // namespace SkinPainter
