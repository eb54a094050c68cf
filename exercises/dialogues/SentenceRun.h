#pragma once
// The run every sentence screen shares: each sentence of the file offered once, in random
// order, answers counted right or wrong, and the score over all sentences of the file.

#include "exercises/dialogues/Struct_Zdania.h"
#include "utils/Random.h"

#include <QList>

namespace Sentences {

// The program draws from a generator seeded from the clock; tests script the draws.
using Utils::RandomPick;

class TSentenceRun
{
public:
    TSentenceRun() = default;
    explicit TSentenceRun(QList<TZdanie> sentences);

    const QList<TZdanie> &Sentences() const { return m_sentences; }
    int Count() const { return int(m_sentences.size()); }
    // A file without sentences starts no run.
    bool HasSentences() const { return !m_sentences.isEmpty(); }

    // The sentence on offer: -1 before the first and once none is left.
    int Current() const { return m_current; }
    const TZdanie *CurrentSentence() const;

    // Marks the sentence just finished (unless -1) as done and makes a uniformly drawn one of
    // those not done current: a draw without replacement, so a run of n answers offers
    // every sentence exactly once. Returns the new index, or -1 when every one is done.
    int PickNextSentence(int finished, const RandomPick &pick);

    // Counts an answer to the current sentence; nothing once the run is over.
    void CountAnswer(bool right);
    int Right() const { return m_right; }
    int Wrong() const { return m_wrong; }
    // 100 × right / number of sentences in the file, halves to even: the notebook's
    // overall figure, and the score once the run is over.
    int XFactor() const;
    // Every sentence has been answered.
    bool IsOver() const { return HasSentences() && m_right + m_wrong >= Count(); }

private:
    QList<TZdanie> m_sentences;
    int m_current = -1;
    int m_right = 0;
    int m_wrong = 0;
};

} // namespace Sentences
