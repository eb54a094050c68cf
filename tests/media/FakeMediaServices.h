#pragma once
// A media player and a recorder for window tests: they log what the window asks of them
// and end a file only when the test says so.

#include "media/MediaServices.h"

#include <QStringList>

#include <memory>

struct FakeMediaLog
{
    QStringList Calls;     // "open x.mp3", "play", "pause", "stop", "seek 4525", "close"
    qint64 Length = 10000; // what the player reports once a file is open
    qint64 Position = 0;
    bool Paused = false;
    std::function<void()> End; // ends the current file, as the backend would
};

class FakeMediaPlayer final : public Media::IMediaPlayer
{
public:
    explicit FakeMediaPlayer(std::shared_ptr<FakeMediaLog> log) : m_log(std::move(log))
    {
        m_log->End = [this] {
            if (OnEnded)
                OnEnded();
        };
    }
    ~FakeMediaPlayer() override { m_log->End = nullptr; }
    void Open(const QString &path, QWidget *videoArea) override
    {
        m_log->Calls << (QStringLiteral("open ") + path.section(u'/', -1) +
                         (videoArea ? QStringLiteral(" video") : QString()));
        m_open = true;
        m_log->Paused = false;
    }
    void Play() override
    {
        m_log->Calls << (m_log->Paused ? QStringLiteral("resume") : QStringLiteral("play"));
        m_log->Paused = false;
    }
    void Pause() override
    {
        m_log->Calls << QStringLiteral("pause");
        m_log->Paused = true;
    }
    bool IsPaused() const override { return m_log->Paused; }
    void Stop() override
    {
        m_log->Calls << QStringLiteral("stop");
        m_log->Paused = false;
    }
    void Seek(qint64 ms) override { m_log->Calls << (QStringLiteral("seek ") + QString::number(ms)); }
    qint64 Position() const override { return m_log->Position; }
    qint64 Length() const override { return m_open ? m_log->Length : 0; }
    bool IsOpen() const override { return m_open; }
    void Close() override
    {
        m_log->Calls << QStringLiteral("close");
        m_open = false;
    }

private:
    std::shared_ptr<FakeMediaLog> m_log;
    bool m_open = false;
};

class FakeRecorder final : public Media::IRecorder
{
public:
    explicit FakeRecorder(std::shared_ptr<QStringList> log) : m_log(std::move(log)) {}
    bool Start(const QString &path, const Media::TPcmFormat &format) override
    {
        *m_log << (QStringLiteral("start ") + path.section(u'/', -1) + u' ' +
                   QString::number(format.AvgBytesPerSec()));
        m_recording = true;
        return true;
    }
    bool Stop(bool save) override
    {
        *m_log << (save ? QStringLiteral("save") : QStringLiteral("drop"));
        m_recording = false;
        return save;
    }
    bool IsRecording() const override { return m_recording; }

private:
    std::shared_ptr<QStringList> m_log;
    bool m_recording = false;
};
