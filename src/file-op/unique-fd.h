// One owner for a file descriptor, closed on every way out of a scope.
#pragma once

#include <cerrno>

#include <unistd.h>

namespace fileop {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;
    UniqueFd(UniqueFd &&other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
    UniqueFd &operator=(UniqueFd &&other) noexcept
    {
        if (this != &other) {
            reset();
            fd_ = other.fd_;
            other.fd_ = -1;
        }
        return *this;
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Hands the descriptor to a new owner (fdopen, a QFile) and forgets it.
    int release()
    {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void reset()
    {
        if (fd_ >= 0)
            (void)::close(fd_);
        fd_ = -1;
    }
    // Closes now and reports close()'s own result: 0 or the error number,
    // which errno holds too. The descriptor is gone either way, so a failed
    // close is never retried.
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

} // namespace fileop
