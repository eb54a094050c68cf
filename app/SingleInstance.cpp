#include "app/SingleInstance.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

TFileInstanceLock::TFileInstanceLock(const QString &folder)
    : path((folder.isEmpty() ? DefaultFolder() : folder) + QStringLiteral("/LernivoAudivox60"))
{
}

TFileInstanceLock::~TFileInstanceLock()
{
    if (fd >= 0)
        ::close(fd);
}

QString TFileInstanceLock::DefaultFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() && QFileInfo(runtime).isWritable())
        return runtime;
    return QDir::tempPath();
}

bool TFileInstanceLock::TryAcquire()
{
    if (fd >= 0)
        return true;
    const QByteArray name = QFile::encodeName(path);
    const int handle = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock that cannot even be created (a read-only folder) must not keep the learner out.
    if (handle < 0)
        return true;
    int rc;
    do {
        rc = ::flock(handle, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(handle);
        return errno != EWOULDBLOCK;
    }
    fd = handle;
    return true;
}
