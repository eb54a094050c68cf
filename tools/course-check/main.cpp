// audivox-course PROGRAM_FOLDER [--language N]: the catalogue as the selection screen holds
// it on standard output, the course's problems on standard error.

#include "exercises/words/Struct_Test.h"
#include "tools/course-check/CourseCheck.h"
#include "tools/course-check/DialogueCheck.h"
#include "tools/course-check/GapTypingCheck.h"
#include "tools/course-check/ListeningChecks.h"
#include "tools/course-check/WordTileChecks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

// Multiple-choice tests: sheets with nothing to score, groups without a right answer and
// the like. A file that cannot be opened at all is reported by the scan itself.
void CheckTestBody(const QString &exercisePath, QStringList &problems)
{
    QFile file(exercisePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QString name = QStringLiteral("Dane\\") + QFileInfo(exercisePath).fileName();
    for (const QString &problem : InspectTest(file.readAll()))
        problems << name + QStringLiteral(": ") + problem;
}

} // namespace

int main(int argc, char *argv[])
{
    Inspector::RegisterBodyCheck(3, CheckTestBody);
    Inspector::RegisterBodyCheck(4, Inspector::CheckGapTypingBody);
    Inspector::RegisterListeningChecks();
    Inspector::RegisterWordTileChecks();
    Inspector::RegisterDialogueChecks();
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    QTextStream out(stdout);
    QTextStream err(stderr);

    int language = 0;
    QString folder;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (arg == u"--language" && i + 1 < args.size()) {
            bool ok = false;
            language = args.at(++i).toInt(&ok);
            if (!ok) {
                err << "audivox-course: --language needs a number\n";
                return 2;
            }
        } else if (arg == u"-h" || arg == u"--help") {
            out << "usage: audivox-course PROGRAM_FOLDER [--language N]\n";
            return 0;
        } else if (folder.isEmpty() && !arg.startsWith(u'-')) {
            folder = arg;
        } else {
            err << "usage: audivox-course PROGRAM_FOLDER [--language N]\n";
            return 2;
        }
    }
    if (folder.isEmpty()) {
        err << "usage: audivox-course PROGRAM_FOLDER [--language N]\n";
        return 2;
    }

    const Inspector::TInspection inspection =
        Inspector::InspectCourse(QDir::cleanPath(QFileInfo(folder).absoluteFilePath()), language);
    for (const QString &line : inspection.Catalogue)
        out << line << '\n';
    out.flush();
    for (const QString &line : inspection.Problems)
        err << line << '\n';
    return inspection.Status;
}
