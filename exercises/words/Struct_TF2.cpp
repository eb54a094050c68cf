#include "exercises/words/Struct_TF2.h"

#include "course/Struct_Paczka.h"
#include "exercises/shared/BodyXml.h"
#include "exercises/words/Struct_Test.h"
#include "utils/Utils.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString TXMLTFZdanieType::Odp() const
{
    return m_element.attribute(u"odp"_s);
}

QString TXMLTFZdanieType::Sampel() const
{
    return m_element.attribute(u"sampel"_s);
}

QString TXMLTFZdanieType::Tresc() const
{
    return m_element.firstChildElement(u"tresc"_s).text().trimmed();
}

QString TXMLTFZdanieType::Tlumaczenie(int language) const
{
    return Exercises::TextForLanguage(m_element, u"tlumaczenie"_s, language);
}

QStringList TXMLTF2BodyType::Kolumny() const
{
    QStringList headings;
    for (const QDomElement &e : Course::ChildElements(m_element, u"kolumna"_s))
        headings.append(e.text().trimmed());
    return headings;
}

QString TXMLTF2BodyType::Polecenie(int id) const
{
    return Exercises::TextForLanguage(m_element, u"polecenie"_s, id);
}

QList<TXMLTFZdanieType> TXMLTF2BodyType::Zdania() const
{
    QList<TXMLTFZdanieType> statements;
    for (const QDomElement &e : Course::ChildElements(m_element, u"zdanie"_s))
        statements.append(TXMLTFZdanieType(e));
    return statements;
}

TF2ReadResult ReadTF2(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    TF2ReadResult result;
    auto fail = [&result](const QString &why) {
        result.Exercise = Struct_TF2();
        result.Error = why;
        return result;
    };

    Exercises::TExerciseBody file;
    QString error;
    if (!Exercises::OpenExerciseBody(bytes, file, error))
        return fail(error);

    Struct_TF2 &exercise = result.Exercise;
    exercise.MediaFile = TestMediaName(file.Config.firstChildElement(u"multimedia"_s).text().trimmed());
    const TXMLTF2BodyType body(file.Body);
    exercise.Instruction = body.Polecenie(instructionLanguage);
    exercise.Hint = body.Polecenie(translationLanguage);

    const QStringList headings = body.Kolumny();
    if (headings.size() < 2)
        return fail(u"two column headings (kolumna) are needed, the file has %1"_s.arg(headings.size()));
    exercise.LeftHeading = headings[0];
    exercise.RightHeading = headings[1];

    const QList<TXMLTFZdanieType> zdania = body.Zdania();
    for (int i = 0; i < zdania.size(); ++i) {
        int odp = 0;
        if (!Utils::ParseInteger(zdania[i].Odp(), &odp))
            return fail(u"statement %1: odp \"%2\" is not a number"_s.arg(i + 1).arg(zdania[i].Odp()));
        TTrueFalseItem item;
        item.Text = zdania[i].Tresc();
        item.Truth = odp != 0;
        if (!item.Text.isEmpty())
            exercise.Items.append(item);
    }
    if (exercise.Items.isEmpty())
        return fail(u"there is no statement to judge"_s);
    return result;
}

TF2ReadResult ReadTF2File(const QString &path, int instructionLanguage, int translationLanguage)
{
    QByteArray bytes;
    TF2ReadResult result;
    if (!Exercises::ReadWholeFile(path, bytes, result.Error))
        return result;
    return ReadTF2(bytes, instructionLanguage, translationLanguage);
}

QString TrueFalsePictureName(const QString &exerciseFile, QChar placement)
{
    const QString name = QFileInfo(QString(exerciseFile).replace(u'\\', u'/')).fileName();
    return name.section(u'.', 0, 0) + u'_' + placement + u".png"_s;
}

QStringList InspectTF2(const QByteArray &bytes)
{
    QStringList problems;
    Exercises::TExerciseBody file;
    QString error;
    if (!Exercises::OpenExerciseBody(bytes, file, error))
        return {error};
    const TXMLTF2BodyType body(file.Body);
    const qsizetype headings = body.Kolumny().size();
    if (headings < 2)
        problems << u"two column headings (kolumna) are needed, the file has %1"_s.arg(headings);
    const QList<TXMLTFZdanieType> zdania = body.Zdania();
    int kept = 0;
    for (int i = 0; i < zdania.size(); ++i) {
        const QString where = u"statement %1"_s.arg(i + 1);
        if (!Utils::ParseInteger(zdania[i].Odp(), nullptr))
            problems << where + u": odp \"%1\" is not a number"_s.arg(zdania[i].Odp());
        if (zdania[i].Tresc().isEmpty())
            problems << where + u": the statement (tresc) is empty and is left out"_s;
        else
            ++kept;
    }
    if (kept == 0)
        problems << u"there is no statement to judge"_s;
    return problems;
}
