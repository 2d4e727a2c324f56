/*
 * Fault injection by LD_PRELOAD: counts the file-system calls a process
 * makes on paths below chosen folders and, at the N-th call of one kind,
 * kills the process with SIGKILL or fails the call with an error.
 *
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
 */
#define _GNU_SOURCE
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

#define REAL(name) static __typeof__(name) *real_##name
REAL(rename);
REAL(renameat);
REAL(renameat2);
REAL(mkdir);
REAL(mkdirat);
REAL(unlink);
REAL(unlinkat);
REAL(rmdir);
REAL(remove);
REAL(open);
REAL(open64);
REAL(openat);
REAL(openat64);
REAL(creat);
REAL(creat64);
REAL(fopen);
REAL(fopen64);
REAL(fclose);
REAL(write);
REAL(pwrite);
REAL(pwrite64);
REAL(writev);
REAL(copy_file_range);
REAL(ioctl);
REAL(fsync);
REAL(fdatasync);
REAL(syncfs);
REAL(close);

#define RESOLVE(name)                                                      \
    do {                                                                   \
        if (!real_##name)                                                  \
            real_##name = (__typeof__(name) *)dlsym(RTLD_NEXT, #name);    \
    } while (0)

static void resolveAll(void)
{
    RESOLVE(rename);
    RESOLVE(renameat);
    RESOLVE(renameat2);
    RESOLVE(mkdir);
    RESOLVE(mkdirat);
    RESOLVE(unlink);
    RESOLVE(unlinkat);
    RESOLVE(rmdir);
    RESOLVE(remove);
    RESOLVE(open);
    RESOLVE(open64);
    RESOLVE(openat);
    RESOLVE(openat64);
    RESOLVE(creat);
    RESOLVE(creat64);
    RESOLVE(fopen);
    RESOLVE(fopen64);
    RESOLVE(fclose);
    RESOLVE(write);
    RESOLVE(pwrite);
    RESOLVE(pwrite64);
    RESOLVE(writev);
    RESOLVE(copy_file_range);
    RESOLVE(ioctl);
    RESOLVE(fsync);
    RESOLVE(fdatasync);
    RESOLVE(syncfs);
    RESOLVE(close);
}

static pthread_once_t g_once = PTHREAD_ONCE_INIT;
static void ensureResolved(void) { (void)pthread_once(&g_once, resolveAll); }

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
    const char *action = getenv("FAULT_ACTION");
    if (action && strcmp(action, "kill") == 0)
        g_action = A_KILL;
    else if (action && strcmp(action, "eio") == 0)
        g_action = A_EIO;
    else if (action && strcmp(action, "enospc") == 0)
        g_action = A_ENOSPC;
    else if (action && strcmp(action, "skip") == 0)
        g_action = A_SKIP;
    if (g_at <= 0 || g_kind < 0 || (g_action == A_SKIP && g_kind != K_FSYNC))
        g_action = A_COUNT;
    g_enabled = g_prefix[0] != '\0';
    unsetenv("LD_PRELOAD");
}

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

