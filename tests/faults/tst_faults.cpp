// The installed launcher under faults: killed at every file-system call of
// an upgrade and at random moments, I/O errors, a full disk, hostile links
// and files around its folders, stale and forged pid files, and crowds of
// launchers, and power cuts at every flush and rename of an upgrade, a
// first installation and a repair. After each fault the user must end with
// a complete client and nothing outside the launcher's folders touched.
// Every case counts in the reliability table written at the end.

#include "faults-support.h"
#include "powercut-support.h"
#include "support/tmpfs-mount.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include <sched.h>
#include <sys/mount.h>
#include <utime.h>

using namespace faults;

namespace {

const int kRunTimeoutMs = 60000;
const int kOldBuild = 1;
const int kNewBuild = 2;

// Set by main() when the process got a mount namespace of its own, where
// the tests may mount small file systems that vanish with the process.
bool g_privateMounts = false;

struct RunResult {
    int code = -1;
    bool crashed = false;
    bool timedOut = false;
    qint64 ms = 0;
    QByteArray err;
    bool failed() const { return crashed || code != 0; }
};

QString describe(const RunResult &r)
{
    if (r.timedOut)
        return QStringLiteral("timed out");
    if (r.crashed)
        return QStringLiteral("crashed");
    return QStringLiteral("exit %1").arg(r.code);
}

// Waits for a launcher that startLauncher started; one that outlives its
// time is killed.
RunResult finish(QProcess &p)
{
    RunResult r;
    if (!p.waitForFinished(kRunTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        r.timedOut = true;
    }
    r.err = p.readAllStandardError();
    r.crashed = p.exitStatus() != QProcess::NormalExit;
    r.code = p.exitCode();
    return r;
}

// What went wrong in one case, each part after the words that name it.
struct Problems : QStringList {
    void add(const QString &what, const QString &detail)
    {
        if (!detail.isEmpty())
            append(what + detail);
    }
    void differ(const QString &what, const Tree &expected, const Tree &actual)
    {
        add(what, difference(expected, actual));
    }
    void failed(const RunResult &r, const QString &what = QString())
    {
        if (r.failed())
            append(what + describe(r));
    }
    QString text() const { return join("; "); }
};

QString zeltoDir(const QString &home)
{
    return home + "/.QuenmarkZelto";
}

// A launcher killed between creating its instance lock file and writing its
// record leaves an empty file, which counts as a launcher starting up for a
// few seconds. The user's next start comes later than that; so does this
// test's, by ageing such a file.
void nextStartComesLater(const QString &home)
{
    const QDir folder(home + "/.pvk-qt");
    for (const QFileInfo &lock : folder.entryInfoList({"*.lock"}, QDir::Files | QDir::Hidden)) {
        if (!lock.isSymLink() && lock.size() == 0) {
            const struct timespec then[2] = {{time(nullptr) - 3600, 0}, {time(nullptr) - 3600, 0}};
            (void)::utimensat(AT_FDCWD, QFile::encodeName(lock.filePath()).constData(), then,
                              AT_SYMLINK_NOFOLLOW);
        }
    }
}

QString reportDir()
{
    const QString dir = qEnvironmentVariable("ZELTO_FAULT_REPORT_DIR", QDir::currentPath());
    QDir().mkpath(dir);
    return dir;
}

// The log and the instance lock have their own failure handling; the
// faults are meant for the installation.
QStringList launcherOwnFiles(const QString &home)
{
    return {zeltoDir(home) + "/log", home + "/.pvk-qt"};
}

// What a failed case left, copied into the report folder for a look after
// the test.
void keep(const QString &from, const QString &name)
{
    const QString kept = reportDir() + "/powercut-" + name;
    if (QDir(kept).removeRecursively())
        copyTree(from, kept);
}

// Where a hostile case arranges the surroundings of its run.
struct Scene {
    QString home;
    QString app;
    QString docs;
    QString outside;
    QString root;
    QString casePath;
    QString backup(int n) const { return app + "_tmp" + (n == 0 ? QString() : QString::number(n)); }
    QString package() const { return root + "/package/orvilex"; }
};

bool link(const QString &target, const QString &at)
{
    return ::symlink(QFile::encodeName(target).constData(), QFile::encodeName(at).constData()) == 0;
}

QStringList leftovers(const QString &home)
{
    const QStringList names{"QuenmarkZelto.app_tmp*", "QuenmarkZelto.app.installing*"};
    return QDir(zeltoDir(home)).entryList(names, QDir::AllEntries | QDir::Hidden | QDir::System);
}

QStringList startLines(const QString &home)
{
    return QString::fromUtf8(readFile(home + "/start-stop.log")).split('\n', Qt::SkipEmptyParts);
}

qint64 pagesOf(qint64 bytes)
{
    return (bytes + 4095) / 4096;
}

QByteArray tmpfsOptions(qint64 bytes)
{
    return "size=" + QByteArray::number(bytes) + ",mode=0755";
}

} // namespace

using Arrange = void (*)(const Scene &);
Q_DECLARE_METATYPE(Arrange)

// What stands at the client's pid file when the launcher starts.
enum class PidFile {
    Written,   // the row's content, written by the test
    Folder,    // a folder in its place
    OwnClient, // written by the client running here
    OtherHost, // written by the client of another host that shares the home
};
Q_DECLARE_METATYPE(PidFile)

class TstFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void injectionWorks_data();
    void injectionWorks();
    void powerCutModel_data();
    void powerCutModel();
    void crashPoints_data();
    void crashPoints();
    void ioErrors_data();
    void ioErrors();
    void randomKills();
    void fullDisk();
    void logDiskFull();
    void diskFillsAt_data();
    void diskFillsAt();
    void hostile_data();
    void hostile();
    void pidFiles_data();
    void pidFiles();
    void manyLaunchers();
    void powerCuts_data();
    void powerCuts();
    void folderFlushErrors_data();
    void folderFlushErrors();

private:
    bool makeRoot(int minSize = 0);
    // A fresh home below the case with the old build installed.
    QString freshHome(const QString &name, int minSize = 0);
    RunResult run(const QString &home, const Fault *fault = nullptr);
    // What is wrong with the home after the run that should have left the
    // copy of `build` (the package's, or the old one after a rollback)
    // complete and started; empty when nothing is.
    QString finalProblems(const QString &home, int startsBefore, int build = kNewBuild);
    // What is wrong once the user's next start has run after a faulty run.
    QString nextRunProblems(const QString &home);
    // One run on a home whose disk fills during the copy: what is wrong
    // after it, with the log's text in `log`.
    QStringList diskFullRunProblems(const QString &home, QString *log);
    // Counts of an upgrade of a fresh home `name` under the counting library,
    // empty when it failed; `ownFiles` counts the log and lock calls too.
    QMap<QString, long> countCalls(const QString &name, bool ownFiles,
                                   const QString &trace = QString(), int minSize = 0);
    // After a run on a power cut's image with no package to install: what
    // is wrong with the copy the repair left; `fresh` allows no copy at all.
    QString repairedProblems(const QString &home, int startsBefore, bool fresh);

    std::unique_ptr<QTemporaryDir> m_case;
    QString m_root;
    Tree m_package;
    Tree m_old;
    // A tmpfs of `bytes` on `dir` (created) until the case ends.
    bool mountTmpfs(const QString &dir, qint64 bytes)
    {
        m_mounts.push_back(std::make_unique<support::TmpfsMount>(dir, tmpfsOptions(bytes)));
        if (!m_mounts.back()->mounted())
            qWarning("%s", qPrintable(m_mounts.back()->why()));
        return m_mounts.back()->mounted();
    }

    std::vector<std::unique_ptr<support::TmpfsMount>> m_mounts;
    static Tally s_tally;
};

Tally TstFaults::s_tally;

void TstFaults::initTestCase()
{
    const QString exe = stageDir() + "/bin/" + launcherName();
    QVERIFY2(QFileInfo(exe).isExecutable(), qPrintable("no installed launcher at " + exe));
    QVERIFY2(QFileInfo(qEnvironmentVariable("ZELTO_FAULT_SHIM")).isFile(), "ZELTO_FAULT_SHIM names no library");
}

void TstFaults::cleanupTestCase()
{
    const QString dir = reportDir();
    const QByteArray table = s_tally.markdown();
    writeFile(dir + "/reliability.md", table);
    qInfo("reliability table (%s/reliability.md):\n%s", qPrintable(dir), table.constData());
}

