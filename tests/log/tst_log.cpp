// The debug log on real files and real standard streams. The log is
// process-wide and keeps threshold entries across configurations, so the
// cases that configure thresholds run in a forked child; the parent reads
// what the child left on disk.
#define LOG_COMPONENT "file_op_debug"
#define LOG_MODULE "file-op.cpp"
#include "log.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>
#include <thread>
#include <type_traits>

#include "support/log-lines.h"
#include "support/unprivileged.h"
#include "test-files.h"

#include <cstring>

Q_DECLARE_METATYPE(LogMode)

namespace {

using support::runInChild;

constexpr qint64 kRotateSize = 5242880;

bool redirect(int fd, const QString &path)
{
    const int to = open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (to < 0)
        return false;
    const bool ok = dup2(to, fd) == fd;
    close(to);
    return ok;
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> out = text.split('\n');
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

// The message of each line, or the line itself where it lacks the form.
QStringList messagesIn(const QByteArray &text)
{
    QStringList out;
    support::LogLine m;
    for (const QByteArray &line : lines(text))
        out << (support::parseLogLine(line, &m) ? m.message : QString::fromUtf8(line));
    return out;
}

// Runs `body` in a forked child whose log goes to the file `log`, with the
// switch file `sw` and `keep` files: 1 when the log could not be configured,
// else what `body` returned (0 for a body that returns nothing).
template <typename Body>
int inChildLoggingTo(const QString &log, const QString &sw, int keep, Body body)
{
    return runInChild([&] {
        const QByteArray logName = log.toUtf8(), switchName = sw.toUtf8();
        if (LogConfigure(LOG_MODE_FILE, logName.constData(), switchName.constData(), keep, 1) != 0)
            return 1;
        if constexpr (std::is_void_v<decltype(body())>) {
            body();
            return 0;
        } else {
            return body();
        }
    });
}

// A live file one byte short of the rotation size: the next line crosses it.
bool makeNearlyFull(const QString &log)
{
    QFile f(log);
    return f.open(QIODevice::WriteOnly) && f.resize(kRotateSize - 1);
}

// One line per level for the component, the message naming the level.
void writeEveryLevel(const char *component)
{
    ZLOG(LOG_LEVEL_ERROR, "ERROR", component, "extractor.cpp", "level 3\n");
    ZLOG(LOG_LEVEL_WARNING, "WARNING", component, "extractor.cpp", "level 4\n");
    ZLOG(LOG_LEVEL_NOTE, "NOTE", component, "extractor.cpp", "level 5\n");
    ZLOG(LOG_LEVEL_INFO, "INFO", component, "extractor.cpp", "level 6\n");
    ZLOG(LOG_LEVEL_DEBUG, "DEBUG", component, "extractor.cpp", "level 7\n");
}

// The levels found in a log, as a string such as "34".
QString levelsIn(const QByteArray &log)
{
    QString out;
    static const QRegularExpression re(QStringLiteral("^level (\\d)$"));
    for (const QString &message : messagesIn(log))
        out += re.match(message).captured(1);
    return out;
}

// Lines whose source line number the tests check; the number is the line
// of the call, two below the constant.
constexpr int kFormatInfoLine = __LINE__ + 2;
void writeFormatLines() {
    LOG_INFO("hello %s %d\n", "w\xc3\xb6rld", 42);
    LOG_ERROR("second\n");
}

constexpr int kStreamWarningLine = __LINE__ + 2;
void writeStreamLines() {
    LOG_WARNING("to the stream\n");
    LOG_INFO("filtered\n");
}

} // namespace

class TestLog : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lineFormat();
    void thresholds_data();
    void thresholds();
    void earlierEntriesStay();
    void beforeConfigurationGoesToStderr();
    void standardStreams_data();
    void standardStreams();
    void unopenableSink_data();
    void unopenableSink();
    void specialFileAtLogName_data();
    void specialFileAtLogName();
    void rotationAtFiveMiB();
    void rotationKeepsCount();
    void rotationShiftsFullSet();
    void failedRotationStopsLog();
    void threadsDoNotInterleave();

private:
    // A fresh folder for each case and row.
    std::unique_ptr<QTemporaryDir> m_dir;
    QString path(const QString &name) const { return m_dir->filePath(name); }
};

