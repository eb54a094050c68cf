#include "tools/course-check/WordTileChecks.h"

#include "course/ExerciseKind.h"
#include "exercises/shared/ExerciseRules.h"
#include "exercises/words/Struct_Laczenie.h"
#include "exercises/words/Struct_Tabelka.h"
#include "exercises/words/Struct_TabelkaCS.h"
#include "tools/course-check/CourseCheck.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Inspector {

namespace {

// The exercise as a course author names it: its path under the program folder.
QString Where(const QString &exercisePath)
{
    const QString relative = QDir(Utils::ProgramFolder()).relativeFilePath(exercisePath);
    return QString(relative).replace(u'/', u'\\');
}

void Report(const QString &exercisePath, const QStringList &found, QStringList &problems)
{
    for (const QString &problem : found)
        problems << Where(exercisePath) + u": "_s + problem;
}

QByteArray ReadAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The folders of Gfx that hold pictures named after exercises.
const QStringList PictureFolders{u"Antonimy_gfx"_s, u"Table_gfx"_s};

// The picture under a matching-pairs or table exercise is optional. When there is one it must
// be a PNG or BMP file; when there is none here but one with the exercise's name lies in the
// other kind's folder, it was most likely put in the wrong place.
QStringList CheckPicture(const QString &exercisePath, const QString &folder)
{
    const QString found =
        Exercises::FindExercisePicture(Utils::ProgramPath(u"\\Gfx\\"_s + folder), exercisePath);
    if (!found.isEmpty()) {
        const QByteArray head = ReadAll(found).left(8);
        if (!head.startsWith("\x89PNG\r\n\x1a\n") && !head.startsWith("BM"))
            return {u"the picture %1 is neither a PNG nor a BMP file"_s.arg(Where(found))};
        return {};
    }
    for (const QString &other : PictureFolders) {
        if (other == folder)
            continue;
        const QString elsewhere =
            Exercises::FindExercisePicture(Utils::ProgramPath(u"\\Gfx\\"_s + other), exercisePath);
        if (!elsewhere.isEmpty())
            return {
                u"its picture %1 is not shown: this kind looks in Gfx\\%2"_s.arg(Where(elsewhere), folder)};
    }
    return {};
}

void CheckLaczenie(const QString &exercisePath, QStringList &problems)
{
    Report(exercisePath, InspectLaczenie(ReadAll(exercisePath)), problems);
    Report(exercisePath, CheckPicture(exercisePath, u"Antonimy_gfx"_s), problems);
}

void CheckTabelka(const QString &exercisePath, QStringList &problems)
{
    Report(exercisePath, InspectTabelka(ReadAll(exercisePath)), problems);
    Report(exercisePath, CheckPicture(exercisePath, u"Table_gfx"_s), problems);
}

void CheckTabelkaCS(const QString &exercisePath, QStringList &problems)
{
    Report(exercisePath, InspectTabelkaCS(ReadAll(exercisePath)), problems);
}

} // namespace

void RegisterWordTileChecks()
{
    RegisterBodyCheck(Course::ExerciseKind::MatchingPairs, CheckLaczenie);
    RegisterBodyCheck(Course::ExerciseKind::TableSorting, CheckTabelka);
    RegisterBodyCheck(Course::ExerciseKind::WordOrdering, CheckTabelkaCS);
}

} // namespace Inspector
