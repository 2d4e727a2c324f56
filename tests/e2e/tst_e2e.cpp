// The installed launcher as a user runs it: a real process, offscreen, in a
// home folder of its own, against a generated client package. Each case
// checks the exit code, what ends up on disk, which clients run, and the
// launcher's log file.

#include "e2e-support.h"

#include <QScopeGuard>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using namespace e2e;

namespace {

const int kRunTimeoutMs = 120000;

// The first needle that does not follow the one before it in the text, or
// nothing when each does.
QString outOfOrder(const QString &text, const QStringList &needles)
{
    int at = 0;
    for (const QString &n : needles) {
        if ((at = text.indexOf(n, at)) < 0)
            return n;
        at += n.size();
    }
    return QString();
}

// An X display number that no server of this machine answers.
QString missingDisplay()
{
    for (int n = 4711;; ++n)
        if (!QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))
            && !QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
            return QStringLiteral(":%1").arg(n);
}

// How a row starts the launcher, what its lib/plugins is, and where the
// first line of its output says the plug-ins are.
enum Argv0 { ByPath, ByLink, ByBareName };
enum Plugins { PluginCopies, SystemPlugins, NoPlugins };
enum LibPath { RootLib, StageLib, QtLib };

QStringList backups(const QString &home)
{
    return QDir(home + "/.QuenmarkZelto").entryList({"QuenmarkZelto.app_tmp*"},
                                                     QDir::AllEntries | QDir::Hidden | QDir::System);
}

// The sample client registers itself only in its pid file.
pid_t samplePid(const QString &home)
{
    return static_cast<pid_t>(readFile(home + "/.QuenmarkZelto/ui.pid").replace("pid=", "").trimmed().toInt());
}

} // namespace

Q_DECLARE_METATYPE(Argv0)
Q_DECLARE_METATYPE(Plugins)
Q_DECLARE_METATYPE(LibPath)

#define VERIFY_IN_ORDER(text, ...)                                                         \
    do {                                                                                   \
        const QString text_ = (text);                                                      \
        const QString missing_ = outOfOrder(text_, QStringList{__VA_ARGS__});              \
        QVERIFY2(missing_.isEmpty(),                                                       \
                 qPrintable(QStringLiteral("'%1' missing or out of order in:\n%2").arg(missing_, text_))); \
    } while (0)
#define VERIFY_LOG_ORDER(home, ...) VERIFY_IN_ORDER(QString::fromUtf8(readFile(logPath(home))), __VA_ARGS__)

class TstE2E : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstInstall();
    void upToDate();
    void upgradeStopsRunningClient_data();
    void upgradeStopsRunningClient();
    void failedUpgradeRollsBack();
    void readOnlyHomeKeepsClient();
    void secondLauncherDuringFirst_data();
    void secondLauncherDuringFirst();
    void specialFileAtOwnName_data();
    void specialFileAtOwnName();
    void samplePackage();
    void startsInEverySession_data();
    void startsInEverySession();

private:
    // Runs the launcher to its end; its standard output goes to *out.
    int run(const QString &root, QByteArray *out = nullptr);
    // The same with another environment, or another path to the program.
    int run(const QString &program, const QProcessEnvironment &env, QByteArray *out);
    // Makes the product root with the package of `build`, and puts an
    // installed copy of `installed` into the home, as an earlier run would
    // have left it, with a file that only this copy has.
    void makeRootAndCopy(int build, int installed, OnTerm onTerm = OnTerm::End);
    // Starts the installed copy's client the way the launcher does, as the
    // case's first client.
    pid_t startInstalledClient();

    std::unique_ptr<QTemporaryDir> m_case;
    QString m_root;
    QString m_home;
};

void TstE2E::initTestCase()
{
    const QString exe = stageDir() + "/bin/" + launcherName();
    QVERIFY2(QFileInfo(exe).isExecutable(), qPrintable("no installed launcher at " + exe));
}

void TstE2E::init()
{
    m_case = std::make_unique<QTemporaryDir>();
    QVERIFY(m_case->isValid());
    m_root = m_case->path() + "/root";
    m_home = m_case->path() + "/home";
    QVERIFY(QDir().mkpath(m_home));
}

void TstE2E::cleanup()
{
    killClients(m_home);
    const pid_t sample = samplePid(m_home);
    if (sample > 0 && readFile(QStringLiteral("/proc/%1/comm").arg(sample)).trimmed() == "cloud-zelto-ui")
        ::kill(sample, SIGKILL);
    m_case.reset();
}