void TestLog::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestLog::lineFormat()
{
    const QString log = path("format.log"), sw = path("format.debug");
    QVERIFY(writeFile(sw, "file_op_debug=7\n"));
    QCOMPARE(inChildLoggingTo(log, sw, 50, writeFormatLines), 0);

    const QByteArray text = readFile(log);
    QCOMPARE(messagesIn(text), (QStringList{"hello w\u00f6rld 42", "second"}));
    const QVector<support::LogLine> got = support::logLines(text);
    const support::LogLine &m = got.at(0), &m2 = got.at(1);
    // The child's pid is unknown here; it is a number right-aligned in five.
    QVERIFY(m.pid.trimmed().toInt() > 0);
    QCOMPARE(m.level, QStringLiteral("INFO"));
    QCOMPARE(m.module, QStringLiteral("file-op.cpp"));
    QCOMPARE(m.line, kFormatInfoLine);
    QCOMPARE(m2.level, QStringLiteral("ERROR"));
    QCOMPARE(m2.pid, m.pid);
    QCOMPARE(m2.tid, m.tid);
}

void TestLog::thresholds_data()
{
    QTest::addColumn<QByteArray>("switchFile"); // its content; null: none
    QTest::addColumn<QString>("component");
    QTest::addColumn<QString>("levels");
    QTest::addColumn<QString>("special"); // a file of this kind at its name

    QTest::newRow("no switch file") << QByteArray() << "file_op_debug" << "34" << QString();
    QTest::newRow("empty switch file") << QByteArray("") << "service_debug" << "34" << QString();
    QTest::newRow("extractor 7") << QByteArray("extractor_debug=7\n") << "extractor_debug" << "34567" << QString();
    QTest::newRow("extractor 7, other stays 4") << QByteArray("extractor_debug=7\n") << "service_debug" << "34" << QString();
    QTest::newRow("default_component 7") << QByteArray("default_component=7\n") << "launcher_debug" << "34" << QString();
    QTest::newRow("default_component itself") << QByteArray("default_component=7\n") << "default_component" << "34567" << QString();
    QTest::newRow("non-numeric silences") << QByteArray("file_op_debug=abc\n") << "file_op_debug" << "" << QString();
    QTest::newRow("zero silences") << QByteArray("file_op_debug=0\n") << "file_op_debug" << "" << QString();
    QTest::newRow("negative silences") << QByteArray("file_op_debug=-3\n") << "file_op_debug" << "" << QString();
    QTest::newRow("leading number") << QByteArray("file_op_debug=5abc\n") << "file_op_debug" << "345" << QString();
    QTest::newRow("plus sign") << QByteArray("file_op_debug=+6\n") << "file_op_debug" << "3456" << QString();
    QTest::newRow("quoted, blank first") << QByteArray("file_op_debug=\" 7\"\n") << "file_op_debug" << "" << QString();
    QTest::newRow("huge saturates") << QByteArray("file_op_debug=99999999999999\n") << "file_op_debug" << "34567" << QString();
    QTest::newRow("huge negative") << QByteArray("file_op_debug=-99999999999999\n") << "file_op_debug" << "" << QString();
    QTest::newRow("level 3 only") << QByteArray("file_op_debug=3\n") << "file_op_debug" << "3" << QString();
    QTest::newRow("comments and blanks") << QByteArray("# levels\n\n service_debug = 6 # more\n") << "service_debug" << "3456" << QString();
    QTest::newRow("case-sensitive component") << QByteArray("SERVICE_DEBUG=7\n") << "service_debug" << "34" << QString();
    QTest::newRow("bad line drops file") << QByteArray("service_debug=7\nservice_debug\n") << "service_debug" << "34" << QString();
    QTest::newRow("empty value drops file") << QByteArray("service_debug=7\nfile_op_debug=\n") << "service_debug" << "34" << QString();
    QTest::newRow("section drops file") << QByteArray("[log]\nextractor_debug=7\n") << "extractor_debug" << "34" << QString();
    QTest::newRow("last line wins") << QByteArray("service_debug=7\nservice_debug=3\n") << "service_debug" << "3" << QString();
    // A special file at the switch file's name is no switch file.
    for (const QString &kind : specialFileKinds())
        QTest::addRow("switch file is a %s", qPrintable(kind)) << QByteArray() << "service_debug" << "34" << kind;
}

