#include "Motifs.h"

#include "Palette.h"
#include "SceneSource.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>
#include <map>

namespace CourseMedia {

namespace {

using namespace Palette;

// Every motif draws in a 100 x 100 box; DrawMotif scales it to the real one.
struct Pen
{
    QColor main, accent;
};
using MotifFn = std::function<void(QPainter &, const Pen &)>;

void Fill(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
}
void Line(QPainter &p, const QColor &c, qreal w)
{
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
}
void Shadow(QPainter &p, qreal cx = 50, qreal w = 70, qreal y = 91)
{
    Fill(p, QColor(6, 54, 99, 40));
    p.drawEllipse(QRectF(cx - w / 2, y - 4, w, 8));
}
QColor Shade(const QColor &c, int f = 125)
{
    return c.darker(f);
}

void Sun(QPainter &p, const Pen &)
{
    Line(p, Palette::Sun, 5);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(50, 50);
        p.rotate(i * 30);
        p.drawLine(QPointF(0, -34), QPointF(0, -44));
        p.restore();
    }
    Fill(p, Palette::Sun);
    p.drawEllipse(QPointF(50, 50), 26, 26);
    Fill(p, QColor(255, 226, 140));
    p.drawEllipse(QPointF(44, 44), 12, 12);
}

void Cloud(QPainter &p, const Pen &pen)
{
    Fill(p, pen.accent.lighter(160));
    QPainterPath path;
    path.addEllipse(QRectF(14, 40, 36, 32));
    path.addEllipse(QRectF(32, 26, 40, 40));
    path.addEllipse(QRectF(54, 42, 32, 30));
    path.addRoundedRect(QRectF(22, 52, 56, 20), 10, 10);
    p.drawPath(path.simplified());
    Fill(p, pen.accent);
    for (int i = 0; i < 4; ++i)
        p.drawRoundedRect(QRectF(28 + i * 13, 78 + (i % 2) * 5, 4, 10), 2, 2);
}

void House(QPainter &p, const Pen &pen)
{
    Shadow(p);
    Fill(p, Sand);
    p.drawRect(QRectF(22, 46, 56, 44));
    Fill(p, Shade(pen.main));
    p.drawRect(QRectF(64, 22, 8, 20));
    Fill(p, pen.main);
    p.drawPolygon(QPolygonF({QPointF(14, 50), QPointF(50, 16), QPointF(86, 50)}));
    Fill(p, Wood);
    p.drawRoundedRect(QRectF(44, 62, 14, 28), 2, 2);
    Fill(p, pen.accent);
    p.drawRect(QRectF(28, 56, 12, 12));
    p.drawRect(QRectF(62, 56, 12, 12));
}

void Tree(QPainter &p, const Pen &)
{
    Shadow(p, 50, 50);
    Fill(p, Wood);
    p.drawRoundedRect(QRectF(45, 56, 10, 36), 3, 3);
    Fill(p, Leaf);
    p.drawEllipse(QRectF(22, 14, 56, 52));
    Fill(p, Leaf.lighter(120));
    p.drawEllipse(QRectF(30, 20, 26, 22));
    Fill(p, Leaf.darker(115));
    p.drawEllipse(QRectF(52, 40, 22, 20));
}

void Cup(QPainter &p, const Pen &pen)
{
    Shadow(p, 48, 64);
    Line(p, Stone, 2.5);
    for (int i = 0; i < 3; ++i) {
        QPainterPath steam;
        steam.moveTo(36 + i * 12, 30);
        steam.cubicTo(30 + i * 12, 22, 42 + i * 12, 18, 36 + i * 12, 8);
        p.drawPath(steam);
    }
    Fill(p, Shade(pen.main, 110));
    p.drawEllipse(QRectF(16, 80, 64, 10));
    Line(p, pen.main, 7);
    p.drawEllipse(QRectF(66, 46, 18, 20));
    Fill(p, pen.main);
    QPainterPath body;
    body.moveTo(22, 36);
    body.lineTo(74, 36);
    body.cubicTo(74, 70, 66, 84, 48, 84);
    body.cubicTo(30, 84, 22, 70, 22, 36);
    p.drawPath(body);
    Fill(p, Wood.darker(130));
    p.drawEllipse(QRectF(22, 32, 52, 8));
    Fill(p, pen.accent);
    p.drawRoundedRect(QRectF(30, 52, 36, 6), 3, 3);
}

void Vehicle(QPainter &p, const Pen &pen, bool bus)
{
    Shadow(p, 50, 84, 88);
    Fill(p, pen.main);
    if (bus) {
        p.drawRoundedRect(QRectF(8, 28, 84, 52), 10, 10);
    } else {
        QPainterPath body;
        body.moveTo(8, 80);
        body.lineTo(8, 40);
        body.cubicTo(8, 30, 14, 26, 24, 26);
        body.lineTo(70, 26);
        body.cubicTo(86, 26, 94, 44, 94, 62);
        body.lineTo(94, 80);
        body.closeSubpath();
        p.drawPath(body);
    }
    Fill(p, Ice);
    const int windows = bus ? 4 : 3;
    for (int i = 0; i < windows; ++i)
        p.drawRoundedRect(QRectF(14 + i * (bus ? 19 : 20), 36, bus ? 15 : 16, 16), 3, 3);
    if (!bus)
        p.drawRoundedRect(QRectF(74, 36, 12, 16), 3, 3);
    Fill(p, pen.accent);
    p.drawRect(QRectF(8, 60, bus ? 84 : 86, 6));
    Fill(p, Ink);
    p.drawEllipse(QRectF(18, 72, 16, 16));
    p.drawEllipse(QRectF(66, 72, 16, 16));
    Fill(p, Stone);
    p.drawEllipse(QRectF(22, 76, 8, 8));
    p.drawEllipse(QRectF(70, 76, 8, 8));
    Fill(p, Palette::Sun);
    p.drawEllipse(QRectF(bus ? 84 : 88, 68, 6, 6));
}
void Bus(QPainter &p, const Pen &pen)
{
    Vehicle(p, pen, true);
}

void Train(QPainter &p, const Pen &pen)
{
    // Rails with sleepers, a carriage and a locomotive with a rounded nose.
    Fill(p, Wood);
    for (int x = 6; x < 96; x += 11)
        p.drawRect(QRectF(x, 86, 6, 6));
    Line(p, Stone, 3);
    p.drawLine(QPointF(2, 87), QPointF(98, 87));
    Fill(p, Shade(pen.main, 110));
    p.drawRoundedRect(QRectF(4, 38, 40, 40), 5, 5);
    Fill(p, pen.main);
    QPainterPath engine;
    engine.moveTo(48, 78);
    engine.lineTo(48, 34);
    engine.cubicTo(48, 30, 50, 28, 56, 28);
    engine.lineTo(74, 28);
    engine.cubicTo(90, 28, 97, 50, 97, 66);
    engine.lineTo(97, 78);
    engine.closeSubpath();
    p.drawPath(engine);
    Fill(p, Ice);
    p.drawRoundedRect(QRectF(9, 44, 13, 13), 2, 2);
    p.drawRoundedRect(QRectF(26, 44, 13, 13), 2, 2);
    p.drawRoundedRect(QRectF(54, 36, 14, 16), 2, 2);
    QPainterPath windscreen;
    windscreen.moveTo(74, 36);
    windscreen.lineTo(82, 36);
    windscreen.cubicTo(86, 40, 89, 46, 90, 52);
    windscreen.lineTo(74, 52);
    windscreen.closeSubpath();
    p.drawPath(windscreen);
    Fill(p, pen.accent);
    p.drawRect(QRectF(4, 62, 40, 5));
    p.drawRect(QRectF(48, 62, 49, 5));
    Fill(p, Ink);
    for (qreal x : {10.0, 30.0, 56.0, 80.0})
        p.drawEllipse(QRectF(x, 74, 11, 11));
    Fill(p, Palette::Sun);
    p.drawEllipse(QRectF(90, 68, 5, 5));
}

void Car(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 84, 84);
    Fill(p, pen.main);
    QPainterPath body;
    body.moveTo(8, 74);
    body.lineTo(8, 58);
    body.cubicTo(8, 52, 12, 50, 20, 49);
    body.lineTo(30, 34);
    body.cubicTo(32, 31, 35, 30, 40, 30);
    body.lineTo(64, 30);
    body.cubicTo(68, 30, 70, 31, 73, 34);
    body.lineTo(84, 49);
    body.cubicTo(90, 50, 92, 54, 92, 58);
    body.lineTo(92, 74);
    body.closeSubpath();
    p.drawPath(body);
    Fill(p, Ice);
    p.drawPolygon(QPolygonF({QPointF(34, 48), QPointF(40, 36), QPointF(50, 36), QPointF(50, 48)}));
    p.drawPolygon(QPolygonF({QPointF(54, 48), QPointF(54, 36), QPointF(64, 36), QPointF(72, 48)}));
    Fill(p, Ink);
    p.drawEllipse(QRectF(18, 64, 18, 18));
    p.drawEllipse(QRectF(64, 64, 18, 18));
    Fill(p, Stone);
    p.drawEllipse(QRectF(23, 69, 8, 8));
    p.drawEllipse(QRectF(69, 69, 8, 8));
    Fill(p, Palette::Sun);
    p.drawEllipse(QRectF(86, 56, 6, 6));
}

