#pragma once
// The paint area "Obszar" every exercise screen draws its exercise in. The screen owns the
// model, so the area only hands its paints, mouse and wheel to the screen's handlers. An event
// without a handler goes on to the widget under the area, as a plain widget's would.

#include <QWidget>

#include <functional>

class QMouseEvent;
class QPainter;
class QWheelEvent;

class TPaintArea : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TPaintArea)
public:
    // The screen's handlers; any may be left out.
    struct THandlers
    {
        std::function<void(QPainter &)> Paint = {};
        std::function<void(QMouseEvent *)> MouseDown = {};
        std::function<void(QMouseEvent *)> MouseMove = {};
        std::function<void(QMouseEvent *)> MouseUp = {};
        std::function<void(QWheelEvent *)> Wheel = {};
        std::function<void()> Leave = {};
    };

    // Named "Obszar"; it tracks the mouse, so moves without a button reach MouseMove (hints,
    // hand cursor).
    TPaintArea(QWidget *owner, THandlers handlers);

protected:
    void paintEvent(QPaintEvent *event) override;
    // The mouse, wheel and leave events go to their handlers here, the rest to QWidget.
    bool event(QEvent *event) override;

private:
    // The handler of a press, move or release.
    const std::function<void(QMouseEvent *)> &MouseHandler(QEvent::Type type) const;

    THandlers m_handlers;
};
