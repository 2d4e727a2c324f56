// The installation service against real folders: versions, installation
// with backup and rollback, interrupted installations, the client process,
// the start script and the legacy folder.
#include "cloud-service.h"
#include "file-op.h"
#include "linux-service.h"
#include "log.h"
#include "uipathmanager.h"
#include "support/archive-writer.h"
#include "support/fault-interposer.h"
#include "support/install-root.h"
#include "support/log-lines.h"
#include "support/noise.h"
#include "support/tmpfs-mount.h"
#include "support/tree-snapshot.h"
#include "support/unprivileged.h"

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <sched.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "test-files.h"

namespace {

// The flushes, renames and removals anywhere while it lives, in order:
// "fsync <path>", "syncfs <path>", "rename <new name>", "unlink <path>" (a
// folder's removal too).
InjectedCalls recordCalls(QStringList &calls)
{
    auto record = [&calls](const char *call, const char *path, const char *to) {
        const QByteArray name(call);
        if (name == "fsync" || name == "syncfs")
            calls << name + ' ' + QFile::decodeName(path);
        else if (name.startsWith("rename"))
            calls << "rename " + QFile::decodeName(to);
        else if (name.startsWith("unlink") || name == "rmdir" || name == "remove")
            calls << "unlink " + QFile::decodeName(path);
        return 0;
    };
    return InjectedCalls("/", record);
}

// This program: started with the client's arguments (see main), it plays
// the client.
QString helperProgram()
{
    return QCoreApplication::applicationFilePath();
}

// The launcher's path table, registered below a test's own folders: all
// below the home `base` but the resource root.
void RegisterTestPaths(const QString &base, const QString &root)
{
    UIPathManager *const table = UIPathManager::getInstance();
    for (const support::HomePath &row : support::kHomePaths)
        table->setPath(QString::fromLatin1(row.key), QDir::cleanPath(base + row.belowHome));
    table->setPath(QStringLiteral("root_resource_path"), QDir::cleanPath(root));
}

QByteArray info(const QByteArray &build, const QByteArray &major = "1")
{
    return support::infoFile(build, major, "2", "4");
}

const QFile::Permissions kExec = support::kExecutable;

// A client tree: INFO, the UI program, the start script (it records its
// arguments beside itself), and `files` data files of this variant.
void writeClientTree(const QString &dir, const QByteArray &build, const QByteArray &variant, int files = 4)
{
    QVERIFY(support::writeClient(dir, info(build), "#!/bin/sh\n# " + variant + "\nexit 0\n",
                                 "#!/bin/sh\nprintf '%s:%s\\n' \"$#\" \"$*\" > \"$(dirname \"$0\")/started\"\n"));
    for (int i = 0; i < files; ++i) {
        QByteArray body = variant + " data " + QByteArray::number(i) + "\n";
        QVERIFY(writeFile(QString("%1/lib/part-%2/data-%3.bin").arg(dir).arg(i % 3).arg(i),
                          body.repeated(1 + i % 7)));
    }
    QVERIFY(writeFile(dir + "/share/deep/er/leaf.txt", variant + " leaf\n"));
}

// Kind, permission bits and content of every entry below a folder.
using Snapshot = support::Tree;
using support::snapshot;

// The content only: the permission bits of copied files follow the
// package, those of folders the umask.
Snapshot contentOf(const QString &dir)
{
    return support::withoutModes(snapshot(dir));
}

// One case's folders, below `parent`: a per-user base and a resource root,
// both with a blank in their names, the path table, and a private debug log.
struct Fixture {
    QTemporaryDir tmp;
    QString base, root, user, app, pkg, legacy, logFile;

    explicit Fixture(const QString &home = QStringLiteral("home dir"),
                     const QString &parent = QDir::tempPath())
        : tmp(parent + "/tst_service-XXXXXX")
    {
        base = tmp.path() + '/' + home;
        root = tmp.path() + "/opt dir/zelto";
        user = base + "/.QuenmarkZelto";
        app = user + "/QuenmarkZelto.app";
        pkg = root + "/package/orvilex";
        legacy = base + "/.Orvilex";
        logFile = tmp.path() + "/t.log";
        QDir().mkpath(base);
        QDir().mkpath(root);
        RegisterTestPaths(base, root);
        writeFile(tmp.path() + "/switch", "service_debug=7\nfile_op_debug=7\n");
        LogConfigure(LOG_MODE_FILE, QFile::encodeName(logFile).constData(),
                     QFile::encodeName(tmp.path() + "/switch").constData(), 50, 1);
    }

    ~Fixture() { LogConfigure(LOG_MODE_STDERR, "", "", 0, 0); }

    void writePackage(const QByteArray &build, const QByteArray &variant, int files = 4)
    {
        QVERIFY(writeFile(root + "/INFO", info(build)));
        writeClientTree(pkg, build, variant, files);
    }

    QStringList lines() const { return QString::fromUtf8(readFile(logFile)).split('\n', Qt::SkipEmptyParts); }

    // Lines of `level` whose message, after the prefix, is exactly `message`.
    int count(const QString &level, const QString &message) const
    {
        int n = 0;
        for (const support::LogLine &line : support::logLines(readFile(logFile)))
            n += line.level == level && line.message == message;
        return n;
    }

    int countContaining(const QString &text) const { return lines().filter(text).size(); }

    QString journal() const { return app + ".installing"; }

    QStringList leftovers() const
    {
        QStringList found;
        for (int k = 0; k < 10; ++k) {
            const QString name = QString::fromStdString(backupName(app.toStdString(), k));
            if (QFileInfo::exists(name) || QFileInfo(name).isSymLink())
                found << name;
        }
        if (QFileInfo::exists(journal()))
            found << journal();
        return found;
    }
};

// A process of the test, reaped as soon as it ends so that a signal probe
// sees it gone; started in `cwd` when one is given.
class Child
{
public:
    explicit Child(const QStringList &args, const QString &cwd = QString())
    {
        QList<QByteArray> bytes;
        for (const QString &a : args)
            bytes << QFile::encodeName(a);
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        const QByteArray dir = QFile::encodeName(cwd);
        m_pid = fork();
        if (m_pid == 0) {
            if (cwd.isEmpty() || chdir(dir.constData()) == 0)
                execv(argv[0], argv.data());
            _exit(127);
        }
        if (m_pid < 0) {
            m_done = true;
            return;
        }
        m_reaper = std::thread([this] {
            int status = 0;
            while (waitpid(m_pid, &status, 0) < 0 && errno == EINTR) {
            }
            m_status = status;
            m_done = true;
        });
    }
    ~Child()
    {
        if (!m_done)
            (void)kill(m_pid, SIGKILL);
        if (m_reaper.joinable())
            m_reaper.join();
    }
    pid_t pid() const { return m_pid; }
    bool done() const { return m_done; }
    int status() const { return m_status; }
    bool wait(int ms = 30000) const
    {
        return QTest::qWaitFor([this] { return m_done.load(); }, ms);
    }

private:
    pid_t m_pid = -1;
    std::thread m_reaper;
    std::atomic<bool> m_done{false};
    std::atomic<int> m_status{0};
};

// Field `n` (from 3, after the command) of /proc/PID/stat; 0 if unread.
unsigned long long procStatField(pid_t pid, int n)
{
    const QByteArray stat = readFile(QString("/proc/%1/stat").arg(pid));
    const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    return n - 3 < fields.size() ? fields[n - 3].toULongLong() : 0;
}

// When the process started, in nanoseconds of the wall clock.
qint64 startedAtNs(pid_t pid)
{
    const unsigned long long ticks = procStatField(pid, 22);
    const long hz = sysconf(_SC_CLK_TCK);
    struct timespec real, boot;
    if (ticks == 0 || hz <= 0 || clock_gettime(CLOCK_BOOTTIME, &boot) != 0 || clock_gettime(CLOCK_REALTIME, &real) != 0)
        return 0;
    const qint64 sinceBoot = qint64(ticks / hz) * 1000000000 + qint64(ticks % hz) * (1000000000 / hz);
    return (qint64(real.tv_sec) - boot.tv_sec) * 1000000000 + (real.tv_nsec - boot.tv_nsec) + sinceBoot;
}

// The entries of `dir` in the order the directory walk meets them.
QStringList walkOrder(const QString &dir)
{
    const QDir::Filters all = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    return QDir(dir).entryList(all, QDir::Unsorted);
}

bool walkedAfter(const QString &dir, const QString &name, const QStringList &after)
{
    const QStringList order = walkOrder(dir);
    return std::all_of(after.begin(), after.end(),
                       [&](const QString &a) { return order.indexOf(a) <= order.indexOf(name); });
}

// Names an entry of `dir` so that the directory walk meets it after every
// entry in `after`: the first of 64 candidates that it meets there; empty
// when the file system does not allow it.
QString lateName(const QString &dir, const QStringList &after)
{
    for (int i = 0; i < 64; ++i)
        writeFile(QString("%1/late-%2").arg(dir).arg(i), "");
    QString chosen;
    for (const QString &name : walkOrder(dir)) {
        if (chosen.isEmpty() && name.startsWith("late-") && walkedAfter(dir, name, after))
            chosen = name;
    }
    for (int i = 0; i < 64; ++i)
        QFile::remove(QString("%1/late-%2").arg(dir).arg(i));
    return chosen;
}

// One run of the installation as the launcher makes it: the versions read,
// then the upgrade when they ask for one; `otherwise` when they do not.
const int32_t kNotNeeded = 1;
int32_t upgradeIfNeeded(int32_t otherwise = kNotNeeded)
{
    LinuxService service;
    service.readVersions();
    return service.needUpgrade() ? service.upgrade() : otherwise;
}

// One installation, as a run of the launcher makes it in a process of its
// own: 0 or 1.
int installInChild()
{
    return LinuxService().installPackage() == 0 ? 0 : 1;
}

// A chain of `levels` folders named `name` below `dir`, with leaf.txt at
// its bottom, built through descriptors: it may go deeper than a path can
// name.
bool makeDeepChain(const QString &dir, int levels, const QByteArray &name, const QByteArray &leaf)
{
    return QDir().mkpath(dir) && support::makeDeepChain(dir, name, name, levels, &leaf);
}

// What an application folder holds: the package's copy, the copy that was
// there before, or nothing.
enum Copy { PackageCopy, OldCopy, NoCopy };

// The process a pid file names, and where its program lies: the helper
// started as the copy's UI program, from the copy's lib folder as another
// program, outside the copy (mapping a file of it), as the UI program of a
// folder beside the copy, through a wrapper script, or as a script of the
// copy run by the shell.
enum Process { NoProcess, TheLauncher, KernelThread, UiCopy, HelperInCopy, HelperOutside,
               HelperMappingCopy, UiBesideCopy, WrapperScript, ScriptOfCopy };

// What a terminateUI case arranges around the client and its pid file.
enum Arrange {
    ProgramDeleted = 1 << 0, // the client's program is deleted once it runs
    EndedFirst = 1 << 1, // the client has ended before the call
    WritesOwnPidFile = 1 << 2, // the client writes its pid file as it starts
    OtherUser = 1 << 3, // the client makes itself user 65534
    StampStartSecond = 1 << 4, // the pid file's time: the whole second of the client's start
    StampTwoSecondsEarlier = 1 << 5, // two seconds before that
    StampHalfMinuteEarlier = 1 << 6, // half a minute before the call
    NoProc = 1 << 7, // an empty /proc in the launcher's sight
    Latin1Home = 1 << 8, // a home named in Latin-1, under a Latin-1 locale
};

} // namespace

