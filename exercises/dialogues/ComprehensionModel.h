#pragma once
// One run of the dialogue comprehension exercise, apart from drawing it: which lines hide
// behind a frame, the shuffled queue of their recordings, the learner's clicks and the score.
// The screen plays the current recording, draws the lines the run shows and hands clicks in.
// GUI-free.

#include "exercises/dialogues/DialogueLayout.h"
#include "exercises/dialogues/Struct_Dialogi.h"
#include "utils/Random.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace Comprehension {

// The hiding modes of the first tryb_znikania value.
enum HidingMode : int {
    AuthorHidden = 1,    // the lines the file marks visible="0"
    AuthorAndRandom = 2, // those, topped up with random lines to the target
    RandomOnly = 3,      // the file's marks ignored, random lines only
};

// How many lines a dialogue of lineCount lines hides in modes 2 and 3: 2 up to 7 lines, one
// more for each further step (8, 12, 15, 18), 7 from 21 lines on.
int HiddenTarget(int lineCount);

// Hides lines by mode: shown holds the file's visible flags and becomes what the run shows.
// Random lines are drawn with pick among the shown lines whose neighbours are shown too, until
// the target is reached or no such line is left. Returns the hidden lines in the order they
// were hidden (the file's own in file order first). Any other mode hides nothing.
QList<int> HideLines(QList<bool> &shown, int mode, const Utils::RandomPick &pick);

class TComprehensionRun
{
public:
    enum class TClick {
        Nothing, // a shown line, no line, or a finished run
        Wrong,   // a hidden line other than the one heard: the question stays
        Right    // the line heard: it is uncovered and the next question comes
    };

    // A new run over the file's lines (their visible flags and recordings, in file order).
    // Draws, in this order: the random hidden lines, the first question, the queue's shuffle.
    void Start(const QList<bool> &fileVisible, const QStringList &recordings, int mode,
               const Utils::RandomPick &pick);

    int LineCount() const { return int(m_shown.size()); }
    bool IsShown(int line) const;

    // The recording of the question open now; empty when none is.
    QString CurrentRecording() const;
    const QStringList &Queue() const { return m_queue; }
    int CurrentIndex() const { return m_current; }

    // A click on a line's frame.
    TClick Click(int line);

    int Right() const { return m_right; }
    int Wrong() const { return m_wrong; }
    int HiddenCount() const { return m_hidden; }
    // A run that hides no line asks nothing and has no score.
    bool HasQuestions() const { return m_hidden > 0; }
    // Every hidden line uncovered.
    bool Finished() const { return HasQuestions() && m_queue.isEmpty(); }
    // 100 × right / (hidden + wrong), halves to even: the running score, final once finished.
    int Percent() const;

private:
    QList<bool> m_shown;
    QStringList m_recordings;
    QStringList m_queue;
    int m_current = -1;
    int m_right = 0;
    int m_wrong = 0;
    int m_hidden = 0;
};

// ---------------------------------------------------------------------------------------------
// The lines laid out in the paint area: the speaker's picture, then a shown line's words or a
// hidden line's frame.

struct TComprehensionMetrics
{
    DialogueLayout::TFlowMetrics Flow;
    int Height = 0;       // of the paint area
    int ScrollOffset = 0; // pixels
    QSize Speaker;        // IMG_Osoba_1 .. _5
    QSize Frame;          // IMG_Ramka
};

struct TComprehensionLine
{
    QRect Speaker; // where the speaker's picture goes (scrolled)
    bool RowVisible = false;
    QRect Frame; // a hidden line's frame where it is drawn; empty for a shown line or a
                 // row out of sight, so neither can be clicked
    QList<DialogueLayout::TPlacedWord> Words; // Y before scrolling
};

struct TComprehensionLayout
{
    QList<TComprehensionLine> Lines;
    int ContentHeight = 0;
};

// One row per line (a shown line wraps under its own text start); "," and "." written apart
// stand against the word before them.
TComprehensionLayout LayOutComprehension(const QList<TKwestia> &lines, const TComprehensionRun &run,
                                         const TComprehensionMetrics &metrics);

// The first line whose frame holds point, or -1.
int FrameAt(const TComprehensionLayout &layout, QPoint point);

} // namespace Comprehension
