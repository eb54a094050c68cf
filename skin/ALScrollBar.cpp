#include "skin/ALScrollBar.h"

#include "skin/uSkin.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// Whole-number rounding, halves away from zero as the bar's arithmetic has always done.
int R(double v)
{
    return qRound(v);
}

} // namespace

TALScrollBar::TALScrollBar(QWidget *parent) : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setRange(0, 100);
    setSingleStep(1);
    setPageStep(5);
    resize(21, 200);
    m_repeat.setInterval(50);
    connect(&m_repeat, &QTimer::timeout, this, &TALScrollBar::Repeat);
}

TALScrollBar::~TALScrollBar() = default;

void TALScrollBar::SetButtonWidth(int length)
{
    m_buttonWidth = length;
    update();
}

void TALScrollBar::SetScrollerWidth(int length)
{
    m_scrollerWidth = length;
    update();
}

void TALScrollBar::SetRynna1_Size(int length)
{
    m_rynna1 = length;
    update();
}

void TALScrollBar::SetRynna3_Size(int length)
{
    m_rynna3 = length;
    update();
}

void TALScrollBar::SetIMG_UP(const QImage &picture)
{
    m_pictures.Up = picture;
    update();
}
void TALScrollBar::SetIMG_DOWN(const QImage &picture)
{
    m_pictures.Down = picture;
    update();
}
void TALScrollBar::SetIMG_SUWAK(const QImage &picture)
{
    m_pictures.Suwak = picture;
    update();
}
void TALScrollBar::SetIMG_RYNNA1(const QImage &picture)
{
    m_pictures.Rynna1 = picture;
    update();
}
void TALScrollBar::SetIMG_RYNNA2(const QImage &picture)
{
    m_pictures.Rynna2 = picture;
    update();
}
void TALScrollBar::SetIMG_RYNNA3(const QImage &picture)
{
    m_pictures.Rynna3 = picture;
    update();
}
void TALScrollBar::SetIMG_BKG(const QImage &picture)
{
    m_pictures.Bkg = picture;
    update();
}

void TALScrollBar::SetSkinPictures()
{
    m_pictures.LoadSkin(CurrentSkin().Handle, orientation() == Qt::Vertical);
    m_rynna1 = 6;
    m_rynna3 = 6;
    update();
}

int TALScrollBar::Length() const
{
    return orientation() == Qt::Vertical ? height() : width();
}

int TALScrollBar::Along(const QPoint &pos) const
{
    return orientation() == Qt::Vertical ? pos.y() : pos.x();
}

int TALScrollBar::ThumbStart() const
{
    const int free = Length() - 2 * m_buttonWidth;
    if (free <= m_scrollerWidth)
        return -1;
    const int offset = maximum() < 1 ? 0 : R(double(free - m_scrollerWidth) * value() / maximum());
    return m_buttonWidth + offset;
}

TScrollPart TALScrollBar::PartAt(const QPoint &pos) const
{
    const int a = Along(pos);
    const int length = Length();
    if (a < 0 || a >= length)
        return spNone;
    if (a < m_buttonWidth)
        return spFirstArrow;
    if (a >= length - m_buttonWidth)
        return spSecondArrow;
    const int thumb = ThumbStart();
    if (thumb < 0)
        return spTrackAfter;
    if (a < thumb)
        return spTrackBefore;
    if (a < thumb + m_scrollerWidth)
        return spThumb;
    return spTrackAfter;
}

void TALScrollBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const bool vertical = orientation() == Qt::Vertical;
    const int across = vertical ? width() : height();
    // A rectangle from a to b along the bar (b exclusive), across the whole width.
    auto span = [&](int a, int b) {
        return vertical ? QRect(0, a, across, b - a) : QRect(a, 0, b - a, across);
    };
    auto fill = [&](const QImage &picture, int a, int b) {
        if (!picture.isNull() && b > a)
            painter.drawImage(span(a, b), picture);
    };
    if (!m_pictures.Bkg.isNull())
        painter.drawImage(QPoint(0, 0), m_pictures.Bkg);
    const int length = Length();
    fill(m_pictures.Up, 0, m_buttonWidth);
    fill(m_pictures.Down, length - m_buttonWidth, length);
    const int trackStart = m_buttonWidth;
    const int trackEnd = length - m_buttonWidth;
    const int thumb = ThumbStart();
    const int beforeEnd = thumb < 0 ? trackEnd : thumb;
    const int afterStart = thumb < 0 ? trackEnd : thumb + m_scrollerWidth;
    // Track before the thumb: its start picture, then the middle stretched.
    const int r1 = qMin(trackStart + m_rynna1, beforeEnd);
    fill(m_pictures.Rynna1, trackStart, r1);
    fill(m_pictures.Rynna2, r1, beforeEnd);
    // Track after the thumb: the middle up to the end picture.
    const int r3 = qMax(afterStart, trackEnd - m_rynna3 - 1);
    fill(m_pictures.Rynna2, afterStart, r3);
    fill(m_pictures.Rynna3, r3, trackEnd);
    if (thumb < 0) {
        // Without a thumb the track still ends in its end picture.
        fill(m_pictures.Rynna3, qMax(trackStart, trackEnd - m_rynna3), trackEnd);
    } else {
        DrawStretchedKeepingEnds(painter, m_pictures.Suwak, span(thumb, thumb + m_scrollerWidth),
                                 orientation(), 5);
    }
}

void TALScrollBar::Repeat()
{
    if (m_pressedPart == spNone || PartAt(m_lastPos) != m_pressedPart) {
        return;
    }
    // After the first repeat the timer runs at its 50 ms pace.
    m_repeat.setInterval(50);
    switch (m_pressedPart) {
    case spFirstArrow:
        setValue(value() - singleStep());
        break;
    case spSecondArrow:
        setValue(value() + singleStep());
        break;
    case spTrackBefore:
        setValue(value() - pageStep());
        break;
    case spTrackAfter:
        setValue(value() + pageStep());
        break;
    default:
        break;
    }
}

void TALScrollBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractSlider::mousePressEvent(event);
        return;
    }
    m_lastPos = event->position().toPoint();
    m_pressedPart = PartAt(m_lastPos);
    if (m_pressedPart == spThumb) {
        m_grab = Along(m_lastPos) - ThumbStart();
        setSliderDown(true);
    } else if (m_pressedPart != spNone) {
        // A click moves at once; holding the button then repeats, first after a pause so
        // that a single click is a single step.
        Repeat();
        m_repeat.start(300);
    }
    event->accept();
}

void TALScrollBar::mouseMoveEvent(QMouseEvent *event)
{
    m_lastPos = event->position().toPoint();
    if (m_pressedPart == spThumb) {
        const int range = Length() - 2 * m_buttonWidth - m_scrollerWidth;
        if (range > 0)
            setValue(R(double(maximum()) * (Along(m_lastPos) - m_buttonWidth - m_grab) / range));
    }
    event->accept();
}

void TALScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_repeat.stop();
    if (m_pressedPart == spThumb)
        setSliderDown(false);
    m_pressedPart = spNone;
    event->accept();
}

void TALScrollBar::sliderChange(SliderChange change)
{
    QAbstractSlider::sliderChange(change);
    update();
}
