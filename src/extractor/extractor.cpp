#include "extractor.h"

#define LOG_COMPONENT "extractor_debug"
#define LOG_MODULE "extractor.cpp"
#include "log.h"

#include "notify-adapter.h"
#include "ui-text.h"

#include <archive.h>
#include <archive_entry.h>

#include <QChar>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The block size every archive is opened with.
constexpr size_t kReadBlockSize = 10240;

// Existing files at an entry's place are replaced, ".." is refused, and no
// entry may be written through a symbolic link (see refusal()).
// Owners, permissions, times, ACLs and extended attributes are deliberately
// left to the process's defaults.
constexpr int kWriteOptions = ARCHIVE_EXTRACT_UNLINK
                              | ARCHIVE_EXTRACT_SECURE_SYMLINKS
                              | ARCHIVE_EXTRACT_SECURE_NODOTDOT
                              | ARCHIVE_EXTRACT_MAC_METADATA;
static_assert(kWriteOptions == 0x2310, "disk writer options changed");

struct ReaderFree {
    void operator()(struct archive *a) const { (void)archive_read_free(a); }
};
struct WriterFree {
    void operator()(struct archive *a) const { (void)archive_write_free(a); }
};
using Reader = std::unique_ptr<struct archive, ReaderFree>;
using Writer = std::unique_ptr<struct archive, WriterFree>;

// The handle's own error text. Some readers (cpio's, on a cut archive) fail
// without one; the line then carries the result and archive_errno, so that
// no failure is reported with an empty reason.
std::string errorText(struct archive *a, int result)
{
    const char *text = archive_error_string(a);
    if (text && *text)
        return text;
    const int err = archive_errno(a);
    char buffer[160];
    if (err > 0)
        snprintf(buffer, sizeof buffer, "no error text, result %d, archive_errno %d: %s", result, err, strerror(err));
    else
        snprintf(buffer, sizeof buffer, "no error text, result %d, archive_errno %d", result, err);
    return buffer;
}

// archive_read_extract2 reports on the writer, except when reading the
// entry's data failed: then only the reader holds the reason.
std::string extractErrorText(struct archive *reader, struct archive *writer, int result)
{
    const char *text = archive_error_string(writer);
    if (text && *text)
        return text;
    text = archive_error_string(reader);
    if (text && *text)
        return text;
    return errorText(archive_errno(writer) != 0 ? writer : reader, result);
}

bool validRequest(const ExtractRequest &request)
{
    return !request.archive.empty() && !request.destination.empty();
}

// A descriptor with one owner.
class Fd
{
public:
    explicit Fd(int fd = -1) : m_fd(fd) {}
    Fd(Fd &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Fd &operator=(Fd &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_fd = std::exchange(other.m_fd, -1);
        }
        return *this;
    }
    Fd(const Fd &) = delete;
    Fd &operator=(const Fd &) = delete;
    ~Fd() { reset(); }

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    void reset()
    {
        if (m_fd >= 0)
            (void)close(m_fd);
        m_fd = -1;
    }
    int m_fd;
};

// Where the entries go. `existing` is the real path of the deepest folder of
// the destination that exists, held open as `base`; `missing` are the
// destination's components below it, which the writer creates. `prefix` is
// what every entry's name is appended to.
struct Destination {
    std::string existing;
    Fd base;
    std::vector<std::string> missing;
    std::string prefix;

    std::string path() const { return prefix.size() > 1 ? prefix.substr(0, prefix.size() - 1) : prefix; }
};

void stripTrailingSlashes(std::string *path)
{
    while (path->size() > 1 && path->back() == '/')
        path->pop_back();
}

