// The sound module: every use of Qt Multimedia, built as a library of its own that the
// program loads when it first needs sound (media/SystemMedia.cpp). Qt Multimedia brings some
// twenty libraries with it (the sound server's client, codecs, network); loaded with the
// program, they would delay every start by more than the whole login screen takes.

#include "media/AudioWaveOut.h"
#include "media/MediaServices.h"
#include "media/SoundModuleApi.h"
#include "media/SoundService.h"
#include "media/WaveFile.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QAudioDevice>
#include <QAudioOutput>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QPointer>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>

#include <algorithm>
#include <deque>

namespace Media {
namespace {

bool HasSoundOutput();
bool HasMicrophone();

QAudioFormat ToQt(const TPcmFormat &format)
{
    QAudioFormat qt;
    qt.setChannelCount(format.Channels);
    qt.setSampleRate(format.SampleRate);
    qt.setSampleFormat(format.BitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    return qt;
}

// The sound card in push mode. Blocks wait here until the sink has room; a block counts
// as finished once the sink has processed all of its bytes.
class QtWaveDevice final : public IWaveDevice
{
public:
    QtWaveDevice()
    {
        m_pump.setInterval(10);
        m_pump.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_pump, &QTimer::timeout, &m_pump, [this] { Pump(); });
    }
    ~QtWaveDevice() override { Close(); }

    QString Query(const TPcmFormat &format) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return QStringLiteral("No sound output device.");
        if (!device.isFormatSupported(ToQt(format)))
            return QStringLiteral("The specified format is not supported.");
        return {};
    }

    QString Open(const TPcmFormat &format, DoneNotifier notifier) override
    {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return QStringLiteral("No sound output device.");
        m_format = format;
        m_notifier = std::move(notifier);
        m_sink = std::make_unique<QAudioSink>(device, ToQt(format));
        m_sink->setBufferSize(format.AvgBytesPerSec() / 4);
        m_io = m_sink->start();
        if (!m_io || m_sink->error() != QAudio::NoError) {
            m_sink.reset();
            m_io = nullptr;
            return QStringLiteral("The sound output could not be started.");
        }
        m_written = 0;
        m_pump.start();
        return {};
    }

    QString Write(const char *data, qint64 length) override
    {
        if (!m_sink)
            return QStringLiteral("The device is not open.");
        m_blocks.push_back({data, length, 0, m_queuedEnd + length});
        m_queuedEnd += length;
        Pump();
        return {};
    }

    void Reset() override
    {
        m_blocks.clear();
        if (m_sink)
            m_sink->reset();
    }

    QString Close() override
    {
        m_pump.stop();
        m_blocks.clear();
        m_notifier = nullptr;
        if (m_sink) {
            m_sink->stop();
            m_sink.reset();
        }
        m_io = nullptr;
        m_queuedEnd = 0;
        m_written = 0;
        return {};
    }

    bool Position(qint64 &frames, QString &error) override
    {
        if (!m_sink) {
            error = QStringLiteral("The device is not open.");
            return false;
        }
        frames = PlayedBytes() / m_format.BlockAlign();
        return true;
    }

private:
    struct Block
    {
        const char *Data;
        qint64 Length;
        qint64 Sent;
        qint64 End; // byte offset of the stream at which the block ends
    };

    qint64 PlayedBytes() const
    {
        const qint64 processed = m_sink->processedUSecs() * m_format.AvgBytesPerSec() / 1000000;
        return qMin(processed, m_written);
    }

    void Pump()
    {
        if (!m_sink || !m_io)
            return;
        for (Block &block : m_blocks) {
            if (block.Sent == block.Length)
                continue;
            const qint64 room = m_sink->bytesFree();
            if (room <= 0)
                break;
            const qint64 sent = m_io->write(block.Data + block.Sent, qMin(room, block.Length - block.Sent));
            if (sent <= 0)
                break;
            block.Sent += sent;
            m_written += sent;
            if (block.Sent < block.Length)
                break;
        }
        // When the whole stream is with the sink, its idle state means it has all played.
        const bool drained = m_sink->state() == QAudio::IdleState;
        while (!m_blocks.empty() && m_blocks.front().Sent == m_blocks.front().Length &&
               (m_blocks.front().End <= PlayedBytes() || (drained && m_blocks.size() == 1))) {
            m_blocks.pop_front();
            if (m_notifier)
                m_notifier();
        }
    }

