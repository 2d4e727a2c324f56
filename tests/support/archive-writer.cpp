#include "archive-writer.h"

#include "test-files.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <memory>

namespace support {

namespace {

struct ArchiveWriterFree {
    void operator()(struct archive *a) const { (void)archive_write_free(a); }
};
struct EntryFree {
    void operator()(struct archive_entry *e) const { archive_entry_free(e); }
};

// libarchive's tar writer drops a hard link's data, while its reader keeps
// the data of a hard link in a pax archive. Such an entry is written as a
// file with data (with an extended header, which makes the archive pax) and
// its ustar header turned into a hard link to `target` afterwards.
bool makeHardLinksCarryData(const QString &path, const Entries &entries)
{
    QByteArray bytes = readFile(path);
    for (const Entry &e : entries) {
        if (e.kind != Kind::Hardlink || e.content.isEmpty())
            continue;
        if (e.name.size() > 100 || e.data.size() > 100)
            return false;
        int header = -1;
        for (int at = 0; header < 0 && at + 512 <= bytes.size(); at += 512) {
            if (bytes.mid(at + 257, 5) == "ustar" && bytes.at(at + 156) == '0'
                && bytes.mid(at, 100) == e.name.leftJustified(100, '\0'))
                header = at;
        }
        if (header < 0)
            return false;
        bytes[header + 156] = '1';
        bytes.replace(header + 157, 100, e.data.leftJustified(100, '\0'));
        bytes.replace(header + 148, 8, QByteArray(8, ' '));
        unsigned sum = 0;
        for (int i = 0; i < 512; ++i)
            sum += uchar(bytes.at(header + i));
        bytes.replace(header + 148, 8, QByteArray::number(sum, 8).rightJustified(6, '0') + QByteArray("\0 ", 2));
    }
    return writeFile(path, bytes);
}

} // namespace

bool writeArchive(const QString &path, const QString &format, const Entries &entries, int perm)
{
    bool linkData = false;
    for (const Entry &e : entries)
        linkData = linkData || (e.kind == Kind::Hardlink && !e.content.isEmpty());
    const bool cpio = format == QLatin1String("cpio");
    std::unique_ptr<struct archive, ArchiveWriterFree> a(archive_write_new());
    if (!a || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    if (format == QLatin1String("zip")) {
        (void)archive_write_set_format_zip(a.get());
    } else if (cpio) {
        (void)archive_write_set_format_cpio_newc(a.get());
    } else {
        if (linkData && format != QLatin1String("tar"))
            return false;  // the headers are mended in place, uncompressed
        if (linkData)
            (void)archive_write_set_format_pax(a.get());
        else
            (void)archive_write_set_format_pax_restricted(a.get());
        if (format == QLatin1String("tar.gz"))
            (void)archive_write_add_filter_gzip(a.get());
    }
    if (archive_write_open_filename(a.get(), QFile::encodeName(path).constData()) != ARCHIVE_OK)
        return false;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &e = entries.at(i);
        std::unique_ptr<struct archive_entry, EntryFree> entry(archive_entry_new());
        archive_entry_set_pathname(entry.get(), e.name.constData());
        archive_entry_set_mtime(entry.get(), kArchivedTime, 0);
        if (cpio) {
            // A hard link takes the inode of the last earlier entry of its
            // target's name; it and every target of one count two links.
            int ino = i + 1;
            bool linked = e.kind == Kind::Hardlink;
            for (int j = 0; j < entries.size(); ++j) {
                const Entry &other = entries.at(j);
                if (j != i && other.kind == Kind::Hardlink && other.data == e.name)
                    linked = true;
                if (e.kind == Kind::Hardlink && j < i && other.name == e.data)
                    ino = j + 1;
            }
            archive_entry_set_ino(entry.get(), ino);
            archive_entry_set_nlink(entry.get(), linked ? 2 : 1);
        }
        switch (e.kind) {
        case Kind::File:
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            archive_entry_set_perm(entry.get(), perm);
            archive_entry_set_size(entry.get(), e.data.size());
            break;
        case Kind::Dir:
            archive_entry_set_filetype(entry.get(), AE_IFDIR);
            archive_entry_set_perm(entry.get(), 0755);
            archive_entry_set_size(entry.get(), 0);
            break;
        case Kind::Symlink:
            archive_entry_set_filetype(entry.get(), AE_IFLNK);
            archive_entry_set_perm(entry.get(), 0777);
            archive_entry_set_symlink(entry.get(), e.data.constData());
            archive_entry_set_size(entry.get(), 0);
            break;
        case Kind::Hardlink:
            archive_entry_set_filetype(entry.get(), AE_IFREG);
            // With data, a mode the writer applies through a link would show.
            archive_entry_set_perm(entry.get(), e.content.isEmpty() ? perm : 0777);
            if (!cpio && e.content.isEmpty())
                archive_entry_set_hardlink(entry.get(), e.data.constData());
            if (!cpio && !e.content.isEmpty())
                archive_entry_set_mtime(entry.get(), kArchivedTime, 1);  // an extended header
            archive_entry_set_size(entry.get(), e.content.size());
            break;
        }
        if (archive_write_header(a.get(), entry.get()) != ARCHIVE_OK)
            return false;
        const QByteArray &data = e.kind == Kind::File ? e.data : e.content;
        if ((e.kind == Kind::File || e.kind == Kind::Hardlink) && !data.isEmpty()
            && archive_write_data(a.get(), data.constData(), data.size()) != data.size())
            return false;
    }
    if (archive_write_close(a.get()) != ARCHIVE_OK)
        return false;
    return cpio || !linkData || makeHardLinksCarryData(path, entries);
}

} // namespace support
