#pragma once
// TWaveOut: a streaming front end to the sound output that knows nothing about Ogg.
// A ring of BufferCount blocks of BufferSize bytes is filled by OnData and handed to the
// device; the device reports each finished block from any thread by posting an event to
// this object, and the block is refilled here, on the thread that owns it (the GUI one).

#include "media/WaveFile.h"

#include <QObject>
#include <QString>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>

// Every fault of the sound output; the message is the text shown to the learner.
class EWaveOut : public std::runtime_error
{
public:
    explicit EWaveOut(const QString &message);
    QString Message() const { return QString::fromUtf8(what()); }
};

namespace Media {

// The platform's sound output in push mode. Blocks are played in the order written; for
// each finished block the device calls the done notifier once (possibly on another
// thread, which is why TWaveOut only posts an event from it).
class IWaveDevice
{
public:
    virtual ~IWaveDevice() = default;
    using DoneNotifier = std::function<void()>;

    // Empty when the format can be played, else the device's reason.
    virtual QString Query(const TPcmFormat &format) = 0;
    // Empty on success, else the device's reason.
    virtual QString Open(const TPcmFormat &format, DoneNotifier notifier) = 0;
    // Queues a block; the data stays valid until its done notification. Empty on success.
    virtual QString Write(const char *data, qint64 length) = 0;
    // Drops every queued block without notifying.
    virtual void Reset() = 0;
    virtual QString Close() = 0;
    // Frames played since the device was opened; false with a reason if unknown.
    virtual bool Position(qint64 &frames, QString &error) = 0;
};

using WaveDeviceFactory = std::function<std::unique_ptr<IWaveDevice>()>;

// The device every new TWaveOut uses: the null device until the program installs the
// system's (media/SystemMedia.h); tests install fakes.
std::unique_ptr<IWaveDevice> CreateWaveDevice();
void SetWaveDeviceFactory(WaveDeviceFactory factory);

// A device with no sound: consumes each block at the stream's real rate so that timing,
// completion and position behave as with a sound card.
std::unique_ptr<IWaveDevice> CreateNullWaveDevice();

} // namespace Media

// One block of the ring.
struct TWaveBuffer
{
    char *Data = nullptr;
    qint64 Capacity = 0;
    double Timestamp = 0; // stream time in seconds at which the block starts (set by OnData)
    qint64 Length = 0;    // bytes handed to the device
};

class TWaveOut : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TWaveOut)

public:
    // Fills buffer.Data with up to capacity bytes and sets timestamp; 0 ends the data.
    using DataCallback = std::function<qint64(TWaveBuffer &buffer, qint64 capacity, double &timestamp)>;
    using DoneCallback = std::function<void(TWaveOut *sender)>;

    explicit TWaveOut(QObject *parent,
                      std::unique_ptr<Media::IWaveDevice> device = Media::CreateWaveDevice());
    ~TWaveOut() override;

    // Raise EWaveOut as documented for each.
    void SetFormat(bool stereo, int sampleRate, int bits);
    void Open();
    void Close();
    void Start();
    double Position();

    DataCallback OnData;
    DoneCallback OnDone;

    const int BufferCount = 4;
    const qint64 BufferSize = 65536;

    int WrittenCount() const { return m_writtenCount; }
    int InDeviceCount() const { return m_inDeviceCount; }
    int FreeCount() const { return m_freeCount; }
    bool IsOpen() const { return m_isOpen; }
    bool IsPlaying() const { return m_isPlaying; }
    const Media::TPcmFormat &Format() const { return m_format; }
    // Bytes of each block written since the last start, in order (for tests and tools).
    const std::deque<qint64> &WrittenSizes() const { return m_writtenSizes; }

protected:
    bool event(QEvent *event) override;

private:
    void FillAndWrite();
    void BufferDone();

    std::unique_ptr<Media::IWaveDevice> m_device;
    std::deque<TWaveBuffer *> m_freeBuffers;
    std::deque<TWaveBuffer *> m_busyBuffers;
    std::deque<TWaveBuffer *> m_spentBuffers; // taken out by the end of the data
    std::deque<qint64> m_writtenSizes;
    Media::TPcmFormat m_format;
    int m_writtenCount = 0;
    int m_inDeviceCount = 0;
    int m_freeCount = 0;
    bool m_isOpen = false;
    bool m_isPlaying = false;
    quint64 m_generation = 0; // done events of an earlier opening are ignored
};
