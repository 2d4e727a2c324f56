#define LOG_COMPONENT "launcher_debug"
#define LOG_MODULE "main.cpp"
#include "log.h"

#include "startup.h"

#include "file-op-base.h"
#include "tavilocale.h"
#include "ui-text.h"
#include "uipathmanager.h"
#include "user-base.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include <cerrno>
#include <clocale>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

// The plug-in folder two levels above an executable's path: for
// /opt/app/bin/launcher it is /opt/app/lib/plugins.
const char kPluginsFromExecutable[] = "/../../lib/plugins";

// Folds "." and ".." and doubled separators as QDir::cleanPath does, on the
// bytes themselves: a path need not be UTF-8, and a QString would lose what
// is not.
QByteArray cleanPathBytes(const QByteArray &path)
{
    const bool absolute = path.startsWith('/');
    QList<QByteArray> kept;
    for (const QByteArray &part : path.split('/')) {
        if (part.isEmpty() || part == ".")
            continue;
        if (part == "..") {
            if (!kept.isEmpty() && kept.last() != "..")
                kept.removeLast();
            else if (!absolute)
                kept.append(part);
            continue;
        }
        kept.append(part);
    }
    QByteArray out = absolute ? QByteArray("/") : QByteArray();
    for (int i = 0; i < kept.size(); ++i) {
        if (i > 0)
            out += '/';
        out += kept.at(i);
    }
    return out.isEmpty() ? QByteArray(".") : out;
}

// True when folder/platforms holds at least one shared object, which is what
// Qt needs to create its platform before the application object exists.
bool hasPlatformPlugins(const QByteArray &folder)
{
    const QByteArray platforms = folder + "/platforms";
    const fileop::OwnedDir dir(opendir(platforms.constData()));
    if (!dir)
        return false;
    while (const dirent *entry = readdir(dir.get())) {
        const size_t length = strlen(entry->d_name);
        if (length > 3 && strcmp(entry->d_name + length - 3, ".so") == 0)
            return true;
    }
    return false;
}

// The executable's real location as the kernel knows it: right however the
// launcher was started (a link elsewhere, a bare name found on PATH).
QByteArray executablePath()
{
    QByteArray buffer(4096, Qt::Uninitialized);
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), static_cast<size_t>(buffer.size()));
    if (length <= 0 || length >= buffer.size())
        return QByteArray();
    buffer.truncate(static_cast<int>(length));
    return buffer;
}

// Qt takes plug-in folders only as QStrings. A path whose bytes do not come
// back unchanged through decodeName/encodeName (a non-UTF-8 byte) would name
// a folder that does not exist.
bool nameableInQt(const QByteArray &path)
{
    return QFile::encodeName(QFile::decodeName(path)) == path;
}

