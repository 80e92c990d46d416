// The lossless pixel code of the painted-picture cache: each pixel is written as a run of the
// one before, a look-up in a small table of recent pixels, a small or medium difference from
// the one before, or in full. Painted pictures (flat areas, gradients, fine texture) shrink to
// a third or less of their raw bytes and decode at memory speed. Decoding trusts nothing: any
// code that does not give exactly the pixels asked for is refused.
#pragma once

#include "gui/Picture.h"

#include <cstdint>
#include <span>
#include <vector>

namespace quorvel {

std::vector<std::uint8_t> EncodePixels(const Picture& picture);
// The pixels of a `width` x `height` picture from `code`; false when the code is damaged,
// short, too long, or the size is out of bounds.
bool DecodePixels(std::span<const std::uint8_t> code, int width, int height, Picture& out);

} // namespace quorvel
