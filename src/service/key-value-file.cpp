#include "key-value-file.h"

#include "unique-fd.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kLineBuffer = 8192;
// These files are a few lines long.
constexpr off_t kMaxFileSize = 65536;

bool isSpace(unsigned char c) { return (c >= 0x09 && c <= 0x0D) || c == 0x20; }

bool isKeyChar(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
        || c == '-' || c == '_' || c == '.';
}

bool isValueChar(unsigned char c) { return c >= 0x20 && c != 0x7F; }

const unsigned char *skipSpace(const unsigned char *p)
{
    while (*p && isSpace(*p))
        ++p;
    return p;
}

} // namespace

KeyValueFile::Verdict KeyValueFile::parseLine(const char *line, std::string *key, std::string *value)
{
    const unsigned char *p = skipSpace(reinterpret_cast<const unsigned char *>(line));

    const unsigned char *keyBegin = p;
    while (*p && isKeyChar(*p))
        ++p;
    const unsigned char *keyEnd = p;
    if (*p == '#' || *p == '\0')
        return Skip;

    p = skipSpace(p);
    if (*p != '=')
        return BadSyntax;
    p = skipSpace(p + 1);
    if (*p == '\0')
        return BadSyntax;

    unsigned char closing = ' ';
    const bool quoted = *p == '"' || *p == '\'';
    if (quoted)
        closing = *p++;

    const unsigned char *valueBegin = p;
    while (*p && isValueChar(*p) && *p != closing)
        ++p;
    const unsigned char *valueEnd = p;

    if (quoted) {
        if (*p != closing)
            return BadSyntax;
        ++p;
    }
    p = skipSpace(p);
    if (*p != '\0' && *p != '#')
        return BadSyntax;

    key->assign(reinterpret_cast<const char *>(keyBegin), keyEnd - keyBegin);
    value->assign(reinterpret_cast<const char *>(valueBegin), valueEnd - valueBegin);
    return Entry;
}

bool KeyValueFile::isSmallRegularFile(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kMaxFileSize;
}

int KeyValueFile::load(const std::string &path, struct stat *status)
{
    if (path.empty())
        return -1;
    // Whatever stands at the name, a FIFO, a device, a link to one, or a
    // file far larger than a few lines, must neither block nor stall the
    // run: only a small regular file is read. The name is looked at before
    // it is opened, so a device is never opened; the descriptor is looked
    // at again, in case the name changed in between.
    if (!isSmallRegularFile(path))
        return -1;
    struct stat st;
    fileop::UniqueFd fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!fd.valid())
        return -1;
    if (fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size > kMaxFileSize)
        return -1;

    // One byte more than allowed tells a file that grew past the bound.
    std::string text(static_cast<size_t>(kMaxFileSize) + 1, '\0');
    size_t length = 0;
    while (length < text.size()) {
        const ssize_t n = read(fd.get(), &text[length], text.size() - length);
        if (n < 0 && errno == EINTR)
            continue;
        // A read error means the file was not read to its end: the caller
        // gets none of it rather than a part.
        if (n < 0) {
            m_entries.clear();
            return -1;
        }
        if (n == 0)
            break;
        length += static_cast<size_t>(n);
    }
    if (length > static_cast<size_t>(kMaxFileSize))
        return -1;
    text.resize(length);
    if (status)
        *status = st;

    // Pieces as fgets() with a buffer of kLineBuffer bytes hands them over:
    // at most kLineBuffer - 1 bytes, ending after a line feed. A line longer
    // than that arrives in pieces, each parsed as a line of its own.
    std::string key, value, piece;
    size_t at = 0;
    while (at < length) {
        size_t end = text.find('\n', at);
        end = end == std::string::npos ? length : end + 1;
        end = std::min(end, at + kLineBuffer - 1);
        piece.assign(text, at, end - at);
        at = end;
        switch (parseLine(piece.c_str(), &key, &value)) {
        case Entry:
            m_entries[key] = value;
            break;
        case Skip:
            break;
        case BadSyntax:
            m_entries.clear();
            return -1;
        }
    }
    return 0;
}

const std::string &KeyValueFile::value(const std::string &key)
{
    return m_entries[key];
}
