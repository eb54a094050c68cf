#include "media/MediaPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace MediaPictures {
namespace {
const QColor Ink(0x1d, 0x2b, 0x3a);
const QColor Accent(0xf2, 0x9a, 0x1f);
const QColor AccentLight(0xff, 0xc8, 0x5a);

QImage Blank(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A round, lit button face with a symbol drawn by symbol() in its centre.
template <typename Symbol> QImage RoundButton(int size, TButtonState state, Symbol symbol)
{
    QImage image = Blank(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF face(1, 1, size - 2, size - 2);
    QRadialGradient light(face.center() - QPointF(size * 0.15, size * 0.2), size * 0.7);
    const bool down = state == TButtonState::Down;
    const QColor top = state == TButtonState::Hot ? QColor(0x6b, 0x8f, 0xb8) : QColor(0x4f, 0x6d, 0x91);
    light.setColorAt(0, down ? top.darker(130) : top.lighter(140));
    light.setColorAt(1, down ? top.darker(160) : top.darker(120));
    p.setPen(QPen(QColor(0x0e, 0x18, 0x24), 1));
    p.setBrush(light);
    p.drawEllipse(face);
    p.translate(down ? 1 : 0, down ? 1 : 0);
    p.setPen(Qt::NoPen);
    p.setBrush(state == TButtonState::Hot ? AccentLight : QColor(0xf4, 0xf6, 0xf8));
    symbol(p, double(size));
    return image;
}
} // namespace

QImage Background(bool video)
{
    const int h = video ? 363 : 74;
    QImage image(360, h, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient body(0, 0, 0, h);
    body.setColorAt(0, QColor(0x3a, 0x52, 0x6e));
    body.setColorAt(1, QColor(0x1f, 0x2f, 0x42));
    p.fillRect(image.rect(), body);
    // Title strip, where the window is grabbed and the close button sits.
    QLinearGradient strip(0, 0, 0, 20);
    strip.setColorAt(0, QColor(0x56, 0x76, 0x9a));
    strip.setColorAt(1, QColor(0x2e, 0x44, 0x5d));
    p.fillRect(QRect(0, 0, 360, 20), strip);
    p.setPen(QColor(0xe6, 0xec, 0xf2));
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(10, 0, 280, 20), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Audivox"));
    p.setPen(Accent);
    p.drawLine(0, 20, 360, 20);
    if (video) {
        // A sunken frame around the film.
        p.setPen(QPen(QColor(0x0b, 0x12, 0x1b), 2));
        p.setBrush(Qt::black);
        p.drawRect(QRectF(10, 21, 338, 289));
    }
    // Rim of the whole window.
    p.setPen(QPen(QColor(0x0e, 0x18, 0x24), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 359, h - 1));
    return image;
}

QImage PlayButton(TButtonState state)
{
    return RoundButton(38, state, [](QPainter &p, double s) {
        QPainterPath triangle;
        triangle.moveTo(s * 0.40, s * 0.28);
        triangle.lineTo(s * 0.72, s * 0.50);
        triangle.lineTo(s * 0.40, s * 0.72);
        triangle.closeSubpath();
        p.drawPath(triangle);
    });
}

QImage PauseButton(TButtonState state)
{
    return RoundButton(28, state, [](QPainter &p, double s) {
        p.drawRect(QRectF(s * 0.32, s * 0.30, s * 0.12, s * 0.40));
        p.drawRect(QRectF(s * 0.56, s * 0.30, s * 0.12, s * 0.40));
    });
}

QImage StopButton(TButtonState state)
{
    return RoundButton(
        28, state, [](QPainter &p, double s) { p.drawRect(QRectF(s * 0.33, s * 0.33, s * 0.34, s * 0.34)); });
}

QImage CloseButton(TButtonState state)
{
    QImage image = Blank(34, 18);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor face = state == TButtonState::Normal ? QColor(0x8e, 0x2b, 0x24)
                        : state == TButtonState::Hot  ? QColor(0xc7, 0x3b, 0x30)
                                                      : QColor(0x6a, 0x1d, 0x18);
    p.setPen(QPen(QColor(0x2a, 0x0c, 0x0a), 1));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, 33, 17), 3, 3);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 5), QPointF(21, 13));
    p.drawLine(QPointF(21, 5), QPointF(13, 13));
    return image;
}

QImage Knob()
{
    QImage image = Blank(6, 12);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 6, 0);
    g.setColorAt(0, QColor(0xfa, 0xfa, 0xfa));
    g.setColorAt(1, QColor(0xa8, 0xb4, 0xc2));
    p.setPen(QPen(Ink, 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 5, 11), 1.5, 1.5);
    return image;
}

QImage BarTrough()
{
    QImage image = Blank(227, 6);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x0b, 0x12, 0x1b), 1));
    p.setBrush(QColor(0x12, 0x1c, 0x28));
    p.drawRoundedRect(QRectF(0.5, 0.5, 226, 5), 2.5, 2.5);
    return image;
}

QImage BarPiece(int piece)
{
    QImage image = Blank(piece == 2 ? 1 : 2, 6);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 6);
    g.setColorAt(0, AccentLight);
    g.setColorAt(1, Accent.darker(115));
    if (piece == 2) {
        p.fillRect(image.rect(), g);
    } else {
        // Rounded ends: the outer corner pixels stay clear.
        p.fillRect(QRect(0, 1, 2, 4), g);
        p.fillRect(QRect(piece == 1 ? 1 : 0, 0, 1, 6), g);
    }
    return image;
}

QImage SpeakerMark(int m, bool hot)
{
    QImage image = Blank(30, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Ink, 1));
    p.setBrush(hot ? AccentLight : Accent);
    p.drawRoundedRect(QRectF(0.5, 0.5, 29, 13), 3, 3);
    // A small figure of a speaker, and the mark's number.
    p.setPen(Qt::NoPen);
    p.setBrush(Ink);
    p.drawEllipse(QRectF(4, 2.5, 4, 4));
    QPainterPath shoulders;
    shoulders.addRoundedRect(QRectF(2.5, 7, 7, 5), 2.5, 2.5);
    p.drawPath(shoulders);
    p.setPen(Ink);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    p.drawText(QRect(11, 0, 18, 14), Qt::AlignCenter, QString::number(m));
    return image;
}

} // namespace MediaPictures
