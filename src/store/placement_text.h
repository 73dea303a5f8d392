// The stored text of a window's placement: ten integers, each followed by the delimiter, in the
// order of the window placement record (flags, show state, minimised position, maximised
// position, restored rectangle). Missing or unreadable numbers take their defaults: 1 (normal)
// for the show state, 0 for the rest.
//
//     vz::WindowPlacementRecord p;
//     p.showCmd = vz::ShowMaximized; p.left = 10; p.top = 20; p.right = 650; p.bottom = 500;
//     std::string text = vz::placementToText(p);  // "0 3 0 0 0 0 10 20 650 500 "
//     vz::placementFromText(text) == p;           // true
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vz {

inline constexpr std::string_view PlacementDelimiter = " ";
// How much of the text is kept after each number is taken off its front.
inline constexpr std::size_t MaxPlacementTextLength = 255;

inline constexpr std::int32_t ShowNormal = 1;
inline constexpr std::int32_t ShowMinimized = 2;
inline constexpr std::int32_t ShowMaximized = 3;

struct WindowPlacementRecord {
    std::int32_t flags = 0;
    std::int32_t showCmd = ShowNormal;
    std::int32_t minX = 0;
    std::int32_t minY = 0;
    std::int32_t maxX = 0;
    std::int32_t maxY = 0;
    std::int32_t left = 0; // the restored (normal) rectangle
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowPlacementRecord&) const = default;
};

// Takes the number before the first delimiter off the front of `text` and keeps at most 255
// characters of what follows it. Without a delimiter the whole text is the number and `text`
// stays as it is, so a short text yields its last number again for every later field. A token
// that is not an integer (optional sign, decimal digits or "$" and hexadecimal) gives the default.
std::int32_t NextPlacementNumber(std::string& text, std::int32_t defaultValue,
                                 std::string_view delimiter = PlacementDelimiter);

// `text` followed by the number in decimal and the delimiter.
std::string AppendPlacementNumber(std::string_view text, std::int32_t number,
                                  std::string_view delimiter = PlacementDelimiter);

std::string placementToText(const WindowPlacementRecord& placement,
                            std::string_view delimiter = PlacementDelimiter);
WindowPlacementRecord placementFromText(std::string_view text,
                                        std::string_view delimiter = PlacementDelimiter);

// The placement a stored text holds, when it holds one: exactly ten integers, each followed by
// the delimiter (the last one may lack it). Anything else (fewer or more numbers, a word, an
// empty field) was not written by us and counts as no placement at all, rather than as a
// rectangle pieced together from defaults.
std::optional<WindowPlacementRecord>
storedPlacement(std::string_view text, std::string_view delimiter = PlacementDelimiter);

// A stored placement is applied only when its restored rectangle has a width; an empty or
// absent value reads as all zeros and so leaves the window where it is.
inline bool placementApplies(const WindowPlacementRecord& placement) {
    return placement.right > placement.left;
}

} // namespace vz