Q_DECLARE_METATYPE(Copy)
Q_DECLARE_METATYPE(Process)

class TestService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void versions_data();
    void versions();

    void install_data();
    void install();
    void tenUnusableBackupNames();
    void rollbackRestoresEveryByte();
    void failedFirstInstallLeavesNoPartialCopy();
    void typelessDirectoryEntries();
    void unreadablePackage_data();
    void unreadablePackage();
    void packageChangesDuringCopy_data();
    void packageChangesDuringCopy();
    void specialEntries_data();
    void specialEntries();
    void deepTrees();
    void pathsThatLostBytes_data();
    void pathsThatLostBytes();
    void flushOrder_data();
    void flushOrder();
    void upgradeWithoutClientInstalled();
    void extractPackage_data();
    void extractPackage();

    void interruptedInstallation_data();
    void interruptedInstallation();
    void leftoverBackup_data();
    void leftoverBackup();
    void killedInstallationsAreRepaired();
    void journalWriteFailures_data();
    void journalWriteFailures();

    void terminateUI_data();
    void terminateUI();
    void startUI_data();
    void startUI();

    void removeAgedAppFolder();
    void migrateLegacyFolder_data();
    void migrateLegacyFolder();
    void migrateLegacyFolderAcrossFileSystems_data();
    void migrateLegacyFolderAcrossFileSystems();
    void packageNestedTooDeep();
};

void TestService::initTestCase()
{
    QVERIFY2(QFileInfo(helperProgram()).isExecutable(), qPrintable(helperProgram()));
    umask(022);
}

void TestService::versions_data()
{
    QTest::addColumn<QByteArray>("installed"); // INFO of the installed copy; null: none
    QTest::addColumn<QByteArray>("package");
    QTest::addColumn<bool>("uiPresent");
    QTest::addColumn<bool>("expected");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("t");
    QTest::addColumn<QString>("sourceLine");

    QTest::newRow("first run") << QByteArray() << info("5001") << false << true << 0 << 5001
                               << "Source version: ('', '')";
    QTest::newRow("newer package") << info("5000") << info("5001") << true << true << 5000 << 5001
                                   << "Source version: ('5000', '4')";
    QTest::newRow("equal builds") << info("5001") << info("5001") << true << false << 5001 << 5001
                                  << "Source version: ('5001', '4')";
    QTest::newRow("lower package") << info("5002") << info("5001") << true << false << 5002 << 5001
                                   << "Source version: ('5002', '4')";
    QTest::newRow("UI program missing") << info("5002") << info("5001") << false << true << 5002 << 5001
                                        << "Source version: ('5002', '4')";
    QTest::newRow("no group Version")
        << QByteArray("build_version=9000\n[Other]\nbuild_version=9000\n") << info("12") << true << true << 0 << 12
        << "Source version: ('', '')";
    QTest::newRow("12rc against 12") << info("12rc") << info("12") << true << false << 12 << 12
                                     << "Source version: ('12rc', '4')";
    QTest::newRow("12rc against 13") << info("12rc") << info("13") << true << true << 12 << 13
                                     << "Source version: ('12rc', '4')";
    QTest::newRow("letters") << info("abc") << info("1") << true << true << 0 << 1
                             << "Source version: ('abc', '4')";
    QTest::newRow("other major, equal build") << info("100", "9") << info("100", "1") << true << false << 100
                                              << 100 << "Source version: ('100', '4')";
    QTest::newRow("no package INFO") << info("7") << QByteArray() << true << false << 7 << 0
                                     << "Source version: ('7', '4')";
}

void TestService::versions()
{
    QFETCH(QByteArray, installed);
    QFETCH(QByteArray, package);
    QFETCH(bool, uiPresent);
    QFETCH(bool, expected);
    QFETCH(int, s);
    QFETCH(int, t);
    QFETCH(QString, sourceLine);

    Fixture f;
    if (!package.isNull())
        QVERIFY(writeFile(f.root + "/INFO", package));
    if (!installed.isNull())
        QVERIFY(writeFile(f.app + "/INFO", installed));
    if (uiPresent)
        QVERIFY(writeFile(f.app + "/bin/cloud-zelto-ui", "#!/bin/sh\n", kExec));

    LinuxService service;
    service.readVersions();
    QCOMPARE(service.needUpgrade(), expected);
    QCOMPARE(f.count("DEBUG", QString("source version = %1, target version = %2").arg(s).arg(t)), 1);
    QCOMPARE(f.count("DEBUG", sourceLine), 1);
    QCOMPARE(f.count("INFO", "source does not exist"), installed.isNull() ? 1 : 0);
    if (package.isNull())
        QCOMPARE(f.count("INFO", "target_version = (, , , )"), 1);
    else
        QCOMPARE(service.packageVersion().minor_version, std::string("2"));
    // Nothing of an unfinished installation may stand in the way.
    QCOMPARE(f.countContaining("did not finish"), 0);
}

void TestService::install_data()
{
    QTest::addColumn<bool>("old");
    QTest::addColumn<bool>("leftoverTmp");
    QTest::addColumn<bool>("package");
    QTest::addColumn<int>("result");
    QTest::addColumn<Copy>("expectedApp"); // what the application folder holds afterwards
    QTest::addColumn<QStringList>("expectedLines"); // LEVEL|message; %APP% %PKG%
    QTest::addColumn<int>("backupErrors");
    QTest::addColumn<bool>("userLink"); // the per-user folder links to a folder elsewhere
    QTest::addColumn<bool>("sharing");  // package and home on a file system that shares blocks

    const QString ready = "INFO|user installation is ready, removing backup app";
    const QString noPackage = "ERROR|FSCopyPath: source path '%PKG%' does not exist";
    QTest::newRow("first install")
        << false << false << true << 0 << PackageCopy
        << QStringList{"INFO|copy package:'%PKG%' -> '%APP%' ", ready} << 0 << false << false;
    QTest::newRow("upgrade")
        << true << false << true << 0 << PackageCopy << QStringList{ready} << 0 << false << false;
    QTest::newRow("non-empty _tmp leftover")
        << true << true << true << 0 << PackageCopy
        << QStringList{"ERROR|failed to backup app from '%APP%' -> '%APP%_tmp'", ready} << 1
        << false << false;
    QTest::newRow("missing package, first install")
        << false << false << false << -1 << NoCopy
        << QStringList{noPackage,
                       "ERROR|Failed to extract package, and no old installation to rollback"}
        << 0 << false << false;
    QTest::newRow("missing package, installed copy")
        << true << false << false << -1 << OldCopy
        << QStringList{noPackage, "ERROR|Failed to extract package, rollback to old installation"}
        << 0 << false << false;
    QTest::newRow("first install, user folder is a link")
        << false << false << true << 0 << PackageCopy << QStringList{ready} << 0 << true << false;
    QTest::newRow("upgrade, user folder is a link")
        << true << false << true << 0 << PackageCopy << QStringList{ready} << 0 << true << false;
    QTest::newRow("upgrade, blocks shared with the package")
        << true << false << true << 0 << PackageCopy << QStringList{ready} << 0 << false << true;
}

