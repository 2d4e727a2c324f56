#include "processing-progress-dialog.h"

#include "dpiinfo.h"
#include "ui-text.h"
#include "uipathmanager.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QProgressBar>
#include <QShowEvent>

#include <cmath>

namespace {

const char kIconFile[] = "/images/ico_72_orvilex.png";
const char kStyleSheet[] = "QProgressDialog { background-color: WhiteSmoke; vertical-align: middle; }";
const double kBaseWidth = 400.0;
// The colour the style sheet names.
const QRgb kWhiteSmoke = 0xf5f5f5;
// The contrast that ordinary text needs to read well (WCAG's AA level).
const double kReadableContrast = 4.5;

double relativeLuminance(const QColor &colour)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The style sheet paints the dialog WhiteSmoke in every theme, while the
// text takes its colour from the theme: a dark theme's light text would
// all but vanish on it, the label's and the bar's percentage alike. Such a
// palette gets dark text, and the bar a light groove to match, for the
// dialog alone; a palette whose text reads on WhiteSmoke stays as it is.
void keepTextReadable(QWidget *dialog)
{
    QPalette palette = dialog->palette();
    const QColor background(kWhiteSmoke);
    bool readable = true;
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        readable = readable && contrast(palette.color(QPalette::Active, role), background) >= kReadableContrast;
    if (readable)
        return;
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, Qt::black);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::AlternateBase, background);
    palette.setColor(QPalette::Button, background);
    dialog->setPalette(palette);
    // A style sheet keeps a parent's palette from reaching its children:
    // the label and the bar get theirs directly.
    for (QWidget *child : dialog->findChildren<QWidget *>())
        child->setPalette(palette);
}

const char kAnnouncementName[] = "announcement";

// Screen readers speak a change of a label's text, or of a window's
// description, only when the user has given it the focus, which this
// dialog never takes. What a window that is not active says is spoken only
// when it comes as a notification: one shown anew with each text is
// spoken wherever the focus is, after the dialog's title.
QAccessibleInterface *announcementAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("QWidget") && object && object->isWidgetType()
        && object->objectName() == QLatin1String(kAnnouncementName))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification);
    return nullptr;
}

} // namespace

ProcessingProgressDialog::ProcessingProgressDialog()
    : QProgressDialog(nullptr, Qt::WindowFlags())
{
    const QFont appFont = QApplication::font();

    setWindowTitle(LookupUIText(UITEXT_APP_NAME));
    // A missing file gives a null icon, which leaves the window without one.
    setWindowIcon(QIcon(UIPathManager::getInstance()->getPath(QStringLiteral("root_resource_path"))
                        + QLatin1String(kIconFile)));
    // The two hints decide the title bar. Without a type of their own they
    // would make a normal window, which window managers offer to maximise
    // and GNOME places in a corner: the dialog type keeps it a dialog.
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    // Shown at log-in or while the user types elsewhere: it must not take
    // the keyboard focus (on X11 the window's user time is 0).
    setAttribute(Qt::WA_ShowWithoutActivating);

    static const bool factoryInstalled = [] {
        QAccessible::installFactory(announcementAccessible);
        return true;
    }();
    (void)factoryInstalled;
    // Takes no room: the text is on the label already.
    m_announcement = new QWidget(this);
    m_announcement->setObjectName(QLatin1String(kAnnouncementName));
    m_announcement->setGeometry(0, 0, 0, 0);

    setValue(0);
    setRange(0, 100);
    // The label names what the bar measures. Said so, screen readers no
    // longer read it out with the dialog's title as well as in the
    // notification.
    if (QLabel *label = findChild<QLabel *>())
        label->setBuddy(findChild<QProgressBar *>());
    setLabelText(LookupUIText(UITEXT_ENV_PREPARING).arg(LookupUIText(UITEXT_APP_NAME)));
    setFont(appFont);

    setModal(true);
    setWindowModality(Qt::WindowModal);

    // The cast truncates toward zero: a multiplier of 1.3333 gives 533.
    setFixedWidth(static_cast<int>(DPIinfo::getInstance()->getDPI() * kBaseWidth));
    setStyleSheet(DPIinfo::getInstance()->getScaledStyleSheet(QLatin1String(kStyleSheet)));
    keepTextReadable(this);
}

void ProcessingProgressDialog::setLabelText(const QString &text)
{
    QProgressDialog::setLabelText(text);
    // The bar measures what the label names. Screen readers present a
    // progress bar's updates, name and value, without its having the focus.
    if (QProgressBar *bar = findChild<QProgressBar *>())
        bar->setAccessibleName(text);
    if (m_announcement) {
        m_announcement->setAccessibleName(text);
        // Shown anew, so that the new text is spoken; shown with the
        // dialog the first time.
        if (isVisible()) {
            m_announcement->hide();
            m_announcement->show();
        }
    }
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
    // the bar while the copy goes on. Refused, so that the application does
    // not take it for its last window closing and end the event loop, but
    // heeded: the window goes away while the copy carries on.
    event->ignore();
    hide();
}
