#include "exercises/frame/OpenExercise.h"

#include "utils/SystemMessage.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

bool CheckExerciseFileExists(int kind, const QString &path)
{
    if (QFileInfo(path).isFile())
        return true;
    const Course::TKindInfo *info = Course::KindInfo(kind);
    Utils::ShowSystemError(u"Brak pliku ćwiczenia! "_s + u"(%1)"_s.arg(info ? info->MissingFileNumber : 1));
    return false;
}

void PresentExerciseScreen(TExerciseScreen *screen, const QString &path, const QString &mediaMarks,
                           IExerciseHost &host)
{
    screen->SetMediaMarks(mediaMarks);
    screen->LoadFile(path); // a fault is reported there; the screen opens all the same
    host.RegisterExerciseScreen(screen, screen->Kind().ButtonSet);
    screen->LayOutOnce();
    screen->show();
}
