#include "platform/desktop_identity.h"

#include <QApplication>
#include <QDirIterator>

namespace vz {

QIcon programIcon() {
    // The build lays one PNG per size into the resources, each drawn for that size; QIcon picks
    // the nearest one instead of scaling the large drawing down.
    // The names are matched by hand: a wildcard filter would load a regular expression engine
    // for the one look at the resources.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/vorurer/icons"), QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        if (const QString file = sizes.next(); file.endsWith(QLatin1String(".png")))
            icon.addFile(file);
    return icon;
}

void applyDesktopName() {
    QGuiApplication::setDesktopFileName(QLatin1String(DesktopId));
}

void applyProgramIcon() {
    QApplication::setWindowIcon(programIcon());
}

void applyDesktopIdentity() {
    applyDesktopName();
    applyProgramIcon();
}

} // namespace vz
