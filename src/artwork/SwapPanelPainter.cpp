// The card-swap panel of the tables in their own art: a dark plate with a gold frame like the
// unseen-card panel and the banner, and the plates the panel's OK and target buttons are drawn
// on, at rest and pressed. The buttons' captions are written over the plates by the game.
#include "artwork/Painters.h"

#include <string>

namespace artwork {
namespace {

// The panel: navy to night blue, a gold frame and a fine inner line. The matte is the felt's.
void PanelPlate(Easel& out, const std::string& path, int w, int h) {
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, w, h));
    cairo_t* cr = s.cr();
    RoundRect(cr, 1, 1, w - 2, h - 2, 7);
    VerticalGradient(cr, 0, h, Hex(0x1d3c58), Hex(0x0b1a2a));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xe2b84a));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    RoundRect(cr, 4.5, 4.5, w - 9, h - 9, 4);
    SetColor(cr, Hex(0xe2b84a, 0.35));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    out.Picture(path, s, ShapedGif(Hex(0x1d4a2a), 0.3));
}

// A button plate in the red of the table buttons; pressed, darker and without the gloss.
void ButtonPlate(Easel& out, const std::string& path, int w, int h, bool pressed) {
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, w, h));
    cairo_t* cr = s.cr();
    RoundRect(cr, 0.75, 0.75, w - 1.5, h - 1.5, 5);
    VerticalGradient(cr, 0, h, pressed ? Hex(0x5c0c18) : Hex(0x9a2434),
                     pressed ? Hex(0x3a060e) : Hex(0x540c16));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xd9ab45));
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    if (!pressed) {
        RoundRect(cr, 2.5, 2, w - 5, (h - 3) * 0.45, 4);
        SetColor(cr, Hex(0xffffff, 0.16));
        cairo_fill(cr);
    }
    out.Picture(path, s, ShapedGif(Hex(0x1d3c58), 0.3));
}

} // namespace

void PaintSwapPanel(Easel& out) {
    const std::string d = "picture\\design\\";
    PanelPlate(out, d + "swap.gif", 150, 52);
    PanelPlate(out, d + "swap1.gif", 192, 34);
    PanelPlate(out, d + "swap3.gif", 180, 58);
    for (bool pressed : {false, true}) {
        const std::string look = pressed ? "-" : "";
        ButtonPlate(out, d + "swapok" + look + ".gif", 64, 22, pressed);
        ButtonPlate(out, d + "swaptarget" + look + ".gif", 168, 24, pressed);
    }
}

} // namespace artwork
