#include "tavilocale.h"

namespace {

// The interface language's locale name, in the order in which the C library
// chooses the message language: LANGUAGE (its first entry), LC_ALL,
// LC_MESSAGES, LANG.
QString environmentLocaleName()
{
    const QByteArray language = qgetenv("LANGUAGE");
    if (!language.isEmpty()) {
        const QByteArray first = language.split(':').value(0);
        if (!first.isEmpty())
            return QString::fromLatin1(first);
    }
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty())
            return QString::fromLatin1(value);
    }
    return QString();
}

} // namespace

TaviLocale *TaviLocale::getInstance()
{
    static TaviLocale instance;
    return &instance;
}

QString TaviLocale::getDefaultLanguage()
{
    const QString name = environmentLocaleName();
    // "C" and "POSIX" name no language; QLocale would read them as English
    // anyway, which is the fallback.
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")
        || name.startsWith(QLatin1String("C.")))
        return QStringLiteral("enu");
    return languageCodeFor(QLocale(name));
}

QString TaviLocale::languageCodeFor(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Chinese:
        // zh_TW and zh_HK (and any Traditional script) read Traditional.
        if (locale.script() == QLocale::TraditionalChineseScript
            || locale.country() == QLocale::Taiwan || locale.country() == QLocale::HongKong
            || locale.country() == QLocale::Macau)
            return QStringLiteral("cht");
        return QStringLiteral("chs");
    case QLocale::Czech: return QStringLiteral("csy");
    case QLocale::Danish: return QStringLiteral("dan");
    case QLocale::English: return QStringLiteral("enu");
    case QLocale::French: return QStringLiteral("fre");
    case QLocale::German: return QStringLiteral("ger");
    case QLocale::Hungarian: return QStringLiteral("hun");
    case QLocale::Italian: return QStringLiteral("ita");
    case QLocale::Japanese: return QStringLiteral("jpn");
    case QLocale::Korean: return QStringLiteral("krn");
    case QLocale::Dutch: return QStringLiteral("nld");
    case QLocale::NorwegianBokmal:
    case QLocale::NorwegianNynorsk:
        return QStringLiteral("nor");
    case QLocale::Polish: return QStringLiteral("plk");
    case QLocale::Portuguese:
        return locale.country() == QLocale::Brazil ? QStringLiteral("ptb") : QStringLiteral("ptg");
    case QLocale::Russian: return QStringLiteral("rus");
    case QLocale::Spanish: return QStringLiteral("spn");
    case QLocale::Swedish: return QStringLiteral("sve");
    case QLocale::Thai: return QStringLiteral("tha");
    case QLocale::Turkish: return QStringLiteral("trk");
    default:
        return QStringLiteral("enu");
    }
}
