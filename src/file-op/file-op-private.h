// Shared by the parts of the file operations library. Every part logs under
// the one module name, whatever source file the line comes from.
#pragma once

#define LOG_COMPONENT "file_op_debug"
#define LOG_MODULE "file-op.cpp"
#include "log.h"

#include <cerrno>
#include <string>
#include <vector>

#include <unistd.h>

namespace fileop {

// strerror is not thread-safe; the operations may run on any thread.
std::string ErrorText(int err);

// Restores errno when it goes out of scope, so that logging between a failed
// call and the return does not change what the caller sees.
class ErrnoKeeper {
public:
    explicit ErrnoKeeper(int err) : saved_(err) {}
    ~ErrnoKeeper() { errno = saved_; }
    ErrnoKeeper(const ErrnoKeeper &) = delete;
    ErrnoKeeper &operator=(const ErrnoKeeper &) = delete;

private:
    int saved_;
};

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    void reset()
    {
        if (fd_ >= 0)
            (void)::close(fd_);
        fd_ = -1;
    }
    // Closes now and reports close()'s own result: 0 or the error number.
    // The descriptor is gone either way.
    int close()
    {
        int fd = fd_;
        fd_ = -1;
        if (fd < 0)
            return 0;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int fd_ = -1;
};

uint32_t TypeFromMode(unsigned mode);

// Reads the names of a directory, "." and ".." left out, without following a
// final symbolic link and without keeping the directory open afterwards, so
// that a deep walk holds one descriptor at a time. 0, or the error number
// (ENOTDIR/ELOOP when the path is no longer a directory).
int ListDirectory(const std::string &path, std::vector<std::string> &names);

} // namespace fileop
