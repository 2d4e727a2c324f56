// A test body run in a forked child, as the unprivileged user 65534 where a
// case needs a permission failure that root would not get.
#pragma once

#include <functional>

#include <sys/types.h>

namespace support {

enum class As { Root, Nobody };

// Runs `body` in a forked child in a process group of its own (a stray
// signal to the group cannot reach the test) and returns what it returned
// as its exit status: 0 passed, any other value names the failed check;
// 200 + the signal when the child was killed, 199 when the privileges
// could not be dropped, 197 when there was no child. `child` gets its pid.
int runInChild(const std::function<int()> &body, As as = As::Root, pid_t *child = nullptr);

inline int runAsNobody(const std::function<int()> &body)
{
    return runInChild(body, As::Nobody);
}

} // namespace support
