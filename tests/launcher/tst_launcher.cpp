// The launch controller with a scripted service: which operations run in
// which order on which thread, what the dialog shows at each step, how the
// run ends; and the dialog's own set-up.

#include "cloud-service.h"
#include "dpiinfo.h"
#include "launcher.h"
#include "log.h"
#include "notify-adapter.h"
#include "processing-progress-dialog.h"
#include "ui-text.h"
#include "uipathmanager.h"

#include "support/contrast.h"
#include "test-files.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QPushButton>
#include <QAccessible>
#include <QtTest>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>

namespace {

const char kAppName[] = "Quenmark Zelto Client";
const char kPreparing[] = "Quenmark Zelto Client is initializing...";
const char kReady[] = "Quenmark Zelto Client is ready.";

// The strongest contrast of any pixel in an area against a background:
// the glyphs' cores, where anti-aliasing leaves the text's own colour.
double strongestContrast(const QImage &image, const QRect &area, QRgb background)
{
    double best = 1.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            best = qMax(best, support::contrastRatio(image.pixel(x, y), background));
    return best;
}

// A theme's dark palette as a platform theme hands it to the application:
// light text on dark surfaces.
QPalette darkPalette(QRgb window, QRgb text, QRgb base)
{
    QPalette p;
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, QColor(window));
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        p.setColor(role, QColor(text));
    p.setColor(QPalette::Base, QColor(base));
    p.setColor(QPalette::Highlight, QColor(0x3daee9));
    p.setColor(QPalette::HighlightedText, QColor(0xfcfcfc));
    return p;
}

ProcessingProgressDialog *findDialog()
{
    ProcessingProgressDialog *found = nullptr;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets) {
        if (auto *d = qobject_cast<ProcessingProgressDialog *>(w)) {
            if (found)
                return nullptr; // more than one: the test cannot tell them apart
            found = d;
        }
    }
    return found;
}

// What the dialog showed when the service reached a step. Taken on the main
// thread, after every request queued before it has been applied.
QString describe(const ProcessingProgressDialog *d)
{
    if (!d)
        return QStringLiteral("no dialog");
    return QStringLiteral("%1 %2 \"%3\"")
        .arg(d->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"))
        .arg(d->value())
        .arg(d->labelText());
}

// What a scripted service did, and what the dialog showed meanwhile.
class Probe : public QObject
{
    Q_OBJECT

public:
    explicit Probe(bool pictures = true) : pictures(pictures) {}

    QStringList calls;            // the service's steps
    Qt::HANDLE thread = nullptr;  // where it read the versions
    const bool pictures;          // whether each step waits for a picture of the dialog
    QStringList seen;             // the pictures
    // Show events, once installed on the dialog: a dialog that showed
    // itself and hid again would pass a visibility check at the end.
    int shows = 0;
    // Released after each snapshot and acquired by the caller once its
    // blocking call returns: Qt's hand-off happens in code a thread checker
    // does not see, and without this edge the caller's later reuse of the
    // stack that held the argument looks like a race with the read here.
    std::atomic<int> taken{0};

public slots:
    void snapshot(const char *step)
    {
        seen << QLatin1String(step) + QLatin1String(": ") + describe(findDialog());
        taken.fetch_add(1, std::memory_order_release);
    }

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// What a scripted service answers, and where it records its steps.
struct Script {
    bool upgradeNeeded;
    int upgradeResult;
    Probe *probe;
    QString agedApp;
    unsigned long startDelayMs = 0;
};

// The sequence as the service sees it. Runs on the handler thread; each
// step asks the main thread for a picture of the dialog, when the probe
// takes them, and waits for it.
class ScriptedService : public Service
{
public:
    explicit ScriptedService(Script script) : m_script(std::move(script)) {}

    ~ScriptedService() override { m_script.probe->calls.append(QStringLiteral("~Service")); }

    void terminateUI() override { record("terminateUI"); }
    int32_t upgrade() override
    {
        record("upgrade");
        // The extractor's path: reports through the relay on this thread,
        // mixed with the worker's own.
        Notify_Adapter::getInstance()->UpdateProgress(4, 1);
        Notify_Adapter::getInstance()->UpdateDialogText(QStringLiteral("relay text"));
        return m_script.upgradeResult;
    }
    void startUI() override
    {
        // removeAgedAppFolder() is not virtual; its effect tells that it ran
        // before this step.
        record(QFileInfo::exists(m_script.agedApp) ? "startUI (aged app present)" : "startUI");
        if (m_script.startDelayMs)
            QThread::msleep(m_script.startDelayMs);
    }
    void readVersions() override
    {
        m_script.probe->thread = QThread::currentThreadId();
        record("readVersions");
    }
    bool needUpgrade() override
    {
        record("needUpgrade");
        return m_script.upgradeNeeded;
    }

private:
    void record(const char *step)
    {
        Probe *probe = m_script.probe;
        probe->calls.append(QLatin1String(step));
        // Only a pointer to a literal crosses: the blocking call's hand-off
        // happens inside Qt, where a thread checker cannot follow it.
        if (probe->pictures) {
            QMetaObject::invokeMethod(probe, "snapshot", Qt::BlockingQueuedConnection,
                                      Q_ARG(const char *, step));
            (void)probe->taken.load(std::memory_order_acquire);
        }
    }

    const Script m_script;
};

} // namespace

// `launcher` with a service that does nothing unless asked, and `d`, its
// dialog, which must be the only one.
#define IDLE_LAUNCHER(launcher, d)                                             \
    Launcher launcher(idleService());                                          \
    ProcessingProgressDialog *d = findDialog();                                \
    QVERIFY(d)

class TstLauncher : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void dialogSetUp();
    void dialogWidth_data();
    void dialogWidth();
    void dialogIcon_data();
    void dialogIcon();
    void closeRequestIgnored();
    void dialogReadable_data();
    void dialogReadable();
    void dialogStaysOutOfTheWay();
    void dialogAccessible();

    void updateProgress_data();
    void updateProgress();
    void relayReachesDialog();

    void workerSignalOrder_data();
    void workerSignalOrder();
    void run_data();
    void run();
    void notShownByItself();

private:
    void registerPaths(const QString &root);
    Service *idleService() { return new ScriptedService({false, 0, &m_idle, QString()}); }
    int runLauncher(Launcher &launcher);

    std::unique_ptr<QTemporaryDir> m_dir;
    Probe m_idle{false};
};

