#include "file-op-base.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>
#include <unistd.h>

namespace fileop {

std::string ErrorText(int err)
{
    char buf[256];
    // The GNU strerror_r returns the text, which may or may not be in buf.
    return strerror_r(err, buf, sizeof buf);
}

int WriteAll(int fd, const char *buf, size_t len)
{
    while (len > 0) {
        ssize_t n = write(fd, buf, len);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        buf += n;
        len -= static_cast<size_t>(n);
    }
    return 0;
}

bool IsDirectoryFollowingLinks(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int32_t LeadingInteger(const std::string &text)
{
    const char *p = text.c_str();
    while (*p && isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value <= static_cast<long long>(INT32_MAX) + 1)
            value = value * 10 + (*p - '0');
        ++p;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

} // namespace fileop
