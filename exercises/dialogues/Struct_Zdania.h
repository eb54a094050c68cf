#pragma once
// The body of a sentence exercise file, played by the arranging (21), dictation (22) and
// translation (24) screens, and the sentences held in memory.
//
// <body>
//   <polecenia>
//     <typ id="1">                                  variant: 1 arranging, 2 dictation, 4 translation
//       <polecenie id="1">instruction</polecenie>   one per language
//     </typ>
//   </polecenia>
//   <zdanie id="1" sampel="s01.wav">                1..n, in the order they are kept
//     <tresc>Open the door, please.</tresc>
//     <tlumaczenie id="0">Otwórz drzwi, proszę.</tlumaczenie>   0..n, one per language
//   </zdanie>
// </body>

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// One sentence of the exercise.
struct TZdanie
{
    QString Text;        // the tresc text as stored
    QString Translation; // in the learner's translation language; empty when there is none
    QString Recording;   // the sampel name with its extension turned into ".mp3"
    bool Done = false;   // offered and answered; never offered again in this run
};

// The read failed on an id that is not a number.
struct TXMLZdaniaReadError
{
    QString Message;
};

// One <zdanie>.
class TXMLZdanieType
{
public:
    explicit TXMLZdanieType(const QDomElement &element) : m_element(element) {}
    QString Sampel() const;
    QString Tresc() const;
    // The first tlumaczenie whose id is language; empty when there is none. Throws
    // TXMLZdaniaReadError for an id that is not a number.
    QString Tlumaczenie(int language) const;

private:
    QDomElement m_element;
};

// The <body> of a sentence file.
class TXMLZdaniaBodyType
{
public:
    explicit TXMLZdaniaBodyType(const QDomElement &element) : m_element(element) {}
    // The first polecenie of language in the first typ of variant; empty when either is
    // missing. Throws TXMLZdaniaReadError for an id that is not a number.
    QString Polecenie(int variant, int language) const;
    QList<TXMLZdanieType> Zdania() const;

private:
    QDomElement m_element;
};

// The screen variant numbers of the polecenia.
namespace SentenceVariant {
inline constexpr int Arranging = 1;
inline constexpr int Dictation = 2;
inline constexpr int Translation = 4;
} // namespace SentenceVariant

// The variant a sentence screen's kind reads; 0 for any other kind.
int SentenceVariantOfKind(int kind);

struct Struct_Zdania
{
    QString Instruction; // in the instruction language
    QString Hint;        // the instruction in the translation language (255: none)
    QList<TZdanie> Sentences;
};

struct ZdaniaReadResult
{
    Struct_Zdania Exercise;
    QString Error; // empty when the whole file was read
    bool Ok() const { return Error.isEmpty(); }
};

// Reads a sentence file for a screen variant. On a fault the result holds the message and
// whatever was read before it: the sentences appended so far stay, as the screens keep them.
ZdaniaReadResult LoadSentenceExercise(const QByteArray &bytes, int variant, int instructionLanguage,
                                      int translationLanguage);
ZdaniaReadResult LoadSentenceExerciseFile(const QString &path, int variant, int instructionLanguage,
                                          int translationLanguage);

// The recording as played: the extension (from the last "." after the last "\" or ":") is
// replaced by ".mp3"; a name without one gets ".mp3" appended.
QString SentenceRecordingName(const QString &sampel);

// What a course author should hear about a sentence file: a file that cannot be read, no
// zdanie, an empty tresc, blanks at either end or doubled, a tab or line break in a tresc, a
// recording that is missing (recordingExists answers for a name as played), and a variant
// among `variants` without an instruction in `instructionLanguage`. Empty for a sound file.
using RecordingCheck = std::function<bool(const QString &recording)>;
QStringList InspectSentences(const QByteArray &bytes, const QList<int> &variants, int instructionLanguage,
                             RecordingCheck recordingExists);
