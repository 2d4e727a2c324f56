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
#include <memory>
#include <string>

#include <sys/stat.h>

namespace {

// The block size every archive is opened with.
constexpr size_t kReadBlockSize = 10240;

// Existing files at an entry's place are replaced, ".." is refused, and no
// entry may be written through a symbolic link (see throughSymbolicLink).
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

const char *errorText(struct archive *a)
{
    const char *text = archive_error_string(a);
    return text ? text : "";
}

// archive_read_extract2 reports on the writer, except when reading the
// entry's data failed: then only the reader holds the reason.
const char *extractErrorText(struct archive *reader, struct archive *writer)
{
    const char *text = archive_error_string(writer);
    return text ? text : errorText(reader);
}

bool validRequest(const ExtractRequest &request)
{
    return !request.archive.empty() && !request.destination.empty();
}

// The real path of `destination`, so that the writer's symbolic-link checks,
// which walk every component of an entry's full path, never see a link among
// the destination's own parents (a home folder reached through a link would
// otherwise be removed as an attack). Components that do not exist yet are
// kept as written below the deepest existing ancestor; the writer creates
// them. When nothing can be resolved the text is used as given.
std::string resolveDestination(const std::string &destination)
{
    std::string head = destination;
    std::string tail;
    for (;;) {
        std::unique_ptr<char, decltype(&free)> real(
            realpath(head.empty() ? "." : head.c_str(), nullptr), &free);
        if (real) {
            std::string resolved = real.get();
            if (tail.empty())
                return resolved;
            if (resolved != "/")
                resolved += '/';
            return resolved + tail;
        }
        int err = errno;
        if ((err != ENOENT && err != ENOTDIR) || head.empty())
            return destination;

        while (head.size() > 1 && head.back() == '/')
            head.pop_back();
        std::string::size_type slash = head.rfind('/');
        std::string component = slash == std::string::npos ? head : head.substr(slash + 1);
        if (component.empty())
            return destination;
        tail = tail.empty() ? component : component + "/" + tail;
        head = slash == std::string::npos ? std::string() : head.substr(0, slash == 0 ? 1 : slash);
    }
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
    if (archive_read_open_filename(reader.get(), request.archive.c_str(), kReadBlockSize) != ARCHIVE_OK) {
        LOG_ERROR("archive_read_open_filename failed: '%s'\n", errorText(reader.get()));
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
            LOG_ERROR("archive_read_data_block failed: '%s'\n", errorText(reader));
            return -1;
        }
        if (archive_write_data_block(writer, buffer, size, offset) != ARCHIVE_OK) {
            LOG_ERROR("archive_write_data_block failed: '%s'\n", errorText(writer));
            return -1;
        }
    }
}

// Whether a folder on the way to `name` below `prefix` (which ends in '/')
// is a symbolic link; `at` then names it. Told to replace what stands at an
// entry's place, the writer would remove such a link and extract into a
// folder of its own, so an archive that plants a link and then writes
// through it would seem to extract fine. It is refused instead, with the
// text the writer itself uses when it may not unlink.
bool throughSymbolicLink(const std::string &prefix, const char *name, std::string *at)
{
    std::string rest = name;
    while (!rest.empty() && rest.back() == '/')
        rest.pop_back();
    std::string path = prefix;
    std::string::size_type from = 0;
    for (;;) {
        while (from < rest.size() && rest[from] == '/')
            ++from;
        const std::string::size_type slash = rest.find('/', from);
        if (slash == std::string::npos)
            return false;
        path.append(rest, from, slash - from);
        struct stat st;
        if (lstat(path.c_str(), &st) != 0)
            return false;
        if (S_ISLNK(st.st_mode)) {
            *at = path;
            return true;
        }
        path += '/';
        from = slash + 1;
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

    if (archive_read_open_filename(reader.get(), request.archive.c_str(), kReadBlockSize) != ARCHIVE_OK) {
        LOG_ERROR("Failed to read file '%s' ('%s')\n", request.archive.c_str(), errorText(reader.get()));
        return -1;
    }

    const std::string prefix = resolveDestination(request.destination) + "/";
    int current = 0;
    for (;;) {
        struct archive_entry *entry = nullptr;
        int r = archive_read_next_header(reader.get(), &entry);
        if (r == ARCHIVE_EOF)
            return 0;
        if (r != ARCHIVE_OK) {
            LOG_ERROR("archive_read_next_header failed: '%s'\n", errorText(reader.get()));
            return -1;
        }

        const char *name = archive_entry_pathname(entry);
        if (!name) {
            LOG_ERROR("archive_entry_pathname failed");
            return -1;
        }
        // Checked while both texts are still the entry's own: setting a
        // new path name frees the old one.
        const char *linkTarget = archive_entry_hardlink(entry);
        std::string link;
        if (throughSymbolicLink(prefix, name, &link)
            || (linkTarget && throughSymbolicLink(prefix, linkTarget, &link))) {
            archive_set_error(writer.get(), ELOOP, "Cannot extract through symlink %s", link.c_str());
            LOG_ERROR("archive_read_extract2 failed: '%s'\n", errorText(writer.get()));
            return -1;
        }
        archive_entry_set_pathname(entry, (prefix + name).c_str());
        // A hard link names another entry of the same archive, so its target
        // lives below the destination too; left alone it would resolve
        // against the working folder, or reach outside when absolute.
        linkTarget = archive_entry_hardlink(entry);
        if (linkTarget)
            archive_entry_set_hardlink(entry, (prefix + linkTarget).c_str());

        if (archive_read_extract2(reader.get(), entry, writer.get()) != ARCHIVE_OK) {
            LOG_ERROR("archive_read_extract2 failed: '%s'\n", extractErrorText(reader.get(), writer.get()));
            return -1;
        }

        ++current;
        notify->UpdateProgress(total, current);

        if (archive_write_finish_entry(writer.get()) != ARCHIVE_OK) {
            LOG_ERROR("archive_write_finish_entry failed: '%s'\n", errorText(writer.get()));
            return -1;
        }
    }
}
