#include "client-window.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ClientWindow::ClientWindow(const QString &version, const QString &build, const QString &pidFile)
{
    setWindowTitle(QStringLiteral("Quenmark Zelto Client"));
    setObjectName(QStringLiteral("clientWindow"));

    auto *layout = new QVBoxLayout(this);
    auto *title = new QLabel(QStringLiteral("<b>Quenmark Zelto Client</b>"), this);
    auto *versionLabel =
        new QLabel(QStringLiteral("Version %1 (build %2)").arg(version, build), this);
    versionLabel->setObjectName(QStringLiteral("versionLabel"));
    auto *details = new QLabel(QStringLiteral("Running from %1\nProcess %2, registered in %3")
                                   .arg(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()))
                                   .arg(QCoreApplication::applicationPid())
                                   .arg(QDir::toNativeSeparators(pidFile)),
                               this);
    details->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *quit = new QPushButton(QStringLiteral("Quit"), this);
    connect(quit, &QPushButton::clicked, this, &QWidget::close);

    layout->addWidget(title);
    layout->addWidget(versionLabel);
    layout->addWidget(details);
    layout->addWidget(quit, 0, Qt::AlignRight);
    setMinimumWidth(360);
}
