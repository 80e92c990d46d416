// A decoded picture: straight (non-premultiplied) RGBA pixels, row by row. Fully transparent
// pixels come from a GIF's transparent colour.
#pragma once

#include <cstdint>
#include <vector>

namespace quorvel {

// No picture of the game is larger than this a side [px]. Its pictures are at most 800 x 600;
// a damaged header must not make the game allocate and draw gigabytes, so the limit leaves
// room for finer artwork and no more.
inline constexpr int kMaxPictureSide = 4096;

inline bool PictureSizeFits(long width, long height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide;
}

struct Picture {
    int width = 0;
    int height = 0;
    // One 0xAARRGGBB value per pixel, width * height of them.
    std::vector<std::uint32_t> pixels;

    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

} // namespace quorvel
