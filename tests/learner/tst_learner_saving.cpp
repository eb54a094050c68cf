// Saving the learner's files when the disk is full or read-only, when a file may grow no
// more, and when the program is killed in the middle of a save: the old file stays whole,
// the learner is told why in Polish, and nothing is left behind.

#include "LearnerFixtures.h"

#include "learner/LearnerFiles.h"
#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "learner/TUser.h"
#include "utils/SystemMessage.h"

#include <QDir>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <random>
#include <sys/mount.h>
#include <sys/resource.h>

using namespace Learner;

namespace {

const QDate Today(2026, 12, 10);
constexpr int Learner3 = 3;

LearnerSettings NoScheduling()
{
    LearnerSettings s = LearnerSettings::Defaults();
    s.ScheduleRepetitions = 0;
    return s;
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool RecordOn(Course::TElement &node, int value, const QString &users, QString *error = nullptr)
{
    ResultPanelState panel;
    panel.Present = panel.Visible = true;
    panel.Value = value;
    return RecordExerciseResult(node, panel, NoScheduling(), Today, users, Learner3, error);
}

// The three files of one learner and the profile list, as a save finds them.
void MakeLearner(const QString &users)
{
    QVERIFY(CreateLearnerData(users, Learner3));
    SmallCatalogue cat;
    for (Course::TElement *n : {cat.e1, cat.i1, cat.i2, cat.e2, cat.e3})
        QVERIFY(RecordOn(*n, 40, users));
    ProfileList list;
    list.Lines = {QStringLiteral("3=Anna=K=0==10"), QStringLiteral("4=Jan=M=1=abc=20")};
    QVERIFY(list.Save(ProfileListPath(users)));
}

QHash<QString, QByteArray> Snapshot(const QString &users)
{
    QHash<QString, QByteArray> files;
    for (const QString &name : QDir(users).entryList(QDir::Files | QDir::Hidden))
        files.insert(name, ReadAll(users + QLatin1Char('/') + name));
    return files;
}

enum Writer { StatisticsWriter, ProfilesWriter, SettingsWriter };

bool Save(Writer writer, const QString &users, QString *error)
{
    switch (writer) {
    case StatisticsWriter: {
        SmallCatalogue cat;
        LoadStatistics(cat.list, users, Learner3, Today);
        return RecordOn(*cat.e1, 99, users, error);
    }
    case ProfilesWriter: {
        ProfileList list;
        list.Load(ProfileListPath(users), Today);
        list.Lines << QStringLiteral("5=Ola=K=0==12");
        return list.Save(ProfileListPath(users), error);
    }
    case SettingsWriter: {
        LearnerSettings s = LearnerSettings::Defaults();
        s.RepetitionThreshold = 99;
        return SaveSettingsFile(users, Learner3, s, error);
    }
    }
    return false;
}

// Saves for ever, to be killed at any moment: results of b.xml and the repetition
// threshold, both the save's round number.
int SaveLoop(const QString &users)
{
    SmallCatalogue cat;
    LearnerSettings settings = NoScheduling();
    for (int round = 0;; ++round) {
        RecordOn(*cat.e2, round % 101, users);
        settings.RepetitionThreshold = 31 + round % 70;
        SaveSettingsFile(users, Learner3, settings);
        if (round == 0) {
            fputs("ready\n", stdout);
            fflush(stdout);
        }
    }
}

} // namespace

class TstLearnerSaving : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    QStringList shown;
    QString mountPoint;

