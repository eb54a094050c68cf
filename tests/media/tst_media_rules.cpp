// The widget-free rules of sound and film: WAV files, speaker marks, the progress bar
// and the set-up of a screen's play button.

#include "media/MediaRules.h"
#include "media/WaveFile.h"

#include <QtEndian>
#include <QtTest>

using namespace Media;
using namespace Qt::StringLiterals;

class TestMediaRules : public QObject
{
    Q_OBJECT

private slots:
    void recordingHeaderFields();
    void parseWave_data();
    void parseWave();
    void speakerMarks_data();
    void speakerMarks();
    void speakerMarkPlaces();
    void progressArithmetic();
    void mediaKinds_data();
    void mediaKinds();
    void mediaButton_data();
    void mediaButton();
};

void TestMediaRules::recordingHeaderFields()
{
    const QByteArray header = WaveHeader(RecordingFormat(), 1000);
    QCOMPARE(header.size(), 44);
    const char *h = header.constData();
    QCOMPARE(header.left(4), QByteArray("RIFF"));
    QCOMPARE(qFromLittleEndian<quint32>(h + 4), 1036u);
    QCOMPARE(header.mid(8, 8), QByteArray("WAVEfmt "));
    QCOMPARE(qFromLittleEndian<quint32>(h + 16), 16u);
    QCOMPARE(qFromLittleEndian<quint16>(h + 20), quint16(1));  // PCM
    QCOMPARE(qFromLittleEndian<quint16>(h + 22), quint16(2));  // channels
    QCOMPARE(qFromLittleEndian<quint32>(h + 24), 44100u);      // samples per second
    QCOMPARE(qFromLittleEndian<quint32>(h + 28), 176400u);     // bytes per second
    QCOMPARE(qFromLittleEndian<quint16>(h + 32), quint16(4));  // block align
    QCOMPARE(qFromLittleEndian<quint16>(h + 34), quint16(16)); // bits
    QCOMPARE(header.mid(36, 4), QByteArray("data"));
    QCOMPARE(qFromLittleEndian<quint32>(h + 40), 1000u);
}

void TestMediaRules::parseWave_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("samples");

    const TPcmFormat mono{1, 22050, 16};
    QTest::addRow("round trip") << WaveHeader(mono, 6) + QByteArray(6, 'x') << true << 1 << 22050 << 6;
    // A "LIST" chunk between "fmt " and "data", as editors write them.
    QByteArray withList = WaveHeader(mono, 4) + QByteArray(4, 'y');
    withList.insert(36, QByteArray("LIST\x03\x00\x00\x00"
                                   "abc\x00",
                                   12));
    QTest::addRow("extra chunk, odd size padded") << withList << true << 1 << 22050 << 4;
    // A recording cut off mid-frame claims more than it holds: whole frames are kept.
    QTest::addRow("truncated data") << WaveHeader(RecordingFormat(), 4000) + QByteArray(9, 'z') << true << 2
                                    << 44100 << 8;
    QTest::addRow("not RIFF") << QByteArray("RIFX....WAVE") << false << 0 << 0 << 0;
    QTest::addRow("empty") << QByteArray() << false << 0 << 0 << 0;
    QByteArray adpcm = WaveHeader(mono, 0);
    adpcm[20] = 2;
    QTest::addRow("not PCM") << adpcm << false << 0 << 0 << 0;
    QTest::addRow("no data chunk") << WaveHeader(mono, 0).left(36) << false << 0 << 0 << 0;
    // Rates are checked where they are read, before anything is computed from them.
    QTest::addRow("rate 1e9") << WaveHeader({2, 1000000000, 16}, 4) + QByteArray(4, 'x') << false << 0 << 0
                              << 0;
    QByteArray rate3e9 = WaveHeader(mono, 4) + QByteArray(4, 'x');
    qToLittleEndian(quint32(3000000000u), rate3e9.data() + 24);
    QTest::addRow("rate 3e9") << rate3e9 << false << 0 << 0 << 0;
}

void TestMediaRules::parseWave()
{
    QFETCH(QByteArray, image);
    QFETCH(bool, ok);
    TWaveData wave;
    QString error;
    QCOMPARE(ParseWave(image, wave, &error), ok);
    if (!ok) {
        QVERIFY(!error.isEmpty());
        return;
    }
    QTEST(wave.Format.Channels, "channels");
    QTEST(wave.Format.SampleRate, "rate");
    QTEST(int(wave.Samples.size()), "samples");
}

