// cloud-zelto-ui: the sample client's user interface program.
//
// It stands in for the real client so that the launcher's whole road can be
// seen working: it registers its process id under key `pid` in the per-user
// pid file the launcher reads before an upgrade, shows which build runs, and
// ends cleanly on the termination signal the launcher sends, removing its pid
// file on the way out.

#include "client-window.h"
#include "pid-file.h"
#include "stop-signal-notifier.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLockFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <unistd.h>

#ifndef ZELTO_SAMPLE_VERSION
#define ZELTO_SAMPLE_VERSION "0.0"
#endif
#ifndef ZELTO_SAMPLE_BUILD
#define ZELTO_SAMPLE_BUILD "0"
#endif
#ifndef ZELTO_CLIENT_DESKTOP_ID
#define ZELTO_CLIENT_DESKTOP_ID "quenmark-zelto-client"
#endif
#ifndef ZELTO_CLIENT_WM_CLASS
#define ZELTO_CLIENT_WM_CLASS "cloud-zelto-ui"
#endif

namespace {

struct Options
{
    QString pidFile;
    QByteArray platform; // -platform, if given
    bool detach = false;
    bool printPidFile = false;
    bool printVersion = false;
};

void usage(FILE *to)
{
    std::fprintf(to,
                 "usage: cloud-zelto-ui [--pid-file PATH] [--detach]\n"
                 "       cloud-zelto-ui --print-pid-file | --version\n");
}

// Returns 0, or the exit code for a bad command line.
int parseOptions(int argc, char **argv, Options *options)
{
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strcmp(arg, "--pid-file") == 0 && i + 1 < argc) {
            options->pidFile = QString::fromUtf8(argv[++i]);
        } else if (std::strcmp(arg, "--detach") == 0) {
            options->detach = true;
        } else if (std::strcmp(arg, "--print-pid-file") == 0) {
            options->printPidFile = true;
        } else if (std::strcmp(arg, "--version") == 0) {
            options->printVersion = true;
        } else if (std::strcmp(arg, "--help") == 0) {
            usage(stdout);
            std::exit(0);
        } else if (std::strcmp(arg, "-platform") == 0 && i + 1 < argc) {
            options->platform = argv[++i]; // left in argv for QApplication
        } else if (arg[0] == '-' && std::strncmp(arg, "-platform", 9) != 0) {
            // Qt's own options (-platform, -display ...) go on to QApplication.
            std::fprintf(stderr, "unknown option '%s'\n", arg);
            usage(stderr);
            return 2;
        }
    }
    if (options->pidFile.isEmpty())
        options->pidFile = DefaultPidFilePath();
    options->pidFile = QDir::cleanPath(QFileInfo(options->pidFile).absoluteFilePath());
    return 0;
}

// Why the program cannot show a window here, or nothing when it can try.
// Without a display Qt's xcb plug-in aborts with a page of advice and a core
// dump; the start script's log gets one line instead.
QByteArray missingDisplay(const Options &options)
{
    const QByteArray platform =
        !options.platform.isEmpty() ? options.platform : qgetenv("QT_QPA_PLATFORM");
    const bool x11 = !qgetenv("DISPLAY").isEmpty();
    const bool wayland = !qgetenv("WAYLAND_DISPLAY").isEmpty();
    if (platform.isEmpty() && !x11 && !wayland)
        return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
    if (platform.startsWith("xcb") && !x11)
        return "no X display: DISPLAY is not set (QT_QPA_PLATFORM=" + platform + ")";
    return QByteArray();
}

// The menu entry's icon, compiled in: the theme may hold only its scalable
// form, which Qt draws only with a plug-in the system may lack.
QIcon windowIcon()
{
#ifdef ZELTO_CLIENT_ICON
    QIcon icon;
    for (const char *size : {"32", "64", "128"})
        icon.addFile(QStringLiteral(":/client-icon/%1.png").arg(QLatin1String(size)));
    return icon;
#else
    return QIcon::fromTheme(QStringLiteral("quenmark-zelto"));
#endif
}

} // namespace

int main(int argc, char **argv)
{
    Options options;
    if (const int rc = parseOptions(argc, argv, &options))
        return rc;
    if (options.printVersion) {
        std::printf("%s (build %s)\n", ZELTO_SAMPLE_VERSION, ZELTO_SAMPLE_BUILD);
        return 0;
    }
    if (options.printPidFile) {
        std::printf("%s\n", qUtf8Printable(options.pidFile));
        return 0;
    }
    if (options.detach && setsid() < 0 && errno != EPERM) {
        // EPERM: already a session leader, which is detached enough.
        const int err = errno;
        std::fprintf(stderr, "setsid: %s (%d)\n", std::strerror(err), err);
    }

    const QByteArray noDisplay = missingDisplay(options);
    if (!noDisplay.isEmpty()) {
        std::fprintf(stderr, "cloud-zelto-ui: cannot start, %s\n", noDisplay.constData());
        return 1;
    }

    // Before the lock: a display that cannot be reached ends the program
    // inside QApplication, which must leave no lock file behind.
    QApplication::setApplicationName(QStringLiteral(ZELTO_CLIENT_WM_CLASS));
    QApplication app(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(ZELTO_SAMPLE_VERSION "." ZELTO_SAMPLE_BUILD));
    // The window class (X11) and the application id (Wayland) that the
    // shipped desktop entry names, so that task bars show its name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZELTO_CLIENT_DESKTOP_ID));
    QApplication::setWindowIcon(windowIcon());

    // One client per user: the lock lives as long as the process, and only a
    // dead holder makes it stale, never its age.
    const QString folder = QFileInfo(options.pidFile).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create folder '%s'\n", qUtf8Printable(folder));
        return 1;
    }
    QLockFile instanceLock(options.pidFile + QStringLiteral(".lock"));
    instanceLock.setStaleLockTime(0);
    if (!instanceLock.tryLock(0)) {
        if (instanceLock.error() == QLockFile::LockFailedError) {
            qint64 holder = 0;
            QString host, app;
            instanceLock.getLockInfo(&holder, &host, &app);
            std::printf("cloud-zelto-ui already runs (pid %lld)\n", static_cast<long long>(holder));
            return 0;
        }
        std::fprintf(stderr, "cannot lock '%s.lock'\n", qUtf8Printable(options.pidFile));
        return 1;
    }

    StopSignalNotifier stopSignals;
    if (stopSignals.install() != 0)
        return 1;
    int stopSignal = 0;
    QObject::connect(&stopSignals, &StopSignalNotifier::sigStopRequested, &app, [&](int s) {
        stopSignal = s;
        QApplication::quit();
    });

    const pid_t self = getpid();
    if (WritePidFile(options.pidFile, self) != 0)
        return 1;

    ClientWindow window(QStringLiteral(ZELTO_SAMPLE_VERSION), QStringLiteral(ZELTO_SAMPLE_BUILD),
                        options.pidFile);
    window.show();
    std::printf("cloud-zelto-ui %s (build %s) started, pid %d, pid file '%s', platform %s\n",
                ZELTO_SAMPLE_VERSION, ZELTO_SAMPLE_BUILD, int(self), qUtf8Printable(options.pidFile),
                qUtf8Printable(QApplication::platformName()));
    std::fflush(stdout);

    const int rc = app.exec();

    RemovePidFileIfOwn(options.pidFile, self);
    if (stopSignal != 0)
        std::printf("cloud-zelto-ui (pid %d) ends on signal %d\n", int(self), stopSignal);
    else
        std::printf("cloud-zelto-ui (pid %d) ends\n", int(self));
    std::fflush(stdout);
    return rc;
}
