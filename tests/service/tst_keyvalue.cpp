// The strict key/value reader against real files: every verdict of the line
// grammar, the 8192-byte pieces, and what a failed load leaves in the map.
#include "key-value-file.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "test-files.h"

#include <map>
#include <string>

#include <sys/stat.h>

using Entries = std::map<std::string, std::string>;
Q_DECLARE_METATYPE(Entries)

class TestKeyValue : public QObject
{
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void loadAddsToEarlierEntries();
    void badLineEmptiesEarlierLoads();
    void unreadableLeavesMapAlone_data();
    void unreadableLeavesMapAlone();
    void largestFileIsRead();
    void valueOfAbsentKeyInsertsIt();
    void readErrorGivesNothing();

private:
    QTemporaryDir m_dir;
};

void TestKeyValue::load_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("result");
    QTest::addColumn<Entries>("entries");

    const Entries none;
    const Entries pid{{"pid", "1234"}};

    QTest::newRow("empty file") << QByteArray() << 0 << none;
    QTest::newRow("blank and comment lines") << QByteArray("\n   \n# note\n\t# indented\n") << 0 << none;
    QTest::newRow("plain") << QByteArray("pid=1234\n") << 0 << pid;
    QTest::newRow("no final line feed") << QByteArray("pid=1234") << 0 << pid;
    QTest::newRow("blanks and comment") << QByteArray("  pid  =  1234   # the client\n") << 0 << pid;
    QTest::newRow("CRLF") << QByteArray("pid=1234\r\n") << 0 << pid;
    QTest::newRow("double quotes") << QByteArray("name=\"a b 'c'\"\n") << 0 << Entries{{"name", "a b 'c'"}};
    QTest::newRow("single quotes") << QByteArray("name='a \"b\"'\n") << 0 << Entries{{"name", "a \"b\""}};
    QTest::newRow("empty quoted value") << QByteArray("k=\"\"\n") << 0 << Entries{{"k", ""}};
    QTest::newRow("unquoted keeps # = and quotes") << QByteArray("k=a#b=c'd\n") << 0 << Entries{{"k", "a#b=c'd"}};
    QTest::newRow("key chars") << QByteArray("a-b_c.9=x\n") << 0 << Entries{{"a-b_c.9", "x"}};
    QTest::newRow("empty key") << QByteArray("=v\n") << 0 << Entries{{"", "v"}};
    QTest::newRow("hash right after key") << QByteArray("key#x\n") << 0 << none;
    QTest::newRow("later value wins") << QByteArray("k=1\nk=2\n") << 0 << Entries{{"k", "2"}};
    QTest::newRow("high bytes in value") << QByteArray("k=\xc3\xa9t\xc3\xa9\xff\n") << 0 << Entries{{"k", "\xc3\xa9t\xc3\xa9\xff"}};
    QTest::newRow("NUL ends the line")
        << QByteArray("k=v\0garbage here\n", 17) << 0 << Entries{{"k", "v"}};
    QTest::newRow("NUL right after =") << QByteArray("k=\0v\n", 5) << -1 << none;
    QTest::newRow("entries in key order") << QByteArray("b=2\na=1\nB=3\n") << 0 << Entries{{"B", "3"}, {"a", "1"}, {"b", "2"}};

    QTest::newRow("blank inside unquoted") << QByteArray("pid=12 34\n") << -1 << none;
    QTest::newRow("key without =") << QByteArray("service_debug\n") << -1 << none;
    QTest::newRow("key and = only") << QByteArray("pid=\n") << -1 << none;
    QTest::newRow("key and = at EOF") << QByteArray("pid=") << -1 << none;
    QTest::newRow("key = and blanks") << QByteArray("pid=   \r\n") << -1 << none;
    QTest::newRow("unclosed quote") << QByteArray("k=\"abc\n") << -1 << none;
    QTest::newRow("tab in quoted value") << QByteArray("k=\"a\tb\"\n") << -1 << none;
    QTest::newRow("DEL in value") << QByteArray("k=a\x7f\n") << -1 << none;
    QTest::newRow("control byte in value") << QByteArray("k=a\x01\n") << -1 << none;
    QTest::newRow("text after quoted value") << QByteArray("k='a'b\n") << -1 << none;
    QTest::newRow("section header") << QByteArray("[Version]\n") << -1 << none;
    QTest::newRow("high byte in key") << QByteArray("k\xc3\xa9=1\n") << -1 << none;
    QTest::newRow("blank inside key") << QByteArray("a b=1\n") << -1 << none;
    QTest::newRow("good then bad") << QByteArray("a=1\nb=2\nservice_debug\n") << -1 << none;
    QTest::newRow("bad then good") << QByteArray("oops\na=1\n") << -1 << none;

    // fgets hands over at most 8191 bytes; the rest of a longer line is a
    // line of its own.
    const QByteArray longValue(9000, 'a');
    QTest::newRow("long line, tail is a bare key") << QByteArray("k=" + longValue + "\n") << -1 << none;
    QTest::newRow("long comment, tail has =") << QByteArray("#" + QByteArray(8190, 'c') + "x=1\n") << 0 << Entries{{"x", "1"}};
    QTest::newRow("8191 bytes exactly") << QByteArray("k=" + QByteArray(8188, 'v') + "\n") << 0
                                        << Entries{{"k", std::string(8188, 'v')}};
    QTest::newRow("value cut at piece end") << QByteArray("k=" + QByteArray(8189, 'v') + "\n") << 0
                                            << Entries{{"k", std::string(8189, 'v')}};
    QTest::newRow("long line, tail blank") << QByteArray("k=" + QByteArray(8189, 'v') + "   \n") << 0
                                           << Entries{{"k", std::string(8189, 'v')}};
}

