// The support-library stand-in: one launcher per user across real
// processes, the path registry, display scaling and the language code.
#include "dpiinfo.h"
#include "qtsingleapplication.h"
#include "tavilocale.h"
#include "uipathmanager.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtTest>

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <memory>
#include <thread>
#include <vector>

#include "test-files.h"

namespace {

struct Instance {
    std::unique_ptr<QProcess> process;
    bool running = false;
    QString lock;
    QString problem;
    QString note;
};

// Starts one helper; the process keeps running while it holds the lock.
std::unique_ptr<QProcess> startHelper(const QProcessEnvironment &env,
                                      const QString &program = QStringLiteral(INSTANCE_HELPER),
                                      const QStringList &args = QStringList())
{
    auto p = std::make_unique<QProcess>();
    p->setProcessEnvironment(env);
    p->setProgram(program);
    p->setArguments(args);
    p->start();
    return p;
}

// Reads the helper's report line.
bool readReport(Instance &in)
{
    QProcess &p = *in.process;
    while (!p.canReadLine()) {
        if (!p.waitForReadyRead(30000))
            return false;
    }
    const QString line = QString::fromLocal8Bit(p.readLine()).trimmed();
    if (!line.startsWith(QLatin1String("running=")))
        return false;
    in.running = line.startsWith(QLatin1String("running=1"));
    in.lock = line.section(QStringLiteral(" lock="), 1).section(QStringLiteral(" problem="), 0, 0);
    in.problem = line.section(QStringLiteral(" problem="), 1).section(QStringLiteral(" note="), 0, 0);
    in.note = line.section(QStringLiteral(" note="), 1);
    return true;
}

Instance launch(const QProcessEnvironment &env, const QString &program = QStringLiteral(INSTANCE_HELPER),
                const QStringList &args = QStringList())
{
    Instance in;
    in.process = startHelper(env, program, args);
    if (!in.process->waitForStarted(30000) || !readReport(in))
        in.process.reset();
    return in;
}

// Starts helper `in` (launch's arguments) and checks that it reported, and
// whether it found another instance running.
#define LAUNCH(in, expectRunning, ...)                                         \
    Instance in = launch(__VA_ARGS__);                                         \
    QVERIFY(in.process);                                                       \
    QCOMPARE(in.running, expectRunning)

// A helper that finds another instance running, and so ends at once.
#define LAUNCH_REFUSED(...)                                                    \
    do {                                                                       \
        LAUNCH(refused_, true, __VA_ARGS__);                                   \
        QVERIFY(refused_.process->waitForFinished(30000));                     \
    } while (0)

// Lets a holding helper exit normally.
bool release(Instance &in)
{
    in.process->closeWriteChannel();
    return in.process->waitForFinished(30000) && in.process->exitCode() == 0;
}

// A folder only its owner may enter, as a runtime folder must be.
bool makePrivateDir(const QString &path)
{
    return QDir().mkpath(path) && chmod(QFile::encodeName(path).constData(), 0700) == 0;
}

} // namespace

// How the second instance of oneAtATime is started: as the helper, through a
// link of another name, told another argv[0], or as a copy of another name.
enum class Start { Directly, ThroughLink, UnderOtherArgv0, FromCopy };
Q_DECLARE_METATYPE(Start)

// What stands at the lock folder's name in lockCannotBeTaken: a file, a
// folder of user 65534, a link to a folder, or a folder the helper (as its
// owner 65534) may not write to.
enum class LockFolder { File, OtherUsers, Link, Unwritable };
Q_DECLARE_METATYPE(LockFolder)

