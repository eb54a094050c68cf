#pragma once
// Texts written with tags in angle brackets: the gap texts of the gap-typing exercise and the
// phrase lists of its mini dictionary. Words are separated by blanks; a tag runs from "<" to
// the first ">" after it. What a tag means depends on the text (a gap text knows gaps and tab
// targets, a phrase list does not), so the cutting is shared and the reading is per text.

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace TaggedText {

// The tag kinds both texts share; 0 is a word (or a gap).
enum TagKind : int {
    Word = 0,
    LineBreak = 1,    // <BR>
    PictureLeft = 2,  // <IMG LEFT>
    PictureRight = 3, // <IMG RIGHT>
    PictureEnd = 4,   // </IMG>
    ItalicOn = 5,     // <I>
    BoldOn = 6,       // <B>
    ItalicOff = 7,    // </I>
    BoldOff = 8,      // </B>
    Tab = 9,          // <AK>, <AK=n>
};

// Cuts a text into tokens: a tag from "<" up to and including the first ">" after it, and the
// words between tags (cut at blanks, line ends and tabs). Tokens come trimmed, empty ones are
// dropped, and blanks inside a tag are reduced to single ones. A "<" that is never closed
// makes the rest of the text one token (a plain word of its own, see IsClosedTag).
QStringList Cut(const QString &text);

// True when token is a whole tag: it starts with "<" and ends with ">".
bool IsClosedTag(const QString &token);

// Upper-cases the letters a to z only, as tags are compared.
QString TagUpper(const QString &token);

// The kind of one of the eight fixed tags or of an exact "<AK>", or Word for anything else.
TagKind FixedTagKind(const QString &token);

// For a tab tag of a gap text ("<AK>", "<AK=200>", any tag starting "<AK"): the target x of
// "<AK=n>", or nothing when the tag has no "=" or what follows is not a number.
std::optional<int> TabTarget(const QString &token);

} // namespace TaggedText

// One token of a tagged text as the screens hold it.
struct TWyrazTekstu
{
    QString Text;       // the token as written
    bool IsGap = false; // a bracketed token that is no known tag
    int TagKind = TaggedText::Word;
    QString Answers; // a gap's accepted answers, "/"-separated
    QString Typed;   // the learner's answer to a gap
    QRect HitRect;   // a gap's clickable area in content coordinates; empty when not clickable
};

namespace TaggedText {

// A gap text: the fixed tags, any tag starting "<AK" as a tab, any other bracketed token a
// gap whose Answers are the text between the brackets.
QList<TWyrazTekstu> ReadGapText(const QString &text);

// A phrase list: only the fixed tags and an exact "<AK>"; every other token, bracketed or not
// (so also "<AK=20>"), is a word drawn as written.
QList<TWyrazTekstu> ReadPhraseList(const QString &text);

} // namespace TaggedText
