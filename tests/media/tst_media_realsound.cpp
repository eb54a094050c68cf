// Real sound through a PulseAudio server of the test's own (with-pulse.sh): its null sink
// plays what the program plays, and its monitor is the microphone. An Ogg through the
// wave ring and an mp3 through the media window must be heard for as long as they last,
// and StartRecording must capture a file playing at the same time.

#include "MediaFixtures.h"
#include "media/OggPlayer.h"
#include "media/SystemMedia.h"
#include "media/WaveFile.h"
#include "media/uMedia.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr double ToneSeconds = 2.0;

struct Heard
{
    double LoudSeconds = 0; // all loud 20 ms windows together: a stall of the server adds none
    double LastLoud = 0;    // where the last loud window ends, from the recording's start
    double PeakRms = 0;
    double Seconds = 0; // of the whole recording
};

Heard Listen(const QString &path)
{
    Heard heard;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return heard;
    Media::TWaveData wave;
    if (!Media::ParseWave(file.readAll(), wave) || wave.Format.BitsPerSample != 16)
        return heard;
    const int channels = wave.Format.Channels;
    const qint64 frames = wave.Samples.size() / wave.Format.BlockAlign();
    heard.Seconds = double(frames) / wave.Format.SampleRate;
    const qint64 window = wave.Format.SampleRate / 50;
    const auto *samples = reinterpret_cast<const qint16 *>(wave.Samples.constData());
    qint64 loud = 0, last = -1;
    for (qint64 start = 0; start + window <= frames; start += window) {
        double sum = 0;
        for (qint64 i = start; i < start + window; ++i) {
            const double s = qFromLittleEndian(samples[i * channels]) / 32768.0;
            sum += s * s;
        }
        const double rms = std::sqrt(sum / double(window));
        heard.PeakRms = qMax(heard.PeakRms, rms);
        if (rms > 0.05) {
            loud += window;
            last = start + window;
        }
    }
    heard.LoudSeconds = double(loud) / wave.Format.SampleRate;
    if (last >= 0)
        heard.LastLoud = double(last) / wave.Format.SampleRate;
    return heard;
}

QByteArray Describe(const Heard &heard)
{
    return QStringLiteral("loud for %1 s of %2 s, last at %3 s, peak rms %4")
        .arg(heard.LoudSeconds, 0, 'f', 2)
        .arg(heard.Seconds, 0, 'f', 2)
        .arg(heard.LastLoud, 0, 'f', 2)
        .arg(heard.PeakRms, 0, 'f', 3)
        .toUtf8();
}
} // namespace

class TestMediaRealSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void oggThroughTheWaveRing();
    void mp3ThroughTheMediaWindow();
    void startRecordingWhileAFilePlays();

private:
    QString Teksty(const QString &name) const { return Utils::MediaRoot() + u"\\Media\\Teksty\\" + name; }
    QTemporaryDir m_dir;
    QStringList m_errors;
};

void TestMediaRealSound::initTestCase()
{
    if (qEnvironmentVariableIsEmpty("AUDIVOX_PULSE_SERVER"))
        QFAIL("The PulseAudio server of this test was not started: run it through tests/media/with-pulse.sh");
    if (!Media::HasSoundOutput() || !Media::HasMicrophone())
        QFAIL("The PulseAudio server started, but Qt sees no sound output or no microphone on it");
    QVERIFY(m_dir.isValid());
    const QString teksty = m_dir.filePath(u"Media/Teksty"_s);
    QVERIFY(QDir().mkpath(teksty));
    const QString wav = teksty + u"/tone.wav";
    QVERIFY(MediaFixtures::MakeTone(wav, ToneSeconds));
    QVERIFY(MediaFixtures::Run(u"oggenc"_s, {u"-Q"_s, wav, u"-o"_s, teksty + u"/tone.ogg"}));
    QVERIFY(MediaFixtures::Run(u"lame"_s, {u"--quiet"_s, wav, teksty + u"/tone.mp3"}));
    Utils::SetProgramFolder(m_dir.path());
    Utils::SetMediaRoot(m_dir.path());
    Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { m_errors << text; });
    Media::InstallSystemSound();
}

