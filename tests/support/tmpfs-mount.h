// A tmpfs mounted on a folder for one case (created when missing), detached
// again when it goes away.
#pragma once

#include <QString>

#include <sys/mount.h>

namespace support {

class TmpfsMount
{
public:
    // `options` as mount(8) takes them, e.g. "size=64k,mode=0755".
    explicit TmpfsMount(const QString &dir, const QByteArray &options = "size=16m",
                        unsigned long flags = MS_NOSUID | MS_NODEV);
    ~TmpfsMount();
    TmpfsMount(const TmpfsMount &) = delete;
    TmpfsMount &operator=(const TmpfsMount &) = delete;

    // Mounts again with new options (a new size); false when refused.
    bool remount(const QByteArray &options);
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
