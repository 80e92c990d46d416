// A decoded picture: straight (non-premultiplied) RGBA pixels, row by row. Fully transparent
// pixels come from a GIF's transparent colour.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

struct Picture {
    int width = 0;
    int height = 0;
    // One 0xAARRGGBB value per pixel, width * height of them.
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

} // namespace quorvel