    // A small tmpfs of its own, or a skip when this system does not let us mount one.
    bool Mount(const char *options)
    {
        mountPoint = dir.filePath(QStringLiteral("disk"));
        QDir().mkpath(mountPoint);
        if (::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, options) != 0) {
            mountPoint.clear();
            return false;
        }
        return true;
    }
    void Unmount()
    {
        if (!mountPoint.isEmpty())
            ::umount2(QFile::encodeName(mountPoint).constData(), MNT_DETACH);
        mountPoint.clear();
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(dir.isValid());
        Utils::SetSystemErrorHandler([this](const QString &, const QString &text) { shown << text; });
        std::signal(SIGXFSZ, SIG_IGN); // a file past the size limit fails its write instead
    }
    void cleanup() { Unmount(); }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<int>("writer");
        QTest::addColumn<QString>("condition");
        QTest::addColumn<QString>("reason");
        const struct
        {
            const char *name;
            const char *reason;
        } conditions[] = {{"full disk", "brak miejsca na dysku"},
                          {"read-only disk", "tylko do odczytu"},
                          {"file size limit", "przekracza dopuszczalny rozmiar"}};
        const struct
        {
            Writer writer;
            const char *name;
        } writers[] = {
            {StatisticsWriter, "statistics"}, {ProfilesWriter, "profile list"}, {SettingsWriter, "settings"}};
        for (const auto &condition : conditions)
            for (const auto &writer : writers)
                QTest::addRow("%s, %s", writer.name, condition.name)
                    << int(writer.writer) << QString::fromLatin1(condition.name)
                    << QString::fromUtf8(condition.reason);
    }
    void failedSaveKeepsOldFile()
    {
        QFETCH(int, writer);
        QFETCH(QString, condition);
        QFETCH(QString, reason);
        QString users = dir.filePath(QStringLiteral("limited"));
        QDir(users).removeRecursively();
        if (condition != u"file size limit") {
            if (!Mount("size=256k"))
                QSKIP("a tmpfs cannot be mounted here (mounting needs root)");
            users = mountPoint + QStringLiteral("/Users");
        }
        QVERIFY(QDir().mkpath(users));
        MakeLearner(users);
        const QHash<QString, QByteArray> before = Snapshot(users);

        if (condition == u"full disk") {
            QFile filler(mountPoint + QStringLiteral("/filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
            const QByteArray block(4096, 'x');
            while (filler.write(block) == block.size()) {
            }
        } else if (condition == u"read-only disk") {
            QCOMPARE(::mount("tmpfs", QFile::encodeName(mountPoint).constData(), "tmpfs",
                             MS_REMOUNT | MS_RDONLY, nullptr),
                     0);
        }
        rlimit old{};
        if (condition == u"file size limit") {
            QCOMPARE(::getrlimit(RLIMIT_FSIZE, &old), 0);
            rlimit small = old;
            small.rlim_cur = 16;
            QCOMPARE(::setrlimit(RLIMIT_FSIZE, &small), 0);
        }
        shown.clear();
        QString error;
        const bool saved = Save(Writer(writer), users, &error);
        if (condition == u"file size limit")
            ::setrlimit(RLIMIT_FSIZE, &old);

        QVERIFY(!saved);
        QVERIFY2(error.contains(QStringLiteral("Nie można zapisać pliku")) && error.contains(reason),
                 qPrintable(error));
        QVERIFY(shown.isEmpty()); // the caller shows error
        QCOMPARE(Snapshot(users), before);
    }

    // What interrupted saves left behind goes; nothing else does.
    void interruptedSavesAreRemoved()
    {
        const QString users = dir.filePath(QStringLiteral("leftovers"));
        QVERIFY(QDir().mkpath(users));
        const QStringList leftovers{QStringLiteral("usr.txt.Ab12Cd"), QStringLiteral("3_stat.xml.XyZ123"),
                                    QStringLiteral("12_config.xml.000000")};
        const QStringList kept{QStringLiteral("usr.txt"), QStringLiteral("3_stat.xml.damaged-2026-12-10"),
                               QStringLiteral("notes.txt.abcdef"), QStringLiteral("3_stat.xml.ab12"),
                               QStringLiteral("x_stat.xml.Ab12Cd")};
        for (const QString &name : leftovers + kept) {
            QFile f(users + QLatin1Char('/') + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        QCOMPARE(Files::RemoveInterruptedSaves(users), 3);
        QStringList left = QDir(users).entryList(QDir::Files);
        left.sort();
        QStringList expected = kept;
        expected.sort();
        QCOMPARE(left, expected);
    }

    // A program killed at any moment of saving its statistics and settings leaves each
    // file whole: byte for byte the old version or the new one.
    void killedSavesLeaveOldOrNew()
    {
        const QString users = dir.filePath(QStringLiteral("killed"));
        QVERIFY(QDir().mkpath(users));
        MakeLearner(users);
        {
            SmallCatalogue cat;
            QVERIFY(RecordOn(*cat.e2, 0, users)); // every record the loop writes is there
        }
        const QByteArray statistics = ReadAll(StatisticsPath(users, Learner3));
        const QByteArray settingsFile = ReadAll(SettingsPath(users, Learner3));

        // Every version the loop can write, made here the same way.
        QSet<QByteArray> statisticsVersions;
        QSet<QByteArray> settingsVersions;
        const QString scratch = dir.filePath(QStringLiteral("versions"));
        QVERIFY(QDir().mkpath(scratch));
        for (int value = 0; value <= 100; ++value) {
            QFile::remove(StatisticsPath(scratch, Learner3));
            QVERIFY(QFile::copy(StatisticsPath(users, Learner3), StatisticsPath(scratch, Learner3)));
            SmallCatalogue cat;
            QVERIFY(RecordOn(*cat.e2, value, scratch));
            statisticsVersions.insert(ReadAll(StatisticsPath(scratch, Learner3)));
        }
        for (int threshold = 31; threshold <= 100; ++threshold) {
            QFile::remove(SettingsPath(scratch, Learner3));
            QVERIFY(QFile::copy(SettingsPath(users, Learner3), SettingsPath(scratch, Learner3)));
            LearnerSettings s = NoScheduling();
            s.RepetitionThreshold = threshold;
            QVERIFY(SaveSettingsFile(scratch, Learner3, s));
            settingsVersions.insert(ReadAll(SettingsPath(scratch, Learner3)));
        }
        QVERIFY(statisticsVersions.contains(statistics));
        settingsVersions.insert(settingsFile);

        std::mt19937 random(12); // the moments of the kills
        std::uniform_int_distribution<int> delay(0, 25);
        constexpr int Kills = 300;
        int leftovers = 0;
        for (int kill = 0; kill < Kills; ++kill) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop"), users});
            QVERIFY(child.waitForStarted());
            QVERIFY(child.waitForReadyRead(20000));
            QTest::qSleep(delay(random));
            child.kill();
            QVERIFY(child.waitForFinished());
            const QByteArray nowStatistics = ReadAll(StatisticsPath(users, Learner3));
            const QByteArray nowSettings = ReadAll(SettingsPath(users, Learner3));
            QVERIFY2(statisticsVersions.contains(nowStatistics),
                     qPrintable(QStringLiteral("kill %1").arg(kill)));
            QVERIFY2(settingsVersions.contains(nowSettings), qPrintable(QStringLiteral("kill %1").arg(kill)));
            leftovers += Files::RemoveInterruptedSaves(users); // as the next start does
        }
        QVERIFY(QDir(users).entryList({QStringLiteral("*.damaged*")}).isEmpty());
        QCOMPARE(QDir(users).entryList(QDir::Files).size(), 3);
        qInfo("%d kills, %d interrupted saves cleaned up", Kills, leftovers);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0)
        return SaveLoop(QString::fromLocal8Bit(argv[2]));
    TstLearnerSaving test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_learner_saving.moc"
