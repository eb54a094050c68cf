#include "exercises/shared/Klocek.h"

#include "exercises/shared/ExerciseRules.h"

#include <QEasingCurve>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QVariantAnimation>

#include <algorithm>

namespace {

int &flightMs()
{
    static int ms = 140;
    return ms;
}

} // namespace

TKlocek::TKlocek(QWidget *form) : QWidget(form)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
}

TKlocek::~TKlocek() = default;

void TKlocek::SetFace(const TFace &face)
{
    m_face = face;
    Invalidate();
}

void TKlocek::SetCaption(const QString &caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    Invalidate();
}

int TKlocek::CaptionWidth() const
{
    return QFontMetrics(m_face.Font, this).horizontalAdvance(m_caption);
}

void TKlocek::MoveTo(QPoint topLeft)
{
    if (m_flight)
        m_flight->stop();
    move(topLeft);
}

void TKlocek::GoHome()
{
    FlyTo(m_home);
}

void TKlocek::FlyTo(QPoint topLeft)
{
    if (m_flight)
        m_flight->stop();
    if (flightMs() <= 0 || topLeft == pos()) {
        move(topLeft);
        return;
    }
    if (!m_flight) {
        m_flight = new QVariantAnimation(this);
        m_flight->setEasingCurve(QEasingCurve::OutCubic);
        connect(m_flight, &QVariantAnimation::valueChanged, this,
                [this](const QVariant &value) { move(value.toPoint()); });
    }
    m_flight->setDuration(flightMs());
    m_flight->setStartValue(pos());
    m_flight->setEndValue(topLeft);
    m_flight->start();
}

bool TKlocek::IsFlying() const
{
    return m_flight && m_flight->state() == QAbstractAnimation::Running;
}

void TKlocek::FinishFlight()
{
    if (!IsFlying())
        return;
    const QPoint end = m_flight->endValue().toPoint();
    m_flight->stop();
    move(end);
}

void TKlocek::SetFlightDuration(int ms)
{
    flightMs() = std::max(0, ms);
}

int TKlocek::FlightDuration()
{
    return flightMs();
}

void TKlocek::SetFrozen(bool frozen)
{
    m_frozen = frozen;
    if (frozen && m_dragging) {
        m_dragging = false;
        if (m_grabbedMouse)
            releaseMouse();
        m_grabbedMouse = false;
    }
    UpdateCursor();
}

void TKlocek::BeginDrag(QPoint grab)
{
    StartDrag(grab, true);
}

void TKlocek::StartDrag(QPoint grab, bool grabMouseNow)
{
    if (m_frozen)
        return;
    if (m_flight)
        m_flight->stop();
    m_dragging = true;
    m_grab = grab;
    m_dragStart = pos();
    show();
    raise();
    if (grabMouseNow) {
        // The press went to another control: the moves and the release must come here.
        grabMouse();
        m_grabbedMouse = true;
    }
    UpdateCursor();
    emit DragStarted(this);
}

void TKlocek::SetMark(const QPixmap &mark, QPoint at)
{
    m_mark = mark;
    m_markAt = at;
    update();
}

void TKlocek::SetHint(const QString &hint)
{
    setToolTip(hint);
    UpdateCursor();
}

QString TKlocek::WordAt(QPoint point) const
{
    if (point.y() < 0 || point.y() >= height())
        return {};
    const QFontMetrics metrics(m_face.Font, this);
    return Exercises::CaptionWordAt(
        m_caption, CaptionLeft(), [&metrics](const QString &text) { return metrics.horizontalAdvance(text); },
        point.x());
}

void TKlocek::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, Picture());
    if (!m_mark.isNull())
        painter.drawPixmap(m_markAt, m_mark);
}

void TKlocek::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Invalidate();
}

void TKlocek::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        const QString word = WordAt(at);
        if (!word.isEmpty())
            emit WordRequested(word);
        return;
    }
    if (event->button() != Qt::LeftButton || m_frozen || m_dragging)
        return;
    StartDrag(at, false); // the press itself holds the pointer for this tile
}

void TKlocek::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging)
        Follow(mapToParent(event->position().toPoint()));
}

void TKlocek::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && m_dragging)
        Release(mapToParent(event->position().toPoint()));
}

void TKlocek::Follow(QPoint formPoint)
{
    QPoint target = formPoint - m_grab;
    if (const QWidget *form = parentWidget()) {
        target.setX(std::clamp(target.x(), 0, std::max(0, form->width() - width())));
        target.setY(std::clamp(target.y(), 0, std::max(0, form->height() - height())));
    }
    move(target);
}

void TKlocek::Release(QPoint formPoint)
{
    Follow(formPoint);
    m_dragging = false;
    if (m_grabbedMouse)
        releaseMouse();
    m_grabbedMouse = false;
    UpdateCursor();

    const TDrop drop = m_onDrop ? m_onDrop(*this, formPoint) : TDrop::ToHome();
    switch (drop.What) {
    case TDrop::Kind::Home:
        GoHome();
        break;
    case TDrop::Kind::Back:
        FlyTo(m_dragStart);
        break;
    case TDrop::Kind::Place:
        MoveTo(drop.At);
        break;
    case TDrop::Kind::Swap:
        if (TKlocek *other = drop.Other.data(); other && other != this) {
            const QPoint mine = m_home;
            const QPoint theirs = other->Home();
            other->SetHome(mine);
            other->FlyTo(mine);
            SetHome(theirs);
            FlyTo(theirs);
        } else {
            GoHome();
        }
        break;
    case TDrop::Kind::Hide:
        hide();
        break;
    case TDrop::Kind::Stay:
        break;
    }
    emit Dropped(this, drop);
}

void TKlocek::UpdateCursor()
{
    if (m_dragging)
        setCursor(m_dragCursor);
    else if (m_frozen)
        setCursor(toolTip().isEmpty() ? Qt::ArrowCursor : Qt::PointingHandCursor);
    else
        setCursor(Qt::PointingHandCursor);
}

void TKlocek::Invalidate()
{
    m_picture = QPixmap();
    update();
}

int TKlocek::CaptionLeft() const
{
    return width() / 2 - CaptionWidth() / 2;
}

const QPixmap &TKlocek::Picture()
{
    if (!m_picture.isNull() || width() <= 0 || height() <= 0)
        return m_picture;
    const qreal ratio = devicePixelRatioF();
    m_picture = QPixmap(size() * ratio);
    m_picture.setDevicePixelRatio(ratio);
    m_picture.fill(Qt::transparent);

    QPainter p(&m_picture);
    const int w = width();
    const int h = height();
    const int left = m_face.Left.isNull() ? 0 : m_face.Left.width();
    const int right = m_face.Right.isNull() ? 0 : m_face.Right.width();
    if (!m_face.Left.isNull())
        p.drawPixmap(0, 0, m_face.Left);
    if (!m_face.Middle.isNull())
        p.drawPixmap(QRect(left, 0, std::max(0, w - left - right), h), m_face.Middle);
    if (!m_face.Right.isNull())
        p.drawPixmap(w - right, 0, m_face.Right);
    if (m_face.Border.isValid()) {
        p.setPen(m_face.Border);
        p.setBrush(Qt::NoBrush);
        p.drawRect(0, 0, w - 1, h - 1);
    }

    p.setFont(m_face.Font);
    p.setPen(m_face.Colour);
    const QFontMetrics metrics(m_face.Font, this);
    const int top = m_face.CaptionTop >= 0 ? m_face.CaptionTop : (h - metrics.height()) / 2;
    p.drawText(CaptionLeft(), top + metrics.ascent(), m_caption);
    return m_picture;
}
