#include "learner/LearnerFiles.h"

#include "utils/Utils.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace Learner::Files {

bool WriteAtomically(const QString &path, const QByteArray &data, QString *error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.commit())
        return true;
    if (error)
        *error = QStringLiteral("Nie można zapisać pliku %1 (%2).")
                     .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

XmlState ReadXml(const QString &path, const QString &rootName, QDomDocument &doc, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return XmlState::Missing;
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return XmlState::Damaged;
    }
    const QByteArray bytes = file.readAll();
    QString message;
    int line = 0;
    int column = 0;
    if (!doc.setContent(bytes, &message, &line, &column)) {
        if (error)
            *error = Utils::XmlErrorText(message, line, column);
        return XmlState::Damaged;
    }
    if (doc.documentElement().tagName() != rootName) {
        if (error)
            *error = QStringLiteral("element główny <%1> zamiast <%2>")
                         .arg(doc.documentElement().tagName(), rootName);
        return XmlState::Damaged;
    }
    return XmlState::Read;
}

QString KeepDamagedFile(const QString &path, const QDate &today)
{
    const QString base = path + QStringLiteral(".damaged-") + today.toString(u"yyyy-MM-dd");
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    return QFile::rename(path, target) ? target : QString();
}

QByteArray Utf16Lines(const QStringList &lines)
{
    QByteArray out("\xFF\xFE", 2);
    for (const QString &line : lines) {
        for (const QChar c : QString(line + QStringLiteral("\r\n"))) {
            out.append(char(c.unicode() & 0xFF));
            out.append(char(c.unicode() >> 8));
        }
    }
    return out;
}

QByteArray SerializeXml(const QDomDocument &doc)
{
    return doc.toByteArray(1);
}

} // namespace Learner::Files
