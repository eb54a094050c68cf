#pragma once
// The course inspector behind audivox-course: scans a program folder exactly as the program
// does, lists the catalogue and reports what a course author must mend.

#include <QString>
#include <QStringList>

namespace Course {
struct TCatalogue;
}

namespace Inspector {

enum ExitStatus { Sound = 0, ProblemsFound = 1, Unreadable = 2 };

struct TInspection
{
    QStringList Catalogue; // one line per node: numbered title, kind, file name, media marks (tab-separated)
    QStringList Problems;  // one line per problem
    ExitStatus Status = Sound;
};

// Scans programFolder in interface language `language`. Sets the program folder of the
// shared utilities (the inspector is a program of its own).
TInspection InspectCourse(const QString &programFolder, int language);

// Checks of files a node refers to beyond the envelope, by kind. Each kind's body reader adds
// its own as it arrives.
using BodyCheck = void (*)(const QString &exercisePath, QStringList &problems);
void RegisterBodyCheck(int kind, BodyCheck check);

} // namespace Inspector
