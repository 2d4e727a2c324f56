// The version an INFO file names: the installed copy's and the package's.
#pragma once

#include <string>

#include "file-op-base.h"

// The four version texts of an INFO file (INI, group "Version"); empty
// until read.
struct VersionInfo {
    std::string major_version;
    std::string minor_version;
    std::string build_version;
    std::string icon_overlay_version;
};

// Reads the group "Version" of the INFO file at `path` into `version`;
// absent keys leave their fields as they were. A file that is not a small
// regular file counts as one without the group.
void readInfoFile(const std::string &path, VersionInfo &version);

// Builds compare by the integer their text begins with ("12rc" is 12).
using fileop::LeadingInteger;
