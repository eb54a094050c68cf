#pragma once
// TWOwnrScrllBar: the second picture scroll bar (the login screen's profile list). A new
// position outside Min ... Max is ignored rather than clamped.

#include "skin/uSkin.h"

#include <QAbstractSlider>
#include <QImage>

enum TOwnrScrllKind { osbVertical, osbHorizontil };
enum TOwnrDrawStyle { osbStandard, osbOwnerDraw };

class TWOwnrScrllBar : public QAbstractSlider
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TWOwnrScrllBar)
public:
    explicit TWOwnrScrllBar(QWidget *parent = nullptr);
    ~TWOwnrScrllBar() override;

    TOwnrScrllKind Kind() const { return m_kind; }
    void SetKind(TOwnrScrllKind kind);
    TOwnrDrawStyle DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(TOwnrDrawStyle style);
    int ButtonHeight() const { return m_buttonHeight; }
    void SetButtonHeight(int height);
    int Min() const { return minimum(); }
    void SetMin(int value);
    int Max() const { return maximum(); }
    void SetMax(int value);
    int Position() const { return value(); }
    // Ignored (false) when outside Min ... Max; an accepted change repaints and fires
    // valueChanged.
    bool SetPosition(int position);
    int SmallChange() const { return singleStep(); }
    void SetSmallChange(int step) { setSingleStep(step); }
    int LargeChange() const { return pageStep(); }
    void SetLargeChange(int step) { setPageStep(step); }
    int TrackHeight() const; // the thumb's length (after AutoSizeTrack)
    void SetTrackHeight(int height);
    bool AutoSizeTrack() const { return m_autoSizeTrack; }
    void SetAutoSizeTrack(bool on);
    int MinTrackSize() const { return m_minTrackSize; }
    void SetMinTrackSize(int size);
    int Rynna1H() const { return m_rynna1; }
    void SetRynna1H(int length);
    int Rynna3H() const { return m_rynna3; }
    void SetRynna3H(int length);

    void SetIMG_UP(const QImage &picture);
    void SetIMG_DOWN(const QImage &picture);
    void SetIMG_SUWAK(const QImage &picture);
    void SetIMG_RYNNA1(const QImage &picture);
    void SetIMG_RYNNA2(const QImage &picture);
    void SetIMG_RYNNA3(const QImage &picture);
    void SetIMG_BKG(const QImage &picture);
    // The bundle's scroll bar pictures (as TALScrollBar::SetSkinPictures), owner-draw style.
    void SetSkinPictures();

    int Length() const;
    int FreeLength() const; // L
    int ThumbStart() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void sliderChange(SliderChange change) override;

private:
    int Along(const QPoint &pos) const;
    void UpdateCursor(int along);

    TOwnrScrllKind m_kind = osbVertical;
    TOwnrDrawStyle m_drawStyle = osbOwnerDraw;
    int m_buttonHeight = 18;
    int m_trackHeight = 20;
    bool m_autoSizeTrack = false;
    int m_minTrackSize = 10;
    int m_rynna1 = 0;
    int m_rynna3 = 0;
    TScrollBarPictures m_pictures;
    bool m_pressed = false;
    int m_grab = 0;
};