/* True when `path` equals one of the colon-separated folders or lies below it. */
static int underAny(const char *path, const char *list)
{
    const char *p = list;
    while (*p) {
        const char *end = strchr(p, ':');
        size_t len = end ? (size_t)(end - p) : strlen(p);
        while (len > 1 && p[len - 1] == '/')
            --len;
        if (len > 0 && strncmp(path, p, len) == 0 && (path[len] == '/' || path[len] == '\0'))
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
    if (!g_enabled || absolutePath(dirfd, path, abs, size) != 0)
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

/*
 * Counts one call and says what to do with it: 0 go on, -1 skip it with
 * success, or the error number to fail it with. A kill never returns.
 */
static int account(int kind, const char *path)
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
        return 0;
    if (g_action == A_KILL) {
        kill(getpid(), SIGKILL);
        _exit(137);
    }
    if (g_action == A_SKIP)
        return -1;
    return g_action == A_EIO ? EIO : ENOSPC;
}

static int accountFd(int kind, int fd)
{
    char path[PATH_MAX];
    if (fdPath(fd, path, sizeof path) != 0)
        path[0] = '\0';
    return account(kind, path);
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

/* ---- renames, folders, removal ---- */

#define PATH_GUARD(kind, dirfd, path, failValue)                   \
    do {                                                           \
        char abs_[PATH_MAX];                                       \
        if (watchedPath((dirfd), (path), abs_, sizeof abs_)) {     \
            int err_ = account((kind), abs_);                      \
            if (err_) {                                            \
                errno = err_;                                      \
                return (failValue);                                \
            }                                                      \
        }                                                          \
    } while (0)

static int watchedEither(int fd1, const char *p1, int fd2, const char *p2, char *abs, size_t size)
{
    return watchedPath(fd1, p1, abs, size) || watchedPath(fd2, p2, abs, size);
}

#define RENAME_GUARD(fd1, p1, fd2, p2)                                  \
    do {                                                                \
        char abs_[PATH_MAX];                                            \
        if (watchedEither((fd1), (p1), (fd2), (p2), abs_, sizeof abs_)) { \
            int err_ = account(K_RENAME, abs_);                         \
            if (err_) {                                                 \
                errno = err_;                                           \
                return -1;                                              \
            }                                                           \
        }                                                               \
    } while (0)

int rename(const char *from, const char *to)
{
    ensureResolved();
    RENAME_GUARD(AT_FDCWD, from, AT_FDCWD, to);
    return real_rename(from, to);
}

int renameat(int fromfd, const char *from, int tofd, const char *to)
{
    ensureResolved();
    RENAME_GUARD(fromfd, from, tofd, to);
    return real_renameat(fromfd, from, tofd, to);
}

int renameat2(int fromfd, const char *from, int tofd, const char *to, unsigned int flags)
{
    ensureResolved();
    RENAME_GUARD(fromfd, from, tofd, to);
    return real_renameat2(fromfd, from, tofd, to, flags);
}

int mkdir(const char *path, mode_t mode)
{
    ensureResolved();
    PATH_GUARD(K_MKDIR, AT_FDCWD, path, -1);
    return real_mkdir(path, mode);
}

int mkdirat(int dirfd, const char *path, mode_t mode)
{
    ensureResolved();
    PATH_GUARD(K_MKDIR, dirfd, path, -1);
    return real_mkdirat(dirfd, path, mode);
}

int unlink(const char *path)
{
    ensureResolved();
    PATH_GUARD(K_UNLINK, AT_FDCWD, path, -1);
    return real_unlink(path);
}

int unlinkat(int dirfd, const char *path, int flags)
{
    ensureResolved();
    PATH_GUARD(K_UNLINK, dirfd, path, -1);
    return real_unlinkat(dirfd, path, flags);
}

int rmdir(const char *path)
{
    ensureResolved();
    PATH_GUARD(K_UNLINK, AT_FDCWD, path, -1);
    return real_rmdir(path);
}

int remove(const char *path)
{
    ensureResolved();
    PATH_GUARD(K_UNLINK, AT_FDCWD, path, -1);
    return real_remove(path);
}

/* ---- opening ---- */

static int writingFlags(int flags)
{
    return (flags & O_ACCMODE) != O_RDONLY || (flags & O_CREAT) || (flags & O_TRUNC);
}

/* Before an open: counts it when it writes; 0 or the error to fail with. */
static int beforeOpen(int dirfd, const char *path, int writing, int *watched)
{
    char abs[PATH_MAX];
    *watched = watchedPath(dirfd, path, abs, sizeof abs);
    if (*watched && writing)
        return account(K_OPENW, abs);
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

#define OPEN_BODY(call, dirfd, path, flags)                       \
    ensureResolved();                                             \
    va_list ap;                                                   \
    va_start(ap, flags);                                          \
    mode_t mode = modeArg(flags, ap);                             \
    va_end(ap);                                                   \
    int writing = writingFlags(flags);                            \
    int watched = 0;                                              \
    int err = beforeOpen((dirfd), (path), writing, &watched);     \
    if (err) {                                                    \
        errno = err;                                              \
        return -1;                                                \
    }                                                             \
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

int creat(const char *path, mode_t mode)
{
    ensureResolved();
    int watched = 0;
    int err = beforeOpen(AT_FDCWD, path, 1, &watched);
    if (err) {
        errno = err;
        return -1;
    }
    return afterOpen(real_creat(path, mode), watched, 1);
}

int creat64(const char *path, mode_t mode)
{
    ensureResolved();
    int watched = 0;
    int err = beforeOpen(AT_FDCWD, path, 1, &watched);
    if (err) {
        errno = err;
        return -1;
    }
    return afterOpen(real_creat64(path, mode), watched, 1);
}

static int writingMode(const char *mode)
{
    return mode && (strchr(mode, 'w') || strchr(mode, 'a') || strchr(mode, '+'));
}

static FILE *fopenCommon(__typeof__(fopen) *real, const char *path, const char *mode)
{
    int writing = writingMode(mode);
    int watched = 0;
    int err = beforeOpen(AT_FDCWD, path, writing, &watched);
    if (err) {
        errno = err;
        return NULL;
    }
    FILE *f = real(path, mode);
    if (f)
        afterOpen(fileno(f), watched, writing);
    return f;
}

FILE *fopen(const char *path, const char *mode)
{
    ensureResolved();
    return fopenCommon(real_fopen, path, mode);
}

FILE *fopen64(const char *path, const char *mode)
{
    ensureResolved();
    return fopenCommon(real_fopen64, path, mode);
}

/* ---- writing, flushing, closing ---- */

#define WRITE_GUARD(fd)                                      \
    do {                                                     \
        if (fdFlags(fd) & FD_WRITING) {                      \
            int err_ = accountFd(K_WRITE, (fd));             \
            if (err_) {                                      \
                errno = err_;                                \
                return -1;                                   \
            }                                                \
        }                                                    \
    } while (0)

ssize_t write(int fd, const void *buf, size_t count)
{
    ensureResolved();
    WRITE_GUARD(fd);
    return real_write(fd, buf, count);
}

ssize_t pwrite(int fd, const void *buf, size_t count, off_t offset)
{
    ensureResolved();
    WRITE_GUARD(fd);
    return real_pwrite(fd, buf, count, offset);
}

ssize_t pwrite64(int fd, const void *buf, size_t count, off64_t offset)
{
    ensureResolved();
    WRITE_GUARD(fd);
    return real_pwrite64(fd, buf, count, offset);
}

ssize_t writev(int fd, const struct iovec *iov, int iovcnt)
{
    ensureResolved();
    WRITE_GUARD(fd);
    return real_writev(fd, iov, iovcnt);
}

/* The copy lets the kernel write its data where it can: those calls are
 * its writes. */
ssize_t copy_file_range(int in, off64_t *inOffset, int out, off64_t *outOffset, size_t length,
                        unsigned int flags)
{
    ensureResolved();
    WRITE_GUARD(out);
    return real_copy_file_range(in, inOffset, out, outOffset, length, flags);
}

int ioctl(int fd, unsigned long request, ...)
{
    va_list args;
    va_start(args, request);
    void *arg = va_arg(args, void *);
    va_end(args);
    ensureResolved();
    if (request == FICLONE)
        WRITE_GUARD(fd);
    return real_ioctl(fd, request, arg);
}

static int syncGuard(int fd)
{
    if (!(fdFlags(fd) & FD_WATCHED))
        return 0;
    int err = accountFd(K_FSYNC, fd);
    noteFsync(fd, err > 0);
    return err;
}

// `real` is read only after the resolution, which a call from another
// library's constructor may be the first to need.
static int guardedSync(int fd, int (**real)(int))
{
    ensureResolved();
    int err = syncGuard(fd);
    if (err < 0)
        return 0;
    if (err) {
        errno = err;
        return -1;
    }
    return (*real)(fd);
}

int fsync(int fd)
{
    return guardedSync(fd, &real_fsync);
}

int fdatasync(int fd)
{
    return guardedSync(fd, &real_fdatasync);
}

int syncfs(int fd)
{
    return guardedSync(fd, &real_syncfs);
}

int close(int fd)
{
    ensureResolved();
    int flags = fdFlags(fd);
    int err = (flags & FD_WRITING) ? accountFd(K_CLOSE, fd) : 0;
    setFd(fd, 0);
    int r = real_close(fd);
    if (err) {
        errno = err;
        return -1;
    }
    return r;
}

int fclose(FILE *f)
{
    ensureResolved();
    int fd = f ? fileno(f) : -1;
    int flags = fdFlags(fd);
    int err = (flags & FD_WRITING) ? accountFd(K_CLOSE, fd) : 0;
    setFd(fd, 0);
    int r = real_fclose(f);
    if (err) {
        errno = err;
        return EOF;
    }
    return r;
}
