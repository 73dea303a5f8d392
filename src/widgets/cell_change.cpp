#include "widgets/cell_change.h"

#include <algorithm>

namespace vz {

std::size_t changedFrom(std::string_view before, std::string_view after) {
    const auto differs = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    std::size_t at = static_cast<std::size_t>(differs.first - before.begin());
    while (at > 0 && before[at - 1] != ' ')
        --at;
    return at;
}

std::size_t lastWordStart(std::string_view text) {
    std::size_t at = text.size();
    while (at > 0 && text[at - 1] == ' ')
        --at;
    while (at > 0 && text[at - 1] != ' ')
        --at;
    return at;
}

} // namespace vz
