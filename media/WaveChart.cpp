#include "media/WaveChart.h"

#include "utils/Utils.h"

#include <QtEndian>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Media {

namespace {

bool Fail(QString *error, const QString &reason)
{
    if (error)
        *error = reason;
    return false;
}

int Scaled(int level, int yScale)
{
    return Utils::RoundHalfEven(level * yScale / 100.0);
}

} // namespace

bool CheckWaveHeader(const TWaveHeader &header, QString *error)
{
    if (header.Channels != 1 && header.Channels != 2)
        return Fail(error, u"%1 channels: only mono and stereo are drawn"_s.arg(header.Channels));
    if (header.BitsPerSample != 8 && header.BitsPerSample != 16)
        return Fail(error, u"%1 bits per sample: only 8 and 16 are drawn"_s.arg(header.BitsPerSample));
    if (header.BlockAlign <= 0)
        return Fail(error, u"the block align is 0"_s);
    return true;
}

TWaveChartData ReduceWave(const TWaveHeader &header, const QByteArray &samples, int width)
{
    TWaveChartData chart;
    width = std::clamp(width, 1, MaxChartColumns);
    const qint64 bytes = std::min<qint64>(header.DataSize, samples.size());
    const qint64 perColumnDivisor = qint64(header.Channels) * header.BlockAlign * width;
    const bool wide = header.BitsPerSample == 16;
    const qint64 perColumn = wide ? (qint64(header.DataSize) / 2) / perColumnDivisor * 2 * header.Channels
                                  : qint64(header.DataSize) / perColumnDivisor * header.Channels;
    const int sampleBytes = wide ? 2 : 1;
    const qint64 frameBytes = qint64(sampleBytes) * header.Channels;
    const auto *data = reinterpret_cast<const uchar *>(samples.constData());

    qint64 at = 0;
    for (int column = 1; column < width; ++column) {
        int high = 0;
        int low = wide ? 32768 : 255;
        for (qint64 f = 0; f < perColumn && at + sampleBytes <= bytes; ++f, at += frameBytes) {
            const int value = wide ? (int(qFromLittleEndian<quint16>(data + at)) - 32767) & 0xFFFF : data[at];
            high = std::max(high, value);
            low = std::min(low, value);
        }
        chart.Columns.append(wide ? TWaveLevels{high >> 8, low >> 8} : TWaveLevels{high, low});
    }

    const int groups = (width - 1) / ChartGroupColumns;
    for (int g = 0; g < groups; ++g) {
        int high = 0;
        int low = 0;
        for (int c = 0; c < ChartGroupColumns; ++c) {
            high += chart.Columns[g * ChartGroupColumns + c].Max;
            low += chart.Columns[g * ChartGroupColumns + c].Min;
        }
        chart.Groups.append({high / ChartGroupColumns, low / ChartGroupColumns});
    }
    return chart;
}

bool ReadWaveForChart(const QByteArray &image, TWaveHeader &header, QByteArray &samples, QString *error)
{
    if (image.size() < 44)
        return Fail(error, u"shorter than a WAV header"_s);
    const auto *bytes = reinterpret_cast<const uchar *>(image.constData());
    TWaveHeader read;
    read.Channels = qFromLittleEndian<quint16>(bytes + 22);
    read.BlockAlign = qFromLittleEndian<quint16>(bytes + 32);
    read.BitsPerSample = qFromLittleEndian<quint16>(bytes + 34);
    read.DataSize = qFromLittleEndian<quint32>(bytes + 40);
    if (image.mid(36, 4) != "data") {
        // Chunks before the samples: find them rather than draw the chunks as sound.
        TWaveData wave;
        if (!ParseWave(image, wave, error))
            return false;
        read = HeaderFor(wave.Format, wave.Samples.size());
        if (!CheckWaveHeader(read, error))
            return false;
        header = read;
        samples = wave.Samples;
        return true;
    }
    if (!CheckWaveHeader(read, error))
        return false;
    if (qint64(read.DataSize) > image.size() - 44)
        return Fail(error, u"the data size %1 runs past the end of the file"_s.arg(read.DataSize));
    header = read;
    samples = image.mid(44, read.DataSize);
    return true;
}

TWaveHeader HeaderFor(const TPcmFormat &format, qsizetype dataBytes)
{
    return {format.Channels, format.BlockAlign(), format.BitsPerSample, quint32(dataBytes)};
}

QList<QPoint> WaveLine(const TWaveChartData &chart, int margin, int yScale, int height)
{
    QList<QPoint> points{{margin + 1, height / 2}};
    for (int i = 1; i <= chart.Columns.size(); ++i) {
        const TWaveLevels &levels = chart.Columns[i - 1];
        points.append({i + margin + 1, Scaled(levels.Max, yScale)});
        points.append({i + margin + 1, Scaled(levels.Min, yScale)});
    }
    return points;
}

QList<QPoint> AverageCurve(const TWaveChartData &chart, int margin, int yScale, int height)
{
    QList<QPoint> points{{margin + 1, height / 2}};
    for (int g = 1; g <= chart.Groups.size(); ++g)
        points.append({(g - 1) * ChartGroupColumns + margin + 1, Scaled(chart.Groups[g - 1].Min, yScale)});
    return points;
}

} // namespace Media
