#pragma once
// The body of a true/false file (kind 31) and the statements held in memory.
//
// <body>
//   <kolumna id="1">True</kolumna>               2 or more: the left and the right heading
//   <kolumna id="2">False</kolumna>
//   <polecenie id="1">instruction</polecenie>    0..n, one per language
//   <zdanie id="1" odp="1" sampel="">            1..n; odp not 0: the statement holds (left)
//     <tresc>statement</tresc>
//     <tlumaczenie id="0">translation</tlumaczenie>
//   </zdanie>
//   <html>...</html>                             not read
// </body>

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

struct TTrueFalseItem
{
    // Answer values: the learner's tick, or none yet.
    static constexpr quint8 NotAnswered = 255;
    static constexpr quint8 LeftTicked = 1;
    static constexpr quint8 RightTicked = 0;

    QString Text;
    bool Truth = false; // belongs in the left column
    quint8 Answer = NotAnswered;

    bool IsAnswered() const { return Answer != NotAnswered; }
    bool IsRight() const { return IsAnswered() && (Answer == LeftTicked) == Truth; }
};

// One <zdanie> of a true/false body.
class TXMLTFZdanieType
{
public:
    explicit TXMLTFZdanieType(const QDomElement &element) : m_element(element) {}
    QString Odp() const; // as written; any integer but 0 means true
    QString Sampel() const;
    QString Tresc() const;
    QString Tlumaczenie(int language) const;

private:
    QDomElement m_element;
};

// The <body> of a true/false file.
class TXMLTF2BodyType
{
public:
    explicit TXMLTF2BodyType(const QDomElement &element) : m_element(element) {}
    QStringList Kolumny() const;
    // The text of the last polecenie whose id is id; empty when there is none.
    QString Polecenie(int id) const;
    QList<TXMLTFZdanieType> Zdania() const;

private:
    QDomElement m_element;
};

// A loaded true/false exercise; statements in file order until they are shuffled.
struct Struct_TF2
{
    QString MediaFile; // as played: a ".wav" name already turned into ".mp3"
    QString Instruction;
    QString Hint;
    QString LeftHeading;
    QString RightHeading;
    QList<TTrueFalseItem> Items;
};

struct TF2ReadResult
{
    Struct_TF2 Exercise;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

// Reads a true/false file. A statement with an empty tresc is left out (there is nothing to
// judge); a file with fewer than two headings, an odp that is not a number or no statement
// at all is refused with a message and an empty exercise, never half a table.
TF2ReadResult ReadTF2(const QByteArray &bytes, int instructionLanguage, int translationLanguage);
TF2ReadResult ReadTF2File(const QString &path, int instructionLanguage, int translationLanguage);

// The picture above (placement 'T') or below ('B') the table: the exercise file name without
// folder, cut before its first ".", then "_T.png" or "_B.png" (under Gfx\Tf_gfx).
QString TrueFalsePictureName(const QString &exerciseFile, QChar placement);

// What a course author should hear about a true/false file's body: a file that cannot be
// read, an empty statement, an odp that is not a number, headings missing. Empty for a
// sound file. (Whether the table fits its area is a matter of its layout: see
// TrueFalseModel::TableOverflow.)
QStringList InspectTF2(const QByteArray &bytes);