void TstFaults::init()
{
    m_case = std::make_unique<QTemporaryDir>();
    QVERIFY(m_case->isValid());
    m_root = m_case->path() + "/root";
    m_old.clear();
    m_package.clear();
    // A file system of its own for each case: flushing it waits for nobody
    // else's writes, and what a case leaves goes with its unmounting.
    if (g_privateMounts)
        mountTmpfs(m_case->path(), qint64(512) << 20);
}

void TstFaults::cleanup()
{
    while (!m_mounts.empty())
        m_mounts.pop_back();
    m_case.reset();
}

bool TstFaults::makeRoot(int minSize)
{
    if (!support::makeProductRoot(m_root, stageDir(), kNewBuild,
                                  [&](const QString &package) { return makeFaultPackage(package, kNewBuild, minSize); }))
        return false;
    m_package = snapshot(m_root + "/package/orvilex");
    return true;
}

QString TstFaults::freshHome(const QString &name, int minSize)
{
    const QString home = m_case->path() + "/" + name;
    if (!QDir().mkpath(home) || !makeFaultPackage(appPath(home), kOldBuild, minSize))
        return QString();
    if (m_old.isEmpty())
        m_old = snapshot(appPath(home));
    return home;
}

RunResult TstFaults::run(const QString &home, const Fault *fault)
{
    QProcessEnvironment env = launcherEnvironment(home);
    if (fault)
        applyFault(env, *fault);
    QElapsedTimer timer;
    timer.start();
    QProcess p;
    startLauncher(p, m_root, env);
    RunResult r = finish(p);
    r.ms = timer.elapsed();
    return r;
}

QString TstFaults::finalProblems(const QString &home, int startsBefore, int build)
{
    Problems problems;
    const bool upgraded = build == kNewBuild;
    problems.differ(upgraded ? "application folder is not the package: " : "old copy not back: ",
                    upgraded ? m_package : m_old, snapshot(appPath(home)));
    problems.add("left behind: ", leftovers(home).join(' '));
    const QStringList starts = startLines(home);
    if (starts.size() <= startsBefore || !starts.last().startsWith(QStringLiteral("start %1 ").arg(build)))
        problems << QStringLiteral("the %1 client was not started").arg(upgraded ? "new" : "old");
    return problems.text();
}

// A killed run's lock file is the caller's to age: one that ended leaves
// none empty.
QString TstFaults::nextRunProblems(const QString &home)
{
    const int starts = startLines(home).size();
    const RunResult after = run(home);
    Problems problems;
    problems.add(QString(), finalProblems(home, starts));
    problems.failed(after, "next run: ");
    return problems.text();
}

QStringList TstFaults::diskFullRunProblems(const QString &home, QString *log)
{
    Problems problems;
    problems.failed(run(home));
    problems.add(QString(), finalProblems(home, 0, kOldBuild));
    *log = QString::fromUtf8(readFile(logPath(home)));
    if (!log->contains(QString::fromUtf8(strerror(ENOSPC))))
        problems << "the log does not say the disk is full";
    return problems;
}

QMap<QString, long> TstFaults::countCalls(const QString &name, bool ownFiles, const QString &trace,
                                          int minSize)
{
    const QString home = freshHome(name, minSize);
    if (home.isEmpty())
        return {};
    Fault f = faultIn(home, QString(), 0, QStringLiteral("kill"),
                      ownFiles ? QStringList() : launcherOwnFiles(home));
    f.trace = trace;
    if (run(home, &f).failed())
        return {};
    return lastReport(f.report);
}

// ---- the injection itself ----

// This program doubles as the process under injection: with --touch it
// writes, flushes twice and closes one file, so that each verdict of the
// library can be checked against a known sequence of calls.
static int touchFile(const char *path)
{
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0)
        return 10;
    const bool wrote = ::write(fd, "data\n", 5) == 5;
    const bool firstSync = ::fsync(fd) == 0;
    const bool secondSync = ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    return (wrote ? 0 : 1) | (firstSync ? 0 : 2) | (secondSync ? 0 : 4) | (closed ? 0 : 8);
}

void TstFaults::injectionWorks_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("killed");
    QTest::addColumn<int>("exitCode"); // when not killed
    QTest::addColumn<long>("retries");
    QTest::newRow("count only") << QString() << "kill" << false << 0 << 0L;
    QTest::newRow("kill at the open") << "openw" << "kill" << true << 0 << 0L;
    QTest::newRow("kill at the write") << "write" << "kill" << true << 0 << 0L;
    QTest::newRow("EIO from the write") << "write" << "eio" << false << 1 << 0L;
    QTest::newRow("EIO from the first fsync, then a retry") << "fsync" << "eio" << false << 2 << 1L;
    QTest::newRow("ENOSPC from the close") << "close" << "enospc" << false << 8 << 0L;
    QTest::newRow("the first fsync skipped, reporting success") << "fsync" << "skip" << false << 0 << 0L;
}

void TstFaults::injectionWorks()
{
    QFETCH(QString, op);
    QFETCH(QString, action);
    QFETCH(bool, killed);
    QFETCH(int, exitCode);
    QFETCH(long, retries);
    const QString dir = m_case->path() + "/watched";
    QVERIFY(QDir().mkpath(dir));
    const Fault f = faultIn(dir, op, op.isEmpty() ? 0 : 1, action);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    applyFault(env, f);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(QCoreApplication::applicationFilePath(), {"--touch", dir + "/file"});
    QVERIFY(p.waitForFinished(kRunTimeoutMs));
    if (killed) {
        QCOMPARE(p.exitStatus(), QProcess::CrashExit);
        return;
    }
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), exitCode);
    const QMap<QString, long> report = lastReport(f.report);
    QCOMPARE(report.value("openw"), 1L);
    QCOMPARE(report.value("write"), 1L);
    QCOMPARE(report.value("fsync"), 2L);
    QCOMPARE(report.value("close"), 1L);
    QCOMPARE(report.value("injected"), op.isEmpty() ? 0L : 1L);
    QCOMPARE(report.value("retries"), retries);
}

// ---- the power-cut file system itself ----

// Steps made on the mount, then what the last image of a kind holds: each
// file as "path=content/mode", folders as "path/", sorted, ";"-joined.
void TstFaults::powerCutModel_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("image"); // worst, latest, random
    QTest::addColumn<QString>("expect");
    const QString before = QStringLiteral("d/;d/old=old/644");
    QTest::newRow("a flushed file in an unflushed folder is lost")
        << QStringList{"write d/f new", "fsync d/f"} << "worst" << before;
    QTest::newRow("a file and its folder flushed survive")
        << QStringList{"write d/f new", "fsync d/f", "fsyncdir d"} << "worst" << QStringLiteral("d/;d/f=new/644;d/old=old/644");
    QTest::newRow("a name flushed without its data survives empty")
        << QStringList{"write d/f new", "fsyncdir d"} << "worst" << QStringLiteral("d/;d/f=/644;d/old=old/644");
    QTest::newRow("new data of an old file waits for its flush")
        << QStringList{"write d/old changed", "write d/g g", "fsyncdir d"} << "worst" << QStringLiteral("d/;d/g=/644;d/old=old/644");
    QTest::newRow("a mode survives with the file's flush")
        << QStringList{"chmod d/old 600", "fsync d/old"} << "worst" << QStringLiteral("d/;d/old=old/600");
    QTest::newRow("an unflushed rename is undone")
        << QStringList{"rename d/old d/moved", "write d/x x", "fsync d/x"} << "worst" << before;
    QTest::newRow("a flushed rename survives")
        << QStringList{"rename d/old d/moved", "fsyncdir d"} << "worst" << QStringLiteral("d/;d/moved=old/644");
    QTest::newRow("a rename alone reaches the disk ahead of a create")
        << QStringList{"write d/f new", "rename d/old d/moved"} << "latest" << QStringLiteral("d/;d/moved=old/644");
    QTest::newRow("a removal alone reaches the disk ahead of a create")
        << QStringList{"write d/f new", "unlink d/old"} << "latest" << QStringLiteral("d/");
    QTest::newRow("a removal flushed survives")
        << QStringList{"unlink d/old", "fsyncdir d"} << "worst" << QStringLiteral("d/");
    QTest::newRow("a new folder's names wait for that folder's flush")
        << QStringList{"mkdir d/sub", "write d/sub/f new", "fsync d/sub/f", "fsyncdir d"} << "worst" << before + ";d/sub/";
}

