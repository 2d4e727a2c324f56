// The floor of a launch: what any Qt Widgets program of ours pays before it
// can do anything. It points Qt at the same plug-in folder as the launcher
// (lib/plugins beside the folder of the executable), builds the application
// object, runs the event loop once and quits.
//
// Options add the launcher's fixed steps one by one, to tell the launcher's
// own cost from what those steps cost in a bare program:
//   --font FAMILY  set the application font to FAMILY at 9 points
//   --dialog       build (and never show) a QProgressDialog, as the
//                  launcher's controller does whether or not an upgrade follows
//   --run SCRIPT   run SCRIPT with the argument "start" and wait, as the
//                  launcher runs the client's start script
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QProcess>
#include <QProgressDialog>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

int main(int argc, char **argv)
{
    const QString path = QDir::cleanPath(QString::fromLocal8Bit(argv[0]) + "/../../lib/plugins");
    QCoreApplication::setLibraryPaths(QStringList{path});
    printf("lib path = '%s'\n", path.toUtf8().constData());

    bool dialog = false;
    const char *run = nullptr;
    const char *font = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--dialog") == 0)
            dialog = true;
        else if (strcmp(argv[i], "--run") == 0 && i + 1 < argc)
            run = argv[++i];
        else if (strcmp(argv[i], "--font") == 0 && i + 1 < argc)
            font = argv[++i];
    }

    QApplication app(argc, argv);
    if (font)
        QApplication::setFont(QFont(QString::fromLocal8Bit(font), 9));
    std::unique_ptr<QProgressDialog> progress;
    if (dialog) {
        progress = std::make_unique<QProgressDialog>();
        progress->setRange(0, 100);
    }
    if (run)
        (void)QProcess::execute(QString::fromLocal8Bit(run), QStringList{QStringLiteral("start")});
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
