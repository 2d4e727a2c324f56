// Symbolic links, owner, mode and times, access tests and full-path
// resolution. Temporary names are in file-op-temp.cpp, the file-system
// checks in file-op-fs.cpp.
#include "file-op.h"
#include "file-op-private.h"

#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>

using namespace fileop;

namespace {

constexpr size_t kLinkBufferSize = 4096;
constexpr size_t kFullPathSize = 8192;

} // namespace

int32_t FSCreateSymbolicLink(const std::string &target, const std::string &linkPath)
{
    if (symlink(target.c_str(), linkPath.c_str()) == 0)
        return 0;
    int err = errno;
    LOG_ERROR("FSCreateSymbolicLink: Failed to create symbolic link '%s' -> '%s' (code: %d, msg: %s)\n",
              target.c_str(), linkPath.c_str(), err, ErrorText(err).c_str());
    return -1;
}

int32_t FSReadSymbolicLink(const std::string &linkPath, std::string &target)
{
    char buf[kLinkBufferSize] = {};
    ssize_t n = readlink(linkPath.c_str(), buf, sizeof buf);
    if (n < 0) {
        int err = errno;
        LOG_ERROR("FSReadSymbolicLink: Failed to read symbolic link '%s' (code: %d, msg: %s)\n",
                  linkPath.c_str(), err, ErrorText(err).c_str());
        return -1;
    }
    // readlink cuts silently: a full buffer may be a cut content.
    if (static_cast<size_t>(n) >= sizeof buf) {
        LOG_ERROR("FSReadSymbolicLink: path of '%s' is more than %d\n", linkPath.c_str(),
                  static_cast<int>(kLinkBufferSize));
        return -1;
    }
    target.assign(buf, static_cast<size_t>(n));
    return 0;
}

int32_t FSChown(const std::string &path, uid_t uid, gid_t gid)
{
    if (fchownat(AT_FDCWD, path.c_str(), uid, gid, AT_SYMLINK_NOFOLLOW) == 0)
        return 0;
    int err = errno;
    LOG_ERROR("FSChown: Failed to chown '%s' (code: %d, msg: %s)\n", path.c_str(), err,
              ErrorText(err).c_str());
    return -1;
}

int32_t FSChmod(const std::string &path, mode_t mode)
{
    if (chmod(path.c_str(), mode) == 0)
        return 0;
    int err = errno;
    LOG_ERROR("FSChmod: Failed to chmod '%s' (code: %d, msg: %s)\n", path.c_str(), err,
              ErrorText(err).c_str());
    return -1;
}

int32_t FSSetTime(const std::string &path, time_t atime, time_t mtime)
{
    struct timespec times[2];
    times[0].tv_sec = atime;
    times[0].tv_nsec = 0;
    times[1].tv_sec = mtime;
    times[1].tv_nsec = 0;
    return utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW) == 0 ? 0 : -1;
}

bool FSIsPermissionDenied(const std::string &path, int mode)
{
    if (access(path.c_str(), mode) == 0)
        return false;
    int err = errno;
    return err == EPERM || err == EACCES;
}

bool FSHasPermission(const std::string &path, int mode)
{
    return !FSIsPermissionDenied(path, mode);
}

int32_t FSGetFullPath(std::string &path)
{
    LOG_DEBUG(" org path [%s]\n", path.c_str());
    const auto resolved = std::make_unique<char[]>(kFullPathSize);
    if (!realpath(path.c_str(), resolved.get()))
        return -1;
    path = resolved.get();
    LOG_DEBUG(" get full path [%s]\n", path.c_str());
    return 0;
}

