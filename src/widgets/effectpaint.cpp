#include "widgets/effectpaint.h"

#include "platform/fonts.h"

namespace vz {

QFont designFont(const QString& family, int height, bool bold) {
    QFont font(installedFamily(family));
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPointSize(height);
    font.setBold(bold);
    return font;
}

} // namespace vz
