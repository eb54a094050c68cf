// Gallery pages of the dialogue tasks: comprehension open, half answered and finished, and
// completion open with a tile in mid-drag, checked, with the right words, and with more tiles
// than the notebook holds, from the sample course's own files.
#include "Gallery.h"

#include "exercises/dialogues/uFrmDialogi_Dop.h"
#include "exercises/dialogues/uFrmDialogi_Rozum.h"
#include "exercises/shared/Klocek.h"
#include "runtime/uFrmNawigacja.h"
#include "utils/Random.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

namespace {

void Send(QWidget *target, QEvent::Type type, QPoint local, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, local, target->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void Click(QWidget *target, QPoint local)
{
    Send(target, QEvent::MouseButtonPress, local, Qt::LeftButton);
    Send(target, QEvent::MouseButtonRelease, local, Qt::NoButton);
}

// Carries tile to target (form coordinates); drops it there unless told to hold it.
void Drag(TKlocek *tile, QPoint target, bool drop = true)
{
    const QPoint grab(12, 8);
    Send(tile, QEvent::MouseButtonPress, grab, Qt::LeftButton);
    Send(tile, QEvent::MouseMove, tile->mapFromParent((tile->pos() + grab + target) / 2), Qt::LeftButton);
    Send(tile, QEvent::MouseMove, tile->mapFromParent(target), Qt::LeftButton);
    if (drop)
        Send(tile, QEvent::MouseButtonRelease, tile->mapFromParent(target), Qt::NoButton);
}

// A screen of a file in a fixed draw, registered and laid out as the program does.
template <typename Screen> void Open(Screen &screen, GalleryHost &host, const QString &path)
{
    TKlocek::SetFlightDuration(0);
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.SetRandomPick(Utils::MakeSeededPick(11));
    screen.LoadFile(path);
    host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
    screen.LayOutOnce();
    Gallery::Grab(&screen);
}

QString CoursePath(const QString &file)
{
    return Utils::ProgramPath(u"\\Dane\\"_s + file);
}

enum class Stage { Open, Answering, Finished };

QImage ComprehensionPage(const QString &file, Stage stage)
{
    GalleryHost host;
    TfrmDialogi_Rozum screen(*host);
    Open(screen, host, CoursePath(file));
    QWidget *area = screen.findChild<QWidget *>(u"Obszar"_s);
    const auto asked = [&] {
        for (int i = 0; i < screen.Lines().size(); ++i) {
            if (!screen.Run().IsShown(i) && screen.Lines()[i].Recording == screen.Run().CurrentRecording())
                return i;
        }
        return -1;
    };
    bool wrongDone = false;
    int answered = 0;
    while (stage != Stage::Open && !screen.Run().Finished()) {
        if (stage == Stage::Answering && answered == 2)
            break;
        int line = asked();
        if (!wrongDone) {
            // One wrong frame first, as a learner may.
            for (int i = 0; i < screen.Lines().size(); ++i) {
                if (!screen.Run().IsShown(i) && i != line) {
                    line = i;
                    break;
                }
            }
            wrongDone = true;
        } else {
            ++answered;
        }
        if (line < 0)
            break;
        Click(area, screen.FrameRect(line).center());
    }
    return Gallery::Grab(&screen);
}

enum class Filling { Open, Dragging, Checked, RightWords };

// Puts the tiles in: right ones first, then one in a wrong slot, leaving the last empty.
void FillSlots(TfrmDialogi_Dop &screen, int right, bool oneWrong)
{
    const QList<int> gapSlots = screen.Run().Slots();
    const QList<TKlocek *> tiles = screen.Tiles();
    for (int i = 0; i < right && i < gapSlots.size(); ++i)
        Drag(tiles[i], screen.SlotRect(gapSlots[i]).center());
    if (oneWrong && right + 2 < gapSlots.size())
        Drag(tiles[right + 1], screen.SlotRect(gapSlots[right]).center());
}

QImage CompletionPage(const QString &path, Filling filling)
{
    GalleryHost host;
    TfrmDialogi_Dop screen(*host);
    Open(screen, host, path);
    const int slotCount = int(screen.Run().Slots().size());
    switch (filling) {
    case Filling::Open:
        break;
    case Filling::Dragging: {
        FillSlots(screen, 3, false);
        TKlocek *held = screen.Tiles().value(5);
        if (held)
            Drag(held, QPoint(560, 420), false);
        break;
    }
    case Filling::Checked:
    case Filling::RightWords:
        FillSlots(screen, slotCount - 3, true);
        screen.btnSprClick();
        if (filling == Filling::RightWords)
            screen.btnPoprawClick();
        break;
    }
    return Gallery::Grab(&screen);
}

// A made-up dialogue whose gaps outnumber the notebook's places.
QImage CompletionCrowdedPage()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tloczno.xml"_s);
    QString body =
        u"<tryb_znikania>1</tryb_znikania><tryb_znikania>1</tryb_znikania><polecenia><typ id=\"8\">"
        u"<polecenie id=\"1\">Drag the missing words into the gaps.</polecenie></typ></polecenia>"_s;
    const QStringList words{u"morning"_s, u"ticket"_s,  u"platform"_s, u"return"_s,
                            u"journey"_s, u"luggage"_s, u"delayed"_s,  u"seat"_s,
                            u"coffee"_s,  u"station"_s, u"window"_s,   u"change"_s};
    for (int i = 0; i < 18; ++i)
        body += u"<kwestia osoba=\"%1\" sampel=\"x.mp3\" visible=\"1\"><tresc>The &lt;%2&gt; is not the "
                u"&lt;%3&gt; we asked about.</tresc></kwestia>"_s.arg(1 + i % 2)
                    .arg(words[i % words.size()], words[(i + 5) % words.size()]);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(
            (u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><cwiczenie><config><typ_cw>18</typ_cw></config><body>"_s +
             body + u"</body></cwiczenie>"_s)
                .toUtf8());
    file.close();
    return CompletionPage(path, Filling::Open);
}

} // namespace

void RegisterGalleryPages_dialoguetasks(Gallery &gallery)
{
    gallery.AddPage(u"dialogue_comprehension_open"_s,
                    [] { return ComprehensionPage(u"podroze_6_pociag.xml"_s, Stage::Open); });
    gallery.AddPage(u"dialogue_comprehension"_s,
                    [] { return ComprehensionPage(u"codzien_4_sasiedzi.xml"_s, Stage::Answering); });
    gallery.AddPage(u"dialogue_comprehension_finished"_s,
                    [] { return ComprehensionPage(u"codzien_4_sasiedzi.xml"_s, Stage::Finished); });
    gallery.AddPage(u"dialogue_completion_open"_s,
                    [] { return CompletionPage(CoursePath(u"zdrowie_3_silownia.xml"_s), Filling::Open); });
    gallery.AddPage(u"dialogue_completion"_s,
                    [] { return CompletionPage(CoursePath(u"praca_2_telefon.xml"_s), Filling::Dragging); });
    gallery.AddPage(u"dialogue_completion_checked"_s,
                    [] { return CompletionPage(CoursePath(u"praca_2_telefon.xml"_s), Filling::Checked); });
    gallery.AddPage(u"dialogue_completion_right_words"_s, [] {
        return CompletionPage(CoursePath(u"jedzenie_2_kawiarnia.xml"_s), Filling::RightWords);
    });
    gallery.AddPage(u"dialogue_completion_crowded"_s, [] { return CompletionCrowdedPage(); });
}
