// The debug log's line, "<time> (pid:tid) [LEVEL] module(N): message", read
// back by the test programs.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

namespace support {

struct LogLine {
    QString time;
    QString pid;      // as printed: right-aligned in at least five places
    QString tid;
    QString level;
    QString module;
    int line = 0;
    QString message;
};

// False when `raw` lacks the form. A Latin-1 reading keeps every byte of a
// path as one character.
bool parseLogLine(const QByteArray &raw, LogLine *out, bool latin1 = false);

// The lines of a log that have the form (of `module` when one is given).
QVector<LogLine> logLines(const QByteArray &log, const QString &module = QString());

} // namespace support