class TestPvkQt : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void secondInstanceIsRefused();
    void killedHolderDoesNotBlock();
    void oldLockOfLiveHolderHolds();
    void simultaneousStartLeavesOne();
    void unrecordedLockFile_data();
    void unrecordedLockFile();
    void lockOfAnotherHost_data();
    void lockOfAnotherHost();
    void homeFolderWithoutRuntimeDir_data();
    void homeFolderWithoutRuntimeDir();
    void oneAtATime_data();
    void oneAtATime();
    void nonLockAtLockName_data();
    void nonLockAtLockName();
    void lockCannotBeTaken_data();
    void lockCannotBeTaken();
    void pathRegistry();
    void pathRegistryFromThreads();
    void scaleStyleSheet_data();
    void scaleStyleSheet();
    void scaledStyleSheetUsesScreen();
    void defaultLanguage_data();
    void defaultLanguage();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    QProcessEnvironment m_env;
};

void TestPvkQt::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(makePrivateDir(m_dir->filePath("runtime")));
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("XDG_RUNTIME_DIR", m_dir->filePath("runtime"));
    m_env.insert("HOME", m_dir->filePath("home"));
    m_env.insert("QT_QPA_PLATFORM", "offscreen");
}

void TestPvkQt::secondInstanceIsRefused()
{
    LAUNCH(first, false, m_env);
    QCOMPARE(QFileInfo(first.lock).path(), m_dir->filePath("home") + "/.pvk-qt");
    QCOMPARE(first.problem, QString());
    QVERIFY(QFile::exists(first.lock));

    LAUNCH(second, true, m_env);
    QVERIFY(second.process->waitForFinished(30000));
    QCOMPARE(second.process->exitCode(), 1);
    // The refused instance leaves the holder's lock in place.
    QVERIFY(QFile::exists(first.lock));

    QVERIFY(release(first));
    QVERIFY(!QFile::exists(first.lock));
    LAUNCH(third, false, m_env);
    QVERIFY(release(third));
}

void TestPvkQt::killedHolderDoesNotBlock()
{
    LAUNCH(holder, false, m_env);
    ::kill(pid_t(holder.process->processId()), SIGKILL);
    QVERIFY(holder.process->waitForFinished(30000));
    // The dead holder's lock file is still there; only the holder's death
    // makes it stale.
    QVERIFY(QFile::exists(holder.lock));

    LAUNCH(next, false, m_env);
    LAUNCH_REFUSED(m_env);
    QVERIFY(release(next));
}

void TestPvkQt::oldLockOfLiveHolderHolds()
{
    // A launcher that has run for hours still counts as running: the age
    // of its lock never makes the lock stale.
    LAUNCH(holder, false, m_env);
    const struct timespec times[2] = {{time(nullptr) - 86400, 0}, {time(nullptr) - 86400, 0}};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(holder.lock).constData(), times, 0), 0);

    LAUNCH_REFUSED(m_env);
    QVERIFY(release(holder));
}

void TestPvkQt::simultaneousStartLeavesOne()
{
    for (int round = 0; round < 5; ++round) {
        std::vector<Instance> all(4);
        for (Instance &in : all)
            in.process = startHelper(m_env);
        int alone = 0;
        for (Instance &in : all) {
            QVERIFY(in.process->waitForStarted(30000));
            QVERIFY(readReport(in));
            if (!in.running)
                ++alone;
        }
        QCOMPARE(alone, 1);
        for (Instance &in : all) {
            in.process->closeWriteChannel();
            QVERIFY(in.process->waitForFinished(30000));
        }
    }
}

void TestPvkQt::unrecordedLockFile_data()
{
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("heldByLiveProcess");
    QTest::addColumn<bool>("expectRunning");
    // A launcher killed before it wrote its record: the next start, a
    // while later, must not be blocked by the empty file.
    QTest::newRow("old, nobody holds it") << 3600 << false << false;
    // A launcher that has just created its file and not yet written it.
    QTest::newRow("just created") << 0 << false << true;
    QTest::newRow("old, but its creator still holds it") << 3600 << true << true;
}