void TestMediaRealSound::cleanup()
{
    QCOMPARE(m_errors, QStringList());
    QTest::qWait(300); // let the sink fall silent between cases
}

void TestMediaRealSound::oggThroughTheWaveRing()
{
    auto recorder = Media::CreateSystemRecorder();
    const QString heardPath = m_dir.filePath(u"ogg-heard.wav"_s);
    QVERIFY(recorder->Start(heardPath, Media::RecordingFormat()));
    QTest::qWait(300);
    TOggPlayer player(nullptr);
    int done = 0;
    player.OnPlayingDone = [&] { ++done; };
    player.FileName = m_dir.filePath(u"Media/Teksty/tone.ogg"_s);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(player.Play());
    QTRY_COMPARE_WITH_TIMEOUT(done, 1, 10000);
    const qint64 playedMs = clock.elapsed();
    QTest::qWait(400);
    QVERIFY(recorder->Stop(true));
    const Heard heard = Listen(heardPath);
    QVERIFY2(qAbs(heard.LoudSeconds - ToneSeconds) < 0.35, Describe(heard).constData());
    // The end is reported once the sound has been heard to its end, and soon after it.
    // The recording started 300 ms before the clock.
    const double heardEndMs = (heard.LastLoud - 0.3) * 1000;
    QVERIFY2(playedMs > ToneSeconds * 1000 - 150 && playedMs > heardEndMs - 250 &&
                 playedMs < heardEndMs + 1000,
             qPrintable(QString::number(playedMs) + u" ms; " + QString::fromUtf8(Describe(heard))));
}

void TestMediaRealSound::mp3ThroughTheMediaWindow()
{
    auto recorder = Media::CreateSystemRecorder();
    const QString heardPath = m_dir.filePath(u"mp3-heard.wav"_s);
    QVERIFY(recorder->Start(heardPath, Media::RecordingFormat()));
    QTest::qWait(300);
    TfrmMedia window;
    frmMedia = &window;
    int finished = 0;
    OnMediaFinished(&window, [&] { ++finished; });
    PlayMedia(Teksty(u"tone.mp3"_s), false);
    QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 15000);
    QTest::qWait(400);
    QVERIFY(recorder->Stop(true));
    const Heard heard = Listen(heardPath);
    QVERIFY2(qAbs(heard.LoudSeconds - ToneSeconds) < 0.35, Describe(heard).constData());
}

void TestMediaRealSound::startRecordingWhileAFilePlays()
{
    TfrmMedia window;
    frmMedia = &window;
    const QString target = Utils::ProgramFolder() + u"\\mine.wav";
    const QString onDisk = m_dir.filePath(u"mine.wav"_s);
    int finished = 0;
    OnMediaFinished(&window, [&] {
        ++finished;
        StopRecording(true);
    });
    StartRecording(target);
    QTest::qWait(300);
    PlayMedia(Teksty(u"tone.ogg"_s), false);
    QVERIFY(!QFile::exists(onDisk)); // the file appears only when saved
    QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 10000);
    QVERIFY(QFile::exists(onDisk));

    QFile file(onDisk);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray image = file.readAll();
    const char *h = image.constData();
    QVERIFY(image.size() > 44);
    QCOMPARE(qFromLittleEndian<quint16>(h + 22), quint16(2));
    QCOMPARE(qFromLittleEndian<quint32>(h + 24), 44100u);
    QCOMPARE(qFromLittleEndian<quint32>(h + 28), 176400u);
    QCOMPARE(qFromLittleEndian<quint16>(h + 32), quint16(4));
    QCOMPARE(qFromLittleEndian<quint16>(h + 34), quint16(16));
    QCOMPARE(qFromLittleEndian<quint32>(h + 40), quint32(image.size() - 44));
    const Heard heard = Listen(onDisk);
    // The recording ends with the file's end, so a little of the tail may be cut off.
    QVERIFY2(heard.LoudSeconds > ToneSeconds - 0.5 && heard.LoudSeconds < ToneSeconds + 0.35,
             Describe(heard).constData());
    frmMedia = nullptr;
}

QTEST_MAIN(TestMediaRealSound)
#include "tst_media_realsound.moc"
