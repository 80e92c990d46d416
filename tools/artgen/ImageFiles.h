// Writers for the three picture formats of the data folder: GIF (palette from libimagequant,
// optional transparent colour), JPEG (quality 92, no chroma subsampling) and 24-bit BMP.
#pragma once

#include "Art.h"

#include <string>

namespace artgen {

struct GifOptions {
    bool transparent = false;  // pixels below half opacity become the transparent colour
    Rgb matte = Hex(0x1f4d2c); // what half-transparent edges are blended onto first
    double dither = 0.8;       // [0-1]
};

// Options for a picture with a shape: transparent outside it, edges blended onto `matte`.
inline GifOptions ShapedGif(Rgb matte, double dither) {
    GifOptions g;
    g.transparent = true;
    g.matte = matte;
    g.dither = dither;
    return g;
}

// Each returns an empty string on success, otherwise what went wrong.
std::string WriteGif(const Surface& s, const std::string& file, const GifOptions& options);
std::string WriteJpeg(const Surface& s, const std::string& file, int quality = 92);
std::string WriteBmp(const Surface& s, const std::string& file);

} // namespace artgen
