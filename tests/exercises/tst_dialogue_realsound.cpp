// The dialogue presentation with real sound beside a PulseAudio server of the test's own
// (tests/media/with-pulse.sh): its null sink plays what the program plays and its monitor is
// the microphone. A line recorded with the microphone held while a tone plays is a PCM WAV of
// the time held, and the learner's recording icon plays it back to the sink.

#include "ExerciseFixture.h"
#include "tests/media/MediaFixtures.h"

#include "exercises/dialogues/uFrmDialogi_Prez.h"
#include "media/SystemMedia.h"
#include "media/WaveFile.h"
#include "media/uMedia.h"

#include <QElapsedTimer>
#include <QtEndian>

#include <cmath>

using namespace Qt::StringLiterals;
using namespace ExerciseTests;
using DialogueLayout::TPresentationZone;

namespace {

constexpr double ToneSeconds = 1.5;

struct Heard
{
    double Seconds = 0;     // of the whole recording
    double LoudSeconds = 0; // 20 ms windows louder than silence
};

Heard Listen(const QString &path)
{
    Heard heard;
    QFile file(path);
    Media::TWaveData wave;
    if (!file.open(QIODevice::ReadOnly) || !Media::ParseWave(file.readAll(), wave) ||
        wave.Format.BitsPerSample != 16)
        return heard;
    const qint64 frames = wave.Samples.size() / wave.Format.BlockAlign();
    heard.Seconds = double(frames) / wave.Format.SampleRate;
    const qint64 window = wave.Format.SampleRate / 50;
    const auto *samples = reinterpret_cast<const qint16 *>(wave.Samples.constData());
    qint64 loud = 0;
    for (qint64 start = 0; start + window <= frames; start += window) {
        double sum = 0;
        for (qint64 i = start; i < start + window; ++i) {
            const double s = qFromLittleEndian(samples[i * wave.Format.Channels]) / 32768.0;
            sum += s * s;
        }
        if (std::sqrt(sum / double(window)) > 0.05)
            loud += window;
    }
    heard.LoudSeconds = double(loud) / wave.Format.SampleRate;
    return heard;
}

QByteArray Describe(const Heard &heard)
{
    return u"%1 s long, loud for %2 s"_s.arg(heard.Seconds, 0, 'f', 2)
        .arg(heard.LoudSeconds, 0, 'f', 2)
        .toUtf8();
}

} // namespace

class DialogueRealSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("AUDIVOX_PULSE_SERVER"))
            QFAIL("The PulseAudio server of this test was not started: run it through "
                  "tests/media/with-pulse.sh");
        if (!Media::HasSoundOutput() || !Media::HasMicrophone())
            QFAIL("The PulseAudio server started, but Qt sees no sound output or no microphone on it");
        TExerciseFixture::LoadSkin();
    }

    void recordedLineIsAWaveOfTheTimeHeldAndPlaysBack()
    {
        TExerciseFixture world;
        const QString dialogi = world.dir.filePath(u"Media/Dialogi"_s);
        QVERIFY(QDir().mkpath(dialogi));
        QVERIFY(MediaFixtures::MakeTone(dialogi + u"/tone.wav"_s, ToneSeconds));
        QVERIFY(MediaFixtures::Run(u"lame"_s,
                                   {u"--quiet"_s, dialogi + u"/tone.wav"_s, dialogi + u"/line.mp3"_s}));
        Media::InstallSystemSound();
        TfrmMedia media;
        frmMedia = &media;

        const QByteArray file =
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>11</typ_cw>"
            "</config><body><polecenia/><kwestia id=\"1\" osoba=\"1\" sampel=\"line.wav\" "
            "visible=\"1\"><tresc>Say it after me.</tresc></kwestia></body></cwiczenie>";
        auto *screen =
            qobject_cast<TfrmDialogi_Prez *>(world.Open(11, world.WriteExercise(u"d.xml"_s, file, 11)));
        QVERIFY(screen);
        QWidget *area = screen->findChild<QWidget *>(u"Obszar"_s);

        // The microphone held while the speaker's line plays: the learner "repeats" it.
        QElapsedTimer held;
        QTest::mousePress(area, Qt::LeftButton, {}, screen->ZonePoint(0, TPresentationZone::Microphone));
        held.start();
        QVERIFY(media.IsRecording());
        QTest::qWait(300);
        int finished = 0;
        OnMediaFinished(&media, [&] { ++finished; });
        PlayMedia(world.dir.filePath(u"Media/Dialogi/line.mp3"_s), false);
        QTRY_COMPARE_WITH_TIMEOUT(finished, 1, 15000);
        QTest::qWait(300);
        QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(400, 400));
        const double heldSeconds = held.elapsed() / 1000.0;
        QVERIFY(screen->Lines()[0].HasOwnRecording);

        const QString recording = screen->LearnerFiles(0).Temporary;
        QVERIFY(recording.endsWith(u"/usr_line.mp3"_s)); // named as the line, holding a WAV
        QFile wav(recording);
        QVERIFY(wav.open(QIODevice::ReadOnly));
        Media::TWaveData wave;
        QVERIFY(Media::ParseWave(wav.readAll(), wave));
        QCOMPARE(wave.Format, Media::RecordingFormat());
        const Heard recorded = Listen(recording);
        QVERIFY2(recorded.Seconds > heldSeconds - 0.5 && recorded.Seconds <= heldSeconds + 0.1,
                 qPrintable(QString::fromUtf8(Describe(recorded)) + u", held %1 s"_s.arg(heldSeconds)));
        QVERIFY2(std::abs(recorded.LoudSeconds - ToneSeconds) < 0.4, Describe(recorded).constData());

        // Its icon plays it: the sink hears the tone again.
        auto listener = Media::CreateSystemRecorder();
        const QString heardPath = world.dir.filePath(u"heard.wav"_s);
        QVERIFY(listener->Start(heardPath, Media::RecordingFormat()));
        QTest::qWait(300);
        QTest::mouseClick(area, Qt::LeftButton, {}, screen->ZonePoint(0, TPresentationZone::OwnRecording));
        QTest::qWait(int(recorded.Seconds * 1000) + 800);
        QVERIFY(listener->Stop(true));
        const Heard playedBack = Listen(heardPath);
        QVERIFY2(std::abs(playedBack.LoudSeconds - recorded.LoudSeconds) < 0.4,
                 Describe(playedBack).constData());
        QCOMPARE(world.Errors, QStringList());

        screen->close();
        frmMedia = nullptr;
    }
};

QTEST_MAIN(DialogueRealSound)
#include "tst_dialogue_realsound.moc"
