// What the painters paint for. The generator's data folder wants every picture at its catalogue
// size; the game wants one picture at the pixels it covers on the screen. A painter asks
// whether a picture is wanted before painting it, paints it on a surface the easel sizes, and
// hands it over with the way its file is written.
#pragma once

#include "artwork/Art.h"

#include <string_view>

namespace artwork {

// How a picture's GIF file is written; other formats ignore it.
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

class Easel {
public:
    virtual ~Easel() = default;
    // Whether the picture of this design path is wanted; painters skip the others unpainted.
    virtual bool Wants(std::string_view designPath) const = 0;
    // The surface for a picture laid out `width` x `height` [layout px]: how many pixels it is
    // painted on.
    virtual SurfaceSize SizeFor(std::string_view designPath, int width, int height) = 0;
    // A painted picture. Pictures not wanted are ignored.
    virtual void Picture(std::string_view designPath, const Surface& s,
                         const GifOptions& gif = {}) = 0;
};

} // namespace artwork
