// The table of English interface texts with their translation keys, and the
// lookup through the installed translator (context "global").
#pragma once

#include <QString>

enum UITextPosition {
    UITEXT_APP_NAME = 82,               // "Quenmark Zelto Client"
    UITEXT_ENV_PREPARING = 386,         // "%1 is initializing..."
    UITEXT_ENV_PREPARATION_DONE = 784,  // "%1 is ready."
};

constexpr int kUITextCount = 1085;

// Registers the compiled-in translation catalogues (":/<code>.qm").
// Registering twice is harmless.
void RegisterTranslationResources();

// Stores the table; called once on the main thread right after the
// translator is installed, before any lookup and before other threads start.
void InitUITextTable();

// translate("global", text of `position`), with \n and \t escapes turned
// into a line feed and a tab. `position` must lie in 0..1084.
QString LookupUIText(int position);

// Position of the entry whose key equals `key` regardless of ASCII case,
// or -1.
int FindUITextIndex(const QString &key);

// Raw table access for checks and tools.
const char *UITextEnglish(int position);
const char *UITextKey(int position);
