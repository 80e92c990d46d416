// Pictures painted at the size they are shown. The game's pictures are painted by its own
// painters from paths and text; a painter handed to the picture store paints one of them at
// the pixels it covers on the screen, so a scaled screen needs no enlarged copy of a file.
#pragma once

#include "gui/Picture.h"

#include <optional>
#include <string_view>

namespace quorvel {

class PicturePainter {
public:
    virtual ~PicturePainter() = default;
    // Names the painters' work; it changes whenever what they paint may change. The data
    // folder's list of painted files names the painters that drew them.
    virtual std::string_view Identity() const = 0;
    // Whether the painters can paint as the files were painted: the typefaces they write in
    // are installed.
    virtual bool Ready() const = 0;
    // The picture of a design path painted at `width` x `height` [px], in straight alpha;
    // nothing when no painter paints that path or the size is out of bounds.
    virtual std::optional<Picture> Paint(std::string_view designPath, int width, int height) = 0;
    // Gives back what painting keeps between pictures (open faces, glyph caches): called after
    // a frame for which pictures were painted, so that a game not painting holds none of it.
    virtual void Rest() {}
};

} // namespace quorvel
