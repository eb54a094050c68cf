#pragma once
// Short sounds played in the background: skin sounds and the learner's own recordings.
// The program uses Qt Multimedia; tests and machines without a sound device get a
// service that plays nothing and never blocks.

#include <QByteArray>
#include <QString>

namespace Media {

class ISoundService
{
public:
    virtual ~ISoundService() = default;
    // Plays a RIFF WAVE image asynchronously; a sound still playing is replaced.
    virtual void PlayWave(const QByteArray &wavData) = 0;
    // Plays a sound file by name asynchronously; a missing or undecodable file is silent.
    virtual void PlayWaveFile(const QString &path) = 0;
    virtual void Stop() = 0;
};

// The service in use. Until one is installed it is a silent one.
ISoundService &SoundService();
// Installs a service (not owned); nullptr restores the silent one.
void SetSoundService(ISoundService *service);

} // namespace Media
