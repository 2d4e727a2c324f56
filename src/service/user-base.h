// The base folder of the per-user paths. Part of the cloud-service module;
// start-up is the only caller.
#pragma once

#include <QString>

// True when XDG_CURRENT_DESKTOP is exactly "Deepin"; an unset variable
// counts as "ubuntu:GNOME".
bool isDeepinDesktop();

// XDG_DATA_HOME on a Deepin desktop when it is an absolute path, the home
// folder otherwise (unset, empty or relative). The value is returned as
// given, not checked for existence.
QString userInstallBase();