// Resolves the destination once, so that the writer's symbolic-link checks,
// which walk every component of an entry's full path, never meet a link
// among the destination's own components: told to replace what stands in
// its way, the writer would remove such a link (a home folder reached
// through a link, or a link whose target is not there yet) and put a folder
// of its own in its place. Whatever cannot be resolved fails the run
// instead, and nothing of the destination's path is touched. 0, or -1 after
// logging.
int resolveDestination(const std::string &destination, Destination *out)
{
    std::string head = destination;
    std::vector<std::string> missing;  // innermost first
    for (;;) {
        stripTrailingSlashes(&head);
        std::unique_ptr<char, decltype(&free)> real(realpath(head.empty() ? "." : head.c_str(), nullptr), &free);
        if (real)
            break;
        int err = errno;
        if (err != ENOENT) {
            LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), head.c_str(),
                      strerror(err), err);
            return -1;
        }
        // realpath() found every component before the last one, and lstat()
        // finds the last: a link whose target is missing.
        struct stat st;
        if (!head.empty() && lstat(head.c_str(), &st) == 0) {
            LOG_ERROR("Destination '%s' goes through the dangling symbolic link '%s'\n", destination.c_str(),
                      head.c_str());
            return -1;
        }
        const std::string::size_type slash = head.rfind('/');
        std::string component = slash == std::string::npos ? head : head.substr(slash + 1);
        if (component.empty()) {
            LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), head.c_str(),
                      strerror(err), err);
            return -1;
        }
        if (component != ".")
            missing.push_back(std::move(component));
        head = slash == std::string::npos ? std::string() : head.substr(0, slash == 0 ? 1 : slash);
    }

    std::unique_ptr<char, decltype(&free)> real(realpath(head.empty() ? "." : head.c_str(), nullptr), &free);
    if (!real) {
        const int err = errno;
        LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), head.c_str(),
                  strerror(err), err);
        return -1;
    }
    // A file where a folder of the destination should be would be unlinked
    // by the writer as an obstacle.
    Fd base(open(real.get(), O_PATH | O_DIRECTORY | O_CLOEXEC));
    if (!base) {
        const int err = errno;
        LOG_ERROR("Failed to resolve destination '%s' at '%s': %s (%d)\n", destination.c_str(), real.get(),
                  strerror(err), err);
        return -1;
    }
    out->existing = real.get();
    out->base = std::move(base);
    out->missing.assign(missing.rbegin(), missing.rend());
    out->prefix = out->existing;
    for (const std::string &m : out->missing) {
        if (out->prefix.back() != '/')
            out->prefix += '/';
        out->prefix += m;
    }
    if (out->prefix.back() != '/')
        out->prefix += '/';
    return 0;
}

// The components of an entry's name (or a hard link's target) below the
// destination; "." and empty ones name nothing, so "", ".", "./" and "/"
// all name the destination itself. False when one is "..": the writer
// refuses those itself.
bool splitName(const char *name, std::vector<std::string> *components)
{
    components->clear();
    const char *p = name;
    while (*p) {
        const char *end = strchr(p, '/');
        if (!end)
            end = p + strlen(p);
        const std::string::size_type n = std::string::size_type(end - p);
        if (n == 2 && p[0] == '.' && p[1] == '.')
            return false;
        if (n > 0 && !(n == 1 && p[0] == '.'))
            components->emplace_back(p, n);
        p = *end ? end + 1 : end;
    }
    return true;
}

// What stands at a path below the destination, found one component at a
// time from the destination's descriptor without following any link.
struct Found {
    enum Kind { Missing, Here, ThroughLink } kind = Missing;
    struct stat st = {};  // of the last component, when Here
    std::string path;     // the full path of what was found, or of the link
};

