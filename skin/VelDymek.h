#pragma once
// TVelDymek: the speech bubble that shows an instruction's translation above a point.

#include "skin/uSkin.h"

#include <QImage>
#include <QWidget>

class TVelDymek : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelDymek)
public:
    static constexpr int BubbleWidth = 332;
    // Where the text starts inside the bubble; it ends as far from the right edge.
    static constexpr int TextLeft = 14;
    static constexpr int TextTop = 9;

    // Hidden at first; 332 pixels wide.
    explicit TVelDymek(QWidget *parent = nullptr);
    ~TVelDymek() override;

    SkinHandle Skin() const { return m_skin; }
    void SetSkin(SkinHandle skin) { m_skin = skin; }
    QColor FontColor() const { return m_fontColor; }
    void SetFontColor(const QColor &color) { m_fontColor = color; }

    // Shows the bubble with its tail at about (x, y) of the parent, text word-wrapped.
    void ShowBubble(int x, int y, const QString &text);
    QString Text() const { return m_text; }
    // The composed picture (transparent around the bubble).
    QImage Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SkinHandle m_skin = nullptr;
    QColor m_fontColor{SkinColors::Navy};
    QString m_text;
    QImage m_picture;
};
