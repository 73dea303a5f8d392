// Qt-side helpers shared by the drawn effects and the about box: colour conversion, and fonts
// given as designed (a family and a height); the family's stand-in comes from the process's font
// substitutions (platform/fonts.h).
#pragma once

#include "widgets/effectcolor.h"

#include <QColor>
#include <QFont>

namespace vz {

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
inline Rgb toRgb(const QColor& c) {
    const QColor rgb = c.toRgb();
    return {static_cast<std::uint8_t>(rgb.red()), static_cast<std::uint8_t>(rgb.green()),
            static_cast<std::uint8_t>(rgb.blue())};
}

// A font of the given design family. A negative height is the character height in pixels, a
// positive one a size in points.
QFont designFont(const QString& family, int height, bool bold = false);

} // namespace vz
