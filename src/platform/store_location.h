// Where the event stores live: beside the program while its folder can be written (a program
// run from its build or unpacked folder), else in the user's data folder for the program (an
// installed copy). Decided once at start-up.
//
//     QString folder = vz::storeFolder(QCoreApplication::applicationDirPath());
#pragma once

#include <QString>

namespace vz {

// Whether files can be created in a folder (tried, not guessed from permission bits).
bool folderIsWritable(const QString& folder);

QString storeFolder(const QString& programFolder);

} // namespace vz
