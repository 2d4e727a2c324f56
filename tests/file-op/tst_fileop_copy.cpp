// Cases of file copy, move, recursive removal and flush.
#include "tst_fileop.h"

#include "file-op.h"
#include "file-op-private.h"
#include "file-op-tree.h"
#include "support/tree-snapshot.h"
#include "test-files.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

// Where copySharing copies to.
enum class Target { Sharing, Tmpfs, FullTmpfs };
Q_DECLARE_METATYPE(Target)

// ---------------------------------------------------------------- CopyFile

void TestFileOp::copySizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {0, 1, 8191, 8192, 8193, 20000})
        QTest::newRow(std::to_string(size).c_str()) << size;
}

void TestFileOp::copySizes()
{
    QFETCH(int, size);
    const std::string bytes = WriteNoise(at("src"), size_t(size));

    QCOMPARE(CopyFile(at("src"), at("dst"), false, false), 0);
    QCOMPARE(ReadBytes(at("dst")), bytes);
    QCOMPARE(ReadBytes(at("src")), bytes);
    QCOMPARE(ModeOf(at("dst")), mode_t(0640));
    COMPARE_LOG(Lines{});
}

void TestFileOp::copyTruncatesLongerDestination()
{
    const std::string bytes = WriteNoise(at("src"), 20000);
    WriteBytes(at("dst"), std::string(30000, 'L'));
    QCOMPARE(chmod(at("dst").c_str(), 0600), 0);

    QCOMPARE(CopyFile(at("src"), at("dst"), false, true), 0);
    QCOMPARE(ReadBytes(at("dst")), bytes);
    // An existing destination keeps its own mode, keepMode or not.
    QCOMPARE(ModeOf(at("dst")), mode_t(0600));
    COMPARE_LOG(Lines{});
}

void TestFileOp::copyModes_data()
{
    QTest::addColumn<uint>("mask");
    QTest::addColumn<uint>("sourceMode");
    QTest::addColumn<bool>("keepMode");
    QTest::addColumn<uint>("expected");

    QTest::newRow("0755 kept, umask 027") << 027u << 0755u << true << 0750u;
    QTest::newRow("0755 not kept, umask 027") << 027u << 0755u << false << 0640u;
    QTest::newRow("0600 kept, umask 027") << 027u << 0600u << true << 0600u;
    QTest::newRow("0777 kept, umask 0") << 0u << 0777u << true << 0777u;
    QTest::newRow("0700 not kept, umask 0") << 0u << 0700u << false << 0644u;
    QTest::newRow("0755 kept, umask 022") << 022u << 0755u << true << 0755u;
}

void TestFileOp::copyModes()
{
    QFETCH(uint, mask);
    QFETCH(uint, sourceMode);
    QFETCH(bool, keepMode);
    QFETCH(uint, expected);

    const auto restoreUmask = qScopeGuard([old = umask(mask)] { umask(old); });
    WriteBytes(at("src"), "#!/bin/sh\n");
    QCOMPARE(chmod(at("src").c_str(), sourceMode), 0);
    QCOMPARE(CopyFile(at("src"), at("dst"), false, keepMode), 0);
    QCOMPARE(uint(ModeOf(at("dst"))), expected);
    QCOMPARE(uint(ModeOf(at("src"))), sourceMode);
    COMPARE_LOG(Lines{});
}

void TestFileOp::copyFailures_data()
{
    QTest::addColumn<std::string>("setup");       // see Build()
    QTest::addColumn<std::string>("source");
    QTest::addColumn<std::string>("destination"); // relative, or absolute
    QTest::addColumn<int>("result");
    QTest::addColumn<uint>("left");               // the destination's type afterwards, 0: none
    QTest::addColumn<Lines>("log");

    const uint none = 0, file = S_IFREG;
    QTest::newRow("missing source") << std::string() << std::string("none") << std::string("dst") << -1
        << none << Lines{"ERROR CopyFile: open(%R/none): No such file or directory (2)"};
    QTest::newRow("missing destination folder") << std::string("f:src") << std::string("src") << std::string("no/dst") << -1
        << none << Lines{"ERROR CopyFile: open(%R/no/dst): No such file or directory (2)"};
    QTest::newRow("destination is a folder") << std::string("f:src;d:dst") << std::string("src") << std::string("dst") << -1
        << uint(S_IFDIR) << Lines{"ERROR CopyFile: open(%R/dst): Is a directory (21)"};
    QTest::newRow("source is a folder") << std::string("d:src") << std::string("src") << std::string("dst") << -1
        << file << Lines{"ERROR CopyFile: read: Is a directory (21)"};
    QTest::newRow("source name of 5000 bytes") << std::string() << std::string(5000, 's') << std::string("dst") << -1
        << none << Lines{"ERROR CopyFile: open(%R/" + std::string(5000, 's') + "): File name too long (36)"};
    QTest::newRow("FIFO source without writer") << std::string("p:src") << std::string("src") << std::string("dst") << 0
        << file << Lines{};
    QTest::newRow("FIFO destination without reader") << std::string("f:src;p:dst") << std::string("src") << std::string("dst") << -1
        << uint(S_IFIFO) << Lines{"ERROR CopyFile: open(%R/dst): No such device or address (6)"};
    QTest::newRow("device that is always full") << std::string("f:src") << std::string("src") << std::string("/dev/full") << -2
        << uint(S_IFCHR) << Lines{"ERROR CopyFile: write: No space left on device (28)"};
}

