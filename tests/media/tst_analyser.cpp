// The voice analyser with the media window's fake player and a recorder that writes a
// generated WAV file: the model chart, recording the learner, both charts, the average
// curve, the playback marker and what closing leaves behind.

#include "FakeMediaServices.h"
#include "MediaFixtures.h"
#include "media/MediaServices.h"
#include "media/SystemMedia.h"
#include "media/WaveFile.h"
#include "media/WaveImage.h"
#include "media/uFrmAnalizator.h"
#include "media/uMedia.h"
#include "skin/VelCheckBox.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// A sine of seconds at 44,100 Hz, 16 bits stereo, as the recorder writes.
QByteArray Tone(double seconds, double amplitude)
{
    const Media::TPcmFormat format = Media::RecordingFormat();
    const int frames = int(seconds * format.SampleRate);
    QByteArray samples(frames * format.BlockAlign(), Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const auto value = qint16(amplitude * 32000 * std::sin(i * 2 * M_PI * 220 / format.SampleRate));
        qToLittleEndian(value, samples.data() + 4 * i);
        qToLittleEndian(value, samples.data() + 4 * i + 2);
    }
    return Media::WaveHeader(format, quint32(samples.size())) + samples;
}

// Records "the learner": each saved recording is a louder tone than the one before.
class WritingRecorder final : public Media::IRecorder
{
public:
    explicit WritingRecorder(std::shared_ptr<QStringList> log) : m_log(std::move(log)) {}
    bool Start(const QString &path, const Media::TPcmFormat &) override
    {
        *m_log << u"start "_s + QFileInfo(path).fileName();
        m_path = path;
        m_recording = true;
        return true;
    }
    bool Stop(bool save) override
    {
        *m_log << (save ? u"save"_s : u"drop"_s);
        m_recording = false;
        if (!save)
            return false;
        QSaveFile file(m_path);
        return file.open(QIODevice::WriteOnly) && file.write(Tone(1.0, 0.3 * m_log->count(u"save"_s))) > 0 &&
               file.commit();
    }
    bool IsRecording() const override { return m_recording; }

private:
    std::shared_ptr<QStringList> m_log;
    QString m_path;
    bool m_recording = false;
};

int BluePixels(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += picture.pixelColor(x, y) == QColor(Qt::blue);
    return count;
}

bool HasRed(const QImage &picture)
{
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y).red() > 200 && picture.pixelColor(x, y).green() < 80)
                return true;
    return false;
}

} // namespace

class TestAnalyser : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recordsAndDrawsBothCharts();
    void markerFollowsPlayback();
    void closingWhileRecordingDropsIt();
    void missingOrUndrawableModel_data();
    void missingOrUndrawableModel();
    void mp3ModelIsDrawnFromItsTwin();
    void openingGoesThroughTheHook();
    void systemDecoderReadsMp3();

private:
    QString Zdania(const QString &name) const { return m_dir.filePath(u"Media/Zdania/"_s + name); }

    QTemporaryDir m_dir;
    std::shared_ptr<FakeMediaLog> m_player;
    std::shared_ptr<QStringList> m_recorder;
    std::unique_ptr<TfrmMedia> m_window;
    QStringList m_errors;
};

void TestAnalyser::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(m_dir.filePath(u"Media/Zdania"_s)));
    QVERIFY(QDir().mkpath(m_dir.filePath(u"Users/7_Media_temp"_s)));
    QFile model(Zdania(u"model.wav"_s));
    QVERIFY(model.open(QIODevice::WriteOnly));
    model.write(Tone(2.0, 0.8));
    model.close();
    Utils::SetProgramFolder(m_dir.path());
    Utils::SetMediaRoot(m_dir.path());
    Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { m_errors << text; });
    const QString program = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR");
    if (QFileInfo::exists(program + u"/resource.rcc"_s))
        LoadSkinLibrary(program + u"/resource.rcc"_s);
}

void TestAnalyser::init()
{
    m_player = std::make_shared<FakeMediaLog>();
    m_recorder = std::make_shared<QStringList>();
    m_errors.clear();
    Media::SetMediaPlayerFactory(
        [log = m_player](QWidget *) { return std::make_unique<FakeMediaPlayer>(log); });
    Media::SetRecorderFactory([log = m_recorder] { return std::make_unique<WritingRecorder>(log); });
    m_window = std::make_unique<TfrmMedia>();
    frmMedia = m_window.get();
}

void TestAnalyser::cleanup()
{
    m_window.reset();
    Media::SetMediaPlayerFactory(nullptr);
    Media::SetRecorderFactory(nullptr);
    SetVoiceAnalyserHook(nullptr);
}

