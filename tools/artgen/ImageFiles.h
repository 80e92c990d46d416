// Writers for the three picture formats of the data folder: GIF (palette from libimagequant,
// optional transparent colour), JPEG (quality 92, no chroma subsampling) and 24-bit BMP.
#pragma once

#include "artwork/Easel.h"

#include <string>

namespace artgen {

using artwork::GifOptions;
using artwork::Surface;

// Each returns an empty string on success, otherwise what went wrong.
std::string WriteGif(const Surface& s, const std::string& file, const GifOptions& options);
std::string WriteJpeg(const Surface& s, const std::string& file, int quality = 92);
std::string WriteBmp(const Surface& s, const std::string& file);

} // namespace artgen
