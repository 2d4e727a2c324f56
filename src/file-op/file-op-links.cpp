// Symbolic links, owner, mode and times, access tests, temporary files and
// names, full-path resolution and the file-system type checks.
#include "file-op.h"
#include "file-op-private.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/vfs.h>

using namespace fileop;

namespace {

constexpr size_t kLinkBufferSize = 4096;
constexpr size_t kTempTemplateSize = 4096;
constexpr size_t kFullPathSize = 8192;

// Type numbers are 32-bit values whatever the width of f_type.
constexpr uint32_t kNfsMagic = 0x6969;
constexpr uint32_t kCifsMagic = 0xFF534D42;
constexpr uint32_t kFuseMagic = 0x65735546;
constexpr uint32_t kMsdosMagic = 0x4D44;

const char kNameAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
constexpr int kTempNameLength = 8;

// The minimal-standard generator (16807, 0, 2^31 - 1), drawn from without
// bias: of the 2147483646 possible states only the first 64 * 33554431 are
// used, each block of 33554431 giving one index.
class NameGenerator {
public:
    static NameGenerator &instance()
    {
        static std::once_flag once;
        static NameGenerator *generator = nullptr;
        std::call_once(once, [] { generator = new NameGenerator(); });
        return *generator;
    }

    std::mutex &mutex() { return mutex_; }

    // Callers hold mutex().
    unsigned nextIndex()
    {
        constexpr uint64_t kModulus = 2147483647;
        constexpr uint64_t kBlock = 33554431;
        constexpr uint64_t kLimit = 64 * kBlock;
        uint64_t x;
        do {
            state_ = state_ * 16807 % kModulus;
            x = state_;
        } while (x - 1 >= kLimit);
        return static_cast<unsigned>((x - 1) / kBlock);
    }

private:
    NameGenerator()
    {
        std::random_device device;
        state_ = static_cast<uint64_t>(device()) % 2147483647;
        if (state_ == 0)
            state_ = 1;
    }

    std::mutex mutex_;
    uint64_t state_ = 1;
};

bool StatFs(const std::string &path, struct statfs &fs, int &err)
{
    if (statfs(path.c_str(), &fs) == 0)
        return true;
    err = errno;
    return false;
}

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

int32_t FSMakeTempFile(const std::string &dir, std::string &path)
{
    char name[kTempTemplateSize];
    // A longer text is cut to fit; mkstemp then refuses the template.
    (void)snprintf(name, sizeof name, "%s/XXXXXX", dir.c_str());
    // mkstemp leaves its last try in the buffer when it fails; the line
    // names the template.
    const std::string pattern = name;
    UniqueFd fd(mkostemp(name, O_CLOEXEC));
    if (!fd.valid()) {
        int err = errno;
        LOG_ERROR("mkstemp(%s): %s\n", pattern.c_str(), ErrorText(err).c_str());
        return -1;
    }
    // Through the descriptor: the name cannot have been swapped meanwhile.
    (void)fchmod(fd.get(), 0644);
    fd.reset();
    path = name;
    return 0;
}

int32_t FSMakeTempName(const std::string &dir, std::string &path)
{
    NameGenerator &generator = NameGenerator::instance();
    char suffix[kTempNameLength];
    {
        // std::mutex::lock throws std::system_error when it fails.
        std::lock_guard<std::mutex> lock(generator.mutex());
        for (char &c : suffix)
            c = kNameAlphabet[generator.nextIndex()];
    }
    path = dir + "/" + std::string(suffix, sizeof suffix);
    return path.empty() ? -1 : 0;
}

int32_t FSGetFullPath(std::string &path)
{
    LOG_DEBUG(" org path [%s]\n", path.c_str());
    std::unique_ptr<char[]> resolved(new char[kFullPathSize]);
    if (!realpath(path.c_str(), resolved.get()))
        return -1;
    path = resolved.get();
    LOG_DEBUG(" get full path [%s]\n", path.c_str());
    return 0;
}

bool isMountPoint(const std::string &path)
{
    struct statfs fs;
    int err = 0;
    if (!StatFs(path, fs, err)) {
        LOG_ERROR("isMountPoint: Failed to get file system info '%s'. %s\n", path.c_str(),
                  ErrorText(err).c_str());
        return false;
    }
    uint32_t type = static_cast<uint32_t>(fs.f_type);
    return type == kNfsMagic || type == kCifsMagic || type == kFuseMagic;
}

int32_t IsSupportLargeFile(const std::string &path)
{
    struct statfs fs;
    int err = 0;
    if (!StatFs(path, fs, err)) {
        LOG_ERROR("IsSupportLargeFile: Failed to get file system info '%s'. %s\n", path.c_str(),
                  ErrorText(err).c_str());
        return 0;
    }
    if (static_cast<uint32_t>(fs.f_type) == kMsdosMagic) {
        LOG_WARNING("Detect a MSDOS platform for path '%s'.\n", path.c_str());
        return 1;
    }
    return 0;
}
