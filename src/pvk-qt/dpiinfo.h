// The process-wide display object: the scale factor of the primary screen
// and style sheets adapted to it.
#pragma once

#include "pvk-qt-global.h"

#include <QString>

class PVK_QT_EXPORT DPIinfo
{
public:
    static DPIinfo *getInstance();

    // The primary screen's logical DPI / 96; 1.0 when there is no screen.
    double getDPI();

    // `styleSheet` with every "<N>px" length multiplied by getDPI() and
    // rounded; everything else is left as it is.
    QString getScaledStyleSheet(QString styleSheet);

    // The scaling rule with an explicit factor.
    static QString scaleStyleSheet(const QString &styleSheet, double factor);

    DPIinfo(const DPIinfo &) = delete;
    DPIinfo &operator=(const DPIinfo &) = delete;

private:
    DPIinfo() = default;
};
