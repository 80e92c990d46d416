// Buttons: the table buttons and chips, the treasure chest, the main-menu, dialog and small
// buttons. Every button is drawn in its resting and its highlighted look, as the catalogue
// pairs them; the seat-count choices are in SeatCountPainter.cpp.
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

struct Look {
    Rgb top, bottom, border, text, outline;
    double radius, fontSize;
    bool glow;
};

Look LookFor(ButtonKind kind, bool lit, bool disabledWhenResting) {
    switch (kind) {
    case ButtonKind::Table:
        return lit ? Look{Hex(0xffe08a),
                          Hex(0xc08a1c),
                          Hex(0xfff4c8),
                          Hex(0x5a0c14),
                          Hex(0, 0),
                          6,
                          15,
                          false}
                   : Look{Hex(0x8e2030),
                          Hex(0x4c0a14),
                          Hex(0xd9ab45),
                          Hex(0xfff0c8),
                          Hex(0x2a0008, 0.9),
                          6,
                          15,
                          false};
    case ButtonKind::Chest:
        return lit ? Look{Hex(0xffe38a), Hex(0xc8901e), Hex(0xffffff), Hex(0x5a0c14), Hex(0, 0), 5,
                          11.5,          false}
                   : Look{Hex(0x2b8aa8),
                          Hex(0x0e4558),
                          Hex(0xe6c15a),
                          Hex(0xffffff),
                          Hex(0x05202a, 0.9),
                          5,
                          11.5,
                          false};
    case ButtonKind::Menu:
        return lit ? Look{Hex(0xe8462e),
                          Hex(0x8c1018),
                          Hex(0xffe9a0),
                          Hex(0xffffff),
                          Hex(0x7a3a00),
                          14,
                          27,
                          true}
                   : Look{Hex(0x8c1c24),
                          Hex(0x4e0810),
                          Hex(0xc99a3a),
                          Hex(0xf6d77a),
                          Hex(0x2a0006),
                          14,
                          27,
                          false};
    case ButtonKind::Banker:
        return lit ? Look{Hex(0xffd75e),
                          Hex(0xc78512),
                          Hex(0xfff6d0),
                          Hex(0x6a1010),
                          Hex(0xfff2c0),
                          12,
                          21,
                          true}
                   : Look{Hex(0x2a4f9a),
                          Hex(0x12275a),
                          Hex(0xc99a3a),
                          Hex(0xf6e7b0),
                          Hex(0x060f2a),
                          12,
                          21,
                          false};
    case ButtonKind::Dialog:
        if (lit) {
            return Look{
                Hex(0x3fae4a), Hex(0x17601f), Hex(0xffe38a), Hex(0xfffbe0), Hex(0x0b3210), 10, 20,
                true};
        }
        return disabledWhenResting ? Look{Hex(0x8a8a86),
                                          Hex(0x50504c),
                                          Hex(0xa8a8a0),
                                          Hex(0xd8d8d0),
                                          Hex(0x303030),
                                          10,
                                          20,
                                          false}
                                   : Look{Hex(0x2a4f9a),
                                          Hex(0x12275a),
                                          Hex(0xc99a3a),
                                          Hex(0xf6e7b0),
                                          Hex(0x060f2a),
                                          10,
                                          20,
                                          false};
    case ButtonKind::Small:
        if (lit) // the speed choice in use: a gold plate
            return Look{
                Hex(0xffe08a), Hex(0xd49a2a), Hex(0xfff6d0), Hex(0x4a1a06), Hex(0, 0), 7, 16,
                false};
        return Look{
            Hex(0x7a4a24), Hex(0x3e2210), Hex(0xd9ab45), Hex(0xfff0c8), Hex(0x1e0e04), 7, 16,
            false};
    }
    return {};
}

// Where a button's plate lies in its picture [px].
struct Area {
    double x, y, w, h;
};

// The selection screens' choose-again and OK buttons have pictures of different sizes; both
// draw the same plate, centred across the picture and at the same height from its top, so
// the pair looks matched and sits clear of what is drawn above it.
constexpr double kPairPlateWidth = 98, kPairPlateHeight = 44, kPairPlateTop = 6; // [px]
constexpr double kPairFontSize = 18;                                             // [px]

