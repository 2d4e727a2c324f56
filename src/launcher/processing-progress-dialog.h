// The launcher's only window: a progress dialog without a cancel button that
// shows the installation's percentage and one line of text.
#pragma once

#include <QProgressDialog>

class QCloseEvent;
class QShowEvent;

class ProcessingProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    // Needs the path table, the UI text table and the application font,
    // so it is built on the main thread after start-up.
    ProcessingProgressDialog();

    // QProgressDialog's, hiding it: the bar's accessible name and the
    // spoken notification follow the label's text.
    void setLabelText(const QString &text);

public slots:
    // The worker thread may still be copying the client: leaving the dialog
    // (Escape) must not end the run, so there is nothing to reject.
    void reject() override;

protected:
    // A close request from the window manager hides the dialog without
    // ending the run; the launcher hides it itself when the run ends.
    void closeEvent(QCloseEvent *event) override;

    // Fixes the height at the size hint before the window is mapped: a
    // window manager then frames the dialog without a resize handle.
    void showEvent(QShowEvent *event) override;

private:
    // A child of the dialog (Qt deletes it): the label's text, spoken by
    // screen readers when the dialog is shown and at each change.
    QWidget *m_announcement = nullptr;
};
