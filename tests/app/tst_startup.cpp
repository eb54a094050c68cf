// The start-up pieces of app/: the progress window, the backdrop with its hand-off, the
// single running copy, and the program itself started twice.

#include "app/SingleInstance.h"
#include "app/uFrmProgress.h"
#include "app/uPodklad.h"

#include <QGuiApplication>
#include <QLabel>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void progressWindowGeometry();
    void stepProgress_data();
    void stepProgress();
    void backdropCoversScreen();
    void handOffRunsOnceAfterTheClick();
    void singleInstanceLock();
    void secondStartExitsAtOnce();
};

void TestStartup::progressWindowGeometry()
{
    TfrmProgress progress;
    QCOMPARE(progress.size(), QSize(220, 50));
    QVERIFY(!progress.isVisible());
    progress.ShowProgress(4, u"Tworzę elementy programu..."_s);
    QVERIFY(progress.isVisible());
    QCOMPARE(progress.Caption(), u"Tworzę elementy programu..."_s);
    QCOMPARE(progress.BarWidth(), 0);
    const auto *bar = progress.findChild<QWidget *>(u"imgBar"_s);
    QVERIFY(bar);
    progress.StepProgress(2);
    QCOMPARE(bar->geometry(), QRect(11, 29, 100, 10));
    const auto *caption = progress.findChild<QLabel *>(u"lblCaption"_s);
    QCOMPARE(caption->pos(), QPoint(11, 8));
    QVERIFY(caption->font().bold());
    QCOMPARE(caption->font().pixelSize(), 12);

    // A new start empties the bar; closing hides the window.
    progress.ShowProgress(10, u"next"_s);
    QCOMPARE(progress.BarWidth(), 0);
    progress.Close();
    QVERIFY(!progress.isVisible());
}

void TestStartup::stepProgress_data()
{
    QTest::addColumn<int>("maximum");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("width");
    QTest::addRow("maximum 0 leaves the bar") << 0 << 5 << 0;
    QTest::addRow("negative maximum") << -3 << 1 << 0;
    QTest::addRow("full") << 4 << 4 << 200;
    QTest::addRow("quarter") << 4 << 1 << 50;
    QTest::addRow("third rounds") << 3 << 1 << 67;
    QTest::addRow("half pixel to even, down") << 400 << 1 << 0;
    QTest::addRow("half pixel to even, up") << 400 << 3 << 2;
    QTest::addRow("start of the scan") << 7 << 0 << 0;
}

void TestStartup::stepProgress()
{
    QFETCH(int, maximum);
    QFETCH(int, position);
    QFETCH(int, width);
    TfrmProgress progress;
    progress.ShowProgress(maximum, u"x"_s);
    progress.StepProgress(position);
    QCOMPARE(progress.BarWidth(), width);
}

void TestStartup::backdropCoversScreen()
{
    TfrmPodklad backdrop;
    QCOMPARE(backdrop.windowTitle(), u"Lernivo 6.0 Audivox"_s);
    QCOMPARE(backdrop.geometry(), QRect(QPoint(0, 0), QGuiApplication::primaryScreen()->geometry().size()));
    QVERIFY(backdrop.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(backdrop.palette().color(QPalette::Window), QColor(Qt::black));
    QLabel *wait = backdrop.findChild<QLabel *>(u"lblWait"_s);
    QVERIFY(wait);
    QVERIFY(wait->isHidden());
    QCOMPARE(wait->text(), u"Czytam dane... Proszę czekać..."_s);
    auto centred = [&] {
        return wait->x() == (backdrop.width() - wait->width()) / 2 &&
               wait->y() == (backdrop.height() - wait->height()) / 2;
    };
    QVERIFY(centred());
    backdrop.SetWaitText(u"Wczytuję dane ucznia, chwileczkę..."_s);
    QVERIFY(centred());
    backdrop.show();
    backdrop.ShowWait(true);
    QVERIFY(wait->isVisible());
    const QImage shot = backdrop.grab().toImage();
    QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::black));
    const QImage text = shot.copy(wait->geometry());
    int lit = 0;
    for (int y = 0; y < text.height(); ++y)
        for (int x = 0; x < text.width(); ++x)
            lit += qGray(text.pixel(x, y)) > 160;
    QVERIFY(lit > 20); // white text on the black backdrop
}

void TestStartup::handOffRunsOnceAfterTheClick()
{
    TfrmPodklad backdrop;
    QTimer *timer = backdrop.findChild<QTimer *>(u"Timer1"_s);
    QVERIFY(timer);
    QCOMPARE(timer->interval(), 1);
    QVERIFY(!timer->isActive());
    int opened = 0;
    bool busyDuringOpen = false;
    backdrop.SetHandOffHandler([&] {
        ++opened;
        busyDuringOpen = backdrop.Busy();
        QVERIFY(!timer->isActive()); // disabled before opening
    });
    backdrop.StartHandOff();
    QVERIFY(backdrop.Busy());
    backdrop.StartHandOff(); // a second click while pending is ignored
    QCOMPARE(opened, 0);     // nothing happens inside the click
    QTRY_COMPARE(opened, 1);
    QVERIFY(busyDuringOpen);
    QVERIFY(!backdrop.Busy());
    QTest::qWait(20);
    QCOMPARE(opened, 1);
    // The next hand-off works again.
    backdrop.StartHandOff();
    QTRY_COMPARE(opened, 2);
}

void TestStartup::singleInstanceLock()
{
    QTemporaryDir dir;
    auto first = std::make_unique<TFileInstanceLock>(dir.path());
    QCOMPARE(QFileInfo(first->LockPath()).fileName(), u"LernivoAudivox60"_s);
    QVERIFY(first->TryAcquire());
    TFileInstanceLock second(dir.path());
    QVERIFY(!second.TryAcquire());
    first.reset(); // the lock dies with its holder; the stale file blocks nobody
    QVERIFY(QFileInfo::exists(dir.filePath(u"LernivoAudivox60"_s)));
    QVERIFY(second.TryAcquire());
}

void TestStartup::secondStartExitsAtOnce()
{
    const QString program = qEnvironmentVariable("AUDIVOX_TEST_PROGRAM_DIR") + u"/audivox"_s;
    if (!QFileInfo(program).isExecutable())
        QSKIP("the program is not built");
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(),
                                  QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);

    QProcess first;
    first.setProcessEnvironment(env);
    first.start(program, {});
    QVERIFY(first.waitForStarted());
    // Wait until the first copy holds the lock.
    QTRY_VERIFY_WITH_TIMEOUT(!TFileInstanceLock(runtime.path()).TryAcquire(), 20000);

    QProcess second;
    second.setProcessEnvironment(env);
    second.start(program, {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(second.readAllStandardOutput().isEmpty());

    QCOMPARE(first.state(), QProcess::Running); // untouched
    QTest::qWait(1500);                         // its start-up done, workers and all
    first.kill();
    first.waitForFinished();
    // Threads start before the application object: Qt must still know this one as the main thread.
    const QByteArray said = first.readAllStandardError();
    QVERIFY2(!said.contains("WARNING"), said.constData());
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