void TestLog::thresholds()
{
    QFETCH(QByteArray, switchFile);
    QFETCH(QString, component);
    QFETCH(QString, levels);
    QFETCH(QString, special);

    const QString log = path("thresholds.log");
    const QString sw = path("thresholds.debug");
    if (!special.isEmpty()) {
        if (!makeSpecialFile(sw, special))
            QSKIP(qPrintable(QStringLiteral("cannot make it here: %1").arg(strerror(errno))));
    } else if (!switchFile.isNull()) {
        QVERIFY(writeFile(sw, switchFile));
    }

    const QByteArray comp = component.toUtf8();
    QCOMPARE(inChildLoggingTo(log, sw, 50, [&] { writeEveryLevel(comp.constData()); }), 0);
    QCOMPARE(levelsIn(readFile(log)), levels);
}

void TestLog::earlierEntriesStay()
{
    const QString log = path("stay.log"), a = path("stay-a.debug"), b = path("stay-b.debug");
    QVERIFY(writeFile(a, "extractor_debug=7\nservice_debug=7\n"));
    QVERIFY(writeFile(b, "service_debug=3\n"));
    const int rc = inChildLoggingTo(log, a, 50, [&] {
        if (LogConfigure(LOG_MODE_FILE, log.toUtf8().constData(), b.toUtf8().constData(), 50, 1) != 0)
            return 2;
        writeEveryLevel("extractor_debug");
        writeEveryLevel("service_debug");
        return 0;
    });
    QCOMPARE(rc, 0);
    QCOMPARE(levelsIn(readFile(log)), QStringLiteral("345673"));
}

void TestLog::beforeConfigurationGoesToStderr()
{
    const QString err = path("initial.stderr");
    const int rc = runInChild([&] {
        if (!redirect(STDERR_FILENO, err))
            return 1;
        LOG_ERROR("before configuration\n");
        LOG_NOTE("not shown\n");
        return 0;
    });
    QCOMPARE(rc, 0);
    QCOMPARE(messagesIn(readFile(err)), QStringList{"before configuration"});
}

void TestLog::standardStreams_data()
{
    QTest::addColumn<LogMode>("sink");
    QTest::addColumn<int>("fd"); // the stream that sink writes to
    QTest::newRow("stdout") << LOG_MODE_STDOUT << STDOUT_FILENO;
    QTest::newRow("stderr") << LOG_MODE_STDERR << STDERR_FILENO;
}

void TestLog::standardStreams()
{
    QFETCH(LogMode, sink);
    QFETCH(int, fd);
    const QString out = path("stream.out");
    const QString unused = path("stream.log");
    const int rc = runInChild([&] {
        if (!redirect(fd, out))
            return 1;
        // The log path is ignored outside the file mode.
        if (LogConfigure(sink, unused.toUtf8().constData(), "", 50, 1) != 0)
            return 2;
        writeStreamLines();
        fflush(nullptr);
        return 0;
    });
    QCOMPARE(rc, 0);
    QCOMPARE(messagesIn(readFile(out)), QStringList{"to the stream"});
    QVERIFY(readFile(out).endsWith("[WARNING] file-op.cpp(" + QByteArray::number(kStreamWarningLine)
                                   + "): to the stream\n"));
    QVERIFY(!QFile::exists(unused));
}

