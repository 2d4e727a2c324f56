// Writes N lines to a file, either through the debug log's call site
// (file sink, lock on, as the launcher configures it) or through a plain
// fprintf + fflush loop that produces the same text. bench/run times both.
//
//   bench-log log   <dir> <lines>   -> <dir>/bench.log (rotated as usual)
//   bench-log stdio <dir> <lines>   -> <dir>/stdio.log
#define LOG_COMPONENT "file_op_debug"
#define LOG_MODULE "bench-log.cpp"
#include "log.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

#include <pthread.h>
#include <unistd.h>

namespace {

const char kPath[] = "/home/user/.QuenmarkZelto/QuenmarkZelto.app/bin/cloud-zelto-ui";

struct FileCloser {
    void operator()(FILE *f) const { (void)fclose(f); }
};

int writeSwitchFile(const std::string &path)
{
    std::unique_ptr<FILE, FileCloser> f(fopen(path.c_str(), "we"));
    if (!f)
        return -1;
    // The four components of the system, the benchmarked one at INFO.
    fputs("launcher_debug=4\nservice_debug=4\nextractor_debug=4\nfile_op_debug=6\n", f.get());
    return 0;
}

int runLog(const std::string &dir, long lines)
{
    const std::string switchPath = dir + "/bench.debug";
    if (writeSwitchFile(switchPath) != 0) {
        perror(switchPath.c_str());
        return 1;
    }
    if (LogConfigure(LOG_MODE_FILE, (dir + "/bench.log").c_str(), switchPath.c_str(), 50, 1) != 0) {
        fprintf(stderr, "LogConfigure failed\n");
        return 1;
    }
    for (long i = 0; i < lines; ++i)
        LOG_INFO("copied file %ld of %ld: '%s'\n", i, lines, kPath);
    return 0;
}

// What a program without the debug log would write for the same lines: the
// same timestamp, prefix and message, one flush per line. The process and
// thread numbers are taken once, as such a loop would.
int runStdio(const std::string &dir, long lines)
{
    const std::string path = dir + "/stdio.log";
    std::unique_ptr<FILE, FileCloser> f(fopen(path.c_str(), "ae"));
    if (!f) {
        perror(path.c_str());
        return 1;
    }
    const int pid = static_cast<int>(getpid());
    const int tid = static_cast<int>(static_cast<unsigned long>(pthread_self()) % 100000UL);
    for (long i = 0; i < lines; ++i) {
        char stamp[64];
        time_t now = time(nullptr);
        struct tm local;
        localtime_r(&now, &local);
        strftime(stamp, sizeof stamp, "%Y-%m-%dT%H:%M:%S ", &local);
        fprintf(f.get(), "%s(%5d:%5d) [INFO] bench-log.cpp(%d): copied file %ld of %ld: '%s'\n",
                stamp, pid, tid, 50, i, lines, kPath);
        fflush(f.get());
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        fprintf(stderr, "usage: %s log|stdio <dir> <lines>\n", argv[0]);
        return 2;
    }
    const long lines = strtol(argv[3], nullptr, 10);
    if (strcmp(argv[1], "log") == 0)
        return runLog(argv[2], lines);
    if (strcmp(argv[1], "stdio") == 0)
        return runStdio(argv[2], lines);
    fprintf(stderr, "unknown mode '%s'\n", argv[1]);
    return 2;
}