int TstE2E::run(const QString &root, QByteArray *out)
{
    return run(root + "/bin/" + launcherName(), launcherEnvironment(m_home), out);
}

int TstE2E::run(const QString &program, const QProcessEnvironment &env, QByteArray *out)
{
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, QStringList());
    if (!p.waitForFinished(kRunTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        qWarning("launcher did not end: %s", p.readAllStandardError().constData());
        return -1000;
    }
    if (out)
        *out = p.readAllStandardOutput();
    if (p.exitStatus() != QProcess::NormalExit)
        return -2000;
    return p.exitCode();
}

void TstE2E::makeRootAndCopy(int build, int installed, OnTerm onTerm)
{
    QVERIFY(makeRoot(m_root, build));
    QVERIFY(makePackage(appPath(m_home), installed, onTerm));
    QVERIFY(writeFile(appPath(m_home) + "/only-in-old-copy", "old\n"));
}

pid_t TstE2E::startInstalledClient()
{
    (void)outputOf(appPath(m_home) + "/package/start-stop", {"start"}, launcherEnvironment(m_home));
    QStringList started;
    if (!waitUntil([&] { return !(started = clientEvents(m_home, "started")).isEmpty(); }, 30000))
        return -1;
    return pidOf(started.first());
}

void TstE2E::firstInstall()
{
    QVERIFY(makeRoot(m_root, 2000));

    QByteArray out;
    QCOMPARE(run(m_root, &out), 0);

    // The lib path line names the plug-in folder beside bin/.
    QVERIFY2(out.contains("lib path = '" + QFile::encodeName(m_root) + "/lib/plugins'"), out.constData());

    const QString app = appPath(m_home);
    QCOMPARE(readFile(app + "/INFO"), infoFile(2000));
    QVERIFY(QFileInfo(app + "/bin/cloud-zelto-ui").isExecutable());
    QVERIFY(QFileInfo(app + "/package/start-stop").isExecutable());
    QCOMPARE(readFile(app + "/share/readme.txt"), QByteArray("build 2000\n"));
    QCOMPARE(backups(m_home), QStringList());

    // Started once, through the installed copy's script, and it runs.
    QCOMPARE(readFile(m_home + "/start-stop.log"), "start " + QFile::encodeName(app) + "\n");
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 1, 30000);
    const pid_t client = pidOf(clientEvents(m_home, "started").first());
    QVERIFY(alive(client));
    QCOMPARE(readFile(m_home + "/.QuenmarkZelto/ui.pid"), "pid=" + QByteArray::number(client) + "\n");

    VERIFY_LOG_ORDER(m_home, "[DEBUG] launcher.cpp(", "running", "source does not exist",
                     "source version = 0, target version = 2000",
                     "user installation is ready, removing backup app", "removing aged app folder",
                     "done");
    const QString log = QString::fromUtf8(readFile(logPath(m_home)));
    QVERIFY(!log.contains("[ERROR]"));
    QVERIFY(!log.contains("local appdata exist"));
}

void TstE2E::upToDate()
{
    makeRootAndCopy(2000, 2000);
    QVERIFY(QDir().mkpath(m_home + "/.Orvilex/app/bin"));
    QVERIFY(QDir().mkpath(m_home + "/.Orvilex/data"));

    QCOMPARE(run(m_root), 0);

    // Nothing replaced: the file that only the old copy has is still there.
    QVERIFY(QFileInfo::exists(appPath(m_home) + "/only-in-old-copy"));
    QCOMPARE(backups(m_home), QStringList());
    // The legacy application folder goes on every run; its data stays.
    QVERIFY(!QFileInfo::exists(m_home + "/.Orvilex/app"));
    QVERIFY(QFileInfo::exists(m_home + "/.Orvilex/data"));

    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 1, 30000);
    VERIFY_LOG_ORDER(m_home, "running", "source version = 2000, target version = 2000",
                     "no need to upgrade", "removing aged app folder", "done");
    QVERIFY(!readFile(logPath(m_home)).contains("copy package"));
}

void TstE2E::upgradeStopsRunningClient_data()
{
    QTest::addColumn<bool>("endsOnTerm"); // false: it ignores TERM and is killed
    QTest::newRow("client ends on TERM") << true;
    QTest::newRow("client ignores TERM, killed") << false;
}

