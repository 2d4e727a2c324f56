// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the main thread.
//
// A signal handler may only call async-signal-safe functions, so the handler
// writes the signal number into a pipe and a QSocketNotifier on the pipe's
// read end wakes the event loop, which then quits the way a closed window does.
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <memory>

class StopSignalNotifier : public QObject
{
    Q_OBJECT
public:
    explicit StopSignalNotifier(QObject *parent = nullptr);
    ~StopSignalNotifier() override;

    // 0 when the handlers are in place, -1 (with a message) otherwise.
    int install();

signals:
    void sigStopRequested(int signalNumber);

private:
    void drain();

    std::unique_ptr<QSocketNotifier> notifier;
};
