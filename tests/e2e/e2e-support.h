// Shared by the end-to-end tests: a per-case product root made from the
// installed stage, a stand-in client package, and the launcher run as a
// real process against a home folder of its own.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QString>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "support/install-root.h"
#include "test-files.h"

namespace e2e {

// Where the test's CMake installed the whole build (cmake --install).
inline QString stageDir()
{
    return qEnvironmentVariable("ZELTO_E2E_STAGE");
}

inline QString launcherName()
{
    return QStringLiteral("zelto-launcher");
}

using support::kExecutable;

inline QByteArray infoFile(int build)
{
    return support::infoFile(QByteArray::number(build));
}

// End: the client ends on TERM. Ignore: it ignores TERM and is killed.
// HoldLauncher: it ignores TERM too, but first stops the launcher that
// sent it (the process named in $HOME/launcher.pid), so that a test finds
// that launcher held inside its upgrade step, before any file is touched.
enum class OnTerm { End, Ignore, HoldLauncher };

// The stand-in client: registers its pid where the launcher looks for it,
// notes its start and its end in $HOME/client.log. It leads a session of its
// own (see the start script), so killing its group leaves no stray sleep.
inline QByteArray clientScript(int build, OnTerm onTerm)
{
    QByteArray s =
        "#!/bin/sh\n"
        "dir=\"$HOME/.QuenmarkZelto\"\n"
        "mkdir -p \"$dir\"\n"
        "child=\n";
    if (onTerm == OnTerm::End)
        s += "trap 'echo \"terminated $$\" >> \"$HOME/client.log\"; [ -n \"$child\" ] && kill \"$child\" 2>/dev/null; exit 0' TERM\n";
    else if (onTerm == OnTerm::HoldLauncher)
        s += "trap 'until [ -s \"$HOME/launcher.pid\" ]; do sleep 0.05; done; "
             "kill -STOP \"$(cat \"$HOME/launcher.pid\")\"; echo \"held $$\" >> \"$HOME/client.log\"' TERM\n";
    else
        s += "trap '' TERM\n";
    // Replaced, never written through: the tests may leave a FIFO there.
    s += "echo \"pid=$$\" > \"$dir/ui.pid.$$\" && mv -f \"$dir/ui.pid.$$\" \"$dir/ui.pid\"\n"
         "echo \"started $$ build " + QByteArray::number(build) + "\" >> \"$HOME/client.log\"\n"
         "while :; do sleep 1000 & child=$!; wait \"$child\"; done\n";
    return s;
}

// With a FIFO at $HOME/hold-start (holdAtStart), "start" waits until the
// test has opened its other end and closed it again.
inline QByteArray startStopScript()
{
    return "#!/bin/sh\n"
           "app=$(cd \"$(dirname \"$0\")/..\" && pwd)\n"
           "case \"$1\" in\n"
           "start)\n"
           "  [ -p \"$HOME/hold-start\" ] && cat \"$HOME/hold-start\" > /dev/null\n"
           "  echo \"start $app\" >> \"$HOME/start-stop.log\"\n"
           "  echo \"${QT_QPA_PLATFORM-<unset>}\" > \"$HOME/start-stop.platform\"\n"
           "  setsid \"$app/bin/cloud-zelto-ui\" </dev/null >/dev/null 2>&1 &\n"
           "  ;;\n"
           "esac\n"
           "exit 0\n";
}

// A client package folder: INFO, bin/cloud-zelto-ui, package/start-stop.
inline bool makePackage(const QString &dir, int build, OnTerm onTerm = OnTerm::End)
{
    return support::writeClient(dir, infoFile(build), clientScript(build, onTerm), startStopScript())
        && writeFile(dir + "/share/readme.txt", "build " + QByteArray::number(build) + "\n");
}

// A product root made from the installed stage, with that package.
inline bool makeRoot(const QString &root, int build, OnTerm onTerm = OnTerm::End)
{
    return support::makeProductRoot(root, stageDir(), build,
                                    [&](const QString &package) { return makePackage(package, build, onTerm); });
}

inline QString appPath(const QString &home)
{
    return home + "/.QuenmarkZelto/QuenmarkZelto.app";
}

inline QString logPath(const QString &home)
{
    return home + "/.QuenmarkZelto/log/launcher.log";
}

inline QProcessEnvironment launcherEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("LANG", "C.UTF-8");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    // The instance lock falls back to the home folder: each case has its own.
    for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CURRENT_DESKTOP", "XDG_DATA_HOME", "LC_ALL",
                             "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH"})
        env.remove(name);
    return env;
}

