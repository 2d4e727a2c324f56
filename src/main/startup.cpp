#define LOG_COMPONENT "launcher_debug"
#define LOG_MODULE "main.cpp"
#include "log.h"

#include "startup.h"

#include "tavilocale.h"
#include "ui-text.h"
#include "uipathmanager.h"
#include "user-base.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QTranslator>

#include <clocale>
#include <cstdio>
#include <memory>

namespace {

// The installed translator is never removed and lives until the process
// ends; it outlives the application object, which only borrows it.
std::unique_ptr<QTranslator> &installedTranslator()
{
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

void registerPath(const QString &key, const QString &value)
{
    UIPathManager::getInstance()->setPath(key, QDir::cleanPath(value));
}

QByteArray pathUtf8(const char *key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key)).toUtf8();
}

} // namespace

QString SetupLibraryPaths(const char *argv0)
{
    setlocale(LC_ALL, "");
    RegisterTranslationResources();

    // argv[0] names the executable itself, so "/../.." climbs from the file
    // to the folder above bin/. It is deliberately not resolved against the
    // working folder or PATH.
    const QString path = QDir::cleanPath(QString::fromLocal8Bit(argv0) + QStringLiteral("/../../lib/plugins"));
    QCoreApplication::setLibraryPaths(QStringList{path});

    printf("lib path = '%s'\n", path.toUtf8().constData());
    fflush(stdout);
    return path;
}

void RegisterPathTable()
{
    // userInstallBase() is asked afresh for every row, as the table was
    // always built; its DEBUG lines fall before the log is configured.
    registerPath(QStringLiteral("user_quenmark_zelto_path"), userInstallBase() + QStringLiteral("/.QuenmarkZelto"));
    registerPath(QStringLiteral("user_quenmark_zelto_app_path"),
                 userInstallBase() + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app"));
    registerPath(QStringLiteral("user_quenmark_zelto_resource_path"),
                 userInstallBase() + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app"));
    registerPath(QStringLiteral("user_quenmark_zelto_data_path"), userInstallBase() + QStringLiteral("/.QuenmarkZelto/data"));
    registerPath(QStringLiteral("user_quenmark_zelto_working_dir_path"),
                 userInstallBase() + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app/bin"));
    registerPath(QStringLiteral("user_quenmark_zelto_ui_path"),
                 userInstallBase() + QStringLiteral("/.QuenmarkZelto/QuenmarkZelto.app/bin/cloud-zelto-ui"));
    registerPath(QStringLiteral("user_orvilex_path"), userInstallBase() + QStringLiteral("/.Orvilex"));
    registerPath(QStringLiteral("user_orvilex_resource_path"), userInstallBase() + QStringLiteral("/.Orvilex/Orvilex.app"));
    registerPath(QStringLiteral("root_resource_path"), QCoreApplication::applicationDirPath() + QStringLiteral("/.."));
}

void SetupDebugLog()
{
    UIPathManager *paths = UIPathManager::getInstance();
    const QByteArray switchFile = (paths->getPath(QStringLiteral("root_resource_path")) + QStringLiteral("/log/launcher.debug")).toUtf8();
    const QString logDir = paths->getPath(QStringLiteral("user_quenmark_zelto_path")) + QStringLiteral("/log");

    // A file named "log" in the folder's place, or no right to create it:
    // the log keeps its initial state and start-up goes on.
    if (!QDir().mkpath(logDir))
        return;

    const QByteArray logFile = (logDir + QStringLiteral("/launcher.log")).toUtf8();
    (void)LogConfigure(LOG_MODE_FILE, logFile.constData(), switchFile.constData(), 50, 1);

    LOG_INFO(">>> user_orvilex_path = %s\n", pathUtf8("user_orvilex_path").constData());
    // These four keys were never in the table; the lines show what the
    // registry gives for an unknown key.
    LOG_INFO(">>> user_orvilex_app_path = %s\n", pathUtf8("user_orvilex_app_path").constData());
    LOG_INFO(">>> user_orvilex_resource_path = %s\n", pathUtf8("user_orvilex_resource_path").constData());
    LOG_INFO(">>> user_orvilex_data_path = %s\n", pathUtf8("user_orvilex_data_path").constData());
    LOG_INFO(">>> user_orvilex_working_dir_path = %s\n", pathUtf8("user_orvilex_working_dir_path").constData());
    LOG_INFO(">>> user_orvilex_zelto_ui_path = %s\n", pathUtf8("user_orvilex_zelto_ui_path").constData());
    LOG_INFO(">>> root_resource_path = %s\n", pathUtf8("root_resource_path").constData());
}

void SetupTranslatorAndFont()
{
    auto translator = std::make_unique<QTranslator>();
    const QString language = TaviLocale::getInstance()->getDefaultLanguage();
    (void)translator->load(QStringLiteral(":/") + language + QStringLiteral(".qm"), QString(), QString(), QString());
    // An empty translator (no catalogue for the language) is dropped here:
    // the texts stay English.
    if (!translator->isEmpty()) {
        QCoreApplication::installTranslator(translator.get());
        installedTranslator() = std::move(translator);
    }

    InitUITextTable();

    const QString family = language == QLatin1String("tha") ? QStringLiteral("Microsoft Sans Serif")
                                                            : QStringLiteral("Arial");
    QApplication::setFont(QFont(family, 9));
}
