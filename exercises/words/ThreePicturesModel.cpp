#include "exercises/words/ThreePicturesModel.h"

#include "exercises/shared/ScorePercent.h"

#include <algorithm>

namespace ThreePicturesModel {

TThreePicturesRun::TThreePicturesRun(QList<TGrupaObrazkow> groups, RandomPick pick)
    : m_groups(std::move(groups)), m_pick(std::move(pick))
{
    for (TGrupaObrazkow &group : m_groups) {
        group.Used = false;
        group.RightFrame = 0;
    }
}

const TGrupaObrazkow *TThreePicturesRun::Current() const
{
    return m_current >= 0 ? &m_groups[m_current] : nullptr;
}

bool TThreePicturesRun::StartNextTurn()
{
    if (m_phase != Phase::NotStarted && m_phase != Phase::Judged)
        return false;
    if (m_current >= 0)
        m_groups[m_current].Used = true;

    QList<int> unused;
    for (int i = 0; i < m_groups.size(); ++i) {
        if (!m_groups[i].Used)
            unused.append(i);
    }
    if (unused.isEmpty())
        return false;
    m_current = unused[std::clamp(m_pick(int(unused.size())), 0, int(unused.size()) - 1)];
    m_frameOrder = Utils::DrawOrder(3, m_pick);
    m_groups[m_current].RightFrame = int(m_frameOrder.indexOf(0)) + 1;
    m_phase = Phase::Answering;
    return true;
}

QString TThreePicturesRun::PictureInFrame(int frame) const
{
    const TGrupaObrazkow *group = Current();
    if (!group || frame < 1 || frame > 3)
        return {};
    switch (m_frameOrder[frame - 1]) {
    case 0:
        return group->Picture1;
    case 1:
        return group->Picture2;
    default:
        return group->Picture3;
    }
}

int TThreePicturesRun::RightFrame() const
{
    const TGrupaObrazkow *group = Current();
    return group ? group->RightFrame : 0;
}

TThreePicturesRun::PickOutcome TThreePicturesRun::Pick(int frame)
{
    PickOutcome outcome;
    if (m_phase != Phase::Answering || frame < 1 || frame > 3)
        return outcome;
    outcome.Accepted = true;
    outcome.RightFrame = RightFrame();
    outcome.Right = frame == outcome.RightFrame;
    if (outcome.Right)
        ++m_good;
    else
        ++m_bad;
    outcome.Finished = m_good + m_bad >= TurnCount();
    m_phase = outcome.Finished ? Phase::Finished : Phase::Judged;
    return outcome;
}

std::optional<int> TThreePicturesRun::Percent() const
{
    return Exercises::ScorePercent(m_good, TurnCount());
}

} // namespace ThreePicturesModel
