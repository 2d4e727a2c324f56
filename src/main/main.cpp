#define LOG_COMPONENT "launcher_debug"
#define LOG_MODULE "main.cpp"
#include "log.h"

#include "qtsingleapplication.h"
#include "startup.h"

#include <cstdio>

// Steps after start-up: create the launch controller, start its handler
// thread, emit the start request, run the event loop, delete the controller
// and return the loop's result. The controller is not part of this build
// yet, so start-up ends here with success.
static int RunLaunch(QApplication &app)
{
    (void)app;
    printf("Start-up done; the launch controller is not built yet.\n");
    fflush(stdout);
    return 0;
}

int main(int argc, char **argv)
{
    SetupLibraryPaths(argv[0]);

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
