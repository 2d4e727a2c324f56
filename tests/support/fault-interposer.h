// Arming the tests' libc interposer (fault-interposer.c) from inside the
// test program that links it. Nothing is armed at first.
#pragma once

#include <stddef.h>

#ifdef __cplusplus
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>

#include <unistd.h>

extern "C" {
#endif

void faultArmSharing(int cloneErrno, int rangeErrno, long long rangeErrnoAfter, size_t rangeLimit);
void faultDisarmSharing(void);
int faultCloneCalls(void);
int faultRangeCalls(void);

void faultArmTypeless(int on);
int faultTypelessEntries(void);

// Shown a call on a path below the armed folder: its name ("rename",
// "fsync", "readdir" for an entry read, ...), its absolute path and, for a
// rename, the new name (else NULL). Answers 0, or the error to fail it with.
typedef int (*FaultHook)(const char *call, const char *path, const char *to, void *context);
// A NULL hook disarms.
void faultArmHook(const char *folder, FaultHook hook, void *context);

#ifdef __cplusplus
}

// While it lives, FICLONE answers cloneErrno (0: the kernel answers) and
// copy_file_range copies at most rangeLimit bytes a call (0: no limit) and
// answers rangeErrno (0: never) once rangeErrnoAfter bytes went through. It
// counts both calls.
struct InjectedSharing {
    InjectedSharing(int cloneErrno, int rangeErrno, long long rangeErrnoAfter = 0,
                    size_t rangeLimit = 0)
    {
        faultArmSharing(cloneErrno, rangeErrno, rangeErrnoAfter, rangeLimit);
    }
    ~InjectedSharing() { faultDisarmSharing(); }
    static int cloneCalls() { return faultCloneCalls(); }
    static int rangeCalls() { return faultRangeCalls(); }
};

// While it lives, every directory entry read reports no kind, as on file
// systems that leave it out; count() says how many did.
struct InjectedTypeless {
    InjectedTypeless() { faultArmTypeless(1); }
    ~InjectedTypeless() { faultArmTypeless(0); }
    static int count() { return faultTypelessEntries(); }
};

// While it lives, `hook` is shown every call below `folder` (absolute,
// without links) that the preloaded library counts, and every entry read
// there, before it happens. One at a time: InjectedFault and
// InjectedReadError are such too.
struct InjectedCalls {
    using Hook = std::function<int(const char *call, const char *path, const char *to)>;
    InjectedCalls(const std::string &folder, Hook hook) : m_hook(std::move(hook))
    {
        faultArmHook(folder.c_str(), &InjectedCalls::show, this);
    }
    ~InjectedCalls() { faultArmHook(nullptr, nullptr, nullptr); }
    InjectedCalls(const InjectedCalls &) = delete;
    InjectedCalls &operator=(const InjectedCalls &) = delete;

private:
    static int show(const char *call, const char *path, const char *to, void *self)
    {
        return static_cast<InjectedCalls *>(self)->m_hook(call, path, to);
    }
    Hook m_hook;
};

// Fault injection for the flush and close of one path, opened after it is
// made and while it lives: the flush (fsync, fdatasync) fails with
// fsyncErrno, the close with closeErrno (0: the call goes through).
struct InjectedFault {
    InjectedFault(const std::string &path, int fsyncErrno, int closeErrno,
                  const std::string &watchedSource = std::string())
        : m_path(resolved(path)),
          m_calls(m_path.substr(0, m_path.rfind('/')),
                  [=](const char *call, const char *at, const char *) {
              if (m_path != at)
                  return 0;
              if (strcmp(call, "close") == 0)
                  return closeErrno;
              if (strstr(call, "sync") == nullptr)
                  return 0;
              s_sourcePresent = !watchedSource.empty() && access(watchedSource.c_str(), F_OK) == 0;
              ++s_fsyncs;
              return fsyncErrno;
          })
    {
        s_fsyncs = 0;
        s_sourcePresent = false;
    }
    static int fsyncCalls() { return s_fsyncs; }
    // Whether watchedSource still existed when path was flushed.
    static bool sourcePresentAtSync() { return s_sourcePresent; }

private:
    // The file may not exist yet: its folder is resolved.
    static std::string resolved(const std::string &path)
    {
        const size_t slash = path.rfind('/');
        using Owned = std::unique_ptr<char, decltype(&free)>;
        const Owned folder(realpath(path.substr(0, slash).c_str(), nullptr), &free);
        return folder ? folder.get() + path.substr(slash) : path;
    }
    static inline std::atomic<int> s_fsyncs{0};
    static inline std::atomic<bool> s_sourcePresent{false};
    const std::string m_path;
    const InjectedCalls m_calls;
};

// While it lives, a directory walk that reaches an entry of this name gets
// a read error (EIO) in its place, as from a failing disk.
struct InjectedReadError {
    explicit InjectedReadError(const std::string &name)
        : m_calls("/", [name](const char *call, const char *path, const char *) {
              return strcmp(call, "readdir") == 0 && name == strrchr(path, '/') + 1 ? EIO : 0;
          })
    {
    }
    const InjectedCalls m_calls;
};
#endif
