#include "qtsingleapplication.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
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

// A lock file that names no holder was left by a launcher killed between
// creating the file and writing its record into it. With a stale time of 0
// QLockFile would honour such a file for ever, and no later launcher would
// start the client. A launcher that is starting writes its record within
// moments of creating the file, so only a file older than this counts as
// such a leftover, and it is removed only while nobody holds its kernel
// lock (QLockFile::removeStaleLockFile takes that lock first).
constexpr qint64 kUnrecordedLockAgeMs = 5000;

bool holderNeverRecorded(const QLockFile &lock, const QString &path)
{
    qint64 pid = 0;
    QString host;
    QString application;
    if (lock.getLockInfo(&pid, &host, &application))
        return false;
    const QFileInfo info(path);
    return info.exists()
           && qAbs(info.lastModified().msecsTo(QDateTime::currentDateTime())) > kUnrecordedLockAgeMs;
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
    bool locked = m_lock->tryLock(0);
    if (!locked && m_lock->error() == QLockFile::LockFailedError && holderNeverRecorded(*m_lock, m_lockPath)
        && m_lock->removeStaleLockFile())
        locked = m_lock->tryLock(0);
    m_running = !locked;
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