void TestAnalyser::recordsAndDrawsBothCharts()
{
    TfrmAnalizator dialog(Zdania(u"model.wav"_s), 7);
    QCOMPARE(dialog.size(), QSize(698, 371));
    dialog.show();
    QVERIFY(dialog.StartTimer->isActive());
    QCOMPARE(dialog.StartTimer->interval(), 300);
    dialog.StartTimer->stop();
    dialog.StartTimerTimer();
    QVERIFY(dialog.Analizator1->IsLoaded());
    QCOMPARE(dialog.Analizator1->Chart().Columns.size(), 599);
    QVERIFY(!dialog.Analizator2->IsLoaded());
    QVERIFY(BluePixels(dialog.Analizator1->Picture()) > 1000);
    QCOMPARE(BluePixels(dialog.Analizator2->Picture()), 0);

    // The learner's own button does nothing before there is a recording.
    QTest::mouseClick(dialog.btnMedia2, Qt::LeftButton);
    QVERIFY(m_player->Calls.isEmpty());

    const QString recording = m_dir.filePath(u"Users/7_Media_temp/analiz_tmp.wav"_s);
    QCOMPARE(QFileInfo(dialog.RecordingPath()).absoluteFilePath(), QFileInfo(recording).absoluteFilePath());
    QTest::mouseClick(dialog.btnRecord, Qt::LeftButton);
    QCOMPARE(dialog.btnRecord->Tag(), 1);
    QVERIFY(m_window->IsRecording());
    QTest::mouseClick(dialog.btnRecord, Qt::LeftButton);
    QCOMPARE(dialog.btnRecord->Tag(), 0);
    QCOMPARE(*m_recorder, (QStringList{u"start analiz_tmp.wav"_s, u"save"_s}));
    QVERIFY(QFileInfo::exists(recording));
    QVERIFY(dialog.Analizator2->IsLoaded());
    const int quiet = BluePixels(dialog.Analizator2->Picture());
    QVERIFY(quiet > 500);
    QCOMPARE(dialog.LearnerFile(), dialog.RecordingPath());

    // A second recording replaces the first: louder, so the chart grows.
    QTest::mouseClick(dialog.btnRecord, Qt::LeftButton);
    QTest::mouseClick(dialog.btnRecord, Qt::LeftButton);
    QVERIFY(BluePixels(dialog.Analizator2->Picture()) > quiet);

    QVERIFY(!HasRed(dialog.Analizator1->Picture()));
    QTest::mouseClick(dialog.chSrednia, Qt::LeftButton);
    QVERIFY(dialog.Analizator1->Krzywa() && dialog.Analizator2->Krzywa());
    QVERIFY(HasRed(dialog.Analizator1->Picture()));
    QVERIFY(HasRed(dialog.Analizator2->Picture()));

    QTest::mouseClick(dialog.btnMedia2, Qt::LeftButton);
    QCOMPARE(m_player->Calls.first(), u"open analiz_tmp.wav"_s);
    QCOMPARE(dialog.Wsk->pos(), QPoint(16, 231));

    dialog.reject();
    QVERIFY(!QFileInfo::exists(recording));
    QVERIFY(!m_window->IsPlaying());
    QVERIFY(m_errors.isEmpty());
}

void TestAnalyser::markerFollowsPlayback()
{
    TfrmAnalizator dialog(Zdania(u"model.wav"_s), 7);
    dialog.show();
    QTest::mouseClick(dialog.btnMedia1, Qt::LeftButton);
    QCOMPARE(m_player->Calls, (QStringList{u"open model.wav"_s, u"play"_s}));
    QVERIFY(dialog.PositionTimer->isActive());
    QCOMPARE(dialog.Wsk->geometry(), QRect(16, 72, 2, 128));

    m_player->Position = 5000;
    dialog.PositionTimerTimer();
    QCOMPARE(dialog.Wsk->x(), 16 + 299); // half of 600 − 2
    m_player->Position = 2500;
    dialog.PositionTimerTimer();
    QCOMPARE(dialog.Wsk->x(), 16 + 150); // 149.5 halves to even
    m_player->Position = 10000;
    dialog.PositionTimerTimer();
    QCOMPARE(dialog.Wsk->x(), 16 + 598);
    QVERIFY(!dialog.PositionTimer->isActive());

    // A file whose length is not known yet moves nothing.
    QTest::mouseClick(dialog.btnMedia1, Qt::LeftButton);
    m_player->Length = 0;
    m_player->Position = 700;
    dialog.PositionTimerTimer();
    QCOMPARE(dialog.Wsk->x(), 16);
    QVERIFY(dialog.PositionTimer->isActive());
}

