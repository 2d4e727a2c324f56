// Start-up: the path table under the desktop and XDG_DATA_HOME rules
// in-process, then the launcher executable as a real process in a staged
// tree (bin/, lib/plugins/, log/ switch file) with a private home.
#include "extractor.h"
#include "log.h"
#include "startup.h"
#include "uipathmanager.h"

#include <QApplication>
#include <QFont>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "support/install-root.h"
#include "support/log-lines.h"
#include "test-files.h"

namespace {

// The messages of a log's lines, after the prefix, for one level word.
QStringList messages(const QByteArray &log, const QString &word)
{
    QStringList out;
    for (const support::LogLine &line : support::logLines(log))
        if (line.level == word)
            out << line.module + QLatin1Char('|') + line.message;
    return out;
}

bool libarchiveMapped()
{
    return readFile(QStringLiteral("/proc/self/maps")).contains("/libarchive.so");
}

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

} // namespace

class TestMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pathTable_data();
    void pathTable();
    void fontFollowsLanguage_data();
    void fontFollowsLanguage();
    void startUpLogsPaths();
    void pathTableInLaunchedProcess_data();
    void pathTableInLaunchedProcess();
    void bareNameGivesRelativePluginPath_data();
    void bareNameGivesRelativePluginPath();
    void secondLauncherIsRefused();
    void lockOfAnotherHostIsNamed();
    void blockedLogFolder();
    void noSwitchFileNoInfoLines();
    void archiveBoundOnFirstUse_data();
    void archiveBoundOnFirstUse();

private:
    // A tree that looks installed: root/bin/zelto-launcher, the support
    // library it finds through $ORIGIN/../lib,
    // root/lib/plugins/platforms/libqoffscreen.so, root/log/.
    bool stage(const QByteArray &switchFile);
    // Runs the staged launcher in `folder` (the case's folder when empty);
    // with `bareName`, argv[0] is exactly "zelto-launcher", as when it is
    // found on PATH.
    Run launch(const QProcessEnvironment &extra = QProcessEnvironment(),
               const QString &folder = QString(), bool bareName = false);
    QString launcherLog() const { return m_home + "/.QuenmarkZelto/log/launcher.log"; }

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root, m_home, m_runtime;
};

void TestMain::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_root = m_dir->filePath("root");
    m_home = m_dir->filePath("home");
    m_runtime = m_dir->filePath("runtime");
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(m_runtime));
}

bool TestMain::stage(const QByteArray &switchFile)
{
    if (!QDir().mkpath(m_root + "/bin") || !QDir().mkpath(m_root + "/lib/plugins/platforms")
        || !QDir().mkpath(m_root + "/log"))
        return false;
    if (!QFile::copy(QStringLiteral(LAUNCHER_EXE), m_root + "/bin/zelto-launcher"))
        return false;
    if (!QFile::link(QStringLiteral(OFFSCREEN_PLUGIN), m_root + "/lib/plugins/platforms/libqoffscreen.so"))
        return false;
    const QString library = QStringLiteral(SUPPORT_LIBRARY);
    if (!QFile::link(library, m_root + "/lib/" + QFileInfo(library).fileName()))
        return false;
    return switchFile.isNull() || writeFile(m_root + "/log/launcher.debug", switchFile);
}

Run TestMain::launch(const QProcessEnvironment &extra, const QString &folder, bool bareName)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", m_home);
    env.insert("XDG_RUNTIME_DIR", m_runtime);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.remove("XDG_CURRENT_DESKTOP");
    env.remove("XDG_DATA_HOME");
    for (const QString &key : extra.keys()) {
        if (extra.value(key) == QLatin1String("<unset>"))
            env.remove(key);
        else
            env.insert(key, extra.value(key));
    }
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder.isEmpty() ? m_dir->path() : folder);
    if (bareName)
        p.start("bash", {"-c", "exec -a zelto-launcher '" + m_root + "/bin/zelto-launcher'"});
    else
        p.start(m_root + "/bin/zelto-launcher", QStringList());
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished();
        return Run();
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

