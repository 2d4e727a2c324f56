// Process-wide debug log: per-component thresholds from a switch file,
// four sinks (system log, stdout, stderr, rotated file).
#pragma once

#include <climits>

#include <sys/types.h>
#include <unistd.h>

enum LogLevel {
    LOG_LEVEL_ERROR = 3,
    LOG_LEVEL_WARNING = 4,
    LOG_LEVEL_NOTE = 5,
    LOG_LEVEL_INFO = 6,
    LOG_LEVEL_DEBUG = 7,
};

enum LogMode {
    LOG_MODE_SYSLOG = 0,
    LOG_MODE_STDOUT = 1,
    LOG_MODE_STDERR = 2,
    LOG_MODE_FILE = 3,
};

// Replaces any earlier configuration. Not thread-safe: call it before other
// threads log. Returns 0, or -1 when the file sink cannot be opened (the log
// then writes to standard error with timestamps and the thresholds it had
// before the call) or the mode names no sink (the log is then disabled).
// A line the sink cannot take goes to standard error, with the reason.
int LogConfigure(int mode, const char *logPath, const char *switchPath,
                 int keepCount, int lockLevel);

// While the log is enabled: the highest threshold of any component, at
// least the default 4. While it is disabled: below every level. A line above
// it is off whatever its component, so LogIsEnabled answers without looking
// the component up. Written only by LogConfigure.
extern int LogLevelCeiling;

// The per-component test behind LogIsEnabled.
bool LogIsEnabledForComponent(int level, const char *component);

inline bool LogIsEnabled(int level, const char *component)
{
    return level <= LogLevelCeiling && LogIsEnabledForComponent(level, component);
}

void LogWrite(int level, const char *component, const char *format, ...)
    __attribute__((format(printf, 3, 4)));

// pthread_self() of the caller as an unsigned number, modulo 100000.
int LogThreadNumber();

// getpid() of the caller, asked once and again in the child after a fork: a
// system call for every written line costs a fifth of the line.
int LogProcessId();

// The two-step call site: nothing is computed for a disabled line.
// `word` is the level's word, `module` the source file name that the
// line prefix names.
#define ZLOG(level, word, component, module, fmt, ...)                          \
    do {                                                                       \
        if (LogIsEnabled((level), (component)))                                \
            LogWrite((level), (component),                                     \
                     "(%5d:%5d) [" word "] " module "(%d): " fmt,              \
                     LogProcessId(), LogThreadNumber(), __LINE__,              \
                     ##__VA_ARGS__);                                           \
    } while (0)

// Per-module shorthands; each module defines LOG_COMPONENT and LOG_MODULE
// before using them.
#define LOG_ERROR(fmt, ...) ZLOG(LOG_LEVEL_ERROR, "ERROR", LOG_COMPONENT, LOG_MODULE, fmt, ##__VA_ARGS__)
#define LOG_WARNING(fmt, ...) ZLOG(LOG_LEVEL_WARNING, "WARNING", LOG_COMPONENT, LOG_MODULE, fmt, ##__VA_ARGS__)
#define LOG_NOTE(fmt, ...) ZLOG(LOG_LEVEL_NOTE, "NOTE", LOG_COMPONENT, LOG_MODULE, fmt, ##__VA_ARGS__)
#define LOG_INFO(fmt, ...) ZLOG(LOG_LEVEL_INFO, "INFO", LOG_COMPONENT, LOG_MODULE, fmt, ##__VA_ARGS__)
#define LOG_DEBUG(fmt, ...) ZLOG(LOG_LEVEL_DEBUG, "DEBUG", LOG_COMPONENT, LOG_MODULE, fmt, ##__VA_ARGS__)
