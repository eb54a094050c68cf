#include "media/MediaServices.h"

#include "media/OggDecode.h"

#include <QFile>

#include <QFileInfo>
#include <QObject>
#include <QTimer>

namespace Media {
namespace {

// Without a media service every file "ends" at once, so queues and screens move on.
class SilentMediaPlayer final : public IMediaPlayer
{
public:
    void Open(const QString &path, QWidget *) override
    {
        m_open = QFileInfo::exists(path);
        m_paused = false;
    }
    void Play() override
    {
        m_paused = false;
        QTimer::singleShot(0, &m_context, [this] {
            if (OnEnded)
                OnEnded();
        });
    }
    void Pause() override { m_paused = true; }
    bool IsPaused() const override { return m_paused; }
    void Stop() override
    {
        m_paused = false;
        m_context.disconnect();
    }
    void Seek(qint64) override {}
    qint64 Position() const override { return 0; }
    qint64 Length() const override { return 0; }
    bool IsOpen() const override { return m_open; }
    void Close() override { m_open = false; }

private:
    QObject m_context;
    bool m_open = false;
    bool m_paused = false;
};

class NoRecorder final : public IRecorder
{
public:
    bool Start(const QString &, const TPcmFormat &) override { return false; }
    bool Stop(bool) override { return false; }
    bool IsRecording() const override { return false; }
};

MediaPlayerFactory &PlayerFactory()
{
    static MediaPlayerFactory factory;
    return factory;
}

RecorderFactory &RecordFactory()
{
    static RecorderFactory factory;
    return factory;
}

SoundDecoder &InstalledDecoder()
{
    static SoundDecoder decoder;
    return decoder;
}

} // namespace

std::unique_ptr<IMediaPlayer> CreateSilentMediaPlayer()
{
    return std::make_unique<SilentMediaPlayer>();
}

std::unique_ptr<IRecorder> CreateNoRecorder()
{
    return std::make_unique<NoRecorder>();
}

std::unique_ptr<IMediaPlayer> CreateMediaPlayer(QWidget *owner)
{
    if (PlayerFactory()) {
        if (auto player = PlayerFactory()(owner))
            return player;
    }
    return std::make_unique<SilentMediaPlayer>();
}

std::unique_ptr<IRecorder> CreateRecorder()
{
    if (RecordFactory()) {
        if (auto recorder = RecordFactory()())
            return recorder;
    }
    return std::make_unique<NoRecorder>();
}

void SetMediaPlayerFactory(MediaPlayerFactory factory)
{
    PlayerFactory() = std::move(factory);
}

void SetRecorderFactory(RecorderFactory factory)
{
    RecordFactory() = std::move(factory);
}

bool DecodeSoundFile(const QString &path, TWaveData &out, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo file(path);
    if (!file.exists())
        return fail(QStringLiteral("no such file"));
    const QString suffix = file.suffix().toLower();
    if (suffix == u"wav") {
        QFile wave(path);
        if (!wave.open(QIODevice::ReadOnly))
            return fail(wave.errorString());
        return ParseWave(wave.readAll(), out, error);
    }
    if (suffix == u"ogg")
        return DecodeOggFile(path, out, error);
    const QString twin = file.path() + u'/' + file.completeBaseName() + QStringLiteral(".ogg");
    if (QFileInfo::exists(twin) && DecodeOggFile(twin, out))
        return true;
    if (InstalledDecoder() && InstalledDecoder()(path, out))
        return true;
    return fail(QStringLiteral("the sound cannot be decoded"));
}

void SetSoundDecoder(SoundDecoder decoder)
{
    InstalledDecoder() = std::move(decoder);
}

} // namespace Media
