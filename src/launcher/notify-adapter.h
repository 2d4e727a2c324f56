// The process-wide relay through which code that knows nothing of the launch
// controller (the extractor) reports progress and a label text.
#pragma once

#include <QObject>
#include <QString>

class Notify_Adapter : public QObject
{
    Q_OBJECT

public:
    // The one instance, created on the first call (safe against concurrent
    // first calls) and destroyed at process exit. It belongs to the thread
    // of that first call, which the launch controller makes the main thread.
    static Notify_Adapter *getInstance();

    // Callable from any thread; the signal is emitted in the calling thread,
    // so receivers elsewhere get it queued with the arguments copied.
    void UpdateProgress(int total, int current);
    void UpdateDialogText(const QString &text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString);

private:
    Notify_Adapter();
    Q_DISABLE_COPY(Notify_Adapter)
};
