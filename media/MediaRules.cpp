#include "media/MediaRules.h"

#include <QFileInfo>

#include <cmath>

namespace Media {

TMediaKind MediaKindOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"mpg" || suffix == u"wmv")
        return TMediaKind::Video;
    if (suffix == u"ogg")
        return TMediaKind::Ogg;
    return TMediaKind::Sound;
}

QList<int> ParseSpeakerMarks(const QString &marks)
{
    QList<int> seconds;
    if (marks.isEmpty())
        return seconds;
    const QStringList fields = marks.split(QLatin1Char('#'));
    for (const QString &field : fields) {
        if (field.isEmpty() || seconds.size() == MaxSpeakerMarks)
            break;
        seconds.append(field.trimmed().toInt());
    }
    return seconds;
}

int SpeakerMarkLeft(int m, int n)
{
    return 35 * (m - n) + 315;
}

int KnobLeftFor(qint64 position, qint64 length, int barLeft)
{
    if (length <= 0)
        return barLeft;
    const qint64 clamped = qBound<qint64>(0, position, length);
    return int(std::lround(double(clamped) / double(length) * (BarWidth - KnobWidth))) + barLeft;
}

qint64 SeekTargetFor(qint64 lengthMs, int offsetOnBar)
{
    const qint64 ms = std::llround(double(lengthMs) * offsetOnBar / double(BarWidth - KnobWidth));
    return qBound<qint64>(0, ms, qMax<qint64>(0, lengthMs));
}

QString MediaButtonCheckPath(const QString &name)
{
    QString path = u"\\Media" + QStringLiteral("\\Teksty") + u'\\' + name;
    if (path.endsWith(u".wmv", Qt::CaseInsensitive))
        path = path.left(path.size() - 4) + u".mpg";
    return path;
}

TMediaButtonSetup DecideMediaButton(const QString &name, bool exists)
{
    TMediaButtonSetup setup;
    if (name.isEmpty() || !exists)
        return setup;
    setup.Visible = true;
    setup.ChangeLook = true;
    const QString ending = name.right(3).toLower();
    if (ending == u"wav" || ending == u"mp3") {
        setup.Tag = 2;
        setup.Glyph = QStringLiteral("IMG_Glosnik");
        setup.CaptionText = 42;
    } else {
        if (ending == u"mpg" || ending == u"wmv")
            setup.Tag = 1;
        else if (ending == u"swf")
            setup.Tag = 3;
        setup.Glyph = QStringLiteral("IMG_Video");
        setup.CaptionText = 4;
    }
    return setup;
}

} // namespace Media
