// The archive extractor on arbitrary bytes: the input is the archive, the
// destination a folder of a sandbox, reached through a link as a user's
// home folder may be. Whatever the archive holds, nothing
// may appear in the sandbox outside the destination, the sandbox's parent
// must hold nothing but the sandbox, the link on the way stays as it is,
// the destination stays a folder, a
// victim tree beside it stays exactly as it was (entries, types, mode bits,
// owners, sizes, times, link targets and content), and every ERROR line
// says why.
#include "extractor.h"
#include "log.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <system_error>

#include <fcntl.h>
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
std::map<std::string, std::string> g_victimState;

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

std::string readAll(const fs::path &path)
{
    std::string bytes;
    FILE *f = fopen(path.c_str(), "rbe");
    if (!f)
        return bytes;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, f)) > 0)
        bytes.append(buffer, n);
    fclose(f);
    return bytes;
}

// One line per object below `root` and for `root` itself, found with lstat.
std::map<std::string, std::string> treeState(const fs::path &root)
{
    std::map<std::string, std::string> state;
    auto add = [&state](const fs::path &p) {
        struct stat st;
        if (lstat(p.c_str(), &st) != 0) {
            state[p.string()] = "missing";
            return;
        }
        char line[256];
        snprintf(line, sizeof line, "%o %u:%u %lld %llu %lld.%09ld ", unsigned(st.st_mode), unsigned(st.st_uid),
                 unsigned(st.st_gid), (long long)st.st_size, (unsigned long long)st.st_ino,
                 (long long)st.st_mtim.tv_sec, st.st_mtim.tv_nsec);
        std::string what = line;
        if (S_ISLNK(st.st_mode)) {
            char target[4096];
            const ssize_t n = readlink(p.c_str(), target, sizeof target);
            what += n >= 0 ? std::string(target, size_t(n)) : std::string("?");
        } else if (S_ISREG(st.st_mode)) {
            what += readAll(p);
        }
        state[p.string()] = what;
    };
    add(root);
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec))
        add(it->path());
    return state;
}

void checkVictim()
{
    const std::map<std::string, std::string> now = treeState(g_victim);
    if (now == g_victimState)
        return;
    for (const auto &before : g_victimState) {
        auto it = now.find(before.first);
        if (it == now.end() || it->second != before.second)
            fail("the victim beside the destination changed", before.first);
    }
    fail("the victim beside the destination gained an entry", g_victim.string());
}

// An ERROR line whose reason, the text in the last quotes, is empty.
void checkReasons()
{
    const std::string log = readAll(g_log);
    size_t from = 0;
    while (from < log.size()) {
        size_t end = log.find('\n', from);
        if (end == std::string::npos)
            end = log.size();
        const std::string line = log.substr(from, end - from);
        from = end + 1;
        if (line.find("[ERROR] ") == std::string::npos)
            continue;
        const size_t colon = line.find("): ");
        if (colon == std::string::npos)
            continue;
        const std::string message = line.substr(colon + 3);
        const size_t quote = message.find('\'');
        const bool emptyQuoted = quote != std::string::npos && quote + 2 == message.size()
                                 && message.compare(quote, 2, "''") == 0;
        const bool emptyBracketed = message.size() >= 4 && message.compare(message.size() - 4, 4, "('')") == 0;
        if (emptyQuoted || emptyBracketed)
            fail("a failure without a reason", line);
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
    g_victimState = treeState(g_victim);
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
