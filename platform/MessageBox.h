#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

namespace brevasto {

struct MessageBoxRequest
{
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    // The button that Enter presses; Qt's choice when none is named.
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

// Answers message boxes in place of the user: while a hook is set, no box is shown and
// the hook's answer is taken, so tests never wait on a modal box.
using MessageBoxHook = std::function<QMessageBox::StandardButton(const MessageBoxRequest &)>;
void SetMessageBoxHook(MessageBoxHook hook);

// Shows an application-modal box: every other window of the program is disabled until
// it is closed. Returns the button that closed it.
QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest &request);

} // namespace brevasto
