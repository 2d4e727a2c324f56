// The sample client package: the client program's pid-file contract with the
// launcher, its start script, and the archive against the package folder.
// Every case runs real processes in a home folder of its own.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <csignal>

#include <sys/types.h>
#include <unistd.h>

namespace {

const QString kPackageDir = QStringLiteral(ZELTO_PACKAGE_DIR);
const QString kArchive = QStringLiteral(ZELTO_PACKAGE_ARCHIVE);
const QString kClientName = QStringLiteral("cloud-zelto-ui");
constexpr int kWaitMs = 30000;

QString clientProgram() { return kPackageDir + QStringLiteral("/bin/cloud-zelto-ui"); }

// The process state letter from /proc, or 0 when the process is gone.
char processState(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (pid <= 0 || !status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("State:")) {
            const QByteArray value = line.mid(6).trimmed();
            return value.isEmpty() ? 0 : value.at(0);
        }
    }
    return 0;
}

// Alive and not a zombie: an orphan is reaped by whoever adopted it, when it
// pleases.
bool isAlive(pid_t pid)
{
    const char s = processState(pid);
    return s != 0 && s != 'Z' && s != 'X';
}

QByteArray commandName(pid_t pid)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    return comm.open(QIODevice::ReadOnly) ? comm.readAll().trimmed() : QByteArray();
}

pid_t readPid(const QString &pidFile)
{
    QFile file(pidFile);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray content = file.readAll();
    if (!content.startsWith("pid=") || !content.endsWith('\n'))
        return -1;
    return pid_t(content.mid(4).trimmed().toLong());
}

// Qt's offscreen platform plug-in never frees its screen. In a build with
// LeakSanitizer that ends every client run with a leak report, so the client
// gets full allocation stacks (Qt has no frame pointers) and one more
// suppression that names the plug-in, beside whatever the caller suppresses.
QString g_leakSuppressions;

void prepareLeakSuppressions(const QString &folder)
{
    QByteArray suppressions = "leak:libqoffscreen.so\n";
    const QByteArray lsan = qgetenv("LSAN_OPTIONS");
    for (const QByteArray &option : lsan.split(':')) {
        if (option.startsWith("suppressions=")) {
            QFile given(QString::fromLocal8Bit(option.mid(13)));
            if (given.open(QIODevice::ReadOnly))
                suppressions += given.readAll() + '\n';
        }
    }
    g_leakSuppressions = folder + QStringLiteral("/lsan.supp");
    QFile file(g_leakSuppressions);
    if (!file.open(QIODevice::WriteOnly) || file.write(suppressions) != suppressions.size())
        g_leakSuppressions.clear();
}

QProcessEnvironment environmentFor(const QString &home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!g_leakSuppressions.isEmpty()) {
        QStringList lsan = env.value(QStringLiteral("LSAN_OPTIONS")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
        lsan.erase(std::remove_if(lsan.begin(), lsan.end(),
                                  [](const QString &o) { return o.startsWith(QLatin1String("suppressions=")); }),
                   lsan.end());
        lsan << QStringLiteral("suppressions=") + g_leakSuppressions;
        env.insert(QStringLiteral("LSAN_OPTIONS"), lsan.join(QLatin1Char(':')));
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("fast_unwind_on_malloc=0"));
    }
    env.insert(QStringLiteral("HOME"), home);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    env.remove(QStringLiteral("XDG_DATA_HOME"));
    return env;
}

// Kills, at the end of a case, every client it was told about that still
// runs, so that a failing case leaves nothing behind.
struct ClientReaper
{
    QVector<pid_t> pids;
    ~ClientReaper()
    {
        for (pid_t pid : pids)
            if (isAlive(pid) && commandName(pid) == kClientName.toUtf8())
                ::kill(pid, SIGKILL);
    }
};

bool copyTree(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(it.filePath());
        if (it.fileInfo().isDir()) {
            if (!QDir().mkpath(target))
                return false;
        } else if (!QFile::copy(it.filePath(), target)) { // keeps the permissions
            return false;
        }
    }
    return true;
}

