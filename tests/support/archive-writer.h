// Archives written with libarchive's own writer, so that a test names its
// entries and gets the bytes a real packer makes.
#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <ctime>

namespace support {

enum class Kind { File, Dir, Symlink, Hardlink };

struct Entry {
    Kind kind;
    QByteArray name;
    QByteArray data;     // a file's content, or a link's target
    QByteArray content;  // a hard link's own data, which pax and cpio allow
};
using Entries = QVector<Entry>;

inline Entry file(const QByteArray &name, const QByteArray &data) { return {Kind::File, name, data, {}}; }
inline Entry dir(const QByteArray &name) { return {Kind::Dir, name, QByteArray(), {}}; }
inline Entry symbolicLink(const QByteArray &name, const QByteArray &target) { return {Kind::Symlink, name, target, {}}; }
inline Entry hardLink(const QByteArray &name, const QByteArray &target) { return {Kind::Hardlink, name, target, {}}; }
inline Entry hardLinkWithData(const QByteArray &name, const QByteArray &target, const QByteArray &content)
{
    return {Kind::Hardlink, name, target, content};
}

// The modification time of every entry.
constexpr time_t kArchivedTime = 1000000000;

// Writes `entries` as "tar", "tar.gz", "zip" or "cpio" (newc, where a hard
// link is an entry sharing its target's inode); files get `perm`. The
// missing parent folders are made.
bool writeArchive(const QString &path, const QString &format, const Entries &entries, int perm = 0644);

} // namespace support
