#include "log-lines.h"

#include <QList>
#include <QRegularExpression>

namespace support {

bool parseLogLine(const QByteArray &raw, LogLine *out, bool latin1)
{
    static const QRegularExpression form(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2}T\\d{2}:\\d{2}:\\d{2}) \\(([ \\d]{5,}):([ \\d]{5,})\\) \\[([A-Z]+)\\] ([\\w/.-]+)\\((\\d+)\\): (.*)$"));
    const QRegularExpressionMatch m = form.match(latin1 ? QString::fromLatin1(raw) : QString::fromUtf8(raw));
    if (!m.hasMatch())
        return false;
    *out = {m.captured(1), m.captured(2), m.captured(3), m.captured(4), m.captured(5), m.captured(6).toInt(),
            m.captured(7)};
    return true;
}

QVector<LogLine> logLines(const QByteArray &log, const QString &module)
{
    QVector<LogLine> out;
    LogLine line;
    for (const QByteArray &raw : log.split('\n')) {
        if (parseLogLine(raw, &line) && (module.isEmpty() || line.module == module))
            out << line;
    }
    return out;
}

} // namespace support
