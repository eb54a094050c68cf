#include "course/Struct_Definitions.h"

#include <QHash>

#include "course/Struct_Paczka.h"
#include "utils/Utils.h"

namespace Course {

namespace {

const QString tlumaczenie = QStringLiteral("tlumaczenie");

QList<int> idsOf(const QDomElement &list, const QString &name)
{
    QList<int> ids;
    for (const QDomElement &e : ChildElements(list, name))
        ids.append(IntegerAttribute(e, QStringLiteral("id")));
    return ids;
}

// The text of the last tlumaczenie in language over every element with that id.
bool lastTranslation(const QDomElement &list, const QString &name, int number, int language, QString *text)
{
    bool found = false;
    for (const QDomElement &e : ChildElements(list, name)) {
        int id = 0;
        if (!Utils::ParseInteger(e.attribute(QStringLiteral("id")), &id) || id != number)
            continue;
        for (const QDomElement &t : ChildElements(e, tlumaczenie)) {
            int lang = 0;
            if (Utils::ParseInteger(t.attribute(QStringLiteral("id")), &lang) && lang == language) {
                *text = t.text();
                found = true;
            }
        }
    }
    return found;
}

bool readBoolean(const QString &text)
{
    const QString t = text.trimmed().toLower();
    return t == u"true" || t == u"1";
}

} // namespace

bool TXMLDefinitionsType::Load(const QString &path, QString *error)
{
    document = QDomDocument();
    if (!Utils::ReadXmlFile(path, document, error))
        return false;
    if (document.documentElement().tagName() != u"definitions") {
        if (error)
            *error = QStringLiteral("the root element is not definitions");
        return false;
    }
    return true;
}

bool TXMLDefinitionsType::LoadFromBytes(const QByteArray &bytes, QString *error)
{
    document = QDomDocument();
    if (!Utils::ParseXml(bytes, document, error))
        return false;
    if (document.documentElement().tagName() != u"definitions") {
        if (error)
            *error = QStringLiteral("the root element is not definitions");
        return false;
    }
    return true;
}

QList<TLanguage> TXMLDefinitionsType::Languages() const
{
    QList<TLanguage> languages;
    const QDomElement list = Root().firstChildElement(QStringLiteral("languages"));
    for (const QDomElement &e : ChildElements(list, QStringLiteral("lang"))) {
        TLanguage language;
        language.Id = IntegerAttribute(e, QStringLiteral("id"));
        language.Trans = readBoolean(e.attribute(QStringLiteral("trans")));
        language.Name = e.text();
        languages.append(language);
    }
    return languages;
}

QList<int> TXMLDefinitionsType::GroupIds() const
{
    return idsOf(Root().firstChildElement(QStringLiteral("groups")), QStringLiteral("grupa"));
}

QList<int> TXMLDefinitionsType::HintIds() const
{
    return idsOf(Root().firstChildElement(QStringLiteral("hinty")), QStringLiteral("hint"));
}

QString TXMLDefinitionsType::GroupName(int number, int interfaceLanguage) const
{
    QString name;
    lastTranslation(Root().firstChildElement(QStringLiteral("groups")), QStringLiteral("grupa"), number,
                    interfaceLanguage, &name);
    return name;
}

QString TXMLDefinitionsType::InterfaceTextEntry(int number, int interfaceLanguage) const
{
    QString text;
    if (!lastTranslation(Root().firstChildElement(QStringLiteral("hinty")), QStringLiteral("hint"), number,
                         interfaceLanguage, &text))
        return {};
    return QString::number(number) + u'=' + text;
}

QStringList TXMLDefinitionsType::InterfaceTextEntries(int interfaceLanguage) const
{
    // The same choice as InterfaceTextEntry: the last matching translation over all hints of
    // an id.
    QHash<int, QString> last;
    for (const QDomElement &e :
         ChildElements(Root().firstChildElement(QStringLiteral("hinty")), QStringLiteral("hint"))) {
        int id = 0;
        if (!Utils::ParseInteger(e.attribute(QStringLiteral("id")), &id))
            continue;
        for (const QDomElement &t : ChildElements(e, tlumaczenie)) {
            int lang = 0;
            if (Utils::ParseInteger(t.attribute(QStringLiteral("id")), &lang) && lang == interfaceLanguage)
                last.insert(id, t.text());
        }
    }
    QStringList entries;
    for (int id : HintIds()) {
        const auto found = last.constFind(id);
        entries.append(found == last.constEnd() ? QString() : QString::number(id) + u'=' + *found);
    }
    return entries;
}

QString DefinitionsPath()
{
    return Utils::ProgramPath(QStringLiteral("\\Config\\definitions.xml"));
}

bool ReadDefinitionLanguages(QList<TLanguage> &languages, QString *error)
{
    TXMLDefinitionsType definitions;
    if (!definitions.Load(DefinitionsPath(), error))
        return false;
    try {
        languages = definitions.Languages();
    } catch (const TXMLReadError &e) {
        if (error)
            *error = QString::fromStdString(e.what());
        return false;
    }
    return true;
}

} // namespace Course
