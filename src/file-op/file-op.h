// Logged wrappers over the file system. Each operation settles one policy:
// what counts as success, which code a failure returns and which single line
// it writes (component "file_op_debug").
//
// Paths are byte strings (UTF-8). Results are signed 32-bit codes: 0 for
// success, negative for failure; nothing throws, except FSMakeTempName when
// its generator's mutex cannot be taken (std::system_error).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <dirent.h>
#include <sys/types.h>

// File type codes, shared by FileInfo, DirEntry and the copy/move/removal
// operations. Code 4 is not used.
enum FSFileType : uint32_t {
    FS_TYPE_UNKNOWN = 0, // also the type of a path that does not exist
    FS_TYPE_FILE = 1,
    FS_TYPE_DIRECTORY = 2,
    FS_TYPE_SYMLINK = 3,
    FS_TYPE_DEVICE = 5, // character or block device
    FS_TYPE_FIFO = 6,
    FS_TYPE_SOCKET = 7,
};

// Filled by FSStat. A fresh record has empty strings, every number 0 and
// exists false.
struct FileInfo {
    std::string path;   // as given by the caller
    std::string name;   // FSBaseName(path)
    uint32_t type = FS_TYPE_UNKNOWN;
    uint32_t mtime = 0; // whole seconds since the epoch, kept in 32 bits
    uint64_t size = 0;
    bool exists = false; // as a name: a dangling symbolic link exists
    uint32_t uid = 0;
    uint32_t gid = 0;
    uint32_t mode = 0;   // the full mode word: type bits and permission bits
    uint64_t device = 0;

    // uid, gid, mode and device take no part in the comparison.
    bool operator==(const FileInfo &other) const;
    bool operator!=(const FileInfo &other) const { return !(*this == other); }
};

// Option bit of FSOpenDir: every entry read also gets its mtime and size.
constexpr int32_t FS_DIR_WITH_STAT = 1;

// An open directory walk. It owns its stream: FSCloseDir releases it, and so
// does the destructor of a handle that is still open. Movable, not copyable.
struct DirHandle {
    std::string path;    // the directory as opened
    int32_t options = 0;
    DIR *stream = nullptr;

    DirHandle() = default;
    DirHandle(const DirHandle &) = delete;
    DirHandle &operator=(const DirHandle &) = delete;
    DirHandle(DirHandle &&other) noexcept;
    DirHandle &operator=(DirHandle &&other) noexcept;
    ~DirHandle();
};

// One entry of a walk. mtime and size stay 0 unless the handle was opened
// with FS_DIR_WITH_STAT.
struct DirEntry {
    std::string name; // without the directory
    uint32_t type = FS_TYPE_UNKNOWN; // from the stream's kind, 0 when unknown
    uint32_t mtime = 0;
    uint64_t size = 0;
};

// ---- Paths and directories ----

// lstat semantics. 0 (also for a missing path: exists false, name set);
// -1 empty path (record untouched); -2 the query failed. Logs nothing.
int32_t FSStat(const std::string &path, FileInfo &info);

// True when the path exists as a name; false for "" and a failed query.
bool FSExists(const std::string &path);

// 0 created or already a directory; -1 empty path, failed query, or the path
// exists and is not a directory (a link to one included); -2 the creation
// failed, with the system's error number left in errno.
int32_t FSMKDir(const std::string &path, bool recursive);

// The recursive step of FSMKDir: creates every missing prefix with 0777
// (minus the umask). 0 or -1 with errno set; only FSMKDir calls it.
int32_t FSMKDirP(const std::string &path);

// Creates the folders of target below an existing root one level at a time.
// 0 done; -1 failure.
int32_t FSMKDirFromRoot(const std::string &target, const std::string &root);

// /a is a parent of /a and of /a/b, not of /ab.
bool FSIsParentPath(const std::string &parent, const std::string &path);

// 0, or -1 when the directory cannot be opened (handle unchanged).
int32_t FSOpenDir(const std::string &path, int32_t options, DirHandle &handle);

// 1 an entry was read ("." and ".." included); 0 no more entries; -1 with
// FS_DIR_WITH_STAT when the entry's information could not be read, and when
// reading the folder failed (logged: an error is never the folder's end).
int32_t FSReadDir(DirHandle &handle, DirEntry &entry);

void FSCloseDir(DirHandle &handle);

// The text before the last "/"; "/" when that is the first character or
// when there is no "/".
std::string FSDirName(const std::string &path);

// The text after the last "/"; the whole path without one; empty when the
// path ends in "/".
std::string FSBaseName(const std::string &path);

// ---- Copy, move and removal ----

