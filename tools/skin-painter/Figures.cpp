// The learners' figures: women and men in six colours, two sets (11-16 plain, 21-26 on a
// round badge), for the title bar (40 x 40) and the profile list (60 x 59).
#include "Painter.h"

namespace SkinPainter {

namespace {

const QColor Colours[6] = {QColor(2, 174, 228),  QColor(0, 154, 43),   QColor(238, 108, 24),
                           QColor(214, 60, 140), QColor(120, 84, 220), QColor(232, 178, 0)};
const QColor Skin(248, 214, 184), SkinShade(226, 182, 150);

// A friendly bust in a 100 x 100 box, scaled to the picture.
void Person(QPainter &p, double scale, const QColor &shirt, bool woman, bool badge, int colour)
{
    p.save();
    p.scale(scale, scale);
    const QColor hair = badge ? QColor(186, 128, 62) : QColor(78, 52, 36);
    if (badge) {
        p.setPen(Qt::NoPen);
        QRadialGradient g(44, 38, 62);
        g.setColorAt(0, shirt.lighter(170));
        g.setColorAt(1, shirt.lighter(125));
        p.setBrush(g);
        p.drawEllipse(QRectF(2, 2, 96, 96));
        p.setClipPath([] {
            QPainterPath c;
            c.addEllipse(QRectF(2, 2, 96, 96));
            return c;
        }());
    }
    // Long hair falls behind the shoulders.
    if (woman) {
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(27, 22, 46, 52), 20, 20);
    }
    // Shoulders and shirt.
    QPainterPath body;
    body.moveTo(12, 100);
    body.cubicTo(12, 76, 26, 68, 50, 68);
    body.cubicTo(74, 68, 88, 76, 88, 100);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(66, 100, shirt.lighter(112), shirt.darker(112)));
    p.drawPath(body);
    // Collar.
    QPainterPath collar;
    collar.moveTo(40, 69);
    collar.lineTo(50, 82);
    collar.lineTo(60, 69);
    p.setBrush(badge ? QColor(255, 255, 255, 220) : shirt.lighter(150));
    p.drawPath(collar);
    // Neck and head.
    p.setBrush(SkinShade);
    p.drawRoundedRect(QRectF(43, 56, 14, 16), 5, 5);
    p.setBrush(Skin);
    p.drawEllipse(QRectF(31, 18, 38, 44));
    // Hair on top.
    QPainterPath top;
    if (woman) {
        top.moveTo(29, 44);
        top.cubicTo(26, 14, 74, 10, 71, 44);
        top.cubicTo(66, 30, 54, 26, 44, 24);
        top.cubicTo(40, 32, 34, 36, 29, 44);
    } else {
        top.moveTo(31, 36);
        top.cubicTo(30, 12, 70, 12, 69, 36);
        top.cubicTo(62, 28, 44, 30, 38, 24);
        top.cubicTo(36, 30, 33, 32, 31, 36);
    }
    p.setBrush(hair);
    p.drawPath(top);
    // A smile and eyes.
    p.setBrush(QColor(58, 44, 40));
    p.drawEllipse(QRectF(41, 38, 4.5, 5));
    p.drawEllipse(QRectF(54.5, 38, 4.5, 5));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(170, 74, 64), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(42, 40, 16, 12), 200 * 16, 140 * 16);
    if (woman) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 150, 150, 120));
        p.drawEllipse(QRectF(35, 46, 7, 5));
        p.drawEllipse(QRectF(58, 46, 7, 5));
    }
    Q_UNUSED(colour);
    p.restore();
}

} // namespace

void PaintFigures(Output &out)
{
    for (const char *gender : {"K", "M"}) {
        const bool woman = gender[0] == 'K';
        for (int set : {10, 20}) {
            for (int c = 0; c < 6; ++c) {
                const int number = set + c + 1;
                const bool badge = set == 20;
                out.Picture(QStringLiteral("BELKA_LUDZIK_%1_%2").arg(QLatin1String(gender)).arg(number),
                            Draw(40, 40, [&](QPainter &p) { Person(p, 0.40, Colours[c], woman, badge, c); }));
                out.Picture(QStringLiteral("C%1%2").arg(QLatin1String(gender)).arg(number),
                            Draw(60, 59, [&](QPainter &p) {
                                p.translate(0.5, 0);
                                Person(p, 0.59, Colours[c], woman, badge, c);
                            }));
            }
        }
    }
    for (int c = 0; c < 6; ++c)
        out.Picture(QStringLiteral("COLOR%1").arg(c + 1), Draw(24, 24, [&](QPainter &p) {
                        p.setPen(QPen(Colours[c].darker(130), 1));
                        p.setBrush(Vertical(0, 24, Colours[c].lighter(120), Colours[c]));
                        p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 5, 5);
                    }));
}

} // namespace SkinPainter
