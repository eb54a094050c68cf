#pragma once
// TALScrollBar: a picture scroll bar (arrows, three-piece track, thumb). Position changes are
// reported by QAbstractSlider::valueChanged (the OnChange of the forms).

#include "skin/uSkin.h"

#include <QAbstractSlider>
#include <QImage>
#include <QTimer>

enum TScrollPart { spNone, spFirstArrow, spTrackBefore, spThumb, spTrackAfter, spSecondArrow };

class TALScrollBar : public QAbstractSlider
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TALScrollBar)
public:
    explicit TALScrollBar(QWidget *parent = nullptr); // vertical, 0 ... 100
    ~TALScrollBar() override;

    Qt::Orientation Kind() const { return orientation(); }
    void SetKind(Qt::Orientation kind) { setOrientation(kind); }
    int Min() const { return minimum(); }
    void SetMin(int value) { setMinimum(value); }
    int Max() const { return maximum(); }
    void SetMax(int value) { setMaximum(value); }
    int Position() const { return value(); }
    void SetPosition(int position) { setValue(position); }
    int SmallChange() const { return singleStep(); }
    void SetSmallChange(int step) { setSingleStep(step); }
    int LargeChange() const { return pageStep(); }
    void SetLargeChange(int step) { setPageStep(step); }
    int ButtonWidth() const { return m_buttonWidth; }
    void SetButtonWidth(int length);
    int ScrollerWidth() const { return m_scrollerWidth; }
    void SetScrollerWidth(int length);
    int Rynna1_Size() const { return m_rynna1; }
    void SetRynna1_Size(int length);
    int Rynna3_Size() const { return m_rynna3; }
    void SetRynna3_Size(int length);

    void SetIMG_UP(const QImage &picture);
    void SetIMG_DOWN(const QImage &picture);
    void SetIMG_SUWAK(const QImage &picture);
    void SetIMG_RYNNA1(const QImage &picture);
    void SetIMG_RYNNA2(const QImage &picture);
    void SetIMG_RYNNA3(const QImage &picture);
    void SetIMG_BKG(const QImage &picture);
    // The bundle's scroll bar pictures for the bar's Kind: "SB_V_UP", "SB_V_DOWN",
    // "SB_V_SUWAK", "SB_V_RYNNA1".."3" (21 wide) or the "SB_H_" ones (21 high), with
    // Rynna1_Size and Rynna3_Size 6.
    void SetSkinPictures();

    // Length along the bar, and the thumb's start along it (-1 when no thumb is shown).
    int Length() const;
    int ThumbStart() const;
    TScrollPart PartAt(const QPoint &pos) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void sliderChange(SliderChange change) override;

private:
    void Repeat();
    int Along(const QPoint &pos) const;

    int m_buttonWidth = 18;
    int m_scrollerWidth = 15;
    int m_rynna1 = 0;
    int m_rynna3 = 0;
    TScrollBarPictures m_pictures;
    QTimer m_repeat;
    TScrollPart m_pressedPart = spNone;
    QPoint m_lastPos;
    int m_grab = 0;
};