void TestFileOp::copyFailures()
{
    QFETCH(std::string, setup);
    QFETCH(std::string, source);
    QFETCH(std::string, destination);
    QFETCH(int, result);
    QFETCH(uint, left);
    QFETCH(Lines, log);

    Build(m_root, setup);
    const std::string dst = destination[0] == '/' ? destination : at(destination);

    // removeSource: a failed copy never costs the source.
    QCOMPARE(CopyFile(at(source), dst, true, false), result);
    if (result != 0 && setup.find("f:src") != std::string::npos)
        QCOMPARE(ReadBytes(at("src")), std::string("data"));
    if (result != 0 && setup.find("d:src") != std::string::npos)
        QVERIFY(ExistsAsName(at("src")));

    struct stat st = {};
    QCOMPARE(lstat(dst.c_str(), &st) == 0 ? uint(st.st_mode & S_IFMT) : 0u, left);
    if (left == S_IFREG)
        QCOMPARE(ReadBytes(dst), std::string());
    COMPARE_LOG(log);
}

void TestFileOp::copyIntoReadOnlyFolder()
{
    REQUIRE_ROOT();
    Build(m_root, "d:ro;f:src;f:secret;d:rw");
    QCOMPARE(chmod(at("ro").c_str(), 0555), 0);
    QCOMPARE(chmod(at("src").c_str(), 0644), 0);
    QCOMPARE(chmod(at("secret").c_str(), 0600), 0);
    QCOMPARE(chmod(at("rw").c_str(), 0777), 0);

    const int status = support::runAsNobody([this] {
        if (CopyFile(at("src"), at("ro/dst"), false, false) != -1)
            return 1;
        if (CopyFile(at("secret"), at("rw/dst"), false, false) != -1)
            return 2;
        return 0;
    });
    QCOMPARE(status, 0);
    QVERIFY(!ExistsAsName(at("ro/dst")));
    QVERIFY(!ExistsAsName(at("rw/dst")));
    COMPARE_LOG(Lines{"ERROR CopyFile: open(%R/ro/dst): Permission denied (13)",
                      "ERROR CopyFile: open(%R/secret): Permission denied (13)"});
}

void TestFileOp::copyFullFileSystem()
{
    MOUNT_TMPFS_OR_SKIP("mnt", "size=64k,mode=0755");
    const std::string bytes = WriteNoise(at("src"), 200000);
    QCOMPARE(CopyFile(at("src"), at("mnt/dst"), true, false), -2);

    // The source stays whole; the destination keeps what fitted.
    QCOMPARE(ReadBytes(at("src")), bytes);
    const std::string partial = ReadBytes(at("mnt/dst"));
    QVERIFY(!partial.empty());
    QVERIFY(partial.size() < bytes.size());
    QCOMPARE(partial, bytes.substr(0, partial.size()));
    COMPARE_LOG(Lines{"ERROR CopyFile: write: No space left on device (28)"});
}

void TestFileOp::copyFlushAndCloseFailures_data()
{
    QTest::addColumn<int>("fsyncErrno");
    QTest::addColumn<int>("closeErrno");
    QTest::addColumn<int>("result");
    QTest::addColumn<Lines>("log");

    QTest::newRow("flush: no space") << ENOSPC << 0 << -2
        << Lines{"ERROR CopyFile: fsync(%R/dst): No space left on device (28)"};
    QTest::newRow("flush: quota") << EDQUOT << 0 << -2
        << Lines{"ERROR CopyFile: fsync(%R/dst): Disk quota exceeded (122)"};
    QTest::newRow("flush: I/O error") << EIO << 0 << -1
        << Lines{"ERROR CopyFile: fsync(%R/dst): Input/output error (5)"};
    QTest::newRow("close: no space") << 0 << ENOSPC << -2
        << Lines{"ERROR CopyFile: close(%R/dst): No space left on device (28)"};
    QTest::newRow("close: I/O error") << 0 << EIO << -1
        << Lines{"ERROR CopyFile: close(%R/dst): Input/output error (5)"};
    QTest::newRow("flush not supported by the file") << EINVAL << 0 << 0 << Lines{};
}

void TestFileOp::copyFlushAndCloseFailures()
{
    QFETCH(int, fsyncErrno);
    QFETCH(int, closeErrno);
    QFETCH(int, result);
    QFETCH(Lines, log);

    const std::string bytes = WriteNoise(at("src"), 10000);
    {
        InjectedFault fault(at("dst"), fsyncErrno, closeErrno);
        QCOMPARE(CopyFile(at("src"), at("dst"), true, false), result);
        QCOMPARE(InjectedFault::fsyncCalls(), 1);
    }
    if (result != 0)
        QCOMPARE(ReadBytes(at("src")), bytes);
    else
        QVERIFY(!ExistsAsName(at("src")));
    QCOMPARE(ReadBytes(at("dst")), bytes);
    COMPARE_LOG(log);
}

