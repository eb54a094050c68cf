// The four skin sounds, synthesised: a welcome jingle, a soft chime for a right answer, a low
// buzz for a wrong one and a rising arpeggio for the result. 22,050 Hz, 16-bit mono PCM.
#include "Painter.h"

#include <QtEndian>

#include <cmath>
#include <vector>

namespace SkinPainter {

namespace {

constexpr int Rate = 22050;

double Note(int semitonesFromA4)
{
    return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0);
}

// A bell-like tone: a few harmonics that decay at their own pace.
void Bell(std::vector<double> &buffer, double start, double frequency, double length, double gain)
{
    const int from = int(start * Rate);
    const int count = int(length * Rate);
    if (buffer.size() < size_t(from + count))
        buffer.resize(from + count, 0.0);
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / Rate;
        const double attack = std::min(1.0, t / 0.006);
        const double v = std::sin(2 * M_PI * frequency * t) * std::exp(-t * 5.0) +
                         0.35 * std::sin(2 * M_PI * frequency * 2 * t) * std::exp(-t * 9.0) +
                         0.12 * std::sin(2 * M_PI * frequency * 3.01 * t) * std::exp(-t * 14.0);
        buffer[from + i] += gain * attack * v;
    }
}

QByteArray Wave(std::vector<double> buffer)
{
    // A short fade at the end so nothing clicks.
    const size_t fade = std::min<size_t>(buffer.size(), Rate / 50);
    for (size_t i = 0; i < fade; ++i)
        buffer[buffer.size() - 1 - i] *= double(i) / fade;
    double peak = 0;
    for (double v : buffer)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0 ? 0.7 / peak : 0;
    QByteArray data(int(buffer.size() * 2), Qt::Uninitialized);
    for (size_t i = 0; i < buffer.size(); ++i)
        qToLittleEndian<qint16>(qint16(std::lround(buffer[i] * scale * 32767)), data.data() + 2 * i);
    QByteArray wav;
    auto u32 = [&](quint32 v) {
        char b[4];
        qToLittleEndian(v, b);
        wav.append(b, 4);
    };
    auto u16 = [&](quint16 v) {
        char b[2];
        qToLittleEndian(v, b);
        wav.append(b, 2);
    };
    wav += "RIFF";
    u32(36 + data.size());
    wav += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(Rate);
    u32(Rate * 2);
    u16(2);
    u16(16);
    wav += "data";
    u32(data.size());
    wav += data;
    return wav;
}

} // namespace

void SynthesiseAll(Output &out)
{
    {
        // Welcome: C5 E5 G5, then a held C6 with its fifth.
        std::vector<double> b;
        const int notes[] = {3, 7, 10};
        for (int i = 0; i < 3; ++i)
            Bell(b, i * 0.11, Note(notes[i]), 0.5, 0.6);
        Bell(b, 0.33, Note(15), 0.9, 0.7);
        Bell(b, 0.33, Note(22), 0.9, 0.25);
        out.Sound(QStringLiteral("WAV_START"), Wave(b));
    }
    {
        // Right: two soft bells a fourth apart.
        std::vector<double> b;
        Bell(b, 0.0, Note(19), 0.5, 0.6);
        Bell(b, 0.08, Note(24), 0.6, 0.6);
        out.Sound(QStringLiteral("WAV_OK"), Wave(b));
    }
    {
        // Wrong: a low, rounded buzz that falls a little.
        std::vector<double> b(size_t(Rate * 0.38), 0.0);
        double phase = 0;
        for (size_t i = 0; i < b.size(); ++i) {
            const double t = double(i) / Rate;
            const double f = 150 - 30 * t;
            phase += 2 * M_PI * f / Rate;
            const double env = std::min(1.0, t / 0.01) * std::exp(-t * 3.0);
            double v = 0;
            for (int k = 1; k <= 7; k += 2)
                v += std::sin(k * phase) / k; // odd harmonics: a soft square
            b[i] = env * v;
        }
        out.Sound(QStringLiteral("WAV_ZLE"), Wave(b));
    }
    {
        // Result: a rising arpeggio C5 E5 G5 C6 E6.
        std::vector<double> b;
        const int notes[] = {3, 7, 10, 15, 19};
        for (int i = 0; i < 5; ++i)
            Bell(b, i * 0.085, Note(notes[i]), 0.7, i == 4 ? 0.7 : 0.5);
        out.Sound(QStringLiteral("WAV_WYNIK"), Wave(b));
    }
}

void PaintAll(Output &out)
{
    PaintDialogs(out);
    PaintButtons(out);
    PaintTitleBar(out);
    PaintFigures(out);
    PaintFrames(out);
    PaintGaugeAndNotebook(out);
    PaintHostPictures(out);
    PaintSelectionPictures(out);
    PaintSmallControls(out);
    PaintSentencePictures(out);
    PaintTiles(out);
    PaintDialoguePictures(out);
}

} // namespace SkinPainter
