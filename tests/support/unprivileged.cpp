#include "unprivileged.h"

#include <cerrno>
#include <cstdio>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace support {

int runInChild(const std::function<int()> &body, As as, pid_t *child)
{
    // Whatever stdio holds would otherwise be written twice.
    fflush(nullptr);
    const pid_t pid = fork();
    if (child)
        *child = pid;
    if (pid < 0)
        return 197;
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
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR)
            return 198;
    }
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return 200 + (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
}

} // namespace support
