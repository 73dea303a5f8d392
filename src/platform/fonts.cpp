#include "platform/fonts.h"

#include <QFont>
#include <QWidget>

namespace vz {

void installFontSubstitutions() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

int windowDpi(const QWidget* widget) {
    const int dpi = widget ? widget->logicalDpiX() : DesignDpi;
    return dpi > 0 ? dpi : DesignDpi;
}

} // namespace vz
