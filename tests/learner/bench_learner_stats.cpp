// RecordExerciseResult on a statistics file of 5,000 records, and LoadStatistics of a
// 2,000-node catalogue against it. Run by hand: bench_learner_stats -iterations 5

#include "LearnerFixtures.h"

#include "learner/Struct_Config.h"
#include "learner/Struct_Stat.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Learner;

class BenchLearnerStats : public QObject
{
    Q_OBJECT
    QTemporaryDir dir;
    Course::TDrzewo tree;
    QList<Course::TElement *> list;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QByteArray xml("<?xml version=\"1.0\"?><cwiczenia>");
        for (int i = 0; i < 5000; ++i)
            xml += "<plik nazwa=\"f" + QByteArray::number(i) +
                   ".xml\"><dane id=\"1\"><data>01-12-2026</data><postep>" + QByteArray::number(i % 101) +
                   "</postep><czas>00:00:00</czas><datapowtorka>2026-12-04=2</datapowtorka>"
                   "<posteppowtorka>50</posteppowtorka></dane></plik>";
        QFile f(StatisticsPath(dir.path(), 1));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(xml + "</cwiczenia>");
        f.close();
        // 20 groups of 99 exercises, every second one with a record.
        for (int g = 0; g < 20; ++g) {
            Course::TElement *group = tree.AddNode(nullptr);
            group->Id = g + 10;
            for (int e = 0; e < 99; ++e) {
                Course::TElement *n = tree.AddNode(group);
                n->Kind = 1;
                n->FileName = QStringLiteral("f%1.xml").arg((g * 99 + e) * 2);
            }
        }
        Course::NumberTree(tree.Root(), 0, list);
        QCOMPARE(list.size(), 2000);
    }

    void recordExerciseResult()
    {
        Course::TElement *node = list.last();
        const LearnerSettings settings = LearnerSettings::Defaults();
        QBENCHMARK
        {
            ResultPanelState panel;
            panel.Present = panel.Visible = true;
            panel.Value = 50;
            QVERIFY(RecordExerciseResult(*node, panel, settings, QDate(2026, 12, 10), dir.path(), 1));
        }
    }

    void loadStatistics()
    {
        QBENCHMARK
        {
            LoadStatistics(list, dir.path(), 1, QDate(2026, 12, 10));
        }
        QVERIFY(list[1]->HasResult);
    }
};

QTEST_GUILESS_MAIN(BenchLearnerStats)
#include "bench_learner_stats.moc"
