#include "log.h"

#include "file-op-base.h"
#include "key-value-file.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <climits>
#include <cstring>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>

#include <fcntl.h>
#include <pthread.h>
#include <stdio_ext.h>
#include <sys/stat.h>
#include <syslog.h>
#include <unistd.h>

namespace {

constexpr int kDefaultThreshold = 4;
constexpr long kRotateSize = 5242880;

struct FileCloser {
    void operator()(FILE *f) const { (void)fclose(f); }
};
using OwnedFile = std::unique_ptr<FILE, FileCloser>;

struct LogState {
    bool enabled = true;
    int mode = LOG_MODE_STDERR;
    std::string logPath;
    std::string switchPath;
    int keepCount = 0;
    int lockLevel = 0;

    // The stream is either the owned log file or a standard stream.
    OwnedFile file;
    FILE *stream = stderr;
    std::string activePath;
    int32_t size = 0;
    std::unique_ptr<std::mutex> mutex;

    std::map<std::string, int, std::less<>> thresholds;

    // The error of the last line that could not be written, 0 after a line
    // that was: a run of lost lines names its cause once. Atomic: the
    // standard streams are written without the lock.
    std::atomic<int> lostErrno{0};
};

LogState &state()
{
    // Never destroyed: a line written from a static destructor or an atexit
    // handler must still find the log.
    static LogState *s = new LogState;
    return *s;
}

int thresholdOf(const LogState &s, const char *component)
{
    auto it = s.thresholds.find(std::string_view(component ? component : ""));
    return it == s.thresholds.end() ? kDefaultThreshold : it->second;
}

// The value's leading integer, saturated: no leading number gives 0, which
// silences the component, and a huge threshold never turns into a negative
// one. A value that begins with a blank (a quoted " 7") was never read as a
// number and still silences the component, although the shared reader
// skips leading blanks.
static_assert(INT_MAX == INT32_MAX, "thresholds saturate where the shared reader does");
int toThreshold(const std::string &value)
{
    if (!value.empty() && isspace(static_cast<unsigned char>(value[0])))
        return 0;
    return fileop::LeadingInteger(value);
}

int32_t fileSize(LogState &s, const std::string &path)
{
    // The opened file's own status: the name may have changed meanwhile.
    struct stat st;
    if (!s.file || fstat(fileno(s.file.get()), &st) != 0) {
        int err = errno;
        if (s.stream) {
            fprintf(s.stream, "stat(%s): %s (%d)\n", path.c_str(), fileop::ErrorText(err).c_str(), err);
            fflush(s.stream);
        }
        return 0;
    }
    // A file beyond the counter's range is over the rotation size anyway;
    // clamping keeps it from wrapping to a negative count that would put
    // rotation off for gigabytes.
    if (st.st_size > INT32_MAX)
        return INT32_MAX;
    return static_cast<int32_t>(st.st_size);
}

// A line the log's own sink did not take (a full disk, a failing device)
// goes to standard error rather than nowhere, with the reason the first
// time. Whatever part of it stayed in the stream's buffer is dropped, so
// that the next line does not drag it along.
void reportLostLine(LogState &s, const char *stamp, const char *format, va_list args, int err)
{
    __fpurge(s.stream);
    clearerr(s.stream);
    if (s.stream == stderr)
        return;
    (void)fputs(stamp, stderr);
    (void)vfprintf(stderr, format, args);
    if (err != s.lostErrno.load(std::memory_order_relaxed)) {
        const char *name = s.activePath.empty() ? "standard output" : s.activePath.c_str();
        fprintf(stderr, "write(%s): %s (%d)\n", name, fileop::ErrorText(err).c_str(), err);
    }
    (void)fflush(stderr);
    s.lostErrno.store(err, std::memory_order_relaxed);
}

int timestampedWrite(LogState &s, const char *format, va_list args)
{
    if (!s.stream)
        return 0;
    char stamp[512];
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    size_t len = strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S ", &local);
    stamp[len] = '\0';
    va_list again;
    va_copy(again, args);
    int err = 0;
    const int a = fputs(stamp, s.stream) >= 0 ? static_cast<int>(len) : -1;
    if (a < 0)
        err = errno;
    const int b = vfprintf(s.stream, format, args);
    if (b < 0 && err == 0)
        err = errno;
    if (fflush(s.stream) != 0 && err == 0)
        err = errno;
    if (a < 0 || b < 0 || err != 0) {
        reportLostLine(s, stamp, format, again, err != 0 ? err : EIO);
        va_end(again);
        return -1;
    }
    va_end(again);
    if (s.lostErrno.load(std::memory_order_relaxed) != 0)
        s.lostErrno.store(0, std::memory_order_relaxed);
    return a + b;
}

// A plain file that has another name as well is some other file of the
// user's, linked here; the log would grow inside it.
bool ownPlainFile(const struct stat &st)
{
    return S_ISREG(st.st_mode) && st.st_nlink <= 1;
}

// The log lies in the launcher's own folder: whatever stands at its name
// that is not a plain file of ours, a link into the user's documents above
// all, or a second name of one of them, is replaced rather than written
// through. A FIFO, a device or a socket there is never opened: opening one
// for writing may block for ever, and writing to it may never end.
FILE *openLogFile(const std::string &path)
{
    const int flags = O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_NONBLOCK | O_CLOEXEC;
    struct stat st;
    if (lstat(path.c_str(), &st) == 0 && !ownPlainFile(st) && !S_ISDIR(st.st_mode))
        (void)unlink(path.c_str());
    fileop::UniqueFd fd(open(path.c_str(), flags, 0644));
    if (!fd.valid() && errno == ELOOP && unlink(path.c_str()) == 0)
        fd = fileop::UniqueFd(open(path.c_str(), flags | O_EXCL, 0644));
    if (!fd.valid())
        return nullptr;
    // Whatever slipped in between the look and the open is not written to.
    if (fstat(fd.get(), &st) != 0 || !ownPlainFile(st))
        return nullptr;
    (void)fcntl(fd.get(), F_SETFL, O_WRONLY | O_APPEND);
    FILE *f = fdopen(fd.get(), "a");
    if (f)
        (void)fd.release();
    return f;
}

std::string rotatedName(const std::string &path, int k)
{
    return path + "_" + std::to_string(k);
}

void rotate(LogState &s)
{
    const int n = s.keepCount;
    for (int k = n - 2; k >= 0; --k)
        (void)rename(rotatedName(s.logPath, k).c_str(), rotatedName(s.logPath, k + 1).c_str());
    if (n >= 1)
        (void)remove(rotatedName(s.logPath, n - 1).c_str());

    s.file.reset();
    s.stream = nullptr;
    if (rename(s.logPath.c_str(), rotatedName(s.logPath, 0).c_str()) != 0)
        return;
    s.file.reset(openLogFile(s.logPath));
    s.stream = s.file.get();
}

std::atomic<int> cachedProcessId{0};

void forgetProcessId()
{
    cachedProcessId.store(0, std::memory_order_relaxed);
}

void setLevelCeiling(const LogState &s)
{
    int ceiling = kDefaultThreshold;
    for (const auto &entry : s.thresholds)
        ceiling = std::max(ceiling, entry.second);
    LogLevelCeiling = ceiling;
}

} // namespace