void TestLog::unopenableSink_data()
{
    QTest::addColumn<int>("sink"); // a LogMode, or a number that names none
    QTest::addColumn<QString>("logName");
    QTest::addColumn<bool>("toStderr"); // false: the log is disabled
    QTest::addColumn<bool>("nothingAtLogName"); // the log's path is not even created
    // A log file that cannot be opened leaves the log as it was before any
    // configuration: standard error, timestamps, the default thresholds.
    QTest::newRow("missing folder") << int(LOG_MODE_FILE) << "no-such-folder/x.log" << true << false;
    QTest::newRow("empty path") << int(LOG_MODE_FILE) << "" << true << false;
    QTest::newRow("path is a folder") << int(LOG_MODE_FILE) << "." << true << false;
    QTest::newRow("unknown mode") << 7 << "unknown-mode.log" << false << true;
}

void TestLog::unopenableSink()
{
    QFETCH(int, sink);
    QFETCH(QString, logName);
    QFETCH(bool, toStderr);
    QFETCH(bool, nothingAtLogName);
    const QString err = path("disabled.stderr");
    const QString sw = path("disabled.debug");
    QVERIFY(writeFile(sw, "file_op_debug=7\n"));
    const QByteArray log = logName.isEmpty() ? QByteArray() : path(logName).toUtf8();
    const int rc = runInChild([&] {
        if (!redirect(STDERR_FILENO, err))
            return 1;
        if (LogConfigure(sink, log.constData(), sw.toUtf8().constData(), 50, 1) != -1)
            return 2;
        if (LogIsEnabled(LOG_LEVEL_ERROR, LOG_COMPONENT) != toStderr)
            return 3;
        LogWrite(LOG_LEVEL_ERROR, LOG_COMPONENT, "(%5d:%5d) [ERROR] file-op.cpp(%d): kept\n", 1, 2, 3);
        LOG_DEBUG("not shown\n");
        return 0;
    });
    QCOMPARE(rc, 0);
    QCOMPARE(messagesIn(readFile(err)), toStderr ? QStringList{"kept"} : QStringList());
    if (nothingAtLogName)
        QVERIFY(!QFile::exists(QString::fromUtf8(log)));
}

void TestLog::specialFileAtLogName_data()
{
    QTest::addColumn<QString>("kind"); // of the special file at the log's name
    QTest::addColumn<bool>("reader"); // a FIFO with somebody reading it
    QTest::addColumn<bool>("rotated"); // the first line rotates the log
    QTest::addColumn<bool>("hardLink"); // instead, a second name of a document
    for (const QString &kind : specialFileKinds())
        QTest::addRow("%s", qPrintable(kind)) << kind << false << (kind == "sparse") << false;
    QTest::newRow("fifo being read") << "fifo" << true << false << false;
    // A second name of another file of the user's: the log must not grow
    // inside that file.
    QTest::newRow("hard link to a document") << QString() << false << false << true;
}

