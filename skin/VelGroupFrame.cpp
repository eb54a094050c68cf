#include "skin/VelGroupFrame.h"

#include <QPainter>

using namespace Qt::StringLiterals;

void PaintNinePieceFrame(QPainter &painter, SkinHandle skin, int set, int c, const QRect &rect)
{
    const QString prefix = u"RAMKA"_s + QString::number(set) + u'_';
    auto piece = [&](int n) {
        return SkinPictureOrNull(skin, prefix + QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')));
    };
    const int X = rect.x(), Y = rect.y(), W = rect.width(), H = rect.height();
    auto at = [&](int n, int x, int y) {
        const QImage p = piece(n);
        if (!p.isNull())
            painter.drawImage(QPoint(X + x, Y + y), p);
    };
    auto stretch = [&](int n, int l, int t, int r, int b) {
        const QImage p = piece(n);
        if (!p.isNull() && r > l && b > t)
            painter.drawImage(QRect(X + l, Y + t, r - l, b - t), p);
    };
    at(1, 0, 0);
    stretch(2, c, 0, W - c, c);
    at(3, W - c, 0);
    stretch(4, 0, c, c, H - c);
    stretch(5, c, c, W - c, H - c);
    stretch(6, W - c, c, W, H - c);
    at(7, 0, H - c);
    stretch(8, c, H - c, W - c, H);
    at(9, W - c, H - c);
}

TVelGroupFrame::TVelGroupFrame(QWidget *parent) : QWidget(parent)
{
    resize(185, 105);
}

TVelGroupFrame::~TVelGroupFrame() = default;

void TVelGroupFrame::SetFrameType(TFrameType type)
{
    m_type = type;
    update();
}

void TVelGroupFrame::SetShowCaption(bool show)
{
    m_showCaption = show;
    update();
}

void TVelGroupFrame::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TVelGroupFrame::SetCaptionPositionX(int x)
{
    m_captionX = x;
    update();
}

void TVelGroupFrame::SetCaptionPositionY(int y)
{
    m_captionY = y;
    update();
}

void TVelGroupFrame::SetFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void TVelGroupFrame::SetSkin(SkinHandle skin)
{
    m_skin = skin;
    update();
}

int TVelGroupFrame::PictureSet() const
{
    return m_type == ftFrame_Blue ? 1 : 6;
}

int TVelGroupFrame::CornerSize() const
{
    return m_type == ftFrame_Blue ? 10 : 7;
}

void TVelGroupFrame::SetHollow(bool hollow)
{
    m_hollow = hollow;
    setAttribute(Qt::WA_TransparentForMouseEvents, hollow);
    update();
}

void TVelGroupFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_hollow) {
        // What lies inside stays readable, however small the frame: the skin's pieces carry
        // wide opaque bands, so a hollow frame is a thin rounded line over a light veil.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(255, 255, 255, 230), 2));
        painter.setBrush(QColor(255, 255, 255, 28));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    } else {
        PaintNinePieceFrame(painter, m_skin, PictureSet(), CornerSize(), rect());
    }
    if (m_showCaption) {
        painter.setFont(font());
        painter.setPen(m_fontColor);
        DrawAntiAliasedText(painter, m_captionX, m_captionY, m_caption);
    }
}
