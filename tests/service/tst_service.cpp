// The installation service against real folders: versions, installation
// with backup and rollback, interrupted installations, the client process,
// the start script and the legacy folder.
#include "cloud-service.h"
#include "file-op.h"
#include "linux-service.h"
#include "log.h"
#include "service-paths.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <memory>
#include <thread>

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <spawn.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "test-files.h"

extern char **environ;

// Some file systems leave the kind out of their directory entries; while
// this is set, every entry the file operations read reports none.
static std::atomic<bool> g_typelessEntries{false};
static std::atomic<int> g_typelessCount{0};

extern "C" struct dirent *readdir(DIR *dir)
{
    using Real = struct dirent *(*)(DIR *);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "readdir"));
    struct dirent *entry = real(dir);
    if (entry && g_typelessEntries.load()) {
        entry->d_type = DT_UNKNOWN;
        ++g_typelessCount;
    }
    return entry;
}

namespace {

const char *const kHelper = SERVICE_HELPER;

QByteArray info(const QByteArray &build, const QByteArray &major = "1")
{
    return "[Version]\nmajor_version=" + major + "\nminor_version=2\nbuild_version=" + build
        + "\nicon_overlay_version=4\n";
}

const QFile::Permissions kExec = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// A client tree: INFO, the UI program, the start script (it records its
// arguments beside itself), and `files` data files of this variant.
void writeClientTree(const QString &dir, const QByteArray &build, const QByteArray &variant, int files = 4)
{
    QVERIFY(writeFile(dir + "/INFO", info(build)));
    QVERIFY(writeFile(dir + "/bin/cloud-zelto-ui", "#!/bin/sh\n# " + variant + "\nexit 0\n", kExec));
    QVERIFY(writeFile(dir + "/package/start-stop",
                      "#!/bin/sh\nprintf '%s:%s\\n' \"$#\" \"$*\" > \"$(dirname \"$0\")/started\"\n", kExec));
    for (int i = 0; i < files; ++i) {
        QByteArray body = variant + " data " + QByteArray::number(i) + "\n";
        QVERIFY(writeFile(QString("%1/lib/part-%2/data-%3.bin").arg(dir).arg(i % 3).arg(i),
                          body.repeated(1 + i % 7)));
    }
    QVERIFY(writeFile(dir + "/share/deep/er/leaf.txt", variant + " leaf\n"));
}

// type, permission bits and content of every entry below `dir`.
using Snapshot = QMap<QString, QByteArray>;

void snapshotInto(const QString &dir, const QString &rel, Snapshot &out)
{
    QDir d(dir + rel);
    const QFileInfoList entries = d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        const QString name = rel + "/" + entry.fileName();
        struct stat st;
        if (lstat(QFile::encodeName(entry.filePath()).constData(), &st) != 0) {
            out.insert(name, "?");
            continue;
        }
        QByteArray value = QByteArray::number(st.st_mode, 8) + " ";
        if (S_ISDIR(st.st_mode)) {
            out.insert(name, value);
            snapshotInto(dir, name, out);
        } else if (S_ISLNK(st.st_mode)) {
            out.insert(name, value + QFile::encodeName(entry.symLinkTarget()));
        } else {
            out.insert(name, value + readFile(entry.filePath()));
        }
    }
}

Snapshot snapshot(const QString &dir)
{
    Snapshot out;
    if (QFileInfo::exists(dir))
        snapshotInto(dir, QString(), out);
    return out;
}

// The content only: the permission bits of copied files follow the
// package, those of folders the umask.
Snapshot contentOf(const QString &dir)
{
    Snapshot out = snapshot(dir);
    for (auto it = out.begin(); it != out.end(); ++it) {
        const int blank = it.value().indexOf(' ');
        const QByteArray mode = it.value().left(blank);
        it.value() = (mode.startsWith("4") ? QByteArray("dir") : QByteArray("file:")) + it.value().mid(blank + 1);
    }
    return out;
}

// One case's folders: a per-user base and a resource root, both with a
// blank in their names, the path table, and a private debug log.
struct Fixture {
    QTemporaryDir tmp;
    QString base, root, user, app, pkg, legacy, logFile;

    Fixture()
    {
        base = tmp.path() + "/home dir";
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
        const QRegularExpression prefix(QStringLiteral("^\\S+ \\(\\s*\\d+:\\s*\\d+\\) \\[%1\\] [a-z/.-]+\\(\\d+\\): ")
                                            .arg(level));
        for (const QString &line : lines()) {
            QRegularExpressionMatch m = prefix.match(line);
            if (m.hasMatch() && line.mid(m.capturedLength()) == message)
                ++n;
        }
        return n;
    }

