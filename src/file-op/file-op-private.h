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

#include "file-op-base.h"

namespace fileop {

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

uint32_t TypeFromMode(unsigned mode);

// Reads the names of a directory, "." and ".." left out, without following a
// final symbolic link and without keeping the directory open afterwards, so
// that a deep walk holds one descriptor at a time. 0, or the error number
// (ENOTDIR/ELOOP when the path is no longer a directory).
int ListDirectory(const std::string &path, std::vector<std::string> &names);

// Copies what is left to read of `in` into `out`, then flushes and closes
// `out`; the result as CopyFile's. Logs its own failures, naming the
// destination as `destination`. Two regular files starting at their
// beginning share blocks where the file system can (FICLONE), else the
// kernel copies (copy_file_range); the 8192-byte read/write loop does the
// rest. A method that a pair of file systems refused is not tried again
// between them for the rest of the process.
int32_t CopyContent(UniqueFd &in, UniqueFd &out, const std::string &destination);

// Lets the next copies try every method again (for tests that change what
// a file system answers).
void ForgetSharingRefusals();

} // namespace fileop
