#include "SpeechSource.h"

#include <QRegularExpression>

namespace CourseMedia {

namespace {

const QStringList kFormats{QStringLiteral("mp3"), QStringLiteral("ogg"), QStringLiteral("wav")};

bool IsSpeakerTag(const QString &token)
{
    static const QRegularExpression tag(QStringLiteral("^[A-Za-z0-9_]{1,12}$"));
    return tag.match(token).hasMatch();
}

// "@voice [SPEAKER] VOICE [speed=N] [pitch=N]"
bool ParseVoice(const QStringList &args, QString &speaker, Voice &voice, QString &error)
{
    QStringList plain;
    for (const QString &arg : args) {
        const int eq = arg.indexOf(u'=');
        if (eq < 0) {
            plain << arg;
            continue;
        }
        const QString key = arg.left(eq);
        bool ok = false;
        const int value = arg.mid(eq + 1).toInt(&ok);
        if (key == u"speed" && ok && value >= 80 && value <= 450)
            voice.speed = value;
        else if (key == u"pitch" && ok && value >= 0 && value <= 99)
            voice.pitch = value;
        else {
            error = QStringLiteral("bad voice setting \"%1\" (speed=80..450, pitch=0..99)").arg(arg);
            return false;
        }
    }
    if (plain.size() == 1) {
        voice.name = plain[0];
    } else if (plain.size() == 2 && IsSpeakerTag(plain[0])) {
        speaker = plain[0];
        voice.name = plain[1];
    } else {
        error = QStringLiteral("\"@voice\" wants [SPEAKER] VOICE [speed=N] [pitch=N]");
        return false;
    }
    return true;
}

bool ParseMs(const QStringList &args, int &ms, QString &error)
{
    bool ok = false;
    ms = args.size() == 1 ? args[0].toInt(&ok) : 0;
    if (!ok || ms < 0 || ms > 60000) {
        error = QStringLiteral("a time in milliseconds (0 to 60000) is expected");
        return false;
    }
    return true;
}

} // namespace

int SpeechSource::spokenCount() const
{
    int n = 0;
    for (const SpeechSegment &s : segments)
        n += s.text.isEmpty() ? 0 : 1;
    return n;
}

QStringList SpeechSource::outputNames(const QString &stem) const
{
    QStringList names;
    if (!split || whole)
        names << stem;
    if (split) {
        const int n = spokenCount();
        const int width = n > 99 ? 3 : 2;
        for (int i = 1; i <= n; ++i)
            names << stem + u'_' + QString::number(i).rightJustified(width, u'0');
    }
    return names;
}

bool ParseSpeechSource(const QString &text, SpeechSource &source, QString &error)
{
    source = SpeechSource();
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        const auto fail = [&](const QString &why) {
            error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return false;
        };
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'@')) {
            QStringList args =
                line.mid(1).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
            const QString directive = args.isEmpty() ? QString() : args.takeFirst();
            if (directive == u"voice") {
                QString speaker;
                Voice voice;
                if (!ParseVoice(args, speaker, voice, error))
                    return fail(error);
                if (speaker.isEmpty())
                    source.defaultVoice = voice;
                else
                    source.speakers.insert(speaker, voice);
            } else if (directive == u"pause") {
                if (!ParseMs(args, source.pauseMs, error))
                    return fail(error);
            } else if (directive == u"silence") {
                SpeechSegment pause;
                if (!ParseMs(args, pause.silenceMs, error))
                    return fail(error);
                source.segments << pause;
            } else if (directive == u"split" && args.isEmpty()) {
                source.split = true;
            } else if (directive == u"whole" && args.isEmpty()) {
                source.whole = true;
            } else if (directive == u"formats" && !args.isEmpty()) {
                for (const QString &f : args)
                    if (!kFormats.contains(f))
                        return fail(QStringLiteral("unknown format \"%1\" (mp3, ogg, wav)").arg(f));
                source.formats = args;
            } else {
                return fail(QStringLiteral("unknown directive \"@%1\"").arg(directive));
            }
            continue;
        }
        SpeechSegment segment;
        segment.voice = source.defaultVoice;
        segment.text = line;
        const int colon = line.indexOf(u':');
        if (colon > 0) {
            const QString tag = line.left(colon);
            if (source.speakers.contains(tag)) {
                segment.speaker = tag;
                segment.voice = source.speakers.value(tag);
                segment.text = line.mid(colon + 1).trimmed();
                if (segment.text.isEmpty())
                    return fail(QStringLiteral("speaker %1 says nothing").arg(tag));
            }
        }
        source.segments << segment;
    }
    bool anything = false;
    for (const SpeechSegment &s : source.segments)
        anything = anything || !s.text.isEmpty() || s.silenceMs > 0;
    if (!anything) {
        error = QStringLiteral("nothing to say");
        return false;
    }
    return true;
}

} // namespace CourseMedia
