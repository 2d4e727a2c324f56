// Whole-file reads and writes for the test programs, which check what ends
// up on disk.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

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
