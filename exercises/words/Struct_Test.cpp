#include "exercises/words/Struct_Test.h"

#include "exercises/shared/ExerciseRules.h"
#include "utils/Utils.h"

#include <QDomDocument>
#include <QFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QList<QDomElement> ChildElements(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> found;
    for (QDomElement e = parent.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        found.append(e);
    return found;
}

} // namespace

QString TXMLGrupaType::Naglowek() const
{
    return m_element.firstChildElement(u"naglowek"_s).text().trimmed();
}

QStringList TXMLGrupaType::Odpowiedzi() const
{
    QStringList texts;
    for (const QDomElement &e : ChildElements(m_element, u"odpowiedz"_s))
        texts.append(e.text().trimmed());
    return texts;
}

QString TXMLGrupaType::Poprawne() const
{
    return m_element.firstChildElement(u"poprawne"_s).text().trimmed();
}

QString TXMLTestBodyType::Polecenie(int id) const
{
    QString text;
    for (const QDomElement &e : ChildElements(m_element, u"polecenie"_s)) {
        int value = 0;
        if (Utils::ParseInteger(e.attribute(u"id"_s), &value) && value == id)
            text = e.text().trimmed();
    }
    return text;
}

bool TXMLTestBodyType::HasGrupy() const
{
    return !m_element.firstChildElement(u"grupy"_s).isNull();
}

QList<TXMLGrupaType> TXMLTestBodyType::Grupy() const
{
    QList<TXMLGrupaType> groups;
    for (const QDomElement &e : ChildElements(m_element.firstChildElement(u"grupy"_s), u"grupa"_s))
        groups.append(TXMLGrupaType(e));
    return groups;
}

bool IsListed(const QString &correctList, int n)
{
    return QString(correctList + u',').contains(QString(QString::number(n) + u','));
}

QString TestMediaName(const QString &multimedia)
{
    return Exercises::MediaName(multimedia);
}

TestReadResult ReadTest(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    TestReadResult result;
    auto fail = [&result](const QString &why) {
        result.Test = Struct_Test();
        result.Error = why;
        return result;
    };

    QDomDocument document;
    QString error;
    if (!Utils::ParseXml(bytes, document, &error))
        return fail(error);
    const QDomElement root = document.documentElement();
    if (root.tagName() != u"cwiczenie"_s)
        return fail(u"the root element is not cwiczenie"_s);
    const QDomElement config = root.firstChildElement(u"config"_s);
    const QDomElement body = root.firstChildElement(u"body"_s);
    if (config.isNull() || body.isNull())
        return fail(u"config or body is missing"_s);

    int param1 = 0;
    if (!Utils::ParseInteger(config.firstChildElement(u"param1"_s).text(), &param1))
        return fail(u"param1 is not a number"_s);

    Struct_Test &test = result.Test;
    test.SingleChoice = param1 != 0;
    test.MediaFile = TestMediaName(config.firstChildElement(u"multimedia"_s).text().trimmed());

    const TXMLTestBodyType testBody(body);
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TestReadResult result;
        result.Error = file.errorString();
        return result;
    }
    return ReadTest(file.readAll(), instructionLanguage, translationLanguage);
}

QStringList InspectTest(const QByteArray &bytes)
{
    const TestReadResult read = ReadTest(bytes, 1, 0);
    if (!read.Ok())
        return {read.Error};

    QStringList problems;
    QDomDocument document;
    Utils::ParseXml(bytes, document);
    const QList<TXMLGrupaType> grupy =
        TXMLTestBodyType(document.documentElement().firstChildElement(u"body"_s)).Grupy();
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