void TestService::install()
{
    QFETCH(bool, old);
    QFETCH(bool, leftoverTmp);
    QFETCH(bool, package);
    QFETCH(int, result);
    QFETCH(Copy, expectedApp);
    QFETCH(QStringList, expectedLines);
    QFETCH(int, backupErrors);
    QFETCH(bool, userLink);
    QFETCH(bool, sharing);

    // The whole fixture, package and home, on one file system that shares
    // blocks, as /opt and /home on one btrfs.
    QTemporaryDir mountPoint;
    std::unique_ptr<SharingFileSystem> shared;
    if (sharing) {
        shared = std::make_unique<SharingFileSystem>(mountPoint.path() + "/fs");
        if (!shared->mounted())
            QSKIP(qPrintable("no file system that shares blocks: " + shared->why()));
    }
    Fixture f(QStringLiteral("home dir"), sharing ? mountPoint.path() + "/fs" : QDir::tempPath());
    const QString elsewhere = f.tmp.path() + "/other disk/zelto";
    if (userLink) {
        QVERIFY(QDir().mkpath(elsewhere));
        QVERIFY(QFile::link(elsewhere, f.user));
    }
    if (package)
        f.writePackage("2", "new");
    if (old)
        writeClientTree(f.app, "1", "old", 3);
    if (leftoverTmp)
        QVERIFY(writeFile(f.app + "_tmp/stale", "stale"));
    if (sharing) {
        QVERIFY(writeFile(f.pkg + "/lib/big.bin", support::noise(1 << 20)));
        // Another user's package: the copy must be the user's own.
        QDirIterator it(f.root, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
        while (it.hasNext())
            QCOMPARE(lchown(QFile::encodeName(it.next()).constData(), 65534, 65534), 0);
    }
    const Snapshot before = snapshot(f.app);

    QCOMPARE(LinuxService().upgrade(), result);

    if (expectedApp == PackageCopy)
        QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    else if (expectedApp == OldCopy)
        QCOMPARE(snapshot(f.app), before);
    else
        QVERIFY(!QFileInfo::exists(f.app));
    QCOMPARE(f.leftovers(), QStringList());
    for (QString line : expectedLines) {
        line.replace("%APP%", f.app).replace("%PKG%", f.pkg);
        const QString level = line.section('|', 0, 0);
        QCOMPARE(f.count(level, line.section('|', 1)), 1);
    }
    QCOMPARE(f.countContaining("failed to backup app from"), backupErrors);
    if (userLink) {
        QVERIFY(QFileInfo(f.user).isSymLink());
        QCOMPARE(contentOf(elsewhere + "/QuenmarkZelto.app"), contentOf(f.pkg));
        QCOMPARE(QDir(elsewhere).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"QuenmarkZelto.app"});
    }
    if (sharing) {
        QVERIFY2(sharesAllExtents(QFile::encodeName(f.app + "/lib/big.bin").constData()),
                 qPrintable("the copy's blocks are not shared on " + shared->type()));
        // The user writes into every file of the copy: the package keeps
        // every byte, and each file is the user's own.
        const Snapshot package = contentOf(f.pkg);
        QDirIterator it(f.app, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        int written = 0;
        while (it.hasNext()) {
            const QString path = it.next();
            struct stat st;
            QCOMPARE(lstat(QFile::encodeName(path).constData(), &st), 0);
            QCOMPARE(st.st_uid, geteuid());
            QCOMPARE(st.st_gid, getegid());
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(file.size() / 2));
            QCOMPARE(file.write("the user's own bytes"), qint64(20));
            ++written;
        }
        QVERIFY(written >= 8);
        QCOMPARE(contentOf(f.pkg), package);
        QVERIFY(contentOf(f.app) != package);
    }
}

void TestService::tenUnusableBackupNames()
{
    Fixture f;
    f.writePackage("2", "new");
    writeClientTree(f.app, "1", "old");
    for (int k = 0; k < 10; ++k)
        QVERIFY(writeFile(QString::fromStdString(backupName(f.app.toStdString(), k)) + "/stale", "x"));
    const Snapshot before = snapshot(f.tmp.path());

    QCOMPARE(LinuxService().installPackage(), -1);

    QCOMPARE(snapshot(f.tmp.path()).remove("t.log"), Snapshot(before).remove("t.log"));
    QCOMPARE(f.countContaining("failed to backup app from"), 11);
    for (int k = 0; k < 10; ++k)
        QCOMPARE(f.count("ERROR", QString("failed to backup app from '%1' -> '%2'")
                                      .arg(f.app, QString::fromStdString(backupName(f.app.toStdString(), k)))),
                 1);
    QCOMPARE(f.count("ERROR", QString("failed to backup app from '%1' -> '%1_tmp9' at max retries, exiting").arg(f.app)),
             1);
    QCOMPARE(f.countContaining("copy package:"), 0);
}

void TestService::rollbackRestoresEveryByte()
{
    Fixture f;
    f.writePackage("2", "new", 9);
    writeClientTree(f.app, "1", "old", 5);
    QVERIFY(writeFile(f.app + "/lib/secret.key", "0600 stays 0600", QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(QFile::link("../INFO", f.app + "/share/info-link"));
    QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/share/dangling"));
    const Snapshot before = snapshot(f.app);

    QCOMPARE(LinuxService().upgrade(), -1);

    QCOMPARE(snapshot(f.app), before);
    QCOMPARE(f.leftovers(), QStringList());
    QCOMPARE(f.count("ERROR", "Failed to extract package, rollback to old installation"), 1);
    QCOMPARE(f.count("ERROR", QString("FSCopyPath: failed to copy from '%1/share/dangling' to '%2/share/dangling'")
                                  .arg(f.pkg, f.app)),
             1);
    QCOMPARE(f.count("ERROR", QString("FSCopyPath: failed to copy from '%1/share' to '%2/share'").arg(f.pkg, f.app)),
             1);
    QCOMPARE(f.countContaining(QString("CopyFile: open(%1/share/dangling)").arg(f.pkg)), 1);
    QCOMPARE(f.countContaining("user installation is ready"), 0);
}

void TestService::failedFirstInstallLeavesNoPartialCopy()
{
    Fixture f;
    f.writePackage("2", "new");
    // The walk reaches the broken entry after INFO and the UI program, so a
    // partial copy would look complete.
    const QString name = lateName(f.pkg, {"INFO", "bin"});
    if (name.isEmpty())
        QSKIP("cannot place an entry after INFO and bin in this file system's directory order");
    QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/" + name));
    if (!walkedAfter(f.pkg, name, {"INFO", "bin"}))
        QSKIP("the file system reorders its entries");

    QCOMPARE(upgradeIfNeeded(), -1);
    QVERIFY(!QFileInfo::exists(f.app));
    QCOMPARE(f.leftovers(), QStringList());
    QCOMPARE(f.count("ERROR", "Failed to extract package, and no old installation to rollback"), 1);

    QVERIFY(QFile::remove(f.pkg + "/" + name));
    QCOMPARE(upgradeIfNeeded(), 0);
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));
}

void TestService::typelessDirectoryEntries()
{
    Fixture f;
    f.writePackage("2", "new", 12);
    writeClientTree(f.app, "1", "old");

    const InjectedTypeless typeless;
    QCOMPARE(LinuxService().upgrade(), 0);
    QVERIFY(typeless.count() > 0);
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    QCOMPARE(f.leftovers(), QStringList());
}

void TestService::unreadablePackage_data()
{
    QTest::addColumn<QString>("locked"); // below the package; "" the package itself
    QTest::addColumn<bool>("readError"); // a read error in the walk instead of a lock
    QTest::newRow("subfolder cannot be opened") << "locked" << false;
    QTest::newRow("package folder cannot be opened") << "" << false;
    QTest::newRow("read error in the middle of a folder") << "lib/part-1/data-4.bin" << true;
}

