#include "exercises/shared/AnswerHint.h"

#include "utils/Utils.h"

using namespace Qt::StringLiterals;

QString HintLiteral(const QString &text)
{
    QString literal = text;
    literal.replace(u"<"_s, u"<\u2060"_s);
    return literal;
}

QString AnswerHint(const QString &learnerAnswer, const QString &yourAnswerText, const QString &noAnswerText)
{
    if (learnerAnswer.isEmpty())
        return u"<B>"_s + noAnswerText + u"</B>"_s;
    return yourAnswerText + u" <B>"_s + HintLiteral(learnerAnswer) + u"</B>"_s;
}

QString AnswerHint(const QString &learnerAnswer)
{
    return AnswerHint(learnerAnswer, Utils::GetInterfaceText(1), Utils::GetInterfaceText(2));
}
