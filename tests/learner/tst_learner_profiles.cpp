// The profile list usr.txt: scrambling, line format, Id allocation, name and password rules,
// and the per-learner files of a profile.

#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Learner;

namespace {

ProfileList ListOf(const QList<int> &ids)
{
    ProfileList list;
    for (int id : ids)
        list.Lines << QStringLiteral("%1=User%1=K=0==10").arg(id);
    return list;
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray Utf16(const QString &text)
{
    QByteArray out;
    for (const QChar c : text) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

} // namespace

class TstLearnerProfiles : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
    }

    void scrambleEveryByte()
    {
        QByteArray line;
        for (int i = 0; i < 256 * 8; ++i) // every value at every key position
            line.append(char((i / 8 + i) % 256));
        const QByteArray scrambled = ScrambleLine(line, true);
        QCOMPARE(scrambled.size(), line.size());
        QCOMPARE(ScrambleLine(scrambled, false), line);
        for (qsizetype p = 7; p < line.size(); p += 8)
            QCOMPARE(scrambled[p], line[p]);
        QCOMPARE(ScrambleLine("1", true), QByteArray(1, char('1' + 'P')));
        QCOMPARE(ScrambleLine("\xFF", true), QByteArray(1, char(0xFF + 'P' - 256)));
    }

    void lineFormat()
    {
        TUser anna;
        anna.Id = 1;
        anna.Name = QStringLiteral("Anna");
        anna.Gender = QStringLiteral("K");
        anna.Figure = 10;
        QCOMPARE(BuildProfileLine(anna), QStringLiteral("1=Anna=K=0==10"));

        // Read back: the figure gets one added, so file figure 10 is picture CK11.
        const TUser read = ParseProfileLine(QStringLiteral("12=Jan=M=1=abc1=25"));
        QCOMPARE(read.Id, 12);
        QCOMPARE(read.Name, QStringLiteral("Jan"));
        QCOMPARE(read.Gender, QStringLiteral("M"));
        QCOMPARE(read.HasPassword, quint8(1));
        QCOMPARE(read.Password, QStringLiteral("abc1"));
        QCOMPARE(read.Figure, quint8(26));
        QCOMPARE(ParseProfileLine(BuildProfileLine(anna)).FigurePicture(), QStringLiteral("CK11"));
        // Missing fields read as empty.
        const TUser shortLine = ParseProfileLine(QStringLiteral("4=Ola"));
        QCOMPARE(shortLine.Id, 4);
        QCOMPARE(shortLine.Gender, QString());
        QCOMPARE(shortLine.Figure, quint8(1));
    }

    void figureSetAndColour_data()
    {
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("colour");
        QTest::addRow("file 10") << 11 << 10 << 0;
        QTest::addRow("file 15") << 16 << 10 << 5;
        QTest::addRow("file 20") << 21 << 20 << 0;
        QTest::addRow("file 25") << 26 << 20 << 5;
    }
    void figureSetAndColour()
    {
        QFETCH(int, figure);
        QFETCH(int, set);
        QFETCH(int, colour);
        QCOMPARE(FigureSet(figure), set);
        QCOMPARE(FigureColour(figure), colour);
    }

