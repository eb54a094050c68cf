#include "exercises/words/UncoveringModel.h"

#include "exercises/shared/ScorePercent.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace UncoveringModel {

TUncoveringLayout LayoutFor(int wordCount, int previous)
{
    int index = previous == 1 ? 1 : 0;
    if (wordCount == 7)
        index = 0;
    else if (wordCount == 8)
        index = 1;
    if (index == 0)
        return {0, u"bg_odkrywanka_7.bmp"_s, 112, 675, 194};
    return {1, u"bg_odkrywanka_8.bmp"_s, 80, 710, 159};
}

int ButtonTop(const TUncoveringLayout &layout, int place)
{
    return layout.ColumnTop + StripHeight * place;
}

int StripTop(const TUncoveringLayout &layout, int place)
{
    return layout.ColumnTop - 19 + StripHeight * place;
}

TUncoveringRun::TUncoveringRun(QList<TDefinicja> definitions, RandomPick pick)
    : m_definitions(std::move(definitions)), m_pick(std::move(pick))
{
    for (TDefinicja &d : m_definitions)
        d.Found = false;
    m_column = Utils::DrawOrder(WordCount(), m_pick);
    m_finished = m_definitions.isEmpty();
    DrawNext();
}

int TUncoveringRun::PlaceOf(int word) const
{
    return int(m_column.indexOf(word));
}

void TUncoveringRun::DrawNext()
{
    QList<int> open;
    for (int i = 0; i < m_definitions.size(); ++i) {
        if (!m_definitions[i].Found)
            open.append(i);
    }
    m_current = open.isEmpty() ? -1 : open[std::clamp(m_pick(int(open.size())), 0, int(open.size()) - 1)];
}

TUncoveringRun::ClickOutcome TUncoveringRun::Click(int word)
{
    ClickOutcome outcome;
    if (m_finished || word < 0 || word >= m_definitions.size() || m_definitions[word].Found)
        return outcome;
    outcome.Accepted = true;
    outcome.Right = word == m_current;
    if (outcome.Right) {
        m_definitions[word].Found = true;
        ++m_good;
        m_finished = m_good == WordCount();
    } else {
        ++m_bad;
    }
    outcome.Finished = m_finished;
    if (m_finished)
        m_current = -1;
    else
        DrawNext();
    outcome.Next = m_current;
    return outcome;
}

std::optional<int> TUncoveringRun::Percent() const
{
    return Exercises::ScorePercent(m_good, m_good + m_bad);
}

} // namespace UncoveringModel
