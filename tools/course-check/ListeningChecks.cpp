#include "tools/course-check/ListeningChecks.h"

#include "course/ExerciseKind.h"
#include "exercises/shared/BodyXml.h"
#include "exercises/shared/PictureSize.h"
#include "exercises/words/Struct_3Obrazki.h"
#include "exercises/words/Struct_Odkrywanka.h"
#include "exercises/words/Struct_TF2.h"
#include "exercises/words/TrueFalseModel.h"
#include "tools/course-check/CourseCheck.h"
#include "utils/Utils.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace Inspector {

namespace {

// "Dane\x.xml" or "Dane\Paczki\x.xml", as the author finds the file.
QString Shown(const QString &exercisePath)
{
    const QString dane = QDir::cleanPath(Utils::ProgramPath(u"\\Dane"_s));
    QString relative = QDir(dane).relativeFilePath(exercisePath);
    return u"Dane\\"_s + relative.replace(u'/', u'\\');
}

void Report(const QString &exercisePath, const QStringList &found, QStringList &problems)
{
    for (const QString &problem : found)
        problems << Shown(exercisePath) + u": "_s + problem;
}

void CheckTrueFalseBody(const QString &exercisePath, QStringList &problems)
{
    QByteArray bytes;
    QString error;
    if (!Exercises::ReadWholeFile(exercisePath, bytes, error))
        return; // the scan reports unreadable files
    QStringList found = InspectTF2(bytes);
    const TF2ReadResult read = ReadTF2(bytes, 1, 0);
    if (read.Ok()) {
        auto pictureSize = [&exercisePath](QChar placement) {
            return Exercises::PictureFileSize(
                Utils::ProgramPath(u"\\Gfx\\Tf_gfx\\"_s + TrueFalsePictureName(exercisePath, placement)));
        };
        found << TrueFalseModel::InspectTableFit(read.Exercise, pictureSize(u'T'), pictureSize(u'B'));
    }
    Report(exercisePath, found, problems);
}

void CheckThreePicturesBody(const QString &exercisePath, QStringList &problems)
{
    QByteArray bytes;
    QString error;
    if (!Exercises::ReadWholeFile(exercisePath, bytes, error))
        return;
    Report(exercisePath, Inspect3Obrazki(bytes, Utils::MediaPath(u"\\Media\\3Obrazki"_s)), problems);
}

void CheckUncoveringBody(const QString &exercisePath, QStringList &problems)
{
    QByteArray bytes;
    QString error;
    if (!Exercises::ReadWholeFile(exercisePath, bytes, error))
        return;
    const QString picture =
        Utils::ProgramPath(u"\\Gfx\\Odkrywanki_gfx\\"_s + UncoveringPictureName(exercisePath));
    Report(exercisePath, InspectOdkrywanka(bytes, Utils::MediaPath(u"\\Media\\Odkrywanki"_s), picture),
           problems);
}

} // namespace

void RegisterListeningChecks()
{
    RegisterBodyCheck(Course::ExerciseKind::TrueFalseGroups, CheckTrueFalseBody);
    RegisterBodyCheck(Course::ExerciseKind::ThreePictures, CheckThreePicturesBody);
    RegisterBodyCheck(Course::ExerciseKind::Uncovering, CheckUncoveringBody);
}

} // namespace Inspector
