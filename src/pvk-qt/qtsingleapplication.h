// The application object that knows whether another launcher of the same
// user is already running.
#pragma once

#include "pvk-qt-global.h"

#include <QApplication>

#include <memory>

class QLockFile;

class PVK_QT_EXPORT QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    // `gui` is accepted for the library's signature; the object is always a
    // widget application. The instance lock is taken here and held until
    // the object is destroyed.
    QtSingleApplication(int &argc, char **argv, bool gui = true);
    ~QtSingleApplication() override;

    // True when another process of this user holds the instance lock.
    // Nothing is sent to that process.
    bool isRunning();

    // The lock file this object competes for.
    QString lockFilePath() const;

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_lockPath;
    bool m_running = false;
};
