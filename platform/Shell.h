#pragma once

#include <QString>

namespace brevasto {

// Hands a web address to the user's browser and returns at once. Whether a browser
// opens it is the browser's business: nothing is reported, nothing waits.
void OpenInBrowser(const QString &address);

} // namespace brevasto
