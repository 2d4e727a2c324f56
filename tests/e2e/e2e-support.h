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

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <functional>

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

// The launcher's environment in a case: its home, and nothing of the
// tester's desktop, scaling or Qt plug-ins. The instance lock falls back to
// the home folder without the runtime folder: each case has its own.
inline QProcessEnvironment launcherEnvironment(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home);
    env.insert("LANG", "C.UTF-8");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    for (const char *name : {"XDG_RUNTIME_DIR", "XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "XDG_SESSION_TYPE",
                             "XDG_DATA_HOME", "LC_ALL", "QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH",
                             "QT_QPA_PLATFORMTHEME", "QT_SCALE_FACTOR", "QT_FONT_DPI", "QT_AUTO_SCREEN_SCALE_FACTOR"})
        env.remove(name);
    return env;
}

inline void startLauncher(QProcess &p, const QString &root, const QProcessEnvironment &env)
{
    p.setProcessEnvironment(env);
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
// still up, until the test opens the FIFO's other end (waitForHold) and
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

// Opens the FIFO of holdAtStart() for writing once the launcher has reached
// it; -1, with the launcher killed, when it ends or the timeout passes first.
inline int waitForHold(QProcess &launcher, const QString &fifo, int timeoutMs)
{
    const QByteArray path = QFile::encodeName(fifo);
    int fd = -1;
    waitUntil([&] {
        return (fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) >= 0
            || launcher.waitForFinished(0);
    }, timeoutMs);
    if (fd < 0) {
        launcher.kill();
        launcher.waitForFinished();
    }
    return fd;
}

// A runtime folder as XDG_RUNTIME_DIR must be: its owner's alone.
inline bool makeRuntimeDir(const QString &path)
{
    return QDir().mkpath(path) && QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// root/lib of the root's own in place of the link to the stage's: the
// stage's entries linked one by one, and as lib/plugins a link to
// `plugins`, or none when that is empty.
inline bool ownLib(const QString &root, const QString &plugins)
{
    const QString stageLib = stageDir() + "/lib";
    if (!QFile::remove(root + "/lib") || !QDir().mkpath(root + "/lib"))
        return false;
    for (const QString &entry : QDir(stageLib).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        if (entry != "plugins" && !QFile::link(stageLib + "/" + entry, root + "/lib/" + entry))
            return false;
    return plugins.isEmpty() || QFile::link(plugins, root + "/lib/plugins");
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

// A program the case needs in the background, leading a session of its
// own, its output in a file, ended as a whole with the case: the services
// its buses start and the X server its compositor starts outlive their
// parents otherwise. Without a file, its standard output is read here.
// why() says what the machine lacked when it could not be started.
class Session : public QProcess
{
public:
    QString why() const { return m_why; }

    bool start(const QString &program, const QStringList &arguments, const QProcessEnvironment &env,
               const QString &output = QString())
    {
        setProcessEnvironment(env);
        setStandardInputFile(nullDevice());
        if (!output.isEmpty()) {
            setStandardOutputFile(output);
            setProcessChannelMode(MergedChannels);
        }
        QProcess::start(program, arguments);
        return waitForStarted();
    }

    ~Session() { stop(); }

    // TERM to the session; once the leader has ended, or after ten seconds,
    // KILL to whatever is left of it.
    void stop()
    {
        if (state() == NotRunning)
            return;
        const pid_t leader = static_cast<pid_t>(processId());
        ::kill(-leader, SIGTERM);
        const bool ended = waitForFinished(10000);
        ::kill(-leader, SIGKILL);
        if (!ended)
            waitForFinished();
    }

protected:
    void setupChildProcess() override { ::setsid(); }

    bool fail(const QString &why)
    {
        m_why = why;
        return false;
    }

private:
    QString m_why;
};

// An Xvfb of the test's own. -displayfd lets the server pick a free display
// number and report it.
class XServer : public Session
{
public:
    bool start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            return fail(QStringLiteral("Xvfb is not installed"));
        setStandardErrorFile(nullDevice());
        if (!Session::start(xvfb, {"-displayfd", "1", "-screen", "0", "1024x768x24", "-dpi", "96", "-br", "-nolisten",
                                   "tcp"},
                            QProcessEnvironment::systemEnvironment()))
            return fail(QStringLiteral("Xvfb did not start"));
        while (!canReadLine() && waitForReadyRead(-1)) {
        }
        const QByteArray number = readLine().trimmed();
        if (number.isEmpty())
            return fail(QStringLiteral("Xvfb did not report a display"));
        m_display = ":" + QString::fromLatin1(number);
        return true;
    }

    QString display() const { return m_display; }

private:
    QString m_display;
};

// What an X client of the display finds in its environment.
inline QProcessEnvironment xClient(const QString &display)
{
    QProcessEnvironment x = QProcessEnvironment::systemEnvironment();
    x.insert("DISPLAY", display);
    return x;
}

// One property of the window `id` ("-root": the root window) as xprop
// prints it, empty when it is not set; `x` is the environment of an X
// client of the session.
inline QByteArray xprop(const QProcessEnvironment &x, const QString &id, const char *name)
{
    const QStringList window = id == QLatin1String("-root") ? QStringList{id} : QStringList{"-id", id};
    const QByteArray out = outputOf(QStringLiteral("xprop"), window + QStringList{QString::fromLatin1(name)}, x);
    return out.contains("not found") || out.contains("no such atom") ? QByteArray() : out.trimmed();
}

// The window ids of a root property that lists windows.
inline QStringList windowList(const QProcessEnvironment &x, const char *name)
{
    QStringList ids;
    const QByteArray value = xprop(x, "-root", name);
    const int hash = value.indexOf('#');
    if (hash < 0)
        return ids;
    for (const QByteArray &id : value.mid(hash + 1).split(','))
        if (!id.trimmed().isEmpty() && id.trimmed() != "0x0")
            ids << QString::fromLatin1(id.trimmed());
    return ids;
}

// The managed window with this title, once there is one (asked once with
// no timeout); or empty.
inline QString windowTitled(const QProcessEnvironment &x, const QString &title, int timeoutMs = 0)
{
    QString found;
    waitUntil([&] {
        for (const QString &id : windowList(x, "_NET_CLIENT_LIST")) {
            const QByteArray names = outputOf(QStringLiteral("xprop"), {"-id", id, "_NET_WM_NAME", "WM_NAME"}, x);
            if (names.contains("= \"" + title.toUtf8() + '"')) {
                found = id;
                return true;
            }
        }
        return false;
    }, timeoutMs);
    return found;
}

// Qt's own plug-in folder, where the system's Qt keeps every platform and
// every platform theme.
inline QString qtPluginFolder()
{
    return QLibraryInfo::location(QLibraryInfo::PluginsPath);
}

// A D-Bus message bus of the case's own listening at `socket`.
class Bus : public Session
{
public:
    bool start(const QString &socket)
    {
        m_address = "unix:path=" + socket;
        return Session::start(QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")),
                              {"--session", "--nofork", "--address=" + m_address},
                              QProcessEnvironment::systemEnvironment(), socket + ".log")
            && waitUntil([&] { return QFileInfo::exists(socket); }, 30000);
    }

    QString address() const { return m_address; }

private:
    QString m_address;
};

// A window manager (openbox unless named) on a running X server; ready once
// it has announced itself on the root window, as the EWMH asks of one.
class WindowManager : public Session
{
public:
    // Ended before its bus and its folder.
    ~WindowManager() { stop(); }

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
            if (!m_bus.start(m_dir.path() + "/bus"))
                return fail(QStringLiteral("no session bus for xfwm4"));
            env.insert("DBUS_SESSION_BUS_ADDRESS", m_bus.address());
            // Nothing of the accessibility bus, which would outlive it.
            env.insert("NO_AT_BRIDGE", "1");
        }
        const QStringList options = program == QLatin1String("xfwm4")
            ? QStringList{"--sm-client-disable", "--compositor=off"}
            : program == QLatin1String("metacity") ? QStringList{"--sm-disable", "--compositor=none"}
                                                   : QStringList{"--sm-disable"};
        const QString log = m_dir.path() + "/window-manager.log";
        if (!Session::start(QStandardPaths::findExecutable(program), options, env, log)
            || !waitUntil([&] { return !xprop(env, "-root", "_NET_SUPPORTING_WM_CHECK").isEmpty(); }, 30000))
            return fail(program + QStringLiteral(" did not come up on ") + display + ": "
                        + QString::fromUtf8(readFile(log)));
        return true;
    }

private:
    QTemporaryDir m_dir;
    Bus m_bus;
};

// A headless Wayland compositor in a runtime folder of the test's own:
// Debian's weston, or a desktop's own started through launch().
class Compositor : public Session
{
public:
    // weston logs the protocol, so that a test can see which windows a
    // client made.
    bool start(const QString &runtimeDir)
    {
        const QString socket = QStringLiteral("zelto-test-wayland");
        if (QStandardPaths::findExecutable(QStringLiteral("weston")).isEmpty())
            return fail(QStringLiteral("weston is not installed"));
        m_log = runtimeDir + "/weston.log";
        return launch(QStringLiteral("weston"), runtimeDir, socket, QProcessEnvironment::systemEnvironment(),
                      {"weston", "--backend=headless-backend.so", "--use-pixman", "--width=1024", "--height=768",
                       "--socket=" + socket, "--no-config", "--idle-time=0", "--log=" + m_log, "--debug",
                       "--logger-scopes=log,proto"},
                      runtimeDir + "/weston.out", 30000);
    }

    // True once a client gave a toplevel window this title and drew it.
    bool hasWindow(const QString &title) const
    {
        const QByteArray log = readFile(m_log);
        return log.contains(".set_title(\"" + title.toUtf8() + "\")") && log.contains("wl_surface@")
            && log.contains(".attach(");
    }

    // What a client of the compositor finds in its environment.
    void enter(QProcessEnvironment &env) const { env.insert(m_client); }

protected:
    // Runs `command` (a program on PATH, its arguments) in the runtime folder
    // without the test's displays and session bus, its output in `output`;
    // up once `ready` holds, by default once it listens on `socket`.
    bool launch(const QString &name, const QString &runtimeDir, const QString &socket, QProcessEnvironment env,
                const QStringList &command, const QString &output, int timeoutMs,
                std::function<bool()> ready = nullptr)
    {
        if (!makeRuntimeDir(runtimeDir))
            return fail(QStringLiteral("no runtime folder ") + runtimeDir);
        if (!ready)
            ready = [=] { return QFileInfo::exists(runtimeDir + "/" + socket); };
        env.insert("XDG_RUNTIME_DIR", runtimeDir);
        for (const char *name : {"WAYLAND_DISPLAY", "DISPLAY", "XAUTHORITY", "DBUS_SESSION_BUS_ADDRESS"})
            env.remove(name);
        m_client.insert("XDG_RUNTIME_DIR", runtimeDir);
        m_client.insert("WAYLAND_DISPLAY", socket);
        if (!Session::start(QStandardPaths::findExecutable(command.first()), command.mid(1), env, output)
            || !waitUntil(ready, timeoutMs))
            return fail(name + QStringLiteral(" did not come up: ") + QString::fromUtf8(readFile(output)).right(2000));
        return true;
    }

    QProcessEnvironment m_client;

private:
    QString m_log;
};

} // namespace e2e
