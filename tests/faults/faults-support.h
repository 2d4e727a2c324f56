// Shared by the fault tests: a generated client package with nested
// folders and mixed modes, snapshots of whole trees that never follow a
// link, the fault-injection library's environment, and the tally that
// becomes the reliability table.
#pragma once

#include "e2e-support.h"
#include "support/noise.h"
#include "support/tree-snapshot.h"

#include <QMap>

namespace faults {

using namespace e2e;

using support::Tree;
using support::difference;
using support::snapshot;

// The start script records which copy ran it. With FAULTS_HOLD set it then
// waits until that file exists, so that its launcher stays in the run.
inline QByteArray recordingStartScript(int build)
{
    return "#!/bin/sh\n"
           "echo \"start " + QByteArray::number(build) + " $PPID\" >> \"$HOME/start-stop.log\"\n"
           "if [ -n \"$FAULTS_HOLD\" ]; then\n"
           "  while [ ! -e \"$FAULTS_HOLD\" ]; do sleep 0.05; done\n"
           "fi\n"
           "exit 0\n";
}

// The stand-in client: writes its pid file and notes any signal it gets.
inline QByteArray stubClient()
{
    return "#!/bin/sh\n"
           "trap 'echo \"client TERM $$\" >> \"$HOME/signals.log\"; exit 0' TERM\n"
           "echo \"pid=$$\" > \"$HOME/.QuenmarkZelto/ui.pid\"\n"
           "while :; do sleep 0.2 & wait $!; done\n";
}

// A client package of some two dozen files in nested folders: executables,
// private files, an empty file, one file of several copy buffers. Each build
// has a few files of its own. `minSize` makes every file at least that big.
inline bool makeFaultPackage(const QString &dir, int build, int minSize = 0)
{
    const QFile::Permissions rw = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    const QFile::Permissions priv = QFile::ReadOwner | QFile::WriteOwner;
    const QFile::Permissions privExe = priv | QFile::ExeOwner;
    struct Item {
        const char *path;
        int size;
        QFile::Permissions mode;
    };
    const Item items[] = {
        {"lib/libzelto-core.so.1", 20000, kExecutable},
        {"lib/libzelto-net.so.1", 3000, kExecutable},
        {"lib/plugins/platforms/libqoffscreen.so", 2500, kExecutable},
        {"lib/plugins/imageformats/libqpng.so", 1800, kExecutable},
        {"bin/zelto-helper", 900, kExecutable},
        {"bin/zelto-sync", 1400, privExe},
        {"share/doc/README", 700, rw},
        {"share/doc/LICENSE", 1200, rw},
        {"share/doc/empty", 0, rw},
        {"share/icons/hicolor/48x48/zelto.png", 600, rw},
        {"share/icons/hicolor/256x256/zelto.png", 2600, rw},
        {"share/locale/de/zelto.qm", 400, rw},
        {"share/locale/fr/zelto.qm", 420, rw},
        {"share/locale/th/zelto.qm", 380, rw},
        {"etc/defaults.conf", 150, priv},
        {"etc/keys/update.pub", 300, priv},
        {"etc/keys/private/token", 64, priv},
        {"resources/fonts/sans.ttf", 5000, rw},
        {"resources/sounds/done.wav", 1000, rw},
        {"resources/ui/main.qml", 800, rw},
        {"resources/ui/tray.qml", 500, rw},
    };
    // Bytes that differ between builds and between files.
    const auto filler = [build](int index, int size) {
        return support::noise(size, quint32(build * 7919 + index * 104729 + 1));
    };
    bool ok = support::writeClient(dir, infoFile(build), stubClient(), recordingStartScript(build));
    int index = 0;
    for (const Item &item : items) {
        const int size = item.size == 0 ? 0 : qMax(item.size, minSize);
        ok = ok && writeFile(dir + '/' + item.path, filler(index++, size), item.mode);
    }
    // Files only this build has.
    ok = ok && writeFile(QStringLiteral("%1/share/build-%2/notes.txt").arg(dir).arg(build),
                         filler(99, qMax(200, minSize)), rw);
    ok = ok && writeFile(QStringLiteral("%1/lib/libzelto-b%2.so").arg(dir).arg(build),
                         filler(98, qMax(1500, minSize)), kExecutable);
    return ok;
}

// Environment of a run under the fault-injection library.
struct Fault {
    QString op;             // empty: count only
    long at = 0;
    QString action = QStringLiteral("kill");
    QStringList prefixes;
    QStringList excludes;
    QString report;
    QString trace;
};

// A fault at the `at`-th `op` call below `home`, reported in home.report.
inline Fault faultIn(const QString &home, const QString &op = QString(), long at = 0,
                     const QString &action = QStringLiteral("kill"),
                     const QStringList &excludes = {})
{
    return Fault{op, at, action, {home}, excludes, home + ".report", QString()};
}

inline void applyFault(QProcessEnvironment &env, const Fault &f)
{
    env.insert(QStringLiteral("LD_PRELOAD"), qEnvironmentVariable("ZELTO_FAULT_SHIM"));
    env.insert(QStringLiteral("FAULT_PREFIX"), f.prefixes.join(':'));
    env.insert(QStringLiteral("FAULT_EXCLUDE"), f.excludes.join(':'));
    env.insert(QStringLiteral("FAULT_OP"), f.op);
    env.insert(QStringLiteral("FAULT_AT"), QString::number(f.at));
    env.insert(QStringLiteral("FAULT_ACTION"), f.action);
    env.insert(QStringLiteral("FAULT_REPORT"), f.report);
    if (!f.trace.isEmpty())
        env.insert(QStringLiteral("FAULT_TRACE"), f.trace);
}

// The counters of the last report line: "name=value ..." as a map.
inline QMap<QString, long> lastReport(const QString &file)
{
    QMap<QString, long> out;
    // A split gives at least one line, if empty.
    for (const QByteArray &field : readFile(file).trimmed().split('\n').last().split(' ')) {
        const int eq = field.indexOf('=');
        if (eq > 0)
            out.insert(QString::fromLatin1(field.left(eq)), field.mid(eq + 1).toLong());
    }
    return out;
}

// The reliability table: per fault class, cases tried and cases that ended
// with nothing lost.
class Tally
{
public:
    struct Row {
        int tried = 0;
        int intact = 0;
    };
    void add(const QString &cls, bool intact)
    {
        Row &r = row(cls);
        ++r.tried;
        if (intact)
            ++r.intact;
    }
    // A row in its place even before its first case.
    void declare(const QString &cls) { row(cls); }
    QByteArray markdown() const
    {
        QByteArray out = "| Fault class | Cases tried | Nothing lost |\n|---|---:|---:|\n";
        for (const QString &cls : m_order) {
            const Row &r = m_rows[cls];
            out += QStringLiteral("| %1 | %2 | %3 |\n")
                       .arg(cls)
                       .arg(r.tried)
                       .arg(r.intact)
                       .toUtf8();
        }
        return out;
    }

private:
    Row &row(const QString &cls)
    {
        if (!m_order.contains(cls))
            m_order << cls;
        return m_rows[cls];
    }

    QStringList m_order;
    QMap<QString, Row> m_rows;
};

// The cases of one fault class in a sweep: each counts in the table, and
// one that lost something is listed after where it happened.
struct Cases {
    Tally &tally;
    QString cls;
    QStringList failures;
    void add(const QString &where, const QString &problems)
    {
        tally.add(cls, problems.isEmpty());
        if (!problems.isEmpty())
            failures << where + ": " + problems;
    }
    // "<failed> of <total> <what>:" and the list.
    QString text(long total, const QString &what) const
    {
        return QStringLiteral("%1 of %2 %3:\n").arg(failures.size()).arg(total).arg(what)
            + failures.join('\n');
    }
};

} // namespace faults
