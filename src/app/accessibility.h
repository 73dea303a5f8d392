// The program's controls as assistive technologies see them: the interfaces of the hand-drawn
// controls, and the display read line by line as the clipboard report words it.
//
//     vz::installAccessibility();                  // once, after the application object
#pragma once

#include "engine/wording.h"

#include <array>
#include <functional>

class QLabel;

namespace vz {

class TRaisedLabel;

void installAccessibility();

// A label the clock rewrites every second: a reader reads its current text when it asks, but no
// event tells of each change, which a reader would announce every second. announceLine tells of
// a change that is news to the user.
void presentAsClockLine(QLabel* label);
void announceLine(QLabel* label);

// The display's eleven labels in the order of DisplayTexts; `shown` gives what they show now.
void presentDisplayLines(const std::array<TRaisedLabel*, 11>& labels,
                         std::function<const DisplayTexts&()> shown);

} // namespace vz
