#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "linux/linux-service.cpp"

#include "process-ref.h"

#include "file-op-base.h"
#include "log.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <poll.h>
#include <sys/statfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

int64_t monotonicMs()
{
    struct timespec now;
    (void)clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int64_t>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

} // namespace

ProcessRef::ProcessRef(pid_t pid) : m_pid(pid)
{
#ifdef SYS_pidfd_open
    const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
    m_openErrno = fd < 0 ? errno : 0;
    m_fd = fileop::UniqueFd(fd);
#endif
}

bool ProcessRef::gone() const
{
    return !m_fd.valid() && m_openErrno == ESRCH;
}

int ProcessRef::signal(int sig) const
{
#ifdef SYS_pidfd_send_signal
    if (m_fd.valid())
        return static_cast<int>(syscall(SYS_pidfd_send_signal, m_fd.get(), sig, nullptr, 0));
#endif
    return kill(m_pid, sig);
}

bool ProcessRef::waitForEnd(int ms) const
{
    if (!m_fd.valid()) {
        if (kill(m_pid, 0) != 0 && errno == ESRCH)
            return true;
        if (ms > 0)
            (void)usleep(static_cast<useconds_t>(ms) * 1000);
        return false;
    }
    const int64_t deadline = monotonicMs() + ms;
    for (;;) {
        struct pollfd p = {m_fd.get(), POLLIN, 0};
        const int64_t left = std::max<int64_t>(0, deadline - monotonicMs());
        const int n = poll(&p, 1, static_cast<int>(left));
        if (n > 0)
            return true;
        if (n == 0 || errno != EINTR)
            return false;
    }
}

