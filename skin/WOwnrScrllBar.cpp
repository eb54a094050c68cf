#include "skin/WOwnrScrllBar.h"

#include "skin/uSkin.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

TWOwnrScrllBar::TWOwnrScrllBar(QWidget *parent) : QAbstractSlider(parent)
{
    setOrientation(Qt::Vertical);
    setRange(0, 100);
    setSingleStep(1);
    setPageStep(10);
    resize(21, 200);
    setMouseTracking(true);
}

TWOwnrScrllBar::~TWOwnrScrllBar() = default;

void TWOwnrScrllBar::SetKind(TOwnrScrllKind kind)
{
    m_kind = kind;
    setOrientation(kind == osbVertical ? Qt::Vertical : Qt::Horizontal);
    update();
}

void TWOwnrScrllBar::SetDrawStyle(TOwnrDrawStyle style)
{
    m_drawStyle = style;
    update();
}

void TWOwnrScrllBar::SetButtonHeight(int height)
{
    m_buttonHeight = height;
    update();
}

void TWOwnrScrllBar::SetMin(int value)
{
    setMinimum(value);
    update();
}

void TWOwnrScrllBar::SetMax(int value)
{
    setMaximum(value);
    update();
}

bool TWOwnrScrllBar::SetPosition(int position)
{
    if (position < minimum() || position > maximum())
        return false;
    setValue(position);
    return true;
}

int TWOwnrScrllBar::TrackHeight() const
{
    if (!m_autoSizeTrack)
        return m_trackHeight;
    // The thumb takes what the range leaves of the track, so one step is one pixel.
    const int track = Length() - 2 * m_buttonHeight - 1;
    return qMax(m_minTrackSize, track + minimum() - maximum());
}

void TWOwnrScrllBar::SetTrackHeight(int height)
{
    m_trackHeight = height;
    update();
}

void TWOwnrScrllBar::SetAutoSizeTrack(bool on)
{
    m_autoSizeTrack = on;
    update();
}

void TWOwnrScrllBar::SetMinTrackSize(int size)
{
    m_minTrackSize = size;
    update();
}

void TWOwnrScrllBar::SetRynna1H(int length)
{
    m_rynna1 = length;
    update();
}

void TWOwnrScrllBar::SetRynna3H(int length)
{
    m_rynna3 = length;
    update();
}

void TWOwnrScrllBar::SetIMG_UP(const QImage &picture)
{
    m_pictures.Up = picture;
    update();
}
void TWOwnrScrllBar::SetIMG_DOWN(const QImage &picture)
{
    m_pictures.Down = picture;
    update();
}
void TWOwnrScrllBar::SetIMG_SUWAK(const QImage &picture)
{
    m_pictures.Suwak = picture;
    update();
}
void TWOwnrScrllBar::SetIMG_RYNNA1(const QImage &picture)
{
    m_pictures.Rynna1 = picture;
    update();
}
void TWOwnrScrllBar::SetIMG_RYNNA2(const QImage &picture)
{
    m_pictures.Rynna2 = picture;
    update();
}
void TWOwnrScrllBar::SetIMG_RYNNA3(const QImage &picture)
{
    m_pictures.Rynna3 = picture;
    update();
}
void TWOwnrScrllBar::SetIMG_BKG(const QImage &picture)
{
    m_pictures.Bkg = picture;
    update();
}

void TWOwnrScrllBar::SetSkinPictures()
{
    m_pictures.LoadSkin(CurrentSkin().Handle, m_kind == osbVertical);
    m_rynna1 = 6;
    m_rynna3 = 6;
    m_drawStyle = osbOwnerDraw;
    update();
}

int TWOwnrScrllBar::Length() const
{
    return m_kind == osbVertical ? height() : width();
}

int TWOwnrScrllBar::FreeLength() const
{
    return Length() - 2 * m_buttonHeight - TrackHeight() - 1;
}

int TWOwnrScrllBar::ThumbStart() const
{
    const int range = maximum() - minimum();
    const int offset = range > 0 ? qRound(double(FreeLength()) / range * (value() - minimum())) : 0;
    return offset + m_buttonHeight + 1;
}

