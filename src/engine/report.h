// The plain-text report of the display that a click copies to the clipboard: nine lines, each
// ended by CR LF, made from the texts the display shows.
//
//     std::string text = vz::copyReport(statusLine, labels, "6/1/1997", "09:00 AM");
#pragma once

#include "engine/wording.h"

#include <string>
#include <string_view>

namespace vz {

std::string copyReport(std::string_view statusLine, const DisplayTexts& shown,
                       std::string_view dateText, std::string_view timeText);

} // namespace vz
