// File information, existence tests, directory creation, the directory walk
// and the two path-string functions.
#include "file-op.h"
#include "file-op-private.h"

#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

namespace fileop {

uint32_t TypeFromMode(unsigned mode)
{
    switch (mode & S_IFMT) {
    case S_IFREG:
        return FS_TYPE_FILE;
    case S_IFDIR:
        return FS_TYPE_DIRECTORY;
    case S_IFCHR:
    case S_IFBLK:
        return FS_TYPE_DEVICE;
    case S_IFLNK:
        return FS_TYPE_SYMLINK;
    case S_IFIFO:
        return FS_TYPE_FIFO;
    case S_IFSOCK:
        return FS_TYPE_SOCKET;
    default:
        return FS_TYPE_UNKNOWN;
    }
}

namespace {

uint32_t TypeFromDirent(unsigned char kind)
{
    switch (kind) {
    case DT_REG:
        return FS_TYPE_FILE;
    case DT_DIR:
        return FS_TYPE_DIRECTORY;
    case DT_LNK:
        return FS_TYPE_SYMLINK;
    case DT_CHR:
    case DT_BLK:
        return FS_TYPE_DEVICE;
    case DT_FIFO:
        return FS_TYPE_FIFO;
    case DT_SOCK:
        return FS_TYPE_SOCKET;
    default:
        return FS_TYPE_UNKNOWN;
    }
}

} // namespace

int ListDirectory(const std::string &path, std::vector<std::string> &names)
{
    // O_NOFOLLOW: a directory swapped for a link after the caller's lstat is
    // refused rather than walked. O_NONBLOCK: if it was swapped for a FIFO,
    // O_DIRECTORY refuses it without waiting for a writer.
    UniqueFd fd(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (!fd.valid())
        return errno;
    std::vector<DirEntry> entries;
    int err = ListDirectoryAt(fd.get(), entries);
    if (err != 0)
        return err;
    names.clear();
    for (DirEntry &entry : entries)
        names.push_back(std::move(entry.name));
    return 0;
}

int ListDirectoryAt(int dirFd, std::vector<DirEntry> &entries)
{
    // The stream gets a descriptor of its own: closing it must leave the
    // caller's open. Both share one offset, so the stream starts over.
    int dup = fcntl(dirFd, F_DUPFD_CLOEXEC, 0);
    if (dup < 0)
        return errno;
    OwnedDir dir(fdopendir(dup));
    if (!dir) {
        int err = errno;
        (void)close(dup);
        return err;
    }
    rewinddir(dir.get());
    entries.clear();
    for (;;) {
        errno = 0;
        struct dirent *d = readdir(dir.get());
        if (!d) {
            // A read error is no end of the folder: what follows it is unknown.
            if (errno != 0)
                return errno;
            break;
        }
        if (strcmp(d->d_name, ".") == 0 || strcmp(d->d_name, "..") == 0)
            continue;
        DirEntry entry;
        entry.name = d->d_name;
        entry.type = TypeFromDirent(d->d_type);
        entries.push_back(std::move(entry));
    }
    return 0;
}

} // namespace fileop

using namespace fileop;

bool FileInfo::operator==(const FileInfo &other) const
{
    return exists == other.exists && size == other.size && mtime == other.mtime
        && type == other.type && path == other.path && name == other.name;
}

DirHandle::DirHandle(DirHandle &&other) noexcept
    : path(std::move(other.path)), options(other.options), stream(other.stream)
{
    other.stream = nullptr;
    other.path.clear();
}

DirHandle &DirHandle::operator=(DirHandle &&other) noexcept
{
    if (this != &other) {
        if (stream)
            (void)closedir(stream);
        path = std::move(other.path);
        options = other.options;
        stream = other.stream;
        other.stream = nullptr;
        other.path.clear();
    }
    return *this;
}

DirHandle::~DirHandle()
{
    if (stream)
        (void)closedir(stream);
}

int32_t FSStat(const std::string &path, FileInfo &info)
{
    if (path.empty())
        return -1;

    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return -2;
        info = FileInfo();
        info.path = path;
        info.name = FSBaseName(path);
        return 0;
    }

    uint32_t type = TypeFromMode(st.st_mode);
    if (type == FS_TYPE_UNKNOWN)
        return -2;
    info.path = path;
    info.name = FSBaseName(path);
    info.type = type;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.size = static_cast<uint64_t>(st.st_size);
    info.exists = true;
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = st.st_mode;
    info.device = static_cast<uint64_t>(st.st_dev);
    return 0;
}

bool FSExists(const std::string &path)
{
    if (path.empty())
        return false;
    FileInfo info;
    return FSStat(path, info) == 0 && info.exists;
}

int32_t FSMKDir(const std::string &path, bool recursive)
{
    if (path.empty())
        return -1;

    FileInfo info;
    if (FSStat(path, info) != 0) {
        ErrnoKeeper keep(errno);
        LOG_ERROR("FSMKDir: Failed to to file info '%s'\n", path.c_str());
        return -1;
    }
    if (info.exists) {
        if (info.type == FS_TYPE_DIRECTORY)
            return 0;
        LOG_ERROR("FSMKDir: Create a folder but local file system is not directory '%s' (%d)\n",
                  path.c_str(), static_cast<int>(info.type));
        return -1;
    }

    int err;
    if (!recursive) {
        if (mkdir(path.c_str(), 0777) == 0)
            return 0;
        err = errno;
        // Someone else created it since the query: a directory is what we
        // wanted, even through a link.
        if (err == EEXIST && IsDirectoryFollowingLinks(path))
            return 0;
    } else {
        if (FSMKDirP(path) == 0)
            return 0;
        err = errno;
    }

    ErrnoKeeper keep(err);
    LOG_ERROR("path = %s errno : %s\n", path.c_str(), ErrorText(err).c_str());
    return -2;
}

