// Icons and pictures lent to the screens: the exercise host's common buttons and marks, the
// table of contents' rows and kind icons, check boxes, scroll bars and the login list.
#include "Painter.h"

#include <QFont>
#include <QTransform>

#include <cmath>

namespace SkinPainter {

namespace {

// A round badge of colour c with a soft shadow; symbols are drawn in white on it.
void Disc(QPainter &p, const QRectF &r, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 46));
    p.drawEllipse(r.translated(0, 1.5));
    QRadialGradient g(r.center().x() - r.width() * 0.2, r.top() + r.height() * 0.3, r.width() * 0.8);
    g.setColorAt(0, c.lighter(130));
    g.setColorAt(1, c);
    p.setBrush(g);
    p.drawEllipse(r);
}

QPen WhitePen(double w)
{
    return QPen(Qt::white, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Tick(QPainter &p, const QRectF &r, double w)
{
    p.setPen(WhitePen(w));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF({QPointF(r.left() + r.width() * 0.22, r.top() + r.height() * 0.52),
                              QPointF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.72),
                              QPointF(r.left() + r.width() * 0.78, r.top() + r.height() * 0.30)}));
}

void Cross(QPainter &p, const QRectF &r, double w)
{
    p.setPen(WhitePen(w));
    const double a = 0.3, b = 0.7;
    p.drawLine(QPointF(r.left() + r.width() * a, r.top() + r.height() * a),
               QPointF(r.left() + r.width() * b, r.top() + r.height() * b));
    p.drawLine(QPointF(r.left() + r.width() * b, r.top() + r.height() * a),
               QPointF(r.left() + r.width() * a, r.top() + r.height() * b));
}

void Letter(QPainter &p, const QRectF &r, const QString &text, double size, const QColor &c = Qt::white)
{
    p.setFont(Bold(size));
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}

// Symbols inside a square s (the badge's inner area).
void Speaker(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    QPainterPath cone;
    cone.moveTo(x + w * 0.18, y + w * 0.38);
    cone.lineTo(x + w * 0.32, y + w * 0.38);
    cone.lineTo(x + w * 0.52, y + w * 0.20);
    cone.lineTo(x + w * 0.52, y + w * 0.80);
    cone.lineTo(x + w * 0.32, y + w * 0.62);
    cone.lineTo(x + w * 0.18, y + w * 0.62);
    cone.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(WhitePen(w * 0.06));
    p.drawArc(QRectF(x + w * 0.40, y + w * 0.34, w * 0.26, w * 0.32), -50 * 16, 100 * 16);
    p.drawArc(QRectF(x + w * 0.36, y + w * 0.22, w * 0.44, w * 0.56), -50 * 16, 100 * 16);
}

void Microphone(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(x + w * 0.38, y + w * 0.14, w * 0.24, w * 0.44), w * 0.12, w * 0.12);
    p.setBrush(Qt::NoBrush);
    p.setPen(WhitePen(w * 0.06));
    p.drawArc(QRectF(x + w * 0.28, y + w * 0.24, w * 0.44, w * 0.44), 200 * 16, 140 * 16);
    p.drawLine(QPointF(x + w * 0.5, y + w * 0.68), QPointF(x + w * 0.5, y + w * 0.82));
    p.drawLine(QPointF(x + w * 0.38, y + w * 0.84), QPointF(x + w * 0.62, y + w * 0.84));
}

void Book(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(QPen(Qt::white, w * 0.05, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 255, 255, 70));
    QPainterPath left, right;
    left.moveTo(x + w * 0.5, y + w * 0.30);
    left.cubicTo(x + w * 0.38, y + w * 0.22, x + w * 0.24, y + w * 0.22, x + w * 0.16, y + w * 0.26);
    left.lineTo(x + w * 0.16, y + w * 0.74);
    left.cubicTo(x + w * 0.24, y + w * 0.70, x + w * 0.38, y + w * 0.70, x + w * 0.5, y + w * 0.78);
    left.closeSubpath();
    right = QTransform().translate(x + w, 0).scale(-1, 1).translate(-x, 0).map(left);
    p.drawPath(left);
    p.drawPath(right);
}

