#include "extractor.h"
#include "log.h"
#include "notify-adapter.h"
#include "ui-text.h"

#include "support/archive-writer.h"
#include "support/log-lines.h"
#include "support/noise.h"
#include "support/tree-snapshot.h"
#include "test-files.h"

#include <archive.h>
#include <archive_entry.h>

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QVector>
#include <QtTest>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include <fcntl.h>
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

// The disk writer sets the modes and times of folders only when it is
// closed, and that last step can fail. While a folder of the name below
// stands where an extraction wrote, the close reports such a failure the
// way libarchive reports one: a result other than ARCHIVE_OK and a text.
static std::string g_closeFailsAt;

extern "C" int archive_write_close(struct archive *a)
{
    using Real = int (*)(struct archive *);
    static const Real real = reinterpret_cast<Real>(dlsym(RTLD_NEXT, "archive_write_close"));
    const int r = real(a);
    struct stat st;
    if (r == ARCHIVE_OK && !g_closeFailsAt.empty() && lstat(g_closeFailsAt.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
        archive_set_error(a, EPERM, "Could not set the mode of '%s'", g_closeFailsAt.c_str());
        return ARCHIVE_WARN;
    }
    return r;
}

using namespace support;

namespace {

// lstat that never follows the last component; 0 for a missing path.
mode_t typeOf(const QString &path)
{
    struct stat st;
    if (lstat(QFile::encodeName(path).constData(), &st) != 0)
        return 0;
    return st.st_mode & S_IFMT;
}

const QString kPreparingText = QStringLiteral("Quenmark Zelto Client is initializing...");

// Everything in `root` but the destination and the log, never through a
// link: kind and mode, owner, size, link count, inode, times, a link's target
// and a file's content. Two equal states mean nothing was created, replaced,
// linked, written, or had its mode, owner or times changed.
QStringList outsideState(const QString &root)
{
    return listing(snapshot(root, Times | Identity, {"dest", "t.log"}));
}

// lstat of the destination folder itself: type, mode bits and inode.
QString destinationState(const QString &dest)
{
    struct stat st;
    if (lstat(QFile::encodeName(dest).constData(), &st) != 0)
        return QStringLiteral("missing");
    return QStringLiteral("%1 %2").arg(st.st_mode, 0, 8).arg(qulonglong(st.st_ino));
}

} // namespace

using Progress = QVector<QPair<int, int>>;

// What a receiver living on the main thread saw: the texts, the progress
// reports, and the order of both ('t' or 'p' for each delivery).
class Receiver : public QObject
{
    Q_OBJECT

public:
    QStringList texts;
    Progress progress;
    QByteArray order;
    bool allOnMainThread = true;

public slots:
    void onProgress(int total, int current)
    {
        arrived('p');
        progress.push_back({total, current});
    }
    void onText(QString text)
    {
        arrived('t');
        texts << text;
    }

private:
    void arrived(char kind)
    {
        order += kind;
        allOnMainThread &= QThread::currentThread() == QCoreApplication::instance()->thread();
    }
};

Q_DECLARE_METATYPE(Entry)

class tst_Extractor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void countEntries_data();
    void countEntries();
    void extractWithProgress_data();
    void extractWithProgress();
    void damagedThirdHeader();
    void escapes_data();
    void escapes();
    void hardLinksLandInDestination();
    void replacesExistingEntries();
    void destinationThroughLink_data();
    void destinationThroughLink();
    void umaskAndTimes();
    void dialogText_data();
    void dialogText();
    void badInput_data();
    void badInput();
    void listEntries_data();
    void listEntries();
    void copyArchiveData();
    void manyEntries();
    void commandLineTool_data();
    void commandLineTool();

private:
    QString path(const QString &rel) const { return QDir(m_dir->path()).filePath(rel); }
    QString destPath(const QString &rel) const { return QDir(path(QStringLiteral("dest"))).filePath(rel); }
    ExtractRequest request(const QString &archive) const
    {
        return {QFile::encodeName(path(QStringLiteral("dest"))).toStdString(),
                QFile::encodeName(archive).toStdString()};
    }
    // Runs ExtractArchive on a thread of its own, as the installation worker
    // does, and then delivers what it queued for the receiver.
    int extractOnWorker(const ExtractRequest &request);
    // The messages of the extractor's lines at `level`, in order.
    QStringList messages(const QString &level) const;
    bool loggedPrefix(const QString &level, const QString &prefix) const;
    QStringList errors() const { return messages(QStringLiteral("ERROR")); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Receiver> m_receiver;
};

void tst_Extractor::initTestCase()
{
    InitUITextTable();
    // The relay belongs to the thread of its first use, as in the launcher.
    QCOMPARE(Notify_Adapter::getInstance()->thread(), QThread::currentThread());
}

void tst_Extractor::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    QVERIFY(QDir().mkpath(path(QStringLiteral("dest"))));
    // The victims: a folder, files and links of modes that an archive's
    // 0777 or 0700 entries would visibly change.
    QVERIFY(writeFile(path(QStringLiteral("outside/secret.txt")), "secret"));
    QVERIFY(writeFile(path(QStringLiteral("outside/dir/inner.txt")), "inner"));
    QCOMPARE(chmod(QFile::encodeName(path(QStringLiteral("outside/secret.txt"))).constData(), 0640), 0);
    QCOMPARE(chmod(QFile::encodeName(path(QStringLiteral("outside/dir"))).constData(), 0750), 0);
    QCOMPARE(chmod(QFile::encodeName(path(QStringLiteral("outside/dir/inner.txt"))).constData(), 0600), 0);
    QCOMPARE(symlink("secret.txt", QFile::encodeName(path(QStringLiteral("outside/link"))).constData()), 0);
    QCOMPARE(symlink("missing", QFile::encodeName(path(QStringLiteral("outside/dangling"))).constData()), 0);
    QVERIFY(writeFile(path(QStringLiteral("switch")), "extractor_debug=7\n"));
    g_closeFailsAt = QFile::encodeName(destPath(QStringLiteral("mode-not-set"))).toStdString();
    QCOMPARE(LogConfigure(LOG_MODE_FILE, QFile::encodeName(path(QStringLiteral("t.log"))).constData(),
                          QFile::encodeName(path(QStringLiteral("switch"))).constData(), 50, 1),
             0);

    m_receiver = std::make_unique<Receiver>();
    Notify_Adapter *relay = Notify_Adapter::getInstance();
    QVERIFY(connect(relay, SIGNAL(sigUpdateProgress(int, int)), m_receiver.get(), SLOT(onProgress(int, int))));
    QVERIFY(connect(relay, SIGNAL(sigUpdateDialogText(QString)), m_receiver.get(), SLOT(onText(QString))));
}

