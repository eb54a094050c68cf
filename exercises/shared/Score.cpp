#include "exercises/shared/Score.h"

#include "utils/Utils.h"

std::optional<int> ScorePercent(int right, int total)
{
    if (total <= 0)
        return std::nullopt;
    return Utils::Percent(right, total);
}
