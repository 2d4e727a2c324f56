#include "launcher.h"

#define LOG_COMPONENT "launcher_debug"
#define LOG_MODULE "launcher.cpp"
#include "log.h"

#include "cloud-service.h"
#include "linux/linux-service.h"
#include "notify-adapter.h"
#include "processing-progress-dialog.h"
#include "ui-text.h"

#include <QCoreApplication>

#include <limits>

void HandlerThread::run()
{
    exec();
}

Worker::Worker()
    : QObject(nullptr)
    , service(std::make_unique<LinuxService>())
{
    init();
}

Worker::Worker(Service *injected)
    : QObject(nullptr)
    , service(injected)
{
    init();
}

void Worker::init()
{
    thread = std::make_unique<HandlerThread>();
    // Before the thread starts, so that sigStart is queued to it.
    moveToThread(thread.get());
}

Worker::~Worker()
{
    // The thread has been joined by then (LaunchDone), so deleting it
    // and the service cannot race with the slot.
    thread.reset();
    service.reset();
}

void Worker::StartThread()
{
    thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    thread->quit();
}

void Worker::WaitThread()
{
    thread->wait();
}

void Worker::HandleServicce()
{
    LOG_DEBUG("running\n");

    service->readVersions();
    if (service->needUpgrade()) {
        emit sigShowMsg();
        const int r = service->upgrade();
        if (r != 0) {
            // The dialog keeps its last value and label; the client is
            // still started below.
            LOG_ERROR("Failed to upgrade package\n");
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(LookupUIText(UITEXT_ENV_PREPARATION_DONE)
                                     .arg(LookupUIText(UITEXT_APP_NAME)));
        }
    } else {
        LOG_DEBUG("no need to upgrade\n");
    }

    service->removeAgedAppFolder();
    service->startUI();

    LOG_DEBUG("done\n");
    // The last act: LaunchDone joins this thread once it has arrived.
    emit sigServiceDone();
}

Launcher::Launcher()
    : QObject(nullptr)
    , worker(std::make_unique<Worker>())
{
    init();
}

Launcher::Launcher(Service *service)
    : QObject(nullptr)
    , worker(std::make_unique<Worker>(service))
{
    init();
}

void Launcher::init()
{
    dialog = std::make_unique<ProcessingProgressDialog>();
    dialog->setCancelButton(nullptr);
    dialog->setAutoReset(false);
    dialog->setModal(false);
    // QProgressDialog shows itself once its minimum duration has passed,
    // even when nobody asks; the dialog must appear only when an upgrade
    // starts (ShowMsgBox), never on a run that needs none.
    dialog->setMinimumDuration(std::numeric_limits<int>::max());

    connect(this, SIGNAL(sigStart()), worker.get(), SLOT(HandleServicce()));
    connect(worker.get(), SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
    connect(worker.get(), SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
    connect(worker.get(), SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
    connect(worker.get(), SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
    connect(Notify_Adapter::getInstance(), SIGNAL(sigUpdateProgress(int, int)),
            this, SLOT(UpdateProgress(int, int)));
    connect(Notify_Adapter::getInstance(), SIGNAL(sigUpdateDialogText(QString)),
            this, SLOT(SetLabelText(QString)));
}

Launcher::~Launcher()
{
    worker.reset();
    dialog.reset();
}

void Launcher::StartWorkerThread()
{
    worker->StartThread();
}

void Launcher::StartService()
{
    emit sigStart();
}

void Launcher::LaunchDone()
{
    dialog->setValue(100);
    dialog->hide();
    worker->QuitThread();
    worker->WaitThread();
    QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps)
{
    // No sender produces a total of 0 or less; dividing by it would be
    // undefined, so such a request changes nothing.
    if (total <= 0)
        return;
    // The product in 64 bits: the same percentage for every count that
    // fits, and no overflow for an archive of millions of entries.
    dialog->setValue(static_cast<int>(static_cast<qint64>(steps) * 100 / total));
}

void Launcher::SetLabelText(QString text)
{
    dialog->setLabelText(text);
}

void Launcher::ShowMsgBox()
{
    dialog->show();
}