void Plane(QPainter &p, const Pen &pen)
{
    p.translate(50, 50);
    p.rotate(-20);
    p.translate(-50, -50);
    Fill(p, Shade(pen.main, 110));
    p.drawPolygon(QPolygonF({QPointF(44, 50), QPointF(30, 86), QPointF(40, 86), QPointF(64, 50)}));
    p.drawPolygon(QPolygonF({QPointF(14, 48), QPointF(8, 32), QPointF(14, 32), QPointF(26, 46)}));
    Fill(p, White);
    p.drawRoundedRect(QRectF(8, 42, 86, 16), 8, 8);
    Fill(p, pen.main);
    p.drawPolygon(QPolygonF({QPointF(44, 50), QPointF(30, 14), QPointF(40, 14), QPointF(64, 50)}));
    Fill(p, pen.accent);
    for (int i = 0; i < 6; ++i)
        p.drawEllipse(QRectF(30 + i * 9, 46, 5, 5));
    Fill(p, pen.main);
    p.drawEllipse(QRectF(82, 45, 8, 7));
}

void Shop(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 84);
    Fill(p, White);
    p.drawRect(QRectF(12, 36, 76, 54));
    for (int i = 0; i < 6; ++i) {
        Fill(p, i % 2 ? White : pen.accent);
        QPainterPath awning;
        awning.addRect(QRectF(8 + i * 14, 26, 14, 14));
        awning.addEllipse(QRectF(8 + i * 14, 33, 14, 12));
        p.drawPath(awning.simplified());
    }
    Fill(p, pen.main);
    p.drawRect(QRectF(8, 16, 84, 11));
    Fill(p, Ice);
    p.drawRect(QRectF(18, 52, 34, 26));
    Fill(p, Wood);
    p.drawRect(QRectF(60, 52, 20, 38));
    Fill(p, Palette::Sun);
    p.drawEllipse(QRectF(74, 70, 3, 3));
    Fill(p, Coral);
    p.drawEllipse(QRectF(22, 64, 10, 10));
    Fill(p, Leaf);
    p.drawEllipse(QRectF(34, 66, 10, 10));
}