// Opening a FIFO for writing blocks until somebody reads it, and writing to
// /dev/zero or a device never fills anything: such a file at the log's name
// is replaced by a fresh log file. A terabyte of holes is a log far past
// its size: the first line rotates it.
void TestLog::specialFileAtLogName()
{
    QFETCH(QString, kind);
    QFETCH(bool, reader);
    QFETCH(bool, rotated);
    QFETCH(bool, hardLink);
    const QString log = path("special.log");
    const QString document = path("letter.txt");
    if (hardLink) {
        QVERIFY(writeFile(document, "dear user\n"));
        QCOMPARE(::link(QFile::encodeName(document).constData(), QFile::encodeName(log).constData()), 0);
    } else if (!makeSpecialFile(log, kind))
        QSKIP(qPrintable(QStringLiteral("cannot make a %1 here: %2").arg(kind, strerror(errno))));
    int readEnd = -1;
    if (reader)
        readEnd = open(QFile::encodeName(log).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    QVERIFY(!reader || readEnd >= 0);

    const int rc = inChildLoggingTo(log, QString(), 50, [] {
        LOG_ERROR("first\n");
        LOG_ERROR("second\n");
    });
    if (readEnd >= 0)
        close(readEnd);
    QCOMPARE(rc, 0);

    struct stat st;
    QCOMPARE(lstat(QFile::encodeName(log).constData(), &st), 0);
    QVERIFY(S_ISREG(st.st_mode));
    const QStringList expected = rotated ? QStringList{"second"} : QStringList{"first", "second"};
    QCOMPARE(messagesIn(readFile(log)), expected);
    // The first line went to the end of the old file, which now is rotated
    // file 0.
    if (rotated)
        QVERIFY(QFileInfo(log + "_0").size() > (qint64(1) << 40));
    if (hardLink) {
        QCOMPARE(readFile(document), QByteArray("dear user\n"));
        QCOMPARE(st.st_nlink, nlink_t(1));
    }
}

void TestLog::rotationAtFiveMiB()
{
    const QString log = path("launcher.log");
    const int rc = inChildLoggingTo(log, QString(), 3, [&] {
        const std::string pad(1000, 'x');
        // Line n is numbered so the one that crossed the limit can be found.
        for (int n = 0; n < 6000; ++n) {
            LOG_ERROR("line %d %s\n", n, pad.c_str());
            struct stat st;
            if (stat(log.toUtf8().constData(), &st) != 0)
                return 2;
            if (QFile::exists(log + "_0")) {
                // The crossing line n went to the old file; one more line
                // starts the fresh live file.
                LOG_ERROR("line %d %s\n", n + 1, pad.c_str());
                return 0;
            }
        }
        return 3;
    });
    QCOMPARE(rc, 0);

    const QList<QByteArray> old = lines(readFile(log + "_0"));
    const QList<QByteArray> live = lines(readFile(log));
    QVERIFY(!old.isEmpty());
    QCOMPARE(live.size(), 1);
    QVERIFY(QFileInfo(log + "_0").size() > kRotateSize);
    // Without the last line the old file was still within the limit.
    QVERIFY(QFileInfo(log + "_0").size() - old.last().size() - 1 <= kRotateSize);
    const QRegularExpression number(QStringLiteral(": line (\\d+) "));
    const int lastOld = number.match(QString::fromUtf8(old.last())).captured(1).toInt();
    const int firstLive = number.match(QString::fromUtf8(live.first())).captured(1).toInt();
    QCOMPARE(firstLive, lastOld + 1);
    QCOMPARE(number.match(QString::fromUtf8(old.first())).captured(1).toInt(), 0);
    QVERIFY(!QFile::exists(log + "_1"));
}

void TestLog::rotationKeepsCount()
{
    // Keep count 3: the live file and rotated files 0 and 1, never 2.
    const QString log = path("keep.log");
    const int rc = inChildLoggingTo(log, QString(), 3, [&] {
        const std::string pad(4000, 'k');
        int rotations = 0;
        qint64 lastSize = 0;
        for (int n = 0; rotations < 4 && n < 100000; ++n) {
            LOG_ERROR("rotation %d %s\n", rotations, pad.c_str());
            const qint64 size = QFileInfo(log).size();
            if (size < lastSize)
                ++rotations;
            lastSize = size;
        }
        return rotations == 4 ? 0 : 2;
    });
    QCOMPARE(rc, 0);
    const QStringList kept{"keep.log", "keep.log_0", "keep.log_1"};
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), kept);
    // File 0 holds the newest old content.
    QVERIFY(lines(readFile(log + "_0")).last().contains(": rotation 3 "));
    QVERIFY(lines(readFile(log + "_1")).last().contains(": rotation 2 "));
}

