#include "tree-snapshot.h"

#include <QFile>
#include <QVector>

#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace support {

namespace {

// False in `ok` when the file could not be opened or read through.
QByteArray readAllAt(int dir, const char *name, bool *ok)
{
    const int fd = openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    QFile f;
    *ok = fd >= 0 && f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
    const QByteArray out = *ok ? f.readAll() : QByteArray();
    *ok = *ok && f.error() == QFileDevice::NoError;
    return out;
}

qint64 nanoseconds(const struct timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Takes ownership of `fd`, a folder.
void walk(int fd, const QByteArray &rel, int detail, const QList<QByteArray> &leaveOut, Tree &out)
{
    DIR *d = fdopendir(fd);
    if (!d) {
        close(fd);
        return;
    }
    QVector<QByteArray> names;
    while (struct dirent *e = readdir(d)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names << QByteArray(e->d_name);
    }
    for (const QByteArray &name : names) {
        struct stat st;
        if (fstatat(dirfd(d), name.constData(), &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        const QByteArray key = rel.isEmpty() ? name : rel + '/' + name;
        if (leaveOut.contains(key))
            continue;
        Node n;
        n.mode = st.st_mode;
        if (detail & Times)
            n.mtimeNs = nanoseconds(st.st_mtim);
        if (detail & Identity) {
            n.ctimeNs = nanoseconds(st.st_ctim);
            n.uid = st.st_uid;
            n.gid = st.st_gid;
            n.size = st.st_size;
            n.nlink = qint64(st.st_nlink);
            n.ino = qint64(st.st_ino);
        }
        if (S_ISREG(st.st_mode)) {
            n.type = 'f';
            bool ok = false;
            n.content = readAllAt(dirfd(d), name.constData(), &ok);
            if (!ok)
                n.content = "<unreadable>";
        } else if (S_ISLNK(st.st_mode)) {
            n.type = 'l';
            char target[4096];
            const ssize_t len = readlinkat(dirfd(d), name.constData(), target, sizeof target);
            n.content = len >= 0 ? QByteArray(target, int(len)) : QByteArray("?");
        } else if (S_ISDIR(st.st_mode)) {
            n.type = 'd';
        } else {
            n.type = 'o';
        }
        out.insert(key, n);
        if (n.type == 'd') {
            const int child = openat(dirfd(d), name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0)
                walk(child, key, detail, leaveOut, out);
        }
    }
    closedir(d);
}

} // namespace

bool Node::operator==(const Node &o) const
{
    return type == o.type && mode == o.mode && content == o.content && mtimeNs == o.mtimeNs
        && ctimeNs == o.ctimeNs && uid == o.uid && gid == o.gid && size == o.size && nlink == o.nlink
        && ino == o.ino;
}

Tree snapshot(const QString &root, int detail, const QList<QByteArray> &leaveOut)
{
    Tree out;
    const int fd = open(QFile::encodeName(root).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0)
        walk(fd, QByteArray(), detail, leaveOut, out);
    return out;
}

Tree withoutModes(Tree tree)
{
    for (Node &n : tree)
        n.mode &= S_IFMT;
    return tree;
}

QString difference(const Tree &expected, const Tree &actual)
{
    QStringList out;
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const QString name = QString::fromUtf8(it.key());
        auto a = actual.find(it.key());
        if (a == actual.end())
            out << "missing " + name;
        else if (*a != *it)
            out << QStringLiteral("changed %1 (%2 %3 -> %4 %5)")
                       .arg(name)
                       .arg(QChar(it->type))
                       .arg(it->mode & 07777, 0, 8)
                       .arg(QChar(a->type))
                       .arg(a->mode & 07777, 0, 8);
    }
    for (auto it = actual.begin(); it != actual.end(); ++it)
        if (!expected.contains(it.key()))
            out << "extra " + QString::fromUtf8(it.key());
    if (out.size() > 8)
        out = out.mid(0, 8) << QStringLiteral("... %1 more").arg(out.size() - 8);
    return out.join(QStringLiteral("; "));
}

QStringList listing(const Tree &tree)
{
    QStringList out;
    for (auto it = tree.begin(); it != tree.end(); ++it) {
        const Node &n = it.value();
        out << QStringLiteral("%1 %2 %3:%4 %5 %6 %7 %8 %9 %10")
                   .arg(QString::fromUtf8(it.key()))
                   .arg(n.mode, 0, 8)
                   .arg(n.uid)
                   .arg(n.gid)
                   .arg(n.size)
                   .arg(n.nlink)
                   .arg(n.ino)
                   .arg(n.mtimeNs)
                   .arg(n.ctimeNs)
                   .arg(QString::fromLatin1(n.type == 'f' ? n.content.toHex() : n.content));
    }
    return out;
}

bool makeDeepChain(const QString &dir, const QByteArray &first, const QByteArray &link, int depth,
                   const QByteArray *leaf)
{
    int fd = open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    for (int i = 0; fd >= 0 && i < depth; ++i) {
        const char *name = i == 0 ? first.constData() : link.constData();
        const int child = mkdirat(fd, name, 0755) == 0 ? openat(fd, name, O_RDONLY | O_DIRECTORY | O_CLOEXEC) : -1;
        close(fd);
        fd = child;
    }
    if (fd < 0)
        return false;
    bool ok = true;
    if (leaf) {
        const int file = openat(fd, "leaf.txt", O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        ok = file >= 0 && write(file, leaf->constData(), size_t(leaf->size())) == leaf->size();
        if (file >= 0)
            close(file);
    }
    close(fd);
    return ok;
}

QPair<int, QByteArray> deepChain(const QString &dir, const QByteArray &link)
{
    int fd = open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    int depth = 0;
    for (int child; fd >= 0 && (child = openat(fd, link.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) >= 0; ++depth) {
        close(fd);
        fd = child;
    }
    bool ok = false;
    const QByteArray leaf = fd < 0 ? QByteArray() : readAllAt(fd, "leaf.txt", &ok);
    if (fd >= 0)
        close(fd);
    return {depth, leaf};
}

void removeTreeAt(int parent, const char *name)
{
    const int fd = openat(parent, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    DIR *d = fd < 0 ? nullptr : fdopendir(fd);
    if (!d) {
        if (fd >= 0)
            close(fd);
        (void)unlinkat(parent, name, 0);
        return;
    }
    QVector<QByteArray> names;
    while (struct dirent *e = readdir(d)) {
        if (strcmp(e->d_name, ".") != 0 && strcmp(e->d_name, "..") != 0)
            names << QByteArray(e->d_name);
    }
    for (const QByteArray &n : names)
        removeTreeAt(dirfd(d), n.constData());
    closedir(d);
    (void)unlinkat(parent, name, AT_REMOVEDIR);
}

} // namespace support
