#pragma once
// The body of an uncovering file (kind 52) and the words held in memory.
//
// <body>
//   <polecenie id="1">instruction</polecenie>                    0..n, one per language
//   <element id="1">                                             7 or 8 words
//     <slowo sampel="w01.wav">station</slowo>
//     <tlumaczenie>dworzec</tlumaczenie>
//     <definicja sampel="d01.wav">This is the place where ...</definicja>
//   </element>
// </body>
//
// Recordings are mp3 files in Media\Odkrywanki whatever extension the file names. The hidden
// picture is Gfx\Odkrywanki_gfx\<exercise file name>.jpg; its 70-pixel strip p belongs to the
// word standing at place p of the column.

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

struct TDefinicja
{
    QString Word;
    QString Translation;
    QString WordRecording; // read with the word, not played
    QString Definition;
    QString DefinitionRecording;
    bool Found = false;
};

// One <element> of an uncovering body.
class TXMLOdkrywankaElementType
{
public:
    explicit TXMLOdkrywankaElementType(const QDomElement &element) : m_element(element) {}
    QString Slowo() const;
    QString SlowoSampel() const;
    QString Tlumaczenie() const;
    QString Definicja() const;
    QString DefinicjaSampel() const;

private:
    QDomElement m_element;
};

// The <body> of an uncovering file.
class TXMLOdkrywankaBodyType
{
public:
    explicit TXMLOdkrywankaBodyType(const QDomElement &element) : m_element(element) {}
    QString Polecenie(int id) const;
    QList<TXMLOdkrywankaElementType> Elementy() const;

private:
    QDomElement m_element;
};

struct Struct_Odkrywanka
{
    QString Instruction;
    QString Hint;
    QList<TDefinicja> Definitions; // file order
};

struct OdkrywankaReadResult
{
    Struct_Odkrywanka Exercise;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

// The most words the screen's column can hold.
constexpr int MaxUncoveringWords = 8;

// Reads an uncovering file. Without any element there is nothing to play, and more words
// than the column holds could never all be clicked: both are refused with a message and an
// empty exercise.
OdkrywankaReadResult ReadOdkrywanka(const QByteArray &bytes, int instructionLanguage,
                                    int translationLanguage);
OdkrywankaReadResult ReadOdkrywankaFile(const QString &path, int instructionLanguage,
                                        int translationLanguage);

// The hidden picture's file name: the exercise file's name without folder, with ".jpg".
QString UncoveringPictureName(const QString &exerciseFile);

// What a course author should hear about an uncovering file: a word count other than the 7
// or 8 the backgrounds are drawn for, an empty word or definition, a definition recording
// missing from mediaFolder (the program's Media\Odkrywanki), the hidden picture missing at
// picturePath or too low for one strip per word.
QStringList InspectOdkrywanka(const QByteArray &bytes, const QString &mediaFolder,
                              const QString &picturePath);
