#include "media/AudioWaveOut.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include <cmath>

EWaveOut::EWaveOut(const QString &message) : std::runtime_error(message.toStdString())
{
}

namespace {
// The private message of a finished block (WM_USER + 1234 on the original platform).
const QEvent::Type BufferDoneEvent = QEvent::Type(QEvent::User + 1234);
// Posted by Start when the data ended before any block reached the device.
const QEvent::Type DrainedEvent = QEvent::Type(QEvent::User + 1235);

class TBufferDoneEvent final : public QEvent
{
public:
    TBufferDoneEvent(QEvent::Type type, quint64 generation) : QEvent(type), Generation(generation) {}
    const quint64 Generation;
};

QString FormatText(const Media::TPcmFormat &format)
{
    return QString::asprintf("%s; %.1f KHz; %d bits (%lld kb/s)", format.Channels == 2 ? "Stereo" : "Mono",
                             format.SampleRate / 1000.0, format.BitsPerSample,
                             qlonglong(format.AvgBytesPerSec() * 8 / 1000));
}
} // namespace

namespace Media {
namespace {

// Consumes blocks at the stream's rate on the owner's event loop.
class NullWaveDevice final : public IWaveDevice
{
public:
    NullWaveDevice()
    {
        m_timer.setSingleShot(true);
        m_timer.setTimerType(Qt::PreciseTimer);
        // The timer has no context object of its own; the device owns it.
        QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { BlockFinished(); });
    }

    QString Query(const TPcmFormat &format) override
    {
        if (format.Channels < 1 || format.Channels > 2 || format.SampleRate < 1000 ||
            format.SampleRate > 192000 || (format.BitsPerSample != 8 && format.BitsPerSample != 16))
            return QStringLiteral("The specified format is not supported.");
        return {};
    }

    QString Open(const TPcmFormat &format, DoneNotifier notifier) override
    {
        m_format = format;
        m_notifier = std::move(notifier);
        m_blocks.clear();
        m_playedFrames = 0;
        return {};
    }

    QString Write(const char *, qint64 length) override
    {
        m_blocks.push_back(length / m_format.BlockAlign());
        if (m_blocks.size() == 1)
            StartHead();
        return {};
    }

    void Reset() override
    {
        m_timer.stop();
        m_blocks.clear();
    }

    QString Close() override
    {
        Reset();
        m_notifier = nullptr;
        return {};
    }

    bool Position(qint64 &frames, QString &) override
    {
        frames = m_playedFrames;
        if (!m_blocks.empty())
            frames += qMin<qint64>(m_blocks.front(), m_clock.elapsed() * m_format.SampleRate / 1000);
        return true;
    }

private:
    void StartHead()
    {
        m_clock.start();
        const double ms = 1000.0 * double(m_blocks.front()) / m_format.SampleRate;
        m_timer.start(int(std::ceil(ms)));
    }

    void BlockFinished()
    {
        if (m_blocks.empty())
            return;
        m_playedFrames += m_blocks.front();
        m_blocks.pop_front();
        if (!m_blocks.empty())
            StartHead();
        if (m_notifier)
            m_notifier();
    }

    TPcmFormat m_format;
    DoneNotifier m_notifier;
    std::deque<qint64> m_blocks; // frames of each queued block
    qint64 m_playedFrames = 0;
    QElapsedTimer m_clock;
    QTimer m_timer;
};

WaveDeviceFactory &Factory()
{
    static WaveDeviceFactory factory;
    return factory;
}

} // namespace

std::unique_ptr<IWaveDevice> CreateNullWaveDevice()
{
    return std::make_unique<NullWaveDevice>();
}

std::unique_ptr<IWaveDevice> CreateWaveDevice()
{
    if (Factory()) {
        if (auto device = Factory()())
            return device;
    }
    return CreateNullWaveDevice();
}

void SetWaveDeviceFactory(WaveDeviceFactory factory)
{
    Factory() = std::move(factory);
}

} // namespace Media

TWaveOut::TWaveOut(QObject *parent, std::unique_ptr<Media::IWaveDevice> device)
    : QObject(parent), m_device(device ? std::move(device) : Media::CreateNullWaveDevice())
{
    for (int i = 0; i < BufferCount; ++i) {
        auto *buffer = new TWaveBuffer;
        buffer->Data = new char[size_t(BufferSize)];
        buffer->Capacity = BufferSize;
        m_freeBuffers.push_back(buffer);
    }
    m_freeCount = int(m_freeBuffers.size());
}

TWaveOut::~TWaveOut()
{
    try {
        Close();
    } catch (const EWaveOut &) {
        // Nothing more can be done about a device that will not close while going away.
    }
    for (auto *queue : {&m_freeBuffers, &m_busyBuffers, &m_spentBuffers}) {
        for (TWaveBuffer *buffer : *queue) {
            delete[] buffer->Data;
            delete buffer;
        }
        queue->clear();
    }
}

