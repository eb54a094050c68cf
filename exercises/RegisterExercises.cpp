#include "exercises/RegisterExercises.h"

#include "course/ExerciseKind.h"
#include "exercises/words/uFrmTest.h"
#include "runtime/uFrmWyborCwiczenia.h"

void RegisterExerciseScreens()
{
    RegisterExerciseOpener(
        Course::ExerciseKind::MultipleChoice,
        [](const QString &path, const QString &mediaMarks) { OpenTestScreen(path, mediaMarks); });
}
