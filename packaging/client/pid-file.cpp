#include "pid-file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>

QString ClientUserFolder()
{
    // Same base the launcher picks, so that its terminateUI() finds us.
    QString base = QDir::homePath();
    const QByteArray desktop = qEnvironmentVariableIsSet("XDG_CURRENT_DESKTOP")
                                   ? qgetenv("XDG_CURRENT_DESKTOP")
                                   : QByteArray("ubuntu:GNOME");
    if (desktop == "Deepin") {
        const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        if (!dataHome.isEmpty())
            base = dataHome;
    }
    return QDir::cleanPath(base + QStringLiteral("/.QuenmarkZelto"));
}

QString DefaultPidFilePath()
{
    return ClientUserFolder() + QStringLiteral("/ui.pid");
}

pid_t ReadPidFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    pid_t pid = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(256).trimmed();
        const int eq = line.indexOf('=');
        if (eq < 0 || line.left(eq).trimmed() != "pid")
            continue;
        bool ok = false;
        const long value = line.mid(eq + 1).trimmed().toLong(&ok);
        pid = (ok && value > 0 && value <= 0x7fffffffL) ? pid_t(value) : 0;
    }
    return pid;
}

int WritePidFile(const QString &path, pid_t pid)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create folder '%s'\n", qUtf8Printable(folder));
        return -1;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write pid file '%s': %s\n", qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
        return -1;
    }
    file.write(QByteArray("pid=") + QByteArray::number(qint64(pid)) + '\n');
    if (!file.commit()) {
        std::fprintf(stderr, "cannot write pid file '%s': %s\n", qUtf8Printable(path),
                     qUtf8Printable(file.errorString()));
        return -1;
    }
    return 0;
}

void RemovePidFileIfOwn(const QString &path, pid_t pid)
{
    if (ReadPidFile(path) == pid)
        (void)QFile::remove(path);
}