void tst_Extractor::cleanup()
{
    m_receiver.reset();
    (void)LogConfigure(LOG_MODE_STDERR, nullptr, nullptr, 0, 0);
    if (m_dir)
        removeTreeAt(AT_FDCWD, QFile::encodeName(m_dir->path()).constData());
    m_dir.reset();
}

int tst_Extractor::extractOnWorker(const ExtractRequest &request)
{
    int result = 1;
    std::thread worker([&result, &request] { result = ExtractArchive(request); });
    worker.join();
    QCoreApplication::sendPostedEvents();
    return result;
}

QStringList tst_Extractor::messages(const QString &level) const
{
    QStringList m;
    const QByteArray log = readFile(path(QStringLiteral("t.log")));
    for (const LogLine &l : logLines(log, QStringLiteral("extractor.cpp")))
        if (l.level == level)
            m << l.message;
    return m;
}

bool tst_Extractor::loggedPrefix(const QString &level, const QString &prefix) const
{
    const QStringList m = messages(level);
    const auto startsWithPrefix = [&prefix](const QString &one) { return one.startsWith(prefix); };
    return std::any_of(m.begin(), m.end(), startsWithPrefix);
}

void tst_Extractor::countEntries_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<Entries>("entries");

    const Entries mixed{dir("docs"), file("docs/a.txt", "alpha"), file("b.txt", "beta"),
                        symbolicLink("docs/link", "a.txt"), file("empty", "")};
    for (const char *format : {"tar", "tar.gz", "zip"}) {
        QTest::addRow("%s one file", format) << format << Entries{file("only.txt", "x")};
        QTest::addRow("%s mixed", format) << format << mixed;
        QTest::addRow("%s no entries", format) << format << Entries{};
    }
}

void tst_Extractor::countEntries()
{
    QFETCH(QString, format);
    QFETCH(Entries, entries);
    const QString archive = path(QStringLiteral("a.") + format);
    QVERIFY(writeArchive(archive, format, entries));

    QCOMPARE(CountArchiveEntries(request(archive)), entries.size());
    QCOMPARE(errors(), QStringList());

    // Only the archive is read, but both fields must be given.
    ExtractRequest noDestination = request(archive);
    noDestination.destination.clear();
    QCOMPARE(CountArchiveEntries(noDestination), -1);
    QCOMPARE(errors(), QStringList{QStringLiteral("Invalid argument")});
}

void tst_Extractor::extractWithProgress_data()
{
    QTest::addColumn<QString>("format");
    for (const char *format : {"tar", "tar.gz", "zip"})
        QTest::newRow(format) << format;
}

void tst_Extractor::extractWithProgress()
{
    QFETCH(QString, format);
    const QByteArray big = noise(70000);
    const Entries entries{dir("docs"), file("docs/a.txt", "alpha"), file("bin/run", big),
                          file("deep/x/y/c.txt", "gamma"), symbolicLink("docs/link", "a.txt")};
    const QString archive = path(QStringLiteral("a.") + format);
    QVERIFY(writeArchive(archive, format, entries));
    const QStringList before = outsideState(m_dir->path());

    QCOMPARE(extractOnWorker(request(archive)), 0);

    QCOMPARE(readFile(destPath(QStringLiteral("docs/a.txt"))), QByteArray("alpha"));
    QCOMPARE(readFile(destPath(QStringLiteral("bin/run"))), big);
    QCOMPARE(readFile(destPath(QStringLiteral("deep/x/y/c.txt"))), QByteArray("gamma"));
    QCOMPARE(typeOf(destPath(QStringLiteral("docs/link"))), mode_t(S_IFLNK));
    QCOMPARE(QFile::symLinkTarget(destPath(QStringLiteral("docs/link"))), destPath(QStringLiteral("docs/a.txt")));
    QCOMPARE(outsideState(m_dir->path()), before);

    // The label first, then one report per entry, all delivered on this thread.
    QCOMPARE(m_receiver->order, 't' + QByteArray(entries.size(), 'p'));
    QCOMPARE(m_receiver->texts, QStringList{kPreparingText});
    QCOMPARE(kPreparingText, LookupUIText(UITEXT_ENV_PREPARING).arg(LookupUIText(UITEXT_APP_NAME)));
    Progress expected;
    for (int i = 1; i <= entries.size(); ++i)
        expected.push_back({entries.size(), i});
    QCOMPARE(m_receiver->progress, expected);
    QVERIFY(m_receiver->allOnMainThread);

    QVERIFY(messages(QStringLiteral("DEBUG"))
                .contains(QStringLiteral("decompress from '%1' to '%2'")
                              .arg(archive, path(QStringLiteral("dest")))));
    QCOMPARE(errors(), QStringList());
}

// The checksum of the third header no longer matches: the first two entries
// are written and reported, then the header read fails.
void tst_Extractor::damagedThirdHeader()
{
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar"),
                         {file("one.txt", "1"), file("two.txt", QByteArray(600, '2')), file("three.txt", "3")}));
    QByteArray bytes = readFile(archive);
    const int header = bytes.indexOf(QByteArray("three.txt", 10));
    QVERIFY(header > 0 && header % 512 == 0);
    bytes[header] = 'T';
    QVERIFY(writeFile(archive, bytes));

    QCOMPARE(CountArchiveEntries(request(archive)), 2);
    QCOMPARE(extractOnWorker(request(archive)), -1);

    QCOMPARE(m_receiver->texts, QStringList{kPreparingText});
    QCOMPARE(m_receiver->progress, (Progress{{2, 1}, {2, 2}}));
    QCOMPARE(readFile(destPath(QStringLiteral("one.txt"))), QByteArray("1"));
    QCOMPARE(readFile(destPath(QStringLiteral("two.txt"))), QByteArray(600, '2'));
    QCOMPARE(typeOf(destPath(QStringLiteral("three.txt"))), mode_t(0));
    QCOMPARE(typeOf(destPath(QStringLiteral("Three.txt"))), mode_t(0));
    const QStringList e = errors();
    QCOMPARE(e.size(), 1);
    QVERIFY2(e.front().startsWith(QLatin1String("archive_read_next_header failed: '")), qPrintable(e.front()));
}

