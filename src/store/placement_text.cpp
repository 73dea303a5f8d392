#include "store/placement_text.h"

#include "store/integer_text.h"
#include "store/text_encoding.h"

#include <array>

namespace vz {

namespace {

using Field = std::int32_t WindowPlacementRecord::*;
constexpr std::array<Field, 10> FieldOrder = {
    &WindowPlacementRecord::flags, &WindowPlacementRecord::showCmd, &WindowPlacementRecord::minX,
    &WindowPlacementRecord::minY,  &WindowPlacementRecord::maxX,    &WindowPlacementRecord::maxY,
    &WindowPlacementRecord::left,  &WindowPlacementRecord::top,     &WindowPlacementRecord::right,
    &WindowPlacementRecord::bottom};

} // namespace

std::int32_t NextPlacementNumber(std::string& text, std::int32_t defaultValue,
                                 std::string_view delimiter) {
    const auto at = delimiter.empty() ? std::string::npos : text.find(delimiter);
    if (at == std::string::npos)
        return integerTextOr(text, defaultValue);
    const std::int32_t number = integerTextOr(std::string_view(text).substr(0, at), defaultValue);
    text = std::string(
        utf8Prefix(std::string_view(text).substr(at + delimiter.size()), MaxPlacementTextLength));
    return number;
}

std::string AppendPlacementNumber(std::string_view text, std::int32_t number,
                                  std::string_view delimiter) {
    std::string result(text);
    result += std::to_string(number);
    result += delimiter;
    return result;
}

std::string placementToText(const WindowPlacementRecord& placement, std::string_view delimiter) {
    std::string text;
    for (const Field field : FieldOrder)
        text = AppendPlacementNumber(text, placement.*field, delimiter);
    return text;
}

WindowPlacementRecord placementFromText(std::string_view text, std::string_view delimiter) {
    const WindowPlacementRecord defaults;
    WindowPlacementRecord placement;
    std::string rest(text);
    for (const Field field : FieldOrder)
        placement.*field = NextPlacementNumber(rest, defaults.*field, delimiter);
    return placement;
}

std::optional<WindowPlacementRecord> storedPlacement(std::string_view text,
                                                     std::string_view delimiter) {
    if (delimiter.empty())
        return std::nullopt;
    WindowPlacementRecord placement;
    for (const Field field : FieldOrder) {
        if (text.empty())
            return std::nullopt;
        const auto at = text.find(delimiter);
        const std::optional<std::int32_t> number = parseIntegerText(text.substr(0, at));
        if (!number)
            return std::nullopt;
        placement.*field = *number;
        text =
            at == std::string_view::npos ? std::string_view() : text.substr(at + delimiter.size());
    }
    if (!text.empty())
        return std::nullopt;
    return placement;
}

} // namespace vz
