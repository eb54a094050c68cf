#include "skin/VelCheckBox.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QPainter>

using namespace Qt::StringLiterals;

TVelCheckBox::TVelCheckBox(QWidget *parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setAutoExclusive(false);
    setText(u"VelCheckBox"_s);
    QAbstractButton::setChecked(true);
    resize(97, 25);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

TVelCheckBox::~TVelCheckBox() = default;

void TVelCheckBox::FitWidth(const QImage &picture)
{
    const int w = QFontMetrics(font()).horizontalAdvance(text()) + picture.width() + m_spacing + m_korekta;
    resize(w, height());
}

void TVelCheckBox::SetCaption(const QString &caption)
{
    setText(caption);
    FitWidth(m_gfxChecked);
    update();
}

void TVelCheckBox::SetChecked(bool checked)
{
    QAbstractButton::setChecked(checked);
    FitWidth(checked ? m_gfxChecked : m_gfxUnChecked);
    update();
}

void TVelCheckBox::SetGfxChecked(const QImage &picture)
{
    m_gfxChecked = picture;
    resize(width(), picture.height());
    update();
}

void TVelCheckBox::SetGfxUnChecked(const QImage &picture)
{
    m_gfxUnChecked = picture;
    resize(width(), picture.height());
    update();
}

void TVelCheckBox::SetGfxHotChecked(const QImage &picture)
{
    m_gfxHotChecked = picture;
    resize(width(), picture.height());
    update();
}

void TVelCheckBox::SetGfxHotUnChecked(const QImage &picture)
{
    m_gfxHotUnChecked = picture;
    resize(width(), picture.height());
    update();
}

void TVelCheckBox::SetSkinPictures(TCheckBoxLook look)
{
    const QString base = look == cbSquare ? u"CHECK_"_s : look == cbRound ? u"RADIO_"_s : u"TICK_"_s;
    const SkinHandle skin = CurrentSkin().Handle;
    SetGfxChecked(SkinPictureOrNull(skin, base + u"ON"_s));
    SetGfxUnChecked(SkinPictureOrNull(skin, base + u"OFF"_s));
    SetGfxHotChecked(SkinPictureOrNull(skin, base + u"HOT_ON"_s));
    SetGfxHotUnChecked(SkinPictureOrNull(skin, base + u"HOT_OFF"_s));
    FitWidth(isChecked() ? m_gfxChecked : m_gfxUnChecked);
}

void TVelCheckBox::SetSpacing(int spacing)
{
    m_spacing = spacing;
    update();
}

void TVelCheckBox::SetKorekta(int value)
{
    m_korekta = value;
    update();
}

void TVelCheckBox::SetKorektaY(int value)
{
    m_korektaY = value;
    update();
}

void TVelCheckBox::SetFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

QImage TVelCheckBox::CurrentPicture() const
{
    if (m_hot)
        return isChecked() ? m_gfxHotChecked : m_gfxHotUnChecked;
    return isChecked() ? m_gfxChecked : m_gfxUnChecked;
}

QSize TVelCheckBox::sizeHint() const
{
    return size();
}

void TVelCheckBox::nextCheckState()
{
    if (!m_radioStyle) {
        SetChecked(!isChecked());
        return;
    }
    if (isChecked())
        return;
    if (QWidget *owner = parentWidget()) {
        const auto boxes = owner->findChildren<TVelCheckBox *>(Qt::FindDirectChildrenOnly);
        for (TVelCheckBox *box : boxes)
            if (box != this && box->m_radioStyle && box->m_radioGroup == m_radioGroup && box->isChecked())
                box->SetChecked(false);
    }
    SetChecked(true);
}

void TVelCheckBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QImage picture = CurrentPicture();
    if (!picture.isNull())
        painter.drawImage(QPoint(0, 0), picture);
    painter.setFont(font());
    painter.setPen(isEnabled() ? m_fontColor : QColor(192, 192, 192));
    const int h = SkinTextLine(font()).Height; // the height of "XX"
    const int x = picture.width() + m_spacing;
    const int y = height() / 2 + m_korektaY - h / 2;
    DrawAntiAliasedText(painter, x, y, text());
    // Keyboard focus (where a dialog lets the Tab key reach the box): a dotted frame round the caption.
    if (hasFocus()) {
        const int w = QFontMetrics(font()).horizontalAdvance(text().trimmed());
        painter.setPen(QPen(m_fontColor, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRect(x - 2, qMax(0, y - 1), w + 4, qMin(height() - 1, h + 2)));
    }
}

void TVelCheckBox::focusInEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusInEvent(event);
}

void TVelCheckBox::focusOutEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusOutEvent(event);
}

void TVelCheckBox::hideEvent(QHideEvent *event)
{
    m_hot = false;
    QAbstractButton::hideEvent(event);
}

void TVelCheckBox::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TVelCheckBox::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}
