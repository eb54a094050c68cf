#include "tools/course-check/DialogueTaskChecks.h"

#include "exercises/dialogues/DialogueTaskCheck.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "tools/course-check/CourseCheck.h"

#include <QFile>
#include <QFileInfo>

namespace Inspector {

namespace {

// Everything a dialogue body must be for the kind, then what the kind itself asks of it.
void CheckAs(int kind, const QString &exercisePath, QStringList &problems)
{
    QFile file(exercisePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    const QString name = QStringLiteral("Dane\\") + QFileInfo(exercisePath).fileName();
    for (const QString &problem :
         InspectDialogue(bytes, {kind}, exercisePath) + InspectDialogueTasks(bytes, {kind}))
        problems << name + QStringLiteral(": ") + problem;
}

void CheckComprehensionBody(const QString &exercisePath, QStringList &problems)
{
    CheckAs(14, exercisePath, problems);
}

void CheckCompletionBody(const QString &exercisePath, QStringList &problems)
{
    CheckAs(18, exercisePath, problems);
}

} // namespace

void RegisterDialogueTaskChecks()
{
    RegisterBodyCheck(14, CheckComprehensionBody);
    RegisterBodyCheck(18, CheckCompletionBody);
}

} // namespace Inspector
