#include "exercises/dialogues/Struct_Zdania.h"

#include "utils/Utils.h"

#include <QDomDocument>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The translation language that stands for "no translation".
constexpr int NoTranslation = 255;

int RequiredId(const QDomElement &element)
{
    int id = 0;
    if (!Utils::ParseInteger(element.attribute(u"id"_s), &id))
        throw TXMLZdaniaReadError{
            u"%1: the id \"%2\" is not a number"_s.arg(element.tagName(), element.attribute(u"id"_s))};
    return id;
}

// The first child element called name whose id is id, or a null element.
QDomElement FirstWithId(const QDomElement &parent, const QString &name, int id)
{
    for (QDomElement e = parent.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name)) {
        if (RequiredId(e) == id)
            return e;
    }
    return {};
}

} // namespace

QString TXMLZdanieType::Sampel() const
{
    return m_element.attribute(u"sampel"_s);
}

QString TXMLZdanieType::Tresc() const
{
    return m_element.firstChildElement(u"tresc"_s).text();
}

QString TXMLZdanieType::Tlumaczenie(int language) const
{
    if (language == NoTranslation)
        return {};
    return FirstWithId(m_element, u"tlumaczenie"_s, language).text().trimmed();
}

QString TXMLZdaniaBodyType::Polecenie(int variant, int language) const
{
    const QDomElement typ = FirstWithId(m_element.firstChildElement(u"polecenia"_s), u"typ"_s, variant);
    if (typ.isNull())
        return {};
    return FirstWithId(typ, u"polecenie"_s, language).text().trimmed();
}

QList<TXMLZdanieType> TXMLZdaniaBodyType::Zdania() const
{
    QList<TXMLZdanieType> sentences;
    for (QDomElement e = m_element.firstChildElement(u"zdanie"_s); !e.isNull();
         e = e.nextSiblingElement(u"zdanie"_s))
        sentences.append(TXMLZdanieType(e));
    return sentences;
}

int SentenceVariantOfKind(int kind)
{
    switch (kind) {
    case 21:
        return SentenceVariant::Arranging;
    case 22:
        return SentenceVariant::Dictation;
    case 24:
        return SentenceVariant::Translation;
    default:
        return 0;
    }
}

QString SentenceRecordingName(const QString &sampel)
{
    const qsizetype folderEnd = std::max(sampel.lastIndexOf(u'\\'), sampel.lastIndexOf(u':'));
    const qsizetype dot = sampel.lastIndexOf(u'.');
    if (dot > folderEnd)
        return sampel.left(dot) + u".mp3"_s;
    return sampel + u".mp3"_s;
}

ZdaniaReadResult LoadSentenceExercise(const QByteArray &bytes, int variant, int instructionLanguage,
                                      int translationLanguage)
{
    ZdaniaReadResult result;
    QDomDocument document;
    QString error;
    if (!Utils::ParseXml(bytes, document, &error)) {
        result.Error = error;
        return result;
    }
    const QDomElement root = document.documentElement();
    if (root.tagName() != u"cwiczenie"_s) {
        result.Error = u"the root element is not cwiczenie"_s;
        return result;
    }
    const TXMLZdaniaBodyType body(root.firstChildElement(u"body"_s));
    Struct_Zdania &exercise = result.Exercise;
    try {
        exercise.Instruction = body.Polecenie(variant, instructionLanguage);
        if (translationLanguage != NoTranslation)
            exercise.Hint = body.Polecenie(variant, translationLanguage);
        for (const TXMLZdanieType &zdanie : body.Zdania()) {
            TZdanie sentence;
            sentence.Text = zdanie.Tresc();
            sentence.Recording = SentenceRecordingName(zdanie.Sampel());
            sentence.Translation = zdanie.Tlumaczenie(translationLanguage);
            exercise.Sentences.append(sentence);
        }
    } catch (const TXMLZdaniaReadError &e) {
        result.Error = e.Message;
        return result;
    }
    // Nothing to offer: the run could never draw a first sentence.
    if (exercise.Sentences.isEmpty())
        result.Error = u"the exercise holds no sentence"_s;
    return result;
}

ZdaniaReadResult LoadSentenceExerciseFile(const QString &path, int variant, int instructionLanguage,
                                          int translationLanguage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ZdaniaReadResult result;
        result.Error = file.errorString();
        return result;
    }
    return LoadSentenceExercise(file.readAll(), variant, instructionLanguage, translationLanguage);
}

QStringList InspectSentences(const QByteArray &bytes, const QList<int> &variants, int instructionLanguage,
                             RecordingCheck recordingExists)
{
    QStringList problems;
    const ZdaniaReadResult read = LoadSentenceExercise(bytes, variants.value(0, 0), instructionLanguage, 255);
    if (!read.Ok())
        problems << read.Error;
    if (read.Exercise.Sentences.isEmpty())
        return problems;

    for (int variant : variants) {
        const ZdaniaReadResult shown = LoadSentenceExercise(bytes, variant, instructionLanguage, 255);
        if (shown.Ok() && shown.Exercise.Instruction.isEmpty())
            problems << u"no instruction of variant %1 in language %2"_s.arg(variant).arg(
                instructionLanguage);
    }
    const QList<TZdanie> &sentences = read.Exercise.Sentences;
    for (qsizetype i = 0; i < sentences.size(); ++i) {
        const QString where = u"sentence %1"_s.arg(i + 1);
        const QString &text = sentences[i].Text;
        if (text.isEmpty())
            problems << where + u": the tresc is empty"_s;
        else if (text.startsWith(u' ') || text.endsWith(u' '))
            problems << where + u": blanks at the start or end of \""_s + text + u'"';
        else if (text.contains(u"  "_s))
            problems << where + u": two blanks in a row in \""_s + text + u'"';
        if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 32; }))
            problems << where + u": a tab or line break in \""_s + text + u'"';
        if (recordingExists && !recordingExists(sentences[i].Recording))
            problems << where + u": the recording "_s + sentences[i].Recording + u" is missing"_s;
    }
    return problems;
}