void TestFileOp::copyRemovesSourceLast()
{
    const std::string bytes = WriteNoise(at("src"), 8193);
    {
        InjectedFault watch(at("dst"), 0, 0, at("src"));
        QCOMPARE(CopyFile(at("src"), at("dst"), true, false), 0);
        QCOMPARE(InjectedFault::fsyncCalls(), 1);
        QVERIFY2(InjectedFault::sourcePresentAtSync(), "source removed before the copy was flushed");
    }
    QVERIFY(!ExistsAsName(at("src")));
    QCOMPARE(ReadBytes(at("dst")), bytes);
    COMPARE_LOG(Lines{});
}

// How CopyFile lets the kernel copy: FICLONE, then copy_file_range, then the
// read/write loop. "Not supported" answers move on silently and are not
// asked again between the same file systems; other failures are the copy's,
// logged as the loop logs them.
void TestFileOp::copySharing_data()
{
    QTest::addColumn<Target>("target");    // the copies' file system
    QTest::addColumn<bool>("fromHere");     // the sources on the case folder's, else on the target
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("files");         // copied one after another
    QTest::addColumn<int>("cloneErrno");    // forced answers, 0: the kernel's
    QTest::addColumn<int>("rangeErrno");
    QTest::addColumn<int>("rangeErrnoAfter");
    QTest::addColumn<int>("rangeLimit");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("clones");        // FICLONE calls
    QTest::addColumn<int>("ranges");        // copy_file_range calls; -n: at least n
    QTest::addColumn<bool>("shared");       // the copies' blocks are the source's
    QTest::addColumn<Lines>("log");

    const int big = 300000;
    // sharing: an XFS with reflink or a btrfs; tmpfs: a tmpfs, which copies
    // in the kernel but cannot share; full: a 64 KiB tmpfs that holds the
    // source and has no room for the copy.
    const Target sharing = Target::Sharing, tmpfs = Target::Tmpfs, full = Target::FullTmpfs;
    QTest::newRow("sharing: FICLONE") << sharing << false << big << 3 << 0 << 0 << 0 << 0 << 0
        << 3 << 0 << true << Lines{};
    QTest::newRow("sharing: FICLONE refused, copy_file_range shares") << sharing << false << big << 3
        << EOPNOTSUPP << 0 << 0 << 0 << 0 << 1 << -3 << true << Lines{};
    QTest::newRow("sharing: empty file") << sharing << false << 0 << 1 << 0 << 0 << 0 << 0 << 0
        << 0 << 0 << false << Lines{};
    QTest::newRow("tmpfs: no sharing, in-kernel copy") << tmpfs << false << big << 3 << 0 << 0 << 0 << 0 << 0
        << 1 << -3 << false << Lines{};
    QTest::newRow("across file systems: the loop") << tmpfs << true << 20000 << 3 << 0 << 0 << 0 << 0 << 0
        << 1 << 1 << false << Lines{};
    for (int err : {EOPNOTSUPP, EXDEV, EINVAL, ENOSYS, EBADF, ENOTTY}) {
        QTest::newRow(("forced not supported: " + std::string(strerrorname_np(err))).c_str())
            << tmpfs << false << 20000 << 3 << err << err << 0 << 0 << 0 << 1 << 1 << false << Lines{};
    }
    QTest::newRow("FICLONE: busy text, this file only") << tmpfs << false << 20000 << 3 << ETXTBSY << 0 << 0
        << 0 << 0 << 3 << -3 << false << Lines{};
    QTest::newRow("copy_file_range: short counts") << tmpfs << false << 20000 << 1 << EOPNOTSUPP << 0 << 0
        << 3000 << 0 << 1 << 8 << false << Lines{};
    QTest::newRow("copy_file_range: short, then not supported") << tmpfs << false << 20000 << 2 << EOPNOTSUPP
        << EXDEV << 10000 << 5000 << 0 << 1 << 3 << false << Lines{};
    QTest::newRow("FICLONE: I/O error") << tmpfs << false << 20000 << 1 << EIO << 0 << 0 << 0 << -1 << 1
        << 0 << false << Lines{"ERROR CopyFile: read: Input/output error (5)"};
    QTest::newRow("FICLONE: no space") << tmpfs << false << 20000 << 1 << ENOSPC << 0 << 0 << 0 << -2 << 1
        << 0 << false << Lines{"ERROR CopyFile: write: No space left on device (28)"};
    QTest::newRow("copy_file_range: quota after 8192 bytes") << tmpfs << false << 20000 << 1 << EOPNOTSUPP
        << EDQUOT << 8192 << 0 << -2 << 1 << 2 << false << Lines{"ERROR CopyFile: write: Disk quota exceeded (122)"};
    QTest::newRow("copy_file_range: I/O error") << tmpfs << false << 20000 << 1 << EOPNOTSUPP << EIO << 0 << 0
        << -1 << 1 << 1 << false << Lines{"ERROR CopyFile: read: Input/output error (5)"};
    QTest::newRow("full: copy_file_range") << full << false << 40000 << 1 << 0 << 0 << 0 << 0 << -2 << 1
        << -1 << false << Lines{"ERROR CopyFile: write: No space left on device (28)"};
    QTest::newRow("full: the loop") << full << true << 200000 << 1 << 0 << 0 << 0 << 0 << -2 << 1
        << 1 << false << Lines{"ERROR CopyFile: write: No space left on device (28)"};
}

