// Paint cost of the gap-typing text: a whole repaint of a long text (the station dialogue of
// the sample course ten times over, with its pictures) as every paint lays it out again, in
// the three views. Run by hand for figures; a repaint should stay within one 60 Hz frame.

#include "ExerciseFixture.h"

#include "exercises/words/uFrmWpisywanie.h"

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

class BenchGapTyping : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;
    TfrmWpisywanie *screen = nullptr;

private slots:
    void initTestCase()
    {
        TExerciseFixture::LoadSkin();
        world = std::make_unique<TExerciseFixture>();
        world->CopyFromProgram(u"Gfx/Wpis_gfx"_s);
        QFile sample(qEnvironmentVariable("AUDIVOX_SOURCE_DIR") + u"/content/Dane/podroze_1_dworzec.xml"_s);
        QVERIFY(sample.open(QIODevice::ReadOnly));
        QString xml = QString::fromUtf8(sample.readAll());
        const qsizetype from = xml.indexOf(u"<tresc>"_s) + 7;
        const qsizetype to = xml.indexOf(u"</tresc>"_s);
        const QString text = xml.mid(from, to - from);
        QString longText;
        for (int i = 0; i < 10; ++i)
            longText += text + u" &lt;BR&gt; "_s;
        xml.replace(from, to - from, longText);
        screen = qobject_cast<TfrmWpisywanie *>(
            world->Open(4, world->WriteExercise(u"long.xml"_s, xml.toUtf8(), 4)));
        QVERIFY(screen);
        QVERIFY(screen->Text().Gaps().size() >= 100);
    }
    void cleanupTestCase() { world.reset(); }

    void repaint_data()
    {
        QTest::addColumn<int>("view");
        QTest::addRow("editing") << 0;
        QTest::addRow("scored") << 1;
        QTest::addRow("right answers") << 2;
    }
    void repaint()
    {
        QFETCH(int, view);
        if (view == 1)
            screen->btnSprClick();
        if (view == 2)
            screen->btnPoprawClick();
        screen->ScrollTo(20);
        QWidget *area = screen->findChild<QWidget *>(u"Obszar"_s);
        QImage target(area->size(), QImage::Format_ARGB32_Premultiplied);
        QBENCHMARK
        {
            area->render(&target);
        }
    }
};

QTEST_MAIN(BenchGapTyping)
#include "bench_gaptyping.moc"
