#include "SceneSource.h"

#include <QRegularExpression>

namespace CourseMedia {

namespace {

bool ParseColour(const QStringList &args, Rgb &rgb)
{
    if (args.size() == 1 && args[0].startsWith(u'#') && args[0].size() == 7) {
        bool ok = false;
        const uint v = args[0].mid(1).toUInt(&ok, 16);
        rgb = {int(v >> 16), int((v >> 8) & 0xff), int(v & 0xff)};
        return ok;
    }
    if (args.size() != 3)
        return false;
    int c[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        c[i] = args[i].toInt(&ok);
        if (!ok || c[i] < 0 || c[i] > 255)
            return false;
    }
    rgb = {c[0], c[1], c[2]};
    return true;
}

} // namespace

bool ParseSceneSource(const QString &text, SceneSource &scene, QString &error, const QStringList &knownMotifs)
{
    scene = SceneSource();
    const QStringList lines = text.split(u'\n');
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const auto fail = [&](const QString &why) {
            error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return false;
        };
        const qsizetype space = line.indexOf(QRegularExpression(QStringLiteral("\\s")));
        const QString key = space < 0 ? line : line.left(space);
        const QString rest = space < 0 ? QString() : line.mid(space).trimmed();
        const QStringList args = rest.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (key == u"motif") {
            if (args.isEmpty() || args.size() > 4)
                return fail(QStringLiteral("\"motif\" wants one to four names"));
            for (const QString &name : args)
                if (!knownMotifs.isEmpty() && !knownMotifs.contains(name))
                    return fail(
                        QStringLiteral("unknown motif \"%1\"; known: %2").arg(name, knownMotifs.join(u' ')));
            scene.motif = args.join(u' ');
        } else if (key == u"size") {
            bool okW = false, okH = false;
            const int w = args.value(0).toInt(&okW), h = args.value(1).toInt(&okH);
            if (args.size() != 2 || !okW || !okH || w < 16 || h < 16 || w > 2048 || h > 2048)
                return fail(QStringLiteral("\"size\" wants WIDTH HEIGHT, 16 to 2048 pixels"));
            scene.width = w;
            scene.height = h;
        } else if (key == u"background") {
            if (args.size() == 1 && args[0] == u"none")
                scene.transparent = true;
            else if (!ParseColour(args, scene.background))
                return fail(QStringLiteral("a colour is R G B (0-255) or #RRGGBB"));
        } else if (key == u"colour" || key == u"color") {
            if (!ParseColour(args, scene.colour))
                return fail(QStringLiteral("a colour is R G B (0-255) or #RRGGBB"));
        } else if (key == u"accent") {
            if (!ParseColour(args, scene.accent))
                return fail(QStringLiteral("a colour is R G B (0-255) or #RRGGBB"));
        } else if (key == u"caption") {
            scene.caption = rest;
        } else if (key == u"stripes") {
            bool ok = false;
            scene.stripes = rest.toInt(&ok);
            if (!ok || scene.stripes < 1 || scene.stripes > 20)
                return fail(QStringLiteral("\"stripes\" wants a number from 1 to 20"));
        } else {
            return fail(QStringLiteral("unknown key \"%1\"").arg(key));
        }
    }
    if (scene.motif.isEmpty()) {
        error = QStringLiteral("no motif named");
        return false;
    }
    return true;
}

} // namespace CourseMedia
