#pragma once
// TVelDialogWindow: the skinned frame, caption bar and caption of a dialog form, filling its
// form and letting the learner drag the form by the bar. TVelMsgBoxWindow adds the icon.

#include "skin/uSkin.h"

#include <QPoint>
#include <QWidget>

enum TBelkaSize { bs40, bs60 };
enum TDialogStyle { dsBlue, dsWhite };
enum TMsgIcon { icoError, icoQuestion, icoInformation, icoExclamation };

class TVelDialogWindow : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelDialogWindow)
public:
    // Fills parent (and follows its size); the parent is the form that is dragged.
    explicit TVelDialogWindow(QWidget *parent = nullptr);
    ~TVelDialogWindow() override;

    QString Caption() const { return m_caption; }
    void SetCaption(const QString &caption);
    TBelkaSize BelkaSize() const { return m_belkaSize; }
    void SetBelkaSize(TBelkaSize size);
    TDialogStyle DialogStyle() const { return m_style; }
    void SetDialogStyle(TDialogStyle style);
    bool AllowMoveWindow() const { return m_allowMove; }
    void SetAllowMoveWindow(bool allow) { m_allowMove = allow; }

    void SetSkin(const SkinRecord &skin);
    SkinHandle Skin() const { return m_skin.Handle; }

    // "_B" or "_W".
    QString StyleSuffix() const;
    // Height of the caption bar picture: 39 (bs40) or 59 (bs60).
    int BarHeight() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Draws frame, bar and caption; the message box window adds its icon.
    virtual void PaintWindow(QPainter &painter);

private:
    QString m_caption;
    TBelkaSize m_belkaSize = bs40;
    TDialogStyle m_style = dsBlue;
    bool m_allowMove = true;
    SkinRecord m_skin;
    bool m_dragging = false;
    QPoint m_pressPos;
};

class TVelMsgBoxWindow : public TVelDialogWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TVelMsgBoxWindow)
public:
    explicit TVelMsgBoxWindow(QWidget *parent = nullptr);
    ~TVelMsgBoxWindow() override;

    TMsgIcon Icon() const { return m_icon; }
    void SetIcon(TMsgIcon icon);
    static QString IconPictureName(TMsgIcon icon);

protected:
    void PaintWindow(QPainter &painter) override;

private:
    TMsgIcon m_icon = icoInformation;
};
