#include "skin/VelBelka.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

TVelBelka::TVelBelka(QWidget *parent) : QWidget(parent), m_tekst(u"Jesteś zalogowany jako:"_s)
{
    setFixedHeight(50);
    if (parent) {
        setGeometry(0, 0, parent->width(), 50);
        parent->installEventFilter(this);
    } else {
        resize(1024, 50);
    }
}

TVelBelka::~TVelBelka() = default;

void TVelBelka::SetTekstBelki(const QString &text)
{
    m_tekst = text;
    update();
}

void TVelBelka::SetZalogowany(const QString &name)
{
    m_zalogowany = name;
    update();
}

void TVelBelka::SetPlec(QChar gender)
{
    m_plec = gender;
    update();
}

void TVelBelka::SetLudzikIndex(int figure)
{
    m_ludzikIndex = figure;
    update();
}

void TVelBelka::SetPokazZalogowanie(bool show)
{
    m_pokaz = show;
    update();
}

void TVelBelka::SetBodyStyle(int style)
{
    m_bodyStyle = style;
    update();
}

void TVelBelka::SetSkin(SkinHandle skin)
{
    m_skin = skin;
    update();
}

QString TVelBelka::FigurePictureName() const
{
    return u"BELKA_LUDZIK_"_s + m_plec + u'_' + QString::number(m_ludzikIndex);
}

bool TVelBelka::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(0, 0, parentWidget()->width(), 50);
    return QWidget::eventFilter(watched, event);
}

void TVelBelka::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font(u"Tahoma"_s);
    font.setPointSize(8);
    painter.setFont(font);
    const QString bodyName =
        m_bodyStyle > 0 ? u"BELKA_BODY_STYLE_"_s + QString::number(m_bodyStyle) : u"BELKA_BODY"_s;
    const QImage body = SkinPictureOrNull(m_skin, bodyName);
    if (!body.isNull())
        painter.drawImage(rect(), body);
    if (!m_pokaz)
        return;
    int w = 0;
    const QImage body2 = SkinPictureOrNull(m_skin, u"BELKA_BODY2"_s);
    if (!body2.isNull()) {
        for (int i = 0; i < 55; ++i)
            painter.drawImage(QPoint(i * 4, 0), body2);
        w = body2.width();
    }
    const QImage fala = SkinPictureOrNull(m_skin, u"BELKA_FALA"_s);
    if (!fala.isNull()) {
        painter.drawImage(QPoint(216, 0), fala);
        w = fala.width();
    }
    if (!m_plec.isNull() && !m_plec.isSpace()) {
        const QImage figure = SkinPictureOrNull(m_skin, FigurePictureName());
        if (!figure.isNull()) {
            painter.drawImage(QPoint(15, 5), figure);
            w = figure.width();
        }
    }
    painter.setPen(QColor(157, 157, 157));
    DrawAntiAliasedText(painter, w + 35, 8, m_tekst);
    font.setPointSize(12);
    painter.setFont(font);
    painter.setPen(QColor(184, 184, 184));
    DrawAntiAliasedText(painter, w + 35, 20, m_zalogowany);
}