void TstE2E::upgradeStopsRunningClient()
{
    QFETCH(bool, endsOnTerm);
    makeRootAndCopy(2001, 2000, endsOnTerm ? OnTerm::End : OnTerm::Ignore);
    const pid_t old = startInstalledClient();
    QVERIFY(old > 0);
    QVERIFY(alive(old));

    QCOMPARE(run(m_root), 0);

    // The old client is gone before its files were replaced.
    QVERIFY(!alive(old));
    const QStringList terminated{QStringLiteral("terminated %1").arg(old)};
    QCOMPARE(clientEvents(m_home, "terminated"), endsOnTerm ? terminated : QStringList());

    QCOMPARE(readFile(appPath(m_home) + "/INFO"), infoFile(2001));
    QVERIFY(!QFileInfo::exists(appPath(m_home) + "/only-in-old-copy"));
    QCOMPARE(backups(m_home), QStringList());

    // The new client runs: the second start, of the new build.
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 2, 30000);
    const QString fresh = clientEvents(m_home, "started").last();
    QVERIFY(fresh.endsWith("build 2001"));
    QVERIFY(alive(pidOf(fresh)));

    VERIFY_LOG_ORDER(m_home, "running", "source version = 2000, target version = 2001",
                     "local appdata exist", "copy package:",
                     "user installation is ready, removing backup app", "done");
    QVERIFY(!readFile(logPath(m_home)).contains("[ERROR]"));
}

// A link whose target is missing cannot be copied: the install step fails
// half-way and must put the old copy back; the client is still started.
void TstE2E::failedUpgradeRollsBack()
{
    makeRootAndCopy(2001, 2000);
    QVERIFY(QFile::link(m_root + "/package/orvilex/missing-target",
                        m_root + "/package/orvilex/share/broken-link"));

    QCOMPARE(run(m_root), 0);

    QCOMPARE(readFile(appPath(m_home) + "/INFO"), infoFile(2000));
    QVERIFY(QFileInfo::exists(appPath(m_home) + "/only-in-old-copy"));
    QCOMPARE(backups(m_home), QStringList());

    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 1, 30000);
    QVERIFY(clientEvents(m_home, "started").first().endsWith("build 2000"));

    VERIFY_LOG_ORDER(m_home, "running", "copy package:", "[ERROR]", "Failed to extract package, rollback to old installation",
                     "[ERROR] launcher.cpp(", "Failed to upgrade package", "removing aged app folder", "done");
}

// The home mounted read-only (a file system check gone wrong, a live
// system) with a newer package: nothing can be installed, so the running
// client is left alone, and the reason reaches standard error, as the log
// cannot be written either.
void TstE2E::readOnlyHomeKeepsClient()
{
    makeRootAndCopy(2001, 2000);
    const pid_t old = startInstalledClient();
    QVERIFY(old > 0);
    QVERIFY(QDir().mkpath(m_home + "/.QuenmarkZelto/log"));
    // From now on the start script only records that it ran: a client of
    // the read-only home would find no place for its pid file.
    const QString starts = m_case->path() + "/starts.log";
    QVERIFY(writeFile(appPath(m_home) + "/package/start-stop", "#!/bin/sh\necho \"$1\" >> \"$ZELTO_TEST_STARTS\"\n",
                      kExecutable));

    // The read-only mount exists only for the launcher, in a mount space
    // of its own.
    QProcessEnvironment env = launcherEnvironment(m_home);
    env.insert("ZELTO_TEST_STARTS", starts);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start("unshare", {"--mount", "--propagation", "private", "sh", "-c",
                        "{ mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" \"$1\"; } || exit 77; exec \"$2\"",
                        "sh", m_home, m_root + "/bin/" + launcherName()});
    QVERIFY(p.waitForFinished(kRunTimeoutMs));
    const QByteArray err = p.readAllStandardError();
    if (p.exitCode() == 77 || err.startsWith("unshare: "))
        QSKIP(qPrintable("a read-only bind mount in a mount space of its own needs root: " + err));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);

    QVERIFY(alive(old));
    QCOMPARE(clientEvents(m_home, "terminated"), QStringList());
    QCOMPARE(readFile(appPath(m_home) + "/INFO"), infoFile(2000));
    QVERIFY(QFileInfo::exists(appPath(m_home) + "/only-in-old-copy"));
    QCOMPARE(backups(m_home), QStringList());
    QCOMPARE(readFile(starts), QByteArray("start\n"));
    QVERIFY(!QFileInfo::exists(logPath(m_home)));

    const QString text = QString::fromUtf8(err);
    const QString reason = QStringLiteral("cannot write to '%1/.QuenmarkZelto': %2 (%3), the client is not stopped and nothing is installed")
                               .arg(m_home, QString::fromLocal8Bit(strerror(EROFS)))
                               .arg(EROFS);
    QCOMPARE(text.count(reason), 1);
    VERIFY_IN_ORDER(text, "[ERROR] linux/linux-service.cpp(", reason, "[ERROR] launcher.cpp(",
                    "Failed to upgrade package");
    QVERIFY2(!text.contains("local appdata exist"), err.constData());
}