void TstLauncher::initTestCase()
{
    InitUITextTable();
}

void TstLauncher::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    registerPaths(m_dir->path());
}

void TstLauncher::cleanup()
{
    m_dir.reset();
    // The path table is process-wide: point it at nothing that exists.
    registerPaths(QStringLiteral("/nonexistent-zelto-test"));
}

void TstLauncher::registerPaths(const QString &root)
{
    UIPathManager *paths = UIPathManager::getInstance();
    const QString home = root + QStringLiteral("/home");
    paths->setPath(QStringLiteral("user_quenmark_zelto_path"), home + QStringLiteral("/.QuenmarkZelto"));
    paths->setPath(QStringLiteral("user_quenmark_zelto_app_path"), home + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app"));
    paths->setPath(QStringLiteral("user_quenmark_zelto_resource_path"), home + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app"));
    paths->setPath(QStringLiteral("user_orvilex_path"), home + QStringLiteral("/.Orvilex"));
    paths->setPath(QStringLiteral("root_resource_path"), root + QStringLiteral("/root"));
}

// Runs the event loop the way main does, until LaunchDone quits it.
int TstLauncher::runLauncher(Launcher &launcher)
{
    launcher.StartWorkerThread();
    launcher.StartService();
    // Only a hung run reaches this; it turns a hang into a failure message.
    QTimer watchdog;
    watchdog.setSingleShot(true);
    QObject::connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    watchdog.start(60000);
    return QCoreApplication::exec();
}

void TstLauncher::dialogSetUp()
{
    IDLE_LAUNCHER(launcher, d);

    QCOMPARE(d->parent(), nullptr);
    QCOMPARE(d->windowTitle(), QString::fromLatin1(kAppName));
    QCOMPARE(d->labelText(), QString::fromLatin1(kPreparing));
    QCOMPARE(d->minimum(), 0);
    QCOMPARE(d->maximum(), 100);
    QCOMPARE(d->value(), 0);
    QCOMPARE(d->font().toString(), QApplication::font().toString());

    const Qt::WindowFlags hints = d->windowFlags() & ~Qt::WindowType_Mask;
    QVERIFY(hints & Qt::WindowTitleHint);
    QVERIFY(hints & Qt::WindowSystemMenuHint);
    QVERIFY(!(hints & (Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
    QVERIFY(d->isWindow());

    // The offscreen screen reports 96 dpi: a multiplier of exactly 1.0.
    QCOMPARE(DPIinfo::getInstance()->getDPI(), 1.0);
    QCOMPARE(d->minimumWidth(), 400);
    QCOMPARE(d->maximumWidth(), 400);
    QCOMPARE(d->styleSheet(),
             QStringLiteral("QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"));

    // The launcher's additions.
    QVERIFY(!d->isModal());
    QCOMPARE(d->windowModality(), Qt::NonModal);
    QVERIFY(!d->autoReset());
    QVERIFY(d->findChildren<QPushButton *>().isEmpty());
    QVERIFY(!d->isVisible());
}

// The multiplier is fixed when the application starts, so each row runs
// this program again with the screen's dpi given through the environment.
void TstLauncher::dialogWidth_data()
{
    QTest::addColumn<QString>("dpi");
    QTest::addColumn<int>("width");
    QTest::newRow("1.0") << "96" << 400;
    QTest::newRow("1.25") << "120" << 500;
    QTest::newRow("1.5") << "144" << 600;
    QTest::newRow("1.3333 truncated") << "128" << 533;
}

void TstLauncher::dialogWidth()
{
    QFETCH(QString, dpi);
    QFETCH(int, width);

    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_FONT_DPI"), dpi);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--dialog-width")});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromLatin1(child.readAllStandardOutput()).trimmed(), QString::number(width));
}

void TstLauncher::dialogIcon_data()
{
    QTest::addColumn<bool>("iconOnDisk");
    QTest::newRow("icon file present") << true;
    QTest::newRow("icon file missing") << false;
}

void TstLauncher::dialogIcon()
{
    QFETCH(bool, iconOnDisk);
    const QString images = m_dir->path() + QStringLiteral("/root/images");
    if (iconOnDisk) {
        QVERIFY(QDir().mkpath(images));
        QImage icon(72, 72, QImage::Format_ARGB32);
        icon.fill(Qt::darkCyan);
        QVERIFY(icon.save(images + QStringLiteral("/ico_72_orvilex.png")));
    }

    ProcessingProgressDialog dialog;
    // A missing file leaves an icon without a picture: nothing to show.
    QCOMPARE(dialog.windowIcon().pixmap(72, 72).isNull(), !iconOnDisk);
    if (iconOnDisk)
        QCOMPARE(dialog.windowIcon().pixmap(72, 72).toImage().pixelColor(36, 36), QColor(Qt::darkCyan));
}

void TstLauncher::closeRequestIgnored()
{
    IDLE_LAUNCHER(launcher, d);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    QSignalSpy canceled(d, &QProgressDialog::canceled);
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);

    // Escape leaves the dialog as it is.
    QTest::keyClick(d, Qt::Key_Escape);
    QCoreApplication::processEvents();
    QVERIFY(d->isVisible());

    // What the window manager's close button sends: refused, so that the
    // event loop goes on, but the window goes away.
    QCloseEvent close;
    QCoreApplication::sendEvent(d, &close);
    QVERIFY(!close.isAccepted());
    QCoreApplication::processEvents();
    QVERIFY(!d->isVisible());
    d->show();
    QVERIFY(!d->close());
    QCoreApplication::processEvents();

    QVERIFY(!d->isVisible());
    QCOMPARE(lastClosed.count(), 0);
    QCOMPARE(canceled.count(), 0);
    QVERIFY(!d->wasCanceled());
    QCOMPARE(d->value(), 0);
    // The run's requests still reach it.
    QVERIFY(QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, 4), Q_ARG(int, 1)));
    QCOMPARE(d->value(), 25);
}

