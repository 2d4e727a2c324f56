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

// The WhiteSmoke client area of the dialog in a picture, and the gaps
// between its edges and what is drawn on it (the label's text, the bar).
struct ClientArea {
    QRect client;
    QRect content;
    int left() const { return content.left() - client.left(); }
    int right() const { return client.right() - content.right(); }
    int top() const { return content.top() - client.top(); }
    int bottom() const { return client.bottom() - content.bottom(); }
    QString describe() const
    {
        return QStringLiteral("client %1x%2, margins left %3 right %4 top %5 bottom %6")
            .arg(client.width()).arg(client.height()).arg(left()).arg(right()).arg(top()).arg(bottom());
    }
};

ClientArea clientArea(const QImage &shot)
{
    const QRgb whiteSmoke = 0xf5f5f5;
    QRect client;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if ((shot.pixel(x, y) & 0xffffff) == whiteSmoke)
                client |= QRect(x, y, 1, 1);
    QRect content;
    for (int y = client.top(); y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x)
            if ((shot.pixel(x, y) & 0xffffff) != whiteSmoke)
                content |= QRect(x, y, 1, 1);
    return {client, content};
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
    void dialogDuringUpgrade_data();
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

void TstGui::dialogDuringUpgrade_data()
{
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<QString>("scale"); // QT_SCALE_FACTOR; empty: unset
    QTest::addColumn<QString>("picture");
    // The README's picture is the one under a window manager.
    QTest::newRow("bare X server") << false << QString() << "dialog-bare";
    QTest::newRow("openbox") << true << QString() << "dialog";
    QTest::newRow("openbox, scale 2") << true << "2" << "dialog-scale2";
}

void TstGui::dialogDuringUpgrade()
{
    QFETCH(bool, windowManager);
    QFETCH(QString, scale);
    QFETCH(QString, picture);
    const int factor = scale.isEmpty() ? 1 : scale.toInt();

    WindowManager wm;
    if (windowManager && !wm.start(g_server->display()))
        QSKIP(qPrintable("no window manager: " + wm.why()));

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
    if (!scale.isEmpty())
        env.insert("QT_SCALE_FACTOR", scale);
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
    QVERIFY(screen.save(folder + "/" + picture + "-screen.png"));
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(folder + "/" + picture + ".png"));
    const ClientArea dialog = clientArea(shot);
    qInfo("%s", qPrintable(dialog.describe()));

    // The start script goes on, and the launcher ends.
    ::close(writer);
    QVERIFY(launcher.waitForFinished(120000));
    QCOMPARE(launcher.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(home, "started").size(), 1, 30000);

    // The client area is fixed at 400 pixels for a multiplier of 1.0 (the
    // server runs at 96 dpi), times the scale. Without a window manager the
    // picture is that area alone; with one, its frame and title bar are
    // drawn around it.
    QCOMPARE(dialog.client.width(), 400 * factor);
    QVERIFY2(dialog.client.height() >= 50 * factor && dialog.client.height() <= 300 * factor,
             qPrintable(dialog.describe()));
    if (windowManager) {
        QVERIFY2(area.width() > dialog.client.width() && area.height() > dialog.client.height() + 10,
                 qPrintable(QStringLiteral("no frame around the dialog: %1x%2").arg(area.width()).arg(area.height())));
    } else {
        QCOMPARE(area, dialog.client.translated(area.topLeft()));
    }

    // Not blank: mostly the WhiteSmoke background of the style sheet, with
    // the label's text and the bar drawn over it.
    const QImage client = shot.copy(dialog.client);
    int background = 0;
    QSet<QRgb> colours;
    for (int y = 0; y < client.height(); ++y) {
        for (int x = 0; x < client.width(); ++x) {
            const QRgb p = client.pixel(x, y) & 0xffffff;
            colours.insert(p);
            background += p == 0xf5f5f5;
        }
    }
    QVERIFY2(background > client.width() * client.height() / 2,
             qPrintable(QStringLiteral("%1 WhiteSmoke pixels").arg(background)));
    QVERIFY2(colours.size() >= 8, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));

    // Even margins: the bar as far from the sides as from the bottom, the
    // text's top as far from the top, within a pixel of rounding (and of
    // the glyphs' own shape) per scale step.
    const int slack = factor + 1;
    QVERIFY2(qAbs(dialog.left() - dialog.right()) <= 1, qPrintable(dialog.describe()));
    QVERIFY2(qAbs(dialog.bottom() - dialog.left()) <= slack, qPrintable(dialog.describe()));
    QVERIFY2(qAbs(dialog.top() - dialog.bottom()) <= slack, qPrintable(dialog.describe()));
    // Under the window manager the frame below the dialog is a border as
    // thin as the one at its sides: no resize handle.
    if (windowManager) {
        const QRect inShot = dialog.client;
        const int below = shot.height() - 1 - inShot.bottom();
        const int beside = inShot.left();
        QVERIFY2(below <= beside + 1, qPrintable(QStringLiteral("frame below %1, beside %2").arg(below).arg(beside)));
    }

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
