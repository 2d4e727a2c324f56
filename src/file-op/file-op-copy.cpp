// File copy, move with the copy-and-delete fallback across file systems,
// recursive removal and flush.
#include "file-op.h"
#include "file-op-private.h"
#include "file-op-tree.h"

#include <atomic>
#include <climits>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <vector>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>

using namespace fileop;

namespace {

constexpr size_t kCopyBufferSize = 8192;

struct FreeDeleter {
    void operator()(char *p) const { free(p); }
};

int32_t SpaceOrFailure(int err)
{
    return (err == ENOSPC || err == EDQUOT) ? -2 : -1;
}

// fsync on a FIFO, a terminal or a pseudo file answers EINVAL: nothing there
// can be made durable, and nothing was lost.
bool SyncFailed(int fd, int &err)
{
    if (fsync(fd) == 0)
        return false;
    err = errno;
    return err != EINVAL;
}

std::atomic<bool> g_folderFlushUnsupportedNoted{false};
std::atomic<bool> g_folderFlushFailureLogged{false};

bool FolderFlushUnsupported(int err)
{
    return err == EINVAL || err == EOPNOTSUPP || err == ENOTSUP;
}

// 0 when the folder is flushed, or cannot be on its file system (noted
// once per run); else the error number, logged when `logFailure` is set.
int FlushFolder(int fd, const std::string &shown, bool logFailure)
{
    if (fsync(fd) == 0)
        return 0;
    const int err = errno;
    if (FolderFlushUnsupported(err)) {
        if (!g_folderFlushUnsupportedNoted.exchange(true))
            LOG_NOTE("folders cannot be flushed on the file system of '%s': %s (%d); such flushes count as done\n",
                     shown.c_str(), ErrorText(err).c_str(), err);
        return 0;
    }
    if (!logFailure)
        return err;
    if (!g_folderFlushFailureLogged.exchange(true))
        LOG_ERROR("failed to flush folder '%s': %s (%d)\n", shown.c_str(), ErrorText(err).c_str(), err);
    else
        LOG_INFO("failed to flush folder '%s': %s (%d)\n", shown.c_str(), ErrorText(err).c_str(), err);
    return err;
}

// Once the source goes away, the only copy is the destination: its name must
// be on disk too, not only its data.
int SyncParentDirectory(const std::string &path, std::string &dirPath)
{
    dirPath = path.find('/') == std::string::npos ? std::string(".") : FSDirName(path);
    // A folder we may write to but not read cannot be opened to flush it;
    // the entry's durability is then the file system's own.
    UniqueFd dir(open(dirPath.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid())
        return 0;
    // The caller logs the failure.
    return FlushFolder(dir.get(), dirPath, false);
}

std::string FolderOf(const std::string &path)
{
    return path.find('/') == std::string::npos ? std::string(".") : FSDirName(path);
}

// A trailing "/" makes the system resolve a final symbolic link; removal
// must see the link itself.
std::string WithoutTrailingSlashes(const std::string &path)
{
    size_t end = path.find_last_not_of('/');
    if (end == std::string::npos)
        return path.substr(0, 1);
    return path.substr(0, end + 1);
}

// Empties the folder open at `top` and every folder below it, walking as
// every tree walk does. There is no depth bound: whatever a user's tree
// holds, it can always go, and the walk holds only a few descriptors. 0, or
// the error number of the first entry that cannot go.
int RemoveContents(UniqueFd top)
{
    TreeWalk walk;
    int err = walk.start(std::move(top));
    if (err != 0 || (err = walk.read()) != 0)
        return err;
    for (;;) {
        DirEntry entry;
        struct stat st;
        if (!walk.next(entry)) {
            if (walk.depth() == 0)
                return 0;
            const std::string name = walk.name();
            struct stat emptied, there;
            if (fstat(walk.fd(), &emptied) != 0)
                return errno;
            if ((err = walk.leave()) != 0)
                return err;
            if (fstatat(walk.fd(), name.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0)
                return errno;
            // Moved elsewhere meanwhile: what stands under its name now is
            // not ours to remove.
            if (there.st_dev != emptied.st_dev || there.st_ino != emptied.st_ino)
                return ESTALE;
            if (unlinkat(walk.fd(), name.c_str(), AT_REMOVEDIR) != 0)
                return errno;
            continue;
        }
        if (fstatat(walk.fd(), entry.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno == ENOENT)
                continue;
            return errno;
        }
        if (!S_ISDIR(st.st_mode)) {
            if (unlinkat(walk.fd(), entry.name.c_str(), 0) != 0 && errno != ENOENT)
                return errno;
            continue;
        }
        if ((err = walk.enter(entry.name)) != 0 || (err = walk.read()) != 0)
            return err;
    }
}

// ---- sharing blocks

// The two ways of letting the kernel copy, tried in this order before the
// read/write loop.
enum SharingMethod : unsigned {
    kClone = 1,     // FICLONE: the new file gets the source's blocks
    kRangeCopy = 2, // copy_file_range: shared extents, or an in-kernel copy
};

// A pair of file systems that refused a method keeps refusing it: a tree
// copy asks once, not once per file. Keyed by the two devices; the launch
// is short-lived, so the list stays as small as the pairs it meets.
struct Refusal {
    dev_t from;
    dev_t to;
    unsigned methods;
};
std::mutex g_refusalsMutex;
std::vector<Refusal> g_refusals;

unsigned RefusedMethods(dev_t from, dev_t to)
{
    std::lock_guard<std::mutex> lock(g_refusalsMutex);
    for (const Refusal &r : g_refusals) {
        if (r.from == from && r.to == to)
            return r.methods;
    }
    return 0;
}

void RememberRefusal(dev_t from, dev_t to, unsigned method)
{
    std::lock_guard<std::mutex> lock(g_refusalsMutex);
    for (Refusal &r : g_refusals) {
        if (r.from == from && r.to == to) {
            r.methods |= method;
            return;
        }
    }
    g_refusals.push_back(Refusal{from, to, method});
}

// The answers by which the kernel says that this pair of files cannot be
// copied that way here (another file system, none that shares, a kernel or
// a FUSE daemon without the call), as opposed to a failure of the copy.
bool NotSupportedHere(int err)
{
    return err == EOPNOTSUPP || err == ENOTSUP || err == EXDEV || err == EINVAL || err == ENOSYS
        || err == EBADF || err == ENOTTY;
}

// A failure of a kernel copy, reported as the read/write loop would have
// reported it: only the source can be a folder or fail to be read back;
// what the destination refuses is the write's failure.
int32_t KernelCopyFailure(int err)
{
    if (err == ENOSPC || err == EDQUOT || err == EFBIG || err == EROFS || err == EPERM) {
        LOG_ERROR("CopyFile: write: %s (%d)\n", ErrorText(err).c_str(), err);
        return SpaceOrFailure(err);
    }
    LOG_ERROR("CopyFile: read: %s (%d)\n", ErrorText(err).c_str(), err);
    return -1;
}

enum class Shared { Complete, Continue, Failed };

// Lets the kernel copy `in` to `out` when both are regular files that start
// at their beginning: blocks shared where the file system can, an in-kernel
// copy where it cannot. Complete: `out` holds everything. Continue: the
// read/write loop goes on from where the offsets of both stand (nothing
// copied, or a copy_file_range that stopped). Failed: logged, `result` set.
Shared ShareBlocks(int in, int out, int32_t &result)
{
    struct stat src, dst;
    if (fstat(in, &src) != 0 || fstat(out, &dst) != 0 || !S_ISREG(src.st_mode) || !S_ISREG(dst.st_mode)
        || src.st_size == 0)
        return Shared::Continue;
    unsigned refused = RefusedMethods(src.st_dev, dst.st_dev);

    if (!(refused & kClone) && lseek(in, 0, SEEK_CUR) == 0 && lseek(out, 0, SEEK_CUR) == 0) {
        int rc;
        do
            rc = ioctl(out, FICLONE, in);
        while (rc != 0 && errno == EINTR);
        if (rc == 0)
            return Shared::Complete;
        int err = errno;
        // ETXTBSY (a swap file, a file being run) concerns this file only.
        if (NotSupportedHere(err))
            RememberRefusal(src.st_dev, dst.st_dev, kClone);
        else if (err != ETXTBSY) {
            result = KernelCopyFailure(err);
            return Shared::Failed;
        }
    }

    if (refused & kRangeCopy)
        return Shared::Continue;
    // As much as the kernel takes at a time; it continues where it stopped.
    constexpr size_t kRangeChunk = size_t(1) << 30;
    for (;;) {
        ssize_t n = copy_file_range(in, nullptr, out, nullptr, kRangeChunk, 0);
        if (n > 0)
            continue;
        if (n == 0)
            // The end as the kernel sees it; the loop's read confirms it,
            // and finds what a file that reports no size still holds.
            return Shared::Continue;
        int err = errno;
        if (err == EINTR)
            continue;
        if (NotSupportedHere(err)) {
            // The loop takes over where the kernel stopped.
            RememberRefusal(src.st_dev, dst.st_dev, kRangeCopy);
            return Shared::Continue;
        }
        result = KernelCopyFailure(err);
        return Shared::Failed;
    }
}

} // namespace

int fileop::SyncFolder(int dirFd, const std::string &shown)
{
    return FlushFolder(dirFd, shown, true);
}

int fileop::SyncFolderAt(const std::string &path)
{
    UniqueFd dir(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!dir.valid()) {
        const int err = errno;
        if (!g_folderFlushFailureLogged.exchange(true))
            LOG_ERROR("failed to flush folder '%s': open: %s (%d)\n", path.c_str(), ErrorText(err).c_str(), err);
        else
            LOG_INFO("failed to flush folder '%s': open: %s (%d)\n", path.c_str(), ErrorText(err).c_str(), err);
        return err;
    }
    return FlushFolder(dir.get(), path, true);
}

void fileop::ForgetSharingRefusals()
{
    std::lock_guard<std::mutex> lock(g_refusalsMutex);
    g_refusals.clear();
}

int32_t fileop::CopyContent(UniqueFd &in, UniqueFd &out, const std::string &destination)
{
    std::unique_ptr<char, FreeDeleter> buffer(static_cast<char *>(malloc(kCopyBufferSize)));
    if (!buffer) {
        int err = errno;
        LOG_ERROR("FSCopy: malloc(%d): %s (%d)\n", static_cast<int>(kCopyBufferSize),
                  ErrorText(err).c_str(), err);
        return -1;
    }

    int32_t result = 0;
    Shared shared = ShareBlocks(in.get(), out.get(), result);
    for (; shared == Shared::Continue;) {
        ssize_t n = read(in.get(), buffer.get(), kCopyBufferSize);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int err = errno;
            LOG_ERROR("CopyFile: read: %s (%d)\n", ErrorText(err).c_str(), err);
            result = -1;
            break;
        }
        if (n == 0)
            break;
        int err = WriteAll(out.get(), buffer.get(), static_cast<size_t>(n));
        if (err != 0) {
            LOG_ERROR("CopyFile: write: %s (%d)\n", ErrorText(err).c_str(), err);
            result = SpaceOrFailure(err);
            break;
        }
    }
    in.reset();
    buffer.reset();

    // The data may still be refused when it reaches the disk: a copy only
    // counts once flush and close of the destination both succeeded.
    int syncErr = 0;
    bool syncFailed = SyncFailed(out.get(), syncErr);
    int closeErr = out.close();
    if (result != 0)
        return result;
    if (syncFailed) {
        LOG_ERROR("CopyFile: fsync(%s): %s (%d)\n", destination.c_str(),
                  ErrorText(syncErr).c_str(), syncErr);
        return SpaceOrFailure(syncErr);
    }
    if (closeErr != 0) {
        LOG_ERROR("CopyFile: close(%s): %s (%d)\n", destination.c_str(),
                  ErrorText(closeErr).c_str(), closeErr);
        return SpaceOrFailure(closeErr);
    }
    return 0;
}

int32_t CopyFile(const std::string &source, const std::string &destination,
                 bool removeSource, bool keepMode)
{
    // O_NONBLOCK: a FIFO in a tree must never stall the copy waiting for a
    // writer; on regular files the flag has no effect.
    UniqueFd in(open(source.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!in.valid()) {
        int err = errno;
        LOG_ERROR("CopyFile: open(%s): %s (%d)\n", source.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }

    mode_t mode = 0644;
    if (keepMode) {
        FileInfo info;
        // A source that vanished since the open has no mode to keep.
        if (FSStat(source, info) != 0 || !info.exists) {
            LOG_ERROR("FSStat: check state (%s) failed\n", source.c_str());
            return -1;
        }
        mode = info.mode & 07777;
    }

    UniqueFd out(open(destination.c_str(),
                      O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_NONBLOCK | O_CLOEXEC, mode));
    if (!out.valid()) {
        int err = errno;
        LOG_ERROR("CopyFile: open(%s): %s (%d)\n", destination.c_str(), ErrorText(err).c_str(),
                  err);
        return -1;
    }

    int32_t result = CopyContent(in, out, destination);
    if (result != 0)
        return result;

    if (removeSource) {
        std::string dirPath;
        int err = SyncParentDirectory(destination, dirPath);
        if (err != 0) {
            LOG_ERROR("CopyFile: fsync(%s): %s (%d)\n", dirPath.c_str(), ErrorText(err).c_str(),
                      err);
            return SpaceOrFailure(err);
        }
        if (unlink(source.c_str()) != 0)
            return -1;
    }
    return 0;
}

int32_t CopyFileAt(int srcDir, const std::string &srcName, int dstDir, const std::string &dstName,
                   bool keepMode, const std::string &srcShown, const std::string &dstShown)
{
    // The kind is judged before anything is opened: opening a device or a
    // FIFO can have effects of its own, and reading one may never end.
    struct stat target;
    if (fstatat(srcDir, srcName.c_str(), &target, 0) != 0) {
        int err = errno;
        LOG_ERROR("CopyFile: open(%s): %s (%d)\n", srcShown.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }
    if (!S_ISREG(target.st_mode)) {
        LOG_ERROR("CopyFile: '%s' is not a regular file (%d)\n", srcShown.c_str(),
                  static_cast<int>(TypeFromMode(target.st_mode)));
        return -1;
    }
    UniqueFd in(openat(srcDir, srcName.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!in.valid()) {
        int err = errno;
        LOG_ERROR("CopyFile: open(%s): %s (%d)\n", srcShown.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }
    // Swapped for something else between the look and the open.
    struct stat opened {};
    if (fstat(in.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != target.st_dev
        || opened.st_ino != target.st_ino) {
        LOG_ERROR("CopyFile: '%s' is not a regular file (%d)\n", srcShown.c_str(),
                  static_cast<int>(TypeFromMode(opened.st_mode)));
        return -1;
    }

    mode_t mode = 0644;
    if (keepMode) {
        // The entry's own bits, a link's included, as FSStat reports them.
        struct stat own;
        if (fstatat(srcDir, srcName.c_str(), &own, AT_SYMLINK_NOFOLLOW) != 0) {
            LOG_ERROR("FSStat: check state (%s) failed\n", srcShown.c_str());
            return -1;
        }
        mode = own.st_mode & 07777;
    }
    UniqueFd out(openat(dstDir, dstName.c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, mode));
    if (!out.valid()) {
        int err = errno;
        LOG_ERROR("CopyFile: open(%s): %s (%d)\n", dstShown.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }
    return CopyContent(in, out, dstShown);
}

namespace {

// Across file systems a move is a copy, and the copy must never take the
// place of anything: no existing name is overwritten, modes stay as they
// were, a link arrives as the same link. Copies srcName of the folder open
// at srcDir to dstName of the one open at dstDir (AT_FDCWD and whole paths
// work too); `shown` names the destination in the log. The source stays;
// the caller removes it once the new name is on disk. 0 or -3.
int32_t CopyEntryAcross(int srcDir, const std::string &srcName, const struct stat &st, int dstDir,
                        const std::string &dstName, const std::string &shown)
{
    if (S_ISLNK(st.st_mode)) {
        // Some file systems report no size for a link: the buffer takes the
        // longest target a link can have.
        std::vector<char> target(PATH_MAX + 1);
        const ssize_t len = readlinkat(srcDir, srcName.c_str(), target.data(), target.size());
        if (len < 0 || static_cast<size_t>(len) >= target.size())
            return -3;
        target[static_cast<size_t>(len)] = '\0';
        return symlinkat(target.data(), dstDir, dstName.c_str()) == 0 ? 0 : -3;
    }
    // Devices, FIFOs and sockets have no content to carry.
    if (!S_ISREG(st.st_mode))
        return -3;
    UniqueFd in(openat(srcDir, srcName.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat opened;
    if (!in.valid() || fstat(in.get(), &opened) != 0 || !S_ISREG(opened.st_mode) || opened.st_dev != st.st_dev
        || opened.st_ino != st.st_ino)
        return -3;
    const mode_t mode = st.st_mode & 07777;
    UniqueFd out(openat(dstDir, dstName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC,
                        S_IRUSR | S_IWUSR));
    if (!out.valid())
        return -3;
    // The umask applied to the creation; the file's own bits are what it had.
    if (fchmod(out.get(), mode) != 0 || CopyContent(in, out, shown) != 0) {
        // Only what this call created goes; the source is still whole.
        (void)unlinkat(dstDir, dstName.c_str(), 0);
        return -3;
    }
    return 0;
}

// The folder `name` of the one open at `dir` (AT_FDCWD and a whole path
// work too), made for a move. As a rename would: an empty folder is
// replaced, anything else refuses the move before a single entry goes.
bool MakeFolderAcross(int dir, const std::string &name)
{
    if (mkdirat(dir, name.c_str(), S_IRWXU) == 0)
        return true;
    if (errno != EEXIST)
        return false;
    UniqueFd there(openat(dir, name.c_str(), kWalkFolderFlags));
    std::vector<DirEntry> entries;
    return there.valid() && ListDirectoryAt(there.get(), entries) == 0 && entries.empty();
}

// Moves the folder tree at `source` to `destination`, walking both as
// every tree walk does, without a depth bound (a user's own tree). Each
// folder is made and its name flushed before its entries come; once its
// entries are done, its mode is set, it is flushed, and only then do the
// files it received leave the source, and the emptied source folder after
// them. A failed move still removes what it carried over, so that every
// entry lives in one place only. 0 or -3.
int32_t MoveFolderAcross(const std::string &source, const struct stat &st, const std::string &destination)
{
    if (!MakeFolderAcross(AT_FDCWD, destination))
        return -3;
    FolderChain to;
    if (to.start(UniqueFd(open(destination.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC))) != 0)
        return -3;
    // The folder's own name reaches the disk before anything of the source
    // is removed.
    UniqueFd parent(open(FolderOf(destination).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent.valid() || SyncFolder(parent.get(), FolderOf(destination)) != 0)
        return -3;
    parent.reset();
    TreeWalk from;
    if (from.start(UniqueFd(open(source.c_str(), kWalkFolderFlags))) != 0 || from.read() != 0)
        return -3;

    struct Level {
        mode_t mode;
        std::vector<std::string> copied; // removed there once this folder is flushed
        size_t mark;                     // the length of rel above it
    };
    std::vector<Level> levels{Level{st.st_mode, {}, 0}};
    std::string rel; // the folder being moved, below both tops
    int32_t result = 0;
    for (;;) {
        DirEntry entry;
        if (result == 0 && from.next(entry)) {
            struct stat there;
            if (fstatat(from.fd(), entry.name.c_str(), &there, AT_SYMLINK_NOFOLLOW) != 0) {
                if (errno != ENOENT)
                    result = -3;
                continue;
            }
            if (!S_ISDIR(there.st_mode)) {
                if (CopyEntryAcross(from.fd(), entry.name, there, to.fd(), entry.name,
                                    destination + rel + "/" + entry.name) != 0)
                    result = -3;
                else
                    levels.back().copied.push_back(entry.name);
                continue;
            }
            if (!MakeFolderAcross(to.fd(), entry.name) || SyncFolder(to.fd(), destination + rel) != 0
                || to.enter(entry.name) != 0) {
                result = -3;
                continue;
            }
            int err = from.enter(entry.name);
            if (err == 0 && (err = from.read()) != 0 && from.leave() != 0)
                return -3;
            if (err != 0) {
                if (to.leave() != 0)
                    return -3;
                result = -3;
                continue;
            }
            levels.push_back(Level{there.st_mode, {}, rel.size()});
            rel += "/" + entry.name;
            continue;
        }

        // This folder is done, or the move failed in it or below.
        Level &level = levels.back();
        if (result == 0 && fchmod(to.fd(), level.mode & 07777) != 0)
            result = -3;
        if (SyncFolder(to.fd(), destination + rel) != 0) {
            result = -3;
        } else {
            for (const std::string &name : level.copied) {
                if (unlinkat(from.fd(), name.c_str(), 0) != 0) {
                    result = -3;
                    break;
                }
            }
        }
        if (levels.size() == 1)
            return result != 0 ? result : rmdir(source.c_str()) == 0 ? 0 : -3;
        const std::string name = from.name();
        rel.resize(level.mark);
        levels.pop_back();
        // Lost the way back: what the folders above received stays in both
        // places.
        if (from.leave() != 0 || to.leave() != 0)
            return -3;
        if (result == 0 && unlinkat(from.fd(), name.c_str(), AT_REMOVEDIR) != 0)
            result = -3;
    }
}

} // namespace

int32_t FSMovePath(const std::string &source, const std::string &destination)
{
    if (source.empty() || destination.empty())
        return -1;

    FileInfo info;
    if (FSStat(source, info) != 0 || !info.exists)
        return -2;

    if (rename(source.c_str(), destination.c_str()) == 0)
        return 0;
    int err = errno;
    if (err == ENAMETOOLONG)
        return -100;
    if (err != EXDEV)
        return -3;

    struct stat st;
    if (lstat(source.c_str(), &st) != 0)
        return -3;
    if (S_ISDIR(st.st_mode))
        return MoveFolderAcross(source, st, destination);
    if (CopyEntryAcross(AT_FDCWD, source, st, AT_FDCWD, destination, destination) != 0)
        return -3;
    UniqueFd parent(open(FolderOf(destination).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!parent.valid() || SyncFolder(parent.get(), FolderOf(destination)) != 0)
        return -3;
    return unlink(source.c_str()) == 0 ? 0 : -3;
}

int32_t FSRemovePath(const std::string &given)
{
    if (given.empty())
        return -1;
    const std::string path = WithoutTrailingSlashes(given);
    // Emptying the whole system is never what a caller meant. A final "." or
    // ".." cannot be removed itself (rmdir refuses it), so its contents are
    // not emptied either before the certain failure.
    const std::string last = FSBaseName(path);
    if (path == "/" || last == "." || last == "..")
        return -3;

    FileInfo info;
    if (FSStat(path, info) != 0)
        return -1;
    if (!info.exists)
        return 0;

    if (info.type == FS_TYPE_DIRECTORY) {
        UniqueFd top(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (!top.valid())
            return errno == ENOENT ? 0 : -3;
        const int err = RemoveContents(std::move(top));
        if (err != 0) {
            errno = err;
            return -3;
        }
        return rmdir(path.c_str()) == 0 ? 0 : -3;
    }

    // A symbolic link is removed, never its target.
    return unlink(path.c_str()) == 0 ? 0 : -3;
}

int32_t FSFsync(const std::string &path)
{
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid()) {
        int err = errno;
        if (err == ENOENT)
            return 1;
        LOG_ERROR("FSFsync: open(%s): %s (%d)\n", path.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }
    if (fsync(fd.get()) != 0) {
        int err = errno;
        LOG_ERROR("FSFsync: fsync(%s): %s (%d)\n", path.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }
    return 0;
}
