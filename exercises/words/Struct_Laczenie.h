#pragma once
// The body of a matching-pairs file (kind 7).
//
// <body>
//   <polecenie id="1">instruction</polecenie>      0..n, one per language
//   <html>...</html>                               0..1, not read
//   <pary>
//     <para id="1">colleague=a person you work with</para>
//   </pary>
// </body>
//
// The first "=" splits a para into the tile (before it) and the prompt of its row (after it);
// a second "=" and what follows it is not used.

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

struct TPara
{
    QString First;  // the tile
    QString Second; // the prompt
};

// One <para>.
class TXMLParaType
{
public:
    explicit TXMLParaType(const QDomElement &element) : m_element(element) {}
    QString Text() const;
    // A para holds a pair only when its text has an "=" with a tile before it.
    bool IsPair() const;
    TPara Para() const;

private:
    QDomElement m_element;
};

// The <body> of a matching-pairs file.
class TXMLLaczenieBodyType
{
public:
    explicit TXMLLaczenieBodyType(const QDomElement &element) : m_element(element) {}
    QString Polecenie(int id) const;
    bool HasPary() const;
    QList<TXMLParaType> Pary() const;

private:
    QDomElement m_element;
};

struct Struct_Laczenie
{
    QString MediaFile; // as played
    QString Instruction;
    QString Hint;
    QList<TPara> Pairs; // in file order; a para that holds no pair is left out
};

struct LaczenieReadResult
{
    Struct_Laczenie Exercise;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

LaczenieReadResult ReadLaczenie(const QByteArray &bytes, int instructionLanguage, int translationLanguage);
LaczenieReadResult ReadLaczenieFile(const QString &path, int instructionLanguage, int translationLanguage);

// What a course author should hear about the body: an unreadable file, no pary, a para
// without "=" or with an empty part, nothing left to match. Empty for a sound body.
QStringList InspectLaczenie(const QByteArray &bytes);
