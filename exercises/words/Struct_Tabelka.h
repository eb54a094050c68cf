#pragma once
// The body of a table-sorting file (kind 1). Its config writes the identifier as "ID".
//
// <body>
//   <polecenie id="1">instruction</polecenie>      0..n, one per language
//   <col_count>3</col_count>                      the number of columns C
//   <rows>4</rows>                                the number of rows R
//   <columns>
//     <column id="1">Fruit</column>               heads column 1, 2, ... in file order
//   </columns>
//   <wyrazy>
//     <wyraz><nazwa>apples</nazwa><column>1</column></wyraz>
//   </wyrazy>
// </body>

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

struct TTabelkaWord
{
    QString Text;
    int Column = 0; // 1-based as written; may lie outside 1..C in a faulty file
};

// One <wyraz>.
class TXMLTabelkaWyrazType
{
public:
    explicit TXMLTabelkaWyrazType(const QDomElement &element) : m_element(element) {}
    QString Nazwa() const;
    // False when column is absent or no integer.
    bool Column(int *value) const;

private:
    QDomElement m_element;
};

// The <body> of a table-sorting file.
class TXMLTabelkaBodyType
{
public:
    explicit TXMLTabelkaBodyType(const QDomElement &element) : m_element(element) {}
    QString Polecenie(int id) const;
    bool Col_count(int *value) const;
    bool RowsCount(int *value) const;
    QStringList Columns() const;
    bool HasWyrazy() const;
    QList<TXMLTabelkaWyrazType> Wyrazy() const;

private:
    QDomElement m_element;
};

struct Struct_Tabelka
{
    QString MediaFile; // as played
    QString Instruction;
    QString Hint;
    int Rows = 0;
    // The headings of the columns in use: C is the smaller of col_count and the number of
    // column elements, so every column has a heading.
    QStringList Headings;
    QList<TTabelkaWord> Words; // in file order
    int ColumnCount() const { return int(Headings.size()); }
};

struct TabelkaReadResult
{
    Struct_Tabelka Exercise;
    QString Error;
    bool Ok() const { return Error.isEmpty(); }
};

TabelkaReadResult ReadTabelka(const QByteArray &bytes, int instructionLanguage, int translationLanguage);
TabelkaReadResult ReadTabelkaFile(const QString &path, int instructionLanguage, int translationLanguage);

// Tables the program draws at most this many rows and columns of.
constexpr int MaxTableSide = 9;

// What a course author should hear about the body: an unreadable file, col_count larger than
// the column headings, 10 or more rows or columns, a word whose column lies outside 1..C, a
// column with more words than rows, no words. Empty for a sound body.
QStringList InspectTabelka(const QByteArray &bytes);
