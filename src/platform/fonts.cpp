#include "platform/fonts.h"

#include <QFont>
#include <QFontDatabase>
#include <QWidget>

namespace vz {

void installFontSubstitutions() {
    // The dialogs' "System" face is a plain sans serif like "MS Sans Serif"; unmapped, it
    // would fall to whatever the font configuration picks for an unknown name.
    for (const QString& sansFace : {QStringLiteral("MS Sans Serif"), QStringLiteral("System")})
        QFont::insertSubstitutions(sansFace,
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

QString installedFamily(const QString& family) {
    const QStringList installed = QFontDatabase::families();
    const auto spelled = [&installed](const QString& name) -> QString {
        for (const QString& family : installed)
            if (family.compare(name, Qt::CaseInsensitive) == 0)
                return family;
        return {};
    };
    if (const QString found = spelled(family); !found.isEmpty())
        return found;
    for (const QString& standIn : QFont::substitutes(family))
        if (const QString found = spelled(standIn); !found.isEmpty())
            return found;
    return family;
}

int windowDpi(const QWidget* widget) {
    const int dpi = widget ? widget->logicalDpiX() : DesignDpi;
    return dpi > 0 ? dpi : DesignDpi;
}

} // namespace vz