// A package built under umask 077 and read by an ordinary user: an
// incomplete copy must never pass for complete; the old copy comes back.
void TestService::unreadablePackage()
{
    QFETCH(QString, locked);
    QFETCH(bool, readError);
    if (!readError && geteuid() != 0)
        QSKIP("needs root to lock a folder away from another user");
    Fixture f;
    f.writePackage("2", "new", 9);
    QVERIFY(writeFile(f.pkg + "/locked/inside.txt", "x"));
    writeClientTree(f.app, "1", "old");
    const Snapshot before = snapshot(f.app);
    const QString lockedPath = locked.isEmpty() ? f.pkg : f.pkg + "/" + locked;

    if (!readError) {
        QVERIFY(QFile::setPermissions(lockedPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // The user owns the home; root owns the package.
        QVERIFY(QFile::setPermissions(f.tmp.path(), kExec));
        QCOMPARE(QProcess::execute("chown", {"-R", "65534:65534", f.base, f.logFile}), 0);
    }
    const std::string failAt = QFileInfo(locked).fileName().toStdString();
    const int status = support::runInChild([&] {
        std::optional<InjectedReadError> fault;
        if (readError)
            fault.emplace(failAt);
        return LinuxService().upgrade() == -1 ? 0 : 1;
    }, readError ? support::As::Root : support::As::Nobody);
    QCOMPARE(status, 0);
    if (readError)
        QCOMPARE(f.count("ERROR", QString("FSCopyPath: failed to read folder '%1/lib/part-1': %2 (%3)")
                                      .arg(f.pkg, strerror(EIO)).arg(EIO)),
                 1);
    else
        QCOMPARE(f.count("WARNING", QString("FSCopyPath: failed to create handle  for src '%1' failed").arg(lockedPath)), 1);
    QCOMPARE(f.count("ERROR", "Failed to extract package, rollback to old installation"), 1);
    QCOMPARE(snapshot(f.app), before);
    QCOMPARE(f.leftovers(), QStringList());
    QCOMPARE(f.countContaining("user installation is ready"), 0);
}

void TestService::packageChangesDuringCopy_data()
{
    QTest::addColumn<bool>("settles"); // it changes during the first copy only
    QTest::addColumn<bool>("linked");  // the package folder links to where a packager keeps it
    QTest::newRow("changes once, installed as it now stands") << true << false;
    QTest::newRow("keeps changing, rolled back") << false << false;
    QTest::newRow("package folder is a link, changes once") << true << true;
}

// A system update replaces the package while it is copied: no mixed copy
// may stay. Each walk meets the entry three times per attempt: the
// fingerprint before, the copy, the fingerprint after.
void TestService::packageChangesDuringCopy()
{
    QFETCH(bool, settles);
    QFETCH(bool, linked);
    Fixture f;
    f.writePackage("2", "new", 6);
    const QString kept = f.tmp.path() + "/usr share/orvilex";
    if (linked) {
        QVERIFY(QDir().mkpath(QFileInfo(kept).path()));
        QVERIFY(QDir().rename(f.pkg, kept));
        QVERIFY(QFile::link(kept, f.pkg));
    }
    writeClientTree(f.app, "1", "old");
    const Snapshot before = snapshot(f.app);
    int met = 0;
    int build = 2;
    int32_t result = 0;
    {
        auto update = [&](const char *call, const char *path, const char *) {
            if (strcmp(call, "readdir") != 0 || !QByteArray(path).endsWith("/data-1.bin")
                || ++met % 3 != 2 || (settles && met > 2))
                return 0;
            const QByteArray now = QByteArray::number(++build);
            writeFile(f.pkg + "/lib/part-1/data-1.bin", "replaced by build " + now + "\n");
            writeFile(f.root + "/INFO", info(now));
            writeFile(f.pkg + "/INFO", info(now));
            return 0;
        };
        const InjectedCalls updating(f.tmp.path().toStdString(), update);
        result = upgradeIfNeeded();
    }

    const QString changed = QString("package '%1' changed while it was copied").arg(f.pkg);
    QCOMPARE(f.leftovers(), QStringList());
    if (settles) {
        QCOMPARE(result, 0);
        QCOMPARE(contentOf(f.app), contentOf(f.pkg));
        QVERIFY(QFileInfo(f.app).isDir() && !QFileInfo(f.app).isSymLink());
        if (linked) {
            QVERIFY(QFileInfo(f.pkg).isSymLink());
            QCOMPARE(contentOf(f.app), contentOf(kept));
        }
        QCOMPARE(readFile(f.app + "/INFO"), info("3"));
        QCOMPARE(f.count("ERROR", changed), 1);
        QCOMPARE(f.count("NOTE", "installing the package again as it now stands"), 1);
    } else {
        QCOMPARE(result, -1);
        QCOMPARE(snapshot(f.app), before);
        QCOMPARE(f.count("ERROR", changed), 3);
        // The next run, with the package settled, installs it as it stands.
        QCOMPARE(upgradeIfNeeded(), 0);
        QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    }
}

void TestService::specialEntries_data()
{
    QTest::addColumn<QString>("kind"); // as makeSpecialFile takes it; empty: none
    QTest::addColumn<bool>("linked"); // a link to it made elsewhere; with no kind, to lib/
    QTest::addColumn<int>("type"); // the code in the log line
    QTest::newRow("link to /dev/zero") << "zero-link" << false << 5;
    QTest::newRow("character device") << "device" << false << 5;
    QTest::newRow("FIFO") << "fifo" << false << 6;
    QTest::newRow("link to a FIFO") << "fifo" << true << 6;
    QTest::newRow("socket") << "socket" << false << 7;
    QTest::newRow("link to a folder") << "" << true << 2;
}

// Only regular files are copied: anything else fails the copy at once,
// before it is opened (a link to /dev/zero would fill the disk).
void TestService::specialEntries()
{
    QFETCH(QString, kind);
    QFETCH(bool, linked);
    QFETCH(int, type);
    if (kind == "device" && geteuid() != 0)
        QSKIP("needs root to make a device node");
    Fixture f;
    f.writePackage("2", "new");
    writeClientTree(f.app, "1", "old");
    const Snapshot before = snapshot(f.app);
    const QString entry = f.pkg + "/share/special";
    const QString made = linked ? f.tmp.path() + "/special" : entry;
    if (!kind.isEmpty())
        QVERIFY(makeSpecialFile(made, kind));
    if (linked)
        QVERIFY(QFile::link(kind.isEmpty() ? f.pkg + "/lib" : made, entry));

    QCOMPARE(LinuxService().upgrade(), -1);
    QCOMPARE(f.count("ERROR", QString("CopyFile: '%1' is not a regular file (%2)").arg(entry).arg(type)), 1);
    QCOMPARE(f.count("ERROR", "Failed to extract package, rollback to old installation"), 1);
    QCOMPARE(snapshot(f.app), before);
    QCOMPARE(f.leftovers(), QStringList());
}

// Trees deeper than a path can name: the old copy's client data, a
// leftover backup and the package all go or arrive completely.
void TestService::deepTrees()
{
    Fixture f;
    const QByteArray level(20, 'd');
    const int levels = 250; // about 5300 bytes of path below each top
    f.writePackage("2", "new");
    QVERIFY(makeDeepChain(f.pkg + "/share/deep", levels, level, "package leaf\n"));
    writeClientTree(f.app, "1", "old");
    QVERIFY(makeDeepChain(f.app + "/data", levels, level, "old leaf\n"));
    QVERIFY(makeDeepChain(f.app + "_tmp2/data", levels, level, "leftover leaf\n"));

    LinuxService service;
    service.readVersions();
    QVERIFY(service.needUpgrade());
    QVERIFY(!QFileInfo::exists(f.app + "_tmp2"));
    QCOMPARE(service.upgrade(), 0);

    QCOMPARE(support::deepChain(f.app + "/share/deep", level),
             qMakePair(levels, QByteArray("package leaf\n")));
    QCOMPARE(readFile(f.app + "/INFO"), info("2"));
    QVERIFY(!QFileInfo::exists(f.app + "/data"));
    QCOMPARE(f.leftovers(), QStringList());
    QCOMPARE(f.countContaining("[WARNING]"), 0);
}

void TestService::pathsThatLostBytes_data()
{
    QTest::addColumn<bool>("home"); // else the install root holds the byte
    QTest::newRow("home folder") << true;
    QTest::newRow("install root") << false;
}

// A folder whose name is not valid UTF-8: the launcher works with its
// exact bytes, or refuses with one ERROR line; it never creates, fills or
// removes a sibling named with a replacement character.
void TestService::pathsThatLostBytes()
{
    QFETCH(bool, home);
    Fixture f;
    const QByteArray tmp = QFile::encodeName(f.tmp.path());
    const QByteArray rawBase = home ? tmp + "/home \xff\xfe" : QFile::encodeName(f.base);
    const QByteArray rawRoot = home ? QFile::encodeName(f.root) : tmp + "/opt \xff\xfe";
    QCOMPARE(mkdir(home ? rawBase.constData() : rawRoot.constData(), 0755), 0);
    const QString base = QFile::decodeName(rawBase);
    const QString root = QFile::decodeName(rawRoot);
    const bool lossy = base.contains(QChar::ReplacementCharacter) || root.contains(QChar::ReplacementCharacter);
    qInfo() << "the path table holds" << (lossy ? "replacement characters" : "the exact bytes");
    // The package beside the real root; the old copy in the real home.
    f.writePackage("2", "new");
    if (!home) {
        QCOMPARE(rmdir(rawRoot.constData()), 0);
        QCOMPARE(rename(QFile::encodeName(f.root).constData(), rawRoot.constData()), 0);
        writeClientTree(f.app, "1", "old");
    }
    RegisterTestPaths(base, root);
    // The names below the case's folder as raw bytes, never through a link.
    const QList<QByteArray> before = snapshot(f.tmp.path()).keys();

    LinuxService service;
    service.readVersions();
    const bool need = service.needUpgrade();
    if (need)
        QCOMPARE(service.upgrade(), 0);
    service.removeAgedAppFolder();
    service.startUI();

    const QByteArray app = rawBase + "/.QuenmarkZelto/QuenmarkZelto.app";
    QList<QByteArray> after = snapshot(f.tmp.path()).keys();
    if (lossy) {
        QVERIFY(!need);
        QCOMPARE(f.countContaining("[ERROR]"), 1);
        QCOMPARE(f.countContaining("does not name the real folder"), 1);
        // Nothing made anywhere, except by the old copy's start script.
        after.removeAll("home dir/.QuenmarkZelto/QuenmarkZelto.app/package/started");
        QCOMPARE(after, before);
        if (!home)
            QCOMPARE(readFile(f.app + "/package/started"), QByteArray("1:start\n"));
    } else {
        QVERIFY(need == home);
        QCOMPARE(f.countContaining("[ERROR]"), 0);
        QCOMPARE(readFile(QFile::decodeName(app + "/INFO")), home ? info("2") : info("1"));
        QCOMPARE(readFile(QFile::decodeName(app + "/package/started")), QByteArray("1:start\n"));
        const QByteArray below = rawBase.mid(tmp.size() + 1);
        for (const QByteArray &name : after)
            QVERIFY2(before.contains(name) || name.startsWith(below), name.constData());
    }
}

void TestService::flushOrder_data()
{
    QTest::addColumn<bool>("old");
    QTest::addColumn<bool>("userFolder"); // the per-user folder exists already
    QTest::newRow("first install, new per-user folder") << false << false;
    QTest::newRow("first install") << false << true;
    QTest::newRow("upgrade") << true << true;
}

// What the installation flushes, and when: never a whole file system; each
// copied file and folder, each folder after what it holds, then the
// per-user folder (and the folders made for it), all before the journal
// says "done"; the journal's own data before each of its renames.
void TestService::flushOrder()
{
    QFETCH(bool, old);
    QFETCH(bool, userFolder);
    Fixture f;
    f.writePackage("2", "new", 7);
    if (old)
        writeClientTree(f.app, "1", "old");
    else if (userFolder)
        QVERIFY(QDir().mkpath(f.user));

    QStringList ops;
    {
        const InjectedCalls recording = recordCalls(ops);
        QCOMPARE(LinuxService().upgrade(), 0);
    }
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));

    QCOMPARE(ops.filter(QRegularExpression("^syncfs ")), QStringList());
    const int done = ops.lastIndexOf("rename " + f.journal());
    QVERIFY(done > 0);
    QCOMPARE(ops[done - 1], "fsync " + f.journal() + ".new");
    auto flushedAt = [&](const QString &path) { return ops.lastIndexOf("fsync " + path, done); };

    int lastInApp = -1;
    QDirIterator it(f.app, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const int at = flushedAt(path);
        QVERIFY2(at >= 0, qPrintable(path + " was not flushed before the journal said done"));
        // A folder goes after everything in it.
        const int folder = flushedAt(QFileInfo(path).path());
        QVERIFY2(folder > at, qPrintable(path + " was flushed after its folder"));
        lastInApp = std::max(lastInApp, at);
    }
    const int app = flushedAt(f.app);
    QVERIFY(app > lastInApp);
    QVERIFY2(flushedAt(f.user) > app, "the per-user folder was not flushed after the copy");
    if (!userFolder)
        QVERIFY2(flushedAt(f.base) > app, "the folder that holds the new per-user folder was not flushed");
    // The backups' removal is on disk before the journal goes.
    QVERIFY(ops.indexOf("fsync " + f.user, done + 1) > done);
}

void TestService::upgradeWithoutClientInstalled()
{
    Fixture f;
    f.writePackage("2", "new");
    QVERIFY(writeFile(f.user + "/ui.pid", "pid=1\n"));
    QCOMPARE(LinuxService().upgrade(), 0);
    QCOMPARE(f.countContaining("local appdata exist"), 0);
    QCOMPARE(f.countContaining("ui.pid"), 0);
}

