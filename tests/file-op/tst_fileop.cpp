// The fixture, the shared helpers, and the cases of file information,
// directory creation, the directory walk and the path strings.
#include "tst_fileop.h"

#include "file-op.h"
#include "log.h"
#include "support/log-lines.h"
#include "support/noise.h"
#include "support/tree-snapshot.h"
#include "test-files.h"

#include <cerrno>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

// ---------------------------------------------------------------- helpers

void WriteBytes(const std::string &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    QVERIFY2(out.good(), path.c_str());
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string WriteNoise(const std::string &path, size_t size)
{
    const std::string bytes = support::noise(int(size)).toStdString();
    WriteBytes(path, bytes);
    return bytes;
}

mode_t ModeOf(const std::string &path)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0)
        return static_cast<mode_t>(-1);
    return st.st_mode & 07777;
}

bool ExistsAsName(const std::string &path)
{
    struct stat st;
    return lstat(path.c_str(), &st) == 0;
}

void Make(const std::string &path, Made what, const std::string &bytes)
{
    const struct utimbuf time = {1600000000, 1600000000};
    switch (what) {
    case Made::Nothing:
        break;
    case Made::File:
        WriteBytes(path, bytes);
        QCOMPARE(utime(path.c_str(), &time), 0);
        break;
    case Made::Folder:
        QCOMPARE(::mkdir(path.c_str(), 0755), 0);
        break;
    case Made::FilledFolder:
        QCOMPARE(::mkdir(path.c_str(), 0755), 0);
        WriteBytes(path + "/inner", bytes);
        break;
    case Made::Tree:
        QCOMPARE(::mkdir(path.c_str(), 0755), 0);
        Build(path, "d:a;d:a/b;f:a/b/file;f:a b\n\xc3\xa9\xff;p:a/fifo;s:a/sock;"
                    "l:a/dangling=nowhere");
        QCOMPARE(chmod((path + "/a/b").c_str(), 0700), 0);
        // Read-only entries go too: removal needs the folder's permission.
        QCOMPARE(chmod((path + "/a/b/file").c_str(), 0), 0);
        break;
    case Made::LinkToFolder:
        QCOMPARE(::mkdir((FSDirName(path) + "/target").c_str(), 0755), 0);
        QCOMPARE(symlink("target", path.c_str()), 0);
        break;
    case Made::DanglingLink:
        QCOMPARE(symlink("nowhere", path.c_str()), 0);
        break;
    case Made::Fifo:
    case Made::Socket:
        Build(FSDirName(path), (what == Made::Fifo ? "p:" : "s:") + FSBaseName(path));
        break;
    }
}

int RunWithFewDescriptors(const std::function<int()> &body)
{
    return support::runInChild([&body] {
        struct rlimit limit = {32, 32};
        return setrlimit(RLIMIT_NOFILE, &limit) == 0 ? body() : 1;
    });
}

// ---------------------------------------------------------------- fixture

std::string TestFileOp::at(const std::string &rel) const
{
    return rel.empty() ? m_root : m_root + "/" + rel;
}

QStringList TestFileOp::logLines() const
{
    QList<QByteArray> raws = readFile(QString::fromStdString(m_logPath)).split('\n');
    if (!raws.isEmpty() && raws.constLast().isEmpty())
        raws.removeLast();
    QStringList lines;
    support::LogLine line;
    for (const QByteArray &raw : raws) {
        // Latin-1 keeps every byte as one character, so paths of any bytes
        // survive the round trip.
        if (support::parseLogLine(raw, &line, true) && line.module == QLatin1String("file-op.cpp"))
            lines << line.level + QLatin1Char(' ') + line.message;
        else if (!lines.empty())
            // A message that carries a line feed of its own (a name).
            lines.last() += QLatin1Char('\n') + QString::fromLatin1(raw);
        else
            lines << QLatin1String("MALFORMED ") + QString::fromLatin1(raw);
    }
    return lines;
}

bool TestFileOp::mountTmpfs(const std::string &rel, const QByteArray &options)
{
    m_mounts.emplace_back(new support::TmpfsMount(QString::fromStdString(at(rel)), options));
    return m_mounts.back()->mounted();
}

void TestFileOp::initTestCase()
{
    // A umask that leaves a visible trace: 0644 becomes 0640, 0777 0750.
    m_savedUmask = umask(027);
}

void TestFileOp::cleanupTestCase()
{
    umask(m_savedUmask);
}