// "@OUT@" in names and targets stands for the absolute path of the folder
// beside the destination, "@DEST@" for the destination itself.
void tst_Extractor::escapes_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("error");        // prefix of the one ERROR line, or empty
    QTest::addColumn<QStringList>("absent");   // relative to the case folder
    QTest::addColumn<QStringList>("present");  // relative to the case folder

    const QString extract2 = QStringLiteral("archive_read_extract2 failed: '");
    QTest::newRow("dot-dot name")
        << "tar" << Entries{file("../outside/evil.txt", "x")} << -1 << extract2
        << QStringList{"outside/evil.txt"} << QStringList{};
    QTest::newRow("dot-dot inside a name")
        << "tar" << Entries{file("a/../../evil.txt", "x")} << -1 << extract2
        << QStringList{"evil.txt", "dest/a"} << QStringList{};
    QTest::newRow("dot-dot after a good entry")
        << "tar" << Entries{file("ok.txt", "ok"), file("sub/../../../evil.txt", "x")} << -1 << extract2
        << QStringList{"evil.txt"} << QStringList{"dest/ok.txt"};
    QTest::newRow("absolute name lands below the destination")
        << "tar" << Entries{file("@OUT@/abs.txt", "x")} << 0 << QString()
        << QStringList{"outside/abs.txt"} << QStringList{"dest/@OUT@/abs.txt"};
    // The planted link stays a link and the run fails: nothing is written
    // through it, and the archive does not pass for extracted.
    const QString through = extract2 + QStringLiteral("Cannot extract through symlink ");
    QTest::newRow("link out, then an entry through it")
        << "tar" << Entries{symbolicLink("link", "@OUT@"), file("link/evil.txt", "x")} << -1 << through
        << QStringList{"outside/evil.txt"} << QStringList{"dest/link"};
    QTest::newRow("relative link out, then an entry through it")
        << "tar" << Entries{symbolicLink("link", "../outside"), file("link/evil.txt", "x")} << -1 << through
        << QStringList{"outside/evil.txt"} << QStringList{"dest/link"};
    QTest::newRow("deeper link out, then a deeper entry through it")
        << "tar" << Entries{dir("d"), symbolicLink("d/link", "../../outside"), file("d/link/sub/evil.txt", "x")} << -1 << through
        << QStringList{"outside/sub"} << QStringList{"dest/d/link"};
    QTest::newRow("chain of links out")
        << "tar" << Entries{symbolicLink("b", "@OUT@"), symbolicLink("a", "b"), file("a/evil.txt", "x")} << -1 << through
        << QStringList{"outside/evil.txt"} << QStringList{"dest/a", "dest/b"};
    QTest::newRow("link inside, then an entry through it")
        << "tar" << Entries{dir("real"), symbolicLink("in", "real"), file("in/x.txt", "x")} << -1 << through
        << QStringList{"dest/real/x.txt"} << QStringList{"dest/in"};
    QTest::newRow("directory entry named through a link out")
        << "tar" << Entries{symbolicLink("link", "@OUT@"), dir("link/sub/")} << -1 << through
        << QStringList{"outside/sub"} << QStringList{"dest/link"};
    // A link the archive planted is not replaced by a later entry of its
    // name either: the archive contradicts itself, and a folder, a hard link
    // or a metadata-only entry at that name would reach the link's target.
    const QString planted = extract2 + QStringLiteral("Cannot replace symlink ");
    QTest::newRow("link to an outside file, then a file of its name")
        << "tar" << Entries{symbolicLink("link", "@OUT@/secret.txt"), file("link", "x")} << -1 << planted
        << QStringList{} << QStringList{"dest/link"};
    QTest::newRow("link to an outside folder, then a folder of its name")
        << "tar" << Entries{symbolicLink("link", "@OUT@/dir"), dir("link")} << -1 << planted
        << QStringList{} << QStringList{"dest/link"};
    QTest::newRow("link out, then a deeper folder entry of its name")
        << "tar" << Entries{dir("d"), symbolicLink("d/link", "../../outside/dir"), dir("d/./link/")} << -1 << planted
        << QStringList{} << QStringList{"dest/d/link"};
    QTest::newRow("link out, then a link of its name")
        << "tar" << Entries{symbolicLink("link", "@OUT@/dir"), symbolicLink("link", "@OUT@/secret.txt")} << -1
        << planted << QStringList{} << QStringList{"dest/link"};
    QTest::newRow("link out, then a hard link of its name")
        << "tar" << Entries{file("f", "f"), symbolicLink("link", "@OUT@/dir"), hardLink("link", "f")} << -1
        << planted << QStringList{} << QStringList{"dest/link", "dest/f"};
    QTest::newRow("link out, then a hard link with data of its name to itself")
        << "tar" << Entries{symbolicLink("link", "@OUT@/dir"), hardLinkWithData("link", "link", "data")} << -1
        << planted << QStringList{} << QStringList{"dest/link"};
    // A hard link to a symbolic link is a second name of the link; with data,
    // the writer would change the mode of the link's target.
    const QString toLink = extract2 + QStringLiteral("Cannot hard link to symlink ");
    QTest::newRow("hard link with data to a link out to a folder")
        << "tar" << Entries{symbolicLink("link", "@OUT@/dir"), hardLinkWithData("h", "link", "data")} << -1 << toLink
        << QStringList{"dest/h"} << QStringList{"dest/link"};
    QTest::newRow("hard link with data to a relative link out to a file")
        << "tar" << Entries{symbolicLink("link", "../outside/secret.txt"), hardLinkWithData("h", "link", "data")}
        << -1 << toLink << QStringList{"dest/h"} << QStringList{"dest/link"};
    QTest::newRow("hard link with data to a link to an outside link")
        << "tar" << Entries{symbolicLink("link", "@OUT@/link"), hardLinkWithData("h", "./link", "data")} << -1
        << toLink << QStringList{"dest/h"} << QStringList{"dest/link"};
    QTest::newRow("hard link without data to a link out")
        << "tar" << Entries{symbolicLink("link", "@OUT@/dir"), hardLink("h", "link"), dir("h")} << -1 << toLink
        << QStringList{"dest/h"} << QStringList{"dest/link"};
    QTest::newRow("hard link to a link inside")
        << "tar" << Entries{file("f", "f"), symbolicLink("link", "f"), hardLinkWithData("h", "link", "data")} << -1
        << toLink << QStringList{"dest/h"} << QStringList{"dest/link", "dest/f"};
    QTest::newRow("cpio hard link with data to a link out")
        << "cpio" << Entries{symbolicLink("link", "@OUT@/dir"), hardLinkWithData("h", "link", "data")} << -1 << toLink
        << QStringList{"dest/h"} << QStringList{"dest/link"};
    QTest::newRow("cpio hard link with data to a relative link out to a file")
        << "cpio" << Entries{symbolicLink("link", "../outside/secret.txt"), hardLinkWithData("h", "link", "data")}
        << -1 << toLink << QStringList{"dest/h"} << QStringList{"dest/link"};
    QTest::newRow("hard link with data through a link inside")
        << "tar" << Entries{dir("real"), file("real/f", "f"), symbolicLink("in", "real"), hardLinkWithData("h", "in/f", "data")}
        << -1 << through << QStringList{"dest/h"} << QStringList{"dest/in", "dest/real/f"};
    QTest::newRow("hard link to the destination")
        << "tar" << Entries{hardLinkWithData("h", "./", "data")} << -1
        << extract2 + QStringLiteral("Cannot hard link to the destination ") << QStringList{"dest/h"} << QStringList{};
    // Hard links to the archive's own files stay what they were.
    QTest::newRow("hard link with data to a file of the archive")
        << "tar" << Entries{file("f", "old"), hardLinkWithData("h", "f", "data")} << 0 << QString()
        << QStringList{} << QStringList{"dest/f", "dest/h"};
    QTest::newRow("cpio hard link with data to a file of the archive")
        << "cpio" << Entries{file("f", ""), hardLinkWithData("h", "f", "data")} << 0 << QString()
        << QStringList{} << QStringList{"dest/f", "dest/h"};
    QTest::newRow("a file replacing a folder of the archive")
        << "tar" << Entries{dir("d"), file("d", "f")} << 0 << QString() << QStringList{} << QStringList{"dest/d"};
    // The destination itself is never replaced, whatever the spelling.
    const QString itself = extract2 + QStringLiteral("Cannot replace the destination ");
    for (const char *name : {".", "./", "/", "./.", ".//./", "//"}) {
        QTest::addRow("link out named %s", name)
            << "tar" << Entries{symbolicLink(name, "@OUT@")} << -1 << itself << QStringList{} << QStringList{};
    }
    // A file name that ends in a slash reads as a folder.
    for (const char *name : {".", "./.", "a/../."}) {
        QTest::addRow("file named %s", name)
            << "tar" << Entries{file(name, "x")} << -1 << (name[0] == 'a' ? extract2 : itself) << QStringList{}
            << QStringList{};
    }
    QTest::newRow("link out named ., then a file below it")
        << "tar" << Entries{symbolicLink(".", "../outside"), file("evil.txt", "x")} << -1 << itself
        << QStringList{"outside/evil.txt"} << QStringList{};
    QTest::newRow("cpio link out named .")
        << "cpio" << Entries{symbolicLink(".", "@OUT@")} << -1 << itself << QStringList{} << QStringList{};
    QTest::newRow("link out named a/..")
        << "tar" << Entries{dir("a"), symbolicLink("a/..", "@OUT@")} << -1 << extract2 << QStringList{}
        << QStringList{"dest/a"};
    // A folder entry for the destination is what tar writes for "-C dir .".
    QTest::newRow("folder entries for the destination")
        << "tar" << Entries{dir("."), dir("./"), file("./in.txt", "in")} << 0 << QString() << QStringList{}
        << QStringList{"dest/in.txt"};
    QTest::newRow("hard link to an absolute outside file")
        << "tar" << Entries{hardLink("h", "@OUT@/secret.txt")} << -1 << extract2
        << QStringList{"dest/h"} << QStringList{};
    QTest::newRow("hard link with dot-dot")
        << "tar" << Entries{hardLink("h", "../outside/secret.txt")} << -1 << extract2
        << QStringList{"dest/h"} << QStringList{};
    QTest::newRow("hard link through a link out")
        << "tar" << Entries{symbolicLink("link", "@OUT@"), hardLink("h", "link/secret.txt")} << -1 << through
        << QStringList{"dest/h"} << QStringList{};
    QTest::newRow("name component too long")
        << "tar" << Entries{file(QByteArray(300, 'n'), "x")} << -1 << extract2
        << QStringList{} << QStringList{};
    QByteArray deep;
    for (int i = 0; i < 30; ++i)
        deep += QByteArray(200, char('a' + i % 26)) + '/';
    QTest::newRow("path longer than PATH_MAX")
        << "tar" << Entries{file(deep + "leaf", "x")} << 0 << QString()
        << QStringList{} << QStringList{};
}

