// Builds the single-instance application object, reports what it found on
// standard output ("running=0|1 lock=<path> problem=<text> note=<text>") and, when it
// is the only instance, holds the lock until its standard input closes.
//   --named <name>  names the application first, as the launcher does
// With PVKQT_HELPER_UID set it first becomes that user.
#include "qtsingleapplication.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (const char *uid = getenv("PVKQT_HELPER_UID")) {
        const uid_t id = static_cast<uid_t>(atoi(uid));
        if (setresgid(id, id, id) != 0 || setresuid(id, id, id) != 0)
            return 3;
    }
    if (argc == 3 && strcmp(argv[1], "--named") == 0)
        QCoreApplication::setApplicationName(QString::fromLocal8Bit(argv[2]));
    QtSingleApplication app(argc, argv, true);
    const bool running = app.isRunning();
    printf("running=%d lock=%s problem=%s note=%s\n", running ? 1 : 0, app.lockFilePath().toLocal8Bit().constData(),
           app.lockProblem().toLocal8Bit().constData(), app.lockNote().toLocal8Bit().constData());
    fflush(stdout);
    if (!running) {
        char buffer[64];
        while (read(STDIN_FILENO, buffer, sizeof buffer) > 0) {
        }
    }
    return running ? 1 : 0;
}
