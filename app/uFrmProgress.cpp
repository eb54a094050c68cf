#include "app/uFrmProgress.h"

#include "utils/Utils.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

TfrmProgress *frmProgress = nullptr;

namespace {

// The bar: a filled gradient as wide as its geometry.
class ProgressBar : public QWidget
{
public:
    explicit ProgressBar(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient g(0, 0, 0, height());
        g.setColorAt(0, QColor(0xF6, 0xC1, 0x4A));
        g.setColorAt(1, QColor(0xD9, 0x7A, 0x10));
        p.fillRect(rect(), g);
    }
};

} // namespace

TfrmProgress::TfrmProgress(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmProgress"));
    setWindowTitle(Utils::ProductCaption());
    setFixedSize(220, 50);
    setAttribute(Qt::WA_OpaquePaintEvent);

    lblCaption = new QLabel(this);
    lblCaption->setObjectName(QStringLiteral("lblCaption"));
    lblCaption->setGeometry(11, 8, 200, 18);
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setPixelSize(12);
    font.setBold(true);
    lblCaption->setFont(font);
    QPalette palette = lblCaption->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    lblCaption->setPalette(palette);

    imgBar = new ProgressBar(this);
    imgBar->setObjectName(QStringLiteral("imgBar"));
    imgBar->setGeometry(11, 29, 0, 10);
    imgBar->hide();

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

TfrmProgress::~TfrmProgress()
{
    if (frmProgress == this)
        frmProgress = nullptr;
}

void TfrmProgress::ShowProgress(int maximum, const QString &caption)
{
    this->maximum = maximum;
    lblCaption->setText(caption);
    imgBar->setGeometry(11, 29, 0, 10);
    imgBar->hide();
    show();
    // Painted at once: the long step that follows keeps the event loop busy.
    repaint();
    lastPaint.start();
}

void TfrmProgress::StepProgress(int position)
{
    if (maximum <= 0)
        return;
    const int width = Utils::RoundHalfEven(double(position) / maximum * 200.0);
    const bool changed = imgBar->isVisible() != (width > 0) || imgBar->width() != width;
    imgBar->setGeometry(11, 29, width, 10);
    imgBar->setVisible(width > 0);
    // Each painting waits for the display; a short step of many small files would spend
    // more time painting the bar than reading them.
    constexpr qint64 RepaintInterval = 40;
    if (isVisible() && changed && (!lastPaint.isValid() || lastPaint.elapsed() >= RepaintInterval)) {
        repaint();
        lastPaint.start();
    }
}

void TfrmProgress::Close()
{
    hide();
}

int TfrmProgress::BarWidth() const
{
    return imgBar->isVisible() ? imgBar->width() : 0;
}

QString TfrmProgress::Caption() const
{
    return lblCaption->text();
}

void TfrmProgress::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x3A, 0x4E, 0x6E));
    g.setColorAt(1, QColor(0x1C, 0x27, 0x3A));
    p.fillRect(rect(), g);
    p.setPen(QColor(0x8C, 0xA4, 0xC8));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    // The groove the bar runs in.
    p.fillRect(QRect(10, 28, 202, 12), QColor(0x10, 0x16, 0x22));
}
