// The small system utilities every module shares: the descriptor and folder
// stream owners, the thread-safe error text, the write loop, the folder test
// and the leading-integer reader. They log nothing and need only the C
// library, so that the log and the key/value reader can use them too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include <dirent.h>

#include "unique-fd.h"

namespace fileop {

struct DirCloser {
    void operator()(DIR *dir) const { (void)closedir(dir); }
};
// Owns a folder stream; closedir() also closes the descriptor it was made from.
using OwnedDir = std::unique_ptr<DIR, DirCloser>;

// strerror is not thread-safe; the operations may run on any thread.
std::string ErrorText(int err);

// Writes all of buf, continuing a partial write where it stopped. 0 or the
// error number of the failed write (EIO when it wrote nothing without one).
int WriteAll(int fd, const char *buf, size_t len);

// Whether the path names a folder, following links.
bool IsDirectoryFollowingLinks(const std::string &path);

// A decimal integer from the start of the text: blanks, an optional sign,
// then digits up to the first other byte; no digits give 0. Out-of-range
// values saturate instead of wrapping, so a huge number never turns into a
// negative one.
int32_t LeadingInteger(const std::string &text);

} // namespace fileop
