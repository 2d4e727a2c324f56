// The INFO version files on arbitrary bytes, read the way a launcher run
// reads them: the package's and the installed copy's INFO through the
// service, then the upgrade decision. The input is split at its first NUL
// byte: before it the package's INFO, after it the installed one.
#include "cloud-service.h"
#include "linux-service.h"
#include "test-files.h"
#include "uipathmanager.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

QString g_base;
unsigned long g_run = 0;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    const QByteArray sandbox = qgetenv("FUZZ_SANDBOX");
    g_base = (sandbox.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(sandbox))
        + QStringLiteral("/fuzz-info-%1").arg(QCoreApplication::applicationPid());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    const void *nul = memchr(bytes, '\0', size);
    const size_t first = nul ? static_cast<size_t>(static_cast<const char *>(nul) - bytes) : size;
    const size_t secondAt = nul ? first + 1 : size;

    // A fresh folder per input: the settings reader caches files by name.
    const QString root = g_base + QStringLiteral("/%1").arg(g_run++);
    const QString home = root + QStringLiteral("/home/.QuenmarkZelto");
    const QString app = home + QStringLiteral("/QuenmarkZelto.app");
    if (!QDir().mkpath(app + QStringLiteral("/bin")))
        abort();
    UIPathManager *paths = UIPathManager::getInstance();
    paths->setPath(QStringLiteral("root_resource_path"), root);
    paths->setPath(QStringLiteral("user_quenmark_zelto_path"), home);
    paths->setPath(QStringLiteral("user_quenmark_zelto_app_path"), app);
    paths->setPath(QStringLiteral("user_quenmark_zelto_resource_path"), app);
    paths->setPath(QStringLiteral("user_quenmark_zelto_ui_path"), app + QStringLiteral("/bin/cloud-zelto-ui"));
    const QByteArray installed(bytes + secondAt, int(size - secondAt));
    if (!writeFile(root + QStringLiteral("/INFO"), QByteArray(bytes, int(first)))
        || !writeFile(app + QStringLiteral("/INFO"), installed))
        abort();
    {
        LinuxService service;
        service.readVersions();
        (void)service.needUpgrade();
        (void)LeadingInteger(service.packageVersion().build_version);
    }
    QDir(root).removeRecursively();
    return 0;
}
