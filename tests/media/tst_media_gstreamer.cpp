// The real GStreamer path of Qt Multimedia on small generated files: lengths and
// positions in milliseconds from the first frame, one end notification per file, and an
// undecodable file ending like a finished one. Runs with or without a sound device.

#include "MediaFixtures.h"
#include "media/SystemMedia.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestMediaGStreamer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playsToTheEnd_data();
    void playsToTheEnd();
    void undecodableFileEnds();

private:
    QTemporaryDir m_dir;
};

void TestMediaGStreamer::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(MediaFixtures::MakeSpeech(m_dir.path(), u"speech"_s, u"Where is the station, please?"_s));
    QVERIFY(MediaFixtures::MakeFilm(m_dir.filePath(u"film.mpg"_s)));
    QVERIFY(MediaFixtures::MakeFilm(m_dir.filePath(u"film.wmv"_s)));
    QFile junk(m_dir.filePath(u"junk.mp3"_s));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x5a'));
}

void TestMediaGStreamer::playsToTheEnd_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("video");
    QTest::addColumn<int>("approxMs");
    QTest::addRow("mp3") << u"speech.mp3"_s << false << 0;
    QTest::addRow("wav") << u"speech.wav"_s << false << 0;
    QTest::addRow("mpg") << u"film.mpg"_s << true << 2000;
    QTest::addRow("wmv") << u"film.wmv"_s << true << 2000;
}

void TestMediaGStreamer::playsToTheEnd()
{
    QFETCH(QString, file);
    QFETCH(bool, video);
    QFETCH(int, approxMs);
    if (approxMs == 0) // speech: the wav's own length
        approxMs = int((QFileInfo(m_dir.filePath(u"speech.wav"_s)).size() - 44) * 1000 / 44100);

    QWidget owner;
    QWidget area(&owner);
    area.resize(336, 287);
    owner.show();
    auto player = Media::CreateSystemMediaPlayer(&owner);
    QVERIFY2(player, "the sound module beside the program did not load");
    int ended = 0;
    player->OnEnded = [&] { ++ended; };
    player->Open(m_dir.filePath(file), video ? &area : nullptr);
    player->Play();
    QTRY_VERIFY_WITH_TIMEOUT(player->Length() > 0 || ended > 0, 5000);
    if (!video && !Media::HasSoundOutput()) {
        // With no sound device a sound file cannot play: it ends at once, and only once.
        QTRY_COMPARE(ended, 1);
        QTest::qWait(200);
        QCOMPARE(ended, 1);
        return;
    }
    QCOMPARE(ended, 0);
    // A film's length counts from its first frame, and the backend starts playing it a
    // little in: it may come out somewhat short of the film, never longer.
    const qint64 tolerance = video ? 1000 : 300;
    QVERIFY2(player->Length() <= approxMs + 100 && player->Length() > approxMs - tolerance,
             qPrintable(QString::number(player->Length())));
    QTRY_VERIFY_WITH_TIMEOUT(player->Position() > 0, 3000);
    const qint64 early = player->Position();
    QVERIFY2(early < approxMs / 2, qPrintable(QString::number(early)));
    qint64 last = 0;
    while (ended == 0 && last <= player->Length()) {
        QTest::qWait(50);
        QVERIFY2(player->Position() >= last || player->Position() == 0, "positions only move forward");
        last = qMax(last, player->Position());
        if (QTest::currentTestFailed())
            return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(ended, 1, approxMs + 5000);
    QVERIFY(last <= player->Length());
    QTest::qWait(200);
    QCOMPARE(ended, 1);
}

void TestMediaGStreamer::undecodableFileEnds()
{
    QWidget owner;
    auto player = Media::CreateSystemMediaPlayer(&owner);
    int ended = 0;
    player->OnEnded = [&] { ++ended; };
    player->Open(m_dir.filePath(u"junk.mp3"_s), nullptr);
    player->Play();
    QTRY_COMPARE_WITH_TIMEOUT(ended, 1, 5000);
}

QTEST_MAIN(TestMediaGStreamer)
#include "tst_media_gstreamer.moc"
