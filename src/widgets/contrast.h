// How well one colour reads on another: the contrast ratio of their relative luminances, from
// 1:1 (the same) to 21:1 (black on white). Text needs at least 4.5:1 to be read comfortably.
//
//     vz::contrastRatio(vz::EsColor::Black, vz::EsColor::White); // 21.0
//     vz::reads(vz::EsColor::Navy, {53, 53, 53});                // false: navy on dark grey
#pragma once

#include "widgets/effectcolor.h"

namespace vz {

inline constexpr double ReadableContrast = 4.5;

// The luminance of an sRGB colour, 0 (black) to 1 (white).
double relativeLuminance(Rgb colour);
double contrastRatio(Rgb a, Rgb b);
inline bool reads(Rgb text, Rgb background) {
    return contrastRatio(text, background) >= ReadableContrast;
}

} // namespace vz