// The style sheet's WhiteSmoke under the palettes of light and dark themes:
// the label's text and the bar's percentage read on it (4.5:1 at least),
// and the background stays the one the style sheet names.
void TstLauncher::dialogReadable_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light (Fusion)") << QPalette(QColor(0xefefef));
    QTest::newRow("dark (Breeze Dark)") << darkPalette(0x2a2e32, 0xfcfcfc, 0x1b1e20);
    QTest::newRow("dark (Adwaita-dark)") << darkPalette(0x353535, 0xeeeeec, 0x2d2d2d);
    QTest::newRow("dark (grey text)") << darkPalette(0x303030, 0xb0b0b0, 0x202020);
}

void TstLauncher::dialogReadable()
{
    QFETCH(QPalette, palette);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    const auto restore = qScopeGuard([&before] { QApplication::setPalette(before); });

    IDLE_LAUNCHER(launcher, d);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d));
    const QImage shot = d->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb whiteSmoke = 0xfff5f5f5;
    QCOMPARE(shot.pixel(1, 1), whiteSmoke);

    auto *label = d->findChild<QLabel *>();
    auto *bar = d->findChild<QProgressBar *>();
    QVERIFY(label && bar);
    const QRect labelArea = label->geometry() & shot.rect();
    const double labelContrast = strongestContrast(shot, labelArea, whiteSmoke);
    QVERIFY2(labelContrast >= 4.5, qPrintable(QStringLiteral("label %1:1").arg(labelContrast)));

    // The percentage, on whatever the bar draws behind it (the groove, or
    // the dialog beside it): the text's pixels against the area's commonest.
    const QImage barShot = bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < barShot.height(); ++y)
        for (int x = 0; x < barShot.width(); ++x)
            ++counts[barShot.pixel(x, y)];
    const QRgb commonest = std::max_element(counts.cbegin(), counts.cend()).key();
    const double barContrast = strongestContrast(barShot, barShot.rect().adjusted(2, 2, -2, -2), commonest);
    QVERIFY2(barContrast >= 4.5, qPrintable(QStringLiteral("bar's text %1:1 on #%2").arg(barContrast).arg(commonest & 0xffffff, 6, 16, QLatin1Char('0'))));
    // The specified style sheet stays as it was.
    QCOMPARE(d->styleSheet(), QStringLiteral("QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"));
}