void TstE2E::secondLauncherDuringFirst_data()
{
    // The second launcher's runtime folder (the first's is run-first; empty:
    // none) and whether it is started through a renamed link.
    QTest::addColumn<QString>("secondRuntime");
    QTest::addColumn<bool>("renamedLink");
    QTest::newRow("same environment") << "run-first" << false;
    // A session without the runtime folder (ssh, cron, a script), or with
    // another one, is the same user with the same per-user folder.
    QTest::newRow("other runtime folder") << "run-second" << false;
    QTest::newRow("no runtime folder") << QString() << false;
    QTest::newRow("through a renamed link") << QString() << true;
}

// The first launcher is held inside its upgrade step: the running client,
// asked to end, stops that launcher instead. Meanwhile a second launcher
// starts and must leave at once, touching nothing.
void TstE2E::secondLauncherDuringFirst()
{
    QFETCH(QString, secondRuntime);
    QFETCH(bool, renamedLink);
    makeRootAndCopy(2001, 2000, OnTerm::HoldLauncher);
    const pid_t old = startInstalledClient();
    QVERIFY(old > 0);

    const QString runtime = m_case->path() + "/run-first";
    QVERIFY(makeRuntimeDir(runtime));
    QProcessEnvironment firstEnv = launcherEnvironment(m_home);
    firstEnv.insert("XDG_RUNTIME_DIR", runtime);
    QProcessEnvironment secondEnv = launcherEnvironment(m_home);
    QString program = m_root + "/bin/" + launcherName();
    if (!secondRuntime.isEmpty()) {
        QVERIFY(QDir().mkpath(m_case->path() + "/" + secondRuntime));
        secondEnv.insert("XDG_RUNTIME_DIR", m_case->path() + "/" + secondRuntime);
    }
    if (renamedLink) {
        QVERIFY(QFile::link(program, m_root + "/bin/zelto-renamed"));
        program = m_root + "/bin/zelto-renamed";
    }

    QProcess first;
    startLauncher(first, m_root, firstEnv);
    QVERIFY(first.waitForStarted());
    const pid_t firstPid = static_cast<pid_t>(first.processId());
    QVERIFY(writeFile(m_home + "/launcher.pid", QByteArray::number(firstPid) + "\n"));
    waitUntil([&] { return !clientEvents(m_home, "held").isEmpty() || first.waitForFinished(0); }, kRunTimeoutMs);
    if (clientEvents(m_home, "held").isEmpty()) {
        first.kill();
        first.waitForFinished();
        QFAIL("the first launcher never asked the running client to end");
    }

    QByteArray out;
    const int secondResult = run(program, secondEnv, &out);
    const QString whileHeld = QString::fromUtf8(readFile(logPath(m_home)));
    const int startsWhileHeld = readFile(m_home + "/start-stop.log").count('\n');
    const bool oldCopyWhileHeld = QFileInfo::exists(appPath(m_home) + "/only-in-old-copy");
    ::kill(firstPid, SIGCONT);
    QVERIFY(first.waitForFinished(kRunTimeoutMs));

    QCOMPARE(secondResult, 0);
    QVERIFY(whileHeld.contains("app has already launched, return"));
    // Only the test's own start of the old client.
    QCOMPARE(startsWhileHeld, 1);
    QVERIFY(oldCopyWhileHeld);
    QCOMPARE(first.exitStatus(), QProcess::NormalExit);
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(readFile(appPath(m_home) + "/INFO"), infoFile(2001));
    QVERIFY(!alive(old));

    // One start by a launcher, one new client.
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 2, 30000);
    QVERIFY(clientEvents(m_home, "started").last().endsWith("build 2001"));
    QCOMPARE(readFile(m_home + "/start-stop.log").count('\n'), 2);
    const QString log = QString::fromUtf8(readFile(logPath(m_home)));
    QCOMPARE(log.count("app has already launched, return"), 1);
    QCOMPARE(log.count("running\n"), 1);
    QCOMPARE(log.count("copy package:"), 1);
    QVERIFY(!log.contains("instance lock not taken"));
}