void Printer(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x + w * 0.32, y + w * 0.16, w * 0.36, w * 0.2));
    p.drawRoundedRect(QRectF(x + w * 0.16, y + w * 0.36, w * 0.68, w * 0.30), w * 0.06, w * 0.06);
    p.setBrush(QColor(255, 255, 255, 230));
    p.setPen(QPen(QColor(0, 0, 0, 60), 1));
    p.drawRect(QRectF(x + w * 0.3, y + w * 0.56, w * 0.4, w * 0.28));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.drawLine(QPointF(x + w * 0.36, y + w * 0.66), QPointF(x + w * 0.64, y + w * 0.66));
    p.drawLine(QPointF(x + w * 0.36, y + w * 0.74), QPointF(x + w * 0.58, y + w * 0.74));
}

void Film(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(x + w * 0.16, y + w * 0.28, w * 0.46, w * 0.44), w * 0.06, w * 0.06);
    QPainterPath lens;
    lens.moveTo(x + w * 0.64, y + w * 0.44);
    lens.lineTo(x + w * 0.84, y + w * 0.30);
    lens.lineTo(x + w * 0.84, y + w * 0.70);
    lens.lineTo(x + w * 0.64, y + w * 0.56);
    lens.closeSubpath();
    p.drawPath(lens);
}

void Arrow(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(WhitePen(w * 0.1));
    p.drawLine(QPointF(x + w * 0.26, y + w * 0.5), QPointF(x + w * 0.74, y + w * 0.5));
    p.drawPolyline(QPolygonF({QPointF(x + w * 0.46, y + w * 0.28), QPointF(x + w * 0.24, y + w * 0.5),
                              QPointF(x + w * 0.46, y + w * 0.72)}));
}

void Again(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(WhitePen(w * 0.09));
    p.setBrush(Qt::NoBrush);
    const QRectF arc(x + w * 0.24, y + w * 0.24, w * 0.52, w * 0.52);
    p.drawArc(arc, 100 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath head;
    head.moveTo(x + w * 0.40, y + w * 0.12);
    head.lineTo(x + w * 0.60, y + w * 0.26);
    head.lineTo(x + w * 0.40, y + w * 0.40);
    head.closeSubpath();
    p.drawPath(head);
}

void Wave(QPainter &p, const QRectF &s)
{
    const double x = s.left(), y = s.top(), w = s.width();
    p.setPen(WhitePen(w * 0.06));
    const double heights[] = {0.10, 0.24, 0.34, 0.18, 0.30, 0.12, 0.22, 0.08};
    for (int i = 0; i < 8; ++i) {
        const double cx = x + w * (0.2 + i * 0.086);
        p.drawLine(QPointF(cx, y + w * (0.5 - heights[i])), QPointF(cx, y + w * (0.5 + heights[i])));
    }
}

// A window button of the title bar (34 x 18 or 32 x 18).
QImage WindowButton(int w, const QColor &c, bool close, bool pressed)
{
    return Draw(w, 18, [&](QPainter &p) {
        p.setPen(QPen(c.darker(140), 1));
        p.setBrush(Vertical(0, 18, pressed ? c.darker(115) : c.lighter(118), pressed ? c : c.darker(108)));
        p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, 16), 3, 3);
        p.setPen(WhitePen(1.8));
        const double cx = w / 2.0;
        if (close) {
            p.drawLine(QPointF(cx - 4, 4.5), QPointF(cx + 4, 12.5));
            p.drawLine(QPointF(cx + 4, 4.5), QPointF(cx - 4, 12.5));
        } else {
            p.drawLine(QPointF(cx - 5, 12), QPointF(cx + 5, 12));
        }
    });
}

