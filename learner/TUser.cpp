#include "learner/TUser.h"

#include "learner/LearnerFiles.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

QString TUser::FigurePicture() const
{
    return QStringLiteral("C") + (Gender.startsWith(QLatin1Char('K')) ? QStringLiteral("K") : QStringLiteral("M")) +
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
    user.Id = Field(fields, 1).toInt();
    user.Name = Field(fields, 2);
    user.Gender = Field(fields, 3).left(1);
    user.HasPassword = quint8(Field(fields, 4).toInt());
    user.Password = Field(fields, 5);
    user.Figure = quint8(Field(fields, 6).toInt() + 1);
    return user;
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

bool ProfileList::Load(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.exists()) {
        Lines.clear();
        return true;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("Nie można odczytać listy profili %1 (%2).")
                         .arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    const QByteArray data = file.readAll();
    QStringList lines;
    // Scrambled letters can become single bytes 10 or 13; only the pair ends a line.
    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = data.indexOf("\r\n", start);
        if (end < 0)
            end = data.size();
        const QByteArray scrambled = data.mid(start, end - start);
        if (!scrambled.isEmpty())
            lines << FromCodePage(ScrambleLine(scrambled, false));
        start = end + 2;
    }
    Lines = lines;
    return true;
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

int ProfileList::NextId() const
{
    return Lines.isEmpty() ? 1 : ParseProfileLine(Lines.last()).Id + 1;
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
    return CreateEmptyStatisticsFile(usersFolder, id, error) && CreateDefaultSettingsFile(usersFolder, id, error) &&
           PrepareEmptyFolder(MediaFolderPath(usersFolder, id, QStringLiteral("Media_arch")), error) &&
           PrepareEmptyFolder(MediaFolderPath(usersFolder, id, QStringLiteral("Media_temp")), error);
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
