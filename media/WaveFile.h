#pragma once
// PCM WAVE files: the header of the learner's recordings and the reader of the short
// sounds (skin sounds, recordings played back by name).

#include <QByteArray>
#include <QString>

namespace Media {

struct TPcmFormat
{
    int Channels = 2;
    int SampleRate = 44100;
    int BitsPerSample = 16;

    int BlockAlign() const { return Channels * BitsPerSample / 8; }
    qint64 AvgBytesPerSec() const { return qint64(SampleRate) * BlockAlign(); }
    bool operator==(const TPcmFormat &) const = default;
};

// The format of every recording of the learner's voice: 16 bits, stereo, 44,100 Hz.
TPcmFormat RecordingFormat();

// The 44-byte RIFF/WAVE header of a PCM file holding dataBytes bytes of samples.
QByteArray WaveHeader(const TPcmFormat &format, quint32 dataBytes);

struct TWaveData
{
    TPcmFormat Format;
    QByteArray Samples; // the "data" chunk, cut to whole frames
};

// Sample rates a file may name; anything else is refused where it is read.
inline constexpr int MinSampleRate = 1000;
inline constexpr int MaxSampleRate = 768000;

// Reads a PCM RIFF/WAVE image (8 or 16 bits, any channel count, MinSampleRate to
// MaxSampleRate). Chunks other than "fmt " and "data" are skipped. False with a reason for
// anything else.
bool ParseWave(const QByteArray &image, TWaveData &out, QString *error = nullptr);

} // namespace Media
