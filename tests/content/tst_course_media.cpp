// The media pipeline: its two source formats, the sound files it joins, the painter's
// library, and the agreement between what CMake expects a source to give and what the
// generators write.

#include "tools/course-media/Backgrounds.h"
#include "tools/course-media/Motifs.h"
#include "tools/course-media/PcmWave.h"
#include "tools/course-media/SceneSource.h"
#include "tools/course-media/SpeechSource.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace CourseMedia;
using namespace Qt::StringLiterals;

namespace {

QString SourceDir()
{
    return qEnvironmentVariable("AUDIVOX_SOURCE_DIR");
}

// What audivox_speech_outputs() in CourseMedia.cmake lists for a source.
QStringList CMakeOutputs(const QString &sourceFile, const QString &scratch)
{
    const QString script = scratch + QStringLiteral("/list.cmake");
    QFile f(script);
    f.open(QIODevice::WriteOnly);
    f.write(QStringLiteral("include(\"%1/tools/course-media/CourseMedia.cmake\")\n"
                           "audivox_speech_outputs(\"%2\" OUT files)\n"
                           "foreach(f IN LISTS files)\n  message(\"${f}\")\nendforeach()\n")
                .arg(SourceDir(), sourceFile)
                .toUtf8());
    f.close();
    QProcess cmake;
    cmake.start(QStringLiteral(AUDIVOX_CMAKE_COMMAND), {QStringLiteral("-P"), script});
    cmake.waitForFinished(30000);
    QStringList files;
    for (const QString &line :
         QString::fromUtf8(cmake.readAllStandardError()).split(u'\n', Qt::SkipEmptyParts))
        files << line.section(u'/', -1);
    return files;
}

QStringList CppOutputs(const SpeechSource &source, const QString &stem)
{
    QStringList files;
    for (const QString &name : source.outputNames(stem))
        for (const QString &format : source.formats)
            files << name + u'.' + format;
    return files;
}

// A WAV as espeak-ng writes it to a file it cannot seek back in: sizes left at 0x7ffffff0.
QByteArray EspeakStyleWav(int frames, int rate = 22050)
{
    PcmWave w;
    w.sampleRate = rate;
    w.samples = QByteArray(frames * 2, '\x10');
    QByteArray bytes = w.toWav();
    qToLittleEndian<quint32>(0x7ffffff0, bytes.data() + 4);
    qToLittleEndian<quint32>(0x7ffffff0, bytes.data() + 40);
    return bytes;
}

int OpaquePixels(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += qAlpha(image.pixel(x, y)) > 0;
    return n;
}

} // namespace

class TestCourseMedia : public QObject
{
    Q_OBJECT

private slots:
    void speechSource_data();
    void speechSource();
    void speechSourceErrors_data();
    void speechSourceErrors();
    void cmakeAgreesOnOutputs_data();
    void cmakeAgreesOnOutputs();
    void speechToolWritesEveryOutput();
    void wave();
    void sceneSource();
    void sceneSourceErrors_data();
    void sceneSourceErrors();
    void everyMotifDraws();
    void sceneRendering();
    void backgrounds();
};