void TestKeyValue::load()
{
    QFETCH(QByteArray, content);
    QFETCH(int, result);
    QFETCH(Entries, entries);

    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(writeFile(path, content));

    KeyValueFile kv;
    QCOMPARE(kv.load(QFile::encodeName(path).toStdString()), result);
    QCOMPARE(kv.entries(), entries);
}

void TestKeyValue::loadAddsToEarlierEntries()
{
    const QString a = m_dir.filePath("add-a"), b = m_dir.filePath("add-b");
    QVERIFY(writeFile(a, "x=1\ny=1\n"));
    QVERIFY(writeFile(b, "y=2\nz=2\n"));

    KeyValueFile kv;
    QCOMPARE(kv.load(a.toStdString()), 0);
    QCOMPARE(kv.load(b.toStdString()), 0);
    QCOMPARE(kv.entries(), (Entries{{"x", "1"}, {"y", "2"}, {"z", "2"}}));
}

void TestKeyValue::badLineEmptiesEarlierLoads()
{
    const QString good = m_dir.filePath("earlier-good"), bad = m_dir.filePath("earlier-bad");
    QVERIFY(writeFile(good, "pid=1\n"));
    QVERIFY(writeFile(bad, "q=2\nbroken line\n"));

    KeyValueFile kv;
    QCOMPARE(kv.load(good.toStdString()), 0);
    QCOMPARE(kv.load(bad.toStdString()), -1);
    QVERIFY(kv.entries().empty());
}

void TestKeyValue::unreadableLeavesMapAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind"); // made at the name first, as makeSpecialFile takes it
    QTest::addColumn<bool>("linked"); // the name is a link to it, made beside
    QTest::addColumn<int>("bytes"); // else a file of this size at the name; 0: none
    QTest::newRow("empty path") << QString() << "" << false << 0;
    QTest::newRow("missing file") << QStringLiteral("no-such-file") << "" << false << 0;
    QTest::newRow("folder") << QStringLiteral(".") << "" << false << 0;
    // Opening any of these for reading the ordinary way blocks for ever or
    // never reaches an end.
    for (const QString &kind : specialFileKinds())
        QTest::addRow("%s", qPrintable(kind)) << kind << kind << false << 0;
    QTest::newRow("link to a FIFO") << QStringLiteral("fifo-link") << "fifo" << true << 0;
    // One byte past the 64 KiB that these files may have.
    QTest::newRow("just over 64 KiB") << QStringLiteral("big") << "" << false << 65537;
}

void TestKeyValue::unreadableLeavesMapAlone()
{
    QFETCH(QString, name);
    QFETCH(QString, kind);
    QFETCH(bool, linked);
    QFETCH(int, bytes);
    const QString good = m_dir.filePath("alone-good");
    QVERIFY(writeFile(good, "pid=7\n"));

    const QString target = m_dir.filePath(name);
    const QByteArray native = QFile::encodeName(target);
    if (linked) {
        QVERIFY(makeSpecialFile(m_dir.filePath("the-" + kind), kind));
        QVERIFY(QFile::link(m_dir.filePath("the-" + kind), target));
    } else if (bytes > 0) {
        QFile::remove(target);
        QVERIFY(writeFile(target, "pid=8\n" + QByteArray(bytes - 6, '#')));
    } else if (!kind.isEmpty() && !makeSpecialFile(target, kind)) {
        QSKIP(qPrintable(QStringLiteral("cannot make a %1 here: %2").arg(kind, strerror(errno))));
    }

    KeyValueFile kv;
    QCOMPARE(kv.load(good.toStdString()), 0);
    const std::string path = name.isEmpty() ? std::string() : native.toStdString();
    QCOMPARE(kv.load(path), -1);
    QCOMPARE(kv.entries(), (Entries{{"pid", "7"}}));
}

void TestKeyValue::largestFileIsRead()
{
    // 64 KiB exactly is still one of ours; the status is that of the file.
    const QString path = m_dir.filePath("largest");
    QByteArray content = "pid=9\n";
    content += QByteArray(65536 - content.size() - 1, '#') + "\n";
    QVERIFY(writeFile(path, content));
    KeyValueFile kv;
    struct stat st;
    QCOMPARE(kv.load(QFile::encodeName(path).toStdString(), &st), 0);
    QCOMPARE(kv.entries(), (Entries{{"pid", "9"}}));
    QCOMPARE(qint64(st.st_size), qint64(65536));
    QVERIFY(S_ISREG(st.st_mode));
}

void TestKeyValue::valueOfAbsentKeyInsertsIt()
{
    KeyValueFile kv;
    QCOMPARE(kv.value("pid"), std::string());
    QCOMPARE(kv.entries(), (Entries{{"pid", ""}}));
    kv.clear();
    QVERIFY(kv.entries().empty());
}

void TestKeyValue::readErrorGivesNothing()
{
    // /proc/self/mem opens but every read at offset 0 fails with EIO.
    KeyValueFile kv;
    if (!QFile::exists("/proc/self/mem"))
        QSKIP("no /proc/self/mem to produce a read error");
    QCOMPARE(kv.load("/proc/self/mem"), -1);
    QVERIFY(kv.entries().empty());
}

QTEST_GUILESS_MAIN(TestKeyValue)
#include "tst_keyvalue.moc"
