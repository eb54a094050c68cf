#pragma once
// The program's stage: every full-screen form is 1024 x 768 and stands in the middle of a
// larger display, on the black backdrop, whichever screen shows it (login, menu, selection,
// exercises, help). Installed once on the application by start-up.

#include <QObject>

class TStageCentring : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TStageCentring)
public:
    explicit TStageCentring(QObject *parent = nullptr);
    ~TStageCentring() override;

    // Watches every window of the application from now on.
    static void Install(QObject *owner);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