void TestCourseMedia::speechSource_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("speakers"); // per spoken segment
    QTest::addColumn<QStringList>("voices");
    QTest::addColumn<QStringList>("outputs"); // for the stem "d"

    QTest::addRow("plain text in the default voice")
        << u"# comment\n\nHello there.\nHow are you?\n"_s << QStringList{{}, {}}
        << QStringList{u"en-us+m3"_s, u"en-us+m3"_s} << QStringList{u"d"_s};
    QTest::addRow("declared speakers, split")
        << u"@voice A en-gb+f3 speed=160\n@voice B en-us+m3\n@split\n"
           "A: Hi.\nB: Hello: nice to meet you.\nC: not a speaker\n"_s
        << QStringList{u"A"_s, u"B"_s, {}} << QStringList{u"en-gb+f3"_s, u"en-us+m3"_s, u"en-us+m3"_s}
        << QStringList{u"d_01"_s, u"d_02"_s, u"d_03"_s};
    QTest::addRow("split and whole; silence is not a part")
        << u"@voice en-gb\n@split\n@whole\nOne.\n@silence 300\nTwo.\n"_s << QStringList{{}, {}}
        << QStringList{u"en-gb"_s, u"en-gb"_s} << QStringList{u"d"_s, u"d_01"_s, u"d_02"_s};
    QStringList many, manyOut, manyVoice, manySpeaker;
    for (int i = 1; i <= 100; ++i) {
        many << QStringLiteral("Line %1.").arg(i);
        manyVoice << u"en-us+m3"_s;
        manySpeaker << QString();
    }
    manyOut << u"d_001"_s << u"d_099"_s << u"d_100"_s;
    QTest::addRow("three digits past 99")
        << (u"@split\n"_s + many.join(u'\n')) << manySpeaker << manyVoice << manyOut;
}

void TestCourseMedia::speechSource()
{
    QFETCH(QString, text);
    QFETCH(QStringList, speakers);
    QFETCH(QStringList, voices);
    QFETCH(QStringList, outputs);
    SpeechSource source;
    QString error;
    QVERIFY2(ParseSpeechSource(text, source, error), qPrintable(error));
    QCOMPARE(source.segments.size() - (text.contains(u"@silence") ? 1 : 0), speakers.size());
    int i = 0;
    for (const SpeechSegment &s : source.segments) {
        if (s.text.isEmpty())
            continue;
        QCOMPARE(s.speaker, speakers[i]);
        QCOMPARE(s.voice.name, voices[i]);
        QVERIFY(!s.text.startsWith(s.speaker + u':') || s.speaker.isEmpty());
        ++i;
    }
    const QStringList names = source.outputNames(u"d"_s);
    if (outputs.size() == 3 && outputs[0] == u"d_001")
        QVERIFY(names.size() == 100 && names.first() == outputs[0] && names[98] == outputs[1] &&
                names.last() == outputs[2]);
    else
        QCOMPARE(names, outputs);
}

void TestCourseMedia::speechSourceErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addRow("unknown directive") << u"Hello.\n@speak fast\n"_s << u"line 2: unknown directive"_s;
    QTest::addRow("bad speed") << u"@voice A en-gb speed=10\nA: Hi.\n"_s << u"line 1: bad voice setting"_s;
    QTest::addRow("too many words for @voice") << u"@voice A B en-gb\n"_s << u"line 1: \"@voice\" wants"_s;
    QTest::addRow("silent speaker") << u"@voice A en-gb\nA:\n"_s << u"line 2: speaker A says nothing"_s;
    QTest::addRow("unknown format") << u"@formats mp3 flac\nHi.\n"_s << u"line 1: unknown format"_s;
    QTest::addRow("bad pause") << u"@pause soon\nHi.\n"_s << u"line 1: a time"_s;
    QTest::addRow("nothing to say") << u"# only a comment\n@split\n"_s << u"nothing to say"_s;
}

void TestCourseMedia::speechSourceErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    SpeechSource source;
    QString error;
    QVERIFY(!ParseSpeechSource(text, source, error));
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

void TestCourseMedia::cmakeAgreesOnOutputs_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("whole only") << u"Hello; how are you?\n"_s;
    QTest::addRow("split with ; and [brackets]")
        << u"@voice A en-gb\n@split\nA: Yes; of course [really].\n\n# note\nA: Fine.\n@silence 200\nThird line.\n"_s;
    QTest::addRow("split, whole, wav only") << u"@formats wav\n@split\n@whole\nOne.\nTwo.\n"_s;
    QTest::addRow("silence only") << u"@formats wav\n@silence 700\n"_s;
}

void TestCourseMedia::cmakeAgreesOnOutputs()
{
    // The build declares these files as the outputs of a source: if the lists differ, the
    // build either misses a recording or runs the speech tool at every build.
    QFETCH(QString, text);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"src.name.txt"_s);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text.toUtf8());
    f.close();
    SpeechSource source;
    QString error;
    QVERIFY2(ParseSpeechSource(text, source, error), qPrintable(error));
    QCOMPARE(CMakeOutputs(path, dir.path()), CppOutputs(source, u"src.name"_s));
}

