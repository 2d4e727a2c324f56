// The client's pid file: where the launcher looks for it, and how the client
// registers itself there for the length of its life.
#pragma once

#include <QString>

#include <sys/types.h>

// The per-user folder the launcher keeps the client in: the home folder, or
// XDG_DATA_HOME on a Deepin desktop, followed by "/.QuenmarkZelto".
QString ClientUserFolder();

// ClientUserFolder() + "/ui.pid", the file the launcher reads before it
// replaces the client's files.
QString DefaultPidFilePath();

// The value of key `pid` in the file; 0 when the file is missing, malformed or
// names no positive process id.
pid_t ReadPidFile(const QString &path);

// Writes "pid=<pid>" through a temporary file and a rename, so that a reader
// never sees a half-written file. Creates the parent folder when missing.
// Returns 0 or -1 with a message on standard error.
int WritePidFile(const QString &path, pid_t pid);

// Removes the file only while it still names `pid`: a newer client that took
// the file over keeps it.
void RemovePidFileIfOwn(const QString &path, pid_t pid);
