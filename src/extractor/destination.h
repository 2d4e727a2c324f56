// The extractor's path-safety layer: where the entries of an archive go,
// resolved once without meeting a link, and why an entry must not be handed
// to libarchive's disk writer.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "unique-fd.h"

struct archive_entry;

namespace extractor {

// Where the entries go. `existing` is the real path of the deepest folder of
// the destination that exists, held open as `base`; `missing` are the
// destination's components below it, which the writer creates. `prefix` is
// what every entry's name is appended to.
struct Destination {
    std::string existing;
    fileop::UniqueFd base;
    std::vector<std::string> missing;
    std::string prefix;

    std::string path() const { return prefix.size() > 1 ? prefix.substr(0, prefix.size() - 1) : prefix; }
};

// Resolves the destination once, so that the writer's symbolic-link checks,
// which walk every component of an entry's full path, never meet a link
// among the destination's own components: told to replace what stands in
// its way, the writer would remove such a link (a home folder reached
// through a link, or a link whose target is not there yet) and put a folder
// of its own in its place. Whatever cannot be resolved fails the run
// instead, and nothing of the destination's path is touched. 0, or -1 after
// logging.
int resolveDestination(const std::string &destination, Destination *out);

// The components of an entry's name (or a hard link's target) below the
// destination; "." and empty ones name nothing, so "", ".", "./" and "/"
// all name the destination itself. False when one is "..": the writer
// refuses those itself.
bool splitName(const char *name, std::vector<std::string> *components);

// What stands at a path below the destination, found one component at a
// time from the destination's descriptor without following any link.
struct Found {
    enum Kind { Missing, Here, ThroughLink } kind = Missing;
    struct stat st = {};  // of the last component, when Here
    std::string path;     // the full path of what was found, or of the link
};

Found lookUp(const Destination &destination, const std::vector<std::string> &components);

// What this run has written, by inode: the symbolic links the archive
// planted, and everything else but folders.
struct Written {
    std::set<std::pair<dev_t, ino_t>> links;
    std::set<std::pair<dev_t, ino_t>> others;

    static std::pair<dev_t, ino_t> key(const struct stat &st) { return {st.st_dev, st.st_ino}; }
    void add(const struct stat &st)
    {
        if (S_ISLNK(st.st_mode))
            links.insert(key(st));
        else if (!S_ISDIR(st.st_mode))
            others.insert(key(st));
    }
};

// Why the writer must not be given `entry`, or empty. The writer already
// refuses ".." and any link among the components of the name it is given,
// but it replaces a link at the name itself, follows one that a hard link
// names (changing the mode of whatever it points at, outside the
// destination, when the hard link carries data), and turns the destination
// itself into a link or a file when an entry names it. Each of those is
// refused here, found without following links, before the writer acts:
// - an entry that names the destination itself, unless it is a folder;
// - an entry whose name passes through a symbolic link, or is a link this
//   archive planted;
// - a hard link whose target passes through or is a symbolic link, names
//   the destination, or is a file this archive did not write (a file that
//   was there before may have other names outside the destination).
std::string refusal(const Destination &destination, struct archive_entry *entry,
                    const std::vector<std::string> &components, const Written &written);

} // namespace extractor
