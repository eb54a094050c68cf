// Gallery pages of the media window: the sound and the film layout, each part-way through
// a recording with speaker marks.
#include "Gallery.h"

#include "media/MediaServices.h"
#include "media/uMedia.h"

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

// A test card in the film area, standing in for a frame of the film.
void PaintFilmFrame(QWidget *area)
{
    auto *frame = new QWidget(area);
    frame->resize(area->size());
    frame->setAutoFillBackground(true);
    QImage image(area->size(), QImage::Format_RGB32);
    QPainter p(&image);
    const QColor bars[] = {Qt::white, Qt::yellow, Qt::cyan, Qt::green, Qt::magenta, Qt::red, Qt::blue};
    const int w = image.width() / 7 + 1;
    for (int i = 0; i < 7; ++i)
        p.fillRect(i * w, 0, w, image.height() * 2 / 3, bars[i].darker(115));
    p.fillRect(0, image.height() * 2 / 3, image.width(), image.height(), QColor(20, 20, 32));
    p.end();
    QPalette palette = frame->palette();
    palette.setBrush(QPalette::Window, QPixmap::fromImage(image));
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