void TstE2E::specialFileAtOwnName_data()
{
    QTest::addColumn<QString>("name"); // below the case's folder: %HOME%, %ROOT%
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("line"); // a line the run must have logged; empty: none

    const struct {
        const char *what;
        const char *name;
        const char *line;
    } names[] = {
        {"pid file", "%HOME%/.QuenmarkZelto/ui.pid", "[NOTE] linux/linux-service.cpp"},
        {"debug switch file", "%ROOT%/log/launcher.debug", ""},
        {"installation journal", "%HOME%/.QuenmarkZelto/QuenmarkZelto.app.installing", "unreadable install journal"},
        {"log file", "%HOME%/.QuenmarkZelto/log/launcher.log", ""},
        {"instance lock", "%HOME%/.pvk-qt/zelto-launcher.lock", ""},
        // Not the launcher's own, but read by it on every run all the same.
        {"installed copy's INFO", "%HOME%/.QuenmarkZelto/QuenmarkZelto.app/INFO", "source_version = (, , , )"},
    };
    for (const auto &n : names)
        for (const QString &kind : specialFileKinds())
            QTest::addRow("%s is a %s", n.what, qPrintable(kind)) << n.name << kind << n.line;
    // Not another launcher: this one goes on.
    QTest::newRow("instance lock folder is a file")
        << "%HOME%/.pvk-qt" << "file" << "[WARNING] main.cpp";
}

// Whatever stands at one of the launcher's own names, the run ends, with
// the client upgraded and started; before, a FIFO there held it for ever
// with the instance lock taken, so that no later launcher ran either.
void TstE2E::specialFileAtOwnName()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(QString, line);
    makeRootAndCopy(2001, 2000);
    const QString path = QString(name).replace("%HOME%", m_home).replace("%ROOT%", m_root);
    if (kind == "file")
        QVERIFY(writeFile(path, "not a folder\n"));
    else if (!makeSpecialFile(path, kind))
        QSKIP(qPrintable(QStringLiteral("cannot make a %1 here: %2").arg(kind, strerror(errno))));

    QCOMPARE(run(m_root), 0);

    QCOMPARE(readFile(appPath(m_home) + "/INFO"), infoFile(2001));
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 1, 30000);
    QVERIFY(clientEvents(m_home, "started").first().endsWith("build 2001"));
    QCOMPARE(readFile(m_home + "/start-stop.log").count('\n'), 1);
    const QFileInfo logFile(logPath(m_home));
    QVERIFY(logFile.isFile() && !logFile.isSymLink());
    if (!line.isEmpty())
        QVERIFY2(readFile(logPath(m_home)).contains(line.toUtf8()), readFile(logPath(m_home)).constData());
    // Unless the log or its switches were what stood in the way.
    if (!name.endsWith("launcher.log") && !name.endsWith("launcher.debug"))
        VERIFY_LOG_ORDER(m_home, "running", "done");
}

