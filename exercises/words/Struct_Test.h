#pragma once
// The body of a multiple-choice test file (kind 3) and the sheet held in memory.
//
// <body>
//   <polecenie id="1">instruction</polecenie>      0..n, one per language
//   <grupy>
//     <grupa id="1">
//       <img align="left"/>                        read, not used: pictures go by position
//       <naglowek>question</naglowek>
//       <odpowiedz id="1">answer</odpowiedz>       1..n, numbered 1, 2, ... in file order
//       <poprawne>1,3</poprawne>                   the numbers of the right answers
//     </grupa>
//   </grupy>
// </body>

#include <QDomElement>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

class QIODevice;

struct TGrupaItem
{
    QString Text;
    bool Selected = false;
    // Set at load from poprawne; travels with its answer through the shuffle.
    bool Correct = false;
    // The clickable row, in the sheet's widget coordinates of the last layout.
    QRect HitRect;
};

struct TGrupa
{
    QString Header;
    QList<TGrupaItem> Items;
    // The poprawne text; the answer shuffle rewrites it to the shown position of the file's
    // first answer, as stored course data has always seen it.
    QString CorrectList;
};

// One <grupa>.
class TXMLGrupaType
{
public:
    explicit TXMLGrupaType(const QDomElement &element) : m_element(element) {}
    QString Naglowek() const;
    // Every odpowiedz text in file order, empty ones included (they keep their numbers).
    QStringList Odpowiedzi() const;
    QString Poprawne() const;

private:
    QDomElement m_element;
};

// The <body> of a test file.
class TXMLTestBodyType
{
public:
    explicit TXMLTestBodyType(const QDomElement &element) : m_element(element) {}
    // The text of the last polecenie whose id is id; empty when there is none.
    QString Polecenie(int id) const;
    bool HasGrupy() const;
    QList<TXMLGrupaType> Grupy() const;

private:
    QDomElement m_element;
};

// A loaded test, groups and answers in file order until they are shuffled.
struct Struct_Test
{
    bool SingleChoice = true;
    QString MediaFile; // as played: a ".wav" name already turned into ".mp3"
    QString Instruction;
    QString Hint;
    QList<TGrupa> Groups;
};

struct TestReadResult
{
    Struct_Test Test;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

// Reads a test file. instructionLanguage picks the polecenie shown, translationLanguage the
// hint. On any fault the result holds the message and an empty test, never half a sheet.
TestReadResult ReadTest(const QByteArray &bytes, int instructionLanguage, int translationLanguage);
TestReadResult ReadTestFile(const QString &path, int instructionLanguage, int translationLanguage);

// What a course author should hear about a test file (the course inspector prints it): a
// file that cannot be read, a sheet with nothing to score, a group without answers or
// without a right answer, a poprawne number that names no answer, several right answers in
// a single-choice test. Empty for a sound file.
QStringList InspectTest(const QByteArray &bytes);

// True when number n is listed in a poprawne text: "n," occurs in the text followed by ",".
// So "12" lists 2 as well as 12, the rule stored course files were written against.
bool IsListed(const QString &correctList, int n);
