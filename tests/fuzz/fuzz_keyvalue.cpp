// The strict key/value reader on arbitrary bytes: one line through
// parseLine, the whole input as a file through load(). Whatever it accepts
// must be a key of key characters and a value of printable bytes, and a
// refused file leaves nothing behind.
#include "key-value-file.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

bool keyChar(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_'
        || c == '.';
}

void checkEntry(const std::string &key, const std::string &value)
{
    for (unsigned char c : key)
        if (!keyChar(c))
            abort();
    for (unsigned char c : value)
        if (c < 0x20 || c == 0x7F)
            abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);

    std::string key, value;
    if (KeyValueFile::parseLine(text.c_str(), &key, &value) == KeyValueFile::Entry)
        checkEntry(key, value);

    // The file lives in memory: nothing of the run touches the disk.
    const int fd = memfd_create("keyvalue", MFD_CLOEXEC);
    if (fd < 0)
        return 0;
    if (write(fd, data, size) == static_cast<ssize_t>(size)) {
        char path[64];
        snprintf(path, sizeof path, "/proc/self/fd/%d", fd);
        KeyValueFile file;
        const int r = file.load(path);
        if (r != 0 && r != -1)
            abort();
        if (r != 0 && !file.entries().empty())
            abort();
        for (const auto &entry : file.entries())
            checkEntry(entry.first, entry.second);
    }
    close(fd);
    return 0;
}
