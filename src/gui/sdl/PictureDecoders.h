// Decoders for the game's picture files: JPEG (libjpeg), GIF (giflib) and BMP (SDL), chosen
// by the file's first bytes. Each returns straight RGBA pixels or says why it could not.
#pragma once

#include "gui/Picture.h"
#include "gui/PictureSource.h"
#include "gui/sdl/GifDecoder.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace quorvel {

std::shared_ptr<Picture> DecodeJpeg(std::span<const std::uint8_t> bytes, std::string& error);
std::shared_ptr<Picture> DecodeBmp(std::span<const std::uint8_t> bytes, std::string& error);
// The size the decoder would give, read from the header alone; `bytes` may be the start of
// the file. Nothing, with `error`, for a header that is damaged, too large or not all there
// (`truncated` set then, when more bytes might help).
std::optional<PictureSize> ProbePicture(std::span<const std::uint8_t> bytes, std::string& error,
                                        bool& truncated);
// Picks the decoder from the file content.
std::shared_ptr<Picture> DecodePicture(std::span<const std::uint8_t> bytes, std::string& error);

} // namespace quorvel