void TestPvkQt::unrecordedLockFile()
{
    QFETCH(int, ageSeconds);
    QFETCH(bool, heldByLiveProcess);
    QFETCH(bool, expectRunning);
    Instance probe = launch(m_env);
    QVERIFY(probe.process);
    QVERIFY(release(probe));
    const QByteArray path = QFile::encodeName(probe.lock);

    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    QVERIFY(fd >= 0);
    if (heldByLiveProcess)
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
    const time_t then = time(nullptr) - ageSeconds;
    const struct timespec times[2] = {{then, 0}, {then, 0}};
    QCOMPARE(::futimens(fd, times), 0);

    Instance next = launch(m_env);
    ::close(fd);
    QVERIFY(next.process);
    QCOMPARE(next.running, expectRunning);
    if (expectRunning) {
        QVERIFY(next.process->waitForFinished(30000));
        QCOMPARE(QFileInfo(probe.lock).size(), 0);
    } else {
        QVERIFY(QFileInfo(probe.lock).size() > 0);
        QVERIFY(release(next));
    }
}

void TestPvkQt::lockOfAnotherHost_data()
{
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("machineId"); // the record names the machine, as Qt 5.10 and later write it
    QTest::addColumn<bool>("expectRunning");
    // A launcher of a host that shares the home died holding the lock: its
    // process cannot be looked for from here, so only age makes it stale.
    QTest::newRow("another host, an hour old") << 3600 << true << false;
    QTest::newRow("another host by name only, an hour old") << 3600 << false << false;
    QTest::newRow("another host, nine minutes old") << 540 << true << true;
}

void TestPvkQt::lockOfAnotherHost()
{
    QFETCH(int, ageSeconds);
    QFETCH(bool, machineId);
    QFETCH(bool, expectRunning);
    Instance probe = launch(m_env);
    QVERIFY(probe.process);
    QVERIFY(release(probe));

    QByteArray record = "4242\nzelto-launcher\nhost-b.example\n";
    if (machineId)
        record += "0123456789abcdef0123456789abcdef\nfedcba98-7654-3210-fedc-ba9876543210\n";
    QVERIFY(writeFile(probe.lock, record));
    const time_t then = time(nullptr) - ageSeconds;
    const struct timespec times[2] = {{then, 0}, {then, 0}};
    QCOMPARE(utimensat(AT_FDCWD, QFile::encodeName(probe.lock).constData(), times, 0), 0);

    LAUNCH(next, expectRunning, m_env);
    QCOMPARE(next.problem, QString());
    if (expectRunning) {
        QVERIFY2(next.note.contains("held by process 4242 of host 'host-b.example'"), qPrintable(next.note));
        QVERIFY(next.process->waitForFinished(30000));
        QCOMPARE(readFile(probe.lock), record);
    } else {
        QCOMPARE(next.note, QString());
        QCOMPARE(readFile(probe.lock).split('\n').value(0).toLongLong(), next.process->processId());
        QVERIFY(release(next));
    }
}

void TestPvkQt::homeFolderWithoutRuntimeDir_data()
{
    QTest::addColumn<bool>("ownRuntime"); // the fixture's private runtime folder stays
    QTest::addColumn<QString>("runtime"); // the variable's value otherwise; null: unset
    QTest::newRow("private runtime folder") << true << QString();
    QTest::newRow("unset") << false << QString();
    QTest::newRow("empty") << false << QString("");
    QTest::newRow("relative") << false << QString("runtime");
    QTest::newRow("missing folder") << false << QString("/nonexistent/runtime");
}

void TestPvkQt::homeFolderWithoutRuntimeDir()
{
    QFETCH(bool, ownRuntime);
    QFETCH(QString, runtime);
    QProcessEnvironment env = m_env;
    if (!ownRuntime && runtime.isNull())
        env.remove("XDG_RUNTIME_DIR");
    else if (!ownRuntime)
        env.insert("XDG_RUNTIME_DIR", runtime);

    LAUNCH(first, false, env);
    const QString home = m_dir->filePath("home");
    QCOMPARE(QFileInfo(first.lock).path(), home + "/.pvk-qt");
    // Private to the user: nobody else may plant or remove the lock.
    struct stat st;
    QCOMPARE(stat(QFile::encodeName(home + "/.pvk-qt").constData(), &st), 0);
    QCOMPARE(st.st_mode & 07777, mode_t(0700));

    LAUNCH_REFUSED(env);
    QVERIFY(release(first));
}

