// The floor of a launch: what any Qt Widgets program of ours pays before it
// can do anything. It points Qt at the same plug-in folder as the launcher
// (lib/plugins beside the folder of the executable), builds the application
// object, runs the event loop once and quits.
#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QTimer>

#include <cstdio>

int main(int argc, char **argv)
{
    const QString path = QDir::cleanPath(QString::fromLocal8Bit(argv[0]) + "/../../lib/plugins");
    QCoreApplication::setLibraryPaths(QStringList{path});
    printf("lib path = '%s'\n", path.toUtf8().constData());

    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
