// Frame times while a word tile is dragged across a full exercise form: each frame is one
// mouse move delivered to the tile plus the repaint and flush it causes. The floor, measured
// in the same run on the same form, moves a bare widget of the tile's size along the same
// path, so the figures say what the tile itself adds on a machine that others share.
//
//   AUDIVOX_TEST_PROGRAM_DIR=build/program bench_tile_drag      (offscreen, the raster engine)
//   xvfb-run -a -s "-screen 0 1024x768x24" env QT_QPA_PLATFORM=xcb bench_tile_drag
//
// A frame at 60 Hz has 16.7 ms; the figures are printed, never judged here.

#include "ExerciseFixture.h"

#include "exercises/shared/Klocek.h"
#include "exercises/words/uFrmAntonimy.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

constexpr int Frames = 600;
constexpr double FrameBudgetMs = 1000.0 / 60.0;

// A background as busy as the painted ones: a gradient with soft blobs, fixed seed.
QPixmap Background()
{
    QImage image(1024, 718, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 1024, 718);
    sky.setColorAt(0, QColor(200, 228, 244));
    sky.setColorAt(1, QColor(250, 244, 226));
    p.fillRect(image.rect(), sky);
    QRandomGenerator random(7);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 60; ++i) {
        p.setBrush(QColor(255, 255, 255, 40 + int(random.bounded(60))));
        p.drawEllipse(QPointF(random.bounded(1024.0), random.bounded(718.0)), 20 + random.bounded(90.0),
                      20 + random.bounded(90.0));
    }
    return QPixmap::fromImage(image);
}

QPixmap Part(int w, int h, QColor top, QColor bottom)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

// The rows of a matching-pairs screen: slots and prompts laid out and drawn at every paint, as
// the screen's paint area does.
class TRows : public QWidget
{
public:
    explicit TRows(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QFont tahoma(u"Tahoma"_s);
        tahoma.setPointSize(11);
        p.setFont(tahoma);
        const QFontMetrics metrics(tahoma);
        for (int row = 0; row < 10; ++row) {
            const int y = row * 27;
            p.setPen(QColor(120, 120, 120));
            p.drawRoundedRect(QRect(28, y, 150, 23), 4, 4);
            p.setPen(Qt::black);
            p.drawLine(190, y + 12, 205, y + 12);
            p.setPen(QColor(52, 52, 52));
            int x = 209;
            for (const QString &word : u"the money you get for your job every month"_s.split(u' ')) {
                p.drawText(x, y + 4 + metrics.ascent(), word);
                x += metrics.horizontalAdvance(word) + 4;
            }
        }
    }
};

// The processor time this thread has used, in milliseconds: unlike the wall clock it does not
// count the moments another program had the processor.
double ThreadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

struct Stats
{
    double Median = 0;
    double P95 = 0;
    double Max = 0;
    int OverBudget = 0;
};

Stats Summarise(QList<double> ms)
{
    std::sort(ms.begin(), ms.end());
    Stats s;
    s.Median = ms[ms.size() / 2];
    s.P95 = ms[int(ms.size() * 0.95)];
    s.Max = ms.last();
    s.OverBudget = int(std::count_if(ms.cbegin(), ms.cend(), [](double t) { return t > FrameBudgetMs; }));
    return s;
}

// The path: a figure of eight over the whole form, one point per frame.
QPoint PathPoint(int frame)
{
    const double t = 2 * M_PI * frame / Frames;
    return {int(512 + 430 * std::sin(t)), int(420 + 300 * std::sin(2 * t))};
}