void PaintHost(Output &out)
{
    auto badge = [&](const char *name, int w, int h, double d, const QColor &c,
                     const std::function<void(QPainter &, const QRectF &)> &symbol) {
        out.Picture(QString::fromLatin1(name), Draw(w, h, [&](QPainter &p) {
                        const QRectF r((w - d) / 2.0, (h - d) / 2.0 - 0.5, d, d);
                        Disc(p, r, c);
                        symbol(p, r);
                    }));
    };
    badge("IMG_Sprawdz", 50, 50, 42, Green, [](QPainter &p, const QRectF &r) { Tick(p, r, 5); });
    badge("IMG_JeszczeRaz", 50, 50, 42, Blue, [](QPainter &p, const QRectF &r) { Again(p, r); });
    badge("IMG_OK", 24, 24, 20, Green, [](QPainter &p, const QRectF &r) { Tick(p, r, 2.6); });
    badge("IMG_Zle", 24, 24, 20, Red, [](QPainter &p, const QRectF &r) { Cross(p, r, 2.6); });
    badge("IMG_Info", 24, 24, 20, Blue,
          [](QPainter &p, const QRectF &r) { Letter(p, r, QStringLiteral("i"), 14); });
    badge("IMG_Video", 55, 50, 42, Navy.lighter(150), [](QPainter &p, const QRectF &r) { Film(p, r); });
    badge("IMG_Glosnik", 55, 50, 42, Blue, [](QPainter &p, const QRectF &r) { Speaker(p, r); });
    badge("IMG_Help", 48, 48, 32, Blue,
          [](QPainter &p, const QRectF &r) { Letter(p, r, QStringLiteral("?"), 21); });
    badge("IMG_Wroc", 48, 48, 32, Blue, [](QPainter &p, const QRectF &r) { Arrow(p, r); });
    badge("IMG_Slownik", 55, 50, 34, Blue, [](QPainter &p, const QRectF &r) { Book(p, r); });
    badge("IMG_Drukuj", 55, 50, 42, Navy.lighter(150), [](QPainter &p, const QRectF &r) { Printer(p, r); });
    badge("IMG_Mikrofon1", 55, 50, 42, Blue, [](QPainter &p, const QRectF &r) { Microphone(p, r); });
    badge("IMG_Mikrofon2", 55, 50, 42, Red, [](QPainter &p, const QRectF &r) { Microphone(p, r); });
    badge("IMG_Analizator", 42, 42, 36, Teal, [](QPainter &p, const QRectF &r) { Wave(p, r); });
    const QColor grey(96, 102, 110);
    out.Picture(QStringLiteral("IMG_Close_N"), WindowButton(34, grey, true, false));
    out.Picture(QStringLiteral("IMG_Close_H"), WindowButton(34, QColor(214, 58, 48), true, false));
    out.Picture(QStringLiteral("IMG_Close_D"), WindowButton(34, QColor(170, 40, 32), true, true));
    out.Picture(QStringLiteral("IMG_Min_N"), WindowButton(32, grey, false, false));
    out.Picture(QStringLiteral("IMG_Min_H"), WindowButton(32, Blue, false, false));
    out.Picture(QStringLiteral("IMG_Min_D"), WindowButton(32, Blue.darker(135), false, true));
}

// ------------------------------------------------------------------------------------------

QImage Row(const QColor &top, const QColor &bottom, const QColor &line, const QColor &accent)
{
    return Draw(798, 24, [&](QPainter &p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, 0, 798, 23), Vertical(0, 23, top, bottom));
        p.fillRect(QRect(0, 23, 798, 1), line);
        if (accent.isValid())
            p.fillRect(QRect(0, 0, 4, 23), accent);
    });
}

// Kind icons: a rounded tile of the kind's colour with a white sign.
void KindIcon(Output &out, const QString &name, const QColor &c, const std::function<void(QPainter &)> &sign)
{
    out.Picture(name, Draw(24, 24, [&](QPainter &p) {
                    p.setPen(QPen(c.darker(125), 1));
                    p.setBrush(Vertical(0, 24, c.lighter(118), c));
                    p.drawRoundedRect(QRectF(1.5, 1.5, 21, 21), 5, 5);
                    p.setPen(WhitePen(1.8));
                    p.setBrush(Qt::NoBrush);
                    sign(p);
                }));
}

