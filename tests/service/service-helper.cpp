// Helper process of tst_service.
//   client term|ignore|rename|nobody|hidden|slow <ready-file>
//       plays the client's user interface: ends on SIGTERM (term), ignores
//       it (ignore), ends on it after renaming its command (rename), or
//       ends on it as user 65534 (nobody; hidden: also not dumpable, so
//       that even that user cannot read its /proc entries), or ends 100 ms
//       after it (slow); creates <ready-file> once its
//       signal disposition and its user are set. With ZELTO_TEST_PID_FILE
//       set, it first writes its pid file there, as a client does; with
//       ZELTO_TEST_MAP set, it maps that file and closes it.
//   install <base> <root>
//       registers the path table below <base> and <root> and runs one
//       installation; the exit code is its result (0 or 1).
//       With ZELTO_TEST_STALL_AT set, the installation stops for good when
//       the copy meets an entry of that name (the second walk to meet it:
//       the first fingerprints the package), after creating the file named
//       by ZELTO_TEST_STALLED: the test kills it there.
#include "linux-service.h"
#include "service-paths.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <unistd.h>

extern "C" struct dirent *readdir(DIR *dir)
{
    using Real = struct dirent *(*)(DIR *);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "readdir"));
    static const char *const stallAt = getenv("ZELTO_TEST_STALL_AT");
    static const char *const stalled = getenv("ZELTO_TEST_STALLED");
    static int met = 0;
    struct dirent *entry = real(dir);
    if (entry && stallAt && stalled && strcmp(entry->d_name, stallAt) == 0 && ++met == 2) {
        int fd = open(stalled, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0)
            close(fd);
        for (;;)
            pause();
    }
    return entry;
}

namespace {

volatile sig_atomic_t g_terminate = 0;

void noteTerminate(int)
{
    g_terminate = 1;
}

int runClient(const char *mode, const char *readyFile)
{
    if (const char *pidFile = getenv("ZELTO_TEST_PID_FILE")) {
        char line[32];
        const int n = snprintf(line, sizeof line, "pid=%d\n", static_cast<int>(getpid()));
        int fd = open(pidFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || write(fd, line, static_cast<size_t>(n)) != n)
            return 2;
        close(fd);
    }
    if (const char *mapped = getenv("ZELTO_TEST_MAP")) {
        int fd = open(mapped, O_RDONLY | O_CLOEXEC);
        if (fd < 0 || mmap(nullptr, 1, PROT_READ, MAP_PRIVATE, fd, 0) == MAP_FAILED)
            return 2;
        close(fd);
    }
    if (strcmp(mode, "ignore") == 0)
        signal(SIGTERM, SIG_IGN);
    else if (strcmp(mode, "slow") == 0)
        signal(SIGTERM, noteTerminate);
    else
        signal(SIGTERM, SIG_DFL);
    if (strcmp(mode, "rename") == 0)
        prctl(PR_SET_NAME, "renamed", 0, 0, 0);
    const bool hidden = strcmp(mode, "hidden") == 0;
    if ((strcmp(mode, "nobody") == 0 || hidden)
        && (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
        return 2;
    if (hidden && prctl(PR_SET_DUMPABLE, 0, 0, 0, 0) != 0)
        return 2;
    int fd = open(readyFile, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return 2;
    close(fd);
    // Never outlive a test that lost track of us.
    for (int i = 0; i < 1200; ++i) {
        if (g_terminate) {
            usleep(100000);
            signal(SIGTERM, SIG_DFL);
            raise(SIGTERM);
        }
        usleep(100000);
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && strcmp(argv[1], "client") == 0)
        return runClient(argv[2], argv[3]);
    if (argc == 4 && strcmp(argv[1], "install") == 0) {
        QCoreApplication app(argc, argv);
        RegisterTestPaths(QString::fromUtf8(argv[2]), QString::fromUtf8(argv[3]));
        LinuxService service;
        return service.installPackage() == 0 ? 0 : 1;
    }
    fprintf(stderr, "usage: %s client term|ignore|rename|nobody|hidden|slow <ready> | install <base> <root>\n", argv[0]);
    return 2;
}
