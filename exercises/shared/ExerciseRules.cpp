#include "exercises/shared/ExerciseRules.h"

#include "utils/Utils.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Exercises {

int TScore::Percent() const
{
    return ScorePercent(Good, Total()).value_or(0);
}

QString TileMarkPicture(TileMark mark)
{
    switch (mark) {
    case TileMark::Right:
        return u"IMG_OK"_s;
    case TileMark::Wrong:
        return u"IMG_Zle"_s;
    case TileMark::Info:
        return u"IMG_Info"_s;
    case TileMark::None:
        break;
    }
    return {};
}

QString CaptionWordAt(const QString &caption, int captionLeft, const TextMeasure &measure, int x)
{
    int left = captionLeft;
    for (const QString &word : caption.split(u' ', Qt::SkipEmptyParts)) {
        const int width = measure(word + u' ');
        if (x >= left && x < left + width)
            return word;
        left += width;
    }
    return {};
}

QString FindExercisePicture(const QString &folder, const QString &exerciseFile)
{
    const QString name = QFileInfo(QString(exerciseFile).replace(u'\\', u'/')).fileName();
    const QString base = name.section(u'.', 0, 0);
    for (const QString &extension : {u".bmp"_s, u".png"_s}) {
        const QString path = Utils::ResolvePath(folder, base + extension);
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace Exercises