    void nextId_data()
    {
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<int>("next");
        QTest::addRow("empty") << QList<int>{} << 1;
        QTest::addRow("last deleted") << QList<int>{1, 2} << 3;
        QTest::addRow("middle deleted") << QList<int>{1, 3} << 4;
        QTest::addRow("order of creation, not largest") << QList<int>{7, 2} << 3;
    }
    void nextId()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, next);
        QCOMPARE(ListOf(ids).NextId(), next);
    }

    void nameRules_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("ownId");
        QTest::addColumn<NameProblem>("problem");
        QTest::addRow("ascii case folded") << QStringLiteral("ANNA") << 0 << NameProblem::Duplicate;
        QTest::addRow("trimmed before compare") << QStringLiteral("  anna ") << 0 << NameProblem::Duplicate;
        QTest::addRow("polish case kept") << QStringLiteral("łucja") << 0 << NameProblem::None;
        QTest::addRow("own line in edit mode") << QStringLiteral("Anna") << 1 << NameProblem::None;
        QTest::addRow("other line in edit mode") << QStringLiteral("Łucja") << 1 << NameProblem::Duplicate;
        QTest::addRow("empty") << QStringLiteral("   ") << 0 << NameProblem::Empty;
        QTest::addRow("equals sign") << QStringLiteral("a=b") << 0 << NameProblem::HasEquals;
        QTest::addRow("outside code page") << QStringLiteral("Иван") << 0 << NameProblem::Unstorable;
        QTest::addRow("control character") << QStringLiteral("a\tb") << 0 << NameProblem::Unstorable;
    }
    void nameRules()
    {
        QFETCH(QString, name);
        QFETCH(int, ownId);
        QFETCH(NameProblem, problem);
        ProfileList list;
        list.Lines = {QStringLiteral("1=anna=K=0==10"), QStringLiteral("2=Łucja=K=0==11")};
        QCOMPARE(list.CheckName(name, ownId), problem);
    }

    void passwordRules_data()
    {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repetition");
        QTest::addColumn<PasswordProblem>("problem");
        QTest::addRow("three") << QStringLiteral("abc") << QStringLiteral("abc") << PasswordProblem::None;
        QTest::addRow("two") << QStringLiteral("ab") << QStringLiteral("ab") << PasswordProblem::TooShort;
        QTest::addRow("two with spaces") << QStringLiteral(" ab ") << QStringLiteral(" ab ") << PasswordProblem::TooShort;
        QTest::addRow("case differs") << QStringLiteral("Abc") << QStringLiteral("abc") << PasswordProblem::Mismatch;
    }
    void passwordRules()
    {
        QFETCH(QString, password);
        QFETCH(QString, repetition);
        QFETCH(PasswordProblem, problem);
        QCOMPARE(CheckPassword(password, repetition), problem);
    }

    void passwordCharacters()
    {
        for (const QChar c : QStringLiteral("azAZ09"))
            QVERIFY(IsPasswordCharacter(c));
        for (const QChar c : QStringLiteral(" =ąŁ-_\t"))
            QVERIFY2(!IsPasswordCharacter(c), qPrintable(QString(c)));
    }

    // Scrambled Polish letters can turn into the bytes 10 and 13; each must still read back.
    void polishLettersAtEveryPosition()
    {
        const QString letters = QStringLiteral("ąćęłńóśźżĄĆĘŁŃÓŚŹŻ");
        const QString file = dir.filePath(QStringLiteral("usr-polish.txt"));
        ProfileList list;
        for (int id : {1, 10}) // two lengths of Id shift the name's key positions
            for (const QChar letter : letters)
                for (int pos = 0; pos < MaxNameLength; ++pos) {
                    QString name(MaxNameLength, QLatin1Char('a'));
                    name[pos] = letter;
                    const QString line = QStringLiteral("%1=%2=K=1=Haslo1=20").arg(id).arg(name);
                    QVERIFY2(LineIsStorable(line), qPrintable(line));
                    list.Lines << line;
                }
        QVERIFY(list.Save(file));
        ProfileList back;
        QVERIFY(back.Load(file));
        QCOMPARE(back.Lines, list.Lines);
        // The fixture does hold lone line-feed bytes inside lines.
        QVERIFY(ReadAll(file).count('\n') > list.Lines.size());
    }

    // The one pair that would split a line: ż at key position 6 followed by É at 7.
    void lineThatWouldSplitIsRefused()
    {
        QVERIFY(!LineIsStorable(QStringLiteral("1=abcżÉ=K=0==10")));
        QVERIFY(LineIsStorable(QStringLiteral("10=abcżÉ=K=0==10")));
    }

    void fileBytes()
    {
        const QString file = dir.filePath(QStringLiteral("usr-bytes.txt"));
        ProfileList list;
        list.Lines = {QStringLiteral("1=Anna=K=0==10"), QStringLiteral("2=Żaneta=K=0==20")};
        QVERIFY(list.Save(file));
        const QByteArray expected = ScrambleLine("1=Anna=K=0==10", true) + "\r\n" +
                                    ScrambleLine("2=\xAF" "aneta=K=0==20", true) + "\r\n";
        QCOMPARE(ReadAll(file), expected);

        ProfileList missing;
        missing.Lines = {QStringLiteral("x")};
        QVERIFY(missing.Load(dir.filePath(QStringLiteral("none.txt"))));
        QVERIFY(missing.Lines.isEmpty());
    }

    void learnerDataLifecycle()
    {
        const QString users = dir.filePath(QStringLiteral("Users"));
        QVERIFY(QDir().mkpath(users));
        // Leftovers of a removed profile with the same Id.
        QVERIFY(QDir().mkpath(users + QStringLiteral("/3_Media_temp/old")));
        QFile stale(users + QStringLiteral("/3_Media_temp/r1.wav"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();

        QString error;
        QVERIFY2(CreateLearnerData(users, 3, &error), qPrintable(error));
        QCOMPARE(ReadAll(SettingsPath(users, 3)), DefaultSettingsFileContent());
        QCOMPARE(ReadAll(StatisticsPath(users, 3)),
                 Utf16(QStringLiteral("\uFEFF<?xml version=\"1.0\"?><cwiczenia></cwiczenia>\r\n")));
        QVERIFY(QDir(users + QStringLiteral("/3_Media_arch")).exists());
        QVERIFY(QDir(users + QStringLiteral("/3_Media_temp")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

        QFile rec(users + QStringLiteral("/3_Media_arch/r2.wav"));
        QVERIFY(rec.open(QIODevice::WriteOnly));
        rec.close();
        QVERIFY(CreateLearnerData(users, 4));
        QVERIFY(DeleteLearnerData(users, 3).isEmpty());
        QStringList left = QDir(users).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left,
                 (QStringList{QStringLiteral("4_Media_arch"), QStringLiteral("4_Media_temp"),
                              QStringLiteral("4_config.xml"), QStringLiteral("4_stat.xml")}));
    }
};

QTEST_GUILESS_MAIN(TstLearnerProfiles)
#include "tst_learner_profiles.moc"