inline void startLauncher(QProcess &p, const QString &root, const QProcessEnvironment &env)
{
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(root + "/bin/" + launcherName(), QStringList());
}

// Lines of $HOME/client.log that begin with `word`.
inline QStringList clientEvents(const QString &home, const QString &word)
{
    const QStringList lines = QString::fromUtf8(readFile(home + "/client.log")).split('\n', Qt::SkipEmptyParts);
    return lines.filter(QRegularExpression("^" + QRegularExpression::escape(word) + ' '));
}

inline pid_t pidOf(const QString &event)
{
    return static_cast<pid_t>(event.section(' ', 1, 1).toInt());
}

inline bool alive(pid_t pid)
{
    if (pid <= 0)
        return false;
    // A zombie is as good as gone: it only waits for its parent.
    const QByteArray status = readFile(QStringLiteral("/proc/%1/status").arg(pid));
    const int at = status.indexOf("State:");
    return at >= 0 && !status.mid(at, 12).contains('Z');
}

// Every client that a case started, with its sleep, is ended.
inline void killClients(const QString &home)
{
    for (const QString &event : clientEvents(home, "started")) {
        const pid_t pid = pidOf(event);
        if (pid > 0) {
            ::kill(-pid, SIGKILL);
            ::kill(pid, SIGKILL);
        }
    }
}

// Holds the launcher in its last step, the start script, with the dialog
// still up, until the test opens the FIFO's other end (waitForReader) and
// closes it. The launcher's own files are never a way to hold it: it opens
// none of them in a way that blocks. The FIFO's path, or empty.
inline QString holdAtStart(const QString &home)
{
    const QString fifo = home + "/hold-start";
    return ::mkfifo(QFile::encodeName(fifo).constData(), 0644) == 0 ? fifo : QString();
}

// Polls `done` every 50 ms until it holds or the timeout passes; a
// timeout of 0 asks once.
template <typename Done>
bool waitUntil(Done done, int timeoutMs)
{
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        if (done())
            return true;
        QThread::msleep(50);
    }
    return done();
}