void PaintSelection(Output &out)
{
    out.Picture(QStringLiteral("Tabka_UP"),
                Row(QColor(234, 241, 247), QColor(212, 224, 236), QColor(176, 192, 208), QColor()));
    out.Picture(QStringLiteral("Tabka_Hover"), Row(QColor(226, 245, 253), QColor(188, 228, 247), Blue, Blue));
    out.Picture(QStringLiteral("Wiersz_L1_UP"),
                Row(QColor(255, 255, 255), QColor(250, 251, 252), QColor(226, 231, 236), QColor()));
    out.Picture(QStringLiteral("Wiersz_L1_Hover"),
                Row(QColor(240, 249, 254), QColor(224, 242, 252), QColor(196, 226, 242), Blue));
    out.Picture(QStringLiteral("Wiersz_L2_Up"),
                Row(QColor(246, 248, 250), QColor(241, 244, 247), QColor(226, 231, 236), QColor()));
    out.Picture(QStringLiteral("Wiersz_L2_Hover"),
                Row(QColor(236, 247, 253), QColor(222, 240, 250), QColor(196, 226, 242), Blue.lighter(130)));

    out.Picture(QStringLiteral("IMG_Books"), Draw(24, 22, [](QPainter &p) {
                    const QColor colours[3] = {QColor(2, 140, 200), QColor(0, 154, 43), QColor(238, 108, 24)};
                    for (int i = 0; i < 3; ++i) {
                        p.setPen(QPen(colours[i].darker(130), 1));
                        p.setBrush(colours[i]);
                        p.drawRoundedRect(
                            QRectF(2.5 + i * 6.5, 3.5 + (i == 1 ? 2 : 0), 5.5, 16 - (i == 1 ? 2 : 0)), 1, 1);
                        p.setPen(QPen(QColor(255, 255, 255, 180), 1));
                        p.drawLine(QPointF(3.5 + i * 6.5, 7.5), QPointF(7 + i * 6.5, 7.5));
                    }
                    p.setPen(QPen(Navy, 1.5));
                    p.drawLine(QPointF(1, 20.5), QPointF(23, 20.5));
                }));
    for (bool plus : {true, false})
        out.Picture(plus ? QStringLiteral("IMG_Plus") : QStringLiteral("IMG_Minus"),
                    Draw(9, 9, [&](QPainter &p) {
                        p.setRenderHint(QPainter::Antialiasing, false);
                        p.setPen(QColor(110, 130, 150));
                        p.setBrush(Qt::white);
                        p.drawRect(0, 0, 8, 8);
                        p.setPen(Navy);
                        p.drawLine(2, 4, 6, 4);
                        if (plus)
                            p.drawLine(4, 2, 4, 6);
                    }));
    for (int level = 1; level <= 4; ++level)
        out.Picture(QStringLiteral("img_poz%1").arg(level), Draw(22, 16, [&](QPainter &p) {
                        p.setPen(Qt::NoPen);
                        for (int i = 0; i < 4; ++i) {
                            p.setBrush(i < level ? Blue : QColor(210, 218, 226));
                            const double h = 4 + i * 3.5;
                            p.drawRoundedRect(QRectF(1 + i * 5.2, 15 - h, 4, h), 1, 1);
                        }
                    }));
    out.Picture(QStringLiteral("img_prtlo"), Draw(52, 6, [](QPainter &p) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(QColor(220, 226, 232));
                    p.drawRoundedRect(QRectF(0, 0, 52, 6), 3, 3);
                }));
    out.Picture(QStringLiteral("img_pr"), Draw(52, 6, [](QPainter &p) {
                    p.setPen(Qt::NoPen);
                    p.setBrush(Vertical(0, 6, QColor(60, 200, 90), QColor(0, 140, 40)));
                    p.drawRoundedRect(QRectF(0, 0, 52, 6), 3, 3);
                }));

    const QColor c1(2, 140, 200), c2(0, 150, 90), c3(238, 120, 24), c4(150, 90, 210), c5(214, 60, 110);
    KindIcon(out, QStringLiteral("Typ_0"), QColor(140, 150, 160),
             [](QPainter &p) { p.drawEllipse(QRectF(8, 8, 8, 8)); });
    KindIcon(out, QStringLiteral("Typ_1"), c1, [](QPainter &p) {
        p.setPen(WhitePen(1.4));
        p.drawRect(QRectF(6, 6, 12, 12));
        p.drawLine(QPointF(12, 6), QPointF(12, 18));
        p.drawLine(QPointF(6, 10), QPointF(18, 10));
    });
    KindIcon(out, QStringLiteral("Typ_3"), c2, [](QPainter &p) {
        for (int i = 0; i < 3; ++i) {
            p.drawPoint(QPointF(7, 7.5 + i * 4.5));
            p.drawLine(QPointF(10, 7.5 + i * 4.5), QPointF(17, 7.5 + i * 4.5));
        }
    });
    KindIcon(out, QStringLiteral("Typ_4"), c3, [](QPainter &p) {
        p.drawLine(QPointF(6, 9), QPointF(18, 9));
        p.drawLine(QPointF(6, 15), QPointF(9, 15));
        p.setPen(QPen(Qt::white, 1.2, Qt::DotLine));
        p.drawLine(QPointF(11, 15), QPointF(18, 15));
    });
    KindIcon(out, QStringLiteral("Typ_7"), c4, [](QPainter &p) {
        p.drawRoundedRect(QRectF(5, 6, 6, 5), 1, 1);
        p.drawRoundedRect(QRectF(13, 13, 6, 5), 1, 1);
        p.drawLine(QPointF(11, 8.5), QPointF(13, 15.5));
    });
    KindIcon(out, QStringLiteral("Typ_8"), c1, [](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        for (int i = 0; i < 3; ++i)
            p.drawRoundedRect(QRectF(5 + i * 5, 9, 4, 6), 1, 1);
    });
    auto bubbles = [](QPainter &p) {
        p.drawRoundedRect(QRectF(5, 5.5, 9, 6.5), 2, 2);
        p.drawRoundedRect(QRectF(10, 12, 9, 6.5), 2, 2);
    };
    KindIcon(out, QStringLiteral("Typ_11"), c2, bubbles);
    KindIcon(out, QStringLiteral("Typ_14"), c3, [&](QPainter &p) {
        bubbles(p);
        Letter(p, QRectF(10, 11.5, 9, 8), QStringLiteral("?"), 7);
    });
    KindIcon(out, QStringLiteral("Typ_18"), c4, [&](QPainter &p) {
        p.drawRoundedRect(QRectF(5, 6, 14, 10), 2, 2);
        p.setPen(QPen(Qt::white, 1.2, Qt::DotLine));
        p.drawLine(QPointF(8, 11), QPointF(16, 11));
    });
    KindIcon(out, QStringLiteral("Typ_21"), c5, [](QPainter &p) {
        p.drawLine(QPointF(6, 8), QPointF(12, 8));
        p.drawLine(QPointF(10, 12), QPointF(18, 12));
        p.drawLine(QPointF(6, 16), QPointF(14, 16));
    });
    KindIcon(out, QStringLiteral("Typ_22"), c1, [](QPainter &p) {
        p.drawLine(QPointF(7, 17), QPointF(16, 8));
        p.drawLine(QPointF(6, 18), QPointF(7.5, 16.5));
        p.drawLine(QPointF(15, 7), QPointF(17, 9));
    });
    KindIcon(out, QStringLiteral("Typ_24"), c2, [](QPainter &p) {
        Letter(p, QRectF(3, 3, 10, 10), QStringLiteral("A"), 8);
        Letter(p, QRectF(11, 11, 10, 10), QStringLiteral("Ą"), 8);
        p.drawLine(QPointF(14, 8), QPointF(17, 8));
        p.drawLine(QPointF(7, 16), QPointF(10, 16));
    });
    KindIcon(out, QStringLiteral("Typ_26"), c1, [](QPainter &p) {
        // An open page of dialogue lines, for the reading view.
        for (int i = 0; i < 3; ++i) {
            p.drawPoint(QPointF(6.5, 7.5 + i * 4.5));
            p.drawLine(QPointF(9.5, 7.5 + i * 4.5), QPointF(i == 2 ? 14 : 17.5, 7.5 + i * 4.5));
        }
    });
    KindIcon(out, QStringLiteral("Typ_31"), c3, [](QPainter &p) {
        Tick(p, QRectF(3, 3, 11, 11), 1.6);
        Cross(p, QRectF(10, 10, 11, 11), 1.6);
    });
    KindIcon(out, QStringLiteral("Typ_50"), c4, [](QPainter &p) {
        p.drawLine(QPointF(6, 7), QPointF(11, 7));
        p.drawLine(QPointF(6, 12), QPointF(13, 12));
        p.drawLine(QPointF(6, 17), QPointF(15, 17));
        p.drawLine(QPointF(17, 6), QPointF(17, 18));
        p.drawPolyline(QPolygonF({QPointF(15, 16), QPointF(17, 18), QPointF(19, 16)}));
    });
    KindIcon(out, QStringLiteral("Typ_52"), c5, [](QPainter &p) {
        p.drawRect(QRectF(5.5, 6.5, 13, 11));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 6.5, 6, 11));
    });
    // The word items of a package of variant 4, each activity with its own sign, in a colour
    // family of their own (a teal), never the multiple-choice icon.
    const QColor words(0, 128, 140);
    KindIcon(out, QStringLiteral("Typ_41"), words, [](QPainter &p) { // presentation: a word card
        p.drawRoundedRect(QRectF(5, 6.5, 14, 11), 1.5, 1.5);
        Letter(p, QRectF(5, 6.5, 14, 11), QStringLiteral("Aa"), 6.5);
    });
    KindIcon(out, QStringLiteral("Typ_42"), words.darker(112), [](QPainter &p) { // pronunciation
        Microphone(p, QRectF(3, 3, 18, 18));
    });
    KindIcon(out, QStringLiteral("Typ_44"), words.lighter(112), [](QPainter &p) { // recognition by ear
        Speaker(p, QRectF(1, 3, 16, 16));
        Letter(p, QRectF(13, 5, 9, 14), QStringLiteral("?"), 8);
    });
    KindIcon(out, QStringLiteral("Typ_48"), words.darker(125), [](QPainter &p) { // spelling
        Letter(p, QRectF(3, 3, 18, 12), QStringLiteral("abc"), 7);
        p.setPen(QPen(Qt::white, 1.2, Qt::DotLine));
        p.drawLine(QPointF(6, 17.5), QPointF(18, 17.5));
    });
    auto package = [&](const QString &name, const QColor &c, int layers) {
        KindIcon(out, name, c, [&](QPainter &p) {
            p.setPen(Qt::NoPen);
            for (int i = layers - 1; i >= 0; --i) {
                p.setBrush(i ? QColor(255, 255, 255, 150) : Qt::white);
                p.drawRoundedRect(QRectF(5 + i * 2, 8 - i * 2, 11, 9), 1.5, 1.5);
            }
            p.setBrush(c);
            p.drawRect(QRectF(8, 10.5, 5, 1.5));
        });
    };
    package(QStringLiteral("Typ_101_1"), QColor(0, 110, 170), 2);
    package(QStringLiteral("Typ_101_2"), QColor(0, 130, 120), 2);
    package(QStringLiteral("Typ_102"), QColor(200, 100, 20), 3);
    package(QStringLiteral("Typ_103"), QColor(120, 70, 190), 3);
}

