// Sentence exercises (kinds 21, 22, 24, and sentence packages offering them): the body
// must give every screen that plays it an instruction and sentences it can offer, and
// every sentence its recording in Media\Zdania.

#include "exercises/dialogues/Struct_Zdania.h"
#include "tools/course-check/CourseCheck.h"
#include "utils/Utils.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

// The language every instruction is shown in.
constexpr int InstructionLanguage = 1;

void CheckSentences(const QString &exercisePath, const QList<int> &variants, QStringList &problems)
{
    QFile file(exercisePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString name = u"Dane\\"_s + QFileInfo(exercisePath).fileName();
    const auto recordingExists = [](const QString &recording) {
        return QFileInfo::exists(Utils::MediaPath(u"\\Media\\Zdania\\"_s + recording));
    };
    for (const QString &problem :
         InspectSentences(file.readAll(), variants, InstructionLanguage, recordingExists))
        problems << name + u": "_s + problem;
}

// A sentence package offers its file to the screens its mask names.
void CheckSentencePackage(const QString &exercisePath, QStringList &problems)
{
    QDomDocument document;
    if (!Utils::ReadXmlFile(exercisePath, document))
        return;
    int mask = 0;
    Utils::ParseInteger(
        document.documentElement().firstChildElement(u"config"_s).firstChildElement(u"param2"_s).text(),
        &mask);
    QList<int> variants;
    for (int variant :
         {SentenceVariant::Arranging, SentenceVariant::Dictation, SentenceVariant::Translation}) {
        if (mask & variant)
            variants << variant;
    }
    if (variants.isEmpty()) {
        problems << u"Dane\\%1: the sentence package offers no exercise (param2 %2)"_s
                        .arg(QFileInfo(exercisePath).fileName())
                        .arg(mask);
        return;
    }
    CheckSentences(exercisePath, variants, problems);
}

[[maybe_unused]] const bool registered = [] {
    Inspector::RegisterBodyCheck(21, [](const QString &path, QStringList &problems) {
        CheckSentences(path, {SentenceVariant::Arranging}, problems);
    });
    Inspector::RegisterBodyCheck(22, [](const QString &path, QStringList &problems) {
        CheckSentences(path, {SentenceVariant::Dictation}, problems);
    });
    Inspector::RegisterBodyCheck(24, [](const QString &path, QStringList &problems) {
        CheckSentences(path, {SentenceVariant::Translation}, problems);
    });
    Inspector::RegisterBodyCheck(103, CheckSentencePackage);
    return true;
}();

} // namespace
