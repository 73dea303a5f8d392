// How the month calendar presents itself to assistive technologies: a group named by the month
// it shows ("March 2026") and described by the selected date, with one child, the focused day,
// named by its date in full. Both are announced as the selection moves.
//
//     QAccessible::installFactory(vz::calendarAccessibleFactory);
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

namespace vz {

QAccessibleInterface* calendarAccessibleFactory(const QString& className, QObject* object);

} // namespace vz