void TestMediaRules::speakerMarks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("seconds");
    QTest::addRow("empty") << QString() << QList<int>{};
    QTest::addRow("three") << u"12#47#95"_s << QList<int>{12, 47, 95};
    QTest::addRow("final separator") << u"12#47#"_s << QList<int>{12, 47};
    QTest::addRow("stops at empty field") << u"5##9"_s << QList<int>{5};
    QTest::addRow("at most five") << u"1#2#3#4#5#6#7"_s << QList<int>{1, 2, 3, 4, 5};
    QTest::addRow("not a number") << u"x#8"_s << QList<int>{0, 8};
}

void TestMediaRules::speakerMarks()
{
    QFETCH(QString, text);
    QTEST(ParseSpeakerMarks(text), "seconds");
}

void TestMediaRules::speakerMarkPlaces()
{
    QCOMPARE(SpeakerMarkLeft(1, 2), 280);
    QCOMPARE(SpeakerMarkLeft(2, 2), 315);
    QCOMPARE(SpeakerMarkLeft(1, 5), 175);
    QCOMPARE(SpeakerMarkLeft(1, 1), 315);
}

void TestMediaRules::progressArithmetic()
{
    // The knob runs over 227 - 6 pixels from the bar's left.
    QCOMPARE(KnobLeftFor(0, 1000, 118), 118);
    QCOMPARE(KnobLeftFor(1000, 1000, 118), 118 + 221);
    QCOMPARE(KnobLeftFor(500, 1000, 118), 118 + 111);  // 110.5 rounds away from zero
    QCOMPARE(KnobLeftFor(5, 0, 118), 118);             // unknown length
    QCOMPARE(KnobLeftFor(1500, 1000, 118), 118 + 221); // position past a late length
    QCOMPARE(SeekTargetFor(2210, 221), 2210);
    QCOMPARE(SeekTargetFor(2210, 100), 1000);
    QCOMPARE(SeekTargetFor(2210, -3), 0); // the knob may stand 3 px left of the bar
    QCOMPARE(SeekTargetFor(2210, 227), 2210);
}

void TestMediaRules::mediaKinds_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("kind");
    QTest::addRow("mp3") << u"/m/Teksty/a.mp3"_s << int(TMediaKind::Sound);
    QTest::addRow("wav") << u"a.WAV"_s << int(TMediaKind::Sound);
    QTest::addRow("mpg") << u"a.mpg"_s << int(TMediaKind::Video);
    QTest::addRow("wmv upper") << u"C:\\x\\A.WMV"_s << int(TMediaKind::Video);
    QTest::addRow("ogg") << u"a.ogg"_s << int(TMediaKind::Ogg);
}

void TestMediaRules::mediaKinds()
{
    QFETCH(QString, path);
    QTEST(int(MediaKindOf(path)), "kind");
}

void TestMediaRules::mediaButton_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("glyph");
    QTest::addColumn<int>("caption");
    QTest::addRow("empty name") << QString() << true << false << -1 << QString() << 0;
    QTest::addRow("missing file") << u"a.mp3"_s << false << false << -1 << QString() << 0;
    QTest::addRow("mp3") << u"a.mp3"_s << true << true << 2 << u"IMG_Glosnik"_s << 42;
    QTest::addRow("wav") << u"a.wav"_s << true << true << 2 << u"IMG_Glosnik"_s << 42;
    QTest::addRow("wmv") << u"x.wmv"_s << true << true << 1 << u"IMG_Video"_s << 4;
    QTest::addRow("mpg") << u"x.mpg"_s << true << true << 1 << u"IMG_Video"_s << 4;
    QTest::addRow("swf") << u"x.swf"_s << true << true << 3 << u"IMG_Video"_s << 4;
    QTest::addRow("other keeps tag") << u"x.ogg"_s << true << true << -1 << u"IMG_Video"_s << 4;
}

void TestMediaRules::mediaButton()
{
    QFETCH(QString, name);
    QFETCH(bool, exists);
    const TMediaButtonSetup setup = DecideMediaButton(name, exists);
    QTEST(setup.Visible, "visible");
    QTEST(setup.Tag, "tag");
    QTEST(setup.Glyph, "glyph");
    QTEST(setup.CaptionText, "caption");
    QCOMPARE(MediaButtonCheckPath(u"x.wmv"_s), u"\\Media\\Teksty\\x.mpg"_s);
}

QTEST_GUILESS_MAIN(TestMediaRules)
#include "tst_media_rules.moc"
