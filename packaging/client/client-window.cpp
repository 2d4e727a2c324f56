#include "client-window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kTextWidth = 420;

// Home folders run deep; keep both ends of a path and show it whole on hover.
QLabel *pathLabel(const QString &caption, const QString &path, QWidget *parent)
{
    const QString native = QDir::toNativeSeparators(path);
    auto *label = new QLabel(parent);
    const QString shown = label->fontMetrics().elidedText(native, Qt::ElideMiddle, kTextWidth);
    label->setText(caption + QLatin1Char(' ') + shown);
    label->setToolTip(native);
    return label;
}

} // namespace

ClientWindow::ClientWindow(const QString &version, const QString &build, const QString &pidFile)
{
    setWindowTitle(QStringLiteral("Quenmark Zelto Client"));
    setObjectName(QStringLiteral("clientWindow"));

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("<b>Quenmark Zelto Client</b>"), this);
    auto *versionLabel =
        new QLabel(QStringLiteral("Version %1 (build %2)").arg(version, build), this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    auto *process =
        new QLabel(QStringLiteral("Process %1").arg(QCoreApplication::applicationPid()), this);
    auto *quit = new QPushButton(QStringLiteral("Quit"), this);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    layout->addWidget(title);
    layout->addWidget(versionLabel);
    layout->addWidget(process);
    layout->addWidget(pathLabel(QStringLiteral("Program:"), QCoreApplication::applicationFilePath(), this));
    layout->addWidget(pathLabel(QStringLiteral("Pid file:"), pidFile, this));
    layout->addWidget(quit, 0, Qt::AlignRight);
}
