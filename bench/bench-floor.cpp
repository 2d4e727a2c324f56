// The design floor of a launch: only what every run of the launcher must do,
// however it is written.
//
//   bench-floor START-SCRIPT
//
// It points Qt at the launcher's plug-in folder (lib/plugins beside the folder
// of the executable) and prints the "lib path" line, builds the application
// object, sets the application font, builds the progress dialog step by step
// as the launcher's controller builds it (title, icon file, flags, range,
// label, font, modality, scaled width and style sheet, no cancel button, no
// auto reset, never shown), runs START-SCRIPT with the argument "start" and
// waits for it, runs the event loop once and quits.
//
// It does not take the instance lock, read the log switch or the version
// files, load a translation, or start a second thread: that is the
// launcher's own cost, the one the benchmark measures.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QProcess>
#include <QProgressDialog>
#include <QScreen>
#include <QStringList>
#include <QTimer>

#include <cstdio>
#include <limits>

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: bench-floor START-SCRIPT\n");
        return 2;
    }
    const QString script = QString::fromLocal8Bit(argv[1]);

    const QString path = QDir::cleanPath(QString::fromLocal8Bit(argv[0]) + QStringLiteral("/../../lib/plugins"));
    QCoreApplication::setLibraryPaths(QStringList{path});
    printf("lib path = '%s'\n", path.toUtf8().constData());
    fflush(stdout);

    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));

    const QString name = QStringLiteral("Quenmark Zelto Client");
    QProgressDialog dialog(nullptr, Qt::WindowFlags());
    const QFont font = QApplication::font();
    dialog.setWindowTitle(name);
    dialog.setWindowIcon(QIcon(QCoreApplication::applicationDirPath() + QStringLiteral("/../images/ico_72_orvilex.png")));
    dialog.setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    dialog.setValue(0);
    dialog.setRange(0, 100);
    dialog.setLabelText(QStringLiteral("%1 is initializing...").arg(name));
    dialog.setFont(font);
    dialog.setModal(true);
    dialog.setWindowModality(Qt::WindowModal);
    const QScreen *screen = QGuiApplication::primaryScreen();
    const double scale = screen && screen->logicalDotsPerInch() > 0 ? screen->logicalDotsPerInch() / 96.0 : 1.0;
    dialog.setFixedWidth(static_cast<int>(scale * 400.0));
    dialog.setStyleSheet(QStringLiteral("QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }"));
    dialog.setCancelButton(nullptr);
    dialog.setAutoReset(false);
    dialog.setModal(false);
    dialog.setMinimumDuration(std::numeric_limits<int>::max());

    (void)QProcess::execute(script, QStringList{QStringLiteral("start")});

    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int result = app.exec();
    dialog.setValue(100);
    dialog.hide();
    return result;
}
