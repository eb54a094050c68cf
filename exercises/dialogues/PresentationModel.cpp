#include "exercises/dialogues/PresentationModel.h"

#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace Presentation {

QStringList PlayAllQueue(const QList<TKwestia> &lines, const RecordingPath &path)
{
    QStringList queue;
    for (const TKwestia &line : lines)
        queue << path(line.Recording);
    return queue;
}

QStringList SpeakerQueue(const QList<TKwestia> &lines, int speaker, const RecordingPath &path,
                         const QString &silence)
{
    QStringList queue;
    for (const TKwestia &line : lines) {
        if (line.Speaker != speaker)
            continue;
        queue << path(line.Recording) << silence;
        for (qsizetype n = line.Text.size() / CharactersPerPause; n > 0; --n)
            queue << silence;
    }
    return queue;
}

TLearnerRecording LearnerRecording(const QString &usersFolder, int userId, const QString &recording)
{
    QString name = recording;
    name.replace(u'\\', u'/');
    name = name.mid(name.lastIndexOf(u'/') + 1);
    if (name == u".."_s || name == u"."_s)
        name.clear();
    const QString file = u"usr_"_s + name;
    const QString prefix = usersFolder + u'/' + QString::number(userId) + u'_';
    return {prefix + u"Media_temp/"_s + file, prefix + u"Media_arch/"_s + file};
}

QStringList CloseLearnerRecordings(const QList<TLearnerRecording> &recordings, bool archive)
{
    QStringList problems;
    QSet<QString> done;
    for (const TLearnerRecording &recording : recordings) {
        if (done.contains(recording.Temporary))
            continue;
        done.insert(recording.Temporary);
        if (!QFileInfo(recording.Temporary).isFile())
            continue;
        if (archive) {
            QDir().mkpath(QFileInfo(recording.Kept).absolutePath());
            // rename() puts the new file in place of the old one in one step: the kept
            // recording is either the old one or the new one, never gone.
            if (std::rename(QFile::encodeName(recording.Temporary).constData(),
                            QFile::encodeName(recording.Kept).constData()) != 0) {
                problems << u"%1 could not be kept as %2"_s.arg(QDir::toNativeSeparators(recording.Temporary),
                                                                QDir::toNativeSeparators(recording.Kept));
            }
            continue;
        }
        if (!QFile::remove(recording.Temporary))
            problems << u"%1 could not be deleted"_s.arg(QDir::toNativeSeparators(recording.Temporary));
    }
    return problems;
}

QString PrintedTitle(const QString &packageTitle)
{
    const qsizetype first = packageTitle.indexOf(u'=');
    if (first < 0)
        return {};
    const qsizetype second = packageTitle.indexOf(u'=', first + 1);
    if (second < 0)
        return {};
    return packageTitle.mid(second + 1);
}

namespace {

// Text as it may stand in the page: markup characters escaped, then the page's code page
// (Polish letters as character references).
QByteArray Html(const QString &text)
{
    return Utils::ToHtmlText(text.toHtmlEscaped());
}

} // namespace

QByteArray PrintPage(const QString &title, const QList<TKwestia> &lines, const QStringList &footer)
{
    QByteArray page;
    page += "<HTML><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1250\">"
            "<STYLE type=\"text/css\">H2 {font-size: 20pt;}.kwestia{font-family: Times New Roman;font-size: "
            "14pt;}"
            "</STYLE></head><body>";
    page += "<H2>" + Html(title) + "</H2><hr />";
    page += "<table>";
    for (const TKwestia &line : lines) {
        page += "<tr><td style=\"vertical-align: top;\"><b>" + Html(SpeakerLetter(line.Speaker)) +
                ":</b>&nbsp;&nbsp;</td><td class=\"kwestia\">" + Html(line.Text) + "</td></tr>";
        page += "<tr><td style=\"vertical-align: top;\">&nbsp;</td><td><i>" + Html(line.Translation) +
                "</i></td></tr>";
    }
    page += "</table>";
    page += "<p align=\"right\">";
    for (qsizetype i = 0; i < footer.size(); ++i)
        page += (i ? "<br />" : "") + Html(footer[i]);
    page += "</p></body></HTML>";
    return page;
}

} // namespace Presentation
