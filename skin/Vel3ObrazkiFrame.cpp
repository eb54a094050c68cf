#include "skin/Vel3ObrazkiFrame.h"

#include <QPainter>

using namespace Qt::StringLiterals;

TVel3ObrazkiFrame::TVel3ObrazkiFrame(QWidget *parent) : QWidget(parent)
{
    setFixedSize(296, 248);
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
    if (!left.isNull())
        painter.drawImage(QPoint(0, 24), left);
    if (!right.isNull())
        painter.drawImage(QPoint(width() - right.width(), 24), right);
    if (!top.isNull())
        painter.drawImage(QPoint(0, 0), top);
    if (!bottom.isNull())
        painter.drawImage(QPoint(0, height() - bottom.height()), bottom);
}
