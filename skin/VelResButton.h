#pragma once
// TVelResButton: the skinned push button, drawn from picture pieces of the skin bundle.

#include "skin/uSkin.h"

#include <QAbstractButton>
#include <QImage>
#include <QRect>
#include <QVector>

enum TRozmiar { roz22, roz32, roz50, rozBelka, rozTabka_Rozum, rozUndefined };
enum TSkladowe { el3, el9 };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

class TVelResButton : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelResButton)
public:
    explicit TVelResButton(QWidget *parent = nullptr);
    ~TVelResButton() override;

    // What one paint draws; computed from the button's state, size and font only.
    struct Piece
    {
        QString Name;
        enum PieceKind { LeftCap, Middle, RightCap, Whole };
        QRect Target; // the button's part the piece covers
        bool Stretched = false;
        PieceKind Kind = Whole;
    };
    struct PaintPlan
    {
        QString Suffix; // "_N", "_H", "_P", "_D"
        QVector<Piece> Pieces;
        QImage Glyph; // the current glyph (may be null)
        QPoint GlyphPos;
        QPoint CaptionPos; // where DrawAntiAliasedText starts (corrections included)
        QColor CaptionColor;
        bool DrawCaption = false;
    };
    PaintPlan Plan() const;

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool show);

    QImage Glyph() const { return m_glyph; }
    QImage GlyphHot() const { return m_glyphHot; }
    QImage GlyphDown() const { return m_glyphDown; }
    QImage GlyphDisabled() const { return m_glyphDisabled; }
    void SetGlyph(const QImage &picture);
    void SetGlyphHot(const QImage &picture);
    void SetGlyphDown(const QImage &picture);
    void SetGlyphDisabled(const QImage &picture);

    TRozmiar Rozmiar() const { return m_rozmiar; }
    void SetRozmiar(TRozmiar size); // sets the height (and width) the size asks for
    TSkladowe Skladowe() const { return m_skladowe; }
    void SetSkladowe(TSkladowe pieces);
    int GrafikaIndex() const { return m_grafikaIndex; }
    void SetGrafikaIndex(int set);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    int Korekta() const { return m_korekta; }
    void SetKorekta(int value);
    int KorektaCaption() const { return m_korektaCaption; }
    void SetKorektaCaption(int value);
    int KorektaCaptionY() const { return m_korektaCaptionY; }
    void SetKorektaCaptionY(int value);
    bool Down() const { return m_down; }
    void SetDown(bool down);
    bool Flat() const { return m_flat; }
    void SetFlat(bool flat);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    // The caption colour of an enabled button (the font colour).
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }
    // Tooltip text shown through the program's hint window.
    QString Hint() const { return toolTip(); }
    void SetHint(const QString &hint) { setToolTip(hint); }

    // The skin handle; null until ApplySkin, and never given to rozUndefined buttons.
    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin);

    // 0 normal, 1 hot, 2 pressed.
    int MouseState() const { return m_state; }
    bool MouseInside() const { return m_inside; }

    // Pressing from code (Enter and Esc of dialogs): a click only when enabled.
    void Press();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    void ApplyAutoSize();

    bool m_showCaption = true;
    QImage m_glyph, m_glyphHot, m_glyphDown, m_glyphDisabled;
    TRozmiar m_rozmiar = roz22;
    TSkladowe m_skladowe = el3;
    int m_grafikaIndex = 1;
    TAlignment m_alignment = taCenter;
    int m_spacing = 4;
    int m_korekta = 0;
    int m_korektaCaption = 0;
    int m_korektaCaptionY = 0;
    bool m_down = false;
    bool m_flat = false;
    bool m_autoSize = false;
    QColor m_fontColor{Qt::black};
    int m_tag = 0;
    SkinHandle m_skin = nullptr;
    int m_state = 0;
    bool m_inside = false;
};