void TestCourseMedia::speechToolWritesEveryOutput()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"pair.txt"_s);
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("@voice A en-gb+f3\n@voice B en-us+m3\n@split\n@whole\n@formats mp3 ogg wav\nA: Good "
            "morning.\nB: Hello.\n");
    f.close();
    QProcess tool;
    tool.start(QStringLiteral(AUDIVOX_SPEECH_TOOL), {path, dir.filePath(u"out"_s)});
    QVERIFY(tool.waitForFinished(60000));
    QVERIFY2(tool.exitCode() == 0, tool.readAllStandardError().constData());
    for (const QString &name : {u"pair"_s, u"pair_01"_s, u"pair_02"_s}) {
        QFile ogg(dir.filePath(u"out/"_s + name + u".ogg"_s)),
            mp3(dir.filePath(u"out/"_s + name + u".mp3"_s));
        QVERIFY(ogg.open(QIODevice::ReadOnly) && ogg.read(4) == "OggS");
        QVERIFY(mp3.open(QIODevice::ReadOnly));
        const QByteArray head = mp3.read(3);
        QVERIFY(head == "ID3" || (uchar(head[0]) == 0xff && (uchar(head[1]) & 0xe0) == 0xe0));
    }
    // The whole recording holds both lines and the pause between them.
    auto frames = [&](const QString &name) {
        QFile wav(dir.filePath(u"out/"_s + name + u".wav"_s));
        wav.open(QIODevice::ReadOnly);
        PcmWave w;
        QString error;
        return ParseWav(wav.readAll(), w, error) ? w.samples.size() / 2 / w.channels : -1;
    };
    QVERIFY(frames(u"pair_01"_s) > 0 && frames(u"pair_02"_s) > 0);
    QVERIFY(frames(u"pair"_s) > frames(u"pair_01"_s) + frames(u"pair_02"_s) - 22050);
    // No work files are left behind in the output folder.
    QCOMPARE(
        QDir(dir.filePath(u"out"_s)).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(),
        9);
}

void TestCourseMedia::wave()
{
    PcmWave wave;
    QString error;
    QVERIFY2(ParseWav(EspeakStyleWav(1000), wave, error), qPrintable(error));
    QCOMPARE(wave.samples.size(), 2000);
    QCOMPARE(wave.sampleRate, 22050);

    wave.appendSilence(100);
    QCOMPARE(wave.samples.size(), 2000 + 2205 * 2);
    PcmWave other;
    other.sampleRate = 16000;
    QVERIFY(!wave.append(other));

    PcmWave back;
    QVERIFY(ParseWav(wave.toWav(), back, error));
    QCOMPARE(back.samples, wave.samples);

    QByteArray eightBit = EspeakStyleWav(10);
    qToLittleEndian<quint16>(8, eightBit.data() + 34);
    QVERIFY(!ParseWav(eightBit, back, error));
    QVERIFY(!ParseWav(QByteArrayLiteral("RIFF\0\0\0\0AVI "), back, error));
}

void TestCourseMedia::sceneSource()
{
    SceneSource scene;
    QString error;
    QVERIFY2(ParseSceneSource(u"# cup\nmotif cup  book\nsize 300 200\nbackground none\ncolour #102030\n"
                              "accent 1 2 3\ncaption A cup of tea\nstripes 7\n"_s,
                              scene, error, MotifNames()),
             qPrintable(error));
    QCOMPARE(scene.motif, u"cup book"_s);
    QCOMPARE(scene.width, 300);
    QCOMPARE(scene.height, 200);
    QVERIFY(scene.transparent);
    QCOMPARE(scene.colour, (Rgb{16, 32, 48}));
    QCOMPARE(scene.accent, (Rgb{1, 2, 3}));
    QCOMPARE(scene.caption, u"A cup of tea"_s);
    QCOMPARE(scene.stripes, 7);
}