void TestFileOp::copySharing()
{
    QFETCH(Target, target);
    QFETCH(bool, fromHere);
    QFETCH(int, size);
    QFETCH(int, files);
    QFETCH(int, cloneErrno);
    QFETCH(int, rangeErrno);
    QFETCH(int, rangeErrnoAfter);
    QFETCH(int, rangeLimit);
    QFETCH(int, result);
    QFETCH(int, clones);
    QFETCH(int, ranges);
    QFETCH(bool, shared);
    QFETCH(Lines, log);

    REQUIRE_ROOT();
    std::unique_ptr<SharingFileSystem> sharing;
    if (target == Target::Sharing) {
        sharing.reset(new SharingFileSystem(QString::fromStdString(at("mnt"))));
        if (!sharing->mounted())
            QSKIP(qPrintable(sharing->why()));
    } else {
        MOUNT_TMPFS_OR_SKIP("mnt", target == Target::FullTmpfs ? "size=64k,mode=0755"
                                                               : "size=8m,mode=0755");
    }
    const std::string from = fromHere ? m_root : at("mnt"), to = at("mnt");

    std::string bytes;
    std::vector<std::string> sources, copies;
    for (int i = 0; i < files; ++i) {
        sources.push_back(from + "/src" + std::to_string(i));
        copies.push_back(to + "/dst" + std::to_string(i));
        bytes = WriteNoise(sources.back(), size_t(size));
        // Another user's file, mode 0750: the copy is the copier's own.
        QCOMPARE(chmod(sources.back().c_str(), 0750), 0);
        QCOMPARE(chown(sources.back().c_str(), 65534, 65534), 0);
    }

    fileop::ForgetSharingRefusals();
    {
        InjectedSharing inject(cloneErrno, rangeErrno, rangeErrnoAfter, size_t(rangeLimit));
        for (int i = 0; i < files; ++i)
            QCOMPARE(CopyFile(sources[i], copies[i], false, true), result);
        QCOMPARE(InjectedSharing::cloneCalls(), clones);
        if (ranges >= 0)
            QCOMPARE(InjectedSharing::rangeCalls(), ranges);
        else
            QVERIFY2(InjectedSharing::rangeCalls() >= -ranges, std::to_string(InjectedSharing::rangeCalls()).c_str());
    }
    fileop::ForgetSharingRefusals();

    for (int i = 0; i < files; ++i) {
        const std::string copy = ReadBytes(copies[i]);
        if (result == 0) {
            QCOMPARE(copy, bytes);
        } else {
            QVERIFY(copy.size() < bytes.size());
            QCOMPARE(copy, bytes.substr(0, copy.size()));
        }
        struct stat st;
        QCOMPARE(::stat(copies[i].c_str(), &st), 0);
        QCOMPARE(uint(st.st_mode & 07777), 0750u);
        QCOMPARE(st.st_uid, geteuid());
        QCOMPARE(st.st_gid, getegid());
        QCOMPARE(sharesAllExtents(copies[i].c_str()), shared);
        if (result != 0)
            continue;
        // Written through, the copy changes alone: the source keeps its bytes.
        {
            std::fstream f(copies[i], std::ios::in | std::ios::out | std::ios::binary);
            f.seekp(size / 2);
            f.write("written by the user", 19);
        }
        QCOMPARE(ReadBytes(sources[i]), bytes);
        if (size > 0)
            QVERIFY(ReadBytes(copies[i]) != bytes);
    }
    COMPARE_LOG(log);
}

// ---------------------------------------------------------------- FSMovePath

