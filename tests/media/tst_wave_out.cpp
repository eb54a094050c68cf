// The ring of TWaveOut and the Ogg player on it, with recordings made by espeak-ng.

#include "FakeWaveDevice.h"
#include "MediaFixtures.h"
#include "media/OggPlayer.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TestWaveOut : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void ringRefillsInOrderAndEndsOnce();
    void dataEndingAtOnceStillReportsEnd();
    void deviceErrors_data();
    void deviceErrors();
    void setFormatWhilePlayingRefused();
    void oggBlocksAndFormat_data();
    void oggBlocksAndFormat();
    void oggRealTimeOnNullDevice();
    void oggPlayWhilePlayingRestarts();
    void oggUnplayableFiles_data();
    void oggUnplayableFiles();
    void hugeRatesAreRefused();
    void oggFailedDeviceReleasesEverything();
    void oggUnknownLengthIsZero();

private:
    // Installs the fake device for every new TWaveOut and returns its log.
    std::shared_ptr<FakeWaveLog> UseFakeDevice(bool automatic = true);

    QTemporaryDir m_dir;
};

std::shared_ptr<FakeWaveLog> TestWaveOut::UseFakeDevice(bool automatic)
{
    auto log = std::make_shared<FakeWaveLog>();
    log->Automatic = automatic;
    Media::SetWaveDeviceFactory([log] { return std::make_unique<FakeWaveDevice>(log); });
    return log;
}

void TestWaveOut::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(MediaFixtures::MakeSpeech(
        m_dir.path(), u"long"_s, u"Good morning. My name is Anna and I live in London with my family."_s));
    QVERIFY(MediaFixtures::MakeSpeech(m_dir.path(), u"short"_s, u"Hi."_s));
    QVERIFY(MediaFixtures::MakeTone(m_dir.path() + u"/tone.wav", 1.0));
    QVERIFY(MediaFixtures::Run(u"oggenc"_s,
                               {u"-Q"_s, m_dir.path() + u"/tone.wav", u"-o"_s, m_dir.path() + u"/tone.ogg"}));
}

void TestWaveOut::cleanup()
{
    Media::SetWaveDeviceFactory(nullptr);
}

void TestWaveOut::ringRefillsInOrderAndEndsOnce()
{
    auto log = std::make_shared<FakeWaveLog>();
    log->Automatic = false;
    auto owned = std::make_unique<FakeWaveDevice>(log);
    FakeWaveDevice *device = owned.get();
    TWaveOut wave(nullptr, std::move(owned));
    int blocksLeft = 6;
    QList<double> stamps;
    wave.OnData = [&](TWaveBuffer &buffer, qint64 capacity, double &timestamp) -> qint64 {
        timestamp = 6 - blocksLeft;
        stamps.append(timestamp);
        if (blocksLeft == 0)
            return 0;
        --blocksLeft;
        memset(buffer.Data, 0, size_t(capacity));
        return blocksLeft == 0 ? 1000 : capacity;
    };
    int done = 0;
    wave.OnDone = [&](TWaveOut *sender) {
        QCOMPARE(sender, &wave);
        ++done;
    };
    wave.Open();
    wave.Start();
    QCOMPARE(wave.WrittenCount(), 4);
    QCOMPARE(wave.InDeviceCount(), 4);
    QCOMPARE(wave.FreeCount(), 0);

    // Each finished block is refilled on this thread, in order.
    device->FinishOne();
    QCoreApplication::sendPostedEvents(&wave);
    QCOMPARE(wave.WrittenCount(), 5);
    QCOMPARE(wave.InDeviceCount(), 4);
    for (int i = 0; i < 8; ++i) {
        device->FinishOne();
        QCoreApplication::sendPostedEvents(&wave);
    }
    QCOMPARE(done, 1);
    QCOMPARE(wave.WrittenCount(), 6);
    QCOMPARE(wave.InDeviceCount(), 0);
    QCOMPARE(log->Written, (std::vector<qint64>{65536, 65536, 65536, 65536, 65536, 1000}));
    QCOMPARE(stamps.size(), 7); // six blocks and the call that ended the data
    QVERIFY(!wave.IsPlaying());
}

void TestWaveOut::dataEndingAtOnceStillReportsEnd()
{
    // An empty stream never reaches the device; its end must still be reported, or the
    // media window's queue would wait forever.
    auto log = UseFakeDevice();
    TWaveOut wave(nullptr);
    wave.OnData = [](TWaveBuffer &, qint64, double &) -> qint64 { return 0; };
    int done = 0;
    wave.OnDone = [&](TWaveOut *) { ++done; };
    wave.Open();
    wave.Start();
    QTRY_COMPARE(done, 1);
    QCOMPARE(wave.WrittenCount(), 0);
    QVERIFY(log->Written.empty());
}

void TestWaveOut::deviceErrors_data()
{
    QTest::addColumn<QString>("failing");
    QTest::addColumn<QString>("message");
    QTest::addRow("query")
        << u"query"_s << u"Wave format not supported (Mono; 22.1 KHz; 16 bits (352 kb/s) - waveOutOpen: no"_s;
    QTest::addRow("open") << u"open"_s << u"Unable to open wave device - waveOutOpen: no"_s;
    QTest::addRow("write") << u"write"_s << u"Cannot send wave buffer - waveOutWrite: no"_s;
    QTest::addRow("open twice") << u"twice"_s << u"WaveOut device already opened"_s;
}

