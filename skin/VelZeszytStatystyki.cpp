#include "skin/VelZeszytStatystyki.h"

#include <QPainter>

using namespace Qt::StringLiterals;

TVelZeszytStatystyki::TVelZeszytStatystyki(QWidget *parent)
    : QWidget(parent), m_textPoprawnie(u"poprawnie"_s), m_textBlednie(u"błędnie"_s),
      m_textOgolnie(u"ogólnie"_s), m_textStatystyka(u" STATYSTYKA"_s)
{
    resize(155, 200);
}

TVelZeszytStatystyki::~TVelZeszytStatystyki() = default;

void TVelZeszytStatystyki::SetPoprawnie(unsigned value)
{
    m_poprawnie = value;
    update();
}

void TVelZeszytStatystyki::SetBlednie(unsigned value)
{
    m_blednie = value;
    update();
}

void TVelZeszytStatystyki::SetXFactor(unsigned value)
{
    m_xfactor = value;
    update();
}

void TVelZeszytStatystyki::SetPowtorki(int value)
{
    m_powtorki = value;
    update();
}

void TVelZeszytStatystyki::SetOstataniaPowtorka(const QByteArray &date)
{
    m_ostatnia = date;
    update();
}

void TVelZeszytStatystyki::SetShowPowtorki(bool show)
{
    m_showPowtorki = show;
    update();
}

void TVelZeszytStatystyki::SetTextPoprawnie(const QString &text)
{
    m_textPoprawnie = text;
    update();
}

void TVelZeszytStatystyki::SetTextBlednie(const QString &text)
{
    m_textBlednie = text;
    update();
}

void TVelZeszytStatystyki::SetTextOgolnie(const QString &text)
{
    m_textOgolnie = text;
    update();
}

void TVelZeszytStatystyki::SetTextStatystyka(const QString &text)
{
    m_textStatystyka = text;
    update();
}

void TVelZeszytStatystyki::SetSkin(SkinHandle skin)
{
    m_skin = skin;
    update();
}

int TVelZeszytStatystyki::NumberX(unsigned value)
{
    if (value < 10)
        return 34;
    if (value < 100)
        return 25;
    if (value <= 1000)
        return 14;
    return -1;
}

void TVelZeszytStatystyki::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QFont font(u"Tahoma"_s);
    font.setPointSize(7);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(QColor(78, 85, 0));
    DrawAntiAliasedText(painter, 18, 5, m_textStatystyka);
    font.setPointSize(9);
    painter.setFont(font);
    DrawAntiAliasedText(painter, 77, 34, m_textPoprawnie);
    DrawAntiAliasedText(painter, 77, 67, m_textBlednie);
    DrawAntiAliasedText(painter, 77, 95, m_textOgolnie);
    if (m_showPowtorki) {
        DrawAntiAliasedText(painter, 17, 140, u"Liczba powtórek: "_s + QString::number(m_powtorki));
        DrawAntiAliasedText(painter, 14, 163, u" Ostatnia powtórka:"_s);
        DrawAntiAliasedText(painter, 17, 176, QString::fromLatin1(m_ostatnia));
    }
    font.setPointSize(14);
    font.setBold(false);
    painter.setFont(font);
    const std::pair<unsigned, int> rows[3] = {{m_poprawnie, 33}, {m_blednie, 62}, {m_xfactor, 91}};
    for (const auto &[value, y] : rows) {
        const int x = NumberX(value);
        if (x >= 0)
            DrawAntiAliasedText(painter, x, y, QString::number(value));
    }
    const std::pair<const char *, QPoint> pictures[4] = {
        {"ZESZYT_SEP", {0, 20}}, {"ZESZYT_OK", {51, 34}}, {"ZESZYT_BAD", {51, 64}}, {"ZESZYT_XFA", {51, 94}}};
    for (const auto &[name, pos] : pictures) {
        const QImage picture = SkinPictureOrNull(m_skin, QString::fromLatin1(name));
        if (!picture.isNull())
            painter.drawImage(pos, picture);
    }
}
