#pragma once
// The gaps of a dialogue line. A part of a line text between "<" and ">" is a gap the
// completion screen asks for; MakeGaps decides which gaps a run shows (the author's, the
// author's topped up with random single words, or random words only) and CutGappedLine cuts
// the result into the words and slots the screen lays out. GUI-free.

#include "utils/Random.h"

#include <QList>
#include <QString>

namespace DialogueGaps {

// The gap modes of the second tryb_znikania value.
enum GapMode : int {
    AuthorGaps = 1,      // exactly the author's gaps
    AuthorAndRandom = 2, // the author's gaps, topped up with random words to the target
    RandomOnly = 3,      // the author's marks ignored, random words only
};

// How many gaps a line of tokenCount words should have in modes 2 and 3: none under 4
// words, 1 up to 11, 2 up to 21, 3 from 22 on.
int GapTarget(int tokenCount);

// The line text with its gaps marked by "<" and ">".
// Mode 1 returns text as it stands. Modes 2 and 3 cut it into words at blanks (in mode 2 an
// author's gap of several words stays one word, and what follows its ">" up to the next blank
// stays with it; in mode 3 the first "<" and ">" of each word are dropped), then mark random
// single words, each drawn with pick among the words that have no gap themselves or beside
// them and hold a letter or digit, until the line has GapTarget gaps or no such word is left.
// A random gap around a word that ends in one of "!,.:;?" puts that mark after the ">"; so
// does an author's gap written with it inside ("<cake.>" becomes "<cake>."). The result has one blank after
// every word. Any other mode gives "".
QString MakeGaps(const QString &text, int mode, const Utils::RandomPick &pick);

// What MakeGaps makes of a line in modes 2 and 3, for course authors: the words it counts,
// the gaps their number calls for, and the gaps it can place (drawing the first candidate).
struct TGapPlan
{
    int Words = 0;
    int Target = 0;
    int Gaps = 0;
};
TGapPlan PlanGaps(const QString &text, int mode);

// One piece of a gapped line: a word, or a slot whose answer is the text between its marks.
struct TGapPiece
{
    bool IsGap = false;
    QString Text; // the word, or the slot's answer (trimmed, never empty)
};

// Cuts a gapped line into words (at blanks) and slots. A slot is a "<" closed by a ">" before
// any other "<"; whatever follows its ">" without a blank starts the next word. A "<" that is
// never closed is an ordinary character of its word; an empty gap "<>" is no slot and drops.
QList<TGapPiece> CutGappedLine(const QString &text);

// The slots CutGappedLine would find in text.
int CountGaps(const QString &text);

} // namespace DialogueGaps