void TestLog::rotationShiftsFullSet()
{
    // Keep count 50 with all fifty rotated names present: one rotation moves
    // 0..48 up by one, drops the oldest, and no file 49 is left.
    const QString log = path("launcher.log");
    for (int k = 0; k < 50; ++k)
        QVERIFY(writeFile(log + "_" + QString::number(k), "old " + QByteArray::number(k) + "\n"));
    QVERIFY(makeNearlyFull(log));
    const int rc = inChildLoggingTo(log, QString(), 50, [] {
        LOG_ERROR("crossing\n");
        LOG_ERROR("fresh\n");
    });
    QCOMPARE(rc, 0);
    QVERIFY(!QFile::exists(log + "_49"));
    // The live file and rotated files 0 to 48, nothing else.
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden).size(), 50);
    QVERIFY(readFile(log + "_0").endsWith(": crossing\n"));
    for (int k = 1; k <= 48; ++k)
        QCOMPARE(readFile(log + "_" + QString::number(k)), "old " + QByteArray::number(k - 1) + "\n");
    QCOMPARE(messagesIn(readFile(log)), QStringList{"fresh"});
}

void TestLog::failedRotationStopsLog()
{
    // With keep count 1 the live file is renamed straight to file 0; a
    // non-empty folder of that name makes the rename fail, and the log
    // then writes nothing until it is configured again.
    const QString log = path("stuck.log");
    QVERIFY(QDir().mkpath(log + "_0/inside"));
    QVERIFY(makeNearlyFull(log));
    const int rc = inChildLoggingTo(log, QString(), 1, [&] {
        LOG_ERROR("crossing\n");
        LOG_ERROR("lost\n");
        if (LogConfigure(LOG_MODE_FILE, log.toUtf8().constData(), "", 1, 1) != 0)
            return 2;
        LOG_ERROR("after reconfiguration\n");
        return 0;
    });
    QCOMPARE(rc, 0);
    const QByteArray content = readFile(log);
    QVERIFY(content.contains(": crossing\n"));
    QVERIFY(!content.contains(": lost\n"));
    QVERIFY(content.endsWith(": after reconfiguration\n"));
    QVERIFY(QFileInfo(log + "_0").isDir());
}

void TestLog::threadsDoNotInterleave()
{
    // Runs in this process: a forked child of a threaded process (QtTest's
    // watchdog) may not start threads under the thread sanitizer. The log
    // goes back to its initial sink afterwards.
    const QString log = path("threads.log");
    constexpr int kLines = 2000;
    QCOMPARE(LogConfigure(LOG_MODE_FILE, log.toUtf8().constData(), "", 5, 1), 0);
    const std::string pad(600, 't');
    auto writer = [&](char tag) {
        for (int n = 0; n < kLines; ++n)
            LOG_ERROR("%c %d %s\n", tag, n, pad.c_str());
    };
    std::thread ta(writer, 'a'), tb(writer, 'b');
    ta.join();
    tb.join();
    LogConfigure(LOG_MODE_STDERR, "", "", 0, 0);

    // 2 x 2000 lines of ~650 bytes stay below the rotation size.
    QVERIFY(!QFile::exists(log + "_0"));
    const QRegularExpression whole(QStringLiteral("^[ab] \\d+ t{600}$"));
    int a = 0, b = 0;
    for (const QString &msg : messagesIn(readFile(log))) {
        QVERIFY2(whole.match(msg).hasMatch(), qPrintable(msg.left(80)));
        if (msg.startsWith('a'))
            ++a;
        else if (msg.startsWith('b'))
            ++b;
    }
    QCOMPARE(a, kLines);
    QCOMPARE(b, kLines);
}

QTEST_GUILESS_MAIN(TestLog)
#include "tst_log.moc"
