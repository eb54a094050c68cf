#include "Gallery.h"

#include "runtime/uFrmNawigacja.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QFont>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

void Gallery::AddPage(const QString &name, Render render)
{
    m_pages.append({name, std::move(render)});
}

void Gallery::ProcessEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

QImage Gallery::Grab(QWidget *widget)
{
    if (!widget)
        return {};
    if (widget->isWindow())
        widget->show();
    ProcessEvents();
    return widget->grab().toImage();
}

void Gallery::Hover(QWidget *control)
{
    const QPointF local(control->width() / 2.0, control->height() / 2.0);
    QEnterEvent enter(local, control->mapTo(control->window(), local), control->mapToGlobal(local));
    QApplication::sendEvent(control, &enter);
}

void Gallery::Press(QWidget *control)
{
    Hover(control);
    const QPointF local(control->width() / 2.0, control->height() / 2.0);
    QMouseEvent press(QEvent::MouseButtonPress, local, control->mapToGlobal(local), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(control, &press);
}

QImage Gallery::Sheet(const QVector<QPair<QString, QImage>> &items, int columns, const QString &title)
{
    const int pad = 16, label = 18;
    int cellW = 0, cellH = 0;
    for (const auto &item : items) {
        cellW = qMax(cellW, item.second.width());
        cellH = qMax(cellH, item.second.height());
    }
    cellW += pad;
    cellH += pad + label;
    const int rows = (int(items.size()) + columns - 1) / qMax(1, columns);
    const int top = title.isEmpty() ? pad : pad + 30;
    QImage sheet(pad + columns * cellW, top + rows * cellH, QImage::Format_RGB32);
    sheet.fill(QColor(236, 240, 244));
    QPainter p(&sheet);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    if (!title.isEmpty()) {
        QFont big(font);
        big.setPixelSize(18);
        big.setBold(true);
        p.setFont(big);
        p.setPen(QColor(6, 54, 99));
        p.drawText(QPoint(pad, pad + 16), title);
    }
    p.setFont(font);
    for (int i = 0; i < items.size(); ++i) {
        const int x = pad + (i % columns) * cellW;
        const int y = top + (i / columns) * cellH;
        p.setPen(QColor(90, 96, 104));
        p.drawText(QPoint(x, y + 12), items[i].first);
        p.drawImage(QPoint(x, y + label), items[i].second);
    }
    return sheet;
}

GalleryHost::GalleryHost()
{
    if (!frmNawigacja) {
        m_own = std::make_unique<TfrmNawigacja>(nullptr, false);
        m_own->SetRandom([](int) { return 0; }); // the same pictures from build to build
        frmNawigacja = m_own.get();
    }
}

GalleryHost::~GalleryHost()
{
    if (m_own)
        frmNawigacja = nullptr;
}

TfrmNawigacja &GalleryHost::operator*() const
{
    return *frmNawigacja;
}
