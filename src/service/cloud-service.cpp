#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"

#include "cloud-service.h"

#include "extractor.h"
#include "file-op.h"
#include "key-value-file.h"
#include "log.h"
#include "uipathmanager.h"
#include "unique-fd.h"

#include <QDir>
#include <QSettings>
#include <QString>

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int32_t kBackupAttempts = 10;

std::string pathOf(const char *key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key)).toUtf8().toStdString();
}

// Reads the group "Version" of an INFO file; absent keys leave their
// fields as they were.
void readInfoFile(const std::string &path, VersionInfo &version)
{
    // A FIFO or a device would block the settings reader for ever, a huge
    // file stall it: such an INFO file is one without the group.
    if (!KeyValueFile::isSmallRegularFile(path))
        return;
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup(QStringLiteral("Version"));
    struct Field {
        const char *key;
        std::string VersionInfo::*member;
    };
    static const Field fields[] = {
        {"major_version", &VersionInfo::major_version},
        {"minor_version", &VersionInfo::minor_version},
        {"build_version", &VersionInfo::build_version},
        {"icon_overlay_version", &VersionInfo::icon_overlay_version},
    };
    for (const Field &field : fields) {
        const QString key = QString::fromLatin1(field.key);
        if (settings.contains(key))
            version.*field.member = settings.value(key).toString().toUtf8().toStdString();
    }
    settings.endGroup();
}

// Flushes the whole file system that holds `folder`, then the folder
// itself, so that every rename and copied file below it is on disk.
int32_t syncFolder(const std::string &folder, bool wholeFileSystem)
{
    fileop::UniqueFd fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        int err = errno;
        LOG_ERROR("open(%s): %s (%d)\n", folder.c_str(), strerror(err), err);
        return -1;
    }
    if (wholeFileSystem && syncfs(fd.get()) != 0) {
        int err = errno;
        LOG_ERROR("syncfs(%s): %s (%d)\n", folder.c_str(), strerror(err), err);
        return -1;
    }
    if (fsync(fd.get()) != 0) {
        int err = errno;
        LOG_ERROR("fsync(%s): %s (%d)\n", folder.c_str(), strerror(err), err);
        return -1;
    }
    return 0;
}

// The installation journal. Its states, written before the step they
// announce, tell a later run where the last complete copy of the client
// lies should this run end half-way:
//   backup n  the application folder is about to move to backup name n:
//             while the folder exists it is complete, else backup n is;
//   copy n    the previous copy lies at backup name n, the package is being
//             copied: while backup n exists it is the complete copy, else
//             the rollback already brought it home;
//   first     no copy existed before; whatever is at the folder is partial;
//   done      the new copy is on disk; backups are leftovers.
// The journal itself is replaced atomically (write, fsync, rename, fsync of
// the folder), so a reader sees one whole state or the one before.
enum class JournalState { Invalid, Backup, Copy, First, Done };

const char *stateWord(JournalState state)
{
    switch (state) {
    case JournalState::Backup:
        return "backup";
    case JournalState::Copy:
        return "copy";
    case JournalState::First:
        return "first";
    case JournalState::Done:
        return "done";
    case JournalState::Invalid:
        break;
    }
    return "invalid";
}