    int countContaining(const QString &text) const
    {
        int n = 0;
        for (const QString &line : lines())
            n += line.contains(text) ? 1 : 0;
        return n;
    }

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
// sees it gone.
class Child
{
public:
    explicit Child(const QStringList &args)
    {
        QList<QByteArray> bytes;
        for (const QString &a : args)
            bytes << QFile::encodeName(a);
        std::vector<char *> argv;
        for (QByteArray &b : bytes)
            argv.push_back(b.data());
        argv.push_back(nullptr);
        if (posix_spawn(&m_pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
            m_pid = -1;
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
        QElapsedTimer timer;
        timer.start();
        while (!m_done && timer.elapsed() < ms)
            usleep(2000);
        return m_done;
    }

private:
    pid_t m_pid = -1;
    std::thread m_reaper;
    std::atomic<bool> m_done{false};
    std::atomic<int> m_status{0};
};

// Runs `body` in a forked child with its own process group; true when the
// child returned 0. A stray signal to the group cannot reach the test.
bool inOwnProcessGroup(const std::function<int()> &body, pid_t *child = nullptr)
{
    pid_t pid = fork();
    if (child)
        *child = pid;
    if (pid == 0) {
        setpgid(0, 0);
        _exit(body());
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Names an entry of `dir` so that the directory walk meets it after every
// entry in `after`; empty when the file system does not allow it.
QString lateName(const QString &dir, const QStringList &after)
{
    QStringList candidates;
    for (int i = 0; i < 64; ++i) {
        candidates << QString("late-%1").arg(i);
        writeFile(dir + "/" + candidates.last(), "");
    }
    QStringList order;
    if (DIR *d = opendir(QFile::encodeName(dir).constData())) {
        while (struct dirent *e = readdir(d))
            order << QFile::decodeName(e->d_name);
        closedir(d);
    }
    int last = -1;
    for (const QString &name : after)
        last = std::max(last, int(order.indexOf(name)));
    QString chosen;
    for (int i = last + 1; i < order.size() && chosen.isEmpty(); ++i) {
        if (candidates.contains(order[i]))
            chosen = order[i];
    }
    for (const QString &c : candidates)
        QFile::remove(dir + "/" + c);
    return chosen;
}

bool walkedAfter(const QString &dir, const QString &name, const QStringList &after)
{
    QStringList order;
    if (DIR *d = opendir(QFile::encodeName(dir).constData())) {
        while (struct dirent *e = readdir(d))
            order << QFile::decodeName(e->d_name);
        closedir(d);
    }
    for (const QString &a : after) {
        if (order.indexOf(a) > order.indexOf(name))
            return false;
    }
    return true;
}

// A gzip-compressed tar archive holding `files` (name, content).
bool writeArchive(const QString &path, const QList<QPair<QByteArray, QByteArray>> &files)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    struct archive *a = archive_write_new();
    archive_write_set_format_pax_restricted(a);
    archive_write_add_filter_gzip(a);
    bool ok = archive_write_open_filename(a, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    for (const auto &file : files) {
        if (!ok)
            break;
        struct archive_entry *entry = archive_entry_new();
        archive_entry_set_pathname(entry, file.first.constData());
        archive_entry_set_size(entry, file.second.size());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        ok = archive_write_header(a, entry) == ARCHIVE_OK
            && archive_write_data(a, file.second.constData(), file.second.size()) == file.second.size();
        archive_entry_free(entry);
    }
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}

// A tmpfs mounted for one case, detached again on every path.
class TmpfsMount
{
public:
    explicit TmpfsMount(const QString &where) : m_where(QFile::encodeName(where))
    {
        QDir().mkpath(where);
        m_mounted = geteuid() == 0 && mount("zelto-test", m_where.constData(), "tmpfs", 0, "size=16m") == 0;
        m_errno = m_mounted ? 0 : errno;
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            (void)umount2(m_where.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    QString why() const { return geteuid() != 0 ? "not root" : QString::fromLocal8Bit(strerror(m_errno)); }

private:
    QByteArray m_where;
    bool m_mounted = false;
    int m_errno = 0;
};

} // namespace

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
    void unreadableSubfolderIsSkipped();
    void upgradeWithoutClientInstalled();
    void extractPackage_data();
    void extractPackage();

    void interruptedInstallation_data();
    void interruptedInstallation();
    void leftoverBackup_data();
    void leftoverBackup();
    void killedInstallationsAreRepaired();

    void terminateUI_data();
    void terminateUI();
    void startUIWithBlanksInPath();

    void removeAgedAppFolder();
    void migrateLegacyFolder_data();
    void migrateLegacyFolder();
    void migrateLegacyFolderAcrossFileSystems_data();
    void migrateLegacyFolderAcrossFileSystems();
};

void TestService::initTestCase()
{
    QVERIFY2(QFileInfo(kHelper).isExecutable(), kHelper);
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
    QTest::addColumn<QString>("expectedApp"); // package, old or absent
    QTest::addColumn<QStringList>("expectedLines"); // LEVEL|message; %APP% %PKG%
    QTest::addColumn<int>("backupErrors");

    QTest::newRow("first install")
        << false << false << true << 0 << "package"
        << QStringList{"INFO|copy package:'%PKG%' -> '%APP%' ", "INFO|user installation is ready, removing backup app"}
        << 0;
    QTest::newRow("upgrade") << true << false << true << 0 << "package"
                             << QStringList{"INFO|user installation is ready, removing backup app"} << 0;
    QTest::newRow("non-empty _tmp leftover")
        << true << true << true << 0 << "package"
        << QStringList{"ERROR|failed to backup app from '%APP%' -> '%APP%_tmp'",
                       "INFO|user installation is ready, removing backup app"}
        << 1;
    QTest::newRow("missing package, first install")
        << false << false << false << -1 << "absent"
        << QStringList{"ERROR|FSCopyPath: source path '%PKG%' does not exist",
                       "ERROR|Failed to extract package, and no old installation to rollback"}
        << 0;
    QTest::newRow("missing package, installed copy")
        << true << false << false << -1 << "old"
        << QStringList{"ERROR|FSCopyPath: source path '%PKG%' does not exist",
                       "ERROR|Failed to extract package, rollback to old installation"}
        << 0;
}

void TestService::install()
{
    QFETCH(bool, old);
    QFETCH(bool, leftoverTmp);
    QFETCH(bool, package);
    QFETCH(int, result);
    QFETCH(QString, expectedApp);
    QFETCH(QStringList, expectedLines);
    QFETCH(int, backupErrors);

    Fixture f;
    if (package)
        f.writePackage("2", "new");
    if (old)
        writeClientTree(f.app, "1", "old", 3);
    if (leftoverTmp)
        QVERIFY(writeFile(f.app + "_tmp/stale", "stale"));
    const Snapshot before = snapshot(f.app);

    LinuxService service;
    QCOMPARE(service.upgrade(), result);

    if (expectedApp == "package")
        QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    else if (expectedApp == "old")
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
}

void TestService::tenUnusableBackupNames()
{
    Fixture f;
    f.writePackage("2", "new");
    writeClientTree(f.app, "1", "old");
    for (int k = 0; k < 10; ++k)
        QVERIFY(writeFile(QString::fromStdString(backupName(f.app.toStdString(), k)) + "/stale", "x"));
    const Snapshot before = snapshot(f.tmp.path());

    LinuxService service;
    QCOMPARE(service.installPackage(), -1);

    QCOMPARE(snapshot(f.tmp.path()).remove("/t.log"), Snapshot(before).remove("/t.log"));
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

    LinuxService service;
    QCOMPARE(service.upgrade(), -1);

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

    {
        LinuxService service;
        service.readVersions();
        QVERIFY(service.needUpgrade());
        QCOMPARE(service.upgrade(), -1);
    }
    QVERIFY(!QFileInfo::exists(f.app));
    QCOMPARE(f.leftovers(), QStringList());
    QCOMPARE(f.count("ERROR", "Failed to extract package, and no old installation to rollback"), 1);

    QVERIFY(QFile::remove(f.pkg + "/" + name));
    LinuxService again;
    again.readVersions();
    QVERIFY(again.needUpgrade());
    QCOMPARE(again.upgrade(), 0);
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));
}

void TestService::typelessDirectoryEntries()
{
    Fixture f;
    f.writePackage("2", "new", 12);
    writeClientTree(f.app, "1", "old");

    g_typelessCount = 0;
    g_typelessEntries = true;
    int32_t result;
    {
        LinuxService service;
        result = service.upgrade();
    }
    g_typelessEntries = false;

    QVERIFY(g_typelessCount.load() > 0);
    QCOMPARE(result, 0);
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    QCOMPARE(f.leftovers(), QStringList());
}

void TestService::unreadableSubfolderIsSkipped()
{
    Fixture f;
    f.writePackage("2", "new");
    QVERIFY(writeFile(f.pkg + "/locked/inside.txt", "x"));
    QVERIFY(QFile::setPermissions(f.pkg + "/locked", QFile::Permissions()));

    // Root opens any folder; the walk runs as an unprivileged user, on a
    // tree that user may read except for the locked folder.
    QVERIFY(QFile::setPermissions(f.tmp.path(), kExec | QFile::WriteOther | QFile::WriteGroup));
    const QString target = f.tmp.path() + "/target";
    QVERIFY(QDir().mkpath(target));
    QVERIFY(chown(QFile::encodeName(target).constData(), 65534, 65534) == 0 || geteuid() != 0);
    const std::string source = f.pkg.toStdString();
    const std::string destination = target.toStdString() + "/app";
    const bool ok = inOwnProcessGroup([&] {
        if (geteuid() == 0 && (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
            return 3;
        LinuxService service;
        return service.FSCopyPath(source, destination) == 0 ? 0 : 1;
    });
    QVERIFY(ok);
    QCOMPARE(f.count("WARNING", QString("FSCopyPath: failed to create handle  for src '%1/locked' failed").arg(f.pkg)), 1);
    QVERIFY(QFileInfo(target + "/app/locked").isDir());
    QVERIFY(!QFileInfo::exists(target + "/app/locked/inside.txt"));
    QCOMPARE(readFile(target + "/app/INFO"), info("2"));
}

void TestService::upgradeWithoutClientInstalled()
{
    Fixture f;
    f.writePackage("2", "new");
    QVERIFY(writeFile(f.user + "/ui.pid", "pid=1\n"));
    LinuxService service;
    QCOMPARE(service.upgrade(), 0);
    QCOMPARE(f.countContaining("local appdata exist"), 0);
    QCOMPARE(f.countContaining("ui.pid"), 0);
}

void TestService::extractPackage_data()
{
    QTest::addColumn<QString>("setup"); // archive, missing, blocked
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("line"); // LEVEL|message; %APP% %QPK%

    QTest::newRow("archive unpacked") << "archive" << 0 << "INFO|extract package: '%QPK%' -> '%APP%'";
    QTest::newRow("missing archive") << "missing" << -1 << "INFO|extract package: '%QPK%' -> '%APP%'";
    QTest::newRow("app folder blocked by a file") << "blocked" << -1 << "ERROR|failed to create folder: '%APP%'";
}

void TestService::extractPackage()
{
    QFETCH(QString, setup);
    QFETCH(int, result);
    QFETCH(QString, line);

    Fixture f;
    const QString qpk = f.root + "/package/orvilex.qpk";
    if (setup == "archive")
        QVERIFY(writeArchive(qpk, {{"INFO", info("9")}, {"bin/cloud-zelto-ui", "ui"}}));
    if (setup == "blocked")
        QVERIFY(writeFile(f.app, "a file"));

    LinuxService service;
    QCOMPARE(service.extractPackage(), result);

    line.replace("%APP%", f.app).replace("%QPK%", qpk);
    QCOMPARE(f.count(line.section('|', 0, 0), line.section('|', 1)), 1);
    if (setup == "archive") {
        QCOMPARE(readFile(f.app + "/INFO"), info("9"));
        QCOMPARE(readFile(f.app + "/bin/cloud-zelto-ui"), QByteArray("ui"));
    } else if (setup == "blocked") {
        QCOMPARE(readFile(f.app), QByteArray("a file"));
        QCOMPARE(f.countContaining("extract package:"), 0);
    }
}

void TestService::interruptedInstallation_data()
{
    QTest::addColumn<bool>("old");
    QTest::addColumn<bool>("brokenRepair"); // the next run's package cannot be copied

    QTest::newRow("upgrade, equal builds, repaired") << true << false;
    QTest::newRow("upgrade, next copy fails") << true << true;
    QTest::newRow("first install, repaired") << false << false;
    QTest::newRow("first install, next copy fails") << false << true;
}

// An installation killed while it copies, once INFO and the UI program
// are in place: the helper stops for good when its walk reaches an entry
// placed after them.
void TestService::interruptedInstallation()
{
    QFETCH(bool, old);
    QFETCH(bool, brokenRepair);

    Fixture f;
    f.writePackage("7", "new", 6);
    if (old)
        writeClientTree(f.app, "7", "old", 6);
    const Snapshot before = snapshot(f.app);
    const QString name = lateName(f.pkg, {"INFO", "bin"});
    if (name.isEmpty())
        QSKIP("cannot place an entry after INFO and bin in this file system's directory order");
    QVERIFY(writeFile(f.pkg + "/" + name, "the walk stops here"));
    if (!walkedAfter(f.pkg, name, {"INFO", "bin"}))
        QSKIP("the file system reorders its entries");

    {
        const QString stalled = f.tmp.path() + "/stalled";
        qputenv("ZELTO_TEST_STALL_AT", name.toUtf8());
        qputenv("ZELTO_TEST_STALLED", QFile::encodeName(stalled));
        Child installer({kHelper, "install", f.base, f.root});
        qunsetenv("ZELTO_TEST_STALL_AT");
        qunsetenv("ZELTO_TEST_STALLED");
        QElapsedTimer timer;
        timer.start();
        while (!QFileInfo::exists(stalled) && !installer.done() && timer.elapsed() < 30000)
            usleep(2000);
        QVERIFY2(QFileInfo::exists(stalled), "the installation never reached the entry");
        QCOMPARE(kill(installer.pid(), SIGKILL), 0);
        QVERIFY(installer.wait());
    }
    QVERIFY(QFileInfo::exists(f.journal()));
    // What the killed run left looks like a complete client of the same build.
    QVERIFY(QFileInfo::exists(f.app + "/INFO"));
    QVERIFY(QFileInfo::exists(f.app + "/bin/cloud-zelto-ui"));

    if (brokenRepair) {
        QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/share/dangling"));
        LinuxService service;
        service.readVersions();
        QVERIFY(service.needUpgrade());
        QCOMPARE(service.upgrade(), -1);
        // Never less than before the killed run.
        if (old)
            QCOMPARE(snapshot(f.app), before);
        else
            QVERIFY(!QFileInfo::exists(f.app));
        QCOMPARE(f.leftovers(), QStringList());
        QVERIFY(QFile::remove(f.pkg + "/share/dangling"));
    }

    LinuxService service;
    service.readVersions();
    const bool need = service.needUpgrade();
    if (brokenRepair && old) {
        // Back to the complete old copy of the same build: nothing to do.
        QVERIFY(!need);
        return;
    }
    QVERIFY(need);
    QCOMPARE(f.count("NOTE", QString("last installation of '%1' did not finish, installing again").arg(f.app)),
             1);
    QCOMPARE(service.upgrade(), 0);
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    QCOMPARE(f.leftovers(), QStringList());
}

void TestService::leftoverBackup_data()
{
    QTest::addColumn<QByteArray>("packageBuild");
    QTest::newRow("same build") << QByteArray("3");
    QTest::newRow("newer package") << QByteArray("4");
}

// A backup name still taken means an installation that did not finish,
// whatever the builds say; the new one clears it away.
void TestService::leftoverBackup()
{
    QFETCH(QByteArray, packageBuild);
    Fixture f;
    f.writePackage(packageBuild, "new");
    writeClientTree(f.app, "3", "old");
    QVERIFY(writeFile(f.app + "_tmp3/stale", "x"));

    LinuxService service;
    service.readVersions();
    QVERIFY(service.needUpgrade());
    QCOMPARE(f.count("NOTE", QString("last installation of '%1' did not finish, installing again").arg(f.app)), 1);
    QCOMPARE(service.upgrade(), 0);
    QCOMPARE(contentOf(f.app), contentOf(f.pkg));
    QCOMPARE(f.leftovers(), QStringList());
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
    {
        Child installer({kHelper, "install", f.base, f.root});
        QVERIFY(installer.wait());
        QCOMPARE(installer.status(), 0);
    }
    const qint64 span = std::max<qint64>(timer.nsecsElapsed() / 1000, 1000) * 5 / 4;
    QCOMPARE(contentOf(f.app), package);

    QMap<QString, int> states;
    QElapsedTimer budget;
    budget.start();
    int trials = 0;
    for (; trials < 60 && (trials < 12 || budget.elapsed() < 8000); ++trials) {
        freshOld();
        const Snapshot old = contentOf(f.app);
        {
            Child installer({kHelper, "install", f.base, f.root});
            usleep(static_cast<useconds_t>(QRandomGenerator::global()->bounded(static_cast<int>(span))));
            (void)kill(installer.pid(), SIGKILL);
            QVERIFY(installer.wait());
        }
        const QString state = QFileInfo::exists(f.journal())
            ? QString::fromUtf8(readFile(f.journal())).section('\n', 0, 0)
            : (contentOf(f.app) == package ? "finished" : "not started");
        ++states[state];

        if (trials % 3 == 2) {
            // A run whose copy fails leaves a complete copy.
            QVERIFY(QFile::link(f.tmp.path() + "/nowhere", f.pkg + "/dangling"));
            {
                LinuxService service;
                (void)service.upgrade();
            }
            QVERIFY(QFile::remove(f.pkg + "/dangling"));
            const Snapshot now = contentOf(f.app);
            QVERIFY2(now == old || now == package, qPrintable(state));
            QCOMPARE(f.leftovers(), QStringList());
        }

        LinuxService service;
        service.readVersions();
        if (service.needUpgrade())
            QCOMPARE(service.upgrade(), 0);
        QVERIFY2(contentOf(f.app) == package, qPrintable(state));
        QCOMPARE(f.leftovers(), QStringList());
    }
    qInfo() << trials << "trials, state at the kill:" << states;
}

void TestService::terminateUI_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("pidFile"); // null: none; "%PID%" is the helper's
    QTest::addColumn<QString>("line"); // LEVEL|message; %FILE% %PID%
    QTest::addColumn<int>("endedBy"); // signal that ended the helper; 0: still running
    QTest::addColumn<bool>("asNobody"); // terminateUI runs as an unprivileged user

    QTest::newRow("no pid file") << "" << QByteArray() << "DEBUG|pid file '%FILE%' does not exist, no need to terminate"
                                 << 0 << false;
    QTest::newRow("bad syntax") << "" << QByteArray("pid 1234\n") << "NOTE|Failed to read pid file '%FILE%', not exist ?"
                                << 0 << false;
    QTest::newRow("no pid key") << "" << QByteArray("other=5\n")
                                << "NOTE|pid file '%FILE%' holds no usable process id ''" << 0 << false;
    QTest::newRow("empty pid") << "" << QByteArray("pid=''\n") << "NOTE|pid file '%FILE%' holds no usable process id ''"
                               << 0 << false;
    QTest::newRow("letters") << "" << QByteArray("pid=abc\n")
                             << "NOTE|pid file '%FILE%' holds no usable process id 'abc'" << 0 << false;
    QTest::newRow("zero") << "" << QByteArray("pid=0\n") << "NOTE|pid file '%FILE%' holds no usable process id '0'" << 0 << false;
    QTest::newRow("negative") << "" << QByteArray("pid=-7\n")
                              << "NOTE|pid file '%FILE%' holds no usable process id '-7'" << 0 << false;
    QTest::newRow("client ends on TERM") << "term" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    QTest::newRow("client ignores TERM") << "ignore" << QByteArray("pid = %PID% # ui\n") << "" << SIGKILL << false;
    QTest::newRow("client renamed itself") << "rename" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    QTest::newRow("client program deleted") << "deleted" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    QTest::newRow("client exited already") << "exited" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    // The process that wrote the pid file is the client, whatever its
    // program: a wrapper that runs another binary, a script, another name.
    QTest::newRow("program of another name") << "unrelated" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    QTest::newRow("wrapper client") << "wrapper" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    QTest::newRow("interpreted client") << "interpreted" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    // Written in the same clock tick as the start, by the client itself.
    QTest::newRow("client writes its pid file at once") << "self" << QByteArray() << "" << SIGTERM << false;
    QTest::newRow("client ends 100 ms after TERM") << "slow" << QByteArray("pid=%PID%\n") << "" << SIGTERM << false;
    // The id of an ended client, handed to a later process of the same
    // name: that one lives on.
    QTest::newRow("same name, started after the write")
        << "later" << QByteArray("pid=%PID%\n")
        << "NOTE|process %PID% started after pid file '%FILE%' was written, client taken as not running" << 0 << false;
    // Another user's process is neither signalled nor waited for, in
    // either direction.
    QTest::newRow("client of another user") << "nobody" << QByteArray("pid=%PID%\n")
                                            << "NOTE|process %PID% belongs to user 65534, not to 0, client taken as not running"
                                            << 0 << false;
    QTest::newRow("signal not permitted") << "term" << QByteArray("pid=%PID%\n")
                                          << "NOTE|process %PID% belongs to user 0, not to 65534, client taken as not running"
                                          << 0 << true;
    // However the file came to name it, the launcher never stops itself.
    QTest::newRow("pid file names the launcher") << "launcher" << QByteArray()
                                                 << "NOTE|pid file '%FILE%' names process %PID%, this launcher, client taken as not running"
                                                 << 0 << false;
    QTest::newRow("no /proc") << "noproc" << QByteArray("pid=%PID%\n")
                              << QString("NOTE|cannot tell whether process %PID% wrote pid file '%FILE%': /proc/%PID%/stat: "
                                         "%1 (%2), client taken as not running")
                                     .arg(strerror(ENOENT))
                                     .arg(ENOENT)
                              << 0 << false;
}

void TestService::terminateUI()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, pidFile);
    QFETCH(QString, line);
    QFETCH(int, endedBy);
    QFETCH(bool, asNobody);

    if ((asNobody || mode == "nobody" || mode == "noproc") && geteuid() != 0)
        QSKIP("needs root to run the client as another user than the caller, or to hide /proc");
    Fixture f;
    const QString ui = f.app + "/bin/cloud-zelto-ui";
    const QString pidPath = f.user + "/ui.pid";
    QVERIFY(QDir().mkpath(f.app + "/bin"));
    std::unique_ptr<Child> client;
    if (!mode.isEmpty() && mode != "launcher") {
        QString ready = f.tmp.path() + "/ready";
        QStringList args;
        if (mode == "unrelated") {
            args << kHelper;
        } else if (mode == "wrapper") {
            QVERIFY(writeFile(ui, "#!/bin/sh\nexec '" + QByteArray(kHelper) + "' \"$@\"\n", kExec));
            args << ui;
        } else if (mode == "interpreted") {
            const QString script = f.tmp.path() + "/client.sh";
            QVERIFY(writeFile(script, "#!/bin/sh\n: > \"$3\"\nwhile :; do sleep 1; done\n"));
            args << "/bin/sh" << script;
        } else {
            QVERIFY(QFile::copy(kHelper, ui));
            args << ui;
        }
        if (mode == "nobody") {
            // Reached and written by the client once it is user 65534.
            QVERIFY(QFile::setPermissions(f.tmp.path(), kExec));
            QVERIFY(QDir().mkpath(f.tmp.path() + "/shared"));
            QVERIFY(QFile::setPermissions(f.tmp.path() + "/shared", kExec | QFile::WriteGroup | QFile::WriteOther));
            ready = f.tmp.path() + "/shared/ready";
        }
        const QString clientMode = mode == "ignore" || mode == "rename" || mode == "deleted" || mode == "nobody"
                || mode == "slow" ? (mode == "deleted" ? QString("rename") : mode) : QString("term");
        if (mode == "self")
            QVERIFY(qputenv("ZELTO_TEST_PID_FILE", QFile::encodeName(pidPath)));
        client = std::make_unique<Child>(args << "client" << clientMode << ready);
        qunsetenv("ZELTO_TEST_PID_FILE");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(ready) || client->done(), 30000);
        QVERIFY(!client->done());
        if (mode == "deleted")
            QVERIFY(QFile::remove(ui));
        if (mode == "exited") {
            QCOMPARE(kill(client->pid(), SIGTERM), 0);
            QVERIFY(client->wait());
        }
    }
    QString pid = client ? QString::number(client->pid()) : QString();
    if (!pidFile.isNull())
        QVERIFY(writeFile(pidPath, QByteArray(pidFile).replace("%PID%", pid.toUtf8())));
    if (mode == "later") {
        // As if written half a minute before the process started.
        const time_t then = time(nullptr) - 30;
        const struct timespec times[2] = {{then, 0}, {then, 0}};
        QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(pidPath).constData(), times, 0), 0);
    }
    if (asNobody)
        QVERIFY(QFile::setPermissions(f.tmp.path(), kExec));

    // A process id of 0 or below would reach a whole process group; the
    // call runs where such a signal cannot reach the test.
    const QString noProc = f.tmp.path() + "/no-proc-here";
    QElapsedTimer timer;
    timer.start();
    pid_t calledIn = 0;
    QVERIFY(inOwnProcessGroup([asNobody, mode, noProc, pidPath] {
        if (asNobody && (setresgid(65534, 65534, 65534) != 0 || setresuid(65534, 65534, 65534) != 0))
            return 3;
        // An empty file system over /proc, seen by this process only.
        if (mode == "noproc"
            && (unshare(CLONE_NEWNS) != 0 || mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0
                || mount("zelto-test", "/proc", "tmpfs", 0, "size=1m") != 0)) {
            writeFile(noProc, strerror(errno));
            return 0;
        }
        if (mode == "launcher" && !writeFile(pidPath, "pid=" + QByteArray::number(getpid()) + "\n"))
            return 5;
        LinuxService service;
        service.terminateUI();
        return 0;
    }, &calledIn));
    const qint64 elapsed = timer.elapsed();
    if (mode == "launcher")
        pid = QString::number(calledIn);
    if (QFileInfo::exists(noProc))
        QSKIP(qPrintable("cannot hide /proc here: " + readFile(noProc)));
    // Waiting for a client that never ends takes five seconds; one that
    // ends 100 ms after TERM is noticed then, not at the next probe a
    // second later.
    if (mode == "nobody" || asNobody)
        QVERIFY2(elapsed < 4000, qPrintable(QString::number(elapsed)));
    if (mode == "slow")
        QVERIFY2(elapsed < 1000, qPrintable(QString::number(elapsed)));

    if (!line.isEmpty()) {
        line.replace("%FILE%", pidPath).replace("%PID%", pid);
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
    if (mode != "exited")
        QCOMPARE(f.countContaining("[NOTE]"), 0);
    else
        QCOMPARE(f.countContaining("service.cpp"), 0);
}

