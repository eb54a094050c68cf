#include "exercises/words/Struct_TabelkaCS.h"

#include "exercises/shared/ExerciseRules.h"
#include "utils/Utils.h"

#include <QFile>
#include <QMap>

using namespace Qt::StringLiterals;

QString TXMLKolejnoscWyrazType::Nazwa() const
{
    return m_element.firstChildElement(u"nazwa"_s).text().trimmed();
}

bool TXMLKolejnoscWyrazType::Kolejnosc(int *value) const
{
    const QDomElement child = m_element.firstChildElement(u"kolejnosc"_s);
    return !child.isNull() && Utils::ParseInteger(child.text(), value);
}

QString TXMLTabelkaCSBodyType::Polecenie(int id) const
{
    return Exercises::PolecenieText(m_element, id);
}

bool TXMLTabelkaCSBodyType::HasWyrazy() const
{
    return !m_element.firstChildElement(u"wyrazy"_s).isNull();
}

QList<TXMLKolejnoscWyrazType> TXMLTabelkaCSBodyType::Wyrazy() const
{
    QList<TXMLKolejnoscWyrazType> words;
    const QDomElement container = m_element.firstChildElement(u"wyrazy"_s);
    for (QDomElement e = container.firstChildElement(u"wyraz"_s); !e.isNull();
         e = e.nextSiblingElement(u"wyraz"_s))
        words.append(TXMLKolejnoscWyrazType(e));
    return words;
}

TabelkaCSReadResult ReadTabelkaCS(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    TabelkaCSReadResult result;
    Exercises::TExerciseXml xml;
    if (!Exercises::ParseExerciseXml(bytes, xml, &result.Error))
        return result;
    const TXMLTabelkaCSBodyType body(xml.Body);
    if (!body.HasWyrazy()) {
        result.Error = u"wyrazy is missing"_s;
        return result;
    }
    Struct_TabelkaCS &exercise = result.Exercise;
    exercise.MediaFile = Exercises::MediaName(xml.Config.firstChildElement(u"multimedia"_s).text().trimmed());
    exercise.Instruction = body.Polecenie(instructionLanguage);
    exercise.Hint = body.Polecenie(translationLanguage);
    for (const TXMLKolejnoscWyrazType &wyraz : body.Wyrazy()) {
        TOrderedWord word;
        word.Text = wyraz.Nazwa();
        if (!wyraz.Kolejnosc(&word.Position))
            word.Position = 0; // has no right place: never counts right
        exercise.Words.append(word);
    }
    return result;
}

TabelkaCSReadResult ReadTabelkaCSFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TabelkaCSReadResult result;
        result.Error = file.errorString();
        return result;
    }
    return ReadTabelkaCS(file.readAll(), instructionLanguage, translationLanguage);
}

QStringList InspectTabelkaCS(const QByteArray &bytes)
{
    const TabelkaCSReadResult read = ReadTabelkaCS(bytes, 1, 0);
    if (!read.Ok())
        return {read.Error};
    const QList<TOrderedWord> &words = read.Exercise.Words;
    const int n = int(words.size());
    if (n == 0)
        return {u"no words to order"_s};

    QStringList problems;
    QMap<int, int> uses;
    for (int i = 0; i < n; ++i) {
        if (words[i].Text.isEmpty())
            problems << u"wyraz %1: the word is empty"_s.arg(i + 1);
        if (words[i].Position < 1 || words[i].Position > n)
            problems << u"wyraz %1 (%2): kolejnosc %3 is outside 1..%4"_s.arg(i + 1)
                            .arg(words[i].Text)
                            .arg(words[i].Position)
                            .arg(n);
        else
            ++uses[words[i].Position];
    }
    for (auto it = uses.cbegin(); it != uses.cend(); ++it) {
        if (it.value() > 1)
            problems << u"kolejnosc %1 is given to %2 words"_s.arg(it.key()).arg(it.value());
    }
    for (int p = 1; p <= n; ++p) {
        if (!uses.contains(p))
            problems << u"no word has kolejnosc %1"_s.arg(p);
    }
    if (n > MaxOrderedWords)
        problems << u"%1 words make a column too tall for the screen (at most %2)"_s.arg(n).arg(
            MaxOrderedWords);
    return problems;
}