    TPcmFormat m_format;
    DoneNotifier m_notifier;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_io = nullptr;
    std::deque<Block> m_blocks;
    qint64 m_queuedEnd = 0;
    qint64 m_written = 0;
    QTimer m_pump;
};

// Sound files and films through QMediaPlayer on the GStreamer backend.
class QtMediaPlayer final : public IMediaPlayer
{
public:
    explicit QtMediaPlayer(QWidget *owner) : m_player(new QMediaPlayer(owner))
    {
        if (HasSoundOutput()) {
            m_audio = new QAudioOutput(m_player);
            m_player->setAudioOutput(m_audio);
        }
        QObject::connect(m_player, &QMediaPlayer::mediaStatusChanged, m_player,
                         [this](QMediaPlayer::MediaStatus status) {
                             if (status == QMediaPlayer::EndOfMedia || status == QMediaPlayer::InvalidMedia)
                                 ReportEnd();
                         });
        // A file the backend neither loads nor rejects must not hold up the queue.
        m_watchdog.setSingleShot(true);
        m_watchdog.setInterval(10000);
        QObject::connect(&m_watchdog, &QTimer::timeout, m_player, [this] {
            const auto status = m_player->mediaStatus();
            if (status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::NoMedia ||
                status == QMediaPlayer::StalledMedia)
                ReportEnd();
        });
        QObject::connect(m_player, &QMediaPlayer::errorOccurred, m_player,
                         [this](QMediaPlayer::Error error, const QString &) {
                             if (error != QMediaPlayer::NoError)
                                 ReportEnd();
                         });
        QObject::connect(m_player, &QMediaPlayer::positionChanged, m_player, [this](qint64 position) {
            // The backend counts film positions from the stream's start offset (and its
            // duration of an mpg falls short): the first position of a playback is the
            // film's first frame, and the furthest one seen bounds its length.
            if (m_offset < 0 && m_player->playbackState() == QMediaPlayer::PlayingState)
                m_offset = m_fromStart ? position : 0;
            m_furthest = qMax(m_furthest, position);
        });
    }

    ~QtMediaPlayer() override
    {
        if (m_player) {
            m_player->disconnect();
            m_player->stop();
            delete m_player.data();
        }
    }

    void Open(const QString &path, QWidget *videoArea) override
    {
        if (!m_player)
            return;
        m_ended = false;
        m_offset = -1;
        m_furthest = 0;
        m_fromStart = videoArea != nullptr;
        if (videoArea) {
            if (!m_video || m_video->parentWidget() != videoArea) {
                delete m_video.data();
                m_video = new QVideoWidget(videoArea);
                auto *layout = videoArea->layout() ? videoArea->layout() : new QVBoxLayout(videoArea);
                layout->setContentsMargins(0, 0, 0, 0);
                layout->addWidget(m_video);
            }
            m_player->setVideoOutput(m_video.data());
            m_video->show();
        } else {
            m_player->setVideoOutput(nullptr);
        }
        m_player->setSource(QUrl::fromLocalFile(path));
        m_open = true;
    }

