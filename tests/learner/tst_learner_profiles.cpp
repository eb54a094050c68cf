// The profile list usr.txt: scrambling, line format, Id allocation, name and password rules,
// and the per-learner files of a profile.

#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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
        QTest::addRow("largest, not last") << QList<int>{7, 2} << 8;
        QTest::addRow("unreadable last line") << QList<int>{1, 2, 0} << 3;
        QTest::addRow("largest Id") << QList<int>{2147483647, 1} << 2;
        QTest::addRow("largest Ids") << QList<int>{2147483647, 2, 1} << 3;
    }
    void nextId()
    {
        QFETCH(QList<int>, ids);
        QFETCH(int, next);
        ProfileList list = ListOf(ids);
        list.Lines.replaceInStrings(QStringLiteral("0=User0="), QStringLiteral("1\r=User0="));
        QCOMPARE(list.NextId(), next);
    }

    // A new profile never takes the Id of files or folders already in Users.
    void nextIdPassesOverFiles_data()
    {
        QTest::addColumn<QString>("existing");
        QTest::addRow("statistics") << QStringLiteral("1_stat.xml");
        QTest::addRow("settings") << QStringLiteral("1_config.xml");
        QTest::addRow("recordings") << QStringLiteral("1_Media_arch");
    }
    void nextIdPassesOverFiles()
    {
        QFETCH(QString, existing);
        QTemporaryDir users;
        QFile f(users.filePath(existing));
        QVERIFY(existing.contains(QLatin1Char('.')) ? f.open(QIODevice::WriteOnly)
                                                    : QDir(users.path()).mkdir(existing));
        f.close();
        QCOMPARE(ProfileList().NextId(users.path()), 2);

        // With usr.txt gone, creating a profile leaves learner 1's data alone.
        const QByteArray before = ReadAll(users.filePath(existing));
        ProfileList list;
        TUser user;
        user.Name = QStringLiteral("Nowy");
        user.Gender = QStringLiteral("K");
        QString error;
        QVERIFY2(AddProfile(list, users.path(), user, &error), qPrintable(error));
        QCOMPARE(user.Id, 2);
        QCOMPARE(ReadAll(users.filePath(existing)), before);
        QVERIFY(QFileInfo::exists(StatisticsPath(users.path(), 2)));
        QVERIFY(!CreateLearnerData(users.path(), 2, &error));
        QVERIFY(error.contains(QStringLiteral("już istnieje")));
    }

    // A damaged list: a message, the file kept aside, every profile line kept, no profile
    // with Id 0 or without a name.
    void damagedListKeepsProfiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("kept");
        const QByteArray anna = ScrambleLine("1=Anna=K=0==10", true) + "\r\n";
        const QByteArray jan = ScrambleLine("3=Jan=M=1=abc=20", true) + "\r\n";
        QByteArray noise;
        for (int i = 0; i < 300; ++i)
            noise += char((i * 167 + 13) % 256);
        QTest::addRow("random bytes") << noise << QStringList();
        QTest::addRow("noise between profiles")
            << anna + noise + "\r\n" + jan
            << QStringList{QStringLiteral("1=Anna=K=0==10"), QStringLiteral("3=Jan=M=1=abc=20")};
        QTest::addRow("Id 0 and no name")
            << anna + ScrambleLine("0=Zero=K=0==10", true) + "\r\n" + ScrambleLine("4= =K=0==10", true) +
                   "\r\n" + jan
            << QStringList{QStringLiteral("1=Anna=K=0==10"), QStringLiteral("3=Jan=M=1=abc=20")};
    }
    void damagedListKeepsProfiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, kept);
        QTemporaryDir users;
        const QString path = ProfileListPath(users.path());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        f.close();
        ProfileList list;
        QString message;
        QVERIFY(!list.Load(path, QDate(2026, 12, 10), &message));
        QCOMPARE(list.Lines, kept);
        const QString copy = path + QStringLiteral(".damaged-2026-12-10");
        QCOMPARE(ReadAll(copy), bytes);
        QVERIFY2(message.contains(QDir::toNativeSeparators(copy)) &&
                     message.contains(QStringLiteral("uszkodzona")),
                 qPrintable(message));
        ProfileList again;
        QVERIFY(again.Load(path, QDate(2026, 12, 10), &message));
        QCOMPARE(again.Lines, kept);
    }

    // Adding and removing a profile when the list cannot be saved changes nothing.
    void failedListSaveChangesNothing()
    {
        QTemporaryDir users;
        ProfileList list = ListOf({1});
        QVERIFY(CreateLearnerData(users.path(), 1));
        QVERIFY(QDir(users.path()).mkdir(QStringLiteral("usr.txt"))); // no file can replace a folder
        TUser user;
        user.Name = QStringLiteral("Nowy");
        QString error;
        QVERIFY(!AddProfile(list, users.path(), user, &error));
        QVERIFY2(error.contains(QStringLiteral("Nie można zapisać pliku")), qPrintable(error));
        QCOMPARE(list.Lines, ListOf({1}).Lines);
        QVERIFY(!QFileInfo::exists(StatisticsPath(users.path(), 2)));
        QVERIFY(!QFileInfo::exists(MediaFolderPath(users.path(), 2, QStringLiteral("Media_temp"))));

        QVERIFY(!RemoveProfile(list, 0, users.path(), nullptr, &error));
        QCOMPARE(list.Lines, ListOf({1}).Lines);
        QVERIFY(QFileInfo::exists(StatisticsPath(users.path(), 1)));
        QVERIFY(QFileInfo::exists(MediaFolderPath(users.path(), 1, QStringLiteral("Media_arch"))));

        QVERIFY(QDir(users.path()).rmdir(QStringLiteral("usr.txt")));
        QStringList left;
        QVERIFY(RemoveProfile(list, 0, users.path(), &left, &error));
        QVERIFY(left.isEmpty());
        QVERIFY(list.Lines.isEmpty());
        QVERIFY(!QFileInfo::exists(StatisticsPath(users.path(), 1)));
    }

    // Numbers from a line stay within what the program writes.
    void lineNumbersAreBounded_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("figure");
        QTest::addColumn<int>("hasPassword");
        QTest::addRow("largest figure") << QStringLiteral("5=Ola=K=0==2147483647") << 5 << 11 << 0;
        QTest::addRow("negative figure") << QStringLiteral("5=Ola=K=0==-1") << 5 << 11 << 0;
        QTest::addRow("figure 255") << QStringLiteral("5=Ola=K=0==255") << 5 << 11 << 0;
        QTest::addRow("negative Id") << QStringLiteral("-5=Ola=K=256==10") << 0 << 11 << 1;
    }
    void lineNumbersAreBounded()
    {
        QFETCH(QString, line);
        QFETCH(int, id);
        QFETCH(int, figure);
        QFETCH(int, hasPassword);
        const TUser user = ParseProfileLine(line);
        QCOMPARE(user.Id, id);
        QCOMPARE(int(user.Figure), figure);
        QCOMPARE(int(user.HasPassword), hasPassword);
        QCOMPARE(IsProfileLine(line), id > 0);
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
        QTest::addRow("two with spaces")
            << QStringLiteral(" ab ") << QStringLiteral(" ab ") << PasswordProblem::TooShort;
        QTest::addRow("case differs")
            << QStringLiteral("Abc") << QStringLiteral("abc") << PasswordProblem::Mismatch;
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
        QVERIFY(back.Load(file, QDate(2026, 12, 10)));
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
                                    ScrambleLine("2=\xAF"
                                                 "aneta=K=0==20",
                                                 true) +
                                    "\r\n";
        QCOMPARE(ReadAll(file), expected);

        ProfileList missing;
        missing.Lines = {QStringLiteral("x")};
        QVERIFY(missing.Load(dir.filePath(QStringLiteral("none.txt")), QDate(2026, 12, 10)));
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
        QVERIFY(
            QDir(users + QStringLiteral("/3_Media_temp")).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

        QFile rec(users + QStringLiteral("/3_Media_arch/r2.wav"));
        QVERIFY(rec.open(QIODevice::WriteOnly));
        rec.close();
        QVERIFY(CreateLearnerData(users, 4));
        QVERIFY(DeleteLearnerData(users, 3).isEmpty());
        QStringList left = QDir(users).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        left.sort();
        QCOMPARE(left, (QStringList{QStringLiteral("4_Media_arch"), QStringLiteral("4_Media_temp"),
                                    QStringLiteral("4_config.xml"), QStringLiteral("4_stat.xml")}));
    }
};

QTEST_GUILESS_MAIN(TstLearnerProfiles)
#include "tst_learner_profiles.moc"
