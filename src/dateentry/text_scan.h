// Small text helpers the date field's formats and readers share: ASCII case folding, matching
// a word at a position, and counting and finding code points of UTF-8 text.
//
//     vz::startsWithNoCase("AM/PM", 0, "am/pm")   // true
//     vz::codePointCount("März")                  // 4
#pragma once

#include <string_view>

namespace vz {

constexpr char upperAscii(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// Whether text holds word (ASCII letters in any case) at byte position at; never for "".
bool startsWithNoCase(std::string_view text, std::size_t at, std::string_view word);

// The first code point of a UTF-8 text (0 for "").
char32_t firstCodePoint(std::string_view text);

// Code points of a UTF-8 text (bytes that continue a character are not counted).
int codePointCount(std::string_view text);
// Byte offset of the code point at index (clamped to the text's end).
std::size_t byteOffsetOfCodePoint(std::string_view text, int index);

} // namespace vz