void TstFaults::powerCutModel()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, image);
    QFETCH(QString, expect);
    const QString lacking = PowerCutFs::lacking(g_privateMounts, "no power-cut file system");
    if (!lacking.isEmpty())
        QSKIP(qPrintable(lacking));
    const QString backing = m_case->path() + "/backing";
    QVERIFY(writeFile(backing + "/d/old", "old",
                      QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther));
    const QString mnt = m_case->path() + "/mnt";
    const QString images = m_case->path() + "/images";
    {
        PowerCutFs fs;
        QVERIFY2(fs.mount(backing, mnt, images, {}), qPrintable(fs.why()));
        for (const QString &step : steps) {
            const QStringList w = step.split(' ');
            const QByteArray path = QFile::encodeName(mnt + "/" + w.value(1));
            bool ok = false;
            if (w[0] == "write") {
                ok = writeFile(mnt + "/" + w[1], w.value(2).toUtf8());
            } else if (w[0] == "fsync" || w[0] == "fsyncdir") {
                const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
                ok = fd >= 0 && ::fsync(fd) == 0;
                if (fd >= 0)
                    ::close(fd);
            } else if (w[0] == "chmod") {
                ok = ::chmod(path.constData(), mode_t(w.value(2).toUInt(nullptr, 8))) == 0;
            } else if (w[0] == "rename") {
                ok = ::rename(path.constData(), QFile::encodeName(mnt + "/" + w.value(2)).constData()) == 0;
            } else if (w[0] == "unlink") {
                ok = ::unlink(path.constData()) == 0;
            } else if (w[0] == "mkdir") {
                ok = ::mkdir(path.constData(), 0755) == 0;
            }
            QVERIFY2(ok, qPrintable(step + ": " + QString::fromUtf8(strerror(errno))));
        }
    }
    QString last;
    for (const CutPoint &p : readCutPoints(images))
        if (QFileInfo::exists(QStringLiteral("%1/%2.%3").arg(images).arg(p.n).arg(image)))
            last = QStringLiteral("%1/%2.%3").arg(images).arg(p.n).arg(image);
    QVERIFY2(!last.isEmpty(), "no image of that kind was written");
    QStringList got;
    const Tree tree = snapshot(last);
    for (auto it = tree.begin(); it != tree.end(); ++it)
        got << QString::fromUtf8(it->type == 'd' ? it.key() + "/"
                                                 : it.key() + "=" + it->content + "/" + QByteArray::number(it->mode & 07777, 8));
    got.sort();
    QCOMPARE(got.join(';'), expect);
}

// ---- every crash point ----

void TstFaults::crashPoints_data()
{
    QTest::addColumn<QString>("op");
    for (const char *op : {"rename", "mkdir", "unlink", "openw", "write", "fsync", "close"})
        QTest::newRow(op) << QString::fromLatin1(op);
}

void TstFaults::crashPoints()
{
    QFETCH(QString, op);
    QVERIFY(makeRoot());
    const QMap<QString, long> counts = countCalls("count", true);
    QVERIFY2(counts.contains(op), "the counting run failed");
    const long total = counts.value(op);
    QVERIFY2(total > 0, qPrintable("an upgrade makes no " + op + " call"));

    Cases cases{s_tally, QStringLiteral("SIGKILL at every %1 call of an upgrade").arg(op), {}};
    for (long n = 1; n <= total; ++n) {
        const QString home = freshHome(QStringLiteral("kill-%1").arg(n));
        QVERIFY(!home.isEmpty());
        const Fault f = faultIn(home, op, n);
        const RunResult killed = run(home, &f);
        nextStartComesLater(home);
        QString problems = nextRunProblems(home);
        if (killed.timedOut)
            problems += " (the killed run timed out)";
        cases.add(QStringLiteral("at %1 (%2)").arg(n).arg(describe(killed)), problems);
        QDir(home).removeRecursively();
    }
    QVERIFY2(cases.failures.isEmpty(),
             qPrintable(cases.text(total, "crash points lost something")));
}

// ---- I/O errors ----

void TstFaults::ioErrors_data()
{
    QTest::addColumn<QString>("op");
    for (const char *op : {"write", "fsync", "close"})
        QTest::newRow(op) << QString::fromLatin1(op);
}

void TstFaults::ioErrors()
{
    QFETCH(QString, op);
    QVERIFY(makeRoot());
    const QMap<QString, long> counts = countCalls("count", false);
    QVERIFY2(counts.contains(op), "the counting run failed");
    const long total = counts.value(op);
    QVERIFY(total > 0);

    Cases cases{s_tally, QStringLiteral("EIO from the N-th %1").arg(op), {}};
    for (long n = 1; n <= total; ++n) {
        const QString home = freshHome(QStringLiteral("eio-%1").arg(n));
        QVERIFY(!home.isEmpty());
        const Fault f = faultIn(home, op, n, QStringLiteral("eio"), launcherOwnFiles(home));
        Problems problems;
        problems.failed(run(home, &f), "faulty run: ");
        const QMap<QString, long> report = lastReport(f.report);
        if (report.value("retries") != 0)
            problems << QStringLiteral("fsync retried %1 times after its failure").arg(report.value("retries"));
        QString injectedPath;
        for (const QByteArray &line : readFile(f.report).split('\n'))
            if (line.startsWith("injected "))
                injectedPath = QString::fromUtf8(line).section(' ', 3);
        const QString log = QString::fromUtf8(readFile(logPath(home)));
        if (log.contains("user installation is ready")) {
            if (injectedPath.startsWith(appPath(home) + "/"))
                problems << "success reported although " + injectedPath + " failed";
            problems.differ("success reported but the copy differs: ", m_package,
                            snapshot(appPath(home)));
        } else if (!injectedPath.isEmpty()) {
            problems.add("no rollback: ", finalProblems(home, 0, kOldBuild));
            if (!log.contains("Failed to upgrade package"))
                problems << "the failure is not in the log";
        }
        problems.add("next run: ", nextRunProblems(home));
        cases.add(QStringLiteral("at %1 (%2)").arg(n).arg(injectedPath), problems.text());
        QDir(home).removeRecursively();
    }
    QVERIFY2(cases.failures.isEmpty(), qPrintable(cases.text(total, "I/O errors went wrong")));
}

// ---- random kills ----

void TstFaults::randomKills()
{
    QVERIFY(makeRoot());
    qint64 upgradeMs = 0;
    for (int i = 0; i < 3; ++i) {
        const QString home = freshHome(QStringLiteral("measure-%1").arg(i));
        const RunResult r = run(home);
        QCOMPARE(r.code, 0);
        QVERIFY2(finalProblems(home, 0).isEmpty(), qPrintable(finalProblems(home, 0)));
        upgradeMs = qMax(upgradeMs, r.ms);
    }
    const quint32 seed = 20261208;
    QRandomGenerator random(seed);
    const int trials = 50;
    const QString cls = QStringLiteral("SIGKILL at a random moment (0 to 1.1 x %1 ms)");
    Cases cases{s_tally, cls.arg(upgradeMs), {}};
    for (int t = 0; t < trials; ++t) {
        const QString home = freshHome(QStringLiteral("random-%1").arg(t));
        QVERIFY(!home.isEmpty());
        const int delay = int(random.bounded(quint32(upgradeMs * 11 / 10 + 1)));
        QProcess p;
        startLauncher(p, m_root, launcherEnvironment(home));
        QVERIFY(p.waitForStarted());
        QThread::msleep(delay);
        p.kill();
        p.waitForFinished(kRunTimeoutMs);
        nextStartComesLater(home);
        cases.add(QStringLiteral("after %1 ms").arg(delay), nextRunProblems(home));
        QDir(home).removeRecursively();
    }
    QVERIFY2(cases.failures.isEmpty(), qPrintable(QStringLiteral("seed %1, ").arg(seed)
                                                  + cases.text(trials, "trials lost something")));
}

// ---- full disk ----

