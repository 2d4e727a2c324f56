// The design floor of a launch: only what every run of the launcher must do,
// however it is written.
//
//   bench-floor [--required=LANGUAGE] START-SCRIPT
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
//
// With --required it is the required floor: the same, plus the two things
// every run must also do however it is written: take the per-user instance
// lock (QLockFile in the home folder, which flushes its file, held to the
// end) and load the compiled-in catalogue of LANGUAGE (zlib-compressed but
// for the CJK ones) into a translator that is installed.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QIcon>
#include <QLockFile>
#include <QProcess>
#include <QProgressDialog>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>

#include <sys/stat.h>

#ifdef BENCH_FLOOR_REQUIRED
#include "ui-text.h"
#endif

int main(int argc, char **argv)
{
    QString language;
    if (argc == 3 && strncmp(argv[1], "--required=", 11) == 0)
        language = QString::fromLatin1(argv[1] + 11);
    if (argc != 2 && language.isEmpty()) {
        fprintf(stderr, "usage: bench-floor [--required=LANGUAGE] START-SCRIPT\n");
        return 2;
    }
    const QString script = QString::fromLocal8Bit(argv[argc - 1]);

    const QString path = QDir::cleanPath(QString::fromLocal8Bit(argv[0]) + QStringLiteral("/../../lib/plugins"));
    QCoreApplication::setLibraryPaths(QStringList{path});
    printf("lib path = '%s'\n", path.toUtf8().constData());
    fflush(stdout);

    QApplication app(argc, argv);

    // The lock as the launcher's application object takes it.
    std::unique_ptr<QLockFile> lock;
    std::unique_ptr<QTranslator> translator;
    if (!language.isEmpty()) {
        const QByteArray folder = QFile::encodeName(QDir::homePath() + QStringLiteral("/.pvk-qt"));
        (void)mkdir(folder.constData(), 0700);
        lock = std::make_unique<QLockFile>(QFile::decodeName(folder) + QStringLiteral("/bench-floor.lock"));
        lock->setStaleLockTime(0);
        if (!lock->tryLock(0))
            fprintf(stderr, "bench-floor: the lock is held elsewhere\n");
#ifdef BENCH_FLOOR_REQUIRED
        RegisterTranslationResources();
#endif
        translator = std::make_unique<QTranslator>();
        if (!translator->load(QStringLiteral(":/") + language + QStringLiteral(".qm"), QString(), QString(),
                              QString()))
            fprintf(stderr, "bench-floor: no catalogue for '%s'\n", language.toUtf8().constData());
        QCoreApplication::installTranslator(translator.get());
    }
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
