#pragma once
// The body of a three-pictures file (kind 8) and the turns held in memory.
//
// <body>
//   <polecenie id="1">instruction</polecenie>                  0..n, one per language
//   <grupa id="1" sampel="a.wav" bmp1="right.bmp" bmp2="x.bmp" bmp3="y.bmp">   1..n turns
//     <zdanie>the sentence heard</zdanie>
//     <tlumaczenie id="0">the sentence in Polish</tlumaczenie>
//   </grupa>
// </body>
//
// Pictures are PNG files and recordings mp3 files in Media\3Obrazki, whatever extension the
// file names: bmp1 is always the right picture.

#include <QByteArray>
#include <QDomElement>
#include <QList>
#include <QString>
#include <QStringList>

struct TGrupaObrazkow
{
    QString Picture1; // the right picture
    QString Picture2;
    QString Picture3;
    QString Recording;
    QString Sentence;
    QString Translation; // in the learner's translation language; empty when there is none
    bool Used = false;   // the turn has been played
    int RightFrame = 0;  // 1 to 3: the frame showing Picture1 in the current turn
};

// One <grupa> of a three-pictures body.
class TXMLGrupaObrazkowType
{
public:
    explicit TXMLGrupaObrazkowType(const QDomElement &element) : m_element(element) {}
    QString Sampel() const;
    QString Bmp(int n) const; // bmp1, bmp2, bmp3 as written
    QString Zdanie() const;
    QString Tlumaczenie(int language) const;

private:
    QDomElement m_element;
};

// The <body> of a three-pictures file.
class TXML3ObrazkiBodyType
{
public:
    explicit TXML3ObrazkiBodyType(const QDomElement &element) : m_element(element) {}
    QString Polecenie(int id) const;
    QList<TXMLGrupaObrazkowType> Grupy() const;

private:
    QDomElement m_element;
};

struct Struct_3Obrazki
{
    QString Instruction;
    QString Hint;
    QList<TGrupaObrazkow> Groups; // file order
};

struct ThreePicturesReadResult
{
    Struct_3Obrazki Exercise;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

// Reads a three-pictures file; a file without any grupa is refused (there is no turn to
// play) with a message and an empty exercise.
ThreePicturesReadResult Read3Obrazki(const QByteArray &bytes, int instructionLanguage,
                                     int translationLanguage);
ThreePicturesReadResult Read3ObrazkiFile(const QString &path, int instructionLanguage,
                                         int translationLanguage);

// What a course author should hear about a three-pictures file: no turn, a turn without
// its sentence, a picture or recording named by a turn that is not in mediaFolder (the
// program's Media\3Obrazki), the right picture also standing among the wrong ones.
QStringList Inspect3Obrazki(const QByteArray &bytes, const QString &mediaFolder);
