#include "platform/store_location.h"

#include "platform/desktop_identity.h"
#include "store/atomic_file.h"
#include "store/event_store.h"
#include "store/store_adoption.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace vz {

namespace {

std::filesystem::path fsPath(const QString& folder) {
    return std::filesystem::path(folder.toStdU16String());
}

// Long enough for any save to finish, so a second start never takes the temporary file of a save
// the first one is making.
constexpr std::chrono::seconds LeftoverAge{60};

} // namespace

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
    QString folder = programFolder;
    if (isInstalledCopy(programFolder) || !folderIsWritable(programFolder)) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // Without a copy in the data folder the events beside the program would not show. Where
        // no copy can be made, they are shown from beside the program, whose file a save then
        // cannot change: the user is told and nothing is hidden.
        if (adoptStores(fsPath(programFolder), fsPath(folder)) == Adoption::Failed &&
            !folderIsWritable(programFolder))
            folder = programFolder;
    }
    for (const std::string_view name : {StoreFileName, OldStoreFileName}) {
        removeSaveLeftovers(fsPath(folder), name, LeftoverAge);
        // A save through a link writes its temporary file beside the link's target.
        const std::filesystem::path store = fsPath(folder) / name;
        if (const auto target = linkTarget(store); target && *target != store)
            removeSaveLeftovers(target->parent_path(), target->filename(), LeftoverAge);
    }
    return folder;
}

QString storeFolderToRead(const QString& programFolder) {
    if (!isInstalledCopy(programFolder) && folderIsWritable(programFolder))
        return programFolder;
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    auto holdsAStore = [](const QString& folder) {
        const QDir dir(folder);
        for (const std::string_view name : {StoreFileName, OldStoreFileName})
            if (QFileInfo::exists(dir.filePath(QString::fromUtf8(name.data(), name.size()))))
                return true;
        return false;
    };
    if (!holdsAStore(dataFolder) && holdsAStore(programFolder))
        return programFolder;
    return dataFolder;
}

} // namespace vz
