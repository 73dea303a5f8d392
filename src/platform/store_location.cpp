#include "platform/store_location.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vz {

bool folderIsWritable(const QString& folder) {
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vorurer-XXXXXX")));
    return probe.open();
}

QString storeFolder(const QString& programFolder) {
    if (folderIsWritable(programFolder))
        return programFolder;
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace vz
