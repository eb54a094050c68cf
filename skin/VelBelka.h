#pragma once
// TVelBelka: the 50-pixel title bar at the top of every full-screen form, with the logged-in
// learner's figure and name. Bar buttons (TVelResButton, rozBelka) sit on top of it.

#include "skin/uSkin.h"

#include <QChar>
#include <QWidget>

class TVelBelka : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelBelka)
public:
    // Takes its parent's full width and sits at the top (height fixed at 50).
    explicit TVelBelka(QWidget *parent = nullptr);
    ~TVelBelka() override;

    QString TekstBelki() const { return m_tekst; }
    void SetTekstBelki(const QString &text);
    QString Zalogowany() const { return m_zalogowany; }
    void SetZalogowany(const QString &name);
    QChar Plec() const { return m_plec; } // 'K' or 'M'; a null character draws no figure
    void SetPlec(QChar gender);
    int LudzikIndex() const { return m_ludzikIndex; }
    void SetLudzikIndex(int figure);
    bool PokazZalogowanie() const { return m_pokaz; }
    void SetPokazZalogowanie(bool show);
    // 0 draws "BELKA_BODY"; n draws "BELKA_BODY_STYLE_n" (1 to 3) instead.
    int BodyStyle() const { return m_bodyStyle; }
    void SetBodyStyle(int style);

    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin);

    // "BELKA_LUDZIK_K_11" for Plec K and LudzikIndex 11.
    QString FigurePictureName() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString m_tekst;
    QString m_zalogowany;
    QChar m_plec{u'M'};
    int m_ludzikIndex = 1;
    bool m_pokaz = true;
    int m_bodyStyle = 0;
    SkinHandle m_skin = nullptr;
};
