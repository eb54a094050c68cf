#pragma once
// One run of the dialogue completion exercise, apart from drawing it: the dialogue cut into
// words and slots, the word tiles and where each lies, the check with its marks, the right
// answers and the hints over wrong slots; also the layout of the text with its slots and the
// grid of tiles on the notebook. The screen draws what the layouts give back and hands the
// learner's drags in. GUI-free.

#include "exercises/shared/ExerciseRules.h"
#include "utils/Random.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>

namespace Completion {

using Exercises::TextMeasure;

// One line of the dialogue as the run reads it: its speaker and its text with the gap marks
// of the file.
struct TLineText
{
    int Speaker = 0;
    QString Text;
};

// One piece of the laid-out dialogue: the start of a line, a word or a slot.
struct TSlowo
{
    int Speaker = 0;
    QString Word; // the word; "END" for the piece that starts a line
    bool StartsLine = false;
    QString LearnerWord; // what was in the slot when the right answers were shown
    QString Answer;      // the slot's right word
    QRect Rect;          // where the slot (or, after the right answers, its wrong mark) was last
                         // laid out in the paint area; empty when it cannot be pointed at
    bool IsRight = false;
    QString Placed;      // the word of the tile in the slot; empty for an empty slot
    QString TileName;    // the name of that tile
    bool IsEmpty = true; // the slot can take a tile
    bool IsGap = false;
};

// The tile of one slot: named "AF" and the slot's index, carrying the slot's answer.
struct TTile
{
    int Slot = -1; // the token index it was made for (its tag)
    QString Caption;
    int OstatnieSlowo = -1; // the slot it lies in, -1 for none
};

QString TileName(int slot);

class TCompletionRun
{
public:
    // A new run: every line's text goes through MakeGaps with the gap mode and is cut into
    // words and slots; the slot width is the widest answer plus 20; the tiles come in an
    // order drawn with pick. A gap mode outside 1-3 leaves every line empty.
    void Start(const QList<TLineText> &lines, int gapMode, const Utils::RandomPick &pick,
               const TextMeasure &answerWidth);

    const QList<TSlowo> &Tokens() const { return m_tokens; }
    QList<TSlowo> &Tokens() { return m_tokens; }
    // Token indices of the slots, in reading order.
    const QList<int> &Slots() const { return m_slots; }
    const QList<TTile> &Tiles() const { return m_tiles; }
    // The tile indices (into Tiles) in the order they lie on the notebook.
    const QList<int> &TileOrder() const { return m_tileOrder; }
    int SlotWidth() const { return m_slotWidth; }
    int GapMode() const { return m_gapMode; }

    // The tile of a slot's name, or -1.
    int TileOf(const QString &name) const;
    bool IsSlot(int token) const;

    // A press on a filled slot before the check: the slot shows empty while its tile is
    // dragged on from there. Returns the tile, or -1 when nothing can be lifted.
    int Lift(int slot);
    // A tile released over slot (-1: over none). It leaves the slot it lay in; it goes into
    // an empty slot, else it goes home and changes no other slot. True when it went in.
    bool Drop(int tile, int slot);

    // Marks every slot right or wrong (its tile's word equals its answer); the tiles are
    // frozen from now on. A run without any slot has nothing to score.
    void Check();
    bool Marked() const { return m_marked; }
    int Right() const { return m_right; }
    int Wrong() const { return m_wrong; }
    bool HasScore() const { return m_right + m_wrong > 0; }
    int Percent() const;

    // The right words in every slot; what the learner had put there is kept for the hints.
    void ShowCorrections();
    bool CorrectionsShown() const { return m_correctionsShown; }
    // The hover hint over a wrong slot's mark once the right answers are shown: text 1 and
    // the learner's word in bold, or text 2 in bold for a slot left empty; empty elsewhere.
    QString HintAt(int slot) const;

private:
    QList<TSlowo> m_tokens;
    QList<int> m_slots;
    QList<TTile> m_tiles;
    QList<int> m_tileOrder;
    int m_slotWidth = 0;
    int m_gapMode = 0;
    bool m_marked = false;
    bool m_correctionsShown = false;
    int m_right = 0;
    int m_wrong = 0;
};

// ---------------------------------------------------------------------------------------------
// The text with its slots, laid out in the paint area.

constexpr int LineHeight = 25;

struct TCompletionMetrics
{
    TextMeasure WordWidth; // in the text's font
    int Blank = 0;         // width of one blank in that font
    int Width = 0;         // of the paint area
    int Height = 0;
    int ScrollOffset = 0; // pixels
    int SpeakerWidth = 0; // IMG_Osoba_3
    int SlotLeft = 0;     // IMG_Miejsce1
    int SlotRight = 0;    // IMG_miejsce3
    int SlotHeight = 0;   // IMG_miejsce2
    int MarkWidth = 0;    // IMG_OK
    int MarkHeight = 0;
};

enum class TMark { None, Right, Wrong };

struct TLaidPiece
{
    int Token = -1;
    QPoint At;  // speaker picture, word or slot's left end (area coordinates)
    QRect Slot; // a slot's middle, between its ends
    TMark Mark = TMark::None;
    QPoint MarkAt;
};

struct TCompletionLayout
{
    QList<TLaidPiece> Speakers;
    QList<TLaidPiece> Words;
    QList<TLaidPiece> Slots;
    int LastRow = -LineHeight; // layout position of the last row
    int ScrollMaximum = 0;     // scroll steps of a line; 0 when everything fits
};

// Lays every line out, words and slots flowing at blanks after the speaker's picture, and
// stores each slot's Rect: its middle while it can take or give a tile, its wrong mark once
// the right answers are shown, nothing otherwise or when its row is not drawn. After the
// check each slot gets room for its mark before it.
TCompletionLayout LayOutCompletion(TCompletionRun &run, const TCompletionMetrics &metrics);

// The slot whose Rect holds point, or -1.
int SlotAt(const TCompletionRun &run, QPoint point);

// ---------------------------------------------------------------------------------------------
// The tiles' home positions.

struct TTileGrid
{
    int TileWidth = 0;
    QList<QPoint> Homes; // in the order of the tiles asked for
};

// Lays count tiles of the slot width in rows from the top-left of the first area, 8 pixels
// apart, as many to a row as the area is wide. When they do not fit its height they continue
// in the next areas; when they still do not fit they narrow, not below minWidth; as a last
// resort the rows of the roomiest area close up. A tile never leaves its area.
TTileGrid LayOutTiles(int count, int slotWidth, int minWidth, const QList<QRect> &areas, int tileHeight = 21);

} // namespace Completion
