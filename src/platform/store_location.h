// Where the event stores live: beside the program while its folder can be written (a program
// run from its build or unpacked folder), else in the user's data folder for the program (an
// installed copy). Decided once at start-up; the files beside the program are then only read.
//
//     QString folder = vz::storeFolder(QCoreApplication::applicationDirPath());
#pragma once

#include <QString>

namespace vz {

// Whether files can be created in a folder (tried, not guessed from permission bits).
bool folderIsWritable(const QString& folder);

// Whether the program lies in an installed tree: <prefix>/bin beside <prefix>/share holding its
// desktop entry (share/applications/<DesktopId>.desktop). Such a tree is never written at run time,
// even where its owner could write it (an installation into ~/.local, or a run as root).
bool isInstalledCopy(const QString& programFolder);

// The folder whose stores the program uses, chosen once at start-up. Moving to the data folder
// takes the stores found beside the program along the first time (see adoptStores). Temporary
// files that interrupted saves left in the chosen folder are removed.
QString storeFolder(const QString& programFolder);

// The folder whose stores the window would show if it started now, found without changing
// anything: where storeFolder would still take the stores beside the program along, it is the
// folder beside the program. For readers that must not write, such as the command line.
QString storeFolderToRead(const QString& programFolder);

} // namespace vz
