// The archive extractor on arbitrary bytes: the input is the archive, the
// destination a folder of a sandbox, reached through a link as a user's
// home folder may be. Whatever the archive holds, nothing may appear in the
// sandbox outside the destination, the sandbox's parent must hold nothing
// but the sandbox, the link on the way stays as it is, the destination
// stays a folder, a victim tree beside it stays exactly as it was (entries,
// types, mode bits, owners, sizes, times, link counts, inodes, link targets
// and content), and every ERROR line says why.
#include "extractor.h"
#include "log.h"
#include "support/log-lines.h"
#include "support/tree-snapshot.h"
#include "test-files.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

fs::path g_parent;
fs::path g_sandbox;
fs::path g_archive;
fs::path g_destination;  // through g_via
fs::path g_via;
fs::path g_real;
fs::path g_victim;
fs::path g_log;
support::Tree g_victimState;

[[noreturn]] void fail(const char *what, const std::string &detail)
{
    fprintf(stderr, "fuzz_extract: %s: %s\n", what, detail.c_str());
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
            fail("written outside the destination", it->path().string());
    }
}

// The victim folder itself and all it holds. The sandbox's other entries
// are the extraction's own, and checkOnly() looks after them.
support::Tree victimState()
{
    return support::snapshot(QFile::decodeName(g_sandbox.c_str()),
                             support::Times | support::Identity, {"archive", "via", "real", "log"});
}

void checkVictim()
{
    const QString changed = support::difference(g_victimState, victimState());
    if (!changed.isEmpty())
        fail("the victim beside the destination changed", changed.toStdString());
}

// An ERROR line whose reason, the text in the last quotes, is empty.
void checkReasons()
{
    const QByteArray log = readFile(QFile::decodeName(g_log.c_str()));
    for (const support::LogLine &line : support::logLines(log)) {
        const QString &message = line.message;
        const bool emptyQuoted =
            message.endsWith("''") && message.indexOf('\'') == message.size() - 2;
        if (line.level == "ERROR" && (emptyQuoted || message.endsWith("('')")))
            fail("a failure without a reason", message.toStdString());
    }
}

void makeVictim()
{
    fs::create_directories(g_victim / "dir" / "sub");
    auto put = [](const fs::path &p, const char *text, mode_t mode) {
        FILE *f = fopen(p.c_str(), "wbe");
        if (!f || fputs(text, f) < 0 || fclose(f) != 0)
            fail("cannot write", p.string());
        if (chmod(p.c_str(), mode) != 0)
            fail("cannot chmod", p.string());
    };
    put(g_victim / "file", "victim", 0640);
    put(g_victim / "dir" / "inner", "inner", 0600);
    put(g_victim / "script", "#!/bin/sh\n", 0700);
    if (chmod(g_victim.c_str(), 0750) != 0 || chmod((g_victim / "dir").c_str(), 0710) != 0
        || symlink("file", (g_victim / "link").c_str()) != 0 || symlink("dir", (g_victim / "dirlink").c_str()) != 0
        || symlink("missing", (g_victim / "dangling").c_str()) != 0
        || link((g_victim / "file").c_str(), (g_victim / "dir" / "second").c_str()) != 0)
        fail("cannot make the victim", g_victim.string());
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
    g_via = g_sandbox / "via";
    g_real = g_sandbox / "real";
    g_destination = g_via / "app";
    g_victim = g_sandbox / "victim";
    g_log = g_sandbox / "log";
    std::error_code ec;
    fs::remove_all(g_parent, ec);
    fs::create_directories(g_real);
    fs::create_symlink("real", g_via);
    makeVictim();
    g_victimState = victimState();
    if (!g_victimState.contains("victim/dir/second"))
        fail("cannot take the victim's state", g_victim.string());
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
    // A fresh log per input; the default thresholds keep ERROR lines only.
    (void)unlink(g_log.c_str());
    if (LogConfigure(LOG_MODE_FILE, g_log.c_str(), nullptr, 1, 0) != 0)
        fail("cannot open the log", g_log.string());

    ExtractRequest request;
    request.destination = g_destination.string();
    request.archive = g_archive.string();
    (void)ExtractArchive(request);
    (void)LogConfigure(LOG_MODE_STDERR, nullptr, nullptr, 0, 0);

    checkOnly(g_parent, {g_sandbox});
    checkOnly(g_sandbox, {g_archive, g_via, g_real, g_victim, g_log});
    checkOnly(g_real, {g_real / "app"});
    if (!fs::is_symlink(fs::symlink_status(g_via)) || fs::read_symlink(g_via, ec) != "real")
        fail("the link on the way to the destination changed", g_via.string());
    // The archive file itself is still a plain file, not replaced through a link.
    if (!fs::is_regular_file(fs::symlink_status(g_archive)))
        fail("the archive was replaced", g_archive.string());
    if (!fs::is_directory(fs::symlink_status(g_real / "app")))
        fail("the destination was replaced", g_destination.string());
    checkVictim();
    checkReasons();
    return 0;
}
