#include "skin/VelDymek.h"

#include <QFontMetrics>
#include <QPainter>

using namespace Qt::StringLiterals;

TVelDymek::TVelDymek(QWidget *parent) : QWidget(parent)
{
    resize(BubbleWidth, 41);
    QFont font(u"Tahoma"_s);
    font.setPointSize(9);
    setFont(font);
    hide();
}

TVelDymek::~TVelDymek() = default;

void TVelDymek::ShowBubble(int x, int y, const QString &text)
{
    m_text = text;
    const int flags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;
    const QFontMetrics metrics(font());
    // The text keeps clear of the bubble's outline on every side (the outline runs 1 pixel
    // inside the picture; the foot's body ends 6 pixels below m).
    const QRect column(TextLeft, TextTop, BubbleWidth - 2 * TextLeft, 100000);
    const int m = TextTop + metrics.boundingRect(column, flags, text).height() + 2;
    const int height = m + 18;
    setGeometry(x - 4, y - height - 4, BubbleWidth, height);

    // The widget paints no background of its own, so what lies under it shows around the
    // bubble's rounded picture just as the copied screen pixels would.
    m_picture = QImage(BubbleWidth, height, QImage::Format_ARGB32_Premultiplied);
    m_picture.fill(Qt::transparent);
    {
        QPainter painter(&m_picture);
        const QImage top = SkinPictureOrNull(m_skin, u"DYMEK_01"_s);
        const QImage middle = SkinPictureOrNull(m_skin, u"DYMEK_02"_s);
        const QImage bottom = SkinPictureOrNull(m_skin, u"DYMEK_03"_s);
        if (!top.isNull())
            painter.drawImage(QPoint(0, 0), top);
        if (!middle.isNull() && m > 5)
            painter.drawImage(QRect(0, 5, BubbleWidth, m - 5), middle);
        if (!bottom.isNull())
            painter.drawImage(QPoint(0, m), bottom);
        painter.setFont(font());
        painter.setPen(m_fontColor);
        painter.drawText(QRect(TextLeft, TextTop, BubbleWidth - 2 * TextLeft, m - TextTop), flags, text);
    }
    raise();
    show();
    update();
}

void TVelDymek::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}
