#include "processing-progress-dialog.h"

#include "dpiinfo.h"
#include "ui-text.h"
#include "uipathmanager.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFont>
#include <QIcon>
#include <QShowEvent>

namespace {

const char kIconFile[] = "/images/ico_72_orvilex.png";
const char kStyleSheet[] = "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }";
const double kBaseWidth = 400.0;

} // namespace

ProcessingProgressDialog::ProcessingProgressDialog()
    : QProgressDialog(nullptr, Qt::WindowFlags())
{
    const QFont appFont = QApplication::font();

    setWindowTitle(LookupUIText(UITEXT_APP_NAME));
    // A missing file gives a null icon, which leaves the window without one.
    setWindowIcon(QIcon(UIPathManager::getInstance()->getPath(QStringLiteral("root_resource_path"))
                        + QLatin1String(kIconFile)));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);

    setValue(0);
    setRange(0, 100);
    setLabelText(LookupUIText(UITEXT_ENV_PREPARING).arg(LookupUIText(UITEXT_APP_NAME)));
    setFont(appFont);

    setModal(true);
    setWindowModality(Qt::WindowModal);

    // The cast truncates toward zero: a multiplier of 1.3333 gives 533.
    setFixedWidth(static_cast<int>(DPIinfo::getInstance()->getDPI() * kBaseWidth));
    setStyleSheet(DPIinfo::getInstance()->getScaledStyleSheet(QLatin1String(kStyleSheet)));
}

void ProcessingProgressDialog::showEvent(QShowEvent *event)
{
    QProgressDialog::showEvent(event);
    // A window whose height may change gets a resize handle from the window
    // manager along its bottom edge: a strip below the bar that looks cut
    // off. Fixed at the size hint as it is once the cancel button is gone
    // (the label is one line in the dialog's one font, so every text it
    // shows fits), the frame is the title bar and a border, and the margins
    // are even. Done here, before the window is mapped, so that the window
    // manager sees the fixed size from the start.
    setFixedHeight(sizeHint().height());
}

void ProcessingProgressDialog::reject()
{
}

void ProcessingProgressDialog::closeEvent(QCloseEvent *event)
{
    // Not QProgressDialog::closeEvent: it would emit canceled() and reset
    // the bar while the copy goes on.
    event->ignore();
}
