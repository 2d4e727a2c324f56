#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"

#include "cloud-service.h"

#include "extractor.h"
#include "file-op.h"
#include "file-op-tree.h"
#include "key-value-file.h"
#include "log.h"
#include "uipathmanager.h"
#include "unique-fd.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QString>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int32_t kBackupAttempts = 10;
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

// Reads the group "Version" of an INFO file; absent keys leave their
// fields as they were.
void readInfoFile(const std::string &path, VersionInfo &version)
{
    // A FIFO or a device would block the settings reader for ever, a huge
    // file stall it: such an INFO file is one without the group.
    if (!KeyValueFile::isSmallRegularFile(path))
        return;
    QSettings settings(QFile::decodeName(path.c_str()), QSettings::IniFormat);
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

// Flushes one folder: the names created, renamed or removed in it are on
// disk once this returns 0. The flush logs its own failure.
int32_t syncFolder(const std::string &folder)
{
    return fileop::SyncFolderAt(folder) == 0 ? 0 : -1;
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
    return syncFolder(FSDirName(journal));
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

// The journal goes last, once the renames and removals it guarded are on
// disk: they all happened in its own folder, so flushing that folder is
// enough. A temporary of a journal write that was cut short goes too.
// Callers remove it only where the application folder is a complete copy
// (or no copy existed). A folder whose flush fails (a failing disk) loses
// the journal all the same: kept, it would make every later run stop the
// client for a repair whose flush fails the same way.
int32_t removeJournal(const std::string &journal)
{
    const std::string folder = FSDirName(journal);
    const bool flushed = syncFolder(folder) == 0;
    (void)unlink((journal + ".new").c_str());
    if (unlink(journal.c_str()) != 0 && errno != ENOENT) {
        int err = errno;
        LOG_ERROR("unlink(%s): %s (%d)\n", journal.c_str(), strerror(err), err);
        return -1;
    }
    return flushed && syncFolder(folder) == 0 ? 0 : -1;
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
            (void)removeJournal(journal);
        return;
    }
    // A journal that already says "done" would let the next run discard
    // the backup: it names the backup again before the new copy goes. If
    // it cannot, the new copy, which is complete, stays where it is: the
    // journal then says "done" and the next run keeps it, or still says
    // "copy" and the next run brings the backup home.
    if (journalMayBeDone && writeJournal(journal, JournalState::Copy, attempt) != 0) {
        LOG_ERROR("failed to roll back '%s', the next run finishes the installation\n", appPath.c_str());
        return;
    }
    (void)FSRemovePath(appPath);
    if (FSMovePath(backup, appPath) == 0)
        (void)removeJournal(journal);
    else
        LOG_ERROR("failed to restore app from '%s' -> '%s'\n", backup.c_str(), appPath.c_str());
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
    (void)unlink((journalPath(appPath) + ".new").c_str());
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
    int32_t attempt = 0;
    const JournalState state = readJournal(journal, &attempt);
    const std::string backup = backupName(appPath, attempt);
    LOG_NOTE("last installation did not finish (%s %d), repairing '%s'\n",
             stateWord(state), attempt, appPath.c_str());

    if (state == JournalState::Invalid) {
        // Not one of ours; the normal run moves appPath aside and restores
        // it on failure, so nothing is lost by starting afresh.
        LOG_ERROR("unreadable install journal '%s', ignored\n", journal.c_str());
        return removeJournal(journal);
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
        if (FSRemovePath(appPath) != 0) {
            LOG_ERROR("failed to remove the partial copy '%s'\n", appPath.c_str());
            return -1;
        }
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
    bool durable = syncFolder(parent) == 0;
    for (const std::string &folder : created)
        durable = durable && syncFolder(FSDirName(folder)) == 0;
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
    struct stat st;
    const bool isFolder = stat(utf8(folder).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    const std::vector<std::string> created = missingFolders(utf8(folder));
    if (!isFolder && FSMKDir(utf8(folder), true) != 0) {
        LOG_ERROR("Failed to create Quenmark Zelto folder\n");
        return;
    }
    // Data moved across file systems is removed at its source once it is
    // on disk here: so must be the folders that lead to it.
    for (const std::string &made : created) {
        if (syncFolder(FSDirName(made)) != 0) {
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
