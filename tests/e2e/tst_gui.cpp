// The progress dialog as a person sees it: the installed launcher runs on
// an X server (Xvfb) and is held inside its upgrade step, with the dialog
// up, until the test has grabbed the screen, found the dialog and checked
// the picture.

#include "e2e-support.h"

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace e2e;

namespace {

// Started before the application object, so that the test itself can grab
// the server's screen.
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
    // An installed copy with a client, so that the upgrade first stops it,
    // and is held at its pid file with the dialog up.
    QVERIFY(makePackage(appPath(home), 2000));
    QVERIFY(holdAtPidFile(home));
    const QString fifo = home + "/.QuenmarkZelto/ui.pid";

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
        QFAIL(qPrintable("the launcher never reached the client's pid file: " + launcher.readAllStandardError()));
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

    // An empty pid file: nothing to stop; the upgrade goes on.
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
