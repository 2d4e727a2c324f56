// Shared by the end-to-end tests: a per-case product root made from the
// installed stage, a stand-in client package, and the launcher run as a
// real process against a home folder of its own.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QThread>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

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

inline QByteArray infoFile(int build)
{
    return QByteArrayLiteral("[Version]\nmajor_version=1\nminor_version=0\nbuild_version=")
        + QByteArray::number(build) + QByteArrayLiteral("\nicon_overlay_version=1\n");
}

const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

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
           "  setsid \"$app/bin/cloud-zelto-ui\" </dev/null >/dev/null 2>&1 &\n"
           "  ;;\n"
           "esac\n"
           "exit 0\n";
}

// A client package folder: INFO, bin/cloud-zelto-ui, package/start-stop.
inline bool makePackage(const QString &dir, int build, OnTerm onTerm = OnTerm::End)
{
    return writeFile(dir + "/INFO", infoFile(build))
        && writeFile(dir + "/bin/cloud-zelto-ui", clientScript(build, onTerm), kExecutable)
        && writeFile(dir + "/package/start-stop", startStopScript(), kExecutable)
        && writeFile(dir + "/share/readme.txt", "build " + QByteArray::number(build) + "\n");
}

// A product root as installed: bin/ with a copy of the launcher (a copy,
// since the launcher finds its root through its own resolved path), lib/
// and images/ from the stage, the package INFO and the debug switch file.
inline bool makeRoot(const QString &root, int build, OnTerm onTerm = OnTerm::End)
{
    const QString stage = stageDir();
    if (!QDir().mkpath(root + "/bin") || !QDir().mkpath(root + "/log"))
        return false;
    if (!QFile::copy(stage + "/bin/" + launcherName(), root + "/bin/" + launcherName()))
        return false;
    for (const char *linked : {"lib", "images"}) {
        const QString from = stage + "/" + linked;
        if (QFileInfo::exists(from) && !QFile::link(from, root + "/" + linked))
            return false;
    }
    return writeFile(root + "/INFO", infoFile(build))
        && makePackage(root + "/package/orvilex", build, onTerm)
        && writeFile(root + "/log/launcher.debug",
                     "launcher_debug=7\nservice_debug=7\nfile_op_debug=7\n");
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
    QStringList out;
    const QStringList lines = QString::fromUtf8(readFile(home + "/client.log")).split('\n', Qt::SkipEmptyParts);
    for (const QString &line : lines)
        if (line.startsWith(word + ' '))
            out << line;
    return out;
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
    if (status.isEmpty())
        return false;
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

// Opens the FIFO for writing once somebody has opened it for reading.
// -1 when the timeout passes first.
inline int waitForReader(const QString &fifo, int timeoutMs)
{
    const QByteArray path = QFile::encodeName(fifo);
    for (int waited = 0; waited < timeoutMs; waited += 50) {
        const int fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0)
            return fd;
        QThread::msleep(50);
    }
    return -1;
}

} // namespace e2e