void tst_Extractor::escapes()
{
    QFETCH(QString, format);
    QFETCH(Entries, entries);
    QFETCH(int, result);
    QFETCH(QString, error);
    QFETCH(QStringList, absent);
    QFETCH(QStringList, present);

    const QByteArray out = QFile::encodeName(path(QStringLiteral("outside")));
    auto expand = [&](QString s) {
        return QDir::cleanPath(s.replace(QLatin1String("@OUT@"), QString::fromUtf8(out).mid(1)));
    };
    for (Entry &e : entries) {
        e.name.replace("@OUT@", out);
        e.data.replace("@OUT@", out);
    }
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, format, entries));
    const QString later = path(QStringLiteral("later.tar"));
    QVERIFY(writeArchive(later, QStringLiteral("tar"), {file("later.txt", "later")}));
    const QStringList before = outsideState(m_dir->path());
    const QString destBefore = destinationState(path(QStringLiteral("dest")));

    QCOMPARE(extractOnWorker(request(archive)), result);

    QCOMPARE(outsideState(m_dir->path()), before);
    QCOMPARE(destinationState(path(QStringLiteral("dest"))), destBefore);
    for (const QString &rel : absent) {
        struct stat st;
        const QByteArray p = QFile::encodeName(path(expand(rel)));
        QVERIFY2(lstat(p.constData(), &st) != 0 && errno == ENOENT, p.constData());
    }
    for (const QString &rel : present)
        QVERIFY2(typeOf(path(expand(rel))) != 0, qPrintable(rel));
    QCOMPARE(readFile(path(QStringLiteral("outside/secret.txt"))), QByteArray("secret"));
    if (error.contains(QLatin1String("symlink"))) {
        // Never removed to make way for what the archive wanted behind it.
        for (const Entry &one : entries) {
            if (one.kind == Kind::Symlink)
                QCOMPARE(typeOf(destPath(QString::fromUtf8(one.name))), mode_t(S_IFLNK));
        }
    }

    const QStringList e = errors();
    if (error.isEmpty()) {
        QCOMPARE(e, QStringList());
    } else {
        QCOMPARE(e.size(), 1);
        QVERIFY2(e.front().startsWith(error) && e.front().size() > error.size() + 1, qPrintable(e.front()));
    }

    // Whatever the archive did, the next extraction into the same
    // destination lands in the same folder.
    QCOMPARE(extractOnWorker(request(later)), 0);
    QCOMPARE(destinationState(path(QStringLiteral("dest"))), destBefore);
    QCOMPARE(typeOf(destPath(QStringLiteral("later.txt"))), mode_t(S_IFREG));
    QCOMPARE(readFile(destPath(QStringLiteral("later.txt"))), QByteArray("later"));
    QCOMPARE(outsideState(m_dir->path()), before);
}