// A dialog to the window manager, with the title bar the two hints give,
// shown without taking the focus.
void TstLauncher::dialogStaysOutOfTheWay()
{
    IDLE_LAUNCHER(launcher, d);
    QCOMPARE(d->windowType(), Qt::Dialog);
    const Qt::WindowFlags hints = d->windowFlags() & ~Qt::WindowType_Mask;
    QCOMPARE(hints, Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    // The offscreen platform activates every window it shows: whether the
    // focus stays elsewhere is seen under real window managers (tst_gui).
    QVERIFY(d->testAttribute(Qt::WA_ShowWithoutActivating));
}

// The bar is named after what it measures, and a notification follows the
// label, shown anew at each change, so that screen readers speak it.
void TstLauncher::dialogAccessible()
{
    IDLE_LAUNCHER(launcher, d);
    auto *bar = d->findChild<QProgressBar *>();
    QVERIFY(bar);
    QCOMPARE(bar->accessibleName(), QString::fromLatin1(kPreparing));
    QVERIFY(QMetaObject::invokeMethod(&launcher, "SetLabelText", Q_ARG(QString, QString::fromLatin1(kReady))));
    QCOMPARE(d->labelText(), QString::fromLatin1(kReady));
    QCOMPARE(bar->accessibleName(), QString::fromLatin1(kReady));
    QWidget *announcement = d->findChild<QWidget *>(QStringLiteral("announcement"));
    QVERIFY(announcement);
    QCOMPARE(announcement->accessibleName(), QString::fromLatin1(kReady));
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(announcement);
    QVERIFY(spoken);
    QCOMPARE(spoken->role(), QAccessible::Notification);
    QCOMPARE(spoken->text(QAccessible::Name), QString::fromLatin1(kReady));
    // It takes no room in the dialog, and the text is not told twice.
    QCOMPARE(announcement->size(), QSize(0, 0));
    QCOMPARE(d->accessibleDescription(), QString());
    // The label's own name stays its text.
    QCOMPARE(d->findChild<QLabel *>()->accessibleName(), QString());
}

void TstLauncher::updateProgress_data()
{
    QTest::addColumn<int>("total");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("value");

    QTest::newRow("3,1") << 3 << 1 << 33;
    QTest::newRow("3,2") << 3 << 2 << 66;
    QTest::newRow("100,100") << 100 << 100 << 100;
    QTest::newRow("7,0") << 7 << 0 << 0;
    // The value before the request was 50.
    QTest::newRow("total 0 ignored") << 0 << 1 << 50;
    QTest::newRow("negative total ignored") << -3 << 1 << 50;
    QTest::newRow("large counts") << 30000000 << 15000000 << 50;
}

void TstLauncher::updateProgress()
{
    QFETCH(int, total);
    QFETCH(int, steps);
    QFETCH(int, value);

    IDLE_LAUNCHER(launcher, d);
    QVERIFY(QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, 2), Q_ARG(int, 1)));
    QCOMPARE(d->value(), 50);
    QVERIFY(QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, total), Q_ARG(int, steps)));
    QCOMPARE(d->value(), value);
    // Reaching the maximum does not reset or hide the dialog.
    QVERIFY(!d->isVisible());
}

