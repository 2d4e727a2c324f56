// The process-wide locale object: which translation catalogue the user's
// interface language selects.
#pragma once

#include "pvk-qt-global.h"

#include <QLocale>
#include <QString>

class PVK_QT_EXPORT TaviLocale
{
public:
    static TaviLocale *getInstance();

    // The three-letter code of the interface language ("chs", "enu", "tha",
    // ...), taken from the environment's locale; "enu" when the language
    // has no catalogue.
    QString getDefaultLanguage();

    // The mapping rule for one locale.
    static QString languageCodeFor(const QLocale &locale);

    TaviLocale(const TaviLocale &) = delete;
    TaviLocale &operator=(const TaviLocale &) = delete;

private:
    TaviLocale() = default;
};
