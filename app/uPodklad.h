#pragma once
// The backdrop: a black full-screen window behind every screen. It is the program's main
// window (the program ends when it closes), shows the waiting label while a learner's data
// are read, and defers the opening of the next exercise through its 1 ms timer so that the
// closing screen's click handler finishes first.

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

class TfrmPodklad : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfrmPodklad)
public:
    explicit TfrmPodklad(QWidget *parent = nullptr);
    ~TfrmPodklad() override;

    // The waiting label ("Czytam dane... Proszę czekać..." until the main menu sets text 109).
    void SetWaitText(const QString &text);
    void ShowWait(bool visible);
    QLabel *WaitLabel() const { return lblWait; }

    // The hand-off: StartHandOff sets the busy flag and enables Timer1; at its event the timer
    // is disabled, the handler runs (it opens the host's current element) and the flag is
    // cleared. Requests while busy are ignored.
    bool Busy() const { return busy; }
    void StartHandOff();
    void SetHandOffHandler(std::function<void()> handler);
    QTimer *HandOffTimer() const { return Timer1; }

signals:
    // The backdrop closed: the program ends.
    void Closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Timer1Timer();
    void CenterWaitLabel();

    bool busy = false;
    QLabel *lblWait = nullptr;
    QTimer *Timer1 = nullptr;
    std::function<void()> handOffHandler;
};

extern TfrmPodklad *frmPodklad;
