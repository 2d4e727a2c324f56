// The start-up steps of the launcher, called by main() in this order, each
// once, on the main thread.
#pragma once

#include <QString>

// Locale, compiled-in resources and Qt's plug-in search path
// (<exe dir>/../lib/plugins, derived from argv[0] as given). Runs before the
// application object exists. Prints the "lib path" line on standard output
// and returns the path it set.
QString SetupLibraryPaths(const char *argv0);

// The nine named paths, cleaned, in the registry of the support library.
void RegisterPathTable();

// The debug log: file sink in <user_quenmark_zelto_path>/log, switch file
// <root_resource_path>/log/launcher.debug. When the log folder cannot be
// created the log keeps its initial state.
void SetupDebugLog();

// Translator of the default language, the UI text table and the
// application font.
void SetupTranslatorAndFont();
