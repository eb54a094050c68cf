// Gallery pages of the word exercises: the multiple-choice test in its states, from the
// sample course's own files.
#include "Gallery.h"

#include "exercises/words/uFrmTest.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/ALScrollBar.h"
#include "skin/VelResButton.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QMouseEvent>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Stage { Open, Scored, RightAnswers };

// Opens file of Dane in a fixed order (so the pictures stay the same from build to build),
// marks answers, and takes the sheet to stage.
QImage TestPage(const QString &file, Stage stage, bool oneWrong, int scrollTo = 0)
{
    GalleryHost host;
    TfrmTest screen(*host);
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.SetRandomPick([](int) { return 0; });
    screen.Reset();
    screen.LoadFile(Utils::ProgramPath(u"\\Dane\\"_s + file));
    host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
    screen.LayOutOnce();
    Gallery::Grab(&screen);

    auto *obszar = screen.findChild<QWidget *>(u"Obszar"_s);
    const auto press = [&](int g, int i) {
        const QPointF at = screen.AnswerRect(g, i).center();
        QMouseEvent down(QEvent::MouseButtonPress, at, obszar->mapToGlobal(at), Qt::LeftButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(obszar, &down);
    };
    for (int g = 0; g < screen.Groups().size(); ++g) {
        const QList<TGrupaItem> &items = screen.Groups()[g].Items;
        const bool wrong = oneWrong && g == 1;
        for (int i = 0; i < items.size(); ++i) {
            if (items[i].Correct != wrong) {
                press(g, i);
                if (screen.SingleChoice())
                    break;
            }
        }
        if (stage == Stage::Open && g == 2)
            break; // an open sheet half answered
    }
    if (stage != Stage::Open)
        screen.btnSprClick();
    if (stage == Stage::RightAnswers)
        screen.btnPoprawClick();
    if (scrollTo)
        screen.ScrollTo(scrollTo);
    return Gallery::Grab(&screen);
}

} // namespace

void RegisterGalleryPages_words(Gallery &gallery)
{
    gallery.AddPage(u"test_open"_s,
                    [] { return TestPage(u"test_codzien_sasiad.xml"_s, Stage::Open, false); });
    gallery.AddPage(u"test_scored"_s,
                    [] { return TestPage(u"test_codzien_sasiad.xml"_s, Stage::Scored, true); });
    gallery.AddPage(u"test_right_answers"_s,
                    [] { return TestPage(u"test_podroze_lotnisko.xml"_s, Stage::RightAnswers, true); });
    gallery.AddPage(u"test_multiple_scored"_s,
                    [] { return TestPage(u"test_praca_spotkanie.xml"_s, Stage::Scored, true); });
    gallery.AddPage(u"test_long_scrolled"_s,
                    [] { return TestPage(u"test_zdrowie_sport.xml"_s, Stage::Open, false, 40); });
}
