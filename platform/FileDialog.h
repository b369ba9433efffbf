#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace brevasto {

struct SaveFileRequest
{
    QString caption;
    QString proposedPath; // folder and file name offered first
    QString filter;
};

// Answers save dialogs in place of the user while set (the chosen path, or an empty
// string for Cancel), so tests never wait on a modal dialog.
using SaveFileHook = std::function<QString(const SaveFileRequest &)>;
void SetSaveFileHook(SaveFileHook hook);

// Asks where to save; an empty string when the user cancels. The dialog itself does not
// ask about replacing a file: the caller does, in a box of its own.
QString AskSaveFileName(QWidget *parent, const SaveFileRequest &request);

} // namespace brevasto
