#include "exercises/words/AnswerBox.h"

#include "skin/uSkin.h"

#include <QPainter>
#include <QPainterPath>

QPixmap AnswerBoxPicture(bool ticked)
{
    QPixmap pixmap(AnswerBoxSize, AnswerBoxSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(SkinColors::Navy, 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2.5, 2.5, 18, 18), 4, 4);
    if (ticked) {
        QPainterPath tick;
        tick.moveTo(6.5, 11.5);
        tick.lineTo(10, 15.5);
        tick.lineTo(17, 6.5);
        p.setPen(QPen(SkinColors::Blue, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    }
    return pixmap;
}