// Both paths name one folder: the same file system and inode, links and
// ".." resolved by the kernel.
bool sameFolder(const QByteArray &a, const QByteArray &b)
{
    struct stat sa, sb;
    return stat(a.constData(), &sa) == 0 && stat(b.constData(), &sb) == 0 && S_ISDIR(sa.st_mode)
           && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

// Qt runs the code of every plug-in it loads, so the plug-ins come only
// from the launcher's own installation: the folder beside the executable's
// real location when it holds platform plug-ins, else the folder of the Qt
// build the launcher runs on, whose plug-ins always fit it. argv[0] may
// name that folder another way (a relative argv[0] gives a relative
// folder), and then *shown is that name; but it is never taken on its own
// word: a bare name found on PATH puts it below the working folder, which
// may be a folder that others can write to, such as the temporary folder.
// A folder that Qt cannot name is replaced by its resolved location (a
// link into the system's plug-ins) or, failing that, by Qt's own folder.
QByteArray choosePluginFolder(const char *argv0, QByteArray *shown)
{
    const QByteArray qtOwn = QFile::encodeName(QLibraryInfo::location(QLibraryInfo::PluginsPath));
    const QByteArray exe = executablePath();
    const QByteArray besideExe = exe.isEmpty() ? QByteArray() : cleanPathBytes(exe + kPluginsFromExecutable);
    QByteArray folder = !besideExe.isEmpty() && hasPlatformPlugins(besideExe) ? besideExe : qtOwn;
    *shown = folder;
    if (folder == besideExe) {
        const QByteArray fromArgv = cleanPathBytes(QByteArray(argv0) + kPluginsFromExecutable);
        if (sameFolder(fromArgv, besideExe))
            *shown = fromArgv;
    }
    if (nameableInQt(folder))
        return folder;
    const std::unique_ptr<char, void (*)(void *)> resolved(realpath(folder.constData(), nullptr), &free);
    *shown = resolved && nameableInQt(QByteArray(resolved.get())) ? QByteArray(resolved.get()) : qtOwn;
    return *shown;
}

// The install root, the folder above bin/. applicationDirPath() is a QString
// and cannot carry a non-UTF-8 byte of the root's real path; the package,
// its INFO file, the switch file and the icon would then be looked for in a
// folder that does not exist. Such a root is reached instead through a
// descriptor held open for the whole run, whose /proc name is plain ASCII.
QString rootResourcePath()
{
    const QString fromQt = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
    const QByteArray exe = executablePath();
    if (exe.isEmpty() || nameableInQt(exe))
        return fromQt;

    static fileop::UniqueFd root;
    if (!root.valid()) {
        const QByteArray folder = cleanPathBytes(exe + "/../..");
        fileop::UniqueFd opened(open(folder.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!opened.valid()) {
            const int err = errno;
            LOG_WARNING("open(%s): %s (%d)\n", folder.constData(), fileop::ErrorText(err).c_str(), err);
            return fromQt;
        }
        root = std::move(opened);
    }
    return QStringLiteral("/proc/self/fd/%1").arg(root.get());
}

// GNOME's Wayland session: GNOME Shell draws no title bar for Qt 5's
// Wayland windows, which then get Qt's own, with buttons a fixed-size
// dialog cannot use; through Xwayland the same window gets GNOME's.
bool gnomeOnWayland()
{
    const bool gnome = qgetenv("XDG_CURRENT_DESKTOP").toLower().contains("gnome")
        || qgetenv("XDG_SESSION_DESKTOP").toLower().contains("gnome");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
        || qgetenv("XDG_SESSION_TYPE").toLower() == "wayland";
    return gnome && wayland;
}

// The platforms that can work in this session, in the order Qt is to try
// them after the user's own choice.
QByteArray sessionPlatforms(const QByteArray &user)
{
    QList<QByteArray> named;
    for (const QByteArray &entry : user.split(';'))
        named.append(entry.split(':').first().trimmed().toLower());
    QByteArray list = user;
    const auto add = [&](const char *platform) {
        if (named.contains(platform))
            return;
        if (!list.isEmpty())
            list += ';';
        list += platform;
    };
    // Only when the user chose nothing: a chosen platform stays first.
    if (user.isEmpty() && !qEnvironmentVariableIsEmpty("DISPLAY") && gnomeOnWayland())
        add("xcb");
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        add("wayland");
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        add("xcb");
    add("offscreen");
    return list;
}

} // namespace

QString SetupLibraryPaths(const char *argv0)
{
    setlocale(LC_ALL, "");
    RegisterTranslationResources();

    // argv[0] names the executable itself, so "/../.." climbs from the file
    // to the folder above bin/. It is deliberately not resolved against the
    // working folder or PATH: it only names the folder beside the
    // executable's real location, which is the one Qt is given, through
    // the path that the kernel reports and no working folder can change.
    QByteArray shown;
    const QByteArray folder = choosePluginFolder(argv0, &shown);
    const QString path = QFile::decodeName(folder);
    QCoreApplication::setLibraryPaths(QStringList{path});

    printf("lib path = '%s'\n", shown.constData());
    fflush(stdout);
    return path;
}

UserPlatform ChoosePlatforms()
{
    UserPlatform user;
    user.set = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    user.value = qgetenv("QT_QPA_PLATFORM");
    // Qt 5.15 tries the entries of a ";"-separated list in turn and takes
    // the first that connects: a Wayland session without its compositor, a
    // display that has gone, or no display at all must not stop the
    // installation and the client's start.
    qputenv("QT_QPA_PLATFORM", sessionPlatforms(user.value));
    return user;
}

void RestoreUserPlatform(const UserPlatform &user)
{
    // The client's start script inherits this environment: it gets the
    // user's own choice, not the launcher's fallbacks.
    if (user.set)
        qputenv("QT_QPA_PLATFORM", user.value);
    else
        qunsetenv("QT_QPA_PLATFORM");
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
    registerPath(QStringLiteral("root_resource_path"), rootResourcePath());
}

void SetupDebugLog()
{
    UIPathManager *paths = UIPathManager::getInstance();
    // The bytes of the real files: Qt decoded these paths with the locale's
    // code page, which need not be UTF-8.
    const QByteArray switchFile = QFile::encodeName(paths->getPath(QStringLiteral("root_resource_path")) + QStringLiteral("/log/launcher.debug"));
    const QString logDir = paths->getPath(QStringLiteral("user_quenmark_zelto_path")) + QStringLiteral("/log");

    // A file named "log" in the folder's place, or no right to create it:
    // the log keeps its initial state and start-up goes on. So too when a
    // byte of the folder's path was lost in decoding: that name is another
    // folder's, one the launcher must not make.
    if (logDir.contains(QChar::ReplacementCharacter) || !QDir().mkpath(logDir))
        return;

    const QByteArray logFile = QFile::encodeName(logDir + QStringLiteral("/launcher.log"));
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
