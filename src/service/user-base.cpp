#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"
#include "log.h"

#include "user-base.h"

#include <QDir>
#include <QtGlobal>

bool isDeepinDesktop()
{
    // Read the environment as it is now, not a snapshot taken earlier; one
    // variable, not a copy of the whole environment, which start-up would
    // otherwise make eight times over.
    const QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP", QStringLiteral("ubuntu:GNOME"));
    LOG_DEBUG("Current Desktop is %s\n", desktop.toUtf8().constData());
    // Whole text, case-sensitive: "Deepin:GNOME" is not Deepin.
    return desktop == QLatin1String("Deepin");
}

QString userInstallBase()
{
    if (!isDeepinDesktop())
        return QDir::homePath();
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    LOG_DEBUG("user install path is %s\n", dataHome.toUtf8().constData());
    // A relative value is to be ignored, as the XDG base-directory rules
    // say: it would put the client, its log and its copy below whatever
    // folder the launcher happened to be started in.
    if (dataHome.isEmpty() || !dataHome.startsWith(QLatin1Char('/')))
        return QDir::homePath();
    return dataHome;
}