void TestFileOp::init()
{
    const QString pattern = QDir::tempPath() + QStringLiteral("/tst_fileop-XXXXXX");
    m_dir.reset(new QTemporaryDir(pattern));
    m_logDir.reset(new QTemporaryDir(pattern));
    QVERIFY(m_dir->isValid());
    QVERIFY(m_logDir->isValid());
    m_root = m_dir->path().toStdString();
    // Open to uid 65534, which the permission cases drop to.
    QCOMPARE(chmod(m_root.c_str(), 0755), 0);
    m_logPath = m_logDir->filePath("t.log").toStdString();
    const std::string switchPath = m_logDir->filePath("switch").toStdString();
    WriteBytes(switchPath, "file_op_debug=7\n");
    QCOMPARE(LogConfigure(LOG_MODE_FILE, m_logPath.c_str(), switchPath.c_str(), 50, 1), 0);
}

void TestFileOp::cleanup()
{
    (void)LogConfigure(LOG_MODE_STDERR, nullptr, nullptr, 0, 0);
    m_mounts.clear();
    // Qt cannot name files whose names are not UTF-8, nor reach below the
    // path limit, so the folder goes here, through descriptors and without
    // following links.
    if (m_dir)
        support::removeTreeAt(AT_FDCWD, m_root.c_str());
    m_dir.reset();
    m_logDir.reset();
}

// ---------------------------------------------------------------- FileInfo

void TestFileOp::fileInfoEquality()
{
    const FileInfo fresh;
    QVERIFY(fresh.path.empty() && fresh.name.empty());
    QCOMPARE(fresh.type, 0u);
    QCOMPARE(fresh.mtime, 0u);
    QCOMPARE(fresh.size, uint64_t(0));
    QCOMPARE(fresh.exists, false);
    QCOMPARE(fresh.uid + fresh.gid + fresh.mode, 0u);
    QCOMPARE(fresh.device, uint64_t(0));

    FileInfo a;
    a.path = "/x/y";
    a.name = "y";
    a.type = FS_TYPE_FILE;
    a.mtime = 7;
    a.size = 9;
    a.exists = true;

    FileInfo b = a;
    b.uid = 1;
    b.gid = 2;
    b.mode = 0100644;
    b.device = 3;
    QVERIFY(a == b);
    QVERIFY(!(a != b));

    const std::vector<std::function<void(FileInfo &)>> changes = {
        [](FileInfo &f) { f.path = "/x/z"; },  [](FileInfo &f) { f.name = "z"; },
        [](FileInfo &f) { f.type = FS_TYPE_DIRECTORY; }, [](FileInfo &f) { f.mtime = 8; },
        [](FileInfo &f) { f.size = 10; },      [](FileInfo &f) { f.exists = false; },
    };
    for (const auto &change : changes) {
        FileInfo c = a;
        change(c);
        QVERIFY(a != c);
        QVERIFY(!(a == c));
    }
}

// ---------------------------------------------------------------- FSStat

void TestFileOp::stat_data()
{
    QTest::addColumn<Made>("made");         // at "p"
    QTest::addColumn<std::string>("rel");   // below the case folder, or absolute
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<uint>("type");
    QTest::addColumn<std::string>("name");

    const Made none = Made::Nothing;
    const std::string p = "p";
    QTest::newRow("missing") << none << std::string("none") << 0 << false << 0u << std::string("none");
    QTest::newRow("regular file") << Made::File << p << 0 << true << 1u << p;
    QTest::newRow("directory") << Made::Folder << p << 0 << true << 2u << p;
    QTest::newRow("directory, trailing slash") << Made::Folder << std::string("p/") << 0 << true << 2u
        << std::string();
    QTest::newRow("link to a directory") << Made::LinkToFolder << p << 0 << true << 3u << p;
    QTest::newRow("dangling link") << Made::DanglingLink << p << 0 << true << 3u << p;
    QTest::newRow("fifo") << Made::Fifo << p << 0 << true << 6u << p;
    QTest::newRow("socket") << Made::Socket << p << 0 << true << 7u << p;
    QTest::newRow("device") << none << std::string("/dev/null") << 0 << true << 5u << std::string("null");
    QTest::newRow("below a file") << Made::File << std::string("p/x") << -2 << false << 0u << std::string();
    QTest::newRow("5000 bytes") << none << std::string(5000, 'n') << -2 << false << 0u << std::string();
}

