#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"

#include "version-info.h"

#include "key-value-file.h"

#include <QFile>
#include <QSettings>
#include <QString>

void readInfoFile(const std::string &path, VersionInfo &version)
{
    // A FIFO or a device would block the settings reader for ever, a huge
    // file stall it: such an INFO file is one without the group.
    if (!KeyValueFile::isSmallRegularFile(path))
        return;
    QSettings settings(QFile::decodeName(path.c_str()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Version"));
    struct Field {
        const char *key;
        std::string VersionInfo::*member;
    };
    static const Field fields[] = {
        {"major_version", &VersionInfo::major_version},
        {"minor_version", &VersionInfo::minor_version},
        {"build_version", &VersionInfo::build_version},
        {"icon_overlay_version", &VersionInfo::icon_overlay_version},
    };
    for (const Field &field : fields) {
        const QString key = QString::fromLatin1(field.key);
        if (settings.contains(key))
            version.*field.member = settings.value(key).toString().toUtf8().toStdString();
    }
    settings.endGroup();
}