void TestMain::pathTable_data()
{
    QTest::addColumn<QString>("desktop"); // null: unset
    QTest::addColumn<QString>("dataHome"); // null: unset
    QTest::addColumn<QString>("base"); // "~" for the home folder
    QTest::addColumn<int>("installPathLines");

    const QString share = QStringLiteral("/home/u/.local/share");
    QTest::newRow("desktop unset") << QString() << share << "~" << 0;
    QTest::newRow("GNOME") << "ubuntu:GNOME" << share << "~" << 0;
    QTest::newRow("Deepin with data home") << "Deepin" << share << share << 8;
    QTest::newRow("Deepin, trailing slash") << "Deepin" << share + "/" << share << 8;
    QTest::newRow("Deepin, doubled separators") << "Deepin" << "/home//u/./.local/x/../share" << share << 8;
    QTest::newRow("Deepin, data home unset") << "Deepin" << QString() << "~" << 8;
    QTest::newRow("Deepin, data home empty") << "Deepin" << "" << "~" << 8;
    QTest::newRow("Deepin in a list") << "Deepin:GNOME" << share << "~" << 0;
    QTest::newRow("deepin lower case") << "deepin" << share << "~" << 0;
    QTest::newRow("desktop empty") << "" << share << "~" << 0;
}

void TestMain::pathTable()
{
    QFETCH(QString, desktop);
    QFETCH(QString, dataHome);
    QFETCH(QString, base);
    QFETCH(int, installPathLines);

    ScopedEnv home("HOME", m_home);
    ScopedEnv d("XDG_CURRENT_DESKTOP", desktop);
    ScopedEnv h("XDG_DATA_HOME", dataHome);

    // The DEBUG lines of the base rule, captured through a configured log.
    const QString log = m_dir->filePath("table.log"), sw = m_dir->filePath("table.debug");
    QVERIFY(writeFile(sw, "service_debug=7\n"));
    QCOMPARE(LogConfigure(LOG_MODE_FILE, log.toUtf8().constData(), sw.toUtf8().constData(), 50, 1), 0);
    RegisterPathTable();
    LogConfigure(LOG_MODE_STDERR, "", "", 50, 0);

    const QString expectedBase = base == "~" ? QDir::cleanPath(m_home) : base;
    UIPathManager *paths = UIPathManager::getInstance();
    for (const support::HomePath &entry : support::kHomePaths) {
        QCOMPARE(paths->getPath(entry.key), expectedBase + entry.belowHome);
        QVERIFY(!paths->getPath(entry.key).endsWith('/'));
    }
    QCOMPARE(paths->getPath("user_quenmark_zelto_app_path"), paths->getPath("user_quenmark_zelto_resource_path"));
    QCOMPARE(paths->getPath("root_resource_path"), QDir::cleanPath(QCoreApplication::applicationDirPath() + "/.."));

    const QStringList debug = messages(readFile(log), "DEBUG");
    const QString shown = desktop.isNull() ? QStringLiteral("ubuntu:GNOME") : desktop;
    QCOMPARE(debug.filter("Current Desktop is").size(), 8);
    QCOMPARE(debug.first(), "cloud-service.cpp|Current Desktop is " + shown);
    QCOMPARE(debug.filter("user install path is").size(), installPathLines);
    if (installPathLines)
        QCOMPARE(debug.at(1), "cloud-service.cpp|user install path is " + (dataHome.isNull() ? QString() : dataHome));
}

void TestMain::fontFollowsLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("family");
    QTest::newRow("Thai") << "th_TH.UTF-8" << "Microsoft Sans Serif";
    QTest::newRow("German") << "de_DE.UTF-8" << "Arial";
    QTest::newRow("unknown language") << "fi_FI" << "Arial";
    QTest::newRow("C") << "C" << "Arial";
}

void TestMain::fontFollowsLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, family);
    ScopedEnv a("LANGUAGE", QString());
    ScopedEnv b("LC_ALL", language);
    SetupTranslatorAndFont();
    const QFont font = QApplication::font();
    QCOMPARE(font.family(), family);
    QCOMPARE(font.pointSize(), 9);
    QVERIFY(!font.bold());
    QVERIFY(!font.italic());
}

void TestMain::startUpLogsPaths()
{
    QVERIFY(stage("launcher_debug=7\n"));
    const Run run = launch();
    QCOMPARE(run.exitCode, 0);
    const QString root = QDir::cleanPath(m_root);
    QCOMPARE(run.out.split('\n').first(), "lib path = '" + (root + "/lib/plugins").toUtf8() + "'");

    QVERIFY(QFile::exists(launcherLog()));
    const QByteArray log = readFile(launcherLog());
    const QStringList info = messages(log, "INFO");
    QVERIFY2(info.size() >= 7, qPrintable(info.join('\n')));
    const QStringList expected = {
        "main.cpp|>>> user_orvilex_path = " + m_home + "/.Orvilex",
        "main.cpp|>>> user_orvilex_app_path = ",
        "main.cpp|>>> user_orvilex_resource_path = " + m_home + "/.Orvilex/Orvilex.app",
        "main.cpp|>>> user_orvilex_data_path = ",
        "main.cpp|>>> user_orvilex_working_dir_path = ",
        "main.cpp|>>> user_orvilex_zelto_ui_path = ",
        "main.cpp|>>> root_resource_path = " + root,
    };
    QCOMPARE(info.mid(0, 7), expected);
    QVERIFY(!messages(log, "DEBUG").contains("main.cpp|app has already launched, return"));
}

