#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace vz {

void copyToClipboard(const QString& text) {
    QGuiApplication::clipboard()->setText(text);
}

QString clipboardText() {
    return QGuiApplication::clipboard()->text();
}

} // namespace vz
