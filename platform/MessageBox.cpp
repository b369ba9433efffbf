#include "MessageBox.h"

namespace brevasto {

namespace {

MessageBoxHook &Hook()
{
    static MessageBoxHook hook;
    return hook;
}

} // namespace

void SetMessageBoxHook(MessageBoxHook hook)
{
    Hook() = std::move(hook);
}

QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest &request)
{
    if (Hook())
        return Hook()(request);

    QMessageBox box(request.icon, request.caption, request.text, request.buttons);
    box.setWindowModality(Qt::ApplicationModal);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace brevasto
