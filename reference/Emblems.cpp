#include "reference/Emblems.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

using namespace Qt::StringLiterals;

namespace Reference {

QPixmap DictionaryEmblem()
{
    QImage image(110, 96, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Shadow, then the two pages rising from the spine.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawEllipse(QRectF(10, 80, 90, 12));
    const QColor cover(26, 96, 168);
    p.setBrush(cover);
    QPainterPath coverPath;
    coverPath.moveTo(4, 22);
    coverPath.lineTo(55, 30);
    coverPath.lineTo(106, 22);
    coverPath.lineTo(106, 80);
    coverPath.lineTo(55, 88);
    coverPath.lineTo(4, 80);
    coverPath.closeSubpath();
    p.drawPath(coverPath);
    for (int side = 0; side < 2; ++side) {
        QPainterPath page;
        const qreal outer = side == 0 ? 9 : 101;
        page.moveTo(55, 26);
        page.cubicTo(side == 0 ? 40 : 70, 16, side == 0 ? 22 : 88, 14, outer, 18);
        page.lineTo(outer, 74);
        page.cubicTo(side == 0 ? 22 : 88, 70, side == 0 ? 40 : 70, 72, 55, 82);
        page.closeSubpath();
        QLinearGradient paper(outer, 0, 55, 0);
        paper.setColorAt(0, QColor(255, 255, 255));
        paper.setColorAt(1, QColor(222, 230, 238));
        p.setBrush(paper);
        p.setPen(QPen(QColor(160, 172, 186), 1));
        p.drawPath(page);
        p.setPen(QPen(QColor(190, 200, 212), 1.2));
        for (int line = 0; line < 5; ++line) {
            const qreal y = 36 + line * 8;
            p.drawLine(QPointF(side == 0 ? 16 : 62, y), QPointF(side == 0 ? 48 : 94, y));
        }
    }
    QFont font(u"DejaVu Sans"_s);
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(2, 120, 190));
    p.drawText(QRectF(12, 24, 40, 30), Qt::AlignCenter, u"A"_s);
    p.setPen(QColor(211, 40, 40));
    p.drawText(QRectF(58, 24, 40, 30), Qt::AlignCenter, u"Ż"_s);
    p.end();
    return QPixmap::fromImage(image);
}

QPixmap HelpEmblem()
{
    QImage image(128, 128, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawEllipse(QRectF(10, 12, 112, 112));
    QRadialGradient disc(QPointF(48, 40), 80);
    disc.setColorAt(0, QColor(110, 200, 245));
    disc.setColorAt(1, QColor(2, 110, 190));
    p.setBrush(disc);
    p.setPen(QPen(Qt::white, 5));
    p.drawEllipse(QRectF(6, 6, 112, 112));
    QFont font(u"DejaVu Serif"_s);
    font.setPixelSize(78);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(6, 4, 112, 112), Qt::AlignCenter, u"?"_s);
    p.end();
    return QPixmap::fromImage(image);
}

QImage CloseGlyph(int state)
{
    QImage image(34, 18, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fill = state == 2   ? QColor(150, 20, 20)
                        : state == 1 ? QColor(226, 60, 50)
                                     : QColor(190, 196, 204);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, 32, 16), 4, 4);
    p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(13, 5), QPointF(21, 13));
    p.drawLine(QPointF(21, 5), QPointF(13, 13));
    p.end();
    return image;
}

} // namespace Reference