// ------------------------------------------------------------------------------------------

void PaintChecks(Output &out)
{
    for (bool hot : {false, true}) {
        for (bool on : {false, true}) {
            const QString tail = QString(hot ? QStringLiteral("HOT_") : QString()) +
                                 (on ? QStringLiteral("ON") : QStringLiteral("OFF"));
            const QColor border = hot ? Blue : QColor(130, 146, 162);
            out.Picture(QStringLiteral("CHECK_") + tail, Draw(20, 20, [&](QPainter &p) {
                            p.setPen(QPen(border, 1.2));
                            p.setBrush(on ? Vertical(0, 20, Blue.lighter(115), Blue.darker(110))
                                          : Vertical(0, 20, QColor(255, 255, 255), QColor(232, 238, 244)));
                            p.drawRoundedRect(QRectF(2.5, 2.5, 15, 15), 3, 3);
                            if (on)
                                Tick(p, QRectF(2.5, 2.5, 15, 15), 2.2);
                        }));
            out.Picture(QStringLiteral("RADIO_") + tail, Draw(20, 20, [&](QPainter &p) {
                            p.setPen(QPen(border, 1.2));
                            p.setBrush(Vertical(0, 20, QColor(255, 255, 255), QColor(232, 238, 244)));
                            p.drawEllipse(QRectF(2.5, 2.5, 15, 15));
                            if (on) {
                                p.setPen(Qt::NoPen);
                                p.setBrush(Blue);
                                p.drawEllipse(QRectF(6, 6, 8, 8));
                            }
                        }));
            out.Picture(QStringLiteral("TICK_") + tail, Draw(25, 25, [&](QPainter &p) {
                            p.setPen(QPen(hot ? Blue : QColor(150, 164, 178), 1.4));
                            p.setBrush(on ? Vertical(0, 25, QColor(60, 200, 100), Green)
                                          : Vertical(0, 25, QColor(255, 255, 255), QColor(236, 240, 244)));
                            p.drawEllipse(QRectF(2, 2, 21, 21));
                            if (on)
                                Tick(p, QRectF(2, 2, 21, 21), 2.6);
                        }));
        }
    }
}

