// The display's background picture: a seamless, light-grey stone texture made by code, so the
// program ships no image. Grey levels 172 to 255, about 209 on average.
//
//     std::vector<std::uint8_t> grey = vz::stoneTexture(); // 150 x 150, row by row
#pragma once

#include <cstdint>
#include <vector>

namespace vz {

constexpr int StoneTextureSize = 150;

// Deterministic: the same picture on every run and machine.
std::vector<std::uint8_t> stoneTexture();

} // namespace vz