void DrawButton(Surface& s, const char* caption, const Look& look, bool pressed, Area area) {
    cairo_t* cr = s.cr();
    cairo_save(cr);
    cairo_translate(cr, area.x, area.y);
    const double w = area.w, h = area.h, inset = look.glow ? 3 : 0.5;
    const double shift = pressed ? 1 : 0;
    if (look.glow) {
        for (int i = 3; i >= 1; --i) {
            RoundRect(cr, inset - i, inset - i, w - 2 * inset + 2 * i, h - 2 * inset + 2 * i,
                      look.radius + i);
            SetColor(cr, Mix(look.border, Hex(0xffffff), 0.3));
            cairo_get_source(cr);
            cairo_set_source_rgba(cr, look.border.r, look.border.g, look.border.b, 0.28);
            cairo_fill(cr);
        }
    }
    RoundRect(cr, inset, inset, w - 2 * inset, h - 2 * inset, look.radius);
    VerticalGradient(cr, inset, h - inset, look.top, look.bottom);
    cairo_fill_preserve(cr);
    SetColor(cr, look.border);
    cairo_set_line_width(cr, h < 30 ? 1.2 : 2);
    cairo_stroke(cr);
    if (h >= 30) { // inner fine line and a gloss on the upper half
        RoundRect(cr, inset + 3.5, inset + 3.5, w - 2 * inset - 7, h - 2 * inset - 7,
                  look.radius - 3);
        cairo_set_source_rgba(cr, look.border.r, look.border.g, look.border.b, 0.55);
        cairo_set_line_width(cr, 0.8);
        cairo_stroke(cr);
    }
    RoundRect(cr, inset + 2, inset + 1.5, w - 2 * inset - 4, (h - 2 * inset) * 0.45,
              look.radius - 1);
    cairo_set_source_rgba(cr, 1, 1, 1, pressed ? 0.10 : 0.18);
    cairo_fill(cr);
    TextStyle style;
    style.size = look.fontSize;
    style.color = look.text;
    if (look.outline.a > 0) {
        style.outline = look.outline;
        style.outlineWidth = look.fontSize > 18 ? 1.6 : 0.9;
    }
    DrawTextCentred(cr, caption, style, w / 2 + shift, h / 2 + shift);
    cairo_restore(cr);
}

void Buttons(Easel& out, bool table) {
    for (const ButtonCaption& b : ButtonCaptions()) {
        const bool isTable = b.kind == ButtonKind::Table || b.kind == ButtonKind::Chest;
        if (isTable != table) {
            continue;
        }
        const AssetEntry* entry = AssetCatalog::Find(b.path);
        if (!entry) {
            continue;
        }
        const std::string path = entry->path;
        // The selection screens' pair: resting looks disabled, one plate size for both.
        const bool pair =
            path.find("Cx1") != std::string::npos || path.find("Qd1") != std::string::npos;
        std::vector<const AssetEntry*> files = {entry};
        if (!entry->partner.empty()) {
            files.push_back(AssetCatalog::Find(entry->partner));
        }
        for (const AssetEntry* e : files) {
            const bool lit = e->look == AssetLook::Highlighted;
            if (!out.Wants(e->path))
                continue;
            Surface s(out.SizeFor(e->path, e->width, e->height));
            const double w = e->width, h = e->height;
            const Area area = pair ? Area{(w - kPairPlateWidth) / 2, kPairPlateTop, kPairPlateWidth,
                                          kPairPlateHeight}
                                   : Area{0, 0, w, h};
            Look look = LookFor(b.kind, lit, pair);
            if (pair)
                look.fontSize = kPairFontSize;
            DrawButton(s, b.caption, look, lit && table, area);
            out.Picture(e->path, s, Shaped(table ? Hex(0x1d4a2a) : Hex(0x202040)));
        }
    }
}

