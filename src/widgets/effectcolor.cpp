#include "widgets/effectcolor.h"

#include <algorithm>
#include <cmath>

namespace vz {

long long roundHalfEven(double x) {
    const double down = std::floor(x);
    const double fraction = x - down;
    auto whole = static_cast<long long>(down);
    if (fraction > 0.5 || (fraction == 0.5 && whole % 2 != 0))
        ++whole;
    return whole;
}

namespace {

std::uint8_t stepComponent(std::uint8_t from, std::uint8_t to, int i, int steps) {
    // The step is taken as a floating-point value first, then multiplied: the rounding of halves
    // depends on that order.
    const double step = (static_cast<double>(to) - from) / steps;
    const long long value = from + roundHalfEven(i * step);
    return static_cast<std::uint8_t>(std::clamp(value, 0LL, 255LL));
}

} // namespace

Rgb stepColor(Rgb from, Rgb to, int i, int steps) {
    if (steps <= 0)
        return from;
    return {stepComponent(from.r, to.r, i, steps), stepComponent(from.g, to.g, i, steps),
            stepComponent(from.b, to.b, i, steps)};
}

} // namespace vz
