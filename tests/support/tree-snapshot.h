// What a folder holds, taken without ever following a link, so that a test
// can say that a tree came through a step unchanged, or name what changed.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

namespace support {

// One entry: what a user would call its content, and on request its times
// and its identity.
struct Node {
    char type = '?';      // f file, d folder, l link, o anything else
    unsigned mode = 0;    // st_mode: the kind and the permission bits
    QByteArray content;   // a file's bytes, a link's target
    qint64 mtimeNs = -1;  // with Times
    qint64 ctimeNs = -1;  // with Identity: change time, owner, size, link count, inode
    qint64 uid = -1;
    qint64 gid = -1;
    qint64 size = -1;
    qint64 nlink = -1;
    qint64 ino = -1;
    bool operator==(const Node &o) const;
    bool operator!=(const Node &o) const { return !(*this == o); }
};

// Entries by their path below the root ("a/b"), as bytes.
using Tree = QMap<QByteArray, Node>;

enum Detail {
    Content = 0,
    Times = 1,     // the modification time: a folder whose entries came and went
    Identity = 2,  // change time, owner, size, link count, inode: nothing replaced, linked or chmod-ed
};

// The tree below `root`; empty when there is none. Entries named in
// `leaveOut` (paths below the root) are neither taken nor entered.
Tree snapshot(const QString &root, int detail = Content, const QList<QByteArray> &leaveOut = {});

// The same without the permission bits, which a copy takes from the umask
// or the package.
Tree withoutModes(Tree tree);

// A readable account of how two trees differ, empty when equal.
QString difference(const Tree &expected, const Tree &actual);

// One line per entry with all that was taken, for a comparison whose
// failure shows the entry.
QStringList listing(const Tree &tree);

// A chain of `depth` folders below `dir`, the first named `first` and the
// others `link`, made through descriptors so that it may go deeper than a
// path can name; with `leaf`, leaf.txt holds it at the bottom.
bool makeDeepChain(const QString &dir, const QByteArray &first, const QByteArray &link, int depth,
                   const QByteArray *leaf = nullptr);

// How many folders named `link` lead down from `dir`, and what leaf.txt at
// the bottom holds.
QPair<int, QByteArray> deepChain(const QString &dir, const QByteArray &link);

// Removes `name` in the folder `parent` with all it holds, through
// descriptors: no path limit, where QTemporaryDir removes by path.
void removeTreeAt(int parent, const char *name);

} // namespace support