void Doctor(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 60);
    Fill(p, White);
    p.drawRoundedRect(QRectF(22, 54, 56, 40), 16, 16);
    Fill(p, pen.accent);
    p.drawPolygon(QPolygonF({QPointF(42, 54), QPointF(50, 70), QPointF(58, 54)}));
    Fill(p, Sand);
    p.drawEllipse(QRectF(34, 16, 32, 34));
    Fill(p, Wood.darker(140));
    p.drawChord(QRectF(33, 12, 34, 26), 0, 180 * 16);
    Line(p, pen.main, 3);
    QPainterPath tube;
    tube.moveTo(38, 56);
    tube.cubicTo(34, 74, 44, 82, 52, 78);
    tube.cubicTo(60, 74, 62, 66, 62, 56);
    p.drawPath(tube);
    Fill(p, pen.main);
    p.drawEllipse(QRectF(47, 74, 10, 10));
    Fill(p, Coral);
    p.drawRect(QRectF(64, 62, 10, 3));
    p.drawRect(QRectF(67.5, 58.5, 3, 10));
}

void Phone(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 44);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(30, 8, 40, 84), 8, 8);
    Fill(p, Ice);
    p.drawRoundedRect(QRectF(34, 16, 32, 62), 3, 3);
    Fill(p, pen.accent);
    p.drawRoundedRect(QRectF(38, 22, 24, 6), 3, 3);
    p.drawRoundedRect(QRectF(38, 32, 16, 6), 3, 3);
    Fill(p, White);
    p.drawRoundedRect(QRectF(46, 44, 16, 6), 3, 3);
    Fill(p, Stone);
    p.drawEllipse(QRectF(46, 81, 8, 8));
    Line(p, pen.accent, 3);
    p.drawArc(QRectF(70, 20, 18, 18), -60 * 16, 120 * 16);
    p.drawArc(QRectF(66, 14, 30, 30), -60 * 16, 120 * 16);
}

void Book(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 80);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(8, 24, 84, 62), 4, 4);
    Fill(p, White);
    QPainterPath left, right;
    left.moveTo(50, 28);
    left.cubicTo(38, 22, 22, 22, 12, 26);
    left.lineTo(12, 80);
    left.cubicTo(22, 76, 38, 76, 50, 82);
    right.moveTo(50, 28);
    right.cubicTo(62, 22, 78, 22, 88, 26);
    right.lineTo(88, 80);
    right.cubicTo(78, 76, 62, 76, 50, 82);
    p.drawPath(left);
    p.drawPath(right);
    Line(p, pen.accent, 2.5);
    for (int i = 0; i < 5; ++i) {
        p.drawLine(QPointF(18, 36 + i * 8), QPointF(44, 36 + i * 8));
        p.drawLine(QPointF(56, 36 + i * 8), QPointF(82, 36 + i * 8));
    }
}

void Clock(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 60);
    Fill(p, pen.main);
    p.drawEllipse(QRectF(12, 10, 76, 76));
    Fill(p, White);
    p.drawEllipse(QRectF(19, 17, 62, 62));
    Fill(p, pen.accent);
    for (int i = 0; i < 12; ++i) {
        p.save();
        p.translate(50, 48);
        p.rotate(i * 30);
        p.drawRect(QRectF(-1.5, -28, 3, i % 3 ? 4 : 7));
        p.restore();
    }
    Line(p, Ink, 4);
    p.drawLine(QPointF(50, 48), QPointF(50, 28));
    p.drawLine(QPointF(50, 48), QPointF(64, 56));
    Fill(p, Coral);
    p.drawEllipse(QPointF(50, 48), 4, 4);
}

void Apple(QPainter &p, const Pen &)
{
    Shadow(p, 50, 56);
    Fill(p, Coral);
    QPainterPath apple;
    apple.moveTo(50, 30);
    apple.cubicTo(30, 18, 10, 34, 16, 60);
    apple.cubicTo(20, 80, 36, 92, 50, 84);
    apple.cubicTo(64, 92, 80, 80, 84, 60);
    apple.cubicTo(90, 34, 70, 18, 50, 30);
    p.drawPath(apple);
    Fill(p, QColor(255, 160, 150));
    p.drawEllipse(QRectF(26, 40, 12, 18));
    Line(p, Wood, 4);
    p.drawLine(QPointF(50, 32), QPointF(54, 16));
    Fill(p, Leaf);
    QPainterPath leaf;
    leaf.moveTo(54, 20);
    leaf.cubicTo(60, 8, 74, 8, 78, 12);
    leaf.cubicTo(72, 22, 62, 24, 54, 20);
    p.drawPath(leaf);
}

