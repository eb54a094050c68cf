// The program's entry: one running copy, the folder roots, the long-lived screens in their
// fixed order while the progress window counts the steps, then the event loop until the
// backdrop closes.

#include "app/SingleInstance.h"
#include "app/uFrmProgress.h"
#include "app/uPodklad.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

void showErrorBox(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // 1. A second copy ends at once, silently, before any window exists.
    TFileInstanceLock instanceLock;
    if (!instanceLock.TryAcquire())
        return 0;

    // Qt Multimedia picks its backend when the first media object is made.
    qputenv("QT_MEDIA_BACKEND", "gstreamer");

    QApplication app(argc, argv); // the command line is not read
    QApplication::setApplicationName(QStringLiteral("Audivox"));
    QApplication::setApplicationDisplayName(Utils::ApplicationTitle());
    QApplication::setQuitOnLastWindowClosed(false); // the backdrop decides

    // 2., 3. The folder roots.
    Utils::SetProgramFolder(QApplication::applicationDirPath());
    Utils::SetMediaRoot(Utils::ProgramFolder());

    Utils::SetSystemErrorHandler(&showErrorBox);
    // Skin fonts: InstallSkinFonts() (skin/uSkin.h) is called here once the skin library builds.

    // 5. The backdrop is the main window: the program ends when it closes.
    frmPodklad = new TfrmPodklad;
    QObject::connect(frmPodklad, &TfrmPodklad::Closed, &app, &QCoreApplication::quit);
    frmPodklad->show();

    // 6. The progress window, hidden until a long step starts.
    frmProgress = new TfrmProgress(frmPodklad);

    bool terminateRequested = false;

    // 7. Main menu (TfrmMain): loads the skin bundle; without it the program ends.
    // 8. Exercise host (TfrmNawigacja): reads the definitions file and scans the course with
    //    frmProgress; a definitions file that cannot be read sets terminateRequested.
    // 9. Dictionary (TfrmSlownik).

    // 10., 11. The remaining screens, counted by the progress window.
    frmProgress->ShowProgress(4, QStringLiteral("Tworzę elementy programu..."));
    frmProgress->StepProgress(1);
    // Message box (TfrmMsgBox).
    frmProgress->StepProgress(2);
    // Media window (TfrmMedia).
    frmProgress->StepProgress(3);
    // Selection screen (TfrmWyborCwiczenia); it routes the backdrop's hand-off to
    // OpenExercise with frmPodklad->SetHandOffHandler().
    frmProgress->StepProgress(4);

    // 12. Login screen (TfrmLogowanie).

    // 13.
    frmProgress->Close();
    // Show the login screen here.

    if (terminateRequested) {
        // The remaining steps ran; the event loop ends at once.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    const int rc = app.exec();
    delete frmPodklad;
    return rc;
}
