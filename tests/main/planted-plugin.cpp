// A platform plug-in in name only, as another local user could plant one:
// it claims the "offscreen" key, and the moment a process loads it, it
// leaves a mark in the file that ZELTO_PLANTED_MARK names. The launcher
// must never load it.
#include <QFile>
#include <QObject>
#include <QtPlugin>

namespace {

__attribute__((constructor)) void leaveMark()
{
    QFile mark(qEnvironmentVariable("ZELTO_PLANTED_MARK"));
    if (!mark.fileName().isEmpty() && mark.open(QIODevice::Append))
        mark.write("loaded\n");
}

} // namespace

class PlantedPlugin : public QObject
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3" FILE "planted-plugin.json")
};

#include "planted-plugin.moc"
