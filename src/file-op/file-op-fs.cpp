// The file-system checks: network and FUSE mounts, and file systems that
// cannot hold large files.
#include "file-op.h"
#include "file-op-private.h"

#include <sys/vfs.h>

using namespace fileop;

namespace {

// Type numbers are 32-bit values whatever the width of f_type.
constexpr uint32_t kNfsMagic = 0x6969;
constexpr uint32_t kCifsMagic = 0xFF534D42;
constexpr uint32_t kFuseMagic = 0x65735546;
constexpr uint32_t kMsdosMagic = 0x4D44;

bool StatFs(const std::string &path, struct statfs &fs, int &err)
{
    if (statfs(path.c_str(), &fs) == 0)
        return true;
    err = errno;
    return false;
}

} // namespace

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
