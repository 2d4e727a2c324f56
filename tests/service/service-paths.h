// The launcher's path table, registered below a test's own folders.
#pragma once

#include "uipathmanager.h"

#include <QDir>
#include <QString>

inline void RegisterTestPaths(const QString &base, const QString &root)
{
    const struct {
        const char *key;
        QString value;
    } table[] = {
        {"user_quenmark_zelto_path", base + "/.QuenmarkZelto"},
        {"user_quenmark_zelto_app_path", base + "/.QuenmarkZelto/QuenmarkZelto.app"},
        {"user_quenmark_zelto_resource_path", base + "/.QuenmarkZelto/QuenmarkZelto.app"},
        {"user_quenmark_zelto_data_path", base + "/.QuenmarkZelto/data"},
        {"user_quenmark_zelto_working_dir_path", base + "/.QuenmarkZelto/QuenmarkZelto.app/bin"},
        {"user_quenmark_zelto_ui_path", base + "/.QuenmarkZelto/QuenmarkZelto.app/bin/cloud-zelto-ui"},
        {"user_orvilex_path", base + "/.Orvilex"},
        {"user_orvilex_resource_path", base + "/.Orvilex/Orvilex.app"},
        {"root_resource_path", root},
    };
    for (const auto &row : table)
        UIPathManager::getInstance()->setPath(QString::fromLatin1(row.key), QDir::cleanPath(row.value));
}
