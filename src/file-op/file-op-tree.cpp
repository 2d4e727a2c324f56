// The tree walk, and the package copy and fingerprint built on it.
//
// The copy is the walk inside the service's FSCopyPath, and its lines are
// FSCopyPath's: they keep the module and component they have always been
// logged under, whichever library holds the code. The walk itself logs
// nothing; its users say what failed.
#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"

#include "file-op-tree.h"

#include "file-op-base.h"
#include "log.h"

#include <algorithm>
#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace fileop {

// ---- FolderChain

int FolderChain::start(UniqueFd top)
{
    frames_.clear();
    low_ = 1;
    struct stat st;
    if (fstat(top.get(), &st) != 0)
        return errno;
    frames_.push_back(Frame{std::string(), st.st_dev, st.st_ino, std::move(top)});
    return 0;
}

int FolderChain::enter(const std::string &name)
{
    UniqueFd child(openat(fd(), name.c_str(), kWalkFolderFlags));
    if (!child.valid())
        return errno;
    struct stat st;
    if (fstat(child.get(), &st) != 0)
        return errno;
    frames_.push_back(Frame{name, st.st_dev, st.st_ino, std::move(child)});
    closeSurplus(frames_.size() - 1);
    return 0;
}

int FolderChain::leave()
{
    const Frame child = std::move(frames_.back());
    frames_.pop_back();
    if (low_ < frames_.size() || frames_.size() == 1) {
        low_ = std::min(low_, frames_.size());
        return 0;
    }
    // Up through "..", when it still leads to the folder the walk came
    // from: one step, however deep the walk.
    Frame &frame = frames_.back();
    UniqueFd up(openat(child.fd.get(), "..", kWalkFolderFlags));
    struct stat st;
    if (up.valid() && fstat(up.get(), &st) == 0 && st.st_dev == frame.dev && st.st_ino == frame.ino) {
        frame.fd = std::move(up);
        low_ = frames_.size() - 1;
        return 0;
    }
    return reopen();
}

// Every folder between the top and the current one is closed, and ".."
// of the one the walk left leads elsewhere (it was moved) or cannot be
// opened: down again by name from the top, keeping the deepest open.
int FolderChain::reopen()
{
    low_ = 1;
    for (size_t i = 1; i < frames_.size(); ++i) {
        Frame &frame = frames_[i];
        UniqueFd opened(openat(frames_[i - 1].fd.get(), frame.name.c_str(), kWalkFolderFlags));
        struct stat st;
        int err = 0;
        if (!opened.valid() || fstat(opened.get(), &st) != 0)
            err = errno;
        else if (st.st_dev != frame.dev || st.st_ino != frame.ino)
            // Moved, or replaced by another folder, since the walk passed.
            err = ESTALE;
        if (err != 0) {
            for (size_t j = low_; j < i; ++j)
                frames_[j].fd.reset();
            low_ = frames_.size();
            return err;
        }
        frame.fd = std::move(opened);
        closeSurplus(i);
    }
    return 0;
}

// The top and the frames from low_ to `deepest` are open: the shallowest of
// those below the top close first.
void FolderChain::closeSurplus(size_t deepest)
{
    while (deepest + 2 - low_ > kOpenFoldersPerWalk) {
        frames_[low_].fd.reset();
        ++low_;
    }
}

// ---- TreeWalk

int TreeWalk::start(UniqueFd top)
{
    pending_.assign(1, std::vector<DirEntry>());
    return chain_.start(std::move(top));
}

int TreeWalk::read()
{
    std::vector<DirEntry> &entries = pending_.back();
    const int err = ListDirectoryAt(fd(), entries);
    // Handed out from the back.
    if (order_ == Order::ByName)
        std::sort(entries.begin(), entries.end(), [](const DirEntry &a, const DirEntry &b) { return a.name > b.name; });
    else
        std::reverse(entries.begin(), entries.end());
    return err;
}

