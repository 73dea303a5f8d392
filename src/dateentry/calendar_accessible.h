// How the month calendar presents itself to assistive technologies: a group named by the month
// it shows ("March 2026") and described by the selected date, with a child for each day it shows
// named by its date in full. The selected day is the focused one; each move of the selection
// sends focus and selection events for it, so a reader speaks the date.
//
//     QAccessible::installFactory(vz::calendarAccessibleFactory);
#pragma once

#include <QString>

class QAccessibleInterface;
class QObject;

namespace vz {

class MonthCalendarWindow;

// Tells readers of the calendar's month and focused day (when it is shown); called on each change
// of the selection and when the calendar drops down.
void announceCalendar(MonthCalendarWindow* calendar);

QAccessibleInterface* calendarAccessibleFactory(const QString& className, QObject* object);

} // namespace vz
