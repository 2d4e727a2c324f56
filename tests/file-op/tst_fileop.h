// Tests of the file operations library. Every case works on real files in a
// private temporary folder and reads back the lines the library logged.
#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/types.h>

#include "support/tmpfs-mount.h"
#include "support/unprivileged.h"

class TestFileOp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    // Paths and directories
    void fileInfoEquality();
    void stat_data();
    void stat();
    void mkdir_data();
    void mkdir();
    void mkdirPLastPrefixIsFile();
    void mkdirFromRoot_data();
    void mkdirFromRoot();
    void isParentPath_data();
    void isParentPath();
    void dirWalk_data();
    void dirWalk();
    void dirWalkFailures();
    void pathStrings_data();
    void pathStrings();

    // Copy, move and removal
    void copySizes_data();
    void copySizes();
    void copyTruncatesLongerDestination();
    void copyModes_data();
    void copyModes();
    void copyFailures_data();
    void copyFailures();
    void copyIntoReadOnlyFolder();
    void copyFullFileSystem();
    void copyFlushAndCloseFailures_data();
    void copyFlushAndCloseFailures();
    void copyRemovesSourceLast();
    void copySharing_data();
    void copySharing();
    void move_data();
    void move();
    void moveAcrossFileSystems();
    void moveAcrossFileSystemsStopsAtSpecialFile();
    void moveAcrossFileSystemsFull();
    void remove_data();
    void remove();
    void removeNeverFollowsLinks();
    void removeUnreadableDirectory();
    void removeDeepTree();
    void fsync_data();
    void fsync();

    // Links, modes and file-system checks
    void symbolicLinks_data();
    void symbolicLinks();
    void ownerModeTime();
    void permissionTests();
    void tempFile();
    void tempNameAlphabetAndUniqueness();
    void tempNameFromManyThreads();
    void fullPath();
    void fileSystemChecks();
    void deepTreeWithFewDescriptors_data();
    void deepTreeWithFewDescriptors();
    void treeWalkFindsItsWayBack_data();
    void treeWalkFindsItsWayBack();

private:
    // Absolute path below the case's folder (byte string, any bytes).
    std::string at(const std::string &rel) const;
    // The log lines written since init(), each as "LEVEL message" without
    // the final line feed; a line whose prefix is malformed fails the case.
    QStringList logLines() const;
    // A tmpfs on the case's folder `rel` until cleanup(); false when the
    // machine gives none (the mount's why() says so).
    bool mountTmpfs(const std::string &rel, const QByteArray &options);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_logDir;
    std::string m_root;
    std::string m_logPath;
    std::vector<std::unique_ptr<support::TmpfsMount>> m_mounts;
    mode_t m_savedUmask = 022;
};

// Byte strings print and compare as Latin-1, one character per byte.
inline QString Latin1(const std::string &s)
{
    return QString::fromLatin1(s.c_str(), int(s.size()));
}

namespace QTest {
template <>
inline char *toString(const std::string &s)
{
    return QTest::toString(Latin1(s));
}
} // namespace QTest

// ---- helpers shared by the test files ----

void WriteBytes(const std::string &path, const std::string &bytes);
std::string ReadBytes(const std::string &path);
// Writes `size` bytes that neither repeat nor compress (the same for the same
// size) and gives them back.
std::string WriteNoise(const std::string &path, size_t size);
mode_t ModeOf(const std::string &path);
bool ExistsAsName(const std::string &path);

// What a case puts at a path before the call under test.
enum class Made {
    Nothing,
    File,         // `bytes`, modified at 1600000000
    Folder,       // empty
    FilledFolder, // holding "inner" with `bytes`
    Tree,         // folders, odd names, special files and a file nobody may read
    LinkToFolder, // to the folder "target" beside it
    DanglingLink,
    Fifo,
    Socket,
};
void Make(const std::string &path, Made what, const std::string &bytes = "hello");
// Makes what `setup` names below root, ';'-separated: "d:x" a folder, "f:x"
// a file holding "data", "p:x" a FIFO, "s:x" a socket, "l:x=t" a link to t.
void Build(const std::string &root, const std::string &setup);

// Runs body in a forked child limited to 32 descriptors; its result is the
// exit status (see support::runInChild), 1 when the limit was refused.
int RunWithFewDescriptors(const std::function<int()> &body);

// The flush and close of one path, the kernel's copy calls and a directory
// read fail on demand: InjectedFault, InjectedSharing, InjectedReadError.
#include "support/fault-interposer.h"

// Skips the calling test with a reason (not from a helper: QSKIP returns).
#define REQUIRE_ROOT()                                                         \
    do {                                                                       \
        if (geteuid() != 0)                                                    \
            QSKIP("needs root: mounts a tmpfs or drops to uid 65534");        \
    } while (0)

// Mounts a tmpfs on the case's folder `rel` or skips the calling test.
#define MOUNT_TMPFS_OR_SKIP(rel, options)                                      \
    do {                                                                       \
        if (!mountTmpfs(rel, options))                                         \
            QSKIP(qPrintable(m_mounts.back()->why()));                         \
    } while (0)

// Compares logged lines with the expected ones; "%R" stands for the case's
// folder.
#define COMPARE_LOG(...)                                                       \
    do {                                                                       \
        QStringList want_;                                                     \
        for (const std::string &e_ : std::vector<std::string>(__VA_ARGS__))    \
            want_ << Latin1(e_).replace(QLatin1String("%R"), Latin1(m_root));  \
        QCOMPARE(logLines(), want_);                                           \
    } while (0)

using Lines = std::vector<std::string>;
Q_DECLARE_METATYPE(std::string)
Q_DECLARE_METATYPE(Lines)
Q_DECLARE_METATYPE(Made)