void TestFileOp::move_data()
{
    QTest::addColumn<Made>("source");      // at "src"
    QTest::addColumn<Made>("destination"); // at "dst"
    QTest::addColumn<std::string>("from"); // the names given
    QTest::addColumn<std::string>("to");
    QTest::addColumn<int>("result");

    const Made none = Made::Nothing;
    const Made folder = Made::FilledFolder;
    const std::string src = "src", dst = "dst";
    QTest::newRow("file") << Made::File << none << src << dst << 0;
    QTest::newRow("folder") << folder << none << src << dst << 0;
    QTest::newRow("symbolic link") << Made::DanglingLink << none << src << dst << 0;
    QTest::newRow("FIFO") << Made::Fifo << none << src << dst << 0;
    QTest::newRow("socket") << Made::Socket << none << src << dst << 0;
    QTest::newRow("folder onto an empty folder") << folder << Made::Folder << src << dst << 0;
    QTest::newRow("folder onto a full folder") << folder << folder << src << dst << -3;
    QTest::newRow("file onto a file") << Made::File << Made::File << src << dst << 0;
    QTest::newRow("missing source") << none << Made::File << src << dst << -2;
    QTest::newRow("empty source") << none << none << std::string() << dst << -1;
    QTest::newRow("empty destination") << Made::File << none << src << std::string() << -1;
    QTest::newRow("name too long") << Made::File << none << src << std::string(300, 'n') << -100;
}

void TestFileOp::move()
{
    QFETCH(Made, source);
    QFETCH(Made, destination);
    QFETCH(std::string, from);
    QFETCH(std::string, to);
    QFETCH(int, result);

    Make(at("src"), source, "moved");
    Make(at("dst"), destination, "old");
    const std::string src = from.empty() ? from : at(from);
    const std::string dst = to.empty() ? to : at(to);
    struct stat before = {};
    (void)lstat(src.c_str(), &before);

    QCOMPARE(FSMovePath(src, dst), result);

    if (result == 0) {
        QVERIFY(!ExistsAsName(src));
        struct stat after;
        QCOMPARE(lstat(dst.c_str(), &after), 0);
        // A rename keeps the very same file.
        QCOMPARE(after.st_ino, before.st_ino);
        if (source == Made::File)
            QCOMPARE(ReadBytes(dst), std::string("moved"));
        if (source == Made::FilledFolder)
            QCOMPARE(ReadBytes(dst + "/inner"), std::string("moved"));
    } else {
        if (source != Made::Nothing)
            QVERIFY(ExistsAsName(src));
        if (destination == Made::File)
            QCOMPARE(ReadBytes(dst), std::string("old"));
        if (destination == Made::FilledFolder)
            QCOMPARE(ReadBytes(dst + "/inner"), std::string("old"));
    }
    COMPARE_LOG(Lines{});
}

void TestFileOp::moveAcrossFileSystems()
{
    MOUNT_TMPFS_OR_SKIP("mnt", "size=1m,mode=0755");
    struct stat here, there;
    QCOMPARE(::stat(m_root.c_str(), &here), 0);
    QCOMPARE(::stat(at("mnt").c_str(), &there), 0);
    QVERIFY(here.st_dev != there.st_dev);

    // A single file: copied with its mode, then the source removed.
    const std::string bytes = WriteNoise(at("file"), 20000);
    QCOMPARE(chmod(at("file").c_str(), 0705), 0);
    QCOMPARE(FSMovePath(at("file"), at("mnt/file")), 0);
    QVERIFY(!ExistsAsName(at("file")));
    QCOMPARE(ReadBytes(at("mnt/file")), bytes);
    QCOMPARE(ModeOf(at("mnt/file")), mode_t(0705));

    // An existing file is never overwritten: the move fails, both stay.
    WriteBytes(at("again"), "mine");
    WriteBytes(at("mnt/again"), "theirs");
    QCOMPARE(FSMovePath(at("again"), at("mnt/again")), -3);
    QCOMPARE(ReadBytes(at("again")), std::string("mine"));
    QCOMPARE(ReadBytes(at("mnt/again")), std::string("theirs"));

    // A tree.
    Build(m_root, "d:t;d:t/sub;d:t/sub/deep;d:t/empty;l:t/link=sub/b");
    QCOMPARE(chmod(at("t/sub").c_str(), 0700), 0);
    WriteNoise(at("t/a.txt"), 3000);
    WriteNoise(at("t/sub/b"), 9000);
    WriteBytes(at("t/sub/deep/c"), "");
    WriteBytes(at("t/a b\n\xc3\xa9\xff"), "odd");
    QCOMPARE(chmod(at("t/sub/b").c_str(), 0600), 0);
    const support::Tree original = support::withoutModes(support::snapshot(QString::fromStdString(at("t"))));
    QCOMPARE(original.size(), 8);

    QCOMPARE(FSMovePath(at("t"), at("mnt/t")), 0);
    QVERIFY(!ExistsAsName(at("t")));
    QCOMPARE(support::withoutModes(support::snapshot(QString::fromStdString(at("mnt/t")))) == original, true);
    QCOMPARE(ModeOf(at("mnt/t/sub")), mode_t(0700));
    QCOMPARE(ModeOf(at("mnt/t/sub/b")), mode_t(0600));
    std::error_code error;
    QCOMPARE(std::filesystem::read_symlink(at("mnt/t/link"), error).string(), std::string("sub/b"));

    // A link arrives as the same link; special files are not carried across.
    QCOMPARE(symlink("file", at("link").c_str()), 0);
    QCOMPARE(FSMovePath(at("link"), at("mnt/link")), 0);
    QVERIFY(!ExistsAsName(at("link")));
    QCOMPARE(std::filesystem::read_symlink(at("mnt/link"), error).string(), std::string("file"));
    Build(m_root, "p:fifo");
    QCOMPARE(FSMovePath(at("fifo"), at("mnt/fifo")), -3);
    QVERIFY(ExistsAsName(at("fifo")));
    QVERIFY(!ExistsAsName(at("mnt/fifo")));
    COMPARE_LOG(Lines{});
}

