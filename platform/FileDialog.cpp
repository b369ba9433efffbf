#include "FileDialog.h"

#include "Hook.h"

#include <QFileDialog>

namespace brevasto {

void SetSaveFileHook(SaveFileHook hook)
{
    HookSlot<SaveFileHook>() = std::move(hook);
}

QString AskSaveFileName(QWidget *parent, const SaveFileRequest &request)
{
    if (HookSlot<SaveFileHook>())
        return HookSlot<SaveFileHook>()(request);
    return QFileDialog::getSaveFileName(parent, request.caption, request.proposedPath, request.filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace brevasto
