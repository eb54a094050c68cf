#include "tools/course-check/CourseCheck.h"

#include "course/Catalogue.h"
#include "course/ExerciseKind.h"
#include "course/Struct_Definitions.h"
#include "course/Struct_Paczka.h"
#include "reference/Slownik.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace Inspector {

namespace {

QHash<int, BodyCheck> &bodyChecks()
{
    static QHash<int, BodyCheck> checks;
    return checks;
}

const QStringList mediaFolders{QStringLiteral("Teksty"), QStringLiteral("Dialogi"), QStringLiteral("Zdania"),
                               QStringLiteral("3Obrazki"), QStringLiteral("Odkrywanki")};

bool recordingExists(const QString &folder, const QString &name)
{
    return QFileInfo::exists(Utils::MediaPath(QStringLiteral("\\Media\\") + folder + u'\\' + name));
}

// The envelope's recording as the screens of the kind play it, and whether it is there. The
// word exercises play it from Teksty with an exact ".wav" turned into ".mp3", and their play
// buttons look for a ".wmv" film as ".mpg"; other kinds' recordings may lie in any folder.
bool envelopeRecordingExists(int kind, const QString &name, QString *played)
{
    *played = name;
    const Course::TKindInfo *info = Course::KindInfo(kind);
    if (info && QStringView(info->MediaFolder) == u"Teksty") {
        if (played->endsWith(u".wav"))
            *played = played->chopped(4) + u".mp3";
        QString checked = *played;
        if (checked.endsWith(u".wmv", Qt::CaseInsensitive))
            checked = checked.chopped(4) + u".mpg";
        return recordingExists(QStringLiteral("Teksty"), checked);
    }
    for (const QString &folder : mediaFolders) {
        if (recordingExists(folder, name))
            return true;
    }
    return false;
}

// Every line of the dictionary that the program could not read, by its number.
void checkDictionary(QStringList &problems)
{
    const QString plain = Utils::ProgramPath(QStringLiteral("\\Dane\\Slownik.txt"));
    const bool scrambled = QFileInfo::exists(plain + u"de");
    QFile file(scrambled ? plain + u"de" : plain);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString name =
        scrambled ? QStringLiteral("Dane\\Slownik.txtde") : QStringLiteral("Dane\\Slownik.txt");
    const QByteArray data = file.readAll();
    QString line;
    int number = 0;
    int reported = 0;
    const auto check = [&] {
        ++number;
        const QString text = scrambled ? Reference::UnscrambleLine(line) : line;
        Reference::TDane entry;
        if (!text.trimmed().isEmpty() && !Reference::ParseDictionaryLine(text, entry) && ++reported <= 20)
            problems << QStringLiteral("%1, line %2: the line does not parse: %3")
                            .arg(name)
                            .arg(number)
                            .arg(text.left(60));
        line.clear();
    };
    for (qsizetype i = 0; i + 1 < data.size(); i += 2) {
        const char16_t unit = char16_t(uchar(data[i]) | (uchar(data[i + 1]) << 8));
        if (unit == 0xFEFF)
            continue;
        if (unit == 0x000D) {
            check();
            i += 2; // the line feed
            continue;
        }
        line.append(QChar(unit));
    }
    if (!line.isEmpty())
        check();
    if (reported > 20)
        problems << QStringLiteral("%1: %2 more lines do not parse").arg(name).arg(reported - 20);
}

void checkDefinitions(const Course::TXMLDefinitionsType &definitions, QStringList &problems)
{
    QList<Course::TLanguage> languages;
    QList<int> hints;
    QList<int> groups;
    try {
        languages = definitions.Languages();
        hints = definitions.HintIds();
        groups = definitions.GroupIds();
    } catch (const Course::TXMLReadError &e) {
        problems << QStringLiteral("Config\\definitions.xml: %1").arg(QString::fromUtf8(e.what()));
        return;
    }
    if (languages.isEmpty())
        problems << QStringLiteral("Config\\definitions.xml: no languages");
    QSet<int> seen;
    for (int hint : std::as_const(hints)) {
        if (seen.contains(hint))
            problems << QStringLiteral("interface text %1 is defined more than once").arg(hint);
        seen.insert(hint);
        for (const Course::TLanguage &language : std::as_const(languages)) {
            if (definitions.InterfaceTextEntry(hint, language.Id).isEmpty())
                problems << QStringLiteral("interface text %1 is missing in language %2 (%3)")
                                .arg(hint)
                                .arg(language.Id)
                                .arg(language.Name);
        }
    }
    for (int group : std::as_const(groups)) {
        for (const Course::TLanguage &language : std::as_const(languages)) {
            if (definitions.GroupName(group, language.Id).isEmpty())
                problems << QStringLiteral("group %1 has no name in language %2 (%3)")
                                .arg(group)
                                .arg(language.Id)
                                .arg(language.Name);
        }
    }
}

// The files one node refers to: its exercise file (package items in Paczki), the recording
// its envelope names, and what its kind's body check finds.
void checkNode(const Course::TElement &node, QSet<QString> &checkedFiles, QStringList &problems)
{
    if (node.FileName.isEmpty() || checkedFiles.contains(node.FileName))
        return;
    checkedFiles.insert(node.FileName);
    const QString path = Utils::ProgramPath(QStringLiteral("\\Dane\\") + node.FileName);
    if (!QFileInfo::exists(path)) {
        problems << QStringLiteral("Dane\\%1: the file is missing").arg(node.FileName);
        return;
    }
    Course::TExerciseFile file;
    QString error;
    if (!Course::LoadExerciseFile(path, file, &error)) {
        problems << QStringLiteral("Dane\\%1: %2").arg(node.FileName, error);
        return;
    }
    if (!file.Cwiczenie.IsExercise()) {
        problems << QStringLiteral("Dane\\%1: the root element is not cwiczenie").arg(node.FileName);
        return;
    }
    const QString recording = file.Cwiczenie.Config().Multimedia().trimmed();
    QString played;
    if (!recording.isEmpty() && !envelopeRecordingExists(node.Kind, recording, &played))
        problems
            << QStringLiteral("Dane\\%1: the recording %2 is missing under Media").arg(node.FileName, played);
    if (node.NodeType == Course::NodeType::PackageItem && node.InPackageFolder) {
        try {
            const int kind = file.Cwiczenie.Config().Typ_cw();
            if (kind != node.Kind)
                problems << QStringLiteral("Dane\\%1: kind %2 in the file, %3 in its package")
                                .arg(node.FileName)
                                .arg(kind)
                                .arg(node.Kind);
        } catch (const Course::TXMLReadError &e) {
            problems << QStringLiteral("Dane\\%1: %2").arg(node.FileName, QString::fromUtf8(e.what()));
        }
    }
    if (const BodyCheck check = bodyChecks().value(node.Kind))
        check(path, problems);
}

} // namespace

