#include "app/uPodklad.h"

#include "utils/Utils.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

TfrmPodklad *frmPodklad = nullptr;

TfrmPodklad::TfrmPodklad(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmPodklad"));
    setWindowTitle(Utils::ProductCaption());
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);

    lblWait = new QLabel(this);
    lblWait->setObjectName(QStringLiteral("lblWait"));
    lblWait->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(16);
    font.setStyleStrategy(QFont::PreferAntialias);
    lblWait->setFont(font);
    QPalette labelPalette = lblWait->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    lblWait->setPalette(labelPalette);
    lblWait->setText(QStringLiteral("Czytam dane... Proszę czekać..."));
    lblWait->adjustSize();
    lblWait->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &TfrmPodklad::Timer1Timer);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(QRect(QPoint(0, 0), screen->geometry().size()));
    else
        setGeometry(0, 0, 1024, 768);
    CenterWaitLabel();
}

TfrmPodklad::~TfrmPodklad()
{
    if (frmPodklad == this)
        frmPodklad = nullptr;
}

void TfrmPodklad::SetWaitText(const QString &text)
{
    lblWait->setText(text);
    lblWait->adjustSize();
    CenterWaitLabel();
}

void TfrmPodklad::ShowWait(bool visible)
{
    lblWait->setVisible(visible);
    if (visible)
        lblWait->repaint();
}

void TfrmPodklad::StartHandOff()
{
    if (busy)
        return;
    busy = true;
    Timer1->start();
}

void TfrmPodklad::SetHandOffHandler(std::function<void()> handler)
{
    handOffHandler = std::move(handler);
}

void TfrmPodklad::Timer1Timer()
{
    Timer1->stop();
    // The flag is cleared even when opening fails, or no further hand-off would ever run.
    struct ClearBusy
    {
        bool &flag;
        ~ClearBusy() { flag = false; }
    } clear{busy};
    if (handOffHandler)
        handOffHandler();
}

void TfrmPodklad::CenterWaitLabel()
{
    lblWait->move((width() - lblWait->width()) / 2, (height() - lblWait->height()) / 2);
}

void TfrmPodklad::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    CenterWaitLabel();
}

void TfrmPodklad::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (event->isAccepted())
        emit Closed();
}
