// The shared word tile on a real form: dragging with the grab point kept and clamped to the
// form, what each kind of drop does, swaps, freezing, flights, marks, the face and the word
// under the pointer.

#include "exercises/shared/Klocek.h"

#include <QtTest>

using namespace Qt::StringLiterals;
using Drop = TKlocek::TDrop;

namespace {

QPixmap Solid(int w, int h, QColor colour)
{
    QPixmap pixmap(w, h);
    pixmap.fill(colour);
    return pixmap;
}

TKlocek::TFace Face()
{
    TKlocek::TFace face;
    face.Left = Solid(6, 24, Qt::red);
    face.Middle = Solid(1, 24, Qt::green);
    face.Right = Solid(6, 24, Qt::blue);
    face.Font = QFont(u"DejaVu Sans"_s);
    face.Font.setPixelSize(12);
    return face;
}

TKlocek *NewTile(QWidget *form, QPoint at, const QString &caption = u"word"_s)
{
    auto *tile = new TKlocek(form);
    tile->SetFace(Face());
    tile->SetCaption(caption);
    tile->setGeometry(QRect(at, QSize(100, 24)));
    tile->SetHome(at);
    tile->show();
    return tile;
}

// A left-button drag: press at grab (tile coordinates), move to and release at target (form).
void DragTo(TKlocek *tile, QPoint grab, QPoint target)
{
    QTest::mousePress(tile, Qt::LeftButton, {}, grab);
    QTest::mouseMove(tile, tile->mapFromParent(target));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFromParent(target));
}

} // namespace

class TestKlocek : public QObject
{
    Q_OBJECT

private slots:
    void init() { TKlocek::SetFlightDuration(0); }

