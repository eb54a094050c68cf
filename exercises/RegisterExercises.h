#pragma once
// The opening routine of every exercise kind that has a screen. The program hands them to the
// selection screen's dispatch by kind, with the host the screens are to use.

#include "exercises/frame/OpenExercise.h"

#include <QList>

// One entry per kind with a screen, in kind order.
QList<TExerciseOpener> ExerciseOpeners();