// Hard links name other entries of the same archive; they must join them
// below the destination, not resolve against the working folder.
void tst_Extractor::hardLinksLandInDestination()
{
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar"),
                         {file("sub/a.txt", "shared"), hardLink("b.txt", "sub/a.txt"), hardLink("sub/c.txt", "b.txt")}));

    QCOMPARE(extractOnWorker(request(archive)), 0);

    const Tree extracted = snapshot(path(QStringLiteral("dest")), Identity);
    QCOMPARE(extracted.value("sub/a.txt").nlink, qint64(3));
    QCOMPARE(extracted.value("b.txt").ino, extracted.value("sub/a.txt").ino);
    QCOMPARE(extracted.value("sub/c.txt").ino, extracted.value("sub/a.txt").ino);
    QCOMPARE(readFile(destPath(QStringLiteral("sub/c.txt"))), QByteArray("shared"));
    QCOMPARE(m_receiver->progress, (Progress{{3, 1}, {3, 2}, {3, 3}}));
    QCOMPARE(errors(), QStringList());
}

// An existing file is unlinked and replaced, never written into: a second
// name of the old file keeps the old content. A link at the entry's place
// is replaced, not followed.
void tst_Extractor::replacesExistingEntries()
{
    QVERIFY(writeFile(destPath(QStringLiteral("a.txt")), "old content, longer than the new"));
    QCOMPARE(link(QFile::encodeName(destPath(QStringLiteral("a.txt"))).constData(),
                  QFile::encodeName(path(QStringLiteral("outside/a-second-name"))).constData()),
             0);
    QVERIFY(QFile::link(path(QStringLiteral("outside/secret.txt")), destPath(QStringLiteral("b.txt"))));
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar"), {file("a.txt", "new"), file("b.txt", "bee")}));

    QCOMPARE(extractOnWorker(request(archive)), 0);

    QCOMPARE(readFile(destPath(QStringLiteral("a.txt"))), QByteArray("new"));
    QCOMPARE(readFile(path(QStringLiteral("outside/a-second-name"))), QByteArray("old content, longer than the new"));
    QCOMPARE(typeOf(destPath(QStringLiteral("b.txt"))), mode_t(S_IFREG));
    QCOMPARE(readFile(destPath(QStringLiteral("b.txt"))), QByteArray("bee"));
    QCOMPARE(readFile(path(QStringLiteral("outside/secret.txt"))), QByteArray("secret"));
    QCOMPARE(errors(), QStringList());

    // A file that was there before may have names outside the destination:
    // a hard link of the archive may not name it, with data or without.
    QCOMPARE(link(QFile::encodeName(path(QStringLiteral("outside/secret.txt"))).constData(),
                  QFile::encodeName(destPath(QStringLiteral("old"))).constData()),
             0);
    const QString withData = path(QStringLiteral("with-data.tar"));
    const QString without = path(QStringLiteral("without.tar"));
    QVERIFY(writeArchive(withData, QStringLiteral("tar"), {hardLinkWithData("h", "old", "evil")}));
    QVERIFY(writeArchive(without, QStringLiteral("tar"), {hardLink("h", "old")}));
    const QStringList before = outsideState(m_dir->path());
    for (const QString &a : {withData, without}) {
        QCOMPARE(extractOnWorker(request(a)), -1);
        QCOMPARE(typeOf(destPath(QStringLiteral("h"))), mode_t(0));
    }
    QCOMPARE(outsideState(m_dir->path()), before);
    QCOMPARE(readFile(path(QStringLiteral("outside/secret.txt"))), QByteArray("secret"));
    const QString refused = QStringLiteral("archive_read_extract2 failed: 'Cannot hard link to %1, which this archive did not write'")
                                .arg(destPath(QStringLiteral("old")));
    QCOMPARE(errors(), (QStringList{refused, refused}));
}

void tst_Extractor::destinationThroughLink_data()
{
    QTest::addColumn<QString>("destination");  // as given, relative to the case folder
    QTest::addColumn<QString>("lands");        // where the file must end up; empty: nowhere
    QTest::addColumn<QStringList>("links");    // links that must survive
    QTest::addColumn<QString>("error");        // the one ERROR line, "@C@" the case folder

    QTest::newRow("parent folder is a link")
        << "via/app" << "real/app/f.txt" << QStringList{"via"} << QString();
    QTest::newRow("destination itself is a link")
        << "applink" << "real/app/f.txt" << QStringList{"applink"} << QString();
    QTest::newRow("missing folders below a link")
        << "via/new/deeper" << "real/new/deeper/f.txt" << QStringList{"via"} << QString();
    QTest::newRow("trailing slash")
        << "dest/" << "dest/f.txt" << QStringList{} << QString();
    QTest::newRow("link and trailing slash")
        << "via/app/" << "real/app/f.txt" << QStringList{"via"} << QString();
    // The writer would remove a link in its way and make a folder there;
    // the user's link, waiting for its target, must stay as it is.
    const QString dangling = QStringLiteral("Destination '@C@/%1' goes through the dangling symbolic link '@C@/%2'");
    QTest::newRow("dangling link among the parents")
        << "dangling/app" << QString() << QStringList{"dangling"} << dangling.arg("dangling/app", "dangling");
    QTest::newRow("destination is a dangling link")
        << "dangling" << QString() << QStringList{"dangling"} << dangling.arg("dangling", "dangling");
    QTest::newRow("dangling link with a trailing slash")
        << "dangling/" << QString() << QStringList{"dangling"} << dangling.arg("dangling//", "dangling");
    QTest::newRow("dangling link below a link")
        << "via/gone/app" << QString() << QStringList{"via", "real/gone"} << dangling.arg("via/gone/app", "via/gone");
    QTest::newRow("link loop among the parents")
        << "loop/app" << QString() << QStringList{"loop"}
        << QStringLiteral("Failed to resolve destination '@C@/loop/app' at '@C@/loop/app': %1 (%2)")
               .arg(QString::fromLocal8Bit(strerror(ELOOP))).arg(ELOOP);
    QTest::newRow("file among the parents")
        << "plain/app" << QString() << QStringList{}
        << QStringLiteral("Failed to resolve destination '@C@/plain/app' at '@C@/plain/app': %1 (%2)")
               .arg(QString::fromLocal8Bit(strerror(ENOTDIR))).arg(ENOTDIR);
}

