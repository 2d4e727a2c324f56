#include "key-value-file.h"

#include <cstdio>
#include <memory>

#include <sys/stat.h>

namespace {

constexpr int kLineBuffer = 8192;

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

struct FileCloser {
    void operator()(FILE *f) const { (void)fclose(f); }
};

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

int KeyValueFile::load(const std::string &path)
{
    if (path.empty())
        return -1;
    std::unique_ptr<FILE, FileCloser> file(fopen(path.c_str(), "re"));
    if (!file)
        return -1;
    // fopen() accepts a folder and only the first read fails; a folder is
    // a file that cannot be read, and leaves the map as it was.
    struct stat st;
    if (fstat(fileno(file.get()), &st) != 0 || S_ISDIR(st.st_mode))
        return -1;

    // A line longer than the buffer arrives in pieces; each piece is parsed
    // as a line of its own.
    char buffer[kLineBuffer];
    std::string key, value;
    while (fgets(buffer, sizeof buffer, file.get())) {
        switch (parseLine(buffer, &key, &value)) {
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
    // A read error means the file was not read to its end: the caller gets
    // none of it rather than a part.
    if (ferror(file.get())) {
        m_entries.clear();
        return -1;
    }
    return 0;
}

const std::string &KeyValueFile::value(const std::string &key)
{
    return m_entries[key];
}