int TWOwnrScrllBar::Along(const QPoint &pos) const
{
    return m_kind == osbVertical ? pos.y() : pos.x();
}

void TWOwnrScrllBar::paintEvent(QPaintEvent *)
{
    QImage buffer(size(), QImage::Format_ARGB32_Premultiplied);
    buffer.fill(Qt::transparent);
    {
        QPainter painter(&buffer);
        const bool vertical = m_kind == osbVertical;
        const int across = vertical ? width() : height();
        auto span = [&](int a, int b, int inset = 0) {
            return vertical ? QRect(inset, a, across - 2 * inset, b - a)
                            : QRect(a, inset, b - a, across - 2 * inset);
        };
        const int length = Length();
        const int bh = m_buttonHeight;
        const int thumb = ThumbStart();
        const int track = TrackHeight();
        if (m_drawStyle == osbStandard) {
            painter.fillRect(rect(), QColor(236, 240, 244));
            painter.fillRect(span(0, bh), QColor(196, 206, 216));
            painter.fillRect(span(length - bh, length), QColor(196, 206, 216));
            painter.fillRect(span(thumb, thumb + track, 1), QColor(2, 174, 228));
        } else {
            auto fill = [&](const QImage &picture, const QRect &r) {
                if (!picture.isNull() && r.width() > 0 && r.height() > 0)
                    painter.drawImage(r, picture);
            };
            if (!m_pictures.Bkg.isNull())
                painter.drawImage(QPoint(0, 0), m_pictures.Bkg);
            fill(m_pictures.Rynna1, span(bh, bh + m_rynna1));
            fill(m_pictures.Rynna2, span(bh + m_rynna1, length - bh - m_rynna3));
            fill(m_pictures.Rynna3, span(length - bh - m_rynna3, length - bh));
            fill(m_pictures.Up, span(0, bh));
            fill(m_pictures.Down, span(length - bh, length));
            DrawStretchedKeepingEnds(painter, m_pictures.Suwak, span(thumb, thumb + track, 1), orientation(),
                                     5);
        }
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), buffer);
}

void TWOwnrScrllBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractSlider::mousePressEvent(event);
        return;
    }
    const int a = Along(event->position().toPoint());
    const int length = Length();
    const int thumb = ThumbStart();
    m_pressed = false;
    if (a < m_buttonHeight) {
        if (value() != minimum())
            SetPosition(value() - singleStep());
    } else if (a >= length - m_buttonHeight) {
        if (value() != maximum())
            SetPosition(value() + singleStep());
    } else if (a >= thumb && a < thumb + TrackHeight()) {
        m_grab = a - thumb;
        m_pressed = true;
        setSliderDown(true);
    } else if (a < thumb) {
        SetPosition(value() - pageStep());
    } else {
        SetPosition(value() + pageStep());
    }
    event->accept();
}

void TWOwnrScrllBar::mouseMoveEvent(QMouseEvent *event)
{
    const int a = Along(event->position().toPoint());
    // Only a press on the thumb drags it: moving after a press on an arrow or the track must
    // not make the thumb jump to the pointer.
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        const int free = FreeLength();
        if (free > 0) {
            const int position =
                minimum() + qRound(double(a - m_buttonHeight - m_grab) * (maximum() - minimum()) / free);
            // A fast drag past either end still reaches that end.
            const int clamped = qBound(minimum(), position, maximum());
            if (clamped != value())
                SetPosition(clamped);
        }
    }
    UpdateCursor(a);
    event->accept();
}

void TWOwnrScrllBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_pressed)
        setSliderDown(false);
    m_pressed = false;
    event->accept();
}

void TWOwnrScrllBar::UpdateCursor(int along)
{
    const int thumb = ThumbStart();
    const bool hand = along < m_buttonHeight || along >= Length() - m_buttonHeight ||
                      (along >= thumb && along < thumb + TrackHeight());
    setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TWOwnrScrllBar::sliderChange(SliderChange change)
{
    QAbstractSlider::sliderChange(change);
    update();
}
