#pragma once
// Running text laid out word by word into a paint area, as the gap text and the phrase list
// are drawn: words wrap at the right limit, pictures float at the sides and push the text in
// until the text has passed them. The layout is GUI-free: the screen measures words with its
// fonts, and draws what comes back (FlowPainter.h); the same rectangles give the word under
// the pointer for the dictionary look-up.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>

namespace FlowText {

// The colour a word is drawn in; the painter's palette says which colour that is.
enum class Ink { Text, Entered, Right, Wrong };

struct Style
{
    bool Bold = false;
    bool Italic = false;
    Ink Colour = Ink::Text;
    bool operator==(const Style &) const = default;
};

// A word where it is drawn, in content coordinates (not scrolled).
struct Word
{
    QString Text;
    QRect Rect;
    Style Look;
};

// A picture by name where it is drawn: a picture of the screen ("IMG_OK") or a file.
struct Picture
{
    QString Name;
    QRect Rect;
};

struct Layout
{
    QList<Word> Words;
    QList<Picture> Pictures;
    // The bottom of the last line or of the lowest picture, whichever is lower.
    int ContentHeight = 0;
};

// A word that is only a mark that closes what precedes it: ".", ",", "?", "!", ":" or ";".
// Texts write them apart ("<evening> .") and they are drawn and printed against the word or
// gap before them.
bool IsClosingMark(const QString &word);

// Width of a text in a style.
using Measure = std::function<int(const QString &text, const Style &style)>;

// The running position of a layout.
class Cursor
{
public:
    Cursor(int width, int lineHeight, int wordSpacing);

    int X = 0;
    int Y = 0;
    int Width;
    int LineHeight;
    int WordSpacing;
    // A floated picture pushes the text: lines start at LeftIndent and end at Width +
    // RightAdjust (RightAdjust is negative) until a line starts below PictureBottom.
    int LeftIndent = 0;
    int RightAdjust = 0;
    int PictureBottom = 0;

    int RightLimit() const { return Width + RightAdjust; }
    bool AtLineStart() const { return X <= LeftIndent; }

    // The next line: y grows by a line; once it is below the last picture the indents end.
    void NewLine();
    // x := left indent, then the next line.
    void BreakLine();
    // A piece w wide that would end past the right limit goes to the next line first; a piece
    // that starts a line stays and overflows (so no empty lines come of a long word).
    void Fit(int w);

    // Lays text out word by word (cut at blanks) in style; a closing mark (IsClosingMark)
    // stands one word spacing further left, against what precedes it. Returns the piece's
    // rectangle: from its first word to the end of its last word on the first word's line,
    // one line high less 4 pixels.
    QRect PlaceWords(const QString &text, const Style &style, const Measure &measure, Layout &layout);

    // Bottom of the last line, or of the last picture when that is lower.
    int ContentHeight() const;

private:
    int LowestPicture = 0;
    friend void FloatPicture(Cursor &, Layout &, const QString &, QSize, bool);
};

// A picture floated at a side: a new line, then the picture at the line's start on the left
// (text indented by its width + 10) or flush right (right limit pulled in by its width + 10).
void FloatPicture(Cursor &cursor, Layout &layout, const QString &name, QSize size, bool right);

// The words that lie in the visible band (area height, text scrolled by offset), in area
// coordinates: what the dictionary look-up searches.
QList<Word> VisibleWords(const Layout &layout, int offset, int areaHeight);

// The scroll range in whole lines for a content height: 0 when it fits the area, else the
// number of lines to move so the last line is wholly seen.
int ScrollLines(int contentHeight, int areaHeight, int lineHeight);

} // namespace FlowText