void TestFileOp::stat()
{
    QFETCH(Made, made);
    QFETCH(std::string, rel);
    QFETCH(int, result);
    QFETCH(bool, exists);
    QFETCH(uint, type);
    QFETCH(std::string, name);

    Make(at("p"), made);
    const std::string path = rel[0] == '/' ? rel : at(rel);

    FileInfo info;
    info.path = "untouched";
    QCOMPARE(FSStat(path, info), result);
    QCOMPARE(FSExists(path), exists);
    if (result != 0) {
        QCOMPARE(info.path, std::string("untouched"));
        COMPARE_LOG(Lines{});
        return;
    }
    QCOMPARE(info.path, path);
    QCOMPARE(info.name, name);
    QCOMPARE(info.exists, exists);
    QCOMPARE(info.type, type);

    struct stat st;
    if (!exists) {
        QCOMPARE(info.size + info.mtime + info.uid + info.gid + info.mode + info.device, uint64_t(0));
    } else {
        QCOMPARE(lstat(path.c_str(), &st), 0);
        QCOMPARE(info.mode, uint32_t(st.st_mode));
        QCOMPARE(info.size, uint64_t(st.st_size));
        QCOMPARE(info.mtime, uint32_t(st.st_mtime));
        QCOMPARE(info.uid, uint32_t(st.st_uid));
        QCOMPARE(info.gid, uint32_t(st.st_gid));
        QCOMPARE(info.device, uint64_t(st.st_dev));
    }
    if (made == Made::File) {
        QCOMPARE(info.size, uint64_t(5));
        QCOMPARE(info.mtime, 1600000000u);
    }
    COMPARE_LOG(Lines{});
}

// ---------------------------------------------------------------- FSMKDir

void TestFileOp::mkdir_data()
{
    QTest::addColumn<std::string>("setup");   // see Build()
    QTest::addColumn<std::string>("rel");
    QTest::addColumn<bool>("recursive");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("error");           // errno after -2
    QTest::addColumn<std::string>("created"); // a folder that must exist afterwards
    QTest::addColumn<Lines>("log");

    const std::string notDir = "ERROR FSMKDir: Create a folder but local file system is not directory '%R/";
    QTest::newRow("existing directory") << std::string("d:d") << std::string("d") << false << 0 << 0 << std::string("d") << Lines{};
    QTest::newRow("existing directory, recursive") << std::string("d:d") << std::string("d") << true << 0 << 0 << std::string("d") << Lines{};
    QTest::newRow("existing file") << std::string("f:f") << std::string("f") << false << -1 << 0 << std::string() << Lines{notDir + "f' (1)"};
    QTest::newRow("existing file, recursive") << std::string("f:f") << std::string("f") << true << -1 << 0 << std::string() << Lines{notDir + "f' (1)"};
    QTest::newRow("link to a directory") << std::string("d:d;l:l=d") << std::string("l") << false << -1 << 0 << std::string() << Lines{notDir + "l' (3)"};
    QTest::newRow("link to a directory, recursive") << std::string("d:d;l:l=d") << std::string("l") << true << -1 << 0 << std::string() << Lines{notDir + "l' (3)"};
    QTest::newRow("dangling link") << std::string("l:l=none") << std::string("l") << false << -1 << 0 << std::string() << Lines{notDir + "l' (3)"};
    QTest::newRow("new") << std::string() << std::string("n") << false << 0 << 0 << std::string("n") << Lines{};
    QTest::newRow("recursive below a present folder") << std::string("d:a") << std::string("a/b/c") << true << 0 << 0 << std::string("a/b/c") << Lines{};
    QTest::newRow("recursive, trailing slash") << std::string("d:a") << std::string("a/b/c/") << true << 0 << 0 << std::string("a/b/c") << Lines{};
    QTest::newRow("recursive below a file") << std::string("d:a;f:a/b") << std::string("a/b/c") << true << -1 << 0 << std::string()
        << Lines{"ERROR FSMKDir: Failed to to file info '%R/a/b/c'"};
    QTest::newRow("missing parent") << std::string() << std::string("x/y") << false << -2 << ENOENT << std::string()
        << Lines{"ERROR path = %R/x/y errno : No such file or directory"};
    QTest::newRow("recursive through a link to a folder") << std::string("d:a;l:l=a") << std::string("l/n/m") << true << 0 << 0 << std::string("a/n/m")
        << Lines{"INFO FSMKDirP: path: %R/l is symbolic link pointed to folder"};
    QTest::newRow("recursive through a dangling link") << std::string("l:l=none") << std::string("l/x") << true << -2 << EEXIST << std::string()
        << Lines{"ERROR path = %R/l/x errno : File exists"};
    QTest::newRow("names with blanks, a line feed and high bytes") << std::string() << std::string("a b/\xc3\xa9\xff/n\nl") << true << 0 << 0
        << std::string("a b/\xc3\xa9\xff/n\nl") << Lines{};
}