void TestMain::pathTableInLaunchedProcess_data()
{
    QTest::addColumn<QString>("desktop");
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<bool>("underDataHome");
    QTest::addColumn<QByteArray>("codePage"); // of the locale; empty: the test's own
    QTest::newRow("Deepin") << "Deepin" << "data" << true << QByteArray();
    QTest::newRow("Deepin, trailing slash") << "Deepin" << "data/" << true << QByteArray();
    QTest::newRow("Deepin, empty data home") << "Deepin" << "" << false << QByteArray();
    QTest::newRow("desktop unset") << "<unset>" << "data" << false << QByteArray();
    QTest::newRow("KDE") << "KDE" << "data" << false << QByteArray();
    // A home folder whose name is Latin-1 bytes, which the launcher's Qt
    // decodes as UTF-8 and so loses: it makes no folder of the name it got.
    QTest::newRow("home not UTF-8") << "<unset>" << "" << false << QByteArray("ISO-8859-1");
    // Relative to whatever folder the launcher was started in: ignored, as
    // the XDG base-directory rules say.
    QTest::newRow("Deepin, relative data home") << "Deepin" << "relative:data" << false << QByteArray();
}

void TestMain::pathTableInLaunchedProcess()
{
    QFETCH(QString, desktop);
    QFETCH(QString, dataHome);
    QFETCH(bool, underDataHome);
    QFETCH(QByteArray, codePage);
    // The test names its folders in this code page; the launcher keeps its own.
    CodePageScope names(codePage);
    if (!codePage.isEmpty()) {
        m_home = m_dir->filePath(QStringLiteral("home jos\u00e9"));
        QVERIFY(QDir().mkpath(m_home));
        names.removeOnExit(m_home);
    }
    QVERIFY(stage("launcher_debug=6\n"));
    const QString data = m_dir->filePath("data");
    QProcessEnvironment extra;
    extra.insert("XDG_CURRENT_DESKTOP", desktop);
    const QString relative = QStringLiteral("relative:");
    extra.insert("XDG_DATA_HOME", dataHome.isEmpty()                ? QString()
                                  : dataHome.startsWith(relative) ? dataHome.mid(relative.size())
                                                                  : m_dir->filePath(dataHome));
    const QStringList before = QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    const Run run = launch(extra);
    QCOMPARE(run.exitCode, 0);

    if (!codePage.isEmpty()) {
        // No sibling of the home folder, nothing in it; the lines that
        // would have gone to the log are on standard error.
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), before);
        QCOMPARE(QDir(m_home).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
        QVERIFY2(run.err.contains("[WARNING] main.cpp(") && run.err.contains("instance lock not taken: home folder '")
                     && run.err.contains("cannot be named (its bytes are not UTF-8); running all the same"),
                 run.err.constData());
        QVERIFY2(run.err.contains("does not name the real folder (its bytes are not UTF-8), nothing is installed"),
                 run.err.constData());
        return;
    }
    const QString base = underDataHome ? data : m_home;
    const QString other = underDataHome ? m_home : data;
    const QString log = base + "/.QuenmarkZelto/log/launcher.log";
    QVERIFY(QFile::exists(log));
    QVERIFY(!QFile::exists(other + "/.QuenmarkZelto"));
    QCOMPARE(messages(readFile(log), "INFO").value(0), "main.cpp|>>> user_orvilex_path = " + base + "/.Orvilex");
}

void TestMain::bareNameGivesRelativePluginPath_data()
{
    QTest::addColumn<QString>("workingFolder"); // below the case's folder
    QTest::addColumn<bool>("planted"); // a plug-in at <working folder>/../lib/plugins/platforms
    QTest::addColumn<QString>("libPath"); // "<root>" stands for the staged tree
    QTest::newRow("started in its own folder") << "root/bin" << false << "../lib/plugins";
    // A shell in a subfolder of a folder that others can write to, such as
    // the temporary folder: another user's plug-in waits in its lib/plugins.
    QTest::newRow("plug-in planted beside the working folder") << "shared/sub" << true << "<root>/lib/plugins";
}

