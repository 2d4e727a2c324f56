// A test body run in a forked child, as the unprivileged user 65534 where a
// case needs a permission failure that root would not get.
#pragma once

#include <cerrno>
#include <cstdio>
#include <functional>

#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace support {

enum class As { Root, Nobody };

// Runs `body` in a forked child in a process group of its own (a stray
// signal to the group cannot reach the test) and returns what it returned
// as its exit status: 0 passed, any other value names the failed check;
// 200 + the signal when the child was killed, 199 when the privileges
// could not be dropped, 197 when there was no child. `child` gets its pid.
inline int runInChild(const std::function<int()> &body, As as = As::Root, pid_t *child = nullptr)
{
    // Whatever stdio holds would otherwise be written twice.
    fflush(nullptr);
    const pid_t pid = fork();
    if (child)
        *child = pid;
    if (pid == 0) {
        setpgid(0, 0);
        const id_t nobody = 65534;
        if (as == As::Nobody
            && (setgroups(0, nullptr) != 0 || setresgid(nobody, nobody, nobody) != 0
                || setresuid(nobody, nobody, nobody) != 0))
            _exit(199);
        _exit(body());
    }
    int status = 0;
    while (pid > 0 && waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return 198;
    }
    if (pid < 0)
        return 197;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 200 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

inline int runAsNobody(const std::function<int()> &body)
{
    return runInChild(body, As::Nobody);
}

} // namespace support
