#include "learner/Struct_Config.h"

#include "course/ExerciseKind.h"

#include "learner/LearnerFiles.h"
#include "utils/SystemMessage.h"

#include <QDir>

#include <QDomDocument>
#include <QStringList>
#include <algorithm>

LearnerSettings LearnerSettings::Defaults()
{
    LearnerSettings s;
    s.InterfaceLanguage = 0;
    s.TranslationLanguage = 0;
    s.ArchiveRecordings = 0;
    s.ScheduleRepetitions = 1;
    s.RepetitionThreshold = 61;
    s.Reserved6 = 3;
    s.SentenceNoticePending = 1;
    s.DialogueNoticePending = 1;
    s.WordNoticePending = 1;
    s.UsePunctuation = 0;
    s.MatchCase = 1;
    return s;
}

int LearnerSettings::Value(int id) const
{
    switch (id) {
    case 1:
        return InterfaceLanguage;
    case 2:
        return TranslationLanguage;
    case 3:
        return ArchiveRecordings;
    case 4:
        return ScheduleRepetitions;
    case 5:
        return RepetitionThreshold;
    case 6:
        return 3; // no behaviour reads it; every save restores it
    case 7:
        return SentenceNoticePending;
    case 8:
        return DialogueNoticePending;
    case 9:
        return WordNoticePending;
    case 10:
        return UsePunctuation;
    case 11:
        return MatchCase;
    default:
        return 0;
    }
}

void LearnerSettings::SetValue(int id, int value)
{
    // A hand-edited file may hold anything: each value is held to the range of its setting
    // (languages a byte, switches 0 or 1, the threshold the dialog's 31 to 100).
    switch (id) {
    case 1:
    case 2:
        value = std::clamp(value, 0, 255);
        break;
    case 5:
        value = std::clamp(value, 31, 100);
        break;
    case 6:
        break;
    default:
        value = std::clamp(value, 0, 1);
        break;
    }
    const auto byte = quint8(value);
    switch (id) {
    case 1:
        InterfaceLanguage = byte;
        break;
    case 2:
        TranslationLanguage = byte;
        break;
    case 3:
        ArchiveRecordings = byte;
        break;
    case 4:
        ScheduleRepetitions = byte;
        break;
    case 5:
        RepetitionThreshold = value;
        break;
    case 6:
        Reserved6 = value;
        break;
    case 7:
        SentenceNoticePending = byte;
        break;
    case 8:
        DialogueNoticePending = byte;
        break;
    case 9:
        WordNoticePending = byte;
        break;
    case 10:
        UsePunctuation = byte;
        break;
    case 11:
        MatchCase = byte;
        break;
    default:
        break;
    }
}

