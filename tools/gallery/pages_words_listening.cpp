// Gallery pages of the listen-and-choose exercises: true/false groups, three pictures and
// uncovering in their states, from the sample course's own files.
#include "Gallery.h"

#include "exercises/words/OdkrywankaImage.h"
#include "exercises/words/uFrm3Obrazki.h"
#include "exercises/words/uFrmOdkrywanka.h"
#include "exercises/words/uFrmTFGr.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/Vel3ObrazkiFrame.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace Qt::StringLiterals;

namespace {

// Opens file of Dane on screen the way the opening routine does, with fixed draws.
template <typename Screen>
void Open(Screen &screen, GalleryHost &host, const QString &file, Utils::RandomPick pick)
{
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.SetRandomPick(std::move(pick));
    screen.LoadFile(Utils::ProgramPath(u"\\Dane\\"_s + file));
    host->RegisterExerciseScreen(&screen, screen.Kind().ButtonSet);
    screen.LayOutOnce();
    Gallery::Grab(&screen);
}

void Press(QWidget *widget, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    QMouseEvent down(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), button, button, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at), button, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
}

enum class TableStage { Open, Scored, RightAnswers };

// Ticks every statement but the last, one of them wrongly, and takes the table to stage.
QImage TrueFalsePage(const QString &file, TableStage stage)
{
    GalleryHost host;
    TfrmTFGr screen(*host);
    Open(screen, host, file, [](int) { return 0; });
    auto *obszar = screen.findChild<QWidget *>(u"Obszar"_s);
    const int rows = int(screen.Items().size());
    const int answered = stage == TableStage::Open ? rows / 2 : rows - 1;
    for (int r = 0; r < answered; ++r) {
        const bool truth = screen.Items()[r].Truth;
        Press(obszar, screen.BoxRect(r, r == 2 ? !truth : truth).center());
    }
    if (stage != TableStage::Open)
        screen.btnSprClick();
    if (stage == TableStage::RightAnswers)
        screen.btnPoprawClick();
    return Gallery::Grab(&screen);
}

enum class PictureStage { Open, Answered, Finished };

QImage ThreePicturesPage(const QString &file, PictureStage stage)
{
    GalleryHost host;
    Tfrm3Obrazki screen(*host);
    Open(screen, host, file, Utils::MakeSeededPick(4));
    const auto key = [&screen](int k) {
        QKeyEvent press(QEvent::KeyPress, k, Qt::NoModifier, QString(QChar(u'0' + (k - Qt::Key_0))));
        QApplication::sendEvent(&screen, &press);
    };
    if (stage == PictureStage::Open) {
        // The pointer over the middle frame.
        screen.Frame(2)->SetStanRamki(fsHover);
        return Gallery::Grab(&screen);
    }
    const int turns = stage == PictureStage::Answered ? 1 : screen.Run().TurnCount();
    for (int t = 0; t < turns; ++t) {
        const int right = screen.Run().RightFrame();
        // The first turn is picked wrongly, to show both colours.
        key(Qt::Key_0 + (t == 0 ? right % 3 + 1 : right));
        if (t + 1 < turns)
            screen.btnSprClick();
    }
    return Gallery::Grab(&screen);
}

// Finds the words of the first `found` definitions, one wrong click on the way.
QImage UncoveringPage(const QString &file, int found)
{
    GalleryHost host;
    TfrmOdkrywanka screen(*host);
    Open(screen, host, file, Utils::MakeSeededPick(2));
    bool wrongDone = false;
    while (screen.Run().Good() < found && !screen.Run().IsFinished()) {
        const int current = screen.Run().Current();
        int click = current;
        if (!wrongDone && screen.Run().Good() == 1) {
            click = (current + 1) % screen.Run().WordCount();
            wrongDone = !screen.Run().Definitions()[click].Found;
            if (!wrongDone)
                click = current;
        }
        screen.WordButton(click)->click();
    }
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (found > 0 && found < screen.Run().WordCount()) {
        // The pointer over a word still covered.
        for (int i = 0; i < screen.Run().WordCount(); ++i) {
            TOdkrywankaImage *button = screen.WordButton(i);
            if (!button->IsUncovered()) {
                QEnterEvent enter(QPointF(40, 10), button->mapToGlobal(QPointF(40, 10)),
                                  button->mapToGlobal(QPointF(40, 10)));
                QApplication::sendEvent(button, &enter);
                break;
            }
        }
    }
    return Gallery::Grab(&screen);
}

} // namespace

void RegisterGalleryPages_listening(Gallery &gallery)
{
    gallery.AddPage(u"true_false_open"_s,
                    [] { return TrueFalsePage(u"codzien_1_poranek.xml"_s, TableStage::Open); });
    gallery.AddPage(u"true_false"_s,
                    [] { return TrueFalsePage(u"zdrowie_3_tydzien.xml"_s, TableStage::Scored); });
    gallery.AddPage(u"true_false_right_answers"_s,
                    [] { return TrueFalsePage(u"zdrowie_3_tydzien.xml"_s, TableStage::RightAnswers); });
    gallery.AddPage(u"three_pictures"_s,
                    [] { return ThreePicturesPage(u"podroze_5_obrazki.xml"_s, PictureStage::Open); });
    gallery.AddPage(u"three_pictures_answered"_s,
                    [] { return ThreePicturesPage(u"zakupy_1_obrazki.xml"_s, PictureStage::Answered); });
    gallery.AddPage(u"three_pictures_finished"_s,
                    [] { return ThreePicturesPage(u"podroze_5_obrazki.xml"_s, PictureStage::Finished); });
    gallery.AddPage(u"uncovering_start"_s, [] { return UncoveringPage(u"podroze_4_miasto.xml"_s, 0); });
    gallery.AddPage(u"uncovering"_s, [] { return UncoveringPage(u"zdrowie_2_apteka.xml"_s, 4); });
    gallery.AddPage(u"uncovering_finished"_s, [] { return UncoveringPage(u"podroze_4_miasto.xml"_s, 8); });
}
