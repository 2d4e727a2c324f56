// Cases of symbolic links, owner, mode and times, access tests, temporary
// files and names, full paths and the file-system checks.
#include "tst_fileop.h"

#include "file-op.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <thread>

#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string kAlphabet = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

// The first mounted file system whose type is one of `types`, or "".
std::string MountedOfType(const std::set<std::string> &types, bool prefixOnly)
{
    std::ifstream mounts("/proc/self/mounts");
    std::string device, point, type, rest;
    while (mounts >> device >> point >> type && std::getline(mounts, rest)) {
        for (const std::string &t : types) {
            if (prefixOnly ? type.compare(0, t.size(), t) == 0 : type == t) {
                if (access(point.c_str(), F_OK) == 0)
                    return point;
            }
        }
    }
    return std::string();
}

} // namespace

// ---------------------------------------------------------------- links

void TestFileOp::symbolicLinks_data()
{
    QTest::addColumn<std::string>("target");
    QTest::addColumn<int>("createResult");
    QTest::addColumn<int>("readResult");
    QTest::addColumn<Lines>("log");

    QTest::newRow("short, odd bytes") << std::string("../a b\n\xc3\xa9\xff") << 0 << 0 << Lines{};
    QTest::newRow("4095 bytes") << std::string(4095, 't') << 0 << 0 << Lines{};
    // The kernel refuses a content that would fill the whole buffer, so the
    // refusal comes at creation.
    QTest::newRow("4096 bytes") << std::string(4096, 't') << -1 << -1
        << Lines{"ERROR FSCreateSymbolicLink: Failed to create symbolic link '" + std::string(4096, 't')
                     + "' -> '%R/l' (code: 36, msg: File name too long)",
                 "ERROR FSReadSymbolicLink: Failed to read symbolic link '%R/l' (code: 2, msg: No such file or directory)"};
}

void TestFileOp::symbolicLinks()
{
    QFETCH(std::string, target);
    QFETCH(int, createResult);
    QFETCH(int, readResult);
    QFETCH(Lines, log);

    QCOMPARE(FSCreateSymbolicLink(target, at("l")), createResult);
    std::string read = "untouched";
    QCOMPARE(FSReadSymbolicLink(at("l"), read), readResult);
    if (readResult == 0) {
        QCOMPARE(read, target);
        std::error_code error;
        QCOMPARE(std::filesystem::read_symlink(at("l"), error).string(), target);
    } else {
        QCOMPARE(read, std::string("untouched"));
    }
    COMPARE_LOG(log);
}

// ---------------------------------------------------------------- owner, mode, time

void TestFileOp::ownerModeTime()
{
    Build(m_root, "f:f;l:l=f");

    QCOMPARE(FSChmod(at("l"), 0604), 0); // through the link
    QCOMPARE(ModeOf(at("f")), mode_t(0604));
    QCOMPARE(FSChmod(at("none"), 0644), -1);

    QCOMPARE(FSSetTime(at("l"), 1000000000, 1100000000), 0); // the link itself
    QCOMPARE(FSSetTime(at("f"), 1200000000, 1300000000), 0);
    struct stat link, file;
    QCOMPARE(lstat(at("l").c_str(), &link), 0);
    QCOMPARE(lstat(at("f").c_str(), &file), 0);
    QCOMPARE(link.st_atim.tv_sec, time_t(1000000000));
    QCOMPARE(link.st_mtim.tv_sec, time_t(1100000000));
    QCOMPARE(file.st_atim.tv_sec, time_t(1200000000));
    QCOMPARE(file.st_mtim.tv_sec, time_t(1300000000));
    QCOMPARE(file.st_mtim.tv_nsec, 0L);
    QCOMPARE(FSSetTime(at("none"), 1, 1), -1);

    QCOMPARE(FSChown(at("none"), 0, 0), -1);
    COMPARE_LOG(Lines{"ERROR FSChmod: Failed to chmod '%R/none' (code: 2, msg: No such file or directory)",
                      "ERROR FSChown: Failed to chown '%R/none' (code: 2, msg: No such file or directory)"});

    REQUIRE_ROOT();
    QCOMPARE(FSChown(at("l"), 65534, 65534), 0); // the link, not its target
    QCOMPARE(lstat(at("l").c_str(), &link), 0);
    QCOMPARE(lstat(at("f").c_str(), &file), 0);
    QCOMPARE(link.st_uid, uid_t(65534));
    QCOMPARE(link.st_gid, gid_t(65534));
    QCOMPARE(file.st_uid, uid_t(0));
}

