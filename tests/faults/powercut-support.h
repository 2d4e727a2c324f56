// The power-cut file system from the test's side: mounting it over a
// scratch folder, the cut points it lists, and the images of what each cut
// would leave.
#pragma once

#include "faults-support.h"

#include <QCryptographicHash>
#include <QVector>

#include <sys/mount.h>

namespace faults {

struct CutPoint {
    int n = 0;
    QString kind; // fsync, fdatasync, fsyncdir, rename
    QString path; // below the mount point
};

inline QVector<CutPoint> readCutPoints(const QString &images)
{
    QVector<CutPoint> points;
    const QString text = QString::fromUtf8(readFile(images + "/points"));
    for (const QString &line : text.split('\n', Qt::SkipEmptyParts))
        points << CutPoint{line.section(' ', 0, 0).toInt(), line.section(' ', 1, 1),
                           line.section(' ', 2)};
    return points;
}

// One mount of the power-cut file system; unmounted when it goes.
class PowerCutFs
{
public:
    ~PowerCutFs() { unmount(); }

    // Why no such file system can be mounted here (`without` names what a
    // build without libfuse3 lacks); empty when one can.
    static QString lacking(bool privateMounts, const QString &without)
    {
        const QString program = qEnvironmentVariable("ZELTO_POWERCUT_FS");
        if (program.isEmpty() || !QFileInfo(program).isExecutable())
            return "built without libfuse3 (libfuse3-dev): " + without;
        if (!QFileInfo::exists("/dev/fuse") || !privateMounts)
            return QStringLiteral("mounting a FUSE file system needs /dev/fuse, root and a mount "
                                  "namespace of our own");
        return QString();
    }

    // Over `backing` (created when missing); why() says why it failed.
    bool mount(const QString &backing, const QString &mountPoint, const QString &images,
               const QStringList &quiet, const QStringList &options = {})
    {
        if (!QDir().mkpath(backing) || !QDir().mkpath(mountPoint) || !QDir().mkpath(images)) {
            m_why = "cannot create " + mountPoint;
            return false;
        }
        m_mount = mountPoint;
        m_daemon.setProcessChannelMode(QProcess::MergedChannels);
        // Another seed draws other random images; the default repeats the last run.
        const QString seed = qEnvironmentVariable("ZELTO_POWERCUT_SEED", QStringLiteral("1"));
        const QString program = qEnvironmentVariable("ZELTO_POWERCUT_FS");
        m_daemon.start(program, QStringList{"--backing", backing, "--images", images, "--quiet", quiet.join(':'), "--seed", seed}
                                    + options + QStringList{mountPoint});
        const QString ready = images + "/ready";
        waitUntil([&] { return QFileInfo::exists(ready) || m_daemon.waitForFinished(0); }, 10000);
        if (m_daemon.state() == QProcess::NotRunning) {
            m_why = "the file system did not mount: "
                + QString::fromUtf8(m_daemon.readAll()).trimmed();
            return false;
        }
        if (!QFileInfo::exists(ready)) {
            m_why = QStringLiteral("the file system did not answer within 10 s");
            return false;
        }
        return true;
    }

    void unmount()
    {
        if (m_mount.isEmpty())
            return;
        // libfuse unmounts on SIGTERM; a daemon that hangs or died leaves
        // its mount, which is cut loose.
        if (m_daemon.state() != QProcess::NotRunning) {
            m_daemon.terminate();
            if (!m_daemon.waitForFinished(10000)) {
                m_daemon.kill();
                m_daemon.waitForFinished();
            }
        }
        ::umount2(QFile::encodeName(m_mount).constData(), MNT_DETACH);
        m_mount.clear();
    }

    QString why() const { return m_why; }

private:
    QProcess m_daemon;
    QString m_mount;
    QString m_why;
};

// What decides a launcher's run on an image: the per-user folder without
// its log and pid file. Equal digests, equal runs.
inline QByteArray imageDigest(const QString &home)
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const Tree tree = snapshot(home + "/.QuenmarkZelto");
    for (auto it = tree.begin(); it != tree.end(); ++it) {
        if (it.key() == "log" || it.key().startsWith("log/") || it.key() == "ui.pid")
            continue;
        hash.addData(it.key() + ' ' + it->type + ' ' + QByteArray::number(it->mode & 07777, 8) + ' ' + it->content + '\n');
    }
    return hash.result().toHex();
}

inline bool copyTree(const QString &from, const QString &to)
{
    return QProcess::execute("cp", {"-a", "--", from, to}) == 0;
}

} // namespace faults
