/*
 * The tests' libc interposer: fails, counts or kills file-system calls.
 * Every call that nothing armed goes straight to the C library.
 *
 * Preloaded (built with FAULT_PRELOAD: the fault-inject library), it counts
 * the calls a process makes on paths below chosen folders and, at the N-th
 * call of one kind, kills the process with SIGKILL or fails the call.
 * Environment (read once when the library loads; LD_PRELOAD is then removed
 * from the environment, so that only the first process is instrumented and
 * the programs it starts run untouched):
 *   FAULT_PREFIX   colon-separated absolute folders whose paths are watched
 *   FAULT_EXCLUDE  colon-separated folders below them that are not watched
 *   FAULT_OP       rename | mkdir | unlink | openw | write | fsync | close
 *   FAULT_AT       the call to act on, from 1; 0 or unset: only count
 *   FAULT_ACTION   kill | eio | enospc | skip (fsync only: success without
 *                  flushing, the way a forgotten flush looks to a power cut)
 *   FAULT_REPORT   file the counts are appended to when the process ends,
 *                  after an "injected <kind> <n> <path>" line for a fault
 *   FAULT_TRACE    file every watched call is appended to, in order
 *
 * Kinds: rename (rename, renameat, renameat2), mkdir (mkdir, mkdirat),
 * unlink (unlink, unlinkat, rmdir, remove), openw (open, openat, creat and
 * fopen with a writing mode), write (write, pwrite, writev, and the
 * kernel's copies into it: copy_file_range and the FICLONE ioctl, on
 * descriptors opened for writing on a watched path), fsync (fsync, fdatasync, syncfs on
 * any descriptor opened on a watched path), close (close, fclose of a
 * watched writing descriptor). Writes that stdio makes inside the C library
 * are not seen.
 *
 * A killed call never happens; a failed call does nothing, except close,
 * which releases the descriptor as the kernel does. After an injected fsync
 * failure, every later fsync of the same regular file (inode) is a retry.
 *
 * Linked into a test program, it is armed in-process through
 * fault-interposer.h: a hook shown every call the preloaded library would
 * count below a folder, and every entry read there, which may fail it (the
 * flush and close of one file, and a read error at one name, fail that
 * way); the kernel's copy calls; entries without their kind. Flush and close failures cannot be
 * provoked with real file-system means on a local disk (a full tmpfs
 * refuses the write, never the flush).
 */
#define _GNU_SOURCE
#include "fault-interposer.h"

#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <pthread.h>
#include <signal.h>
#include <stdarg.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/types.h>
#include <sys/uio.h>
#include <unistd.h>

enum Kind { K_RENAME, K_MKDIR, K_UNLINK, K_OPENW, K_WRITE, K_FSYNC, K_CLOSE, K_COUNT };
static const char *const kKindNames[K_COUNT] = {"rename", "mkdir", "unlink", "openw",
                                                "write",  "fsync", "close"};

enum Action { A_COUNT, A_KILL, A_EIO, A_ENOSPC, A_SKIP };

#define MAX_FDS 4096
#define FD_WATCHED 1
#define FD_WRITING 2
#define MAX_FAILED 64

static int g_enabled;
static char g_prefix[4096];
static char g_exclude[4096];
static int g_kind = -1;
static long g_at;
static int g_action = A_COUNT;
static char g_report[PATH_MAX];
static char g_trace[PATH_MAX];

static pthread_mutex_t g_mutex = PTHREAD_MUTEX_INITIALIZER;
static long g_counts[K_COUNT];
static unsigned char g_fd[MAX_FDS];
static struct { dev_t dev; ino_t ino; } g_failed[MAX_FAILED];
static int g_failedCount;
static long g_retries;
static long g_injected;

/* Armed in-process between calls: each flag is cleared first and published
 * last, so that a call that sees it set sees what it arms; counters are
 * atomic, as the calls may come from several threads. */
static struct {
    int armed;
    int cloneErrno;
    int rangeErrno;
    long long rangeErrnoAfter;
    size_t rangeLimit;
    int cloneCalls;
    int rangeCalls;
    long long rangeCopied;
} g_sharing;
static int g_typelessArmed;
static int g_typelessCount;
static int g_hookArmed;
static FaultHook g_hook;
static void *g_hookContext;

