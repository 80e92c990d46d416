// The drawing surface controls paint on. The SDL backend draws into a software surface; the
// headless game simply never paints. Coordinates are layout pixels of the screen being painted.
#pragma once

#include "gui/Geometry.h"
#include "gui/Picture.h"

#include <cstdint>
#include <string_view>

namespace quorvel {

// The two faces the game writes in: the Ming face of its texts, and the sans face its
// generated pictures (table buttons, panels) are drawn in, for text that sits among them.
enum class Typeface : std::uint8_t { Ming, Sans };

struct FontSpec {
    int sizePx = 12; // [px] character height, as the layouts give it
    bool bold = false;
    Color color = colors::kBlack;
    Typeface face = Typeface::Ming;
};

class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void FillRect(Rect area, Color color) = 0;
    virtual void FrameRect(Rect area, Color color) = 0;
    // Stretches the picture over `dst`, blending by its alpha.
    virtual void DrawPicture(const Picture& picture, Rect dst) = 0;
    // Loads (through the game's picture cache) and draws a picture by its design path.
    virtual void DrawPictureFile(std::string_view designPath, Rect dst) = 0;
    // The same with its corners rounded off at `cornerRadius` [layout px]: what lies outside
    // the rounded edge stays as it was, so the screen shows through the corners.
    virtual void DrawRoundedPictureFile(std::string_view designPath, Rect dst,
                                        int cornerRadius) = 0;
    // Draws UTF-8 text in `box`: word-wrapped and clipped to the box when asked, otherwise one
    // line aligned in the box and allowed to run past its right edge.
    virtual void DrawText(std::string_view text, const FontSpec& font, Rect box, Align align,
                          bool wordWrap) = 0;
    // Height of the lines DrawText would draw for the text in a box `width` wide [layout px].
    virtual int TextHeight(std::string_view text, const FontSpec& font, int width,
                           bool wordWrap) = 0;
    // Draws what follows this much further, a part of a layout pixel each way [layout px]:
    // a control that moves by the output's pixels. (0, 0) draws at the places given again.
    virtual void ShiftDrawing(double /*dx*/, double /*dy*/) {}
};

} // namespace quorvel
