// The settings file: read, saved and read again; a save never makes a file the next login
// cannot read.

#include "FuzzSupport.h"
#include "learner/Struct_Config.h"
#include "utils/SystemMessage.h"

#include <QDir>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::Initialise();
    Utils::SetSystemErrorHandler([](const QString &, const QString &) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QFile::remove(Learner::SettingsPath(Fuzz::Folder(), 1));
    Fuzz::WriteInput(QStringLiteral("1_config.xml"), data, size);
    LearnerSettings settings;
    const QDate today(2026, 12, 10);
    const auto loaded = Learner::LoadSettingsFile(Fuzz::Folder(), 1, settings, today);
    if (loaded.State == Learner::SettingsFileState::Read &&
        Learner::SaveSettingsFile(Fuzz::Folder(), 1, settings)) {
        LearnerSettings again;
        Fuzz::Require(Learner::LoadSettingsFile(Fuzz::Folder(), 1, again, today).State ==
                          Learner::SettingsFileState::Read,
                      "a saved settings file reads");
    }
    for (const QString &name : QDir(Fuzz::Folder()).entryList({QStringLiteral("*.damaged*")}))
        QFile::remove(Fuzz::Folder() + QLatin1Char('/') + name);
    return 0;
}
