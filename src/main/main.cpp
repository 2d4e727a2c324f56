#define LOG_COMPONENT "launcher_debug"
#define LOG_MODULE "main.cpp"
#include "log.h"

#include "launcher.h"
#include "qtsingleapplication.h"
#include "startup.h"

// The run itself: the controller installs on its handler thread while the
// event loop runs; LaunchDone quits the loop once that thread has finished,
// so deleting the controller afterwards waits for nothing.
static int RunLaunch(QApplication &app)
{
    Launcher *launcher = new Launcher;
    launcher->StartWorkerThread();
    launcher->StartService();
    const int result = app.exec();
    delete launcher;
    return result;
}

int main(int argc, char **argv)
{
    SetupLibraryPaths(argv[0]);
    // Fixed, not taken from argv[0]: the window class that docks match with
    // the menu entry's StartupWMClass, the Wayland app id, and the name of
    // the instance lock stay the same however the launcher was started.
    QCoreApplication::setApplicationName(QStringLiteral("zelto-launcher"));
    QGuiApplication::setDesktopFileName(QStringLiteral("quenmark-zelto"));

    QtSingleApplication app(argc, argv, true);
    RegisterPathTable();
    SetupDebugLog();

    if (app.isRunning()) {
        LOG_DEBUG("app has already launched, return\n");
        return 0;
    }

    SetupTranslatorAndFont();
    return RunLaunch(app);
}
