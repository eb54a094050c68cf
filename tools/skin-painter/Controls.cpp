// Dialog windows, message icons, push buttons, bar buttons, tabs, title bar, frames, bubble.
#include "Painter.h"

#include <QFont>

namespace SkinPainter {

namespace {

QString Two(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

// Cuts a picture drawn whole into the nine pieces name01 ... name09 with corner size c.
void SliceNine(Output &out, const QString &prefix, const QString &suffix, const QImage &whole, int c)
{
    const int W = whole.width(), H = whole.height();
    const int mw = W - 2 * c, mh = H - 2 * c;
    const QRect parts[9] = {{0, 0, c, c},     {c, 0, mw, c},     {W - c, 0, c, c},
                            {0, c, c, mh},    {c, c, mw, mh},    {W - c, c, c, mh},
                            {0, H - c, c, c}, {c, H - c, mw, c}, {W - c, H - c, c, c}};
    for (int i = 0; i < 9; ++i)
        out.Picture(prefix + Two(i + 1) + suffix, whole.copy(parts[i]));
}

void CentredText(QPainter &p, const QRectF &r, const QString &text, const QFont &font, const QColor &color)
{
    p.setFont(font);
    p.setPen(color);
    p.drawText(r, Qt::AlignCenter, text);
}

// ------------------------------------------------------------------------------------------

void PaintDialogStyle(Output &out, bool blue)
{
    const QString s = blue ? QStringLiteral("_B") : QStringLiteral("_W");
    const QColor edge = blue ? QColor(3, 36, 68) : QColor(176, 186, 196);
    const QColor frame = blue ? Navy : QColor(248, 249, 250);
    const QColor body = blue ? QColor(244, 247, 250) : QColor(255, 255, 255);
    // Corners 4 x 4: an outer line, then the frame; the body starts 4 pixels in.
    const QImage whole = Draw(24, 24, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(edge);
        p.drawRoundedRect(QRectF(0, 0, 24, 24), 4, 4);
        p.setBrush(frame);
        p.drawRoundedRect(QRectF(1, 1, 22, 22), 3.2, 3.2);
        p.setBrush(body);
        p.drawRect(QRectF(4, 4, 16, 16));
    });
    SliceNine(out, QStringLiteral("DIAL"), s, whole, 4);
    // The caption bar, stretched between the corners; its lower edge is an accent line.
    out.Picture(QStringLiteral("DIAL_BELKA") + s, Draw(4, 39, [&](QPainter &p) {
                    if (blue) {
                        p.fillRect(QRectF(0, 0, 4, 37), Vertical(0, 37, QColor(14, 78, 138), Navy));
                        p.fillRect(QRectF(0, 37, 4, 2), Blue);
                    } else {
                        p.fillRect(QRectF(0, 0, 4, 38),
                                   Vertical(0, 38, QColor(255, 255, 255), QColor(234, 238, 242)));
                        p.fillRect(QRectF(0, 38, 4, 1), QColor(206, 212, 218));
                    }
                }));
}

void PaintMessageIcons(Output &out)
{
    auto disc = [](QPainter &p, const QColor &c) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 40));
        p.drawEllipse(QRectF(7, 9, 52, 52));
        QRadialGradient g(26, 22, 40);
        g.setColorAt(0, c.lighter(135));
        g.setColorAt(1, c);
        p.setBrush(g);
        p.drawEllipse(QRectF(6, 6, 52, 52));
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 150), 2));
        p.drawEllipse(QRectF(8, 8, 48, 48));
    };
    out.Picture(QStringLiteral("MSG_ICON_ERROR"), Draw(64, 64, [&](QPainter &p) {
                    disc(p, Red);
                    p.setPen(QPen(Qt::white, 6, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(QPointF(22, 22), QPointF(42, 42));
                    p.drawLine(QPointF(42, 22), QPointF(22, 42));
                }));
    out.Picture(QStringLiteral("MSG_ICON_QUESTION"), Draw(64, 64, [&](QPainter &p) {
                    disc(p, Blue);
                    CentredText(p, QRectF(6, 5, 52, 52), QStringLiteral("?"), Bold(34), Qt::white);
                }));
    out.Picture(QStringLiteral("MSG_ICON_INFORMATION"), Draw(64, 64, [&](QPainter &p) {
                    disc(p, Blue.darker(115));
                    p.setPen(Qt::NoPen);
                    p.setBrush(Qt::white);
                    p.drawEllipse(QRectF(28.5, 16, 7, 7));
                    p.drawRoundedRect(QRectF(28.5, 27, 7, 21), 2, 2);
                }));
    out.Picture(QStringLiteral("MSG_ICON_EXCLAMATION"), Draw(64, 64, [&](QPainter &p) {
                    QPainterPath tri;
                    tri.moveTo(32, 7);
                    tri.lineTo(59, 55);
                    tri.lineTo(5, 55);
                    tri.closeSubpath();
                    p.setPen(QPen(Amber.darker(120), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
                    p.setBrush(Vertical(7, 55, Amber.lighter(125), Amber));
                    p.drawPath(tri);
                    p.setPen(Qt::NoPen);
                    p.setBrush(Qt::white);
                    p.drawRoundedRect(QRectF(29, 21, 6, 20), 2, 2);
                    p.drawEllipse(QRectF(28.5, 44, 7, 7));
                }));
}

// ------------------------------------------------------------------------------------------

struct ButtonLook
{
    QColor top, bottom, border;
    double radius;
};

// The seven picture sets of the push buttons. Captions are dark except on set 6.
const ButtonLook Sets[8] = {
    {},
    {QColor(255, 255, 255), QColor(222, 229, 236), QColor(148, 164, 180), 4},   // 1 neutral
    {QColor(232, 247, 254), QColor(176, 225, 247), QColor(72, 160, 206), 4},    // 2 sky blue
    {QColor(234, 249, 236), QColor(178, 228, 190), QColor(70, 160, 96), 4},     // 3 green
    {QColor(255, 246, 228), QColor(250, 214, 158), QColor(206, 148, 62), 4},    // 4 amber
    {QColor(242, 243, 244), QColor(204, 208, 212), QColor(132, 138, 146), 4},   // 5 grey
    {QColor(40, 104, 160), QColor(6, 54, 99), QColor(3, 34, 64), 4},            // 6 navy
    {QColor(255, 255, 255), QColor(233, 237, 241), QColor(170, 180, 190), 2.5}, // 7 key
};

// One whole button 20 x 32 in a state: cut into an 8-pixel left cap, a 4-pixel middle and an
// 8-pixel right cap (22- and 32-pixel buttons take the caps' outer 4 columns).
QImage ButtonWhole(const ButtonLook &look, char state)
{
    return Draw(20, 32, [&](QPainter &p) {
        QColor top = look.top, bottom = look.bottom, border = look.border;
        if (state == 'H') {
            top = Mix(top, Qt::white, 0.5);
            bottom = Mix(bottom, Blue, 0.18);
            border = Blue.darker(110);
        } else if (state == 'P') {
            std::swap(top, bottom);
            top = top.darker(112);
            bottom = bottom.darker(104);
            border = Mix(border, Navy, 0.5);
        } else if (state == 'D') {
            auto grey = [](const QColor &c) {
                const int v = qGray(c.rgb());
                return QColor(v, v, v);
            };
            top = Mix(grey(top), QColor(246, 246, 246), 0.6);
            bottom = Mix(grey(bottom), QColor(238, 238, 238), 0.6);
            border = QColor(206, 208, 210);
        }
        const QRectF r(0.5, 0.5, 19, 31);
        p.setPen(QPen(border, 1));
        p.setBrush(Vertical(0, 32, top, bottom));
        p.drawRoundedRect(r, look.radius, look.radius);
        if (state != 'P' && state != 'D') {
            // A soft light line under the top edge.
            p.setPen(QPen(QColor(255, 255, 255, 150), 1));
            p.drawLine(QPointF(look.radius, 1.5), QPointF(20 - look.radius, 1.5));
        } else if (state == 'P') {
            p.setPen(QPen(QColor(0, 0, 0, 40), 1));
            p.drawLine(QPointF(look.radius, 1.5), QPointF(20 - look.radius, 1.5));
        }
    });
}

void PaintPushButtons(Output &out)
{
    for (int set = 1; set <= 7; ++set) {
        for (char state : {'N', 'H', 'P', 'D'}) {
            const QImage whole = ButtonWhole(Sets[set], state);
            const QString tail = QStringLiteral("_%1_3_%2").arg(QLatin1Char(state)).arg(set);
            out.Picture(QStringLiteral("G01") + tail, whole.copy(0, 0, 8, 32));
            out.Picture(QStringLiteral("G02") + tail, whole.copy(8, 0, 4, 32));
            out.Picture(QStringLiteral("G03") + tail, whole.copy(12, 0, 8, 32));
        }
    }
}

// Bar buttons sit on the dark title bar: nothing at rest, a light plate with a blue foot when
// hot, a dark one when pressed or down.
void PaintBarButtons(Output &out)
{
    for (char state : {'N', 'H', 'P', 'D'}) {
        const QImage whole = Draw(12, 48, [&](QPainter &p) {
            if (state == 'N')
                return;
            p.setPen(Qt::NoPen);
            if (state == 'H')
                p.setBrush(Vertical(0, 48, QColor(255, 255, 255, 46), QColor(255, 255, 255, 18)));
            else if (state == 'P')
                p.setBrush(Vertical(0, 48, QColor(0, 0, 0, 70), QColor(0, 0, 0, 40)));
            else
                p.setBrush(QColor(255, 255, 255, 10));
            p.drawRoundedRect(QRectF(0, 2, 12, 46), 3, 3);
            if (state != 'D')
                p.fillRect(QRectF(0, 45, 12, 3), state == 'H' ? Blue : Blue.darker(125));
        });
        const QString s = QStringLiteral("_%1").arg(QLatin1Char(state));
        out.Picture(QStringLiteral("BB01") + s, whole.copy(0, 0, 4, 48));
        out.Picture(QStringLiteral("BB02") + s, whole.copy(4, 0, 4, 48));
        out.Picture(QStringLiteral("BB03") + s, whole.copy(8, 0, 4, 48));
    }
}

// The numbered package tabs (59 x 42, overlapping by 4); the disabled one is the current item.
void PaintTabs(Output &out)
{
    for (char state : {'N', 'H', 'P', 'D'}) {
        out.Picture(QStringLiteral("TAB_ROZUM_%1").arg(QLatin1Char(state)), Draw(59, 42, [&](QPainter &p) {
                        QColor top(250, 252, 254), bottom(214, 224, 234), border(140, 160, 180);
                        if (state == 'H') {
                            top = QColor(255, 255, 255);
                            bottom = QColor(190, 230, 248);
                            border = Blue.darker(110);
                        } else if (state == 'P') {
                            top = QColor(170, 214, 238);
                            bottom = QColor(220, 238, 248);
                            border = Navy;
                        } else if (state == 'D') {
                            top = QColor(24, 92, 150);
                            bottom = Navy;
                            border = QColor(3, 34, 64);
                        }
                        QPainterPath tab;
                        tab.moveTo(2.5, 38.5);
                        tab.lineTo(4.5, 8);
                        tab.quadTo(5, 2.5, 11, 2.5);
                        tab.lineTo(48, 2.5);
                        tab.quadTo(54, 2.5, 54.5, 8);
                        tab.lineTo(56.5, 38.5);
                        tab.closeSubpath();
                        p.setPen(QPen(border, 1));
                        p.setBrush(Vertical(2, 38, top, bottom));
                        p.drawPath(tab);
                        if (state == 'D')
                            p.fillRect(QRectF(6, 35, 47, 3), Blue);
                    }));
    }
}

// ------------------------------------------------------------------------------------------

const QColor BarTop(64, 69, 76), BarBottom(36, 39, 44);
const QColor LearnerTop(84, 90, 98), LearnerBottom(52, 56, 62);

void BarStrip(QPainter &p, int w, const QColor &top, const QColor &bottom)
{
    p.fillRect(QRectF(0, 0, w, 47), Vertical(0, 47, top, bottom));
    p.fillRect(QRectF(0, 47, w, 1), QColor(20, 22, 26));
    p.fillRect(QRectF(0, 48, w, 2), Blue);
}

void PaintTitleBarPictures(Output &out)
{
    out.Picture(QStringLiteral("BELKA_BODY"),
                Draw(8, 50, [](QPainter &p) { BarStrip(p, 8, BarTop, BarBottom); }));
    const QColor styles[3][2] = {{QColor(22, 80, 132), QColor(6, 44, 82)},
                                 {QColor(20, 110, 120), QColor(8, 66, 74)},
                                 {QColor(74, 84, 98), QColor(44, 50, 60)}};
    for (int i = 0; i < 3; ++i)
        out.Picture(QStringLiteral("BELKA_BODY_STYLE_%1").arg(i + 1),
                    Draw(8, 50, [&](QPainter &p) { BarStrip(p, 8, styles[i][0], styles[i][1]); }));
    out.Picture(QStringLiteral("BELKA_BODY2"),
                Draw(4, 50, [](QPainter &p) { BarStrip(p, 4, LearnerTop, LearnerBottom); }));
    // The learner's part ends in a soft wave; right of it the body shows through.
    out.Picture(QStringLiteral("BELKA_FALA"), Draw(40, 50, [](QPainter &p) {
                    QPainterPath wave;
                    wave.moveTo(0, 0);
                    wave.lineTo(10, 0);
                    wave.cubicTo(34, 10, 6, 38, 30, 47);
                    wave.lineTo(0, 47);
                    wave.closeSubpath();
                    p.setPen(Qt::NoPen);
                    p.setBrush(Vertical(0, 47, LearnerTop, LearnerBottom));
                    p.drawPath(wave);
                    QPainterPath edge;
                    edge.moveTo(10, 0);
                    edge.cubicTo(34, 10, 6, 38, 30, 47);
                    p.setBrush(Qt::NoBrush);
                    p.setPen(QPen(QColor(2, 174, 228, 150), 1.4));
                    p.drawPath(edge);
                    p.fillRect(QRectF(0, 48, 40, 2), Blue);
                }));
}

// ------------------------------------------------------------------------------------------

void PaintGroupFrames(Output &out)
{
    // Set 1: blue, corner 10.
    SliceNine(out, QStringLiteral("RAMKA1_"), QString(),
              Draw(30, 30,
                   [](QPainter &p) {
                       p.setPen(QPen(QColor(2, 174, 228), 2));
                       p.setBrush(QColor(255, 255, 255, 236));
                       p.drawRoundedRect(QRectF(1, 1, 28, 28), 8, 8);
                   }),
              10);
    // Set 4: quiet grey, corner 10.
    SliceNine(out, QStringLiteral("RAMKA4_"), QString(),
              Draw(30, 30,
                   [](QPainter &p) {
                       p.setPen(QPen(QColor(170, 178, 186), 1));
                       p.setBrush(QColor(246, 247, 248, 240));
                       p.drawRoundedRect(QRectF(0.5, 0.5, 29, 29), 8, 8);
                   }),
              10);
    // Set 6: white, corner 7.
    SliceNine(out, QStringLiteral("RAMKA6_"), QString(),
              Draw(21, 21,
                   [](QPainter &p) {
                       p.setPen(QPen(QColor(196, 204, 212), 1));
                       p.setBrush(Qt::white);
                       p.drawRoundedRect(QRectF(0.5, 0.5, 20, 20), 5, 5);
                   }),
              7);
}

// The three-pictures frame: a head band with the picture's letter, two sides and a foot,
// in hover (blue), right (green) and wrong (red).
void PaintThreePictureFrames(Output &out)
{
    const QPair<QChar, QColor> states[3] = {{u'H', Blue}, {u'D', Green}, {u'Z', Red}};
    for (int style = 1; style <= 3; ++style) {
        const QString letter = QString(QChar(u'A' + style - 1));
        for (const auto &[code, color] : states) {
            const QString base = QStringLiteral("RAMKA5_%1%2").arg(style).arg(code);
            out.Picture(base + u'1',
                        Draw(6, 216, [&](QPainter &p) { p.fillRect(QRectF(0, 0, 6, 216), color); }));
            out.Picture(base + u'2',
                        Draw(6, 216, [&](QPainter &p) { p.fillRect(QRectF(0, 0, 6, 216), color); }));
            out.Picture(base + u'3', Draw(296, 24, [&](QPainter &p) {
                            QPainterPath band;
                            band.addRoundedRect(QRectF(0, 0, 296, 34), 8, 8);
                            p.setClipRect(QRectF(0, 0, 296, 24));
                            p.setPen(Qt::NoPen);
                            p.setBrush(Vertical(0, 24, color.lighter(115), color));
                            p.drawPath(band);
                            p.setBrush(Qt::white);
                            p.drawEllipse(QRectF(8, 3, 18, 18));
                            CentredText(p, QRectF(8, 3, 18, 18), letter, Bold(12), color.darker(120));
                        }));
            out.Picture(base + u'4', Draw(296, 8, [&](QPainter &p) {
                            QPainterPath foot;
                            foot.addRoundedRect(QRectF(0, -10, 296, 18), 8, 8);
                            p.setPen(Qt::NoPen);
                            p.setBrush(color);
                            p.drawPath(foot);
                        }));
        }
    }
}

// The speech bubble: a cap, a stretched body row and a foot with the tail pointing down-left.
void PaintBubble(Output &out)
{
    const QColor fill(255, 255, 255), line(2, 174, 228);
    auto whole = Draw(332, 40, [&](QPainter &p) {
        QPainterPath shape;
        shape.addRoundedRect(QRectF(0.5, 0.5, 331, 28), 5, 5);
        QPainterPath tail;
        tail.moveTo(12, 26);
        tail.lineTo(32, 26);
        tail.lineTo(4, 39.5);
        tail.closeSubpath();
        shape = shape.united(tail);
        p.setPen(QPen(line, 1));
        p.setBrush(fill);
        p.drawPath(shape);
    });
    out.Picture(QStringLiteral("DYMEK_01"), whole.copy(0, 0, 332, 5));
    out.Picture(QStringLiteral("DYMEK_02"), whole.copy(0, 12, 332, 1));
    out.Picture(QStringLiteral("DYMEK_03"), whole.copy(0, 22, 332, 18));
}

} // namespace

void PaintDialogs(Output &out)
{
    PaintDialogStyle(out, true);
    PaintDialogStyle(out, false);
    PaintMessageIcons(out);
    PaintBubble(out);
}

void PaintButtons(Output &out)
{
    PaintPushButtons(out);
    PaintBarButtons(out);
    PaintTabs(out);
}

void PaintTitleBar(Output &out)
{
    PaintTitleBarPictures(out);
}

void PaintFrames(Output &out)
{
    PaintGroupFrames(out);
    PaintThreePictureFrames(out);
}

} // namespace SkinPainter
