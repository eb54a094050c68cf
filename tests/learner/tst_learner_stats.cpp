// Progress statistics: recording and rescheduling a result, the ancestors' averages,
// loading into the catalogue, due repetitions, and damaged or interrupted files.

#include "LearnerFixtures.h"

#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Learner;

namespace {

const QDate Today(2026, 12, 10);
constexpr int Learner3 = 3;

LearnerSettings Scheduling(bool on, int threshold = 61)
{
    LearnerSettings s = LearnerSettings::Defaults();
    s.ScheduleRepetitions = on;
    s.RepetitionThreshold = threshold;
    return s;
}

ResultPanelState Shown(int value)
{
    ResultPanelState panel;
    panel.Present = true;
    panel.Visible = true;
    panel.Value = value;
    return panel;
}

QByteArray ReadAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

constexpr int LargeFileRecords = 3000;

QByteArray LargeStatistics()
{
    QByteArray xml("<?xml version=\"1.0\"?><cwiczenia>");
    for (int i = 0; i < LargeFileRecords; ++i)
        xml += "<plik nazwa=\"loop" + QByteArray::number(i) +
               ".xml\"><dane id=\"1\"><data>01-12-2026</data><postep>50</postep><czas>00:00:00</czas>"
               "<datapowtorka>2026-12-04=2</datapowtorka><posteppowtorka>50</posteppowtorka></dane></plik>";
    return xml + "</cwiczenia>";
}

// Writes results for ever on a large file, to be killed in the middle of a save.
int SaveLoop(const QString &users)
{
    SmallCatalogue cat;
    for (int round = 0;; ++round) {
        ResultPanelState panel = Shown(round % 101);
        RecordExerciseResult(*cat.e2, panel, Scheduling(true), Today, users, Learner3);
    }
}

} // namespace