void TestService::startUIWithBlanksInPath()
{
    Fixture f;
    writeClientTree(f.app, "1", "old");
    QVERIFY(f.app.contains(' '));
    LinuxService service;
    service.startUI();
    QCOMPARE(readFile(f.app + "/package/started"), QByteArray("1:start\n"));
    QCOMPARE(f.lines(), QStringList());
}

void TestService::removeAgedAppFolder()
{
    Fixture f;
    QVERIFY(writeFile(f.legacy + "/app/bin/old-ui", "x"));
    QVERIFY(writeFile(f.legacy + "/data/keep.txt", "keep"));
    Service *service = new LinuxService;
    service->removeAgedAppFolder();
    service->removeAgedAppFolder();
    delete service;
    QVERIFY(!QFileInfo::exists(f.legacy + "/app"));
    QCOMPARE(readFile(f.legacy + "/data/keep.txt"), QByteArray("keep"));
    QCOMPARE(f.count("INFO", QString("removing aged app folder %1/app").arg(f.legacy)), 2);
}

void TestService::migrateLegacyFolder_data()
{
    QTest::addColumn<QString>("setup"); // data, nodata, none, blocked, occupied
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("legacyKept");

    QTest::newRow("data moved") << "data" << "" << false;
    QTest::newRow("no data folder") << "nodata" << "" << false;
    QTest::newRow("no legacy folder") << "none" << "" << false;
    QTest::newRow("new folder blocked by a file") << "blocked" << "Failed to create Quenmark Zelto folder" << true;
    QTest::newRow("new data folder not empty") << "occupied" << "Failed to move data to Quenmark Zelto folder" << true;
}