    void Play() override
    {
        if (!m_player)
            return;
        if (m_player->playbackState() != QMediaPlayer::PausedState)
            m_ended = false;
        if (!m_audio && !m_fromStart) {
            // A sound file with no sound device cannot play; the backend would only wait.
            ReportEnd();
            return;
        }
        m_player->play();
        m_watchdog.start();
    }
    void Pause() override
    {
        if (m_player)
            m_player->pause();
    }
    bool IsPaused() const override
    {
        return m_player && m_player->playbackState() == QMediaPlayer::PausedState;
    }
    void Stop() override
    {
        if (!m_player)
            return;
        m_watchdog.stop();
        m_player->stop();
        m_player->setPosition(0);
        m_offset = -1;
    }
    void Seek(qint64 ms) override
    {
        if (!m_player)
            return;
        m_ended = false;
        m_player->setPosition(ms + qMax<qint64>(0, m_offset));
    }
    qint64 Position() const override
    {
        if (!m_player)
            return 0;
        const qint64 raw = m_player->position();
        if (m_offset < 0 && raw > 0 && m_player->playbackState() == QMediaPlayer::PlayingState)
            m_offset = m_fromStart ? raw : 0;
        const qint64 position = raw - qMax<qint64>(0, m_offset);
        return qBound<qint64>(0, position, qMax<qint64>(0, Length()));
    }
    qint64 Length() const override
    {
        if (!m_player)
            return 0;
        const qint64 duration = qMax<qint64>(0, m_player->duration());
        return m_fromStart ? qMax(duration, m_furthest - qMax<qint64>(0, m_offset)) : duration;
    }
    bool IsOpen() const override { return m_open; }
    void Close() override
    {
        if (!m_player)
            return;
        m_player->stop();
        m_player->setSource(QUrl());
        m_open = false;
    }

private:
    void ReportEnd()
    {
        if (m_ended)
            return;
        m_ended = true;
        m_watchdog.stop();
        // Out of the backend's signal: the end may start the next file at once.
        QTimer::singleShot(0, m_player, [this] {
            if (OnEnded)
                OnEnded();
        });
    }

    QPointer<QMediaPlayer> m_player;
    QAudioOutput *m_audio = nullptr;
    QPointer<QVideoWidget> m_video;
    QTimer m_watchdog;
    mutable qint64 m_offset = -1; // found by the first position asked for or reported
    qint64 m_furthest = 0;
    bool m_fromStart = false;
    bool m_ended = false;
    bool m_open = false;
};

// The microphone into a file that appears only when the recording is saved.
class QtRecorder final : public IRecorder
{
public:
    ~QtRecorder() override { Stop(false); }

    bool Start(const QString &path, const TPcmFormat &format) override
    {
        Stop(false);
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull())
            return false;
        m_format = format;
        m_file = std::make_unique<QSaveFile>(path);
        if (!m_file->open(QIODevice::WriteOnly) || m_file->write(WaveHeader(format, 0)) != 44) {
            m_file->cancelWriting();
            m_file.reset();
            return false;
        }
        m_source = std::make_unique<QAudioSource>(device, ToQt(format));
        m_source->start(m_file.get());
        if (m_source->error() != QAudio::NoError) {
            m_source.reset();
            m_file->cancelWriting();
            m_file.reset();
            return false;
        }
        return true;
    }

    bool Stop(bool save) override
    {
        if (!m_file)
            return false;
        if (m_source) {
            m_source->stop();
            m_source.reset();
        }
        bool saved = false;
        if (save) {
            const qint64 data = m_file->pos() - 44;
            const qint64 frames = qMax<qint64>(0, data) / m_format.BlockAlign();
            // Whole frames only, and a header that tells exactly how many.
            saved = m_file->seek(0) &&
                    m_file->write(WaveHeader(m_format, quint32(frames * m_format.BlockAlign()))) == 44;
            if (saved && data != frames * m_format.BlockAlign())
                saved = m_file->resize(44 + frames * m_format.BlockAlign());
            saved = saved && m_file->commit();
        }
        if (!saved)
            m_file->cancelWriting();
        m_file.reset();
        return saved;
    }

    bool IsRecording() const override { return m_file != nullptr; }

private:
    TPcmFormat m_format;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QAudioSource> m_source;
};

// Short sounds: the WAV image goes straight to a sink; a new sound replaces the old one.
class QtSoundService final : public ISoundService
{
public:
    void PlayWave(const QByteArray &wavData) override
    {
        Stop();
        TWaveData wave;
        if (!ParseWave(wavData, wave) || wave.Samples.isEmpty() || !HasSoundOutput())
            return;
        m_buffer = std::make_unique<QBuffer>();
        m_buffer->setData(wave.Samples);
        m_buffer->open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), ToQt(wave.Format));
        m_sink->start(m_buffer.get());
    }

    void PlayWaveFile(const QString &path) override
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            Stop();
            return;
        }
        PlayWave(file.readAll());
    }

    void Stop() override
    {
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_buffer.reset();
    }

