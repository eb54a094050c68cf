#include "utils/AtomicFile.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Utils {

namespace {

// Writes everything, resuming after interruptions; false with errno set.
bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (written == 0) {
            errno = ENOSPC;
            return false;
        }
        data += written;
        size -= written;
    }
    return true;
}

QString failure(const QString &path, int errorNumber)
{
    return QStringLiteral("Nie można zapisać pliku %1: %2.")
        .arg(QDir::toNativeSeparators(path), FileErrorReason(errorNumber));
}

} // namespace

QString FileErrorReason(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("brak miejsca na dysku");
    case EDQUOT:
        return QStringLiteral("przekroczony przydział miejsca na dysku");
    case EFBIG:
        return QStringLiteral("plik przekracza dopuszczalny rozmiar");
    case EROFS:
        return QStringLiteral("dysk lub folder jest tylko do odczytu");
    case EACCES:
    case EPERM:
        return QStringLiteral("brak uprawnień do zapisu w tym folderze");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("folder nie istnieje");
    case EIO:
        return QStringLiteral("błąd odczytu lub zapisu dysku");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("otwartych jest zbyt wiele plików");
    case EISDIR:
        return QStringLiteral("pod tą nazwą istnieje folder");
    case ENAMETOOLONG:
        return QStringLiteral("zbyt długa nazwa pliku");
    default:
        return QStringLiteral("błąd systemu nr %1").arg(errorNumber);
    }
}

bool SaveFileAtomically(const QString &path, const QByteArray &data, QString *error)
{
    const QByteArray finalName = QFile::encodeName(path);
    QByteArray temporaryName = finalName + ".XXXXXX";
    const int fd = ::mkstemp(temporaryName.data());
    if (fd < 0) {
        if (error)
            *error = failure(path, errno);
        return false;
    }
    // mkstemp makes the file private; a saved file gets the usual rights.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    int problem = 0;
    if (::fchmod(fd, 0666 & ~mask) != 0 || !writeAll(fd, data.constData(), data.size()) || ::fsync(fd) != 0)
        problem = errno;
    if (::close(fd) != 0 && problem == 0)
        problem = errno;
    if (problem == 0 && ::rename(temporaryName.constData(), finalName.constData()) != 0)
        problem = errno;
    if (problem == 0)
        return true;
    ::unlink(temporaryName.constData());
    if (error)
        *error = failure(path, problem);
    return false;
}

bool IsInterruptedSaveName(const QString &name, QString *finalName)
{
    if (name.size() < 8 || name.at(name.size() - 7) != QLatin1Char('.'))
        return false;
    for (qsizetype i = name.size() - 6; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z')))
            return false;
    }
    if (finalName)
        *finalName = name.left(name.size() - 7);
    return true;
}

} // namespace Utils
