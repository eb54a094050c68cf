#pragma once
// The voice analyser's charts without their widget: a PCM recording reduced to one pair of
// levels (loudest, quietest; 0..255) per chart column, the averages of groups of 15
// columns, and the points the chart draws through.

#include "media/WaveFile.h"

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QString>

namespace Media {

// What the chart reads of a WAV header.
struct TWaveHeader
{
    int Channels = 0;
    int BlockAlign = 0;
    int BitsPerSample = 0;
    quint32 DataSize = 0; // bytes of samples
};

// Columns of the widest chart.
inline constexpr int MaxChartColumns = 1000;
// Columns averaged into one point of the average curve.
inline constexpr int ChartGroupColumns = 15;

struct TWaveLevels
{
    int Max = 0;
    int Min = 0;
    bool operator==(const TWaveLevels &) const = default;
};

struct TWaveChartData
{
    QList<TWaveLevels> Columns; // columns 1 .. width − 1, in order
    QList<TWaveLevels> Groups;  // averages of columns 15(g − 1) + 1 .. 15g
};

// The header of the recording: 1 or 2 channels of 8 or 16 bits with a block align; false
// with the reason for anything else.
bool CheckWaveHeader(const TWaveHeader &header, QString *error = nullptr);

// Reduces samples (header.DataSize bytes, whole data part) to width columns. A column
// takes the next n frames, n = ⌊B / (C·A·W)⌋·C for 8 bits and ⌊(B ÷ 2) / (C·A·W)⌋·2C for
// 16 bits, and looks at the first channel only; frames left at the end are ignored. 8-bit
// levels are the bytes (silence 128); a 16-bit word w counts as (w − 32767) mod 65536 and
// gives its high byte. The header must have passed CheckWaveHeader.
TWaveChartData ReduceWave(const TWaveHeader &header, const QByteArray &samples, int width);

// Reads a WAV file image for a chart. The canonical 44-byte header is read as written
// (channels at byte 22, block align at 32, bits at 34, data size at 40, samples from 44);
// a file whose samples do not start there is read by its chunks. Refused with a reason: a
// short header, a format the chart cannot draw, a block align of 0, a data size past the
// end of the file.
bool ReadWaveForChart(const QByteArray &image, TWaveHeader &header, QByteArray &samples,
                      QString *error = nullptr);

// The same for decoded sound (a recording decoded from mp3 or Ogg Vorbis).
TWaveHeader HeaderFor(const TPcmFormat &format, qsizetype dataBytes);

// The chart's blue line: from (margin + 1, height ÷ 2), for each column i a vertical stroke
// at x = i + margin + 1 from the scaled maximum to the scaled minimum.
QList<QPoint> WaveLine(const TWaveChartData &chart, int margin, int yScale, int height);
// The red average curve: from (margin + 1, height ÷ 2) through ((g − 1)·15 + margin + 1,
// scaled average minimum of group g).
QList<QPoint> AverageCurve(const TWaveChartData &chart, int margin, int yScale, int height);

} // namespace Media
