#pragma once
// 16-bit PCM WAV files as espeak-ng writes them, enough to join recordings with pauses.

#include <QByteArray>
#include <QString>

namespace CourseMedia {

struct PcmWave
{
    int sampleRate = 22050;
    int channels = 1;
    QByteArray samples; // 16-bit signed little-endian, interleaved

    void appendSilence(int ms);
    // Appends another wave of the same rate and channel count; false if they differ.
    bool append(const PcmWave &other);
    QByteArray toWav() const;
};

// Reads a RIFF/WAVE file of 16-bit PCM; false with a message for anything else.
bool ParseWav(const QByteArray &bytes, PcmWave &wave, QString &error);

} // namespace CourseMedia
