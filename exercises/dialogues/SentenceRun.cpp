#include "exercises/dialogues/SentenceRun.h"

#include "utils/Utils.h"

#include <algorithm>

namespace Sentences {

TSentenceRun::TSentenceRun(QList<TZdanie> sentences) : m_sentences(std::move(sentences))
{
    for (TZdanie &sentence : m_sentences)
        sentence.Done = false;
}

const TZdanie *TSentenceRun::CurrentSentence() const
{
    if (m_current < 0 || m_current >= m_sentences.size())
        return nullptr;
    return &m_sentences[m_current];
}

int TSentenceRun::PickNextSentence(int finished, const RandomPick &pick)
{
    if (finished >= 0 && finished < m_sentences.size())
        m_sentences[finished].Done = true;
    QList<int> open;
    for (int i = 0; i < m_sentences.size(); ++i) {
        if (!m_sentences[i].Done)
            open.append(i);
    }
    if (open.isEmpty()) {
        m_current = -1;
        return m_current;
    }
    const int drawn = pick(int(open.size()));
    m_current = open[std::clamp(drawn, 0, int(open.size()) - 1)];
    return m_current;
}

void TSentenceRun::CountAnswer(bool right)
{
    if (!HasSentences() || IsOver())
        return;
    if (right)
        ++m_right;
    else
        ++m_wrong;
}

int TSentenceRun::XFactor() const
{
    return Utils::Percent(m_right, Count());
}

} // namespace Sentences
