#include "skin/VelResButton.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

int BorderWidth(TRozmiar size)
{
    switch (size) {
    case roz22:
    case roz32:
    case rozBelka:
        return 4;
    case roz50:
        return 8;
    default:
        return 0;
    }
}

} // namespace

// A piece whose picture has the button's height and the border's width is drawn exactly at
// its place. Other heights are fitted by keeping the top and bottom rows (the rounded corners
// and border lines) and stretching only the rows between, so one picture set serves 22-, 32-
// and 50-pixel buttons; a cap wider than the border gives its outer columns.
void DrawButtonPiece(QPainter &painter, const TVelResButton::Piece &piece, const QImage &picture)
{
    const QRect &t = piece.Target;
    if (t.isEmpty())
        return;
    QRect source = picture.rect();
    if (piece.Kind == TVelResButton::Piece::LeftCap && picture.width() > t.width())
        source.setWidth(t.width());
    else if (piece.Kind == TVelResButton::Piece::RightCap && picture.width() > t.width())
        source.setLeft(picture.width() - t.width());
    if (source.height() == t.height() || piece.Kind == TVelResButton::Piece::Whole) {
        painter.drawImage(QRect(t.topLeft(), QSize(t.width(), source.height())), picture, source);
        return;
    }
    const int edge = qMin(qMin(6, source.height() / 2), t.height() / 2);
    const int sx = source.x(), sw = source.width();
    painter.drawImage(QRect(t.x(), t.y(), t.width(), edge), picture, QRect(sx, 0, sw, edge));
    painter.drawImage(QRect(t.x(), t.bottom() - edge + 1, t.width(), edge), picture,
                      QRect(sx, source.height() - edge, sw, edge));
    painter.drawImage(QRect(t.x(), t.y() + edge, t.width(), t.height() - 2 * edge), picture,
                      QRect(sx, edge, sw, source.height() - 2 * edge));
}

TVelResButton::TVelResButton(QWidget *parent) : QAbstractButton(parent)
{
    setText(u"VelResButton"_s);
    resize(120, 22);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover, false);
}

TVelResButton::~TVelResButton() = default;

void TVelResButton::SetCaption(const QString &caption)
{
    setText(caption);
    update();
}

void TVelResButton::SetShowCaption(bool show)
{
    m_showCaption = show;
    update();
}

void TVelResButton::SetGlyph(const QImage &picture)
{
    m_glyph = picture;
    ApplyAutoSize();
    update();
}

void TVelResButton::SetGlyphHot(const QImage &picture)
{
    m_glyphHot = picture;
    update();
}

void TVelResButton::SetGlyphDown(const QImage &picture)
{
    m_glyphDown = picture;
    update();
}

void TVelResButton::SetGlyphDisabled(const QImage &picture)
{
    m_glyphDisabled = picture;
    update();
}

void TVelResButton::SetRozmiar(TRozmiar size)
{
    m_rozmiar = size;
    switch (size) {
    case roz22:
        resize(width(), 22);
        break;
    case roz32:
        resize(width(), 32);
        break;
    case roz50:
        resize(width(), 50);
        break;
    case rozBelka:
        m_skladowe = el3;
        resize(width(), 48);
        break;
    case rozTabka_Rozum:
        resize(59, 42);
        break;
    case rozUndefined:
        break;
    }
    ApplyAutoSize();
    update();
}

void TVelResButton::SetSkladowe(TSkladowe pieces)
{
    m_skladowe = pieces;
    update();
}

void TVelResButton::SetGrafikaIndex(int set)
{
    m_grafikaIndex = set;
    update();
}

void TVelResButton::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    update();
}

void TVelResButton::SetSpacing(int spacing)
{
    m_spacing = spacing;
    update();
}

void TVelResButton::SetKorekta(int value)
{
    m_korekta = value;
    update();
}

void TVelResButton::SetKorektaCaption(int value)
{
    m_korektaCaption = value;
    update();
}

void TVelResButton::SetKorektaCaptionY(int value)
{
    m_korektaCaptionY = value;
    update();
}

void TVelResButton::SetDown(bool down)
{
    m_down = down;
    update();
}

void TVelResButton::SetFlat(bool flat)
{
    m_flat = flat;
    update();
}

void TVelResButton::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    ApplyAutoSize();
}

void TVelResButton::SetFontColor(const QColor &color)
{
    m_fontColor = color;
    update();
}

void TVelResButton::SetSkin(SkinHandle skin)
{
    m_skin = skin;
    update();
}

void TVelResButton::ApplyAutoSize()
{
    if (m_autoSize && m_rozmiar == rozUndefined && !m_glyph.isNull())
        resize(m_glyph.size());
}

void TVelResButton::Press()
{
    if (isEnabled())
        click();
}

QSize TVelResButton::sizeHint() const
{
    return size();
}

