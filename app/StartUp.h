#pragma once
// The creation sequence of the long-lived screens (backdrop, progress window, main menu,
// exercise host, dictionary, message box, media window, selection screen, login screen), shared
// by the program's entry and the end-to-end test that walks the real program folder.

class TfrmLogowanie;

struct TStartUpResult
{
    // The skin bundle is missing: the error box was shown and the program must end at once.
    bool SkinMissing = false;
    // The definitions file could not be read: the event loop is to end at once.
    bool TerminateRequested = false;
    TfrmLogowanie *Login = nullptr;
};

// Steps 5 to 13 of start-up: creates every screen in its order while the progress window counts,
// then shows the login screen. ProgramFolder and MediaRoot must be set.
TStartUpResult CreateProgramScreens();

// A new login screen wired to the program (session, what follows a login, closing), shown.
TfrmLogowanie *ShowLoginScreen();

// Frees what CreateProgramScreens made (the backdrop owns the forms parented to it).
void DestroyProgramScreens();
