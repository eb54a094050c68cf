// Gallery pages of the exercise runtime: the table of contents with results, dates and a
// repetition hint, and the list of due repetitions.
#include "Gallery.h"

#include "course/Catalogue.h"
#include "course/ExerciseKind.h"
#include "learner/Struct_Config.h"
#include "learner/TUser.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/MyHint.h"
#include "skin/VelListBox.h"

#include <QDate>
#include <QPainter>

using namespace Qt::StringLiterals;
using Course::TElement;

namespace {

// A learner part-way through the course: results on the first exercises, some repetitions due.
struct SampleLearner
{
    TUser user;
    LearnerSettings settings = LearnerSettings::Defaults();
    SampleLearner()
    {
        user.Id = 1;
        user.Name = u"Ola"_s;
        user.Gender = u"K"_s;
        user.Figure = 13;
    }
};

void giveResults(TfrmNawigacja &host)
{
    const int results[] = {100, 37, 82, 64, 15, 91, 50};
    const QDate today = QDate::currentDate();
    int n = 0;
    for (TElement *node : host.CatalogueList()) {
        if (node->NodeType == Course::NodeType::RootOrGroup || node->Progress < 0 || n >= 14)
            continue;
        node->HasResult = true;
        node->Progress = results[n % 7];
        node->LastDate = today.addDays(-n).toString(u"dd-MM-yyyy"_s);
        node->RepeatDate = today.addDays(n % 3 == 0 ? -1 : 5 + n).toString(u"yyyy-MM-dd"_s);
        ++n;
    }
}

// The first group with a package, expanded together with that package.
int expandGroupAndPackage(TfrmNawigacja &host)
{
    for (TElement *group : host.Catalogue().Root()->Children) {
        for (TElement *node : group->Children) {
            if (node->NodeType == Course::NodeType::Package && node->ChildCount() > 0) {
                group->Expanded = true;
                node->Expanded = true;
                return host.CatalogueList().indexOf(node);
            }
        }
    }
    return -1;
}

QImage renderCatalogue()
{
    SampleLearner learner;
    TfrmNawigacja host;
    frmNawigacja = &host;
    host.SetLearner(&learner.user, &learner.settings);
    giveResults(host);
    expandGroupAndPackage(host);
    TfrmWyborCwiczenia screen(&host);
    frmWyborCwiczenia = &screen;
    host.RegisterExerciseScreen(&screen, TfrmNawigacja::SelectionButtons);
    screen.RefillList(TfrmWyborCwiczenia::CatalogueMode);
    TVelListBox *list = screen.ExerciseList();
    list->SetHotIndex(1);
    QImage shot = Gallery::Grab(&screen);

    // The hint of the first row that has one, where the learner's mouse would be.
    for (int row = 0; row < list->Count(); ++row) {
        const TElement *node = screen.NodeOfRow(list, row);
        const QString hint = node ? TfrmWyborCwiczenia::RepetitionHint(*node) : QString();
        if (hint.isEmpty())
            continue;
        TMyHint window;
        window.ShowHint(QPoint(0, 0), hint);
        const QImage tip = Gallery::Grab(&window);
        QPainter painter(&shot);
        painter.drawImage(list->x() + 612, list->y() + row * 24 + 22, tip);
        break;
    }
    frmWyborCwiczenia = nullptr;
    frmNawigacja = nullptr;
    return shot;
}

QImage renderRepetitions()
{
    SampleLearner learner;
    TfrmNawigacja host;
    frmNawigacja = &host;
    host.SetLearner(&learner.user, &learner.settings);
    giveResults(host);
    host.FindDueRepetitions();
    Course::SetExpandedAll(host.Repetitions(), true);
    TfrmWyborCwiczenia screen(&host);
    frmWyborCwiczenia = &screen;
    host.RegisterExerciseScreen(&screen, TfrmNawigacja::SelectionButtons);
    screen.SetSelectionMode(TfrmWyborCwiczenia::RepetitionsMode);
    screen.RefillList(TfrmWyborCwiczenia::RepetitionsMode);
    const QImage shot = Gallery::Grab(&screen);
    frmWyborCwiczenia = nullptr;
    frmNawigacja = nullptr;
    return shot;
}

// The group holding a package of word items (variant 4), opened with that package, so the
// items' own icons show in the row and in the package's strip.
QImage renderWordItems()
{
    SampleLearner learner;
    TfrmNawigacja host;
    frmNawigacja = &host;
    host.SetLearner(&learner.user, &learner.settings);
    for (TElement *group : host.Catalogue().Root()->Children) {
        for (TElement *node : group->Children) {
            if (node->Kind == Course::ExerciseKind::Package104 ||
                (node->ChildCount() > 0 && node->Children.first()->Kind == Course::ExerciseKind::Item41)) {
                group->Expanded = true;
                node->Expanded = true;
            }
        }
    }
    TfrmWyborCwiczenia screen(&host);
    frmWyborCwiczenia = &screen;
    host.RegisterExerciseScreen(&screen, TfrmNawigacja::SelectionButtons);
    screen.RefillList(TfrmWyborCwiczenia::CatalogueMode);
    const QImage shot = Gallery::Grab(&screen);
    frmWyborCwiczenia = nullptr;
    frmNawigacja = nullptr;
    return shot;
}

} // namespace

void RegisterGalleryPages_runtime(Gallery &gallery)
{
    gallery.AddPage(u"selection_word_items"_s, renderWordItems);
    gallery.AddPage(u"selection_catalogue"_s, renderCatalogue);
    gallery.AddPage(u"selection_repetitions"_s, renderRepetitions);
}