void TestCourseMedia::sceneSourceErrors_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::addRow("no motif") << u"size 100 100\n"_s << u"no motif named"_s;
    QTest::addRow("misspelt motif") << u"motif cup\nmotif aple\n"_s << u"line 2: unknown motif \"aple\""_s;
    QTest::addRow("tiny size") << u"motif cup\nsize 8 100\n"_s << u"line 2: \"size\""_s;
    QTest::addRow("colour out of range") << u"motif cup\ncolour 0 0 300\n"_s << u"line 2: a colour"_s;
    QTest::addRow("short hex colour") << u"motif cup\naccent #fff\n"_s << u"line 2: a colour"_s;
    QTest::addRow("unknown key") << u"motif cup\nfont Arial\n"_s << u"line 2: unknown key"_s;
}

void TestCourseMedia::sceneSourceErrors()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    SceneSource scene;
    QString error;
    QVERIFY(!ParseSceneSource(text, scene, error, MotifNames()));
    QVERIFY2(error.startsWith(message), qPrintable(error));
}

void TestCourseMedia::everyMotifDraws()
{
    // Each motif must draw a real figure inside its box, not a speck and not outside it.
    for (const QString &name : MotifNames()) {
        QImage image(120, 120, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            QVERIFY(DrawMotif(p, name, QRectF(10, 10, 100, 100), QColor(6, 54, 99), QColor(2, 174, 228)));
        }
        const int inside = OpaquePixels(image.copy(10, 10, 100, 100));
        QVERIFY2(inside > 1500, qPrintable(name));
        QVERIFY2(OpaquePixels(image) - inside < 120, qPrintable(name));
    }
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    QVERIFY(!DrawMotif(p, u"unicorn"_s, QRectF(0, 0, 10, 10), Qt::black, Qt::black));
}

void TestCourseMedia::sceneRendering()
{
    SceneSource scene;
    scene.motif = u"apple"_s;
    scene.width = 200;
    scene.height = 150;
    scene.transparent = true;
    QImage image = RenderScene(scene);
    QCOMPARE(image.size(), QSize(200, 150));
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QVERIFY(OpaquePixels(image) > 2000);

    // Uncovering pictures keep the left part of every strip quiet for the texts written on it.
    scene.transparent = false;
    scene.width = 900;
    scene.height = 490;
    scene.stripes = 7;
    scene.motif = u"doctor pill thermometer"_s;
    image = RenderScene(scene);
    for (int y = 2; y < 490; y += 7)
        for (int x = 10; x < 310; x += 10)
            QCOMPARE(image.pixel(x, y), image.pixel(0, y));
    QVERIFY(image.pixel(700, 245) != image.pixel(0, 245));
}

void TestCourseMedia::backgrounds()
{
    // The build paints exactly the backgrounds the painter knows (CourseMedia.cmake keeps the
    // list): one missing there is never made, one unknown here fails the build.
    QFile rules(SourceDir() + u"/tools/course-media/CourseMedia.cmake"_s);
    QVERIFY(rules.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(rules.readAll());
    const QRegularExpressionMatch m =
        QRegularExpression(u"set\\(AUDIVOX_BACKGROUNDS([^)]*)\\)"_s).match(text);
    QVERIFY(m.hasMatch());
    QStringList listed = m.captured(1).split(QRegularExpression(u"\\s+"_s), Qt::SkipEmptyParts);
    QStringList known = BackgroundNames();
    listed.sort();
    known.sort();
    QCOMPARE(listed, known);

    for (const QString &name : known) {
        const QImage image = PaintBackground(name);
        const QSize expected = name.startsWith(u"menu_") ? QSize(100, 100) : QSize(1024, 718);
        QVERIFY2(image.size() == expected, qPrintable(name));
    }
    QVERIFY(PaintBackground(u"nothing.bmp"_s).isNull());
}

QTEST_MAIN(TestCourseMedia)
#include "tst_course_media.moc"
