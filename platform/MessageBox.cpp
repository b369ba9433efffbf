#include "MessageBox.h"

#include "Hook.h"

namespace brevasto {

void SetMessageBoxHook(MessageBoxHook hook)
{
    HookSlot<MessageBoxHook>() = std::move(hook);
}

QMessageBox::StandardButton ShowMessageBox(const MessageBoxRequest &request)
{
    if (HookSlot<MessageBoxHook>())
        return HookSlot<MessageBoxHook>()(request);

    QMessageBox box(request.icon, request.caption, request.text, request.buttons);
    box.setWindowModality(Qt::ApplicationModal);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace brevasto
