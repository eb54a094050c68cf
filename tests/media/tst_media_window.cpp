// The media window with a fake player, a fake recorder and a fake wave device: the queue,
// layouts, speaker marks, pause, the progress bar, recording and the play buttons.

#include "FakeMediaServices.h"
#include "FakeWaveDevice.h"
#include "MediaFixtures.h"
#include "media/OggPlayer.h"
#include "media/SystemMedia.h"
#include "media/uMedia.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestMediaWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void queueOfThreeFinishesOnce();
    void missingFileStopsTheQueue();
    void layouts_data();
    void layouts();
    void speakerMarks();
    void pauseResumesFilesOnly();
    void progressAndSeeking();
    void closeMediaForgetsTheCallback();
    void goneScreenIsNotCalled();
    void recordingTwiceSavesTheFirst();
    void recordingWithoutMicrophoneLeavesNoFile();
    void missingDevicesAreToldOncePerRun_data();
    void missingDevicesAreToldOncePerRun();
    void opensClearOfTheTitleBar_data();
    void opensClearOfTheTitleBar();
    void setupMediaButton_data();
    void setupMediaButton();

private:
    QString Teksty(const QString &name) const { return Utils::MediaRoot() + u"\\Media\\Teksty\\" + name; }
    template <typename T> T *Child(const char *name) const
    {
        return m_window->findChild<T *>(QString::fromLatin1(name));
    }

    QTemporaryDir m_dir;
    std::shared_ptr<FakeMediaLog> m_player;
    std::shared_ptr<QStringList> m_recorder;
    std::shared_ptr<FakeWaveLog> m_wave;
    QStringList m_errors;
    QStringList m_told; // skinned messages
    std::unique_ptr<TfrmMedia> m_window;
};

void TestMediaWindow::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    const QString teksty = m_dir.filePath(u"Media/Teksty"_s);
    QVERIFY(QDir().mkpath(teksty));
    QVERIFY(MediaFixtures::MakeSpeech(teksty, u"b"_s, u"Hello."_s));
    for (const QString &name : {u"a.mp3"_s, u"c.wav"_s, u"x.mpg"_s, u"f.wmv"_s}) {
        QFile file(teksty + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Utils::SetProgramFolder(m_dir.path());
    Utils::SetMediaRoot(m_dir.path());
    Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { m_errors << text; });
}

void TestMediaWindow::init()
{
    m_player = std::make_shared<FakeMediaLog>();
    m_recorder = std::make_shared<QStringList>();
    m_wave = std::make_shared<FakeWaveLog>();
    m_errors.clear();
    m_told.clear();
    SetSkinnedMessageHook([this](const QString &message, const QString &, int) {
        m_told << message;
        return 1;
    });
    Media::SetMediaPlayerFactory(
        [log = m_player](QWidget *) { return std::make_unique<FakeMediaPlayer>(log); });
    Media::SetRecorderFactory([log = m_recorder] { return std::make_unique<FakeRecorder>(log); });
    Media::SetWaveDeviceFactory([log = m_wave] { return std::make_unique<FakeWaveDevice>(log); });
    m_window = std::make_unique<TfrmMedia>();
    frmMedia = m_window.get();
}

void TestMediaWindow::cleanup()
{
    m_window.reset();
    QCOMPARE(frmMedia, nullptr);
    Media::SetMediaPlayerFactory(nullptr);
    Media::SetRecorderFactory(nullptr);
    Media::SetWaveDeviceFactory(nullptr);
    SetSkinnedMessageHook({});
}

void TestMediaWindow::queueOfThreeFinishesOnce()
{
    int finished = 0;
    QObject screen;
    ClearMediaQueue();
    EnqueueMedia(Teksty(u"a.mp3"_s));
    EnqueueMedia(Teksty(u"b.ogg"_s));
    EnqueueMedia(Teksty(u"c.wav"_s));
    OnMediaFinished(&screen, [&] { ++finished; });
    PlayMediaQueue(false);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->CurrentFile().section(u'/', -1), u"a.mp3"_s);
    QCOMPARE(m_window->Queue().size(), 2);

    m_player->End();
    // The Ogg file plays through the wave ring and reports its own end.
    QCOMPARE(m_window->MediaKind(), Media::TMediaKind::Ogg);
    QVERIFY(m_window->Ogg()->IsPlaying());
    QTRY_COMPARE(m_window->CurrentFile().section(u'/', -1), u"c.wav"_s);
    QCOMPARE(finished, 0);
    m_player->End();
    QCOMPARE(finished, 1);
    QVERIFY(!m_window->IsPlaying());
    QCOMPARE(m_player->Calls,
             (QStringList{u"open a.mp3"_s, u"play"_s, u"stop"_s, u"open c.wav"_s, u"play"_s, u"stop"_s}));
    // A late second end of the same file changes nothing.
    m_player->End();
    QCOMPARE(finished, 1);
}

