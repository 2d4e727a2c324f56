// The cost of a debug line whose level is not enabled for its component: the
// call site's test and nothing else. The log is configured as the launcher
// configures it (file sink, lock on) with a switch file per case.
#define LOG_COMPONENT "file_op_debug"
#define LOG_MODULE "bench-log-disabled.cpp"
#include "log.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

const char kSource[] = "/opt/zelto/package/orvilex/bin/cloud-zelto-ui";
const char kDestination[] = "/home/user/.QuenmarkZelto/QuenmarkZelto.app/bin/cloud-zelto-ui";

const char kAllDefault[] = "launcher_debug=4\nservice_debug=4\nextractor_debug=4\nfile_op_debug=4\n";
const char kServiceAtDebug[] = "launcher_debug=4\nservice_debug=7\nextractor_debug=4\nfile_op_debug=4\n";

// Configures the file log with `switches` in a private folder, and leaves no
// litter: no line of these cases is written.
bool configure(const char *switches)
{
    char dir[] = "/tmp/bench-log-disabled.XXXXXX";
    if (!mkdtemp(dir))
        return false;
    const std::string switchPath = std::string(dir) + "/bench.debug";
    const std::string logPath = std::string(dir) + "/bench.log";
    bool ok = false;
    if (FILE *f = fopen(switchPath.c_str(), "we")) {
        ok = fputs(switches, f) >= 0;
        ok = fclose(f) == 0 && ok;
    }
    ok = ok && LogConfigure(LOG_MODE_FILE, logPath.c_str(), switchPath.c_str(), 50, 1) == 0;
    (void)remove(switchPath.c_str());
    (void)remove(logPath.c_str());
    (void)remove(dir);
    return ok;
}

// The usual case: every component at its default, a DEBUG line.
void BM_DisabledLine(benchmark::State &state)
{
    if (!configure(kAllDefault)) {
        state.SkipWithError("cannot configure the debug log");
        return;
    }
    for (auto _ : state)
        LOG_DEBUG("copy from '%s' to '%s'\n", kSource, kDestination);
}
BENCHMARK(BM_DisabledLine);

// A component that the switch file does not name falls back to threshold 4.
void BM_DisabledLineUnlistedComponent(benchmark::State &state)
{
    if (!configure(kAllDefault)) {
        state.SkipWithError("cannot configure the debug log");
        return;
    }
    for (auto _ : state)
        ZLOG(LOG_LEVEL_DEBUG, "DEBUG", "unlisted_debug", LOG_MODULE, "copy from '%s' to '%s'\n",
             kSource, kDestination);
}
BENCHMARK(BM_DisabledLineUnlistedComponent);

// Another component raised to DEBUG: the line's own component must be
// looked up.
void BM_DisabledLineOtherComponentAtDebug(benchmark::State &state)
{
    if (!configure(kServiceAtDebug)) {
        state.SkipWithError("cannot configure the debug log");
        return;
    }
    for (auto _ : state)
        LOG_DEBUG("copy from '%s' to '%s'\n", kSource, kDestination);
}
BENCHMARK(BM_DisabledLineOtherComponentAtDebug);

} // namespace

BENCHMARK_MAIN();
