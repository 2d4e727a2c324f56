// The one way this program walks a tree: iteratively, through descriptors,
// with a bounded number of them open, so that neither the depth of a tree
// nor the descriptor limit decides whether it can be walked. The package
// copy and its fingerprint are built on it here; the removal and the move
// across file systems in file-op-copy.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/types.h>

#include "file-op.h"
#include "unique-fd.h"

namespace fileop {

// How many folders deep a package may go below its top. No real package
// comes near it, and a hostile one must not cost unbounded time and memory.
constexpr size_t kMaxPackageDepth = 256;

// Folder descriptors one walk keeps open at a time: its top and the deepest
// ones. Two walks side by side (a copy), the two files being copied and the
// process's own descriptors stay well within a limit of 32.
constexpr size_t kOpenFoldersPerWalk = 8;

// Every folder a walk opens below its top: never through a link, and never
// waiting for a writer when a FIFO stands in a folder's place.
constexpr int kWalkFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// The result of TreeWalk::enter for a folder deeper than the walk's bound.
constexpr int kWalkTooDeep = -1;

// The folders from the top of a walk down to the one it stands in, each
// known by its name in the one above and by its device and inode. Folders
// above the deepest few are closed. When the walk comes back to one, it is
// opened again through ".." of the folder it leaves, or else by name from
// the top down, and must still be the folder it was (else ESTALE).
class FolderChain {
public:
    // Takes the top folder. 0, or the error number of reading its identity.
    int start(UniqueFd top);
    // Opens `name` of the current folder, which it becomes. 0 or the error
    // number; on failure the chain stays where it was.
    int enter(const std::string &name);
    // Back to the folder above the current one. 0, or the error number of
    // opening it again.
    int leave();
    // The current folder; open after start, enter and leave succeeded.
    int fd() const { return frames_.back().fd.get(); }
    // 0 at the top.
    size_t depth() const { return frames_.size() - 1; }
    // The name of the current folder in the one above.
    const std::string &name() const { return frames_.back().name; }

private:
    struct Frame {
        std::string name;
        dev_t dev;
        ino_t ino;
        UniqueFd fd;
    };
    int reopen();
    void closeSurplus(size_t deepest);

    std::vector<Frame> frames_;
    // Besides the top, the frames from low_ down to the deepest are open.
    size_t low_ = 1;
};

// A walk of one tree: the chain of folders and, for each, the entries still
// to visit. The caller drives it: read the current folder, take its entries
// with next, enter the folders among them, leave each folder once next has
// no more.
class TreeWalk {
public:
    enum class Order { AsListed, ByName };

    // depthLimit 0: no bound.
    explicit TreeWalk(size_t depthLimit = 0, Order order = Order::AsListed) : limit_(depthLimit), order_(order) {}

    int start(UniqueFd top);
    // Reads the entries of the folder just started or entered. 0 or the
    // error number (the folder then has no entries).
    int read();
    // The next entry of the current folder; false when none is left.
    bool next(DirEntry &entry);
    // As FolderChain::enter, or kWalkTooDeep past the bound (nothing opened).
    int enter(const std::string &name);
    int leave();

    int fd() const { return chain_.fd(); }
    size_t depth() const { return chain_.depth(); }
    const std::string &name() const { return chain_.name(); }

private:
    size_t limit_;
    Order order_;
    FolderChain chain_;
    // Per level, the entries not yet handed out, the next one last.
    std::vector<std::vector<DirEntry>> pending_;
};

// The walk inside FSCopyPath: copies the folder open at src into the folder
// open at dst, entry by entry, regular files only (CopyFileAt), each folder
// flushed after its entries. Logs as FSCopyPath always has, one line per
// level on the way back from a failure; a folder past kMaxPackageDepth
// gives a single ERROR line instead. 0 or -1.
int32_t CopyFolderTree(UniqueFd src, UniqueFd dst, const std::string &source, const std::string &destination);

// A cheap fingerprint of a package folder and the INFO file that names its
// version: names, kinds, sizes, times and inode numbers (and the INFO
// file's content). A package replaced while it is copied changes it, since
// every replaced file gets a new inode or a new change time. What cannot be
// read goes in as its error number. A link at the package folder itself is
// followed. False when the package goes deeper than kMaxPackageDepth: no
// fingerprint can vouch for it.
bool PackageFingerprint(const std::string &info, const std::string &package, uint64_t &value);

} // namespace fileop
