// Builds the single-instance application object, reports what it found on
// standard output ("running=0|1 lock=<path>") and, when it is the only
// instance, holds the lock until its standard input closes.
#include "qtsingleapplication.h"

#include <cstdio>
#include <unistd.h>

int main(int argc, char **argv)
{
    QtSingleApplication app(argc, argv, true);
    const bool running = app.isRunning();
    printf("running=%d lock=%s\n", running ? 1 : 0, app.lockFilePath().toLocal8Bit().constData());
    fflush(stdout);
    if (!running) {
        char buffer[64];
        while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
        }
    }
    return running ? 1 : 0;
}