void TestMain::bareNameGivesRelativePluginPath()
{
    QFETCH(QString, workingFolder);
    QFETCH(bool, planted);
    QFETCH(QString, libPath);
    QVERIFY(stage(QByteArray()));
    const QString folder = m_dir->filePath(workingFolder);
    QVERIFY(QDir().mkpath(folder));
    const QString mark = m_dir->filePath("planted-plugin-was-loaded");
    if (planted) {
        QVERIFY(QDir().mkpath(folder + "/../lib/plugins/platforms"));
        QVERIFY(QFile::copy(QStringLiteral(PLANTED_PLUGIN), folder + "/../lib/plugins/platforms/libqoffscreen-planted.so"));
    }
    QProcessEnvironment extra;
    extra.insert("ZELTO_PLANTED_MARK", mark);
    const Run run = launch(extra, folder, true);
    QVERIFY2(!QFile::exists(mark), run.err.constData());
    // -1 when it did not end in time or did not exit normally.
    QCOMPARE(run.exitCode, 0);
    const QString expected = QString(libPath).replace("<root>", QDir::cleanPath(m_root));
    QCOMPARE(run.out.split('\n').first(), "lib path = '" + expected.toUtf8() + "'");
    QVERIFY(QFileInfo(launcherLog()).isFile());
}

void TestMain::secondLauncherIsRefused()
{
    QVERIFY(stage("launcher_debug=7\n"));
    // This process stands in for a launcher that is already running: it
    // holds the instance lock of the same user, which lies in the home
    // folder whatever the session's runtime folder.
    QVERIFY(QDir().mkpath(m_home + "/.pvk-qt"));
    QLockFile running(m_home + "/.pvk-qt/zelto-launcher.lock");
    QVERIFY(running.tryLock(0));

    const Run run = launch();
    QCOMPARE(run.exitCode, 0);
    // Nothing after the lib path line: no translator, no launch.
    QCOMPARE(run.out, "lib path = '" + QDir::cleanPath(m_root + "/lib/plugins").toUtf8() + "'\n");

    // The refused launcher configured the log before it gave up.
    const QByteArray log = readFile(launcherLog());
    QCOMPARE(messages(log, "INFO").size(), 7);
    QCOMPARE(messages(log, "DEBUG"), QStringList{"main.cpp|app has already launched, return"});
    QVERIFY(running.isLocked());

    // Once the holder is gone, the next launcher runs.
    running.unlock();
    const Run next = launch();
    QCOMPARE(next.exitCode, 0);
    const QStringList debug = messages(readFile(launcherLog()), "DEBUG");
    QCOMPARE(debug.filter("app has already launched").size(), 1);
}

// A roaming home: the lock of a launcher on another host, too young to be
// stale, is respected, and the log names the host that holds it.
void TestMain::lockOfAnotherHostIsNamed()
{
    QVERIFY(stage("launcher_debug=7\n"));
    const QString lock = m_home + "/.pvk-qt/zelto-launcher.lock";
    const QByteArray record = "4242\nzelto-launcher\nhost-b.example\n";
    QVERIFY(writeFile(lock, record));

    const Run run = launch();
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out, "lib path = '" + QDir::cleanPath(m_root + "/lib/plugins").toUtf8() + "'\n");
    const QByteArray log = readFile(launcherLog());
    const QStringList notes = messages(log, "NOTE");
    QCOMPARE(notes.size(), 1);
    QVERIFY2(notes.first().startsWith("main.cpp|instance lock '" + lock + "' is held by process 4242 of host 'host-b.example' since "),
             qPrintable(notes.first()));
    QCOMPARE(messages(log, "DEBUG"), QStringList{"main.cpp|app has already launched, return"});
    QCOMPARE(readFile(lock), record);
}

void TestMain::blockedLogFolder()
{
    QVERIFY(stage("launcher_debug=7\n"));
    QVERIFY(QDir().mkpath(m_home + "/.QuenmarkZelto"));
    QVERIFY(writeFile(m_home + "/.QuenmarkZelto/log", "not a folder\n"));

    const Run run = launch();
    QCOMPARE(run.exitCode, 0);
    QVERIFY(run.out.startsWith("lib path = '"));
    QCOMPARE(readFile(m_home + "/.QuenmarkZelto/log"), QByteArray("not a folder\n"));
    QVERIFY(QFileInfo(m_home + "/.QuenmarkZelto/log").isFile());
    // The log kept its initial state: nothing below WARNING anywhere.
    QVERIFY(!run.err.contains("[INFO]"));
    QVERIFY(!run.err.contains("[DEBUG]"));
}

