#include "exercises/words/Struct_Tabelka.h"

#include "exercises/shared/ExerciseRules.h"
#include "utils/Utils.h"

#include <QFile>
#include <QMap>

using namespace Qt::StringLiterals;

namespace {

bool ChildInteger(const QDomElement &parent, const QString &name, int *value)
{
    const QDomElement child = parent.firstChildElement(name);
    return !child.isNull() && Utils::ParseInteger(child.text(), value);
}

} // namespace

QString TXMLTabelkaWyrazType::Nazwa() const
{
    return m_element.firstChildElement(u"nazwa"_s).text().trimmed();
}

bool TXMLTabelkaWyrazType::Column(int *value) const
{
    return ChildInteger(m_element, u"column"_s, value);
}

QString TXMLTabelkaBodyType::Polecenie(int id) const
{
    return Exercises::PolecenieText(m_element, id);
}

bool TXMLTabelkaBodyType::Col_count(int *value) const
{
    return ChildInteger(m_element, u"col_count"_s, value);
}

bool TXMLTabelkaBodyType::RowsCount(int *value) const
{
    return ChildInteger(m_element, u"rows"_s, value);
}

QStringList TXMLTabelkaBodyType::Columns() const
{
    QStringList headings;
    const QDomElement container = m_element.firstChildElement(u"columns"_s);
    for (QDomElement e = container.firstChildElement(u"column"_s); !e.isNull();
         e = e.nextSiblingElement(u"column"_s))
        headings.append(e.text().trimmed());
    return headings;
}

bool TXMLTabelkaBodyType::HasWyrazy() const
{
    return !m_element.firstChildElement(u"wyrazy"_s).isNull();
}

QList<TXMLTabelkaWyrazType> TXMLTabelkaBodyType::Wyrazy() const
{
    QList<TXMLTabelkaWyrazType> words;
    const QDomElement container = m_element.firstChildElement(u"wyrazy"_s);
    for (QDomElement e = container.firstChildElement(u"wyraz"_s); !e.isNull();
         e = e.nextSiblingElement(u"wyraz"_s))
        words.append(TXMLTabelkaWyrazType(e));
    return words;
}

TabelkaReadResult ReadTabelka(const QByteArray &bytes, int instructionLanguage, int translationLanguage)
{
    TabelkaReadResult result;
    auto fail = [&result](const QString &why) {
        result.Exercise = Struct_Tabelka();
        result.Error = why;
        return result;
    };
    Exercises::TExerciseXml xml;
    QString error;
    if (!Exercises::ParseExerciseXml(bytes, xml, &error))
        return fail(error);
    const TXMLTabelkaBodyType body(xml.Body);
    int columns = 0;
    int rows = 0;
    if (!body.Col_count(&columns))
        return fail(u"col_count is missing or not a number"_s);
    if (!body.RowsCount(&rows))
        return fail(u"rows is missing or not a number"_s);
    if (!body.HasWyrazy())
        return fail(u"wyrazy is missing"_s);

    Struct_Tabelka &table = result.Exercise;
    table.MediaFile = Exercises::MediaName(xml.Config.firstChildElement(u"multimedia"_s).text().trimmed());
    table.Instruction = body.Polecenie(instructionLanguage);
    table.Hint = body.Polecenie(translationLanguage);
    table.Rows = std::max(0, rows);
    table.Headings = body.Columns().mid(0, std::max(0, columns));
    for (const TXMLTabelkaWyrazType &wyraz : body.Wyrazy()) {
        TTabelkaWord word;
        word.Text = wyraz.Nazwa();
        if (!wyraz.Column(&word.Column))
            word.Column = 0; // belongs nowhere: shown, and never right
        table.Words.append(word);
    }
    return result;
}

TabelkaReadResult ReadTabelkaFile(const QString &path, int instructionLanguage, int translationLanguage)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        TabelkaReadResult result;
        result.Error = file.errorString();
        return result;
    }
    return ReadTabelka(file.readAll(), instructionLanguage, translationLanguage);
}

QStringList InspectTabelka(const QByteArray &bytes)
{
    const TabelkaReadResult read = ReadTabelka(bytes, 1, 0);
    if (!read.Ok())
        return {read.Error};
    const Struct_Tabelka &table = read.Exercise;

    QStringList problems;
    Exercises::TExerciseXml xml;
    Exercises::ParseExerciseXml(bytes, xml, nullptr);
    const TXMLTabelkaBodyType body(xml.Body);
    int colCount = 0;
    body.Col_count(&colCount);
    const int headings = int(body.Columns().size());
    if (colCount > headings)
        problems << u"col_count is %1 but only %2 column headings are given"_s.arg(colCount).arg(headings);
    if (table.ColumnCount() < 1)
        problems << u"the table has no columns"_s;
    if (table.Rows < 1)
        problems << u"the table has no rows"_s;
    if (colCount > MaxTableSide || table.Rows > MaxTableSide)
        problems << u"the table is %1 × %2; the course format allows at most %3 rows and %3 columns"_s
                        .arg(table.Rows)
                        .arg(colCount)
                        .arg(MaxTableSide);
    for (int i = 0; i < table.Headings.size(); ++i) {
        if (table.Headings[i].isEmpty())
            problems << u"column %1 has no heading"_s.arg(i + 1);
    }

    if (table.Words.isEmpty())
        problems << u"no words to sort"_s;
    QMap<int, int> perColumn;
    for (int i = 0; i < table.Words.size(); ++i) {
        const TTabelkaWord &word = table.Words[i];
        const QString where = u"wyraz %1 (%2)"_s.arg(i + 1).arg(word.Text);
        if (word.Text.isEmpty())
            problems << u"wyraz %1: the word is empty"_s.arg(i + 1);
        if (word.Column < 1 || word.Column > table.ColumnCount())
            problems << where + u": column %1 is not one of the table's columns 1..%2"_s.arg(word.Column)
                                    .arg(table.ColumnCount());
        else
            ++perColumn[word.Column];
    }
    for (auto it = perColumn.cbegin(); it != perColumn.cend(); ++it) {
        if (it.value() > table.Rows)
            problems << u"column %1 has %2 words but the table only %3 rows"_s.arg(it.key())
                            .arg(it.value())
                            .arg(table.Rows);
    }
    return problems;
}
