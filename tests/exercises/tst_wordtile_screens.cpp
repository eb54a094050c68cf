// The three word-tile screens as a learner uses them: opened through the dispatch, tiles
// dragged with the mouse into slots, cells and onto each other, checked, the score stored in
// the learner's statistics, the right answers shown and explained, and started again.

#include "ExerciseFixture.h"

#include "exercises/shared/Klocek.h"
#include "exercises/words/uFrmAntonimy.h"
#include "exercises/words/uFrmTabelka.h"
#include "exercises/words/uFrmTabelkaCS.h"

using namespace Qt::StringLiterals;
using namespace ExerciseTests;

namespace {

QByteArray Envelope(int kind, const QString &body)
{
    return (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>"_s +
            QString::number(kind) +
            u"</typ_cw><grupa>1</grupa><poziom>1</poziom><multimedia></multimedia></config><body>"
            u"<polecenie id=\"1\">Do it.</polecenie><polecenie id=\"0\">Zrób to.</polecenie>"_s +
            body + u"</body></cwiczenie>"_s)
        .toUtf8();
}

// A left-button drag of tile from its grab point to target (form coordinates).
void Drag(TKlocek *tile, QPoint target)
{
    const QPoint grab(6, 6);
    QTest::mousePress(tile, Qt::LeftButton, {}, grab);
    const QPoint middle = (tile->pos() + grab + target) / 2;
    QTest::mouseMove(tile, tile->mapFromParent(middle));
    QTest::mouseMove(tile, tile->mapFromParent(target));
    QTest::mouseRelease(tile, Qt::LeftButton, {}, tile->mapFromParent(target));
}

void Click(QWidget *screen, const QString &name)
{
    auto *button = screen->findChild<QAbstractButton *>(name);
    QVERIFY2(button && button->isVisible(), qPrintable(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
}

// The hover hint of a paint area at point, as the program's hint window would show it.
QString HintAt(QWidget *area, QPoint point)
{
    QMouseEvent move(QEvent::MouseMove, point, area->mapToGlobal(point), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(area, &move);
    return area->toolTip();
}

} // namespace

class TestWordTileScreens : public QObject
{
    Q_OBJECT

    std::unique_ptr<TExerciseFixture> world;

private slots:
    void initTestCase()
    {
        TExerciseFixture::LoadSkin();
        Utils::InterfaceTexts() = {u"1=Twoja odpowiedź:"_s, u"2=brak odpowiedzi"_s, u"3=Jeszcze raz"_s,
                                   u"41=Sprawdź"_s,         u"46=Twój wynik"_s,     u"51=Rozwiązanie"_s};
    }
    void init()
    {
        TKlocek::SetFlightDuration(0);
        world = std::make_unique<TExerciseFixture>();
    }
    void cleanup() { world.reset(); }

    void matchingPairs()
    {
        const QString path = world->WriteExercise(
            u"pary.xml"_s,
            Envelope(7, u"<pary><para id=\"1\">hot=cold</para><para id=\"2\">big=small</para>"
                        "<para id=\"3\">early=late</para><para id=\"4\">cheap=expensive</para></pary>"_s),
            7);
        auto *screen = qobject_cast<TfrmAntonimy *>(world->Open(7, path));
        QVERIFY(screen);
        const QList<TKlocek *> tiles = screen->Tiles();
        QCOMPARE(tiles.size(), 4);
        QCOMPARE(tiles[2]->objectName(), u"slowo2"_s);
        QCOMPARE(tiles[2]->Caption(), u"early"_s);
        for (TKlocek *tile : tiles)
            QCOMPARE(tile->width(), screen->TileWidth());
        auto *area = screen->findChild<QWidget *>(u"Obszar"_s);
        QVERIFY(area->geometry().top() > tiles[0]->geometry().bottom());

        // Into the slots; onto a taken slot it goes home; from one slot to another.
        Drag(tiles[0], screen->SlotRect(1).center());
        QCOMPARE(tiles[0]->pos(), screen->SlotRect(1).topLeft());
        Drag(tiles[1], screen->SlotRect(1).center());
        QCOMPARE(tiles[1]->pos(), tiles[1]->Home());
        Drag(tiles[0], screen->SlotRect(0).center());
        QCOMPARE(screen->Model().Rows()[1].Tile, -1);
        Drag(tiles[1], screen->SlotRect(1).center());
        Drag(tiles[2], screen->SlotRect(2).center());
        Drag(tiles[3], QPoint(900, 500)); // outside every slot
        QCOMPARE(tiles[3]->pos(), tiles[3]->Home());

        Click(screen, u"btnSpr"_s);
        QVERIFY(screen->HasShownResult());
        QCOMPARE(screen->ShownResult(), 75);
        QCOMPARE(world->Host.ScoresRecorded, 1);
        QCOMPARE(world->ReadRecord(u"pary.xml"_s, 7).Postep, u"75"_s);
        Drag(tiles[3], screen->SlotRect(3).center()); // frozen after the check
        QCOMPARE(tiles[3]->pos(), tiles[3]->Home());

        Click(screen, u"btnPopraw"_s);
        for (int i = 0; i < 4; ++i)
            QCOMPARE(tiles[i]->pos(), screen->SlotRect(i).topLeft());
        QCOMPARE(HintAt(area, screen->MarkRect(3).center() - area->pos()), u"<B>brak odpowiedzi</B>"_s);
        QCOMPARE(HintAt(area, screen->MarkRect(0).center() - area->pos()), QString());
        QCOMPARE(tiles[3]->Hint(), u"<B>brak odpowiedzi</B>"_s);
        QCOMPARE(world->Host.ScoresRecorded, 1); // the right answers record nothing more

        // Again: a fresh run of the same file, nothing placed.
        Click(screen, u"btnSpr"_s);
        QCOMPARE(screen->Tiles().size(), 4);
        QVERIFY(!screen->HasShownResult());
        for (TKlocek *tile : screen->Tiles())
            QCOMPARE(tile->pos(), tile->Home());
    }

    void matchingPairsMarksTheRowsTheTilesLieIn()
    {
        // Rows expect x, x, y: "x" right in row 1 is right even though it came from row 0.
        const QString path = world->WriteExercise(
            u"powt.xml"_s,
            Envelope(7, u"<pary><para>x=one</para><para>x=two</para><para>y=three</para></pary>"_s), 7);
        auto *screen = qobject_cast<TfrmAntonimy *>(world->Open(7, path));
        QVERIFY(screen);
        const QList<TKlocek *> tiles = screen->Tiles();
        Drag(tiles[0], screen->SlotRect(1).center());
        Drag(tiles[1], screen->SlotRect(2).center());
        Drag(tiles[2], screen->SlotRect(0).center());
        Click(screen, u"btnSpr"_s);
        QCOMPARE(screen->ShownResult(), 33);
        const QImage shot = screen->grab().toImage();
        // The mark of row 1 is the right one (green), those of rows 0 and 2 wrong (red): a
        // pixel of each badge's disc left of its white sign.
        const QColor mark1 = shot.pixelColor(screen->MarkRect(1).topLeft() + QPoint(4, 11));
        const QColor mark0 = shot.pixelColor(screen->MarkRect(0).topLeft() + QPoint(4, 11));
        QVERIFY2(mark1.green() > mark1.red(), qPrintable(mark1.name()));
        QVERIFY2(mark0.red() > mark0.green(), qPrintable(mark0.name()));
    }

    void tableSorting()
    {
        // Created in file order (the host's draws keep it): fruit, fruit, drinks, drinks, veg, veg.
        const QString path = world->WriteExercise(
            u"tabela.xml"_s,
            Envelope(1, u"<col_count>3</col_count><rows>2</rows><columns><column>Fruit</column>"
                        "<column>Drinks</column><column>Vegetables</column></columns><wyrazy>"
                        "<wyraz><nazwa>apples</nazwa><column>1</column></wyraz>"
                        "<wyraz><nazwa>pears</nazwa><column>1</column></wyraz>"
                        "<wyraz><nazwa>tea</nazwa><column>2</column></wyraz>"
                        "<wyraz><nazwa>orange juice</nazwa><column>2</column></wyraz>"
                        "<wyraz><nazwa>carrots</nazwa><column>3</column></wyraz>"
                        "<wyraz><nazwa>onions</nazwa><column>3</column></wyraz></wyrazy>"_s),
            1);
        auto *screen = qobject_cast<TfrmTabelka *>(world->Open(1, path));
        QVERIFY(screen);
        QVERIFY(screen->findChild<QWidget *>(u"Nag2"_s));
        QVERIFY(screen->findChild<QWidget *>(u"Row23"_s));
        const QList<TKlocek *> tiles = screen->Tiles();
        const Tabelka::TTableLayout &table = screen->Table();
        const auto cell = [&table](int r, int c) { return table.Cell({r, c}).center(); };

        Drag(tiles[0], cell(1, 1));
        QCOMPARE(tiles[0]->pos(), table.Cell({1, 1}).topLeft());
        Drag(tiles[1], cell(1, 1)); // taken: back where the drag started
        QCOMPARE(tiles[1]->pos(), tiles[1]->Home());
        Drag(tiles[1], cell(2, 2)); // wrong column for now
        Drag(tiles[1], cell(2, 1)); // moved on: (2, 2) is free again
        QCOMPARE(screen->Model().TileIn({2, 2}), -1);
        Drag(tiles[2], cell(2, 2));
        Drag(tiles[3], cell(1, 2));
        Drag(tiles[4], cell(1, 3));
        Drag(tiles[5], QPoint(600, 740)); // outside the table: home
        QCOMPARE(tiles[5]->pos(), tiles[5]->Home());

        Click(screen, u"btnSpr"_s);
        QCOMPARE(screen->ShownResult(), 83);
        QCOMPARE(world->ReadRecord(u"tabela.xml"_s, 1).Postep, u"83"_s);
        QVERIFY(tiles[0]->HasMark() && tiles[5]->HasMark());
        QCOMPARE(tiles[5]->Hint(), u"<B>brak odpowiedzi</B>"_s);
        QCOMPARE(tiles[0]->Hint(), QString());

        Click(screen, u"btnPopraw"_s);
        QCOMPARE(tiles[5]->pos(), table.Cell({2, 3}).topLeft());
        QCOMPARE(screen->Model().TileMark(5), Tabelka::Mark::Info);
        QVERIFY(!screen->findChild<QWidget *>(u"btnPopraw"_s)->isVisible());
    }

    void tableSortingRightAnswersWithAFullColumn()
    {
        // Two words of column 1 lie in column 2, whose cells the table has, while column 1
        // keeps one free cell: the first moves there, the second stays in its cell.
        const QString path = world->WriteExercise(
            u"pelna.xml"_s,
            Envelope(1, u"<col_count>2</col_count><rows>2</rows><columns><column>A</column><column>B</column>"
                        "</columns><wyrazy><wyraz><nazwa>one</nazwa><column>1</column></wyraz>"
                        "<wyraz><nazwa>two</nazwa><column>1</column></wyraz>"
                        "<wyraz><nazwa>three</nazwa><column>1</column></wyraz></wyrazy>"_s),
            1);
        auto *screen = qobject_cast<TfrmTabelka *>(world->Open(1, path));
        QVERIFY(screen);
        const QList<TKlocek *> tiles = screen->Tiles();
        const Tabelka::TTableLayout &table = screen->Table();
        Drag(tiles[0], table.Cell({1, 1}).center());
        Drag(tiles[1], table.Cell({1, 2}).center());
        Drag(tiles[2], table.Cell({2, 2}).center());
        Click(screen, u"btnSpr"_s);
        QCOMPARE(screen->ShownResult(), 33);
        Click(screen, u"btnPopraw"_s);
        QCOMPARE(tiles[1]->pos(), table.Cell({2, 1}).topLeft());
        QCOMPARE(tiles[2]->pos(), table.Cell({2, 2}).topLeft());
    }

    void wordOrdering()
    {
        // Shown in file order; kolejnosc puts the first two the other way round.
        QString words;
        const QList<int> order{2, 1, 3, 4, 5};
        for (int i = 0; i < order.size(); ++i)
            words += u"<wyraz id=\"%1\"><nazwa>w%1</nazwa><kolejnosc>%2</kolejnosc></wyraz>"_s.arg(i + 1).arg(
                order[i]);
        const QString path =
            world->WriteExercise(u"kol.xml"_s, Envelope(50, u"<wyrazy>"_s + words + u"</wyrazy>"_s), 50);
        auto *screen = qobject_cast<TfrmTabelkaCS *>(world->Open(50, path));
        QVERIFY(screen);
        const QList<TKlocek *> tiles = screen->Tiles();
        const TabelkaCS::TColumnLayout &column = screen->Column();
        QCOMPARE(tiles[0]->pos(), column.Place(1));

        // On itself and beside the column: back home. Onto another tile: a swap.
        Drag(tiles[0], column.TileRect(1).center() + QPoint(30, 0));
        QCOMPARE(tiles[0]->pos(), column.Place(1));
        Drag(tiles[0], column.Column.topLeft() + QPoint(1, 60));
        QCOMPARE(tiles[0]->pos(), column.Place(1));
        QTest::mousePress(tiles[0], Qt::LeftButton, {}, QPoint(6, 6));
        QCOMPARE(tiles[0]->cursor().shape(), Qt::SplitVCursor);
        QTest::mouseRelease(tiles[0], Qt::LeftButton, {}, QPoint(6, 6));
        Drag(tiles[0], column.TileRect(2).center());
        QCOMPARE(tiles[0]->pos(), column.Place(2));
        QCOMPARE(tiles[1]->pos(), column.Place(1));
        // And two more out of order: 3 of 5 right.
        Drag(tiles[3], column.TileRect(3).center());

        Click(screen, u"btnSpr"_s);
        QCOMPARE(screen->ShownResult(), 60);
        QCOMPARE(world->ReadRecord(u"kol.xml"_s, 50).Postep, u"60"_s);
        auto *area = screen->findChild<QWidget *>(u"Obszar"_s);
        QVERIFY(area->isVisible());

        Click(screen, u"btnPopraw"_s);
        QCOMPARE(tiles[2]->pos(), column.Place(3));
        QCOMPARE(tiles[3]->pos(), column.Place(4));
        QCOMPARE(HintAt(area, column.MarkRect(3).center() - area->pos()), u"Twoja odpowiedź: <B>w4</B>"_s);
        QCOMPARE(HintAt(area, column.MarkRect(1).center() - area->pos()), QString());
        Drag(tiles[4], column.TileRect(1).center()); // no more moves
        QCOMPARE(tiles[4]->pos(), column.Place(5));
    }

    void wordOrderingWithoutWords()
    {
        const QString path = world->WriteExercise(u"pusta.xml"_s, Envelope(50, u"<wyrazy/>"_s), 50);
        auto *screen = qobject_cast<TfrmTabelkaCS *>(world->Open(50, path));
        QVERIFY(screen);
        QCOMPARE(world->Errors, QStringList{u"Nie ma żadnych słów ?!"_s});
        Click(screen, u"btnSpr"_s);
        QVERIFY(!screen->HasShownResult());
        QCOMPARE(world->Host.ScoresRecorded, 0);
    }

    void unreadableFileOpensAnEmptyScreen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("matching pairs") << 7;
        QTest::addRow("table sorting") << 1;
        QTest::addRow("word ordering") << 50;
    }
    void unreadableFileOpensAnEmptyScreen()
    {
        QFETCH(int, kind);
        const QString path = world->WriteExercise(u"zly.xml"_s, "<cwiczenie><config>", kind);
        TExerciseScreen *screen = world->Open(kind, path);
        QVERIFY(screen);
        QVERIFY(screen->isVisible());
        QCOMPARE(world->Errors, QStringList{u"Błąd podczas wczytywania pliku ćwiczenia! (zly.xml)"_s});
        QVERIFY(screen->findChildren<TKlocek *>().isEmpty());
        Click(screen, u"btnSpr"_s);
        QVERIFY(!screen->HasShownResult());
    }
};

QTEST_MAIN(TestWordTileScreens)
#include "tst_wordtile_screens.moc"