void TestFileOp::moveAcrossFileSystemsStopsAtSpecialFile()
{
    MOUNT_TMPFS_OR_SKIP("mnt", "size=1m,mode=0755");

    QCOMPARE(::mkdir(at("t").c_str(), 0755), 0);
    for (const char *name : {"e1", "e2", "e3", "e4", "e5", "e6"})
        WriteBytes(at("t/") + name, name);
    Build(m_root, "p:t/fifo");
    // The order in which the folder hands its names out.
    std::vector<std::string> order;
    for (const auto &entry : std::filesystem::directory_iterator(at("t")))
        order.push_back(entry.path().filename());
    QCOMPARE(order.size(), size_t(7));

    QCOMPARE(FSMovePath(at("t"), at("mnt/t")), -3);

    bool beforeLink = true;
    for (const std::string &name : order) {
        if (name == "fifo")
            beforeLink = false;
        QVERIFY2(ExistsAsName(at("t/" + name)) != beforeLink, name.c_str());
        QVERIFY2(ExistsAsName(at("mnt/t/" + name)) == beforeLink, name.c_str());
        if (name != "fifo")
            QCOMPARE(ReadBytes(at(beforeLink ? "mnt/t/" + name : "t/" + name)), name);
    }
    COMPARE_LOG(Lines{});
}

void TestFileOp::moveAcrossFileSystemsFull()
{
    MOUNT_TMPFS_OR_SKIP("mnt", "size=64k,mode=0755");
    const std::string bytes = WriteNoise(at("big"), 200000);
    QCOMPARE(FSMovePath(at("big"), at("mnt/big")), -3);
    QCOMPARE(ReadBytes(at("big")), bytes);
    COMPARE_LOG(Lines{"ERROR CopyFile: write: No space left on device (28)"});
}

// ---------------------------------------------------------------- FSRemovePath

void TestFileOp::remove_data()
{
    QTest::addColumn<Made>("made"); // at "t"
    QTest::addColumn<std::string>("rel");
    QTest::addColumn<int>("result");

    const std::string t = "t";
    QTest::newRow("missing") << Made::Nothing << std::string("none") << 0;
    QTest::newRow("empty path") << Made::Nothing << std::string() << -1;
    QTest::newRow("file") << Made::File << t << 0;
    QTest::newRow("empty folder") << Made::Folder << t << 0;
    QTest::newRow("tree") << Made::Tree << t << 0;
    QTest::newRow("tree, trailing slashes") << Made::Tree << std::string("t//") << 0;
    QTest::newRow("dangling link") << Made::DanglingLink << t << 0;
    QTest::newRow("FIFO") << Made::Fifo << t << 0;
    QTest::newRow("name of 5000 bytes") << Made::Nothing << std::string(5000, 'x') << -1;
    QTest::newRow("below a file") << Made::File << std::string("t/x") << -1;
    QTest::newRow("final dot") << Made::Tree << std::string("t/.") << -3;
    QTest::newRow("final dot-dot") << Made::Tree << std::string("t/a/..") << -3;
}

void TestFileOp::remove()
{
    QFETCH(Made, made);
    QFETCH(std::string, rel);
    QFETCH(int, result);

    const std::string t = at("t");
    Make(t, made, "x");
    WriteBytes(at("neighbour"), "stays");

    QCOMPARE(FSRemovePath(rel.empty() ? rel : at(rel)), result);
    if (result == 0)
        QVERIFY(!ExistsAsName(t));
    else if (made != Made::Nothing)
        QVERIFY(ExistsAsName(t));
    if (result != 0 && made == Made::Tree)
        QCOMPARE(ReadBytes(t + "/a b\n\xc3\xa9\xff"), std::string("data"));
    QCOMPARE(ReadBytes(at("neighbour")), std::string("stays"));
    COMPARE_LOG(Lines{});
}

void TestFileOp::removeNeverFollowsLinks()
{
    Build(m_root, "d:outside;d:outside/sub;f:outside/keep;f:outside/sub/keep;d:t;"
                  "l:t/toDir=../outside;l:t/toFile=" + at("outside/keep") + ";"
                  "l:t/toSub=" + at("outside/sub"));
    QCOMPARE(FSRemovePath(at("t")), 0);
    QVERIFY(!ExistsAsName(at("t")));

    // A link named with a trailing slash is still the link, not its target.
    QCOMPARE(symlink("outside", at("l").c_str()), 0);
    QCOMPARE(FSRemovePath(at("l/")), 0);
    QVERIFY(!ExistsAsName(at("l")));
    QCOMPARE(symlink("outside", at("l").c_str()), 0);
    QCOMPARE(FSRemovePath(at("l")), 0);
    QVERIFY(!ExistsAsName(at("l")));

    QCOMPARE(ReadBytes(at("outside/keep")), std::string("data"));
    QCOMPARE(ReadBytes(at("outside/sub/keep")), std::string("data"));
    COMPARE_LOG(Lines{});
}

