// The seat-count screen's choices: round medallions with an emblem and a short label in their
// resting and highlighted looks, the caption plates shown while one is hovered, and the
// description bubbles.
#include "artwork/Captions.h"
#include "artwork/Painters.h"
#include "ui/AssetCatalog.h"

#include <cmath>
#include <string>

namespace artwork {
namespace {

using quorvel::AssetCatalog;
using quorvel::AssetEntry;
using quorvel::AssetLook;

GifOptions Shaped(Rgb matte) {
    return ShapedGif(matte, 0.3);
}

// The seat-count choices: round medallions with an emblem and a short label.
void Medallion(Easel& out, const AssetEntry& e, const char* emblem, const char* label) {
    const bool lit = e.look == AssetLook::Highlighted;
    if (!out.Wants(e.path))
        return;
    Surface s(out.SizeFor(e.path, e.width, e.height));
    cairo_t* cr = s.cr();
    const double c = e.width / 2.0, r = c - 3;
    if (lit) {
        RadialGlow(cr, c, c, c, Hex(0xfff0a0, 0.9), Hex(0xffd040, 0.0));
        cairo_paint(cr);
    }
    cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    RadialGlow(cr, c - r / 3, c - r / 3, r * 1.6, lit ? Hex(0xd8323a) : Hex(0x6a2a30),
               lit ? Hex(0x6a0a10) : Hex(0x2a0c10));
    cairo_fill_preserve(cr);
    SetColor(cr, lit ? Hex(0xffe27a) : Hex(0x9a7a3a));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
    cairo_arc(cr, c, c, r - 6, 0, 2 * M_PI);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    TextStyle big;
    big.size = e.width * 0.27;
    big.color = lit ? Hex(0xfff2b0) : Hex(0xb8a070);
    big.outline = Hex(0x2a0006);
    big.outlineWidth = 1.5;
    DrawTextCentred(cr, emblem, big, c, c - 6);
    TextStyle small;
    small.size = e.width * 0.12;
    small.color = lit ? Hex(0xffffff) : Hex(0xa89880);
    DrawTextCentred(cr, label, small, c, c + r * 0.52);
    out.Picture(e.path, s, Shaped(Hex(0x3a1020)));
}

void Plates(Easel& out) {
    for (const ButtonCaption& p : CaptionPlates()) {
        if (!out.Wants(p.path))
            continue;
        Surface s(out.SizeFor(p.path, 128, 34));
        cairo_t* cr = s.cr();
        RoundRect(cr, 1, 1, 126, 32, 16);
        VerticalGradient(cr, 1, 33, Hex(0xfff0b0), Hex(0xd49a2a));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0x7a4a10));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        TextStyle style;
        style.size = 18;
        style.color = Hex(0x7a0c14);
        DrawTextCentred(cr, p.caption, style, 64, 17);
        out.Picture(p.path, s, Shaped(Hex(0x3a1020)));
    }
}

void Bubbles(Easel& out) {
    for (const Bubble& b : SeatCountBubbles()) {
        if (!out.Wants(b.path))
            continue;
        Surface s(out.SizeFor(b.path, 267, 238));
        cairo_t* cr = s.cr();
        // cloud-like bubble with its tail towards the choices on the right
        RoundRect(cr, 6, 6, 236, 200, 30);
        cairo_move_to(cr, 200, 150);
        cairo_line_to(cr, 264, 226);
        cairo_line_to(cr, 170, 190);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xfffbea));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0xc9962e));
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        RoundRect(cr, 6, 6, 236, 200, 30);
        SetColor(cr, Hex(0xfffbea));
        cairo_fill(cr);
        TextStyle title;
        title.size = 24;
        title.color = Hex(0xb0121e);
        DrawText(cr, b.title, title, 6, 24, 236);
        cairo_move_to(cr, 40, 62);
        cairo_line_to(cr, 208, 62);
        SetColor(cr, Hex(0xe0b050));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
        TextStyle text;
        text.size = 17;
        text.bold = false;
        text.color = Hex(0x3a2a1a);
        text.lineSpacing = 1.25;
        DrawText(cr, b.text, text, 28, 74, 192, Align::Left, true);
        out.Picture(b.path, s, Shaped(Hex(0x20304a)));
    }
}

} // namespace

void PaintSeatCountChoices(Easel& out) {
    struct Choice {
        int number;
        const char *emblem, *label;
    };
    const Choice choices[] = {{1, "1對1", "單挑"},
                              {2, "3對1", "多人同桌"},
                              {4, "新手", "入門教學"},
                              {5, "技巧", "玩法技巧"}};
    for (const Choice& c : choices) {
        const std::string stem = "picture\\gif\\df1-" + std::to_string(c.number);
        Medallion(out, *AssetCatalog::Find(stem + ".gif"), c.emblem, c.label);
        Medallion(out, *AssetCatalog::Find(stem + "-.gif"), c.emblem, c.label);
    }
    Plates(out);
    Bubbles(out);
}

} // namespace artwork
