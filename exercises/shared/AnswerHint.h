#pragma once
// The hover hint over a wrong answer once the right answers are shown: what the learner had
// given, in bold, or that nothing was given. The hint window reads "<B>", "</B>" and "<BR>"
// as markup; the learner's own text never acts as markup.

#include <QString>

// yourAnswerText and noAnswerText are interface texts 1 and 2.
QString AnswerHint(const QString &learnerAnswer, const QString &yourAnswerText, const QString &noAnswerText);
// The same with interface texts 1 and 2 of the current language.
QString AnswerHint(const QString &learnerAnswer);

// A text shown in the hint window exactly as written: every "<" is followed by an invisible
// word joiner, so "<B>" or "<BR>" typed by a learner is drawn and not obeyed.
QString HintLiteral(const QString &text);