void TestWaveOut::deviceErrors()
{
    QFETCH(QString, failing);
    QFETCH(QString, message);
    auto log = UseFakeDevice(false);
    if (failing == u"query")
        log->FailQuery = u"no"_s;
    else if (failing == u"open")
        log->FailOpen = u"no"_s;
    else if (failing == u"write")
        log->FailWrite = u"no"_s;
    TWaveOut wave(nullptr);
    wave.OnData = [](TWaveBuffer &, qint64 capacity, double &) { return capacity; };
    try {
        wave.SetFormat(false, 22050, 16);
        wave.Open();
        if (failing == u"twice")
            wave.Open();
        wave.Start();
        QFAIL("no EWaveOut raised");
    } catch (const EWaveOut &e) {
        QCOMPARE(e.Message(), message);
    }
    if (failing == u"open")
        QVERIFY(!wave.IsOpen());
    if (failing == u"write")
        QCOMPARE(wave.FreeCount(), 4); // the refused block went back
}

void TestWaveOut::setFormatWhilePlayingRefused()
{
    auto log = UseFakeDevice(false);
    TWaveOut wave(nullptr);
    wave.OnData = [](TWaveBuffer &, qint64 capacity, double &) { return capacity; };
    wave.Open();
    // Idle: the device is reopened with the new format.
    wave.SetFormat(false, 22050, 16);
    QCOMPARE(log->Opened.size(), size_t(2));
    QCOMPARE(log->Opened.back().BlockAlign(), 2);
    wave.Start();
    QVERIFY_THROWS_EXCEPTION(EWaveOut, wave.SetFormat(true, 44100, 16));
    QCOMPARE(wave.Format().Channels, 1);
}

void TestWaveOut::oggBlocksAndFormat_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("seconds");
    QTest::addRow("several blocks") << u"long"_s << 3;
    QTest::addRow("shorter than one block") << u"short"_s << 0;
}

void TestWaveOut::oggBlocksAndFormat()
{
    QFETCH(QString, file);
    auto log = UseFakeDevice();
    TOggPlayer player(nullptr);
    int done = 0;
    player.OnPlayingDone = [&] {
        QVERIFY(!player.IsPlaying()); // already stopped when told
        ++done;
    };
    QCOMPARE(player.Position(), 0);
    player.FileName = m_dir.filePath(file + u".ogg");
    QVERIFY(player.Play());
    QTEST(player.Length(), "seconds");
    QCOMPARE(log->Opened.size(), size_t(1));
    const Media::TPcmFormat format = log->Opened.front();
    QCOMPARE(format.Channels, 1);
    QCOMPARE(format.SampleRate, 22050);
    QCOMPARE(format.BlockAlign(), 2);
    QCOMPARE(format.AvgBytesPerSec(), 44100);
    QTRY_COMPARE(done, 1);
    QTest::qWait(50);
    QCOMPARE(done, 1);
    QCOMPARE(player.Position(), 0);
    QVERIFY(player.WaveOut() == nullptr);

    // Every block but the last is full, and together they hold the whole recording.
    QFile wav(m_dir.filePath(file + u".wav"));
    QVERIFY(wav.open(QIODevice::ReadOnly));
    const qint64 frames = (wav.size() - 44) / 2;
    qint64 total = 0;
    for (size_t i = 0; i < log->Written.size(); ++i) {
        if (i + 1 < log->Written.size())
            QCOMPARE(log->Written[i], 65536);
        total += log->Written[i];
    }
    QVERIFY(log->Written.back() < 65536);
    QVERIFY2(qAbs(total / 2 - frames) < 2048,
             qPrintable(QString::number(total / 2) + u" vs "_s + QString::number(frames)));
    if (file == u"short")
        QCOMPARE(log->Written.size(), size_t(1));
}

void TestWaveOut::oggRealTimeOnNullDevice()
{
    // With no sound card the null device still takes the stream's real time.
    Media::SetWaveDeviceFactory(nullptr);
    TOggPlayer player(nullptr);
    int done = 0;
    player.OnPlayingDone = [&] { ++done; };
    player.FileName = m_dir.filePath(u"tone.ogg"_s);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(player.Play());
    QCOMPARE(player.Length(), 1);
    QTest::qWait(400);
    QVERIFY(player.IsPlaying());
    QVERIFY(player.WaveOut()->Position() > 0.2);
    QTRY_COMPARE_WITH_TIMEOUT(done, 1, 5000);
    QVERIFY2(clock.elapsed() >= 950, qPrintable(QString::number(clock.elapsed())));
}

