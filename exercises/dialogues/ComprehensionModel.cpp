#include "exercises/dialogues/ComprehensionModel.h"

#include "utils/Utils.h"

#include <algorithm>

namespace Comprehension {

namespace {

int Draw(const Utils::RandomPick &pick, int count)
{
    return std::clamp(pick ? pick(count) : 0, 0, count - 1);
}

// A line that may be hidden at random: shown, and its neighbours shown.
bool CanHide(const QList<bool> &shown, int line)
{
    const int last = int(shown.size()) - 1;
    return shown[line] && (line == 0 || shown[line - 1]) && (line == last || shown[line + 1]);
}

void HideAtRandom(QList<bool> &shown, int count, const Utils::RandomPick &pick, QList<int> &hidden)
{
    for (int added = 0; added < count; ++added) {
        QList<int> candidates;
        for (int line = 0; line < shown.size(); ++line) {
            if (CanHide(shown, line))
                candidates << line;
        }
        if (candidates.isEmpty())
            return;
        const int line = candidates[Draw(pick, int(candidates.size()))];
        shown[line] = false;
        hidden << line;
    }
}

} // namespace

int HiddenTarget(int lineCount)
{
    if (lineCount <= 7)
        return 2;
    if (lineCount <= 11)
        return 3;
    if (lineCount <= 14)
        return 4;
    if (lineCount <= 17)
        return 5;
    if (lineCount <= 20)
        return 6;
    return 7;
}

QList<int> HideLines(QList<bool> &shown, int mode, const Utils::RandomPick &pick)
{
    QList<int> hidden;
    const int target = HiddenTarget(int(shown.size()));
    switch (mode) {
    case AuthorHidden:
    case AuthorAndRandom:
        for (int line = 0; line < shown.size(); ++line) {
            if (!shown[line])
                hidden << line;
        }
        if (mode == AuthorAndRandom && hidden.size() < target)
            HideAtRandom(shown, target - int(hidden.size()), pick, hidden);
        break;
    case RandomOnly:
        std::fill(shown.begin(), shown.end(), true);
        HideAtRandom(shown, target, pick, hidden);
        break;
    default:
        std::fill(shown.begin(), shown.end(), true);
        break;
    }
    return hidden;
}

void TComprehensionRun::Start(const QList<bool> &fileVisible, const QStringList &recordings, int mode,
                              const Utils::RandomPick &pick)
{
    m_shown = fileVisible;
    m_recordings = recordings;
    m_recordings.resize(m_shown.size());
    m_right = 0;
    m_wrong = 0;
    m_queue.clear();

    const QList<int> hidden = HideLines(m_shown, mode, pick);
    for (int line : hidden)
        m_queue << m_recordings[line];
    m_hidden = int(hidden.size());
    m_current = m_queue.isEmpty() ? 0 : Draw(pick, int(m_queue.size()));
    Utils::Shuffle(m_queue, pick);
}

bool TComprehensionRun::IsShown(int line) const
{
    return line < 0 || line >= m_shown.size() || m_shown[line];
}

QString TComprehensionRun::CurrentRecording() const
{
    if (m_current < 0 || m_current >= m_queue.size())
        return QString();
    return m_queue[m_current];
}

TComprehensionRun::TClick TComprehensionRun::Click(int line)
{
    if (IsShown(line) || m_queue.isEmpty())
        return TClick::Nothing;
    if (m_recordings[line] != CurrentRecording()) {
        ++m_wrong;
        return TClick::Wrong;
    }
    ++m_right;
    m_shown[line] = true;
    m_queue.removeAt(m_current);
    // The next question is the one after the answered one's place; the entry that moved into
    // that place comes round again once the end of the queue has been passed.
    if (m_queue.isEmpty())
        m_current = -1;
    else if (++m_current >= m_queue.size())
        m_current = 0;
    return TClick::Right;
}

int TComprehensionRun::Percent() const
{
    return Utils::Percent(m_right, m_hidden + m_wrong);
}

TComprehensionLayout LayOutComprehension(const QList<TKwestia> &lines, const TComprehensionRun &run,
                                         const TComprehensionMetrics &m)
{
    static const QStringList pulledLeft{QStringLiteral(","), QStringLiteral(".")};
    const int a = m.Flow.Blank;
    TComprehensionLayout layout;
    int y = 0;
    for (int i = 0; i < lines.size(); ++i) {
        TComprehensionLine line;
        const int top = y - m.ScrollOffset;
        line.RowVisible = DialogueLayout::RowVisible(y, m.ScrollOffset, m.Height);
        int x = DialogueLayout::LeftMargin;
        line.Speaker = QRect(QPoint(x, top + 2), m.Speaker);
        x += m.Speaker.width() + 2 * a;
        if (run.IsShown(i)) {
            DialogueLayout::FlowWords(lines[i].Text, m.Flow, x, pulledLeft, x, y, line.Words);
        } else if (line.RowVisible) {
            line.Frame = QRect(QPoint(x, top), m.Frame);
        }
        y += DialogueLayout::LineHeight;
        layout.Lines << line;
    }
    layout.ContentHeight = y;
    return layout;
}

int FrameAt(const TComprehensionLayout &layout, QPoint point)
{
    for (int i = 0; i < layout.Lines.size(); ++i) {
        if (!layout.Lines[i].Frame.isEmpty() && layout.Lines[i].Frame.contains(point))
            return i;
    }
    return -1;
}

} // namespace Comprehension
