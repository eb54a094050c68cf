#include "exercises/words/Struct_Laczenie.h"

#include "exercises/shared/ExerciseRules.h"

#include <QFile>

using namespace Qt::StringLiterals;

QString TXMLParaType::Text() const
{
    return m_element.text();
}

bool TXMLParaType::IsPair() const
{
    const QString text = Text();
    const qsizetype split = text.indexOf(u'=');
    return split > 0 && !text.left(split).trimmed().isEmpty();
}

TPara TXMLParaType::Para() const
{
    const QStringList parts = Text().split(u'=');
    TPara para;
    para.First = parts.value(0).trimmed();
    para.Second = parts.value(1).trimmed();
    return para;
}

QString TXMLLaczenieBodyType::Polecenie(int id) const
{
    return Exercises::PolecenieText(m_element, id);
}

bool TXMLLaczenieBodyType::HasPary() const
{
    return !m_element.firstChildElement(u"pary"_s).isNull();
}

QList<TXMLParaType> TXMLLaczenieBodyType::Pary() const
{
    QList<TXMLParaType> pary;
    const QDomElement container = m_element.firstChildElement(u"pary"_s);
    for (QDomElement e = container.firstChildElement(u"para"_s); !e.isNull();
         e = e.nextSiblingElement(u"para"_s))
        pary.append(TXMLParaType(e));
    return pary;
}

LaczenieReadResult ReadLaczenie(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    LaczenieReadResult result;
    Exercises::TExerciseXml xml;
    if (!Exercises::ParseExerciseXml(bytes, xml, &result.Error))
        return result;
    const TXMLLaczenieBodyType body(xml.Body);
    if (!body.HasPary()) {
        result.Error = u"pary is missing"_s;
        return result;
    }
    Struct_Laczenie &exercise = result.Exercise;
    exercise.MediaFile = Exercises::MediaName(xml.Config.firstChildElement(u"multimedia"_s).text().trimmed());
    exercise.Instruction = body.Polecenie(instructionLanguage);
    exercise.Hint = body.Polecenie(translationLanguage);
    for (const TXMLParaType &para : body.Pary()) {
        if (para.IsPair())
            exercise.Pairs.append(para.Para());
    }
    return result;
}

LaczenieReadResult ReadLaczenieFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        LaczenieReadResult result;
        result.Error = file.errorString();
        return result;
    }
    return ReadLaczenie(file.readAll(), instructionLanguage, translationLanguage);
}

QStringList InspectLaczenie(const QByteArray &bytes)
{
    Exercises::TExerciseXml xml;
    QString error;
    if (!Exercises::ParseExerciseXml(bytes, xml, &error))
        return {error};
    const TXMLLaczenieBodyType body(xml.Body);
    if (!body.HasPary())
        return {u"pary is missing"_s};

    QStringList problems;
    int pairs = 0;
    const QList<TXMLParaType> pary = body.Pary();
    for (int i = 0; i < pary.size(); ++i) {
        const QString where = u"para %1"_s.arg(i + 1);
        if (!pary[i].Text().contains(u'=')) {
            problems << where + u": no \"=\" between the word and its match (the pair is left out)"_s;
            continue;
        }
        const TPara para = pary[i].Para();
        if (para.First.isEmpty())
            problems << where + u": nothing before \"=\" (the pair is left out)"_s;
        else if (para.Second.isEmpty())
            problems << where + u": nothing after \"=\""_s;
        if (pary[i].IsPair())
            ++pairs;
    }
    if (pairs == 0)
        problems << u"no pairs to match"_s;
    return problems;
}