void TestWaveOut::oggPlayWhilePlayingRestarts()
{
    auto log = UseFakeDevice(false);
    TOggPlayer player(nullptr);
    int done = 0;
    player.OnPlayingDone = [&] { ++done; };
    player.FileName = m_dir.filePath(u"long.ogg"_s);
    QVERIFY(player.Play());
    QPointer<TWaveOut> first = player.WaveOut();
    QCOMPARE(player.Length(), 3);
    player.FileName = m_dir.filePath(u"short.ogg"_s);
    QVERIFY(player.Play());
    QCOMPARE(player.Length(), 0);
    QVERIFY(player.WaveOut() != first);
    QCOMPARE(player.WaveOut()->WrittenCount(), 1);
    QCOMPARE(log->Closed, 1);
    QTest::qWait(20);
    QVERIFY(first.isNull());
    QCOMPARE(done, 0); // a restart is not an end
}

void TestWaveOut::oggUnplayableFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addRow("empty name") << QString();
    QTest::addRow("missing") << u"nothing.ogg"_s;
    QTest::addRow("not vorbis") << u"long.wav"_s;
}

void TestWaveOut::oggUnplayableFiles()
{
    QFETCH(QString, name);
    auto log = UseFakeDevice();
    TOggPlayer player(nullptr);
    player.FileName = name.isEmpty() ? name : m_dir.filePath(name);
    QVERIFY(!player.Play());
    QVERIFY(!player.IsPlaying());
    QCOMPARE(player.Position(), 0);
    QVERIFY(log->Opened.empty());
}

namespace {

// An Ogg Vorbis file whose identification header names another sample rate, its page's
// checksum made again so that the decoder reads it.
QByteArray WithVorbisRate(QByteArray ogg, quint32 rate)
{
    const int segments = uchar(ogg[26]);
    const int body = 27 + segments;
    int length = body;
    for (int i = 0; i < segments; ++i)
        length += uchar(ogg[27 + i]);
    qToLittleEndian(rate, ogg.data() + body + 12); // packet type, "vorbis", version, channels
    qToLittleEndian(quint32(0), ogg.data() + 22);
    quint32 crc = 0;
    for (int i = 0; i < length; ++i) {
        crc ^= quint32(uchar(ogg[i])) << 24;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    qToLittleEndian(crc, ogg.data() + 22);
    return ogg;
}

} // namespace

// Rates read from a file are checked where they are read, and no format text overflows.
void TestWaveOut::hugeRatesAreRefused()
{
    auto log = UseFakeDevice();
    QFile original(m_dir.filePath(u"short.ogg"_s));
    QVERIFY(original.open(QIODevice::ReadOnly));
    const QByteArray ogg = original.readAll();
    for (const quint32 rate : {22050u, 1000000000u, 3000000000u}) {
        QFile patched(m_dir.filePath(u"rate.ogg"_s));
        QVERIFY(patched.open(QIODevice::WriteOnly | QIODevice::Truncate));
        patched.write(WithVorbisRate(ogg, rate));
        patched.close();
        TOggPlayer player(nullptr);
        player.FileName = patched.fileName();
        QCOMPARE(player.Play(), rate == 22050u); // the unchanged rate proves the patching
        player.Stop();
    }
    QCOMPARE(log->Opened.size(), size_t(1));

    log->FailQuery = u"no"_s;
    TWaveOut wave(nullptr);
    try {
        wave.SetFormat(true, 1000000000, 16);
        QFAIL("no EWaveOut raised");
    } catch (const EWaveOut &e) {
        QVERIFY2(e.Message().contains(u"(32000000 kb/s)"_s), qPrintable(e.Message()));
    }
}

void TestWaveOut::oggFailedDeviceReleasesEverything()
{
    auto log = UseFakeDevice();
    log->FailOpen = u"busy"_s;
    TOggPlayer player(nullptr);
    player.FileName = m_dir.filePath(u"long.ogg"_s);
    QVERIFY_THROWS_EXCEPTION(EWaveOut, player.Play());
    QVERIFY(!player.IsPlaying());
    QVERIFY(player.WaveOut() == nullptr);
    QCOMPARE(player.Length(), 0); // the decoder is gone too
    // And the device is usable again afterwards.
    log->FailOpen.clear();
    QVERIFY(player.Play());
}

void TestWaveOut::oggUnknownLengthIsZero()
{
    // A stream that cannot be sought (a pipe) has no known total.
    auto log = UseFakeDevice();
    const QByteArray fifo = QFile::encodeName(m_dir.filePath(u"pipe.ogg"_s));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    QProcess writer;
    writer.start(u"sh"_s, {u"-c"_s, u"cat \"$1\" > \"$2\""_s, u"sh"_s, m_dir.filePath(u"long.ogg"_s),
                           QString::fromLocal8Bit(fifo)});
    QVERIFY(writer.waitForStarted());
    TOggPlayer player(nullptr);
    int done = 0;
    player.OnPlayingDone = [&] { ++done; };
    player.FileName = QString::fromLocal8Bit(fifo);
    QVERIFY(player.Play());
    QCOMPARE(player.Length(), 0);
    QTRY_COMPARE(done, 1);
    // The writer may already have been reaped while the player ran.
    if (writer.state() != QProcess::NotRunning)
        QVERIFY(writer.waitForFinished());
}

QTEST_GUILESS_MAIN(TestWaveOut)
#include "tst_wave_out.moc"
