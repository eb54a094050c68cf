#pragma once
// TVelZeszytStatystyki: the statistics notebook of an exercise screen.

#include "skin/uSkin.h"

#include <QByteArray>
#include <QWidget>

class TVelZeszytStatystyki : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelZeszytStatystyki)
public:
    explicit TVelZeszytStatystyki(QWidget *parent = nullptr); // 155 x 200
    ~TVelZeszytStatystyki() override;

    unsigned Poprawnie() const { return m_poprawnie; }
    void SetPoprawnie(unsigned value);
    unsigned Blednie() const { return m_blednie; }
    void SetBlednie(unsigned value);
    unsigned XFactor() const { return m_xfactor; }
    void SetXFactor(unsigned value);
    int Powtorki() const { return m_powtorki; }
    void SetPowtorki(int value);
    QByteArray OstataniaPowtorka() const { return m_ostatnia; } // 8-bit text
    void SetOstataniaPowtorka(const QByteArray &date);
    bool ShowPowtorki() const { return m_showPowtorki; }
    void SetShowPowtorki(bool show);
    QString TextPoprawnie() const { return m_textPoprawnie; }
    void SetTextPoprawnie(const QString &text);
    QString TextBlednie() const { return m_textBlednie; }
    void SetTextBlednie(const QString &text);
    QString TextOgolnie() const { return m_textOgolnie; }
    void SetTextOgolnie(const QString &text);
    QString TextStatystyka() const { return m_textStatystyka; }
    void SetTextStatystyka(const QString &text);

    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin);

    // x of a row's number: 34 below 10, 25 to 99, 14 to 1000; -1 (not drawn) above 1000.
    static int NumberX(unsigned value);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    unsigned m_poprawnie = 0, m_blednie = 0, m_xfactor = 0;
    int m_powtorki = 0;
    QByteArray m_ostatnia;
    bool m_showPowtorki = false;
    QString m_textPoprawnie, m_textBlednie, m_textOgolnie, m_textStatystyka;
    SkinHandle m_skin = nullptr;
};
