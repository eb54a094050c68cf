#include "exercises/words/Struct_3Obrazki.h"

#include "course/Struct_Paczka.h"
#include "exercises/shared/BodyXml.h"
#include "utils/Utils.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

QString TXMLGrupaObrazkowType::Sampel() const
{
    return m_element.attribute(u"sampel"_s).trimmed();
}

QString TXMLGrupaObrazkowType::Bmp(int n) const
{
    return m_element.attribute(u"bmp%1"_s.arg(n)).trimmed();
}

QString TXMLGrupaObrazkowType::Zdanie() const
{
    return m_element.firstChildElement(u"zdanie"_s).text().trimmed();
}

QString TXMLGrupaObrazkowType::Tlumaczenie(int language) const
{
    return Exercises::TextForLanguage(m_element, u"tlumaczenie"_s, language);
}

QString TXML3ObrazkiBodyType::Polecenie(int id) const
{
    return Exercises::TextForLanguage(m_element, u"polecenie"_s, id);
}

QList<TXMLGrupaObrazkowType> TXML3ObrazkiBodyType::Grupy() const
{
    QList<TXMLGrupaObrazkowType> groups;
    for (const QDomElement &e : Course::ChildElements(m_element, u"grupa"_s))
        groups.append(TXMLGrupaObrazkowType(e));
    return groups;
}

ThreePicturesReadResult Read3Obrazki(const QByteArray &bytes, int instructionLanguage,
                                     int translationLanguage)
{
    ThreePicturesReadResult result;
    Exercises::TExerciseBody file;
    if (!Exercises::OpenExerciseBody(bytes, file, result.Error))
        return result;

    const TXML3ObrazkiBodyType body(file.Body);
    Struct_3Obrazki &exercise = result.Exercise;
    exercise.Instruction = body.Polecenie(instructionLanguage);
    exercise.Hint = body.Polecenie(translationLanguage);
    for (const TXMLGrupaObrazkowType &grupa : body.Grupy()) {
        TGrupaObrazkow group;
        group.Picture1 = Exercises::WithExtension(grupa.Bmp(1), u".png"_s);
        group.Picture2 = Exercises::WithExtension(grupa.Bmp(2), u".png"_s);
        group.Picture3 = Exercises::WithExtension(grupa.Bmp(3), u".png"_s);
        group.Recording = Exercises::WithExtension(grupa.Sampel(), u".mp3"_s);
        group.Sentence = grupa.Zdanie();
        group.Translation = grupa.Tlumaczenie(translationLanguage);
        exercise.Groups.append(group);
    }
    if (exercise.Groups.isEmpty()) {
        result.Exercise = Struct_3Obrazki();
        result.Error = u"there is no turn (grupa) to play"_s;
    }
    return result;
}

ThreePicturesReadResult Read3ObrazkiFile(const QString &path, int instructionLanguage,
                                         int translationLanguage)
{
    QByteArray bytes;
    ThreePicturesReadResult result;
    if (!Exercises::ReadWholeFile(path, bytes, result.Error))
        return result;
    return Read3Obrazki(bytes, instructionLanguage, translationLanguage);
}

QStringList Inspect3Obrazki(const QByteArray &bytes, const QString &mediaFolder)
{
    const ThreePicturesReadResult read = Read3Obrazki(bytes, 1, 0);
    if (!read.Ok())
        return {read.Error};

    QStringList problems;
    auto missing = [&mediaFolder](const QString &name) {
        return name.isEmpty() || !QFileInfo(Utils::ResolvePath(mediaFolder, name)).isFile();
    };
    for (int g = 0; g < read.Exercise.Groups.size(); ++g) {
        const TGrupaObrazkow &group = read.Exercise.Groups[g];
        const QString where = u"turn %1"_s.arg(g + 1);
        if (group.Sentence.isEmpty())
            problems << where + u": the sentence (zdanie) is empty"_s;
        const QStringList pictures{group.Picture1, group.Picture2, group.Picture3};
        for (int n = 0; n < 3; ++n) {
            if (missing(pictures[n]))
                problems << where +
                                u": the picture bmp%1 \"%2\" is missing under Media\\3Obrazki"_s.arg(n + 1)
                                    .arg(pictures[n]);
        }
        if (!group.Picture1.isEmpty() && (group.Picture1.compare(group.Picture2, Qt::CaseInsensitive) == 0 ||
                                          group.Picture1.compare(group.Picture3, Qt::CaseInsensitive) == 0))
            problems << where + u": the right picture bmp1 also stands among the wrong ones"_s;
        if (missing(group.Recording))
            problems << where +
                            u": the recording \"%1\" is missing under Media\\3Obrazki"_s.arg(group.Recording);
    }
    return problems;
}
