#include "learner/TUser.h"

#include "learner/LearnerFiles.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStringDecoder>
#include <QStringEncoder>

#include <limits>

QString TUser::FigurePicture() const
{
    return QStringLiteral("C") +
           (Gender.startsWith(QLatin1Char('K')) ? QStringLiteral("K") : QStringLiteral("M")) +
           QString::number(Figure);
}

namespace Learner {

namespace {

const char ScrambleKey[] = "PRQ_WNAV";

QByteArray ToCodePage(const QString &text, bool *lossless = nullptr)
{
    QStringEncoder encoder("windows-1250");
    QByteArray bytes = encoder.encode(text);
    if (lossless)
        *lossless = !encoder.hasError();
    return bytes;
}

QString FromCodePage(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.decode(bytes);
}

QString Field(const QStringList &fields, int n)
{
    return n >= 1 && n <= fields.size() ? fields.at(n - 1) : QString();
}

} // namespace

QByteArray ScrambleLine(const QByteArray &line, bool forward)
{
    QByteArray out = line;
    for (qsizetype i = 0; i < out.size(); ++i) {
        const qsizetype p = (i + 1) % 8;
        const auto k = p == 0 ? 0 : int(quint8(ScrambleKey[p - 1]));
        const int byte = quint8(out[i]);
        out[i] = char((forward ? byte + k : byte - k + 256) % 256);
    }
    return out;
}

QString BuildProfileLine(const TUser &user)
{
    return QString::number(user.Id) + QLatin1Char('=') + user.Name + QLatin1Char('=') + user.Gender +
           QLatin1Char('=') + QString::number(user.HasPassword) + QLatin1Char('=') + user.Password +
           QLatin1Char('=') + QString::number(user.Figure);
}

TUser ParseProfileLine(const QString &line)
{
    const QStringList fields = line.split(QLatin1Char('='));
    TUser user;
    const int id = Field(fields, 1).toInt();
    user.Id = id > 0 ? id : 0;
    user.Name = Field(fields, 2);
    user.Gender = Field(fields, 3).left(1);
    user.HasPassword = Field(fields, 4).toInt() != 0 ? 1 : 0;
    user.Password = Field(fields, 5);
    // The file holds set + colour (10..15, 20..25); anything else shows the first figure.
    const int figure = Field(fields, 6).toInt();
    user.Figure = quint8((figure >= 0 && figure < 255 ? figure : 10) + 1);
    return user;
}

bool IsProfileLine(const QString &line)
{
    for (const QChar c : line)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    const TUser user = ParseProfileLine(line);
    return user.Id > 0 && !user.Name.trimmed().isEmpty();
}

int FigureSet(int inMemoryFigure)
{
    return inMemoryFigure <= 20 ? 10 : 20;
}

int FigureColour(int inMemoryFigure)
{
    return qBound(0, inMemoryFigure - FigureSet(inMemoryFigure) - 1, 5);
}

bool IsPasswordCharacter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

QString AsciiUpper(const QString &text)
{
    QString out = text;
    for (QChar &c : out)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

bool NameIsStorable(const QString &name)
{
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    bool lossless = false;
    ToCodePage(name, &lossless);
    return lossless;
}

bool LineIsStorable(const QString &plainLine)
{
    bool lossless = false;
    const QByteArray bytes = ToCodePage(plainLine, &lossless);
    return lossless && !ScrambleLine(bytes, true).contains("\r\n");
}

bool ProfileList::Load(const QString &path, const QDate &today, QString *message)
{
    QFile file(path);
    if (!file.exists()) {
        Lines.clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (message)
            *message =
                QStringLiteral("Nie można odczytać listy profili %1.").arg(QDir::toNativeSeparators(path));
        return false;
    }
    const QByteArray data = file.readAll();
    file.close();
    QStringList lines;
    int dropped = 0;
    // Scrambled letters can become single bytes 10 or 13; only the pair ends a line.
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf("\r\n", start);
        if (end < 0)
            end = data.size();
        const QByteArray scrambled = data.mid(start, end - start);
        if (!scrambled.isEmpty()) {
            const QString line = FromCodePage(ScrambleLine(scrambled, false));
            if (IsProfileLine(line))
                lines << line;
            else
                ++dropped;
        }
        start = end + 2;
    }
    Lines = lines;
    if (dropped == 0)
        return true;

    // Damaged: the file is kept as it was, the profiles read from it go to a new one.
    const QString copy = Files::KeepDamagedFile(path, today);
    const QString kept = Files::PolishCount(int(lines.size()), QStringLiteral("profil"),
                                            QStringLiteral("profile"), QStringLiteral("profili"));
    const QString skipped = Files::PolishCount(dropped, QStringLiteral("wiersz"), QStringLiteral("wiersze"),
                                               QStringLiteral("wierszy"));
    QString text;
    if (copy.isEmpty()) {
        text = QStringLiteral(
                   "Lista profili %1 jest uszkodzona i nie można jej przenieść. Odczytano %2, pominięto "
                   "%3, których nie da się odczytać.")
                   .arg(QDir::toNativeSeparators(path), kept, skipped);
    } else {
        text = QStringLiteral("Lista profili %1 była uszkodzona. Zachowano ją jako %2. Odczytano z niej %3, "
                              "pominięto %4, których nie da się odczytać.")
                   .arg(QDir::toNativeSeparators(path), QDir::toNativeSeparators(copy), kept, skipped);
        QString error;
        if (!Save(path, &error))
            text += QStringLiteral(" Nie udało się zapisać nowej listy. ") + error;
    }
    if (message)
        *message = text;
    return false;
}

bool ProfileList::Save(const QString &path, QString *error) const
{
    QByteArray data;
    for (const QString &line : Lines)
        data += ScrambleLine(ToCodePage(line), true) + "\r\n";
    return Files::WriteAtomically(path, data, error);
}

TUser ProfileList::User(int index) const
{
    return index >= 0 && index < Lines.size() ? ParseProfileLine(Lines.at(index)) : TUser();
}

int ProfileList::NextId(const QString &usersFolder) const
{
    QSet<int> listed;
    qint64 highest = 0;
    for (const QString &line : Lines) {
        const int id = ParseProfileLine(line).Id;
        listed.insert(id);
        highest = qMax<qint64>(highest, id);
    }
    const auto taken = [&](int id) {
        if (listed.contains(id))
            return true;
        if (usersFolder.isEmpty())
            return false;
        for (const QString &path : {StatisticsPath(usersFolder, id), SettingsPath(usersFolder, id),
                                    MediaFolderPath(usersFolder, id, QStringLiteral("Media_temp")),
                                    MediaFolderPath(usersFolder, id, QStringLiteral("Media_arch"))})
            if (QFileInfo::exists(path))
                return true;
        return false;
    };
    // Past the largest Id the search starts again from 1.
    qint64 id = highest < std::numeric_limits<int>::max() ? highest + 1 : 1;
    while (taken(int(id)))
        id = id < std::numeric_limits<int>::max() ? id + 1 : 1;
    return int(id);
}

NameProblem ProfileList::CheckName(const QString &name, int ownId) const
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return NameProblem::Empty;
    const QString folded = AsciiUpper(trimmed);
    for (const QString &line : Lines) {
        const TUser other = ParseProfileLine(line);
        if (other.Id != ownId && AsciiUpper(other.Name) == folded)
            return NameProblem::Duplicate;
    }
    if (trimmed.contains(QLatin1Char('=')))
        return NameProblem::HasEquals;
    if (!NameIsStorable(trimmed))
        return NameProblem::Unstorable;
    return NameProblem::None;
}

