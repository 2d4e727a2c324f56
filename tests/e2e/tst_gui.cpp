// The progress dialog as a person sees it: the installed launcher runs on
// an X server (Xvfb) and is held at the client's start script, with the
// upgrade's dialog still up, until the test has grabbed the screen, found
// the dialog and checked the picture.

#include "e2e-support.h"
#include "support/contrast.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <QScopeGuard>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace e2e;

namespace {

// Started before the application object, so that the test itself can grab
// the server's screen.
XServer *g_server = nullptr;

const QRgb kWhiteSmoke = 0xf5f5f5;

// The bounding box of the pixels in `area` of a picture whose colour
// `picked` accepts; a null rectangle when there are none.
template <typename Picked>
QRect boundingBox(const QImage &image, const QRect &area, Picked picked)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (picked(image.pixel(x, y) & 0xffffff))
                box |= QRect(x, y, 1, 1);
    return box;
}

// The bounding box of everything that is not the black root window.
QRect windowArea(const QImage &screen)
{
    return boundingBox(screen, screen.rect(), [](QRgb p) { return p != 0; });
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

QImage grabScreen()
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

// The label's line of text in a dialog's picture: the first band of rows
// of the client area that hold more than WhiteSmoke; its contrast is the
// strongest of its pixels against WhiteSmoke, where the glyphs' cores keep
// the text's own colour.
double labelContrast(const QImage &shot, const ClientArea &dialog)
{
    double best = 1.0;
    for (int y = dialog.content.top(); y <= dialog.content.bottom(); ++y) {
        const QRect row(dialog.client.left(), y, dialog.client.width(), 1);
        if (boundingBox(shot, row, [&](QRgb p) { return p != kWhiteSmoke; }).isNull())
            break;
        for (int x = row.left(); x <= row.right(); ++x)
            best = qMax(best, support::contrastRatio(shot.pixel(x, y) & 0xffffff, kWhiteSmoke));
    }
    return best;
}

// root/lib of the root's own (see ownLib) with the stage's plug-ins
// linked one by one into its lib/plugins, and the system's platform themes
// and styles beside them.
bool themedLib(const QString &root)
{
    const QString stagePlugins = stageDir() + "/lib/plugins";
    if (!ownLib(root, QString()) || !QDir().mkpath(root + "/lib/plugins"))
        return false;
    for (const QString &entry : QDir(stagePlugins).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
        if (!QFile::link(stagePlugins + "/" + entry, root + "/lib/plugins/" + entry))
            return false;
    // The theme's proxy style lives among the styles.
    return QFile::link(qtPluginFolder() + "/platformthemes", root + "/lib/plugins/platformthemes")
        && QFile::link(qtPluginFolder() + "/styles", root + "/lib/plugins/styles");
}

// A dark palette for the launcher through the qt5ct platform theme, the way
// a user of a desktop without its own Qt integration picks one: the theme's
// configuration names one of its dark colour schemes. What the machine
// lacks for it, or nothing.
QString darkTheme(const QString &root, const QString &configHome, QProcessEnvironment &env)
{
    const QString scheme = QStringLiteral("/usr/share/qt5ct/colors/darker.conf");
    if (!QFileInfo::exists(qtPluginFolder() + "/platformthemes/libqt5ct.so") || !QFileInfo::exists(scheme))
        return QStringLiteral("qt5ct is not installed");
    // The product's plug-in folder is the only one the launcher searches.
    if (!themedLib(root))
        return QStringLiteral("cannot link the platform themes into ") + root;
    const QString conf = configHome + "/qt5ct/qt5ct.conf";
    if (!writeFile(conf, "[Appearance]\ncolor_scheme_path=" + scheme.toUtf8()
                             + "\ncustom_palette=true\nstyle=Fusion\n"))
        return QStringLiteral("cannot write ") + conf;
    env.insert("XDG_CONFIG_HOME", configHome);
    env.insert("QT_QPA_PLATFORMTHEME", "qt5ct");
    return QString();
}

// GNOME's dark style for Qt (adwaita-qt), picked by name as GNOME's users
// do; it brings its own dark palette. What the machine lacks, or nothing.
QString adwaitaDark(const QString &root, QProcessEnvironment &env)
{
    if (!QFileInfo::exists(qtPluginFolder() + "/styles/adwaita.so"))
        return QStringLiteral("adwaita-qt is not installed");
    if (!themedLib(root))
        return QStringLiteral("cannot link the styles into ") + root;
    env.insert("QT_STYLE_OVERRIDE", "Adwaita-Dark");
    return QString();
}

// The frame a reparenting window manager put around a window, or the
// window itself.
QString frameOf(const QProcessEnvironment &x, const QString &id)
{
    QString current = id;
    for (int depth = 0; depth < 8; ++depth) {
        const QString tree = QString::fromLatin1(outputOf(QStringLiteral("xwininfo"), {"-id", current, "-tree"}, x));
        const QString rootId = QRegularExpression("Root window id: (0x[0-9a-f]+)").match(tree).captured(1);
        const QString parentId = QRegularExpression("Parent window id: (0x[0-9a-f]+)").match(tree).captured(1);
        if (parentId.isEmpty() || parentId == rootId)
            return current;
        current = parentId;
    }
    return current;
}

// GNOME Shell 43 headless, as a Wayland compositor with Xwayland, on D-Bus
// buses of its own: a session bus (dbus-run-session) and, in place of the
// system bus, a second private bus (its login manager is asked for there).
class GnomeShell : public Compositor
{
public:
    // The shell ends before the bus it asks.
    ~GnomeShell() { stop(); }

    bool start(const QString &dir)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("gnome-shell")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("Xwayland")).isEmpty()
            || QStandardPaths::findExecutable(QStringLiteral("dbus-run-session")).isEmpty())
            return fail(QStringLiteral("gnome-shell, Xwayland or dbus-run-session is not installed "
                                       "(GNOME Shell is too large for the CI's package budget)"));
        if (!m_systemBus.start(dir + "/system-bus"))
            return fail(QStringLiteral("no private bus"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", m_systemBus.address());
        const QString runtime = dir + "/gnome-runtime";
        const auto xauthority = [&] {
            return QDir(runtime).entryList({".mutter-Xwaylandauth.*"}, QDir::Files | QDir::Hidden).value(0);
        };
        const QRegularExpression display(QStringLiteral("Using public X11 display (:[0-9]+)"));
        QString log;
        if (!launch(QStringLiteral("GNOME Shell"), runtime, QStringLiteral("wayland-0"), env,
                    {"dbus-run-session", "--", "gnome-shell", "--headless", "--wayland", "--virtual-monitor",
                     "1024x768"},
                    dir + "/gnome-shell.log", 180000, [&] {
                        log = QString::fromUtf8(readFile(dir + "/gnome-shell.log"));
                        return display.match(log).hasMatch() && log.contains("GNOME Shell started")
                            && !xauthority().isEmpty();
                    }))
            return false;
        m_client.insert("DISPLAY", display.match(log).captured(1));
        m_client.insert("XAUTHORITY", runtime + "/" + xauthority());
        m_client.insert("XDG_CURRENT_DESKTOP", "GNOME");
        m_client.insert("XDG_SESSION_DESKTOP", "gnome");
        m_client.insert("XDG_SESSION_TYPE", "wayland");
        return true;
    }

private:
    Bus m_systemBus;
};

// KDE's KWin as a virtual Wayland compositor with Xwayland.
class KWin : public Compositor
{
public:
    bool start(const QString &dir)
    {
        const QString installed = QStandardPaths::findExecutable(QStringLiteral("kwin_wayland"));
        if (installed.isEmpty())
            return fail(QStringLiteral("kwin_wayland is not installed "
                                       "(KWin is too large for the CI's package budget)"));
        // Debian gives kwin_wayland a file capability, which a container
        // without that capability refuses to exec: a copy has none.
        const QString kwinCopy = dir + "/kwin_wayland";
        if (!QFile::copy(installed, kwinCopy)
            || !QFile::setPermissions(kwinCopy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
            return fail(QStringLiteral("cannot copy kwin_wayland"));
        if (!launch(QStringLiteral("KWin"), dir + "/kwin-runtime", QStringLiteral("zelto-kwin"),
                    QProcessEnvironment::systemEnvironment(),
                    {"dbus-run-session", "--", kwinCopy, "--virtual", "--width", "1024", "--height", "768", "--socket",
                     "zelto-kwin", "--no-lockscreen", "--no-global-shortcuts"},
                    dir + "/kwin.log", 60000))
            return false;
        m_client.insert("XDG_CURRENT_DESKTOP", "KDE");
        m_client.insert("XDG_SESSION_DESKTOP", "KDE");
        m_client.insert("XDG_SESSION_TYPE", "wayland");
        return true;
    }
};

// Reads the launcher's accessibility tree and events from the AT-SPI bus
// of a private session bus, as a screen reader does (pyatspi).
const char kAtSpiListener[] = R"(
import os, sys, pyatspi
from gi.repository import GLib, Gio
out = open(sys.argv[1], 'w', buffering=1)
flag = sys.argv[2]
def text(v):
    return str(v).replace('\n', ' ').replace('|', '/')
def line(*fields):
    out.write('|'.join(text(f) for f in fields) + '\n')
def on_event(e):
    try:
        src = e.source
        role, name, desc = src.getRoleName(), src.name, src.description
    except Exception:
        role = name = desc = '?'
    line('event', e.type, role, name, desc)
for t in ['object:property-change:accessible-name', 'object:property-change:accessible-description',
          'object:state-changed:showing', 'window:activate', 'window:create']:
    pyatspi.Registry.registerEventListener(on_event, t)
def dump(obj, depth):
    value = ''
    try:
        value = obj.queryValue().currentValue
    except Exception:
        pass
    line('tree', depth, obj.getRoleName(), obj.name, obj.description, value)
    for child in obj:
        if child is not None:
            dump(child, depth + 1)
state = {'dumped': False, 'after': 0}
def poll():
    # The tree once the launcher is held and on the bus; then the events
    # still queued are read until the window's description change has come
    # (or, without one, for a while longer) before the end.
    if not os.path.exists(flag):
        return True
    if not state['dumped']:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == 'zelto-launcher':
                dump(app, 0)
                state['dumped'] = True
        return True
    state['after'] += 1
    out.flush()
    seen = open(sys.argv[1]).read()
    if 'showing|notification|Quenmark Zelto Client is ready.' not in seen and state['after'] < 50:
        return True
    line('done')
    pyatspi.Registry.stop()
    return False
def registered():
    # Listening once the registry knows every event asked for above.
    try:
        session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
        address = session.call_sync('org.a11y.Bus', '/org/a11y/bus', 'org.a11y.Bus', 'GetAddress',
                                    None, None, 0, -1, None).unpack()[0]
        bus = Gio.DBusConnection.new_for_address_sync(address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT
                                                      | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
        events = bus.call_sync('org.a11y.atspi.Registry', '/org/a11y/atspi/registry', 'org.a11y.atspi.Registry',
                               'GetRegisteredEvents', None, None, 0, -1, None).unpack()[0]
        if len(events) < 5:
            return True
    except Exception:
        return True
    line('listening')
    GLib.timeout_add(200, poll)
    return False
GLib.timeout_add(100, registered)
pyatspi.Registry.start()
)";

// The launcher's palette: the platform's own, or a dark one picked the
// way users pick one (qt5ct's colour scheme, adwaita-qt's style).
enum Theme { NoTheme, Qt5ctDark, AdwaitaDark };

// The session a row runs the launcher in: an X window manager on Xvfb, or
// a Wayland desktop with Xwayland.
enum Desktop { X11WindowManager, GnomeOnWayland, KdeOnWayland };

} // namespace

Q_DECLARE_METATYPE(Theme)
Q_DECLARE_METATYPE(Desktop)

class TstGui : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void dialogDuringUpgrade_data();
    void dialogDuringUpgrade();
    void dialogInSession_data();
    void dialogInSession();

private:
    // Each case's product root and home, and where its pictures are kept.
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_root;
    QString m_home;
    QString m_pictures;
};

void TstGui::initTestCase()
{
    if (!g_server || g_server->display().isEmpty())
        QSKIP(qPrintable("no X server for the real window: " + (g_server ? g_server->why() : QString())));
    const QString exe = stageDir() + "/bin/" + launcherName();
    QVERIFY2(QFileInfo(exe).isExecutable(), qPrintable("no installed launcher at " + exe));
    QVERIFY2(QFileInfo::exists(stageDir() + "/lib/plugins/platforms/libqxcb.so"),
             "the installed tree lacks the xcb platform plug-in");
    m_pictures = qEnvironmentVariable("ZELTO_BUILD_DIR", QDir::currentPath()) + "/screenshots";
}

void TstGui::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_root = m_dir->path() + "/root";
    m_home = m_dir->path() + "/home";
    QVERIFY(QDir().mkpath(m_home));
    QVERIFY(QDir().mkpath(m_pictures));
}

