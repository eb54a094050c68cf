// The stage on a display larger than the forms (1280 x 1024): every full-screen form stands in
// the middle of it, whatever shows it; smaller windows place themselves.

#include "app/StageCentring.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestStage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 1280, 1024));
        TStageCentring::Install(this);
    }

    void formsStandInTheMiddle_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("centred");
        QTest::addRow("full-screen form") << QSize(1024, 768) << true;
        QTest::addRow("dialog-sized window") << QSize(437, 360) << false;
    }

    void formsStandInTheMiddle()
    {
        QFETCH(QSize, size);
        QFETCH(bool, centred);
        QWidget form(nullptr, Qt::Window | Qt::FramelessWindowHint);
        form.setFixedSize(size);
        form.move(0, 0);
        form.show();
        QCOMPARE(form.pos(), centred ? QPoint(128, 128) : QPoint(0, 0));
        // Shown again after being hidden (the main menu, the selection screen): still there.
        form.hide();
        form.move(0, 0);
        form.show();
        QCOMPARE(form.pos(), centred ? QPoint(128, 128) : QPoint(0, 0));
    }
};

int main(int argc, char **argv)
{
    // A display of 1280 x 1024, made by the offscreen platform from a configuration file.
    QTemporaryDir dir;
    const QString config = dir.filePath(u"screen.json"_s);
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write(R"({"screens": [{"name": "Wide", "x": 0, "y": 0, "width": 1280, "height": 1024,
                   "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(config));
    QApplication app(argc, argv);
    TestStage test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_stage.moc"
