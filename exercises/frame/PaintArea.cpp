#include "exercises/frame/PaintArea.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

using namespace Qt::StringLiterals;

namespace {

// Hands event to handler; false when there is none, so the widget's own handling runs.
template <typename Event> bool Forward(const std::function<void(Event *)> &handler, QEvent *event)
{
    if (!handler)
        return false;
    handler(static_cast<Event *>(event));
    return true;
}

} // namespace

TPaintArea::TPaintArea(QWidget *owner, THandlers handlers) : QWidget(owner), m_handlers(std::move(handlers))
{
    setObjectName(u"Obszar"_s);
    setMouseTracking(true);
}

void TPaintArea::paintEvent(QPaintEvent *)
{
    if (!m_handlers.Paint)
        return;
    QPainter painter(this);
    m_handlers.Paint(painter);
}

const std::function<void(QMouseEvent *)> &TPaintArea::MouseHandler(QEvent::Type type) const
{
    return type == QEvent::MouseButtonPress ? m_handlers.MouseDown
           : type == QEvent::MouseMove      ? m_handlers.MouseMove
                                            : m_handlers.MouseUp;
}

bool TPaintArea::event(QEvent *event)
{
    bool handled = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
        handled = Forward(MouseHandler(event->type()), event);
        break;
    case QEvent::Wheel:
        handled = Forward(m_handlers.Wheel, event);
        break;
    case QEvent::Leave:
        if (m_handlers.Leave)
            m_handlers.Leave();
        break;
    default:
        break;
    }
    return handled || QWidget::event(event);
}
