// Gallery pages of the word exercises: the multiple-choice test in its states, from the
// sample course's own files.
#include "Gallery.h"

#include "course/Catalogue.h"
#include "course/ExerciseKind.h"
#include "exercises/words/uFrmTest.h"
#include "exercises/words/uFrmWpisywanie.h"
#include "exercises/words/ufrmMiniSlownik.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/ALScrollBar.h"
#include "skin/VelResButton.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

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

enum class GapStage { Open, Typing, Scored, RightAnswers, Phrases };

// The station dialogue of the sample course: answers typed as a learner would (two wrong, the
// last one left empty), the box open on the sixth gap while typing.
const QStringList StationAnswers = {u"return"_s, u"coming"_s,   u"morning"_s, u"railcard"_s,
                                    u"That's"_s, u"platform"_s, u"for"_s,     u"past"_s,
                                    u"direct"_s, u"change"_s,   QString()};

QImage GapPage(GapStage stage, const QString &file = u"podroze_1_dworzec.xml"_s,
               const QStringList &answers = StationAnswers)
{
    GalleryHost host;
    TfrmWpisywanie screen(*host);
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.Reset();
    screen.LoadFile(Utils::ProgramPath(u"\\Dane\\"_s + file));
    host->RegisterExerciseScreen(&screen, TfrmNawigacja::ExerciseButtons);
    screen.LayOutOnce();
    Gallery::Grab(&screen);

    auto *box = screen.findChild<QLineEdit *>(u"Edit1"_s);
    const QList<int> gaps = screen.Text().Gaps();
    const bool typing = stage == GapStage::Typing || stage == GapStage::Phrases;
    const int typed = stage == GapStage::Open ? 0 : typing ? 5 : int(gaps.size());
    for (int i = 0; i < typed && i < gaps.size(); ++i) {
        screen.EditGap(gaps[i]);
        box->setText(answers.value(i));
    }
    if (typing) {
        screen.EditGap(gaps[5]);
        box->setText(u"platf"_s);
        box->setCursorPosition(5);
    }
    if (stage == GapStage::Scored || stage == GapStage::RightAnswers)
        screen.btnSprClick();
    if (stage == GapStage::RightAnswers)
        screen.btnPoprawClick();
    QImage shot = Gallery::Grab(&screen);
    if (stage == GapStage::Phrases) {
        TfrmMiniSlownik phrases(screen.PhraseList(), &screen);
        const QImage window = Gallery::Grab(&phrases);
        QPainter painter(&shot);
        painter.drawImage((shot.width() - window.width()) / 2, (shot.height() - window.height()) / 2, window);
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
    gallery.AddPage(u"test_package_scored"_s,
                    [] { return TestPage(u"Paczki\\test_przyjecie_1.xml"_s, Stage::Scored, true, 0, true); });
    gallery.AddPage(u"test_long_scrolled"_s,
                    [] { return TestPage(u"test_zdrowie_sport.xml"_s, Stage::Open, false, 40); });
    gallery.AddPage(u"gaps_open"_s, [] { return GapPage(GapStage::Open); });
    gallery.AddPage(u"gaps"_s, [] { return GapPage(GapStage::Typing); });
    gallery.AddPage(u"gaps_scored"_s, [] { return GapPage(GapStage::Scored); });
    gallery.AddPage(u"gaps_right_answers"_s, [] { return GapPage(GapStage::RightAnswers); });
    gallery.AddPage(u"gaps_phrases"_s, [] { return GapPage(GapStage::Phrases); });
    gallery.AddPage(u"gaps_diary"_s, [] {
        return GapPage(GapStage::Scored, u"codzien_3_tydzien.xml"_s,
                       {u"swimming"_s, u"7"_s, u"Spanish"_s, u"6:30"_s, u"grandma"_s, u"work"_s, u"tennis"_s,
                        u"quarter to eight"_s, u"cinema"_s, u"nine"_s, u"10"_s, u"parents"_s, u"one"_s,
                        QString()});
    });
}
