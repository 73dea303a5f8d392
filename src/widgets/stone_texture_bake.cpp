// Writes the stone texture's grey levels as C array elements, so the program carries the
// finished picture and does not compute it at every start.
#include "widgets/stone_texture.h"

#include <cstdio>

int main() {
    const std::vector<std::uint8_t> grey = vz::stoneTexture();
    for (std::size_t i = 0; i < grey.size(); ++i)
        std::printf("%u,%c", static_cast<unsigned>(grey[i]), (i + 1) % 25 == 0 ? '\n' : ' ');
    return std::ferror(stdout) ? 1 : 0;
}
