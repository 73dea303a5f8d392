// Opening a web page in the user's browser.
//
//     if (!vz::openWebPage(QStringLiteral("http://www.example.com/"))) report();
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace vz {

// True when the system accepted the request to show the page.
bool openWebPage(const QString& address);

// Replaces the system's browser launch while a test sets it; an empty function restores it.
using WebPageOpener = std::function<bool(const QUrl&)>;
void setWebPageOpener(WebPageOpener opener);

} // namespace vz