// Drags tile along the path over form, which is shown, frame by frame, and prints the frame
// times beside those of a bare widget of the tile's size moved along the same path.
void MeasureDrag(QWidget &form, TKlocek *tile, const QString &what)
{
    auto *bare = new QWidget(&form);
    bare->resize(tile->size());
    bare->hide();
    const QPoint grab(20, 10);
    // A frame: the move, then the repaint it asked for done at once (everything it uncovered
    // and the tile at its new place) and flushed to the window.
    auto dragFrame = [tile](QPoint at) {
        const QPoint local = tile->mapFromParent(at);
        QMouseEvent move(QEvent::MouseMove, local, tile->mapToGlobal(local), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(tile, &move);
        tile->repaint();
    };
    // The bare widget paints nothing itself; what it uncovers of the form does.
    auto floorFrame = [bare, grab](QPoint at) {
        bare->move(at - grab);
        bare->repaint();
    };

    QList<double> drag;
    QList<double> floor;
    QList<double> dragCpu;
    QList<double> floorCpu;
    QElapsedTimer clock;
    QMouseEvent press(QEvent::MouseButtonPress, grab, tile->mapToGlobal(grab), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(tile, &press);
    QVERIFY(tile->IsDragging());
    for (int warm = 0; warm < 30; ++warm)
        dragFrame(PathPoint(warm));
    // The two runs alternate in blocks, so a busy moment of the machine falls on both.
    for (int block = 0; block < Frames; block += 60) {
        bare->show();
        bare->raise();
        for (int f = block; f < block + 60; ++f) {
            const double cpu = ThreadCpuMs();
            clock.start();
            floorFrame(PathPoint(f));
            floor.append(clock.nsecsElapsed() / 1e6);
            floorCpu.append(ThreadCpuMs() - cpu);
        }
        bare->hide();
        QCoreApplication::processEvents();
        for (int f = block; f < block + 60; ++f) {
            const double cpu = ThreadCpuMs();
            clock.start();
            dragFrame(PathPoint(f));
            drag.append(clock.nsecsElapsed() / 1e6);
            dragCpu.append(ThreadCpuMs() - cpu);
        }
    }
    QMouseEvent release(QEvent::MouseButtonRelease, grab, tile->mapToGlobal(grab), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tile, &release);
    delete bare;

    qInfo().noquote() << u"%1 on %2, %3 frames (ms: median, p95, max; frames over 16.7 ms)"_s.arg(what)
                             .arg(QGuiApplication::platformName())
                             .arg(Frames);
    const auto line = [](const char *label, const QList<double> &times) {
        const Stats s = Summarise(times);
        qInfo().noquote() << u"  %1 %2 %3 %4 %5"_s.arg(QString::fromLatin1(label), -22)
                                 .arg(s.Median, 8, 'f', 3)
                                 .arg(s.P95, 8, 'f', 3)
                                 .arg(s.Max, 8, 'f', 3)
                                 .arg(s.OverBudget, 4);
    };
    line("tile drag, wall clock", drag);
    line("bare floor, wall clock", floor);
    line("tile drag, processor", dragCpu);
    line("bare floor, processor", floorCpu);
}

} // namespace

class BenchTileDrag : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ExerciseTests::TExerciseFixture::LoadSkin(); }

    void dragAcrossTheForm_data()
    {
        QTest::addColumn<QSize>("tileSize");
        QTest::addRow("matching-pairs tile 160 × 24") << QSize(160, 24);
        QTest::addRow("word-ordering tile 360 × 30") << QSize(360, 30);
    }
    void dragAcrossTheForm()
    {
        QFETCH(QSize, tileSize);
        QWidget form;
        form.setWindowFlag(Qt::FramelessWindowHint);
        form.setFixedSize(1024, 768);
        auto *background = new QLabel(&form);
        background->setGeometry(0, 50, 1024, 718);
        background->setScaledContents(true);
        background->setPixmap(Background());
        auto *rows = new TRows(&form);
        rows->setGeometry(100, 420, 660, 280);

        TKlocek::TFace face;
        face.Left = Part(6, tileSize.height(), QColor(255, 250, 235), QColor(240, 214, 160));
        face.Middle = Part(1, tileSize.height(), QColor(255, 250, 235), QColor(240, 214, 160));
        face.Right = Part(6, tileSize.height(), QColor(255, 250, 235), QColor(240, 214, 160));
        face.Font = QFont(u"Tahoma"_s);
        face.Font.setPointSize(10);
        face.Font.setBold(true);
        face.Colour = QColor(52, 52, 52);
        QList<TKlocek *> tiles;
        for (int k = 0; k < 12; ++k) {
            auto *tile = new TKlocek(&form);
            tile->SetFace(face);
            tile->SetCaption(u"colleague %1"_s.arg(k));
            tile->setGeometry(QRect(QPoint(108 + (k % 4) * 166, 198 + (k / 4) * 30), tileSize));
            tile->SetHome(tile->pos());
            tiles.append(tile);
        }
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        MeasureDrag(form, tiles.first(), QString::fromUtf8(QTest::currentDataTag()));
    }

    // The real matching-pairs screen with its background, rows, picture and buttons.
    void dragOnTheMatchingPairsScreen()
    {
        ExerciseTests::TExerciseFixture world;
        world.CopyFromProgram(u"Gfx/Background_roz"_s);
        QString pairs;
        for (const char *pair : {"early=late", "cheap=expensive", "empty=full", "noisy=quiet",
                                 "easy=difficult", "dry=wet", "tired=full of energy"})
            pairs += u"<para>"_s + QString::fromLatin1(pair) + u"</para>"_s;
        const QString path = world.WriteExercise(
            u"pary.xml"_s,
            (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>7</typ_cw>"
             u"<multimedia></multimedia></config><body><polecenie id=\"1\">Put each word next to its "
             u"opposite.</polecenie><pary>"_s +
             pairs + u"</pary></body></cwiczenie>"_s)
                .toUtf8(),
            7);
        auto *screen = qobject_cast<TfrmAntonimy *>(world.Open(7, path));
        QVERIFY(screen);
        QVERIFY(QTest::qWaitForWindowExposed(screen));
        MeasureDrag(*screen, screen->Tiles().first(), u"matching-pairs screen"_s);
    }
};

QTEST_MAIN(BenchTileDrag)
#include "bench_tile_drag.moc"
