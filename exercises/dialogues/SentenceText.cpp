#include "exercises/dialogues/SentenceText.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Sentences {

namespace {

QString UpperAscii(QString text)
{
    for (QChar &c : text) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return text;
}

QString Normalise(const QString &text, bool usePunctuation, bool matchCase)
{
    return NormaliseContractions(usePunctuation ? text : BlankPunctuation(text), matchCase);
}

// The normalised words of each layout word of text.
QList<QStringList> NormalisedWords(const QString &text, bool usePunctuation, bool matchCase)
{
    QList<QStringList> words;
    for (const QString &word : LayoutWords(text))
        words.append(Normalise(word, usePunctuation, matchCase).split(u' ', Qt::SkipEmptyParts));
    return words;
}

} // namespace

const QString &PunctuationSet()
{
    static const QString set = u"!()+{}:\"<>?[];,._"_s;
    return set;
}

const QStringList &ContractionTable()
{
    static const QStringList table{
        u"I have got=I've got"_s,
        u"you have got=You have got=you've got=You've got"_s,
        u"she has got=She has got=she's got=She's got"_s,
        u"he has got=He has got=he's got=He's got"_s,
        u"it has got=It has got=it's got=It's got="_s,
        u"we have got=We have got=we've got=We've got"_s,
        u"they have got=They have got=they've got=They've got"_s,
        u"I am=I'm"_s,
        u"I have=I've"_s,
        u"you are=You are=you're=You're"_s,
        u"he is=He is=he's=He's"_s,
        u"it is=It is=it's=It's"_s,
        u"we are=We are=we're=We're"_s,
        u"they are=They are=they're=They're"_s,
        u"I will=I'll"_s,
        u"you will=You will=you'll=You'll"_s,
        u"he will=He will=he'll=He'll"_s,
        u"she will=She will=she'll=She'll"_s,
        u"it will=It will=it'll=It'll"_s,
        u"we will=We will=we'll=We'll"_s,
        u"they will=They will=they'll=They'll"_s,
        u"I would=I'd"_s,
        u"you would=You would=you'd=You'd"_s,
        u"he would=He would=he'd=He'd"_s,
        u"she would=She would=she'd=She'd"_s,
        u"it would=It would=it'd=It'd"_s,
        u"we would=We would=we'd=We'd"_s,
        u"they would=They would=they'd=They'd"_s,
        u"I had better=I'd better"_s,
        u"you had better=You had better=you'd better=You'd better"_s,
        u"he had better=He had better=he'd better=He'd better"_s,
        u"she had better=She had better=she'd better=She'd better"_s,
        u"it had better=It had better=it'd better=It'd better"_s,
        u"we had better=We had better=we'd better=We'd better"_s,
        u"they had better=They had better=they'd better=They'd better"_s,
        u"I would rather=I'd rather"_s,
        u"you would rather=You would rather=you'd rather=You'd rather"_s,
        u"he would rather=He would rather=he'd rather=He'd rather"_s,
        u"she would rather=She would rather=she'd rather=She'd rather"_s,
        u"it would rather=It would rather=it'd rather=It'd rather"_s,
        u"we would rather=We would rather=we'd rather=We'd rather"_s,
        u"they would rather=They would rather=they'd rather=They'd rather"_s,
        u"should not=shouldn't"_s,
        u"need not=needn't"_s,
        u"somebody=sb"_s,
        u"something=sth"_s,
        u"is not=isn't"_s,
        u"do not=don't"_s,
        u"did not=didn't"_s,
        u"would not=wouldn't"_s,
        u"had not=hadn't"_s,
        u"will not=won't"_s,
        u"have not=haven't"_s,
        u"was not=wasn't"_s,
        u"does not=doesn't"_s,
        u"are not=aren't"_s,
        u"were not=weren't"_s,
        u"could not=couldn't"_s,
        u"ought not=oughtn't"_s,
        u"cannot=can't"_s,
        u"must not=mustn't"_s,
        u"might not=mightn't"_s,
    };
    return table;
}

QString BlankPunctuation(const QString &text)
{
    QString blanked = text;
    for (QChar &c : blanked) {
        if (PunctuationSet().contains(c))
            c = u' ';
    }
    qsizetype begin = 0;
    qsizetype end = blanked.size();
    while (begin < end && blanked.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && blanked.at(end - 1).unicode() <= 32)
        --end;
    QString result;
    result.reserve(end - begin);
    for (qsizetype i = begin; i < end; ++i) {
        if (blanked.at(i) == u' ' && result.endsWith(u' '))
            continue;
        result += blanked.at(i);
    }
    return result;
}

QString NormaliseContractions(const QString &text, bool matchCase)
{
    QString result = matchCase ? text : UpperAscii(text);
    for (const QString &entry : ContractionTable()) {
        const QStringList fields = entry.split(u'=');
        const QString canonical = matchCase ? fields.first() : UpperAscii(fields.first());
        for (qsizetype f = 1; f < fields.size() && !fields[f].isEmpty(); ++f) {
            const QString alternative = matchCase ? fields[f] : UpperAscii(fields[f]);
            if (alternative == canonical)
                continue;
            // A canonical form holding its alternative would be found again for ever; the
            // search then goes on after each replacement. The table has no such entry.
            const bool resumeAfter = canonical.contains(alternative);
            qsizetype from = 0;
            qsizetype at;
            while ((at = result.indexOf(alternative, from)) >= 0) {
                result.replace(at, alternative.size(), canonical);
                if (resumeAfter)
                    from = at + canonical.size();
            }
        }
    }
    return result;
}

bool CompareTypedSentence(const QString &model, const QString &typed, bool usePunctuation, bool matchCase)
{
    return Normalise(model, usePunctuation, matchCase) == Normalise(typed, usePunctuation, matchCase);
}

QStringList LayoutWords(const QString &text)
{
    QStringList words;
    for (const QString &word : text.split(u' ')) {
        if (!word.trimmed().isEmpty())
            words.append(word);
    }
    return words;
}

QList<bool> DifferingWords(const QString &model, const QString &typed, bool usePunctuation, bool matchCase)
{
    QStringList modelTokens;
    for (const QStringList &word : NormalisedWords(model, usePunctuation, matchCase))
        modelTokens += word;
    const QList<QStringList> typedWords = NormalisedWords(typed, usePunctuation, matchCase);
    QStringList typedTokens;
    QList<int> owner; // the typed word each token comes from
    for (int w = 0; w < typedWords.size(); ++w) {
        for (const QString &token : typedWords[w]) {
            typedTokens.append(token);
            owner.append(w);
        }
    }

    // Longest common subsequence of the two token lists, then walk it back.
    const qsizetype n = typedTokens.size();
    const qsizetype m = modelTokens.size();
    QList<int> length((n + 1) * (m + 1), 0);
    auto at = [m](qsizetype i, qsizetype j) { return i * (m + 1) + j; };
    for (qsizetype i = n - 1; i >= 0; --i) {
        for (qsizetype j = m - 1; j >= 0; --j) {
            length[at(i, j)] = typedTokens[i] == modelTokens[j]
                                   ? length[at(i + 1, j + 1)] + 1
                                   : std::max(length[at(i + 1, j)], length[at(i, j + 1)]);
        }
    }
    QList<bool> differs(typedWords.size(), false);
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n) {
        if (j < m && typedTokens[i] == modelTokens[j]) {
            ++i;
            ++j;
        } else if (j < m && length[at(i, j + 1)] >= length[at(i + 1, j)]) {
            ++j;
        } else {
            differs[owner[i]] = true;
            ++i;
        }
    }
    return differs;
}

} // namespace Sentences