void TstFaults::fullDisk()
{
    if (!g_privateMounts)
        QSKIP("mounting a small tmpfs needs root and a mount namespace of our own");
    const int minSize = 8192;
    QVERIFY(makeRoot(minSize));
    const QString home = m_case->path() + "/home";
    QVERIFY(mountTmpfs(home, 64 << 20));
    QVERIFY(!freshHome("home", minSize).isEmpty());

    // Room for the old copy, half the new one and the launcher's own files.
    qint64 packagePages = 0;
    for (auto it = m_package.begin(); it != m_package.end(); ++it)
        if (it->type == 'f')
            packagePages += pagesOf(it->content.size());
    const qint64 used = (64 << 20) / 4096 - QStorageInfo(home).bytesAvailable() / 4096;
    const qint64 size = (used + packagePages / 2 + 24) * 4096;
    QVERIFY2(m_mounts.back()->remount(tmpfsOptions(size)), strerror(errno));

    QString log;
    QStringList problems = diskFullRunProblems(home, &log);
    if (!log.contains("rollback to old installation"))
        problems << "the log does not tell of the rollback";
    s_tally.add(QStringLiteral("Full disk: no room for the new copy beside the old"), problems.isEmpty());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ") + "\nlog:\n" + log.right(3000)));
}

// The log on a small disk of its own that is full to the last page: the
// log file can be made, no line fits. The lines, and once why they were
// not written, reach standard error instead.
void TstFaults::logDiskFull()
{
    if (!g_privateMounts)
        QSKIP("mounting a small tmpfs needs root and a mount namespace of our own");
    QVERIFY(makeRoot());
    const QString home = freshHome("home");
    QVERIFY(!home.isEmpty());
    const QString logDir = zeltoDir(home) + "/log";
    QVERIFY(mountTmpfs(logDir, 64 << 10));
    {
        const int fd = ::open(QFile::encodeName(logDir + "/filler").constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        QVERIFY(fd >= 0);
        const QByteArray page(4096, 'x');
        while (::write(fd, page.constData(), size_t(page.size())) > 0) {
        }
        const int err = errno;
        ::close(fd);
        QCOMPARE(err, ENOSPC);
    }

    const RunResult r = run(home);
    Problems problems;
    problems.failed(r);
    problems.add(QString(), finalProblems(home, 0));
    if (QFileInfo(logPath(home)).size() != 0)
        problems << "a line fitted into the full disk";
    const QString err = QString::fromUtf8(r.err);
    const QString cause = QStringLiteral("write(%1): %2 (%3)\n").arg(logPath(home), QString::fromUtf8(strerror(ENOSPC))).arg(ENOSPC);
    if (err.count(cause) != 1)
        problems << QStringLiteral("the cause is told %1 times").arg(err.count(cause));
    for (const QString &line : {QStringLiteral("[DEBUG] launcher.cpp("), QStringLiteral("user installation is ready, removing backup app")})
        if (!err.contains(line))
            problems << "'" + line + "' is not on standard error";
    s_tally.add(QStringLiteral("Log on a full disk: its lines go to standard error"), problems.isEmpty());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ") + "\nstandard error:\n" + err.right(3000)));
}

void TstFaults::diskFillsAt_data()
{
    QTest::addColumn<double>("through"); // how far through the copy's large files
    QTest::newRow("first file") << 0.0;
    QTest::newRow("middle file") << 0.5;
    QTest::newRow("last file") << 1.0;
}

void TstFaults::diskFillsAt()
{
    QFETCH(double, through);
    if (!g_privateMounts)
        QSKIP("mounting a small tmpfs needs root and a mount namespace of our own");
    const int minSize = 32768;
    QVERIFY(makeRoot(minSize));
    const qint64 fsSize = 64 << 20;

    // A trial upgrade on a roomy disk shows the order of the copied files
    // and the room left when each one is opened.
    const QString trialHome = m_case->path() + "/trial";
    QVERIFY(mountTmpfs(trialHome, fsSize));
    const QString trace = m_case->path() + "/trial.trace";
    QVERIFY(!countCalls("trial", true, trace, minSize).isEmpty());
    struct Open {
        QString rel;
        qint64 avail;
        qint64 pages;
    };
    QVector<Open> opens;
    const QString appPrefix = appPath(trialHome) + "/";
    for (const QByteArray &line : readFile(trace).split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() < 4 || f[0] != "openw")
            continue;
        const QString path = QString::fromUtf8(line).section(' ', 3);
        if (!path.startsWith(appPrefix))
            continue;
        const QString rel = path.mid(appPrefix.size());
        const qint64 pages = pagesOf(QFileInfo(m_root + "/package/orvilex/" + rel).size());
        if (pages >= 8)
            opens.append({rel, f[2].toLongLong(), pages});
    }
    QVERIFY2(opens.size() >= 3, "too few large files in the copy");
    const Open target = opens[qMin(int(opens.size() * through), opens.size() - 1)];

    // The same home again, with the disk filled so that the chosen file
    // finds half the room it needs.
    const QString home = m_case->path() + "/home";
    QVERIFY(mountTmpfs(home, fsSize));
    m_old.clear();
    QVERIFY(!freshHome("home", minSize).isEmpty());
    const qint64 fill = target.avail - target.pages / 2;
    QVERIFY(fill > 0);
    QVERIFY(writeFile(home + "/filler", QByteArray(int(fill * 4096), 'x')));

    QString log;
    QStringList problems = diskFullRunProblems(home, &log);
    const int failedAt = log.indexOf("FSCopyPath: failed to copy from");
    qInfo("disk filled at %s: %s", qPrintable(target.rel),
          qPrintable(failedAt < 0 ? QStringLiteral("no copy failed") : log.mid(failedAt, log.indexOf('\n', failedAt) - failedAt)));
    if (failedAt < 0)
        problems << "no file of the copy failed";
    s_tally.add(QStringLiteral("Disk fills at the first, a middle or the last file"), problems.isEmpty());
    QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("filling at %1: ").arg(target.rel) + problems.join("; ")
                                            + "\nlog:\n" + log.right(3000)));
}

// ---- hostile surroundings ----

void TstFaults::hostile_data()
{
    QTest::addColumn<Arrange>("arrange");
    QTest::addColumn<bool>("asNobody");
    QTest::addColumn<int>("build"); // of the copy the application folder must hold
    QTest::addColumn<bool>("backupNamesFreed");
    QTest::newRow("backup names are files") << Arrange([](const Scene &s) {
        for (int n = 0; n < 4; ++n)
            QVERIFY(writeFile(s.backup(n), "not a folder\n"));
    }) << false << kNewBuild << false;
    QTest::newRow("backup names link to another folder") << Arrange([](const Scene &s) {
        QVERIFY(link(s.docs, s.backup(0)));
        QVERIFY(link(s.docs + "/sub", s.backup(1)));
        QVERIFY(link(s.outside, s.backup(2)));
    }) << false << kNewBuild << false;
    // Leftover links, with no installation journal: removed (never followed),
    // so the backup names are free again.
    QTest::newRow("all ten backup names link away") << Arrange([](const Scene &s) {
        for (int n = 0; n < 10; ++n)
            QVERIFY(link(n % 2 ? s.outside : s.docs, s.backup(n)));
    }) << false << kNewBuild << true;
    QTest::newRow("backup names are unreadable folders") << Arrange([](const Scene &s) {
        for (int n = 0; n < 2; ++n) {
            QVERIFY(writeFile(s.backup(n) + "/kept/file", "x\n"));
            QVERIFY(::chmod(QFile::encodeName(s.backup(n)).constData(), 0) == 0);
        }
    }) << true << kNewBuild << false;
    QTest::newRow("package links to private folders") << Arrange([](const Scene &s) {
        QVERIFY(link(s.docs, s.package() + "/share/docs"));
        QVERIFY(link(s.home + "/.ssh", s.package() + "/share/ssh"));
    }) << false << kOldBuild << false;
    QTest::newRow("package links to a private file") << Arrange([](const Scene &s) {
        QVERIFY(link(s.home + "/.ssh/id_zelto", s.package() + "/share/key"));
    }) << false << kNewBuild << false;
    QTest::newRow("installed copy links to private folders") << Arrange([](const Scene &s) {
        QVERIFY(link(s.docs, s.app + "/share/docs"));
        QVERIFY(link(s.home + "/.ssh", s.app + "/lib/ssh"));
        QVERIFY(link(s.home + "/.ssh/id_zelto", s.app + "/etc/key"));
        QVERIFY(link(s.outside, s.app + "/outside"));
    }) << false << kNewBuild << false;
    QTest::newRow("application folder is a link") << Arrange([](const Scene &s) {
        QVERIFY(QDir(s.app).removeRecursively());
        QVERIFY(link(s.docs + "/Zelto", s.app));
    }) << false << kNewBuild << false;
    QTest::newRow("legacy app folder is a link") << Arrange([](const Scene &s) {
        QVERIFY(QDir().mkpath(s.home + "/.Orvilex"));
        QVERIFY(link(s.docs, s.home + "/.Orvilex/app"));
    }) << false << kNewBuild << false;
    QTest::newRow("journal's temporary name links to a document") << Arrange([](const Scene &s) {
        QVERIFY(link(s.docs + "/letter.txt", s.app + ".installing.new"));
    }) << false << kNewBuild << false;
    QTest::newRow("log file links to a document") << Arrange([](const Scene &s) {
        QVERIFY(QDir().mkpath(zeltoDir(s.home) + "/log"));
        QVERIFY(link(s.docs + "/letter.txt", zeltoDir(s.home) + "/log/launcher.log"));
    }) << false << kNewBuild << false;
    QTest::newRow("per-user folder links to another disk") << Arrange([](const Scene &s) {
        QVERIFY(QDir().mkpath(s.casePath + "/other-disk"));
        QVERIFY(::rename(QFile::encodeName(zeltoDir(s.home)).constData(),
                         QFile::encodeName(s.casePath + "/other-disk/zelto").constData()) == 0);
        QVERIFY(link(s.casePath + "/other-disk/zelto", zeltoDir(s.home)));
    }) << false << kNewBuild << false;
    QTest::newRow("package links to a device") << Arrange([](const Scene &s) {
        QVERIFY(link("/dev/zero", s.package() + "/share/zero"));
    }) << false << kOldBuild << false;
}

