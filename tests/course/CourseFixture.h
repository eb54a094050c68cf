#pragma once
// A small program folder for catalogue tests, the inspector's test and the benchmark:
// Config/definitions.xml and Dane/ in a temporary folder, filled from the test's own text.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

class CourseFixture
{
public:
    CourseFixture()
    {
        QDir(dir.path()).mkpath(QStringLiteral("Config"));
        QDir(dir.path()).mkpath(QStringLiteral("Dane/Paczki"));
    }

    QString Folder() const { return dir.path(); }
    QString FilePath(const QString &relative) const { return dir.filePath(relative); }

    void Write(const QString &relative, const QByteArray &bytes) const
    {
        QDir().mkpath(QFileInfo(dir.filePath(relative)).absolutePath());
        QFile file(dir.filePath(relative));
        QDir().mkpath(QFileInfo(file.fileName()).absolutePath());
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
    }

    void WriteExercise(const QString &name, const QByteArray &bytes) const
    {
        Write(QStringLiteral("Dane/") + name, bytes);
    }

    // Groups "id:polish:english" and hints "id:polish:english" (an empty english part leaves the
    // hint without a translation in language 1).
    void WriteDefinitions(const QStringList &groups, const QStringList &hints) const
    {
        QString xml = QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<definitions>\n"
                                     "<languages><lang id=\"0\" trans=\"true\">polski</lang>"
                                     "<lang id=\"1\" trans=\"false\">English</lang></languages>\n<groups>\n");
        auto translations = [](const QStringList &parts) {
            QString s;
            if (parts.value(1).size())
                s += QStringLiteral("<tlumaczenie id=\"0\">%1</tlumaczenie>").arg(parts.value(1));
            if (parts.value(2).size())
                s += QStringLiteral("<tlumaczenie id=\"1\">%1</tlumaczenie>").arg(parts.value(2));
            return s;
        };
        for (const QString &g : groups) {
            const QStringList parts = g.split(u':');
            xml += QStringLiteral("<grupa id=\"%1\">%2</grupa>\n").arg(parts.value(0), translations(parts));
        }
        xml += QStringLiteral("</groups>\n<hinty>\n");
        for (const QString &h : hints) {
            const QStringList parts = h.split(u':');
            xml += QStringLiteral("<hint id=\"%1\">%2</hint>\n").arg(parts.value(0), translations(parts));
        }
        xml += QStringLiteral("</hinty>\n</definitions>\n");
        Write(QStringLiteral("Config/definitions.xml"), xml.toUtf8());
    }

    // An exercise file's text; body is inserted as it stands.
    static QString Exercise(int kind, int group, const QString &titlePl, const QString &titleEn = {},
                            int level = 1, const QString &param1 = {}, const QString &param2 = {},
                            const QString &body = {}, const QString &multimedia = {})
    {
        QString titles = QStringLiteral("<nazwa id=\"0\">%1</nazwa>").arg(titlePl);
        if (!titleEn.isEmpty())
            titles += QStringLiteral("<nazwa id=\"1\">%1</nazwa>").arg(titleEn);
        return QStringLiteral("<cwiczenie><config><id>1</id>%1<multimedia>%2</multimedia><grupa>%3</grupa>"
                              "<poziom>%4</poziom><typ_cw>%5</typ_cw><param1>%6</param1><param2>%7</param2>"
                              "</config><body>%8</body></cwiczenie>")
            .arg(titles, multimedia, QString::number(group), QString::number(level), QString::number(kind),
                 param1, param2, body);
    }

    static QByteArray Utf8(const QString &exercise)
    {
        return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>\n") + exercise.toUtf8();
    }

private:
    QTemporaryDir dir;
};
