// The clipboard, as plain text.
#pragma once

#include <QString>

namespace vz {

void copyToClipboard(const QString& text);
QString clipboardText();

} // namespace vz