void TestService::migrateLegacyFolder()
{
    QFETCH(QString, setup);
    QFETCH(QString, error);
    QFETCH(bool, legacyKept);

    Fixture f;
    if (setup != "none") {
        QVERIFY(writeFile(f.legacy + "/app/x", "app"));
        if (setup != "nodata") {
            QVERIFY(writeFile(f.legacy + "/data/a.txt", "a"));
            QVERIFY(writeFile(f.legacy + "/data/sub/b.txt", "b"));
        }
    }
    if (setup == "blocked")
        QVERIFY(writeFile(f.user, "a file"));
    if (setup == "occupied")
        QVERIFY(writeFile(f.user + "/data/mine.txt", "mine"));
    const Snapshot legacy = snapshot(f.legacy);
    const Snapshot legacyData = contentOf(f.legacy + "/data");

    LinuxService service;
    service.migrateLegacyFolder();

    if (!error.isEmpty())
        QCOMPARE(f.count("ERROR", error), 1);
    else
        QCOMPARE(f.countContaining("[ERROR]"), 0);
    if (legacyKept) {
        QCOMPARE(snapshot(f.legacy), legacy);
    } else {
        QVERIFY(!QFileInfo::exists(f.legacy));
        QVERIFY(QFileInfo(f.user).isDir());
        QCOMPARE(contentOf(f.user + "/data"), legacyData);
    }
    if (setup == "occupied")
        QCOMPARE(readFile(f.user + "/data/mine.txt"), QByteArray("mine"));
}

