#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"

#include "cloud-service.h"

#include "extractor.h"
#include "file-op.h"
#include "file-op-tree.h"
#include "install-journal.h"
#include "log.h"
#include "uipathmanager.h"
#include "unique-fd.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Copies of a package that changed under them, before the run gives up.
constexpr int kCopyAttempts = 3;
constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

QString tablePath(const char *key)
{
    return UIPathManager::getInstance()->getPath(QString::fromLatin1(key));
}

// The bytes of a path: the exact inverse of how the path table's folders
// were decoded from the system's names.
std::string bytesOf(const QString &path)
{
    return QFile::encodeName(path).toStdString();
}

std::string pathOf(const char *key)
{
    return bytesOf(tablePath(key));
}

// The folders along `path` that do not exist yet, the outermost first.
std::vector<std::string> missingFolders(const std::string &path)
{
    std::vector<std::string> missing;
    std::string cur = path;
    struct stat st;
    while (cur.size() > 1 && lstat(cur.c_str(), &st) != 0 && errno == ENOENT) {
        missing.insert(missing.begin(), cur);
        cur = FSDirName(cur);
    }
    return missing;
}

} // namespace

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

bool Service::installationPending()
{
    if (appPath.empty())
        return false;
    if (FSExists(journalPath(appPath)))
        return true;
    // Without a journal a backup name holds a leftover only: it makes no
    // installation unfinished, and it goes when it can.
    removeLeftoverBackups();
    (void)unlink(replacementName(journalPath(appPath)).c_str());
    return false;
}

void Service::removeLeftoverBackups()
{
    for (int32_t k = 0; k < kBackupAttempts; ++k) {
        const std::string name = backupName(appPath, k);
        if (FSExists(name) && FSRemovePath(name) != 0)
            reportLeftover(name);
    }
}

void Service::reportLeftover(const std::string &name)
{
    for (const std::string &reported : reportedLeftovers) {
        if (reported == name)
            return;
    }
    reportedLeftovers.push_back(name);
    LOG_WARNING("leftover backup '%s' cannot be removed\n", name.c_str());
}

bool Service::pathsUsable(std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        const QString path = tablePath(key);
        // A name that was not valid UTF-8 lost its bytes to replacement
        // characters: it names a sibling of the real folder, which is never
        // ours to create, fill or remove.
        if (!path.contains(QChar::ReplacementCharacter))
            continue;
        if (!pathsRefused) {
            pathsRefused = true;
            LOG_ERROR("path '%s' does not name the real folder (its bytes are not UTF-8), nothing is installed\n",
                      bytesOf(path).c_str());
        }
        return false;
    }
    return true;
}

int32_t Service::repairInstallation()
{
    if (appPath.empty() || !FSExists(journalPath(appPath)))
        return 0;
    return recoverInterruptedInstallation();
}

// Brings the folder back to the state before an installation that ended
// half-way: the last complete copy at appPath (or nothing when there was
// none), no backup names, no journal.
int32_t Service::recoverInterruptedInstallation()
{
    const std::string journal = journalPath(appPath);
    switch (restoreLastCopy(appPath, journal)) {
    case Restore::Failed:
        return -1;
    case Restore::Unreadable:
        return removeJournal(journal);
    case Restore::Restored:
        break;
    }
    // Every backup name now holds a leftover only.
    removeLeftoverBackups();
    return removeJournal(journal);
}

int32_t Service::installPackage()
{
    if (!pathsUsable({"user_quenmark_zelto_app_path", "root_resource_path"}))
        return -1;
    for (int attempt = 1;; ++attempt) {
        packageChanged = false;
        const int32_t result = installOnce();
        if (result == 0 || !packageChanged || attempt == kCopyAttempts)
            return result;
        // The package is being replaced beside us. What it holds once it
        // settles is what the user gets, if the versions still ask for it.
        sleep(1);
        targetVersion = VersionInfo();
        sourceVersion = VersionInfo();
        readVersions();
        if (!needUpgrade())
            return result;
        LOG_NOTE("installing the package again as it now stands\n");
    }
}

