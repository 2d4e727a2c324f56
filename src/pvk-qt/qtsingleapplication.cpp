#include "qtsingleapplication.h"

#include "unique-fd.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The name that the program gave itself before it built the application
// object; once the object exists, an unset name reads as argv[0]'s.
QString &givenName()
{
    static QString name;
    return name;
}

int &rememberGivenName(int &argc)
{
    givenName() = QCoreApplication::applicationName();
    return argc;
}

QString systemError(const char *call, const QByteArray &path, int err)
{
    return QStringLiteral("%1(%2): %3 (%4)")
        .arg(QLatin1String(call), QFile::decodeName(path), qt_error_string(err))
        .arg(err);
}

// The folder for the instance lock: one per user, in the home folder, as
// the user's own copy of the client is. Neither the session's runtime
// folder (ssh, cron and scripts lack it or name another) nor a shared
// world-writable folder, where another user could squat the name. The
// folder is made private through its own descriptor, never through a
// link; a link to a folder of the user is used only when that folder is
// private already.
QString lockFolder(QString *problem)
{
    const QString home = QDir::homePath();
    // A home folder whose bytes Qt cannot decode (not UTF-8) comes back
    // under another name, a sibling that is nobody's: nothing is made there.
    const QByteArray given = qgetenv("HOME");
    if (!given.isEmpty() && QFile::encodeName(QFile::decodeName(given)) != given) {
        *problem = QStringLiteral("home folder '%1' cannot be named (its bytes are not UTF-8)").arg(home);
        return QString();
    }
    (void)QDir().mkpath(home);
    const QByteArray folder = QFile::encodeName(home + QStringLiteral("/.pvk-qt"));
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        *problem = systemError("mkdir", folder, errno);
        return QString();
    }
    // With O_NOFOLLOW a link fails to open as a folder (ELOOP, or ENOTDIR
    // together with O_DIRECTORY); only then is it looked at as a link.
    bool linked = false;
    fileop::UniqueFd fd(open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    int err = fd.valid() ? 0 : errno;
    struct stat st;
    if (!fd.valid() && (err == ELOOP || err == ENOTDIR) && lstat(folder.constData(), &st) == 0
        && S_ISLNK(st.st_mode)) {
        linked = true;
        fd = fileop::UniqueFd(open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        err = fd.valid() ? 0 : errno;
    }
    if (!fd.valid()) {
        *problem = systemError("open", folder, err);
        return QString();
    }
    QString failure;
    if (fstat(fd.get(), &st) != 0)
        failure = systemError("fstat", folder, errno);
    else if (st.st_uid != geteuid())
        failure = QStringLiteral("'%1' belongs to user %2, not to %3")
                      .arg(QFile::decodeName(folder))
                      .arg(st.st_uid)
                      .arg(geteuid());
    else if ((st.st_mode & 077) != 0 && linked)
        failure = QStringLiteral("'%1' is a link to a folder that others may enter").arg(QFile::decodeName(folder));
    else if ((st.st_mode & 077) != 0 && fchmod(fd.get(), 0700) != 0)
        failure = systemError("fchmod", folder, errno);
    fd.reset();
    if (!failure.isEmpty()) {
        *problem = failure;
        return QString();
    }
    return QFile::decodeName(folder);
}

// A lock file of ours is a small plain file. Anything else at its name, a
// FIFO, a device, a link to one, a huge file, would hang or stall reading
// the holder's record; it is no lock and is removed.
bool clearNonLock(const QString &path, QString *problem)
{
    constexpr off_t kLargestLock = 4096;
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (lstat(native.constData(), &st) != 0 || (S_ISREG(st.st_mode) && st.st_size <= kLargestLock))
        return true;
    const bool folder = S_ISDIR(st.st_mode);
    if ((folder ? rmdir(native.constData()) : unlink(native.constData())) != 0) {
        *problem = systemError(folder ? "rmdir" : "unlink", native, errno);
        return false;
    }
    return true;
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

// A launcher runs for minutes at most. A lock recorded by another host is
// beyond this host's check for a live holder (its process ids mean nothing
// here), so once it is older than any run can last its holder is taken to
// be gone: a launcher that died there (power loss, log-out) would
// otherwise lock the user of a shared home out until that host runs the
// launcher again.
constexpr qint64 kForeignLockAgeMs = 10 * 60 * 1000;

// The holder as its record names it: host name and, since Qt 5.10, the
// machine's id, which tells hosts apart better than a name does.
struct LockRecord {
    qint64 pid = 0;
    QString host;
    QByteArray machineId;
};

// Read like every file at the launcher's own names: only a small plain
// file, opened without blocking.
bool readLockRecord(const QString &path, LockRecord *record)
{
    fileop::UniqueFd opened(
        open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!opened.valid())
        return false;
    QFile file;
    if (!file.open(opened.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    // The file owns the descriptor from here on and closes it on every path.
    const int fd = opened.release();
    struct stat st;
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return false;
    const QByteArray text = file.read(4096);
    if (text.isEmpty())
        return false;
    const QList<QByteArray> lines = text.split('\n');
    bool ok = false;
    record->pid = lines.value(0).toLongLong(&ok);
    record->host = QString::fromUtf8(lines.value(2));
    record->machineId = lines.value(3);
    return ok && record->pid > 0;
}

bool sameRecord(const LockRecord &a, const LockRecord &b)
{
    return a.pid == b.pid && a.host == b.host && a.machineId == b.machineId;
}

bool recordedByAnotherHost(const LockRecord &record)
{
    const QByteArray ownId = QSysInfo::machineUniqueId();
    if (!record.machineId.isEmpty() && !ownId.isEmpty())
        return record.machineId != ownId;
    return !record.host.isEmpty() && record.host != QSysInfo::machineHostName();
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool gui)
    : QApplication(rememberGivenName(argc), argv)
{
    Q_UNUSED(gui);
    // The program's own name, else its executable's (links resolved), but
    // never the name it was started by: a link or argv[0] of another name
    // is still the same program.
    QString name = givenName();
    if (name.isEmpty())
        name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    if (name.isEmpty())
        name = QStringLiteral("pvk-qt-application");
    const QString folder = lockFolder(&m_lockProblem);
    if (folder.isEmpty())
        return;
    m_lockPath = folder + QLatin1Char('/') + name + QStringLiteral(".lock");
    if (!clearNonLock(m_lockPath, &m_lockProblem))
        return;

    m_lock = std::make_unique<QLockFile>(m_lockPath);
    // Only a dead holder makes the lock stale, never its age: a launcher
    // that has run for hours still counts as running.
    m_lock->setStaleLockTime(0);
    bool locked = m_lock->tryLock(0);
    int err = errno;
    if (!locked && m_lock->error() == QLockFile::LockFailedError && holderNeverRecorded(*m_lock, m_lockPath)
        && m_lock->removeStaleLockFile()) {
        locked = m_lock->tryLock(0);
        err = errno;
    }
    LockRecord record;
    if (!locked && m_lock->error() == QLockFile::LockFailedError && readLockRecord(m_lockPath, &record)
        && recordedByAnotherHost(record)) {
        const QDateTime made = QFileInfo(m_lockPath).lastModified();
        // Two launchers of this host may find the same stale record: the
        // one that holds the removal lock (Qt's own, for its stale locks)
        // removes it and takes the lock before the other looks again and
        // finds the new record instead.
        QLockFile removal(m_lockPath + QStringLiteral(".rmlock"));
        LockRecord again;
        if (qAbs(made.msecsTo(QDateTime::currentDateTime())) > kForeignLockAgeMs && removal.tryLock(0)
            && readLockRecord(m_lockPath, &again) && sameRecord(record, again) && m_lock->removeStaleLockFile()) {
            locked = m_lock->tryLock(0);
            err = errno;
        }
        if (!locked && m_lock->error() == QLockFile::LockFailedError && readLockRecord(m_lockPath, &again)
            && sameRecord(record, again))
            m_lockNote = QStringLiteral("instance lock '%1' is held by process %2 of host '%3' since %4")
                             .arg(m_lockPath)
                             .arg(record.pid)
                             .arg(record.host, made.toString(Qt::ISODate));
    }
    // Only a lock that somebody holds means another instance runs; one
    // that cannot be made at all leaves this one to run unguarded.
    if (!locked && m_lock->error() != QLockFile::LockFailedError) {
        m_lockProblem = systemError("open", QFile::encodeName(m_lockPath), err);
        return;
    }
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

QString QtSingleApplication::lockProblem() const
{
    return m_lockProblem;
}

QString QtSingleApplication::lockNote() const
{
    return m_lockNote;
}
