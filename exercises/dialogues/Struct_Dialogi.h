#pragma once
// The body of a dialogue file, shared by the presentation (kind 11), comprehension (14),
// completion (18) and arranging (26) screens, and the lines held in memory.
//
// <body>
//   <tryb_znikania id="1">2</tryb_znikania>        0..n, read by position: 1st kind 14, 2nd kind 18
//   <polecenia>
//     <typ id="1">                                  variant: 1 kinds 11 and 26, 4 kind 14, 8 kind 18
//       <polecenie id="1">instruction</polecenie>   one per language
//     </typ>
//   </polecenia>
//   <kwestia id="1" osoba="1" sampel="d_01.mp3" visible="1">   1..n, in spoken order
//     <tresc>Can I &lt;help&gt; you?</tresc>        "<" ... ">" marks a gap of the completion screen
//     <tlumaczenie id="0">W czym mogę pomóc?</tlumaczenie>     0..n, one per language
//   </kwestia>
// </body>

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>

// One line of a dialogue.
struct TKwestia
{
    int Index = 0;       // position in the file, from 0
    int Speaker = 0;     // osoba, 1 to 5 (other values have no picture)
    QString Text;        // tresc after the screen's treatment of the gap marks
    QString Translation; // in the learner's translation language, empty if none
    QString Recording;   // sampel as the screen plays it
    bool Visible = true; // visible is not 0

    // The line's area in the paint area at the last layout (screens that hit-test lines).
    QRect Rect;

    // The presentation's state of the learner's own recordings of this line.
    bool IsRecording = false;          // the microphone is held on this line
    bool HasOwnRecording = false;      // recorded since the screen was opened
    bool HasArchivedRecording = false; // a kept recording existed when the file was loaded
};

// The body's instructions: the first typ with the variant, in it the first polecenie with the
// language; empty when either is absent.
class TXMLDialogiBodyType
{
public:
    explicit TXMLDialogiBodyType(const QDomElement &element);
    QString Polecenie(int variant, int language) const;
    // The texts of the tryb_znikania elements in file order.
    QStringList TrybyZnikania() const;
    QList<QDomElement> Kwestie() const;

private:
    QDomElement m_element;
};

// How one screen reads the file.
struct TDialogueReadOptions
{
    int Variant = 1;             // typ of the instruction
    int InstructionLanguage = 1; // always 1
    int TranslationLanguage = 0; // 255: no translations
    bool RecordingAsMp3 = false; // the sampel extension becomes ".mp3" (kinds 11 and 14)
    int ModesRequired = 0;       // leading tryb_znikania values that must be numbers (14, 18: 2)
    // The screen's treatment of a tresc text, given the modes read; StripGapMarks when empty.
    std::function<QString(const QString &tresc, const QList<int> &modes)> TreatText;
};

// The reading of each dialogue kind (11, 14, 18, 26); variant 1 as written for any other.
TDialogueReadOptions DialogueReadOptions(int kind, int translationLanguage);

struct Struct_Dialogi
{
    QString FilePath;
    QList<int> Modes; // the leading tryb_znikania values that are numbers, by position
    QString Instruction;
    QString Hint;
    QList<TKwestia> Lines;
};

struct DialogueReadResult
{
    Struct_Dialogi Dialogue;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

// Reads a dialogue body. A file that cannot be read, a missing or non-numeric required mode,
// or a dialogue without any kwestia gives the reason and no lines. An osoba that is not a
// number reads as 0 (no speaker picture); a visible that is not a number counts as shown.
DialogueReadResult ReadDialogue(const QByteArray &bytes, const TDialogueReadOptions &options);
DialogueReadResult LoadDialogueExercise(const QString &path, const TDialogueReadOptions &options);

// The background of a dialogue screen: Gfx\Background_dial\<name>.bmp, name being the file
// name of exercisePath without folder cut before its first "."; else the folder's
// bg_dialog.bmp; empty when neither exists (the screen then stays on a plain background).
QString DialogueBackgroundPath(const QString &exercisePath);

// Every "<" and ">" removed.
QString StripGapMarks(const QString &text);

// A, B, C, D, E for speakers 1 to 5, as printouts and hints name them; empty for others.
QString SpeakerLetter(int speaker);

// What a course author should hear about a dialogue body played as the given kinds (one kind,
// or the dialogue kinds a variant-2 package offers): a file that cannot be read, no kwestia, a
// speaker outside 1-5, a tryb_znikania that is not a number (or fewer than two for kinds 14
// and 18), an unclosed "<" in a tresc, a recording missing in Media\Dialogi (as the kinds
// play it), no background at all. Empty for a sound body.
QStringList InspectDialogue(const QByteArray &bytes, const QList<int> &kinds, const QString &exercisePath);
