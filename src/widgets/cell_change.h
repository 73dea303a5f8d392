// Where a new text of a one-line cell starts to differ from the old one, for telling whether the
// change reaches the part of the cell in sight.
#pragma once

#include <cstddef>
#include <string_view>

namespace vz {

// Where a line's pixels may start to differ when `before` becomes `after`: the start of the word
// holding the first difference. The characters before it look the same in both however the
// text is shaped, since shaping joins letters only within a word; and between ticks of a
// countdown the word's start stays where it is, so its place is measured once.
std::size_t changedFrom(std::string_view before, std::string_view after);

// Where the last word of a text that may end in blanks starts; 0 when it has a single word.
std::size_t lastWordStart(std::string_view text);

} // namespace vz
