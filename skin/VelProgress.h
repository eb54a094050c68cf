#pragma once
// TVelProgress: the 259 x 90 result gauge, the exercise screens' Panel_Wynik.

#include "skin/uSkin.h"

#include <QColor>
#include <QWidget>

class TVelProgress : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelProgress)
public:
    explicit TVelProgress(QWidget *parent = nullptr);
    ~TVelProgress() override;

    QString Tekst() const { return m_tekst; }
    void SetTekst(const QString &text);
    int Wynik() const { return m_wynik; }
    // 0 to 100; anything else is ignored.
    void SetWynik(int result);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin);

    // "WYKRES_00" ... "WYKRES_95", "WYKRES_100".
    static QString GaugePictureName(int result);
    // The colour of the figure: red below 50 %, amber below 75 %, green from there on.
    static QColor ResultColor(int result);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_tekst;
    int m_wynik = 0;
    int m_tag = 0;
    SkinHandle m_skin = nullptr;
};
