#pragma once
// Adds the opening routine of every exercise screen to the selection screen's dispatch by
// kind. The program calls it once at start-up, tests before they open an exercise.

void RegisterExerciseScreens();
