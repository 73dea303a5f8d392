// System colours the drawn controls name, taken from the palette.
#pragma once

#include <QColor>
#include <QPalette>

namespace vz {

// The grey of text that is not available (disabled text, neighbouring months' days). Some
// platform themes give disabled text the normal text colour; the classic mid grey is used then.
inline QColor grayTextColor(const QPalette& palette) {
    const QColor disabled = palette.color(QPalette::Disabled, QPalette::WindowText);
    if (disabled == palette.color(QPalette::Active, QPalette::WindowText))
        return {128, 128, 128};
    return disabled;
}

} // namespace vz