int32_t FSMKDirP(const std::string &path)
{
    std::string prefix;
    try {
        prefix = path;
    } catch (...) {
        errno = ENOMEM;
        return -1;
    }
    if (prefix.empty()) {
        errno = ENOENT;
        return -1;
    }

    size_t pos = prefix[0] == '/' ? 1 : 0;
    for (;;) {
        size_t slash = prefix.find('/', pos);
        bool last = slash == std::string::npos || slash + 1 == prefix.size();
        if (slash != std::string::npos)
            prefix[slash] = '\0';
        const char *cut = prefix.c_str();

        struct stat st;
        if (stat(cut, &st) != 0) {
            // Missing, or unreachable (an earlier prefix is a file): the
            // creation decides and leaves its error number behind.
            if (mkdir(cut, 0777) != 0) {
                int err = errno;
                if (err != EEXIST)
                    return -1;
                if (stat(cut, &st) != 0 || !S_ISDIR(st.st_mode)) {
                    errno = err;
                    return -1;
                }
            }
        } else if (S_ISDIR(st.st_mode)) {
            if (!last && LogIsEnabled(LOG_LEVEL_INFO, LOG_COMPONENT)) {
                struct stat lst;
                if (lstat(cut, &lst) == 0 && S_ISLNK(lst.st_mode))
                    LOG_INFO("FSMKDirP: path: %s is symbolic link pointed to folder\n", cut);
            }
        } else if (last) {
            errno = EEXIST;
            ErrnoKeeper keep(EEXIST);
            LOG_INFO("FSMKDirP: path: %s is existing file or symbolic link pointed to file\n", cut);
            return -1;
        }

        if (last)
            return 0;
        prefix[slash] = '/';
        pos = slash + 1;
    }
}

bool FSIsParentPath(const std::string &parent, const std::string &path)
{
    size_t n = parent.size();
    if (path.size() < n)
        return false;
    if (path.size() != n && path[n] != '/')
        return false;
    return path.compare(0, n, parent) == 0;
}

int32_t FSMKDirFromRoot(const std::string &target, const std::string &root)
{
    if (target.size() < root.size()) {
        LOG_ERROR("Giving a root '%s' whose length is larger then target's '%s'.\n",
                  root.c_str(), target.c_str());
        return -1;
    }
    if (!FSIsParentPath(root, target)) {
        LOG_ERROR("root '%s' is not a parent folder of target '%s'\n", root.c_str(), target.c_str());
        return -1;
    }

    const std::string rel = target.substr(root.size());
    std::string cur;
    while (cur != rel) {
        size_t slash = rel.find('/', cur.size() + 1);
        cur = rel.substr(0, slash);
        LOG_DEBUG("FSMKDirFromRoot: create %s\n", cur.c_str());
        if (FSMKDir(root + cur, false) < 0)
            return -1;
    }
    return 0;
}

int32_t FSOpenDir(const std::string &path, int32_t options, DirHandle &handle)
{
    DIR *stream = opendir(path.c_str());
    if (!stream) {
        int err = errno;
        ErrnoKeeper keep(err);
        LOG_ERROR("FSOpenDir: Failed to open directory '%s'. %s\n", path.c_str(),
                  ErrorText(err).c_str());
        return -1;
    }
    if (handle.stream)
        (void)closedir(handle.stream);
    handle.stream = stream;
    handle.path = path;
    handle.options = options;
    return 0;
}

int32_t FSReadDir(DirHandle &handle, DirEntry &entry)
{
    if (!handle.stream)
        return 0;
    // A read error of the stream is a failure, never the end of the folder:
    // a caller that took it for the end would miss the entries after it.
    errno = 0;
    struct dirent *d = readdir(handle.stream);
    if (!d) {
        int err = errno;
        if (err == 0)
            return 0;
        ErrnoKeeper keep(err);
        LOG_ERROR("FSReadDir: Failed to read directory '%s'. %s (%d)\n", handle.path.c_str(),
                  ErrorText(err).c_str(), err);
        return -1;
    }

    uint32_t mtime = 0;
    uint64_t size = 0;
    if (handle.options & FS_DIR_WITH_STAT) {
        std::string full = handle.path + "/" + d->d_name;
        FileInfo info;
        if (FSStat(full, info) != 0) {
            ErrnoKeeper keep(errno);
            LOG_ERROR("FSOpenDir: Failed to get info for '%s'\n", full.c_str());
            return -1;
        }
        mtime = info.mtime;
        size = info.size;
    }
    entry.name = d->d_name;
    entry.type = TypeFromDirent(d->d_type);
    entry.mtime = mtime;
    entry.size = size;
    return 1;
}

void FSCloseDir(DirHandle &handle)
{
    if (handle.stream)
        (void)closedir(handle.stream);
    handle.stream = nullptr;
    handle.path.clear();
}

std::string FSDirName(const std::string &path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos || slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string FSBaseName(const std::string &path)
{
    size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return path;
    return path.substr(slash + 1);
}