// A user's folder reached through a link is where the user keeps it: the
// link must be used, not removed as an attack. What cannot be resolved is
// left exactly as it is.
void tst_Extractor::destinationThroughLink()
{
    QFETCH(QString, destination);
    QFETCH(QString, lands);
    QFETCH(QStringList, links);
    QFETCH(QString, error);
    QVERIFY(QDir().mkpath(path(QStringLiteral("real/app"))));
    QVERIFY(QFile::link(path(QStringLiteral("real")), path(QStringLiteral("via"))));
    QVERIFY(QFile::link(path(QStringLiteral("real/app")), path(QStringLiteral("applink"))));
    QVERIFY(QFile::link(path(QStringLiteral("nowhere")), path(QStringLiteral("dangling"))));
    QVERIFY(QFile::link(path(QStringLiteral("real/nowhere")), path(QStringLiteral("real/gone"))));
    QCOMPARE(symlink("loop", QFile::encodeName(path(QStringLiteral("loop"))).constData()), 0);
    QVERIFY(writeFile(path(QStringLiteral("plain")), "plain"));
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar"), {file("f.txt", "payload")}));
    const QStringList before = outsideState(m_dir->path());

    ExtractRequest r = request(archive);
    r.destination = QFile::encodeName(path(destination)).toStdString();
    if (destination.endsWith(QLatin1Char('/')))
        r.destination += '/';
    QCOMPARE(extractOnWorker(r), error.isEmpty() ? 0 : -1);

    if (!lands.isEmpty())
        QCOMPARE(readFile(path(lands)), QByteArray("payload"));
    for (const QString &l : links)
        QCOMPARE(typeOf(path(l)), mode_t(S_IFLNK));
    if (error.isEmpty()) {
        QCOMPARE(errors(), QStringList());
    } else {
        // Nothing at all changed, links and their targets included.
        QCOMPARE(outsideState(m_dir->path()), before);
        QCOMPARE(typeOf(path(QStringLiteral("nowhere"))), mode_t(0));
        QCOMPARE(errors(), QStringList{QString(error).replace(QLatin1String("@C@"), m_dir->path())});
    }
}

void tst_Extractor::umaskAndTimes()
{
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar"), {file("bin/run", "#!/bin/sh\n")}, 0777));
    const mode_t old = umask(027);
    const int result = ExtractArchive(request(archive));
    umask(old);
    QCOMPARE(result, 0);

    const Node run = snapshot(path(QStringLiteral("dest")), Times).value("bin/run");
    QCOMPARE(run.mode, unsigned(S_IFREG | 0750));
    QVERIFY(run.mtimeNs / 1000000000 != kArchivedTime);
}

void tst_Extractor::dialogText_data()
{
    QTest::addColumn<QString>("archiveName");  // empty: an empty archive path
    QTest::addColumn<bool>("emptyDestination");
    QTest::addColumn<bool>("textEmitted");
    QTest::addColumn<QStringList>("errorPrefixes");

    QTest::newRow("empty archive path")
        << QString() << false << false << QStringList{"Invalid Argument"};
    QTest::newRow("empty destination")
        << "a.tar" << true << false << QStringList{"Invalid Argument"};
    QTest::newRow("missing archive")
        << "missing.tar" << false << true
        << QStringList{"archive_read_open_filename failed: '", "Failed to calculate total file numbers, ret: -1"};
    QTest::newRow("archive without entries")
        << "empty.tar" << false << true
        << QStringList{"Failed to calculate total file numbers, ret: 0"};
}

void tst_Extractor::dialogText()
{
    QFETCH(QString, archiveName);
    QFETCH(bool, emptyDestination);
    QFETCH(bool, textEmitted);
    QFETCH(QStringList, errorPrefixes);
    QVERIFY(writeArchive(path(QStringLiteral("a.tar")), QStringLiteral("tar"), {file("x", "x")}));
    QVERIFY(writeArchive(path(QStringLiteral("empty.tar")), QStringLiteral("tar"), {}));

    ExtractRequest r = request(path(archiveName));
    if (archiveName.isEmpty())
        r.archive.clear();
    if (emptyDestination)
        r.destination.clear();
    QCOMPARE(extractOnWorker(r), -1);

    QCOMPARE(m_receiver->texts, textEmitted ? QStringList{kPreparingText} : QStringList());
    QCOMPARE(m_receiver->progress, Progress());
    QCOMPARE(listing(snapshot(path(QStringLiteral("dest")))), QStringList());
    const QStringList e = errors();
    QCOMPARE(e.size(), errorPrefixes.size());
    for (int i = 0; i < e.size(); ++i)
        QVERIFY2(e.at(i).startsWith(errorPrefixes.at(i)), qPrintable(e.at(i)));
    QCOMPARE(loggedPrefix(QStringLiteral("DEBUG"), QStringLiteral("decompress from")), textEmitted);
}