// The sample client that the build installs beside the launcher, when the
// stage has it: installed, started, registered, stopped by its own script.
void TstE2E::samplePackage()
{
    const QString stage = stageDir();
    if (!QFileInfo::exists(stage + "/package/orvilex/bin/cloud-zelto-ui"))
        QSKIP("the build installs no sample package (WITH_SAMPLE_PACKAGE=OFF)");

    QVERIFY(QDir().mkpath(m_root + "/bin"));
    QVERIFY(QFile::copy(stage + "/bin/" + launcherName(), m_root + "/bin/" + launcherName()));
    for (const char *linked : {"lib", "images", "package", "INFO"})
        if (QFileInfo::exists(stage + "/" + linked))
            QVERIFY(QFile::link(stage + "/" + linked, m_root + "/" + linked));
    QVERIFY(writeFile(m_root + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\n"));

    QCOMPARE(run(m_root), 0);

    const QString app = appPath(m_home);
    QCOMPARE(readFile(app + "/INFO"), readFile(stage + "/INFO"));
    QVERIFY(QFileInfo(app + "/bin/cloud-zelto-ui").isExecutable());

    // The start script returns once the client has registered its pid.
    const pid_t client = samplePid(m_home);
    QVERIFY2(client > 0, readFile(m_home + "/.QuenmarkZelto/ui.pid").constData());
    QVERIFY(alive(client));
    QCOMPARE(readFile(QStringLiteral("/proc/%1/comm").arg(client)).trimmed(), QByteArray("cloud-zelto-ui"));

    QProcess stop;
    stop.setProcessEnvironment(launcherEnvironment(m_home));
    stop.start(app + "/package/start-stop", {"stop"});
    QVERIFY(stop.waitForFinished(30000));
    QTRY_VERIFY_WITH_TIMEOUT(!alive(client), 30000);
    VERIFY_LOG_ORDER(m_home, "running", "user installation is ready, removing backup app", "done");
}

// The installed launcher in each way a desktop session may start it: no
// display, a display or compositor named but absent, a real Wayland
// compositor and a real X server with a window manager, through a link, by
// bare name from PATH, from an install root whose name is not UTF-8, with
// lib/plugins a link into the system's Qt or missing. Every run upgrades:
// it never aborts, installs the new build, starts it, and hands the client
// the user's own QT_QPA_PLATFORM.
void TstE2E::startsInEverySession_data()
{
    QTest::addColumn<Argv0>("how");
    QTest::addColumn<bool>("nonUtf8Root");
    QTest::addColumn<Plugins>("plugins");
    QTest::addColumn<bool>("weston");          // a Wayland compositor
    QTest::addColumn<bool>("xvfb");            // an X server with openbox
    QTest::addColumn<QStringList>("env");      // NAME=value, or -NAME to unset
    QTest::addColumn<LibPath>("libPath");
    QTest::addColumn<QString>("platform");     // what Qt ends up on

    const QStringList noDisplay{"-DISPLAY", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM"};
    const QStringList noCompositor{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=zelto-no-compositor", "-DISPLAY"};
    const QStringList westonAlone{"-QT_QPA_PLATFORM", "-DISPLAY"};
    const QString gone = missingDisplay();
    QTest::newRow("no display")
        << ByPath << false << PluginCopies << false << false << noDisplay << RootLib << "offscreen";
    QTest::newRow("no display, system plug-ins")
        << ByPath << false << SystemPlugins << false << false << noDisplay << RootLib << "offscreen";
    QTest::newRow("Wayland asked for, no compositor")
        << ByPath << false << SystemPlugins << false << false << noCompositor << RootLib << "offscreen";
    QTest::newRow("Wayland asked for, no Wayland plug-in")
        << ByPath << false << PluginCopies << false << false << noCompositor << RootLib << "offscreen";
    QTest::newRow("xcb asked for, X display does not exist")
        << ByPath << false << PluginCopies << false << false
        << QStringList{"QT_QPA_PLATFORM=xcb", "DISPLAY=" + gone, "-WAYLAND_DISPLAY"} << RootLib << "offscreen";
    QTest::newRow("nothing asked, X display does not exist")
        << ByPath << false << SystemPlugins << false << false
        << QStringList{"-QT_QPA_PLATFORM", "DISPLAY=" + gone, "-WAYLAND_DISPLAY"} << RootLib << "offscreen";
    QTest::newRow("platform unknown to Qt asked for")
        << ByPath << false << PluginCopies << false << false
        << QStringList{"QT_QPA_PLATFORM=dxcb;xcb", "-DISPLAY", "-WAYLAND_DISPLAY"} << RootLib << "offscreen";
    QTest::newRow("through a link elsewhere")
        << ByLink << false << PluginCopies << false << false << noDisplay << RootLib << "offscreen";
    QTest::newRow("bare name from PATH")
        << ByBareName << false << PluginCopies << false << false << noDisplay << RootLib << "offscreen";
    QTest::newRow("bare name, system plug-ins")
        << ByBareName << false << SystemPlugins << false << false << noDisplay << RootLib << "offscreen";
    QTest::newRow("lib/plugins absent")
        << ByPath << false << NoPlugins << false << false << noDisplay << QtLib << "offscreen";
    QTest::newRow("non-UTF-8 root, plug-ins linked from the stage")
        << ByPath << true << PluginCopies << false << false << noDisplay << StageLib << "offscreen";
    QTest::newRow("non-UTF-8 root, system plug-ins")
        << ByPath << true << SystemPlugins << false << false << noDisplay << QtLib << "offscreen";
    QTest::newRow("non-UTF-8 root, through a link")
        << ByLink << true << NoPlugins << false << false << noDisplay << QtLib << "offscreen";
    QTest::newRow("weston, Wayland asked for")
        << ByPath << false << SystemPlugins << true << false << QStringList{"QT_QPA_PLATFORM=wayland", "-DISPLAY"}
        << RootLib << "wayland";
    QTest::newRow("weston, nothing asked")
        << ByBareName << false << SystemPlugins << true << false << westonAlone << RootLib << "wayland";
    // The tree `cmake --install` makes carries the Wayland plug-ins too.
    QTest::newRow("weston, nothing asked, the tree's plug-in copies")
        << ByPath << false << PluginCopies << true << false << westonAlone << RootLib << "wayland";
    QTest::newRow("Xvfb + openbox, nothing asked")
        << ByPath << false << PluginCopies << false << true << QStringList{"-QT_QPA_PLATFORM", "-WAYLAND_DISPLAY"}
        << RootLib << "xcb";
    QTest::newRow("Xvfb + openbox, Wayland asked for, no compositor")
        << ByLink << false << SystemPlugins << false << true
        << QStringList{"QT_QPA_PLATFORM=wayland", "WAYLAND_DISPLAY=zelto-no-compositor"} << RootLib << "xcb";
    // GNOME draws its own title bar only for X11 windows: in its Wayland
    // session the launcher goes through Xwayland unless the user chose.
    // KDE draws it for Wayland windows too, so there Wayland stays first.
    QTest::newRow("weston + Xvfb as GNOME on Wayland, nothing asked")
        << ByPath << false << SystemPlugins << true << true
        << QStringList{"-QT_QPA_PLATFORM", "XDG_CURRENT_DESKTOP=GNOME", "XDG_SESSION_TYPE=wayland"} << RootLib
        << "xcb";
    QTest::newRow("weston + Xvfb as Ubuntu's GNOME, empty choice")
        << ByPath << false << SystemPlugins << true << true
        << QStringList{"QT_QPA_PLATFORM=", "XDG_CURRENT_DESKTOP=ubuntu:GNOME", "-XDG_SESSION_TYPE"} << RootLib
        << "xcb";
    QTest::newRow("weston + Xvfb as GNOME on Wayland, Wayland asked for")
        << ByPath << false << SystemPlugins << true << true
        << QStringList{"QT_QPA_PLATFORM=wayland", "XDG_CURRENT_DESKTOP=GNOME", "XDG_SESSION_TYPE=wayland"}
        << RootLib << "wayland";
    QTest::newRow("weston + Xvfb as KDE on Wayland, nothing asked")
        << ByPath << false << SystemPlugins << true << true
        << QStringList{"-QT_QPA_PLATFORM", "XDG_CURRENT_DESKTOP=KDE", "XDG_SESSION_DESKTOP=KDE",
                       "XDG_SESSION_TYPE=wayland"}
        << RootLib << "wayland";
    QTest::newRow("weston as GNOME on Wayland, no X display")
        << ByPath << false << SystemPlugins << true << false
        << QStringList{"-QT_QPA_PLATFORM", "-DISPLAY", "XDG_CURRENT_DESKTOP=GNOME", "XDG_SESSION_TYPE=wayland"}
        << RootLib << "wayland";
}

void TstE2E::startsInEverySession()
{
    QFETCH(Argv0, how);
    QFETCH(bool, nonUtf8Root);
    QFETCH(Plugins, plugins);
    QFETCH(bool, weston);
    QFETCH(bool, xvfb);
    QFETCH(QStringList, env);
    QFETCH(LibPath, libPath);
    QFETCH(QString, platform);

    // The session first: a row the machine cannot serve says why it skips.
    XServer xserver;
    WindowManager wm;
    Compositor compositor;
    // The desktop's own names come from the row alone.
    QProcessEnvironment environment = launcherEnvironment(m_home);
    environment.insert("XDG_RUNTIME_DIR", m_case->path() + "/runtime");
    if (weston) {
        if (!compositor.start(m_case->path() + "/runtime"))
            QSKIP(qPrintable("no Wayland compositor: " + compositor.why()));
        compositor.enter(environment);
    }
    // Beside the compositor, the X server stands in for Xwayland.
    if (xvfb) {
        if (!xserver.start())
            QSKIP(qPrintable("no X server: " + xserver.why()));
        if (!wm.start(xserver.display()))
            QSKIP(qPrintable("no window manager: " + wm.why()));
        environment.insert("DISPLAY", xserver.display());
    }
    QVERIFY(makeRuntimeDir(m_case->path() + "/runtime"));
    for (const QString &change : env) {
        if (change.startsWith('-'))
            environment.remove(change.mid(1));
        else
            environment.insert(change.section('=', 0, 0), change.section('=', 1));
    }
    const QString userPlatform = environment.value("QT_QPA_PLATFORM", "<unset>");

    // The product root, its lib/ as the row wants it.
    makeRootAndCopy(2001, 2000);
    const QString qtPlugins = qtPluginFolder();
    QVERIFY2(QFileInfo::exists(qtPlugins + "/platforms/libqoffscreen.so"), qPrintable(qtPlugins));
    if (plugins != PluginCopies)
        QVERIFY(ownLib(m_root, plugins == SystemPlugins ? qtPlugins : QString()));
    // QTemporaryDir removes by QString, which cannot name the non-UTF-8
    // root: it gets its name back at the end of the case.
    const QByteArray utf8Root = QFile::encodeName(m_root);
    const QByteArray root = nonUtf8Root ? utf8Root + "-\xff\xfe" : utf8Root;
    const auto renameBack = qScopeGuard([&] { (void)::rename(root.constData(), utf8Root.constData()); });
    if (nonUtf8Root)
        QVERIFY(::rename(utf8Root.constData(), root.constData()) == 0);

    // Started with argv[0] the way the row says, from a working folder
    // where argv[0] leads nowhere.
    const QByteArray exe = root + "/bin/" + QFile::encodeName(launcherName());
    QByteArray command = "exec \"$1\"";
    QByteArray argv0 = exe;
    if (how == ByLink) {
        argv0 = QFile::encodeName(m_case->path()) + "/elsewhere/launcher-link";
        QVERIFY(QDir().mkpath(m_case->path() + "/elsewhere"));
        QVERIFY(::symlink(exe.constData(), argv0.constData()) == 0);
    } else if (how == ByBareName) {
        environment.insert("PATH", m_root + "/bin:" + environment.value("PATH"));
        command = "exec " + QFile::encodeName(launcherName());
    }
    // QProcess passes names as QStrings, which cannot carry the non-UTF-8
    // root: the shell gets its bytes in octal and builds them itself.
    QByteArray octal;
    for (const char c : argv0)
        octal += "\\" + QByteArray::number(static_cast<uchar>(c), 8);
    const bool held = weston || xvfb;
    const QString hold = held ? holdAtStart(m_home) : QString();
    QVERIFY(!held || !hold.isEmpty());
    QProcess launcher;
    launcher.setProcessEnvironment(environment);
    launcher.setWorkingDirectory(m_case->path());
    launcher.start("/bin/sh", {"-c", QString::fromLatin1("set -- \"$(printf '" + octal + "')\"; " + command)});
    QVERIFY(launcher.waitForStarted());

    // In a real session the dialog is up while the launcher is held in
    // its start script: the compositor or the window manager has it.
    bool dialogShown = false;
    if (held) {
        // A launcher that ends early (an abort) ends the wait with it.
        const int writer = waitForHold(launcher, hold, kRunTimeoutMs);
        if (writer < 0)
            QFAIL(qPrintable("the launcher never reached the start script: " + launcher.readAllStandardError()));
        const QString title = QStringLiteral("Quenmark Zelto Client");
        if (platform == "wayland") {
            dialogShown = waitUntil([&] { return compositor.hasWindow(title); }, 30000);
        } else {
            const QString id = windowTitled(xClient(xserver.display()), title, 30000);
            qInfo("dialog window under openbox: %s", qPrintable(id));
            dialogShown = !id.isEmpty();
        }
        ::close(writer);
    }
    QVERIFY2(launcher.waitForFinished(kRunTimeoutMs), "the launcher did not end");
    const QByteArray out = launcher.readAllStandardOutput();
    const QByteArray err = launcher.readAllStandardError();

    QVERIFY2(launcher.exitStatus() == QProcess::NormalExit, err.constData());
    QVERIFY2(!err.contains("no Qt platform plugin could be initialized"), err.constData());
    QCOMPARE(launcher.exitCode(), 0);
    const QByteArray expectedLib = libPath == QtLib ? QFile::encodeName(qtPlugins)
        : libPath == StageLib ? QFile::encodeName(QFileInfo(stageDir() + "/lib/plugins").canonicalFilePath())
                              : root + "/lib/plugins";
    QCOMPARE(out.split('\n').first(), "lib path = '" + expectedLib + "'");
    if (held)
        QVERIFY2(dialogShown, "no dialog in the session");

    // Upgraded and started, with the user's own platform choice.
    QCOMPARE(readFile(appPath(m_home) + "/INFO"), infoFile(2001));
    QCOMPARE(readFile(m_home + "/start-stop.log"), "start " + QFile::encodeName(appPath(m_home)) + "\n");
    QCOMPARE(QString::fromUtf8(readFile(m_home + "/start-stop.platform")).trimmed(), userPlatform);
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 1, 30000);
    QVERIFY(clientEvents(m_home, "started").first().endsWith("build 2001"));
    VERIFY_LOG_ORDER(m_home, "Qt platform = " + platform, "running", "copy package:",
                     "user installation is ready, removing backup app", "done");
    QVERIFY(!readFile(logPath(m_home)).contains("[ERROR]"));
}

QTEST_GUILESS_MAIN(TstE2E)
#include "tst_e2e.moc"