void Bread(QPainter &p, const Pen &)
{
    Shadow(p, 50, 84);
    Fill(p, QColor(214, 150, 84));
    QPainterPath loaf;
    loaf.moveTo(10, 80);
    loaf.lineTo(10, 50);
    loaf.cubicTo(10, 26, 90, 26, 90, 50);
    loaf.lineTo(90, 80);
    loaf.closeSubpath();
    p.drawPath(loaf);
    Fill(p, QColor(236, 186, 120));
    p.drawRect(QRectF(10, 64, 80, 16));
    Line(p, QColor(176, 112, 56), 4);
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(26 + i * 15, 40), QPointF(34 + i * 15, 52));
}

void Suitcase(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 76);
    Line(p, Shade(pen.main), 6);
    p.drawRoundedRect(QRectF(36, 14, 28, 20), 6, 6);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(12, 28, 76, 58), 8, 8);
    Fill(p, pen.accent);
    p.drawRect(QRectF(28, 28, 7, 58));
    p.drawRect(QRectF(65, 28, 7, 58));
    Fill(p, Palette::Sun);
    p.drawRoundedRect(QRectF(44, 50, 12, 10), 2, 2);
    Fill(p, Ink);
    p.drawEllipse(QRectF(18, 84, 8, 8));
    p.drawEllipse(QRectF(74, 84, 8, 8));
}

void Map(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 84);
    const QPolygonF panels[3] = {
        QPolygonF({QPointF(8, 20), QPointF(36, 12), QPointF(36, 80), QPointF(8, 88)}),
        QPolygonF({QPointF(36, 12), QPointF(64, 20), QPointF(64, 88), QPointF(36, 80)}),
        QPolygonF({QPointF(64, 20), QPointF(92, 12), QPointF(92, 80), QPointF(64, 88)})};
    const QColor colours[3] = {Ice, Mist, Ice};
    for (int i = 0; i < 3; ++i) {
        Fill(p, colours[i]);
        p.drawPolygon(panels[i]);
    }
    Fill(p, Leaf.lighter(140));
    p.drawEllipse(QRectF(14, 28, 18, 14));
    p.drawEllipse(QRectF(68, 56, 18, 16));
    QPen dash(pen.main, 3, Qt::DashLine, Qt::RoundCap);
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    QPainterPath route;
    route.moveTo(16, 74);
    route.cubicTo(30, 50, 50, 70, 60, 46);
    route.cubicTo(66, 34, 74, 34, 78, 32);
    p.drawPath(route);
    Fill(p, Coral);
    QPainterPath pin;
    pin.moveTo(78, 40);
    pin.cubicTo(70, 30, 70, 18, 78, 16);
    pin.cubicTo(86, 18, 86, 30, 78, 40);
    p.drawPath(pin);
    Fill(p, White);
    p.drawEllipse(QPointF(78, 24), 3, 3);
}

void Ticket(QPainter &p, const Pen &pen)
{
    p.translate(50, 50);
    p.rotate(-12);
    p.translate(-50, -50);
    Fill(p, pen.accent);
    QPainterPath t;
    t.addRoundedRect(QRectF(8, 30, 84, 42), 6, 6);
    QPainterPath notches;
    notches.addEllipse(QPointF(66, 30), 5, 5);
    notches.addEllipse(QPointF(66, 72), 5, 5);
    p.drawPath(t.subtracted(notches));
    Line(p, White, 2);
    p.setPen(QPen(White, 2, Qt::DotLine));
    p.drawLine(QPointF(66, 38), QPointF(66, 64));
    Fill(p, White);
    p.drawRoundedRect(QRectF(16, 40, 40, 6), 3, 3);
    p.drawRoundedRect(QRectF(16, 52, 28, 6), 3, 3);
    Fill(p, pen.main);
    p.drawEllipse(QRectF(72, 44, 14, 14));
}

void Cake(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 80);
    Fill(p, Stone.lighter(130));
    p.drawEllipse(QRectF(8, 80, 84, 10));
    Fill(p, Sand);
    p.drawRoundedRect(QRectF(16, 48, 68, 36), 6, 6);
    Fill(p, QColor(250, 170, 190));
    QPainterPath icing;
    icing.moveTo(16, 52);
    for (int i = 0; i < 6; ++i)
        icing.cubicTo(18 + i * 11.3, 66, 24 + i * 11.3, 66, 27.3 + i * 11.3, 52);
    icing.lineTo(84, 46);
    icing.lineTo(16, 46);
    icing.closeSubpath();
    p.drawRoundedRect(QRectF(16, 42, 68, 12), 6, 6);
    p.drawPath(icing);
    Fill(p, pen.accent);
    p.drawRect(QRectF(47, 24, 6, 18));
    Fill(p, Palette::Sun);
    QPainterPath flame;
    flame.moveTo(50, 10);
    flame.cubicTo(56, 18, 54, 24, 50, 24);
    flame.cubicTo(46, 24, 44, 18, 50, 10);
    p.drawPath(flame);
    Fill(p, Coral);
    p.drawEllipse(QRectF(26, 36, 9, 9));
    p.drawEllipse(QRectF(66, 36, 9, 9));
}

