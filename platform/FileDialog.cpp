#include "FileDialog.h"

#include <QFileDialog>

namespace brevasto {

namespace {

SaveFileHook &Hook()
{
    static SaveFileHook hook;
    return hook;
}

} // namespace

void SetSaveFileHook(SaveFileHook hook)
{
    Hook() = std::move(hook);
}

QString AskSaveFileName(QWidget *parent, const SaveFileRequest &request)
{
    if (Hook())
        return Hook()(request);
    return QFileDialog::getSaveFileName(parent, request.caption, request.proposedPath, request.filter,
                                        nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace brevasto
