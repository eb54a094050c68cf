#pragma once
// Learner profiles: the record, the scrambled profile list Users/usr.txt and the
// per-learner files and folders. GUI-free; the login screen and the profile dialog use it.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <QtGlobal>

struct TUser
{
    qint32 Id = 0;
    QString Name;      // at most 15 characters, trimmed
    QString Gender;    // "K" or "M"
    quint8 Figure = 0; // in memory 11..16 / 21..26; in the file one less
    quint8 HasPassword = 0;
    QString Password; // letters A-Z, a-z and digits only

    // Skin picture of the figure: "C" + gender + in-memory figure, e.g. "CK11".
    QString FigurePicture() const;
};

namespace Learner {

inline constexpr int MaxNameLength = 15;
inline constexpr int MaxPasswordLength = 15;

// Scrambles (forward) or unscrambles one line with the key "PRQ_WNAV"; every eighth byte
// stays as it is and the length never changes.
QByteArray ScrambleLine(const QByteArray &line, bool forward);

// The plain line "Id=Name=Gender=HasPassword=Password=Figure"; user.Figure is taken as
// it stands (pass the file numbering).
QString BuildProfileLine(const TUser &user);
// Parses a plain line; Figure gets one added (in-memory numbering). Numbers outside what
// the program writes read as 0 (Id, HasPassword) or as the first figure (Figure).
TUser ParseProfileLine(const QString &line);
// Whether a plain line is a profile: an Id of 1 or more, a name, and no control characters.
bool IsProfileLine(const QString &line);

// Figure helpers of the profile dialog: file value = set (10 or 20) + colour (0..5).
int FigureSet(int inMemoryFigure);    // 10 when figure <= 20, else 20
int FigureColour(int inMemoryFigure); // figure - set - 1, kept within 0..5

enum class NameProblem {
    None,
    Empty,     // text 58
    Duplicate, // text 60
    HasEquals, // "=" cannot be stored in the line format
    Unstorable // a character the code page lacks, or a scrambled line that would break
};
// Password rules of the profile dialog.
enum class PasswordProblem {
    None,
    TooShort, // text 61: two characters or fewer
    Mismatch  // text 62
};

bool IsPasswordCharacter(QChar c); // A-Z, a-z, 0-9

// ASCII-only case folding, as the duplicate rule needs (Łucja and łucja differ).
QString AsciiUpper(const QString &text);

// The plain lines of usr.txt, in order of creation.
class ProfileList
{
public:
    QStringList Lines;

    // Reads and unscrambles path; a missing file is an empty list. Lines are split only
    // at CR LF. A file with lines that are not profiles is damaged: it is kept aside under a
    // name dated today, the lines that are profiles are kept and saved anew. False, with
    // what to tell the learner in message, when the file was damaged or cannot be read (the
    // list is then untouched).
    bool Load(const QString &path, const QDate &today, QString *message = nullptr);
    // Scrambles and writes every line atomically.
    bool Save(const QString &path, QString *error = nullptr) const;

    TUser User(int index) const;
    // One more than the highest Id in the list (1 for an empty list), passing over Ids that
    // are taken or whose files or folders exist in usersFolder (when given).
    int NextId(const QString &usersFolder = QString()) const;
    // Name check of the profile dialog: trimmed name against every other line's name.
    NameProblem CheckName(const QString &name, int ownId) const;
};

PasswordProblem CheckPassword(const QString &password, const QString &repetition);

// Whether every character of the name exists in the code page (and none is a control).
bool NameIsStorable(const QString &name);
// Whether a plain line survives scrambling and the CR LF split of the reader.
bool LineIsStorable(const QString &plainLine);

// Users/usr.txt, Users/<id>_stat.xml etc. below the given Users folder.
QString ProfileListPath(const QString &usersFolder);
QString MediaFolderPath(const QString &usersFolder, int id,
                        const QString &which); // "Media_temp"/"Media_arch"

// Creates the statistics and settings files and both recording folders of a new
// profile. Folders left over from a removed profile with the same Id are emptied and
// reused; existing statistics or settings files are never overwritten. False with a
// message naming what failed; what was made is then removed again.
bool CreateLearnerData(const QString &usersFolder, int id, QString *error = nullptr);

// Adds user as a new profile with the next free Id (user.Figure in file numbering): its
// files and folders first, then its line, then the list is saved to usersFolder/usr.txt.
// When any step fails nothing of the new profile is left, in the list or on disk.
bool AddProfile(ProfileList &list, const QString &usersFolder, TUser &user, QString *error = nullptr);

// Removes the profile at index: the list without it is saved first, then its files and
// folders are deleted (what could not be is listed in leftOver). When the list cannot be
// saved the profile stays, line and data, and error tells why.
bool RemoveProfile(ProfileList &list, int index, const QString &usersFolder, QStringList *leftOver = nullptr,
                   QString *error = nullptr);

// Deletes the statistics and settings files and both recording folders with their
// files. Everything deletable is deleted; what could not be removed is listed.
QStringList DeleteLearnerData(const QString &usersFolder, int id);

} // namespace Learner