void TestAnalyser::closingWhileRecordingDropsIt()
{
    const QString recording = TfrmAnalizator::LearnerRecordingPath(7);
    {
        QFile old(recording);
        QVERIFY(old.open(QIODevice::WriteOnly)); // left by an earlier run
    }
    TfrmAnalizator dialog(Zdania(u"model.wav"_s), 7);
    dialog.show();
    QTest::mouseClick(dialog.btnRecord, Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(*m_recorder, (QStringList{u"start analiz_tmp.wav"_s, u"drop"_s}));
    QVERIFY(!m_window->IsRecording());
    QVERIFY(!QFileInfo::exists(recording));
}

void TestAnalyser::missingOrUndrawableModel_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QByteArray pastTheEnd = Tone(0.1, 0.5);
    qToLittleEndian<quint32>(quint32(pastTheEnd.size() * 2), pastTheEnd.data() + 40);
    QTest::addRow("missing") << u"none.wav"_s << QByteArray();
    QTest::addRow("not a sound") << u"text.wav"_s
                                 << QByteArray("hello, this is no wave at all, not even close to it");
    QTest::addRow("data size past the end") << u"cut.wav"_s << pastTheEnd;
    QTest::addRow("mp3 nobody can decode") << u"noise.mp3"_s << QByteArray("ID3 not really");
}

void TestAnalyser::missingOrUndrawableModel()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    if (!content.isEmpty()) {
        QFile file(Zdania(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    TfrmAnalizator dialog(Zdania(name), 7);
    dialog.show();
    dialog.StartTimerTimer();
    QVERIFY(!dialog.Analizator1->IsLoaded());
    QCOMPARE(BluePixels(dialog.Analizator1->Picture()), 0);
    QVERIFY(m_errors.isEmpty());
}

void TestAnalyser::mp3ModelIsDrawnFromItsTwin()
{
    if (!MediaFixtures::MakeSpeech(m_dir.filePath(u"Media/Zdania"_s), u"spoken"_s,
                                   u"Can I try it on, please?"_s))
        QSKIP("espeak-ng or the encoders are not installed");
    TfrmAnalizator dialog(Zdania(u"spoken.mp3"_s), 7);
    dialog.show();
    dialog.StartTimerTimer();
    QVERIFY(dialog.Analizator1->IsLoaded());
    QVERIFY(BluePixels(dialog.Analizator1->Picture()) > 500);

    // Without the twin the installed decoder is asked.
    QVERIFY(QFile::remove(Zdania(u"spoken.ogg"_s)));
    QStringList asked;
    Media::SetSoundDecoder([&asked](const QString &path, Media::TWaveData &out) {
        asked << QFileInfo(path).fileName();
        out.Format = {1, 22050, 16};
        out.Samples = QByteArray(44100, char(0));
        return true;
    });
    TfrmAnalizator again(Zdania(u"spoken.mp3"_s), 7);
    again.show();
    again.StartTimerTimer();
    Media::SetSoundDecoder(nullptr);
    QCOMPARE(asked, QStringList{u"spoken.mp3"_s});
    QVERIFY(again.Analizator1->IsLoaded());
}

void TestAnalyser::openingGoesThroughTheHook()
{
    QStringList opened;
    SetVoiceAnalyserHook([&opened](const QString &model, int id) {
        opened << QFileInfo(model).fileName() + u' ' + QString::number(id);
    });
    OpenVoiceAnalyser(Zdania(u"model.wav"_s), 3);
    QCOMPARE(opened, QStringList{u"model.wav 3"_s});
}

void TestAnalyser::systemDecoderReadsMp3()
{
    // The sound module's decoder, as the program installs it, for an mp3 without a twin.
    const QString folder = m_dir.filePath(u"Media/Zdania"_s);
    if (!MediaFixtures::MakeSpeech(folder, u"alone"_s, u"I'd like to return these trousers."_s))
        QSKIP("espeak-ng or the encoders are not installed");
    QVERIFY(QFile::remove(Zdania(u"alone.ogg"_s)));
    Media::InstallSystemSound();
    Media::TWaveData decoded;
    QString error;
    const bool ok = Media::DecodeSoundFile(Zdania(u"alone.mp3"_s), decoded, &error);
    Media::SetSoundDecoder(nullptr);
    QVERIFY2(ok, qPrintable(error));
    QFile wavFile(Zdania(u"alone.wav"_s));
    QVERIFY(wavFile.open(QIODevice::ReadOnly));
    Media::TWaveData wav;
    QVERIFY(Media::ParseWave(wavFile.readAll(), wav));
    const double seconds = double(decoded.Samples.size()) / decoded.Format.AvgBytesPerSec();
    const double expected = double(wav.Samples.size()) / wav.Format.AvgBytesPerSec();
    QVERIFY2(qAbs(seconds - expected) < 0.2, qPrintable(u"%1 s against %2 s"_s.arg(seconds).arg(expected)));
}

QTEST_MAIN(TestAnalyser)
#include "tst_analyser.moc"
