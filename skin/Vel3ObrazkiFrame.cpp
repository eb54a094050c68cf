#include "skin/Vel3ObrazkiFrame.h"

#include <QPainter>

using namespace Qt::StringLiterals;

TVel3ObrazkiFrame::TVel3ObrazkiFrame(QWidget *parent) : QWidget(parent)
{
    // The skin's pieces are drawn for 296 x 248; a screen may give the frame another size,
    // and the pieces follow it.
    resize(296, 248);
}

TVel3ObrazkiFrame::~TVel3ObrazkiFrame() = default;

void TVel3ObrazkiFrame::SetStylRamki(TStylRamki style)
{
    m_styl = style;
    update();
}

void TVel3ObrazkiFrame::SetStanRamki(TStanRamki state)
{
    m_stan = state;
    update();
}

void TVel3ObrazkiFrame::SetSkin(SkinHandle skin)
{
    m_skin = skin;
    update();
}

QString TVel3ObrazkiFrame::PieceName(int n) const
{
    QString letter;
    switch (m_stan) {
    case fsNone:
        return {};
    case fsHover:
        letter = u"H"_s;
        break;
    case fsDobrze:
        letter = u"D"_s;
        break;
    case fsZle:
        letter = u"Z"_s;
        break;
    }
    return u"RAMKA5_"_s + QString::number(int(m_styl) + 1) + letter + QString::number(n);
}

void TVel3ObrazkiFrame::paintEvent(QPaintEvent *)
{
    if (m_stan == fsNone)
        return;
    QPainter painter(this);
    const QImage left = SkinPictureOrNull(m_skin, PieceName(1));
    const QImage right = SkinPictureOrNull(m_skin, PieceName(2));
    const QImage top = SkinPictureOrNull(m_skin, PieceName(3));
    const QImage bottom = SkinPictureOrNull(m_skin, PieceName(4));
    // The band and the foot keep their rounded ends; the sides fill the height between them.
    const int band = top.isNull() ? 24 : top.height();
    const int foot = bottom.isNull() ? 8 : bottom.height();
    const int sides = height() - band - foot;
    if (!left.isNull() && sides > 0)
        painter.drawImage(QRect(0, band, left.width(), sides), left);
    if (!right.isNull() && sides > 0)
        painter.drawImage(QRect(width() - right.width(), band, right.width(), sides), right);
    if (!top.isNull())
        DrawStretchedKeepingEnds(painter, top, QRect(0, 0, width(), band), Qt::Horizontal, 40);
    if (!bottom.isNull())
        DrawStretchedKeepingEnds(painter, bottom, QRect(0, height() - foot, width(), foot), Qt::Horizontal,
                                 40);
}