void Build(const std::string &root, const std::string &setup)
{
    std::stringstream items(setup);
    std::string item;
    while (std::getline(items, item, ';')) {
        const std::string what = item.substr(2), path = root + "/" + what;
        if (item[0] == 'd') {
            QCOMPARE(::mkdir(path.c_str(), 0755), 0);
        } else if (item[0] == 'f') {
            WriteBytes(path, "data");
        } else if (item[0] == 'p' || item[0] == 's') {
            const QString kind = item[0] == 'p' ? QStringLiteral("fifo") : QStringLiteral("socket");
            QVERIFY2(makeSpecialFile(QString::fromStdString(path), kind), what.c_str());
        } else if (item[0] == 'l') {
            size_t eq = what.find('=');
            QCOMPARE(symlink(what.substr(eq + 1).c_str(), (root + "/" + what.substr(0, eq)).c_str()), 0);
        }
    }
}

void TestFileOp::mkdir()
{
    QFETCH(std::string, setup);
    QFETCH(std::string, rel);
    QFETCH(bool, recursive);
    QFETCH(int, result);
    QFETCH(int, error);
    QFETCH(std::string, created);
    QFETCH(Lines, log);

    Build(m_root, setup);
    errno = 0;
    const int got = FSMKDir(at(rel), recursive);
    const int err = errno;
    QCOMPARE(got, result);
    if (result == -2)
        QCOMPARE(err, error);
    if (!created.empty()) {
        struct stat st;
        QCOMPARE(::stat(at(created).c_str(), &st), 0);
        QVERIFY(S_ISDIR(st.st_mode));
        if (setup.empty())
            QCOMPARE(st.st_mode & 07777, mode_t(0750));
    }
    // A dangling link's target is never created through it.
    QVERIFY(!ExistsAsName(at("none")));
    COMPARE_LOG(log);
}

void TestFileOp::mkdirPLastPrefixIsFile()
{
    WriteBytes(at("f"), "data");
    errno = 0;
    QCOMPARE(FSMKDirP(at("f")), -1);
    QCOMPARE(errno, EEXIST);
    COMPARE_LOG(Lines{"INFO FSMKDirP: path: %R/f is existing file or symbolic link pointed to file"});

    // An earlier prefix that is a file is passed over; the next one fails.
    errno = 0;
    QCOMPARE(FSMKDirP(at("f/x/y")), -1);
    QCOMPARE(errno, ENOTDIR);
    QCOMPARE(ReadBytes(at("f")), std::string("data"));
}

// ---------------------------------------------------------------- FSMKDirFromRoot

void TestFileOp::mkdirFromRoot_data()
{
    QTest::addColumn<std::string>("target");
    QTest::addColumn<std::string>("root");
    QTest::addColumn<int>("result");
    QTest::addColumn<Lines>("created");
    QTest::addColumn<Lines>("log");

    QTest::newRow("two levels") << std::string("r/x/y") << std::string("r") << 0 << Lines{"r/x", "r/x/y"}
        << Lines{"DEBUG FSMKDirFromRoot: create /x", "DEBUG FSMKDirFromRoot: create /x/y"};
    QTest::newRow("existing level") << std::string("r/e/y") << std::string("r") << 0 << Lines{"r/e/y"}
        << Lines{"DEBUG FSMKDirFromRoot: create /e", "DEBUG FSMKDirFromRoot: create /e/y"};
    QTest::newRow("root with a slash") << std::string("r/x/y") << std::string("r/") << -1 << Lines{}
        << Lines{"ERROR root '%R/r/' is not a parent folder of target '%R/r/x/y'"};
    QTest::newRow("same prefix, other folder") << std::string("rx/y") << std::string("r") << -1 << Lines{}
        << Lines{"ERROR root '%R/r' is not a parent folder of target '%R/rx/y'"};
    QTest::newRow("target is root") << std::string("r") << std::string("r") << 0 << Lines{} << Lines{};
    QTest::newRow("root longer than target") << std::string("r") << std::string("r/x/y") << -1 << Lines{}
        << Lines{"ERROR Giving a root '%R/r/x/y' whose length is larger then target's '%R/r'."};
    QTest::newRow("a file on the way") << std::string("r/f/y") << std::string("r") << -1 << Lines{}
        << Lines{"DEBUG FSMKDirFromRoot: create /f",
                 "ERROR FSMKDir: Create a folder but local file system is not directory '%R/r/f' (1)"};
}