int32_t Service::installOnce()
{
    const std::string journal = journalPath(appPath);
    const std::string parent = FSDirName(appPath);
    if (FSExists(journal)) {
        if (recoverInterruptedInstallation() != 0)
            return -1;
    }
    // The per-user folder may be a link to a folder elsewhere (moved to
    // another disk); it is used as it is and stays a link.
    const std::vector<std::string> created = missingFolders(parent);
    if (!fileop::IsDirectoryFollowingLinks(parent) && FSMKDir(parent, true) != 0) {
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
                (void)removeJournal(journal);
                return -1;
            }
            if (FSMovePath(appPath, backup) == 0)
                break;
            LOG_ERROR("failed to backup app from '%s' -> '%s'\n", appPath.c_str(), backup.c_str());
            ++n;
            if (n > kBackupAttempts - 1) {
                LOG_ERROR("failed to backup app from '%s' -> '%s' at max retries, exiting\n",
                          appPath.c_str(), backup.c_str());
                (void)removeJournal(journal);
                return -1;
            }
        }
        // Its flush of the folder also puts the move to the backup on disk.
        if (writeJournal(journal, JournalState::Copy, n) != 0) {
            // Without a journal that names the backup, it must come home now.
            // Should it not, the journal on disk still says "backup" (or
            // already "copy") with the application folder gone: the next run
            // brings the backup home.
            if (FSMovePath(backup, appPath) != 0) {
                LOG_ERROR("failed to restore app from '%s' -> '%s'\n", backup.c_str(), appPath.c_str());
                return -1;
            }
            (void)removeJournal(journal);
            return -1;
        }
    } else if (writeJournal(journal, JournalState::First, 0) != 0) {
        (void)removeJournal(journal);
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

    // The copy flushed every file and folder below appPath; the name
    // appPath itself lives in the parent, and folders made for the parent
    // in theirs. Only then may the journal say "done" and the backups go. A
    // flush that failed may have lost any of it: the old copy, which is on
    // disk, comes back.
    bool durable = fileop::SyncFolderAt(parent) == 0;
    for (const std::string &folder : created)
        durable = durable && fileop::SyncFolderAt(FSDirName(folder)) == 0;
    if (!durable || writeJournal(journal, JournalState::Done, n) != 0) {
        LOG_ERROR("failed to make '%s' durable, rollback to old installation\n", appPath.c_str());
        rollBack(appPath, journal, backup, n, true);
        return -1;
    }
    LOG_INFO("user installation is ready, removing backup app\n");
    // Also the leftovers of an earlier run under the names not tried now.
    removeLeftoverBackups();
    (void)removeJournal(journal);
    return 0;
}

int32_t Service::copyPackage()
{
    const QString root = tablePath("root_resource_path");
    const std::string source = bytesOf(root + QStringLiteral("/package/orvilex"));
    const std::string info = bytesOf(root + QStringLiteral("/INFO"));
    const std::string destination = pathOf("user_quenmark_zelto_app_path");
    LOG_INFO("copy package:'%s' -> '%s' \n", source.c_str(), destination.c_str());
    uint64_t before = 0;
    uint64_t after = 0;
    const bool known = fileop::PackageFingerprint(info, source, before);
    int32_t result = FSCopyPath(source, destination);
    // A copy taken while the package changed may mix two versions and pass
    // for either.
    if (fileop::PackageFingerprint(info, source, after) != known || after != before) {
        LOG_ERROR("package '%s' changed while it was copied\n", source.c_str());
        packageChanged = true;
        result = -1;
    } else if (!known) {
        // Too deep to vouch for; the copy failed on it too and said why.
        result = -1;
    }
    return result;
}

