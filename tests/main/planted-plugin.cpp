// A platform plug-in in name only, as another local user could plant one:
// it claims the "offscreen" key, and the moment a process loads it, it
// leaves a mark in the file that ZELTO_PLANTED_MARK names. The launcher
// must never load it.
#include <QObject>
#include <QtPlugin>

#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {

__attribute__((constructor)) void leaveMark()
{
    const char *mark = getenv("ZELTO_PLANTED_MARK");
    if (!mark)
        return;
    const int fd = open(mark, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd >= 0) {
        const bool written = write(fd, "loaded\n", 7) == 7;
        (void)written;
        (void)close(fd);
    }
}

} // namespace

class PlantedPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE "planted-plugin.json")
};

#include "planted-plugin.moc"
