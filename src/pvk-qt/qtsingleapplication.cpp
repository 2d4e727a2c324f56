#include "qtsingleapplication.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/file.h>
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
        .arg(QLatin1String(call), QFile::decodeName(path), QString::fromLocal8Bit(strerror(err)))
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
    (void)QDir().mkpath(home);
    const QByteArray folder = QFile::encodeName(home + QStringLiteral("/.pvk-qt"));
    if (mkdir(folder.constData(), 0700) != 0 && errno != EEXIST) {
        *problem = systemError("mkdir", folder, errno);
        return QString();
    }
    // With O_NOFOLLOW a link fails to open as a folder (ELOOP, or ENOTDIR
    // together with O_DIRECTORY); only then is it looked at as a link.
    bool linked = false;
    int fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    int err = fd < 0 ? errno : 0;
    struct stat st;
    if (fd < 0 && (err == ELOOP || err == ENOTDIR) && lstat(folder.constData(), &st) == 0 && S_ISLNK(st.st_mode)) {
        linked = true;
        fd = open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        err = fd < 0 ? errno : 0;
    }
    if (fd < 0) {
        *problem = systemError("open", folder, err);
        return QString();
    }
    QString failure;
    if (fstat(fd, &st) != 0)
        failure = systemError("fstat", folder, errno);
    else if (st.st_uid != geteuid())
        failure = QStringLiteral("'%1' belongs to user %2, not to %3")
                      .arg(QFile::decodeName(folder))
                      .arg(st.st_uid)
                      .arg(geteuid());
    else if ((st.st_mode & 077) != 0 && linked)
        failure = QStringLiteral("'%1' is a link to a folder that others may enter").arg(QFile::decodeName(folder));
    else if ((st.st_mode & 077) != 0 && fchmod(fd, 0700) != 0)
        failure = systemError("fchmod", folder, errno);
    (void)close(fd);
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

// The record in a lock file, for whoever looks: holder, program, host.
// Only the kernel's lock on the file says whether it is held. The process
// id takes a fixed width, so that the next holder's record overwrites this
// one in place: truncating the file first cost a journal update at every
// start.
QByteArray lockRecord(const QString &name)
{
    char host[256] = {};
    (void)gethostname(host, sizeof host - 1);
    return QByteArray::number(static_cast<qint64>(getpid())).leftJustified(10, ' ') + '\n' + name.toUtf8() + '\n'
           + QByteArray(host) + '\n';
}

} // namespace

// The instance lock is the kernel's lock (flock) on a small file that stays
// in the folder. The kernel releases it when its holder ends, however it
// ends, so a file left behind is never stale, and nothing about it has to
// reach the disk. QLockFile, before, created the file, flushed it to disk
// and removed it again at every start: on a home folder that is two or
// three journal commits that every log-in waited for.
struct InstanceLock {
    int fd = -1;
    ~InstanceLock()
    {
        if (fd >= 0)
            (void)close(fd);
    }
};

namespace {

enum class Take { Taken, Held, Failed };

Take takeLock(const QString &path, const QString &name, InstanceLock *lock, QString *problem)
{
    const QByteArray native = QFile::encodeName(path);
    // A name replaced between the open and the lock (a holder's file
    // removed by hand) would leave this process locking a file that
    // nobody else opens; such a race is retried a few times.
    for (int attempt = 0; attempt < 4; ++attempt) {
        const int fd = open(native.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600);
        if (fd < 0) {
            *problem = systemError("open", native, errno);
            return Take::Failed;
        }
        InstanceLock candidate;
        candidate.fd = fd;
        struct stat st;
        if (fstat(fd, &st) != 0) {
            *problem = systemError("fstat", native, errno);
            return Take::Failed;
        }
        if (!S_ISREG(st.st_mode)) {
            *problem = QStringLiteral("'%1' is not a plain file").arg(path);
            return Take::Failed;
        }
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno;
            if (err == EWOULDBLOCK)
                return Take::Held;
            *problem = systemError("flock", native, err);
            return Take::Failed;
        }
        struct stat now;
        if (stat(native.constData(), &now) != 0 || now.st_dev != st.st_dev || now.st_ino != st.st_ino)
            continue;
        const QByteArray record = lockRecord(name);
        // The record only informs; a failure to write it changes nothing.
        bool recorded = pwrite(fd, record.constData(), static_cast<size_t>(record.size()), 0) == record.size();
        if (recorded && st.st_size > record.size())
            recorded = ftruncate(fd, record.size()) == 0;
        Q_UNUSED(recorded);
        lock->fd = candidate.fd;
        candidate.fd = -1;
        return Take::Taken;
    }
    *problem = QStringLiteral("'%1' was replaced while it was being locked").arg(path);
    return Take::Failed;
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

    // Only a lock that somebody holds means another instance runs; one
    // that cannot be made at all leaves this one to run unguarded.
    m_lock = std::make_unique<InstanceLock>();
    m_running = takeLock(m_lockPath, name, m_lock.get(), &m_lockProblem) == Take::Held;
}

QtSingleApplication::~QtSingleApplication()
{
    // Closing the file releases the lock; the file stays for the next one.
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
