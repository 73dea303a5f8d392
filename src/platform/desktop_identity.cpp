#include "platform/desktop_identity.h"

#include <QApplication>
#include <QDirIterator>

namespace vz {

QIcon programIcon() {
    // The build lays one PNG per size into the resources, each drawn for that size; QIcon picks
    // the nearest one instead of scaling the large drawing down.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/vorurer/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext())
        icon.addFile(sizes.next());
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
