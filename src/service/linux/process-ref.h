// Identifying the running client: a handle on one process, and the check
// that the process a pid file names is the client that wrote the file.
#pragma once

#include <string>

#include <sys/stat.h>
#include <sys/types.h>

#include "unique-fd.h"

// A handle on one process. Through a pidfd the signals reach the process
// that was checked, even if its id is handed to another one meanwhile, and
// its end is noticed the moment it comes; without pidfd support the
// signals go to the id and the end is found by probing.
class ProcessRef
{
public:
    explicit ProcessRef(pid_t pid);
    ProcessRef(const ProcessRef &) = delete;
    ProcessRef &operator=(const ProcessRef &) = delete;

    // The process is gone already (pidfd_open says so).
    bool gone() const;

    // 0, or -1 with errno set, as kill(2).
    int signal(int sig) const;

    // True once the process has ended, waiting up to `ms` for it. A pidfd
    // turns readable when the process exits, also while it waits as a
    // zombie for its parent; without one the id is probed, then slept on.
    bool waitForEnd(int ms) const;

private:
    pid_t m_pid;
    fileop::UniqueFd m_fd;
    int m_openErrno = 0;
};

enum class Writer { Gone, Yes, No };

// Whether `process` (id `pid`) is the client that wrote `pidFile`, whose
// status was `fileStatus` when it was read: Yes only for a process of this
// user, started by the file's last change, that uses the copy in
// `appPath`; Gone when it ended meanwhile. Each No is told in a NOTE line.
Writer checkWriter(const ProcessRef &process, pid_t pid, const std::string &pidFile,
                   const struct stat &fileStatus, const std::string &appPath);
