#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"
#include "log.h"

#include "user-base.h"

#include <QDir>
#include <QProcessEnvironment>

bool isDeepinDesktop()
{
    // Read the environment as it is now, not a snapshot taken earlier.
    const QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    const QString desktop = env.value(QStringLiteral("XDG_CURRENT_DESKTOP"), QStringLiteral("ubuntu:GNOME"));
    LOG_DEBUG("Current Desktop is %s\n", desktop.toUtf8().constData());
    // Whole text, case-sensitive: "Deepin:GNOME" is not Deepin.
    return desktop == QLatin1String("Deepin");
}

QString userInstallBase()
{
    if (!isDeepinDesktop())
        return QDir::homePath();
    const QString dataHome = QProcessEnvironment::systemEnvironment().value(QStringLiteral("XDG_DATA_HOME"));
    LOG_DEBUG("user install path is %s\n", dataHome.toUtf8().constData());
    return dataHome.isEmpty() ? QDir::homePath() : dataHome;
}
