#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "linux/linux-service.cpp"

#include "linux-service.h"

#include "file-op.h"
#include "key-value-file.h"
#include "log.h"
#include "uipathmanager.h"
#include "unique-fd.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int kProbes = 5;
constexpr int kProbeIntervalMs = 1000;

QString pathOf(const char *key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key));
}

// A handle on one process. Through a pidfd the signals reach the process
// that was checked, even if its id is handed to another one meanwhile, and
// its end is noticed the moment it comes; without pidfd support the
// signals go to the id and the end is found by probing.
class ProcessRef
{
public:
    explicit ProcessRef(pid_t pid) : m_pid(pid)
    {
#ifdef SYS_pidfd_open
        m_fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        m_openErrno = m_fd < 0 ? errno : 0;
#endif
    }
    ~ProcessRef()
    {
        if (m_fd >= 0)
            (void)close(m_fd);
    }
    ProcessRef(const ProcessRef &) = delete;
    ProcessRef &operator=(const ProcessRef &) = delete;

    // The process is gone already (pidfd_open says so).
    bool gone() const { return m_fd < 0 && m_openErrno == ESRCH; }

    // 0, or -1 with errno set, as kill(2).
    int signal(int sig) const
    {
#ifdef SYS_pidfd_send_signal
        if (m_fd >= 0)
            return static_cast<int>(syscall(SYS_pidfd_send_signal, m_fd, sig, nullptr, 0));
#endif
        return kill(m_pid, sig);
    }

    // True once the process has ended, waiting up to `ms` for it. A pidfd
    // turns readable when the process exits, also while it waits as a
    // zombie for its parent; without one the id is probed, then slept on.
    bool waitForEnd(int ms) const
    {
        if (m_fd < 0) {
            if (kill(m_pid, 0) != 0 && errno == ESRCH)
                return true;
            if (ms > 0)
                (void)usleep(static_cast<useconds_t>(ms) * 1000);
            return false;
        }
        const int64_t deadline = monotonicMs() + ms;
        for (;;) {
            struct pollfd p = {m_fd, POLLIN, 0};
            const int64_t left = std::max<int64_t>(0, deadline - monotonicMs());
            const int n = poll(&p, 1, static_cast<int>(left));
            if (n > 0)
                return true;
            if (n == 0 || errno != EINTR)
                return false;
        }
    }

private:
    static int64_t monotonicMs()
    {
        struct timespec now;
        (void)clock_gettime(CLOCK_MONOTONIC, &now);
        return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
    }

    pid_t m_pid;
    int m_fd = -1;
    int m_openErrno = 0;
};