void TstFaults::hostile()
{
    QFETCH(Arrange, arrange);
    QFETCH(bool, asNobody);
    QFETCH(int, build);
    QFETCH(bool, backupNamesFreed);
    QVERIFY(makeRoot());
    const QString home = freshHome("home");
    QVERIFY(!home.isEmpty());
    const Scene s{home, appPath(home), home + "/Documents", m_case->path() + "/outside", m_root,
                  m_case->path()};

    // The user's own things, which no run may touch.
    QVERIFY(writeFile(s.docs + "/letter.txt", "dear user\n"));
    QVERIFY(writeFile(s.docs + "/Zelto/INFO", infoFile(kOldBuild)));
    QVERIFY(makeFaultPackage(s.docs + "/Zelto", kOldBuild));
    QVERIFY(writeFile(s.docs + "/sub/deeper/notes.txt", "notes\n"));
    QVERIFY(writeFile(home + "/.ssh/id_zelto", "secret key\n", QFile::ReadOwner | QFile::WriteOwner));
    QVERIFY(writeFile(s.outside + "/data.txt", "outside\n"));

    arrange(s);
    if (QTest::currentTestFailed())
        return;
    // The package as it is now is what a complete installation holds; a
    // link in it to a file is copied as a file of the user's own.
    m_package = snapshot(s.package());
    for (auto it = m_package.begin(); it != m_package.end(); ++it) {
        const QString target = QString::fromUtf8(it->content);
        if (it->type == 'l' && QFileInfo(target).isFile()) {
            const mode_t mask = ::umask(0);
            ::umask(mask);
            *it = support::Node();
            it->type = 'f';
            it->content = readFile(target);
            it->mode = S_IFREG | (0777 & ~unsigned(mask));
        }
    }
    const bool userFolderLinked = QFileInfo(zeltoDir(home)).isSymLink();

    const Tree docsBefore = snapshot(s.docs, support::Times);
    const Tree sshBefore = snapshot(home + "/.ssh", support::Times);
    const Tree outsideBefore = snapshot(s.outside, support::Times);

    QProcess launcher;
    if (asNobody) {
        QVERIFY(QProcess::execute("chown", {"-R", "65534:65534", m_case->path()}) == 0);
        QVERIFY(::chmod(QFile::encodeName(m_case->path()).constData(), 0755) == 0);
        // Permission bits bind the user only when the run drops root.
        launcher.setProcessEnvironment(launcherEnvironment(home));
        launcher.start("setpriv", {"--reuid=65534", "--regid=65534", "--clear-groups",
                                   m_root + "/bin/" + launcherName()});
    } else {
        startLauncher(launcher, m_root, launcherEnvironment(home));
    }

    Problems problems;
    problems.failed(finish(launcher));
    problems.differ("Documents changed: ", docsBefore, snapshot(s.docs, support::Times));
    problems.differ(".ssh changed: ", sshBefore, snapshot(home + "/.ssh", support::Times));
    problems.differ("a folder outside the home changed: ", outsideBefore,
                    snapshot(s.outside, support::Times));
    if (QFileInfo(s.app).isSymLink())
        problems << "the application folder is still a link";
    const bool upgraded = build == kNewBuild;
    problems.differ(QStringLiteral("the application folder is not the %1 copy: ")
                        .arg(upgraded ? "new" : "old"),
                    upgraded ? m_package : m_old, snapshot(s.app));
    const QStringList starts = startLines(home);
    if (starts.isEmpty() || !starts.last().startsWith(QStringLiteral("start %1 ").arg(build)))
        problems << "the client was not started";
    if (userFolderLinked && !QFileInfo(zeltoDir(home)).isSymLink())
        problems << "the per-user folder is no longer a link";
    if (backupNamesFreed && !leftovers(home).isEmpty())
        problems << "leftover backup names stayed: " + leftovers(home).join(' ');
    s_tally.add(QStringLiteral("Hostile surroundings (links, files, unreadable folders)"), problems.isEmpty());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.text()));
}

// ---- pid files ----

void TstFaults::pidFiles_data()
{
    // @SELF@, @PARENT@, @DECOY@ filled in the namespace; a file that names
    // the parent or the decoy is then dated before they started, as a stale
    // file whose id a later process got (a file written after they started
    // names the process that wrote it, and that one is stopped).
    QTest::addColumn<QByteArray>("content"); // of a written pid file
    QTest::addColumn<PidFile>("pidFile");
    QTest::addColumn<bool>("wholeSeconds"); // the home keeps file times in whole seconds
    for (const char *written : {"pid=0", "pid=-1", "pid=-5", "pid=1"})
        QTest::newRow(written) << QByteArray(written) + '\n' << PidFile::Written << false;
    QTest::newRow("pid= (empty)") << QByteArray("pid=\n") << PidFile::Written << false;
    QTest::newRow("empty file") << QByteArray() << PidFile::Written << false;
    QTest::newRow("pid=99999999999") << QByteArray("pid=99999999999\n") << PidFile::Written << false;
    QTest::newRow("pid=12abc") << QByteArray("pid=12abc\n") << PidFile::Written << false;
    QTest::newRow("launcher's own pid") << QByteArray("pid=@SELF@\n") << PidFile::Written << false;
    QTest::newRow("launcher's parent") << QByteArray("pid=@PARENT@\n") << PidFile::Written << false;
    QTest::newRow("another process of the user") << QByteArray("pid=@DECOY@\n") << PidFile::Written << false;
    QByteArray big;
    while (big.size() < (1 << 20))
        big += "# padding padding padding padding padding padding padding padding\n";
    QTest::newRow("1 MB file") << big + "pid=@DECOY@\n" << PidFile::Written << false;
    QTest::newRow("folder in place of the file") << QByteArray() << PidFile::Folder << false;
    QTest::newRow("the running client (control)") << QByteArray() << PidFile::OwnClient << false;
    // A home shared with another host (pid, host-name and mount spaces and
    // a machine id of its own): that host's client writes its id, which
    // here is another program of the user, started before the write.
    QTest::newRow("home shared with another host") << QByteArray() << PidFile::OtherHost << false;
    // A home that keeps whole seconds: the pid file seems written before
    // the client started, in the same second; the client is stopped.
    QTest::newRow("the running client, whole-second file times") << QByteArray() << PidFile::OwnClient << true;
}