void Chip(Easel& out, int index, bool pressed) {
    const Rgb colors[] = {Hex(0x1f5fbf), Hex(0xc0222e), Hex(0x1e1e1e)};
    const char* values[] = {"1000", "5000", "10000"};
    const std::string path =
        "picture\\gif\\money" + std::to_string(index + 1) + (pressed ? "-.gif" : ".gif");
    if (!out.Wants(path))
        return;
    // Drawn on a 64 px grid and scaled to the chip's size, which fits between the chip row and
    // the money row of the one-on-one table.
    constexpr int kChipPx = 42;
    Surface s(out.SizeFor(path, kChipPx, kChipPx));
    cairo_t* cr = s.cr();
    cairo_scale(cr, kChipPx / 64.0, kChipPx / 64.0);
    const double c = pressed ? 32.5 : 32, r = 29;
    if (pressed) {
        cairo_arc(cr, c, c, 31.5, 0, 2 * M_PI);
        SetColor(cr, Hex(0xffe27a));
        cairo_fill(cr);
    } else {
        cairo_arc(cr, c + 1.5, c + 1.5, r, 0, 2 * M_PI);
        SetColor(cr, Hex(0x000000, 0.45));
        cairo_fill(cr);
    }
    const Rgb body = pressed ? Lighter(colors[index], 0.15) : colors[index];
    cairo_arc(cr, c, c, r, 0, 2 * M_PI);
    SetColor(cr, body);
    cairo_fill(cr);
    for (int k = 0; k < 8; ++k) { // edge inserts
        const double a = k * M_PI / 4;
        cairo_arc(cr, c, c, r, a - 0.17, a + 0.17);
        cairo_arc_negative(cr, c, c, r - 5, a + 0.17, a - 0.17);
        cairo_close_path(cr);
    }
    SetColor(cr, Hex(0xf4f0e6));
    cairo_fill(cr);
    cairo_arc(cr, c, c, r - 6.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0xf4f0e6));
    cairo_set_line_width(cr, 1.2);
    cairo_set_dash(cr, (const double[]){3, 2}, 2, 0);
    cairo_stroke(cr);
    cairo_set_dash(cr, nullptr, 0, 0);
    cairo_arc(cr, c, c, r - 8.5, 0, 2 * M_PI);
    SetColor(cr, Hex(0xfbf8ef));
    cairo_fill(cr);
    TextStyle style;
    style.size = index == 2 ? 13.5 : 15;
    style.color = colors[index];
    style.letterSpacing = -0.5;
    DrawTextCentred(cr, values[index], style, c, c);
    out.Picture(path, s, Shaped(Hex(0x1d4a2a)));
}

void Chest(Easel& out, bool open) {
    const char* path = open ? "picture\\gif\\bw100.gif" : "picture\\gif\\bw001.gif";
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, 90, 40));
    cairo_t* cr = s.cr();
    const Rgb wood = Hex(0x7b4420), dark = Hex(0x4a260f), gold = Hex(0xe6b83c);
    if (open) { // raised lid seen from the front, glow and coins inside
        RoundRect(cr, 6, 0, 78, 14, 5);
        SetColor(cr, dark);
        cairo_fill(cr);
        RadialGlow(cr, 45, 16, 40, Hex(0xfff3a0, 0.95), Hex(0xffc400, 0.0));
        cairo_rectangle(cr, 0, 0, 90, 24);
        cairo_fill(cr);
        for (int k = 0; k < 7; ++k) {
            cairo_save(cr);
            cairo_translate(cr, 16 + k * 9.5, 14 + (k % 2) * 2);
            cairo_scale(cr, 1, 0.55);
            cairo_arc(cr, 0, 0, 5, 0, 2 * M_PI);
            cairo_restore(cr);
            SetColor(cr, Hex(0xffd34a));
            cairo_fill_preserve(cr);
            SetColor(cr, Hex(0xa8740e));
            cairo_set_line_width(cr, 0.8);
            cairo_stroke(cr);
        }
    } else { // rounded lid
        cairo_move_to(cr, 3, 18);
        cairo_curve_to(cr, 3, 2, 87, 2, 87, 18);
        cairo_close_path(cr);
        VerticalGradient(cr, 2, 18, Lighter(wood, 0.2), wood);
        cairo_fill(cr);
        cairo_move_to(cr, 3, 18);
        cairo_curve_to(cr, 3, 2, 87, 2, 87, 18);
        SetColor(cr, gold);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // body
    cairo_rectangle(cr, 3, 18, 84, 21);
    VerticalGradient(cr, 18, 39, wood, dark);
    cairo_fill(cr);
    SetColor(cr, gold);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 3.75, 18.75, 82.5, 19.5);
    cairo_stroke(cr);
    cairo_rectangle(cr, 3, 17, 84, 3);
    cairo_fill(cr);
    for (double x : {14.0, 76.0}) { // bands
        cairo_rectangle(cr, x - 2, open ? 17 : 6, 4, open ? 22 : 33);
        cairo_fill(cr);
    }
    // lock plate
    RoundRect(cr, 40, 14, 10, 9, 2);
    SetColor(cr, Hex(0xf7d560));
    cairo_fill(cr);
    cairo_arc(cr, 45, 18, 1.4, 0, 2 * M_PI);
    SetColor(cr, dark);
    cairo_fill(cr);
    out.Picture(path, s, Shaped(Hex(0x1d4a2a)));
}

} // namespace

void PaintTableButtons(Easel& out) {
    Buttons(out, true);
    for (int i = 0; i < 3; ++i) {
        Chip(out, i, false);
        Chip(out, i, true);
    }
    Chest(out, false);
    Chest(out, true);
}

void PaintFrontButtons(Easel& out) {
    Buttons(out, false);
    PaintSeatCountChoices(out);
}

} // namespace artwork
