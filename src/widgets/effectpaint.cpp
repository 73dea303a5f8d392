#include "widgets/effectpaint.h"

namespace vz {

QFont designFont(const QString& family, int height, bool bold) {
    QFont font(family);
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPointSize(height);
    font.setBold(bold);
    return font;
}

} // namespace vz
