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
    // Nothing is sent to that process. False also when the lock could not
    // be taken at all (see lockProblem()).
    bool isRunning();

    // The lock file this object competes for: one per user and program,
    // in the user's home folder.
    QString lockFilePath() const;

    // Why the lock could not be taken (a permission or I/O error, a
    // folder that is not the user's own), with the path and the system's
    // error; empty when it was taken or another instance holds it.
    QString lockProblem() const;

    // Which host holds the lock, when a launcher of another host does (a
    // roaming home). Such a lock counts as stale 10 minutes after it was
    // made: the other host's processes cannot be looked for from here.
    // Empty otherwise.
    QString lockNote() const;

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_lockPath;
    QString m_lockProblem;
    QString m_lockNote;
    bool m_running = false;
};