// Whatever way the case ended, no client of it stays behind.
void TstGui::cleanup()
{
    killClients(m_home);
    m_dir.reset();
}

void TstGui::dialogDuringUpgrade_data()
{
    QTest::addColumn<bool>("windowManager");
    QTest::addColumn<int>("scale"); // QT_SCALE_FACTOR; 1: unset
    QTest::addColumn<QString>("picture");
    QTest::addColumn<Theme>("theme");
    // The README's picture is the one under a window manager.
    QTest::newRow("bare X server") << false << 1 << "dialog-bare" << NoTheme;
    QTest::newRow("openbox") << true << 1 << "dialog" << NoTheme;
    QTest::newRow("openbox, scale 2") << true << 2 << "dialog-scale2" << NoTheme;
    QTest::newRow("openbox, dark palette (qt5ct)") << true << 1 << "dialog-dark" << Qt5ctDark;
    QTest::newRow("openbox, Adwaita-Dark (adwaita-qt)") << true << 1 << "dialog-adwaita-dark" << AdwaitaDark;
}

void TstGui::dialogDuringUpgrade()
{
    QFETCH(bool, windowManager);
    QFETCH(int, scale);
    QFETCH(QString, picture);
    QFETCH(Theme, theme);

    WindowManager wm;
    if (windowManager && !wm.start(g_server->display()))
        QSKIP(qPrintable("no window manager: " + wm.why()));

    QVERIFY(makeRoot(m_root, 2001));
    // An installed copy older than the package, so that the dialog comes
    // up; the run is held at the start script, before the dialog goes.
    QVERIFY(makePackage(appPath(m_home), 2000));
    const QString fifo = holdAtStart(m_home);
    QVERIFY(!fifo.isEmpty());

    // Nothing on the screen yet: a black root window.
    QVERIFY(windowArea(grabScreen()).isNull());

    QProcessEnvironment env = launcherEnvironment(m_home);
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", g_server->display());
    if (scale != 1)
        env.insert("QT_SCALE_FACTOR", QString::number(scale));
    QString why;
    if (theme == Qt5ctDark && !(why = darkTheme(m_root, m_dir->path() + "/config", env)).isEmpty())
        QSKIP(qPrintable("no dark theme: " + why));
    if (theme == AdwaitaDark && !(why = adwaitaDark(m_root, env)).isEmpty())
        QSKIP(qPrintable("no Adwaita-Dark: " + why));
    QProcess launcher;
    startLauncher(launcher, m_root, env);
    QVERIFY(launcher.waitForStarted());

    const int writer = waitForHold(launcher, fifo, 120000);
    if (writer < 0)
        QFAIL(qPrintable("the launcher never reached the start script: " + launcher.readAllStandardError()));

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

    QVERIFY(screen.save(m_pictures + "/" + picture + "-screen.png"));
    QVERIFY(!shot.isNull());
    QVERIFY(shot.save(m_pictures + "/" + picture + ".png"));
    const QRect clientRect = boundingBox(shot, shot.rect(), [](QRgb p) { return p == kWhiteSmoke; });
    const ClientArea dialog{clientRect, boundingBox(shot, clientRect, [](QRgb p) { return p != kWhiteSmoke; })};
    qInfo("%s", qPrintable(dialog.describe()));

    // The start script goes on, and the launcher ends.
    ::close(writer);
    QVERIFY(launcher.waitForFinished(120000));
    QCOMPARE(launcher.exitCode(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), 1, 30000);

    // The client area is fixed at 400 pixels for a multiplier of 1.0 (the
    // server runs at 96 dpi), times the scale. Without a window manager the
    // picture is that area alone; with one, its frame and title bar are
    // drawn around it.
    QCOMPARE(dialog.client.width(), 400 * scale);
    QVERIFY2(dialog.client.height() >= 50 * scale && dialog.client.height() <= 300 * scale,
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
            background += p == kWhiteSmoke;
        }
    }
    QVERIFY2(background > client.width() * client.height() / 2,
             qPrintable(QStringLiteral("%1 WhiteSmoke pixels").arg(background)));
    QVERIFY2(colours.size() >= 8, qPrintable(QStringLiteral("%1 colours").arg(colours.size())));

    // The label reads on WhiteSmoke in a dark theme as in a light one.
    const double contrast = labelContrast(shot, dialog);
    qInfo("label's contrast on WhiteSmoke: %.2f:1", contrast);
    QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("label's contrast %1:1").arg(contrast)));

    // Even margins: the bar as far from the sides as from the bottom, the
    // text's top as far from the top, within a pixel of rounding (and of
    // the glyphs' own shape) per scale step.
    // Adwaita draws the bar as a thin line in the middle of its widget, so
    // what is measured there is not the layout's margin: sides only.
    const int slack = scale + 1;
    QVERIFY2(qAbs(dialog.left() - dialog.right()) <= 1, qPrintable(dialog.describe()));
    if (theme != AdwaitaDark) {
        QVERIFY2(qAbs(dialog.bottom() - dialog.left()) <= slack, qPrintable(dialog.describe()));
        QVERIFY2(qAbs(dialog.top() - dialog.bottom()) <= slack, qPrintable(dialog.describe()));
    }
    // Under the window manager the frame below the dialog is a border as
    // thin as the one at its sides: no resize handle.
    if (windowManager) {
        const int below = shot.height() - 1 - dialog.client.bottom();
        const int beside = dialog.client.left();
        QVERIFY2(below <= beside + 1, qPrintable(QStringLiteral("frame below %1, beside %2").arg(below).arg(beside)));
    }

    // Once the launcher has ended, its window is gone from the screen.
    QTRY_VERIFY_WITH_TIMEOUT(windowArea(grabScreen()).isNull(), 30000);
}

