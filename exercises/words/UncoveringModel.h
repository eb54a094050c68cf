#pragma once
// The uncovering game without its screen: the word column in random order, the definition
// now playing, right and wrong clicks, the score, and the two prepared layouts.

#include "exercises/words/Struct_Odkrywanka.h"
#include "utils/Random.h"

#include <QList>
#include <QString>
#include <optional>

namespace UncoveringModel {

using Utils::RandomPick;

// Height of one strip of the hidden picture and of one place of the column.
constexpr int StripHeight = 70;
constexpr int ButtonLeft = 31;
constexpr int StripLeft = 62;

struct TUncoveringLayout
{
    int Index = 0;      // 0: drawn for 7 words, 1: for 8
    QString Background; // under Gfx
    int MediaTop = 0;   // the listen button
    int AgainTop = 0;   // the again button
    int ColumnTop = 0;  // the first word button; an uncovered strip stands 19 pixels higher
};
// The layout for a column of wordCount words: 7 gives layout 0, 8 layout 1, any other count
// keeps the previous one.
TUncoveringLayout LayoutFor(int wordCount, int previous);
// Top of the word button, and of the uncovered strip, at place p of the column.
int ButtonTop(const TUncoveringLayout &layout, int place);
int StripTop(const TUncoveringLayout &layout, int place);

class TUncoveringRun
{
public:
    TUncoveringRun() = default;
    // Draws the column order and the first definition at once.
    TUncoveringRun(QList<TDefinicja> definitions, RandomPick pick);

    const QList<TDefinicja> &Definitions() const { return m_definitions; }
    int WordCount() const { return int(m_definitions.size()); }
    // Place p of the column holds word ColumnOrder()[p].
    const QList<int> &ColumnOrder() const { return m_column; }
    int PlaceOf(int word) const;
    // The word whose definition is playing; -1 when every word is found (or none exists).
    int Current() const { return m_current; }
    bool IsFinished() const { return m_finished; }

    struct ClickOutcome
    {
        bool Accepted = false; // false once finished or for a word that is not there / found
        bool Right = false;
        bool Finished = false;
        int Next = -1; // the definition drawn next (-1 when finished)
    };
    // A click on word: the current definition's word is found; any other costs a point. Either
    // way a definition not yet found is drawn next (a wrong click may draw the same again).
    ClickOutcome Click(int word);

    int Good() const { return m_good; }
    int Bad() const { return m_bad; }
    // 100 × right clicks / all clicks; none before the first click.
    std::optional<int> Percent() const;

private:
    void DrawNext();

    QList<TDefinicja> m_definitions;
    RandomPick m_pick;
    QList<int> m_column;
    int m_current = -1;
    bool m_finished = false;
    int m_good = 0;
    int m_bad = 0;
};

} // namespace UncoveringModel
