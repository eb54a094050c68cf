#pragma once
// The program's random draws. Every shuffle and pick takes a RandomPick, so a test can fix the
// order; the program seeds one generator from the clock (MakeClockSeededPick) and hands it on.

#include <QList>
#include <functional>

namespace Utils {

// Returns a number in 0 .. count - 1 (count >= 1). Results outside are clamped by the callers.
using RandomPick = std::function<int(int count)>;

// A pick drawing from a generator seeded from the clock, for the program; never for tests.
RandomPick MakeClockSeededPick();
// A pick drawing from a generator with the given seed: repeatable.
RandomPick MakeSeededPick(quint32 seed);

// 0 .. count - 1 in a random order, drawn without replacement: each index once, and a run
// always ends, whatever the pick returns.
QList<int> DrawOrder(int count, const RandomPick &pick);

// n different indices of 0 .. count - 1 (all of them when n >= count), in drawing order.
QList<int> DrawWithoutReplacement(int count, int n, const RandomPick &pick);

template <typename T> void Shuffle(QList<T> &items, const RandomPick &pick)
{
    QList<T> shuffled;
    shuffled.reserve(items.size());
    for (int from : DrawOrder(int(items.size()), pick))
        shuffled.append(items[from]);
    items = std::move(shuffled);
}

} // namespace Utils
