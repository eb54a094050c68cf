#pragma once
// The definitions file Config/definitions.xml: languages, numbered interface texts and
// group names. The program only reads it.

#include <QDomDocument>
#include <QList>
#include <QString>

namespace Course {

struct TLanguage
{
    int Id = 0;
    bool Trans = false; // may be chosen as translation language
    QString Name;       // the language's own name
};

class TXMLDefinitionsType
{
public:
    TXMLDefinitionsType() = default;

    // Reads the file; false with error set when it is missing, unreadable, not well-formed
    // or has another root element.
    bool Load(const QString &path, QString *error = nullptr);
    bool LoadFromBytes(const QByteArray &bytes, QString *error = nullptr);

    // In document order. Numbers that are not integers throw TXMLReadError.
    QList<TLanguage> Languages() const;
    QList<int> GroupIds() const;
    QList<int> HintIds() const;

    // The last matching tlumaczenie over all grupa with that id; empty when none.
    QString GroupName(int number, int interfaceLanguage) const;
    // "number=text" from the last matching tlumaczenie over all hint with that id; empty
    // when none.
    QString InterfaceTextEntry(int number, int interfaceLanguage) const;
    // InterfaceTextEntry of every id of HintIds, in that order, read in one pass.
    QStringList InterfaceTextEntries(int interfaceLanguage) const;

    QDomElement Root() const { return document.documentElement(); }

private:
    QDomDocument document;
};

// The languages for the settings dialog, read from ProgramFolder's definitions file.
// False with error set when the file cannot be read.
bool ReadDefinitionLanguages(QList<TLanguage> &languages, QString *error = nullptr);

// Path of the definitions file under the program folder.
QString DefinitionsPath();

} // namespace Course
