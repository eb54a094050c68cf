#include "utils/Random.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <algorithm>
#include <memory>

namespace Utils {

RandomPick MakeSeededPick(quint32 seed)
{
    auto generator = std::make_shared<QRandomGenerator>(seed);
    return [generator](int count) { return count <= 1 ? 0 : int(generator->bounded(quint32(count))); };
}

RandomPick MakeClockSeededPick()
{
    // The one place the program's shuffles meet the clock.
    return MakeSeededPick(quint32(QDateTime::currentMSecsSinceEpoch()));
}

QList<int> DrawWithoutReplacement(int count, int n, const RandomPick &pick)
{
    QList<int> remaining;
    remaining.reserve(qMax(0, count));
    for (int i = 0; i < count; ++i)
        remaining.append(i);
    QList<int> drawn;
    n = std::clamp(n, 0, qMax(0, count));
    drawn.reserve(n);
    while (drawn.size() < n) {
        const int size = int(remaining.size());
        const int k = std::clamp(pick ? pick(size) : 0, 0, size - 1);
        drawn.append(remaining.takeAt(k));
    }
    return drawn;
}

QList<int> DrawOrder(int count, const RandomPick &pick)
{
    return DrawWithoutReplacement(count, count, pick);
}

} // namespace Utils
