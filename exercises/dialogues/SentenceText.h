#pragma once
// The text rules of the sentence screens: how a typed sentence is compared with the model
// under the learner's punctuation and letter-case settings and the table of English
// contractions, and which typed words differ.

#include <QList>
#include <QString>
#include <QStringList>

namespace Sentences {

// The 17 characters ignored when punctuation is not used: ! ( ) + { } : " < > ? [ ] ; , . _
// (the apostrophe and the hyphen are not among them).
const QString &PunctuationSet();

// The contraction table: "canonical=alternative=...", applied entry by entry in this order;
// an empty field ends an entry.
const QStringList &ContractionTable();

// Punctuation not used: every punctuation character becomes a blank, the ends are trimmed
// of characters up to code 32 and runs of blanks shrink to one.
QString BlankPunctuation(const QString &text);

// Upper-cases a to z when the case does not matter, then replaces, entry by entry and
// alternative by alternative, every occurrence of an alternative (also inside a word) by
// the entry's canonical form (both upper-cased when the case does not matter).
QString NormaliseContractions(const QString &text, bool matchCase);

// The dictation's comparison: right exactly when the model and the typed text (already
// trimmed by the screen) are equal after the steps above.
bool CompareTypedSentence(const QString &model, const QString &typed, bool usePunctuation, bool matchCase);

// The words of a text as the screens lay them out: cut at each blank, words that are empty
// after trimming left out.
QStringList LayoutWords(const QString &text);

// For each of LayoutWords(typed): whether it is wrong against the model. Each word is
// normalised as the comparison does and the longest common run of words with the model is
// kept; a typed word outside it is wrong.
QList<bool> DifferingWords(const QString &model, const QString &typed, bool usePunctuation, bool matchCase);

} // namespace Sentences