PasswordProblem CheckPassword(const QString &password, const QString &repetition)
{
    const QString trimmed = password.trimmed();
    if (trimmed.size() <= 2)
        return PasswordProblem::TooShort;
    if (trimmed != repetition.trimmed())
        return PasswordProblem::Mismatch;
    return PasswordProblem::None;
}

QString ProfileListPath(const QString &usersFolder)
{
    return usersFolder + QStringLiteral("/usr.txt");
}

QString MediaFolderPath(const QString &usersFolder, int id, const QString &which)
{
    return usersFolder + QLatin1Char('/') + QString::number(id) + QLatin1Char('_') + which;
}

namespace {

// Empties a folder left over from an earlier profile with the same Id, or creates it.
bool PrepareEmptyFolder(const QString &path, QString *error)
{
    QDir dir(path);
    if (dir.exists()) {
        bool emptied = true;
        const QFileInfoList entries =
            dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
        for (const QFileInfo &entry : entries)
            emptied &= entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                           : QFile::remove(entry.filePath());
        if (emptied)
            return true;
        if (error)
            *error = QStringLiteral("Nie można opróżnić folderu %1 pozostałego po usuniętym profilu.")
                         .arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (QDir().mkpath(path))
        return true;
    if (error)
        *error = QStringLiteral("Nie można utworzyć folderu %1.").arg(QDir::toNativeSeparators(path));
    return false;
}

} // namespace

bool CreateLearnerData(const QString &usersFolder, int id, QString *error)
{
    for (const QString &path : {StatisticsPath(usersFolder, id), SettingsPath(usersFolder, id)})
        if (QFileInfo::exists(path)) {
            if (error)
                *error = QStringLiteral("Plik %1 już istnieje; nowy profil go nie zastąpi.")
                             .arg(QDir::toNativeSeparators(path));
            return false;
        }
    if (CreateEmptyStatisticsFile(usersFolder, id, error) &&
        CreateDefaultSettingsFile(usersFolder, id, error) &&
        PrepareEmptyFolder(MediaFolderPath(usersFolder, id, QStringLiteral("Media_arch")), error) &&
        PrepareEmptyFolder(MediaFolderPath(usersFolder, id, QStringLiteral("Media_temp")), error))
        return true;
    DeleteLearnerData(usersFolder, id); // only what was made just now: nothing existed before
    return false;
}

bool AddProfile(ProfileList &list, const QString &usersFolder, TUser &user, QString *error)
{
    user.Id = list.NextId(usersFolder);
    if (!CreateLearnerData(usersFolder, user.Id, error))
        return false;
    list.Lines << BuildProfileLine(user);
    if (list.Save(ProfileListPath(usersFolder), error))
        return true;
    list.Lines.removeLast();
    DeleteLearnerData(usersFolder, user.Id);
    return false;
}

bool RemoveProfile(ProfileList &list, int index, const QString &usersFolder, QStringList *leftOver,
                   QString *error)
{
    if (index < 0 || index >= list.Lines.size())
        return false;
    const QString line = list.Lines.takeAt(index);
    if (!list.Save(ProfileListPath(usersFolder), error)) {
        list.Lines.insert(index, line);
        return false;
    }
    const int id = ParseProfileLine(line).Id;
    const QStringList left = id > 0 ? DeleteLearnerData(usersFolder, id) : QStringList();
    if (leftOver)
        *leftOver = left;
    return true;
}

QStringList DeleteLearnerData(const QString &usersFolder, int id)
{
    QStringList problems;
    for (const QString &path : {StatisticsPath(usersFolder, id), SettingsPath(usersFolder, id)})
        if (QFileInfo::exists(path) && !QFile::remove(path))
            problems << QDir::toNativeSeparators(path);
    for (const QString &which : {QStringLiteral("Media_temp"), QStringLiteral("Media_arch")}) {
        const QString folder = MediaFolderPath(usersFolder, id, which);
        QDir dir(folder);
        if (dir.exists() && !dir.removeRecursively())
            problems << QDir::toNativeSeparators(folder);
    }
    return problems;
}

} // namespace Learner