void tst_Extractor::badInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<Progress>("progress");
    QTest::addColumn<QStringList>("errorPrefixes");

    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    auto build = [&scratch](const QString &format, const Entries &entries) {
        const QString p = QDir(scratch.path()).filePath(QStringLiteral("b"));
        return writeArchive(p, format, entries) ? readFile(p) : QByteArray();
    };
    // Incompressible content, so that a cut or a damage in a compressed
    // archive falls where its offset says.
    const Entries three{file("one", noise(3000, 1)), file("two", noise(3000, 2)), file("three", noise(3000, 3))};
    // The gzip reader decompresses ahead by more than 64 KiB already while
    // the archive is opened; these entries leave room for that.
    const Entries threeLarge{file("one", noise(100000, 1)), file("two", noise(100000, 2)),
                             file("three", noise(100000, 3))};
    const QByteArray tar = build(QStringLiteral("tar"), three);
    const QByteArray tgz = build(QStringLiteral("tar.gz"), threeLarge);
    const QByteArray zip = build(QStringLiteral("zip"), three);
    QVERIFY(!tar.isEmpty() && !tgz.isEmpty() && !zip.isEmpty());
    const QString calc = QStringLiteral("Failed to calculate total file numbers, ret: %1");
    const QString extract2 = QStringLiteral("archive_read_extract2 failed: '");
    const QString openFailed = QStringLiteral("archive_read_open_filename failed: '");

    QTest::newRow("zero bytes") << QByteArray() << 0 << Progress() << QStringList{calc.arg(0)};
    QTest::newRow("tar without entries") << build(QStringLiteral("tar"), {}) << 0 << Progress()
                                         << QStringList{calc.arg(0)};
    QTest::newRow("zip without entries") << build(QStringLiteral("zip"), {}) << 0 << Progress()
                                         << QStringList{calc.arg(0)};
    QTest::newRow("not an archive") << QByteArray("just some text, nothing else\n").repeated(40) << -1 << Progress()
                                    << QStringList{openFailed, calc.arg(-1)};
    // Cut inside the third entry's data: its header reads, its data does not.
    QTest::newRow("tar cut in the last entry") << tar.left(3 * 512 + 2 * 3072 + 1000) << 3
                                               << Progress{{3, 1}, {3, 2}} << QStringList{extract2};
    QTest::newRow("tar cut in the second header") << tar.left(512 + 3072 + 100) << 1
                                                  << Progress{{1, 1}}
                                                  << QStringList{"archive_read_next_header failed: '"};
    QTest::newRow("gzip cut in half") << tgz.left(tgz.size() / 2) << 2 << Progress{{2, 1}}
                                      << QStringList{extract2};
    QTest::newRow("gzip cut short") << tgz.left(tgz.size() / 20) << -1 << Progress()
                                    << QStringList{openFailed, calc.arg(-1)};
    QByteArray badDeflate = tgz;
    for (int i = 20; i < badDeflate.size() - 20; ++i)
        badDeflate[i] = char(0xff);
    QTest::newRow("gzip with a damaged stream") << badDeflate << -1 << Progress()
                                                << QStringList{openFailed, calc.arg(-1)};
    QTest::newRow("zip cut before its directory") << zip.left(zip.size() - 200) << 3
                                                  << Progress{{3, 1}, {3, 2}, {3, 3}} << QStringList{};
    // Inside the second entry's data: its header is intact, its data not.
    QByteArray badZip = zip;
    for (int i = zip.size() / 2 - 20; i < zip.size() / 2 + 20; ++i)
        badZip[i] = char(0xa5);
    QTest::newRow("zip with damaged data") << badZip << 3 << Progress{{3, 1}} << QStringList{extract2};
    // The cpio reader fails on a cut archive without an error text; the
    // line says what libarchive did give.
    const QByteArray cpio = build(QStringLiteral("cpio"), three);
    QVERIFY(!cpio.isEmpty());
    const int cpioEntry = 110 + 6 + 3000;  // header, name padded to four, data
    const QString noText = QStringLiteral("no error text, result %1, archive_errno ").arg(ARCHIVE_FATAL);
    QTest::newRow("cpio cut in the last entry") << cpio.left(2 * cpioEntry + 116 + 1000) << 3
                                                << Progress{{3, 1}, {3, 2}} << QStringList{extract2 + noText};
    QTest::newRow("cpio cut in the second header") << cpio.left(cpioEntry + 50) << 1 << Progress{{1, 1}}
                                                   << QStringList{"archive_read_next_header failed: '" + noText};
    QTest::newRow("cpio cut in the first entry") << cpio.left(116 + 10) << 1 << Progress()
                                                 << QStringList{extract2 + noText};
    // Every entry is written; the writer's last step, at its close, fails.
    QTest::newRow("the writer's close fails")
        << build(QStringLiteral("tar"), {dir("mode-not-set"), file("mode-not-set/a", "a"), file("b", "b")}) << 3
        << Progress{{3, 1}, {3, 2}, {3, 3}} << QStringList{"archive_write_close failed: 'Could not set the mode of '"};
}

void tst_Extractor::badInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(Progress, progress);
    QFETCH(QStringList, errorPrefixes);
    const QString archive = path(QStringLiteral("bad"));
    QVERIFY(writeFile(archive, bytes));
    const QStringList before = outsideState(m_dir->path());

    QCOMPARE(CountArchiveEntries(request(archive)), count);
    QCOMPARE(extractOnWorker(request(archive)), errorPrefixes.isEmpty() ? 0 : -1);
    QCOMPARE(m_receiver->texts, QStringList{kPreparingText});
    QCOMPARE(m_receiver->progress, progress);
    QCOMPARE(outsideState(m_dir->path()), before);
    QStringList e = errors();
    // The counting pass above logged its own failures once already.
    if (count < 0)
        e.removeFirst();
    QCOMPARE(e.size(), errorPrefixes.size());
    for (int i = 0; i < e.size(); ++i) {
        QVERIFY2(e.at(i).startsWith(errorPrefixes.at(i)), qPrintable(e.at(i)));
        // Every failure says why.
        QVERIFY2(!e.at(i).endsWith(QLatin1String(": ''")) && !e.at(i).endsWith(QLatin1String("('')")),
                 qPrintable(e.at(i)));
    }
}

void tst_Extractor::listEntries_data()
{
    QTest::addColumn<QString>("archiveName");
    QTest::addColumn<bool>("emptyDestination");
    QTest::addColumn<int>("result");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QStringList>("errorPrefixes");

    QTest::newRow("tar") << "a.tar" << false << 0 << QByteArray("d/\nd/a.txt\nb.txt\n") << QStringList{};
    QTest::newRow("empty destination") << "a.tar" << true << -1 << QByteArray() << QStringList{"Invalid argument"};
    QTest::newRow("missing") << "missing.tar" << false << -1 << QByteArray()
                             << QStringList{"archive_read_open_filename failed: '"};
    QTest::newRow("not an archive") << "switch" << false << -1 << QByteArray()
                                    << QStringList{"archive_read_open_filename failed: '"};
}

void tst_Extractor::listEntries()
{
    QFETCH(QString, archiveName);
    QFETCH(bool, emptyDestination);
    QFETCH(int, result);
    QFETCH(QByteArray, output);
    QFETCH(QStringList, errorPrefixes);
    QVERIFY(writeArchive(path(QStringLiteral("a.tar")), QStringLiteral("tar"),
                         {dir("d"), file("d/a.txt", "a"), file("b.txt", "b")}));
    ExtractRequest r = request(path(archiveName));
    if (emptyDestination)
        r.destination.clear();

    // Standard output goes to a file for the duration of the call.
    const QByteArray outPath = QFile::encodeName(path(QStringLiteral("stdout")));
    fflush(stdout);
    const int saved = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 0);
    QVERIFY(saved >= 0);
    const int fd = open(outPath.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    QVERIFY(fd >= 0);
    QVERIFY(dup2(fd, STDOUT_FILENO) == STDOUT_FILENO);
    close(fd);
    const int got = ListArchiveEntries(r);
    fflush(stdout);
    QVERIFY(dup2(saved, STDOUT_FILENO) == STDOUT_FILENO);
    close(saved);

    QCOMPARE(got, result);
    QCOMPARE(readFile(QFile::decodeName(outPath)), output);
    const QStringList e = errors();
    QCOMPARE(e.size(), errorPrefixes.size());
    for (int i = 0; i < e.size(); ++i)
        QVERIFY2(e.at(i).startsWith(errorPrefixes.at(i)), qPrintable(e.at(i)));
}

