// Gallery pages of the word exercises: the multiple-choice test in its states, from the
// sample course's own files.
#include "Gallery.h"

#include "course/Catalogue.h"
#include "course/ExerciseKind.h"
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
QImage TestPage(const QString &file, Stage stage, bool oneWrong, int scrollTo = 0, bool inPackage = false)
{
    GalleryHost host;
    // A test of a package of two: its numbered buttons stand left of the result panel.
    Course::TElement group;
    Course::TElement package;
    Course::TElement items[2];
    if (inPackage) {
        package.Parent = &group;
        package.NodeType = Course::NodeType::Package;
        package.Kind = Course::ExerciseKind::PackageOfFiles;
        for (int n = 0; n < 2; ++n) {
            items[n].NodeType = Course::NodeType::PackageItem;
            items[n].Kind = TfrmTest::KindCode;
            items[n].Position = n + 1;
            items[n].Parent = &package;
            package.Children.append(&items[n]);
        }
        host->SetCurrent(&items[0]);
    }
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
    const QImage shot = Gallery::Grab(&screen);
    if (inPackage) {
        host->SetCurrent(nullptr);
        package.Children.clear();
    }
    return shot;
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
    gallery.AddPage(u"test_package_scored"_s, [] {
        return TestPage(u"Paczki\\test_przyjecie_1.xml"_s, Stage::Scored, true, 0, true);
    });
    gallery.AddPage(u"test_long_scrolled"_s,
                    [] { return TestPage(u"test_zdrowie_sport.xml"_s, Stage::Open, false, 40); });
}
