// Export marker of the support library; the launcher links it as a shared
// object (libpvk-qt.so.1) that another build of the library may replace.
#pragma once

#include <QtGlobal>

#if defined(PVK_QT_BUILDING)
#define PVK_QT_EXPORT Q_DECL_EXPORT
#else
#define PVK_QT_EXPORT Q_DECL_IMPORT
#endif
