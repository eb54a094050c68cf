#include "exercises/RegisterExercises.h"

#include "exercises/dialogues/uFrmDialogi_Dop.h"
#include "exercises/dialogues/uFrmDialogi_Prez.h"
#include "exercises/dialogues/uFrmDialogi_Rozum.h"
#include "exercises/dialogues/uFrmDialogi_Ukl.h"
#include "exercises/dialogues/uFrmZdania_Dyk.h"
#include "exercises/dialogues/uFrmZdania_Tlu.h"
#include "exercises/dialogues/uFrmZdania_Ukl.h"
#include "exercises/frame/OpenExercise.h"
#include "exercises/words/uFrm3Obrazki.h"
#include "exercises/words/uFrmAntonimy.h"
#include "exercises/words/uFrmOdkrywanka.h"
#include "exercises/words/uFrmTFGr.h"
#include "exercises/words/uFrmTabelka.h"
#include "exercises/words/uFrmTabelkaCS.h"
#include "exercises/words/uFrmTest.h"
#include "exercises/words/uFrmWpisywanie.h"

namespace {

template <typename Screen> TExerciseOpener Opener()
{
    return {Screen::KindCode,
            [](const QString &path, const QString &marks, IExerciseHost &host) -> TExerciseScreen * {
                return OpenExerciseScreen<Screen>(path, marks, host);
            }};
}

} // namespace

QList<TExerciseOpener> ExerciseOpeners()
{
    return {
        Opener<TfrmTabelka>(),     Opener<TfrmTest>(),          Opener<TfrmWpisywanie>(),
        Opener<Tfrm3Obrazki>(),    Opener<TfrmTFGr>(),          Opener<TfrmOdkrywanka>(),
        Opener<TfrmZdania_Ukl>(),  Opener<TfrmZdania_Dyk>(),    Opener<TfrmZdania_Tlu>(),
        Opener<TfrmAntonimy>(),    Opener<TfrmTabelkaCS>(),     Opener<TfrmDialogi_Prez>(),
        Opener<TfrmDialogi_Ukl>(), Opener<TfrmDialogi_Rozum>(), Opener<TfrmDialogi_Dop>(),
    };
}
