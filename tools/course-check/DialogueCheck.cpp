#include "tools/course-check/DialogueCheck.h"

#include "course/ExerciseKind.h"
#include "course/Struct_Paczka.h"
#include "exercises/dialogues/DialogueTaskCheck.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "tools/course-check/CourseCheck.h"

#include <QFile>
#include <QFileInfo>

namespace Inspector {

namespace {

// The dialogue kinds a file is played as: its own kind, or for a dialogue package the items
// its mask (param2) offers.
QList<int> PlayedKinds(const QString &exercisePath, int kind)
{
    if (kind != Course::ExerciseKind::DialoguePackage)
        return {kind};
    Course::TExerciseFile file;
    if (!Course::LoadExerciseFile(exercisePath, file))
        return {};
    int mask = 0;
    try {
        mask = file.Cwiczenie.Config().Param2();
    } catch (const Course::TXMLReadError &) {
        return {};
    }
    QList<int> kinds;
    for (const Course::TPackageItemKind &item : Course::PackageItemKinds(2)) {
        if ((mask & item.Bit) && Course::HasScreen(item.Kind))
            kinds << item.Kind;
    }
    return kinds;
}

void Check(const QString &exercisePath, int kind, QStringList &problems)
{
    const QList<int> kinds = PlayedKinds(exercisePath, kind);
    if (kinds.isEmpty())
        return; // a package that offers no dialogue screen, or whose envelope the scan reports
    QFile file(exercisePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString name = QStringLiteral("Dane\\") + QFileInfo(exercisePath).fileName();
    const QByteArray bytes = file.readAll();
    for (const QString &problem :
         InspectDialogue(bytes, kinds, exercisePath) + InspectDialogueTasks(bytes, kinds))
        problems << name + QStringLiteral(": ") + problem;
}

template <int Kind> void CheckAs(const QString &exercisePath, QStringList &problems)
{
    Check(exercisePath, Kind, problems);
}

} // namespace

void RegisterDialogueChecks()
{
    using namespace Course::ExerciseKind;
    RegisterBodyCheck(DialoguePresentation, CheckAs<DialoguePresentation>);
    RegisterBodyCheck(DialogueComprehension, CheckAs<DialogueComprehension>);
    RegisterBodyCheck(DialogueCompletion, CheckAs<DialogueCompletion>);
    RegisterBodyCheck(DialogueArranging, CheckAs<DialogueArranging>);
    RegisterBodyCheck(DialoguePackage, CheckAs<DialoguePackage>);
}

} // namespace Inspector