void TestFileOp::removeUnreadableDirectory()
{
    REQUIRE_ROOT();
    Build(m_root, "d:locked;f:locked/file;d:outer;d:outer/locked;f:outer/file");
    QCOMPARE(chmod(at("locked").c_str(), 0), 0);
    // "outer" is the unprivileged user's own, holding a folder it cannot open.
    QCOMPARE(chmod(at("outer/locked").c_str(), 0), 0);
    QCOMPARE(chown(at("outer").c_str(), 65534, 65534), 0);
    QCOMPARE(chown(at("outer/file").c_str(), 65534, 65534), 0);

    const int status = support::runAsNobody([this] {
        if (FSRemovePath(at("locked")) != -3)
            return 1;
        if (FSRemovePath(at("outer")) != -3)
            return 2;
        return 0;
    });
    QCOMPARE(status, 0);
    QCOMPARE(ReadBytes(at("locked/file")), std::string("data"));
    QVERIFY(ExistsAsName(at("outer/locked")));
    COMPARE_LOG(Lines{});
}

void TestFileOp::removeDeepTree()
{
    const QString root = QString::fromStdString(m_root);
    // Within the path limit: removed completely.
    QVERIFY(support::makeDeepChain(root, "deep", "d", 800));
    QCOMPARE(FSRemovePath(at("deep")), 0);
    QVERIFY(!ExistsAsName(at("deep")));

    // With few descriptors: one open folder at a time suffices.
    QVERIFY(support::makeDeepChain(root, "narrow", "d", 200));
    QCOMPARE(RunWithFewDescriptors([this] { return FSRemovePath(at("narrow")) == 0 ? 0 : 2; }), 0);
    QVERIFY(!ExistsAsName(at("narrow")));

    // Deeper than a path can name, with a file at the bottom: removed
    // completely, through descriptors.
    const QByteArray level(20, 'a'), leaf("leaf");
    QVERIFY(support::makeDeepChain(root, "abyss", level, 300, &leaf));
    QCOMPARE(FSRemovePath(at("abyss")), 0);
    QVERIFY(!ExistsAsName(at("abyss")));

    // The same with few descriptors.
    QVERIFY(support::makeDeepChain(root, "abyss", level, 300));
    QCOMPARE(RunWithFewDescriptors([this] { return FSRemovePath(at("abyss")) == 0 ? 0 : 2; }), 0);
    QVERIFY(!ExistsAsName(at("abyss")));
    COMPARE_LOG(Lines{});
}

// ---------------------------------------------------------------- FSFsync

void TestFileOp::fsync_data()
{
    QTest::addColumn<Made>("made"); // at "p"
    QTest::addColumn<std::string>("rel");
    QTest::addColumn<int>("result");
    QTest::addColumn<Lines>("log");

    const std::string p = "p";
    QTest::newRow("missing") << Made::Nothing << std::string("none") << 1 << Lines{};
    QTest::newRow("file") << Made::File << p << 0 << Lines{};
    QTest::newRow("folder") << Made::Folder << p << 0 << Lines{};
    QTest::newRow("FIFO without writer") << Made::Fifo << p << -1
        << Lines{"ERROR FSFsync: fsync(%R/p): Invalid argument (22)"};
    QTest::newRow("name of 5000 bytes") << Made::Nothing << std::string(5000, 'f') << -1
        << Lines{"ERROR FSFsync: open(%R/" + std::string(5000, 'f') + "): File name too long (36)"};
    QTest::newRow("below a file") << Made::File << std::string("p/x") << -1
        << Lines{"ERROR FSFsync: open(%R/p/x): Not a directory (20)"};
}

void TestFileOp::fsync()
{
    QFETCH(Made, made);
    QFETCH(std::string, rel);
    QFETCH(int, result);
    QFETCH(Lines, log);

    Make(at("p"), made);
    QCOMPARE(FSFsync(at(rel)), result);
    COMPARE_LOG(log);
}

// ---------------------------------------------------------------- deep trees

void TestFileOp::deepTreeWithFewDescriptors_data()
{
    QTest::addColumn<bool>("move");     // across file systems; else removed
    QTest::addColumn<bool>("readOnly"); // the file system holding the tree
    QTest::addColumn<int>("levels");
    QTest::newRow("removal, 2000 levels") << false << false << 2000;
    QTest::newRow("move across file systems, 600 levels") << true << false << 600;
    // The failure comes from the bottom; the error number with it.
    QTest::newRow("removal on a read-only file system, 100 levels") << false << true << 100;
}