void TestMediaWindow::missingFileStopsTheQueue()
{
    int finished = 0;
    ClearMediaQueue();
    EnqueueMedia(Teksty(u"a.mp3"_s));
    EnqueueMedia(Teksty(u"nic.mp3"_s));
    EnqueueMedia(Teksty(u"c.wav"_s));
    OnMediaFinished(nullptr, [&] { ++finished; });
    PlayMediaQueue(true);
    m_player->End();
    QCOMPARE(m_errors, QStringList{u"Brak pliku dźwiękowego: nic.mp3"_s});
    QVERIFY(!m_window->IsPlaying());
    QCOMPARE(m_window->Queue(), QStringList{Teksty(u"c.wav"_s)});
    QCOMPARE(finished, 0);
}

void TestMediaWindow::layouts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("show");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("video");
    QTest::addRow("wmv shows even with show off") << u"f.wmv"_s << false << true << true;
    QTest::addRow("mpg with show") << u"x.mpg"_s << true << true << true;
    QTest::addRow("mp3 hidden") << u"a.mp3"_s << false << false << false;
    QTest::addRow("ogg shown") << u"b.ogg"_s << true << true << false;
}

void TestMediaWindow::layouts()
{
    QFETCH(QString, file);
    QFETCH(bool, video);
    QFETCH(bool, show);
    PlayMedia(Teksty(file), show);
    QTEST(m_window->isVisible(), "visible");
    QCOMPARE(m_window->size(), video ? QSize(360, 363) : QSize(360, 74));
    QCOMPARE(Child<QWidget>("DisplayArea_MPG")->isVisibleTo(m_window.get()), video);
    QCOMPARE(Child<QLabel>("IMG_Tlo")->isVisibleTo(m_window.get()), video);
    QCOMPARE(Child<QLabel>("IMG_Tlo2")->isVisibleTo(m_window.get()), !video);
    const int top = video ? 315 : 26;
    QCOMPARE(Child<QAbstractButton>("btnPlay")->geometry(), QRect(10, top, 38, 38));
    QCOMPARE(Child<QAbstractButton>("btnPause")->geometry(), QRect(52, top + 7, 28, 28));
    QCOMPARE(Child<QAbstractButton>("btnStop")->geometry(), QRect(82, top + 7, 28, 28));
    QCOMPARE(Child<QLabel>("Suwak")->geometry(), QRect(118, top, 6, 12));
    QCOMPARE(Child<QLabel>("Pasek_Tlo")->geometry(), QRect(118, top + 18, 227, 6));
    QCOMPARE(Child<QAbstractButton>("btnClose")->pos(), QPoint(313, 1));
    if (video)
        QVERIFY(m_player->Calls.contains(u"open "_s + file + u" video"_s));
}

void TestMediaWindow::speakerMarks()
{
    SetSpeakerMarks(u"12#47"_s);
    PlayMedia(Teksty(u"a.mp3"_s), true);
    auto *first = Child<QLabel>("osoba_1");
    auto *second = Child<QLabel>("osoba_2");
    QVERIFY(first->isVisible() && second->isVisible());
    QVERIFY(!Child<QLabel>("osoba_3")->isVisibleTo(m_window.get()));
    QCOMPARE(first->geometry(), QRect(280, 44 + 12, 30, 14));
    QCOMPARE(second->pos(), QPoint(315, 56));
    QCOMPARE(m_window->MarkSeconds(2), 47);

    m_player->Calls.clear();
    QTest::mouseClick(second, Qt::LeftButton);
    QVERIFY(m_player->Calls.contains(u"seek 47000"_s));
    QVERIFY(m_window->IsPlaying());

    SetSpeakerMarks(QString());
    for (const char *name : {"osoba_1", "osoba_2", "osoba_3", "osoba_4", "osoba_5"})
        QVERIFY(!Child<QLabel>(name)->isVisibleTo(m_window.get()));
}