void TestMain::noSwitchFileNoInfoLines()
{
    QVERIFY(stage(QByteArray()));
    const Run run = launch();
    QCOMPARE(run.exitCode, 0);
    QVERIFY(QFileInfo(launcherLog()).isFile());
    QCOMPARE(messages(readFile(launcherLog()), "INFO"), QStringList());
}

void TestMain::archiveBoundOnFirstUse_data()
{
    QTest::addColumn<bool>("hardLink"); // the package holds a second name of INFO
    QTest::addColumn<bool>("throughLink"); // one entry, under a link on disk to elsewhere
    QTest::addColumn<bool>("damaged"); // the tarball is cut in half
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QString>("error"); // start of the ERROR line's message
    QTest::newRow("gzip tar of folders and files") << false << false << false << true << QString();
    QTest::newRow("hard link") << true << false << false << true << QString();
    QTest::newRow("entry through a link on disk") << false << true << false << false
                                                  << "extractor.cpp|archive_read_extract2 failed: 'Cannot extract through symlink ";
    QTest::newRow("damaged archive") << false << false << true << false << "extractor.cpp|archive_read_";
}

// This program binds libarchive as the launcher does (lazy-archive.cpp,
// --as-needed): the extractor works through it, and the library is loaded
// by the first call, not at start.
void TestMain::archiveBoundOnFirstUse()
{
    QFETCH(bool, hardLink);
    QFETCH(bool, throughLink);
    QFETCH(bool, damaged);
    QFETCH(bool, succeeds);
    QFETCH(QString, error);
    static bool first = true;
    if (first) {
        QVERIFY(!libarchiveMapped());
        first = false;
    }

    const QString src = m_dir->filePath("src"), dest = m_dir->filePath("dest");
    const QString tarball = m_dir->filePath("package.tar.gz");
    QVERIFY(writeFile(src + "/bin/cloud-zelto-ui", "#!/bin/sh\nexit 0\n"));
    QVERIFY(writeFile(src + "/data/deep/er/payload.bin", QByteArray(200000, 'z')));
    QVERIFY(writeFile(src + "/INFO", "[Version]\nbuild_version=5001\n"));
    if (hardLink)
        QCOMPARE(::link(QFile::encodeName(src + "/INFO").constData(), QFile::encodeName(src + "/INFO.copy").constData()), 0);
    QVERIFY(QDir().mkpath(dest));
    if (throughLink) {
        QVERIFY(QDir().mkpath(m_dir->filePath("elsewhere")));
        QVERIFY(QFile::link(m_dir->filePath("elsewhere"), dest + "/data"));
    }
    // Through a link: only the file's own entry, so that no folder entry
    // before it replaces the link.
    const QStringList members = throughLink
        ? QStringList{"--no-recursion", "./data/deep/er/payload.bin"}
        : QStringList{"."};
    QCOMPARE(QProcess::execute("tar", QStringList{"-czf", tarball, "-C", src} + members), 0);
    if (damaged)
        QVERIFY(QFile::resize(tarball, QFileInfo(tarball).size() / 2));

    const QString log = m_dir->filePath("extract.log");
    QCOMPARE(LogConfigure(LOG_MODE_FILE, log.toUtf8().constData(), m_dir->filePath("none.debug").toUtf8().constData(), 50, 1), 0);
    const int r = ExtractArchive(ExtractRequest{dest.toStdString(), tarball.toStdString()});
    LogConfigure(LOG_MODE_STDERR, "", "", 50, 0);

    QVERIFY(libarchiveMapped());
    const QStringList errors = messages(readFile(log), "ERROR");
    if (succeeds) {
        QCOMPARE(r, 0);
        QCOMPARE(errors, QStringList());
        QCOMPARE(readFile(dest + "/bin/cloud-zelto-ui"), QByteArray("#!/bin/sh\nexit 0\n"));
        QCOMPARE(readFile(dest + "/data/deep/er/payload.bin"), QByteArray(200000, 'z'));
        QCOMPARE(readFile(dest + "/INFO"), QByteArray("[Version]\nbuild_version=5001\n"));
        if (hardLink)
            QCOMPARE(QFileInfo(dest + "/INFO.copy").size(), QFileInfo(dest + "/INFO").size());
    } else {
        QCOMPARE(r, -1);
        QVERIFY2(!errors.isEmpty() && errors.last().startsWith(error), qPrintable(errors.join('\n')));
        // The message carries libarchive's own text, through the forwarded calls.
        QVERIFY2(!errors.last().endsWith("''"), qPrintable(errors.last()));
        QVERIFY(!QFile::exists(m_dir->filePath("elsewhere/deep")));
    }
}

QTEST_MAIN(TestMain)
#include "tst_main.moc"
