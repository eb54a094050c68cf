#pragma once
// The score of a run, as every exercise shows and stores it.

#include <optional>

namespace Exercises {

// 100 × right / total, rounded to the nearest integer with halves to even. A run with
// nothing to score (total 0) has no score at all: nothing is shown and nothing is stored.
std::optional<int> ScorePercent(int right, int total);

} // namespace Exercises
