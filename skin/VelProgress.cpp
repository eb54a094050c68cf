#include "skin/VelProgress.h"

#include <QPainter>

using namespace Qt::StringLiterals;

TVelProgress::TVelProgress(QWidget *parent) : QWidget(parent), m_tekst(u"Twój wynik:"_s)
{
    setFixedSize(259, 90);
}

TVelProgress::~TVelProgress() = default;

void TVelProgress::SetTekst(const QString &text)
{
    m_tekst = text;
    update();
}

void TVelProgress::SetWynik(int result)
{
    if (result < 0 || result > 100)
        return;
    m_wynik = result;
    update();
}

void TVelProgress::SetSkin(SkinHandle skin)
{
    m_skin = skin;
    update();
}

QString TVelProgress::GaugePictureName(int result)
{
    if (result >= 100)
        return u"WYKRES_100"_s;
    const int step = qMax(0, result) / 5 * 5;
    return u"WYKRES_"_s + QStringLiteral("%1").arg(step, 2, 10, QLatin1Char('0'));
}

QColor TVelProgress::ResultColor(int result)
{
    // Green says "well done": a poor result is not shown in it.
    if (result < 50)
        return {200, 36, 30};
    if (result < 75)
        return {214, 128, 0};
    return {0, 154, 43};
}

void TVelProgress::paintEvent(QPaintEvent *)
{
    QImage composed = SkinPictureOrNull(m_skin, u"WYKRES_BG"_s);
    if (composed.isNull()) {
        composed = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        composed.fill(Qt::transparent);
    } else {
        composed = composed.copy(); // the cached picture stays as decoded
    }
    {
        QPainter painter(&composed);
        QFont font(u"Trebuchet MS"_s);
        font.setPointSize(12);
        painter.setFont(font);
        painter.setPen(QColor(6, 54, 99));
        DrawAntiAliasedText(painter, 17, 23, m_tekst);
        const QImage gauge = SkinPictureOrNull(m_skin, GaugePictureName(m_wynik));
        if (!gauge.isNull())
            painter.drawImage(QPoint(113, 2), gauge);
        font.setPointSize(18);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(ResultColor(m_wynik));
        DrawAntiAliasedText(painter, 185, 17, QString::number(m_wynik) + u'%');
    }
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), composed);
}