class TstLearnerStats : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList shown;
    QString users() const { return dir.path(); }
    QString file() const { return StatisticsPath(users(), Learner3); }

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
        QVERIFY(CreateEmptyStatisticsFile(users(), Learner3));
    }

    void scheduling_data()
    {
        QTest::addColumn<QString>("repeatDate");
        QTest::addColumn<int>("factor");
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<QString>("expectedDate");
        QTest::addColumn<int>("expectedFactor");
        const QString earlier = QStringLiteral("2026-11-30");
        const auto in = [](int days) { return RepeatDateText(Today.addDays(days)); };
        QTest::addRow("first result 100") << QString() << 8 << 100 << 61 << in(3) << 1;
        QTest::addRow("first result 0") << QString() << 1 << 0 << 61 << in(3) << 1;
        QTest::addRow("15 starts again") << earlier << 4 << 15 << 61 << in(3) << 1;
        QTest::addRow("16 doubles") << earlier << 1 << 16 << 61 << in(6) << 2;
        QTest::addRow("between doubles") << earlier << 4 << 40 << 61 << in(24) << 8;
        QTest::addRow("equal to T doubles") << earlier << 2 << 61 << 61 << in(12) << 4;
        QTest::addRow("above T retires") << earlier << 2 << 62 << 61 << QStringLiteral("0") << 2;
        QTest::addRow("retired then failing") << QStringLiteral("0") << 4 << 40 << 61 << in(24) << 8;
        QTest::addRow("retired then 10") << QStringLiteral("0") << 4 << 10 << 61 << in(3) << 1;
        QTest::addRow("100 with T 100") << earlier << 1 << 100 << 100 << in(6) << 2;
    }
    void scheduling()
    {
        QFETCH(QString, repeatDate);
        QFETCH(int, factor);
        QFETCH(int, score);
        QFETCH(int, threshold);
        QFETCH(QString, expectedDate);
        QFETCH(int, expectedFactor);
        SmallCatalogue cat;
        cat.e1->RepeatDate = repeatDate;
        cat.e1->RepeatFactor = factor;
        ResultPanelState panel = Shown(score);
        QVERIFY(RecordExerciseResult(*cat.e1, panel, Scheduling(true, threshold), Today, users(), Learner3));
        QCOMPARE(cat.e1->RepeatDate, expectedDate);
        QCOMPARE(cat.e1->RepeatFactor, expectedFactor);
        QCOMPARE(cat.e1->RepeatProgress, score);
        QCOMPARE(cat.e1->Progress, score);
        const QDomElement rec = Record(ReadStatistics(file()), QStringLiteral("a.xml"), 1);
        QCOMPARE(rec.firstChildElement(QStringLiteral("datapowtorka")).text(),
                 expectedDate + QLatin1Char('=') + QString::number(expectedFactor));
    }

    void schedulingOff()
    {
        SmallCatalogue cat;
        cat.e1->RepeatDate = QStringLiteral("2026-11-30");
        cat.e1->RepeatFactor = 4;
        cat.e1->RepeatProgress = 30;
        ResultPanelState panel = Shown(90);
        QVERIFY(RecordExerciseResult(*cat.e1, panel, Scheduling(false), Today, users(), Learner3));
        QCOMPARE(cat.e1->Progress, 90);
        QCOMPARE(cat.e1->LastDate, QStringLiteral("10-12-2026"));
        QCOMPARE(cat.e1->Time, QStringLiteral("00:00:00"));
        QCOMPARE(cat.e1->RepeatDate, QStringLiteral("2026-11-30"));
        QCOMPARE(cat.e1->RepeatFactor, 4);
        QCOMPARE(cat.e1->RepeatProgress, 30);
    }

    // The record as written, and the ancestors' truncated means: groups and the root share
    // the key ("", 0), so the root's mean is what remains there.
    void recordAndAncestors()
    {
        SmallCatalogue cat;
        ResultPanelState panel = Shown(80);
        QVERIFY(RecordExerciseResult(*cat.i1, panel, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(panel.Tag, 1);
        // i2 has 0, i3 (kind 11) has no score: (80 + 0) / 2.
        QCOMPARE(cat.pkg->Progress, 40);
        QCOMPARE(cat.g1->Progress, 20);         // (a 0 + package 40) / 2
        QCOMPARE(cat.tree.Root()->Progress, 6); // (20 + 0 + 0) / 3, truncated

        const QDomDocument doc = ReadStatistics(file());
        const QDomElement rec = Record(doc, QStringLiteral("Paczki\\i1.xml"), 1);
        QStringList children;
        for (QDomElement c = rec.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
            children << c.tagName() + QLatin1Char(':') + c.text();
        QCOMPARE(children,
                 (QStringList{QStringLiteral("data:10-12-2026"), QStringLiteral("postep:80"),
                              QStringLiteral("czas:00:00:00"), QStringLiteral("datapowtorka:2026-12-13=1"),
                              QStringLiteral("posteppowtorka:80")}));
        QCOMPARE(Record(doc, QStringLiteral("p.xml"), 101).firstChildElement(QStringLiteral("postep")).text(),
                 QStringLiteral("40"));
        const QDomElement shared = Record(doc, QString(), 0);
        QCOMPARE(shared.firstChildElement(QStringLiteral("postep")).text(), QStringLiteral("6"));
        QCOMPARE(shared.firstChildElement(QStringLiteral("datapowtorka")).text(), QStringLiteral("=1"));
        QCOMPARE(doc.documentElement().elementsByTagName(QStringLiteral("plik")).size(), 3);
    }

    void recordedOncePerPanelTag()
    {
        SmallCatalogue cat;
        ResultPanelState panel = Shown(70);
        QVERIFY(RecordExerciseResult(*cat.e2, panel, Scheduling(true), Today, users(), Learner3));
        const QByteArray once = ReadAll(file());
        panel.Value = 20; // leaving the screen again after the same check
        QVERIFY(RecordExerciseResult(*cat.e2, panel, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(ReadAll(file()), once);
        QCOMPARE(cat.e2->Progress, 70);

        ResultPanelState hidden = Shown(50);
        hidden.Visible = false;
        ResultPanelState absent;
        QVERIFY(RecordExerciseResult(*cat.e1, hidden, Scheduling(true), Today, users(), Learner3));
        QVERIFY(RecordExerciseResult(*cat.e1, absent, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(ReadAll(file()), once);
        QCOMPARE(hidden.Tag, 0);
    }

    void scorelessKindGetsDatedRecord()
    {
        SmallCatalogue cat;
        ResultPanelState absent;
        QVERIFY(RecordExerciseResult(*cat.i3, absent, Scheduling(true), Today, users(), Learner3));
        const QDomElement rec = Record(ReadStatistics(file()), QStringLiteral("Paczki\\i3.xml"), 11);
        QCOMPARE(rec.firstChildElement(QStringLiteral("postep")).text(), QStringLiteral("-1"));
        QCOMPARE(rec.firstChildElement(QStringLiteral("data")).text(), QStringLiteral("10-12-2026"));
        QCOMPARE(rec.firstChildElement(QStringLiteral("datapowtorka")).text(), QStringLiteral("=1"));
        QVERIFY(cat.i3->HasResult);
        QVERIFY(!Record(ReadStatistics(file()), QStringLiteral("p.xml"), 101).isNull());
    }

    void loadRoundTrip()
    {
        SmallCatalogue first;
        ResultPanelState a = Shown(55);
        ResultPanelState b = Shown(100);
        RecordExerciseResult(*first.e1, a, Scheduling(true), Today, users(), Learner3);
        RecordExerciseResult(*first.i2, b, Scheduling(true), Today, users(), Learner3);

        SmallCatalogue second;
        for (Course::TElement *n : second.list) { // what the learner before left in the nodes
            n->Progress = 99;
            n->RepeatDate = QStringLiteral("2020-01-01");
            n->HasResult = true;
        }
        const StatisticsLoadResult r = LoadStatistics(second.list, users(), Learner3, Today);
        QCOMPARE(r.State, StatisticsFileState::Read);
        QCOMPARE(second.e1->Progress, 55);
        QCOMPARE(second.e1->LastDate, QStringLiteral("10-12-2026"));
        QCOMPARE(second.e1->Time, QStringLiteral("00:00:00"));
        QCOMPARE(second.e1->RepeatDate, QStringLiteral("2026-12-13"));
        QCOMPARE(second.e1->RepeatFactor, 1);
        QCOMPARE(second.e1->RepeatProgress, 55);
        QCOMPARE(second.i2->Progress, 100);
        QCOMPARE(second.pkg->Progress, first.pkg->Progress);
        QVERIFY(second.g2->HasResult); // the shared ("", 0) record
        // Nodes without a record get the defaults, not the previous values.
        QVERIFY(!second.e2->HasResult);
        QCOMPARE(second.e2->Progress, 0);
        QCOMPARE(second.e2->RepeatDate, QString());
        QCOMPARE(second.i3->Progress, -1);
        QCOMPARE(second.i3->RepeatProgress, -1);
        QVERIFY(shown.isEmpty());
    }

    // The first record of (file, kind) in document order; a bad record is skipped alone.
    void loadSearchAndBadRecords()
    {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(
            "<?xml version=\"1.0\"?><cwiczenia>"
            "<plik nazwa=\"a.xml\"><dane id=\"3\"><postep>11</postep><posteppowtorka>1</posteppowtorka>"
            "<datapowtorka>=1</datapowtorka></dane></plik>"
            "<plik nazwa=\"A.XML\"><dane id=\"1\"><postep>12</postep><posteppowtorka>1</posteppowtorka>"
            "<datapowtorka>=1</datapowtorka></dane></plik>"
            "<plik nazwa=\"a.xml\"><dane "
            "id=\"1\"><data>01-12-2026</data><postep>42</postep><czas>00:00:00</czas>"
            "<datapowtorka>2026-12-04=2</datapowtorka><posteppowtorka>42</posteppowtorka></dane>"
            "<dane "
            "id=\"1\"><postep>43</postep><posteppowtorka>1</posteppowtorka><datapowtorka>=1</datapowtorka>"
            "</dane></plik>"
            "<plik nazwa=\"b.xml\"><dane id=\"4\"><postep>x</postep><posteppowtorka>1</posteppowtorka>"
            "<datapowtorka>=1</datapowtorka></dane></plik>"
            "<plik nazwa=\"c.xml\"><dane id=\"7\"><postep>5</postep><posteppowtorka>5</posteppowtorka>"
            "<datapowtorka>2026-12-20</datapowtorka></dane></plik>"
            "</cwiczenia>");
        f.close();
        SmallCatalogue cat;
        const StatisticsLoadResult r = LoadStatistics(cat.list, users(), Learner3, Today);
        QCOMPARE(r.State, StatisticsFileState::Read);
        QCOMPARE(r.SkippedRecords, 2); // b.xml's postep, c.xml's missing factor
        QCOMPARE(cat.e1->Progress, 42);
        QCOMPARE(cat.e1->RepeatDate, QStringLiteral("2026-12-04"));
        QCOMPARE(cat.e1->RepeatFactor, 2);
        QVERIFY(!cat.e2->HasResult);
        QVERIFY(!cat.e3->HasResult);
    }

    void missingFileIsCreated()
    {
        QFile::remove(file());
        SmallCatalogue cat;
        cat.e1->Progress = 77;
        const StatisticsLoadResult r = LoadStatistics(cat.list, users(), Learner3, Today);
        QCOMPARE(r.State, StatisticsFileState::Missing);
        QCOMPARE(shown,
                 QStringList{QStringLiteral("Brak pliku ze statystykami! Plik został stworzony ponownie! ")});
        QCOMPARE(cat.e1->Progress, 0);
        QCOMPARE(ReadStatistics(file()).documentElement().tagName(), QStringLiteral("cwiczenia"));
    }

    // A missing file that cannot be made again is said so, not said re-created.
    void missingFileThatCannotBeMade()
    {
        SmallCatalogue cat;
        const StatisticsLoadResult r =
            LoadStatistics(cat.list, users() + QStringLiteral("/gone"), Learner3, Today);
        QCOMPARE(r.State, StatisticsFileState::Failed);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(!shown[0].contains(QStringLiteral("stworzony ponownie")) &&
                     shown[0].contains(QStringLiteral("folder nie istnieje")),
                 qPrintable(shown[0]));
    }

    void damagedFileIsKeptAndReported()
    {
        const QByteArray damaged(
            "<?xml version=\"1.0\"?><cwiczenia><plik nazwa=\"a.xml\"><dane id=\"1\"><post");
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
        f.close();
        SmallCatalogue cat;
        const StatisticsLoadResult r = LoadStatistics(cat.list, users(), Learner3, Today);
        QCOMPARE(r.State, StatisticsFileState::Damaged);
        QCOMPARE(ReadAll(r.DamagedCopy), damaged);
        QVERIFY(r.DamagedCopy.endsWith(Today.toString(u"'.damaged-'yyyy-MM-dd")));
        QCOMPARE(shown.size(), 1);
        QVERIFY(shown[0].contains(QDir::toNativeSeparators(file())));
        QVERIFY(shown[0].contains(QDir::toNativeSeparators(r.DamagedCopy)));
        QCOMPARE(ReadStatistics(file()).documentElement().tagName(), QStringLiteral("cwiczenia"));

        // A result recorded on a damaged file also keeps it first.
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("<statystyki/>");
        f.close();
        ResultPanelState panel = Shown(10);
        QVERIFY(RecordExerciseResult(*cat.e1, panel, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(ReadAll(r.DamagedCopy + QStringLiteral("-2")), QByteArray("<statystyki/>"));
        QVERIFY(!Record(ReadStatistics(file()), QStringLiteral("a.xml"), 1).isNull());
    }

    // A file read in its own encoding is saved in it, so reading it again gives every
    // record, Polish file names included.
    void encodingSurvivesRecording_data() { AddEncodingRows(); }
    void encodingSurvivesRecording()
    {
        QFETCH(QString, declaration);
        QFETCH(QByteArray, scheme);
        QFETCH(QByteArray, marker);
        const QString name = QStringLiteral("Paczki\\świat.xml");
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(Encoded(
            declaration + QStringLiteral("\n<cwiczenia>\n <plik nazwa=\"") + name +
                QStringLiteral("\">\n  <dane id=\"1\"><data>01-12-2026</data><postep>42</postep>"
                               "<czas>00:00:00</czas><datapowtorka>2026-12-04=2</datapowtorka>"
                               "<posteppowtorka>42</posteppowtorka></dane>\n </plik>\n</cwiczenia>\n"),
            scheme));
        f.close();
        for (int round = 0; round < 2; ++round) {
            SmallCatalogue cat;
            cat.i1->FileName = name;
            QCOMPARE(LoadStatistics(cat.list, users(), Learner3, Today).State, StatisticsFileState::Read);
            QCOMPARE(cat.i1->Progress, 42);
            QCOMPARE(cat.e1->Progress, round ? 70 : 0);
            ResultPanelState panel = Shown(70);
            QVERIFY(RecordExerciseResult(*cat.e1, panel, Scheduling(true), Today, users(), Learner3));
        }
        QVERIFY(shown.isEmpty());
        // Qt's own reader, which goes by the declaration and the byte order mark, agrees.
        const QByteArray bytes = ReadAll(file());
        QVERIFY2(bytes.contains(marker), bytes.left(80).toHex(' ').constData());
        QDomDocument doc;
        QVERIFY(doc.setContent(bytes));
        QCOMPARE(Record(doc, name, 1).firstChildElement(QStringLiteral("postep")).text(),
                 QStringLiteral("42"));
        QCOMPARE(Record(doc, QStringLiteral("a.xml"), 1).firstChildElement(QStringLiteral("postep")).text(),
                 QStringLiteral("70"));
    }

    // A damaged file is kept aside; every record that ended before the damage is carried
    // into the new file and loaded, and the learner is told how many.
    void damagedFileKeepsWholeRecords_data()
    {
        QTest::addColumn<QByteArray>("tail");
        QTest::addColumn<int>("recovered");
        QTest::addColumn<QString>("told");
        const QByteArray half("<plik nazwa=\"c.xml\"><dane id=\"7\"><data>01-12-2026</data><pos");
        QTest::addRow("cut in a value") << half << 3 << QStringLiteral("Odzyskano z niego 3 wyniki");
        QTest::addRow("cut in a tag") << QByteArray("<plik nazwa=\"c.x") << 3 << QStringLiteral("3 wyniki");
        QTest::addRow("unknown entity")
            << QByteArray("<plik nazwa=\"&x;\"></plik></cwiczenia>") << 3 << QStringLiteral("3 wyniki");
        QTest::addRow("zero bytes") << QByteArray(2000, '\0') << 3 << QStringLiteral("3 wyniki");
        QTest::addRow("nothing whole") << QByteArray() << 0 << QStringLiteral("Nie udało się odzyskać");
    }
    void damagedFileKeepsWholeRecords()
    {
        QFETCH(QByteArray, tail);
        QFETCH(int, recovered);
        QFETCH(QString, told);
        const auto record = [](const char *name, int kind, int progress) -> QByteArray {
            return QByteArray("<plik nazwa=\"") + name + "\"><dane id=\"" + QByteArray::number(kind) +
                   "\"><data>01-12-2026</data><postep>" + QByteArray::number(progress) +
                   "</postep><czas>00:00:00</czas><datapowtorka>2026-12-20=4</datapowtorka>"
                   "<posteppowtorka>30</posteppowtorka></dane></plik>\n";
        };
        QByteArray damaged("<?xml version=\"1.0\"?>\n<cwiczenia>\n");
        if (recovered)
            damaged += record("a.xml", 1, 42) + record("Paczki\\i1.xml", 1, 80) + record("b.xml", 4, 15);
        else
            damaged += "<plik nazwa=\"a.xml\"><dane id=\"1\"><postep>4";
        damaged += tail;
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(damaged);
        f.close();

        SmallCatalogue cat;
        const StatisticsLoadResult r = LoadStatistics(cat.list, users(), Learner3, Today);
        QCOMPARE(r.State, StatisticsFileState::Damaged);
        QCOMPARE(r.RecoveredRecords, recovered);
        QCOMPARE(ReadAll(r.DamagedCopy), damaged);
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown[0].contains(told), qPrintable(shown[0]));
        QCOMPARE(cat.e1->Progress, recovered ? 42 : 0);
        QCOMPARE(cat.e2->RepeatFactor, recovered ? 4 : 1);

        // The new file holds them and reads without a word.
        shown.clear();
        SmallCatalogue again;
        QCOMPARE(LoadStatistics(again.list, users(), Learner3, Today).State, StatisticsFileState::Read);
        QCOMPARE(again.i1->Progress, recovered ? 80 : 0);
        QCOMPARE(again.e2->Progress, recovered ? 15 : 0);
        QVERIFY(shown.isEmpty());
    }

    // Results of a repetition go to the catalogue: the exercise is no longer due, the next
    // repetition goes on from the new factor, and the ancestors' means are the catalogue's.
    void repetitionRecordsOnCatalogue()
    {
        SmallCatalogue cat;
        for (Course::TElement *n : {cat.i1, cat.i2}) {
            n->RepeatDate = QStringLiteral("2026-12-09");
            n->RepeatFactor = 2;
        }
        cat.e1->Progress = 90;
        Course::TDrzewo repetitions;
        QList<Course::TElement *> list;
        FindDueRepetitions(cat.tree, repetitions, list, Today);
        QCOMPARE(list.size(), 4); // group, package, i1, i2
        Course::TElement *copy = list[2];
        QCOMPARE(copy->FileName, QStringLiteral("Paczki\\i1.xml"));

        ResultPanelState first = Shown(40);
        QVERIFY(RecordExerciseResult(*copy, first, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(cat.i1->RepeatFactor, 4);
        QCOMPARE(cat.i1->RepeatDate, RepeatDateText(Today.addDays(12)));
        QCOMPARE(copy->RepeatFactor, 4);
        QCOMPARE(cat.pkg->Progress, 20); // (40 + 0) / 2 over the package's items
        QCOMPARE(list[1]->Progress, 20); // its copy shows the same
        QCOMPARE(cat.g1->Progress, 55);  // (90 + 20) / 2: a.xml counts though it is not due

        Course::TDrzewo again;
        FindDueRepetitions(cat.tree, again, list, Today);
        QStringList titles;
        for (const Course::TElement *n : list)
            titles << Utils::GetField(3, n->Title, QLatin1Char('='));
        QCOMPARE(titles, (QStringList{QStringLiteral("Grupa 1"), QStringLiteral("Paczka"),
                                      QStringLiteral("Item 2")}));

        // Opened again from the old list, the copy goes on from factor 4.
        ResultPanelState second = Shown(40);
        QVERIFY(RecordExerciseResult(*copy, second, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(cat.i1->RepeatFactor, 8);
        SmallCatalogue loaded;
        LoadStatistics(loaded.list, users(), Learner3, Today);
        QCOMPARE(loaded.i1->RepeatFactor, 8);
        QCOMPARE(loaded.pkg->Progress, 20);
    }

    // Numbers read from the file stay within what the program writes, so nothing computed
    // from them overflows.
    void numbersFromFileAreBounded_data()
    {
        QTest::addColumn<QByteArray>("postep");
        QTest::addColumn<QByteArray>("schedule");
        QTest::addColumn<int>("progress");
        QTest::addColumn<int>("factorAfter");
        QTest::addRow("huge factor") << QByteArray("50") << QByteArray("2026-12-01=1073741824") << 50
                                     << MaxRepeatFactor;
        QTest::addRow("largest factor")
            << QByteArray("50") << QByteArray("2026-12-01=2147483647") << 50 << MaxRepeatFactor;
        QTest::addRow("negative factor") << QByteArray("50") << QByteArray("2026-12-01=-8") << 50 << 2;
        QTest::addRow("huge progress") << QByteArray("2147483647") << QByteArray("2026-12-01=2") << 100 << 4;
        QTest::addRow("very negative progress") << QByteArray("-2147483648") << QByteArray("=1") << -1 << 1;
    }
    void numbersFromFileAreBounded()
    {
        QFETCH(QByteArray, postep);
        QFETCH(QByteArray, schedule);
        QFETCH(int, progress);
        QFETCH(int, factorAfter);
        QByteArray xml("<?xml version=\"1.0\"?><cwiczenia>");
        for (const char *name : {"Paczki\\i1.xml", "Paczki\\i2.xml"})
            xml += QByteArray("<plik nazwa=\"") + name + "\"><dane id=\"" + (name[8] == '1' ? "1" : "3") +
                   "\"><data>01-12-2026</data><postep>" + postep +
                   "</postep><czas>00:00:00</czas><datapowtorka>" + schedule +
                   "</datapowtorka><posteppowtorka>" + postep + "</posteppowtorka></dane></plik>";
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(xml + "</cwiczenia>");
        f.close();
        SmallCatalogue cat;
        QCOMPARE(LoadStatistics(cat.list, users(), Learner3, Today).State, StatisticsFileState::Read);
        QCOMPARE(cat.i1->Progress, progress);
        QCOMPARE(cat.i1->RepeatProgress, progress);

        // The package's mean over two items at the limit, and one more doubling.
        ResultPanelState panel = Shown(40);
        QVERIFY(RecordExerciseResult(*cat.i1, panel, Scheduling(true), Today, users(), Learner3));
        QCOMPARE(cat.pkg->Progress, progress < 0 ? 40 : (40 + progress) / 2);
        QCOMPARE(cat.i1->RepeatFactor, factorAfter);
        QVERIFY(ParseRepeatDate(cat.i1->RepeatDate) > Today);
    }

    void dueRepetitions()
    {
        SmallCatalogue cat;
        cat.i1->RepeatDate = QStringLiteral("2026-12-09");
        cat.i2->RepeatDate = QStringLiteral("2026-12-10");
        cat.e1->RepeatDate = QStringLiteral("0");
        cat.e2->RepeatDate = QStringLiteral("2026-12-11"); // tomorrow
        cat.e3->RepeatDate = QStringLiteral("2026-1-5");   // one-digit month and day read too
        cat.pkg->Expanded = true;

        Course::TDrzewo repetitions;
        QList<Course::TElement *> list{cat.e1};
        FindDueRepetitions(cat.tree, repetitions, list, Today);
        QStringList titles;
        for (const Course::TElement *n : list) {
            titles << n->Title;
            QVERIFY(!n->Expanded);
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("0=0=Grupa 1"), QStringLiteral("1=1=Paczka"),
                                      QStringLiteral("2=2=Item 1"), QStringLiteral("3=2=Item 2"),
                                      QStringLiteral("4=0=C")}));
        QCOMPARE(list[1]->Parent, list[0]);
        QCOMPARE(list[3]->Parent, list[1]);
        QCOMPARE(list[4]->Parent, repetitions.Root());
        QCOMPARE(list[2]->FileName, QStringLiteral("Paczki\\i1.xml"));
        QCOMPARE(cat.i1->Title, QStringLiteral("3=2=Item 1")); // the catalogue is left alone
    }

    void dueRepetitionsEmpty()
    {
        SmallCatalogue cat;
        cat.e1->RepeatDate = QStringLiteral("10-12-2026"); // not year first: never due
        Course::TDrzewo repetitions;
        QList<Course::TElement *> list;
        FindDueRepetitions(cat.tree, repetitions, list, Today.addYears(5));
        QVERIFY(list.isEmpty());
        QCOMPARE(repetitions.NodeCount(), 1);
    }

    // Killing the program in the middle of saving leaves a whole file, old or new.
    void killedSaveLeavesWholeFile()
    {
        QFile f(file());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(LargeStatistics());
        f.close();
        for (int attempt = 0; attempt < 4; ++attempt) {
            QProcess child;
            child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--save-loop"), users()});
            QVERIFY(child.waitForStarted());
            QTest::qWait(300 + 170 * attempt);
            child.kill();
            QVERIFY(child.waitForFinished());
            const QDomDocument doc = ReadStatistics(file());
            QCOMPARE(doc.documentElement().tagName(), QStringLiteral("cwiczenia"));
            const int files = doc.documentElement().elementsByTagName(QStringLiteral("plik")).size();
            QVERIFY2(files >= LargeFileRecords, qPrintable(QString::number(files)));
            QVERIFY(QDir(users()).entryList({QStringLiteral("*.damaged*")}).isEmpty());
        }
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--save-loop") == 0)
        return SaveLoop(QString::fromLocal8Bit(argv[2]));
    TstLearnerStats test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_learner_stats.moc"
