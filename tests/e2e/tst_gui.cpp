// The progress dialog as a person sees it: the installed launcher runs on
// an X server (Xvfb) and is held at the client's start script, with the
// upgrade's dialog still up, until the test has grabbed the screen, found
// the dialog and checked the picture.

#include "e2e-support.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/wait.h>

using namespace e2e;

namespace {

// An Xvfb of our own, started before the application object so that the
// test itself can grab its screen. -displayfd lets the server pick a free
// display number and report it.
class XServer
{
public:
    bool start()
    {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) {
            m_why = QStringLiteral("Xvfb is not installed");
            return false;
        }
        int fds[2];
        if (::pipe2(fds, O_CLOEXEC) != 0) {
            m_why = QStringLiteral("pipe failed");
            return false;
        }
        const QByteArray program = QFile::encodeName(xvfb);
        m_pid = ::fork();
        if (m_pid == 0) {
            // The copy on 3 must survive exec: dup2 gives it no O_CLOEXEC,
            // and when the pipe already is 3 the flag is cleared by hand.
            if (fds[1] == 3)
                ::fcntl(3, F_SETFD, 0);
            else
                ::dup2(fds[1], 3);
            const int null = ::open("/dev/null", O_RDWR);
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execl(program.constData(), "Xvfb", "-displayfd", "3", "-screen", "0", "1024x768x24",
                    "-dpi", "96", "-br", "-nolisten", "tcp", static_cast<char *>(nullptr));
            ::_exit(127);
        }
        ::close(fds[1]);
        if (m_pid < 0) {
            ::close(fds[0]);
            m_why = QStringLiteral("fork failed");
            return false;
        }
        QByteArray number;
        char c;
        while (::read(fds[0], &c, 1) == 1 && c != '\n')
            number += c;
        ::close(fds[0]);
        if (number.isEmpty()) {
            m_why = QStringLiteral("Xvfb did not report a display");
            stop();
            return false;
        }
        m_display = ":" + QString::fromLatin1(number);
        return true;
    }

    void stop()
    {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
            m_pid = -1;
        }
    }

    ~XServer() { stop(); }

    QString display() const { return m_display; }
    QString why() const { return m_why; }

private:
    pid_t m_pid = -1;
    QString m_display;
    QString m_why;
};

XServer *g_server = nullptr;

// The bounding box of everything that is not the black root window.
QRect windowArea(const QImage &screen)
{
    int left = screen.width(), top = screen.height(), right = -1, bottom = -1;
    for (int y = 0; y < screen.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = 0; x < screen.width(); ++x) {
            if ((line[x] & 0xffffff) != 0) {
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
        }
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class TstGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void dialogDuringUpgrade();
};

void TstGui::initTestCase()
{
    if (!g_server || g_server->display().isEmpty())
        QSKIP(qPrintable("no X server for the real window: " + (g_server ? g_server->why() : QString())));
    const QString exe = stageDir() + "/bin/" + launcherName();
    QVERIFY2(QFileInfo(exe).isExecutable(), qPrintable("no installed launcher at " + exe));
    QVERIFY2(QFileInfo::exists(stageDir() + "/lib/plugins/platforms/libqxcb.so"),
             "the installed tree lacks the xcb platform plug-in");
}

void TstGui::dialogDuringUpgrade()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString root = dir.path() + "/root";
    const QString home = dir.path() + "/home";
    QVERIFY(QDir().mkpath(home));
    // Whatever way the case ends, no client of it stays behind.
    struct Reaper {
        QString home;
        ~Reaper() { killClients(home); }
    } reaper{home};
    QVERIFY(makeRoot(root, 2001));
    // An installed copy older than the package, so that the dialog comes
    // up; the run is held at the start script, before the dialog goes.
    QVERIFY(makePackage(appPath(home), 2000));
    const QString fifo = holdAtStart(home);
    QVERIFY(!fifo.isEmpty());

    // Nothing on the screen yet: a black root window.
    QVERIFY(windowArea(grabScreen()).isNull());

    QProcessEnvironment env = launcherEnvironment(home);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", g_server->display());
    env.remove("QT_FONT_DPI");
    env.remove("QT_SCALE_FACTOR");
    env.remove("QT_AUTO_SCREEN_SCALE_FACTOR");
    QProcess launcher;
    startLauncher(launcher, root, env);
    QVERIFY(launcher.waitForStarted());

    const int writer = waitForReader(fifo, 120000);
    if (writer < 0) {
        launcher.kill();
        launcher.waitForFinished();
        QFAIL(qPrintable("the launcher never reached the start script: " + launcher.readAllStandardError()));
    }

    // The dialog was asked to show itself before the copy began; wait until
    // the server has it drawn, with its label's text on it.
    QImage screen;
    QRect area;
    QImage shot;
    for (int waited = 0; waited < 30000; waited += 100) {
        QTest::qWait(100);
        screen = grabScreen();
        area = windowArea(screen);
        if (area.width() < 100 || area.height() < 30)
            continue;
        shot = screen.copy(area);
        int dark = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                dark += qGray(shot.pixel(x, y)) < 100;
        if (dark > 50)
            break;
    }

    const QString folder = qEnvironmentVariable("ZELTO_BUILD_DIR", QDir::currentPath()) + "/screenshots";
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(screen.save(folder + "/dialog-screen.png"));
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(folder + "/dialog.png"));

    // The start script goes on, and the launcher ends.
    ::close(writer);
    QVERIFY(launcher.waitForFinished(120000));
    QCOMPARE(launcher.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(home, "started").size(), 1, 30000);

    // No window manager: the picture is the dialog's own client area, fixed
    // at 400 pixels for a multiplier of 1.0 (the server runs at 96 dpi).
    QCOMPARE(area.width(), 400);
    QVERIFY2(area.height() >= 50 && area.height() <= 300, qPrintable(QString::number(area.height())));

    // Not blank: mostly the WhiteSmoke background of the style sheet, with
    // the label's text and the bar drawn over it.
    int background = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y) & 0xffffff;
            colours.insert(p);
            background += p == 0xf5f5f5;
        }
    }
    QVERIFY2(background > shot.width() * shot.height() / 2,
             qPrintable(QStringLiteral("%1 WhiteSmoke pixels").arg(background)));
    QVERIFY2(colours.size() >= 8, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));

    // Once the launcher has ended, its window is gone from the screen.
    QTRY_VERIFY_WITH_TIMEOUT(windowArea(grabScreen()).isNull(), 30000);
}

int main(int argc, char **argv)
{
    XServer server;
    if (server.start()) {
        qputenv("DISPLAY", server.display().toLatin1());
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
    g_server = &server;
    QApplication app(argc, argv);
    TstGui test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_gui.moc"
