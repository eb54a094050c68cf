// The voice analyser's charts without the dialog: WAV headers, the reduction of samples to
// chart columns, the average groups and the drawn points, on generated sound.

#include "media/OggDecode.h"
#include "media/WaveChart.h"
#include "media/WaveFile.h"
#include "tests/media/MediaFixtures.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Media;
using namespace Qt::StringLiterals;

namespace {

QByteArray Wave(const TPcmFormat &format, const QByteArray &samples)
{
    return WaveHeader(format, quint32(samples.size())) + samples;
}

QByteArray Words(const QList<qint16> &values)
{
    QByteArray out(values.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < values.size(); ++i)
        qToLittleEndian<qint16>(values[i], out.data() + 2 * i);
    return out;
}

TWaveChartData Read(const QByteArray &image, int width = 600)
{
    TWaveHeader header;
    QByteArray samples;
    QString error;
    if (!ReadWaveForChart(image, header, samples, &error))
        qWarning("%s", qPrintable(error));
    return ReduceWave(header, samples, width);
}

} // namespace

class TestWaveChart : public QObject
{
    Q_OBJECT

private slots:
    void eightBitMonoColumns();
    void sixteenBitUsesTheLeftChannel();
    void sixteenBitLevels_data();
    void sixteenBitLevels();
    void averageGroupsAndPoints();
    void refusedFiles_data();
    void refusedFiles();
    void chunksBeforeTheSamples();
    void decodedOggDrawsLikeItsWave();
};

void TestWaveChart::eightBitMonoColumns()
{
    // 60,000 bytes in 600 columns: 100 samples for each of columns 1..599, the last 100
    // ignored. Column c swings between 128 − c % 100 and 128 + c % 100; the ignored tail is
    // at full scale.
    QByteArray samples(60000, char(128));
    for (int c = 0; c < 599; ++c) {
        samples[c * 100 + 10] = char(128 + c % 100);
        samples[c * 100 + 60] = char(128 - c % 100);
    }
    samples[59950] = char(255);
    samples[59960] = char(0);
    const TWaveChartData chart = Read(Wave({1, 22050, 8}, samples));
    QCOMPARE(chart.Columns.size(), 599);
    for (int c = 0; c < 599; ++c)
        QCOMPARE(chart.Columns[c], (TWaveLevels{128 + c % 100, 128 - c % 100}));
}

void TestWaveChart::sixteenBitUsesTheLeftChannel()
{
    // One second of stereo: the right channel shouts, the left is silent.
    QList<qint16> frames;
    for (int i = 0; i < 44100; ++i)
        frames << 0 << qint16(i % 2 ? 30000 : -30000);
    const TWaveChartData chart = Read(Wave({2, 44100, 16}, Words(frames)));
    QCOMPARE(chart.Columns.size(), 599);
    for (const TWaveLevels &levels : chart.Columns)
        QCOMPARE(levels, (TWaveLevels{128, 128}));
}

void TestWaveChart::sixteenBitLevels_data()
{
    QTest::addColumn<QList<qint16>>("column"); // the samples of the first column, mono
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");

    QTest::addRow("silence") << QList<qint16>{0, 0} << 128 << 128;
    QTest::addRow("loud both ways") << QList<qint16>{32766, -32768} << 255 << 0;
    QTest::addRow("the top value wraps to 0") << QList<qint16>{32767, 0} << 128 << 0;
    QTest::addRow("quiet") << QList<qint16>{1000, -1000} << 131 << 124;
    QTest::addRow("minimum never above 128") << QList<qint16>{8000, 9000} << 163 << 128;
}

void TestWaveChart::sixteenBitLevels()
{
    QFETCH(QList<qint16>, column);
    // 10 columns of 2 frames each (mono: n = ⌊(B ÷ 2) / (1·2·10)⌋·2 = 2 with B = 40).
    QList<qint16> all = column;
    all.resize(20, 0);
    const TWaveChartData chart = Read(Wave({1, 8000, 16}, Words(all)), 10);
    QCOMPARE(chart.Columns.size(), 9);
    QTEST(chart.Columns[0].Max, "max");
    QTEST(chart.Columns[0].Min, "min");
    QCOMPARE(chart.Columns[1], (TWaveLevels{128, 128}));
}

