#pragma once
// The envelope every exercise file shares (root "cwiczenie", its "config" and its "body")
// and the package body the catalogue reads. Each kind's own reader takes Body() and binds
// the rest itself.
//
// The bindings are thin views over a QDomElement. Text getters give the empty text for an
// absent element; number getters throw TXMLReadError when the element is absent or does
// not hold an integer, which is how a faulty file is told from a sound one.

#include <QDomDocument>
#include <QDomElement>
#include <QList>
#include <QString>

#include <stdexcept>

namespace Course {

class TXMLReadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Text of the first child element called name; empty when there is none.
QString ChildText(const QDomElement &parent, const QString &name);
// The same, read as an integer; throws TXMLReadError when absent or not an integer.
int ChildInteger(const QDomElement &parent, const QString &name);
// An integer attribute; throws TXMLReadError when absent or not an integer.
int IntegerAttribute(const QDomElement &element, const QString &name);
// Direct child elements called name, in document order.
QList<QDomElement> ChildElements(const QDomElement &parent, const QString &name);

// The first "nazwa" child whose id is language; empty when none matches. Exercise titles
// and package item titles both follow this rule (first match, no fall-back language).
QString TitleForLanguage(const QDomElement &parent, int language);

class TXMLConfigType
{
public:
    explicit TXMLConfigType(const QDomElement &element = {});

    QDomElement Element() const { return element; }
    // "id" (or "ID", which two kinds write); never read by the program, kept for tools.
    QString Id() const;
    QString Nazwa(int language) const { return TitleForLanguage(element, language); }
    QString Multimedia() const;
    int Grupa() const;
    int Poziom() const;
    int Typ_cw() const;
    QString Param1() const; // text, as most kinds read it
    int Param1AsInteger() const;
    QString Param2Text() const;
    int Param2() const;

private:
    QDomElement element;
};

class TXMLCwiczenieType
{
public:
    explicit TXMLCwiczenieType(const QDomElement &root = {});

    // The root is called "cwiczenie"; other XML documents in Dane are not exercises.
    bool IsExercise() const;
    QDomElement Element() const { return root; }
    TXMLConfigType Config() const;
    QDomElement Body() const;

private:
    QDomElement root;
};

// ExerciseTitle: the first config/nazwa in the interface language.
QString ExerciseTitle(const TXMLCwiczenieType &cwiczenie, int interfaceLanguage);

// One element_paczki of a variant-1 package.
class TXMLElement_paczkiType
{
public:
    explicit TXMLElement_paczkiType(const QDomElement &element = {});

    QString Nazwa(int language) const { return TitleForLanguage(element, language); }
    int Poziom() const;
    int Typ_cw() const;
    QString Plik() const;

private:
    QDomElement element;
};

// The package body: the media marks and the items of variant 1.
class TXMLBodyType
{
public:
    explicit TXMLBodyType(const QDomElement &body = {});

    QString Znaczniki_nagrania() const;
    QList<TXMLElement_paczkiType> Element_paczki() const;

private:
    QDomElement body;
};

// An exercise file read from disk: the document stays alive as long as the bindings.
struct TExerciseFile
{
    QDomDocument Document;
    TXMLCwiczenieType Cwiczenie;
};

// Reads path (any encoding the declaration names). False with error set when the file
// cannot be read or is not well-formed XML; a well-formed file with another root is read
// and reports IsExercise() false.
bool LoadExerciseFile(const QString &path, TExerciseFile &file, QString *error = nullptr);

} // namespace Course