void TestService::extractPackage_data()
{
    QTest::addColumn<bool>("archive"); // the package's archive is in place
    QTest::addColumn<bool>("blocked"); // a file stands where the application folder goes
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("line"); // LEVEL|message; %APP% %QPK%

    const QString extracting = "INFO|extract package: '%QPK%' -> '%APP%'";
    QTest::newRow("archive unpacked") << true << false << 0 << extracting;
    QTest::newRow("missing archive") << false << false << -1 << extracting;
    QTest::newRow("app folder blocked by a file")
        << false << true << -1 << "ERROR|failed to create folder: '%APP%'";
}

void TestService::extractPackage()
{
    QFETCH(bool, archive);
    QFETCH(bool, blocked);
    QFETCH(int, result);
    QFETCH(QString, line);

    Fixture f;
    const QString qpk = f.root + "/package/orvilex.qpk";
    if (archive) {
        QVERIFY(support::writeArchive(qpk, "tar.gz", {support::file("INFO", info("9")),
                                                      support::file("bin/cloud-zelto-ui", "ui")}));
    }
    if (blocked)
        QVERIFY(writeFile(f.app, "a file"));

    QCOMPARE(LinuxService().extractPackage(), result);

    line.replace("%APP%", f.app).replace("%QPK%", qpk);
    QCOMPARE(f.count(line.section('|', 0, 0), line.section('|', 1)), 1);
    if (archive) {
        QCOMPARE(readFile(f.app + "/INFO"), info("9"));
        QCOMPARE(readFile(f.app + "/bin/cloud-zelto-ui"), QByteArray("ui"));
    }
    if (blocked) {
        QCOMPARE(readFile(f.app), QByteArray("a file"));
        QCOMPARE(f.countContaining("extract package:"), 0);
    }
}

void TestService::interruptedInstallation_data()
{
    QTest::addColumn<bool>("old");
    QTest::addColumn<QByteArray>("laterBuild"); // the package's build at the next run
    QTest::addColumn<bool>("brokenRepair"); // the next run's package cannot be copied
    QTest::addColumn<bool>("installs"); // the next run installs the package

    QTest::newRow("upgrade, repaired") << true << QByteArray("8") << false << true;
    QTest::newRow("upgrade, next copy fails") << true << QByteArray("8") << true << false;
    QTest::newRow("upgrade, package now equal to the old copy") << true << QByteArray("7") << false << false;
    QTest::newRow("upgrade, package now older than the old copy") << true << QByteArray("6") << false << false;
    QTest::newRow("first install, repaired") << false << QByteArray("8") << false << true;
    QTest::newRow("first install, next copy fails") << false << QByteArray("8") << true << false;
}

// An installation killed while it copies, once INFO and the UI program
// are in place: when its walk reaches a folder placed after them. The
// next run repairs, then the version rule decides.
void TestService::interruptedInstallation()
{
    QFETCH(bool, old);
    QFETCH(QByteArray, laterBuild);
    QFETCH(bool, brokenRepair);
    QFETCH(bool, installs);

    Fixture f;
    f.writePackage("8", "new", 6);
    if (old)
        writeClientTree(f.app, "7", "old", 6);
    const Snapshot before = snapshot(f.app);
    const QString name = lateName(f.pkg, {"INFO", "bin"});
    if (name.isEmpty())
        QSKIP("cannot place an entry after INFO and bin in this file system's directory order");
    // The copy lists a folder before it copies from it: killed there, at
    // the second walk to list it, as the first fingerprints the package.
    QVERIFY(writeFile(f.pkg + "/" + name + "/stall-here", "the walk stops here"));
    if (!walkedAfter(f.pkg, name, {"INFO", "bin"}))
        QSKIP("the file system reorders its entries");

    const int status = support::runInChild([&f] {
        int met = 0;
        auto stall = [&met](const char *call, const char *path, const char *) {
            if (strcmp(call, "readdir") == 0 && QByteArray(path).endsWith("/stall-here")
                && ++met == 2)
                raise(SIGKILL);
            return 0;
        };
        const InjectedCalls stalling(f.pkg.toStdString(), stall);
        return installInChild();
    });
    QVERIFY2(status == 200 + SIGKILL, "the installation never reached the entry");
    QVERIFY(QFileInfo::exists(f.journal()));
    // What the killed run left looks like a complete client.
    QVERIFY(QFileInfo::exists(f.app + "/INFO"));
    QVERIFY(QFileInfo::exists(f.app + "/bin/cloud-zelto-ui"));
    QVERIFY(writeFile(f.root + "/INFO", info(laterBuild)));
    QVERIFY(writeFile(f.pkg + "/INFO", info(laterBuild)));
    if (brokenRepair)
        QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/share/dangling"));

    LinuxService service;
    service.readVersions();
    const bool need = service.needUpgrade();
    QCOMPARE(f.countContaining("last installation did not finish"), 1);
    QCOMPARE(f.countContaining("installing again"), 0);
    // The repair brought back the complete old copy, or none.
    if (old)
        QCOMPARE(snapshot(f.app), before);
    else
        QVERIFY(!QFileInfo::exists(f.app));
    QCOMPARE(f.leftovers(), QStringList());
    QCOMPARE(need, installs || brokenRepair);
    if (!need)
        return;
    QCOMPARE(service.upgrade(), installs ? 0 : -1);
    if (installs)
        QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    else if (old)
        QCOMPARE(snapshot(f.app), before);
    else
        QVERIFY(!QFileInfo::exists(f.app));
    QCOMPARE(f.leftovers(), QStringList());
}

void TestService::leftoverBackup_data()
{
    QTest::addColumn<QByteArray>("packageBuild");
    QTest::addColumn<bool>("removable"); // else it holds a folder of root's
    QTest::newRow("same build") << QByteArray("3") << true;
    QTest::newRow("newer package") << QByteArray("4") << true;
    QTest::newRow("same build, cannot be removed") << QByteArray("3") << false;
    QTest::newRow("newer package, cannot be removed") << QByteArray("4") << false;
}

// A backup name taken without a journal is a leftover: it goes when it can,
// is named once when it cannot, and never makes a run reinstall.
void TestService::leftoverBackup()
{
    QFETCH(QByteArray, packageBuild);
    QFETCH(bool, removable);
    if (!removable && geteuid() != 0)
        QSKIP("needs root to leave files the user cannot remove");
    Fixture f;
    f.writePackage(packageBuild, "new");
    writeClientTree(f.app, "3", "old");
    const Snapshot old = snapshot(f.app);
    const QString leftover = f.app + "_tmp3";
    QVERIFY(writeFile(leftover + "/stale", "x"));
    QVERIFY(writeFile(leftover + "/root's/file", "x"));
    const bool upgrade = packageBuild != "3";

    if (!removable) {
        // The user owns everything but a folder of root's in the leftover.
        QVERIFY(QFile::setPermissions(f.tmp.path(), kExec));
        QVERIFY(QFile::setPermissions(f.tmp.path() + "/opt dir", kExec));
        QVERIFY(QFile::setPermissions(f.root, kExec));
        QCOMPARE(QProcess::execute("chown", {"-R", "65534:65534", f.base, f.logFile}), 0);
        QCOMPARE(::chown(QFile::encodeName(leftover + "/root's").constData(), 0, 0), 0);
        QCOMPARE(::chown(QFile::encodeName(leftover + "/root's/file").constData(), 0, 0), 0);
    }
    const int status = support::runInChild([&] {
        LinuxService service;
        service.readVersions();
        if (service.needUpgrade() != upgrade)
            return 4;
        if (upgrade && service.upgrade() != 0)
            return 5;
        return 0;
    }, removable ? support::As::Root : support::As::Nobody);
    QCOMPARE(status, 0);
    QCOMPARE(f.countContaining("did not finish"), 0);
    if (upgrade)
        QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    else
        QCOMPARE(snapshot(f.app), old);
    QCOMPARE(QFileInfo::exists(leftover), !removable);
    QCOMPARE(f.count("WARNING", QString("leftover backup '%1' cannot be removed").arg(leftover)), removable ? 0 : 1);
    QCOMPARE(f.countContaining("[WARNING]"), removable ? 0 : 1);
    QVERIFY(!QFileInfo::exists(f.journal()));
}

// Installations killed at random moments; each following run must end with
// the package in place and nothing left over.
void TestService::killedInstallationsAreRepaired()
{
    Fixture f;
    f.writePackage("2", "new", 60);
    const Snapshot package = contentOf(f.pkg);
    auto freshOld = [&] {
        (void)FSRemovePath(f.user.toStdString());
        writeClientTree(f.app, "1", "old", 40);
    };

    // How long one installation takes here, to spread the kills over it.
    freshOld();
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(support::runInChild(installInChild), 0);
    const qint64 span = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000) * 5 / 4;
    QCOMPARE(contentOf(f.app), package);

    QMap<QString, int> states;
    QElapsedTimer budget;
    budget.start();
    int trials = 0;
    for (; trials < 60 && (trials < 12 || budget.elapsed() < 8000); ++trials) {
        freshOld();
        const Snapshot old = contentOf(f.app);
        const int killAfter = QRandomGenerator::global()->bounded(static_cast<int>(span));
        (void)support::runInChild([killAfter] {
            std::thread([killAfter] {
                usleep(static_cast<useconds_t>(killAfter));
                raise(SIGKILL);
            }).detach();
            return installInChild();
        });
        const QString state = QFileInfo::exists(f.journal())
            ? QString::fromUtf8(readFile(f.journal())).section('\n', 0, 0)
            : (contentOf(f.app) == package ? "finished" : "not started");
        ++states[state];

        if (trials % 3 == 2) {
            // A run whose copy fails leaves a complete copy.
            QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/dangling"));
            (void)LinuxService().upgrade();
            QVERIFY(QFile::remove(f.pkg + "/dangling"));
            const Snapshot now = contentOf(f.app);
            QVERIFY2(now == old || now == package, qPrintable(state));
            QCOMPARE(f.leftovers(), QStringList());
        }

        QCOMPARE(upgradeIfNeeded(0), 0);
        QVERIFY2(contentOf(f.app) == package, qPrintable(state));
        QCOMPARE(f.leftovers(), QStringList());
    }
    qInfo() << trials << "trials, state at the kill:" << states;
}

