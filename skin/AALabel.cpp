#include "skin/AALabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

int AlignmentFlag(TAlignment alignment)
{
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

TAALabel::TAALabel(QWidget *parent) : QWidget(parent), m_caption(u"AntiAliasLabel"_s)
{
    resize(100, 18);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

TAALabel::~TAALabel() = default;

void TAALabel::SetCaption(const QString &caption)
{
    m_caption = caption;
    Remeasure();
    update();
}

void TAALabel::SetUseAntiAlias(bool on)
{
    m_antiAlias = on;
    update();
}

void TAALabel::SetWordWrap(bool on)
{
    m_wordWrap = on;
    Remeasure();
    update();
}

void TAALabel::SetTransparent(bool on)
{
    m_transparent = on;
    update();
}

void TAALabel::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TAALabel::SetAutoSize(bool on)
{
    m_autoSize = on;
    Remeasure();
    update();
}

void TAALabel::SetExtraWidth(int extra)
{
    m_extraWidth = extra;
    Remeasure();
    update();
}

void TAALabel::SetColor(const QColor &color)
{
    m_color = color;
    update();
}

void TAALabel::SetFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void TAALabel::SetFont(const QFont &font)
{
    setFont(font);
    Remeasure();
    update();
}

void TAALabel::SetHint(const QString &hint)
{
    m_hint = hint;
    setToolTip(m_showHint ? m_hint : QString());
}

void TAALabel::SetShowHint(bool show)
{
    m_showHint = show;
    setToolTip(m_showHint ? m_hint : QString());
}

QSize TAALabel::MeasuredSize() const
{
    const QFontMetrics metrics(font());
    if (!m_wordWrap)
        return {metrics.horizontalAdvance(m_caption) + m_extraWidth, SkinTextLine(font()).Height};
    // The three spaces keep the last word off the edge, as the label's own measuring does.
    const QRect bounds =
        metrics.boundingRect(QRect(0, 0, width(), 100000), Qt::TextWordWrap, m_caption + u"   "_s);
    const int rise = SkinTextLine(font()).Ascent - metrics.ascent();
    return {width(), bounds.height() + rise};
}

void TAALabel::Remeasure()
{
    if (m_autoSize)
        resize(MeasuredSize());
}

void TAALabel::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange)
        Remeasure();
    QWidget::changeEvent(event);
}

void TAALabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (!m_transparent)
        painter.fillRect(rect(), m_color);
    painter.setFont(font());
    painter.setPen(m_fontColor);
    if (m_wordWrap) {
        const int flags = Qt::TextWordWrap | Qt::AlignTop | AlignmentFlag(m_alignment);
        if (m_antiAlias)
            DrawAntiAliasedTextInRect(painter, rect(), 0, flags, m_caption, 0);
        else
            painter.drawText(rect(), flags, m_caption);
    } else {
        const QFontMetrics metrics(font());
        const int tw = metrics.horizontalAdvance(m_caption);
        int x = 0;
        if (m_alignment == taRightJustify)
            x = width() - tw;
        else if (m_alignment == taCenter)
            x = width() / 2 - tw / 2;
        if (m_antiAlias)
            DrawAntiAliasedText(painter, x, 0, m_caption);
        else
            painter.drawText(QPoint(x, metrics.ascent()), m_caption);
    }
    if (OnPaint)
        OnPaint(painter);
}
