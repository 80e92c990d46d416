// Every picture of the nine characters: profile, name plate (resting and lit), full-length
// figure (dim and lit), one-seat portrait and three-seat portrait, all from one drawing so a
// character looks the same everywhere.
#include "artwork/CharacterPainter.h"
#include "artwork/Painters.h"
#include "ui/AssetCatalog.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace artwork {
namespace {

using quorvel::AssetCatalog;
using quorvel::AssetEntry;

std::string Name(const char* format, int n) {
    char text[64];
    std::snprintf(text, sizeof text, format, n);
    return text;
}

GifOptions Shaped(Rgb matte) {
    return ShapedGif(matte, 0.4);
}

// Head and shoulders with the head's centre at (cx, cy) and head radius r [px].
void Bust(cairo_t* cr, const Character& c, double cx, double cy, double r) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, r, r);
    DrawCharacter(cr, c, r, false);
    cairo_restore(cr);
}

void Backdrop(cairo_t* cr, const Character& c, double w, double h) {
    const Rgb theme = Hex(c.theme);
    RadialGlow(cr, w / 2, h * 0.35, h * 0.9, Lighter(theme, 0.55), Darker(theme, 0.35));
    cairo_paint(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.12);
    for (int i = 0; i < 12; ++i) { // soft rays
        cairo_move_to(cr, w / 2, h * 0.35);
        cairo_arc(cr, w / 2, h * 0.35, h * 1.5, i * M_PI / 6, i * M_PI / 6 + M_PI / 14);
        cairo_close_path(cr);
    }
    cairo_fill(cr);
}

void Portrait(Easel& out, const Character& c, const std::string& path, int w, int h) {
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, w, h));
    cairo_t* cr = s.cr();
    Backdrop(cr, c, w, h);
    const double r = h * 0.24;
    Bust(cr, c, w / 2.0, h * 0.42, r);
    // gold frame
    cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
    SetColor(cr, Hex(0xe2b84a));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, 4.5, 4.5, w - 9, h - 9);
    SetColor(cr, Hex(0x7a5a1a, 0.8));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    GifOptions g;
    g.dither = 0.5;
    out.Picture(path, s, g);
}

void Plate(Easel& out, const Character& c, const AssetEntry& e) {
    const bool lit = e.look == quorvel::AssetLook::Highlighted;
    if (!out.Wants(e.path))
        return;
    Surface s(out.SizeFor(e.path, e.width, e.height));
    cairo_t* cr = s.cr();
    const double w = e.width, h = e.height;
    RoundRect(cr, 1, 1, w - 2, h - 2, h / 2 - 1);
    if (lit) {
        VerticalGradient(cr, 1, h - 1, Hex(0xfff0a8), Hex(0xe0a42a));
    } else {
        VerticalGradient(cr, 1, h - 1, Hex(0x4a3a5a), Hex(0x241a30));
    }
    cairo_fill_preserve(cr);
    SetColor(cr, lit ? Hex(0xffffff) : Hex(0xb8943a));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // portrait medallion
    const double m = h / 2, mr = h / 2 - 4;
    cairo_save(cr);
    cairo_arc(cr, m + 2, m, mr, 0, 2 * M_PI);
    cairo_clip(cr);
    Backdrop(cr, c, 2 * m + 4, h);
    Bust(cr, c, m + 2, m - 1, mr * 0.62);
    cairo_restore(cr);
    cairo_arc(cr, m + 2, m, mr, 0, 2 * M_PI);
    SetColor(cr, lit ? Hex(0x8a1a1a) : Hex(0xb8943a));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle name;
    name.size = 22;
    name.color = lit ? Hex(0x8a0c14) : Hex(0xf0e2c0);
    DrawTextCentred(cr, c.name, name, (2 * m + 4 + w) / 2, h / 2);
    out.Picture(e.path, s, Shaped(Hex(0x2a1a3a)));
}

