#include "exercises/shared/ScorePercent.h"

#include "utils/Utils.h"

namespace Exercises {

std::optional<int> ScorePercent(int right, int total)
{
    if (total <= 0)
        return std::nullopt;
    return Utils::Percent(right, total);
}

} // namespace Exercises