void TstLauncher::relayReachesDialog()
{
    IDLE_LAUNCHER(launcher, d);
    Notify_Adapter::getInstance()->UpdateProgress(3, 2);
    Notify_Adapter::getInstance()->UpdateDialogText(QStringLiteral("unpacking"));
    QCOMPARE(d->value(), 66);
    QCOMPARE(d->labelText(), QStringLiteral("unpacking"));
}

void TstLauncher::workerSignalOrder_data()
{
    QTest::addColumn<bool>("upgradeNeeded");
    QTest::addColumn<int>("upgradeResult");
    QTest::addColumn<QStringList>("order");

    QTest::newRow("upgrade succeeds")
        << true << 0
        << QStringList{"readVersions", "needUpgrade", "sigShowMsg", "upgrade", "sigUpdateProgress(100, 100)",
                       QStringLiteral("sigSetLabelText(%1)").arg(kReady), "startUI", "sigServiceDone"};
    QTest::newRow("upgrade fails")
        << true << 1
        << QStringList{"readVersions", "needUpgrade", "sigShowMsg", "upgrade", "startUI", "sigServiceDone"};
    QTest::newRow("no upgrade needed")
        << false << 0
        << QStringList{"readVersions", "needUpgrade", "startUI", "sigServiceDone"};
}

// The worker alone on its handler thread: what it emits, with which
// arguments, between which service steps.
void TstLauncher::workerSignalOrder()
{
    QFETCH(bool, upgradeNeeded);
    QFETCH(int, upgradeResult);
    QFETCH(QStringList, order);

    Probe probe(false);
    QStringList &seen = probe.calls;
    bool done = false;
    {
        Worker worker(new ScriptedService({upgradeNeeded, upgradeResult, &probe, QString()}));
        // Direct connections: recorded on the handler thread, in emission order.
        connect(&worker, &Worker::sigShowMsg, &worker, [&seen] { seen << "sigShowMsg"; }, Qt::DirectConnection);
        connect(&worker, &Worker::sigUpdateProgress, &worker,
                [&seen](int total, int steps) { seen << QStringLiteral("sigUpdateProgress(%1, %2)").arg(total).arg(steps); },
                Qt::DirectConnection);
        connect(&worker, &Worker::sigSetLabelText, &worker,
                [&seen](const QString &text) { seen << "sigSetLabelText(" + text + ")"; }, Qt::DirectConnection);
        connect(&worker, &Worker::sigServiceDone, &worker, [&seen] { seen << "sigServiceDone"; }, Qt::DirectConnection);
        connect(&worker, &Worker::sigServiceDone, this, [&done] { done = true; }, Qt::QueuedConnection);

        worker.StartThread();
        QVERIFY(QMetaObject::invokeMethod(&worker, "HandleServicce", Qt::QueuedConnection));
        QTRY_VERIFY_WITH_TIMEOUT(done, 60000);
        worker.QuitThread();
        worker.WaitThread();
        QVERIFY(probe.thread != QThread::currentThreadId());
    }
    order << "~Service";
    QCOMPARE(seen, order);
}

void TstLauncher::run_data()
{
    QTest::addColumn<bool>("upgradeNeeded");
    QTest::addColumn<int>("upgradeResult");
    QTest::addColumn<QStringList>("calls");
    QTest::addColumn<QStringList>("seen");
    QTest::addColumn<QStringList>("logLines");
    QTest::addColumn<int>("shows");

    const QString hidden0 = QStringLiteral("hidden 0 \"%1\"").arg(kPreparing);
    const QString shown0 = QStringLiteral("shown 0 \"%1\"").arg(kPreparing);

    QTest::newRow("upgrade succeeds")
        << true << 0
        << QStringList{"readVersions", "needUpgrade", "upgrade", "startUI", "~Service"}
        << QStringList{"readVersions: " + hidden0, "needUpgrade: " + hidden0, "upgrade: " + shown0,
                       QStringLiteral("startUI: shown 100 \"%1\"").arg(kReady)}
        << QStringList{"[DEBUG] launcher.cpp", "running", "done"}
        << 1;
    QTest::newRow("upgrade fails")
        << true << -1
        << QStringList{"readVersions", "needUpgrade", "upgrade", "startUI", "~Service"}
        // The relay's reports stay; the worker reports nothing more.
        << QStringList{"readVersions: " + hidden0, "needUpgrade: " + hidden0, "upgrade: " + shown0,
                       QStringLiteral("startUI: shown 25 \"relay text\"")}
        << QStringList{"running", "[ERROR] launcher.cpp", "Failed to upgrade package", "done"}
        << 1;
    QTest::newRow("no upgrade needed")
        << false << 0
        << QStringList{"readVersions", "needUpgrade", "startUI", "~Service"}
        << QStringList{"readVersions: " + hidden0, "needUpgrade: " + hidden0, "startUI: " + hidden0}
        << QStringList{"running", "no need to upgrade", "done"}
        << 0;
}