void Milk(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 50);
    Fill(p, White);
    p.drawRect(QRectF(28, 36, 44, 56));
    Fill(p, Mist.darker(108));
    p.drawPolygon(QPolygonF({QPointF(28, 36), QPointF(38, 18), QPointF(62, 18), QPointF(72, 36)}));
    Fill(p, pen.main);
    p.drawRect(QRectF(38, 10, 24, 8));
    Fill(p, pen.accent);
    p.drawRect(QRectF(28, 50, 44, 26));
    Fill(p, White);
    QPainterPath drop;
    drop.moveTo(50, 54);
    drop.cubicTo(58, 64, 58, 72, 50, 72);
    drop.cubicTo(42, 72, 42, 64, 50, 54);
    p.drawPath(drop);
}

void Glass(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 46);
    Fill(p, QColor(pen.accent.red(), pen.accent.green(), pen.accent.blue(), 200));
    p.drawPolygon(QPolygonF({QPointF(30, 40), QPointF(70, 40), QPointF(66, 90), QPointF(34, 90)}));
    Line(p, Stone, 3);
    p.drawPolygon(QPolygonF({QPointF(28, 14), QPointF(72, 14), QPointF(66, 90), QPointF(34, 90)}));
    Fill(p, QColor(255, 255, 255, 150));
    p.drawRoundedRect(QRectF(36, 46, 5, 36), 2, 2);
    Line(p, Coral, 4);
    p.drawLine(QPointF(58, 60), QPointF(70, 6));
    p.drawLine(QPointF(70, 6), QPointF(80, 6));
}

void Shirt(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 70);
    Fill(p, pen.main);
    p.drawPolygon(
        QPolygonF({QPointF(36, 14), QPointF(8, 28), QPointF(16, 48), QPointF(26, 44), QPointF(26, 90),
                   QPointF(74, 90), QPointF(74, 44), QPointF(84, 48), QPointF(92, 28), QPointF(64, 14)}));
    Fill(p, White);
    p.drawPolygon(QPolygonF({QPointF(36, 14), QPointF(50, 30), QPointF(64, 14), QPointF(58, 12),
                             QPointF(50, 20), QPointF(42, 12)}));
    Fill(p, pen.accent);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(50, 38 + i * 13), 2.5, 2.5);
}

void Shoe(QPainter &p, const Pen &pen)
{
    // A low trainer seen from the side: heel on the left, toe on the right.
    Shadow(p, 52, 84, 86);
    Fill(p, pen.main);
    QPainterPath upper;
    upper.moveTo(10, 78);
    upper.lineTo(10, 50);
    upper.cubicTo(10, 42, 18, 40, 26, 44);
    upper.cubicTo(32, 48, 38, 50, 44, 48);
    upper.lineTo(56, 40);
    upper.cubicTo(62, 48, 74, 54, 86, 58);
    upper.cubicTo(94, 61, 96, 70, 94, 78);
    upper.closeSubpath();
    p.drawPath(upper);
    Fill(p, pen.accent);
    QPainterPath stripe;
    stripe.moveTo(30, 74);
    stripe.cubicTo(44, 62, 58, 58, 74, 60);
    stripe.lineTo(76, 66);
    stripe.cubicTo(60, 64, 46, 68, 36, 76);
    stripe.closeSubpath();
    p.drawPath(stripe);
    Fill(p, White);
    p.drawRoundedRect(QRectF(8, 74, 90, 10), 5, 5);
    Line(p, White, 2.5);
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(50 + i * 6, 46 + i * 3), QPointF(56 + i * 6, 42 + i * 3));
}

void Umbrella(QPainter &p, const Pen &pen)
{
    Line(p, Ink, 4);
    QPainterPath handle;
    handle.moveTo(50, 40);
    handle.lineTo(50, 80);
    handle.cubicTo(50, 90, 36, 90, 36, 80);
    p.drawPath(handle);
    Fill(p, pen.main);
    QPainterPath canopy;
    canopy.moveTo(8, 46);
    canopy.cubicTo(10, 10, 90, 10, 92, 46);
    for (int i = 3; i >= 0; --i)
        canopy.cubicTo(86 - (3 - i) * 21, 38, 82 - (3 - i) * 21, 38, 71 - (3 - i) * 21, 46);
    canopy.closeSubpath();
    p.drawPath(canopy);
    Fill(p, pen.accent);
    QPainterPath stripe;
    stripe.moveTo(50, 16);
    stripe.cubicTo(40, 24, 36, 36, 29, 46);
    stripe.lineTo(50, 46);
    stripe.closeSubpath();
    p.drawPath(stripe);
}

void Flowers(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 40);
    Line(p, Leaf.darker(120), 3);
    p.drawLine(QPointF(50, 86), QPointF(30, 40));
    p.drawLine(QPointF(50, 86), QPointF(50, 30));
    p.drawLine(QPointF(50, 86), QPointF(70, 40));
    const QPointF centres[3] = {QPointF(30, 36), QPointF(50, 24), QPointF(70, 36)};
    const QColor petals[3] = {Coral, pen.accent, Palette::Sun};
    for (int f = 0; f < 3; ++f) {
        Fill(p, petals[f]);
        for (int i = 0; i < 6; ++i) {
            p.save();
            p.translate(centres[f]);
            p.rotate(i * 60);
            p.drawEllipse(QRectF(-4, -13, 8, 11));
            p.restore();
        }
        Fill(p, White);
        p.drawEllipse(centres[f], 4, 4);
    }
    Fill(p, pen.main);
    p.drawPolygon(QPolygonF({QPointF(34, 62), QPointF(66, 62), QPointF(58, 90), QPointF(42, 90)}));
}