namespace Learner {

QString SettingsPath(const QString &usersFolder, int id)
{
    return usersFolder + QLatin1Char('/') + QString::number(id) + QStringLiteral("_config.xml");
}

QByteArray DefaultSettingsFileContent()
{
    const LearnerSettings defaults = LearnerSettings::Defaults();
    QStringList lines{QStringLiteral("<?xml version=\"1.0\"?>"), QStringLiteral("<config>")};
    for (int id = 1; id <= 11; ++id)
        lines << QStringLiteral("<value id=\"%1\">%2</value>").arg(id).arg(defaults.Value(id));
    lines << QStringLiteral("</config>");
    return Files::Utf16Lines(lines);
}

bool CreateDefaultSettingsFile(const QString &usersFolder, int id, QString *error)
{
    return Files::WriteAtomically(SettingsPath(usersFolder, id), DefaultSettingsFileContent(), error);
}

static bool ReadIntegerText(const QDomElement &element, const QString &attribute, int &value)
{
    bool ok = false;
    value = (attribute.isEmpty() ? element.text() : element.attribute(attribute)).trimmed().toInt(&ok);
    return ok;
}

SettingsLoadResult LoadSettingsFile(const QString &usersFolder, int id, LearnerSettings &settings,
                                    const QDate &today)
{
    SettingsLoadResult result;
    const QString path = SettingsPath(usersFolder, id);
    QDomDocument doc;
    QString why;
    const Files::XmlState state = Files::ReadXml(path, QStringLiteral("config"), doc, &why);

    if (state == Files::XmlState::Read) {
        for (QDomElement e = doc.documentElement().firstChildElement(QStringLiteral("value")); !e.isNull();
             e = e.nextSiblingElement(QStringLiteral("value"))) {
            int key = 0;
            int value = 0;
            if (!ReadIntegerText(e, QStringLiteral("id"), key) || key < 1 || key > 11)
                continue;
            // A hand-edited value that is not a number reads as the setting's default, never as
            // what the learner logged in before had.
            if (!ReadIntegerText(e, QString(), value))
                value = LearnerSettings::Defaults().Value(key);
            settings.SetValue(key, value);
        }
        return result;
    }

    if (state == Files::XmlState::Missing) {
        result.State = SettingsFileState::Missing;
        result.Message = QStringLiteral("Brak pliku ustawień użytkownika! ");
    } else {
        result.State = SettingsFileState::Damaged;
        result.DamagedCopy = Files::KeepDamagedFile(path, today);
        if (result.DamagedCopy.isEmpty()) {
            // Never overwrite a file we could not move aside.
            result.State = SettingsFileState::Failed;
            result.Message =
                QStringLiteral("Plik ustawień użytkownika %1 jest uszkodzony (%2) i nie można go "
                               "przenieść. Używane są ustawienia domyślne, plik pozostaje bez zmian.")
                    .arg(QDir::toNativeSeparators(path), why);
            Utils::ShowSystemError(result.Message);
            settings = LearnerSettings::Defaults();
            return result;
        }
        result.Message =
            QStringLiteral("Plik ustawień użytkownika %1 był uszkodzony (%2). Zachowano go jako %3. ")
                .arg(QDir::toNativeSeparators(path), why, QDir::toNativeSeparators(result.DamagedCopy));
    }

    QString writeError;
    if (!CreateDefaultSettingsFile(usersFolder, id, &writeError)) {
        // Say what happened: no file was made, so nothing the learner changes is kept.
        result.State = SettingsFileState::Failed;
        result.Message += QStringLiteral("Nie udało się utworzyć nowego pliku. ") + writeError +
                          QStringLiteral(" Używane są ustawienia domyślne, ich zmiany nie zostaną zapisane.");
    } else if (state == Files::XmlState::Missing) {
        result.Message += QStringLiteral("Plik został stworzony ponownie! ");
    } else {
        result.Message += QStringLiteral("Utworzono nowy plik z ustawieniami domyślnymi.");
    }
    Utils::ShowSystemError(result.Message);
    // The fresh file's values, not those of whoever was logged in before.
    settings = LearnerSettings::Defaults();
    return result;
}

bool SaveSettingsFile(const QString &usersFolder, int id, const LearnerSettings &settings, QString *error)
{
    const QString path = SettingsPath(usersFolder, id);
    QDomDocument doc;
    QString why;
    Files::TextEncoding encoding;
    const Files::XmlState state = Files::ReadXml(path, QStringLiteral("config"), doc, &why, &encoding);
    if (state != Files::XmlState::Read) {
        if (error)
            *error = state == Files::XmlState::Missing
                         ? QStringLiteral("Brak pliku ustawień użytkownika %1.")
                               .arg(QDir::toNativeSeparators(path))
                         : QStringLiteral("Nie można odczytać pliku ustawień użytkownika %1 (%2).")
                               .arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    for (QDomElement e = doc.documentElement().firstChildElement(QStringLiteral("value")); !e.isNull();
         e = e.nextSiblingElement(QStringLiteral("value"))) {
        int key = 0;
        if (!ReadIntegerText(e, QStringLiteral("id"), key) || key < 1 || key > 11)
            continue;
        while (e.hasChildNodes())
            e.removeChild(e.firstChild());
        e.appendChild(doc.createTextNode(QString::number(settings.Value(key))));
    }
    return Files::WriteAtomically(path, Files::SerializeXml(doc, encoding), error);
}

int FirstUseNoticeForKind(int kind)
{
    const Course::TKindInfo *info = Course::KindInfo(kind);
    return info ? info->FirstUseNotice : 0;
}

int FirstUseNoticeText(int notice)
{
    return notice >= 7 && notice <= 9 ? 83 + notice : 0;
}

} // namespace Learner