// Copies through an 8192-byte buffer. A new destination gets 0644, or the
// source's permission bits with keepMode (the umask applies); an existing one
// is truncated and keeps its mode. With removeSource the source goes only
// once the destination is flushed and closed. 0 copied; -1 failure; -2 the
// destination ran out of space or quota. A destination that was opened stays
// after a failure with whatever was written.
int32_t CopyFile(const std::string &source, const std::string &destination,
                 bool removeSource, bool keepMode);

// CopyFile for a tree walked through descriptors: copies srcName of the
// folder open at srcDir to dstName of the folder open at dstDir (AT_FDCWD
// and whole paths work too), so that no path has to name either: a tree may
// go deeper than a path can reach.
// Only a regular file is copied, a link to one followed; anything else (a
// folder, device, FIFO or socket, or a link to one) fails at once with
// ERROR "CopyFile: '%s' is not a regular file (%d)" (type code) and is
// never opened. The destination is never written through a link. keepMode
// as in CopyFile; srcShown and dstShown name both in the log lines.
int32_t CopyFileAt(int srcDir, const std::string &srcName, int dstDir, const std::string &dstName,
                   bool keepMode, const std::string &srcShown, const std::string &dstShown);

// rename, with a copy-and-delete fallback across file systems for files and
// directories. 0 moved; -1 empty argument; -2 source missing or its status
// unreadable; -3 failure; -100 a name too long. No log line of its own.
int32_t FSMovePath(const std::string &source, const std::string &destination);

// Recursive removal that never follows a symbolic link (a trailing "/" does
// not make it follow one either). It walks through descriptors, a few open
// folders at a time and without a depth bound, so a tree deeper than a path
// can name goes completely. 0 removed or absent; -1 empty path or status
// unreadable; -3 failure, also for a directory that cannot be opened and for
// "/" or a path ending in "." or "..", which are left untouched. After a
// failure errno holds the error of the call that failed. No log line of its
// own.
int32_t FSRemovePath(const std::string &path);

// 0 flushed; 1 the path does not exist; -1 failure.
int32_t FSFsync(const std::string &path);

// ---- Links, modes and file-system checks ----

int32_t FSCreateSymbolicLink(const std::string &target, const std::string &linkPath);

// target receives the link's content (at most 4095 bytes); -1 on failure
// or a longer content, target untouched.
int32_t FSReadSymbolicLink(const std::string &linkPath, std::string &target);

// Owner and group of the path itself (a final link is not followed).
int32_t FSChown(const std::string &path, uid_t uid, gid_t gid);

// Permission bits, following links.
int32_t FSChmod(const std::string &path, mode_t mode);

// Access and modification time in whole seconds, on the path itself.
// Logs nothing.
int32_t FSSetTime(const std::string &path, time_t atime, time_t mtime);

// access(2) with `mode` (R_OK, W_OK, X_OK, F_OK); true only when it fails
// with EPERM or EACCES.
bool FSIsPermissionDenied(const std::string &path, int mode);
bool FSHasPermission(const std::string &path, int mode);

// Creates an empty file dir/XXXXXX (six generated characters) with mode 0644
// and leaves it on disk; path receives its name. 0; -1.
int32_t FSMakeTempFile(const std::string &dir, std::string &path);

// Creates nothing: path becomes dir, "/" and 8 characters of
// [0-9a-zA-Z-_]. -1 only when the result is empty.
int32_t FSMakeTempName(const std::string &dir, std::string &path);

// realpath semantics; on success path is replaced. 0; -1 (path unchanged).
int32_t FSGetFullPath(std::string &path);

// True when the file system holding path is NFS, CIFS or FUSE.
bool isMountPoint(const std::string &path);

// 1 when the file system holding path is of the FAT family, else 0.
int32_t IsSupportLargeFile(const std::string &path);

namespace fileop {

// The entries of the folder open at dirFd, "." and ".." left out, each with
// the kind its directory entry reports (0 when unknown); dirFd stays open.
// 0, or the error number of the failed read.
int ListDirectoryAt(int dirFd, std::vector<DirEntry> &entries);

// Flushes the folder open at dirFd, so that the names created, renamed or
// removed in it are on disk; `shown` names it in the log. A file system
// that cannot flush folders at all (EINVAL, EOPNOTSUPP: some FUSE and
// network file systems) offers nothing stronger, so that counts as done,
// noted once per run. A failure is logged as ERROR the first time in the
// run, later ones below that: one cause, one line. 0 or the error number.
int SyncFolder(int dirFd, const std::string &shown);

// The same for the folder at `path`. 0 or the error number (of the open,
// too, which is logged the same way).
int SyncFolderAt(const std::string &path);

} // namespace fileop
