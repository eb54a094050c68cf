#pragma once
// TVelCheckBox: a check box (or radio-style box) drawn from four pictures set per instance.

#include "skin/uSkin.h"

#include <QAbstractButton>
#include <QImage>

// Ready-made picture sets of the skin bundle, for SetSkinPictures.
enum TCheckBoxLook {
    cbSquare, // "CHECK_ON", "CHECK_OFF", "CHECK_HOT_ON", "CHECK_HOT_OFF" (20 x 20)
    cbRound,  // "RADIO_ON", "RADIO_OFF", "RADIO_HOT_ON", "RADIO_HOT_OFF" (20 x 20)
    cbTick,   // "TICK_ON", "TICK_OFF", "TICK_HOT_ON", "TICK_HOT_OFF" (25 x 25, true/false columns)
};

class TVelCheckBox : public QAbstractButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelCheckBox)
public:
    explicit TVelCheckBox(QWidget *parent = nullptr);
    ~TVelCheckBox() override;

    QString Caption() const { return text(); }
    void SetCaption(const QString &caption); // width from GfxChecked
    bool Checked() const { return isChecked(); }
    void SetChecked(bool checked); // width from the picture of the new state
    bool RadioStyle() const { return m_radioStyle; }
    void SetRadioStyle(bool on) { m_radioStyle = on; }
    int RadioGroup() const { return m_radioGroup; }
    void SetRadioGroup(int group) { m_radioGroup = group; }

    QImage GfxChecked() const { return m_gfxChecked; }
    QImage GfxUnChecked() const { return m_gfxUnChecked; }
    QImage GfxHotChecked() const { return m_gfxHotChecked; }
    QImage GfxHotUnChecked() const { return m_gfxHotUnChecked; }
    // Each setter makes the height that picture's height.
    void SetGfxChecked(const QImage &picture);
    void SetGfxUnChecked(const QImage &picture);
    void SetGfxHotChecked(const QImage &picture);
    void SetGfxHotUnChecked(const QImage &picture);
    // All four pictures from the current skin.
    void SetSkinPictures(TCheckBoxLook look);

    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);
    int Korekta() const { return m_korekta; }
    void SetKorekta(int value);
    int KorektaY() const { return m_korektaY; }
    void SetKorektaY(int value);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    bool MouseInside() const { return m_hot; }
    // The picture drawn now (hot or normal, ticked or not).
    QImage CurrentPicture() const;

    QSize sizeHint() const override;

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void FitWidth(const QImage &picture);

    bool m_radioStyle = false;
    int m_radioGroup = 0;
    QImage m_gfxChecked, m_gfxUnChecked, m_gfxHotChecked, m_gfxHotUnChecked;
    int m_spacing = 6;
    int m_korekta = 0;
    int m_korektaY = 0;
    QColor m_fontColor{Qt::black};
    int m_tag = 0;
    bool m_hot = false;
};
