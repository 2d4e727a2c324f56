// The archive extractor on arbitrary bytes: the input is the archive, the
// destination a folder of a sandbox. Whatever the archive holds, nothing
// may appear in the sandbox outside the destination, and the sandbox's
// parent must hold nothing but the sandbox.
#include "extractor.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path g_parent;
fs::path g_sandbox;
fs::path g_archive;
fs::path g_destination;

void fail(const char *what, const fs::path &path)
{
    fprintf(stderr, "fuzz_extract: %s: %s\n", what, path.c_str());
    abort();
}

// Every entry below `dir`, links not followed, must be `allowed` or lie below it.
void checkOnly(const fs::path &dir, const std::initializer_list<fs::path> &allowed)
{
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
        bool ok = false;
        for (const fs::path &a : allowed)
            ok = ok || it->path() == a;
        if (!ok)
            fail("written outside the destination", it->path());
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    const char *sandbox = getenv("FUZZ_SANDBOX");
    g_parent = fs::path(sandbox && *sandbox ? sandbox : fs::temp_directory_path().c_str())
        / ("fuzz-extract-" + std::to_string(getpid()));
    g_sandbox = g_parent / "sandbox";
    g_archive = g_sandbox / "archive";
    g_destination = g_sandbox / "app";
    std::error_code ec;
    fs::remove_all(g_parent, ec);
    fs::create_directories(g_sandbox);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::error_code ec;
    fs::remove_all(g_destination, ec);
    {
        FILE *f = fopen(g_archive.c_str(), "wbe");
        if (!f)
            abort();
        if (size && fwrite(data, 1, size, f) != size)
            abort();
        fclose(f);
    }
    fs::create_directories(g_destination);

    ExtractRequest request;
    request.destination = g_destination.string();
    request.archive = g_archive.string();
    (void)ExtractArchive(request);

    checkOnly(g_parent, {g_sandbox});
    checkOnly(g_sandbox, {g_archive, g_destination});
    // The archive file itself is still a plain file, not replaced through a link.
    if (!fs::is_regular_file(fs::symlink_status(g_archive)))
        fail("the archive was replaced", g_archive);
    return 0;
}
