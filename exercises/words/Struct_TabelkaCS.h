#pragma once
// The body of a word-ordering file (kind 50).
//
// <body>
//   <polecenie id="1">instruction</polecenie>      0..n, one per language
//   <wyrazy>
//     <wyraz id="1">
//       <nazwa>breakfast on the balcony</nazwa>
//       <kolejnosc>1</kolejnosc>                  its right place, 1 = top
//     </wyraz>
//   </wyrazy>
// </body>

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

struct TOrderedWord
{
    QString Text;
    int Position = 0; // the right place, 1-based; meant to be 1..N
};

// One <wyraz>.
class TXMLKolejnoscWyrazType
{
public:
    explicit TXMLKolejnoscWyrazType(const QDomElement &element) : m_element(element) {}
    QString Nazwa() const;
    // False when kolejnosc is absent or no integer.
    bool Kolejnosc(int *value) const;

private:
    QDomElement m_element;
};

// The <body> of a word-ordering file.
class TXMLTabelkaCSBodyType
{
public:
    explicit TXMLTabelkaCSBodyType(const QDomElement &element) : m_element(element) {}
    QString Polecenie(int id) const;
    bool HasWyrazy() const;
    QList<TXMLKolejnoscWyrazType> Wyrazy() const;

private:
    QDomElement m_element;
};

struct Struct_TabelkaCS
{
    QString MediaFile; // as played
    QString Instruction;
    QString Hint;
    QList<TOrderedWord> Words; // in file order
};

struct TabelkaCSReadResult
{
    Struct_TabelkaCS Exercise;
    QString Error;
    bool Ok() const { return Error.isEmpty(); }
};

TabelkaCSReadResult ReadTabelkaCS(const QByteArray &bytes, int instructionLanguage, int translationLanguage);
TabelkaCSReadResult ReadTabelkaCSFile(const QString &path, int instructionLanguage, int translationLanguage);

// The most words a column holds and still stands between the instruction and the bottom
// of the screen.
constexpr int MaxOrderedWords = 13;

// What a course author should hear about the body: an unreadable file, no words, kolejnosc
// values that are not a permutation of 1..N, a column too tall for the screen. Empty for a
// sound body.
QStringList InspectTabelkaCS(const QByteArray &bytes);
