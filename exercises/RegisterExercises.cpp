#include "exercises/RegisterExercises.h"

#include "exercises/dialogues/uFrmDialogi_Prez.h"
#include "exercises/dialogues/uFrmDialogi_Ukl.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/words/uFrmTest.h"

namespace {

template<typename Screen>
TExerciseOpener Opener()
{
    return {Screen::KindCode, [](const QString &path, const QString &marks, IExerciseHost &host) -> TExerciseScreen * {
                return OpenExerciseScreen<Screen>(path, marks, host);
            }};
}

} // namespace

QList<TExerciseOpener> ExerciseOpeners()
{
    return {
        Opener<TfrmTest>(),
        Opener<TfrmDialogi_Prez>(),
        Opener<TfrmDialogi_Ukl>(),
    };
}