bool TreeWalk::next(DirEntry &entry)
{
    std::vector<DirEntry> &entries = pending_.back();
    if (entries.empty())
        return false;
    entry = std::move(entries.back());
    entries.pop_back();
    return true;
}

int TreeWalk::enter(const std::string &name)
{
    if (limit_ != 0 && depth() >= limit_)
        return kWalkTooDeep;
    const int err = chain_.enter(name);
    if (err == 0)
        pending_.emplace_back();
    return err;
}

int TreeWalk::leave()
{
    pending_.pop_back();
    return chain_.leave();
}

// ---- the package copy

int32_t CopyFolderTree(UniqueFd src, UniqueFd dst, const std::string &source, const std::string &destination)
{
    TreeWalk from(kMaxPackageDepth);
    FolderChain to;
    // The folder being copied, below both tops, and its length above each
    // folder entered.
    std::string rel;
    std::vector<size_t> marks;
    // Each level on the way back names the folder it was copying.
    auto failed = [&]() -> int32_t {
        for (; !marks.empty(); marks.pop_back()) {
            LOG_ERROR("FSCopyPath: failed to copy from '%s' to '%s'\n", (source + rel).c_str(),
                      (destination + rel).c_str());
            rel.resize(marks.back());
        }
        return -1;
    };

    int err = to.start(std::move(dst));
    if (err != 0) {
        LOG_ERROR("FSCopyPath: failed to create dest folder '%s': %s (%d)\n", destination.c_str(),
                  ErrorText(err).c_str(), err);
        return -1;
    }
    if ((err = from.start(std::move(src))) != 0 || (err = from.read()) != 0) {
        LOG_ERROR("FSCopyPath: failed to read folder '%s': %s (%d)\n", source.c_str(), ErrorText(err).c_str(), err);
        return -1;
    }
    for (;;) {
        DirEntry entry;
        if (!from.next(entry)) {
            // The folder's new names go on disk after its entries.
            if (SyncFolder(to.fd(), destination + rel) != 0)
                return failed();
            if (marks.empty())
                return 0;
            rel.resize(marks.back());
            marks.pop_back();
            if ((err = from.leave()) != 0) {
                LOG_ERROR("FSCopyPath: failed to read folder '%s': %s (%d)\n", (source + rel).c_str(),
                          ErrorText(err).c_str(), err);
                return failed();
            }
            if ((err = to.leave()) != 0) {
                LOG_ERROR("FSCopyPath: failed to create dest folder '%s': %s (%d)\n", (destination + rel).c_str(),
                          ErrorText(err).c_str(), err);
                return failed();
            }
            continue;
        }
        const std::string s = source + rel + "/" + entry.name;
        const std::string d = destination + rel + "/" + entry.name;
        uint32_t type = entry.type;
        // Some file systems leave the kind out of their directory entries.
        struct stat st;
        if (type == FS_TYPE_UNKNOWN && fstatat(from.fd(), entry.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0
            && S_ISDIR(st.st_mode))
            type = FS_TYPE_DIRECTORY;
        if (type != FS_TYPE_DIRECTORY) {
            // Anything else must be a regular file or a link to one: a
            // device, FIFO or socket fails here before it is ever opened.
            if (CopyFileAt(from.fd(), entry.name, to.fd(), entry.name, true, s, d) < 0) {
                LOG_ERROR("FSCopyPath: failed to copy from '%s' to '%s'\n", s.c_str(), d.c_str());
                return failed();
            }
            continue;
        }

        err = from.enter(entry.name);
        if (err == kWalkTooDeep) {
            LOG_ERROR("FSCopyPath: '%s' is nested deeper than %d folders\n", s.c_str(),
                      static_cast<int>(kMaxPackageDepth));
            return -1;
        }
        marks.push_back(rel.size());
        rel += "/" + entry.name;
        if (err != 0) {
            // A folder that cannot be read leaves the copy incomplete.
            LOG_WARNING("FSCopyPath: failed to create handle  for src '%s' failed\n", s.c_str());
            return failed();
        }
        if (mkdirat(to.fd(), entry.name.c_str(), 0777) != 0 && errno != EEXIST) {
            err = errno;
            LOG_ERROR("FSCopyPath: failed to create dest folder '%s': %s (%d)\n", d.c_str(), ErrorText(err).c_str(),
                      err);
            return failed();
        }
        if ((err = to.enter(entry.name)) != 0) {
            LOG_ERROR("FSCopyPath: failed to create dest folder '%s': %s (%d)\n", d.c_str(), ErrorText(err).c_str(),
                      err);
            return failed();
        }
        if ((err = from.read()) != 0) {
            LOG_ERROR("FSCopyPath: failed to read folder '%s': %s (%d)\n", s.c_str(), ErrorText(err).c_str(), err);
            return failed();
        }
    }
}

// ---- the package fingerprint

namespace {

class Fingerprint
{
public:
    void add(const void *data, size_t size)
    {
        const unsigned char *p = static_cast<const unsigned char *>(data);
        for (size_t i = 0; i < size; ++i)
            m_hash = (m_hash ^ p[i]) * 1099511628211ull;
    }
    void add(const std::string &text) { add(text.c_str(), text.size() + 1); }
    void add(int64_t value) { add(&value, sizeof value); }
    void add(const struct stat &st)
    {
        for (int64_t v : {int64_t(st.st_mode), int64_t(st.st_ino), int64_t(st.st_size), int64_t(st.st_mtim.tv_sec),
                          int64_t(st.st_mtim.tv_nsec), int64_t(st.st_ctim.tv_sec), int64_t(st.st_ctim.tv_nsec)})
            add(v);
    }
    // False past the depth bound.
    bool addFolder(UniqueFd top)
    {
        TreeWalk walk(kMaxPackageDepth, TreeWalk::Order::ByName);
        int err = walk.start(std::move(top));
        add(int64_t(err != 0 ? err : walk.read()));
        if (err != 0)
            return true;
        for (;;) {
            DirEntry entry;
            if (!walk.next(entry)) {
                if (walk.depth() == 0)
                    return true;
                if ((err = walk.leave()) != 0) {
                    // Changed under the walk: the error stands for the rest.
                    add(int64_t(err));
                    return true;
                }
                continue;
            }
            add(entry.name);
            struct stat st;
            if (fstatat(walk.fd(), entry.name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) {
                add(int64_t(errno));
                continue;
            }
            add(st);
            if (!S_ISDIR(st.st_mode))
                continue;
            err = walk.enter(entry.name);
            if (err == kWalkTooDeep)
                return false;
            add(int64_t(err != 0 ? err : walk.read()));
        }
    }
    void addFile(const std::string &path)
    {
        UniqueFd fd(open(path.c_str(), O_RDONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
        struct stat st;
        if (!fd.valid() || fstat(fd.get(), &st) != 0) {
            add(int64_t(errno));
            return;
        }
        add(st);
        if (!S_ISREG(st.st_mode))
            return;
        char buffer[4096];
        ssize_t n;
        while ((n = ::read(fd.get(), buffer, sizeof buffer)) > 0)
            add(buffer, static_cast<size_t>(n));
    }
    uint64_t value() const { return m_hash; }

private:
    uint64_t m_hash = 14695981039346656037ull;
};

} // namespace

bool PackageFingerprint(const std::string &info, const std::string &package, uint64_t &value)
{
    Fingerprint fp;
    fp.addFile(info);
    UniqueFd fd(open(package.c_str(), kWalkFolderFlags & ~O_NOFOLLOW));
    struct stat st;
    if (!fd.valid() || fstat(fd.get(), &st) != 0) {
        fp.add(int64_t(errno));
    } else {
        fp.add(st);
        if (!fp.addFolder(std::move(fd)))
            return false;
    }
    value = fp.value();
    return true;
}

} // namespace fileop