// Opens the FIFO for writing once somebody has opened it for reading.
// -1 when the timeout passes first.
inline int waitForReader(const QString &fifo, int timeoutMs)
{
    const QByteArray path = QFile::encodeName(fifo);
    int fd = -1;
    waitUntil([&] { return (fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0; }, timeoutMs);
    return fd;
}

// A program's standard output, or nothing when it does not run or fails.
inline QByteArray outputOf(const QString &program, const QStringList &arguments,
                           const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return QByteArray();
    return p.readAllStandardOutput();
}

// A program the case needs in the background; why() says what the machine
// lacked when it could not be started.
class Background
{
public:
    QString why() const { return m_why; }

protected:
    bool fail(const QString &why)
    {
        m_why = why;
        return false;
    }

private:
    QString m_why;
};

// A program leading a session of its own, its output in a file, ended as a
// whole with the case: the services its buses start and the X server its
// compositor starts outlive their parents otherwise. `fd3`, when given, is
// its descriptor 3.
class Session
{
public:
    bool start(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
               const QString &output, int fd3 = -1)
    {
        std::vector<QByteArray> args{QFile::encodeName(program)}, vars;
        for (const QString &a : arguments)
            args.push_back(a.toLocal8Bit());
        for (const QString &v : env.toStringList())
            vars.push_back(v.toLocal8Bit());
        std::vector<char *> argv, envp;
        for (QByteArray &a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        for (QByteArray &v : vars)
            envp.push_back(v.data());
        envp.push_back(nullptr);
        const QByteArray out = QFile::encodeName(output);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::setsid();
            // The copy on 3 must survive exec: dup2 gives it no O_CLOEXEC,
            // and when the descriptor already is 3 the flag is cleared by hand.
            if (fd3 == 3)
                ::fcntl(3, F_SETFD, 0);
            else if (fd3 >= 0)
                ::dup2(fd3, 3);
            const int fd = ::open(out.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
            const int null = ::open("/dev/null", O_RDONLY);
            ::dup2(null, 0);
            ::dup2(fd, 1);
            ::dup2(fd, 2);
            ::execve(argv[0], argv.data(), envp.data());
            ::_exit(127);
        }
        return m_pid > 0;
    }

    ~Session() { stop(); }

    // TERM to the session, KILL when the leader is still there after ten
    // seconds, and KILL to what the leader left behind in it.
    void stop()
    {
        if (m_pid <= 0)
            return;
        ::kill(-m_pid, SIGTERM);
        if (!waitUntil([&] { return ::waitpid(m_pid, nullptr, WNOHANG) == m_pid; }, 10000)) {
            ::kill(-m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::kill(-m_pid, SIGKILL);
        m_pid = -1;
    }

private:
    pid_t m_pid = -1;
};

// An Xvfb of the test's own. -displayfd lets the server pick a free display
// number and report it.
class XServer : public Background
{
public:
    bool start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return fail(QStringLiteral("Xvfb is not installed"));
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0)
            return fail(QStringLiteral("pipe failed"));
        const bool started = m_server.start(xvfb, {"-displayfd", "3", "-screen", "0", "1024x768x24", "-dpi", "96",
                                                   "-br", "-nolisten", "tcp"},
                                            QProcessEnvironment::systemEnvironment(), "/dev/null", fds[1]);
        ::close(fds[1]);
        QByteArray number;
        char c;
        while (started && ::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (!started)
            return fail(QStringLiteral("fork failed"));
        if (number.isEmpty())
            return fail(QStringLiteral("Xvfb did not report a display"));
        m_display = ":" + QString::fromLatin1(number);
        return true;
    }

    QString display() const { return m_display; }

private:
    Session m_server;
    QString m_display;
};

// A window property as xprop prints it; empty when it is not set.
inline QByteArray xprop(const QStringList &arguments,
                        const QProcessEnvironment &env = QProcessEnvironment::systemEnvironment())
{
    const QByteArray out = outputOf(QStringLiteral("xprop"), arguments, env);
    return out.contains("not found") || out.contains("no such atom") ? QByteArray() : out.trimmed();
}

// What an X client of the display finds in its environment.
inline QProcessEnvironment xClient(const QString &display)
{
    QProcessEnvironment x = QProcessEnvironment::systemEnvironment();
    x.insert("DISPLAY", display);
    return x;
}

// One property of the root window in a session: `x` is the environment of
// an X client of it.
inline QByteArray rootProperty(const QProcessEnvironment &x, const char *name)
{
    return xprop({"-root", QString::fromLatin1(name)}, x);
}

// The window ids of a root property that lists windows.
inline QStringList windowList(const QProcessEnvironment &x, const char *name)
{
    QStringList ids;
    const QByteArray value = rootProperty(x, name);
    const int hash = value.indexOf('#');
    if (hash < 0)
        return ids;
    for (const QByteArray &id : value.mid(hash + 1).split(','))
        if (!id.trimmed().isEmpty() && id.trimmed() != "0x0")
            ids << QString::fromLatin1(id.trimmed());
    return ids;
}

// The managed window with this title, or empty.
inline QString windowTitled(const QProcessEnvironment &x, const QString &title)
{
    for (const QString &id : windowList(x, "_NET_CLIENT_LIST")) {
        const QByteArray names = outputOf(QStringLiteral("xprop"), {"-id", id, "_NET_WM_NAME", "WM_NAME"}, x);
        if (names.contains("= \"" + title.toUtf8() + '"'))
            return id;
    }
    return QString();
}

// Qt's own plug-in folder, where the system's Qt keeps every platform and
// every platform theme.
inline QString qtPluginFolder()
{
    return QLibraryInfo::location(QLibraryInfo::PluginsPath);
}

// A window manager (openbox unless named) on a running X server; ready once
// it has announced itself on the root window, as the EWMH asks of one.
class WindowManager : public Background
{
public:
    bool start(const QString &display, const QString &program = QStringLiteral("openbox"))
    {
        if (QStandardPaths::findExecutable(program).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("xprop")).isEmpty())
            return fail(program + QStringLiteral(" or xprop is not installed"));
        if (!m_dir.isValid())
            return fail(QStringLiteral("no folder for its log"));
        QProcessEnvironment env = xClient(display);
        // xfwm4 manages no window until it has read its settings, which it
        // asks for on a session bus: one of its own, ended with it.
        if (program == QLatin1String("xfwm4")) {
            const QString address = "unix:path=" + m_dir.path() + "/bus";
            if (!m_bus.start(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
                             {"--session", "--nofork", "--address=" + address},
                             QProcessEnvironment::systemEnvironment(), m_dir.path() + "/bus.log")
                || !waitUntil([&] { return QFileInfo::exists(m_dir.path() + "/bus"); }, 30000))
                return fail(QStringLiteral("no session bus for xfwm4"));
            env.insert("DBUS_SESSION_BUS_ADDRESS", address);
            // Nothing of the accessibility bus, which would outlive it.
            env.insert("NO_AT_BRIDGE", "1");
        }
        const QStringList options = program == QLatin1String("xfwm4")
            ? QStringList{"--sm-client-disable", "--compositor=off"}
            : program == QLatin1String("metacity") ? QStringList{"--sm-disable", "--compositor=none"}
                                                   : QStringList{"--sm-disable"};
        const QString log = m_dir.path() + "/window-manager.log";
        if (!m_process.start(QStandardPaths::findExecutable(program), options, env, log)
            || !waitUntil([&] { return !rootProperty(env, "_NET_SUPPORTING_WM_CHECK").isEmpty(); }, 30000))
            return fail(program + QStringLiteral(" did not come up on ") + display + ": "
                        + QString::fromUtf8(readFile(log)));
        return true;
    }

private:
    QTemporaryDir m_dir;
    Session m_bus;
    Session m_process;
};

// A headless Wayland compositor of Debian's (weston) in a runtime folder of
// the test's own, logging the protocol so that a test can see which windows
// a client made.
class Compositor : public Background
{
public:
    static QString socketName() { return QStringLiteral("zelto-test-wayland"); }

    bool start(const QString &runtimeDir)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
            return fail(QStringLiteral("weston is not installed"));
        m_log = runtimeDir + "/weston.log";
        if (!QDir().mkpath(runtimeDir) || !QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return fail(QStringLiteral("no runtime folder ") + runtimeDir);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", runtimeDir);
        env.remove("WAYLAND_DISPLAY");
        env.remove("DISPLAY");
        if (!m_weston.start(QStandardPaths::findExecutable(QStringLiteral("weston")),
                            {"--backend=headless-backend.so", "--use-pixman", "--width=1024", "--height=768",
                             "--socket=" + socketName(), "--no-config", "--idle-time=0", "--log=" + m_log, "--debug",
                             "--logger-scopes=log,proto"},
                            env, runtimeDir + "/weston.out")
            || !waitUntil([&] { return QFileInfo::exists(runtimeDir + "/" + socketName()); }, 30000))
            return fail(QStringLiteral("weston did not come up: ")
                        + QString::fromUtf8(readFile(runtimeDir + "/weston.out")));
        return true;
    }

    // True once a client gave a toplevel window this title and drew it.
    bool hasWindow(const QString &title) const
    {
        const QByteArray log = readFile(m_log);
        return log.contains(".set_title(\"" + title.toUtf8() + "\")") && log.contains("wl_surface@")
            && log.contains(".attach(");
    }

private:
    Session m_weston;
    QString m_log;
};

} // namespace e2e