void TestService::journalWriteFailures_data()
{
    // Journal writes of an upgrade: 1 "backup", 2 "copy", 3 "done", 4 the
    // rollback's "copy".
    QTest::addColumn<QList<int>>("fullDiskAt");
    QTest::addColumn<bool>("doneFlushFails"); // the journal says "done", its folder's flush fails
    QTest::addColumn<bool>("moveBackFails");
    QTest::addColumn<QString>("line"); // an ERROR message; %APP%

    QTest::newRow("full disk at the backup journal") << QList<int>{1} << false << false << QString();
    QTest::newRow("full disk at the copy journal") << QList<int>{2} << false << false << QString();
    QTest::newRow("full disk at the copy journal, move back fails")
        << QList<int>{2} << false << true << "failed to restore app from '%APP%_tmp' -> '%APP%'";
    QTest::newRow("full disk at the done journal, move back fails")
        << QList<int>{3} << false << true << "failed to restore app from '%APP%_tmp' -> '%APP%'";
    QTest::newRow("journal says done unflushed, full disk at the rollback's journal, move back fails")
        << QList<int>{4} << true << true << "failed to roll back '%APP%', the next run finishes the installation";
}

// At every step either the application folder is a complete copy or the
// journal on disk names the backup that is one: after each failure the next
// run, whose own copy fails, still ends with a complete copy.
void TestService::journalWriteFailures()
{
    QFETCH(QList<int>, fullDiskAt);
    QFETCH(bool, doneFlushFails);
    QFETCH(bool, moveBackFails);
    QFETCH(QString, line);

    Fixture f;
    f.writePackage("2", "new");
    writeClientTree(f.app, "1", "old");
    const Snapshot old = contentOf(f.app);
    const Snapshot package = contentOf(f.pkg);

    // The journal's writes at the rows' numbers meet a full disk; once a
    // journal that says "done" is renamed in place, the next flush of a
    // folder fails; the move of the backup back fails when the row says so.
    int journalWrites = 0;
    bool failFolderFlush = false;
    {
        auto fail = [&](const char *call, const char *path, const char *to) {
            const QByteArray name(call);
            if (name == "write" && QByteArray(path).endsWith(".installing.new"))
                return fullDiskAt.contains(++journalWrites) ? ENOSPC : 0;
            if (name == "fsync" && failFolderFlush && QFileInfo(path).isDir()) {
                failFolderFlush = false;
                return EIO;
            }
            if (name != "rename")
                return 0;
            const QByteArray from(path);
            if (moveBackFails && QFile::decodeName(to) == f.app && from.contains("_tmp"))
                return EIO;
            failFolderFlush |= doneFlushFails && QByteArray(to).endsWith(".installing")
                && readFile(QFile::decodeName(from)).startsWith("state=done");
            return 0;
        };
        const InjectedCalls failing(f.tmp.path().toStdString(), fail);
        QCOMPARE(LinuxService().upgrade(), -1);
    }
    QVERIFY(journalWrites >= fullDiskAt.last());
    const Snapshot left = contentOf(f.app);
    if (left != old && left != package) {
        QVERIFY2(QFileInfo::exists(f.journal()), "no complete copy, and no journal that names one");
        QCOMPARE(contentOf(f.app + "_tmp"), old);
    }

    QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/share/dangling"));
    (void)upgradeIfNeeded();
    const Snapshot after = contentOf(f.app);
    QVERIFY2(after == old || after == package, "the next run ended without a complete copy");
    QCOMPARE(f.leftovers(), QStringList());
    if (!line.isEmpty())
        QCOMPARE(f.count("ERROR", QString(line).replace("%APP%", f.app)), 1);
}

void TestService::terminateUI_data()
{
    QTest::addColumn<Process>("process"); // the process the pid file names
    QTest::addColumn<QByteArray>("onTerm"); // the helper's client part: term, ignore, rename, ...
    QTest::addColumn<QByteArray>("pidFile"); // null: none; "%PID%" is the helper's
    QTest::addColumn<int>("arrange"); // Arrange flags
    QTest::addColumn<QString>("line"); // LEVEL|message; %FILE% %PID%
    QTest::addColumn<int>("endedBy"); // signal that ended the helper; 0: still running
    QTest::addColumn<bool>("asNobody"); // terminateUI runs as an unprivileged user
    QTest::addColumn<int>("withinMs"); // how soon terminateUI returns; 0: not judged

    // Pid files that name no process at all.
    const auto noProcess = [](const char *tag, const QByteArray &pidFile, const QString &line) {
        QTest::newRow(tag) << NoProcess << QByteArray() << pidFile << 0 << line << 0 << false << 0;
    };
    const QString noId = "NOTE|pid file '%FILE%' holds no usable process id '%1'";
    noProcess("no pid file", {}, "DEBUG|pid file '%FILE%' does not exist, no need to terminate");
    noProcess("bad syntax", "pid 1234\n", "NOTE|Failed to read pid file '%FILE%', not exist ?");
    noProcess("no pid key", "other=5\n", noId.arg(""));
    noProcess("empty pid", "pid=''\n", noId.arg(""));
    noProcess("letters", "pid=abc\n", noId.arg("abc"));
    noProcess("zero", "pid=0\n", noId.arg("0"));
    noProcess("negative", "pid=-7\n", noId.arg("-7"));

    // Clients that TERM ends, with nothing noted; the pid file names them
    // unless they write it themselves.
    const QByteArray term("term");
    const QByteArray pid("pid=%PID%\n");
    const auto ends = [&pid](const char *tag, Process process, const char *onTerm,
                             int arrange = 0) {
        const QByteArray pidFile = arrange & WritesOwnPidFile ? QByteArray() : pid;
        QTest::newRow(tag) << process << QByteArray(onTerm) << pidFile << arrange << QString()
                           << SIGTERM << false << 0;
    };
    const QString notRunning(", client taken as not running");
    ends("client ends on TERM", UiCopy, "term");
    QTest::newRow("client ignores TERM")
        << UiCopy << QByteArray("ignore") << QByteArray("pid = %PID% # ui\n") << 0 << QString()
        << SIGKILL << false << 0;
    ends("client renamed itself", UiCopy, "rename");
    ends("client program deleted", UiCopy, "rename", ProgramDeleted);
    ends("client exited already", UiCopy, "term", EndedFirst);
    // The process that wrote the pid file is the client, whatever its
    // program, as long as it uses the installed copy: a program of another
    // name working in the copy, a wrapper that runs another binary of the
    // copy, a script of the copy, a program that maps a file of the copy.
    ends("program of another name", HelperInCopy, "term");
    ends("wrapper client", WrapperScript, "term");
    ends("interpreted client", ScriptOfCopy, "term");
    ends("program that maps a file of the copy", HelperMappingCopy, "term");
    // A process of the user that started before the file was written but
    // uses nothing of the copy (with a home shared by two hosts, the file
    // names the other host's client): another program, such as an editor.
    const QString unused = "NOTE|process %PID% does not use '%APP%'" + notRunning;
    QTest::newRow("program outside the copy")
        << HelperOutside << term << pid << 0 << unused << 0 << false << 0;
    // A folder whose name only begins like the copy's is not the copy.
    QTest::newRow("program beside the copy")
        << UiBesideCopy << term << pid << 0 << unused << 0 << false << 0;
    // Files of the copy, kept by a file system that keeps whole seconds:
    // the pid file seems written at the whole second before the start.
    const QString startedAfter =
        "NOTE|process %PID% started after pid file '%FILE%' was written" + notRunning;
    ends("pid file in whole seconds", UiCopy, "term", StampStartSecond);
    // That allowance never lets a process started seconds later pass.
    QTest::newRow("whole seconds, started two seconds later")
        << UiCopy << term << pid << int(StampTwoSecondsEarlier) << startedAfter << 0 << false << 0;
    // Written in the same clock tick as the start, by the client itself.
    ends("client writes its pid file at once", UiCopy, "term", WritesOwnPidFile);
    QTest::newRow("client ends 100 ms after TERM")
        << UiCopy << QByteArray("slow") << pid << 0 << QString() << SIGTERM << false << 1000;
    // Under a Latin-1 locale the home folder's name is Latin-1 bytes, and
    // so is the pid file's path: it is found, and the client stopped.
    ends("home named in Latin-1", UiCopy, "term", Latin1Home);
    // The id of an ended client, handed to a later process of the same
    // name: that one lives on.
    QTest::newRow("same name, started after the write")
        << UiCopy << term << pid << int(StampHalfMinuteEarlier) << startedAfter << 0 << false << 0;
    // Another user's process is neither signalled nor waited for, in
    // either direction.
    QTest::newRow("client of another user")
        << UiCopy << QByteArray("nobody") << pid << int(OtherUser)
        << "NOTE|process %PID% belongs to user 65534, not to 0" + notRunning << 0 << false << 4000;
    QTest::newRow("signal not permitted")
        << UiCopy << term << pid << 0
        << "NOTE|process %PID% belongs to user 0, not to 65534" + notRunning << 0 << true << 4000;
    // However the file came to name it, the launcher never stops itself.
    QTest::newRow("pid file names the launcher")
        << TheLauncher << QByteArray() << QByteArray() << 0
        << "NOTE|pid file '%FILE%' names process %PID%, this launcher" + notRunning << 0 << false
        << 0;
    // A client of this user whose /proc entries this user may not read
    // (not dumpable) cannot be told from another program: left alone.
    QTest::newRow("client the launcher cannot see")
        << UiCopy << QByteArray("hidden") << pid << 0
        << QString("NOTE|cannot tell whether process %PID% uses '%APP%': /proc/%PID%/exe: %1 (%2)")
                   .arg(strerror(EACCES))
                   .arg(EACCES)
               + notRunning
        << 0 << true << 4000;
    // A kernel thread has no program; root may signal it, but it is never
    // the client.
    QTest::newRow("pid file names a kernel thread")
        << KernelThread << QByteArray() << QByteArray("pid=2\n") << 0
        << "NOTE|pid file '%FILE%' names process 2, a kernel thread" + notRunning << 0 << false
        << 4000;
    QTest::newRow("no /proc")
        << UiCopy << term << pid << int(NoProc)
        << QString("NOTE|cannot tell whether process %PID% wrote pid file '%FILE%': "
                   "/proc/%PID%/stat: %1 (%2)")
                   .arg(strerror(ENOENT))
                   .arg(ENOENT)
               + notRunning
        << 0 << false << 0;
}

