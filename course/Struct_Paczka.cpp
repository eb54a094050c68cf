#include "course/Struct_Paczka.h"

#include "utils/Utils.h"

namespace Course {

namespace {

[[noreturn]] void fail(const QString &what)
{
    throw TXMLReadError(what.toStdString());
}

int toInteger(const QString &text, const QString &what)
{
    int value = 0;
    if (!Utils::ParseInteger(text, &value))
        fail(QStringLiteral("%1: \"%2\" is not an integer").arg(what, text));
    return value;
}

} // namespace

QString ChildText(const QDomElement &parent, const QString &name)
{
    return parent.firstChildElement(name).text();
}

int ChildInteger(const QDomElement &parent, const QString &name)
{
    const QDomElement child = parent.firstChildElement(name);
    if (child.isNull())
        fail(QStringLiteral("element %1 is missing").arg(name));
    return toInteger(child.text(), name);
}

int IntegerAttribute(const QDomElement &element, const QString &name)
{
    if (!element.hasAttribute(name))
        fail(QStringLiteral("attribute %1 of %2 is missing").arg(name, element.tagName()));
    return toInteger(element.attribute(name), name);
}

QList<QDomElement> ChildElements(const QDomElement &parent, const QString &name)
{
    QList<QDomElement> result;
    for (QDomElement e = parent.firstChildElement(name); !e.isNull(); e = e.nextSiblingElement(name))
        result.append(e);
    return result;
}

QString TitleForLanguage(const QDomElement &parent, int language)
{
    const QString wanted = QString::number(language);
    const QString nazwa = QStringLiteral("nazwa");
    for (QDomElement e = parent.firstChildElement(nazwa); !e.isNull(); e = e.nextSiblingElement(nazwa)) {
        int id = 0;
        if (Utils::ParseInteger(e.attribute(QStringLiteral("id")), &id) && id == language)
            return e.text();
    }
    return {};
}

TXMLConfigType::TXMLConfigType(const QDomElement &element) : element(element)
{
}

QString TXMLConfigType::Id() const
{
    const QDomElement id = element.firstChildElement(QStringLiteral("id"));
    return id.isNull() ? ChildText(element, QStringLiteral("ID")) : id.text();
}

QString TXMLConfigType::Multimedia() const
{
    return ChildText(element, QStringLiteral("multimedia"));
}

int TXMLConfigType::Grupa() const
{
    return ChildInteger(element, QStringLiteral("grupa"));
}

int TXMLConfigType::Poziom() const
{
    return ChildInteger(element, QStringLiteral("poziom"));
}

int TXMLConfigType::Typ_cw() const
{
    return ChildInteger(element, QStringLiteral("typ_cw"));
}

QString TXMLConfigType::Param1() const
{
    return ChildText(element, QStringLiteral("param1"));
}

int TXMLConfigType::Param1AsInteger() const
{
    return ChildInteger(element, QStringLiteral("param1"));
}

QString TXMLConfigType::Param2Text() const
{
    return ChildText(element, QStringLiteral("param2"));
}

int TXMLConfigType::Param2() const
{
    return ChildInteger(element, QStringLiteral("param2"));
}

TXMLCwiczenieType::TXMLCwiczenieType(const QDomElement &root) : root(root)
{
}

bool TXMLCwiczenieType::IsExercise() const
{
    return !root.isNull() && root.tagName() == u"cwiczenie";
}

TXMLConfigType TXMLCwiczenieType::Config() const
{
    return TXMLConfigType(root.firstChildElement(QStringLiteral("config")));
}

QDomElement TXMLCwiczenieType::Body() const
{
    return root.firstChildElement(QStringLiteral("body"));
}

QString ExerciseTitle(const TXMLCwiczenieType &cwiczenie, int interfaceLanguage)
{
    return cwiczenie.Config().Nazwa(interfaceLanguage);
}

TXMLElement_paczkiType::TXMLElement_paczkiType(const QDomElement &element) : element(element)
{
}

int TXMLElement_paczkiType::Poziom() const
{
    return ChildInteger(element, QStringLiteral("poziom"));
}

int TXMLElement_paczkiType::Typ_cw() const
{
    return ChildInteger(element, QStringLiteral("typ_cw"));
}

QString TXMLElement_paczkiType::Plik() const
{
    return ChildText(element, QStringLiteral("plik"));
}

TXMLBodyType::TXMLBodyType(const QDomElement &body) : body(body)
{
}

QString TXMLBodyType::Znaczniki_nagrania() const
{
    return ChildText(body, QStringLiteral("znaczniki_nagrania"));
}

QList<TXMLElement_paczkiType> TXMLBodyType::Element_paczki() const
{
    QList<TXMLElement_paczkiType> items;
    for (const QDomElement &e : ChildElements(body, QStringLiteral("element_paczki")))
        items.append(TXMLElement_paczkiType(e));
    return items;
}

bool LoadExerciseFile(const QString &path, TExerciseFile &file, QString *error)
{
    file.Document = QDomDocument();
    file.Cwiczenie = TXMLCwiczenieType();
    if (!Utils::ReadXmlFile(path, file.Document, error))
        return false;
    file.Cwiczenie = TXMLCwiczenieType(file.Document.documentElement());
    return true;
}

} // namespace Course
