#include "uipathmanager.h"

#include <mutex>

UIPathManager *UIPathManager::getInstance()
{
    static UIPathManager instance;
    return &instance;
}

void UIPathManager::setPath(const QString &key, const QString &path)
{
    std::unique_lock<std::shared_mutex> locker(m_lock);
    m_paths.insert(key, path);
}

QString UIPathManager::getPath(const QString &key)
{
    std::shared_lock<std::shared_mutex> locker(m_lock);
    return m_paths.value(key);
}
