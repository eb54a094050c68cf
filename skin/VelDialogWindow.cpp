#include "skin/VelDialogWindow.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

TVelDialogWindow::TVelDialogWindow(QWidget *parent) : QWidget(parent)
{
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
}

TVelDialogWindow::~TVelDialogWindow() = default;

void TVelDialogWindow::SetCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void TVelDialogWindow::SetBelkaSize(TBelkaSize size)
{
    m_belkaSize = size;
    update();
}

void TVelDialogWindow::SetDialogStyle(TDialogStyle style)
{
    m_style = style;
    update();
}

void TVelDialogWindow::SetSkin(const SkinRecord &skin)
{
    m_skin = skin;
    update();
}

QString TVelDialogWindow::StyleSuffix() const
{
    return m_style == dsBlue ? u"_B"_s : u"_W"_s;
}

int TVelDialogWindow::BarHeight() const
{
    return m_belkaSize == bs40 ? 39 : 59;
}

bool TVelDialogWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void TVelDialogWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintWindow(painter);
}

void TVelDialogWindow::PaintWindow(QPainter &painter)
{
    const SkinHandle skin = m_skin.Handle;
    if (!skin)
        return;
    const QString s = StyleSuffix();
    const int *c = m_skin.Sizes;
    const int w1 = c[0], h1 = c[1], w3 = c[2], h3 = c[3], w7 = c[4], h7 = c[5], w9 = c[6], h9 = c[7];
    const int W = width(), H = height();
    auto piece = [&](const char *name) { return SkinPictureOrNull(skin, QString::fromLatin1(name) + s); };
    // Windows rectangles (left, top, right, bottom) with exclusive right and bottom.
    auto stretch = [&](const char *name, int l, int t, int r, int b) {
        const QImage picture = piece(name);
        if (!picture.isNull() && r > l && b > t)
            painter.drawImage(QRect(l, t, r - l, b - t), picture);
    };
    auto at = [&](const char *name, int x, int y) {
        const QImage picture = piece(name);
        if (!picture.isNull())
            painter.drawImage(QPoint(x, y), picture);
    };
    at("DIAL01", 0, 0);
    stretch("DIAL02", w1, 0, W - w3, h1);
    at("DIAL03", W - w3, 0);
    stretch("DIAL04", 0, h1, w1, H - h7);
    stretch("DIAL05", w1, h1, W - w3, H - h7);
    stretch("DIAL06", W - w3, h3, W, H - h7);
    at("DIAL07", 0, H - h7);
    stretch("DIAL08", w7, H - h7, W - w9, H);
    at("DIAL09", W - w9, H - h9);
    const int a = BarHeight();
    stretch("DIAL_BELKA", w1, h1, W - w3, a + h1);

    QFont font(u"Tahoma"_s);
    font.setPointSize(m_belkaSize == bs40 ? 12 : 18);
    painter.setFont(font);
    painter.setPen(m_style == dsBlue ? QColor(2, 174, 228) : QColor(79, 79, 79));
    const int captionHeight = SkinTextLine(font, painter.device()).Height;
    DrawAntiAliasedText(painter, w1 + 17, a / 2 - captionHeight / 2, m_caption);
}

void TVelDialogWindow::mousePressEvent(QMouseEvent *event)
{
    const int bar = m_belkaSize == bs40 ? 40 : 60;
    if (event->button() == Qt::LeftButton && event->position().y() < bar) {
        m_dragging = true;
        m_pressPos = event->globalPosition().toPoint();
    }
    QWidget::mousePressEvent(event);
}

void TVelDialogWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && m_allowMove) {
        const QPoint now = event->globalPosition().toPoint();
        QWidget *form = window();
        form->move(form->pos() + now - m_pressPos);
        m_pressPos = now;
    }
    QWidget::mouseMoveEvent(event);
}

void TVelDialogWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

// ---------------------------------------------------------------------------------------------

TVelMsgBoxWindow::TVelMsgBoxWindow(QWidget *parent) : TVelDialogWindow(parent)
{
}

TVelMsgBoxWindow::~TVelMsgBoxWindow() = default;

void TVelMsgBoxWindow::SetIcon(TMsgIcon icon)
{
    m_icon = icon;
    update();
}

QString TVelMsgBoxWindow::IconPictureName(TMsgIcon icon)
{
    switch (icon) {
    case icoError:
        return u"MSG_ICON_ERROR"_s;
    case icoQuestion:
        return u"MSG_ICON_QUESTION"_s;
    case icoInformation:
        return u"MSG_ICON_INFORMATION"_s;
    case icoExclamation:
        return u"MSG_ICON_EXCLAMATION"_s;
    }
    return {};
}

void TVelMsgBoxWindow::PaintWindow(QPainter &painter)
{
    TVelDialogWindow::PaintWindow(painter);
    const QImage icon = SkinPictureOrNull(Skin(), IconPictureName(m_icon));
    if (!icon.isNull())
        painter.drawImage(BelkaSize() == bs40 ? QPoint(11, 58) : QPoint(25, 85), icon);
}
