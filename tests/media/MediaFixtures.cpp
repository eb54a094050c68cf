#include "MediaFixtures.h"

#include <QFileInfo>
#include <QProcess>
#include <QtDebug>

namespace MediaFixtures {

bool Run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        qWarning().noquote() << program << arguments.join(u' ')
                             << "failed:" << process.readAllStandardError();
        return false;
    }
    return true;
}

bool MakeSpeech(const QString &folder, const QString &base, const QString &text)
{
    const QString stem = folder + u'/' + base;
    return Run(QStringLiteral("espeak-ng"),
               {QStringLiteral("-v"), QStringLiteral("en"), QStringLiteral("-w"), stem + u".wav", text}) &&
           Run(QStringLiteral("oggenc"),
               {QStringLiteral("-Q"), stem + u".wav", QStringLiteral("-o"), stem + u".ogg"}) &&
           Run(QStringLiteral("lame"), {QStringLiteral("--quiet"), stem + u".wav", stem + u".mp3"});
}

bool MakeTone(const QString &path, double seconds, int frequency)
{
    return Run(QStringLiteral("sox"),
               {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"), QStringLiteral("-c"),
                QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("16"), path,
                QStringLiteral("synth"), QString::number(seconds), QStringLiteral("sine"),
                QString::number(frequency), QStringLiteral("vol"), QStringLiteral("0.5")});
}

bool MakeFilm(const QString &path)
{
    const bool mpg = QFileInfo(path).suffix().compare(u"mpg", Qt::CaseInsensitive) == 0;
    QStringList pipeline = {QStringLiteral("-q"),
                            QStringLiteral("videotestsrc"),
                            QStringLiteral("num-buffers=50"),
                            QStringLiteral("!"),
                            QStringLiteral("video/x-raw,width=320,height=240,framerate=25/1"),
                            QStringLiteral("!"),
                            QStringLiteral("videoconvert"),
                            QStringLiteral("!")};
    if (mpg)
        pipeline << QStringLiteral("mpeg2enc") << QStringLiteral("format=0") << QStringLiteral("!")
                 << QStringLiteral("mpegvideoparse") << QStringLiteral("!") << QStringLiteral("mpegpsmux");
    else
        pipeline << QStringLiteral("avenc_wmv2") << QStringLiteral("bitrate=300000") << QStringLiteral("!")
                 << QStringLiteral("asfmux");
    pipeline << QStringLiteral("!") << QStringLiteral("filesink") << (u"location=" + path);
    return Run(QStringLiteral("gst-launch-1.0"), pipeline);
}

} // namespace MediaFixtures
