#include "tools/course-check/GapTypingCheck.h"

#include "exercises/words/Struct_Wpisywanie.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Inspector {

void CheckGapTypingBody(const QString &exercisePath, QStringList &problems)
{
    QFile file(exercisePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    // Package items live in Dane\Paczki; name the file as the catalogue does.
    const QString dane = QDir(Utils::ProgramPath(QStringLiteral("\\Dane"))).absolutePath();
    const QString name =
        QStringLiteral("Dane\\") + QDir(dane).relativeFilePath(exercisePath).replace(u'/', u'\\');
    const QString pictures = Utils::ProgramPath(QStringLiteral("\\Gfx\\Wpis_gfx"));
    for (const QString &problem : InspectWpisywanie(file.readAll(), pictures))
        problems << name + QStringLiteral(": ") + problem;
}

} // namespace Inspector