void PaintScrollBars(Output &out)
{
    // Vertical pictures 21 wide; the horizontal ones are the same turned a quarter.
    auto arrow = [](bool up) {
        return Draw(21, 18, [up](QPainter &p) {
            p.setPen(QPen(QColor(150, 170, 190), 1));
            p.setBrush(Vertical(0, 18, QColor(255, 255, 255), QColor(222, 232, 242)));
            p.drawRoundedRect(QRectF(1.5, 0.5, 18, 17), 4, 4);
            p.setPen(Qt::NoPen);
            p.setBrush(Navy);
            QPainterPath tri;
            if (up) {
                tri.moveTo(10.5, 5.5);
                tri.lineTo(15, 11.5);
                tri.lineTo(6, 11.5);
            } else {
                tri.moveTo(10.5, 12.5);
                tri.lineTo(15, 6.5);
                tri.lineTo(6, 6.5);
            }
            tri.closeSubpath();
            p.drawPath(tri);
        });
    };
    const QImage up = arrow(true), down = arrow(false);
    const QImage thumb = Draw(21, 15, [](QPainter &p) {
        p.setPen(QPen(Blue.darker(125), 1));
        p.setBrush(QLinearGradient(0, 0, 21, 0));
        QLinearGradient g(0, 0, 21, 0);
        g.setColorAt(0, Blue.lighter(120));
        g.setColorAt(1, Blue.darker(105));
        p.setBrush(g);
        p.drawRoundedRect(QRectF(3.5, 0.5, 14, 14), 4, 4);
        p.setPen(QPen(QColor(255, 255, 255, 170), 1));
        for (double y : {5.5, 7.5, 9.5})
            p.drawLine(QPointF(7.5, y), QPointF(13.5, y));
    });
    auto track = [](int h, int part) {
        return Draw(21, h, [=](QPainter &p) {
            QPainterPath groove;
            const QRectF r(7.5, part == 1 ? 1.5 : -4, 6, part == 2 ? h + 8 : h + 2);
            groove.addRoundedRect(r, 3, 3);
            if (part == 3)
                groove = QTransform().translate(0, h).scale(1, -1).map([&] {
                    QPainterPath g;
                    g.addRoundedRect(QRectF(7.5, 1.5, 6, h + 4), 3, 3);
                    return g;
                }());
            p.setClipRect(QRectF(0, 0, 21, h));
            p.setPen(QPen(QColor(196, 208, 220), 1));
            p.setBrush(QColor(234, 240, 246));
            p.drawPath(groove);
        });
    };
    const QImage r1 = track(6, 1), r2 = track(4, 2), r3 = track(6, 3);
    const QTransform quarter = QTransform().rotate(-90);
    const QPair<const char *, QImage> parts[] = {{"UP", up},     {"DOWN", down}, {"SUWAK", thumb},
                                                 {"RYNNA1", r1}, {"RYNNA2", r2}, {"RYNNA3", r3}};
    for (const auto &[name, image] : parts) {
        out.Picture(QStringLiteral("SB_V_") + QLatin1String(name), image);
        out.Picture(QStringLiteral("SB_H_") + QLatin1String(name), image.transformed(quarter));
    }
}

