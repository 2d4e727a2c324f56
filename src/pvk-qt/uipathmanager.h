// The process-wide table of named paths. Writers and readers may be on any
// thread; an unknown key gives the empty string.
#pragma once

#include "pvk-qt-global.h"

#include <QHash>
#include <QString>

#include <shared_mutex>

class PVK_QT_EXPORT UIPathManager
{
public:
    static UIPathManager *getInstance();

    void setPath(const QString &key, const QString &path);
    QString getPath(const QString &key);

    UIPathManager(const UIPathManager &) = delete;
    UIPathManager &operator=(const UIPathManager &) = delete;

private:
    UIPathManager() = default;

    // Readers share, the writer excludes; a pthread rwlock underneath, which
    // the thread sanitizer understands.
    std::shared_mutex m_lock;
    QHash<QString, QString> m_paths;
};
