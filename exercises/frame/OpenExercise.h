#pragma once
// The one opening routine of every exercise kind: the file is checked, the screen created,
// the file loaded (a load fault is reported and the screen still opens, empty), the screen
// registered with the host, laid out and shown without waiting.

#include "exercises/frame/ExerciseHost.h"
#include "exercises/frame/ExerciseScreen.h"

#include <QString>
#include <functional>

// The opening routine of one kind, as the selection screen's dispatch receives it.
struct TExerciseOpener
{
    int Kind;
    // Opens the file at path with the package's speaker marks; null when it could not.
    std::function<TExerciseScreen *(const QString &path, const QString &mediaMarks, IExerciseHost &host)>
        Open;
};

// "Brak pliku ćwiczenia! (n)" with the kind's number when path is not a file; true otherwise.
bool CheckExerciseFileExists(int kind, const QString &path);
// Load, register, lay out, show: the steps after creation.
void PresentExerciseScreen(TExerciseScreen *screen, const QString &path, const QString &mediaMarks,
                           IExerciseHost &host);

template <typename Screen>
Screen *OpenExerciseScreen(const QString &path, const QString &mediaMarks, IExerciseHost &host)
{
    if (!CheckExerciseFileExists(Screen::KindCode, path))
        return nullptr;
    auto *screen = new Screen(host);
    PresentExerciseScreen(screen, path, mediaMarks, host);
    return screen;
}