void TestService::terminateUI()
{
    QFETCH(Process, process);
    QFETCH(QByteArray, onTerm);
    QFETCH(QByteArray, pidFile);
    QFETCH(int, arrange);
    QFETCH(QString, line);
    QFETCH(int, endedBy);
    QFETCH(bool, asNobody);
    QFETCH(int, withinMs);

    if ((asNobody || arrange & (OtherUser | NoProc)) && geteuid() != 0)
        QSKIP("needs root to run the client as another user than the caller, or to hide /proc");
    // Field 9 holds the flags, PF_KTHREAD among them.
    if (process == KernelThread && !(procStatField(2, 9) & 0x00200000))
        QSKIP("process 2 is no kernel thread here (a private pid namespace)");
    const bool latin1 = arrange & Latin1Home;
    const CodePageScope codePage(latin1 ? "ISO-8859-1" : "");
    Fixture f(latin1 ? QStringLiteral("home jos\u00e9") : QStringLiteral("home dir"));
    const QString ui = f.app + "/bin/cloud-zelto-ui";
    const QString pidPath = f.user + "/ui.pid";
    QVERIFY(QDir().mkpath(f.app + "/bin"));
    std::unique_ptr<Child> client;
    if (process >= UiCopy) {
        QStringList args{helperProgram()};
        QString cwd;
        QString mapped;
        QVERIFY(QDir().mkpath(f.app + "/lib"));
        switch (process) {
        case HelperInCopy:
            cwd = f.app + "/lib";
            break;
        case HelperMappingCopy:
            mapped = f.app + "/lib/libzelto-ui.so";
            QVERIFY(writeFile(mapped, "mapped\n"));
            break;
        case UiBesideCopy:
            QVERIFY(QDir().mkpath(f.app + "2/bin"));
            QVERIFY(QFile::copy(helperProgram(), f.app + "2/bin/cloud-zelto-ui"));
            args = QStringList{f.app + "2/bin/cloud-zelto-ui"};
            cwd = f.app + "2";
            break;
        case WrapperScript: {
            const QString real = f.app + "/lib/cloud-zelto-ui.bin";
            QVERIFY(QFile::copy(helperProgram(), real));
            const QByteArray wrapper = "#!/bin/sh\nexec '" + QFile::encodeName(real) + "' \"$@\"\n";
            QVERIFY(writeFile(ui, wrapper, kExec));
            args = QStringList{ui};
            break;
        }
        case ScriptOfCopy:
            QVERIFY(writeFile(f.app + "/bin/client.sh",
                              "#!/bin/sh\n: > \"$3\"\nwhile :; do sleep 1; done\n"));
            args = QStringList{"/bin/sh", f.app + "/bin/client.sh"};
            break;
        case UiCopy:
            QVERIFY(QFile::copy(helperProgram(), ui));
            args = QStringList{ui};
            break;
        default: // the helper itself, outside the copy
            break;
        }
        // Reached and written by the client also once it is user 65534.
        QVERIFY(QFile::setPermissions(f.tmp.path(), kExec));
        QVERIFY(QDir().mkpath(f.tmp.path() + "/shared"));
        QVERIFY(QFile::setPermissions(f.tmp.path() + "/shared",
                                      kExec | QFile::WriteGroup | QFile::WriteOther));
        const QString ready = f.tmp.path() + "/shared/ready";
        // Started well inside a second, so that its whole second lies
        // clearly before its start.
        for (struct timespec now; arrange & (StampStartSecond | StampTwoSecondsEarlier)
             && clock_gettime(CLOCK_REALTIME, &now) == 0
             && (now.tv_nsec < 100000000 || now.tv_nsec > 600000000);)
            usleep(10000);
        const QString ownPidFile = arrange & WritesOwnPidFile ? pidPath : QString();
        args << "client" << onTerm << ready << ownPidFile << mapped;
        client = std::make_unique<Child>(args, cwd);
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ready) || client->done(), 30000);
        QVERIFY(!client->done());
        if (arrange & ProgramDeleted)
            QVERIFY(QFile::remove(ui));
        if (arrange & EndedFirst) {
            QCOMPARE(kill(client->pid(), SIGTERM), 0);
            QVERIFY(client->wait());
        }
    }
    QString pid = client ? QString::number(client->pid()) : QString();
    if (!pidFile.isNull())
        QVERIFY(writeFile(pidPath, QByteArray(pidFile).replace("%PID%", pid.toUtf8())));
    time_t stamp = 0;
    if (arrange & (StampStartSecond | StampTwoSecondsEarlier)) {
        // Rounded down to the whole second of the client's start, as such
        // a file system keeps it; or two seconds before that.
        const qint64 started = startedAtNs(client->pid());
        QVERIFY(started > 0);
        stamp = time_t(started / 1000000000) - (arrange & StampTwoSecondsEarlier ? 2 : 0);
    } else if (arrange & StampHalfMinuteEarlier) {
        // As if written half a minute before the process started.
        stamp = time(nullptr) - 30;
    }
    const struct timespec times[2] = {{stamp, 0}, {stamp, 0}};
    if (stamp != 0)
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(pidPath).constData(), times, 0), 0);
    if (asNobody)
        QVERIFY(QFile::setPermissions(f.tmp.path(), kExec));

    // A process id of 0 or below would reach a whole process group; the
    // call runs where such a signal cannot reach the test.
    const QString noProc = f.tmp.path() + "/no-proc-here";
    const bool hideProc = arrange & NoProc;
    const bool namesLauncher = process == TheLauncher;
    QElapsedTimer timer;
    timer.start();
    pid_t calledIn = 0;
    QCOMPARE(support::runInChild([hideProc, namesLauncher, noProc, pidPath] {
        // An empty file system over /proc, seen by this process only.
        if (hideProc
            && (unshare(CLONE_NEWNS) != 0
                || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                || mount("zelto-test", "/proc", "tmpfs", 0, "size=1m") != 0)) {
            writeFile(noProc, strerror(errno));
            return 0;
        }
        if (namesLauncher && !writeFile(pidPath, "pid=" + QByteArray::number(getpid()) + "\n"))
            return 5;
        LinuxService().terminateUI();
        return 0;
    }, asNobody ? support::As::Nobody : support::As::Root, &calledIn), 0);
    const qint64 elapsed = timer.elapsed();
    if (namesLauncher)
        pid = QString::number(calledIn);
    if (QFileInfo::exists(noProc))
        QSKIP(qPrintable("cannot hide /proc here: " + readFile(noProc)));
    // Waiting for a client that never ends takes five seconds; one that
    // ends 100 ms after TERM is noticed then, not at the next probe a
    // second later.
    if (withinMs > 0)
        QVERIFY2(elapsed < withinMs, qPrintable(QString::number(elapsed)));

    if (!line.isEmpty()) {
        line.replace("%FILE%", pidPath).replace("%PID%", pid).replace("%APP%", f.app);
        QCOMPARE(f.count(line.section('|', 0, 0), line.section('|', 1)), 1);
    }
    QCOMPARE(f.countContaining("[ERROR]"), 0);
    if (!client)
        return;
    if (endedBy == 0) {
        QVERIFY(!client->done());
        QCOMPARE(kill(client->pid(), 0), 0);
        return;
    }
    QVERIFY(client->wait());
    QVERIFY(WIFSIGNALED(client->status()));
    QCOMPARE(WTERMSIG(client->status()), endedBy);
    if (!(arrange & EndedFirst))
        QCOMPARE(f.countContaining("[NOTE]"), 0);
    else
        QCOMPARE(f.countContaining("service.cpp"), 0);
}

void TestService::startUI_data()
{
    QTest::addColumn<bool>("noexec"); // the home is mounted noexec
    QTest::addColumn<bool>("installed"); // a copy is there to start
    QTest::addColumn<QString>("line"); // ERROR message; %SCRIPT%
    // The script's exit status is not judged, and nothing is logged.
    QTest::newRow("blanks in the path") << false << true << QString();
    // A script that cannot be run says so, with the system's reason.
    const QString cannot = "cannot run start script '%SCRIPT%': %1 (%2)";
    QTest::newRow("home mounted noexec")
        << true << true << cannot.arg(strerror(EACCES)).arg(EACCES);
    QTest::newRow("no copy to start") << false << false << cannot.arg(strerror(ENOENT)).arg(ENOENT);
}

void TestService::startUI()
{
    QFETCH(bool, noexec);
    QFETCH(bool, installed);
    QFETCH(QString, line);
    Fixture f;
    std::unique_ptr<support::TmpfsMount> mount;
    if (noexec) {
        mount = std::make_unique<support::TmpfsMount>(f.base, "size=16m", MS_NOEXEC);
        if (!mount->mounted())
            QSKIP(qPrintable("cannot mount a noexec tmpfs: " + mount->why()));
    }
    if (installed)
        writeClientTree(f.app, "1", "old");
    QVERIFY(f.app.contains(' '));
    LinuxService().startUI();
    if (line.isEmpty()) {
        QCOMPARE(readFile(f.app + "/package/started"), QByteArray("1:start\n"));
        QCOMPARE(f.lines(), QStringList());
        return;
    }
    QVERIFY(!QFileInfo::exists(f.app + "/package/started"));
    QCOMPARE(f.countContaining("[ERROR]"), 1);
    QCOMPARE(f.count("ERROR", line.replace("%SCRIPT%", f.app + "/package/start-stop")), 1);
}

