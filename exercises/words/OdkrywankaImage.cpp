#include "exercises/words/OdkrywankaImage.h"

#include "skin/uSkin.h"

#include <QEnterEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

constexpr QSize ButtonSize(962, 31);
constexpr QSize StripSize(900, 70);

QFont ButtonFont()
{
    QFont font(u"Verdana"_s);
    font.setPixelSize(16);
    return font;
}

QImage ButtonPicture(const QColor &top, const QColor &bottom, const QColor &edge)
{
    QImage picture(ButtonSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient fill(0, 0, 0, ButtonSize.height());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setBrush(fill);
    p.setPen(QPen(edge, 1));
    p.drawRoundedRect(QRectF(0.5, 0.5, ButtonSize.width() - 1, ButtonSize.height() - 1), 7, 7);
    // A light line under the top edge gives the face its relief.
    p.setPen(QPen(QColor(255, 255, 255, 170), 1));
    p.drawLine(QPointF(8, 2.5), QPointF(ButtonSize.width() - 8, 2.5));
    return picture;
}

} // namespace

TOdkrywankaImage::TOdkrywankaImage(int index, int place, const QString &word, QWidget *parent)
    : QAbstractButton(parent), m_index(index), m_place(place), m_word(word), m_rest(Face(word, false)),
      m_hover(Face(word, true))
{
    setObjectName(u"def_%1"_s.arg(index));
    setFont(ButtonFont());
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(word);
    resize(m_rest.size());
}

TOdkrywankaImage::~TOdkrywankaImage() = default;

QImage TOdkrywankaImage::Picture() const
{
    if (m_uncovered)
        return m_strip;
    return m_hot ? m_hover : m_rest;
}

void TOdkrywankaImage::Uncover(const QImage &strip)
{
    m_uncovered = true;
    m_hot = false;
    m_strip = strip;
    setCursor(Qt::ArrowCursor);
    setAccessibleName(m_word);
    resize(strip.size());
    update();
}

QImage TOdkrywankaImage::PanelUp()
{
    return ButtonPicture(QColor(255, 255, 255), QColor(222, 236, 247), QColor(160, 192, 220));
}

QImage TOdkrywankaImage::PanelHover()
{
    return ButtonPicture(QColor(255, 251, 232), QColor(255, 229, 160), QColor(222, 176, 70));
}

QImage TOdkrywankaImage::PanelFull()
{
    QImage picture(StripSize, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    // A light panel under the texts, fading into the picture on its right.
    QLinearGradient panel(0, 0, 360, 0);
    panel.setColorAt(0, QColor(255, 255, 255, 236));
    panel.setColorAt(0.8, QColor(255, 255, 255, 210));
    panel.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(0, 0, 360, StripSize.height()), panel);
    // The rule between the word and its definition.
    p.setPen(QPen(QColor(6, 54, 99, 90), 1));
    p.drawLine(QPointF(104.5, 8), QPointF(104.5, StripSize.height() - 8));
    // The frame, with a darker lower edge so the strips read as a stack.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(6, 54, 99, 150), 1));
    p.drawRect(QRectF(0.5, 0.5, StripSize.width() - 1, StripSize.height() - 1));
    p.setPen(QPen(QColor(6, 54, 99, 60), 1));
    p.drawLine(QPointF(1, StripSize.height() - 2.5),
               QPointF(StripSize.width() - 1, StripSize.height() - 2.5));
    return picture;
}

QImage TOdkrywankaImage::Face(const QString &word, bool hot)
{
    QImage face = hot ? PanelHover() : PanelUp();
    QPainter p(&face);
    p.setFont(ButtonFont());
    p.setPen(hot ? QColor(52, 52, 52) : QColor(203, 0, 0));
    const int width = p.fontMetrics().horizontalAdvance(word);
    DrawAntiAliasedText(p, (face.width() - width) / 2, 8, word);
    return face;
}

QImage TOdkrywankaImage::UncoveredStrip(const QImage &hiddenPicture, int place, const QString &word,
                                        const QString &definition)
{
    const QImage frame = PanelFull();
    QImage strip(frame.size(), QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::white);
    QPainter p(&strip);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (!hiddenPicture.isNull()) {
        const QImage part =
            hiddenPicture.copy(0, StripSize.height() * place, hiddenPicture.width(), StripSize.height());
        p.drawImage(strip.width() - part.width(), 0, part);
    }
    p.drawImage(0, 0, frame);

    QFont font(u"Trebuchet MS"_s);
    font.setPointSize(10);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(253, 0, 0));
    p.drawText(QRect(QPoint(2, 6), QPoint(99, 63)), Qt::AlignRight | Qt::AlignTop | Qt::TextWordWrap, word);
    font.setBold(false);
    p.setFont(font);
    p.setPen(QColor(19, 19, 19));
    p.drawText(QRect(QPoint(108, 6), QPoint(302, 63)), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               definition);
    return strip;
}

void TOdkrywankaImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, Picture());
}

void TOdkrywankaImage::enterEvent(QEnterEvent *event)
{
    QAbstractButton::enterEvent(event);
    if (!m_uncovered) {
        m_hot = true;
        update();
    }
}

void TOdkrywankaImage::leaveEvent(QEvent *event)
{
    QAbstractButton::leaveEvent(event);
    if (m_uncovered) {
        emit PointerLeft();
        return;
    }
    m_hot = false;
    update();
}

void TOdkrywankaImage::mousePressEvent(QMouseEvent *event)
{
    if (!m_uncovered) {
        QAbstractButton::mousePressEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        emit LeftPressed(at);
    else if (event->button() == Qt::RightButton)
        emit RightPressed(at);
    event->accept();
}

void TOdkrywankaImage::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_uncovered) {
        QAbstractButton::mouseMoveEvent(event);
        return;
    }
    const QPoint at = event->position().toPoint();
    setCursor(DefinitionCursorArea.contains(at) ? Qt::PointingHandCursor : Qt::ArrowCursor);
    emit PointerMoved(at);
}

bool TOdkrywankaImage::hitButton(const QPoint &pos) const
{
    // An uncovered strip is no longer a button: its presses go to the signals above.
    return !m_uncovered && QAbstractButton::hitButton(pos);
}
