#pragma once
// TOggPlayer: plays an Ogg Vorbis file by decoding it with libvorbisfile block by block
// into the ring of a TWaveOut. No pause and no seeking.

#include "media/AudioWaveOut.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QFile;

class TOggPlayer : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TOggPlayer)

public:
    explicit TOggPlayer(QObject *owner);
    ~TOggPlayer() override;

    QString FileName;
    // Fired after the last block has been played, when the player has stopped itself.
    std::function<void()> OnPlayingDone;

    // Stops, then starts FileName. False for a missing, unreadable or non-Vorbis file;
    // EWaveOut from the sound output, after which nothing is left open.
    bool Play();
    void Stop();
    bool IsPlaying() const { return m_playing; }
    // Whole seconds played; 0 when not playing.
    int Position();
    // Whole seconds of the whole file; 0 when unknown (or not open).
    int Length();

    // The ring of the current playback (null when idle), for tests and diagnostics.
    TWaveOut *WaveOut() const { return m_waveOut; }

private:
    qint64 Fill(TWaveBuffer &buffer, qint64 capacity, double &timestamp);
    void PlaybackEnded();
    void Release();

    struct Decoder;
    Decoder *m_decoder = nullptr;
    QPointer<TWaveOut> m_waveOut;
    bool m_playing = false;
};
