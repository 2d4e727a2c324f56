#include "tmpfs-mount.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace support {

TmpfsMount::TmpfsMount(const QString &dir, const QByteArray &options, unsigned long flags)
    : m_dir(QFile::encodeName(dir)), m_flags(flags)
{
    if (geteuid() != 0) {
        m_why = QStringLiteral("needs root to mount a tmpfs");
        return;
    }
    if (!QDir().mkpath(dir)) {
        m_why = QStringLiteral("cannot create ") + dir;
        return;
    }
    m_mounted = mount("tmpfs", m_dir.constData(), "tmpfs", flags, options.constData()) == 0;
    if (!m_mounted)
        m_why = QStringLiteral("cannot mount a tmpfs here: ") + QString::fromLocal8Bit(strerror(errno));
}

TmpfsMount::~TmpfsMount()
{
    if (m_mounted)
        (void)umount2(m_dir.constData(), MNT_DETACH);
}

bool TmpfsMount::remount(const QByteArray &options)
{
    return m_mounted && mount("tmpfs", m_dir.constData(), "tmpfs", m_flags | MS_REMOUNT, options.constData()) == 0;
}

} // namespace support
