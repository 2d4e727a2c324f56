// The installation journal: a small file beside the application folder
// that says, at every step of an installation, where the last complete copy
// of the client lies, and the steps that bring that copy back after a run
// that ended half-way.
#pragma once

#include <cstdint>
#include <string>

// Backup names tried per installation; also the bound of a journal's
// attempt number.
constexpr int32_t kBackupAttempts = 10;

// The journal's states, written before the step they announce, tell a later
// run where the last complete copy of the client lies should this run end
// half-way:
//   backup n  the application folder is about to move to backup name n:
//             while the folder exists it is complete, else backup n is;
//   copy n    the previous copy lies at backup name n, the package is being
//             copied: while backup n exists it is the complete copy, else
//             the rollback already brought it home;
//   first     no copy existed before; whatever is at the folder is partial;
//   done      the new copy is on disk; backups are leftovers.
// The journal itself is replaced atomically (see replaceFileDurably), so a
// reader sees one whole state or the one before.
enum class JournalState { Invalid, Backup, Copy, First, Done };

// The word a state is written as: "backup", "copy", "first", "done".
const char *stateWord(JournalState state);

// The name a file is written at before it is renamed over `path`.
std::string replacementName(const std::string &path);

// Replaces the file at `path` with `bytes` so that a crash leaves the old
// content or the new one, never a mix: written at replacementName(path),
// flushed, closed, renamed over `path`, then the folder flushed. Whatever
// stands at the temporary name is removed first, never written through.
// A failure is logged as "failed to write <what> '<name>'" with its reason
// and leaves no temporary behind. 0 or -1.
int32_t replaceFileDurably(const std::string &path, const std::string &bytes, const char *what);

// Writes the journal at `journal`: 0 or -1 (logged).
int32_t writeJournal(const std::string &journal, JournalState state, int32_t attempt);

// The state and attempt number of the journal; Invalid for a journal that
// cannot be read or is not one of ours.
JournalState readJournal(const std::string &journal, int32_t *attempt);

// Removes the journal and a temporary of a write that was cut short, once
// the renames and removals it guarded are on disk. 0, or -1 when it stays or
// a flush failed.
int32_t removeJournal(const std::string &journal);

// Undoes an installation that did not complete: the partial copy goes and
// `backup` comes home, or, with no backup (empty), the partial first copy
// goes. The journal goes once the folder is back; while it is not, the
// journal keeps naming the backup. `journalMayBeDone`: the journal may
// already say "done" and is first set back to naming the backup.
void rollBack(const std::string &appPath, const std::string &journal, const std::string &backup,
              int32_t attempt, bool journalMayBeDone);

enum class Restore {
    Restored,  // appPath holds the last complete copy, or nothing when there was none
    Unreadable, // the journal is not one of ours; nothing was touched
    Failed,     // logged; the journal stays for the next run
};

// Reads the journal of an installation that ended half-way and brings the
// last complete copy it names back to `appPath`. Once Restored, every
// backup name holds a leftover only; the journal is the caller's to remove.
Restore restoreLastCopy(const std::string &appPath, const std::string &journal);
