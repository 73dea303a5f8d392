// Integer texts as the stores hold them: an optional sign followed by decimal digits, or by "$"
// and hexadecimal digits. The result is a 32-bit integer; hexadecimal texts of up to 32 bits
// wrap into it, as the older program's runtime did, so "$FFFFFFFF" is -1.
//
//     vz::parseIntegerText("-$1A")        // -26
//     vz::parseIntegerText("12 ")         // std::nullopt: the whole text must be the number
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vz {

std::optional<std::int32_t> parseIntegerText(std::string_view text);

inline std::int32_t integerTextOr(std::string_view text, std::int32_t defaultValue) {
    return parseIntegerText(text).value_or(defaultValue);
}

} // namespace vz