namespace {

int64_t nanoseconds(const struct timespec &t)
{
    return static_cast<int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// What /proc tells about a process: its real and effective user, the
// clock tick since boot at which it started, and whether it is a thread of
// the kernel (it has no program; its id is never a client's). 0, or the
// errno of the first read that failed.
struct ProcessFacts {
    uid_t realUid = 0;
    uid_t effectiveUid = 0;
    unsigned long long startTicks = 0;
    bool kernelThread = false;
};

// PF_KTHREAD of the kernel's process flags (field 9 of /proc/PID/stat).
constexpr unsigned long kKernelThreadFlag = 0x00200000;

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

// All of a /proc file that may be longer than one read (maps, cmdline),
// up to `limit` bytes.
int readWholeProcFile(const std::string &path, std::string *text, size_t limit)
{
    fileop::UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return errno;
    text->clear();
    char buffer[8192];
    while (text->size() < limit) {
        const ssize_t n = read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        text->append(buffer, static_cast<size_t>(n));
    }
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
    // after the last ')'. Field 3 (state) comes first, the flags are 9,
    // the start time 22.
    const size_t close = stat.rfind(')');
    if (close == std::string::npos)
        return EINVAL;
    const char *p = stat.c_str() + close + 1;
    char *end = nullptr;
    for (int field = 3; field < 22 && *p; ++field) {
        while (*p == ' ')
            ++p;
        if (field == 9) {
            errno = 0;
            const unsigned long flags = strtoul(p, &end, 10);
            if (end == p || errno != 0)
                return EINVAL;
            facts->kernelThread = (flags & kKernelThreadFlag) != 0;
        }
        while (*p && *p != ' ')
            ++p;
    }
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

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Answers whether folders and files lie inside one folder, by device and
// inode: each folder is walked up through "..", which also leaves a mount
// for the folder it is mounted on, up to the root. A name that only begins
// like the folder's (".app2" beside ".app") is not inside it, and a link or
// a second mount of the folder is. The answer per folder name is kept:
// most files of a process lie in a few folders.
class FolderTest
{
public:
    explicit FolderTest(const struct stat &folder) : m_folder(folder) {}

    // The folder open at `dir` (any kind of descriptor) lies inside.
    bool folderWithin(int dir) const
    {
        struct stat here;
        if (fstat(dir, &here) != 0)
            return false;
        fileop::UniqueFd current;
        for (int depth = 0; depth < 4096; ++depth) {
            if (sameFile(here, m_folder))
                return true;
            fileop::UniqueFd parent(openat(current.valid() ? current.get() : dir, "..",
                                           O_PATH | O_DIRECTORY | O_CLOEXEC));
            struct stat up;
            if (!parent.valid() || fstat(parent.get(), &up) != 0 || sameFile(up, here))
                return false;
            here = up;
            current = std::move(parent);
        }
        return false;
    }

    // `path`, as /proc names a process's file: a folder inside, or a file
    // in a folder inside. A removed file keeps the name it had.
    bool pathWithin(std::string path)
    {
        static const std::string deleted = " (deleted)";
        if (path.size() > deleted.size() && path.compare(path.size() - deleted.size(), deleted.size(), deleted) == 0)
            path.resize(path.size() - deleted.size());
        if (path.empty() || path[0] != '/')
            return false; // a pipe, a socket, an anonymous map
        return within(AT_FDCWD, path);
    }

    // A process's argument that names a file or folder, from its working
    // folder `cwd` when relative.
    bool argumentWithin(int cwd, const std::string &argument)
    {
        if (argument.empty() || argument.size() >= PATH_MAX)
            return false;
        struct stat st;
        if (fstatat(cwd, argument.c_str(), &st, 0) != 0)
            return false;
        return within(cwd, argument);
    }

private:
    // Names from /proc (base AT_FDCWD) are absolute and answered once. A
    // file is judged by its folder; a name whose folder was removed since,
    // by the nearest folder above it that still stands.
    bool within(int base, const std::string &path)
    {
        if (base == AT_FDCWD) {
            auto known = m_known.find(path);
            if (known != m_known.end())
                return known->second;
        }
        bool inside = false;
        fileop::UniqueFd dir(openat(base, path.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (dir.valid()) {
            inside = folderWithin(dir.get());
        } else {
            const size_t slash = path.rfind('/');
            if (slash == std::string::npos)
                inside = within(base, ".");
            else if (slash > 0 || path.size() > 1)
                inside = within(base, path.substr(0, std::max<size_t>(slash, 1)));
        }
        if (base == AT_FDCWD)
            m_known[path] = inside;
        return inside;
    }

    struct stat m_folder;
    std::map<std::string, bool> m_known;
};

int readLink(const std::string &path, std::string *target)
{
    char buffer[PATH_MAX + 32];
    const ssize_t n = readlink(path.c_str(), buffer, sizeof buffer);
    if (n < 0)
        return errno;
    target->assign(buffer, static_cast<size_t>(n));
    return 0;
}

enum class Use { Yes, No, Unseen };

// Whether the process uses the copy in `appPath`: its program, its working
// folder, an argument (a script its interpreter read and closed), an open
// file (a script a shell still reads) or a mapped file lies inside. A
// process whose entries this user may not read is Unseen, with the first
// entry refused in `failedPath` and `failedErr`, unless another entry shows
// that it uses the copy.
Use usesCopy(pid_t pid, const std::string &appPath, std::string *failedPath, int *failedErr)
{
    struct stat folder;
    if (stat(appPath.c_str(), &folder) != 0 || !S_ISDIR(folder.st_mode))
        return Use::No;
    FolderTest test(folder);
    const std::string proc = "/proc/" + std::to_string(pid);
    *failedErr = 0;
    auto refused = [failedPath, failedErr](const std::string &path, int err) {
        if ((err == EACCES || err == EPERM) && *failedErr == 0) {
            *failedPath = path;
            *failedErr = err;
        }
    };

    std::string target;
    if (int err = readLink(proc + "/exe", &target))
        refused(proc + "/exe", err);
    else if (test.pathWithin(target))
        return Use::Yes;

    fileop::UniqueFd cwd(open((proc + "/cwd").c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!cwd.valid())
        refused(proc + "/cwd", errno);
    else if (test.folderWithin(cwd.get()))
        return Use::Yes;

    std::string cmdline;
    if (cwd.valid() && readWholeProcFile(proc + "/cmdline", &cmdline, 64 * 1024) == 0) {
        for (size_t at = 0; at < cmdline.size();) {
            const size_t nul = std::min(cmdline.find('\0', at), cmdline.size());
            if (test.argumentWithin(cwd.get(), cmdline.substr(at, nul - at)))
                return Use::Yes;
            at = nul + 1;
        }
    }

    const std::string fds = proc + "/fd";
    fileop::OwnedDir dir(opendir(fds.c_str()));
    if (!dir) {
        refused(fds, errno);
    } else {
        while (struct dirent *entry = readdir(dir.get())) {
            if (entry->d_name[0] == '.')
                continue;
            if (readLink(fds + "/" + entry->d_name, &target) == 0 && test.pathWithin(target))
                return Use::Yes;
        }
    }

    // Each line: address, permissions, offset, device, inode, then the
    // name, which may hold blanks.
    std::string maps;
    if (int err = readWholeProcFile(proc + "/maps", &maps, 16 * 1024 * 1024)) {
        refused(proc + "/maps", err);
    } else {
        for (size_t at = 0; at < maps.size();) {
            const size_t eol = std::min(maps.find('\n', at), maps.size());
            const size_t name = maps.find('/', at);
            if (name < eol && test.pathWithin(maps.substr(name, eol - name)))
                return Use::Yes;
            at = eol + 1;
        }
    }
    return *failedErr != 0 ? Use::Unseen : Use::No;
}

// How coarse the pid file's time may be. The file system rounds the
// clock's time down to what it keeps: FAT two seconds, others (sshfs, ext4
// with small inodes, some FUSE file systems) whole seconds, which shows as
// a time without a sub-second part; trailing zero digits tell the same of
// a finer step. A fine time may end in a zero or two by chance: that
// allows a few more nanoseconds, never a process started clearly later.
int64_t timeResolution(const std::string &file, const struct timespec &t)
{
    int64_t resolution = 1;
    if (t.tv_nsec == 0) {
        resolution = 1000000000;
    } else {
        for (long ns = t.tv_nsec; ns % 10 == 0; ns /= 10)
            resolution *= 10;
    }
    struct statfs fs;
    if (statfs(file.c_str(), &fs) == 0 && fs.f_type == MSDOS_SUPER_MAGIC)
        resolution = std::max<int64_t>(resolution, 2000000000);
    return resolution;
}

} // namespace

// The client writes its pid file once it runs, so the process that the
// file names is the client only if it is ours, had started by the time of
// the file's last change and uses the installed copy; a process that
// started later got the id of an ended client, and one that does not use
// the copy (a home shared with another host names that host's client) is
// another program. A kernel thread has no program and is never the client.
// The start is a clock tick since boot; the boot's wall-clock time comes
// from the two clocks read now, to the nanosecond (the boot time in
// /proc/stat is whole seconds and would let a process started up to a
// second after the write pass). The start tick is rounded down, so the
// start can only seem earlier than it was; the file's time comes from a
// coarse clock and may seem up to one of its ticks early, and the file
// system rounds it down to the step it keeps: that much later a start is
// still taken as before the write.
Writer checkWriter(const ProcessRef &process, pid_t pid, const std::string &pidFile,
                   const struct stat &fileStatus, const std::string &appPath)
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
                 static_cast<int>(pid), pidFile.c_str(), failed.c_str(), fileop::ErrorText(err).c_str(), err);
        return Writer::No;
    }
    if (facts.kernelThread) {
        LOG_NOTE("pid file '%s' names process %d, %s, client taken as not running\n", pidFile.c_str(),
                 static_cast<int>(pid), "a kernel thread");
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
                 static_cast<int>(pid), pidFile.c_str(), fileop::ErrorText(e).c_str(), e);
        return Writer::No;
    }
    (void)clock_getres(CLOCK_REALTIME_COARSE, &coarse);
    const int64_t tickNs = 1000000000 / ticksPerSecond;
    const int64_t started = nanoseconds(real) - nanoseconds(boot)
        + static_cast<int64_t>(facts.startTicks / ticksPerSecond) * 1000000000
        + static_cast<int64_t>(facts.startTicks % ticksPerSecond) * tickNs;
    const int64_t written = nanoseconds(fileStatus.st_mtim);
    if (started > written + timeResolution(pidFile, fileStatus.st_mtim) + nanoseconds(coarse) + tickNs) {
        LOG_NOTE("process %d started after pid file '%s' was written, client taken as not running\n",
                 static_cast<int>(pid), pidFile.c_str());
        return Writer::No;
    }

    int useErr = 0;
    switch (usesCopy(pid, appPath, &failed, &useErr)) {
    case Use::Yes:
        break;
    case Use::No:
        if (process.waitForEnd(0))
            return Writer::Gone;
        LOG_NOTE("process %d does not use '%s', client taken as not running\n", static_cast<int>(pid),
                 appPath.c_str());
        return Writer::No;
    case Use::Unseen:
        if (process.waitForEnd(0))
            return Writer::Gone;
        LOG_NOTE("cannot tell whether process %d uses '%s': %s: %s (%d), client taken as not running\n",
                 static_cast<int>(pid), appPath.c_str(), failed.c_str(), fileop::ErrorText(useErr).c_str(), useErr);
        return Writer::No;
    }
    // What was read may describe a later process that got the id once the
    // checked one ended.
    if (process.waitForEnd(0))
        return Writer::Gone;
    return Writer::Yes;
}
