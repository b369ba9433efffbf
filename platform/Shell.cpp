#include "Shell.h"

#include "Hook.h"

#ifdef Q_OS_WIN
#include <windows.h>

#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QUrl>
#endif

namespace brevasto {

void SetBrowserHook(BrowserHook hook)
{
    HookSlot<BrowserHook>() = std::move(hook);
}

#ifdef Q_OS_WIN

void OpenInBrowser(const QString &address)
{
    if (HookSlot<BrowserHook>())
        return HookSlot<BrowserHook>()(address);
    ShellExecuteA(nullptr, "open", address.toLocal8Bit().constData(), nullptr, "c:/", SW_SHOWNORMAL);
}

#else

namespace {

// $BROWSER, as xdg-open and most Unix tools read it: browser commands separated by
// colons, each given the address in place of "%s", or after its words when it has none.
bool OpenWithBrowserVariable(const QString &address)
{
    const QString variable = QProcessEnvironment::systemEnvironment().value(QStringLiteral("BROWSER"));
    for (const QString &command : variable.split(u':', Qt::SkipEmptyParts)) {
        QStringList words = QProcess::splitCommand(command);
        if (words.isEmpty())
            continue;
        bool placed = false;
        for (QString &word : words)
            if (word.contains(QStringLiteral("%s"))) {
                word.replace(QStringLiteral("%s"), address);
                placed = true;
            }
        if (!placed)
            words.append(address);
        const QString program = words.takeFirst();
        if (QProcess::startDetached(program, words))
            return true;
    }
    return false;
}

} // namespace

void OpenInBrowser(const QString &address)
{
    if (HookSlot<BrowserHook>())
        return HookSlot<BrowserHook>()(address);
    if (!OpenWithBrowserVariable(address))
        QDesktopServices::openUrl(QUrl(address));
}

#endif

} // namespace brevasto