void TestWaveChart::averageGroupsAndPoints()
{
    QByteArray samples(60000, char(128));
    for (int c = 0; c < 599; ++c)
        samples[c * 100] = char(c < 15 ? 128 + c : 200); // group 1 averages 128 + 7
    const TWaveChartData chart = Read(Wave({1, 22050, 8}, samples));
    QCOMPARE(chart.Groups.size(), 39);
    QCOMPARE(chart.Groups[0], (TWaveLevels{135, 128}));
    QCOMPARE(chart.Groups[38], (TWaveLevels{200, 128}));

    const QList<QPoint> line = WaveLine(chart, 0, 50, 128);
    QCOMPARE(line.size(), 1 + 2 * 599);
    QCOMPARE(line[0], QPoint(1, 64));
    QCOMPARE(line[1], QPoint(2, 64)); // 128 × 50 % on the middle line
    QCOMPARE(line[3], QPoint(3, 64)); // 129 × 0.5 = 64.5: halves to even
    QCOMPARE(line[5], QPoint(4, 65)); // 130 × 0.5
    QCOMPARE(line.last(), QPoint(600, 64));
    const QList<QPoint> curve = AverageCurve(chart, 0, 50, 128);
    QCOMPARE(curve.size(), 40);
    QCOMPARE(curve.first(), QPoint(1, 64));
    QCOMPARE(curve.last(), QPoint(571, 64));
    QCOMPARE(AverageCurve(chart, 5, 100, 128).last(), QPoint(576, 128));
}

void TestWaveChart::refusedFiles_data()
{
    QTest::addColumn<QByteArray>("image");
    const QByteArray second(2000, char(0));
    QByteArray alignZero = Wave({1, 8000, 16}, second);
    qToLittleEndian<quint16>(0, alignZero.data() + 32);
    QByteArray pastTheEnd = Wave({1, 8000, 16}, second);
    qToLittleEndian<quint32>(4000, pastTheEnd.data() + 40);

    QTest::addRow("short header") << Wave({1, 8000, 8}, {}).left(43);
    QTest::addRow("24 bits") << Wave({1, 8000, 24}, second);
    QTest::addRow("4 channels") << Wave({4, 8000, 16}, second);
    QTest::addRow("block align 0") << alignZero;
    QTest::addRow("data size past the end") << pastTheEnd;
    QTest::addRow("not a wave") << QByteArray(100, 'x');
}

void TestWaveChart::refusedFiles()
{
    QFETCH(QByteArray, image);
    TWaveHeader header;
    QByteArray samples;
    QString error;
    QVERIFY(!ReadWaveForChart(image, header, samples, &error));
    QVERIFY(!error.isEmpty());
}

void TestWaveChart::chunksBeforeTheSamples()
{
    // A LIST chunk between "fmt " and "data": the samples are found, not the chunk's bytes.
    const QByteArray samples(6000, char(200));
    QByteArray image = Wave({1, 8000, 8}, samples);
    QByteArray list("LIST\x04\0\0\0INFO", 12);
    image.insert(36, list);
    qToLittleEndian<quint32>(quint32(image.size() - 8), image.data() + 4);
    TWaveHeader header;
    QByteArray read;
    QVERIFY(ReadWaveForChart(image, header, read, nullptr));
    QCOMPARE(read, samples);
    QCOMPARE(ReduceWave(header, read, 600).Columns.first(), (TWaveLevels{200, 200}));
}

void TestWaveChart::decodedOggDrawsLikeItsWave()
{
    QTemporaryDir folder;
    if (!MediaFixtures::MakeSpeech(folder.path(), u"model"_s, u"I would like a cup of coffee, please."_s))
        QSKIP("espeak-ng or the encoders are not installed");
    TWaveData ogg;
    QString error;
    QVERIFY2(DecodeOggFile(folder.filePath(u"model.ogg"_s), ogg, &error), qPrintable(error));
    QFile wavFile(folder.filePath(u"model.wav"_s));
    QVERIFY(wavFile.open(QIODevice::ReadOnly));
    TWaveData wav;
    QVERIFY(ParseWave(wavFile.readAll(), wav));
    QCOMPARE(ogg.Format.Channels, wav.Format.Channels);
    QCOMPARE(ogg.Format.SampleRate, wav.Format.SampleRate);
    QVERIFY(qAbs(ogg.Samples.size() - wav.Samples.size()) < wav.Samples.size() / 20);

    // Speech is drawn where the wave file has it: the loud columns nearly coincide.
    auto loud = [](const TWaveData &data) {
        QList<bool> columns;
        for (const TWaveLevels &levels :
             ReduceWave(HeaderFor(data.Format, data.Samples.size()), data.Samples, 600).Columns)
            columns.append(levels.Max - levels.Min > 40);
        return columns;
    };
    const QList<bool> fromOgg = loud(ogg);
    const QList<bool> fromWav = loud(wav);
    QCOMPARE(fromOgg.size(), fromWav.size());
    int agree = 0;
    for (qsizetype i = 0; i < fromWav.size(); ++i)
        agree += fromOgg[i] == fromWav[i];
    QVERIFY2(agree > 0.9 * fromWav.size(), qPrintable(QString::number(agree)));
    QVERIFY(fromWav.count(true) > 100);

    QVERIFY(!DecodeOggFile(folder.filePath(u"model.wav"_s), ogg));
    QVERIFY(!DecodeOggFile(folder.filePath(u"none.ogg"_s), ogg));
}

QTEST_GUILESS_MAIN(TestWaveChart)
#include "tst_wave_chart.moc"