#define FAULT_CALLS(X)                                                          \
    X(rename) X(renameat) X(renameat2) X(mkdir) X(mkdirat)                      \
    X(unlink) X(unlinkat) X(rmdir) X(remove)                                    \
    X(open) X(open64) X(openat) X(openat64) X(creat) X(creat64)                 \
    X(fopen) X(fopen64) X(fclose) X(write) X(pwrite) X(pwrite64) X(writev)      \
    X(copy_file_range) X(ioctl) X(fsync) X(fdatasync) X(syncfs) X(close)        \
    X(readdir)

#define DECLARE_REAL(name) static __typeof__(name) *real_##name;
FAULT_CALLS(DECLARE_REAL)

#define RESOLVE_REAL(name) real_##name = (__typeof__(name) *)dlsym(RTLD_NEXT, #name);
static void resolveAll(void)
{
    FAULT_CALLS(RESOLVE_REAL)
}

// Every guard below resolves first: a call from another library's
// constructor may be the first to need the real calls.
static pthread_once_t g_once = PTHREAD_ONCE_INIT;
static void ensureResolved(void) { (void)pthread_once(&g_once, resolveAll); }

static int isArmed(const int *flag) { return __atomic_load_n(flag, __ATOMIC_ACQUIRE); }
static void setArmed(int *flag, int on) { __atomic_store_n(flag, on, __ATOMIC_RELEASE); }

