#include "platform/webpage.h"

#include <QDesktopServices>

namespace vz {

namespace {
WebPageOpener& opener() {
    static WebPageOpener current;
    return current;
}
} // namespace

bool openWebPage(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid())
        return false;
    if (const WebPageOpener& replacement = opener())
        return replacement(url);
    return QDesktopServices::openUrl(url);
}

void setWebPageOpener(WebPageOpener replacement) {
    opener() = std::move(replacement);
}

} // namespace vz
