// Pictures of the sentence screens: the translation card, the insertion marker and the
// underline of the arranging screen, and the self-judgement glyphs of the translation screen.
#include "Painter.h"

namespace SkinPainter {

namespace {

// A round badge with a white symbol, as the host's marks are drawn.
QImage Badge(int size, const QColor &c, const std::function<void(QPainter &, const QRectF &)> &symbol)
{
    return Draw(size, size, [&](QPainter &p) {
        const QRectF r(2, 1.5, size - 4, size - 4);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 46));
        p.drawEllipse(r.translated(0, 1.5));
        QRadialGradient g(r.center().x() - r.width() * 0.2, r.top() + r.height() * 0.3, r.width() * 0.8);
        g.setColorAt(0, c.lighter(130));
        g.setColorAt(1, c);
        p.setBrush(g);
        p.drawEllipse(r);
        symbol(p, r);
    });
}

QPen White(double w)
{
    return QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

void PaintSentencePictures(Output &out)
{
    // A sheet of notepaper pinned under the sentence: ruled, with a margin line.
    out.Picture(QStringLiteral("IMG_Kartka"), Draw(450, 68, [](QPainter &p) {
                    const QRectF sheet(1.5, 1.5, 446, 63);
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0, 0, 0, 40));
                    p.drawRoundedRect(sheet.translated(1.5, 2), 4, 4);
                    p.setBrush(Vertical(0, 68, QColor(255, 253, 240), QColor(250, 243, 214)));
                    p.setPen(QPen(QColor(214, 200, 150), 1));
                    p.drawRoundedRect(sheet, 4, 4);
                    p.setPen(QPen(QColor(186, 214, 236), 1));
                    for (double y = 22.5; y < 64; y += 18)
                        p.drawLine(QPointF(6, y), QPointF(444, y));
                    p.setPen(QPen(QColor(236, 150, 160), 1));
                    p.drawLine(QPointF(12.5, 3), QPointF(12.5, 64));
                }));

    // Where a dragged word would land: a red bar with a notch at both ends.
    out.Picture(QStringLiteral("IMG_c1"), Draw(8, 22, [](QPainter &p) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(Red);
                    p.drawRect(QRectF(3, 2, 2, 18));
                    p.drawPolygon(QPolygonF({QPointF(0, 0), QPointF(8, 0), QPointF(4, 4)}));
                    p.drawPolygon(QPolygonF({QPointF(0, 22), QPointF(8, 22), QPointF(4, 18)}));
                }));

    // The line under the word the pointer is on.
    out.Picture(QStringLiteral("IMG_Poziom"), Draw(80, 2, [](QPainter &p) {
                    p.setRenderHint(QPainter::Antialiasing, false);
                    p.fillRect(QRect(0, 0, 80, 2), Blue);
                }));

    out.Picture(QStringLiteral("IMG_Umiem"), Badge(40, Green, [](QPainter &p, const QRectF &r) {
                    p.setPen(White(3.6));
                    p.setBrush(Qt::NoBrush);
                    p.drawPolyline(
                        QPolygonF({QPointF(r.left() + r.width() * 0.24, r.top() + r.height() * 0.52),
                                   QPointF(r.left() + r.width() * 0.43, r.top() + r.height() * 0.71),
                                   QPointF(r.left() + r.width() * 0.77, r.top() + r.height() * 0.31)}));
                }));
    out.Picture(QStringLiteral("IMG_NieUmiem"), Badge(40, Red, [](QPainter &p, const QRectF &r) {
                    p.setPen(White(3.6));
                    const double a = 0.32, b = 0.68;
                    p.drawLine(QPointF(r.left() + r.width() * a, r.top() + r.height() * a),
                               QPointF(r.left() + r.width() * b, r.top() + r.height() * b));
                    p.drawLine(QPointF(r.left() + r.width() * b, r.top() + r.height() * a),
                               QPointF(r.left() + r.width() * a, r.top() + r.height() * b));
                }));
}

} // namespace SkinPainter