void TWaveOut::SetFormat(bool stereo, int sampleRate, int bits)
{
    Media::TPcmFormat format{stereo ? 2 : 1, sampleRate, bits};
    if (format == m_format)
        return;
    const QString refused = m_device->Query(format);
    if (!refused.isEmpty())
        throw EWaveOut(u"Wave format not supported (" + FormatText(format) + u" - waveOutOpen: " + refused);
    if (m_isOpen && m_isPlaying)
        throw EWaveOut(QStringLiteral("Cannot change waveOut device parameters while playing"));
    m_format = format;
    if (m_isOpen) {
        Close();
        Open();
    }
}

void TWaveOut::Open()
{
    if (m_isOpen)
        throw EWaveOut(QStringLiteral("WaveOut device already opened"));
    const quint64 generation = ++m_generation;
    const QString failed = m_device->Open(m_format, [this, generation] {
        QCoreApplication::postEvent(this, new TBufferDoneEvent(BufferDoneEvent, generation));
    });
    if (!failed.isEmpty())
        throw EWaveOut(u"Unable to open wave device - waveOutOpen: " + failed);
    m_isOpen = true;
}

void TWaveOut::Close()
{
    if (!m_isOpen)
        return;
    m_device->Reset();
    // The reset device reports nothing more: its blocks are free again.
    ++m_generation;
    while (!m_busyBuffers.empty()) {
        m_freeBuffers.push_back(m_busyBuffers.front());
        m_busyBuffers.pop_front();
    }
    m_inDeviceCount = 0;
    m_freeCount = int(m_freeBuffers.size());
    m_isPlaying = false;
    m_isOpen = false;
    const QString failed = m_device->Close();
    if (!failed.isEmpty())
        throw EWaveOut(u"Cannot close waveOut - waveOutClose: " + failed);
}

void TWaveOut::Start()
{
    if (!OnData)
        return;
    // Blocks spent by an earlier end of data serve again.
    for (TWaveBuffer *buffer : m_spentBuffers)
        m_freeBuffers.push_back(buffer);
    m_spentBuffers.clear();
    m_writtenCount = 0;
    m_inDeviceCount = 0;
    m_writtenSizes.clear();
    m_isPlaying = true;
    while (m_isPlaying && !m_freeBuffers.empty())
        FillAndWrite();
    // Data that ended before any block was written would otherwise never report its end.
    if (!m_isPlaying && m_busyBuffers.empty())
        QCoreApplication::postEvent(this, new TBufferDoneEvent(DrainedEvent, m_generation));
}

double TWaveOut::Position()
{
    if (!m_isOpen)
        return 0;
    qint64 frames = 0;
    QString error;
    if (!m_device->Position(frames, error))
        throw EWaveOut(u"Could not get position info - waveOutGetPosition: " + error);
    return double(frames) / m_format.SampleRate;
}

void TWaveOut::FillAndWrite()
{
    if (m_freeBuffers.empty())
        return;
    TWaveBuffer *buffer = m_freeBuffers.front();
    m_freeBuffers.pop_front();
    const qint64 filled = OnData(*buffer, buffer->Capacity, buffer->Timestamp);
    if (filled <= 0) {
        m_spentBuffers.push_back(buffer);
        m_freeCount = int(m_freeBuffers.size());
        m_isPlaying = false;
        return;
    }
    buffer->Length = qMin(filled, buffer->Capacity);
    if (!m_isOpen) {
        m_freeBuffers.push_front(buffer);
        m_freeCount = int(m_freeBuffers.size());
        throw EWaveOut(QStringLiteral("Cannot send wave buffer - waveOutPrepareHeader: device not open"));
    }
    const QString failed = m_device->Write(buffer->Data, buffer->Length);
    if (!failed.isEmpty()) {
        m_freeBuffers.push_front(buffer);
        m_freeCount = int(m_freeBuffers.size());
        throw EWaveOut(u"Cannot send wave buffer - waveOutWrite: " + failed);
    }
    m_busyBuffers.push_back(buffer);
    m_writtenSizes.push_back(buffer->Length);
    ++m_writtenCount;
    ++m_inDeviceCount;
    m_freeCount = int(m_freeBuffers.size());
}

void TWaveOut::BufferDone()
{
    if (!m_busyBuffers.empty()) {
        --m_inDeviceCount;
        m_freeBuffers.push_back(m_busyBuffers.front());
        m_busyBuffers.pop_front();
        m_freeCount = int(m_freeBuffers.size());
    }
    if (m_isPlaying) {
        try {
            FillAndWrite();
        } catch (const EWaveOut &) {
            // A block the device refuses ends the data: what is queued plays out and the
            // end is reported as usual, so the caller's queue moves on.
            m_isPlaying = false;
        }
        if (m_isPlaying || !m_busyBuffers.empty())
            return;
    }
    if (m_busyBuffers.empty() && OnDone)
        OnDone(this);
}

bool TWaveOut::event(QEvent *event)
{
    if (event->type() == BufferDoneEvent || event->type() == DrainedEvent) {
        const auto *done = static_cast<TBufferDoneEvent *>(event);
        if (done->Generation != m_generation)
            return true;
        if (event->type() == BufferDoneEvent) {
            BufferDone();
        } else if (!m_isPlaying && m_busyBuffers.empty() && OnDone) {
            OnDone(this);
        }
        return true;
    }
    return QObject::event(event);
}