// A full-length figure standing on its row's floor line on the stage, lit by a pool of light
// at its own feet, or dim in the shadows.
void Figure(Easel& out, const Character& c, const AssetEntry& e, const StagePlace& place) {
    const bool lit = e.look == quorvel::AssetLook::Highlighted;
    if (!out.Wants(e.path))
        return;
    Surface s(out.SizeFor(e.path, e.width, e.height));
    cairo_t* cr = s.cr();
    const double w = e.width, feet = place.floor - place.top, u = kFigureScale;
    if (lit) { // the pool is as wide as the figure's shoulders, clear of its neighbours
        const double halfWidth = (1.05 * c.build + 0.45) * u + 6;
        cairo_save(cr);
        cairo_translate(cr, w / 2, feet);
        cairo_scale(cr, halfWidth, 5);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, Hex(0xffe27a, 0.85));
        cairo_fill(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, w / 2, feet - kFigureBottom * u);
    cairo_scale(cr, u, u);
    DrawCharacter(cr, c, u, true);
    cairo_restore(cr);
    if (!lit) { // dim: the same figure in the shadows
        cairo_set_operator(cr, CAIRO_OPERATOR_ATOP);
        SetColor(cr, Hex(0x10101c, 0.55));
        cairo_paint(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
    }
    out.Picture(e.path, s, Shaped(Hex(0x1a1a2a)));
}

void Bar(cairo_t* cr, const char* label, int value, double x, double y, Rgb color) {
    TextStyle style;
    style.size = 17;
    style.color = Hex(0x4a3a2a);
    DrawText(cr, label, style, x, y - 2, 80, Align::Left);
    for (int i = 0; i < 5; ++i) {
        RoundRect(cr, x + 82 + i * 34, y + 2, 30, 16, 4);
        SetColor(cr, i < value ? color : Hex(0xe4dccb));
        cairo_fill(cr);
    }
}

void Profile(Easel& out, const Character& c, int n) {
    // The picture reaches the right edge of the screen; the card in it keeps a margin there
    // and at the bottom (the player selection background frames the same card area), and is
    // transparent outside its rounded edge.
    const int w = kProfileCardWidth, h = kProfileCardHeight;
    const std::string path = Name("picture\\gif\\js-%03d.gif", n);
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, kProfileWidth, kProfileHeight));
    cairo_t* cr = s.cr();
    const Rgb theme = Hex(c.theme);
    FillRoundRect(cr, 0, 0, w, h, kProfileCardRadius, Darker(theme, 0.45));
    FillRoundRect(cr, 6, 6, w - 12, h - 12, kProfileCardRadius - 4, Hex(0xfbf5e6));
    // the character's stage on the left
    cairo_save(cr);
    RoundRect(cr, 16, 16, 250, h - 32, 12);
    cairo_clip(cr);
    Backdrop(cr, c, 282, h);
    cairo_save(cr);
    cairo_translate(cr, 141, 50 + 1.25 * 52);
    cairo_scale(cr, 52, 52);
    DrawCharacter(cr, c, 52, true);
    cairo_restore(cr);
    cairo_restore(cr);
    RoundRect(cr, 16, 16, 250, h - 32, 12);
    SetColor(cr, Hex(0xd4a53c));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    // name, epithet, bars and description on the right
    TextStyle number;
    number.size = 16;
    number.color = Darker(theme, 0.2);
    DrawText(cr, "No." + std::to_string(n), number, 290, 26, 260, Align::Left);
    TextStyle name;
    name.family = kSerifFamily;
    name.size = 50;
    name.color = Darker(theme, 0.35);
    name.shadow = Hex(0x000000, 0.15);
    name.shadowDx = name.shadowDy = 2;
    DrawText(cr, c.name, name, 288, 44, 270, Align::Left);
    TextStyle title;
    title.size = 22;
    title.color = Hex(0x9a6a1a);
    DrawText(cr, std::string("「") + c.title + "」", title, 284, 118, 270, Align::Left);
    cairo_move_to(cr, 290, 160);
    cairo_line_to(cr, 550, 160);
    SetColor(cr, Hex(0xd4a53c));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    Bar(cr, "下注", c.bet, 292, 176, Hex(0xd84343));
    Bar(cr, "手法", c.tricks, 292, 206, Hex(0x7e57c2));
    Bar(cr, "膽量", c.nerve, 292, 236, Hex(0x2e9a5e));
    TextStyle heading;
    heading.size = 19;
    heading.color = Darker(theme, 0.3);
    DrawText(cr, "玩法風格", heading, 292, 276, 200, Align::Left);
    TextStyle text;
    text.size = 18;
    text.bold = false;
    text.color = Hex(0x3a2a1a);
    text.lineSpacing = 1.3;
    DrawText(cr, c.style, text, 292, 306, 256, Align::Left, true);
    out.Picture(path, s, ShapedGif(Hex(kPlayerSelectMatte), 0.5));
}

} // namespace

void PaintCharacters(Easel& out) {
    const std::vector<Character>& all = Characters();
    for (int n = 1; n <= int(all.size()); ++n) {
        const Character& c = all[n - 1];
        Profile(out, c, n);
        const std::string plate = Name("picture\\gif\\xm-%03d", 9 + n);
        Plate(out, c, *AssetCatalog::Find(plate + ".gif"));
        Plate(out, c, *AssetCatalog::Find(plate + "-.gif"));
        const std::string figure = Name("picture\\gif\\a-%03d", n);
        Figure(out, c, *AssetCatalog::Find(figure + ".gif"), kStage[n - 1]);
        Figure(out, c, *AssetCatalog::Find(figure + "-.gif"), kStage[n - 1]);
        Portrait(out, c, Name("picture\\gif\\rt%02d.gif", n), 150, 170);
        Portrait(out, c, Name("picture\\gif\\ch_11%d1.gif", n - 1), 110, 120);
    }
}

} // namespace artwork
