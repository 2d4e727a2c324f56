#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "linux/linux-service.cpp"

#include "linux-service.h"

#include "file-op-base.h"
#include "file-op.h"
#include "key-value-file.h"
#include "log.h"
#include "process-ref.h"
#include "uipathmanager.h"
#include "unique-fd.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kProbes = 5;
constexpr int kProbeIntervalMs = 1000;

QString pathOf(const char *key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key));
}

} // namespace

LinuxService::LinuxService()
{
    appPath = QFile::encodeName(pathOf("user_quenmark_zelto_app_path")).toStdString();
}

LinuxService::~LinuxService() = default;

bool LinuxService::isUIInstalled() const
{
    const QByteArray ui = QFile::encodeName(pathOf("user_quenmark_zelto_ui_path"));
    struct stat st;
    return !ui.isEmpty() && stat(ui.constData(), &st) == 0;
}

namespace {

// 0 when a file can be made in `folder`, else the error that says why not.
// Asked of the file system by making one: permission bits cannot tell a
// read-only mount, and as root they tell nothing at all. The file has no
// name (O_TMPFILE) where the file system allows; elsewhere it gets one and
// is removed at once.
int filesCanBeMadeIn(const std::string &folder)
{
    const fileop::UniqueFd unnamed(open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600));
    if (unnamed.get() >= 0)
        return 0;
    const int err = errno;
    if (err != EOPNOTSUPP && err != EISDIR && err != EINVAL)
        return err;
    std::string probe;
    if (FSMakeTempName(folder, probe) != 0)
        return EINVAL;
    const fileop::UniqueFd named(open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (named.get() < 0)
        return errno;
    (void)unlink(probe.c_str());
    return 0;
}

// The per-user folder, or while it does not exist yet the nearest folder
// above it that does: where the installation makes its first files.
std::string nearestExistingFolder(std::string path)
{
    struct stat st;
    while (stat(path.c_str(), &st) != 0 && errno == ENOENT) {
        const size_t slash = path.find_last_of('/');
        if (slash == std::string::npos)
            return ".";
        path.resize(slash == 0 ? 1 : slash);
    }
    return path;
}

} // namespace

int32_t LinuxService::upgrade()
{
    // An upgrade that cannot write a file must not stop the client first
    // (a read-only home, a folder of another user): the client stays, and
    // the reason is told once.
    const std::string userFolder = nearestExistingFolder(QFile::encodeName(pathOf("user_quenmark_zelto_path")).toStdString());
    if (const int err = filesCanBeMadeIn(userFolder)) {
        LOG_ERROR("cannot write to '%s': %s (%d), the client is not stopped and nothing is installed\n",
                  userFolder.c_str(), fileop::ErrorText(err).c_str(), err);
        return -1;
    }
    if (isUIInstalled()) {
        LOG_DEBUG("local appdata exist\n");
        terminateUI();
    }
    return installPackage();
}

void LinuxService::terminateUI()
{
    const std::string pidFile = QFile::encodeName(pathOf("user_quenmark_zelto_path") + QStringLiteral("/ui.pid")).toStdString();
    if (!FSExists(pidFile)) {
        LOG_DEBUG("pid file '%s' does not exist, no need to terminate\n", pidFile.c_str());
        return;
    }
    KeyValueFile file;
    struct stat written;
    if (file.load(pidFile, &written) < 0) {
        LOG_NOTE("Failed to read pid file '%s', not exist ?\n", pidFile.c_str());
        return;
    }
    const auto &entries = file.entries();
    auto it = entries.find("pid");
    const std::string value = it == entries.end() ? std::string() : it->second;
    const pid_t pid = LeadingInteger(value);
    // 0 and below would address a process group or every process.
    if (pid <= 0) {
        LOG_NOTE("pid file '%s' holds no usable process id '%s'\n", pidFile.c_str(), value.c_str());
        return;
    }

    // Neither this launcher nor the system's first process is ever the
    // client, however the pid file came to name them.
    if (pid == getpid() || pid == 1) {
        LOG_NOTE("pid file '%s' names process %d, %s, client taken as not running\n", pidFile.c_str(),
                 static_cast<int>(pid), pid == 1 ? "the first process" : "this launcher");
        return;
    }

    const ProcessRef process(pid);
    if (process.gone())
        return;
    switch (checkWriter(process, pid, pidFile, written, appPath)) {
    case Writer::Gone:
    case Writer::No:
        return;
    case Writer::Yes:
        break;
    }

    if (process.signal(SIGTERM) != 0) {
        int err = errno;
        if (err == ESRCH)
            return;
        LOG_ERROR("kill: %s (%d)\n", fileop::ErrorText(err).c_str(), err);
    }
    // Five probes about a second apart, each one a wait that ends the
    // moment the client does.
    for (int probe = 0; probe < kProbes; ++probe) {
        if (process.waitForEnd(kProbeIntervalMs))
            return;
    }
    (void)process.signal(SIGKILL);
}

void LinuxService::startUI()
{
    // A script at a path that lost its bytes is not the client's.
    if (!pathsUsable({"user_quenmark_zelto_app_path"}))
        return;
    // Program and argument apart: a blank in the home folder's path must
    // not split the program's path.
    const std::string script = appPath + "/package/start-stop";
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(QFile::decodeName(script.c_str()), QStringList{QStringLiteral("start")});
    // The script's exit status is its own affair; only a script that could
    // not be run at all (a home mounted noexec, a missing copy) is said.
    (void)process.waitForFinished(-1);
    if (process.error() != QProcess::FailedToStart)
        return;
    // Qt words the reason; the system's number comes from asking the same
    // question again, which fails the same way for most reasons.
    const int err = faccessat(AT_FDCWD, script.c_str(), X_OK, AT_EACCESS) == 0 ? 0 : errno;
    if (err != 0)
        LOG_ERROR("cannot run start script '%s': %s (%d)\n", script.c_str(), fileop::ErrorText(err).c_str(), err);
    else
        LOG_ERROR("cannot run start script '%s': %s\n", script.c_str(), process.errorString().toLocal8Bit().constData());
}

void LinuxService::readVersions()
{
    readTargetVersion();
    readSourceVersion();
    LOG_DEBUG("Source version: ('%s', '%s')\n", sourceVersion.build_version.c_str(),
              sourceVersion.icon_overlay_version.c_str());
    LOG_DEBUG("Target version: ('%s', '%s')\n", targetVersion.build_version.c_str(),
              targetVersion.icon_overlay_version.c_str());
}

bool LinuxService::needUpgrade()
{
    if (!pathsUsable({"user_quenmark_zelto_app_path", "user_quenmark_zelto_ui_path", "root_resource_path"}))
        return false;
    // An unfinished installation is repaired first; the versions are then
    // judged on the copy it brought back, which may be newer than the
    // package is now.
    bool unfinished = false;
    if (installationPending()) {
        if (repairInstallation() == 0) {
            sourceVersion = VersionInfo();
            readSourceVersion();
        } else {
            LOG_NOTE("last installation of '%s' did not finish, installing again\n", appPath.c_str());
            unfinished = true;
        }
    }
    int32_t s = 0;
    int32_t t = 0;
    if (!sourceVersion.build_version.empty())
        s = LeadingInteger(sourceVersion.build_version);
    if (!targetVersion.build_version.empty())
        t = LeadingInteger(targetVersion.build_version);
    LOG_DEBUG("source version = %d, target version = %d\n", s, t);
    bool result = s < t;
    if (!isUIInstalled())
        result = true;
    return result || unfinished;
}
