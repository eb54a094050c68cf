#pragma once
// The single running copy. The original program used a named system mutex; here a lock file
// named "LernivoAudivox60" is held with flock, so the lock dies with the process however it
// ends and a stale file never blocks a start.

#include <QString>

class ISingleInstanceLock
{
public:
    virtual ~ISingleInstanceLock() = default;
    // True when this process is now the running copy; false when another copy holds it.
    virtual bool TryAcquire() = 0;
};

class TFileInstanceLock : public ISingleInstanceLock
{
public:
    // folder empty: the user's runtime folder ($XDG_RUNTIME_DIR), else the temporary folder.
    explicit TFileInstanceLock(const QString &folder = {});
    ~TFileInstanceLock() override;
    TFileInstanceLock(const TFileInstanceLock &) = delete;
    TFileInstanceLock &operator=(const TFileInstanceLock &) = delete;

    bool TryAcquire() override;
    QString LockPath() const { return path; }

    static QString DefaultFolder();

private:
    QString path;
    int fd = -1;
};