void PaintLogin(Output &out)
{
    out.Picture(QStringLiteral("BTN"), Draw(334, 75, [](QPainter &p) {
                    p.setPen(QPen(QColor(2, 174, 228, 200), 1.5));
                    p.setBrush(Vertical(0, 75, QColor(2, 174, 228, 110), QColor(6, 54, 99, 90)));
                    p.drawRoundedRect(QRectF(1, 2, 332, 71), 8, 8);
                }));
    out.Picture(QStringLiteral("IMG_Config"), Draw(11, 11, [](QPainter &p) {
                    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap));
                    p.drawLine(QPointF(2, 9), QPointF(8.5, 2.5));
                    p.drawLine(QPointF(1.5, 9.5), QPointF(3.5, 9.5));
                }));
    out.Picture(QStringLiteral("IMG_Kosz"), Draw(8, 10, [](QPainter &p) {
                    p.setPen(QPen(Qt::white, 1.2));
                    p.setBrush(Qt::NoBrush);
                    p.drawLine(QPointF(0.5, 2), QPointF(7.5, 2));
                    p.drawRect(QRectF(1.5, 3, 5, 6.5));
                    p.drawLine(QPointF(3, 0.6), QPointF(5, 0.6));
                }));
}

} // namespace

void PaintHostPictures(Output &out)
{
    PaintHost(out);
}

void PaintSelectionPictures(Output &out)
{
    PaintSelection(out);
}

void PaintSmallControls(Output &out)
{
    PaintChecks(out);
    PaintScrollBars(out);
    PaintLogin(out);
}

} // namespace SkinPainter