void Bag(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 70);
    Line(p, Shade(pen.main), 5);
    p.drawArc(QRectF(32, 12, 36, 36), 0, 180 * 16);
    Fill(p, pen.main);
    p.drawPolygon(QPolygonF({QPointF(18, 32), QPointF(82, 32), QPointF(88, 90), QPointF(12, 90)}));
    Fill(p, pen.accent);
    p.drawRect(QRectF(16, 46, 68, 8));
    Fill(p, Leaf);
    p.drawEllipse(QRectF(24, 22, 16, 16));
    Fill(p, Coral);
    p.drawEllipse(QRectF(56, 20, 16, 16));
}

void Pill(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 74);
    p.save();
    p.translate(40, 52);
    p.rotate(-35);
    Fill(p, White);
    p.drawRoundedRect(QRectF(-34, -12, 68, 24), 12, 12);
    Fill(p, pen.accent);
    QPainterPath half;
    half.addRoundedRect(QRectF(-34, -12, 68, 24), 12, 12);
    QPainterPath cut;
    cut.addRect(QRectF(0, -14, 40, 28));
    p.drawPath(half.subtracted(cut));
    p.restore();
    Fill(p, pen.main);
    p.drawEllipse(QRectF(62, 58, 26, 26));
    Fill(p, White);
    p.drawRect(QRectF(64, 69.5, 22, 3));
}

void Thermometer(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 36);
    Fill(p, White);
    p.drawRoundedRect(QRectF(40, 8, 20, 70), 10, 10);
    p.drawEllipse(QRectF(34, 62, 32, 30));
    Fill(p, Coral);
    p.drawRoundedRect(QRectF(46, 30, 8, 46), 4, 4);
    p.drawEllipse(QRectF(39, 67, 22, 20));
    Line(p, pen.main, 2);
    for (int i = 0; i < 6; ++i)
        p.drawLine(QPointF(62, 16 + i * 8), QPointF(70, 16 + i * 8));
}

void Computer(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 70);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(10, 14, 80, 54), 5, 5);
    Fill(p, Ice);
    p.drawRect(QRectF(15, 19, 70, 42));
    Fill(p, pen.accent);
    p.drawRect(QRectF(20, 24, 30, 14));
    Fill(p, White);
    p.drawRect(QRectF(54, 24, 26, 4));
    p.drawRect(QRectF(54, 32, 20, 4));
    p.drawRect(QRectF(20, 44, 60, 4));
    p.drawRect(QRectF(20, 52, 44, 4));
    Fill(p, Stone);
    p.drawPolygon(QPolygonF({QPointF(42, 68), QPointF(58, 68), QPointF(62, 84), QPointF(38, 84)}));
    Fill(p, Shade(pen.main, 110));
    p.drawRoundedRect(QRectF(28, 84, 44, 6), 3, 3);
}

void Key(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 70);
    Fill(p, Palette::Sun);
    QPainterPath key;
    key.addEllipse(QRectF(10, 30, 36, 36));
    key.addRect(QRectF(40, 43, 50, 10));
    key.addRect(QRectF(72, 53, 8, 14));
    key.addRect(QRectF(84, 53, 6, 10));
    QPainterPath hole;
    hole.addEllipse(QRectF(20, 40, 16, 16));
    p.drawPath(key.simplified().subtracted(hole));
    Fill(p, pen.accent);
    p.drawRoundedRect(QRectF(6, 20, 22, 12), 6, 6);
}

void Bed(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 88);
    Fill(p, Wood);
    p.drawRoundedRect(QRectF(8, 30, 10, 60), 3, 3);
    p.drawRoundedRect(QRectF(84, 50, 8, 40), 3, 3);
    Fill(p, White);
    p.drawRoundedRect(QRectF(16, 54, 72, 20), 4, 4);
    p.drawRoundedRect(QRectF(20, 42, 24, 14), 6, 6);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(40, 48, 50, 28), 5, 5);
    Fill(p, pen.accent);
    p.drawRect(QRectF(40, 58, 50, 5));
}

void Banknote(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 80);
    Fill(p, Leaf.lighter(130));
    p.drawRoundedRect(QRectF(14, 22, 76, 44), 4, 4);
    Fill(p, Leaf);
    p.drawRoundedRect(QRectF(8, 32, 76, 44), 4, 4);
    Fill(p, Leaf.lighter(150));
    p.drawEllipse(QRectF(32, 40, 28, 28));
    Fill(p, Leaf.darker(120));
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Leaf.darker(150));
    p.drawText(QRectF(32, 40, 28, 28), Qt::AlignCenter, QStringLiteral("£"));
    Fill(p, Palette::Sun);
    p.drawEllipse(QRectF(62, 62, 28, 28));
    Fill(p, Palette::Sun.darker(115));
    p.drawEllipse(QRectF(68, 68, 16, 16));
    Q_UNUSED(pen);
}

void Passport(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 56);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(24, 10, 52, 78), 5, 5);
    Line(p, Palette::Sun, 2.5);
    p.drawEllipse(QRectF(38, 28, 24, 24));
    p.drawLine(QPointF(38, 40), QPointF(62, 40));
    p.drawEllipse(QRectF(44, 28, 12, 24));
    Fill(p, Palette::Sun);
    p.drawRoundedRect(QRectF(34, 62, 32, 4), 2, 2);
    p.drawRoundedRect(QRectF(38, 70, 24, 4), 2, 2);
}

