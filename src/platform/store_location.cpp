#include "platform/store_location.h"

#include "platform/desktop_identity.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vz {

bool folderIsWritable(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vorurer-XXXXXX")));
    return probe.open();
}

bool isInstalledCopy(const QString& programFolder) {
    const QDir bin(programFolder);
    if (bin.dirName() != QLatin1String("bin"))
        return false;
    return QFileInfo::exists(bin.filePath(QStringLiteral("../share/applications/") +
                                          QLatin1String(DesktopId) + QStringLiteral(".desktop")));
}

QString storeFolder(const QString& programFolder) {
    if (!isInstalledCopy(programFolder) && folderIsWritable(programFolder))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace vz
