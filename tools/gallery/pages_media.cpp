// Gallery pages of the media window: the sound and the film layout, each part-way through
// a recording with speaker marks; the film shows a still of the course.
#include "Gallery.h"

#include "media/MediaServices.h"
#include "media/uMedia.h"
#include "utils/Utils.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

// A player that stands still at 40 % of a 95-second recording, so the bar shows progress.
class StillPlayer final : public Media::IMediaPlayer
{
public:
    void Open(const QString &, QWidget *) override { m_open = true; }
    void Play() override {}
    void Pause() override {}
    bool IsPaused() const override { return false; }
    void Stop() override {}
    void Seek(qint64) override {}
    qint64 Position() const override { return 38000; }
    qint64 Length() const override { return 95000; }
    bool IsOpen() const override { return m_open; }
    void Close() override { m_open = false; }

private:
    bool m_open = false;
};

// A still of the course in the film area, standing in for a frame of the film: the largest
// picture of the course's Gfx folder, or a dark frame with a play sign.
QImage FilmStill(const QSize &size)
{
    QImage still;
    QDirIterator it(Utils::ProgramPath(u"\\Gfx"_s), {u"*.png"_s}, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext())
        files << it.next();
    files.sort();
    for (const QString &file : std::as_const(files)) {
        const QImage picture(file);
        if (!picture.isNull() &&
            (still.isNull() || picture.width() * picture.height() > still.width() * still.height()))
            still = picture;
    }
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(QColor(16, 20, 28));
    QPainter p(&frame);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!still.isNull()) {
        const QImage scaled = still.scaled(size, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        p.drawImage(QPoint((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2),
                    scaled);
    } else {
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 200));
        const QPointF c(size.width() / 2.0, size.height() / 2.0);
        p.drawPolygon(QPolygonF({c + QPointF(-18, -24), c + QPointF(26, 0), c + QPointF(-18, 24)}));
    }
    return frame;
}

void PaintFilmFrame(QWidget *area)
{
    auto *frame = new QWidget(area);
    frame->resize(area->size());
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setBrush(QPalette::Window, QPixmap::fromImage(FilmStill(area->size())));
    frame->setPalette(palette);
    frame->show();
}

QImage RenderMediaWindow(const QString &file, const QString &marks)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(file);
    QFile(path).open(QIODevice::WriteOnly);
    Media::SetMediaPlayerFactory([](QWidget *) { return std::make_unique<StillPlayer>(); });
    QImage shot;
    {
        TfrmMedia window;
        window.setAttribute(Qt::WA_DontShowOnScreen);
        window.SetSpeakerMarks(marks);
        window.PlayFile(path);
        window.TimerTick();
        if (window.MediaKind() == Media::TMediaKind::Video) {
            if (auto *area = window.findChild<QWidget *>(u"DisplayArea_MPG"_s))
                PaintFilmFrame(area);
        }
        shot = Gallery::Grab(&window);
    }
    Media::SetMediaPlayerFactory(nullptr);
    return shot;
}

} // namespace

void RegisterGalleryPages_media(Gallery &gallery)
{
    gallery.AddPage(u"media_sound"_s, [] { return RenderMediaWindow(u"lekcja.mp3"_s, u"12#47#95"_s); });
    gallery.AddPage(u"media_film"_s, [] { return RenderMediaWindow(u"film.mpg"_s, u"5#20"_s); });
}