// ---------------------------------------------------------------- access

void TestFileOp::permissionTests()
{
    Build(m_root, "f:secret;f:public");
    QCOMPARE(chmod(at("secret").c_str(), 0600), 0);
    QCOMPARE(chmod(at("public").c_str(), 0644), 0);

    // A missing file is not a permission problem.
    QCOMPARE(FSIsPermissionDenied(at("none"), R_OK), false);
    QCOMPARE(FSHasPermission(at("none"), R_OK), true);

    REQUIRE_ROOT();
    QCOMPARE(FSIsPermissionDenied(at("secret"), R_OK | W_OK), false);
    const int status = support::runAsNobody([this] {
        if (!FSIsPermissionDenied(at("secret"), R_OK) || FSHasPermission(at("secret"), R_OK))
            return 1;
        if (FSIsPermissionDenied(at("public"), R_OK) || !FSHasPermission(at("public"), R_OK))
            return 2;
        if (!FSIsPermissionDenied(at("public"), W_OK))
            return 3;
        if (FSIsPermissionDenied(at("none"), R_OK))
            return 4;
        if (FSFsync(at("secret")) != -1)
            return 5;
        return 0;
    });
    QCOMPARE(status, 0);
    COMPARE_LOG(Lines{"ERROR FSFsync: open(%R/secret): Permission denied (13)"});
}

// ---------------------------------------------------------------- temporary files and names

void TestFileOp::tempFile()
{
    std::string first, second;
    QCOMPARE(FSMakeTempFile(m_root, first), 0);
    QCOMPARE(FSMakeTempFile(m_root, second), 0);
    QVERIFY(first != second);
    for (const std::string &p : {first, second}) {
        QCOMPARE(p.size(), m_root.size() + 7);
        QCOMPARE(p.substr(0, m_root.size() + 1), m_root + "/");
        struct stat st;
        QCOMPARE(lstat(p.c_str(), &st), 0);
        QVERIFY(S_ISREG(st.st_mode));
        QCOMPARE(st.st_size, off_t(0));
        // 0644 exactly, whatever the umask.
        QCOMPARE(st.st_mode & 07777, mode_t(0644));
    }

    std::string untouched = "untouched";
    QCOMPARE(FSMakeTempFile(at("none"), untouched), -1);
    QCOMPARE(untouched, std::string("untouched"));
    // A folder name too long for the template's buffer is cut to fit.
    const std::string longDir = at(std::string(5000, 'd'));
    QCOMPARE(FSMakeTempFile(longDir, untouched), -1);
    const std::string cut = (longDir + "/XXXXXX").substr(0, 4095);
    COMPARE_LOG(Lines{"ERROR mkstemp(%R/none/XXXXXX): No such file or directory",
                      "ERROR mkstemp(" + cut + "): Invalid argument"});
}

