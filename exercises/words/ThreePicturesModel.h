#pragma once
// The run of a three-pictures exercise: every turn is played once, in random order; each
// turn shows its three pictures in a new random order, takes one pick and judges it at
// once. The screen plays the recordings and draws what the run says.

#include "exercises/words/Struct_3Obrazki.h"
#include "utils/Random.h"

#include <QList>
#include <optional>

namespace ThreePicturesModel {

using Utils::RandomPick;

class TThreePicturesRun
{
public:
    enum class Phase {
        NotStarted, // no turn drawn yet
        Answering,  // the frames take a pick
        Judged,     // the pick is judged; the next turn waits
        Finished,   // every turn judged; the score stands
    };

    TThreePicturesRun() = default;
    TThreePicturesRun(QList<TGrupaObrazkow> groups, RandomPick pick);

    const QList<TGrupaObrazkow> &Groups() const { return m_groups; }
    int TurnCount() const { return int(m_groups.size()); }
    Phase State() const { return m_phase; }
    int CurrentTurn() const { return m_current; } // -1 before the first turn
    const TGrupaObrazkow *Current() const;

    // Marks the turn just played as used and draws the next among those not yet played,
    // with a new order of its pictures. False (and nothing changes) when the run is not
    // between turns or every turn has been played.
    bool StartNextTurn();

    // The picture standing in frame 1 to 3 this turn; empty outside a turn.
    QString PictureInFrame(int frame) const;
    int RightFrame() const;

    struct PickOutcome
    {
        bool Accepted = false; // false outside Answering or for a frame not 1 to 3
        bool Right = false;
        int RightFrame = 0;
        bool Finished = false;
    };
    PickOutcome Pick(int frame);

    int Good() const { return m_good; }
    int Bad() const { return m_bad; }
    // 100 × right picks / number of turns: it grows turn by turn to the final score.
    std::optional<int> Percent() const;

private:
    QList<TGrupaObrazkow> m_groups;
    RandomPick m_pick;
    Phase m_phase = Phase::NotStarted;
    int m_current = -1;
    QList<int> m_frameOrder; // frame n - 1 shows picture m_frameOrder[n - 1] (0 = Picture1)
    int m_good = 0;
    int m_bad = 0;
};

} // namespace ThreePicturesModel
