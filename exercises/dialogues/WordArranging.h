#pragma once
// Sentence arranging without its screen: the words of the sentence dealt in random order
// into places, moved by dragging, checked, and laid out on the paint area.

#include "exercises/dialogues/SentenceRun.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

// One word position of the sentence on the paint area.
struct TSlowo
{
    QString ModelWord;  // the sentence's word at this position
    QString PlacedWord; // the word the learner's arrangement puts here
    bool Hovered = false;
    bool Dragged = false;
    QRect Rect; // where PlacedWord was drawn by the last layout, in paint-area coordinates
};

namespace Sentences {

// The words of a sentence, cut at each blank (code 32 only). Empty words, from a blank at
// either end or two in a row, are dropped: dealing could never fill their places.
QStringList CutSentence(const QString &text);

// One slot per word in sentence order, each given a word drawn without replacement. The
// dealt order may equal the sentence order.
QList<TSlowo> DealWords(const QStringList &words, const RandomPick &pick);

// Drops the word of slot source before slot target (target = number of places: after the
// last word). Dropping a word on itself or on the word right after it changes nothing.
void MoveWord(QList<TSlowo> &places, int source, int target);

// Every slot holds its model word (equal words are interchangeable).
bool IsArrangedRight(const QList<TSlowo> &places);

// The first slot whose Rect holds point; -1 for none.
int SlotAt(const QList<TSlowo> &places, QPoint point);

// Where a dragged word would go: before slot Index, or after the last word when Index is
// the number of places (the 8-pixel zone right of the last word); -1 for nowhere. Marker is
// the top-left of the insertion marker of markerWidth pixels, in paint-area coordinates.
struct TDropTarget
{
    int Index = -1;
    QPoint Marker;
};
TDropTarget DropTargetAt(const QList<TSlowo> &places, QPoint point, int markerWidth);

using TextWidth = std::function<int(const QString &)>;

// Words flowing in rows, as every sentence screen lays its texts out: from (Left, Top); a word that would
// reach Limit (x + width ≥ Limit) starts a new row RowStep lower at Left; Gap pixels after each word.
struct TFlowRules
{
    int Left = 0;
    int Top = 0;
    int RowStep = 0;
    int Limit = 0;
    int Gap = 0;
};
// One rectangle per word: where it is drawn, its width and the row height.
QList<QRect> FlowWords(const QStringList &words, const TFlowRules &rules, int rowHeight,
                       const TextWidth &width);

// The arranging view: the placed words from (0, 4), rows the text height + 16 apart,
// wrapping 16 pixels before the right edge, 8 pixels between words. Stores each slot's Rect.
void LayOutArranging(QList<TSlowo> &places, int areaWidth, int textHeight, const TextWidth &width);

// The answered view's rows of words right of the marks: from (markWidth + 8, top), rows the
// text height apart, wrapping at the right edge, 4 pixels between words.
QList<QRect> LayOutAnsweredRow(const QStringList &words, int markWidth, int top, int areaWidth,
                               int textHeight, const TextWidth &width);

QStringList ModelWords(const QList<TSlowo> &places);
QStringList PlacedWords(const QList<TSlowo> &places);

} // namespace Sentences
