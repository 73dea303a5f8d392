// Plain RGB colours of the drawn effects (gradient, shaded text, marquee) and the one colour-step
// rule they share: a component moves from one colour toward another in rounded equal steps,
// halves going to the even neighbour.
//
//     vz::Rgb mid = vz::stepColor(vz::EsColor::Black, vz::EsColor::White, 1, 2); // (128, 128, 128)
#pragma once

#include <cstdint>

namespace vz {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace EsColor {
constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb Grey{128, 128, 128};
constexpr Rgb Silver{192, 192, 192};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb Yellow{255, 255, 0};
constexpr Rgb Olive{128, 128, 0};
constexpr Rgb Aqua{0, 255, 255};
constexpr Rgb Navy{0, 0, 128};
constexpr Rgb Teal{0, 128, 128};
} // namespace EsColor

// x rounded to the nearest integer, halves to the even neighbour (2.5 -> 2, 3.5 -> 4), independent
// of the floating-point environment's rounding mode.
long long roundHalfEven(double x);

// Colour i of a run that reaches `to` after `steps` steps: per component
// from + rnd(i * ((to - from) / steps)). steps <= 0 gives `from`.
Rgb stepColor(Rgb from, Rgb to, int i, int steps);

} // namespace vz
