#include "qtsingleapplication.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/file.h>
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

    // The kernel's lock on an open file: it ends with its holder however
    // that ends (a killed launcher never blocks the next one, not even
    // half-way through writing its lock file), and no one can take it
    // from a live holder, however long it has run. The file is never
    // removed, so that every launcher competes for the same one.
    const QByteArray path = QFile::encodeName(m_lockPath);
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0600);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        // Without a lock there is no telling: the safe answer is "running".
        m_running = true;
        return;
    }
    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        (void)::close(fd);
        m_running = true;
        return;
    }
    m_lockFd = fd;
    // For whoever looks at the file; nothing decides by it.
    char text[32];
    const int len = snprintf(text, sizeof text, "%d\n", static_cast<int>(getpid()));
    if (len > 0 && ::ftruncate(fd, 0) == 0)
        (void)!::write(fd, text, static_cast<size_t>(len));
}

QtSingleApplication::~QtSingleApplication()
{
    // Closing releases the lock; the file stays for the next launcher.
    if (m_lockFd >= 0)
        (void)::close(m_lockFd);
}

bool QtSingleApplication::isRunning()
{
    return m_running;
}

QString QtSingleApplication::lockFilePath() const
{
    return m_lockPath;
}