// A user's own tree, however deep, is removed or carried across completely
// under a limit of 32 descriptors.
void TestFileOp::deepTreeWithFewDescriptors()
{
    QFETCH(bool, move);
    QFETCH(bool, readOnly);
    QFETCH(int, levels);
    // On file systems of their own where root may mount them: removing
    // thousands of folders from a disk costs seconds.
    if (geteuid() != 0 && !move && !readOnly) {
        QVERIFY(::mkdir(at("here").c_str(), 0755) == 0);
    } else {
        MOUNT_TMPFS_OR_SKIP("here", "size=8m,mode=0755");
        MOUNT_TMPFS_OR_SKIP("mnt", "size=8m,mode=0755");
    }
    const std::string top = readOnly ? at("mnt") : at("here");
    const QByteArray leaf("leaf");
    QVERIFY(support::makeDeepChain(QString::fromStdString(top), "deep", "d", levels, &leaf));
    if (readOnly)
        QCOMPARE(::mount(nullptr, at("mnt").c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=8m,mode=0755"), 0);
    const std::string deep = top + "/deep";
    const std::string there = readOnly ? deep : at("mnt/deep");
    const int status = RunWithFewDescriptors([&] {
        if (readOnly)
            return FSRemovePath(deep) == -3 && errno == EROFS ? 0 : 3;
        return (move ? FSMovePath(deep, there) : FSRemovePath(deep)) == 0 ? 0 : 2;
    });
    const bool gone = !ExistsAsName(deep);
    // What a failed walk left behind is deeper than the fixture's cleanup
    // reaches.
    if (!readOnly)
        (void)FSRemovePath(deep);
    const QPair<int, QByteArray> left = support::deepChain(QString::fromStdString(there), "d");
    (void)FSRemovePath(there);
    QCOMPARE(status, 0);
    QCOMPARE(gone, !readOnly);
    if (move || readOnly) {
        // The chain's own top and the folders below it.
        QCOMPARE(1 + left.first, levels);
        QCOMPARE(left.second, QByteArray("leaf"));
    }
    COMPARE_LOG(Lines{});
}

void TestFileOp::treeWalkFindsItsWayBack_data()
{
    // Changes made at the bottom, before the way back.
    QTest::addColumn<bool>("movedAway"); // the shallowest folder the walk still holds
    QTest::addColumn<bool>("replaced");  // a folder above it
    QTest::addColumn<int>("result");     // of the step into the folders closed meanwhile
    QTest::newRow("nothing: up through \"..\"") << false << false << 0;
    QTest::newRow("a folder moved away: down again by name") << true << false << 0;
    QTest::newRow("a folder on the way replaced") << true << true << int(ESTALE);
}

// However deep a walk goes it holds a few descriptors, and it comes back
// through the very folders it went down through, or says that it cannot.
void TestFileOp::treeWalkFindsItsWayBack()
{
    QFETCH(bool, movedAway);
    QFETCH(bool, replaced);
    QFETCH(int, result);
    const int levels = 40;
    QVERIFY(support::makeDeepChain(QString::fromStdString(m_root), "t", "d", levels));
    auto pathAt = [this](int depth) {
        return at("t") + QByteArray("/d").repeated(depth).toStdString();
    };
    auto openDescriptors = [] {
        using std::filesystem::directory_iterator;
        return size_t(std::distance(directory_iterator("/proc/self/fd"), directory_iterator()));
    };
    auto identity = [](int fd) {
        struct stat st {};
        (void)fstat(fd, &st);
        return std::make_pair(st.st_dev, st.st_ino);
    };
    const size_t before = openDescriptors();

    fileop::FolderChain chain;
    QCOMPARE(chain.start(fileop::UniqueFd(open(at("t").c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))), 0);
    std::vector<std::pair<dev_t, ino_t>> down{identity(chain.fd())};
    for (int depth = 1; depth < levels; ++depth) {
        QCOMPARE(chain.enter("d"), 0);
        down.push_back(identity(chain.fd()));
        QVERIFY(openDescriptors() <= before + fileop::kOpenFoldersPerWalk);
    }
    // The shallowest folder the walk still holds below its top; from there
    // on, the way back opens the folders again.
    const int edge = levels - int(fileop::kOpenFoldersPerWalk) + 1;
    if (movedAway)
        QCOMPARE(rename(pathAt(edge).c_str(), at("moved").c_str()), 0);
    if (replaced) {
        QCOMPARE(rename(pathAt(10).c_str(), at("old").c_str()), 0);
        QCOMPARE(::mkdir(pathAt(10).c_str(), 0755), 0);
    }

    for (int depth = levels - 1; depth > 0; --depth) {
        const int step = chain.leave();
        if (depth == edge && result != 0) {
            QCOMPARE(step, result);
            return;
        }
        QCOMPARE(step, 0);
        QCOMPARE(chain.depth(), size_t(depth - 1));
        QVERIFY(identity(chain.fd()) == down[size_t(depth - 1)]);
        QVERIFY(openDescriptors() <= before + fileop::kOpenFoldersPerWalk);
    }
    QCOMPARE(result, 0);
    COMPARE_LOG(Lines{});
}