void Envelope(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 84);
    Fill(p, White);
    p.drawRoundedRect(QRectF(8, 24, 84, 58), 4, 4);
    Fill(p, Mist.darker(106));
    p.drawPolygon(QPolygonF({QPointF(8, 82), QPointF(50, 50), QPointF(92, 82)}));
    Fill(p, pen.accent);
    p.drawPolygon(QPolygonF({QPointF(8, 26), QPointF(50, 58), QPointF(92, 26)}));
    Fill(p, Coral);
    p.drawRect(QRectF(74, 30, 12, 14));
    Q_UNUSED(pen);
}

void Calendar(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 76);
    Fill(p, White);
    p.drawRoundedRect(QRectF(12, 18, 76, 70), 6, 6);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(12, 18, 76, 18), 6, 6);
    p.drawRect(QRectF(12, 28, 76, 8));
    Fill(p, Stone);
    p.drawRoundedRect(QRectF(28, 10, 6, 16), 3, 3);
    p.drawRoundedRect(QRectF(66, 10, 6, 16), 3, 3);
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) {
            Fill(p, r == 1 && c == 2 ? Coral : Ice);
            p.drawRoundedRect(QRectF(18 + c * 13.5, 42 + r * 14, 10, 10), 2, 2);
        }
    Q_UNUSED(pen);
}

void Headphones(QPainter &p, const Pen &pen)
{
    Line(p, pen.main, 8);
    p.drawArc(QRectF(16, 14, 68, 68), 20 * 16, 140 * 16);
    Fill(p, pen.main);
    p.drawRoundedRect(QRectF(10, 46, 20, 36), 8, 8);
    p.drawRoundedRect(QRectF(70, 46, 20, 36), 8, 8);
    Fill(p, pen.accent);
    p.drawRoundedRect(QRectF(22, 50, 10, 28), 4, 4);
    p.drawRoundedRect(QRectF(68, 50, 10, 28), 4, 4);
}

void Speech(QPainter &p, const Pen &pen)
{
    Fill(p, pen.accent);
    QPainterPath a;
    a.addRoundedRect(QRectF(8, 12, 56, 40), 14, 14);
    a.moveTo(20, 48);
    a.lineTo(16, 64);
    a.lineTo(34, 50);
    p.drawPath(a.simplified());
    Fill(p, pen.main);
    QPainterPath b;
    b.addRoundedRect(QRectF(38, 40, 54, 38), 14, 14);
    b.moveTo(80, 74);
    b.lineTo(86, 90);
    b.lineTo(68, 76);
    p.drawPath(b.simplified());
    Fill(p, White);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(24 + i * 12, 32), 3.5, 3.5);
        p.drawEllipse(QPointF(53 + i * 12, 59), 3.5, 3.5);
    }
}

void Repeat(QPainter &p, const Pen &pen)
{
    Line(p, pen.main, 9);
    p.drawArc(QRectF(18, 18, 64, 64), 40 * 16, 150 * 16);
    Line(p, pen.accent, 9);
    p.drawArc(QRectF(18, 18, 64, 64), 220 * 16, 150 * 16);
    Fill(p, pen.main);
    p.drawPolygon(QPolygonF({QPointF(10, 56), QPointF(30, 56), QPointF(20, 42)}));
    Fill(p, pen.accent);
    p.drawPolygon(QPolygonF({QPointF(70, 44), QPointF(90, 44), QPointF(80, 58)}));
    Fill(p, Palette::Sun);
    p.drawEllipse(QPointF(50, 50), 8, 8);
}

void Hotel(QPainter &p, const Pen &pen)
{
    Shadow(p, 50, 70);
    Fill(p, pen.main);
    p.drawRect(QRectF(20, 14, 60, 78));
    Fill(p, Ice);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 3; ++c)
            p.drawRect(QRectF(27 + c * 17, 22 + r * 11, 11, 7));
    Fill(p, pen.accent);
    p.drawRect(QRectF(40, 78, 20, 14));
    Fill(p, Palette::Sun);
    p.drawRoundedRect(QRectF(30, 6, 40, 10), 3, 3);
}

void Coffee(QPainter &p, const Pen &pen)
{
    Cup(p, pen);
}

const std::map<QString, MotifFn> &Library()
{
    static const std::map<QString, MotifFn> library{
        {QStringLiteral("apple"), Apple},
        {QStringLiteral("bag"), Bag},
        {QStringLiteral("banknote"), Banknote},
        {QStringLiteral("bed"), Bed},
        {QStringLiteral("book"), Book},
        {QStringLiteral("bread"), Bread},
        {QStringLiteral("bus"), Bus},
        {QStringLiteral("cake"), Cake},
        {QStringLiteral("calendar"), Calendar},
        {QStringLiteral("car"), Car},
        {QStringLiteral("clock"), Clock},
        {QStringLiteral("cloud"), Cloud},
        {QStringLiteral("coffee"), Coffee},
        {QStringLiteral("computer"), Computer},
        {QStringLiteral("cup"), Cup},
        {QStringLiteral("doctor"), Doctor},
        {QStringLiteral("envelope"), Envelope},
        {QStringLiteral("flowers"), Flowers},
        {QStringLiteral("glass"), Glass},
        {QStringLiteral("headphones"), Headphones},
        {QStringLiteral("hotel"), Hotel},
        {QStringLiteral("house"), House},
        {QStringLiteral("key"), Key},
        {QStringLiteral("map"), Map},
        {QStringLiteral("milk"), Milk},
        {QStringLiteral("passport"), Passport},
        {QStringLiteral("phone"), Phone},
        {QStringLiteral("pill"), Pill},
        {QStringLiteral("plane"), Plane},
        {QStringLiteral("repeat"), Repeat},
        {QStringLiteral("shirt"), Shirt},
        {QStringLiteral("shoe"), Shoe},
        {QStringLiteral("shop"), Shop},
        {QStringLiteral("speech"), Speech},
        {QStringLiteral("suitcase"), Suitcase},
        {QStringLiteral("sun"), Sun},
        {QStringLiteral("thermometer"), Thermometer},
        {QStringLiteral("ticket"), Ticket},
        {QStringLiteral("train"), Train},
        {QStringLiteral("tree"), Tree},
        {QStringLiteral("umbrella"), Umbrella},
    };
    return library;
}