// The per-user application folder, as the launcher installs it.
QString installApp(const QString &home)
{
    const QString app = home + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app");
    return copyTree(kPackageDir, app) ? app : QString();
}

struct ScriptRun
{
    int exitCode = -1;
    QString output;
};

ScriptRun runScript(const QString &app, const QString &home, const QString &command)
{
    QProcess script;
    script.setProcessEnvironment(environmentFor(home));
    script.setProcessChannelMode(QProcess::MergedChannels);
    // Run as a program with its argument, never as a command line split at
    // blanks.
    script.start(app + QStringLiteral("/package/start-stop"), {command});
    ScriptRun run;
    if (!script.waitForFinished(kWaitMs)) {
        script.kill();
        script.waitForFinished();
        run.output = QStringLiteral("start-stop %1 did not finish").arg(command);
        return run;
    }
    run.exitCode = script.exitStatus() == QProcess::NormalExit ? script.exitCode() : -1;
    run.output = QString::fromUtf8(script.readAll());
    return run;
}

// Relative paths below `root`, folders with a trailing slash.
QSet<QString> treeEntries(const QString &root)
{
    QSet<QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        QString rel = QDir(root).relativeFilePath(it.filePath());
        if (it.fileInfo().isDir())
            rel += QLatin1Char('/');
        entries.insert(rel);
    }
    return entries;
}

} // namespace

class TestSamplePackage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void clientRegistersAndEndsOnSignal_data();
    void clientRegistersAndEndsOnSignal();
    void pidFileFollowsTheLauncherBase_data();
    void pidFileFollowsTheLauncherBase();
    void secondClientLeavesFirstAlone();
    void pidFileTakenOverIsKept();
    void startStopWithBlanks_data();
    void startStopWithBlanks();
    void stopKillsClientThatDoesNotEnd();
    void clientWithoutDisplayLeavesNothing_data();
    void clientWithoutDisplayLeavesNothing();
    void stopSparesUnrelatedProcess();
    void archiveHoldsPackageFolder();
    void infoFilesCarryTheBuild();
    void menuEntryStartsTheInstalledLauncher();

private:
    QTemporaryDir scratch;
};

void TestSamplePackage::initTestCase()
{
    QVERIFY(scratch.isValid());
    prepareLeakSuppressions(scratch.path());
    QVERIFY(!g_leakSuppressions.isEmpty());
    QVERIFY2(QFileInfo(clientProgram()).isExecutable(), qPrintable(clientProgram()));
    QVERIFY(QFileInfo(kPackageDir + QStringLiteral("/package/start-stop")).isExecutable());
    QVERIFY(QFileInfo::exists(kArchive));
}

void TestSamplePackage::clientRegistersAndEndsOnSignal_data()
{
    QTest::addColumn<QString>("homeName");
    QTest::addColumn<int>("signalNumber");
    QTest::newRow("term") << QStringLiteral("home") << int(SIGTERM);
    QTest::newRow("term, blank in home") << QStringLiteral("my home") << int(SIGTERM);
    QTest::newRow("term, non-ASCII home") << QStringLiteral("h\u00f6me \u6587") << int(SIGTERM);
    QTest::newRow("int") << QStringLiteral("home") << int(SIGINT);
    QTest::newRow("hup") << QStringLiteral("home") << int(SIGHUP);
}

void TestSamplePackage::clientRegistersAndEndsOnSignal()
{
    QFETCH(QString, homeName);
    QFETCH(int, signalNumber);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString home = tmp.filePath(homeName);
    QVERIFY(QDir().mkpath(home));
    const QString pidFile = home + QStringLiteral("/.QuenmarkZelto/ui.pid");

    QProcess client;
    client.setProcessEnvironment(environmentFor(home));
    client.start(clientProgram(), QStringList());
    QVERIFY(client.waitForStarted(kWaitMs));
    ClientReaper reaper{{pid_t(client.processId())}};

    QTRY_COMPARE_WITH_TIMEOUT(readPid(pidFile), pid_t(client.processId()), kWaitMs);
    QCOMPARE(client.state(), QProcess::Running);

    QCOMPARE(::kill(pid_t(client.processId()), signalNumber), 0);
    QVERIFY(client.waitForFinished(kWaitMs));
    QCOMPARE(client.exitStatus(), QProcess::NormalExit);
    QCOMPARE(client.exitCode(), 0);
    QVERIFY2(!QFileInfo::exists(pidFile), "the pid file outlived the client");
    QVERIFY2(!QFileInfo::exists(pidFile + QStringLiteral(".lock")), "the instance lock stayed");
    QVERIFY(client.readAllStandardOutput().contains(
        QStringLiteral("ends on signal %1").arg(signalNumber).toUtf8()));
}

