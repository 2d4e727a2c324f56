#include "notify-adapter.h"

Notify_Adapter::Notify_Adapter()
    : QObject(nullptr)
{
}

Notify_Adapter *Notify_Adapter::getInstance()
{
    // A function-local static: its initialisation is serialised by the
    // compiler, so concurrent first calls all get the one object.
    static Notify_Adapter instance;
    return &instance;
}

void Notify_Adapter::UpdateProgress(int total, int current)
{
    emit sigUpdateProgress(total, current);
}

void Notify_Adapter::UpdateDialogText(const QString &text)
{
    emit sigUpdateDialogText(text);
}
