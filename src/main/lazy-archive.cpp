// The libarchive calls of the extractor, bound when an archive is first
// opened rather than when the launcher starts.
//
// Only unpacking a package archive needs libarchive, and a launch never does
// that: it copies the package folder. Linked the ordinary way, every log-in
// would still map and relocate libarchive and the six compression, crypto
// and XML libraries it pulls in, a tenth of the launcher's start-up. These
// definitions take the place of libarchive's in the launcher executable
// (which is linked --as-needed, so libarchive drops out of its needed list);
// each resolves its namesake in the library, loaded on the first call, and
// forwards to it. Without the library every call fails the way libarchive
// reports a failure, and the extractor logs it as such.
//
// A libarchive call of the extractor without a forwarder here would bring
// the library back into the launcher's start-up; the launcher's build stops
// with a message then (src/main/CMakeLists.txt).
#include <archive.h>
#include <archive_entry.h>

#include <dlfcn.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <string>

#ifndef ZELTO_LIBARCHIVE_SONAME
#define ZELTO_LIBARCHIVE_SONAME "libarchive.so.13"
#endif

namespace {

const char kUnavailable[] = "libarchive (" ZELTO_LIBARCHIVE_SONAME ") cannot be loaded";

void *library()
{
    // Loaded once, on whichever thread asks first, and kept to the end.
    static void *const handle = dlopen(ZELTO_LIBARCHIVE_SONAME, RTLD_NOW | RTLD_LOCAL);
    return handle;
}

template <typename F>
F *resolve(const char *name)
{
    void *const handle = library();
    return handle ? reinterpret_cast<F *>(dlsym(handle, name)) : nullptr;
}

} // namespace

// FORWARD(result, name, (parameters), (arguments), result without the library)
#define FORWARD(R, name, params, args, failed)                          \
    extern "C" R name params                                            \
    {                                                                   \
        static decltype(&::name) const real = resolve<decltype(::name)>(#name); \
        if (!real)                                                      \
            return failed;                                              \
        return real args;                                               \
    }

FORWARD(struct archive *, archive_read_new, (void), (), nullptr)
FORWARD(int, archive_read_support_filter_all, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(int, archive_read_support_format_all, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(int, archive_read_open_filename, (struct archive *a, const char *file, size_t block), (a, file, block),
        ARCHIVE_FATAL)
FORWARD(int, archive_read_next_header, (struct archive *a, struct archive_entry **entry), (a, entry), ARCHIVE_FATAL)
FORWARD(int, archive_read_data_block, (struct archive *a, const void **buff, size_t *size, la_int64_t *offset),
        (a, buff, size, offset), ARCHIVE_FATAL)
FORWARD(int, archive_read_data_skip, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(int, archive_read_extract2, (struct archive *a, struct archive_entry *entry, struct archive *dest),
        (a, entry, dest), ARCHIVE_FATAL)
FORWARD(int, archive_read_close, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(int, archive_read_free, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(struct archive *, archive_write_disk_new, (void), (), nullptr)
FORWARD(int, archive_write_disk_set_options, (struct archive *a, int flags), (a, flags), ARCHIVE_FATAL)
FORWARD(la_ssize_t, archive_write_data_block, (struct archive *a, const void *buff, size_t size, la_int64_t offset),
        (a, buff, size, offset), ARCHIVE_FATAL)
FORWARD(int, archive_write_finish_entry, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(int, archive_write_close, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(int, archive_write_free, (struct archive *a), (a), ARCHIVE_FATAL)
FORWARD(const char *, archive_error_string, (struct archive *a), (a), kUnavailable)
FORWARD(int, archive_errno, (struct archive *a), (a), ENOSYS)
FORWARD(__LA_MODE_T, archive_entry_filetype, (struct archive_entry *entry), (entry), 0)
FORWARD(const char *, archive_entry_pathname, (struct archive_entry *entry), (entry), nullptr)
FORWARD(const char *, archive_entry_hardlink, (struct archive_entry *entry), (entry), nullptr)
FORWARD(void, archive_entry_set_pathname, (struct archive_entry *entry, const char *name), (entry, name), void())
FORWARD(void, archive_entry_set_hardlink, (struct archive_entry *entry, const char *name), (entry, name), void())

// Variadic: the message is formatted here and handed over as one string.
extern "C" void archive_set_error(struct archive *a, int err, const char *fmt, ...)
{
    static decltype(&::archive_set_error) const real = resolve<decltype(::archive_set_error)>("archive_set_error");
    if (!real)
        return;
    va_list ap;
    va_start(ap, fmt);
    va_list again;
    va_copy(again, ap);
    const int length = vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        (void)vsnprintf(&text[0], text.size() + 1, fmt, again);
    va_end(again);
    real(a, err, "%s", text.c_str());
}