    void followsThePointerClampedToTheForm_data()
    {
        QTest::addColumn<QPoint>("grab");
        QTest::addColumn<QPoint>("pointer"); // form coordinates
        QTest::addColumn<QPoint>("topLeft");
        QTest::addRow("grab point kept") << QPoint(30, 10) << QPoint(200, 150) << QPoint(170, 140);
        QTest::addRow("clamped left and top") << QPoint(30, 10) << QPoint(5, -40) << QPoint(0, 0);
        QTest::addRow("clamped right and bottom") << QPoint(30, 10) << QPoint(470, 330) << QPoint(300, 276);
    }
    void followsThePointerClampedToTheForm()
    {
        QFETCH(QPoint, grab);
        QFETCH(QPoint, pointer);
        QFETCH(QPoint, topLeft);
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {50, 50});
        QPoint seenAtRelease;
        tile->SetDropHandler([&seenAtRelease](TKlocek &, QPoint at) {
            seenAtRelease = at;
            return Drop::Kept();
        });
        form.show();
        QTest::mousePress(tile, Qt::LeftButton, {}, grab);
        QVERIFY(tile->IsDragging());
        QTest::mouseMove(tile, tile->mapFromParent(pointer));
        QCOMPARE(tile->pos(), topLeft);
        QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFromParent(pointer));
        QVERIFY(!tile->IsDragging());
        QCOMPARE(seenAtRelease, pointer); // the handler hears where the pointer is, not the tile
        QCOMPARE(tile->pos(), topLeft);
    }

    void releaseCarriesOutTheDrop_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<bool>("visible");
        QTest::addRow("home") << int(Drop::Kind::Home) << QPoint(10, 10) << true;
        QTest::addRow("back to the drag start") << int(Drop::Kind::Back) << QPoint(60, 80) << true;
        QTest::addRow("into a place") << int(Drop::Kind::Place) << QPoint(220, 200) << true;
        QTest::addRow("hidden by the place") << int(Drop::Kind::Hide) << QPoint(150, 150) << false;
        QTest::addRow("stays") << int(Drop::Kind::Stay) << QPoint(150, 150) << true;
    }
    void releaseCarriesOutTheDrop()
    {
        QFETCH(int, kind);
        QFETCH(QPoint, expected);
        QFETCH(bool, visible);
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {10, 10});
        tile->MoveTo({60, 80}); // lying in a slot: the drag starts here, home stays in the grid
        tile->SetDropHandler([kind](TKlocek &, QPoint) {
            Drop drop;
            drop.What = Drop::Kind(kind);
            drop.At = {220, 200};
            return drop;
        });
        QSignalSpy dropped(tile, &TKlocek::Dropped);
        form.show();
        DragTo(tile, {1, 1}, {151, 151});
        QCOMPARE(tile->pos(), expected);
        QCOMPARE(tile->isVisible(), visible);
        QCOMPARE(tile->Home(), QPoint(10, 10));
        QCOMPARE(dropped.size(), 1);
    }

    void swapTradesHomes()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *a = NewTile(&form, {10, 10}, u"a"_s);
        TKlocek *b = NewTile(&form, {10, 50}, u"b"_s);
        a->SetDropHandler([b](TKlocek &, QPoint) { return Drop::SwapWith(b); });
        b->SetDropHandler([b](TKlocek &, QPoint) { return Drop::SwapWith(b); }); // onto itself
        form.show();
        DragTo(a, {5, 5}, {20, 60});
        QCOMPARE(a->pos(), QPoint(10, 50));
        QCOMPARE(b->pos(), QPoint(10, 10));
        QCOMPARE(a->Home(), QPoint(10, 50));
        QCOMPARE(b->Home(), QPoint(10, 10));
        DragTo(b, {5, 5}, {200, 200});
        QCOMPARE(b->pos(), QPoint(10, 10)); // a swap with itself sends it home
    }

    void pressRaisesTheTile()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *lower = NewTile(&form, {10, 10});
        NewTile(&form, {20, 10});
        form.show();
        QTest::mousePress(lower, Qt::LeftButton, {}, {5, 5});
        QCOMPARE(form.children().last(), lower);
        QTest::mouseRelease(lower, Qt::LeftButton, {}, {5, 5});
    }

    void frozenTileStaysAndShowsItsHint()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {10, 10});
        int calls = 0;
        tile->SetDropHandler([&calls](TKlocek &, QPoint) {
            ++calls;
            return Drop::Kept();
        });
        form.show();
        tile->SetFrozen(true);
        DragTo(tile, {5, 5}, {200, 200});
        QCOMPARE(tile->pos(), QPoint(10, 10));
        QCOMPARE(calls, 0);
        QCOMPARE(tile->cursor().shape(), Qt::ArrowCursor);
        tile->SetHint(u"Your answer: <B>x</B>"_s);
        QCOMPARE(tile->toolTip(), u"Your answer: <B>x</B>"_s);
        QCOMPARE(tile->cursor().shape(), Qt::PointingHandCursor);
    }

    void fliesHomeAndStopsWhenGrabbed()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {10, 10});
        form.show();
        TKlocek::SetFlightDuration(10000);
        tile->MoveTo({300, 200});
        tile->GoHome();
        QVERIFY(tile->IsFlying());
        QVERIFY(tile->pos() != QPoint(10, 10));
        QTest::mousePress(tile, Qt::LeftButton, {}, {5, 5}); // caught in flight
        QVERIFY(!tile->IsFlying());
        QTest::mouseRelease(tile, Qt::LeftButton, {}, {5, 5});
        QVERIFY(tile->IsFlying()); // no handler: home again
        tile->FinishFlight();
        QCOMPARE(tile->pos(), QPoint(10, 10));
    }

    void beginDragFromAnotherControl()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {10, 10});
        tile->hide();
        tile->SetDropHandler([](TKlocek &, QPoint at) { return Drop::Into(at); });
        form.show();
        if (QGuiApplication::platformName() == u"offscreen"_s) {
            // The grab and its release each say so on the headless platform.
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the mouse");
            QTest::ignoreMessage(QtWarningMsg, "This plugin does not support grabbing the mouse");
        }
        tile->BeginDrag({4, 4});
        QVERIFY(tile->isVisible());
        QCOMPARE(QWidget::mouseGrabber(), tile);
        QTest::mouseMove(tile, tile->mapFromParent(QPoint(100, 100)));
        QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFromParent(QPoint(100, 100)));
        QCOMPARE(tile->pos(), QPoint(100, 100));
        QCOMPARE(QWidget::mouseGrabber(), nullptr);
    }

    void paintsItsFaceAndMark()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {10, 10}, QString());
        const QImage face = tile->grab().toImage();
        QCOMPARE(face.pixelColor(2, 12), QColor(Qt::red));
        QCOMPARE(face.pixelColor(50, 12), QColor(Qt::green));
        QCOMPARE(face.pixelColor(97, 12), QColor(Qt::blue));
        tile->SetMark(Solid(8, 8, Qt::yellow));
        QCOMPARE(tile->grab().toImage().pixelColor(3, 3), QColor(Qt::yellow));
        tile->SetMark(QPixmap());
        QCOMPARE(tile->grab().toImage().pixelColor(3, 3), QColor(Qt::red));
    }

    void rightPressLooksUpTheWordUnderThePointer()
    {
        QWidget form;
        form.resize(400, 300);
        TKlocek *tile = NewTile(&form, {10, 10}, u"orange juice"_s);
        QSignalSpy words(tile, &TKlocek::WordRequested);
        form.show();
        const QFontMetrics metrics(tile->Face().Font);
        const int left = tile->width() / 2 - metrics.horizontalAdvance(u"orange juice"_s) / 2;
        const int secondWord = left + metrics.horizontalAdvance(u"orange "_s) + 2;
        QCOMPARE(tile->WordAt({left + 2, 12}), u"orange"_s);
        QCOMPARE(tile->WordAt({1, 12}), QString());
        QTest::mousePress(tile, Qt::RightButton, {}, {secondWord, 12});
        QCOMPARE(words.size(), 1);
        QCOMPARE(words[0][0].toString(), u"juice"_s);
        QVERIFY(!tile->IsDragging());
        QTest::mouseRelease(tile, Qt::RightButton, {}, {secondWord, 12});
        QTest::mousePress(tile, Qt::RightButton, {}, {1, 12}); // beside the words: nothing
        QCOMPARE(words.size(), 1);
    }
};

QTEST_MAIN(TestKlocek)
#include "tst_klocek.moc"
