#include "exercises/shared/BodyXml.h"

#include "utils/Utils.h"

#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Exercises {

bool OpenExerciseBody(const QByteArray &bytes, TExerciseBody &file, QString &error)
{
    file = TExerciseBody();
    if (!Utils::ParseXml(bytes, file.Document, &error))
        return false;
    const QDomElement root = file.Document.documentElement();
    if (root.tagName() != u"cwiczenie"_s) {
        error = u"the root element is not cwiczenie"_s;
        return false;
    }
    file.Config = root.firstChildElement(u"config"_s);
    file.Body = root.firstChildElement(u"body"_s);
    if (file.Config.isNull() || file.Body.isNull()) {
        error = u"config or body is missing"_s;
        return false;
    }
    return true;
}

bool ReadWholeFile(const QString &path, QByteArray &bytes, QString &error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = file.errorString();
        return false;
    }
    bytes = file.readAll();
    return true;
}

QString TextForLanguage(const QDomElement &parent, const QString &tag, int id)
{
    QString text;
    for (QDomElement e = parent.firstChildElement(tag); !e.isNull(); e = e.nextSiblingElement(tag)) {
        int value = 0;
        if (Utils::ParseInteger(e.attribute(u"id"_s), &value) && value == id)
            text = e.text().trimmed();
    }
    return text;
}

QString WithExtension(const QString &name, const QString &extension)
{
    if (name.isEmpty())
        return {};
    const qsizetype slash = std::max(name.lastIndexOf(u'\\'), name.lastIndexOf(u'/'));
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > slash)
        return name.left(dot) + extension;
    return name + extension;
}

} // namespace Exercises
