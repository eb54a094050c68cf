// The learner's settings file: creation byte for byte, reading, saving, damaged files.

#include "LearnerFixtures.h"

#include "learner/Struct_Config.h"
#include "utils/SystemMessage.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
const QDate Today(2026, 12, 10);
}

class TstLearnerSettings : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList shown;

    QString users() const { return dir.path(); }
    QString path(int id = 3) const { return Learner::SettingsPath(users(), id); }
    void writeFile(const QByteArray &bytes, int id = 3)
    {
        QFile f(path(id));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
    }
    QByteArray readFile(const QString &p) const
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { shown << text; });
    }
    void init()
    {
        shown.clear();
        for (const QString &name : QDir(users()).entryList(QDir::Files))
            QFile::remove(users() + QLatin1Char('/') + name);
    }

    // A save writes the bytes the file's declaration names, so the next login reads it.
    void encodingSurvivesSaving_data() { AddEncodingRows(); }
    void encodingSurvivesSaving()
    {
        QFETCH(QString, declaration);
        QFETCH(QByteArray, scheme);
        QFETCH(QByteArray, marker);
        writeFile(
            Encoded(declaration +
                        QStringLiteral("\n<!-- ustawienia świata -->\n<config>\n"
                                       "<value id=\"5\">45</value>\n<value id=\"1\">2</value>\n</config>\n"),
                    scheme));
        for (int threshold : {50, 55}) {
            LearnerSettings s;
            QCOMPARE(Learner::LoadSettingsFile(users(), 3, s, Today).State, Learner::SettingsFileState::Read);
            QCOMPARE(s.RepetitionThreshold, threshold == 50 ? 45 : 50);
            QCOMPARE(s.InterfaceLanguage, quint8(2));
            s.RepetitionThreshold = threshold;
            QVERIFY(Learner::SaveSettingsFile(users(), 3, s));
        }
        QVERIFY(shown.isEmpty());
        const QByteArray bytes = readFile(path());
        QVERIFY2(bytes.contains(marker), bytes.left(80).toHex(' ').constData());
        QDomDocument doc;
        QVERIFY(doc.setContent(bytes));
        QCOMPARE(doc.documentElement().firstChildElement().text(), QStringLiteral("55"));
    }

    // A missing file that cannot be made again is said so, not said re-created.
    void missingFileThatCannotBeMade()
    {
        const QString blocked = users() + QStringLiteral("/gone"); // a Users folder that is not there
        LearnerSettings s;
        const auto r = Learner::LoadSettingsFile(blocked, 3, s, Today);
        QCOMPARE(r.State, Learner::SettingsFileState::Failed);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(!shown[0].contains(QStringLiteral("stworzony ponownie")) &&
                     shown[0].contains(QStringLiteral("Nie udało się utworzyć")),
                 qPrintable(shown[0]));
        QVERIFY(shown[0].contains(QStringLiteral("folder nie istnieje")));
        QCOMPARE(s, LearnerSettings::Defaults());
    }

    void createdFileIsExact()
    {
        QVERIFY(Learner::CreateDefaultSettingsFile(users(), 3));
        const char16_t expected[] = u"\uFEFF<?xml version=\"1.0\"?>\r\n<config>\r\n"
                                    u"<value id=\"1\">0</value>\r\n<value id=\"2\">0</value>\r\n"
                                    u"<value id=\"3\">0</value>\r\n<value id=\"4\">1</value>\r\n"
                                    u"<value id=\"5\">61</value>\r\n<value id=\"6\">3</value>\r\n"
                                    u"<value id=\"7\">1</value>\r\n<value id=\"8\">1</value>\r\n"
                                    u"<value id=\"9\">1</value>\r\n<value id=\"10\">0</value>\r\n"
                                    u"<value id=\"11\">1</value>\r\n</config>\r\n";
        QByteArray bytes;
        for (const char16_t c : std::u16string_view(expected)) {
            bytes.append(char(c & 0xFF));
            bytes.append(char(c >> 8));
        }
        QCOMPARE(readFile(path()), bytes);
        QVERIFY(bytes.startsWith(QByteArray("\xFF\xFE<\0", 4)));

        LearnerSettings s;
        QCOMPARE(Learner::LoadSettingsFile(users(), 3, s, Today).State, Learner::SettingsFileState::Read);
        QCOMPARE(s, LearnerSettings::Defaults());
        QVERIFY(shown.isEmpty());
    }

    // id 6 is read as written but always saved as 3; unknown ids and odd values survive.
    void reservedAndUnknownIds()
    {
        writeFile(
            "<?xml version=\"1.0\"?>\n<config>\n<value id=\"6\">7</value>\n<value id=\"12\">99</value>\n"
            "<value id=\"5\">80</value>\n<value id=\"4\">abc</value>\n<value "
            "id=\"2\">255</value>\n</config>\n");
        LearnerSettings s = LearnerSettings::Defaults();
        s.ScheduleRepetitions = 0;
        QCOMPARE(Learner::LoadSettingsFile(users(), 3, s, Today).State, Learner::SettingsFileState::Read);
        QCOMPARE(s.Reserved6, 7);
        QCOMPARE(s.RepetitionThreshold, 80);
        QCOMPARE(s.TranslationLanguage, quint8(255));
        QCOMPARE(s.ScheduleRepetitions, quint8(1)); // "abc" reads as the setting's default

        s.RepetitionThreshold = 45;
        s.MatchCase = 0; // id 11 is not in the file: a save adds nothing
        QVERIFY(Learner::SaveSettingsFile(users(), 3, s));
        const QString saved = QString::fromUtf8(readFile(path()));
        QVERIFY2(saved.contains(u"<value id=\"6\">3</value>"), qPrintable(saved));
        QVERIFY(saved.contains(u"<value id=\"12\">99</value>"));
        QVERIFY(saved.contains(u"<value id=\"5\">45</value>"));
        QVERIFY(!saved.contains(u"id=\"11\""));
        QCOMPARE(saved.count(u"<value"), 5);

        LearnerSettings again;
        Learner::LoadSettingsFile(users(), 3, again, Today);
        QCOMPARE(again.Reserved6, 3);
        QCOMPARE(again.RepetitionThreshold, 45);
    }

    // Values out of range are held to their settings' ranges when read, so the dialog never
    // shows nonsense and nothing downstream meets it.
    void valuesHeldToTheirRanges_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("read");
        QTest::addRow("threshold 9999") << 5 << u"9999"_s << 100;
        QTest::addRow("threshold -5") << 5 << u"-5"_s << 31;
        QTest::addRow("threshold 61") << 5 << u"61"_s << 61;
        QTest::addRow("switch 7") << 4 << u"7"_s << 1;
        QTest::addRow("switch -1") << 10 << u"-1"_s << 0;
        QTest::addRow("notice flag 2") << 9 << u"2"_s << 1;
        QTest::addRow("switch abc") << 11 << u"abc"_s << 1;
        QTest::addRow("threshold abc") << 5 << u"abc"_s << 61;
        QTest::addRow("language 300") << 1 << u"300"_s << 255;
        QTest::addRow("translations none") << 2 << u"255"_s << 255;
    }

    void valuesHeldToTheirRanges()
    {
        QFETCH(int, id);
        QFETCH(QString, text);
        writeFile(u"<?xml version=\"1.0\"?>\n<config>\n<value id=\"%1\">%2</value>\n</config>\n"_s.arg(id)
                      .arg(text)
                      .toUtf8());
        LearnerSettings s; // zero everywhere, as before a first login
        s.MatchCase = 0;
        QCOMPARE(Learner::LoadSettingsFile(users(), 3, s, Today).State, Learner::SettingsFileState::Read);
        QTEST(s.Value(id), "read");
    }

    // After the first save the file is no longer UTF-16; every field must still read back.
    void saveRoundTrip()
    {
        QVERIFY(Learner::CreateDefaultSettingsFile(users(), 3));
        LearnerSettings s;
        for (int id = 1; id <= 11; ++id)
            s.SetValue(id, id == 5 ? 100 : (id % 2));
        s.InterfaceLanguage = 4;
        QVERIFY(Learner::SaveSettingsFile(users(), 3, s));
        LearnerSettings back;
        QCOMPARE(Learner::LoadSettingsFile(users(), 3, back, Today).State, Learner::SettingsFileState::Read);
        s.Reserved6 = 3;
        QCOMPARE(back, s);
    }

    void missingFileIsRecreated()
    {
        LearnerSettings s;
        s.RepetitionThreshold = 99; // left from the learner logged in before
        const auto r = Learner::LoadSettingsFile(users(), 3, s, Today);
        QCOMPARE(r.State, Learner::SettingsFileState::Missing);
        QCOMPARE(shown, QStringList{QStringLiteral(
                            "Brak pliku ustawień użytkownika! Plik został stworzony ponownie! ")});
        QCOMPARE(readFile(path()), Learner::DefaultSettingsFileContent());
        QCOMPARE(s, LearnerSettings::Defaults());
    }

    void damagedFileIsKeptBeside()
    {
        const QByteArray damaged("<config><value id=\"1\">2</value>"); // cut off mid-write
        writeFile(damaged);
        LearnerSettings s;
        const auto r = Learner::LoadSettingsFile(users(), 3, s, Today);
        QCOMPARE(r.State, Learner::SettingsFileState::Damaged);
        QCOMPARE(r.DamagedCopy, path() + QStringLiteral(".damaged-") + Today.toString(u"yyyy-MM-dd"));
        QCOMPARE(readFile(r.DamagedCopy), damaged);
        QCOMPARE(readFile(path()), Learner::DefaultSettingsFileContent());
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].contains(QDir::toNativeSeparators(r.DamagedCopy)));

        // A second damaged file the same day does not overwrite the first copy.
        writeFile("<wrong/>");
        const auto r2 = Learner::LoadSettingsFile(users(), 3, s, Today);
        QCOMPARE(r2.DamagedCopy, r.DamagedCopy + QStringLiteral("-2"));
        QCOMPARE(readFile(r.DamagedCopy), damaged);
    }

    void saveWithoutReadableFileWritesNothing()
    {
        QString error;
        QVERIFY(!Learner::SaveSettingsFile(users(), 3, LearnerSettings::Defaults(), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(path()));
        writeFile("not xml");
        QVERIFY(!Learner::SaveSettingsFile(users(), 3, LearnerSettings::Defaults(), &error));
        QCOMPARE(readFile(path()), QByteArray("not xml"));
    }

    void noticeKinds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("notice");
        for (int k : {21, 22, 24})
            QTest::addRow("sentence %d", k) << k << 7;
        for (int k : {11, 14, 18, 26})
            QTest::addRow("dialogue %d", k) << k << 8;
        for (int k : {1, 3, 4, 7, 31})
            QTest::addRow("word %d", k) << k << 9;
        for (int k : {8, 50, 52, 101})
            QTest::addRow("none %d", k) << k << 0;
    }
    void noticeKinds()
    {
        QFETCH(int, kind);
        QFETCH(int, notice);
        QCOMPARE(Learner::FirstUseNoticeForKind(kind), notice);
        QCOMPARE(Learner::FirstUseNoticeText(notice), notice ? notice + 83 : 0);
    }
};

QTEST_GUILESS_MAIN(TstLearnerSettings)
#include "tst_learner_settings.moc"
