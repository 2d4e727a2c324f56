// Whole-file reads and writes for the test programs, which check what ends
// up on disk.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextCodec>

#include <vector>

#include <fcntl.h>
#include <linux/fiemap.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

// The file's bytes, or nothing when it cannot be read.
inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Creates the missing parent folders; `mode` set when given.
inline bool writeFile(const QString &path, const QByteArray &content, QFile::Permissions mode = {})
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    if (f.write(content) != content.size())
        return false;
    f.close();
    return mode == QFile::Permissions() || f.setPermissions(mode);
}

// The kinds of file that must never hang or stall a reader of one of the
// launcher's names: a FIFO nobody writes to, a device, a link to /dev/zero,
// a socket, a terabyte of holes.
inline QStringList specialFileKinds()
{
    return {QStringLiteral("fifo"), QStringLiteral("device"), QStringLiteral("zero-link"),
            QStringLiteral("socket"), QStringLiteral("sparse")};
}

// Puts a file of `kind` at `path`, replacing what stood there and creating
// the missing parent folders. False when the machine does not allow it (a
// device node needs the right to create one).
inline bool makeSpecialFile(const QString &path, const QString &kind)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray native = QFile::encodeName(path);
    (void)::unlink(native.constData());
    if (kind == QLatin1String("fifo"))
        return ::mkfifo(native.constData(), 0644) == 0;
    if (kind == QLatin1String("device"))
        return ::mknod(native.constData(), S_IFCHR | 0644, makedev(1, 5)) == 0;
    if (kind == QLatin1String("zero-link"))
        return ::symlink("/dev/zero", native.constData()) == 0;
    // The same as a socket bound there by a process that has since gone.
    if (kind == QLatin1String("socket"))
        return ::mknod(native.constData(), S_IFSOCK | 0644, 0) == 0;
    if (kind == QLatin1String("sparse")) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.resize(qint64(1) << 40);
    }
    return false;
}

// Sets or (for a null string) unsets an environment variable for the
// scope, restoring the old state afterwards.
class ScopedEnv
{
public:
    ScopedEnv(const char *name, const QString &value)
        : m_name(name), m_had(qEnvironmentVariableIsSet(name)), m_old(qgetenv(name))
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }
    ~ScopedEnv()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_old;
};

// Qt takes file names in `codePage` (as under a locale of that code page)
// until the object goes; folders named meanwhile with removeOnExit() go
// first, while their names still encode as they were made. An empty name
// leaves the locale's code page alone.
class CodePageScope
{
public:
    explicit CodePageScope(const QByteArray &codePage)
        : m_set(!codePage.isEmpty())
    {
        if (m_set)
            QTextCodec::setCodecForLocale(QTextCodec::codecForName(codePage));
    }
    CodePageScope(const CodePageScope &) = delete;
    CodePageScope &operator=(const CodePageScope &) = delete;
    ~CodePageScope()
    {
        for (const QString &path : m_made)
            QDir(path).removeRecursively();
        if (m_set)
            QTextCodec::setCodecForLocale(nullptr);
    }
    void removeOnExit(const QString &path) { m_made << path; }

private:
    bool m_set;
    QStringList m_made;
};

// A file system whose files can share blocks (XFS with reflink, else btrfs),
// made in the image file `dir`.img and mounted on `dir` through a loop
// device; unmounted when it goes away. why() says what the machine lacked.
class SharingFileSystem
{
public:
    explicit SharingFileSystem(const QString &dir) : m_dir(dir), m_image(dir + QStringLiteral(".img"))
    {
        if (geteuid() != 0) {
            m_why = QStringLiteral("needs root to mount a file system");
            return;
        }
        if (!QDir().mkpath(dir)) {
            m_why = QStringLiteral("cannot create ") + dir;
            return;
        }
        const QStringList xfs{QStringLiteral("mkfs.xfs"), QStringLiteral("-q"), QStringLiteral("-f"),
                              QStringLiteral("-m"), QStringLiteral("reflink=1"), m_image};
        const QStringList btrfs{QStringLiteral("mkfs.btrfs"), QStringLiteral("-q"), QStringLiteral("-f"), m_image};
        for (const QStringList &mkfs : {xfs, btrfs}) {
            const QString type = mkfs.first().mid(5);
            // 320 MiB of holes: the least XFS accepts.
            if (!writeFile(m_image, QByteArray()) || !QFile::resize(m_image, 320ll << 20)) {
                m_why = QStringLiteral("cannot create ") + m_image;
                return;
            }
            if (QProcess::execute(mkfs.first(), mkfs.mid(1)) != 0) {
                m_why += mkfs.first() + QStringLiteral(" failed or is missing; ");
                continue;
            }
            if (QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), type, QStringLiteral("-o"),
                                                           QStringLiteral("loop"), m_image, dir}) != 0) {
                m_why += QStringLiteral("no loop mount of ") + type + QStringLiteral(" here; ");
                continue;
            }
            m_type = type;
            m_why.clear();
            return;
        }
    }
    ~SharingFileSystem()
    {
        if (!m_type.isEmpty())
            (void)umount2(QFile::encodeName(m_dir).constData(), MNT_DETACH);
        QFile::remove(m_image);
    }
    SharingFileSystem(const SharingFileSystem &) = delete;
    SharingFileSystem &operator=(const SharingFileSystem &) = delete;

    bool mounted() const { return !m_type.isEmpty(); }
    QString type() const { return m_type; }
    QString why() const { return m_why; }

private:
    QString m_dir;
    QString m_image;
    QString m_type;
    QString m_why;
};

// Whether every extent of the file is shared with another file (a file
// without extents: false).
inline bool sharesAllExtents(const char *path)
{
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    // The header's struct ends in a flexible array: room for 64 extents.
    std::vector<char> room(sizeof(struct fiemap) + 64 * sizeof(struct fiemap_extent));
    struct fiemap *map = reinterpret_cast<struct fiemap *>(room.data());
    map->fm_length = FIEMAP_MAX_OFFSET;
    map->fm_flags = FIEMAP_FLAG_SYNC;
    map->fm_extent_count = 64;
    const int rc = ioctl(fd, FS_IOC_FIEMAP, map);
    ::close(fd);
    if (rc != 0 || map->fm_mapped_extents == 0)
        return false;
    for (unsigned i = 0; i < map->fm_mapped_extents; ++i) {
        if (!(map->fm_extents[i].fe_flags & FIEMAP_EXTENT_SHARED))
            return false;
    }
    return true;
}
