#include "widgets/stone_texture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

namespace vz {

namespace {

constexpr int N = StoneTextureSize;

// A small fixed generator, so the picture never depends on the standard library's engines.
struct SplitMix {
    std::uint64_t state;
    std::uint64_t next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }
};

// Value noise on a lattice that wraps at the picture's edge, so copies join without a seam.
double wrappedNoise(const std::vector<double>& lattice, int cells, double x, double y) {
    const double fx = x * cells / N, fy = y * cells / N;
    const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
    const double tx = fx - x0, ty = fy - y0;
    auto at = [&](int i, int j) {
        return lattice[static_cast<std::size_t>(((j % cells + cells) % cells) * cells +
                                                (i % cells + cells) % cells)];
    };
    auto smooth = [](double t) {
        return t * t * (3 - 2 * t);
    };
    const double sx = smooth(tx), sy = smooth(ty);
    const double top = at(x0, y0) + (at(x0 + 1, y0) - at(x0, y0)) * sx;
    const double bottom = at(x0, y0 + 1) + (at(x0 + 1, y0 + 1) - at(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

} // namespace

std::vector<std::uint8_t> stoneTexture() {
    SplitMix rng{0x5704E};
    // Octaves of wrapped noise (coarse mottling to fine grain) plus per-pixel speckle.
    constexpr std::array<int, 4> Cells = {5, 10, 25, 50};
    constexpr std::array<double, 4> Weights = {0.34, 0.26, 0.22, 0.18};
    std::array<std::vector<double>, 4> lattices;
    for (std::size_t o = 0; o < Cells.size(); ++o) {
        lattices[o].resize(static_cast<std::size_t>(Cells[o] * Cells[o]));
        for (double& v : lattices[o])
            v = rng.unit();
    }
    std::vector<double> field(static_cast<std::size_t>(N * N));
    for (int y = 0; y < N; ++y)
        for (int x = 0; x < N; ++x) {
            double v = 0;
            for (std::size_t o = 0; o < Cells.size(); ++o)
                v += Weights[o] * wrappedNoise(lattices[o], Cells[o], x, y);
            field[static_cast<std::size_t>(y * N + x)] = v + 0.16 * (rng.unit() - 0.5);
        }
    // Stretch the field onto the grey levels 172..255 around a mean of about 209.
    const auto [lo, hi] = std::minmax_element(field.begin(), field.end());
    double mean = 0;
    for (double v : field)
        mean += (v - *lo) / (*hi - *lo);
    mean /= static_cast<double>(field.size());
    // A power curve moves the mean of the unit range to 37/83 (209 on 172..255).
    const double gamma = std::log(37.0 / 83.0) / std::log(mean);
    std::vector<std::uint8_t> grey(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        const double unit = std::pow((field[i] - *lo) / (*hi - *lo), gamma);
        grey[i] = static_cast<std::uint8_t>(std::lround(172 + 83 * std::clamp(unit, 0.0, 1.0)));
    }
    return grey;
}

} // namespace vz
