#pragma once
// Laying dialogue lines out in the 650 x 550 paint area of the dialogue screens: 25-pixel
// rows, a column of pictures at the left of each line and its words flowing after them, rows
// shifted up by the scroll offset. GUI-free: the screens pass their text measures and picture
// sizes and draw what comes back; hit zones come from the same layout that is drawn.

#include "exercises/dialogues/Struct_Dialogi.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

namespace DialogueLayout {

constexpr int LineHeight = 25;
constexpr int LeftMargin = 8;

struct TFlowMetrics
{
    std::function<int(const QString &)> TextWidth; // width of a word in the area's font
    int Blank = 0;                                 // width of one blank in that font
    int Width = 0;                                 // width of the paint area
};

// A word where it is drawn: X in the area, Y the row's layout position (before scrolling).
struct TPlacedWord
{
    QString Text;
    int X = 0;
    int Y = 0;
    int Width = 0;
};

// Cuts text at blanks and places its words from (x, y): a word that would cross the right
// edge starts a new row at textStart (y grows by one line height); a word empty after
// trimming draws nothing; a word listed in pulledLeft (punctuation written apart) is moved
// left by one blank. Returns the number of rows added.
int FlowWords(const QString &text, const TFlowMetrics &metrics, int textStart, const QStringList &pulledLeft,
              int &x, int &y, QList<TPlacedWord> &words);

// Whether a row at layout position y is drawn: 0 <= y - offset < areaHeight.
bool RowVisible(int y, int offset, int areaHeight);

// The scroll-bar range of a content height: 0 when it fits, else the whole rows hidden below.
int ScrollMaximum(int contentHeight, int areaHeight);

// ---------------------------------------------------------------------------------------------
// The presentation: microphone, the learner's temporary and kept recording, the speaker, then
// the text. Every picture stands LeftMargin + 2 blanks apart from the next.

struct TPresentationMetrics
{
    TFlowMetrics Flow;
    int Height = 0;       // height of the paint area
    int ScrollOffset = 0; // pixels
    QSize Mic;            // IMG_Mic (IMG_Mic_Stop has the same size)
    QSize Own;            // IMG_Chlopek
    QSize Kept;           // IMG_Chlopek_A
    QSize Speaker;        // IMG_Osoba_1 .. _5
};

enum class TPresentationZone { None, Microphone, OwnRecording, KeptRecording, Speaker, Text };

struct TPresentationLine
{
    // Pictures where they are drawn (area coordinates, scrolled); drawn only when
    // IconsVisible, that is when the line's first row is.
    QRect Mic;
    QRect Own;
    QRect Kept;
    QRect Speaker;
    bool IconsVisible = false;
    int TextStart = 0;
    QList<TPlacedWord> Words;
};

struct TPresentationLayout
{
    QList<TPresentationLine> Lines;
    int ContentHeight = 0; // layout y after the last line
};

// Lays every line out and stores each line's Rect: the full width of the area, from 2 pixels
// below its first row's top to the bottom of its last row (area coordinates).
TPresentationLayout LayOutPresentation(QList<TKwestia> &lines, const TPresentationMetrics &metrics);

struct TPresentationHit
{
    int Line = -1;
    TPresentationZone Zone = TPresentationZone::None;
};

// The first line whose Rect holds the point, and the zone under it: a picture's zone is its
// column (its left edge to its right edge, both included) over the first 25 pixels of the
// line; the text zone is any point of the line from the text start on.
TPresentationHit HitPresentation(const QList<TKwestia> &lines, const TPresentationLayout &layout,
                                 QPoint point);

// ---------------------------------------------------------------------------------------------
// The reading view: one generic speaker picture, then the text.

struct TReadingLine
{
    QRect Speaker; // drawn when visible
    bool IconVisible = false;
    QList<TPlacedWord> Words;
};

struct TReadingLayout
{
    QList<TReadingLine> Lines;
    int ContentHeight = 0;
};

TReadingLayout LayOutReading(const QList<TKwestia> &lines, const TFlowMetrics &flow, int height,
                             int scrollOffset, QSize speaker);

} // namespace DialogueLayout
