// The designed decorations of the front-end and table screens: the opponent banners, the
// logos, the seat-count corner ornaments and the main menu's arrows.
#include "artwork/Painters.h"

#include <cmath>
#include <string>

namespace artwork {
namespace {

GifOptions Shaped(Rgb matte) {
    return ShapedGif(matte, 0.4);
}

void OpponentBanner(Easel& out, const char* path, const char* text) {
    const int w = 424, h = 95;
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, w, h));
    cairo_t* cr = s.cr();
    for (int side = -1; side <= 1; side += 2) { // ribbon tails
        const double x = side < 0 ? 0 : w;
        cairo_move_to(cr, x, 30);
        cairo_line_to(cr, x - side * 60, 30);
        cairo_line_to(cr, x - side * 60, 80);
        cairo_line_to(cr, x, 80);
        cairo_line_to(cr, x - side * 18, 55);
        cairo_close_path(cr);
        SetColor(cr, Hex(0x7a0c14));
        cairo_fill(cr);
    }
    RoundRect(cr, 36, 12, w - 72, 62, 10);
    VerticalGradient(cr, 12, 74, Hex(0xd32f2f), Hex(0x8a0c14));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xf0c75e));
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    TextStyle t;
    t.size = 31;
    t.color = Hex(0xfff3c4);
    t.outline = Hex(0x4a0008);
    t.outlineWidth = 1.6;
    DrawTextCentred(cr, text, t, w / 2.0, 43);
    out.Picture(path, s, Shaped(Hex(0x1a1a2a)));
}

void Logo(Easel& out, const char* path, int w, int h) {
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, w, h));
    cairo_t* cr = s.cr();
    const double k = h / 83.0;
    for (int i = 0; i < 2; ++i) { // a fanned pair of cards
        cairo_save(cr);
        cairo_translate(cr, 30 * k, 46 * k);
        cairo_rotate(cr, -0.35 + i * 0.4);
        FillRoundRect(cr, -17 * k, -26 * k, 34 * k, 50 * k, 4 * k, Hex(0xffffff));
        RoundRect(cr, -17 * k, -26 * k, 34 * k, 50 * k, 4 * k);
        SetColor(cr, Hex(0x444444));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        SuitPath(cr, i ? Suit::Spade : Suit::Heart, 0, 0, 22 * k);
        SetColor(cr, SuitColor(i ? Suit::Spade : Suit::Heart));
        cairo_fill(cr);
        cairo_restore(cr);
    }
    TextStyle big;
    big.family = kSerifFamily;
    big.size = 58 * k;
    big.color = Hex(0xffd54f);
    big.outline = Hex(0x7a0c14);
    big.outlineWidth = 2.5 * k;
    big.shadow = Hex(0x000000, 0.5);
    big.shadowDx = big.shadowDy = 2 * k;
    DrawTextCentred(cr, "21點", big, w * 0.63, h * 0.42);
    TextStyle small;
    small.size = 13 * k;
    small.color = Hex(0xffffff);
    small.outline = Hex(0x3a0008);
    small.outlineWidth = 1.2 * k;
    small.letterSpacing = 4 * k;
    DrawTextCentred(cr, "QUORVEL", small, w * 0.63, h * 0.85);
    out.Picture(path, s, Shaped(Hex(0x3a0c14)));
}

void Corner(Easel& out, int index) {
    const std::string path = "picture\\design\\corner" + std::to_string(index) + ".gif";
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, 116, 95));
    cairo_t* cr = s.cr();
    cairo_save(cr);
    // drawn for the top-left corner, mirrored for the others
    const bool right = index >= 3, bottom = index == 2 || index == 4;
    cairo_translate(cr, right ? 116 : 0, bottom ? 95 : 0);
    cairo_scale(cr, right ? -1 : 1, bottom ? -1 : 1);
    const Rgb gold = Hex(0xf0c75e);
    SetColor(cr, gold);
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, 6, 90);
    cairo_line_to(cr, 6, 6);
    cairo_line_to(cr, 110, 6);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 14, 70);
    cairo_curve_to(cr, 14, 30, 30, 14, 90, 14);
    cairo_stroke(cr);
    cairo_arc(cr, 26, 26, 9, 0, 2 * M_PI);
    cairo_fill(cr);
    const Suit suits[] = {Suit::Spade, Suit::Heart, Suit::Club, Suit::Diamond};
    SuitPath(cr, suits[index - 1], 26, 26, 11);
    SetColor(cr, SuitColor(suits[index - 1]));
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i) {
        cairo_arc(cr, 48 + i * 18, 24, 2.5, 0, 2 * M_PI);
        cairo_arc(cr, 24, 48 + i * 14, 2.5, 0, 2 * M_PI);
        SetColor(cr, gold);
        cairo_fill(cr);
    }
    cairo_restore(cr);
    out.Picture(path, s, Shaped(Hex(0x3a1020)));
}

void DownArrow(Easel& out, const char* path, int w, int h) {
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, w, h));
    cairo_t* cr = s.cr();
    cairo_move_to(cr, w * 0.3, 2);
    cairo_line_to(cr, w * 0.7, 2);
    cairo_line_to(cr, w * 0.7, h * 0.45);
    cairo_line_to(cr, w - 3, h * 0.45);
    cairo_line_to(cr, w / 2.0, h - 3);
    cairo_line_to(cr, 3, h * 0.45);
    cairo_line_to(cr, w * 0.3, h * 0.45);
    cairo_close_path(cr);
    VerticalGradient(cr, 0, h, Hex(0xfff3a0), Hex(0xe0901a));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x7a3a00));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    out.Picture(path, s, Shaped(Hex(0x3a0c14)));
}

} // namespace

void PaintDecorations(Easel& out) {
    OpponentBanner(out, "picture\\gif\\1ren.gif", "請選擇一位人物對戰");
    OpponentBanner(out, "picture\\gif\\3ren.gif", "請選擇三位人物對戰");
    Logo(out, "picture\\gif\\21logo.gif", 207, 83);
    Logo(out, "picture\\gif\\logo-.gif", 120, 48);
    for (int i = 1; i <= 4; ++i) {
        Corner(out, i);
    }
    DownArrow(out, "picture\\design\\arrow1.gif", 51, 59);
    DownArrow(out, "picture\\design\\arrow2.gif", 48, 57);
}

} // namespace artwork
