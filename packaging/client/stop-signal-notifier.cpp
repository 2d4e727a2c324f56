#include "stop-signal-notifier.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace {

// One pipe for the process: signal handlers are process-wide as well.
int pipeFds[2] = {-1, -1};

const int kStopSignals[] = {SIGTERM, SIGINT, SIGHUP};

extern "C" void onStopSignal(int signalNumber)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending request; losing this byte is fine.
    (void)!write(pipeFds[1], &byte, 1);
    errno = savedErrno;
}

} // namespace

StopSignalNotifier::StopSignalNotifier(QObject *parent) : QObject(parent) {}

StopSignalNotifier::~StopSignalNotifier()
{
    if (pipeFds[0] < 0)
        return;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (int s : kStopSignals)
        (void)sigaction(s, &action, nullptr);
    notifier.reset();
    (void)close(pipeFds[0]);
    (void)close(pipeFds[1]);
    pipeFds[0] = pipeFds[1] = -1;
}

int StopSignalNotifier::install()
{
    if (pipeFds[0] >= 0)
        return -1; // one notifier per process
    if (pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) {
        const int err = errno;
        std::fprintf(stderr, "pipe2: %s (%d)\n", std::strerror(err), err);
        return -1;
    }
    notifier = std::make_unique<QSocketNotifier>(pipeFds[0], QSocketNotifier::Read);
    connect(notifier.get(), &QSocketNotifier::activated, this, &StopSignalNotifier::drain);

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kStopSignals) {
        if (sigaction(s, &action, nullptr) != 0) {
            const int err = errno;
            std::fprintf(stderr, "sigaction(%d): %s (%d)\n", s, std::strerror(err), err);
            return -1;
        }
    }
    return 0;
}

void StopSignalNotifier::drain()
{
    unsigned char byte = 0;
    int last = 0;
    while (read(pipeFds[0], &byte, 1) == 1)
        last = byte;
    if (last != 0)
        emit sigStopRequested(last);
}
