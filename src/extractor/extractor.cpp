#include "extractor.h"

#define LOG_COMPONENT "extractor_debug"
#define LOG_MODULE "extractor.cpp"
#include "log.h"

#include "destination.h"
#include "file-op-base.h"
#include "notify-adapter.h"
#include "ui-text.h"

#include <archive.h>
#include <archive_entry.h>

#include <QChar>
#include <QString>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using extractor::Destination;
using extractor::Found;
using extractor::Written;
using extractor::lookUp;
using extractor::refusal;
using extractor::resolveDestination;
using extractor::splitName;

namespace {

// The block size every archive is opened with.
constexpr size_t kReadBlockSize = 10240;

// Existing files at an entry's place are replaced, ".." is refused, and no
// entry may be written through a symbolic link (see refusal() in
// destination.h).
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
        snprintf(buffer, sizeof buffer, "no error text, result %d, archive_errno %d: %s", result, err,
                 fileop::ErrorText(err).c_str());
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
