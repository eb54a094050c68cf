#pragma once
// TVelGroupFrame: a nine-piece picture frame that holds other controls.

#include "skin/uSkin.h"

#include <QWidget>

enum TFrameType { ftFrame_Blue, ftFrame_White };

class TVelGroupFrame : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelGroupFrame)
public:
    explicit TVelGroupFrame(QWidget *parent = nullptr);
    ~TVelGroupFrame() override;

    TFrameType FrameType() const { return m_type; }
    void SetFrameType(TFrameType type);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool show);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    int CaptionPositionX() const { return m_captionX; }
    void SetCaptionPositionX(int x);
    int CaptionPositionY() const { return m_captionY; }
    void SetCaptionPositionY(int y);
    // A hollow frame is a thin rounded line over a light veil instead of the skin's pieces, so
    // what lies under it shows: a hover frame over a caption. It lets the mouse through.
    bool Hollow() const { return m_hollow; }
    void SetHollow(bool hollow);
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color);

    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin);

    // Picture set (1 or 6) and corner size (10 or 7) of the frame type.
    int PictureSet() const;
    int CornerSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    TFrameType m_type = ftFrame_Blue;
    bool m_showCaption = false;
    bool m_hollow = false;
    QString m_caption;
    int m_captionX = 20;
    int m_captionY = 4;
    QColor m_fontColor{SkinColors::Navy};
    SkinHandle m_skin = nullptr;
};

// Paints the nine pieces "RAMKA<set>_01" ... "RAMKA<set>_09" over rect with corner size c;
// shared by the frame and by screens that draw framed areas themselves.
void PaintNinePieceFrame(QPainter &painter, SkinHandle skin, int set, int c, const QRect &rect);
