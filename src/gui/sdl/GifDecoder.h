// GIF decoding with giflib. The records are read one by one up to the first image, so its
// size is checked before any pixel buffer is made: giflib's own whole-file reader reserves
// the image's size as its header claims, gigabytes for a damaged one.
#pragma once

#include "gui/Picture.h"
#include "gui/PictureSource.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace quorvel {

// The first image of the file on its logical screen; its transparent colour, and whatever it
// does not cover, become alpha 0.
std::shared_ptr<Picture> DecodeGif(std::span<const std::uint8_t> bytes, std::string& error);
// The size DecodeGif would give, from the records before the first image's pixels.
// `truncated` is set when the bytes ended before that.
std::optional<PictureSize> ProbeGif(std::span<const std::uint8_t> bytes, std::string& error,
                                    bool& truncated);

} // namespace quorvel
