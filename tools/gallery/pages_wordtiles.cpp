// Gallery pages of the word-tile exercises (matching pairs, table sorting, word ordering), each
// open, with a tile in mid-drag, checked with some answers wrong, and showing the right
// answers, from the sample course's own files.
#include "Gallery.h"

#include "exercises/shared/Klocek.h"
#include "exercises/words/uFrmAntonimy.h"
#include "exercises/words/uFrmTabelka.h"
#include "exercises/words/uFrmTabelkaCS.h"
#include "runtime/uFrmNawigacja.h"
#include "utils/Random.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace {

enum class Stage { Open, Dragging, Checked, RightAnswers };

void Send(QWidget *tile, QEvent::Type type, QPoint formPoint, Qt::MouseButtons buttons)
{
    const QPoint local = tile->mapFromParent(formPoint);
    QMouseEvent event(type, local, tile->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(tile, &event);
}

// Picks tile up near its left end and carries it to target; drops it there unless told to hold it.
void Drag(TKlocek *tile, QPoint target, bool drop = true)
{
    const QPoint grab = tile->pos() + QPoint(12, 8);
    Send(tile, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    Send(tile, QEvent::MouseMove, (grab + target) / 2, Qt::LeftButton);
    Send(tile, QEvent::MouseMove, target, Qt::LeftButton);
    if (drop)
        Send(tile, QEvent::MouseButtonRelease, target, Qt::NoButton);
}

// A screen of the sample course in a fixed shuffle, registered and laid out as the program does.
template <typename Screen> void Open(Screen &screen, GalleryHost &host, const QString &file)
{
    TKlocek::SetFlightDuration(0);
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.SetRandomPick(Utils::MakeSeededPick(11));
    screen.Reset();
    screen.LoadFile(Utils::ProgramPath(u"\\Dane\\"_s + file));
    host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
    screen.LayOutOnce();
    Gallery::Grab(&screen);
}

QImage PairsPage(Stage stage)
{
    GalleryHost host;
    TfrmAntonimy screen(*host);
    Open(screen, host, u"codzien_3_przeciwienstwa.xml"_s);
    const QList<TKlocek *> tiles = screen.Tiles();
    if (stage != Stage::Open) {
        // Rows 0 to 3 right, rows 4 and 5 swapped, the last tile left in the grid.
        for (int row = 0; row < 4; ++row)
            Drag(tiles[row], screen.SlotRect(row).center());
        Drag(tiles[4], screen.SlotRect(5).center());
        Drag(tiles[5], screen.SlotRect(4).center());
    }
    if (stage == Stage::Dragging)
        Drag(tiles[6], screen.SlotRect(6).center() + QPoint(30, -14), false);
    if (stage == Stage::Checked || stage == Stage::RightAnswers)
        screen.btnSprClick();
    if (stage == Stage::RightAnswers)
        screen.btnPoprawClick();
    return Gallery::Grab(&screen);
}

QImage TablePage(Stage stage)
{
    GalleryHost host;
    TfrmTabelka screen(*host);
    Open(screen, host, u"podroze_5_podroz.xml"_s);
    const QList<TKlocek *> tiles = screen.Tiles();
    const Tabelka::TTableLayout &table = screen.Table();
    if (stage != Stage::Open) {
        // Every word into its own column but two: one in the wrong column, one left out.
        QList<int> nextRow(table.Columns + 1, 1);
        for (int k = 0; k < tiles.size() - 2; ++k) {
            int column = screen.Model().Tiles()[k].Column;
            if (k == 1)
                column = column % table.Columns + 1;
            if (nextRow[column] > table.Rows)
                continue;
            Drag(tiles[k], table.Cell({nextRow[column]++, column}).center());
        }
    }
    if (stage == Stage::Dragging)
        Drag(tiles[tiles.size() - 2], table.Cells().center() + QPoint(40, 30), false);
    if (stage == Stage::Checked || stage == Stage::RightAnswers)
        screen.btnSprClick();
    if (stage == Stage::RightAnswers)
        screen.btnPoprawClick();
    return Gallery::Grab(&screen);
}

QImage OrderPage(Stage stage)
{
    GalleryHost host;
    TfrmTabelkaCS screen(*host);
    Open(screen, host, u"jedzenie_4_nalesniki.xml"_s);
    const QList<TKlocek *> tiles = screen.Tiles();
    const TabelkaCS::TColumnLayout &column = screen.Column();
    if (stage != Stage::Open) {
        // Put the first four places right by swaps, the rest as they fell.
        for (int place = 1; place <= 4; ++place) {
            for (int i = 0; i < tiles.size(); ++i) {
                if (screen.Model().Tiles()[i].RightPosition == place &&
                    screen.Model().Tiles()[i].Position != place) {
                    Drag(tiles[i], column.TileRect(place).center());
                    break;
                }
            }
        }
    }
    if (stage == Stage::Dragging) {
        const int last = screen.Model().TileAt(screen.Model().Count());
        Drag(tiles[last], column.TileRect(screen.Model().Count() - 1).center() + QPoint(20, 12), false);
    }
    if (stage == Stage::Checked || stage == Stage::RightAnswers)
        screen.btnSprClick();
    if (stage == Stage::RightAnswers)
        screen.btnPoprawClick();
    return Gallery::Grab(&screen);
}

} // namespace

void RegisterGalleryPages_wordtiles(Gallery &gallery)
{
    const struct
    {
        const char16_t *Suffix;
        Stage What;
    } stages[] = {{u"open", Stage::Open},
                  {u"drag", Stage::Dragging},
                  {u"checked", Stage::Checked},
                  {u"right_answers", Stage::RightAnswers}};
    for (const auto &s : stages) {
        const QString suffix = QString::fromUtf16(s.Suffix);
        const Stage stage = s.What;
        gallery.AddPage(u"antonimy_"_s + suffix, [stage] { return PairsPage(stage); });
        gallery.AddPage(u"tabelka_"_s + suffix, [stage] { return TablePage(stage); });
        gallery.AddPage(u"tabelkacs_"_s + suffix, [stage] { return OrderPage(stage); });
    }
}
