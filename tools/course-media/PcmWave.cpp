#include "PcmWave.h"

#include <QtEndian>

namespace CourseMedia {

namespace {

quint32 U32(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint32>(reinterpret_cast<const uchar *>(b.constData()) + at);
}
quint16 U16(const QByteArray &b, qsizetype at)
{
    return qFromLittleEndian<quint16>(reinterpret_cast<const uchar *>(b.constData()) + at);
}
void Put32(QByteArray &b, quint32 v)
{
    char raw[4];
    qToLittleEndian(v, raw);
    b.append(raw, 4);
}
void Put16(QByteArray &b, quint16 v)
{
    char raw[2];
    qToLittleEndian(v, raw);
    b.append(raw, 2);
}

} // namespace

void PcmWave::appendSilence(int ms)
{
    const qsizetype frames = qsizetype(sampleRate) * ms / 1000;
    samples.append(frames * channels * 2, '\0');
}

bool PcmWave::append(const PcmWave &other)
{
    if (other.sampleRate != sampleRate || other.channels != channels)
        return false;
    samples.append(other.samples);
    return true;
}

QByteArray PcmWave::toWav() const
{
    QByteArray out;
    out.reserve(44 + samples.size());
    out.append("RIFF", 4);
    Put32(out, quint32(36 + samples.size()));
    out.append("WAVEfmt ", 8);
    Put32(out, 16);
    Put16(out, 1);
    Put16(out, quint16(channels));
    Put32(out, quint32(sampleRate));
    Put32(out, quint32(sampleRate * channels * 2));
    Put16(out, quint16(channels * 2));
    Put16(out, 16);
    out.append("data", 4);
    Put32(out, quint32(samples.size()));
    out.append(samples);
    return out;
}

bool ParseWav(const QByteArray &bytes, PcmWave &wave, QString &error)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        error = QStringLiteral("not a WAVE file");
        return false;
    }
    bool haveFormat = false;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        // espeak-ng writing to a pipe leaves the sizes at 0x7ffff...; take what is there.
        const qsizetype size = qMin<qsizetype>(U32(bytes, at + 4), bytes.size() - at - 8);
        const qsizetype body = at + 8;
        if (id == "fmt ") {
            if (size < 16 || U16(bytes, body) != 1 || U16(bytes, body + 14) != 16) {
                error = QStringLiteral("only 16-bit PCM is supported");
                return false;
            }
            wave.channels = U16(bytes, body + 2);
            wave.sampleRate = int(U32(bytes, body + 4));
            haveFormat = wave.channels > 0 && wave.sampleRate > 0;
        } else if (id == "data") {
            if (!haveFormat)
                break;
            wave.samples = bytes.mid(body, size - size % (2 * wave.channels));
            return true;
        }
        at = body + size + (size & 1);
    }
    error = QStringLiteral("no sound data");
    return false;
}

} // namespace CourseMedia
