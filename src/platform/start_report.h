// What a start that cannot open its store tells the user. A start that ends without a window
// always says why: in a message box, and in the same words on standard error for a start from a
// terminal or a session's log.
//
//     if (auto problem = vz::storeOpeningProblem(path)) {
//         vz::reportStartFailure(QString::fromStdString(*problem));
//         return 1;
//     }
#pragma once

#include <QString>

namespace vz {

void reportStartFailure(const QString& message);

// Asks whether to open a store whose lock another computer wrote (a synced or portable folder),
// naming that computer and its process. True opens anyway and takes the lock over; "Quit", the
// default, leaves everything as it was.
bool askToOpenForeignLock(const QString& storeFolder, const QString& host, qint64 pid);

} // namespace vz
