#include "exercises/shared/ExerciseRules.h"

#include "exercises/shared/AnswerHint.h"

#include "utils/Utils.h"

#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Exercises {

int TScore::Percent() const
{
    return ScorePercent(Good, Total()).value_or(0);
}

QString AnswerHint(const QString &learnerAnswer)
{
    // One builder for every screen (AnswerHint.h): the learner's text never acts as markup.
    return ::AnswerHint(learnerAnswer);
}

bool ParseExerciseXml(const QByteArray &bytes, TExerciseXml &xml, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QString parseError;
    if (!Utils::ParseXml(bytes, xml.Document, &parseError))
        return fail(parseError);
    const QDomElement root = xml.Document.documentElement();
    if (root.tagName() != u"cwiczenie"_s)
        return fail(u"the root element is not cwiczenie"_s);
    xml.Config = root.firstChildElement(u"config"_s);
    xml.Body = root.firstChildElement(u"body"_s);
    if (xml.Config.isNull() || xml.Body.isNull())
        return fail(u"config or body is missing"_s);
    return true;
}

QString PolecenieText(const QDomElement &body, int id)
{
    QString text;
    for (QDomElement e = body.firstChildElement(u"polecenie"_s); !e.isNull();
         e = e.nextSiblingElement(u"polecenie"_s)) {
        int value = 0;
        if (Utils::ParseInteger(e.attribute(u"id"_s), &value) && value == id)
            text = e.text().trimmed();
    }
    return text;
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

QString MediaName(const QString &multimedia)
{
    if (multimedia.endsWith(u".wav"_s, Qt::CaseSensitive))
        return multimedia.chopped(4) + u".mp3"_s;
    return multimedia;
}

} // namespace Exercises