// The dialog in the sessions of the desktops as their users meet it, while
// the launcher is held in the start script after the upgrade: on X11 (by
// itself or through GNOME's Xwayland) a dialog of fixed size to the window
// manager, shown while another window keeps the focus, that a close
// request hides while the run goes on; its tree and events on the
// accessibility bus; GNOME on Wayland through Xwayland, KDE on Wayland.
void TstGui::dialogInSession_data()
{
    QTest::addColumn<Desktop>("desktop");
    QTest::addColumn<QString>("windowManager"); // on X11
    // xfwm4 fails on a server another window manager has run on (BadGC).
    QTest::addColumn<bool>("ownServer");
    QTest::addColumn<bool>("atSpi");
    QTest::addColumn<QString>("platform"); // what Qt ends up on
    QTest::addColumn<QString>("picture");
    QTest::newRow("openbox: focus stays, a fixed dialog, close hides")
        << X11WindowManager << "openbox" << false << false << "xcb" << "session-openbox";
    QTest::newRow("xfwm4: focus stays, a fixed dialog, close hides")
        << X11WindowManager << "xfwm4" << true << false << "xcb" << "session-xfwm4";
    QTest::newRow("metacity: focus stays, a fixed dialog, close hides")
        << X11WindowManager << "metacity" << false << false << "xcb" << "session-metacity";
    QTest::newRow("openbox: AT-SPI tree and events")
        << X11WindowManager << "openbox" << false << true << "xcb" << QString();
    QTest::newRow("GNOME Shell on Wayland: Xwayland, GNOME's title bar")
        << GnomeOnWayland << QString() << false << false << "xcb" << "session-gnome";
    QTest::newRow("KDE KWin on Wayland: stays on Wayland")
        << KdeOnWayland << QString() << false << false << "wayland" << QString();
}

