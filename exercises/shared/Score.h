#pragma once
// The score of an exercise: per cent of the answers that were right.

#include <optional>

// 100 × right / total, rounded to the nearest integer with halves to even (62.5 gives 62).
// An exercise with nothing to answer (total 0) has no score: nothing is shown or stored.
std::optional<int> ScorePercent(int right, int total);
