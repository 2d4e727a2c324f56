#define LOG_COMPONENT "service_debug"
#define LOG_MODULE "cloud-service.cpp"

#include "install-journal.h"

#include "cloud-service.h" // backupName
#include "file-op-base.h"
#include "file-op.h"
#include "key-value-file.h"
#include "log.h"
#include "unique-fd.h"

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

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

std::string replacementName(const std::string &path)
{
    return path + ".new";
}

int32_t replaceFileDurably(const std::string &path, const std::string &bytes, const char *what)
{
    const std::string temporary = replacementName(path);
    // Names the failure; a temporary this call made goes with it.
    auto fail = [&](const std::string &name, int err, bool made) -> int32_t {
        LOG_ERROR("failed to write %s '%s': %s (%d)\n", what, name.c_str(), fileop::ErrorText(err).c_str(), err);
        if (made)
            (void)unlink(temporary.c_str());
        return -1;
    };
    // Whatever stands at the temporary name, a link into the user's files
    // included, is ours to replace, never to write through.
    if (unlink(temporary.c_str()) != 0 && errno != ENOENT)
        return fail(temporary, errno, false);
    fileop::UniqueFd fd(open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644));
    if (!fd.valid())
        return fail(temporary, errno, false);
    if (int err = fileop::WriteAll(fd.get(), bytes.data(), bytes.size()))
        return fail(temporary, err, true);
    // close() is checked too: some file systems report a lost write there.
    if (fsync(fd.get()) != 0 || fd.close() != 0)
        return fail(temporary, errno, true);
    if (rename(temporary.c_str(), path.c_str()) != 0)
        return fail(path, errno, true);
    // The flush logs its own failure.
    return fileop::SyncFolderAt(FSDirName(path)) == 0 ? 0 : -1;
}

int32_t writeJournal(const std::string &journal, JournalState state, int32_t attempt)
{
    char text[64];
    int len = snprintf(text, sizeof text, "state=%s\nattempt=%d\n", stateWord(state), attempt);
    if (len < 0 || static_cast<size_t>(len) >= sizeof text)
        return -1;
    return replaceFileDurably(journal, std::string(text, static_cast<size_t>(len)), "install journal");
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
    *attempt = fileop::LeadingInteger(number->second);
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
    const bool flushed = fileop::SyncFolderAt(folder) == 0;
    (void)unlink(replacementName(journal).c_str());
    if (unlink(journal.c_str()) != 0 && errno != ENOENT) {
        int err = errno;
        LOG_ERROR("unlink(%s): %s (%d)\n", journal.c_str(), fileop::ErrorText(err).c_str(), err);
        return -1;
    }
    return flushed && fileop::SyncFolderAt(folder) == 0 ? 0 : -1;
}

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

Restore restoreLastCopy(const std::string &appPath, const std::string &journal)
{
    int32_t attempt = 0;
    const JournalState state = readJournal(journal, &attempt);
    const std::string backup = backupName(appPath, attempt);
    LOG_NOTE("last installation did not finish (%s %d), repairing '%s'\n",
             stateWord(state), attempt, appPath.c_str());

    if (state == JournalState::Invalid) {
        // Not one of ours; the normal run moves appPath aside and restores
        // it on failure, so nothing is lost by starting afresh.
        LOG_ERROR("unreadable install journal '%s', ignored\n", journal.c_str());
        return Restore::Unreadable;
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
            return Restore::Failed;
        }
        break;
    default:
        break;
    }
    if (backupHoldsCopy) {
        (void)FSRemovePath(appPath);
        if (FSMovePath(backup, appPath) != 0) {
            LOG_ERROR("failed to restore app from '%s' -> '%s'\n", backup.c_str(), appPath.c_str());
            return Restore::Failed;
        }
    }
    return Restore::Restored;
}