int64_t nanoseconds(const struct timespec &t)
{
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// What /proc tells about a process: its real and effective user and the
// clock tick since boot at which it started. 0, or the errno of the first
// read that failed.
struct ProcessFacts {
    uid_t realUid = 0;
    uid_t effectiveUid = 0;
    unsigned long long startTicks = 0;
};

int readProcFile(const std::string &path, std::string *text)
{
    fileop::UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    char buffer[4096];
    ssize_t n;
    do {
        n = read(fd.get(), buffer, sizeof buffer - 1);
    } while (n < 0 && errno == EINTR);
    if (n < 0)
        return errno;
    text->assign(buffer, static_cast<size_t>(n));
    return 0;
}

int readProcessFacts(pid_t pid, ProcessFacts *facts, std::string *failedPath)
{
    const std::string proc = "/proc/" + std::to_string(pid);
    std::string stat, status;
    *failedPath = proc + "/stat";
    if (int err = readProcFile(*failedPath, &stat))
        return err;
    // The command name may hold blanks and parentheses: the fields start
    // after the last ')'. Field 3 (state) comes first, start time is 22.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return EINVAL;
    const char *p = stat.c_str() + close + 1;
    for (int field = 3; field < 22 && *p; ++field) {
        while (*p == ' ')
            ++p;
        while (*p && *p != ' ')
            ++p;
    }
    char *end = nullptr;
    errno = 0;
    facts->startTicks = strtoull(p, &end, 10);
    if (end == p || errno != 0)
        return EINVAL;

    *failedPath = proc + "/status";
    if (int err = readProcFile(*failedPath, &status))
        return err;
    const size_t uid = status.find("\nUid:");
    unsigned long realUid = 0, effectiveUid = 0;
    if (uid == std::string::npos || sscanf(status.c_str() + uid + 5, "%lu %lu", &realUid, &effectiveUid) != 2)
        return EINVAL;
    facts->realUid = static_cast<uid_t>(realUid);
    facts->effectiveUid = static_cast<uid_t>(effectiveUid);
    return 0;
}

enum class Writer { Gone, Yes, No };

// The client writes its pid file once it runs, so the process that the
// file names is the client only if it is ours and had started by the time
// of the file's last change; a process that started later got the id of
// an ended client. Its start is a clock tick since boot; the boot's
// wall-clock time comes from the two clocks read now, to the nanosecond
// (the boot time in /proc/stat is whole seconds and would let a process
// started up to a second after the write pass). The start tick is rounded
// down, so the start can only seem earlier than it was; the file's time
// comes from a coarse clock and may seem up to one of its ticks early:
// that much later a start is still taken as before the write.
Writer checkWriter(const ProcessRef &process, pid_t pid, const std::string &pidFile,
                   const struct stat &fileStatus)
{
    ProcessFacts facts;
    std::string failed;
    const int err = readProcessFacts(pid, &facts, &failed);
    // Read about the process the pidfd holds, not about a later one that
    // got its id: it has not ended, so its id is still its own.
    if (process.waitForEnd(0))
        return Writer::Gone;
    if (err != 0) {
        LOG_NOTE("cannot tell whether process %d wrote pid file '%s': %s: %s (%d), client taken as not running\n",
                 static_cast<int>(pid), pidFile.c_str(), failed.c_str(), strerror(err), err);
        return Writer::No;
    }
    if (facts.realUid != getuid() || facts.effectiveUid != geteuid()) {
        LOG_NOTE("process %d belongs to user %u, not to %u, client taken as not running\n", static_cast<int>(pid),
                 static_cast<unsigned>(facts.realUid), static_cast<unsigned>(geteuid()));
        return Writer::No;
    }

    struct timespec real, boot, coarse = {0, 0};
    const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &boot) != 0 || clock_gettime(CLOCK_REALTIME, &real) != 0) {
        int e = errno;
        LOG_NOTE("cannot tell whether process %d wrote pid file '%s': clock: %s (%d), client taken as not running\n",
                 static_cast<int>(pid), pidFile.c_str(), strerror(e), e);
        return Writer::No;
    }
    (void)clock_getres(CLOCK_REALTIME_COARSE, &coarse);
    const int64_t tickNs = 1000000000 / ticksPerSecond;
    const int64_t started = nanoseconds(real) - nanoseconds(boot)
        + static_cast<int64_t>(facts.startTicks / ticksPerSecond) * 1000000000
        + static_cast<int64_t>(facts.startTicks % ticksPerSecond) * tickNs;
    const int64_t written = nanoseconds(fileStatus.st_mtim);
    if (started > written + nanoseconds(coarse) + tickNs) {
        LOG_NOTE("process %d started after pid file '%s' was written, client taken as not running\n",
                 static_cast<int>(pid), pidFile.c_str());
        return Writer::No;
    }
    return Writer::Yes;
}

} // namespace

LinuxService::LinuxService()
{
    appPath = QFile::encodeName(pathOf("user_quenmark_zelto_app_path")).toStdString();
}

LinuxService::~LinuxService() = default;

bool LinuxService::isUIInstalled() const
{
    const QByteArray ui = QFile::encodeName(pathOf("user_quenmark_zelto_ui_path"));
    struct stat st;
    return !ui.isEmpty() && stat(ui.constData(), &st) == 0;
}