void TestMediaWindow::pauseResumesFilesOnly()
{
    auto *pause = Child<QAbstractButton>("btnPause");
    auto *play = Child<QAbstractButton>("btnPlay");
    PlayMedia(Teksty(u"a.mp3"_s), true);
    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(m_player->Paused);
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(m_player->Calls, (QStringList{u"open a.mp3"_s, u"play"_s, u"pause"_s, u"resume"_s}));
    // Pause again, then pause toggles back.
    QTest::mouseClick(pause, Qt::LeftButton);
    QTest::mouseClick(pause, Qt::LeftButton);
    QCOMPARE(m_player->Calls.mid(4), (QStringList{u"pause"_s, u"resume"_s}));

    m_wave->Automatic = false;
    PlayMedia(Teksty(u"b.ogg"_s), true);
    QTest::mouseClick(pause, Qt::LeftButton);
    QVERIFY(m_window->Ogg()->IsPlaying());
    QCOMPARE(m_window->Ogg()->WaveOut()->WrittenCount(), 1);
}

void TestMediaWindow::progressAndSeeking()
{
    auto *bar = Child<QLabel>("Pasek_Tlo");
    auto *knob = Child<QLabel>("Suwak");
    // Nothing has played: the progress part is narrower than the knob, a click does nothing.
    PlayMedia(Teksty(u"a.mp3"_s), true);
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(100, 3));
    QVERIFY(!m_player->Calls.join(u' ').contains(u"seek"_s));

    m_player->Position = 5000;
    m_window->TimerTick();
    QCOMPARE(knob->x(), 118 + 111);
    QCOMPARE(Child<QLabel>("Pasek")->width(), 114);
    QVERIFY(!Child<QLabel>("Pasek")->pixmap().isNull());

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(100, 3));
    QVERIFY(m_player->Calls.contains(u"seek 4525"_s));
    QCOMPARE(knob->x(), 218);

    // Dragging the knob to the far end seeks to the length.
    m_player->Calls.clear();
    QTest::mousePress(knob, Qt::LeftButton, {}, QPoint(3, 6));
    QMouseEvent move(QEvent::MouseMove, QPointF(400, 6), knob->mapToGlobal(QPointF(400, 6)), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(knob, &move);
    QCOMPARE(knob->x(), 118 + 221);
    QTest::mouseRelease(knob, Qt::LeftButton, {}, QPoint(3, 6));
    QVERIFY(m_player->Calls.contains(u"seek 10000"_s));

    StopMedia();
    QCOMPARE(knob->x(), 118);
    QCOMPARE(Child<QLabel>("Pasek")->width(), 0);
}

void TestMediaWindow::closeMediaForgetsTheCallback()
{
    int finished = 0;
    OnMediaFinished(nullptr, [&] { ++finished; });
    SetSpeakerMarks(u"3"_s);
    PlayMedia(Teksty(u"a.mp3"_s), true);
    QTest::mouseClick(Child<QAbstractButton>("btnClose"), Qt::LeftButton);
    QVERIFY(!m_window->isVisible());
    QCOMPARE(m_window->MarksCount(), 0);
    QVERIFY(m_player->Calls.endsWith(u"close"_s));
    PlayMedia(Teksty(u"a.mp3"_s), false);
    m_player->End();
    QCOMPARE(finished, 0);
}

void TestMediaWindow::goneScreenIsNotCalled()
{
    bool called = false;
    auto screen = std::make_unique<QObject>();
    OnMediaFinished(screen.get(), [&] { called = true; });
    PlayMedia(Teksty(u"a.mp3"_s), false);
    screen.reset();
    m_player->End();
    QVERIFY(!called);
}

void TestMediaWindow::recordingTwiceSavesTheFirst()
{
    const QString folder = Utils::ProgramFolder() + u"\\Users\\1_Media_temp\\";
    StartRecording(folder + u"k1.wav");
    QVERIFY(m_window->IsRecording());
    StartRecording(folder + u"k2.wav");
    QCOMPARE(m_window->RecordingPath(), folder + u"k2.wav");
    StopRecording(false);
    QVERIFY(!m_window->IsRecording());
    QCOMPARE(*m_recorder,
             (QStringList{u"start k1.wav 176400"_s, u"save"_s, u"start k2.wav 176400"_s, u"drop"_s}));
}

void TestMediaWindow::recordingWithoutMicrophoneLeavesNoFile()
{
    if (Media::HasMicrophone())
        QSKIP("a microphone is present; the real-sound test covers recording");
    Media::SetRecorderFactory([] { return Media::CreateSystemRecorder(); });
    TfrmMedia window;
    const QString path = m_dir.filePath(u"mine.wav"_s);
    window.StartRecording(path);
    QTest::qWait(100);
    window.StopRecording(true);
    QVERIFY(!QFile::exists(path));
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).isEmpty()); // no temporary left either
}

