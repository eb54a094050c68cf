#pragma once
// A microphone for tests and gallery pages: each recording it saves is a WAV file of a
// fixed length and a fixed sample byte, in the format the program asked for.

#include "media/MediaServices.h"
#include "media/WaveFile.h"

#include <QFile>

#include <utility>

namespace MediaFixtures {

class TPcmRecorder final : public Media::IRecorder
{
public:
    // Each recording lasts 1 / partsOfSecond s and every byte of its samples is sample.
    explicit TPcmRecorder(int partsOfSecond, char sample) : m_parts(partsOfSecond), m_sample(sample) {}

    bool Start(const QString &path, const Media::TPcmFormat &format) override
    {
        m_path = path;
        m_format = format;
        return true;
    }
    bool Stop(bool save) override
    {
        const QString path = std::exchange(m_path, QString());
        if (!save || path.isEmpty())
            return false;
        const QByteArray samples(m_format.AvgBytesPerSec() / m_parts, m_sample);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) &&
               file.write(Media::WaveHeader(m_format, quint32(samples.size())) + samples) > 0;
    }
    bool IsRecording() const override { return !m_path.isEmpty(); }

private:
    int m_parts;
    char m_sample;
    QString m_path;
    Media::TPcmFormat m_format;
};

} // namespace MediaFixtures
