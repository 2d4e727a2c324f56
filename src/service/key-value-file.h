// Strict reader of key=value text files (the client's pid file, the debug
// switch file). One malformed line drops the whole file.
#pragma once

#include <map>
#include <string>

#include <sys/stat.h>

class KeyValueFile
{
public:
    using Entries = std::map<std::string, std::string>;

    // 0 when the file was read to its end; -1 for an empty path, a file
    // that cannot be opened, one that is not a regular file or is larger
    // than 64 KiB (the map is then left as it was), or a read error or a
    // line with bad syntax (the map is then emptied). Adds to the entries
    // already held. Never blocks on what stands at the name. On success
    // `status`, when given, receives the status of the file that was read.
    int load(const std::string &path, struct stat *status = nullptr);

    // The name leads to a regular file (links followed) of at most 64 KiB,
    // as the files this reader and the INFO files' reader take.
    static bool isSmallRegularFile(const std::string &path);

    // The value of `key`; an absent key is added with an empty value.
    const std::string &value(const std::string &key);

    const Entries &entries() const { return m_entries; }
    void clear() { m_entries.clear(); }

    enum Verdict { Entry = 0, Skip = 1, BadSyntax = 2 };
    // Parses one line (up to its first NUL); exposed for the tests.
    static Verdict parseLine(const char *line, std::string *key, std::string *value);

private:
    Entries m_entries;
};
