#include "qtsingleapplication.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder for the instance lock: the user's runtime folder when the
// session provides a usable one, else a private folder in the home. Never a
// shared world-writable folder, where another user could squat the name.
QString lockFolder()
{
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && runtime.startsWith('/')) {
        struct stat st;
        if (stat(runtime.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == geteuid())
            return QString::fromLocal8Bit(runtime);
    }
    const QString folder = QDir::homePath() + QStringLiteral("/.pvk-qt");
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return folder;
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool gui)
    : QApplication(argc, argv)
{
    Q_UNUSED(gui);
    QString name = QCoreApplication::applicationName();
    if (name.isEmpty())
        name = QStringLiteral("pvk-qt-application");
    m_lockPath = lockFolder() + QLatin1Char('/') + name + QStringLiteral(".lock");

    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a dead holder makes the lock stale, never its age: a launcher
    // that has run for hours still counts as running.
    m_lock->setStaleLockTime(0);
    m_running = !m_lock->tryLock(0);
}

QtSingleApplication::~QtSingleApplication()
{
    // Unlocks when held; a lock that belongs to another process is left alone.
    m_lock.reset();
}

bool QtSingleApplication::isRunning()
{
    return m_running;
}

QString QtSingleApplication::lockFilePath() const
{
    return m_lockPath;
}