int32_t Service::extractPackage()
{
    if (!pathsUsable({"user_quenmark_zelto_app_path", "root_resource_path"}))
        return -1;
    const QString root = tablePath("root_resource_path");
    ExtractRequest request;
    request.archive = bytesOf(root + QStringLiteral("/package/orvilex.qpk"));
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
    // Packagers link the package folder to where their distribution keeps
    // the files: a link there is followed; links below it are not.
    struct stat target;
    const bool folder = info.type == FS_TYPE_DIRECTORY
        || (info.type == FS_TYPE_SYMLINK && stat(source.c_str(), &target) == 0 && S_ISDIR(target.st_mode));
    if (!folder)
        return CopyFileAt(AT_FDCWD, source, AT_FDCWD, destination, false, source, destination) == 0 ? 0 : -1;

    if (FSMKDir(destination, true) != 0) {
        LOG_ERROR("FSCopyPath: failed to create dest folder '%s'\n", destination.c_str());
        return -1;
    }
    fileop::UniqueFd src(open(source.c_str(), kFolderFlags & ~O_NOFOLLOW));
    if (!src.valid()) {
        // An unreadable package is no package: counting it as copied would
        // leave an empty or partial copy that every later run takes as
        // complete.
        LOG_WARNING("FSCopyPath: failed to create handle  for src '%s' failed\n", source.c_str());
        return -1;
    }
    fileop::UniqueFd dst(open(destination.c_str(), kFolderFlags));
    if (!dst.valid()) {
        int err = errno;
        LOG_ERROR("FSCopyPath: failed to create dest folder '%s': %s (%d)\n", destination.c_str(), strerror(err), err);
        return -1;
    }
    return fileop::CopyFolderTree(std::move(src), std::move(dst), source, destination);
}

void Service::readTargetVersion()
{
    readInfoFile(bytesOf(tablePath("root_resource_path") + QStringLiteral("/INFO")), targetVersion);
    LOG_INFO("target_version = (%s, %s, %s, %s)\n", targetVersion.major_version.c_str(),
             targetVersion.minor_version.c_str(), targetVersion.build_version.c_str(),
             targetVersion.icon_overlay_version.c_str());
}

void Service::readSourceVersion()
{
    const std::string info = bytesOf(tablePath("user_quenmark_zelto_resource_path") + QStringLiteral("/INFO"));
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
    if (!pathsUsable({"user_orvilex_path"}))
        return;
    const std::string path = bytesOf(tablePath("user_orvilex_path") + QStringLiteral("/app"));
    LOG_INFO("removing aged app folder %s\n", path.c_str());
    (void)FSRemovePath(path);
}

void Service::migrateLegacyFolder()
{
    if (!pathsUsable({"user_orvilex_path", "user_quenmark_zelto_path"}))
        return;
    UIPathManager *paths = UIPathManager::getInstance();
    const QString legacy = QDir::toNativeSeparators(paths->getPath(QStringLiteral("user_orvilex_path")));
    const QString legacyData = QDir::toNativeSeparators(legacy + QStringLiteral("/data"));
    const QString folder = QDir::toNativeSeparators(paths->getPath(QStringLiteral("user_quenmark_zelto_path")));
    const QString data = QDir::toNativeSeparators(folder + QStringLiteral("/data"));
    auto utf8 = [](const QString &path) { return bytesOf(path); };

    // A file standing at the new folder's path is no folder to move into.
    const bool isFolder = fileop::IsDirectoryFollowingLinks(utf8(folder));
    const std::vector<std::string> created = missingFolders(utf8(folder));
    if (!isFolder && FSMKDir(utf8(folder), true) != 0) {
        LOG_ERROR("Failed to create Quenmark Zelto folder\n");
        return;
    }
    // Data moved across file systems is removed at its source once it is
    // on disk here: so must be the folders that lead to it.
    for (const std::string &made : created) {
        if (fileop::SyncFolderAt(FSDirName(made)) != 0) {
            LOG_ERROR("Failed to move data to Quenmark Zelto folder\n");
            return;
        }
    }
    if (FSExists(utf8(legacyData)) && FSMovePath(utf8(legacyData), utf8(data)) < 0) {
        // What did not reach the new folder still lives only here.
        LOG_ERROR("Failed to move data to Quenmark Zelto folder\n");
        return;
    }
    if (FSExists(utf8(legacy)) && FSRemovePath(utf8(legacy)) < 0)
        LOG_ERROR("Failed to remove old .Orvilex folder\n");
}
