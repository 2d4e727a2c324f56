// A client package and the product root the launcher is installed in, as
// the test programs build them: INFO, the UI program, the start script, and
// for a root the launcher itself with the libraries of an installed stage.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

namespace support {

const QFile::Permissions kExecutable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
    | QFile::ReadGroup | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

// The launcher's path table below a user's home: each key with its path
// relative to the home folder (the resource root is the only key outside).
struct HomePath {
    const char *key;
    const char *belowHome;
};
constexpr HomePath kHomePaths[] = {
    {"user_quenmark_zelto_path", "/.QuenmarkZelto"},
    {"user_quenmark_zelto_app_path", "/.QuenmarkZelto/QuenmarkZelto.app"},
    {"user_quenmark_zelto_resource_path", "/.QuenmarkZelto/QuenmarkZelto.app"},
    {"user_quenmark_zelto_data_path", "/.QuenmarkZelto/data"},
    {"user_quenmark_zelto_working_dir_path", "/.QuenmarkZelto/QuenmarkZelto.app/bin"},
    {"user_quenmark_zelto_ui_path", "/.QuenmarkZelto/QuenmarkZelto.app/bin/cloud-zelto-ui"},
    {"user_orvilex_path", "/.Orvilex"},
    {"user_orvilex_resource_path", "/.Orvilex/Orvilex.app"},
};

// A version file: "[Version]" with the four numbers.
QByteArray infoFile(const QByteArray &build, const QByteArray &major = "1", const QByteArray &minor = "0",
                    const QByteArray &overlay = "1");

// The three files every client package has: INFO, bin/cloud-zelto-ui and
// package/start-stop, both programs executable.
bool writeClient(const QString &dir, const QByteArray &info, const QByteArray &uiProgram,
                 const QByteArray &startStop);

// A product root as installed: bin/ with a copy of the launcher from
// `stage` (a copy, since the launcher finds its root through its own
// resolved path), links to the stage's lib/ and images/, INFO of `build`,
// the debug switch file with every component at 7, and the package that
// `makePackage` writes into root/package/orvilex.
bool makeProductRoot(const QString &root, const QString &stage, int build,
                     const std::function<bool(const QString &packageDir)> &makePackage);

} // namespace support