int32_t writeJournal(const std::string &journal, JournalState state, int32_t attempt)
{
    const std::string temporary = journal + ".new";
    char text[64];
    int len = snprintf(text, sizeof text, "state=%s\nattempt=%d\n", stateWord(state), attempt);
    if (len < 0 || static_cast<size_t>(len) >= sizeof text)
        return -1;

    // Whatever stands at the temporary name, a link into the user's files
    // included, is ours to replace, never to write through.
    if (unlink(temporary.c_str()) != 0 && errno != ENOENT) {
        int err = errno;
        LOG_ERROR("failed to write install journal '%s': %s (%d)\n", temporary.c_str(), strerror(err), err);
        return -1;
    }
    fileop::UniqueFd fd(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (fd.get() < 0) {
        int err = errno;
        LOG_ERROR("failed to write install journal '%s': %s (%d)\n", temporary.c_str(), strerror(err), err);
        return -1;
    }
    const char *p = text;
    size_t left = static_cast<size_t>(len);
    while (left > 0) {
        ssize_t n = write(fd.get(), p, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            int err = n < 0 ? errno : EIO;
            LOG_ERROR("failed to write install journal '%s': %s (%d)\n", temporary.c_str(), strerror(err), err);
            (void)unlink(temporary.c_str());
            return -1;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    if (fsync(fd.get()) != 0 || fd.close() != 0) {
        int err = errno;
        LOG_ERROR("failed to write install journal '%s': %s (%d)\n", temporary.c_str(), strerror(err), err);
        (void)unlink(temporary.c_str());
        return -1;
    }
    if (rename(temporary.c_str(), journal.c_str()) != 0) {
        int err = errno;
        LOG_ERROR("failed to write install journal '%s': %s (%d)\n", journal.c_str(), strerror(err), err);
        (void)unlink(temporary.c_str());
        return -1;
    }
    return syncFolder(FSDirName(journal), false);
}

JournalState readJournal(const std::string &journal, int32_t *attempt)
{
    KeyValueFile file;
    if (file.load(journal) < 0)
        return JournalState::Invalid;
    const auto &entries = file.entries();
    auto state = entries.find("state");
    auto number = entries.find("attempt");
    if (state == entries.end() || number == entries.end())
        return JournalState::Invalid;
    *attempt = LeadingInteger(number->second);
    if (*attempt < 0 || *attempt >= kBackupAttempts)
        return JournalState::Invalid;
    for (JournalState s : {JournalState::Backup, JournalState::Copy, JournalState::First, JournalState::Done}) {
        if (state->second == stateWord(s))
            return s;
    }
    return JournalState::Invalid;
}

// The journal goes last, once what it guarded is on disk.
int32_t removeJournal(const std::string &journal, bool syncFirst)
{
    const std::string folder = FSDirName(journal);
    if (syncFirst && syncFolder(folder, true) != 0)
        return -1;
    if (unlink(journal.c_str()) != 0 && errno != ENOENT) {
        int err = errno;
        LOG_ERROR("unlink(%s): %s (%d)\n", journal.c_str(), strerror(err), err);
        return -1;
    }
    return syncFolder(folder, false);
}

// Undoes an installation that did not complete: the partial copy goes and
// the backup comes home, or, without a backup, the partial first copy goes.
// The journal stays while the folder is not back, so that the next run
// repairs.
void rollBack(const std::string &appPath, const std::string &journal, const std::string &backup,
              int32_t attempt, bool journalMayBeDone)
{
    if (backup.empty()) {
        if (FSRemovePath(appPath) == 0)
            (void)removeJournal(journal, false);
        return;
    }
    // A journal that already says "done" would let the next run discard
    // the backup: it names the backup again before the new copy goes.
    if (journalMayBeDone)
        (void)writeJournal(journal, JournalState::Copy, attempt);
    (void)FSRemovePath(appPath);
    if (FSMovePath(backup, appPath) == 0)
        (void)removeJournal(journal, true);
}

} // namespace

int32_t LeadingInteger(const std::string &text)
{
    const char *p = text.c_str();
    while (*p && isspace(static_cast<unsigned char>(*p)))
        ++p;
    bool negative = false;
    if (*p == '+' || *p == '-')
        negative = *p++ == '-';
    long long value = 0;
    while (*p >= '0' && *p <= '9') {
        if (value <= static_cast<long long>(INT32_MAX) + 1)
            value = value * 10 + (*p - '0');
        ++p;
    }
    if (negative)
        value = -value;
    if (value > INT32_MAX)
        return INT32_MAX;
    if (value < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

std::string backupName(const std::string &base, int32_t attempt)
{
    std::string name = base + "_tmp";
    if (attempt == 0)
        return name;
    char postfix[8];
    if (snprintf(postfix, sizeof postfix, "%d", attempt) < 0)
        LOG_ERROR("snprintf failed (continuing without postfix)");
    else
        name += postfix;
    return name;
}

Service::Service() = default;

Service::~Service() = default;

std::string Service::journalPath(const std::string &appPath)
{
    return appPath + ".installing";
}

bool Service::installationPending() const
{
    if (appPath.empty())
        return false;
    if (FSExists(journalPath(appPath)))
        return true;
    for (int32_t k = 0; k < kBackupAttempts; ++k) {
        if (FSExists(backupName(appPath, k)))
            return true;
    }
    return false;
}

// Brings the folder back to the state before an installation that ended
// half-way: the last complete copy at appPath (or nothing when there was
// none), no backup names, no journal.
int32_t Service::recoverInterruptedInstallation()
{
    const std::string journal = journalPath(appPath);
    int32_t attempt = 0;
    const JournalState state = readJournal(journal, &attempt);
    const std::string backup = backupName(appPath, attempt);
    LOG_NOTE("last installation did not finish (%s %d), repairing '%s'\n",
             stateWord(state), attempt, appPath.c_str());

    if (state == JournalState::Invalid) {
        // Not one of ours; the normal run moves appPath aside and restores
        // it on failure, so nothing is lost by starting afresh.
        LOG_ERROR("unreadable install journal '%s', ignored\n", journal.c_str());
        return removeJournal(journal, false);
    }

    bool backupHoldsCopy = false;
    switch (state) {
    case JournalState::Backup:
        backupHoldsCopy = !FSExists(appPath) && FSExists(backup);
        break;
    case JournalState::Copy:
        backupHoldsCopy = FSExists(backup);
        break;
    case JournalState::First:
        (void)FSRemovePath(appPath);
        break;
    default:
        break;
    }
    if (backupHoldsCopy) {
        (void)FSRemovePath(appPath);
        if (FSMovePath(backup, appPath) != 0) {
            LOG_ERROR("failed to restore app from '%s' -> '%s'\n", backup.c_str(), appPath.c_str());
            return -1;
        }
    }
    // Every backup name now holds a leftover only.
    for (int32_t k = 0; k < kBackupAttempts; ++k)
        (void)FSRemovePath(backupName(appPath, k));
    return removeJournal(journal, true);
}

int32_t Service::installPackage()
{
    const std::string journal = journalPath(appPath);
    const std::string parent = FSDirName(appPath);
    if (FSExists(journal)) {
        if (recoverInterruptedInstallation() != 0)
            return -1;
    }
    if (FSMKDir(parent, true) != 0) {
        LOG_ERROR("failed to create folder: '%s'\n", parent.c_str());
        return -1;
    }

    std::string backup;
    int32_t n = 0;
    if (FSExists(appPath)) {
        for (;;) {
            backup = backupName(appPath, n);
            if (writeJournal(journal, JournalState::Backup, n) != 0) {
                // Nothing has moved yet; a journal that reached its name
                // would only send the next run into a needless repair.
                (void)removeJournal(journal, false);
                return -1;
            }
            if (FSMovePath(appPath, backup) == 0)
                break;
            LOG_ERROR("failed to backup app from '%s' -> '%s'\n", appPath.c_str(), backup.c_str());
            ++n;
            if (n > kBackupAttempts - 1) {
                LOG_ERROR("failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                          appPath.c_str(), backup.c_str());
                (void)removeJournal(journal, false);
                return -1;
            }
        }
        if (writeJournal(journal, JournalState::Copy, n) != 0) {
            // Without a journal that names the backup, it must come home now.
            (void)FSMovePath(backup, appPath);
            (void)removeJournal(journal, false);
            return -1;
        }
    } else if (writeJournal(journal, JournalState::First, 0) != 0) {
        (void)removeJournal(journal, false);
        return -1;
    }

    if (copyPackage() != 0) {
        if (backup.empty()) {
            LOG_ERROR("Failed to extract package, and no old installation to rollback\n");
        } else {
            LOG_ERROR("Failed to extract package, rollback to old installation\n");
        }
        // A partial copy may already hold INFO and the UI program and would
        // pass for a complete one; while the backup is not back, the
        // journal keeps naming it.
        rollBack(appPath, journal, backup, n, false);
        return -1;
    }

    // The new copy must be on disk before the backups may go. A flush that
    // failed may have lost any of its files: the old copy, which is on
    // disk, comes back.
    if (syncFolder(parent, true) != 0 || writeJournal(journal, JournalState::Done, n) != 0) {
        LOG_ERROR("failed to make '%s' durable, rollback to old installation\n", appPath.c_str());
        rollBack(appPath, journal, backup, n, true);
        return -1;
    }
    LOG_INFO("user installation is ready, removing backup app\n");
    for (int32_t k = 0; k <= n; ++k)
        (void)FSRemovePath(backupName(appPath, k));
    // Leftovers of an earlier run under the names not tried this time.
    for (int32_t k = n + 1; k < kBackupAttempts; ++k)
        (void)FSRemovePath(backupName(appPath, k));
    (void)removeJournal(journal, true);
    return 0;
}

int32_t Service::copyPackage()
{
    const QString root = UIPathManager::getInstance()->getPath(QStringLiteral("root_resource_path"));
    const std::string source = (root + QStringLiteral("/package/orvilex")).toUtf8().toStdString();
    const std::string destination = pathOf("user_quenmark_zelto_app_path");
    LOG_INFO("copy package:'%s' -> '%s' \n", source.c_str(), destination.c_str());
    return FSCopyPath(source, destination);
}

int32_t Service::extractPackage()
{
    const QString root = UIPathManager::getInstance()->getPath(QStringLiteral("root_resource_path"));
    ExtractRequest request;
    request.archive = (root + QStringLiteral("/package/orvilex.qpk")).toUtf8().toStdString();
    request.destination = pathOf("user_quenmark_zelto_app_path");
    if (FSMKDir(request.destination, true) != 0) {
        LOG_ERROR("failed to create folder: '%s'\n", request.destination.c_str());
        return -1;
    }
    LOG_INFO("extract package: '%s' -> '%s'\n", request.archive.c_str(), request.destination.c_str());
    return ExtractArchive(request);
}

int32_t Service::FSCopyPath(const std::string &source, const std::string &destination)
{
    LOG_DEBUG("copy from '%s' to '%s'\n", source.c_str(), destination.c_str());
    FileInfo info;
    if (FSStat(source, info) != 0) {
        LOG_ERROR("FSCopyPath: failed to stat source '%s'\n", source.c_str());
        return -1;
    }
    if (!info.exists) {
        LOG_ERROR("FSCopyPath: source path '%s' does not exist\n", source.c_str());
        return -1;
    }
    if (info.type != FS_TYPE_DIRECTORY)
        return CopyFile(source, destination, false, false) == 0 ? 0 : -1;

    if (FSMKDir(destination, true) != 0) {
        LOG_ERROR("FSCopyPath: failed to create dest folder '%s'\n", destination.c_str());
        return -1;
    }
    DirHandle dir;
    if (FSOpenDir(source, 0, dir) != 0) {
        LOG_WARNING("FSCopyPath: failed to create handle  for src '%s' failed\n", source.c_str());
        return 0;
    }
    int32_t result = 0;
    DirEntry entry;
    while (FSReadDir(dir, entry) == 1) {
        if (entry.name == "." || entry.name == "..")
            continue;
        const std::string s = source + "/" + entry.name;
        const std::string d = destination + "/" + entry.name;
        uint32_t type = entry.type;
        // Some file systems leave the kind out of their directory entries.
        if (type == FS_TYPE_UNKNOWN) {
            FileInfo entryInfo;
            if (FSStat(s, entryInfo) == 0)
                type = entryInfo.type;
        }
        const int32_t copied = type == FS_TYPE_DIRECTORY ? FSCopyPath(s, d) : CopyFile(s, d, false, true);
        if (copied < 0) {
            LOG_ERROR("FSCopyPath: failed to copy from '%s' to '%s'\n", s.c_str(), d.c_str());
            result = -1;
            break;
        }
    }
    FSCloseDir(dir);
    return result;
}

void Service::readTargetVersion()
{
    const QString root = UIPathManager::getInstance()->getPath(QStringLiteral("root_resource_path"));
    readInfoFile((root + QStringLiteral("/INFO")).toUtf8().toStdString(), targetVersion);
    LOG_INFO("target_version = (%s, %s, %s, %s)\n", targetVersion.major_version.c_str(),
             targetVersion.minor_version.c_str(), targetVersion.build_version.c_str(),
             targetVersion.icon_overlay_version.c_str());
}

void Service::readSourceVersion()
{
    const QString resource = UIPathManager::getInstance()->getPath(QStringLiteral("user_quenmark_zelto_resource_path"));
    const std::string info = (resource + QStringLiteral("/INFO")).toUtf8().toStdString();
    if (!FSExists(info)) {
        LOG_INFO("source does not exist\n");
        return;
    }
    readInfoFile(info, sourceVersion);
    LOG_INFO("source_version = (%s, %s, %s, %s)\n", sourceVersion.major_version.c_str(),
             sourceVersion.minor_version.c_str(), sourceVersion.build_version.c_str(),
             sourceVersion.icon_overlay_version.c_str());
}

void Service::removeAgedAppFolder()
{
    const QString legacy = UIPathManager::getInstance()->getPath(QStringLiteral("user_orvilex_path"));
    const std::string path = (legacy + QStringLiteral("/app")).toUtf8().toStdString();
    LOG_INFO("removing aged app folder %s\n", path.c_str());
    (void)FSRemovePath(path);
}

void Service::migrateLegacyFolder()
{
    UIPathManager *paths = UIPathManager::getInstance();
    const QString legacy = QDir::toNativeSeparators(paths->getPath(QStringLiteral("user_orvilex_path")));
    const QString legacyData = QDir::toNativeSeparators(legacy + QStringLiteral("/data"));
    const QString folder = QDir::toNativeSeparators(paths->getPath(QStringLiteral("user_quenmark_zelto_path")));
    const QString data = QDir::toNativeSeparators(folder + QStringLiteral("/data"));
    auto utf8 = [](const QString &path) { return path.toUtf8().toStdString(); };

    // A file standing at the new folder's path is no folder to move into.
    struct stat st;
    const bool isFolder = stat(utf8(folder).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    if (!isFolder && FSMKDir(utf8(folder), true) != 0) {
        LOG_ERROR("Failed to create Quenmark Zelto folder\n");
        return;
    }
    if (FSExists(utf8(legacyData)) && FSMovePath(utf8(legacyData), utf8(data)) < 0) {
        // What did not reach the new folder still lives only here.
        LOG_ERROR("Failed to move data to Quenmark Zelto folder\n");
        return;
    }
    if (FSExists(utf8(legacy)) && FSRemovePath(utf8(legacy)) < 0)
        LOG_ERROR("Failed to remove old .Orvilex folder\n");
}
