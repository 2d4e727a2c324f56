// The launch controller: the installation service runs on a handler thread
// of its own while the progress dialog stays on the main thread, and the
// event loop ends when the service is done.
//
// Ownership is explicit, never through Qt parents: Launcher owns the Worker
// and the dialog; the Worker owns its HandlerThread and the Service.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

class ProcessingProgressDialog;
class Service;

// Hosts the Worker; its loop runs until the Worker is told to quit it.
class HandlerThread : public QThread
{
    Q_OBJECT

public:
    HandlerThread() = default;

protected:
    void run() override;
};

class Worker : public QObject
{
    Q_OBJECT

public:
    // Creates the LinuxService that reads the path table.
    Worker();
    // Takes ownership of `service` (which must not be null); lets a caller
    // run the sequence against another implementation.
    explicit Worker(Service *service);
    ~Worker() override;

    void StartThread();
    void QuitThread();
    void WaitThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    void sigUpdateProgress(int total, int steps);
    void sigSetLabelText(QString text);

private slots:
    // Runs the service sequence once, on the handler thread.
    void HandleServicce();

private:
    void init();

    // Deleted in this order by ~Worker: the joined thread, then the service.
    std::unique_ptr<HandlerThread> thread;
    std::unique_ptr<Service> service;

    Q_DISABLE_COPY(Worker)
};

class Launcher : public QObject
{
    Q_OBJECT

public:
    Launcher();
    // Takes ownership of `service`; see Worker(Service *).
    explicit Launcher(Service *service);
    ~Launcher() override;

    void StartWorkerThread();
    void StartService();

signals:
    void sigStart();

private slots:
    void LaunchDone();
    void UpdateProgress(int total, int steps);
    void SetLabelText(QString text);
    void ShowMsgBox();

private:
    void init();

    // Deleted in this order by ~Launcher: the worker, then the dialog.
    std::unique_ptr<Worker> worker;
    std::unique_ptr<ProcessingProgressDialog> dialog;

    Q_DISABLE_COPY(Launcher)
};