// The initial state lets ERROR and WARNING through for every component.
int LogLevelCeiling = kDefaultThreshold;

int LogProcessId()
{
    int pid = cachedProcessId.load(std::memory_order_relaxed);
    if (pid == 0) {
        static const int atfork = pthread_atfork(nullptr, nullptr, forgetProcessId);
        (void)atfork;
        pid = static_cast<int>(getpid());
        cachedProcessId.store(pid, std::memory_order_relaxed);
    }
    return pid;
}

int LogThreadNumber()
{
    return static_cast<int>(static_cast<unsigned long>(pthread_self()) % 100000UL);
}

bool LogIsEnabledForComponent(int level, const char *component)
{
    const LogState &s = state();
    return s.enabled && level <= thresholdOf(s, component);
}

void LogWrite(int level, const char *component, const char *format, ...)
{
    LogState &s = state();
    if (!s.enabled)
        return;
    if (level > thresholdOf(s, component))
        return;

    std::unique_lock<std::mutex> lock;
    if (s.mutex)
        lock = std::unique_lock<std::mutex>(*s.mutex);
    // The stream is looked at under the lock: a rotation on another thread
    // replaces it.
    if (s.mode != LOG_MODE_SYSLOG && !s.stream)
        return;

    va_list args;
    va_start(args, format);
    int written = 0;
    if (s.mode == LOG_MODE_SYSLOG)
        vsyslog(LOG_ERR, format, args);
    else
        written = timestampedWrite(s, format, args);
    va_end(args);

    if (s.mode == LOG_MODE_FILE && written >= 0) {
        s.size = written > INT32_MAX - s.size ? INT32_MAX : s.size + written;
        if (s.size > kRotateSize) {
            rotate(s);
            s.size = 0;
        }
    }
}

