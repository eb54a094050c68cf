// The program's entry: one running copy, the folder roots, the long-lived screens in their
// fixed order while the progress window counts the steps, then the event loop until the
// backdrop closes.

#include "app/SingleInstance.h"
#include "app/StartUp.h"
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
    // 5. to 13.: the backdrop first, the login screen last.
    const TStartUpResult startUp = CreateProgramScreens();
    if (startUp.SkinMissing) {
        DestroyProgramScreens();
        return 0;
    }
    QObject::connect(frmPodklad, &TfrmPodklad::Closed, &app, &QCoreApplication::quit);
    if (startUp.TerminateRequested) {
        // The remaining steps ran; the event loop ends at once.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    const int rc = app.exec();
    DestroyProgramScreens();
    return rc;
}
