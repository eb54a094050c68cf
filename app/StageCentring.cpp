#include "app/StageCentring.h"

#include "utils/UtilsGui.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

TStageCentring::TStageCentring(QObject *parent) : QObject(parent)
{
}

TStageCentring::~TStageCentring() = default;

void TStageCentring::Install(QObject *owner)
{
    qApp->installEventFilter(new TStageCentring(owner));
}

bool TStageCentring::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        // Only the full-screen forms: dialogs, the media window and the dictionary place
        // themselves.
        if (widget->isWindow() && widget->size() == QSize(1024, 768))
            Utils::CentreOnScreen(widget);
    }
    return QObject::eventFilter(watched, event);
}