void tst_Extractor::copyArchiveData()
{
    QCOMPARE(CopyArchiveData(nullptr, nullptr), -1);
    QCOMPARE(errors(), QStringList{QStringLiteral("Invalid Argument")});

    const QByteArray payload = noise(50000);
    const QString archive = path(QStringLiteral("a.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar"), {file("data.bin", payload), file("second", "2")}));
    const QByteArray bytes = readFile(archive);

    using Handle = std::unique_ptr<struct archive, int (*)(struct archive *)>;
    Handle reader(archive_read_new(), archive_read_free);
    Handle writer(archive_write_disk_new(), archive_write_free);
    QVERIFY(reader && writer);
    QCOMPARE(CopyArchiveData(reader.get(), nullptr), -1);
    QCOMPARE(CopyArchiveData(nullptr, writer.get()), -1);
    QCOMPARE(errors().size(), 3);

    (void)archive_read_support_format_all(reader.get());
    QCOMPARE(archive_read_open_filename(reader.get(), QFile::encodeName(archive).constData(), 10240), ARCHIVE_OK);
    struct archive_entry *entry = nullptr;
    QCOMPARE(archive_read_next_header(reader.get(), &entry), ARCHIVE_OK);
    archive_entry_set_pathname(entry, QFile::encodeName(destPath(QStringLiteral("data.bin"))).constData());
    QCOMPARE(archive_write_header(writer.get(), entry), ARCHIVE_OK);
    QCOMPARE(CopyArchiveData(reader.get(), writer.get()), 0);
    QCOMPARE(archive_write_finish_entry(writer.get()), ARCHIVE_OK);
    QCOMPARE(readFile(destPath(QStringLiteral("data.bin"))), payload);

    // A writer that was given no header refuses data.
    QCOMPARE(archive_read_next_header(reader.get(), &entry), ARCHIVE_OK);
    QCOMPARE(CopyArchiveData(reader.get(), writer.get()), -1);
    QVERIFY(loggedPrefix(QStringLiteral("ERROR"), QStringLiteral("archive_write_data_block failed: '")));

    // Data cut short by the end of the file.
    QVERIFY(writeFile(archive, bytes.left(512 + 20000)));
    Handle cut(archive_read_new(), archive_read_free);
    Handle sink(archive_write_disk_new(), archive_write_free);
    (void)archive_read_support_format_all(cut.get());
    QCOMPARE(archive_read_open_filename(cut.get(), QFile::encodeName(archive).constData(), 10240), ARCHIVE_OK);
    QCOMPARE(archive_read_next_header(cut.get(), &entry), ARCHIVE_OK);
    archive_entry_set_pathname(entry, QFile::encodeName(destPath(QStringLiteral("cut.bin"))).constData());
    QCOMPARE(archive_write_header(sink.get(), entry), ARCHIVE_OK);
    QCOMPARE(CopyArchiveData(cut.get(), sink.get()), -1);
    QVERIFY(loggedPrefix(QStringLiteral("ERROR"), QStringLiteral("archive_read_data_block failed: '")));
}

// Tiny entries keep this about the count, not the bytes.
void tst_Extractor::manyEntries()
{
    constexpr int kEntries = 100000;
    Entries entries;
    entries.reserve(kEntries);
    for (int i = 0; i < kEntries; ++i)
        entries.push_back(file(QStringLiteral("d%1/f%2").arg(i % 100, 2, 10, QLatin1Char('0')).arg(i).toUtf8(), ""));
    const QString archive = path(QStringLiteral("a.tar.gz"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar.gz"), entries));
    entries.clear();
    m_receiver.reset();

    QCOMPARE(CountArchiveEntries(request(archive)), kEntries);
    QSignalSpy progress(Notify_Adapter::getInstance(), &Notify_Adapter::sigUpdateProgress);
    QCOMPARE(ExtractArchive(request(archive)), 0);

    QCOMPARE(progress.count(), kEntries);
    QCOMPARE(progress.first(), (QVariantList{kEntries, 1}));
    QCOMPARE(progress.last(), (QVariantList{kEntries, kEntries}));
    // Counted without reading a byte: a content snapshot of this many files
    // is slow in the sanitizer builds.
    int files = 0;
    QDirIterator it(path(QStringLiteral("dest")), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        ++files;
    }
    QCOMPARE(files, kEntries);
    QCOMPARE(typeOf(destPath(QStringLiteral("d99/f99999"))), mode_t(S_IFREG));
    QCOMPARE(errors(), QStringList());
}

void tst_Extractor::commandLineTool_data()
{
    QTest::addColumn<QStringList>("arguments");  // "@A@" the archive, "@D@" the destination
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("stderrHas");

    QTest::newRow("extracts") << QStringList{"@A@", "@D@"} << 0
                              << QStringList{"[DEBUG] extractor.cpp(", "): decompress from '"};
    QTest::newRow("missing archive") << QStringList{"@A@.missing", "@D@"} << 1
                                     << QStringList{"[ERROR] extractor.cpp(",
                                                    "Failed to calculate total file numbers, ret: -1"};
    QTest::newRow("escaping archive") << QStringList{"@E@", "@D@"} << 1
                                      << QStringList{"archive_read_extract2 failed: 'Path contains '..''"};
    QTest::newRow("one argument") << QStringList{"@A@"} << 1 << QStringList{"usage: "};
    QTest::newRow("empty destination") << QStringList{"@A@", ""} << 1 << QStringList{"usage: "};
}

void tst_Extractor::commandLineTool()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QStringList, stderrHas);
    const QString archive = path(QStringLiteral("a.tar.gz"));
    const QString escaping = path(QStringLiteral("e.tar"));
    QVERIFY(writeArchive(archive, QStringLiteral("tar.gz"), {file("bin/run", "run"), file("INFO", "info")}));
    QVERIFY(writeArchive(escaping, QStringLiteral("tar"), {file("../evil", "x")}));
    for (QString &a : arguments) {
        a.replace(QLatin1String("@A@"), archive);
        a.replace(QLatin1String("@E@"), escaping);
        a.replace(QLatin1String("@D@"), path(QStringLiteral("dest")));
    }

    QProcess tool;
    tool.start(QStringLiteral(ZELTO_EXTRACT_PATH), arguments);
    QVERIFY(tool.waitForFinished(-1));
    QCOMPARE(tool.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tool.exitCode(), exitCode);
    const QString err = QString::fromUtf8(tool.readAllStandardError());
    for (const QString &part : stderrHas)
        QVERIFY2(err.contains(part), qPrintable(err));
    QCOMPARE(tool.readAllStandardOutput(), QByteArray());
    QCOMPARE(readFile(destPath(QStringLiteral("bin/run"))), exitCode == 0 ? QByteArray("run") : QByteArray());
    QCOMPARE(typeOf(path(QStringLiteral("evil"))), mode_t(0));
}

QTEST_GUILESS_MAIN(tst_Extractor)
#include "tst_extractor.moc"