void TestService::migrateLegacyFolderAcrossFileSystems_data()
{
    QTest::addColumn<bool>("withLink"); // a link cannot cross; the move fails half-way
    QTest::newRow("data copied across") << false;
    QTest::newRow("move fails half-way") << true;
}

void TestService::migrateLegacyFolderAcrossFileSystems()
{
    QFETCH(bool, withLink);

    Fixture f;
    // The new folder on its own file system: the legacy data must be
    // copied over and removed.
    TmpfsMount mount(f.user);
    if (!mount.mounted())
        QSKIP(qPrintable("no tmpfs for the new folder: " + mount.why()));
    QVERIFY(writeFile(f.legacy + "/app/x", "app"));
    QVERIFY(writeFile(f.legacy + "/data/a.txt", "a"));
    QVERIFY(writeFile(f.legacy + "/data/sub/b.txt", QByteArray(20000, 'b')));
    if (withLink)
        QVERIFY(QFile::link("a.txt", f.legacy + "/data/link"));
    const Snapshot data = contentOf(f.legacy + "/data");

    LinuxService service;
    service.migrateLegacyFolder();

    if (!withLink) {
        QCOMPARE(f.countContaining("[ERROR]"), 0);
        QCOMPARE(contentOf(f.user + "/data"), data);
        QVERIFY(!QFileInfo::exists(f.legacy));
        return;
    }
    QCOMPARE(f.count("ERROR", "Failed to move data to Quenmark Zelto folder"), 1);
    // Whatever did not arrive is still in the legacy folder.
    QVERIFY(QFileInfo(f.legacy + "/data/link").isSymLink());
    Snapshot union_ = contentOf(f.legacy + "/data");
    const Snapshot moved = contentOf(f.user + "/data");
    for (auto it = moved.begin(); it != moved.end(); ++it)
        union_.insert(it.key(), it.value());
    QCOMPARE(union_, data);
}

QTEST_GUILESS_MAIN(TestService)
#include "tst_service.moc"