void TestPvkQt::oneAtATime_data()
{
    // The second's XDG_RUNTIME_DIR, a private folder below the fixture's
    // ("runtime" is the first's); null: unset.
    QTest::addColumn<QString>("runtime");
    QTest::addColumn<Start>("start");
    QTest::addColumn<bool>("named"); // both name the application first, as the launcher does
    QTest::newRow("other runtime folder") << "runtime2" << Start::Directly << false;
    QTest::newRow("no runtime folder") << QString() << Start::Directly << false;
    QTest::newRow("through a renamed link") << "runtime" << Start::ThroughLink << false;
    QTest::newRow("argv[0] of another name") << "runtime" << Start::UnderOtherArgv0 << false;
    QTest::newRow("named program, renamed copy") << "runtime" << Start::FromCopy << true;
}

// A session without the runtime folder (ssh, cron, a script), or a start
// through a link of another name, is the same user's same program.
void TestPvkQt::oneAtATime()
{
    QFETCH(QString, runtime);
    QFETCH(Start, start);
    QFETCH(bool, named);
    const QString helper = QStringLiteral(INSTANCE_HELPER);
    const QStringList name = named ? QStringList{"--named", "zelto-launcher"} : QStringList();
    QProcessEnvironment env = m_env;
    if (runtime.isNull()) {
        env.remove("XDG_RUNTIME_DIR");
    } else {
        QVERIFY(makePrivateDir(m_dir->filePath(runtime)));
        env.insert("XDG_RUNTIME_DIR", m_dir->filePath(runtime));
    }
    QString program = helper;
    QStringList args = name;
    switch (start) {
    case Start::Directly:
        break;
    case Start::ThroughLink:
        program = m_dir->filePath("renamed-helper");
        QVERIFY(QFile::link(helper, program));
        break;
    case Start::UnderOtherArgv0:
        program = "bash";
        args = QStringList{"-c", "exec -a renamed-helper '" + helper + "'"};
        break;
    case Start::FromCopy:
        program = m_dir->filePath("renamed-copy");
        QVERIFY(QFile::copy(helper, program));
        break;
    }

    LAUNCH(first, false, m_env, helper, name);
    LAUNCH(other, true, env, program, args);
    QCOMPARE(other.lock, first.lock);
    QVERIFY(other.process->waitForFinished(30000));
    QCOMPARE(other.process->exitCode(), 1);
    QVERIFY(release(first));

    // Once the first has gone, the other kind runs.
    LAUNCH(next, false, env, program, args);
    QVERIFY(release(next));
}

void TestPvkQt::nonLockAtLockName_data()
{
    QTest::addColumn<QString>("kind"); // of the special file at the lock's name
    QTest::addColumn<bool>("folder"); // instead, an empty folder
    for (const QString &kind : specialFileKinds())
        QTest::addRow("%s", qPrintable(kind)) << kind << false;
    QTest::newRow("empty folder") << QString() << true;
}

// Reading the holder's record from a FIFO or /dev/zero would never end; a
// folder would count as a lock for ever. None of them is a lock: it goes,
// and the lock is taken.
void TestPvkQt::nonLockAtLockName()
{
    QFETCH(QString, kind);
    QFETCH(bool, folder);
    Instance probe = launch(m_env);
    QVERIFY(probe.process);
    QVERIFY(release(probe));
    if (folder)
        QVERIFY(QDir().mkdir(probe.lock));
    else if (!makeSpecialFile(probe.lock, kind))
        QSKIP(qPrintable(QStringLiteral("cannot make a %1 here: %2").arg(kind, strerror(errno))));

    LAUNCH(next, false, m_env);
    QCOMPARE(next.problem, QString());
    struct stat st;
    QCOMPARE(lstat(QFile::encodeName(next.lock).constData(), &st), 0);
    QVERIFY(S_ISREG(st.st_mode));
    LAUNCH_REFUSED(m_env);
    QVERIFY(release(next));
}

