#include "app/StartUp.h"

#include "app/StageCentring.h"
#include "app/uFrmProgress.h"
#include "app/uMain.h"
#include "app/uPodklad.h"
#include "exercises/RegisterExercises.h"
#include "learner/uFrmUstawienia.h"
#include "learner/uLogowanie.h"
#include "media/uMedia.h"
#include "reference/uFrmPomoc.h"
#include "reference/uSlownik.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/MyHint.h"
#include "skin/uFrmMsgBox.h"
#include "skin/uSkin.h"

#include <QApplication>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// The learner at work, for the whole run: the main menu, the host and the learner screens all
// read this one.
std::unique_ptr<Learner::TLearnerSession> programSession;

// What follows a login: the learner's statistics (unless a switched language has read the
// catalogue with them already), the navigation bars of the menu and the selection screen, and
// the main menu with its start sound.
void AfterLogin(bool languageSwitched)
{
    if (frmNawigacja) {
        if (!languageSwitched)
            frmNawigacja->LoadStatistics();
        if (frmMain)
            frmNawigacja->RegisterExerciseScreen(frmMain, TfrmNawigacja::MainMenuButtons);
        if (frmWyborCwiczenia)
            frmNawigacja->RegisterExerciseScreen(frmWyborCwiczenia, TfrmNawigacja::SelectionButtons);
    }
    if (frmMain) {
        // Every login, not only one that switched the language, puts the captions in place.
        frmMain->ApplyInterfaceTexts();
        frmMain->PlayStartSound = true;
        frmMain->show();
    }
    if (frmPodklad)
        frmPodklad->ShowWait(true);
    // The dictionary is read while the learner is at the main menu, not before the login.
    if (frmSlownik)
        frmSlownik->PrefetchDictionary();
}

} // namespace

TfrmLogowanie *ShowLoginScreen()
{
    auto *login = new TfrmLogowanie;
    if (frmMain) {
        login->SetSession(&frmMain->Session(), [](int language) {
            frmMain->SwitchInterfaceLanguage(language);
            frmMain->ApplyInterfaceTexts();
        });
    }
    QObject::connect(login, &TfrmLogowanie::LoggedIn, login,
                     [](const TUser &, bool languageSwitched) { AfterLogin(languageSwitched); });
    QObject::connect(login, &TfrmLogowanie::QuitRequested, login, [] {
        if (frmMain)
            frmMain->close();
    });
    login->show();
    return login;
}

TStartUpResult CreateProgramScreens()
{
    TStartUpResult result;
    InstallSkinFonts();
    TMyHint::Install();

    // 5. The backdrop is the main window: the program ends when it closes. On a display larger
    // than the forms every form stands in its middle.
    frmPodklad = new TfrmPodklad;
    TStageCentring::Install(frmPodklad);
    frmPodklad->show();

    // 6. The progress window, hidden until a long step starts.
    frmProgress = new TfrmProgress(frmPodklad);

    // 7. Main menu: loads the skin bundle; without it the program ends once the box is closed.
    programSession = std::make_unique<Learner::TLearnerSession>();
    SetHelpSession(programSession.get());
    frmMain = new TfrmMain(frmPodklad, programSession.get());
    if (!frmMain->SkinLoaded()) {
        result.SkinMissing = true;
        return result;
    }

    // 8. Exercise host: reads the definitions file and scans the course with frmProgress.
    frmNawigacja = new TfrmNawigacja(nullptr, true, frmProgress);
    frmNawigacja->SetLearner(&frmMain->LoggedInUser, &frmMain->Settings);
    frmNawigacja->SetMainMenu(frmMain);
    frmNawigacja->SetBackdrop(frmPodklad);
    frmNawigacja->SetHandOff({[] { return frmPodklad->Busy(); }, [] { frmPodklad->StartHandOff(); }});
    frmPodklad->SetHandOffHandler([] {
        if (const Course::TElement *node = frmNawigacja->CurrentNode())
            OpenExercise(node->Kind, node->FileName, node->MediaMarks);
    });
    result.TerminateRequested = frmNawigacja->TerminateRequested();

    // 9. Dictionary.
    frmSlownik = new TfrmSlownik(nullptr, frmProgress);

    // 10., 11. The remaining screens, counted by the progress window.
    frmProgress->ShowProgress(4, u"Tworzę elementy programu..."_s);
    frmProgress->StepProgress(1);
    frmMsgBox = new TfrmMsgBox;
    frmProgress->StepProgress(2);
    frmMedia = new TfrmMedia;
    frmProgress->StepProgress(3);
    frmWyborCwiczenia = new TfrmWyborCwiczenia(frmNawigacja, frmPodklad);
    RegisterExerciseOpeners(ExerciseOpeners(), *frmNawigacja);
    frmNawigacja->SetFirstUseNoticeHandler([](int notice) { ShowFirstUseNotice(*programSession, notice); });
    QObject::connect(frmMain, &TfrmMain::LoggedOut, frmMain, [] { ShowLoginScreen(); });
    frmProgress->StepProgress(4);

    // 12., 13. Login screen; a new one is made after every logout.
    frmProgress->Close();
    result.Login = ShowLoginScreen();
    return result;
}

void DestroyProgramScreens()
{
    delete frmLogowanie;
    delete frmMsgBox;
    delete frmMedia;
    delete frmSlownik;
    delete frmNawigacja;
    delete frmPodklad; // with the main menu, the selection screen and the progress window
    frmMsgBox = nullptr;
    frmMedia = nullptr;
    frmSlownik = nullptr;
    frmPodklad = nullptr;
    frmProgress = nullptr;
    frmMain = nullptr;
    frmWyborCwiczenia = nullptr;
    frmNawigacja = nullptr;
    SetHelpSession(nullptr);
    programSession.reset();
}
