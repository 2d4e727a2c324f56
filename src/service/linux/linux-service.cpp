#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "linux/linux-service.cpp"

#include "linux-service.h"

#include "file-op.h"
#include "key-value-file.h"
#include "log.h"
#include "uipathmanager.h"
#include "unique-fd.h"

#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int kProbes = 5;

QString pathOf(const char *key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key));
}

// A handle on one process. Through a pidfd the signals reach the process
// that was checked, even if its id is handed to another one meanwhile;
// without pidfd support they go to the id.
class ProcessRef
{
public:
    explicit ProcessRef(pid_t pid) : m_pid(pid)
    {
#ifdef SYS_pidfd_open
        m_fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
        m_openErrno = m_fd < 0 ? errno : 0;
#endif
    }
    ~ProcessRef()
    {
        if (m_fd >= 0)
            (void)close(m_fd);
    }
    ProcessRef(const ProcessRef &) = delete;
    ProcessRef &operator=(const ProcessRef &) = delete;

    // The process is gone already (pidfd_open says so).
    bool gone() const { return m_fd < 0 && m_openErrno == ESRCH; }

    // 0, or -1 with errno set, as kill(2).
    int signal(int sig) const
    {
#ifdef SYS_pidfd_send_signal
        if (m_fd >= 0)
            return static_cast<int>(syscall(SYS_pidfd_send_signal, m_fd, sig, nullptr, 0));
#endif
        return kill(m_pid, sig);
    }

private:
    pid_t m_pid;
    int m_fd = -1;
    int m_openErrno = 0;
};

std::string readSmallFile(const std::string &path, bool *missing)
{
    *missing = false;
    fileop::UniqueFd fd(open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        *missing = errno == ENOENT || errno == ESRCH;
        return std::string();
    }
    char buffer[256];
    ssize_t n;
    do {
        n = read(fd.get(), buffer, sizeof buffer - 1);
    } while (n < 0 && errno == EINTR);
    if (n <= 0)
        return std::string();
    std::string text(buffer, static_cast<size_t>(n));
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

enum class ProcessMatch { Gone, Other, Client };

// The pid file may be older than the process that now holds its id; only
// the client's user interface program may be signalled.
ProcessMatch matchProcess(pid_t pid, const std::string &programName)
{
    const std::string proc = "/proc/" + std::to_string(pid);
    bool missing = false;
    const std::string comm = readSmallFile(proc + "/comm", &missing);
    if (missing)
        return ProcessMatch::Gone;
    if (!programName.empty() && comm == programName)
        return ProcessMatch::Client;

    char target[4096];
    ssize_t len = readlink((proc + "/exe").c_str(), target, sizeof target - 1);
    if (len > 0) {
        std::string exe(target, static_cast<size_t>(len));
        static const std::string deleted = " (deleted)";
        if (exe.size() > deleted.size() && exe.compare(exe.size() - deleted.size(), deleted.size(), deleted) == 0)
            exe.resize(exe.size() - deleted.size());
        if (!programName.empty() && FSBaseName(exe) == programName)
            return ProcessMatch::Client;
    }
    return ProcessMatch::Other;
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

int32_t LinuxService::upgrade()
{
    if (isUIInstalled()) {
        LOG_DEBUG("local appdata exist\n");
        terminateUI();
    }
    return installPackage();
}

void LinuxService::terminateUI()
{
    const std::string pidFile = (pathOf("user_quenmark_zelto_path") + QStringLiteral("/ui.pid")).toUtf8().toStdString();
    if (!FSExists(pidFile)) {
        LOG_DEBUG("pid file '%s' does not exist, no need to terminate\n", pidFile.c_str());
        return;
    }
    KeyValueFile file;
    if (file.load(pidFile) < 0) {
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

    const ProcessRef process(pid);
    if (process.gone())
        return;
    const std::string program = FSBaseName(pathOf("user_quenmark_zelto_ui_path").toUtf8().toStdString());
    switch (matchProcess(pid, program)) {
    case ProcessMatch::Gone:
        return;
    case ProcessMatch::Other:
        LOG_NOTE("process %d is not '%s', client taken as not running\n", static_cast<int>(pid), program.c_str());
        return;
    case ProcessMatch::Client:
        break;
    }

    if (process.signal(SIGTERM) != 0) {
        int err = errno;
        if (err == ESRCH)
            return;
        LOG_ERROR("kill: %s (%d)\n", strerror(err), err);
    }
    for (int probe = 0; probe < kProbes; ++probe) {
        if (process.signal(0) != 0 && errno == ESRCH)
            return;
        sleep(1);
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
    const QString program = QFile::decodeName((appPath + "/package/start-stop").c_str());
    (void)QProcess::execute(program, QStringList{QStringLiteral("start")});
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
