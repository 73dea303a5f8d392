// The plain-text report of the display that a click copies to the clipboard: nine lines, each
// ended by CR LF, made from the texts the display shows.
//
//     std::string text = vz::copyReport(statusLine, labels, "6/1/1997", "09:00 AM");
#pragma once

#include "engine/wording.h"

#include <array>
#include <string>
#include <string_view>

namespace vz {

// The display's seven lines as the report words them (the event's name, the components, then
// each running total), without line ends; what a screen reader is given to read, too.
constexpr int DisplayLineCount = 7;
std::array<std::string, DisplayLineCount> displayLines(const DisplayTexts& shown);

// `extraLine`, when not empty, is added as a tenth line (a yearly event's, say).
std::string copyReport(std::string_view statusLine, const DisplayTexts& shown,
                       std::string_view dateText, std::string_view timeText,
                       std::string_view extraLine = {});

} // namespace vz
