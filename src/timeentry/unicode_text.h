// The entry fields edit text as code points, so a length or a caret position counts characters,
// not bytes. These convert at the edges (UTF-8 outside, UTF-32 inside) and classify characters.
//
//     std::u32string s = vz::toUtf32("12:00 Uhr");   // 9 code points
//     vz::isControlChar(U'\n')                       // true
#pragma once

#include <string>
#include <string_view>

namespace vz {

// Malformed bytes become U+FFFD, one per byte, so nothing is silently dropped or over-read.
std::u32string toUtf32(std::string_view utf8);
std::string toUtf8(std::u32string_view text);

// C0 and C1 controls and DEL: never typed into a field.
constexpr bool isControlChar(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

} // namespace vz
