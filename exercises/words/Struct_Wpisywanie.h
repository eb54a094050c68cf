#pragma once
// The body of a gap-typing file (kind 4).
//
// <body>
//   <polecenie id="1">instruction</polecenie>   0..n, one per language
//   <html>…</html>                              0..1, not read
//   <minislownik>phrase list</minislownik>      0..1, the mini dictionary's text
//   <tresc>text with tags and gaps</tresc>      1
// </body>
//
// The texts are written with tags in angle brackets (TaggedText.h); in the XML file the
// brackets are escaped as &lt; and &gt;.

#include <QByteArray>
#include <QDomElement>
#include <QString>
#include <QStringList>

class TXMLWpisywanieBodyType
{
public:
    explicit TXMLWpisywanieBodyType(const QDomElement &element) : m_element(element) {}
    // The text of the last polecenie whose id is id; empty when there is none.
    QString Polecenie(int id) const;
    QString Minislownik() const;
    bool HasTresc() const;
    QString Tresc() const;

private:
    QDomElement m_element;
};

struct Struct_Wpisywanie
{
    QString MediaFile; // as played: a ".wav" name already turned into ".mp3"
    QString Instruction;
    QString Hint;
    QString PhraseList; // empty: no phrases button
    QString Text;       // the tresc, still tagged
};

struct WpisywanieReadResult
{
    Struct_Wpisywanie Exercise;
    QString Error; // empty when the file was read
    bool Ok() const { return Error.isEmpty(); }
};

// Reads a gap-typing file. instructionLanguage picks the polecenie shown, translationLanguage
// the hint. On a fault the result holds the message and an empty exercise.
WpisywanieReadResult ReadWpisywanie(const QByteArray &bytes, int instructionLanguage,
                                    int translationLanguage);
WpisywanieReadResult ReadWpisywanieFile(const QString &path, int instructionLanguage,
                                        int translationLanguage);

// What a course author should hear about a gap-typing file: a file that cannot be read, a
// text without gaps, a "<" that is never closed, a tab tag that is neither <AK> nor <AK=n>
// with n inside the text area, a gap whose first answer is empty (nothing could be right), a
// picture that is not in pictureFolder; the same "<" rule for the phrase list. Empty for a
// sound file.
QStringList InspectWpisywanie(const QByteArray &bytes, const QString &pictureFolder);