void TestFileOp::mkdirFromRoot()
{
    QFETCH(std::string, target);
    QFETCH(std::string, root);
    QFETCH(int, result);
    QFETCH(Lines, created);
    QFETCH(Lines, log);

    Build(m_root, "d:r;d:r/e;f:r/f");
    QCOMPARE(FSMKDirFromRoot(at(target), at(root)), result);
    for (const std::string &c : created) {
        struct stat st;
        QVERIFY2(::stat(at(c).c_str(), &st) == 0 && S_ISDIR(st.st_mode), c.c_str());
    }
    if (result != 0) {
        QVERIFY(!ExistsAsName(at("r/x")));
        QVERIFY(!ExistsAsName(at("rx")));
    }
    COMPARE_LOG(log);
}

// ---------------------------------------------------------------- FSIsParentPath

void TestFileOp::isParentPath_data()
{
    QTest::addColumn<std::string>("parent");
    QTest::addColumn<std::string>("path");
    QTest::addColumn<bool>("result");

    QTest::newRow("itself") << std::string("/a") << std::string("/a") << true;
    QTest::newRow("child") << std::string("/a") << std::string("/a/b") << true;
    QTest::newRow("grandchild") << std::string("/a") << std::string("/a/b/c") << true;
    QTest::newRow("sibling with the prefix") << std::string("/a") << std::string("/ab") << false;
    QTest::newRow("shorter path") << std::string("/a/b") << std::string("/a") << false;
    QTest::newRow("parent with a slash") << std::string("/a/") << std::string("/a/b") << false;
    QTest::newRow("other") << std::string("/b") << std::string("/a/b") << false;
    QTest::newRow("empty parent") << std::string() << std::string("/a") << true;
    QTest::newRow("relative") << std::string("a") << std::string("a/b") << true;
}

void TestFileOp::isParentPath()
{
    QFETCH(std::string, parent);
    QFETCH(std::string, path);
    QFETCH(bool, result);
    QCOMPARE(FSIsParentPath(parent, path), result);
}

// ---------------------------------------------------------------- directory walk

void TestFileOp::dirWalk_data()
{
    QTest::addColumn<int>("options");
    QTest::newRow("names and kinds") << 0;
    QTest::newRow("with times and sizes") << int(FS_DIR_WITH_STAT);
}

void TestFileOp::dirWalk()
{
    QFETCH(int, options);

    const std::string d = at("w");
    QCOMPARE(::mkdir(d.c_str(), 0755), 0);
    Make(d + "/file", Made::File);
    Build(d, "d:sub;l:link=file;p:fifo;s:sock");
    WriteBytes(d + "/a b\n\xff", "");

    DirHandle handle;
    QCOMPARE(FSOpenDir(d, options, handle), 0);
    QCOMPARE(handle.path, d);
    QCOMPARE(handle.options, options);
    QVERIFY(handle.stream != nullptr);

    std::map<std::string, DirEntry> seen;
    DirEntry entry;
    int rc;
    while ((rc = FSReadDir(handle, entry)) == 1) {
        QVERIFY2(seen.count(entry.name) == 0, entry.name.c_str());
        seen[entry.name] = entry;
    }
    QCOMPARE(rc, 0);
    QCOMPARE(FSReadDir(handle, entry), 0);
    FSCloseDir(handle);
    QVERIFY(handle.stream == nullptr);
    QVERIFY(handle.path.empty());
    QCOMPARE(FSReadDir(handle, entry), 0);
    FSCloseDir(handle);

    const std::map<std::string, uint32_t> kinds = {
        {".", 2}, {"..", 2}, {"file", 1}, {"sub", 2}, {"link", 3}, {"fifo", 6}, {"sock", 7},
        {"a b\n\xff", 1}};
    QCOMPARE(seen.size(), kinds.size());
    for (const auto &k : kinds) {
        QVERIFY2(seen.count(k.first) == 1, k.first.c_str());
        const DirEntry &e = seen[k.first];
        // A file system that does not report kinds gives 0 for all.
        QVERIFY2(e.type == k.second || e.type == 0, k.first.c_str());
        if (options & FS_DIR_WITH_STAT) {
            struct stat st;
            QCOMPARE(lstat((d + "/" + k.first).c_str(), &st), 0);
            QCOMPARE(e.mtime, uint32_t(st.st_mtime));
            QCOMPARE(e.size, uint64_t(st.st_size));
        } else {
            QCOMPARE(e.mtime, 0u);
            QCOMPARE(e.size, uint64_t(0));
        }
    }
    if (options & FS_DIR_WITH_STAT) {
        QCOMPARE(seen["file"].mtime, 1600000000u);
        QCOMPARE(seen["file"].size, uint64_t(5));
        QCOMPARE(seen["link"].size, uint64_t(4)); // the link itself
    }
    COMPARE_LOG(Lines{});
}

