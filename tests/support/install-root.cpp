#include "install-root.h"

#include "test-files.h"

#include <QDir>
#include <QFileInfo>

namespace support {

QByteArray infoFile(const QByteArray &build, const QByteArray &major, const QByteArray &minor,
                    const QByteArray &overlay)
{
    return "[Version]\nmajor_version=" + major + "\nminor_version=" + minor + "\nbuild_version=" + build
        + "\nicon_overlay_version=" + overlay + "\n";
}

bool writeClient(const QString &dir, const QByteArray &info, const QByteArray &uiProgram,
                 const QByteArray &startStop)
{
    return writeFile(dir + "/INFO", info) && writeFile(dir + "/bin/cloud-zelto-ui", uiProgram, kExecutable)
        && writeFile(dir + "/package/start-stop", startStop, kExecutable);
}

bool makeProductRoot(const QString &root, const QString &stage, int build,
                     const std::function<bool(const QString &packageDir)> &makePackage)
{
    const QString launcher = QStringLiteral("/bin/zelto-launcher");
    if (!QDir().mkpath(root + "/bin") || !QDir().mkpath(root + "/log") || !QFile::copy(stage + launcher, root + launcher))
        return false;
    for (const char *linked : {"/lib", "/images"}) {
        if (QFileInfo::exists(stage + linked) && !QFile::link(stage + linked, root + linked))
            return false;
    }
    return writeFile(root + "/INFO", infoFile(QByteArray::number(build))) && makePackage(root + "/package/orvilex")
        && writeFile(root + "/log/launcher.debug", "launcher_debug=7\nservice_debug=7\nfile_op_debug=7\n");
}

} // namespace support
