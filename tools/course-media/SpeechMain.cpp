// audivox-speech SOURCE OUT_DIR
// Speaks a speech source of the course with espeak-ng and writes its recordings into OUT_DIR,
// encoded by lame (mp3) and oggenc (ogg). Every file appears whole or not at all.

#include "PcmWave.h"
#include "SpeechSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace CourseMedia;

namespace {

constexpr int kLeadMs = 150;
constexpr int kTrailMs = 350;

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

bool Run(const QString &program, const QStringList &args)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, args);
    if (!process.waitForStarted(10000)) {
        err() << program << ": cannot be started (is it installed?)\n";
        return false;
    }
    process.waitForFinished(120000);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        err() << program << " failed (" << args.join(u' ') << ")\n";
        return false;
    }
    return true;
}

bool Speak(const SpeechSegment &segment, const QString &work, int n, PcmWave &wave)
{
    const QString textFile = work + QStringLiteral("/line%1.txt").arg(n);
    const QString wavFile = work + QStringLiteral("/line%1.wav").arg(n);
    QFile text(textFile);
    if (!text.open(QIODevice::WriteOnly) || text.write(segment.text.toUtf8() + '\n') < 0)
        return false;
    text.close();
    if (!Run(QStringLiteral("espeak-ng"), {QStringLiteral("-v"), segment.voice.name, QStringLiteral("-s"),
                                           QString::number(segment.voice.speed), QStringLiteral("-p"),
                                           QString::number(segment.voice.pitch), QStringLiteral("-w"),
                                           wavFile, QStringLiteral("-f"), textFile}))
        return false;
    QFile file(wavFile);
    QString error;
    if (!file.open(QIODevice::ReadOnly) || !ParseWav(file.readAll(), wave, error)) {
        err() << "espeak-ng gave no usable sound for \"" << segment.text << "\": " << error << "\n";
        return false;
    }
    return true;
}

bool Encode(const PcmWave &wave, const QString &format, const QString &work, const QString &target)
{
    const QString wavFile = work + QStringLiteral("/out.wav");
    {
        QSaveFile file(format == u"wav" ? target : wavFile);
        if (!file.open(QIODevice::WriteOnly) || file.write(wave.toWav()) < 0 || !file.commit()) {
            err() << "cannot write " << file.fileName() << "\n";
            return false;
        }
    }
    if (format == u"wav")
        return true;
    const QString encoded = work + u"/out." + format;
    const bool ok =
        format == u"mp3"
            ? Run(QStringLiteral("lame"),
                  {QStringLiteral("--quiet"), QStringLiteral("-m"), QStringLiteral("m"), QStringLiteral("-b"),
                   QStringLiteral("64"), wavFile, encoded})
            : Run(QStringLiteral("oggenc"), {QStringLiteral("-Q"), QStringLiteral("-q"), QStringLiteral("3"),
                                             QStringLiteral("-o"), encoded, wavFile});
    if (!ok)
        return false;
    QFile::remove(target);
    if (!QFile::rename(encoded, target)) {
        err() << "cannot write " << target << "\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        err() << "usage: audivox-speech SOURCE.txt OUT_DIR\n";
        return 2;
    }
    const QString sourcePath = args[1];
    const QString outDir = args[2];
    QFile sourceFile(sourcePath);
    if (!sourceFile.open(QIODevice::ReadOnly)) {
        err() << sourcePath << ": cannot be read\n";
        return 1;
    }
    SpeechSource source;
    QString error;
    if (!ParseSpeechSource(QString::fromUtf8(sourceFile.readAll()), source, error)) {
        err() << sourcePath << ": " << error << "\n";
        return 1;
    }
    if (!QDir().mkpath(outDir)) {
        err() << outDir << ": cannot be created\n";
        return 1;
    }
    // The work folder lies in the output folder so that finished files are renamed, not copied.
    QTemporaryDir work(outDir + QStringLiteral("/.speech-XXXXXX"));
    if (!work.isValid()) {
        err() << outDir << ": no room for temporary files\n";
        return 1;
    }

    QList<PcmWave> spoken;
    PcmWave whole;
    bool first = true;
    int n = 0;
    for (const SpeechSegment &segment : source.segments) {
        PcmWave wave;
        if (segment.text.isEmpty()) {
            wave.appendSilence(segment.silenceMs);
        } else if (!Speak(segment, work.path(), n++, wave)) {
            return 1;
        }
        if (first) {
            whole.sampleRate = wave.sampleRate;
            whole.channels = wave.channels;
            if (!segment.text.isEmpty())
                whole.appendSilence(kLeadMs);
        } else if (!segment.text.isEmpty()) {
            whole.appendSilence(source.pauseMs);
        }
        first = false;
        if (!whole.append(wave)) {
            err() << sourcePath << ": the voices give different sample rates\n";
            return 1;
        }
        if (!segment.text.isEmpty()) {
            PcmWave part;
            part.sampleRate = wave.sampleRate;
            part.channels = wave.channels;
            part.appendSilence(kLeadMs);
            part.append(wave);
            part.appendSilence(kTrailMs);
            spoken << part;
        }
    }
    if (source.spokenCount() > 0)
        whole.appendSilence(kTrailMs);

    const QString stem = QFileInfo(sourcePath).completeBaseName();
    const QStringList names = source.outputNames(stem);
    for (int i = 0; i < names.size(); ++i) {
        const bool isWhole = (!source.split || source.whole) && i == 0;
        const PcmWave &wave =
            isWhole ? whole : spoken[isWhole ? 0 : i - ((!source.split || source.whole) ? 1 : 0)];
        for (const QString &format : source.formats)
            if (!Encode(wave, format, work.path(), outDir + u'/' + names[i] + u'.' + format))
                return 1;
    }
    return 0;
}