void TestFileOp::dirWalkFailures()
{
    DirHandle handle;
    handle.path = "kept";
    handle.options = 5;
    QCOMPARE(FSOpenDir(at("none"), 1, handle), -1);
    WriteBytes(at("f"), "x");
    QCOMPARE(FSOpenDir(at("f"), 1, handle), -1);
    QCOMPARE(handle.path, std::string("kept"));
    QCOMPARE(handle.options, 5);
    QVERIFY(handle.stream == nullptr);
    COMPARE_LOG((Lines{"ERROR FSOpenDir: Failed to open directory '%R/none'. No such file or directory",
                       "ERROR FSOpenDir: Failed to open directory '%R/f'. Not a directory"}));

    // A read error in the middle of a folder is a failure, not its end;
    // removal stops there too rather than report a tree gone.
    {
        QCOMPARE(::mkdir(at("io").c_str(), 0755), 0);
        WriteBytes(at("io/bad"), "x");
        InjectedReadError fault("bad");
        DirHandle h;
        DirEntry e;
        QCOMPARE(FSOpenDir(at("io"), 0, h), 0);
        int rc;
        while ((rc = FSReadDir(h, e)) == 1) {
        }
        QCOMPARE(rc, -1);
        QCOMPARE(FSRemovePath(at("io")), -3);
        QCOMPARE(ReadBytes(at("io/bad")), std::string("x"));
        QCOMPARE(logLines().last(), Latin1("ERROR FSReadDir: Failed to read directory '" + at("io")
                                           + "'. Input/output error (5)"));
    }
    QCOMPARE(FSRemovePath(at("io")), 0);

    REQUIRE_ROOT();
    // A folder that may be listed but whose entries may not be looked at.
    const std::string d = at("r");
    Build(m_root, "d:r;f:r/only");
    QCOMPARE(chmod(d.c_str(), 0744), 0);
    const int status = support::runAsNobody([&d] {
        DirHandle h;
        DirEntry e;
        if (FSOpenDir(d, FS_DIR_WITH_STAT, h) != 0)
            return 1;
        if (FSReadDir(h, e) != -1)
            return 2;
        DirHandle plain;
        if (FSOpenDir(d, 0, plain) != 0)
            return 3;
        int n = 0, rc;
        while ((rc = FSReadDir(plain, e)) == 1)
            ++n;
        return rc == 0 && n == 3 ? 0 : 4;
    });
    QCOMPARE(status, 0);
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines[3].startsWith(Latin1("ERROR FSOpenDir: Failed to get info for '" + d + "/")),
             qPrintable(lines[3]));
}

// ---------------------------------------------------------------- path strings

void TestFileOp::pathStrings_data()
{
    QTest::addColumn<std::string>("path");
    QTest::addColumn<std::string>("dir");
    QTest::addColumn<std::string>("base");

    QTest::newRow("absolute") << std::string("/a/b") << std::string("/a") << std::string("b");
    QTest::newRow("top level") << std::string("/a") << std::string("/") << std::string("a");
    QTest::newRow("no slash") << std::string("a") << std::string("/") << std::string("a");
    QTest::newRow("relative") << std::string("a/b") << std::string("a") << std::string("b");
    QTest::newRow("trailing slash") << std::string("a/b/") << std::string("a/b") << std::string();
    QTest::newRow("root") << std::string("/") << std::string("/") << std::string();
    QTest::newRow("empty") << std::string() << std::string("/") << std::string();
    QTest::newRow("double slash") << std::string("a//b") << std::string("a/") << std::string("b");
    QTest::newRow("high bytes") << std::string("/\xc3\xa9/\xff x") << std::string("/\xc3\xa9") << std::string("\xff x");
}

void TestFileOp::pathStrings()
{
    QFETCH(std::string, path);
    QFETCH(std::string, dir);
    QFETCH(std::string, base);
    QCOMPARE(FSDirName(path), dir);
    QCOMPARE(FSBaseName(path), base);
}

QTEST_APPLESS_MAIN(TestFileOp)