void TestSamplePackage::pidFileFollowsTheLauncherBase_data()
{
    QTest::addColumn<QString>("desktop"); // "-" for unset
    QTest::addColumn<QString>("dataHome"); // "-" for unset, relative to the temporary folder
    QTest::addColumn<QString>("expectedBase");
    QTest::newRow("no desktop") << "-" << "data" << "home";
    QTest::newRow("GNOME") << "GNOME" << "data" << "home";
    QTest::newRow("Deepin with data home") << "Deepin" << "data" << "data";
    QTest::newRow("Deepin, data home with slash") << "Deepin" << "data/" << "data";
    QTest::newRow("Deepin, empty data home") << "Deepin" << "" << "home";
    QTest::newRow("Deepin, no data home") << "Deepin" << "-" << "home";
    QTest::newRow("Deepin in a list") << "Deepin:GNOME" << "data" << "home";
}

void TestSamplePackage::pidFileFollowsTheLauncherBase()
{
    QFETCH(QString, desktop);
    QFETCH(QString, dataHome);
    QFETCH(QString, expectedBase);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QProcessEnvironment env = environmentFor(tmp.filePath(QStringLiteral("home")));
    if (desktop != QLatin1String("-"))
        env.insert(QStringLiteral("XDG_CURRENT_DESKTOP"), desktop);
    if (dataHome != QLatin1String("-"))
        env.insert(QStringLiteral("XDG_DATA_HOME"),
                   dataHome.isEmpty() ? QString() : tmp.path() + QLatin1Char('/') + dataHome);

    QProcess client;
    client.setProcessEnvironment(env);
    client.start(clientProgram(), {QStringLiteral("--print-pid-file")});
    QVERIFY(client.waitForFinished(kWaitMs));
    QCOMPARE(client.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(client.readAllStandardOutput()).trimmed(),
             tmp.filePath(expectedBase) + QStringLiteral("/.QuenmarkZelto/ui.pid"));
}

void TestSamplePackage::secondClientLeavesFirstAlone()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString pidFile = tmp.filePath(QStringLiteral(".QuenmarkZelto/ui.pid"));
    QProcess first;
    first.setProcessEnvironment(environmentFor(tmp.path()));
    first.start(clientProgram(), QStringList());
    QVERIFY(first.waitForStarted(kWaitMs));
    ClientReaper reaper{{pid_t(first.processId())}};
    QTRY_COMPARE_WITH_TIMEOUT(readPid(pidFile), pid_t(first.processId()), kWaitMs);

    QProcess second;
    second.setProcessEnvironment(environmentFor(tmp.path()));
    second.start(clientProgram(), QStringList());
    QVERIFY(second.waitForFinished(kWaitMs));
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(second.readAllStandardOutput().contains("already runs"));
    QCOMPARE(readPid(pidFile), pid_t(first.processId()));
    QCOMPARE(first.state(), QProcess::Running);

    QCOMPARE(::kill(pid_t(first.processId()), SIGTERM), 0);
    QVERIFY(first.waitForFinished(kWaitMs));
    QVERIFY(!QFileInfo::exists(pidFile));
}

