#pragma once
// Progress statistics (Users/<id>_stat.xml) and repetition scheduling. GUI-free: every
// routine takes its world (settings, today, the file's folder and learner id) as arguments.

#include <QDate>
#include <QList>
#include <QString>

namespace Course {
struct TElement;
class TDrzewo;
} // namespace Course
namespace Utils {
class IProgress;
}
struct LearnerSettings;

namespace Learner {

using Course::TDrzewo;
using Course::TElement;

// folder/<id>_stat.xml, folder being the program's Users folder.
QString StatisticsPath(const QString &usersFolder, int id);

// The new, empty statistics file (UTF-16 LE with BOM), written atomically.
bool CreateEmptyStatisticsFile(const QString &usersFolder, int id, QString *error = nullptr);

// Dates as stored: LastDate "dd-MM-yyyy", RepeatDate "yyyy-MM-dd" ("0" = retired).
QString LastDateText(const QDate &date);
QString RepeatDateText(const QDate &date);
QDate ParseRepeatDate(const QString &text); // invalid for "", "0" or anything unreadable

// Kinds without a score (11, 41, 51, 61): Progress -1 at load and at recording.
bool IsScorelessKind(int kind);

// The statistics defaults of a node before its record is loaded.
void SetStatisticsDefaults(TElement &node);

// The largest interval factor kept: 3 x 65536 days is beyond any learner's course.
inline constexpr int MaxRepeatFactor = 65536;

// The schedule rule applied to one new score (ScheduleRepetitions on).
void ScheduleRepetition(TElement &node, int score, int threshold, const QDate &today);

enum class StatisticsFileState {
    Read,
    Missing, // created empty
    Damaged, // kept beside under a new name, created empty
    Failed   // could not be created
};

struct StatisticsLoadResult
{
    StatisticsFileState State = StatisticsFileState::Read;
    QString Message;          // what the learner was told (empty when read)
    QString DamagedCopy;      // where an unreadable file was kept
    int SkippedRecords = 0;   // records with a missing or non-numeric value
    int RecoveredRecords = 0; // of a damaged file, the records carried into the new one
};

// Loads the learner's file into every node (defaults first). A missing file is re-created
// empty; a damaged one is kept aside under a name dated today and replaced by a file with
// every record that ended before the damage, which is then loaded. Both are reported
// through Utils::ShowSystemError. The progress window, when given, shows interface text 52
// and advances node by node. The file read is kept for the results recorded next.
StatisticsLoadResult LoadStatistics(const QList<TElement *> &nodes, const QString &usersFolder, int id,
                                    const QDate &today, Utils::IProgress *progress = nullptr);

// What RecordExerciseResult reads from a screen's result panel Panel_Wynik.
struct ResultPanelState
{
    bool Present = false;
    bool Visible = false;
    int Tag = 0;   // set to 1 once the shown result has been recorded
    int Value = 0; // per cent
};

// Records the result of node (the host's current node): the panel's score when it is
// shown and not yet recorded (panel.Tag becomes 1), rescheduling, and the dated record of
// a kind without a score; then the node's record and its ancestors' are written in one
// atomic save. A copy in the repetitions tree records on its catalogue node (Original)
// and then shows the same values. Returns false with error (in Polish) when the file could
// not be written; the file is then left as it was.
bool RecordExerciseResult(TElement &node, ResultPanelState &panel, const LearnerSettings &settings,
                          const QDate &today, const QString &usersFolder, int id, QString *error = nullptr);

// Writes one node's record (LastDate := today, HasResult := 1), atomically.
bool SaveNodeStatistics(TElement &node, const QDate &today, const QString &usersFolder, int id,
                        QString *error = nullptr);

// Recomputes the averages of node's ancestors up to the root and writes their records.
bool UpdateAncestors(TElement &node, const QDate &today, const QString &usersFolder, int id,
                     QString *error = nullptr);

// Builds the repetitions tree (into repetitions, which must be new and empty) and its flat
// list: every node due on or before today, under copies of its group and package.
void FindDueRepetitions(const TDrzewo &catalogue, TDrzewo &repetitions, QList<TElement *> &repetitionList,
                        const QDate &today);

} // namespace Learner
