// Flush and close failures cannot be provoked with real file-system means on
// a local disk (a full tmpfs refuses the write, never the flush). The test
// program therefore carries its own fsync and close, which the library's
// calls bind to; they fail only for the one armed path and pass everything
// else straight to the kernel.
#include "tst_fileop.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <cstdarg>

#include <dirent.h>
#include <dlfcn.h>
#include <linux/fs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_armed{false};
std::string g_path;
std::string g_source;
int g_fsyncErrno = 0;
int g_closeErrno = 0;
int g_fsyncCalls = 0;
bool g_sourcePresent = false;
std::string g_readErrorAt;

// What the kernel's copy calls answer while an InjectedSharing lives.
std::atomic<bool> g_sharingArmed{false};
int g_cloneErrno = 0;
int g_rangeErrno = 0;
long long g_rangeErrnoAfter = 0;
size_t g_rangeLimit = 0;
int g_cloneCalls = 0;
int g_rangeCalls = 0;
long long g_rangeCopied = 0;

bool RefersToArmedPath(int fd)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    ssize_t n = readlink(link, target, sizeof target);
    return n > 0 && std::string(target, static_cast<size_t>(n)) == g_path;
}

std::string Canonical(const std::string &path)
{
    // The destination may not exist yet: resolve its folder.
    size_t slash = path.rfind('/');
    char *dir = realpath(path.substr(0, slash).c_str(), nullptr);
    if (!dir)
        return path;
    std::string result = std::string(dir) + path.substr(slash);
    free(dir);
    return result;
}

} // namespace

InjectedFault::InjectedFault(const std::string &path, int fsyncErrno, int closeErrno,
                             const std::string &watchedSource)
{
    g_path = Canonical(path);
    g_source = watchedSource;
    g_fsyncErrno = fsyncErrno;
    g_closeErrno = closeErrno;
    g_fsyncCalls = 0;
    g_sourcePresent = false;
    g_armed = true;
}

InjectedFault::~InjectedFault()
{
    g_armed = false;
}

int InjectedFault::fsyncCalls()
{
    return g_fsyncCalls;
}

bool InjectedFault::sourcePresentAtSync()
{
    return g_sourcePresent;
}

extern "C" int fsync(int fd)
{
    if (g_armed && RefersToArmedPath(fd)) {
        ++g_fsyncCalls;
        g_sourcePresent = !g_source.empty() && access(g_source.c_str(), F_OK) == 0;
        if (g_fsyncErrno != 0) {
            errno = g_fsyncErrno;
            return -1;
        }
    }
    return static_cast<int>(syscall(SYS_fsync, fd));
}

extern "C" int close(int fd)
{
    if (g_armed && g_closeErrno != 0 && RefersToArmedPath(fd)) {
        // As on a network file system: the descriptor is gone, the error
        // is reported anyway.
        (void)syscall(SYS_close, fd);
        errno = g_closeErrno;
        return -1;
    }
    return static_cast<int>(syscall(SYS_close, fd));
}

InjectedReadError::InjectedReadError(const std::string &name)
{
    g_readErrorAt = name;
}

InjectedReadError::~InjectedReadError()
{
    g_readErrorAt.clear();
}

// A walk that reaches the armed name gets a read error instead, as from a
// failing disk.
extern "C" struct dirent *readdir(DIR *dir)
{
    using Real = struct dirent *(*)(DIR *);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "readdir"));
    struct dirent *entry = real(dir);
    if (entry && !g_readErrorAt.empty() && g_readErrorAt == entry->d_name) {
        errno = EIO;
        return nullptr;
    }
    return entry;
}

InjectedSharing::InjectedSharing(int cloneErrno, int rangeErrno, long long rangeErrnoAfter, size_t rangeLimit)
{
    g_cloneErrno = cloneErrno;
    g_rangeErrno = rangeErrno;
    g_rangeErrnoAfter = rangeErrnoAfter;
    g_rangeLimit = rangeLimit;
    g_cloneCalls = 0;
    g_rangeCalls = 0;
    g_rangeCopied = 0;
    g_sharingArmed = true;
}

InjectedSharing::~InjectedSharing()
{
    g_sharingArmed = false;
}

int InjectedSharing::cloneCalls()
{
    return g_cloneCalls;
}

int InjectedSharing::rangeCalls()
{
    return g_rangeCalls;
}

// FICLONE answers the armed error number instead of asking the file system;
// every other request goes to the kernel.
extern "C" int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    if (g_sharingArmed && request == FICLONE) {
        ++g_cloneCalls;
        if (g_cloneErrno != 0) {
            errno = g_cloneErrno;
            return -1;
        }
    }
    return static_cast<int>(syscall(SYS_ioctl, fd, request, arg));
}

// copy_file_range copies at most the armed limit per call (a short count),
// and answers the armed error number once the armed number of bytes went
// through.
extern "C" ssize_t copy_file_range(int in, off64_t *inOffset, int out, off64_t *outOffset, size_t length,
                                   unsigned int flags)
{
    if (g_sharingArmed) {
        ++g_rangeCalls;
        if (g_rangeErrno != 0 && g_rangeCopied >= g_rangeErrnoAfter) {
            errno = g_rangeErrno;
            return -1;
        }
        if (g_rangeLimit != 0 && length > g_rangeLimit)
            length = g_rangeLimit;
        if (g_rangeErrno != 0 && static_cast<long long>(length) > g_rangeErrnoAfter - g_rangeCopied)
            length = static_cast<size_t>(g_rangeErrnoAfter - g_rangeCopied);
    }
    ssize_t n = syscall(SYS_copy_file_range, in, inOffset, out, outOffset, length, flags);
    if (g_sharingArmed && n > 0)
        g_rangeCopied += n;
    return n;
}