void TestSamplePackage::pidFileTakenOverIsKept()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString pidFile = tmp.filePath(QStringLiteral(".QuenmarkZelto/ui.pid"));
    QProcess client;
    client.setProcessEnvironment(environmentFor(tmp.path()));
    client.start(clientProgram(), QStringList());
    QVERIFY(client.waitForStarted(kWaitMs));
    ClientReaper reaper{{pid_t(client.processId())}};
    QTRY_COMPARE_WITH_TIMEOUT(readPid(pidFile), pid_t(client.processId()), kWaitMs);

    // Another client has registered itself meanwhile; its record must stay.
    const pid_t other = getpid();
    {
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray("pid=") + QByteArray::number(other) + '\n');
    }
    QCOMPARE(::kill(pid_t(client.processId()), SIGTERM), 0);
    QVERIFY(client.waitForFinished(kWaitMs));
    QCOMPARE(client.exitCode(), 0);
    QCOMPARE(readPid(pidFile), other);
}

void TestSamplePackage::startStopWithBlanks_data()
{
    QTest::addColumn<QString>("homeName");
    QTest::newRow("plain") << QStringLiteral("home");
    QTest::newRow("blank") << QStringLiteral("my home");
    QTest::newRow("blanks and quote") << QStringLiteral("a  b 'c");
}