// No sound device: the learner hears of it once per run, sound files end at once so the
// screen's queue and its end still run, films play without sound. No microphone: told once,
// nothing recorded.
void TestMediaWindow::missingDevicesAreToldOncePerRun_data()
{
    QTest::addColumn<bool>("output");
    QTest::addColumn<bool>("microphone");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("shown");
    QTest::addRow("no sound device, recording") << false << true << u"a.mp3"_s << false;
    QTest::addRow("no sound device, Ogg") << false << true << u"b.ogg"_s << false;
    QTest::addRow("no sound device, film") << false << true << u"x.mpg"_s << true;
    QTest::addRow("no microphone") << true << false << u"a.mp3"_s << true;
}

void TestMediaWindow::missingDevicesAreToldOncePerRun()
{
    QFETCH(bool, output);
    QFETCH(bool, microphone);
    QFETCH(QString, file);
    QFETCH(bool, shown);
    m_window->SetDeviceChecks([output] { return output; }, [microphone] { return microphone; });
    int finished = 0;
    for (int run = 0; run < 2; ++run) {
        m_window->OnMediaFinished(this, [&finished] { ++finished; });
        m_window->PlayMedia(Teksty(file), true);
        QCOMPARE(m_window->isVisible(), shown);
        if (!output && !shown)
            QTRY_COMPARE(finished, run + 1);
        m_window->CloseMedia();
        m_window->StartRecording(m_dir.filePath(u"mine%1.wav"_s.arg(run)));
        QCOMPARE(m_window->IsRecording(), microphone);
        m_window->StopRecording(true);
    }
    QCOMPARE(m_told.size(), int(!output) + int(!microphone));
    QVERIFY(m_errors.isEmpty());
}

// The window opens in the stage's bottom-left corner, never at 0, 0 over the learner's name.
void TestMediaWindow::opensClearOfTheTitleBar_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QPoint>("at");
    QTest::addRow("sound, 1024 x 768") << QRect(0, 0, 1024, 768) << QSize(360, 74) << QPoint(8, 686);
    QTest::addRow("film, 1024 x 768") << QRect(0, 0, 1024, 768) << QSize(360, 363) << QPoint(8, 397);
    QTest::addRow("sound, 1280 x 1024") << QRect(0, 0, 1280, 1024) << QSize(360, 74) << QPoint(136, 814);
}

void TestMediaWindow::opensClearOfTheTitleBar()
{
    QFETCH(QRect, screen);
    QFETCH(QSize, window);
    QFETCH(QPoint, at);
    QCOMPARE(TfrmMedia::HomePosition(screen, window), at);
    QVERIFY(!QRect(TfrmMedia::HomePosition(screen, window), window)
                 .intersects(QRect(screen.topLeft(), QSize(1024, 50))));

    m_window->PlayMedia(Teksty(u"a.mp3"_s), true);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_window->pos(), TfrmMedia::HomePosition(m_window->screen()->geometry(), m_window->size()));
}

void TestMediaWindow::setupMediaButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("tag");
    QTest::addRow("film asked as wmv, shipped as mpg") << u"x.wmv"_s << true << 1;
    QTest::addRow("sound") << u"a.mp3"_s << true << 2;
    QTest::addRow("missing") << u"brak.mp3"_s << false << 7;
    QTest::addRow("no name") << QString() << false << 7;
}

void TestMediaWindow::setupMediaButton()
{
    QFETCH(QString, name);
    QWidget screen;
    auto *button = new TVelResButton(&screen);
    button->setObjectName(u"btnMedia"_s);
    button->SetTag(7);
    screen.show();
    Utils::InterfaceTexts() = QStringList{u"4=Obejrzyj film"_s, u"42=Posłuchaj"_s};
    SetupMediaButton(button, name);
    QTEST(button->isVisible(), "visible");
    QTEST(button->Tag(), "tag");
    QFETCH(int, tag);
    if (tag == 1)
        QCOMPARE(button->Caption(), u"Obejrzyj film"_s);
    if (tag == 2)
        QCOMPARE(button->Caption(), u"Posłuchaj"_s);
}

QTEST_MAIN(TestMediaWindow)
#include "tst_media_window.moc"