void TstLauncher::run()
{
    QFETCH(bool, upgradeNeeded);
    QFETCH(int, upgradeResult);
    QFETCH(QStringList, calls);
    QFETCH(QStringList, seen);
    QFETCH(QStringList, logLines);
    QFETCH(int, shows);

    const QString logPath = m_dir->filePath(QStringLiteral("t.log"));
    const QString switchPath = m_dir->filePath(QStringLiteral("switch"));
    QVERIFY(writeFile(switchPath, "launcher_debug=7\n"));
    QCOMPARE(LogConfigure(LOG_MODE_FILE, logPath.toUtf8().constData(),
                          switchPath.toUtf8().constData(), 50, 1), 0);

    const QString agedApp = m_dir->path() + QStringLiteral("/home/.Orvilex/app");
    QVERIFY(QDir().mkpath(agedApp));

    Probe probe;
    {
        Launcher launcher(new ScriptedService({upgradeNeeded, upgradeResult, &probe, agedApp}));
        ProcessingProgressDialog *d = findDialog();
        QVERIFY(d);
        d->installEventFilter(&probe);

        QCOMPARE(runLauncher(launcher), 0);
        QVERIFY(!d->isVisible());
        QCOMPARE(d->value(), 100);
    }
    LogConfigure(LOG_MODE_STDERR, "", "", 50, 1);

    QCOMPARE(probe.calls, calls);
    QCOMPARE(probe.seen, seen);
    QCOMPARE(probe.shows, shows);
    QVERIFY(probe.thread != nullptr);
    QVERIFY(probe.thread != QThread::currentThreadId());
    QVERIFY(!QFileInfo::exists(agedApp));
    // Nothing of the launcher remains once it is deleted.
    QVERIFY(!findDialog());

    const QString log = QString::fromUtf8(readFile(logPath));
    int at = 0;
    for (const QString &line : logLines) {
        const int found = log.indexOf(line, at);
        QVERIFY2(found >= 0, qPrintable(QStringLiteral("'%1' missing or out of order in:\n%2").arg(line, log)));
        at = found + line.size();
    }
    QCOMPARE(log.contains(QLatin1String("Failed to upgrade package")), upgradeResult != 0 && upgradeNeeded);
    QCOMPARE(log.contains(QLatin1String("no need to upgrade")), !upgradeNeeded);
}

// QProgressDialog shows itself after its minimum duration (4 s) unless told
// otherwise. A run that needs no upgrade but whose client start takes a
// while must still never show the dialog.
void TstLauncher::notShownByItself()
{
    Probe probe;
    const QString none = m_dir->path() + QStringLiteral("/none");
    Launcher launcher(new ScriptedService({false, 0, &probe, none, 5000}));
    ProcessingProgressDialog *d = findDialog();
    QVERIFY(d);
    d->installEventFilter(&probe);
    QCOMPARE(runLauncher(launcher), 0);
    QCOMPARE(probe.shows, 0);
}

int main(int argc, char **argv)
{
    // The offscreen screen reports 100 dpi of its own; 96 makes the
    // display multiplier exactly 1.0.
    if (qEnvironmentVariableIsEmpty("QT_FONT_DPI"))
        qputenv("QT_FONT_DPI", "96");
    QApplication app(argc, argv);

    if (argc > 1 && qstrcmp(argv[1], "--dialog-width") == 0) {
        InitUITextTable();
        ProcessingProgressDialog dialog;
        printf("%d\n", dialog.width());
        return dialog.minimumWidth() == dialog.maximumWidth() ? 0 : 1;
    }

    TstLauncher test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_launcher.moc"