static void appendLine(const char *file, const char *text)
{
    if (!file[0] || !real_open)
        return;
    int fd = real_open(file, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    (void)!real_write(fd, text, strlen(text));
    (void)real_close(fd);
}

#ifdef FAULT_PRELOAD
static void copyEnv(char *dst, size_t size, const char *name)
{
    const char *v = getenv(name);
    dst[0] = '\0';
    if (v && strlen(v) < size)
        strcpy(dst, v);
}

__attribute__((constructor)) static void faultInit(void)
{
    ensureResolved();
    copyEnv(g_prefix, sizeof g_prefix, "FAULT_PREFIX");
    copyEnv(g_exclude, sizeof g_exclude, "FAULT_EXCLUDE");
    copyEnv(g_report, sizeof g_report, "FAULT_REPORT");
    copyEnv(g_trace, sizeof g_trace, "FAULT_TRACE");
    const char *op = getenv("FAULT_OP");
    for (int k = 0; op && k < K_COUNT; ++k)
        if (strcmp(op, kKindNames[k]) == 0)
            g_kind = k;
    const char *at = getenv("FAULT_AT");
    g_at = at ? strtol(at, NULL, 10) : 0;
    static const char *const kActions[] = {"count", "kill", "eio", "enospc", "skip"};
    const char *action = getenv("FAULT_ACTION");
    for (int a = A_KILL; action && a <= A_SKIP; ++a)
        if (strcmp(action, kActions[a]) == 0)
            g_action = a;
    if (g_at <= 0 || g_kind < 0 || (g_action == A_SKIP && g_kind != K_FSYNC))
        g_action = A_COUNT;
    g_enabled = g_prefix[0] != '\0';
    unsetenv("LD_PRELOAD");
}

__attribute__((destructor)) static void faultReport(void)
{
    if (!g_enabled || !g_report[0])
        return;
    char line[512];
    snprintf(line, sizeof line,
             "pid=%d rename=%ld mkdir=%ld unlink=%ld openw=%ld write=%ld fsync=%ld close=%ld "
             "injected=%ld retries=%ld\n",
             (int)getpid(), g_counts[K_RENAME], g_counts[K_MKDIR], g_counts[K_UNLINK],
             g_counts[K_OPENW], g_counts[K_WRITE], g_counts[K_FSYNC], g_counts[K_CLOSE],
             g_injected, g_retries);
    appendLine(g_report, line);
}
#endif

/* True when `path` equals one of the colon-separated folders or lies below it. */
static int underAny(const char *path, const char *list)
{
    const char *p = list;
    while (*p) {
        const char *end = strchr(p, ':');
        size_t len = end ? (size_t)(end - p) : strlen(p);
        while (len > 1 && p[len - 1] == '/')
            --len;
        if (len > 0 && strncmp(path, p, len) == 0
            && (path[len] == '/' || path[len] == '\0' || p[len - 1] == '/'))
            return 1;
        if (!end)
            break;
        p = end + 1;
    }
    return 0;
}

static int fdPath(int fd, char *out, size_t size)
{
    char link[64];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    ssize_t n = readlink(link, out, size - 1);
    if (n <= 0)
        return -1;
    out[n] = '\0';
    return 0;
}

/* The absolute form of `path` as seen from `dirfd`; 0 on success. */
static int absolutePath(int dirfd, const char *path, char *out, size_t size)
{
    if (!path)
        return -1;
    if (path[0] == '/') {
        if (strlen(path) >= size)
            return -1;
        strcpy(out, path);
        return 0;
    }
    char base[PATH_MAX];
    if (dirfd == AT_FDCWD) {
        if (!getcwd(base, sizeof base))
            return -1;
    } else if (fdPath(dirfd, base, sizeof base) != 0) {
        return -1;
    }
    if ((size_t)snprintf(out, size, "%s/%s", base, path) >= size)
        return -1;
    return 0;
}

static int watchedPath(int dirfd, const char *path, char *abs, size_t size)
{
    if (!isArmed(&g_enabled) || absolutePath(dirfd, path, abs, size) != 0)
        return 0;
    return underAny(abs, g_prefix) && !underAny(abs, g_exclude);
}

static int fdFlags(int fd)
{
    if (fd < 0 || fd >= MAX_FDS)
        return 0;
    return __atomic_load_n(&g_fd[fd], __ATOMIC_ACQUIRE);
}

static void setFd(int fd, int flags)
{
    if (fd >= 0 && fd < MAX_FDS)
        __atomic_store_n(&g_fd[fd], (unsigned char)flags, __ATOMIC_RELEASE);
}

static void traceLine(int kind, long n, const char *path)
{
    if (!g_trace[0])
        return;
    struct statvfs vfs;
    char first[PATH_MAX];
    const char *colon = strchr(g_prefix, ':');
    size_t len = colon ? (size_t)(colon - g_prefix) : strlen(g_prefix);
    if (len >= sizeof first)
        len = sizeof first - 1;
    memcpy(first, g_prefix, len);
    first[len] = '\0';
    unsigned long long avail = statvfs(first, &vfs) == 0 ? (unsigned long long)vfs.f_bavail : 0;
    char line[PATH_MAX + 128];
    snprintf(line, sizeof line, "%s %ld %llu %s\n", kKindNames[kind], n, avail, path ? path : "");
    appendLine(g_trace, line);
}

/* What the hook armed in-process answers for a call: 0 or an error number. */
static int hookCall(const char *call, const char *path, const char *to)
{
    return isArmed(&g_hookArmed) ? g_hook(call, path, to, g_hookContext) : 0;
}

/*
 * Counts one call and says what to do with it: 0 go on, -1 skip it with
 * success, or the error number to fail it with. A kill never returns.
 * `call` and `to` (a rename's new name) are for the hook alone.
 */
static int account(int kind, const char *call, const char *path, const char *to)
{
    pthread_mutex_lock(&g_mutex);
    long n = ++g_counts[kind];
    traceLine(kind, n, path);
    int act = g_action != A_COUNT && kind == g_kind && n == g_at;
    if (act) {
        ++g_injected;
        char line[PATH_MAX + 64];
        snprintf(line, sizeof line, "injected %s %ld %s\n", kKindNames[kind], n, path ? path : "");
        appendLine(g_report, line);
    }
    pthread_mutex_unlock(&g_mutex);
    if (!act)
        return hookCall(call, path ? path : "", to);
    if (g_action == A_KILL) {
        kill(getpid(), SIGKILL);
        _exit(137);
    }
    if (g_action == A_SKIP)
        return -1;
    return g_action == A_EIO ? EIO : ENOSPC;
}

static int accountFd(int kind, const char *call, int fd)
{
    char path[PATH_MAX];
    if (fdPath(fd, path, sizeof path) != 0)
        path[0] = '\0';
    return account(kind, call, path, NULL);
}

/*
 * A file whose flush failed may have lost pages that a second flush would
 * no longer report: every later flush of the same file (device and inode,
 * through any descriptor) is a retry. Folders are left out: flushing one
 * again after new renames in it is a new request, not a retry.
 */
static void noteFsync(int fd, int failedNow)
{
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return;
    pthread_mutex_lock(&g_mutex);
    for (int i = 0; i < g_failedCount; ++i)
        if (g_failed[i].dev == st.st_dev && g_failed[i].ino == st.st_ino)
            ++g_retries;
    if (failedNow && g_failedCount < MAX_FAILED) {
        g_failed[g_failedCount].dev = st.st_dev;
        g_failed[g_failedCount].ino = st.st_ino;
        ++g_failedCount;
    }
    pthread_mutex_unlock(&g_mutex);
}

/* Fails the calling function with `err` unless it is 0. */
#define FAIL_ON(err, failValue)                                                \
    do {                                                                       \
        int err_ = (err);                                                      \
        if (err_) {                                                            \
            errno = err_;                                                      \
            return (failValue);                                                \
        }                                                                      \
    } while (0)

/* ---- renames, folders, removal ---- */

/* Counts a call on a watched path (a rename: on either path); 0 or the
 * error to fail it with. */
static int pathCall(int kind, const char *call, int fd1, const char *p1, int fd2, const char *p2)
{
    char abs[PATH_MAX];
    ensureResolved();
    if (!watchedPath(fd1, p1, abs, sizeof abs) && !(p2 && watchedPath(fd2, p2, abs, sizeof abs)))
        return 0;
    char to[PATH_MAX];
    const int named = p2 && absolutePath(fd2, p2, to, sizeof to) == 0;
    return account(kind, call, abs, named ? to : NULL);
}

/* An interposed call that `check` lets go on (0) or fails (an error number). */
#define GUARDED(type, name, params, args, check)                               \
    type name params                                                           \
    {                                                                          \
        FAIL_ON(check, -1);                                                    \
        return real_##name args;                                               \
    }

GUARDED(int, rename, (const char *from, const char *to), (from, to),
        pathCall(K_RENAME, __func__, AT_FDCWD, from, AT_FDCWD, to))
GUARDED(int, renameat, (int fromfd, const char *from, int tofd, const char *to),
        (fromfd, from, tofd, to), pathCall(K_RENAME, __func__, fromfd, from, tofd, to))
GUARDED(int, renameat2,
        (int fromfd, const char *from, int tofd, const char *to, unsigned int flags),
        (fromfd, from, tofd, to, flags), pathCall(K_RENAME, __func__, fromfd, from, tofd, to))
GUARDED(int, mkdir, (const char *path, mode_t mode), (path, mode),
        pathCall(K_MKDIR, __func__, AT_FDCWD, path, 0, NULL))
GUARDED(int, mkdirat, (int dirfd, const char *path, mode_t mode), (dirfd, path, mode),
        pathCall(K_MKDIR, __func__, dirfd, path, 0, NULL))
GUARDED(int, unlink, (const char *path), (path),
        pathCall(K_UNLINK, __func__, AT_FDCWD, path, 0, NULL))
GUARDED(int, unlinkat, (int dirfd, const char *path, int flags), (dirfd, path, flags),
        pathCall(K_UNLINK, __func__, dirfd, path, 0, NULL))
GUARDED(int, rmdir, (const char *path), (path),
        pathCall(K_UNLINK, __func__, AT_FDCWD, path, 0, NULL))
GUARDED(int, remove, (const char *path), (path),
        pathCall(K_UNLINK, __func__, AT_FDCWD, path, 0, NULL))

/* ---- opening ---- */

static int writingFlags(int flags)
{
    return (flags & O_ACCMODE) != O_RDONLY || (flags & O_CREAT) || (flags & O_TRUNC);
}

/* Before an open: counts it when it writes; 0 or the error to fail with. */
static int beforeOpen(const char *call, int dirfd, const char *path, int writing, int *watched)
{
    char abs[PATH_MAX];
    ensureResolved();
    *watched = watchedPath(dirfd, path, abs, sizeof abs);
    if (*watched && writing)
        return account(K_OPENW, call, abs, NULL);
    return 0;
}

static int afterOpen(int fd, int watched, int writing)
{
    if (fd >= 0)
        setFd(fd, watched ? (FD_WATCHED | (writing ? FD_WRITING : 0)) : 0);
    return fd;
}

static mode_t modeArg(int flags, va_list ap)
{
    if ((flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE)
        return (mode_t)va_arg(ap, int);
    return 0;
}

/* `call` opens with `mode`, taken from the arguments after `flags`. */
#define OPEN_BODY(call, dirfd, path, flags)                                    \
    va_list ap;                                                                \
    va_start(ap, flags);                                                       \
    mode_t mode = modeArg(flags, ap);                                          \
    va_end(ap);                                                                \
    int writing = writingFlags(flags);                                         \
    int watched = 0;                                                           \
    FAIL_ON(beforeOpen(__func__, (dirfd), (path), writing, &watched), -1);     \
    return afterOpen(call, watched, writing)

int open(const char *path, int flags, ...)
{
    OPEN_BODY(real_open(path, flags, mode), AT_FDCWD, path, flags);
}

int open64(const char *path, int flags, ...)
{
    OPEN_BODY(real_open64(path, flags, mode), AT_FDCWD, path, flags);
}

int openat(int dirfd, const char *path, int flags, ...)
{
    OPEN_BODY(real_openat(dirfd, path, flags, mode), dirfd, path, flags);
}

int openat64(int dirfd, const char *path, int flags, ...)
{
    OPEN_BODY(real_openat64(dirfd, path, flags, mode), dirfd, path, flags);
}

static int creatCommon(__typeof__(creat) **real, const char *path, mode_t mode)
{
    int watched = 0;
    FAIL_ON(beforeOpen("creat", AT_FDCWD, path, 1, &watched), -1);
    return afterOpen((*real)(path, mode), watched, 1);
}

int creat(const char *path, mode_t mode)
{
    return creatCommon(&real_creat, path, mode);
}

int creat64(const char *path, mode_t mode)
{
    return creatCommon(&real_creat64, path, mode);
}

static FILE *fopenCommon(__typeof__(fopen) **real, const char *path, const char *mode)
{
    int writing = mode && (strchr(mode, 'w') || strchr(mode, 'a') || strchr(mode, '+'));
    int watched = 0;
    FAIL_ON(beforeOpen("fopen", AT_FDCWD, path, writing, &watched), NULL);
    FILE *f = (*real)(path, mode);
    if (f)
        afterOpen(fileno(f), watched, writing);
    return f;
}

FILE *fopen(const char *path, const char *mode)
{
    return fopenCommon(&real_fopen, path, mode);
}

FILE *fopen64(const char *path, const char *mode)
{
    return fopenCommon(&real_fopen64, path, mode);
}

/* ---- writing, flushing, closing ---- */

/* 0, or the error to fail a write into `fd` with. */
static int writeCall(const char *call, int fd)
{
    ensureResolved();
    return (fdFlags(fd) & FD_WRITING) ? accountFd(K_WRITE, call, fd) : 0;
}

GUARDED(ssize_t, write, (int fd, const void *buf, size_t count), (fd, buf, count),
        writeCall(__func__, fd))
GUARDED(ssize_t, pwrite, (int fd, const void *buf, size_t count, off_t offset),
        (fd, buf, count, offset), writeCall(__func__, fd))
GUARDED(ssize_t, pwrite64, (int fd, const void *buf, size_t count, off64_t offset),
        (fd, buf, count, offset), writeCall(__func__, fd))
GUARDED(ssize_t, writev, (int fd, const struct iovec *iov, int iovcnt), (fd, iov, iovcnt),
        writeCall(__func__, fd))

/*
 * The copy lets the kernel write its data where it can: those calls are its
 * writes. Armed in-process, it copies at most the armed limit per call (a
 * short count) and answers the armed error once the armed number of bytes
 * went through.
 */
ssize_t copy_file_range(int in, off64_t *inOffset, int out, off64_t *outOffset, size_t length,
                        unsigned int flags)
{
    FAIL_ON(writeCall(__func__, out), -1);
    int sharing = isArmed(&g_sharing.armed);
    if (sharing) {
        __atomic_add_fetch(&g_sharing.rangeCalls, 1, __ATOMIC_RELAXED);
        long long copied = __atomic_load_n(&g_sharing.rangeCopied, __ATOMIC_RELAXED);
        long long left = g_sharing.rangeErrnoAfter - copied;
        FAIL_ON(g_sharing.rangeErrno != 0 && left <= 0 ? g_sharing.rangeErrno : 0, -1);
        if (g_sharing.rangeLimit != 0 && length > g_sharing.rangeLimit)
            length = g_sharing.rangeLimit;
        if (g_sharing.rangeErrno != 0 && (long long)length > left)
            length = (size_t)left;
    }
    ssize_t n = real_copy_file_range(in, inOffset, out, outOffset, length, flags);
    if (sharing && n > 0)
        __atomic_add_fetch(&g_sharing.rangeCopied, n, __ATOMIC_RELAXED);
    return n;
}

/* FICLONE armed in-process answers the armed error number (0: the kernel
 * answers). */
int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    ensureResolved();
    if (request == FICLONE) {
        FAIL_ON(writeCall(__func__, fd), -1);
        if (isArmed(&g_sharing.armed)) {
            __atomic_add_fetch(&g_sharing.cloneCalls, 1, __ATOMIC_RELAXED);
            FAIL_ON(g_sharing.cloneErrno, -1);
        }
    }
    return real_ioctl(fd, request, arg);
}

static int syncCall(const char *call, int fd)
{
    if (!(fdFlags(fd) & FD_WATCHED))
        return 0;
    int err = accountFd(K_FSYNC, call, fd);
    noteFsync(fd, err > 0);
    return err;
}

// `real` is read only after the resolution.
static int guardedSync(const char *call, int fd, int (**real)(int))
{
    ensureResolved();
    int err = syncCall(call, fd);
    if (err < 0)
        return 0;
    FAIL_ON(err, -1);
    return (*real)(fd);
}

int fsync(int fd)
{
    return guardedSync(__func__, fd, &real_fsync);
}

int fdatasync(int fd)
{
    return guardedSync(__func__, fd, &real_fdatasync);
}

int syncfs(int fd)
{
    return guardedSync(__func__, fd, &real_syncfs);
}

/* 0, or the error to report after closing `fd`. */
static int closeCall(const char *call, int fd)
{
    ensureResolved();
    int err = (fdFlags(fd) & FD_WRITING) ? accountFd(K_CLOSE, call, fd) : 0;
    setFd(fd, 0);
    return err;
}

int close(int fd)
{
    // As on a network file system: the descriptor is gone, the error is
    // reported anyway.
    int err = closeCall(__func__, fd);
    int r = real_close(fd);
    FAIL_ON(err, -1);
    return r;
}

int fclose(FILE *f)
{
    int err = closeCall(__func__, f ? fileno(f) : -1);
    int r = real_fclose(f);
    FAIL_ON(err, EOF);
    return r;
}

/* Some file systems leave the kind out of their entries: armed in-process,
 * every entry reports none. */
struct dirent *readdir(DIR *dir)
{
    ensureResolved();
    struct dirent *entry = real_readdir(dir);
    if (!entry)
        return NULL;
    char path[PATH_MAX];
    if (isArmed(&g_hookArmed) && watchedPath(dirfd(dir), entry->d_name, path, sizeof path))
        FAIL_ON(hookCall(__func__, path, NULL), NULL);
    if (isArmed(&g_typelessArmed)) {
        entry->d_type = DT_UNKNOWN;
        __atomic_add_fetch(&g_typelessCount, 1, __ATOMIC_RELAXED);
    }
    return entry;
}

/* ---- arming in-process ---- */

void faultArmSharing(int cloneErrno, int rangeErrno, long long rangeErrnoAfter, size_t rangeLimit)
{
    setArmed(&g_sharing.armed, 0);
    g_sharing.cloneErrno = cloneErrno;
    g_sharing.rangeErrno = rangeErrno;
    g_sharing.rangeErrnoAfter = rangeErrnoAfter;
    g_sharing.rangeLimit = rangeLimit;
    g_sharing.cloneCalls = 0;
    g_sharing.rangeCalls = 0;
    g_sharing.rangeCopied = 0;
    setArmed(&g_sharing.armed, 1);
}

void faultDisarmSharing(void) { setArmed(&g_sharing.armed, 0); }
int faultCloneCalls(void) { return __atomic_load_n(&g_sharing.cloneCalls, __ATOMIC_RELAXED); }
int faultRangeCalls(void) { return __atomic_load_n(&g_sharing.rangeCalls, __ATOMIC_RELAXED); }

void faultArmTypeless(int on)
{
    __atomic_store_n(&g_typelessCount, 0, __ATOMIC_RELAXED);
    setArmed(&g_typelessArmed, on);
}

int faultTypelessEntries(void) { return __atomic_load_n(&g_typelessCount, __ATOMIC_RELAXED); }

void faultArmHook(const char *folder, FaultHook hook, void *context)
{
    setArmed(&g_hookArmed, 0);
    setArmed(&g_enabled, 0);
    snprintf(g_prefix, sizeof g_prefix, "%s", folder ? folder : "");
    g_hook = hook;
    g_hookContext = context;
    setArmed(&g_enabled, hook != NULL);
    setArmed(&g_hookArmed, hook != NULL);
}
