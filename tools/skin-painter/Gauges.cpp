// The result gauge and the statistics notebook.
#include "Painter.h"

namespace SkinPainter {

namespace {

QColor ResultColour(int percent)
{
    if (percent < 50)
        return QColor(222, 76, 52);
    if (percent < 75)
        return QColor(236, 160, 20);
    return QColor(0, 154, 43);
}

} // namespace

void PaintGaugeAndNotebook(Output &out)
{
    out.Picture(QStringLiteral("WYKRES_BG"), Draw(259, 90, [](QPainter &p) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(0, 0, 0, 34));
                    p.drawRoundedRect(QRectF(2, 3, 256, 86), 10, 10);
                    p.setPen(QPen(QColor(2, 174, 228), 1.5));
                    p.setBrush(Vertical(0, 88, QColor(255, 255, 255), QColor(232, 243, 250)));
                    p.drawRoundedRect(QRectF(1, 1, 255, 85), 9, 9);
                }));
    for (int step = 0; step <= 100; step += 5) {
        const QString name = step == 100 ? QStringLiteral("WYKRES_100")
                                         : QStringLiteral("WYKRES_%1").arg(step, 2, 10, QLatin1Char('0'));
        out.Picture(name, Draw(70, 84, [&](QPainter &p) {
                        const QRectF ring(8, 10, 56, 56);
                        p.setBrush(Qt::NoBrush);
                        p.setPen(QPen(QColor(220, 228, 236), 10, Qt::SolidLine, Qt::FlatCap));
                        p.drawEllipse(ring);
                        if (step > 0) {
                            p.setPen(QPen(ResultColour(step), 10, Qt::SolidLine,
                                          step == 100 ? Qt::FlatCap : Qt::RoundCap));
                            p.drawArc(ring, 90 * 16, -int(360 * 16 * step / 100.0));
                        }
                        // A star in the middle grows brighter with the result.
                        QPainterPath star;
                        for (int i = 0; i < 10; ++i) {
                            const double a = M_PI / 2 + i * M_PI / 5;
                            const double r = i % 2 ? 6.5 : 14;
                            const QPointF pt(36 + r * std::cos(a), 38 - r * std::sin(a));
                            i ? star.lineTo(pt) : star.moveTo(pt);
                        }
                        star.closeSubpath();
                        p.setPen(Qt::NoPen);
                        p.setBrush(Mix(QColor(214, 222, 230), QColor(255, 196, 0), step / 100.0));
                        p.drawPath(star);
                    }));
    }
    out.Picture(QStringLiteral("ZESZYT_SEP"), Draw(155, 3, [](QPainter &p) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(150, 160, 60));
                    p.drawRect(QRectF(10, 1, 135, 1));
                    p.setBrush(QColor(255, 255, 255, 160));
                    p.drawRect(QRectF(10, 2, 135, 1));
                }));
    auto badge = [&](const char *name, const QColor &c, int symbol) {
        out.Picture(
            QString::fromLatin1(name), Draw(20, 20, [&](QPainter &p) {
                p.setPen(Qt::NoPen);
                p.setBrush(Vertical(0, 20, c.lighter(125), c));
                p.drawEllipse(QRectF(1, 1, 18, 18));
                p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                p.setBrush(Qt::NoBrush);
                if (symbol == 0) {
                    p.drawPolyline(QPolygonF({QPointF(5.5, 10.5), QPointF(8.5, 13.5), QPointF(14.5, 6.5)}));
                } else if (symbol == 1) {
                    p.drawLine(QPointF(6.5, 6.5), QPointF(13.5, 13.5));
                    p.drawLine(QPointF(13.5, 6.5), QPointF(6.5, 13.5));
                } else {
                    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(QPointF(13.5, 6), QPointF(6.5, 14));
                    p.drawEllipse(QRectF(5, 5.5, 3.4, 3.4));
                    p.drawEllipse(QRectF(11.6, 11.2, 3.4, 3.4));
                }
            }));
    };
    badge("ZESZYT_OK", QColor(0, 154, 43), 0);
    badge("ZESZYT_BAD", QColor(214, 48, 49), 1);
    badge("ZESZYT_XFA", QColor(2, 140, 200), 2);
}

} // namespace SkinPainter