TVelResButton::PaintPlan TVelResButton::Plan() const
{
    PaintPlan plan;
    QImage glyph;
    if (isEnabled()) {
        if (m_state == 0) {
            plan.Suffix = u"_N"_s;
            glyph = m_glyph;
        } else if (m_state == 1 && !m_down) {
            plan.Suffix = u"_H"_s;
            glyph = m_glyphHot;
        } else if (m_state == 2) {
            plan.Suffix = u"_P"_s;
            glyph = m_glyphDown;
        }
        if (m_down)
            plan.Suffix = u"_P"_s;
    } else {
        plan.Suffix = u"_D"_s;
        glyph = m_glyphDisabled;
    }
    if (glyph.isNull())
        glyph = m_glyph;
    plan.Glyph = glyph;

    const int W = width();
    const int H = height();
    const int b = BorderWidth(m_rozmiar);
    const QString &S = plan.Suffix;
    if (m_skin) {
        switch (m_rozmiar) {
        case roz22:
        case roz32:
        case roz50:
            if (!(m_flat && (S == u"_N"_s || S == u"_D"_s))) {
                const QString tail = S + u"_3_"_s + QString::number(m_grafikaIndex);
                plan.Pieces.append({u"G01"_s + tail, QRect(0, 0, b, H), false, Piece::LeftCap});
                plan.Pieces.append({u"G02"_s + tail, QRect(b, 0, W - 2 * b, H), true, Piece::Middle});
                plan.Pieces.append({u"G03"_s + tail, QRect(W - b, 0, b, H), false, Piece::RightCap});
            }
            break;
        case rozBelka:
            if (S != u"_N"_s) {
                plan.Pieces.append({u"BB01"_s + S, QRect(0, 0, b, H), false, Piece::LeftCap});
                plan.Pieces.append({u"BB02"_s + S, QRect(b, 0, W - 2 * b, H), true, Piece::Middle});
                plan.Pieces.append({u"BB03"_s + S, QRect(W - b, 0, b, H), false, Piece::RightCap});
            }
            break;
        case rozTabka_Rozum:
            plan.Pieces.append({u"TAB_ROZUM"_s + S, QRect(0, 0, 59, 42), false, Piece::Whole});
            break;
        case rozUndefined:
            break;
        }
    }

    const QFontMetrics metrics(font());
    const int h = SkinTextLine(font()).Height; // the height of "XX"
    const int top = H / 2 - h / 2;
    const int c = metrics.horizontalAdvance(text());
    const int g = glyph.width() + 4;
    int x = 0;
    switch (m_alignment) {
    case taLeftJustify:
        x = g + m_spacing;
        break;
    case taRightJustify:
        // The caption ends where the glyph's room begins; measured from the left edge, as
        // "Spacing + W - g - c" would be, it ran 2 x Spacing into the glyph.
        x = W - m_spacing - g - c - m_korekta;
        break;
    case taCenter:
        x = W / 2 + g / 2 - (c + m_korekta) / 2;
        break;
    }
    if (!glyph.isNull()) {
        const int gy = (H - glyph.height()) / 2;
        const bool withCaption = m_showCaption && !text().isEmpty();
        if (m_alignment == taRightJustify)
            plan.GlyphPos = QPoint(W - m_spacing - g, gy);
        else if (m_alignment == taCenter && !withCaption)
            plan.GlyphPos = QPoint((W - glyph.width()) / 2, gy);
        else
            plan.GlyphPos = QPoint(x - g, gy);
    }
    plan.CaptionPos = QPoint(x + m_korektaCaption, top + m_korektaCaptionY);
    plan.CaptionColor = isEnabled() ? m_fontColor : QColor(192, 192, 192);
    plan.DrawCaption = m_showCaption && !text().isEmpty();
    return plan;
}

void TVelResButton::paintEvent(QPaintEvent *)
{
    const PaintPlan plan = Plan();
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    for (const Piece &piece : plan.Pieces) {
        const QImage picture = SkinPictureOrNull(m_skin, piece.Name);
        if (picture.isNull())
            continue;
        DrawButtonPiece(painter, piece, picture);
    }
    if (!plan.Glyph.isNull())
        painter.drawImage(plan.GlyphPos, plan.Glyph);
    if (plan.DrawCaption) {
        painter.setFont(font());
        painter.setPen(plan.CaptionColor);
        DrawAntiAliasedText(painter, plan.CaptionPos.x(), plan.CaptionPos.y(), text());
    }
    // Keyboard focus (only buttons a dialog lets the Tab key reach take it): a dotted frame.
    if (hasFocus()) {
        painter.setPen(QPen(plan.CaptionColor, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

void TVelResButton::hideEvent(QHideEvent *event)
{
    // A screen shown again must not find its button still lit from the last visit.
    m_state = 0;
    m_inside = false;
    QAbstractButton::hideEvent(event);
}

void TVelResButton::focusInEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusInEvent(event);
}

void TVelResButton::focusOutEvent(QFocusEvent *event)
{
    update();
    QAbstractButton::focusOutEvent(event);
}

void TVelResButton::enterEvent(QEnterEvent *event)
{
    if (isEnabled()) {
        m_state = 1;
        m_inside = true;
        update();
    }
    QAbstractButton::enterEvent(event);
}

void TVelResButton::leaveEvent(QEvent *event)
{
    if (isEnabled()) {
        m_state = 0;
        m_inside = false;
        update();
    }
    QAbstractButton::leaveEvent(event);
}

void TVelResButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_state = 2;
        update();
    }
    QAbstractButton::mousePressEvent(event);
}

void TVelResButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        m_inside = rect().contains(event->position().toPoint());
        m_state = m_inside ? 1 : 0;
        update();
    }
    QAbstractButton::mouseReleaseEvent(event);
}

void TVelResButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange) {
        if (!isEnabled()) {
            m_state = 0;
            m_inside = false;
        }
        update();
    }
    QAbstractButton::changeEvent(event);
}

bool TVelResButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}
