#include "timeentry/text_change.h"

#include <algorithm>

namespace vz {

TextChange textChange(std::u32string_view before, std::u32string_view after) {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    // The common end may not reach back into the common start: "aa" -> "aaa" inserts one "a"
    // after the first two, not one before them.
    std::size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    return {static_cast<int>(head), static_cast<int>(before.size() - head - tail),
            static_cast<int>(after.size() - head - tail)};
}

} // namespace vz