void TstFaults::pidFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(PidFile, pidFile);
    QFETCH(bool, wholeSeconds);
    if (QProcess::execute("unshare", {"--fork", "--pid", "--mount-proc", "true"}) != 0)
        QSKIP("a private pid namespace (unshare --fork --pid --mount-proc) needs root");
    QVERIFY(makeRoot());
    QString home = freshHome("home");
    QVERIFY(!home.isEmpty());
    const QString dir = m_case->path();
    PowerCutFs fs;
    if (wholeSeconds) {
        const QString lacking =
            PowerCutFs::lacking(g_privateMounts, "no file system with whole-second times");
        if (!lacking.isEmpty())
            QSKIP(qPrintable(lacking));
        QVERIFY2(fs.mount(home, dir + "/mnt", dir + "/images", {"/.QuenmarkZelto", "/.pvk-qt"},
                          {"--whole-seconds"}),
                 qPrintable(fs.why()));
        home = dir + "/mnt";
    }
    const QString pidPath = zeltoDir(home) + "/ui.pid";
    const QString out = dir + "/events.log";
    if (pidFile == PidFile::Folder)
        QVERIFY(QDir().mkpath(pidPath + "/inside"));
    else if (pidFile == PidFile::Written)
        QVERIFY(writeFile(pidPath, content));

    // pid 1 of the namespace: the decoy, then the launcher below a parent
    // of its own; every signal any of them gets is written down.
    const QByteArray parentTraps = "for s in TERM HUP INT USR1 USR2 QUIT; do trap \"echo \\\"$ROLE $s\\\" >> \\\"$OUT\\\"\" $s; done\n";
    const QByteArray traps = "for s in TERM HUP INT USR1 USR2 QUIT; do trap \"echo \\\"$ROLE $s\\\" >> \\\"$OUT\\\"; exit 0\" $s; done\n";
    QVERIFY(writeFile(dir + "/decoy.sh", "#!/bin/sh\nROLE=decoy\n" + traps + "while :; do sleep 0.1 & wait $!; done\n", kExecutable));
    QVERIFY(writeFile(dir + "/exec-launcher.sh",
                      "#!/bin/sh\ngrep -qs @SELF@ \"$PIDFILE\" && sed -i \"s/@SELF@/$$/g\" \"$PIDFILE\"\nexec \"$LAUNCHER\" >/dev/null 2>&1\n",
                      kExecutable));
    QVERIFY(writeFile(dir + "/parent.sh",
                      "#!/bin/sh\nROLE=parent\n" + parentTraps
                          + "grep -qs @PARENT@ \"$PIDFILE\" && sed -i \"s/@PARENT@/$$/g\" \"$PIDFILE\" && touch -m -d @1 \"$PIDFILE\"\n"
                            "\"$CASE/exec-launcher.sh\"\necho \"rc $?\" >> \"$OUT\"\n",
                      kExecutable));
    QVERIFY(writeFile(dir + "/init.sh",
                      "#!/bin/sh\n"
                      "for s in TERM HUP INT USR1 USR2 QUIT; do trap \"echo \\\"init $s\\\" >> \\\"$OUT\\\"\" $s; done\n"
                      "\"$CASE/decoy.sh\" &\ndecoy=$!\n"
                      "if [ -n \"$WHOLE_SECONDS\" ]; then\n"
                      // Well inside a second: its whole second lies clearly before the start.
                      "  while :; do case $(date +%N) in [1-5]*) break;; esac; sleep 0.01; done\n"
                      "fi\n"
                      "if [ -n \"$OWN_CLIENT\" ]; then\n"
                      "  \"$APP/bin/cloud-zelto-ui\" & client=$!\n"
                      "  while [ ! -s \"$PIDFILE\" ]; do sleep 0.05; done\n"
                      "fi\n"
                      "if [ -n \"$OTHER_HOST\" ]; then\n"
                      "  unshare --uts --mount /bin/sh \"$CASE/host-b.sh\" & hostb=$!\n"
                      "  while [ ! -s \"$PIDFILE\" ] && kill -0 $hostb 2>/dev/null; do sleep 0.05; done\n"
                      "fi\n"
                      "sleep 0.2\n"
                      "grep -qs @DECOY@ \"$PIDFILE\" && sed -i \"s/@DECOY@/$decoy/g\" \"$PIDFILE\" && touch -m -d @1 \"$PIDFILE\"\n"
                      "\"$CASE/parent.sh\"\n"
                      "sleep 0.3\n"
                      "kill -0 $decoy 2>/dev/null && echo \"decoy alive\" >> \"$OUT\"\n"
                      "[ -n \"$client\" ] && kill -0 $client 2>/dev/null && echo \"client alive\" >> \"$OUT\"\n"
                      "exit 0\n",
                      kExecutable));

    // The other host: its own host name and machine id, and its client as
    // the first process its pid space starts, as the decoy is here.
    QVERIFY(writeFile(dir + "/machine-id-b", "0123456789abcdef0123456789abcdef\n"));
    QVERIFY(writeFile(dir + "/host-b.sh",
                      "#!/bin/sh\nhostname zelto-host-b || exit 1\n"
                      "if [ -e /etc/machine-id ]; then mount --bind \"$CASE/machine-id-b\" /etc/machine-id || exit 1; fi\n"
                      "exec unshare --fork --kill-child --pid --mount-proc /bin/sh -c '\"$APP/bin/cloud-zelto-ui\" & wait'\n",
                      kExecutable));

    QProcessEnvironment env = launcherEnvironment(home);
    env.insert("CASE", dir);
    env.insert("OUT", out);
    env.insert("OWN_CLIENT", pidFile == PidFile::OwnClient ? "1" : "");
    env.insert("OTHER_HOST", pidFile == PidFile::OtherHost ? "1" : "");
    env.insert("WHOLE_SECONDS", wholeSeconds ? "1" : "");
    env.insert("APP", appPath(home));
    env.insert("PIDFILE", pidPath);
    env.insert("LAUNCHER", m_root + "/bin/" + launcherName());
    QProcess ns;
    ns.setProcessEnvironment(env);
    ns.start("unshare", {"--fork", "--pid", "--mount-proc", "/bin/sh", dir + "/init.sh"});
    QVERIFY(ns.waitForFinished(kRunTimeoutMs));
    const QString events = QString::fromUtf8(readFile(out)) + QString::fromUtf8(readFile(home + "/signals.log"));

    Problems problems;
    if (!events.contains("rc 0"))
        problems << "the launcher did not end with 0";
    if (!events.contains("decoy alive"))
        problems << "the decoy did not survive";
    const QRegularExpression signalled(QStringLiteral("^(decoy|init|parent) (TERM|HUP|INT|USR1|USR2|QUIT)$"),
                                       QRegularExpression::MultilineOption);
    const QRegularExpressionMatch hit = signalled.match(events);
    if (hit.hasMatch())
        problems << hit.captured(1) + " got " + hit.captured(2);
    if (pidFile == PidFile::OwnClient) {
        if (!events.contains("client TERM") || events.contains("client alive"))
            problems << "the running client was not stopped";
    } else if (events.contains("client TERM")) {
        problems << "a client was signalled";
    }
    struct stat pidStatus;
    if (wholeSeconds && (::stat(QFile::encodeName(pidPath).constData(), &pidStatus) != 0 || pidStatus.st_mtim.tv_nsec != 0))
        problems << "the pid file's time is not in whole seconds";
    const QString note = QString("process 2 does not use '%1', client taken as not running").arg(appPath(home));
    if (pidFile == PidFile::OtherHost && !readFile(logPath(home)).contains(QFile::encodeName(note)))
        problems << "no NOTE says that process 2 does not use the copy";
    problems.differ("the upgrade did not complete: ", m_package, snapshot(appPath(home)));
    s_tally.add(QStringLiteral("Pid files: forged, stale, malformed (private pid namespace)"), problems.isEmpty());
    QVERIFY2(problems.isEmpty(), qPrintable(problems.text() + "\nevents:\n" + events));
}

// ---- many launchers ----