namespace {

// 0 when a file can be made in `folder`, else the error that says why not.
// Asked of the file system by making one: permission bits cannot tell a
// read-only mount, and as root they tell nothing at all. The file has no
// name (O_TMPFILE) where the file system allows; elsewhere it gets one and
// is removed at once.
int filesCanBeMadeIn(const std::string &folder)
{
    const fileop::UniqueFd unnamed(open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (unnamed.get() >= 0)
        return 0;
    const int err = errno;
    if (err != EOPNOTSUPP && err != EISDIR && err != EINVAL)
        return err;
    std::string probe;
    if (FSMakeTempName(folder, probe) != 0)
        return EINVAL;
    const fileop::UniqueFd named(open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (named.get() < 0)
        return errno;
    (void)unlink(probe.c_str());
    return 0;
}

// The per-user folder, or while it does not exist yet the nearest folder
// above it that does: where the installation makes its first files.
std::string nearestExistingFolder(std::string path)
{
    struct stat st;
    while (stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        const size_t slash = path.find_last_of('/');
        if (slash == std::string::npos)
            return ".";
        path.resize(slash == 0 ? 1 : slash);
    }
    return path;
}

} // namespace

int32_t LinuxService::upgrade()
{
    // An upgrade that cannot write a file must not stop the client first
    // (a read-only home, a folder of another user): the client stays, and
    // the reason is told once.
    const std::string userFolder = nearestExistingFolder(QFile::encodeName(pathOf("user_quenmark_zelto_path")).toStdString());
    if (const int err = filesCanBeMadeIn(userFolder)) {
        LOG_ERROR("cannot write to '%s': %s (%d), the client is not stopped and nothing is installed\n",
                  userFolder.c_str(), strerror(err), err);
        return -1;
    }
    if (isUIInstalled()) {
        LOG_DEBUG("local appdata exist\n");
        terminateUI();
    }
    return installPackage();
}

void LinuxService::terminateUI()
{
    const std::string pidFile = QFile::encodeName(pathOf("user_quenmark_zelto_path") + QStringLiteral("/ui.pid")).toStdString();
    if (!FSExists(pidFile)) {
        LOG_DEBUG("pid file '%s' does not exist, no need to terminate\n", pidFile.c_str());
        return;
    }
    KeyValueFile file;
    struct stat written;
    if (file.load(pidFile, &written) < 0) {
        LOG_NOTE("Failed to read pid file '%s', not exist ?\n", pidFile.c_str());
        return;
    }
    const auto &entries = file.entries();
    auto it = entries.find("pid");
    const std::string value = it == entries.end() ? std::string() : it->second;
    const pid_t pid = LeadingInteger(value);
    // 0 and below would address a process group or every process.
    if (pid <= 0) {
        LOG_NOTE("pid file '%s' holds no usable process id '%s'\n", pidFile.c_str(), value.c_str());
        return;
    }

    // Neither this launcher nor the system's first process is ever the
    // client, however the pid file came to name them.
    if (pid == getpid() || pid == 1) {
        LOG_NOTE("pid file '%s' names process %d, %s, client taken as not running\n", pidFile.c_str(),
                 static_cast<int>(pid), pid == 1 ? "the first process" : "this launcher");
        return;
    }

    const ProcessRef process(pid);
    if (process.gone())
        return;
    switch (checkWriter(process, pid, pidFile, written)) {
    case Writer::Gone:
    case Writer::No:
        return;
    case Writer::Yes:
        break;
    }

    if (process.signal(SIGTERM) != 0) {
        int err = errno;
        if (err == ESRCH)
            return;
        LOG_ERROR("kill: %s (%d)\n", strerror(err), err);
    }
    // Five probes about a second apart, each one a wait that ends the
    // moment the client does.
    for (int probe = 0; probe < kProbes; ++probe) {
        if (process.waitForEnd(kProbeIntervalMs))
            return;
    }
    (void)process.signal(SIGKILL);
}

void LinuxService::startUI()
{
    // A script at a path that lost its bytes is not the client's.
    if (!pathsUsable({"user_quenmark_zelto_app_path"}))
        return;
    // Program and argument apart: a blank in the home folder's path must
    // not split the program's path.
    const QString program = QFile::decodeName((appPath + "/package/start-stop").c_str());
    (void)QProcess::execute(program, QStringList{QStringLiteral("start")});
}

void LinuxService::readVersions()
{
    readTargetVersion();
    readSourceVersion();
    LOG_DEBUG("Source version: ('%s', '%s')\n", sourceVersion.build_version.c_str(),
              sourceVersion.icon_overlay_version.c_str());
    LOG_DEBUG("Target version: ('%s', '%s')\n", targetVersion.build_version.c_str(),
              targetVersion.icon_overlay_version.c_str());
}

bool LinuxService::needUpgrade()
{
    if (!pathsUsable({"user_quenmark_zelto_app_path", "user_quenmark_zelto_ui_path", "root_resource_path"}))
        return false;
    // An unfinished installation is repaired first; the versions are then
    // judged on the copy it brought back, which may be newer than the
    // package is now.
    bool unfinished = false;
    if (installationPending()) {
        if (repairInstallation() == 0) {
            sourceVersion = VersionInfo();
            readSourceVersion();
        } else {
            LOG_NOTE("last installation of '%s' did not finish, installing again\n", appPath.c_str());
            unfinished = true;
        }
    }
    int32_t s = 0;
    int32_t t = 0;
    if (!sourceVersion.build_version.empty())
        s = LeadingInteger(sourceVersion.build_version);
    if (!targetVersion.build_version.empty())
        t = LeadingInteger(targetVersion.build_version);
    LOG_DEBUG("source version = %d, target version = %d\n", s, t);
    bool result = s < t;
    if (!isUIInstalled())
        result = true;
    return result || unfinished;
}
