// The program's entry: one running copy, the folder roots, the long-lived screens in their
// fixed order while the progress window counts the steps, then the event loop until the
// backdrop closes.

#include "app/SingleInstance.h"
#include "app/StartUp.h"
#include "app/uPodklad.h"
#include "course/Catalogue.h"
#include "learner/uLogowanie.h"
#include "media/SystemMedia.h"
#include "media/uMedia.h"
#include "utils/SystemMessage.h"
#include "utils/Utils.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QThread>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <thread>

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

    // Qt takes the first thread that asks for its thread data as the main thread: this one,
    // before any worker below touches a Qt object.
    QThread::currentThread();

    // 2., 3. The folder roots: the executable's folder, as QCoreApplication would give it.
    Utils::SetProgramFolder(
        QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(u'/', 0, -2));
    Utils::SetMediaRoot(Utils::ProgramFolder());
    // The course is read on a worker thread while the screens are made; the exercise host
    // takes the result (step 8).
    Course::CatalogueReader().Start(0);

    // Without a session bus (a kiosk, a virtual display) D-Bus would fork a launcher at every
    // start for the accessibility bridge; the program never needs a bus of its own.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");

    // Fontconfig reads its configuration and font caches, dozens of files, when first used.
    // Begun here, beside the application's start, it is ready when the first text is measured;
    // then the login screen's background is decoded, on a thread of its own.
    std::thread warmUp([] {
        FcInit();
        TfrmLogowanie::PrefetchBackground();
    });

    QApplication app(argc, argv); // the command line is not read
    QApplication::setApplicationName(QStringLiteral("Audivox"));
    QApplication::setApplicationDisplayName(Utils::ApplicationTitle());
    QApplication::setQuitOnLastWindowClosed(false); // the backdrop decides

    // Sounds, films and recordings through Qt Multimedia; the devices are opened at first use.
    Media::InstallSystemSound();
    warmUp.join();
    Utils::SetSystemErrorHandler(&showErrorBox);
    // 5. to 13.: the backdrop first, the login screen last.
    const TStartUpResult startUp = CreateProgramScreens();
    if (startUp.SkinMissing) {
        DestroyProgramScreens();
        return 0;
    }
    // The learner hears once per run when this machine cannot sound or record.
    if (frmMedia)
        frmMedia->SetDeviceChecks(&Media::HasSoundOutput, &Media::HasMicrophone);
    QObject::connect(frmPodklad, &TfrmPodklad::Closed, &app, &QCoreApplication::quit);
    if (startUp.TerminateRequested) {
        // The remaining steps ran; the event loop ends at once.
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    }
    const int rc = app.exec();
    DestroyProgramScreens();
    return rc;
}
