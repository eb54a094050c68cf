#pragma once
// What every harness shares: a Qt application object, a private folder for readers that
// take a path, and the check that ends a run when an invariant breaks.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace Fuzz {

inline void Initialise()
{
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

// A folder of this process, on a memory file system where one is mounted.
inline QString Folder()
{
    static QTemporaryDir dir(QFile::exists(QStringLiteral("/dev/shm"))
                                 ? QStringLiteral("/dev/shm/audivox-fuzz-XXXXXX")
                                 : QString());
    return dir.path();
}

inline QString WriteInput(const QString &name, const uint8_t *data, size_t size)
{
    const QString path = Folder() + QLatin1Char('/') + name;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(reinterpret_cast<const char *>(data), qsizetype(size));
    return path;
}

inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// An invariant that must hold for every input; its breach is reported as a crash.
inline void Require(bool holds, const char *what)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

} // namespace Fuzz
