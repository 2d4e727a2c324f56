#include "dpiinfo.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>

DPIinfo *DPIinfo::getInstance()
{
    static DPIinfo instance;
    return &instance;
}

double DPIinfo::getDPI()
{
    // Without a GUI application there is no screen to ask.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return 1.0;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return 1.0;
    const qreal dpi = screen->logicalDotsPerInch();
    if (!(dpi > 0))
        return 1.0;
    return dpi / 96.0;
}

QString DPIinfo::getScaledStyleSheet(QString styleSheet)
{
    return scaleStyleSheet(styleSheet, getDPI());
}

QString DPIinfo::scaleStyleSheet(const QString &styleSheet, double factor)
{
    // A sheet without "px" has nothing to scale; the dialog's own sheet is
    // such a one, and every launch would otherwise compile the expression.
    if (!styleSheet.contains(QLatin1String("px")))
        return styleSheet;
    // A length is a number that does not continue a name or another number,
    // followed by "px". Only the number changes.
    static const QRegularExpression length(QStringLiteral("(?<![\\w.])(\\d+(?:\\.\\d+)?)px"));

    QString out;
    out.reserve(styleSheet.size());
    int last = 0;
    QRegularExpressionMatchIterator it = length.globalMatch(styleSheet);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        out += styleSheet.midRef(last, m.capturedStart(1) - last);
        const double scaled = std::round(m.captured(1).toDouble() * factor);
        out += QString::number(static_cast<qlonglong>(scaled));
        last = m.capturedEnd(1);
    }
    out += styleSheet.midRef(last);
    return out;
}
