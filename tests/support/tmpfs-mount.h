// A tmpfs mounted on a folder for one case (created when missing), detached
// again when it goes away.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

namespace support {

class TmpfsMount
{
public:
    // `options` as mount(8) takes them, e.g. "size=64k,mode=0755".
    explicit TmpfsMount(const QString &dir, const QByteArray &options = "size=16m",
                        unsigned long flags = MS_NOSUID | MS_NODEV)
        : m_dir(QFile::encodeName(dir)), m_flags(flags)
    {
        if (geteuid() != 0)
            m_why = QStringLiteral("needs root to mount a tmpfs");
        else if (!QDir().mkpath(dir))
            m_why = QStringLiteral("cannot create ") + dir;
        else if (!(m_mounted = mount("tmpfs", m_dir.constData(), "tmpfs", flags, options.constData()) == 0))
            m_why = QStringLiteral("cannot mount a tmpfs here: ") + QString::fromLocal8Bit(strerror(errno));
    }
    ~TmpfsMount()
    {
        if (m_mounted)
            (void)umount2(m_dir.constData(), MNT_DETACH);
    }
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    // Mounts again with new options (a new size); false when refused.
    bool remount(const QByteArray &options)
    {
        return m_mounted && mount("tmpfs", m_dir.constData(), "tmpfs", m_flags | MS_REMOUNT, options.constData()) == 0;
    }
    bool mounted() const { return m_mounted; }
    // What the machine lacked.
    QString why() const { return m_why; }

private:
    QByteArray m_dir;
    unsigned long m_flags;
    bool m_mounted = false;
    QString m_why;
};

} // namespace support
