// A file system that remembers what a power cut would leave.
//
// Every call passes through to a backing folder, which is what the running
// programs see. Beside it the daemon keeps the durable state under the
// rules POSIX promises and nothing more:
//   - a file's data and mode survive as they were at its last fsync or
//     fdatasync (a new file that was never flushed survives empty, with the
//     mode it was created with);
//   - a folder's entries (names created, renamed, linked or removed in it)
//     survive as they were at its last fsync;
//   - a folder's own mode survives with its fsync; times, owners and sizes
//     beyond the flushed data are not kept.
// An inode outlives its last name in the durable state for as long as some
// durable folder entry still names it.
//
// Each flush that changes the durable state, each rename and the first
// removal after such a flush are cut points: the daemon writes what would
// survive a power cut right there into a folder of its own below the
// images folder: "<n>.worst" (only the durable state), "<n>.latest" after a
// rename or removal (the durable state and that change alone, as if it
// reached the disk ahead of everything before it)
// and "<n>.random" (the durable state plus a seeded random part of what
// was pending: any of each folder's changes, each one whole and in order,
// and each file's data or not, possibly only its first pages). Cut points
// are listed in "points" as "<n> <kind> <path>". Paths below the quiet
// prefixes still change the durable state but are no cut points.
//
// With --fsyncdir-error N every folder flush fails with error number N and
// changes nothing, as on file systems that cannot flush folders (EINVAL,
// EOPNOTSUPP) or on a failing disk (EIO).
//
// usage: powercut-fs --backing DIR --images DIR [--quiet P1:P2] [--seed N]
//                    [--fsyncdir-error N] [--whole-seconds] MOUNTPOINT [fuse options]
#define FUSE_USE_VERSION 31

#include <fuse.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using Entries = std::map<std::string, uint64_t>;
// Names and what they now stand for; 0 for a name removed.
using Change = std::vector<std::pair<std::string, uint64_t>>;

struct Inode {
    char type = 'f'; // f file, d folder, l link, o other
    std::string data; // durable data of a file, target of a link
    mode_t mode = 0;  // durable permission bits
    struct timespec mtime = {0, 0}; // of the durable data
};

struct State {
    std::string backing;
    std::string images;
    std::vector<std::string> quiet;
    uint32_t seed = 1;
    int root = -1;
    uint64_t nextId = 1;
    uint64_t rootId = 0;
    std::map<uint64_t, Inode> inodes;
    std::map<uint64_t, Entries> live;    // what the programs see
    std::map<uint64_t, Entries> durable; // what a power cut leaves
    // Per folder, the changes to its entries since its last flush, in
    // order; each is atomic (a rename within one folder is one change).
    std::map<uint64_t, std::vector<Change>> pending;
    std::map<uint64_t, uint64_t> openFiles; // backing fd -> inode
    long points = 0;
    bool removedSinceFlush = false; // a removal was a cut point since the durable state last changed
    // --whole-seconds: times as a file system that keeps whole seconds shows
    // them (sshfs, ext4 with small inodes), rounded down.
    bool wholeSeconds = false;
    int fsyncdirError = 0;
};

State g;

// Makes a change to one folder's entries, as the programs see it at once
// and as it waits for the folder's flush.
void change(uint64_t dir, Change c)
{
    Entries &entries = g.live[dir];
    for (const auto &e : c) {
        if (e.second)
            entries[e.first] = e.second;
        else
            entries.erase(e.first);
    }
    g.pending[dir].push_back(std::move(c));
}

// Relative to the backing folder's descriptor: "." for the root.
const char *rel(const char *path)
{
    while (*path == '/')
        ++path;
    return *path ? path : ".";
}

// The non-empty parts between the separators.
std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

uint64_t lookup(const char *path)
{
    uint64_t id = g.rootId;
    for (const std::string &name : split(path, '/')) {
        auto dir = g.live.find(id);
        if (dir == g.live.end())
            return 0;
        auto e = dir->second.find(name);
        if (e == dir->second.end())
            return 0;
        id = e->second;
    }
    return id;
}

// The folder that holds a path (0 when none does) and the last name in it.
struct Place {
    uint64_t parent;
    std::string name;
};

Place placeOf(const std::string &path)
{
    const size_t slash = path.find_last_of('/');
    return {lookup(path.substr(0, slash).c_str()), path.substr(slash + 1)};
}

