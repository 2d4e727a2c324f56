#define LOG_COMPONENT "launcher_debug"
#define LOG_MODULE "main.cpp"
#include "log.h"

#include "launcher.h"
#include "qtsingleapplication.h"
#include "startup.h"

#include <QGuiApplication>

// The run itself: the controller installs on its handler thread while the
// event loop runs; LaunchDone quits the loop once that thread has finished,
// so deleting the controller afterwards waits for nothing.
static int RunLaunch(QApplication &app)
{
    Launcher launcher;
    launcher.StartWorkerThread();
    launcher.StartService();
    return app.exec();
}

int main(int argc, char **argv)
{
    SetupLibraryPaths(argv[0]);
    // Docks tie the dialog to the menu entry: on X by the window class, which
    // is the application name below (the entry's StartupWMClass), on Wayland
    // by the app id, which is the entry's name.
    QGuiApplication::setDesktopFileName(QStringLiteral("quenmark-zelto"));

    // One launcher per user, whatever name it was started by: the
    // instance lock is named after the program, not after argv[0].
    QCoreApplication::setApplicationName(QStringLiteral("zelto-launcher"));
    const UserPlatform userPlatform = ChoosePlatforms();
    QtSingleApplication app(argc, argv, true);
    RestoreUserPlatform(userPlatform);
    RegisterPathTable();
    SetupDebugLog();

    if (!app.lockProblem().isEmpty())
        LOG_WARNING("instance lock not taken: %s; running all the same\n", app.lockProblem().toUtf8().constData());
    // The lock was looked at before the log existed; what it found about
    // another host is told now.
    if (!app.lockNote().isEmpty())
        LOG_NOTE("%s\n", app.lockNote().toUtf8().constData());

    if (app.isRunning()) {
        LOG_DEBUG("app has already launched, return\n");
        return 0;
    }
    LOG_INFO("Qt platform = %s\n", QGuiApplication::platformName().toUtf8().constData());

    SetupTranslatorAndFont();
    return RunLaunch(app);
}
