// zelto-extract ARCHIVE DESTINATION
// Unpacks ARCHIVE below DESTINATION the way the launcher does, with the
// extractor's debug log on standard error. Exit status 0 on success, 1 on
// failure.
#include "extractor.h"
#include "file-op-base.h"
#include "log.h"
#include "ui-text.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The log takes its thresholds from a switch file only; a short-lived one
// raises the extractor's component to DEBUG.
int configureLog()
{
    char switchPath[] = "/tmp/zelto-extract-switch-XXXXXX";
    fileop::UniqueFd fd(mkostemp(switchPath, O_CLOEXEC));
    if (!fd.valid()) {
        int err = errno;
        fprintf(stderr, "mkostemp(%s): %s (%d)\n", switchPath, fileop::ErrorText(err).c_str(), err);
        return LogConfigure(LOG_MODE_STDERR, nullptr, nullptr, 0, 0);
    }
    static const char kSwitches[] = "extractor_debug=7\n";
    const int err = fileop::WriteAll(fd.get(), kSwitches, sizeof kSwitches - 1);
    fd.reset();
    if (err != 0)
        fprintf(stderr, "write(%s): %s (%d)\n", switchPath, fileop::ErrorText(err).c_str(), err);
    int r = LogConfigure(LOG_MODE_STDERR, nullptr, switchPath, 0, 0);
    (void)unlink(switchPath);
    return r;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3 || argv[1][0] == '\0' || argv[2][0] == '\0') {
        fprintf(stderr, "usage: %s ARCHIVE DESTINATION\n", argc > 0 ? argv[0] : "zelto-extract");
        return 1;
    }
    QCoreApplication app(argc, argv);
    (void)configureLog();
    InitUITextTable();

    ExtractRequest request;
    request.archive = argv[1];
    request.destination = argv[2];
    return ExtractArchive(request) == 0 ? 0 : 1;
}
