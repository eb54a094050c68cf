#include "utils/UtilsGui.h"

#include <QScreen>

#include "utils/Utils.h"

#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QHash>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QRandomGenerator>
#include <QToolTip>
#include <QtEndian>

#include <QWidget>
#include <future>
#include <mutex>

namespace Utils {

namespace {

quint32 ReadLe32(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint16 ReadLe16(const uchar *p)
{
    return quint16(p[0] | p[1] << 8);
}

// An uncompressed 24-bit bitmap with a BITMAPINFOHEADER (or a later header of that layout),
// bottom-up or top-down; null for every other file, which the generic reader then takes.
QImage DecodePlainBitmap(const uchar *data, qint64 size)
{
    constexpr qint64 FileHeader = 14;
    if (size < FileHeader + 40 || data[0] != 'B' || data[1] != 'M')
        return {};
    const quint32 offset = ReadLe32(data + 10);
    const uchar *info = data + FileHeader;
    const quint32 infoSize = ReadLe32(info);
    const qint32 width = qint32(ReadLe32(info + 4));
    const qint32 height = qint32(ReadLe32(info + 8));
    if (infoSize < 40 || infoSize > 124 || ReadLe16(info + 12) != 1 || ReadLe16(info + 14) != 24 ||
        ReadLe32(info + 16) != 0 /* BI_RGB */)
        return {};
    if (width <= 0 || width > 32767 || height == 0 || height < -32767 || height > 32767)
        return {};
    const bool bottomUp = height > 0;
    const int rows = bottomUp ? height : -height;
    const qint64 stride = (qint64(width) * 3 + 3) & ~qint64(3);
    if (offset < FileHeader + infoSize || qint64(offset) + stride * rows > size)
        return {};
    QImage image(width, rows, QImage::Format_RGB32);
    if (image.isNull())
        return {};
    constexpr QRgb Opaque = 0xff000000u;
    for (int y = 0; y < rows; ++y) {
        const uchar *source = data + offset + stride * (bottomUp ? rows - 1 - y : y);
        auto *target = reinterpret_cast<QRgb *>(image.scanLine(y));
        int x = 0;
        // Four pixels are twelve bytes: three little-endian words.
        for (; x + 4 <= width; x += 4, source += 12) {
            const quint32 a = qFromLittleEndian<quint32>(source);
            const quint32 b = qFromLittleEndian<quint32>(source + 4);
            const quint32 c = qFromLittleEndian<quint32>(source + 8);
            target[x] = Opaque | (a & 0xffffffu);
            target[x + 1] = Opaque | (a >> 24) | ((b & 0xffffu) << 8);
            target[x + 2] = Opaque | (b >> 16) | ((c & 0xffu) << 16);
            target[x + 3] = Opaque | (c >> 8);
        }
        for (; x < width; ++x, source += 3)
            target[x] = qRgb(source[2], source[1], source[0]);
    }
    const qint32 xPerMetre = qint32(ReadLe32(info + 24));
    const qint32 yPerMetre = qint32(ReadLe32(info + 28));
    if (xPerMetre > 0 && yPerMetre > 0) {
        image.setDotsPerMeterX(xPerMetre);
        image.setDotsPerMeterY(yPerMetre);
    }
    return image;
}

} // namespace

namespace {

QImage DecodePictureFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const qint64 size = file.size();
    if (const uchar *mapped = size > 0 ? file.map(0, size) : nullptr) {
        QImage image = DecodePlainBitmap(mapped, size);
        file.unmap(const_cast<uchar *>(mapped));
        if (!image.isNull())
            return image;
    }
    file.close();
    return QImage(path);
}

std::mutex prefetchMutex;
QHash<QString, std::shared_future<QImage>> prefetched;

} // namespace

void PrefetchPictureFile(const QString &path)
{
    const std::lock_guard lock(prefetchMutex);
    if (!prefetched.contains(path))
        prefetched.insert(path,
                          std::async(std::launch::async, [path] { return DecodePictureFile(path); }).share());
}

QImage LoadPictureFile(const QString &path)
{
    std::shared_future<QImage> pending;
    {
        const std::lock_guard lock(prefetchMutex);
        pending = prefetched.take(path);
    }
    return pending.valid() ? pending.get() : DecodePictureFile(path);
}

void SetProductCaption(QWidget *window)
{
    if (window)
        window->setWindowTitle(ProductCaption());
}

void RefreshHint(QWidget *control)
{
    if (!control || !control->isVisible())
        return;
    const QPoint global = QCursor::pos();
    const QPoint local = control->mapFromGlobal(global);
    if (!control->rect().contains(local))
        return;
    if (control->toolTip().isEmpty()) {
        QToolTip::hideText();
        return;
    }
    QHelpEvent event(QEvent::ToolTip, local, global);
    QApplication::sendEvent(control, &event);
}

QSize MeasureText(const QFont &font, const QString &text)
{
    const QFontMetrics metrics(font);
    return QSize(metrics.horizontalAdvance(text), metrics.height());
}

QSize MeasureText(const QPainter &canvas, const QString &text)
{
    return MeasureText(canvas.font(), text);
}

int MeasureTextWidth(const QPainter &canvas, const QString &text)
{
    return MeasureText(canvas, text).width();
}

int MeasureTextHeight(const QPainter &canvas, const QString &text)
{
    return MeasureText(canvas, text).height();
}

TDeferredPictureLabel::TDeferredPictureLabel(QWidget *parent, const QString &path)
    : QLabel(parent), m_source([path] { return LoadPictureFile(path); })
{
}

TDeferredPictureLabel::TDeferredPictureLabel(QWidget *parent, const QSize &size,
                                             std::function<QImage()> source)
    : QLabel(parent), m_source(std::move(source))
{
    resize(size);
}

bool TDeferredPictureLabel::LoadPicture()
{
    if (!m_loaded) {
        m_loaded = true;
        const QImage picture = m_source ? m_source() : QImage();
        if (!picture.isNull())
            setPixmap(QPixmap::fromImage(picture));
    }
    return !pixmap().isNull();
}

void TDeferredPictureLabel::paintEvent(QPaintEvent *event)
{
    LoadPicture();
    QLabel::paintEvent(event);
}

QStringList BackgroundCandidates(const QString &folder)
{
    QString path = folder;
    path.replace(u'\\', u'/');
    path = QDir::isAbsolutePath(path) ? ResolvePath(QStringLiteral("/"), path)
                                      : ResolvePath(ProgramFolder(), path);
    const QDir dir(path);
    QStringList names = dir.entryList({QStringLiteral("*.bmp")}, QDir::Files, QDir::Name);
    QStringList files;
    for (const QString &name : std::as_const(names))
        files << dir.filePath(name);
    return files;
}

bool LoadRandomBackground(QImage &image, const QString &folder, QRandomGenerator *random)
{
    QStringList candidates = BackgroundCandidates(folder);
    QRandomGenerator clockSeeded(quint32(QDateTime::currentMSecsSinceEpoch()));
    QRandomGenerator *source = random ? random : &clockSeeded;
    // A picture that does not decode is dropped and another one drawn.
    while (!candidates.isEmpty()) {
        const qsizetype pick = source->bounded(int(candidates.size()));
        QImage picture;
        if (picture.load(candidates.at(pick))) {
            image = picture;
            return true;
        }
        candidates.removeAt(pick);
    }
    return false;
}

bool LoadRandomBackground(QLabel *label, const QString &folder, QRandomGenerator *random)
{
    if (!label)
        return false;
    QImage image;
    if (!LoadRandomBackground(image, folder, random))
        return false;
    label->setPixmap(QPixmap::fromImage(image));
    return true;
}

void CentreOnScreen(QWidget *form)
{
    if (!form || !form->isWindow())
        return;
    const QScreen *screen = form->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const int left = area.left() + qMax(0, (area.width() - form->width()) / 2);
    const int top = area.top() + qMax(0, (area.height() - form->height()) / 2);
    form->move(left, top);
}

} // namespace Utils
