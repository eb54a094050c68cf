#include "exercises/words/Struct_Odkrywanka.h"

#include "course/Struct_Paczka.h"
#include "exercises/shared/BodyXml.h"
#include "exercises/shared/PictureSize.h"
#include "utils/Utils.h"

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

QString TXMLOdkrywankaElementType::Slowo() const
{
    return m_element.firstChildElement(u"slowo"_s).text().trimmed();
}

QString TXMLOdkrywankaElementType::SlowoSampel() const
{
    return m_element.firstChildElement(u"slowo"_s).attribute(u"sampel"_s).trimmed();
}

QString TXMLOdkrywankaElementType::Tlumaczenie() const
{
    return m_element.firstChildElement(u"tlumaczenie"_s).text().trimmed();
}

QString TXMLOdkrywankaElementType::Definicja() const
{
    return m_element.firstChildElement(u"definicja"_s).text().trimmed();
}

QString TXMLOdkrywankaElementType::DefinicjaSampel() const
{
    return m_element.firstChildElement(u"definicja"_s).attribute(u"sampel"_s).trimmed();
}

QString TXMLOdkrywankaBodyType::Polecenie(int id) const
{
    return Exercises::TextForLanguage(m_element, u"polecenie"_s, id);
}

QList<TXMLOdkrywankaElementType> TXMLOdkrywankaBodyType::Elementy() const
{
    QList<TXMLOdkrywankaElementType> elements;
    for (const QDomElement &e : Course::ChildElements(m_element, u"element"_s))
        elements.append(TXMLOdkrywankaElementType(e));
    return elements;
}

namespace {

// The reading shared by the screen and the checker: the words as they are, however many.
bool ReadWords(const QByteArray &bytes, int instructionLanguage, int translationLanguage,
               Struct_Odkrywanka &exercise, QString &error)
{
    Exercises::TExerciseBody file;
    if (!Exercises::OpenExerciseBody(bytes, file, error))
        return false;
    const TXMLOdkrywankaBodyType body(file.Body);
    exercise.Instruction = body.Polecenie(instructionLanguage);
    exercise.Hint = body.Polecenie(translationLanguage);
    for (const TXMLOdkrywankaElementType &element : body.Elementy()) {
        TDefinicja definition;
        definition.Word = element.Slowo();
        definition.Translation = element.Tlumaczenie();
        definition.WordRecording = Exercises::WithExtension(element.SlowoSampel(), u".mp3"_s);
        definition.Definition = element.Definicja();
        definition.DefinitionRecording = Exercises::WithExtension(element.DefinicjaSampel(), u".mp3"_s);
        exercise.Definitions.append(definition);
    }
    return true;
}

} // namespace

OdkrywankaReadResult ReadOdkrywanka(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    OdkrywankaReadResult result;
    if (!ReadWords(bytes, instructionLanguage, translationLanguage, result.Exercise, result.Error)) {
        result.Exercise = Struct_Odkrywanka();
        return result;
    }
    const qsizetype count = result.Exercise.Definitions.size();
    if (count == 0)
        result.Error = u"there is no word (element) to uncover"_s;
    else if (count > MaxUncoveringWords)
        result.Error = u"%1 words do not fit on the screen, %2 at most"_s.arg(count).arg(MaxUncoveringWords);
    if (!result.Ok())
        result.Exercise = Struct_Odkrywanka();
    return result;
}

OdkrywankaReadResult ReadOdkrywankaFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    QByteArray bytes;
    OdkrywankaReadResult result;
    if (!Exercises::ReadWholeFile(path, bytes, result.Error))
        return result;
    return ReadOdkrywanka(bytes, instructionLanguage, translationLanguage);
}

QString UncoveringPictureName(const QString &exerciseFile)
{
    const QString name = QFileInfo(QString(exerciseFile).replace(u'\\', u'/')).fileName();
    return Exercises::WithExtension(name, u".jpg"_s);
}

QStringList InspectOdkrywanka(const QByteArray &bytes, const QString &mediaFolder, const QString &picturePath)
{
    Struct_Odkrywanka exercise;
    QString error;
    if (!ReadWords(bytes, 1, 0, exercise, error))
        return {error};

    QStringList problems;
    const qsizetype count = exercise.Definitions.size();
    if (count != 7 && count != 8)
        problems << u"%1 words: the screen is laid out for 7 or 8"_s.arg(count);
    for (int i = 0; i < count; ++i) {
        const TDefinicja &d = exercise.Definitions[i];
        const QString where = u"word %1"_s.arg(i + 1);
        if (d.Word.isEmpty())
            problems << where + u": the word (slowo) is empty"_s;
        if (d.Definition.isEmpty())
            problems << where + u": the definition (definicja) is empty"_s;
        if (d.DefinitionRecording.isEmpty() ||
            !QFileInfo(Utils::ResolvePath(mediaFolder, d.DefinitionRecording)).isFile())
            problems << where +
                            u": the definition's recording \"%1\" is missing under Media\\Odkrywanki"_s.arg(
                                d.DefinitionRecording);
    }
    const QString shownPicture = u"Gfx\\Odkrywanki_gfx\\"_s + QFileInfo(picturePath).fileName();
    if (!QFileInfo(picturePath).isFile()) {
        problems << u"the hidden picture %1 is missing"_s.arg(shownPicture);
    } else {
        const QSize size = Exercises::PictureFileSize(picturePath);
        if (size.isEmpty())
            problems << u"the hidden picture %1 is not a JPEG picture"_s.arg(shownPicture);
        else if (size.height() < 70 * count)
            problems << u"the hidden picture %1 is %2 pixels high; %3 words need %4"_s.arg(shownPicture)
                            .arg(size.height())
                            .arg(count)
                            .arg(70 * count);
    }
    return problems;
}
