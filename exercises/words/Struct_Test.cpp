#include "exercises/words/Struct_Test.h"

#include "course/Struct_Paczka.h"
#include "exercises/shared/BodyXml.h"
#include "utils/Utils.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString TXMLGrupaType::Naglowek() const
{
    return m_element.firstChildElement(u"naglowek"_s).text().trimmed();
}

QStringList TXMLGrupaType::Odpowiedzi() const
{
    QStringList texts;
    for (const QDomElement &e : Course::ChildElements(m_element, u"odpowiedz"_s))
        texts.append(e.text().trimmed());
    return texts;
}

QString TXMLGrupaType::Poprawne() const
{
    return m_element.firstChildElement(u"poprawne"_s).text().trimmed();
}

QString TXMLTestBodyType::Polecenie(int id) const
{
    return Exercises::TextForLanguage(m_element, u"polecenie"_s, id);
}

bool TXMLTestBodyType::HasGrupy() const
{
    return !m_element.firstChildElement(u"grupy"_s).isNull();
}

QList<TXMLGrupaType> TXMLTestBodyType::Grupy() const
{
    QList<TXMLGrupaType> groups;
    for (const QDomElement &e : Course::ChildElements(m_element.firstChildElement(u"grupy"_s), u"grupa"_s))
        groups.append(TXMLGrupaType(e));
    return groups;
}

bool IsListed(const QString &correctList, int n)
{
    return QString(correctList + u',').contains(QString(QString::number(n) + u','));
}

TestReadResult ReadTest(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    TestReadResult result;
    Exercises::TExerciseBody file;
    if (!Exercises::OpenExerciseBody(bytes, file, result.Error))
        return result;
    const auto fail = &Exercises::ReadFault<TestReadResult>;
    const QDomElement &config = file.Config;

    int param1 = 0;
    if (!Utils::ParseInteger(config.firstChildElement(u"param1"_s).text(), &param1))
        return fail(u"param1 is not a number"_s);

    Struct_Test &test = result.Test;
    test.SingleChoice = param1 != 0;
    test.MediaFile = Exercises::ConfigMedia(config);

    const TXMLTestBodyType testBody(file.Body);
    test.Instruction = testBody.Polecenie(instructionLanguage);
    test.Hint = testBody.Polecenie(translationLanguage);
    if (!testBody.HasGrupy())
        return fail(u"grupy is missing"_s);

    for (const TXMLGrupaType &grupa : testBody.Grupy()) {
        TGrupa group;
        group.Header = grupa.Naglowek();
        group.CorrectList = grupa.Poprawne();
        const QStringList answers = grupa.Odpowiedzi();
        for (int k = 1; k <= answers.size(); ++k) {
            if (answers[k - 1].isEmpty())
                continue;
            TGrupaItem item;
            item.Text = answers[k - 1];
            item.Correct = IsListed(group.CorrectList, k);
            group.Items.append(item);
        }
        test.Groups.append(group);
    }
    return result;
}

TestReadResult ReadTestFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    return Exercises::ReadExerciseFile<TestReadResult>(path, [&](const QByteArray &bytes) {
        return ReadTest(bytes, instructionLanguage, translationLanguage);
    });
}

QStringList InspectTest(const QByteArray &bytes)
{
    const TestReadResult read = ReadTest(bytes, 1, 0);
    if (!read.Ok())
        return {read.Error};

    QStringList problems;
    Exercises::TExerciseBody file;
    QString error;
    Exercises::OpenExerciseBody(bytes, file, error); // read above without a fault
    const QList<TXMLGrupaType> grupy = TXMLTestBodyType(file.Body).Grupy();
    bool anyRight = false;
    for (int g = 0; g < grupy.size(); ++g) {
        const QString where = u"group %1"_s.arg(g + 1);
        const QStringList answers = grupy[g].Odpowiedzi();
        const TGrupa &group = read.Test.Groups[g];
        if (group.Items.isEmpty())
            problems << where + u": no answer to choose"_s;
        const QStringList numbers = grupy[g].Poprawne().split(u',', Qt::SkipEmptyParts);
        for (const QString &number : numbers) {
            int n = 0;
            if (!Utils::ParseInteger(number, &n) || n < 1 || n > answers.size() || answers[n - 1].isEmpty())
                problems << where + u": poprawne names no answer: "_s + number;
        }
        const auto right = std::count_if(group.Items.cbegin(), group.Items.cend(),
                                         [](const TGrupaItem &item) { return item.Correct; });
        if (right == 0 && !group.Items.isEmpty())
            problems << where + u": no right answer"_s;
        if (right > 1 && read.Test.SingleChoice)
            problems << where + u": several right answers in a single-choice test"_s;
        anyRight = anyRight || right > 0;
    }
    if (!anyRight)
        problems << u"nothing to score: no group has a right answer"_s;
    return problems;
}