void TestSamplePackage::startStopWithBlanks()
{
    QFETCH(QString, homeName);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString home = tmp.filePath(homeName);
    const QString app = installApp(home);
    QVERIFY(!app.isEmpty());
    const QString pidFile = home + QStringLiteral("/.QuenmarkZelto/ui.pid");
    ClientReaper reaper;

    ScriptRun run = runScript(app, home, QStringLiteral("start"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    const pid_t pid = readPid(pidFile);
    QVERIFY2(pid > 0, qPrintable(run.output));
    reaper.pids << pid;
    QVERIFY(isAlive(pid));
    QCOMPARE(commandName(pid), kClientName.toUtf8());
    // Detached: its own session, not the test's.
    QCOMPARE(getsid(pid), pid);

    run = runScript(app, home, QStringLiteral("start"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QVERIFY2(run.output.contains(QStringLiteral("already runs")), qPrintable(run.output));
    QCOMPARE(readPid(pidFile), pid);
    QCOMPARE(runScript(app, home, QStringLiteral("status")).exitCode, 0);

    run = runScript(app, home, QStringLiteral("stop"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QTRY_VERIFY_WITH_TIMEOUT(!isAlive(pid), kWaitMs);
    QVERIFY(!QFileInfo::exists(pidFile));
    QCOMPARE(runScript(app, home, QStringLiteral("status")).exitCode, 3);

    QFile log(home + QStringLiteral("/.QuenmarkZelto/log/ui.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray logText = log.readAll();
    QVERIFY2(logText.contains("started, pid " + QByteArray::number(pid)), logText.constData());
    QVERIFY(logText.contains("ends on signal " + QByteArray::number(SIGTERM)));
}

// Without a display the client cannot start: the start script fails, the
// client's log says why in one line (when the environment shows it), and
// neither a lock nor a pid file stays behind.
void TestSamplePackage::clientWithoutDisplayLeavesNothing_data()
{
    QTest::addColumn<QStringList>("env");    // NAME=value, or -NAME to unset
    QTest::addColumn<bool>("oneLine");       // the log's whole content is one line
    QTest::newRow("no display at all")
        << QStringList{"-DISPLAY", "-WAYLAND_DISPLAY", "-QT_QPA_PLATFORM"} << true;
    QTest::newRow("xcb asked for, no DISPLAY")
        << QStringList{"-DISPLAY", "WAYLAND_DISPLAY=zelto-no-compositor", "QT_QPA_PLATFORM=xcb"} << true;
    // Set but unreachable: only Qt can tell, and says so in its own words.
    QTest::newRow("X display that does not exist")
        << QStringList{"DISPLAY=:" + QString::number(900 + (getpid() % 90)), "-WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb"}
        << false;
}

void TestSamplePackage::clientWithoutDisplayLeavesNothing()
{
    QFETCH(QStringList, env);
    QFETCH(bool, oneLine);
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString home = tmp.filePath(QStringLiteral("home"));
    const QString app = installApp(home);
    QVERIFY(!app.isEmpty());
    const QString folder = home + QStringLiteral("/.QuenmarkZelto");
    const QSet<QString> before = treeEntries(folder);

    QProcessEnvironment environment = environmentFor(home);
    for (const QString &e : env) {
        if (e.startsWith(QLatin1Char('-')))
            environment.remove(e.mid(1));
        else
            environment.insert(e.section(QLatin1Char('='), 0, 0), e.section(QLatin1Char('='), 1));
    }
    QProcess script;
    script.setProcessEnvironment(environment);
    script.setProcessChannelMode(QProcess::MergedChannels);
    script.start(app + QStringLiteral("/package/start-stop"), {QStringLiteral("start")});
    QVERIFY(script.waitForFinished(kWaitMs));
    const QByteArray output = script.readAll();
    QVERIFY2(script.exitStatus() == QProcess::NormalExit && script.exitCode() == 1, output.constData());
    QVERIFY2(output.contains("did not start"), output.constData());

    QFile log(folder + QStringLiteral("/log/ui.log"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray logText = log.readAll();
    if (oneLine) {
        QVERIFY2(logText.startsWith("cloud-zelto-ui: cannot start, no ") && logText.endsWith('\n') &&
                     logText.count('\n') == 1,
                 logText.constData());
    } else {
        QVERIFY2(!logText.isEmpty(), "the client's log says nothing");
    }
    // Only the log is new.
    QSet<QString> after = treeEntries(folder);
    after.remove(QStringLiteral("log/"));
    after.remove(QStringLiteral("log/ui.log"));
    QCOMPARE(after, before);
}

void TestSamplePackage::stopKillsClientThatDoesNotEnd()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString home = tmp.filePath(QStringLiteral("my home"));
    const QString app = installApp(home);
    QVERIFY(!app.isEmpty());
    const QString pidFile = home + QStringLiteral("/.QuenmarkZelto/ui.pid");
    ClientReaper reaper;

    ScriptRun run = runScript(app, home, QStringLiteral("start"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    const pid_t pid = readPid(pidFile);
    QVERIFY(pid > 0);
    reaper.pids << pid;
    // A stopped process keeps the termination signal pending: it cannot end.
    QCOMPARE(::kill(pid, SIGSTOP), 0);
    QTRY_COMPARE_WITH_TIMEOUT(processState(pid), 'T', kWaitMs);

    run = runScript(app, home, QStringLiteral("stop"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.output));
    QVERIFY2(run.output.contains(QStringLiteral("killed")), qPrintable(run.output));
    QTRY_VERIFY_WITH_TIMEOUT(!isAlive(pid), kWaitMs);
    QVERIFY2(!QFileInfo::exists(pidFile), "the killed client's pid file stayed");
}

void TestSamplePackage::stopSparesUnrelatedProcess()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    const QString home = tmp.filePath(QStringLiteral("home"));
    const QString app = installApp(home);
    QVERIFY(!app.isEmpty());

    // A stale pid file whose number now belongs to another program.
    QProcess stranger;
    stranger.start(QStringLiteral("sleep"), {QStringLiteral("60")});
    QVERIFY(stranger.waitForStarted(kWaitMs));
    const QString pidFile = home + QStringLiteral("/.QuenmarkZelto/ui.pid");
    {
        QFile file(pidFile);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("pid=") + QByteArray::number(stranger.processId()) + '\n');
    }

    const ScriptRun run = runScript(app, home, QStringLiteral("stop"));
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.output.contains(QStringLiteral("not running")), qPrintable(run.output));
    QCOMPARE(stranger.state(), QProcess::Running);
    QCOMPARE(runScript(app, home, QStringLiteral("status")).exitCode, 3);
    stranger.kill();
    stranger.waitForFinished();
}

void TestSamplePackage::archiveHoldsPackageFolder()
{
    const QString bsdtar = QStandardPaths::findExecutable(QStringLiteral("bsdtar"));
    if (bsdtar.isEmpty())
        QSKIP("bsdtar is not installed (package libarchive-tools)");

    QProcess list;
    list.start(bsdtar, {QStringLiteral("-tzf"), kArchive});
    QVERIFY(list.waitForFinished(kWaitMs));
    QCOMPARE(list.exitCode(), 0);
    QSet<QString> listed;
    for (const QByteArray &line : list.readAllStandardOutput().split('\n')) {
        if (line.isEmpty())
            continue;
        QString name = QString::fromUtf8(line);
        QVERIFY2(!name.startsWith(QLatin1Char('/')) && !name.split(QLatin1Char('/')).contains(QStringLiteral("..")),
                 qPrintable(name));
        if (name.startsWith(QStringLiteral("./")))
            name = name.mid(2);
        listed.insert(name);
    }
    const QSet<QString> onDisk = treeEntries(kPackageDir);
    QCOMPARE(listed, onDisk);
    QVERIFY(listed.contains(QStringLiteral("INFO")));
    QVERIFY(listed.contains(QStringLiteral("bin/cloud-zelto-ui")));
    QVERIFY(listed.contains(QStringLiteral("package/start-stop")));

    // Unpacked, it gives the package folder byte for byte, programs runnable.
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    QProcess extract;
    extract.start(bsdtar, {QStringLiteral("-xzpf"), kArchive, QStringLiteral("-C"), tmp.path()});
    QVERIFY(extract.waitForFinished(kWaitMs));
    QCOMPARE(extract.exitCode(), 0);
    for (const QString &rel : onDisk) {
        if (rel.endsWith(QLatin1Char('/')))
            continue;
        QFile a(kPackageDir + QLatin1Char('/') + rel), b(tmp.filePath(rel));
        QVERIFY(a.open(QIODevice::ReadOnly));
        QVERIFY2(b.open(QIODevice::ReadOnly), qPrintable(rel));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(rel));
        QCOMPARE(QFileInfo(b).isExecutable(), QFileInfo(a).isExecutable());
    }
    QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("package/start-stop"))).isExecutable());
    QVERIFY(QFileInfo(tmp.filePath(QStringLiteral("bin/cloud-zelto-ui"))).isExecutable());
}

void TestSamplePackage::infoFilesCarryTheBuild()
{
    QSettings info(kPackageDir + QStringLiteral("/INFO"), QSettings::IniFormat);
    QCOMPARE(info.status(), QSettings::NoError);
    info.beginGroup(QStringLiteral("Version"));
    QCOMPARE(info.value(QStringLiteral("build_version")).toString(), QStringLiteral(ZELTO_SAMPLE_BUILD));
    for (const char *key : {"major_version", "minor_version", "icon_overlay_version"})
        QVERIFY2(!info.value(QLatin1String(key)).toString().isEmpty(), key);

    QProcess client;
    client.start(clientProgram(), {QStringLiteral("--version")});
    QVERIFY(client.waitForFinished(kWaitMs));
    QCOMPARE(client.exitCode(), 0);
    QVERIFY(client.readAllStandardOutput().contains("(build " ZELTO_SAMPLE_BUILD ")"));
}

void TestSamplePackage::menuEntryStartsTheInstalledLauncher()
{
    const QString entry = QStringLiteral(ZELTO_MENU_ENTRY);
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    QMap<QByteArray, QByteArray> keys;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const int eq = line.indexOf('=');
        if (eq > 0)
            keys.insert(line.left(eq), line.mid(eq + 1));
    }
    QCOMPARE(keys.value("Type"), QByteArray("Application"));
    QCOMPARE(keys.value("Exec"), QByteArray("\"/opt/quenmark-zelto/bin/zelto-launcher\""));
    QCOMPARE(keys.value("TryExec"), QByteArray("/opt/quenmark-zelto/bin/zelto-launcher"));
    // By theme name: the package puts it into the hicolor theme.
    QCOMPARE(keys.value("Icon"), QByteArray("quenmark-zelto"));
    QCOMPARE(keys.value("StartupWMClass"), QByteArray("zelto-launcher"));

    const QString validate = QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    if (validate.isEmpty())
        QSKIP("desktop-file-validate is not installed (package desktop-file-utils)");
    QProcess check;
    check.setProcessChannelMode(QProcess::MergedChannels);
    check.start(validate, {entry});
    QVERIFY(check.waitForFinished(kWaitMs));
    QVERIFY2(check.exitCode() == 0 && check.readAll().trimmed().isEmpty(), qPrintable(entry));
}

QTEST_GUILESS_MAIN(TestSamplePackage)
#include "tst_sample_package.moc"
