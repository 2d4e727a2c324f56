// The installation service: keeps the per-user copy of the client (the
// application folder) current from the package that ships beside the
// launcher, with a backup of the previous copy for rollback.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "version-info.h"

class Service
{
public:
    Service();
    virtual ~Service();

    Service(const Service &) = delete;
    Service &operator=(const Service &) = delete;

    // Platform steps.
    virtual void terminateUI() = 0;
    virtual int32_t upgrade() = 0;
    virtual void startUI() = 0;
    virtual void readVersions() = 0;
    virtual bool needUpgrade() = 0;

    // Unpacks the package archive into the application folder: 0 or -1.
    virtual int32_t extractPackage();
    // Copies the package folder onto the application folder: 0 or -1.
    virtual int32_t copyPackage();
    virtual void readSourceVersion();
    virtual void readTargetVersion();
    // Backs up the installed copy, puts the package in place, then removes
    // the backups or rolls back: 0 or -1.
    virtual int32_t installPackage();
    // Moves the legacy folder's data into the per-user folder.
    virtual void migrateLegacyFolder();

    // Copies a file or a folder tree; existing files are overwritten,
    // extra files in the destination are kept. 0 or -1.
    int32_t FSCopyPath(const std::string &source, const std::string &destination);
    // Removes the application folder of the legacy per-user folder.
    void removeAgedAppFolder();

    // True when an earlier installation did not finish: its journal file
    // is still beside the application folder. Backup names left without a
    // journal are leftovers: removed here when possible, else named once in
    // a WARNING line; they never make an installation unfinished.
    bool installationPending();
    // Repairs an installation that did not finish, so that the versions can
    // be judged on a complete copy: 0 repaired or nothing to repair, -1 the
    // repair failed (the journal stays).
    int32_t repairInstallation();

    // False, after one ERROR line per run, when a path of the table under
    // one of `keys` lost bytes that were not UTF-8 on their way into the
    // table: such a path names another folder than the real one.
    bool pathsUsable(std::initializer_list<const char *> keys);

    const std::string &applicationPath() const { return appPath; }
    const VersionInfo &packageVersion() const { return targetVersion; }
    const VersionInfo &installedVersion() const { return sourceVersion; }

    // The journal file of an installation in progress, beside the
    // application folder.
    static std::string journalPath(const std::string &appPath);

protected:
    std::string appPath;
    VersionInfo targetVersion;
    VersionInfo sourceVersion;

private:
    int32_t recoverInterruptedInstallation();
    int32_t installOnce();
    // Removes whatever stands at the backup names; names what cannot go.
    void removeLeftoverBackups();
    void reportLeftover(const std::string &name);

    bool packageChanged = false; // the last copy saw the package change
    bool pathsRefused = false;
    std::vector<std::string> reportedLeftovers;
};

// base + "_tmp" for attempt 0, base + "_tmp" + attempt otherwise.
std::string backupName(const std::string &base, int32_t attempt);