void TstFaults::manyLaunchers()
{
    QVERIFY(makeRoot());
    const QString home = freshHome("home");
    QVERIFY(!home.isEmpty());
    const QString hold = home + "/release";
    const QString fifo = m_case->path() + "/gate";
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    const int perRound = 20;
    const int rounds = 50;
    const QString lockFile = home + "/.pvk-qt/" + launcherName() + ".lock";

    const QString cls = QStringLiteral("%1 launchers released at once (rounds)").arg(perRound);
    Cases cases{s_tally, cls, {}};
    for (int round = 0; round < rounds; ++round) {
        // Every other round the installed copy is older: the one launcher
        // that proceeds upgrades while the others knock.
        if (round % 2 == 0)
            QVERIFY(writeFile(appPath(home) + "/INFO", infoFile(kOldBuild)));
        QFile::remove(hold);
        const int startsBefore = startLines(home).size();

        const int gate = ::open(QFile::encodeName(fifo).constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(gate >= 0);
        QProcessEnvironment env = launcherEnvironment(home);
        env.insert("FAULTS_HOLD", hold);
        std::vector<std::unique_ptr<QProcess>> procs;
        for (int i = 0; i < perRound; ++i) {
            auto p = std::make_unique<QProcess>();
            p->setProcessEnvironment(env);
            p->setStandardErrorFile(QProcess::nullDevice());
            p->start("/bin/sh", {"-c", "read x < \"$0\"; exec \"$1\"", fifo, m_root + "/bin/" + launcherName()});
            procs.push_back(std::move(p));
        }
        for (auto &p : procs)
            QVERIFY(p->waitForStarted());
        QThread::msleep(200);
        const QByteArray release(perRound, '\n');
        QVERIFY(::write(gate, release.constData(), size_t(release.size())) == release.size());

        // All but the one that proceeds end on their own; it waits in the
        // start script until released.
        auto running = [&]() {
            int n = 0;
            for (auto &p : procs)
                if (p->state() != QProcess::NotRunning && !p->waitForFinished(0))
                    ++n;
            return n;
        };
        waitUntil([&] { return running() <= 1; }, kRunTimeoutMs);
        // The one inside must have reached its start script.
        waitUntil([&] { return startLines(home).size() != startsBefore || running() != 1; },
                  kRunTimeoutMs);

        Problems problems;
        const int inside = running();
        if (inside != 1)
            problems << QStringLiteral("%1 launchers proceeded").arg(inside);

        if (round == 3 && inside == 1) {
            // A lock held for long is still held: age never makes it stale.
            struct utimbuf old = {time(nullptr) - 86400, time(nullptr) - 86400};
            ::utime(QFile::encodeName(lockFile).constData(), &old);
            for (int i = 0; i < 5; ++i) {
                const RunResult late = run(home);
                if (late.code != 0)
                    problems << "late launcher: " + describe(late);
            }
        }

        const bool killRound = round % 5 == 4;
        for (auto &p : procs)
            if (killRound && p->state() != QProcess::NotRunning)
                ::kill(pid_t(p->processId()), SIGKILL);
        writeFile(hold, "go\n");
        // The start script of a killed holder lives on until released.
        if (killRound)
            QThread::msleep(200);
        for (auto &p : procs) {
            if (!p->waitForFinished(kRunTimeoutMs))
                p->kill();
            if (!killRound && (p->exitStatus() != QProcess::NormalExit || p->exitCode() != 0))
                problems << "a launcher ended with " + QString::number(p->exitCode());
        }
        ::close(gate);

        const int started = startLines(home).size() - startsBefore;
        if (started != 1)
            problems << QStringLiteral("%1 start scripts ran").arg(started);
        if (!killRound)
            problems.differ("copy differs: ", m_package, snapshot(appPath(home)));
        cases.add(QStringLiteral("round %1%2").arg(round).arg(killRound ? " (holder killed)" : ""),
                  problems.text());
    }
    // After all of it, one plain run completes the installation.
    const int starts = startLines(home).size();
    const RunResult last = run(home);
    QCOMPARE(last.code, 0);
    const QString fin = finalProblems(home, starts);
    QVERIFY2(cases.failures.isEmpty(), qPrintable(cases.failures.join('\n')));
    QVERIFY2(fin.isEmpty(), qPrintable(fin));
}

// ---- power cuts ----

QString TstFaults::repairedProblems(const QString &home, int startsBefore, bool fresh)
{
    Problems problems;
    const Tree copy = snapshot(appPath(home));
    const bool isNew = difference(m_package, copy).isEmpty();
    const bool isOld = !m_old.isEmpty() && difference(m_old, copy).isEmpty();
    const bool none = copy.isEmpty() && !QFileInfo::exists(appPath(home));
    if (!isNew && !isOld && !(fresh && none))
        problems << "neither copy complete: "
                + difference(m_old.isEmpty() || copy.contains("package") ? m_package : m_old, copy);
    problems.add("left behind: ", leftovers(home).join(' '));
    const QStringList starts = startLines(home);
    if (!none && (starts.size() <= startsBefore
                  || !starts.last().startsWith(QStringLiteral("start %1 ").arg(isNew ? kNewBuild : kOldBuild))))
        problems << "the client was not started";
    return problems.text();
}

void TstFaults::powerCuts_data()
{
    QTest::addColumn<QString>("subject");     // in the reliability table
    QTest::addColumn<QString>("keptAs");      // in the names of what failed cuts left
    QTest::addColumn<bool>("installed");      // an old copy is there before the run
    QTest::addColumn<bool>("killedHalfWay");  // by a run before, in the middle of the copy
    QTest::addColumn<bool>("clientRunning");  // the old client runs during the upgrade
    QTest::addColumn<QString>("forgotten");   // a folder of the copy whose flush is skipped
    QTest::newRow("upgrade with the client running")
        << "an upgrade" << "upgrade" << true << false << true << QString();
    QTest::newRow("first installation")
        << "a first installation" << "first" << false << false << false << QString();
    QTest::newRow("repair of an upgrade killed half-way")
        << "the repair of an upgrade killed half-way" << "repair" << true << true << false << QString();
    // The control: the sweep must notice a flush that is not made.
    QTest::newRow("upgrade that forgets one folder's flush (noticed)")
        << "an upgrade" << "upgrade" << true << false << true << "etc/keys";
}

// The run goes through the power-cut file system, which writes what a
// power cut would leave at each of its flushes and renames. On every such
// image, one run with the package gone must leave a complete copy (the new
// one once it was durable, the old one before), and one normal run must
// end with the package's copy, nothing left behind and the client started.
void TstFaults::powerCuts()
{
    QFETCH(QString, subject);
    QFETCH(QString, keptAs);
    QFETCH(bool, installed);
    QFETCH(bool, killedHalfWay);
    QFETCH(bool, clientRunning);
    QFETCH(QString, forgotten);
    const QString lacking = PowerCutFs::lacking(g_privateMounts, "no power-cut file system");
    if (!lacking.isEmpty())
        QSKIP(qPrintable(lacking));
    QVERIFY(makeRoot());
    // A root without the package: a run there can only repair.
    const QString bare = m_case->path() + "/bare";
    QVERIFY(support::makeProductRoot(bare, stageDir(), kNewBuild, [](const QString &package) {
        return QDir().mkpath(QFileInfo(package).path());
    }));

    const QString backing = m_case->path() + "/backing";
    if (installed)
        QVERIFY(!freshHome("backing").isEmpty());
    if (killedHalfWay) {
        // Killed in the middle of copying the package.
        const long opens = countCalls("count", false).value("openw");
        QVERIFY(opens > 4);
        const Fault f = faultIn(backing, QStringLiteral("openw"), opens / 2, QStringLiteral("kill"),
                                launcherOwnFiles(backing));
        const RunResult killed = run(backing, &f);
        QVERIFY2(killed.crashed, qPrintable("the run was not killed: " + describe(killed)));
        QVERIFY2(!leftovers(backing).isEmpty(), "the killed run left nothing to repair");
        nextStartComesLater(backing);
    }

    const QString home = m_case->path() + "/mnt";
    const QString images = m_case->path() + "/images";
    PowerCutFs fs;
    QVERIFY2(fs.mount(backing, home, images, {"/.QuenmarkZelto/log", "/.pvk-qt"}),
             qPrintable(fs.why()));

    QProcess client;
    if (clientRunning) {
        client.setProcessEnvironment(launcherEnvironment(home));
        client.start(appPath(home) + "/bin/cloud-zelto-ui", QStringList());
        QVERIFY(client.waitForStarted());
        const QString pid = zeltoDir(home) + "/ui.pid";
        QVERIFY2(waitUntil([&] { return !readFile(pid).isEmpty(); }, 10000),
                 "the client wrote no pid file");
    }
    // A flush that the launcher only pretends to make, to show which cut
    // points notice it.
    long skip = qEnvironmentVariableIntValue("ZELTO_POWERCUT_SKIP_FSYNC");
    if (!forgotten.isEmpty()) {
        // Which flush it is shows a trial upgrade on a plain folder.
        const QString trace = m_case->path() + "/trial.trace";
        QVERIFY(!countCalls("trial", false, trace).isEmpty());
        const QString flushed = appPath(m_case->path() + "/trial") + "/" + forgotten;
        for (const QByteArray &line : readFile(trace).split('\n'))
            if (line.startsWith("fsync ") && QString::fromUtf8(line).section(' ', 3) == flushed)
                skip = line.split(' ').value(1).toLong();
        QVERIFY2(skip > 0, qPrintable("the upgrade does not flush " + forgotten));
    }
    const Fault skipped = faultIn(home, QStringLiteral("fsync"), skip, QStringLiteral("skip"),
                                  launcherOwnFiles(home));
    const RunResult upgraded = run(home, skip > 0 ? &skipped : nullptr);
    if (skip > 0)
        qInfo("%s", readFile(skipped.report).constData());
    QCOMPARE(upgraded.code, 0);
    const QString live = finalProblems(home, 0);
    QVERIFY2(live.isEmpty(), qPrintable("the run itself: " + live));
    if (clientRunning) {
        QVERIFY2(client.waitForFinished(10000), "the running client was not stopped");
        QVERIFY(readFile(home + "/signals.log").contains("client TERM"));
    }
    fs.unmount();

    const QVector<CutPoint> points = readCutPoints(images);
    QVERIFY2(!points.isEmpty(), "the run made no flush and no rename");

    // Equal images make equal runs: each distinct one is tried once.
    struct Outcome {
        QString repaired;
        QString normal;
    };
    QMap<QByteArray, Outcome> outcomes;
    const bool firstFailureOnly = qEnvironmentVariableIsSet("ZELTO_POWERCUT_FIRST_FAILURE");
    auto tallyClass = [&subject](const char *mode) {
        const QString survives = qstrcmp(mode, "worst") == 0 ? QStringLiteral("only what was flushed survives")
            : qstrcmp(mode, "latest") == 0 ? QStringLiteral("a rename or removal alone reaches the disk ahead of what came before")
                                           : QStringLiteral("a seeded random part of the rest survives too");
        return QStringLiteral("Power cut at every durability point of %1: %2").arg(subject, survives);
    };
    static const char *const modes[] = {"worst", "latest", "random"};
    if (forgotten.isEmpty())
        for (const char *mode : modes)
            s_tally.declare(tallyClass(mode));
    QStringList failures;
    int tried = 0;
    for (const CutPoint &point : points) {
        for (const char *mode : modes) {
            const QString image = QStringLiteral("%1/%2.%3").arg(images).arg(point.n).arg(mode);
            if (!QFileInfo::exists(image))
                continue;
            // No process outlives a power cut; its stale pid would only
            // name a stranger.
            QFile::remove(zeltoDir(image) + "/ui.pid");
            const QByteArray digest = imageDigest(image);
            if (!outcomes.contains(digest)) {
                const QString a = m_case->path() + "/cut-" + digest + ".repair";
                const QString b = m_case->path() + "/cut-" + digest + ".normal";
                nextStartComesLater(image);
                const int starts = startLines(image).size();
                QVERIFY(copyTree(image, a) && copyTree(image, b));
                QProcess pa, pb;
                startLauncher(pa, bare, launcherEnvironment(a));
                startLauncher(pb, m_root, launcherEnvironment(b));
                const bool failedA = finish(pa).failed();
                const bool failedB = finish(pb).failed();
                const char *notZero = " (run did not end with 0)";
                const Outcome o{repairedProblems(a, starts, !installed) + (failedA ? notZero : ""),
                                finalProblems(b, starts) + (failedB ? notZero : "")};
                outcomes.insert(digest, o);
                // What the runs after a failed cut left, for a look later.
                if (forgotten.isEmpty() && !o.repaired.isEmpty())
                    keep(a, keptAs + "-" + QFileInfo(a).fileName());
                if (forgotten.isEmpty() && !o.normal.isEmpty())
                    keep(b, keptAs + "-" + QFileInfo(b).fileName());
                QDir(a).removeRecursively();
                QDir(b).removeRecursively();
            }
            const Outcome &o = outcomes[digest];
            const bool intact = o.repaired.isEmpty() && o.normal.isEmpty();
            ++tried;
            if (!forgotten.isEmpty()) {
                if (!intact)
                    failures << QStringLiteral("cut %1 (%2)").arg(point.n).arg(mode);
                continue;
            }
            s_tally.add(tallyClass(mode), intact);
            if (!intact) {
                Problems what;
                what.add("repair alone: ", o.repaired);
                what.add("next run: ", o.normal);
                failures << QStringLiteral("cut %1 (%2) after %3 %4: %5")
                                .arg(point.n)
                                .arg(mode, point.kind, point.path, what.text());
                // What the cut left, for a look after the test.
                keep(image, QStringLiteral("%1-%2.%3").arg(keptAs).arg(point.n).arg(mode));
            }
        }
        if (firstFailureOnly && !failures.isEmpty())
            break;
    }
    qInfo("%d cut points, %d images tried, %d distinct", int(points.size()), tried, int(outcomes.size()));
    if (!forgotten.isEmpty()) {
        QVERIFY2(!failures.isEmpty(), qPrintable("no power cut noticed the forgotten flush of " + forgotten));
        qInfo("the forgotten flush of %s was noticed at %s", qPrintable(forgotten), qPrintable(failures.join(", ")));
        return;
    }
    for (const QString &failure : failures)
        qWarning("%s", qPrintable(failure));
    QVERIFY2(failures.isEmpty(), qPrintable(QStringLiteral("%1 of %2 power cuts lost something").arg(failures.size()).arg(tried)));
}

// ---- file systems whose folder flushes fail ----

void TstFaults::folderFlushErrors_data()
{
    QTest::addColumn<int>("error"); // of every folder flush
    QTest::addColumn<bool>("failingDisk"); // rather than folders that cannot be flushed
    QTest::newRow("EINVAL (cannot flush folders)") << EINVAL << false;
    QTest::newRow("EOPNOTSUPP (cannot flush folders)") << EOPNOTSUPP << false;
    QTest::newRow("EIO (failing disk)") << EIO << true;
}

// A first installation into a home on a file system that answers every
// folder flush with `error`, then a second run. Where folders cannot be
// flushed at all the client is installed and started, said once per run;
// a failing disk fails the installation, each run says why in one ERROR
// line, and nothing is left that would make a run stop the client for a
// repair.
void TstFaults::folderFlushErrors()
{
    QFETCH(int, error);
    QFETCH(bool, failingDisk);
    const QString lacking =
        PowerCutFs::lacking(g_privateMounts, "no FUSE file system to answer folder flushes");
    if (!lacking.isEmpty())
        QSKIP(qPrintable(lacking));
    QVERIFY(makeRoot());
    const QString home = m_case->path() + "/mnt";
    PowerCutFs fs;
    // Everything of the launcher is quiet: no power-cut images are wanted.
    QVERIFY2(fs.mount(m_case->path() + "/backing", home, m_case->path() + "/images",
                      {"/.QuenmarkZelto", "/.pvk-qt"},
                      {"--fsyncdir-error", QString::number(error)}),
             qPrintable(fs.why()));

    const QString errorText = QString::fromUtf8(strerror(error));
    for (int runs = 1; runs <= 2; ++runs) {
        nextStartComesLater(home);
        const QString log = QString::fromUtf8(readFile(logPath(home)));
        const RunResult r = run(home);
        QCOMPARE(r.code, 0);
        QVERIFY(!r.crashed);
        const QStringList lines = QString::fromUtf8(readFile(logPath(home))).mid(log.size()).split('\n');
        const QString ends = QStringLiteral(": %1 (%2)").arg(errorText).arg(error);
        const QStringList flushLines = lines.filter(QRegularExpression("folder.*" + QRegularExpression::escape(ends)));
        const QStringList errorsOfFlush = lines.filter("[ERROR]").filter(ends);
        QCOMPARE(lines.filter("last installation did not finish").size(), 0);
        QCOMPARE(leftovers(home), QStringList());
        if (!failingDisk) {
            // Noted once in the run that flushes, not once per folder.
            QCOMPARE(flushLines.size(), runs == 1 ? 1 : 0);
            QCOMPARE(lines.filter("[NOTE]").filter(ends).size(), runs == 1 ? 1 : 0);
            QCOMPARE(errorsOfFlush.size(), 0);
            const QString problems = finalProblems(home, runs - 1);
            QVERIFY2(problems.isEmpty(), qPrintable(QStringLiteral("run %1: %2").arg(runs).arg(problems)));
        } else {
            QCOMPARE(errorsOfFlush.size(), 1);
            QVERIFY(!QFileInfo::exists(appPath(home) + "/INFO"));
        }
    }
}

int main(int argc, char **argv)
{
    if (argc == 3 && strcmp(argv[1], "--touch") == 0)
        return touchFile(argv[2]);
    // Before any thread exists: a mount namespace of our own, so that the
    // small file systems of the disk tests vanish with this process.
    if (geteuid() == 0 && ::unshare(CLONE_NEWNS) == 0
        && ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0)
        g_privateMounts = true;
    QCoreApplication app(argc, argv);
    TstFaults tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_faults.moc"
