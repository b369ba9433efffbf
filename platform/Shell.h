#pragma once

#include <QString>

#include <functional>

namespace brevasto {

// Hands a web address to the user's browser and returns at once. Whether a browser
// opens it is the browser's business: nothing is reported, nothing waits.
void OpenInBrowser(const QString &address);

// Takes the addresses in place of the browser while set, for tests that must not start
// one; an empty hook restores the real hand-off.
using BrowserHook = std::function<void(const QString &address)>;
void SetBrowserHook(BrowserHook hook);

} // namespace brevasto