void TestPvkQt::lockCannotBeTaken_data()
{
    QTest::addColumn<LockFolder>("lockFolder");
    QTest::addColumn<int>("targetMode"); // of the folder a link leads to
    QTest::addColumn<QString>("problem"); // a part of the reported text; empty: the lock is taken
    QTest::newRow("a file in the folder's place")
        << LockFolder::File << 0
        << QString("open(%HOME%/.pvk-qt): %1 (%2)").arg(strerror(ENOTDIR)).arg(ENOTDIR);
    QTest::newRow("folder of another user")
        << LockFolder::OtherUsers << 0 << "'%HOME%/.pvk-qt' belongs to user 65534, not to 0";
    QTest::newRow("link to a folder others may enter")
        << LockFolder::Link << 0777
        << "'%HOME%/.pvk-qt' is a link to a folder that others may enter";
    QTest::newRow("link to a private folder") << LockFolder::Link << 0700 << "";
    QTest::newRow("no right to create the lock")
        << LockFolder::Unwritable << 0
        << QString("/.pvk-qt/pvkqt_instance_helper.lock): %1 (%2)")
               .arg(strerror(EACCES))
               .arg(EACCES);
}

// A lock that cannot be taken is reported; the instance runs all the same
// instead of taking itself for a second one, and no folder reached through
// a link changes its mode.
void TestPvkQt::lockCannotBeTaken()
{
    QFETCH(LockFolder, lockFolder);
    QFETCH(int, targetMode);
    QFETCH(QString, problem);
    const bool handsFilesOver =
        lockFolder == LockFolder::OtherUsers || lockFolder == LockFolder::Unwritable;
    if (geteuid() != 0 && handsFilesOver)
        QSKIP("needs root to hand files to another user");
    QProcessEnvironment env = m_env;
    const QString home = m_dir->filePath("home");
    const QString folder = home + "/.pvk-qt";
    const QString target = m_dir->filePath("target");
    QVERIFY(QDir().mkpath(home));
    switch (lockFolder) {
    case LockFolder::File:
        QVERIFY(writeFile(folder, "not a folder\n"));
        break;
    case LockFolder::OtherUsers:
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(chown(QFile::encodeName(folder).constData(), 65534, 65534), 0);
        break;
    case LockFolder::Link:
        QVERIFY(QDir().mkpath(target));
        QCOMPARE(chmod(QFile::encodeName(target).constData(), mode_t(targetMode)), 0);
        QVERIFY(QFile::link(target, folder));
        break;
    case LockFolder::Unwritable:
        // The helper runs as user 65534 in a home of its own whose lock
        // folder it may not write to.
        QCOMPARE(chmod(QFile::encodeName(m_dir->path()).constData(), 0755), 0);
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(chmod(QFile::encodeName(folder).constData(), 0500), 0);
        for (const QString &path : {home, folder})
            QCOMPARE(chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        env.insert("PVKQT_HELPER_UID", "65534");
        break;
    }

    LAUNCH(first, false, env);
    if (problem.isEmpty()) {
        QCOMPARE(first.problem, QString());
        QCOMPARE(QFileInfo(first.lock).canonicalPath(), QFileInfo(target).canonicalFilePath());
    } else {
        QVERIFY2(first.problem.contains(QString(problem).replace("%HOME%", home)), qPrintable(first.problem));
        // Not another instance: a second one runs as well.
        LAUNCH(second, false, env);
        QVERIFY(release(second));
    }
    QVERIFY(release(first));
    if (lockFolder == LockFolder::Link) {
        struct stat st;
        QCOMPARE(stat(QFile::encodeName(target).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, mode_t(targetMode));
    }
}

void TestPvkQt::pathRegistry()
{
    UIPathManager *paths = UIPathManager::getInstance();
    QCOMPARE(UIPathManager::getInstance(), paths);
    QCOMPARE(paths->getPath("never_registered"), QString());
    QVERIFY(paths->getPath("never_registered").isEmpty());
    paths->setPath("k1", "/a/b");
    paths->setPath("k2", QString::fromUtf8("/h\xc3\xa9/x"));
    QCOMPARE(paths->getPath("k1"), QStringLiteral("/a/b"));
    QCOMPARE(paths->getPath("k2"), QString::fromUtf8("/h\xc3\xa9/x"));
    QCOMPARE(paths->getPath("K1"), QString());
}

void TestPvkQt::pathRegistryFromThreads()
{
    UIPathManager *paths = UIPathManager::getInstance();
    for (int i = 0; i < 50; ++i)
        paths->setPath(QStringLiteral("thread_%1").arg(i), QStringLiteral("/p/%1").arg(i));
    std::atomic<int> wrong{0};
    std::vector<std::thread> readers;
    for (int t = 0; t < 4; ++t) {
        readers.emplace_back([&, t] {
            for (int n = 0; n < 2000; ++n) {
                const int i = (n + t) % 50;
                if (UIPathManager::getInstance()->getPath(QStringLiteral("thread_%1").arg(i)) != QStringLiteral("/p/%1").arg(i))
                    ++wrong;
            }
        });
    }
    // A writer of other keys at the same time.
    for (int n = 0; n < 500; ++n)
        paths->setPath(QStringLiteral("other_%1").arg(n), QStringLiteral("/o"));
    for (std::thread &t : readers)
        t.join();
    QCOMPARE(wrong.load(), 0);
}

void TestPvkQt::scaleStyleSheet_data()
{
    QTest::addColumn<QString>("sheet");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QString>("expected");

    QTest::newRow("unit factor") << "QLabel { font-size: 12px; }" << 1.0 << "QLabel { font-size: 12px; }";
    QTest::newRow("1.5") << "width: 10px; height: 3px;" << 1.5 << "width: 15px; height: 5px;";
    QTest::newRow("rounded down") << "margin: 3px" << 1.25 << "margin: 4px";
    QTest::newRow("rounded half up") << "margin: 2px" << 1.25 << "margin: 3px";
    QTest::newRow("double") << "border: 1px solid #102030; padding: 0px 4px" << 2.0
                            << "border: 2px solid #102030; padding: 0px 8px";
    QTest::newRow("fraction") << "width: 1.5px" << 2.0 << "width: 3px";
    QTest::newRow("other units stay") << "font-size: 9pt; width: 50%; line-height: 2em" << 2.0
                                      << "font-size: 9pt; width: 50%; line-height: 2em";
    QTest::newRow("name is not a length") << "#box10px { width: 10px }" << 2.0 << "#box10px { width: 20px }";
    QTest::newRow("negative keeps sign") << "margin-left: -4px" << 1.5 << "margin-left: -6px";
    QTest::newRow("no lengths") << "color: red" << 3.0 << "color: red";
    QTest::newRow("the progress dialog's sheet")
        << "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }" << 1.5
        << "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }";
    QTest::newRow("px only in a name") << "#px { color: red }" << 2.0 << "#px { color: red }";
    QTest::newRow("empty") << "" << 2.0 << "";
}

void TestPvkQt::scaleStyleSheet()
{
    QFETCH(QString, sheet);
    QFETCH(double, factor);
    QFETCH(QString, expected);
    QCOMPARE(DPIinfo::scaleStyleSheet(sheet, factor), expected);
}

void TestPvkQt::scaledStyleSheetUsesScreen()
{
    QScreen *screen = QGuiApplication::primaryScreen();
    QVERIFY(screen);
    const double factor = screen->logicalDotsPerInch() / 96.0;
    QCOMPARE(DPIinfo::getInstance()->getDPI(), factor);
    QCOMPARE(DPIinfo::getInstance()->getScaledStyleSheet("width: 400px"),
             QStringLiteral("width: %1px").arg(qRound(400 * factor)));
}

void TestPvkQt::defaultLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("lcAll");
    QTest::addColumn<QString>("lcMessages");
    QTest::addColumn<QString>("lang");
    QTest::addColumn<QString>("code");

    const struct {
        const char *locale;
        const char *code;
    } table[] = {
        {"zh_CN.UTF-8", "chs"}, {"zh_SG", "chs"}, {"zh_TW.UTF-8", "cht"}, {"zh_HK", "cht"},
        {"cs_CZ.UTF-8", "csy"}, {"da_DK", "dan"}, {"en_US.UTF-8", "enu"}, {"en_GB", "enu"},
        {"fr_FR.UTF-8", "fre"}, {"fr_CA", "fre"}, {"de_DE.UTF-8", "ger"}, {"de_AT", "ger"},
        {"hu_HU", "hun"}, {"it_IT", "ita"}, {"ja_JP.UTF-8", "jpn"}, {"ko_KR.UTF-8", "krn"},
        {"nl_NL", "nld"}, {"nl_BE", "nld"}, {"nb_NO.UTF-8", "nor"}, {"nn_NO", "nor"}, {"no_NO", "nor"},
        {"pl_PL", "plk"}, {"pt_BR.UTF-8", "ptb"}, {"pt_PT", "ptg"}, {"ru_RU.UTF-8", "rus"},
        {"es_ES", "spn"}, {"es_MX", "spn"}, {"sv_SE", "sve"}, {"th_TH.UTF-8", "tha"}, {"tr_TR", "trk"},
        {"fi_FI", "enu"}, {"el_GR.UTF-8", "enu"}, {"C", "enu"}, {"POSIX", "enu"}, {"C.UTF-8", "enu"},
        {"", "enu"}, {"xx_YY", "enu"},
    };
    for (const auto &row : table)
        QTest::addRow("LANG=%s", row.locale) << "" << "" << "" << row.locale << row.code;

    QTest::newRow("LANGUAGE first entry") << "fr:de" << "" << "" << "ja_JP.UTF-8" << "fre";
    QTest::newRow("LANGUAGE bare code") << "th" << "" << "" << "" << "tha";
    QTest::newRow("LC_ALL over LANG") << "" << "ru_RU.UTF-8" << "" << "ja_JP.UTF-8" << "rus";
    QTest::newRow("LC_MESSAGES over LANG") << "" << "" << "sv_SE.UTF-8" << "ja_JP.UTF-8" << "sve";
    QTest::newRow("LC_ALL over LC_MESSAGES") << "" << "pl_PL" << "sv_SE" << "" << "plk";
    QTest::newRow("nothing set") << "" << "" << "" << "" << "enu";
}

void TestPvkQt::defaultLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, lcAll);
    QFETCH(QString, lcMessages);
    QFETCH(QString, lang);
    QFETCH(QString, code);

    // An empty value: the variable is unset.
    const auto value = [](const QString &v) { return v.isEmpty() ? QString() : v; };
    ScopedEnv a("LANGUAGE", value(language));
    ScopedEnv b("LC_ALL", value(lcAll));
    ScopedEnv c("LC_MESSAGES", value(lcMessages));
    ScopedEnv d("LANG", value(lang));
    QCOMPARE(TaviLocale::getInstance()->getDefaultLanguage(), code);
}

QTEST_MAIN(TestPvkQt)
#include "tst_pvkqt.moc"
