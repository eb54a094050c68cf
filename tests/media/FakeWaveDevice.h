#pragma once
// A wave device for tests: records what it is given and finishes each block when told to
// (or at once, on the event loop, in automatic mode); any operation can be made to fail.

#include "media/AudioWaveOut.h"

#include <QTimer>

#include <deque>
#include <memory>
#include <vector>

struct FakeWaveLog
{
    std::vector<Media::TPcmFormat> Opened;
    std::vector<qint64> Written;
    int Closed = 0;
    QString FailQuery, FailOpen, FailWrite;
    bool Automatic = true;
};

class FakeWaveDevice final : public Media::IWaveDevice
{
public:
    explicit FakeWaveDevice(std::shared_ptr<FakeWaveLog> log) : m_log(std::move(log)) {}

    QString Query(const Media::TPcmFormat &) override { return m_log->FailQuery; }
    QString Open(const Media::TPcmFormat &format, DoneNotifier notifier) override
    {
        if (!m_log->FailOpen.isEmpty())
            return m_log->FailOpen;
        m_log->Opened.push_back(format);
        m_notifier = std::move(notifier);
        return {};
    }
    QString Write(const char *, qint64 length) override
    {
        if (!m_log->FailWrite.isEmpty())
            return m_log->FailWrite;
        m_log->Written.push_back(length);
        m_queued.push_back(length);
        if (m_log->Automatic)
            QTimer::singleShot(0, &m_context, [this] { FinishOne(); });
        return {};
    }
    void Reset() override { m_queued.clear(); }
    QString Close() override
    {
        ++m_log->Closed;
        m_notifier = nullptr;
        return {};
    }
    bool Position(qint64 &frames, QString &) override
    {
        frames = m_played;
        return true;
    }
    // Finishes the oldest queued block, as the device thread would.
    void FinishOne()
    {
        if (m_queued.empty() || !m_notifier)
            return;
        m_played += m_queued.front() / 2;
        m_queued.pop_front();
        m_notifier();
    }

private:
    std::shared_ptr<FakeWaveLog> m_log;
    DoneNotifier m_notifier;
    std::deque<qint64> m_queued;
    qint64 m_played = 0;
    QObject m_context;
};
