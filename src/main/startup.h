// The start-up steps of the launcher, called by main() in this order, each
// once, on the main thread.
#pragma once

#include <QByteArray>
#include <QString>

// Locale, compiled-in resources and Qt's plug-in search path: <exe
// dir>/../lib/plugins beside the executable's real location when it holds
// platform plug-ins, else the plug-in folder of the Qt the launcher runs on.
// Runs before the application object exists. Prints the "lib path" line on
// standard output, naming the folder as argv[0] does when that is the same
// folder, and returns the path it set.
QString SetupLibraryPaths(const char *argv0);

// The user's QT_QPA_PLATFORM as it was before start-up replaced it.
struct UserPlatform {
    bool set = false;
    QByteArray value;
};

// Before the application object: QT_QPA_PLATFORM becomes the list of
// platforms Qt tries in turn, the user's value first, then Wayland where
// WAYLAND_DISPLAY is set, xcb where DISPLAY is set, offscreen last. In
// GNOME's Wayland session with DISPLAY set and no value of the user's, xcb
// comes before Wayland.
UserPlatform ChoosePlatforms();

// After the application object: the user's value back, so that the
// processes the launcher starts see what the session gave it.
void RestoreUserPlatform(const UserPlatform &user);

// The nine named paths, cleaned, in the registry of the support library.
void RegisterPathTable();

// The debug log: file sink in <user_quenmark_zelto_path>/log, switch file
// <root_resource_path>/log/launcher.debug. When the log folder cannot be
// created the log keeps its initial state.
void SetupDebugLog();

// Translator of the default language, the UI text table and the
// application font.
void SetupTranslatorAndFont();