void TestFileOp::tempNameAlphabetAndUniqueness()
{
    const int draws = 20000;
    std::set<std::string> names;
    std::map<char, int> counts;
    for (int i = 0; i < draws; ++i) {
        std::string name;
        QCOMPARE(FSMakeTempName(m_root, name), 0);
        QCOMPARE(name.size(), m_root.size() + 9);
        QCOMPARE(name.substr(0, m_root.size() + 1), m_root + "/");
        for (char c : name.substr(m_root.size() + 1)) {
            QVERIFY2(kAlphabet.find(c) != std::string::npos, name.c_str());
            ++counts[c];
        }
        names.insert(name);
    }
    QCOMPARE(names.size(), size_t(draws));
    // 160000 characters over 64: about 2500 each, give or take 50; a skewed
    // or stuck generator lands far outside this band.
    QCOMPARE(counts.size(), size_t(64));
    for (const auto &c : counts)
        QVERIFY2(c.second > 1500 && c.second < 3500, std::string(1, c.first).c_str());

    // Nothing is created.
    std::string other;
    QCOMPARE(FSMakeTempName("relative", other), 0);
    QCOMPARE(other.substr(0, 9), std::string("relative/"));
    QVERIFY(QDir(QString::fromStdString(m_root)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot));
    COMPARE_LOG(Lines{});
}

void TestFileOp::tempNameFromManyThreads()
{
    const int threads = 4, each = 2000;
    std::vector<std::vector<std::string>> results(threads);
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&results, t, this] {
            for (int i = 0; i < each; ++i) {
                std::string name;
                if (FSMakeTempName(m_root, name) == 0)
                    results[t].push_back(name);
            }
        });
    }
    for (std::thread &w : workers)
        w.join();

    std::set<std::string> all;
    for (const auto &r : results) {
        QCOMPARE(r.size(), size_t(each));
        for (const std::string &name : r) {
            QCOMPARE(name.size(), m_root.size() + 9);
            QCOMPARE(name.find_first_not_of(kAlphabet, m_root.size() + 1), std::string::npos);
            all.insert(name);
        }
    }
    QCOMPARE(all.size(), size_t(threads * each));
}

// ---------------------------------------------------------------- full path

void TestFileOp::fullPath()
{
    Build(m_root, "d:a;d:a/b;l:l=a");
    std::error_code error;
    const std::string real = std::filesystem::canonical(m_root, error).string();

    std::string path = at("l/b/../b/./");
    const std::string given = path;
    QCOMPARE(FSGetFullPath(path), 0);
    QCOMPARE(path, real + "/a/b");

    std::string missing = at("l/none");
    QCOMPARE(FSGetFullPath(missing), -1);
    QCOMPARE(missing, at("l/none"));

    COMPARE_LOG(Lines{"DEBUG  org path [" + given + "]",
                      "DEBUG  get full path [" + real + "/a/b]",
                      "DEBUG  org path [%R/l/none]"});
}

// ---------------------------------------------------------------- file-system checks

void TestFileOp::fileSystemChecks()
{
    QCOMPARE(isMountPoint(at("none")), false);
    QCOMPARE(IsSupportLargeFile(at("none")), 0);
    QCOMPARE(isMountPoint("/proc"), false);
    QCOMPARE(IsSupportLargeFile("/proc"), 0);
    COMPARE_LOG(Lines{"ERROR isMountPoint: Failed to get file system info '%R/none'. No such file or directory",
                      "ERROR IsSupportLargeFile: Failed to get file system info '%R/none'. No such file or directory"});

    if (mountTmpfs("mnt", "size=64k")) {
        QCOMPARE(isMountPoint(at("mnt")), false);
        QCOMPARE(IsSupportLargeFile(at("mnt")), 0);
    }

    const std::string network = MountedOfType({"nfs", "nfs4", "cifs", "smb3"}, false);
    const std::string fuse = MountedOfType({"fuse"}, true);
    for (const std::string &p : {network, fuse}) {
        if (!p.empty())
            QVERIFY2(isMountPoint(p), p.c_str());
    }

    const std::string fat = MountedOfType({"vfat", "msdos"}, false);
    if (fat.empty())
        QSKIP("no FAT volume is mounted and this kernel cannot mount one: the MSDOS answer is untested");
    QCOMPARE(IsSupportLargeFile(fat), 1);
    QCOMPARE(logLines().last(), Latin1("WARNING Detect a MSDOS platform for path '" + fat + "'."));
}