Found lookUp(const Destination &destination, const std::vector<std::string> &components)
{
    std::vector<const std::string *> parts;
    for (const std::string &m : destination.missing)
        parts.push_back(&m);
    for (const std::string &c : components)
        parts.push_back(&c);

    Found found;
    Fd held;
    int at = destination.base.get();
    for (size_t i = 0; i < parts.size(); ++i) {
        struct stat st;
        // Missing, or a failure that the writer meets and reports itself.
        if (fstatat(at, parts[i]->c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            return found;
        const bool last = i + 1 == parts.size();
        if (last || S_ISLNK(st.st_mode)) {
            found.kind = last ? Found::Here : Found::ThroughLink;
            found.st = st;
            found.path = destination.existing;
            for (size_t j = 0; j <= i; ++j) {
                if (found.path.back() != '/')
                    found.path += '/';
                found.path += *parts[j];
            }
            return found;
        }
        // A file in the way is replaced by a folder; nothing lies below it.
        if (!S_ISDIR(st.st_mode))
            return found;
        Fd next(openat(at, parts[i]->c_str(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next)
            return found;
        held = std::move(next);
        at = held.get();
    }
    return found;
}

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
                    const std::vector<std::string> &components, const Written &written)
{
    const char *target = archive_entry_hardlink(entry);
    if (components.empty()) {
        if (!target && archive_entry_filetype(entry) == AE_IFDIR)
            return std::string();
        return "Cannot replace the destination " + destination.path() + " by the entry '"
               + archive_entry_pathname(entry) + "'";
    }
    const Found at = lookUp(destination, components);
    if (at.kind == Found::ThroughLink)
        return "Cannot extract through symlink " + at.path;
    if (at.kind == Found::Here && S_ISLNK(at.st.st_mode) && written.links.count(Written::key(at.st)))
        return "Cannot replace symlink " + at.path + " planted by this archive";
    if (!target)
        return std::string();

    std::vector<std::string> targetComponents;
    if (!splitName(target, &targetComponents))
        return std::string();
    if (targetComponents.empty())
        return "Cannot hard link to the destination " + destination.path();
    const Found to = lookUp(destination, targetComponents);
    if (to.kind == Found::ThroughLink)
        return "Cannot extract through symlink " + to.path;
    if (to.kind == Found::Here) {
        if (S_ISLNK(to.st.st_mode))
            return "Cannot hard link to symlink " + to.path;
        if (!S_ISDIR(to.st.st_mode) && !written.others.count(Written::key(to.st)))
            return "Cannot hard link to " + to.path + ", which this archive did not write";
    }
    return std::string();
}

// Steps shared by the counting and the listing pass: a reader for every
// filter and format, opened on the archive. Null after logging on failure.
Reader openForScan(const ExtractRequest &request)
{
    if (!validRequest(request)) {
        LOG_ERROR("Invalid argument\n");
        return nullptr;
    }
    Reader reader(archive_read_new());
    if (!reader) {
        LOG_ERROR("Allocate archive failed\n");
        return nullptr;
    }
    (void)archive_read_support_filter_all(reader.get());
    (void)archive_read_support_format_all(reader.get());
    const int r = archive_read_open_filename(reader.get(), request.archive.c_str(), kReadBlockSize);
    if (r != ARCHIVE_OK) {
        LOG_ERROR("archive_read_open_filename failed: '%s'\n", errorText(reader.get(), r).c_str());
        return nullptr;
    }
    return reader;
}

QString preparingText()
{
    return LookupUIText(UITEXT_ENV_PREPARING).arg(LookupUIText(UITEXT_APP_NAME), 0, QLatin1Char(' '));
}

} // namespace

int CountArchiveEntries(const ExtractRequest &request)
{
    Reader reader = openForScan(request);
    if (!reader)
        return -1;

    int count = 0;
    struct archive_entry *entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        ++count;
        (void)archive_read_data_skip(reader.get());
    }
    return count;
}

int ListArchiveEntries(const ExtractRequest &request)
{
    Reader reader = openForScan(request);
    if (!reader)
        return -1;

    struct archive_entry *entry = nullptr;
    while (archive_read_next_header(reader.get(), &entry) == ARCHIVE_OK) {
        const char *name = archive_entry_pathname(entry);
        printf("%s\n", name ? name : "");
        (void)archive_read_data_skip(reader.get());
    }
    (void)archive_read_close(reader.get());
    return 0;
}

int CopyArchiveData(struct archive *reader, struct archive *writer)
{
    if (!reader || !writer) {
        LOG_ERROR("Invalid Argument\n");
        return -1;
    }
    for (;;) {
        const void *buffer = nullptr;
        size_t size = 0;
        la_int64_t offset = 0;
        int r = archive_read_data_block(reader, &buffer, &size, &offset);
        if (r == ARCHIVE_EOF)
            return 0;
        if (r != ARCHIVE_OK) {
            LOG_ERROR("archive_read_data_block failed: '%s'\n", errorText(reader, r).c_str());
            return -1;
        }
        const la_ssize_t w = archive_write_data_block(writer, buffer, size, offset);
        if (w != ARCHIVE_OK) {
            LOG_ERROR("archive_write_data_block failed: '%s'\n", errorText(writer, int(w)).c_str());
            return -1;
        }
    }
}

int ExtractArchive(const ExtractRequest &request)
{
    if (!validRequest(request)) {
        LOG_ERROR("Invalid Argument\n");
        return -1;
    }
    LOG_DEBUG("decompress from '%s' to '%s'\n", request.archive.c_str(), request.destination.c_str());

    Notify_Adapter *notify = Notify_Adapter::getInstance();
    notify->UpdateDialogText(preparingText());

    const int total = CountArchiveEntries(request);
    if (total <= 0) {
        LOG_ERROR("Failed to calculate total file numbers, ret: %d\n", total);
        return -1;
    }

    Reader reader(archive_read_new());
    if (!reader) {
        LOG_ERROR("Allocate extractor failed\n");
        return -1;
    }
    Writer writer(archive_write_disk_new());
    if (!writer) {
        LOG_ERROR("Allocate extractor failed\n");
        return -1;
    }
    (void)archive_write_disk_set_options(writer.get(), kWriteOptions);
    // The same as the deprecated archive_read_support_compression_all.
    (void)archive_read_support_filter_all(reader.get());
    (void)archive_read_support_format_all(reader.get());

    int opened = archive_read_open_filename(reader.get(), request.archive.c_str(), kReadBlockSize);
    if (opened != ARCHIVE_OK) {
        LOG_ERROR("Failed to read file '%s' ('%s')\n", request.archive.c_str(), errorText(reader.get(), opened).c_str());
        return -1;
    }

    Destination destination;
    if (resolveDestination(request.destination, &destination) != 0)
        return -1;
    Written written;
    std::vector<std::string> components;
    int current = 0;
    for (;;) {
        struct archive_entry *entry = nullptr;
        int r = archive_read_next_header(reader.get(), &entry);
        if (r == ARCHIVE_EOF) {
            // The writer does part of its work only now (the modes and times
            // of folders, set once their contents are in).
            r = archive_write_close(writer.get());
            if (r != ARCHIVE_OK) {
                LOG_ERROR("archive_write_close failed: '%s'\n", errorText(writer.get(), r).c_str());
                return -1;
            }
            return 0;
        }
        if (r != ARCHIVE_OK) {
            LOG_ERROR("archive_read_next_header failed: '%s'\n", errorText(reader.get(), r).c_str());
            return -1;
        }

        const char *name = archive_entry_pathname(entry);
        if (!name) {
            LOG_ERROR("archive_entry_pathname failed");
            return -1;
        }
        // Checked while both texts are still the entry's own: setting a
        // new path name frees the old one.
        const bool checked = splitName(name, &components);
        if (checked) {
            const std::string why = refusal(destination, entry, components, written);
            if (!why.empty()) {
                archive_set_error(writer.get(), ELOOP, "%s", why.c_str());
                LOG_ERROR("archive_read_extract2 failed: '%s'\n", errorText(writer.get(), ARCHIVE_FAILED).c_str());
                return -1;
            }
        }
        archive_entry_set_pathname(entry, (destination.prefix + name).c_str());
        // A hard link names another entry of the same archive, so its target
        // lives below the destination too; left alone it would resolve
        // against the working folder, or reach outside when absolute.
        const char *linkTarget = archive_entry_hardlink(entry);
        if (linkTarget)
            archive_entry_set_hardlink(entry, (destination.prefix + linkTarget).c_str());

        r = archive_read_extract2(reader.get(), entry, writer.get());
        if (r != ARCHIVE_OK) {
            LOG_ERROR("archive_read_extract2 failed: '%s'\n",
                      extractErrorText(reader.get(), writer.get(), r).c_str());
            return -1;
        }

        ++current;
        notify->UpdateProgress(total, current);

        r = archive_write_finish_entry(writer.get());
        if (r != ARCHIVE_OK) {
            LOG_ERROR("archive_write_finish_entry failed: '%s'\n", errorText(writer.get(), r).c_str());
            return -1;
        }
        if (checked && !components.empty()) {
            const Found made = lookUp(destination, components);
            if (made.kind == Found::Here)
                written.add(made.st);
        }
    }
}
