#include "runtime/ExerciseScreen.h"

#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "runtime/uFrmNawigacja.h"
#include "skin/VelBelka.h"
#include "skin/VelProgress.h"
#include "skin/VelResButton.h"
#include "skin/uSkin.h"
#include "utils/Utils.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

using namespace Qt::StringLiterals;

void CentreOnScreen(QWidget *form)
{
    if (!form || !form->isWindow())
        return;
    const QScreen *screen = form->screen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const int left = area.left() + qMax(0, (area.width() - form->width()) / 2);
    const int top = area.top() + qMax(0, (area.height() - form->height()) / 2);
    form->move(left, top);
}

TExerciseScreen::TExerciseScreen(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(1024, 768);
    setFocusPolicy(Qt::StrongFocus);
}

TExerciseScreen::~TExerciseScreen() = default;

TVelBelka *TExerciseScreen::Belka() const
{
    return findChild<TVelBelka *>(u"Belka"_s);
}

TVelProgress *TExerciseScreen::ResultPanel() const
{
    return findChild<TVelProgress *>(u"Panel_Wynik"_s);
}

int TExerciseScreen::ResultTag() const
{
    const TVelProgress *panel = ResultPanel();
    return panel ? panel->Tag() : 0;
}

void TExerciseScreen::SetResultTag(int tag)
{
    if (TVelProgress *panel = ResultPanel())
        panel->SetTag(tag);
}

bool TExerciseScreen::HasShownResult() const
{
    const TVelProgress *panel = ResultPanel();
    return panel && panel->isVisibleTo(this);
}

int TExerciseScreen::ShownResult() const
{
    const TVelProgress *panel = ResultPanel();
    return panel ? panel->Wynik() : 0;
}

void TExerciseScreen::ShowResult(int percent)
{
    TVelProgress *panel = ResultPanel();
    if (!panel)
        return;
    panel->SetWynik(qBound(0, percent, 100));
    panel->show();
    panel->raise();
    if (RecordsResultAtOnce() && frmNawigacja)
        frmNawigacja->RecordExerciseResult(this);
}

void TExerciseScreen::StartNewRun()
{
    if (TVelProgress *panel = ResultPanel()) {
        panel->hide();
        panel->SetTag(0);
    }
}

bool TExerciseScreen::RecordsResultAtOnce() const
{
    return true;
}

QString TExerciseScreen::HelpPage() const
{
    return TfrmNawigacja::HelpPage(objectName());
}

void TExerciseScreen::FinishCreation()
{
    setWindowTitle(Utils::ProductCaption());
    ApplySkin(this);
    if (frmNawigacja)
        frmNawigacja->SetupExerciseTitleBar(Belka());
}

void TExerciseScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        // Escape is the back button; without one (or with it disabled) it does nothing.
        if (auto *back = findChild<TVelResButton *>(u"btn_nawigacja_wroc"_s); back && back->isEnabled())
            back->click();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F1) {
        const QString page = HelpPage();
        if (!page.isEmpty())
            OpenHelp(page, HelpInLearnerMode(), this);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TExerciseScreen::closeEvent(QCloseEvent *event)
{
    // The host may close a screen at any time: closing is always allowed.
    TfrmNawigacja::RemoveNavigationButtons(this);
    StopMedia();
    event->accept();
}

void TExerciseScreen::showEvent(QShowEvent *event)
{
    CentreOnScreen(this);
    QWidget::showEvent(event);
    if (frmNawigacja)
        frmNawigacja->SetupExerciseTitleBar(Belka());
    setFocus();
}