void RegisterBodyCheck(int kind, BodyCheck check)
{
    bodyChecks().insert(kind, check);
}

TInspection InspectCourse(const QString &programFolder, int language)
{
    TInspection inspection;
    Utils::SetProgramFolder(programFolder);
    Utils::SetMediaRoot(programFolder);

    Course::TXMLDefinitionsType definitions;
    QString error;
    if (!definitions.Load(Course::DefinitionsPath(), &error)) {
        // The program's own words, and why.
        const QString why =
            QFileInfo::exists(Course::DefinitionsPath()) ? error : QStringLiteral("brak pliku");
        inspection.Problems << QStringLiteral(
                                   "Config\\definitions.xml: Błąd podczas odczytu pliku definicji. "
                                   "Wykonywanie aplikacji zostało przerwane! (%1)")
                                   .arg(why);
        inspection.Status = Unreadable;
        return inspection;
    }

    QStringList scanMessages;
    Utils::SetSystemErrorHandler(
        [&scanMessages](const QString &, const QString &text) { scanMessages << text; });
    Course::TCatalogue catalogue;
    const Course::TCatalogueLoadResult result = Course::LoadCatalogue(catalogue, {language, nullptr});
    Utils::SetSystemErrorHandler({});
    inspection.Problems << scanMessages;
    if (result.TerminateRequested) {
        inspection.Status = Unreadable;
        return inspection;
    }

    QSet<QString> checkedFiles;
    for (const Course::TElement *node : std::as_const(catalogue.CatalogueList)) {
        inspection.Catalogue << node->Title + u'\t' + QString::number(node->Kind) + u'\t' + node->FileName +
                                    u'\t' + node->MediaMarks;
        if (node->ChildCount() > Course::MaxChildren)
            inspection.Problems << QStringLiteral("%1: %2 children, more than %3")
                                       .arg(Utils::GetField(3, node->Title, u'='))
                                       .arg(node->ChildCount())
                                       .arg(Course::MaxChildren);
        if (node->NodeType != Course::NodeType::RootOrGroup && !Course::IsKnownKind(node->Kind))
            inspection.Problems
                << QStringLiteral("Dane\\%1: unknown kind %2").arg(node->FileName).arg(node->Kind);
        checkNode(*node, checkedFiles, inspection.Problems);
    }
    checkDefinitions(definitions, inspection.Problems);
    checkDictionary(inspection.Problems);

    inspection.Status = inspection.Problems.isEmpty() ? Sound : ProblemsFound;
    return inspection;
}

} // namespace Inspector
