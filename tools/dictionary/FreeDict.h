#pragma once
// Turns a dictd database (FreeDict's English–Polish one as Debian ships it) into the lines of
// the program's dictionary file.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace FreeDict {

// The text of a dictd .dict or .dict.dz file (gzip/dictzip is read transparently); empty
// with error set when the file cannot be read.
QByteArray ReadDictData(const QString &path, QString *error = nullptr);

// The kind marker digit of a part of speech ("N", "Adj", "V Phras" …): noun 1, adjective 2,
// verb 3, adverb 6; anything else 4 (no label).
QChar KindDigit(const QString &partOfSpeech);

struct Entry
{
    QString Headword;
    QChar Digit = u'4';
    QString Translation;   // senses joined by "; ", each part of speech led by its "[d] " marker
    QString Pronunciation; // kept as the line's extra text
};

// The entries of one definition (one index row); a row naming several spellings or holding
// phrasal verbs gives several entries.
QList<Entry> ParseDefinition(const QString &definition);

// Every entry of the database in index order; rows of the database's own header
// ("00database…") are left out.
QList<Entry> Convert(const QByteArray &indexText, const QByteArray &dictText);

// The dictionary file's lines, numbered from 1.
QList<QString> DictionaryLines(const QList<Entry> &entries);

// The project's own entries: lines in the dictionary's line format (UTF-8 text; blank lines and
// lines starting with "#" are notes). Each line that does not parse is named in errors.
QList<Entry> ReadCoreVocabulary(const QString &text, QStringList *errors = nullptr);

// Entries that repeat an earlier one exactly (headword, label and translation) are dropped.
QList<Entry> DropDuplicates(const QList<Entry> &entries);

// FreeDict's entries with the core ones merged in: a core entry goes before FreeDict's entries of
// the same headword (letter case aside), or else where its headword falls in FreeDict's (nearly
// alphabetical) order; exact duplicates are kept once.
QList<Entry> MergeCoreVocabulary(const QList<Entry> &core, const QList<Entry> &freedict);

} // namespace FreeDict