void TstGui::dialogInSession()
{
    QFETCH(Desktop, desktop);
    QFETCH(QString, windowManager);
    QFETCH(bool, ownServer);
    QFETCH(bool, atSpi);
    QFETCH(QString, platform);
    QFETCH(QString, picture);
    const bool x11 = platform == "xcb";
    const QString dir = m_dir->path();

    QProcessEnvironment env = launcherEnvironment(m_home);
    for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "XAUTHORITY",
                             "QT_LINUX_ACCESSIBILITY_ALWAYS_ON"})
        env.remove(name);

    // The session first: a row the machine cannot serve says why it skips.
    XServer server;
    WindowManager wm;
    GnomeShell gnome;
    KWin kwin;
    if (desktop == GnomeOnWayland) {
        if (!gnome.start(dir))
            QSKIP(qPrintable("no GNOME Shell session: " + gnome.why()));
        gnome.enter(env);
    } else if (desktop == KdeOnWayland) {
        if (!kwin.start(dir))
            QSKIP(qPrintable("no KWin session: " + kwin.why()));
        kwin.enter(env);
        env.remove("DISPLAY");
    } else {
        if (ownServer && !server.start())
            QSKIP(qPrintable("no X server for " + windowManager + ": " + server.why()));
        const QString display = ownServer ? server.display() : g_server->display();
        if (!wm.start(display, windowManager))
            QSKIP(qPrintable("no window manager: " + wm.why()));
        env.insert("DISPLAY", display);
        env.insert("XDG_RUNTIME_DIR", dir + "/runtime");
        QVERIFY(makeRuntimeDir(dir + "/runtime"));
    }
    // What an X client of the session sees.
    QProcessEnvironment x = xClient(env.value("DISPLAY"));
    if (env.contains("XAUTHORITY"))
        x.insert("XAUTHORITY", env.value("XAUTHORITY"));
    for (const char *tool : {"xlogo", "xwininfo", "wmctrl", "import"})
        if (x11 && QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(tool)));

    // The distribution's install: the system's plug-ins, every platform.
    QVERIFY(makeRoot(m_root, 2001));
    QVERIFY(ownLib(m_root, qtPluginFolder()));
    QVERIFY(makePackage(appPath(m_home), 2000));
    const QString fifo = holdAtStart(m_home);
    QVERIFY(!fifo.isEmpty());

    // The window the user types in has the focus when the launcher starts.
    Session other;
    QString typing;
    if (x11) {
        // A window manager that has only just come up may miss the first
        // window mapped: started again until one is managed.
        for (int attempt = 0; attempt < 3 && typing.isEmpty(); ++attempt) {
            QVERIFY(other.start(QStandardPaths::findExecutable(QStringLiteral("xlogo")), {}, x, dir + "/xlogo.log"));
            if ((typing = windowTitled(x, "xlogo", 10000)).isEmpty())
                other.stop();
        }
        QVERIFY2(!typing.isEmpty(), qPrintable("xlogo never mapped: " + xprop(x, "-root", "_NET_CLIENT_LIST")
                                                + outputOf("xwininfo", {"-root", "-tree"}, x)));
        const auto focused = [&] { return windowList(x, "_NET_ACTIVE_WINDOW").value(0) == typing; };
        // A window manager that leaves a new window unfocused is asked to
        // focus it, as a pager would.
        if (!waitUntil(focused, 5000)) {
            (void)outputOf(QStringLiteral("xdotool"), {"windowactivate", typing}, x);
            (void)outputOf(QStringLiteral("wmctrl"), {"-i", "-a", typing}, x);
        }
        if (!waitUntil(focused, 10000)) {
            // GNOME Shell comes up in its overview, where no window has the
            // focus; the dialog must not take it there either.
            QVERIFY2(desktop == GnomeOnWayland, "the other window never got the focus");
            qInfo("no window has the focus in the session: %s", xprop(x, "-root", "_NET_ACTIVE_WINDOW").constData());
            typing.clear();
        }
    }

    // The accessibility bus of a session bus of the case's own, with a
    // listener on it before the launcher starts.
    Bus bus;
    Session listener, synthesizer, screenReader;
    const QString saidPath = dir + "/said.txt";
    const QString atSpiOut = dir + "/at-spi.txt";
    const QString atSpiFlag = dir + "/at-spi.dump";
    if (atSpi) {
        if (!QFileInfo::exists("/usr/bin/python3")
            || !outputOf("/usr/bin/python3", {"-c", "import pyatspi; print('pyatspi')"}).contains("pyatspi")
            || QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty())
            QSKIP("python3-pyatspi or dbus-daemon is not installed");
        QVERIFY(bus.start(dir + "/session-bus"));
        env.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        QProcessEnvironment py = x;
        py.insert("DBUS_SESSION_BUS_ADDRESS", bus.address());
        py.insert("XDG_RUNTIME_DIR", env.value("XDG_RUNTIME_DIR"));
        QVERIFY(listener.start("/usr/bin/python3", {"-c", QString::fromLatin1(kAtSpiListener), atSpiOut, atSpiFlag},
                               py, dir + "/at-spi-listener.log"));
        QVERIFY2(waitUntil([&] { return readFile(atSpiOut).contains("listening"); }, 60000), "no AT-SPI listener");
        // A screen reader on the same bus, where the machine has one: its
        // synthesizer writes what it is given into a file.
        const QString orca = QStandardPaths::findExecutable(QStringLiteral("orca"));
        const QString speechd = QStandardPaths::findExecutable(QStringLiteral("speech-dispatcher"));
        if (orca.isEmpty() || speechd.isEmpty()) {
            qInfo("orca or speech-dispatcher is not installed: nothing is heard");
        } else {
            const QString readerHome = dir + "/reader-home";
            const QString config = readerHome + "/.config/speech-dispatcher";
            QVERIFY(writeFile(config + "/speechd.conf",
                              "AddModule \"said\" \"sd_generic\" \"said.conf\"\nDefaultModule said\n"
                              "LanguageDefaultModule \"en\" \"said\"\nAudioOutputMethod \"alsa\"\n"));
            QVERIFY(writeFile(config + "/modules/said.conf",
                              "GenericExecuteSynth \"printf '%s\\\\n' \\\"$DATA\\\" >> " + saidPath.toUtf8() + "\"\n"
                              "AddVoice \"en\" \"MALE1\" \"en\"\n"));
            // No sound card: the synthesizer's audio goes nowhere.
            QVERIFY(writeFile(readerHome + "/.asoundrc", "pcm.!default { type null }\n"));
            QProcessEnvironment reader = py;
            reader.insert("HOME", readerHome);
            QVERIFY(synthesizer.start(speechd, {"-s", "-t", "600"}, reader, dir + "/speechd.out"));
            QVERIFY(waitUntil([&] { return QFileInfo::exists(env.value("XDG_RUNTIME_DIR") + "/speech-dispatcher/speechd.sock"); }, 30000));
            QVERIFY(screenReader.start(orca, {"--replace", "-u", readerHome + "/orca"}, reader, dir + "/orca.out"));
            QVERIFY2(waitUntil([&] { return readFile(saidPath).contains("Screen reader on"); }, 60000),
                     "the screen reader never spoke");
        }
    }

    // Qt's bridge joins the accessibility bus once the launcher's event loop
    // runs, while the upgrade goes on beside it: an installed client that
    // ignores the request to end keeps the upgrade in its first step for
    // the launcher's five probes, long enough for the bridge to be there
    // when the label changes.
    Session oldClient;
    if (atSpi) {
        QVERIFY(makePackage(appPath(m_home), 2000, OnTerm::Ignore));
        QVERIFY(oldClient.start(appPath(m_home) + "/bin/cloud-zelto-ui", QStringList(), launcherEnvironment(m_home),
                                dir + "/old-client.log"));
        QVERIFY(waitUntil([&] { return clientEvents(m_home, "started").size() == 1; }, 30000));
    }

    QProcess launcher;
    startLauncher(launcher, m_root, env);
    QVERIFY(launcher.waitForStarted());
    int writer = waitForHold(launcher, fifo, 120000);
    if (writer < 0)
        QFAIL(qPrintable("the launcher never reached the start script: " + launcher.readAllStandardError()));
    // A case that ends early lets the start script go on without a client
    // to start: none outlives the case.
    const auto release = qScopeGuard([&] {
        if (writer >= 0) {
            QFile::remove(appPath(m_home) + "/bin/cloud-zelto-ui");
            ::close(writer);
        }
    });

    const QString title = QStringLiteral("Quenmark Zelto Client");
    // The AT-SPI row looks at the accessibility bus alone.
    if (x11 && !atSpi) {
        const QString dialog = windowTitled(x, title, 30000);
        QVERIFY2(!dialog.isEmpty(), qPrintable("no dialog in the session; the log says: "
                                                + QString::fromUtf8(readFile(logPath(m_home))).right(1500)));
        const QString frame = frameOf(x, dialog);
        QVERIFY(waitUntil([&] { return outputOf("xwininfo", {"-id", frame}, x).contains("IsViewable"); }, 30000));

        // A dialog, of a fixed size, to the window manager.
        const QByteArray type = xprop(x, dialog, "_NET_WM_WINDOW_TYPE");
        qInfo("%s", type.constData());
        QVERIFY2(type.contains("_NET_WM_WINDOW_TYPE_DIALOG"), type.constData());
        const QString hints = QString::fromLatin1(xprop(x, dialog, "WM_NORMAL_HINTS"));
        const auto size = [&](const QString &bound) {
            return QRegularExpression(bound + QStringLiteral(" size: (\\d+ by \\d+)")).match(hints).captured(1);
        };
        QVERIFY2(!size("minimum").isEmpty() && size("minimum") == size("maximum"), qPrintable(hints));
        const QByteArray actions = xprop(x, dialog, "_NET_WM_ALLOWED_ACTIONS");
        qInfo("%s", actions.constData());
        QVERIFY2(!actions.contains("MAXIMIZE"), actions.constData());

        // Shown without taking the focus: a user time of 0, on the window or
        // on the window Qt keeps it on.
        const QString timeWindow =
            QString::fromLatin1(xprop(x, dialog, "_NET_WM_USER_TIME_WINDOW").split('#').value(1).trimmed());
        const QByteArray userTime = xprop(x, timeWindow.isEmpty() ? dialog : timeWindow, "_NET_WM_USER_TIME");
        qInfo("%s", userTime.constData());
        QVERIFY2(userTime.endsWith("= 0"), userTime.constData());
        QCOMPARE(windowList(x, "_NET_ACTIVE_WINDOW").value(0), typing);

        // The picture with the window manager's frame.
        if (!picture.isEmpty()) {
            const QString shot = m_pictures + "/" + picture + ".png";
            QFile::remove(shot);
            (void)outputOf("import", {"-window", frame, shot}, x);
            QVERIFY2(QImage(shot).width() >= 400, qPrintable("no picture of the dialog in " + shot));
        }

        // The close button: the dialog goes, the run goes on.
        (void)outputOf(QStringLiteral("wmctrl"), {"-i", "-c", dialog}, x);
        QVERIFY2(waitUntil([&] { return windowTitled(x, title).isEmpty(); }, 30000), "the close request left the dialog");
        QCOMPARE(launcher.state(), QProcess::Running);
    }

    if (atSpi) {
        QVERIFY(writeFile(atSpiFlag, "dump\n"));
        QVERIFY2(waitUntil([&] { return readFile(atSpiOut).contains("\ndone"); }, 60000), "no AT-SPI tree");
        const QString transcript = QString::fromUtf8(readFile(atSpiOut));
        QVERIFY(writeFile(m_pictures + "/at-spi.txt", transcript.toUtf8()));
        const QString ready = QStringLiteral("Quenmark Zelto Client is ready.");
        if (QFileInfo::exists(saidPath)) {
            const bool heard = waitUntil([&] { return readFile(saidPath).contains(ready.toUtf8()); }, 30000);
            QVERIFY(writeFile(m_pictures + "/screen-reader.txt", readFile(saidPath)));
            qInfo("the screen reader said:\n%s", readFile(saidPath).constData());
            QVERIFY2(heard, "the screen reader never said \"is ready.\"");
            // Once: the dialog's title comes before it, not the label again.
            QCOMPARE(QString::fromUtf8(readFile(saidPath)).count(ready), 1);
        }
        qInfo("%s", qPrintable(transcript));
        const QStringList lines = transcript.split('\n');
        // Roles and values as before; the bar named after what it measures.
        QVERIFY(lines.filter(QRegularExpression("^tree\\|1\\|dialog\\|Quenmark Zelto Client\\|")).size() == 1);
        QVERIFY(lines.filter(QRegularExpression("^tree\\|2\\|label\\|" + QRegularExpression::escape(ready) + "\\|")).size() == 1);
        QVERIFY2(lines.filter(QRegularExpression("^tree\\|2\\|progress bar\\|" + QRegularExpression::escape(ready) + "\\|.*\\|100(\\.0)?$")).size() == 1,
                 "the bar has no name, or not the label's");
        // The change to "is ready." comes as a notification shown anew, which
        // screen readers speak whatever has the focus.
        QVERIFY2(!lines.filter(QRegularExpression("^event\\|object:state-changed:showing\\|notification\\|"
                                                  + QRegularExpression::escape(ready) + "\\|")).isEmpty(),
                 "no notification carries \"is ready.\"");
    }

    // The start script goes on, and the launcher ends on the platform the
    // session called for; the client gets the user's own setting.
    ::close(writer);
    writer = -1;
    QVERIFY(launcher.waitForFinished(120000));
    QVERIFY2(launcher.exitStatus() == QProcess::NormalExit && launcher.exitCode() == 0,
             qPrintable(QStringLiteral("exit %1, status %2: ").arg(launcher.exitCode()).arg(launcher.exitStatus())
                        + launcher.readAllStandardError().right(1500)));
    QTRY_COMPARE_WITH_TIMEOUT(clientEvents(m_home, "started").size(), atSpi ? 2 : 1, 30000);
    QCOMPARE(QString::fromUtf8(readFile(m_home + "/start-stop.platform")).trimmed(), QStringLiteral("<unset>"));
    const QByteArray log = readFile(logPath(m_home));
    QVERIFY2(log.contains("Qt platform = " + platform.toUtf8()), log.right(1500).constData());
    QVERIFY(!log.contains("[ERROR]"));
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
