#include "media/WaveFile.h"

#include <QtEndian>

namespace Media {
namespace {
void PutU32(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void PutU16(QByteArray &out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

quint32 U32At(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint16 U16At(const QByteArray &data, qsizetype at)
{
    return qFromLittleEndian<quint16>(data.constData() + at);
}

bool Fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}
} // namespace

TPcmFormat RecordingFormat()
{
    return TPcmFormat{2, 44100, 16};
}

QByteArray WaveHeader(const TPcmFormat &format, quint32 dataBytes)
{
    QByteArray out;
    out.reserve(44);
    out.append("RIFF", 4);
    PutU32(out, 36 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    PutU32(out, 16);
    PutU16(out, 1); // PCM
    PutU16(out, quint16(format.Channels));
    PutU32(out, quint32(format.SampleRate));
    PutU32(out, quint32(format.AvgBytesPerSec()));
    PutU16(out, quint16(format.BlockAlign()));
    PutU16(out, quint16(format.BitsPerSample));
    out.append("data", 4);
    PutU32(out, dataBytes);
    return out;
}

bool ParseWave(const QByteArray &image, TWaveData &out, QString *error)
{
    if (image.size() < 12 || !image.startsWith("RIFF") || image.mid(8, 4) != "WAVE")
        return Fail(error, QStringLiteral("not a RIFF WAVE file"));
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= image.size()) {
        const QByteArray id = image.mid(at, 4);
        const qint64 size = U32At(image, at + 4);
        const qsizetype body = at + 8;
        const qint64 available = qMin<qint64>(size, image.size() - body);
        if (id == "fmt ") {
            if (available < 16)
                return Fail(error, QStringLiteral("format chunk too short"));
            if (U16At(image, body) != 1)
                return Fail(error, QStringLiteral("not PCM"));
            out.Format.Channels = U16At(image, body + 2);
            const qint64 rate = U32At(image, body + 4);
            out.Format.SampleRate = int(qBound<qint64>(0, rate, qint64(MaxSampleRate) + 1));
            out.Format.BitsPerSample = U16At(image, body + 14);
            if (out.Format.Channels < 1 || rate < MinSampleRate || rate > MaxSampleRate ||
                (out.Format.BitsPerSample != 8 && out.Format.BitsPerSample != 16))
                return Fail(error, QStringLiteral("unsupported PCM format"));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return Fail(error, QStringLiteral("data before format"));
            // A recording cut short may claim more than it holds: keep the whole frames.
            const qint64 frames = available / out.Format.BlockAlign();
            out.Samples = image.mid(body, frames * out.Format.BlockAlign());
            return true;
        }
        at = body + size + (size & 1);
    }
    return Fail(error, haveFormat ? QStringLiteral("no data chunk") : QStringLiteral("no format chunk"));
}

} // namespace Media
