#pragma once
// The eleven numbered settings of one learner and their file Users/<id>_config.xml.
// GUI-free: the settings dialog and the login screen call these and decide what to show.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QtGlobal>

// Held by the main menu while a learner is logged in. Zero everywhere until the first load.
struct LearnerSettings
{
    quint8 InterfaceLanguage = 0;     // id 1
    quint8 TranslationLanguage = 0;   // id 2; 255 = no translations
    quint8 ArchiveRecordings = 0;     // id 3
    quint8 ScheduleRepetitions = 0;   // id 4
    qint32 RepetitionThreshold = 0;   // id 5, per cent
    qint32 Reserved6 = 0;             // id 6, always written as 3
    quint8 SentenceNoticePending = 0; // id 7 (kinds 21, 22, 24)
    quint8 DialogueNoticePending = 0; // id 8 (kinds 11, 14, 18, 26)
    quint8 WordNoticePending = 0;     // id 9 (kinds 1, 3, 4, 7, 31)
    quint8 UsePunctuation = 0;        // id 10
    quint8 MatchCase = 0;             // id 11

    // The values a new settings file holds.
    static LearnerSettings Defaults();
    // The value of setting id (1..11) as written to the file; 0 for an unknown id.
    int Value(int id) const;
    // Stores a value read from the file, held to the setting's range (languages 0 to 255,
    // switches 0 or 1, threshold 31 to 100); unknown ids are ignored.
    void SetValue(int id, int value);

    bool operator==(const LearnerSettings &) const = default;
};

namespace Learner {

// folder/<id>_config.xml, folder being the program's Users folder.
QString SettingsPath(const QString &usersFolder, int id);

// The bytes of a new settings file: UTF-16 LE with BOM, one element per line, CR LF ends.
QByteArray DefaultSettingsFileContent();

// Writes the default file atomically, replacing any file of that name.
bool CreateDefaultSettingsFile(const QString &usersFolder, int id, QString *error = nullptr);

enum class SettingsFileState {
    Read,    // the file was read into the settings
    Missing, // no file: a default one was created
    Damaged, // not readable: kept beside under a new name, a default one was created
    Failed   // a default file could not be written
};

struct SettingsLoadResult
{
    SettingsFileState State = SettingsFileState::Read;
    // What the learner is to be told (empty when the file was read).
    QString Message;
    // Where an unreadable file was kept.
    QString DamagedCopy;
};

// Reads the learner's file into settings (elements in document order; unknown ids and
// non-numeric values are left alone). A missing or unreadable file is re-created with the
// defaults, which are then also taken into settings, so that no learner inherits the
// values of the one logged in before. Reports through Utils::ShowSystemError.
// The caller compares InterfaceLanguage before and after to switch the language.
// A damaged file is kept aside under a name dated today.
SettingsLoadResult LoadSettingsFile(const QString &usersFolder, int id, LearnerSettings &settings,
                                    const QDate &today);

// Writes the fields into the existing elements of the file (id 6 always 3, other ids
// untouched, nothing added), atomically. False with error when the file cannot be read
// or written; the file is then left as it was.
bool SaveSettingsFile(const QString &usersFolder, int id, const LearnerSettings &settings,
                      QString *error = nullptr);

// Which first-use notice (7, 8 or 9) an exercise kind shows; 0 when it shows none.
int FirstUseNoticeForKind(int kind);
// Interface text of notice 7, 8 or 9 (90, 91, 92); 0 otherwise.
int FirstUseNoticeText(int notice);

} // namespace Learner
