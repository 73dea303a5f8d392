// What one edit did to a field's text, found by comparing the text before and after it: the
// run that was removed and the run put in its place, at one position. Assistive technologies
// are told edits in this form.
//
//     vz::TextChange c = vz::textChange(U"12:00 AM", U"12:30 AM");
//     // c.position == 3, c.removed == 1, c.inserted == 1
#pragma once

#include <string_view>

namespace vz {

struct TextChange {
    int position = 0; // in code points
    int removed = 0;
    int inserted = 0;
    bool none() const { return removed == 0 && inserted == 0; }
    bool operator==(const TextChange&) const = default;
};

// The shortest change: the common start and the common end (not overlapping it) are kept.
TextChange textChange(std::u32string_view before, std::u32string_view after);

} // namespace vz
