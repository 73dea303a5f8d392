// The AM and PM designators that locales use, so a time text written under any of them reads
// under every other: "07:30 오후" is half past seven in the evening wherever the store is opened.
// Words are kept as they compare: without dots and blanks, ASCII letters in upper case. A word
// that one locale uses for the morning and another for the afternoon names neither and is left
// out.
//
//     vz::dayHalfOfWord("오후")       // DayHalf::Pm
//     vz::dayHalfOfWord("AM")         // DayHalf::Am
#pragma once

#include <optional>
#include <string_view>

namespace vz {

enum class DayHalf { Am, Pm };

// The half of the day a designator names, or nothing for a word no locale uses or one that
// names both halves. `word` must already be without dots and blanks, ASCII letters upper case.
std::optional<DayHalf> dayHalfOfWord(std::string_view word);

} // namespace vz
