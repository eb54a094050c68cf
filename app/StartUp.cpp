#include "app/StartUp.h"

#include "app/uFrmProgress.h"
#include "app/uMain.h"
#include "app/uPodklad.h"
#include "exercises/RegisterExercises.h"
#include "learner/uLogowanie.h"
#include "media/uMedia.h"
#include "reference/uSlownik.h"
#include "runtime/uFrmNawigacja.h"
#include "runtime/uFrmWyborCwiczenia.h"
#include "skin/MyHint.h"
#include "skin/uFrmMsgBox.h"
#include "skin/uSkin.h"

#include <QApplication>

using namespace Qt::StringLiterals;

TStartUpResult CreateProgramScreens()
{
    TStartUpResult result;
    InstallSkinFonts();
    TMyHint::Install();

    // 5. The backdrop is the main window: the program ends when it closes.
    frmPodklad = new TfrmPodklad;
    frmPodklad->show();

    // 6. The progress window, hidden until a long step starts.
    frmProgress = new TfrmProgress(frmPodklad);

    // 7. Main menu: loads the skin bundle; without it the program ends once the box is closed.
    frmMain = new TfrmMain(frmPodklad);
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
    RegisterExerciseScreens();
    frmProgress->StepProgress(4);

    // 12. Login screen; a new one is made after every logout.
    result.Login = new TfrmLogowanie;
    // The dictionary is read while the learner is at the main menu, not before the login.
    QObject::connect(result.Login, &TfrmLogowanie::LoggedIn, frmSlownik, [] { frmSlownik->PrefetchDictionary(); });

    // 13.
    frmProgress->Close();
    result.Login->show();
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
}
