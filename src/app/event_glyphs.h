// The small glyph a row of the event list shows when its event comes back every year (a looping
// arrow), reminds (a bell), or both, with the tool tip that says what is set.
#pragma once

#include "store/event_grid.h"

#include <QIcon>
#include <QString>

namespace vz {

// A null icon for a row with neither.
QIcon eventOptionsIcon(const EventGrid& grid, int row);
// Empty for a row with neither.
QString eventOptionsToolTip(const EventGrid& grid, int row);

} // namespace vz