QColor ToColor(const Rgb &c)
{
    return QColor(c.r, c.g, c.b);
}

} // namespace

QStringList MotifNames()
{
    QStringList names;
    for (const auto &[name, fn] : Library())
        names << name;
    return names;
}

bool DrawMotif(QPainter &p, const QString &name, const QRectF &box, const QColor &main, const QColor &accent)
{
    const auto it = Library().find(name);
    if (it == Library().end())
        return false;
    const qreal side = qMin(box.width(), box.height());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    p.scale(side / 100.0, side / 100.0);
    it->second(p, Pen{main, accent});
    p.restore();
    return true;
}

QImage RenderScene(const SceneSource &scene)
{
    QImage image(scene.width, scene.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF all(0, 0, scene.width, scene.height);
    if (!scene.transparent) {
        const QColor base = ToColor(scene.background);
        QLinearGradient g(all.topLeft(), all.bottomLeft());
        g.setColorAt(0, base.lighter(104));
        g.setColorAt(1, base.darker(104));
        p.fillRect(all, g);
    }
    if (!scene.transparent && scene.stripes == 0) {
        // A large soft circle behind the motif keeps flat pictures from looking empty.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        const qreal r = qMin(scene.width, scene.height) * 0.42;
        p.drawEllipse(QPointF(scene.width * 0.5, scene.height * (scene.caption.isEmpty() ? 0.5 : 0.44)), r,
                      r);
    }
    QRectF motifBox =
        all.adjusted(scene.width * 0.08, scene.height * 0.08, -scene.width * 0.08, -scene.height * 0.08);
    QFont font(QStringLiteral("Open Sans"));
    font.setBold(true);
    font.setPixelSize(qBound(11, scene.height / 9, 40));
    if (!scene.caption.isEmpty()) {
        const qreal band = QFontMetricsF(font).height() * 1.6;
        motifBox.setBottom(all.bottom() - band - scene.height * 0.02);
        const QRectF captionBox(0, all.bottom() - band, scene.width, band);
        p.setPen(ToColor(scene.colour));
        p.setFont(font);
        p.drawText(captionBox, Qt::AlignCenter, scene.caption);
    }
    const QStringList motifs = scene.motif.split(u' ', Qt::SkipEmptyParts);
    const QColor main = ToColor(scene.colour), accent = ToColor(scene.accent);
    if (scene.stripes > 0) {
        // Uncovering pictures: every 70-pixel strip is revealed on its own, with the word and
        // its definition written over the strip's left 310 pixels. The main motif fills the
        // right, the others stand between it and the texts.
        const qreal strip = 70;
        p.setPen(Qt::NoPen);
        for (int i = 0; i < scene.stripes; ++i) {
            p.setBrush(i % 2 ? QColor(255, 255, 255, 60) : QColor(6, 54, 99, 18));
            p.drawRect(QRectF(0, i * strip, scene.width, strip));
        }
        const qreal side = qMin<qreal>(scene.height * 0.92, scene.width - 330);
        const QRectF mainBox(scene.width - side - 16, (scene.height - side) / 2, side, side);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(mainBox.adjusted(side * 0.04, side * 0.04, -side * 0.04, -side * 0.04));
        DrawMotif(p, motifs[0], mainBox, main, accent);
        // The other motifs lean on the circle's left edge, clear of the texts.
        const qreal small = side * 0.34;
        for (int i = 1; i < motifs.size(); ++i) {
            const QRectF box(qMax<qreal>(318, mainBox.left() - small * 0.55),
                             mainBox.top() + side * 0.06 + (i - 1) * small * 1.05, small, small);
            p.setBrush(QColor(255, 255, 255, 170));
            p.drawEllipse(box.adjusted(small * 0.06, small * 0.06, -small * 0.06, -small * 0.06));
            DrawMotif(p, motifs[i], box.adjusted(small * 0.14, small * 0.14, -small * 0.14, -small * 0.14),
                      main, accent);
        }
        return image;
    }
    const qreal slot = motifBox.width() / motifs.size();
    for (int i = 0; i < motifs.size(); ++i) {
        // The first motif is the main one; the others stand beside it, a little smaller.
        QRectF box(motifBox.left() + i * slot, motifBox.top(), slot, motifBox.height());
        if (i > 0)
            box = box.adjusted(slot * 0.1, motifBox.height() * 0.15, -slot * 0.1, -motifBox.height() * 0.05);
        DrawMotif(p, motifs[i], box, main, accent);
    }
    return image;
}

} // namespace CourseMedia