private:
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;
};

bool HasSoundOutput()
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

// One decoded buffer as 16-bit signed samples, whatever sample format the decoder chose.
void AppendAsInt16(const QAudioBuffer &buffer, QByteArray &out)
{
    const QAudioFormat format = buffer.format();
    const qsizetype count = buffer.sampleCount();
    const qsizetype at = out.size();
    out.resize(at + count * 2);
    auto *target = reinterpret_cast<qint16 *>(out.data() + at);
    for (qsizetype i = 0; i < count; ++i) {
        switch (format.sampleFormat()) {
        case QAudioFormat::UInt8:
            target[i] = qint16((int(buffer.constData<quint8>()[i]) - 128) << 8);
            break;
        case QAudioFormat::Int16:
            target[i] = buffer.constData<qint16>()[i];
            break;
        case QAudioFormat::Int32:
            target[i] = qint16(buffer.constData<qint32>()[i] >> 16);
            break;
        case QAudioFormat::Float:
            target[i] = qint16(std::clamp(buffer.constData<float>()[i], -1.0f, 1.0f) * 32767.0f);
            break;
        default:
            target[i] = 0;
            break;
        }
    }
}

// The whole file at once, waiting for the system's decoder (at most a minute: a picture of
// a recording is never worth more).
bool DecodeSound(const QString &path, TWaveData &out)
{
    QAudioDecoder decoder;
    // The system's decoder needs a whole format to convert to; without one it fails.
    QAudioFormat wanted;
    wanted.setSampleFormat(QAudioFormat::Int16);
    wanted.setChannelCount(2);
    wanted.setSampleRate(44100);
    decoder.setAudioFormat(wanted);
    decoder.setSource(QUrl::fromLocalFile(path));
    QByteArray samples;
    QAudioFormat got;
    bool failed = false;
    QEventLoop loop;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &loop, [&] {
        const QAudioBuffer buffer = decoder.read();
        if (!buffer.isValid())
            return;
        if (got.isValid() && buffer.format() != got)
            return; // a format change mid-file: keep the first
        got = buffer.format();
        AppendAsInt16(buffer, samples);
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &loop, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop, [&] {
        failed = true;
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, [&] {
        failed = true;
        loop.quit();
    });
    decoder.start();
    if (decoder.error() == QAudioDecoder::NoError)
        loop.exec();
    else
        failed = true;
    decoder.stop();
    if (failed || samples.isEmpty() || got.channelCount() < 1 || got.channelCount() > 2)
        return false;
    out.Format = TPcmFormat{got.channelCount(), got.sampleRate(), 16};
    out.Samples = samples.left(samples.size() / out.Format.BlockAlign() * out.Format.BlockAlign());
    return true;
}

bool HasMicrophone()
{
    return !QMediaDevices::defaultAudioInput().isNull();
}

} // namespace

} // namespace Media

extern "C" {

Q_DECL_EXPORT int AudivoxSoundModuleVersion()
{
    return Media::SoundModuleVersion;
}

Q_DECL_EXPORT bool AudivoxHasSoundOutput()
{
    return Media::HasSoundOutput();
}

Q_DECL_EXPORT bool AudivoxHasMicrophone()
{
    return Media::HasMicrophone();
}

Q_DECL_EXPORT Media::IWaveDevice *AudivoxCreateWaveDevice()
{
    return Media::HasSoundOutput() ? new Media::QtWaveDevice : nullptr;
}

Q_DECL_EXPORT Media::IMediaPlayer *AudivoxCreateMediaPlayer(QWidget *owner)
{
    return new Media::QtMediaPlayer(owner);
}

Q_DECL_EXPORT Media::IRecorder *AudivoxCreateRecorder()
{
    return new Media::QtRecorder;
}

Q_DECL_EXPORT Media::ISoundService *AudivoxCreateSoundService()
{
    return new Media::QtSoundService;
}

Q_DECL_EXPORT bool AudivoxDecodeSound(const QString &path, Media::TWaveData *out)
{
    return out && Media::DecodeSound(path, *out);
}

} // extern "C"
