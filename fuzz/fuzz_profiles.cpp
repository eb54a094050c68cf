// The profile list usr.txt: every line kept is a profile with an Id and a name, and the
// list saved from it reads back the same.

#include "FuzzSupport.h"
#include "learner/TUser.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::WriteInput(QStringLiteral("usr.txt"), data, size);
    Learner::ProfileList list;
    list.Load(path, QDate(2026, 12, 10));
    for (int i = 0; i < list.Lines.size(); ++i) {
        const TUser user = list.User(i);
        Fuzz::Require(user.Id > 0 && !user.Name.trimmed().isEmpty(), "no profile without Id or name");
    }
    const int next = list.NextId();
    Fuzz::Require(next > 0, "the next Id is positive");
    for (int i = 0; i < list.Lines.size(); ++i)
        Fuzz::Require(list.User(i).Id != next, "the next Id is free");
    QStringList storable;
    for (const QString &line : list.Lines)
        if (Learner::LineIsStorable(line))
            storable << line;
    list.Lines = storable;
    if (list.Save(path)) {
        Learner::ProfileList again;
        again.Load(path, QDate(2026, 12, 10));
        Fuzz::Require(again.Lines == list.Lines, "a saved list reads back");
    }
    for (const QString &name : QDir(Fuzz::Folder()).entryList({QStringLiteral("*.damaged*")}))
        QFile::remove(Fuzz::Folder() + QLatin1Char('/') + name);
    return 0;
}
