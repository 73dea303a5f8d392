// Opening a web page in the user's browser, with word of whether that failed.
//
//     vz::openWebPage(QStringLiteral("http://www.example.com/"), this, [this](bool opened) {
//         if (!opened) report();
//     });
#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QObject;

namespace vz {

// How long the opener is given to report failure before it counts as having started the
// browser: some openers only return once the browser they started has been closed again.
inline constexpr int WebOpenerGraceMs = 1500;

// Asks the system to show the page and calls `done` once on the UI thread: false when the
// address is no address, the opener could not be started, or it ended with a failure within
// the grace period; true when it succeeded or is still running then. Where an "xdg-open"
// opener is on the PATH it is run so that its exit status is known; elsewhere the platform's
// own request stands in. `done` is not called once `context` is gone.
void openWebPage(const QString& address, QObject* context, std::function<void(bool opened)> done);

// Replaces the system's browser launch while a test sets it; an empty function restores it.
using WebPageOpener = std::function<bool(const QUrl&)>;
void setWebPageOpener(WebPageOpener opener);

} // namespace vz