namespace {

// A log file that cannot be opened (a folder at its name, a read-only
// home) must not silence the run: the log goes back to its initial sink,
// standard error with timestamps, and to the thresholds it had before.
int keepInitialSink(LogState &s, std::map<std::string, int, std::less<>> thresholds)
{
    s.mode = LOG_MODE_STDERR;
    s.lockLevel = 0;
    s.mutex.reset();
    s.file.reset();
    s.stream = stderr;
    s.activePath.clear();
    s.size = 0;
    s.thresholds = std::move(thresholds);
    s.enabled = true;
    setLevelCeiling(s);
    return -1;
}

} // namespace

int LogConfigure(int mode, const char *logPath, const char *switchPath,
                 int keepCount, int lockLevel)
{
    LogState &s = state();
    auto thresholdsBefore = s.thresholds;

    s.enabled = false;
    LogLevelCeiling = INT_MIN;
    s.file.reset();
    s.stream = nullptr;
    s.activePath.clear();
    s.size = 0;
    s.mutex.reset();

    s.mode = mode;
    s.logPath = logPath ? logPath : "";
    s.switchPath = switchPath ? switchPath : "";
    s.keepCount = keepCount;
    s.lockLevel = mode == LOG_MODE_FILE ? lockLevel : 0;
    s.activePath = s.logPath;
    if (s.lockLevel != 0)
        s.mutex = std::make_unique<std::mutex>();

    s.thresholds["default_component"] = kDefaultThreshold;
    if (!s.switchPath.empty()) {
        KeyValueFile switches;
        (void)switches.load(s.switchPath);
        for (const auto &entry : switches.entries())
            s.thresholds[entry.first] = toThreshold(entry.second);
    }

    switch (mode) {
    case LOG_MODE_SYSLOG:
    case LOG_MODE_STDOUT:
    case LOG_MODE_STDERR:
        s.stream = mode == LOG_MODE_STDOUT ? stdout : mode == LOG_MODE_STDERR ? stderr : nullptr;
        s.activePath.clear();
        s.enabled = true;
        setLevelCeiling(s);
        return 0;
    case LOG_MODE_FILE:
        break;
    default:
        // No such sink: the log stays disabled rather than guess one.
        return -1;
    }

    if (s.logPath.empty())
        return keepInitialSink(s, std::move(thresholdsBefore));
    s.file.reset(openLogFile(s.logPath));
    if (!s.file)
        return keepInitialSink(s, std::move(thresholdsBefore));
    s.stream = s.file.get();
    s.size = fileSize(s, s.logPath);
    s.enabled = true;
    setLevelCeiling(s);
    return 0;
}