void TestService::removeAgedAppFolder()
{
    Fixture f;
    QVERIFY(writeFile(f.legacy + "/app/bin/old-ui", "x"));
    QVERIFY(writeFile(f.legacy + "/data/keep.txt", "keep"));
    // Called through the interface the launcher holds.
    const std::unique_ptr<Service> service = std::make_unique<LinuxService>();
    service->removeAgedAppFolder();
    service->removeAgedAppFolder();
    QVERIFY(!QFileInfo::exists(f.legacy + "/app"));
    QCOMPARE(readFile(f.legacy + "/data/keep.txt"), QByteArray("keep"));
    QCOMPARE(f.count("INFO", QString("removing aged app folder %1/app").arg(f.legacy)), 2);
}

void TestService::migrateLegacyFolder_data()
{
    QTest::addColumn<bool>("legacy"); // a legacy folder with its app folder
    QTest::addColumn<bool>("data"); // and with a data folder
    QTest::addColumn<bool>("blocked"); // a file stands where the new folder goes
    QTest::addColumn<bool>("occupied"); // the new data folder holds a file of the user's
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("legacyKept");

    QTest::newRow("data moved") << true << true << false << false << "" << false;
    QTest::newRow("no data folder") << true << false << false << false << "" << false;
    QTest::newRow("no legacy folder") << false << false << false << false << "" << false;
    QTest::newRow("new folder blocked by a file")
        << true << true << true << false << "Failed to create Quenmark Zelto folder" << true;
    QTest::newRow("new data folder not empty")
        << true << true << false << true << "Failed to move data to Quenmark Zelto folder" << true;
}

void TestService::migrateLegacyFolder()
{
    QFETCH(bool, legacy);
    QFETCH(bool, data);
    QFETCH(bool, blocked);
    QFETCH(bool, occupied);
    QFETCH(QString, error);
    QFETCH(bool, legacyKept);

    Fixture f;
    if (legacy)
        QVERIFY(writeFile(f.legacy + "/app/x", "app"));
    if (data) {
        QVERIFY(writeFile(f.legacy + "/data/a.txt", "a"));
        QVERIFY(writeFile(f.legacy + "/data/sub/b.txt", "b"));
    }
    if (blocked)
        QVERIFY(writeFile(f.user, "a file"));
    if (occupied)
        QVERIFY(writeFile(f.user + "/data/mine.txt", "mine"));
    const Snapshot legacyTree = snapshot(f.legacy);
    const Snapshot legacyData = contentOf(f.legacy + "/data");

    LinuxService().migrateLegacyFolder();

    if (!error.isEmpty())
        QCOMPARE(f.count("ERROR", error), 1);
    else
        QCOMPARE(f.countContaining("[ERROR]"), 0);
    if (legacyKept) {
        QCOMPARE(snapshot(f.legacy), legacyTree);
    } else {
        QVERIFY(!QFileInfo::exists(f.legacy));
        QVERIFY(QFileInfo(f.user).isDir());
        QCOMPARE(contentOf(f.user + "/data"), legacyData);
    }
    if (occupied)
        QCOMPARE(readFile(f.user + "/data/mine.txt"), QByteArray("mine"));
}

void TestService::migrateLegacyFolderAcrossFileSystems_data()
{
    QTest::addColumn<bool>("socket"); // one that cannot cross: the move fails half-way
    QTest::addColumn<bool>("occupied"); // the new data folder holds a file of the same name
    QTest::newRow("data copied across") << false << false;
    QTest::newRow("move fails half-way") << true << false;
    QTest::newRow("new data folder holds a file of the same name") << false << true;
}

void TestService::migrateLegacyFolderAcrossFileSystems()
{
    QFETCH(bool, socket);
    QFETCH(bool, occupied);

    Fixture f;
    // The new folder on its own file system: the legacy data must be
    // copied over and removed.
    support::TmpfsMount mount(f.user, "size=16m", 0);
    if (!mount.mounted())
        QSKIP(qPrintable("no tmpfs for the new folder: " + mount.why()));
    QVERIFY(writeFile(f.legacy + "/app/x", "app"));
    QVERIFY(writeFile(f.legacy + "/data/a.txt", "a"));
    QVERIFY(writeFile(f.legacy + "/data/sub/b.txt", QByteArray(20000, 'b')));
    // Private things stay private; a link arrives as the same link.
    QVERIFY(writeFile(f.legacy + "/data/private/key", "secret", QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(chmod(QFile::encodeName(f.legacy + "/data/private").constData(), 0700), 0);
    QVERIFY(QFile::link("sub/b.txt", f.legacy + "/data/link"));
    if (socket)
        QVERIFY(makeSpecialFile(f.legacy + "/data/sub/socket", "socket"));
    if (occupied)
        QVERIFY(writeFile(f.user + "/data/a.txt", "the user's own"));
    const Snapshot data = snapshot(f.legacy + "/data");
    const Snapshot legacy = snapshot(f.legacy);

    QStringList calls;
    {
        const InjectedCalls recording = recordCalls(calls);
        LinuxService().migrateLegacyFolder();
    }

    if (!socket && !occupied) {
        QCOMPARE(f.countContaining("[ERROR]"), 0);
        QCOMPARE(snapshot(f.user + "/data"), data);
        QVERIFY(!QFileInfo::exists(f.legacy));
        // Before a source goes, the folder that received it was flushed,
        // and so was each folder above it up to the per-user folder: the
        // names of the folders made.
        // Folders' removals are not counted.
        int removals = 0;
        for (int i = 0; i < calls.size(); ++i) {
            const QString prefix = "unlink " + f.legacy + "/data/";
            const QString entry = calls[i].mid(prefix.size());
            if (!calls[i].startsWith(prefix) || data.value(QFile::encodeName(entry)).type == 'd')
                continue;
            ++removals;
            QString folder = QFileInfo(f.user + "/data/" + entry).path();
            for (; folder.startsWith(f.user); folder = QFileInfo(folder).path()) {
                const int flushed = calls.lastIndexOf("fsync " + folder, i);
                QVERIFY2(flushed >= 0, qPrintable(folder + " not flushed before " + calls[i]));
            }
        }
        QCOMPARE(removals, 4);
        return;
    }
    QCOMPARE(f.count("ERROR", "Failed to move data to Quenmark Zelto folder"), 1);
    if (occupied) {
        // Nothing is overwritten, nothing moved: the legacy folder stays.
        QCOMPARE(readFile(f.user + "/data/a.txt"), QByteArray("the user's own"));
        QCOMPARE(snapshot(f.legacy), legacy);
        return;
    }
    // Whatever did not arrive is still in the legacy folder.
    QVERIFY(QFileInfo::exists(f.legacy + "/data/sub/socket"));
    Snapshot union_ = snapshot(f.legacy + "/data");
    const Snapshot moved = snapshot(f.user + "/data");
    for (auto it = moved.begin(); it != moved.end(); ++it) {
        if (!union_.contains(it.key()) || it->type != 'd')
            union_.insert(it.key(), it.value());
    }
    QCOMPARE(union_, data);
}

// A package nested deeper than the copy goes: one line says so, not one per
// level, and the old copy comes back whole.
void TestService::packageNestedTooDeep()
{
    Fixture f;
    f.writePackage("2", "new");
    QVERIFY(makeDeepChain(f.pkg + "/share/deep", 518, "d", "package leaf\n"));
    writeClientTree(f.app, "1", "old");
    const Snapshot before = snapshot(f.app);

    // Under the usual limit of 1024 descriptors, which a walk holding some
    // for each level ran out of.
    QCOMPARE(support::runInChild([] {
        struct rlimit limit;
        if (getrlimit(RLIMIT_NOFILE, &limit) != 0)
            return 3;
        limit.rlim_cur = std::min<rlim_t>(limit.rlim_cur, 1024);
        if (setrlimit(RLIMIT_NOFILE, &limit) != 0)
            return 3;
        return upgradeIfNeeded() == -1 ? 0 : 1;
    }), 0);

    QCOMPARE(snapshot(f.app), before);
    QCOMPARE(f.leftovers(), QStringList());
    // The first folder past the bound: share, deep and 255 levels of "d".
    QString tooDeep = f.pkg + "/share/deep";
    for (int i = 0; i < 255; ++i)
        tooDeep += "/d";
    QCOMPARE(f.count("ERROR", QString("FSCopyPath: '%1' is nested deeper than 256 folders").arg(tooDeep)), 1);
    QCOMPARE(f.count("ERROR", "Failed to extract package, rollback to old installation"), 1);
    QCOMPARE(f.countContaining("[ERROR]"), 2);
    QCOMPARE(f.countContaining("[WARNING]"), 0);
    QCOMPARE(f.countContaining("user installation is ready"), 0);
}

namespace {

// The parts this program plays when started with other arguments:
//   client term|ignore|rename|nobody|hidden|slow <ready-file> <pid-file> <mapped>
//       plays the client's user interface: ends on SIGTERM (term), ignores
//       it (ignore), ends on it after renaming its command (rename), or
//       ends on it as user 65534 (nobody; hidden: also not dumpable, so
//       that even that user cannot read its /proc entries), or ends 100 ms
//       after it (slow); creates <ready-file> once its signal disposition
//       and its user are set. With a <pid-file>, it first writes its pid
//       file there, as a client does; with <mapped>, it maps that file and
//       closes it.

volatile sig_atomic_t g_terminate = 0;

void noteTerminate(int)
{
    g_terminate = 1;
}

int runClient(const char *mode, const char *readyFile, const char *pidFile, const char *mapped)
{
    const QByteArray pidLine = "pid=" + QByteArray::number(getpid()) + "\n";
    if (*pidFile && !writeFile(QFile::decodeName(pidFile), pidLine))
        return 2;
    if (*mapped) {
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
    if (!writeFile(QFile::decodeName(readyFile), ""))
        return 2;
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
    if (argc == 6 && strcmp(argv[1], "client") == 0)
        return runClient(argv[2], argv[3], argv[4], argv[5]);
    QCoreApplication app(argc, argv);
    TestService test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_service.moc"
