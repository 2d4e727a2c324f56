#include "ui-text.h"

#include <QCoreApplication>
#include <QLatin1String>

#include <cstddef>

// The constant data lives in the generated table source; these are the only
// names it exports.
extern const char *const kUITextEnglishData[kUITextCount];
extern const char *const kUITextKeyData[kUITextCount];

namespace {

struct UITextEntry {
    const char *text;
    const char *key;
};

// Written once by InitUITextTable() before any other thread exists, read
// without a lock afterwards.
UITextEntry g_table[kUITextCount];
bool g_filled = false;

bool validPosition(int position)
{
    return position >= 0 && position < kUITextCount;
}

// Keys are ASCII; comparing bytes keeps the result independent of the
// C locale that start-up has set.
bool asciiEqualNoCase(const char *a, const char *b)
{
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(*a);
        unsigned char cb = static_cast<unsigned char>(*b);
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb - 'A' + 'a');
        if (ca != cb)
            return false;
        if (ca == '\0')
            return true;
    }
}

UITextEntry entryAt(int position)
{
    // A lookup before the fill still answers from the constant data rather
    // than showing an empty label; it writes nothing, so it stays safe
    // when it happens on another thread.
    if (!g_filled)
        return UITextEntry{kUITextEnglishData[position], kUITextKeyData[position]};
    return g_table[position];
}

} // namespace

// Q_INIT_RESOURCE declares the initialiser where it is used, so it must be
// used outside any namespace. The collection also registers itself during
// static initialisation; Qt ignores a second registration of the same data.
void RegisterTranslationResources()
{
    Q_INIT_RESOURCE(uitext_translations);
}

void InitUITextTable()
{
    for (int i = 0; i < kUITextCount; ++i) {
        g_table[i].text = kUITextEnglishData[i];
        g_table[i].key = kUITextKeyData[i];
    }
    g_filled = true;
}

QString LookupUIText(int position)
{
    if (!validPosition(position))
        return QString();
    QString text = QCoreApplication::translate("global", entryAt(position).text, nullptr, -1);
    // Catalogues may write line breaks and tabs as escapes.
    text.replace(QLatin1String("\\n"), QLatin1String("\n"), Qt::CaseSensitive);
    text.replace(QLatin1String("\\t"), QLatin1String("\t"), Qt::CaseSensitive);
    return text;
}

int FindUITextIndex(const QString &key)
{
    const QByteArray wanted = key.toLocal8Bit();
    if (wanted.isEmpty())
        return -1;
    for (int i = 0; i < kUITextCount; ++i) {
        if (asciiEqualNoCase(entryAt(i).key, wanted.constData()))
            return i;
    }
    return -1;
}

const char *UITextEnglish(int position)
{
    return validPosition(position) ? entryAt(position).text : nullptr;
}

const char *UITextKey(int position)
{
    return validPosition(position) ? entryAt(position).key : nullptr;
}