// Owns a descriptor; closing it keeps errno, which the callers report.
struct Fd {
    int fd;
    ~Fd()
    {
        const int err = errno;
        if (fd >= 0)
            close(fd);
        errno = err;
    }
};

using Folder = std::unique_ptr<DIR, int (*)(DIR *)>;

// The folder at `relPath` for reading its entries; empty, with errno, when
// it cannot be opened.
Folder openFolder(const char *relPath, int flags)
{
    Fd fd{openat(g.root, relPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC | flags)};
    Folder dir(fd.fd < 0 ? nullptr : fdopendir(fd.fd), closedir);
    if (dir)
        fd.fd = -1; // the folder owns it now
    return dir;
}

bool readAll(int fd, std::string *out)
{
    out->clear();
    char buf[65536];
    off_t at = 0;
    for (;;) {
        ssize_t n = pread(fd, buf, sizeof buf, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        out->append(buf, size_t(n));
        at += n;
    }
}

bool readFileAt(const std::string &relPath, std::string *out)
{
    const Fd fd{openat(g.root, relPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC)};
    return fd.fd >= 0 && readAll(fd.fd, out);
}

// A new inode for what now stands at `relPath` in the backing folder.
uint64_t adopt(const std::string &relPath)
{
    struct stat st;
    if (fstatat(g.root, relPath.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
        return 0;
    const uint64_t id = g.nextId++;
    Inode &node = g.inodes[id];
    node.mode = st.st_mode & 07777;
    node.mtime = st.st_mtim;
    if (S_ISDIR(st.st_mode)) {
        node.type = 'd';
        g.live[id];
        g.durable[id];
    } else if (S_ISREG(st.st_mode)) {
        node.type = 'f';
    } else if (S_ISLNK(st.st_mode)) {
        node.type = 'l';
        char target[PATH_MAX];
        ssize_t n = readlinkat(g.root, relPath.c_str(), target, sizeof target);
        node.data.assign(target, n > 0 ? size_t(n) : 0);
    } else {
        node.type = 'o';
    }
    return id;
}

// What is already there when the file system is mounted counts as durable.
void scan(const std::string &relPath, uint64_t id)
{
    Inode &node = g.inodes[id];
    if (node.type == 'f') {
        readFileAt(relPath, &node.data);
        return;
    }
    if (node.type != 'd')
        return;
    const Folder dir = openFolder(relPath.c_str(), O_NOFOLLOW);
    if (!dir)
        return;
    std::vector<std::string> names;
    while (struct dirent *e = readdir(dir.get())) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names.push_back(e->d_name);
    }
    for (const std::string &name : names) {
        const std::string child = relPath == "." ? name : relPath + "/" + name;
        const uint64_t childId = adopt(child);
        if (!childId)
            continue;
        g.live[id][name] = childId;
        g.durable[id][name] = childId;
        scan(child, childId);
    }
}

// One live path of every inode the programs can reach.
void livePaths(uint64_t id, const std::string &path, std::map<uint64_t, std::string> &out)
{
    out.emplace(id, path);
    auto dir = g.live.find(id);
    if (dir == g.live.end())
        return;
    for (const auto &e : dir->second) {
        if (g.inodes[e.second].type == 'd' && out.count(e.second))
            continue;
        livePaths(e.second, path == "." ? e.first : path + "/" + e.first, out);
    }
}

// ---- images ----

struct Writer {
    bool random = false;
    std::mt19937 rng;
    std::map<uint64_t, std::string> live;
    std::set<uint64_t> latest;            // folders whose last change alone reached the disk
    std::map<uint64_t, Entries> entries;  // per folder: what reached the disk
    std::map<uint64_t, std::string> data; // per file: what reached the disk
    std::set<uint64_t> onStack;

    bool coin() { return rng() & 1; }

    // The durable entries and, of the changes still pending, any part
    // (random) or the last one only (latest), each whole, in their order.
    const Entries &entriesOf(uint64_t id)
    {
        auto done = entries.find(id);
        if (done != entries.end())
            return done->second;
        Entries result = g.durable[id];
        const std::vector<Change> &changes = g.pending[id];
        for (size_t i = 0; i < changes.size(); ++i) {
            const bool reached = random ? coin() : latest.count(id) && i + 1 == changes.size();
            if (!reached)
                continue;
            for (const auto &e : changes[i]) {
                if (e.second)
                    result[e.first] = e.second;
                else
                    result.erase(e.first);
            }
        }
        return entries.emplace(id, std::move(result)).first->second;
    }

    // Times are no promise either; the time of the data chosen keeps two
    // files written apart from looking alike to a reader that caches.
    struct timespec timeOf(uint64_t id)
    {
        auto path = live.find(id);
        struct stat st;
        if (random && path != live.end() && data[id] != g.inodes[id].data
            && fstatat(g.root, path->second.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
            return st.st_mtim;
        return g.inodes[id].mtime;
    }

    const std::string &dataOf(uint64_t id)
    {
        auto d = data.find(id);
        if (d != data.end())
            return d->second;
        const Inode &node = g.inodes[id];
        std::string chosen = node.data;
        auto path = live.find(id);
        std::string now;
        if (random && path != live.end() && readFileAt(path->second, &now) && now != node.data) {
            switch (rng() % 3) {
            case 0:
                break;
            case 1:
                chosen = now;
                break;
            default:
                // Written back in part: the first pages of the new data.
                chosen = now.substr(0, (rng() % (now.size() / 4096 + 1)) * 4096);
                break;
            }
        }
        return data.emplace(id, chosen).first->second;
    }

    mode_t modeOf(uint64_t id)
    {
        const Inode &node = g.inodes[id];
        auto path = live.find(id);
        struct stat st;
        if (random && path != live.end() && fstatat(g.root, path->second.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
            && (st.st_mode & 07777) != node.mode && coin())
            return st.st_mode & 07777;
        return node.mode;
    }

    void write(uint64_t dirId, const std::string &out)
    {
        if (onStack.count(dirId))
            return; // a folder that moved into its own old place
        onStack.insert(dirId);
        for (const auto &e : entriesOf(dirId)) {
            const std::string path = out + "/" + e.first;
            const uint64_t id = e.second;
            const Inode &node = g.inodes[id];
            if (node.type == 'd') {
                if (mkdir(path.c_str(), 0700) == 0) {
                    write(id, path);
                    chmod(path.c_str(), modeOf(id));
                }
            } else if (node.type == 'f') {
                const Fd fd{open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600)};
                if (fd.fd >= 0) {
                    const std::string &bytes = dataOf(id);
                    size_t done = 0;
                    while (done < bytes.size()) {
                        ssize_t n = ::write(fd.fd, bytes.data() + done, bytes.size() - done);
                        if (n <= 0)
                            break;
                        done += size_t(n);
                    }
                    fchmod(fd.fd, modeOf(id));
                    const struct timespec times[2] = {{0, UTIME_OMIT}, timeOf(id)};
                    futimens(fd.fd, times);
                }
            } else if (node.type == 'l') {
                // An image without the link fails the sweep's comparison;
                // say why here.
                if (symlink(node.data.c_str(), path.c_str()) != 0)
                    std::perror(path.c_str());
            }
        }
        onStack.erase(dirId);
    }
};

bool isQuiet(const std::string &path)
{
    for (const std::string &q : g.quiet) {
        if (path.compare(0, q.size(), q) == 0 && (path.size() == q.size() || path[q.size()] == '/'))
            return true;
    }
    return false;
}

// A cut point: the images of what would survive a power cut now. After a
// rename or removal the durable state is the one of the point before; new
// are the image in which this change alone reached the disk, ahead of every
// change made before it, and the random one.
void cutPoint(const char *kind, const char *path, bool durableChanged, const std::vector<uint64_t> &lastChangeIn = {})
{
    if (!path)
        path = "(removed)";
    if (isQuiet(path))
        return;
    if (durableChanged)
        g.removedSinceFlush = false;
    ++g.points;
    std::map<uint64_t, std::string> live;
    livePaths(g.rootId, ".", live);
    for (const char *mode : {"worst", "latest", "random"}) {
        const bool random = strcmp(mode, "random") == 0;
        if ((strcmp(mode, "worst") == 0 && !durableChanged) || (strcmp(mode, "latest") == 0 && lastChangeIn.empty()))
            continue;
        Writer w;
        w.random = random;
        w.rng.seed(g.seed * 1000003u + uint32_t(g.points));
        w.live = live;
        w.latest.insert(lastChangeIn.begin(), lastChangeIn.end());
        const std::string out = g.images + "/" + std::to_string(g.points) + "." + mode;
        if (mkdir(out.c_str(), 0755) == 0) {
            w.write(g.rootId, out);
            chmod(out.c_str(), w.modeOf(g.rootId));
        }
    }
    std::ofstream(g.images + "/points", std::ios::app)
        << g.points << ' ' << kind << ' ' << path << '\n';
}

// ---- operations ----

int fail() { return -errno; }

// A call's result (0 or -1 with errno) as FUSE wants it.
int result(int r) { return r == 0 ? 0 : fail(); }

// The backing descriptor of an open file; -1 for a folder or a name.
int fdOf(struct fuse_file_info *fi)
{
    return fi && g.openFiles.count(fi->fh) ? int(fi->fh) : -1;
}

// After a call that made a name (`result` 0): a new inode under it,
// unless the name already stood for one (an O_CREAT open of an existing
// file). The call's result as FUSE wants it.
int named(int result, const char *path)
{
    if (result != 0)
        return fail();
    const Place at = placeOf(path);
    if (at.parent && !g.live[at.parent].count(at.name))
        if (uint64_t id = adopt(rel(path)))
            change(at.parent, {{at.name, id}});
    return 0;
}

// After a call that removed a name (`result` 0). A removal is a cut point
// when it is the first since the durable state last changed: the moment it
// may reach the disk ahead of all before it.
int unnamed(int result, const char *path)
{
    if (result != 0)
        return fail();
    const Place at = placeOf(path);
    if (!at.parent)
        return 0;
    change(at.parent, {{at.name, 0}});
    if (!g.removedSinceFlush && !isQuiet(path)) {
        g.removedSinceFlush = true;
        cutPoint("remove", path, false, {at.parent});
    }
    return 0;
}

int fsRmdir(const char *path)
{
    const uint64_t id = lookup(path);
    const int result = unnamed(unlinkat(g.root, rel(path), AT_REMOVEDIR), path);
    if (result == 0)
        g.live.erase(id);
    return result;
}

int fsRename(const char *from, const char *to, unsigned int flags)
{
    if (syscall(SYS_renameat2, g.root, rel(from), g.root, rel(to), flags) != 0)
        return fail();
    const Place src = placeOf(from);
    const Place dst = placeOf(to);
    std::vector<uint64_t> changed;
    if (src.parent && dst.parent) {
        const uint64_t moving = g.live[src.parent][src.name];
        Entries &into = g.live[dst.parent];
        const uint64_t replaced = into.count(dst.name) ? into[dst.name] : 0;
        const uint64_t left = (flags & RENAME_EXCHANGE) ? replaced : 0;
        if (replaced && !(flags & RENAME_EXCHANGE) && g.inodes[replaced].type == 'd')
            g.live.erase(replaced);
        if (src.parent == dst.parent) {
            change(src.parent, {{src.name, left}, {dst.name, moving}});
            changed = {src.parent};
        } else {
            change(src.parent, {{src.name, left}});
            change(dst.parent, {{dst.name, moving}});
            changed = {src.parent, dst.parent};
        }
    }
    cutPoint("rename", to, false, changed);
    return 0;
}

int fsLink(const char *from, const char *to)
{
    if (linkat(g.root, rel(from), g.root, rel(to), 0) != 0)
        return fail();
    const Place at = placeOf(to);
    if (const uint64_t id = lookup(from))
        if (at.parent)
            change(at.parent, {{at.name, id}});
    return 0;
}

int openCommon(const char *path, int flags, mode_t mode, struct fuse_file_info *fi)
{
    int fd = openat(g.root, rel(path), (flags & ~O_NOFOLLOW) | O_CLOEXEC, mode);
    if (fd < 0)
        return fail();
    if (flags & O_CREAT)
        named(0, path);
    fi->fh = uint64_t(fd);
    g.openFiles[uint64_t(fd)] = lookup(path);
    return 0;
}

int fsFsync(const char *path, int datasync, struct fuse_file_info *fi)
{
    const uint64_t id = g.openFiles[fi->fh];
    auto node = g.inodes.find(id);
    if (node == g.inodes.end() || node->second.type != 'f')
        return 0;
    // The descriptor may be open for writing only.
    const Fd fd{open(("/proc/self/fd/" + std::to_string(fi->fh)).c_str(), O_RDONLY | O_CLOEXEC)};
    std::string data;
    struct stat st;
    if (fd.fd < 0 || !readAll(fd.fd, &data) || fstat(fd.fd, &st) != 0)
        return fail();
    Inode &inode = node->second;
    const mode_t mode = datasync ? inode.mode : (st.st_mode & 07777);
    const bool changed = data != inode.data || mode != inode.mode;
    inode.data.swap(data);
    inode.mode = mode;
    inode.mtime = st.st_mtim;
    if (changed)
        cutPoint(datasync ? "fdatasync" : "fsync", path, true);
    return 0;
}

int fsFsyncdir(const char *path, int datasync, struct fuse_file_info *)
{
    if (g.fsyncdirError)
        return -g.fsyncdirError;
    const uint64_t id = path ? lookup(path) : 0;
    if (!id)
        return -ENOENT;
    bool changed = g.durable[id] != g.live[id];
    g.durable[id] = g.live[id];
    g.pending.erase(id);
    struct stat st;
    if (!datasync && fstatat(g.root, rel(path), &st, AT_SYMLINK_NOFOLLOW) == 0
        && (st.st_mode & 07777) != g.inodes[id].mode) {
        g.inodes[id].mode = st.st_mode & 07777;
        changed = true;
    }
    if (changed)
        cutPoint("fsyncdir", path, true);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<char *> fuseArgs{argv[0]};
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--backing" && i + 1 < argc) {
            g.backing = argv[++i];
        } else if (a == "--images" && i + 1 < argc) {
            g.images = argv[++i];
        } else if (a == "--whole-seconds") {
            g.wholeSeconds = true;
        } else if (a == "--seed" && i + 1 < argc) {
            g.seed = uint32_t(strtoul(argv[++i], nullptr, 10));
        } else if (a == "--fsyncdir-error" && i + 1 < argc) {
            g.fsyncdirError = int(strtol(argv[++i], nullptr, 10));
        } else if (a == "--quiet" && i + 1 < argc) {
            g.quiet = split(argv[++i], ':');
        } else {
            fuseArgs.push_back(argv[i]);
        }
    }
    if (g.backing.empty() || g.images.empty() || fuseArgs.size() < 2) {
        fprintf(stderr, "usage: powercut-fs --backing DIR --images DIR [--quiet P1:P2] [--seed N]\n"
                        "                   [--fsyncdir-error N] [--whole-seconds] MOUNTPOINT [fuse options]\n");
        return 2;
    }
    // Modes reach the backing folder as the caller's umask left them.
    umask(0);
    g.root = open(g.backing.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (g.root < 0) {
        perror(g.backing.c_str());
        return 1;
    }
    g.rootId = adopt(".");
    scan(".", g.rootId);

    static const char *const fixed[] = {"-f", "-s", "-o", "default_permissions,fsname=powercut,subtype=powercut"};
    for (const char *f : fixed)
        fuseArgs.push_back(const_cast<char *>(f));

    // The calls that pass through to the backing folder, or make or remove
    // one name, are written where they are set.
    struct fuse_operations ops = {};
    ops.init = [](struct fuse_conn_info *conn, struct fuse_config *cfg) -> void * {
        // Every write reaches the daemon before the call returns, in order.
        conn->want &= ~FUSE_CAP_WRITEBACK_CACHE;
        cfg->hard_remove = 1;
        cfg->nullpath_ok = 0;
        cfg->use_ino = 0;
        std::ofstream(g.images + "/ready");
        return nullptr;
    };
    ops.getattr = [](const char *path, struct stat *st, struct fuse_file_info *fi) {
        int r = fdOf(fi) >= 0 ? fstat(fdOf(fi), st)
                              : fstatat(g.root, rel(path), st, AT_SYMLINK_NOFOLLOW);
        if (r == 0 && g.wholeSeconds)
            st->st_atim.tv_nsec = st->st_mtim.tv_nsec = st->st_ctim.tv_nsec = 0;
        return result(r);
    };
    ops.readlink = [](const char *path, char *buf, size_t size) {
        ssize_t n = readlinkat(g.root, rel(path), buf, size - 1);
        if (n < 0)
            return fail();
        buf[n] = '\0';
        return 0;
    };
    ops.mknod = [](const char *path, mode_t mode, dev_t dev) {
        return named(mknodat(g.root, rel(path), mode, dev), path);
    };
    ops.mkdir = [](const char *path, mode_t mode) {
        return named(mkdirat(g.root, rel(path), mode), path);
    };
    ops.unlink = [](const char *path) { return unnamed(unlinkat(g.root, rel(path), 0), path); };
    ops.rmdir = fsRmdir;
    ops.symlink = [](const char *target, const char *path) {
        return named(symlinkat(target, g.root, rel(path)), path);
    };
    ops.rename = fsRename;
    ops.link = fsLink;
    ops.chmod = [](const char *path, mode_t mode, struct fuse_file_info *fi) {
        return result(fdOf(fi) >= 0 ? fchmod(fdOf(fi), mode)
                                    : fchmodat(g.root, rel(path), mode, 0));
    };
    ops.chown = [](const char *path, uid_t uid, gid_t gid, struct fuse_file_info *fi) {
        return result(fdOf(fi) >= 0 ? fchown(fdOf(fi), uid, gid)
                                    : fchownat(g.root, rel(path), uid, gid, AT_SYMLINK_NOFOLLOW));
    };
    ops.truncate = [](const char *path, off_t size, struct fuse_file_info *fi) {
        if (fdOf(fi) >= 0)
            return result(ftruncate(fdOf(fi), size));
        const Fd fd{openat(g.root, rel(path), O_WRONLY | O_NOFOLLOW | O_CLOEXEC)};
        return fd.fd < 0 ? fail() : result(ftruncate(fd.fd, size));
    };
    ops.utimens = [](const char *path, const struct timespec tv[2], struct fuse_file_info *fi) {
        return result(fdOf(fi) >= 0 ? futimens(fdOf(fi), tv)
                                    : utimensat(g.root, rel(path), tv, AT_SYMLINK_NOFOLLOW));
    };
    ops.create = [](const char *path, mode_t mode, struct fuse_file_info *fi) {
        return openCommon(path, fi->flags | O_CREAT, mode, fi);
    };
    ops.open = [](const char *path, struct fuse_file_info *fi) {
        return openCommon(path, fi->flags & ~(O_CREAT | O_EXCL), 0, fi);
    };
    ops.read = [](const char *, char *buf, size_t size, off_t off, struct fuse_file_info *fi) {
        ssize_t n = pread(int(fi->fh), buf, size, off);
        return n < 0 ? fail() : int(n);
    };
    ops.write = [](const char *, const char *buf, size_t size, off_t off,
                   struct fuse_file_info *fi) {
        const int fd = int(fi->fh);
        ssize_t n = (fi->flags & O_APPEND) ? write(fd, buf, size) : pwrite(fd, buf, size, off);
        return n < 0 ? fail() : int(n);
    };
    ops.statfs = [](const char *, struct statvfs *st) { return result(fstatvfs(g.root, st)); };
    ops.release = [](const char *, struct fuse_file_info *fi) {
        g.openFiles.erase(fi->fh);
        close(int(fi->fh));
        return 0;
    };
    ops.fsync = fsFsync;
    ops.opendir = [](const char *path, struct fuse_file_info *fi) {
        struct stat st;
        if (fstatat(g.root, rel(path), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return fail();
        if (!S_ISDIR(st.st_mode))
            return -ENOTDIR;
        fi->fh = 0;
        return 0;
    };
    ops.readdir = [](const char *path, void *buf, fuse_fill_dir_t fill, off_t,
                     struct fuse_file_info *, enum fuse_readdir_flags) {
        const Folder dir = openFolder(rel(path), 0);
        if (!dir)
            return fail();
        while (struct dirent *e = readdir(dir.get())) {
            struct stat st = {};
            st.st_ino = e->d_ino;
            st.st_mode = DTTOIF(e->d_type);
            if (fill(buf, e->d_name, &st, 0, fuse_fill_dir_flags(0)))
                break;
        }
        return 0;
    };
    ops.fsyncdir = fsFsyncdir;
    ops.access = [](const char *path, int mask) {
        return result(faccessat(g.root, rel(path), mask, 0));
    };
    return fuse_main(int(fuseArgs.size()), fuseArgs.data(), &ops, nullptr);
}
