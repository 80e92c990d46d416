// Full-screen backgrounds: five felt tables for each of the three table sets, the main menu in
// both looks, the seat-count screen with its heading and ring, and the two selection screens.
#include "artwork/Painters.h"
#include "ui/AssetCatalog.h"

#include <cmath>
#include <cstdio>
#include <string>

namespace artwork {
namespace {

constexpr int W = 800, H = 600;

GifOptions Opaque() {
    GifOptions g;
    g.dither = 0.9;
    return g;
}

void Vignette(cairo_t* cr, double strength) {
    RadialGlow(cr, W / 2.0, H / 2.0, 560, Hex(0x000000, 0.0), Hex(0x000000, strength));
    cairo_paint(cr);
}

void ScatterSuits(cairo_t* cr, std::uint32_t seed, int count, Rgb color, double minSize,
                  double maxSize) {
    Lcg rng(seed);
    for (int i = 0; i < count; ++i) {
        const double x = rng.Range(0, W), y = rng.Range(0, H), size = rng.Range(minSize, maxSize);
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, rng.Range(-0.6, 0.6));
        SuitPath(cr, Suit(rng.Next() % 4), 0, 0, size);
        cairo_restore(cr);
        SetColor(cr, color);
        cairo_fill(cr);
    }
}

// One table: felt of the set's colour, a printed rule line, a shoe where the one-on-one
// tables' cards start and a style of its own per variant.
void Table(Easel& out, const std::string& path, Rgb felt, int variant, bool threeSeats,
           std::uint32_t seed) {
    if (!out.Wants(path))
        return;
    Surface s(out.SizeFor(path, W, H));
    cairo_t* cr = s.cr();
    RadialGlow(cr, 400, 280, 620, Lighter(felt, 0.18), Darker(felt, 0.35));
    cairo_paint(cr);
    Speckle(s, 5, seed);
    const Rgb print = Hex(0xf3d98a, 0.22);
    switch (variant) {
    case 0: // gold arcs where the player's cards lie
        for (int k = 0; k < 2; ++k) {
            cairo_arc(cr, 400, -260, 700 + k * 14, 0.25 * M_PI, 0.75 * M_PI);
            SetColor(cr, print);
            cairo_set_line_width(cr, 2);
            cairo_stroke(cr);
        }
        break;
    case 1: // diamond lattice
        SetColor(cr, Hex(0xffffff, 0.05));
        cairo_set_line_width(cr, 1);
        for (int k = -30; k < 40; ++k) {
            cairo_move_to(cr, k * 40.0, 0);
            cairo_line_to(cr, k * 40.0 + 600, 600);
            cairo_move_to(cr, k * 40.0, 600);
            cairo_line_to(cr, k * 40.0 + 600, 0);
        }
        cairo_stroke(cr);
        break;
    case 2: // scattered suit prints
        ScatterSuits(cr, seed, 40, Hex(0xffffff, 0.06), 18, 40);
        break;
    case 3: // rays from the dealer's side
        for (int i = 0; i < 18; ++i) {
            cairo_move_to(cr, 400, -40);
            cairo_arc(cr, 400, -40, 900, i * M_PI / 18, i * M_PI / 18 + M_PI / 40);
            cairo_close_path(cr);
        }
        SetColor(cr, Hex(0xffffff, 0.045));
        cairo_fill(cr);
        break;
    default: // a double gold rail around the playing area
        RoundRect(cr, 170, 150, 500, 400, 160);
        SetColor(cr, print);
        cairo_set_line_width(cr, 3);
        cairo_stroke(cr);
        RoundRect(cr, 180, 160, 480, 380, 150);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        break;
    }
    // the printed rule and emblem in the middle of the felt
    TextStyle emblem;
    emblem.family = kSerifFamily;
    emblem.size = 64;
    emblem.color = Hex(0xffffff, 0.08);
    DrawTextCentred(cr, "21點", emblem, 420, threeSeats ? 300 : 270);
    TextStyle rule;
    rule.size = 15;
    rule.color = print;
    rule.letterSpacing = 3;
    DrawTextCentred(cr, "莊家不足十七點必須補牌", rule, 420, threeSeats ? 345 : 310);
    // the shoe the one-on-one tables' cards fly out of; the three-seat tables deal from under
    // their panels and chest, and a shoe drawn anywhere else would only lie under their labels
    if (!threeSeats) {
        RoundRect(cr, 172, 222, 82, 106, 8);
        SetColor(cr, Hex(0x000000, 0.25));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0xf3d98a, 0.35));
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    }
    // a wooden rail along the bottom edge
    constexpr int rail = quorvel::AssetCatalog::kRailTop;
    cairo_rectangle(cr, 0, rail, W, H - rail);
    VerticalGradient(cr, rail, H, Hex(0x7b4420), Hex(0x3a1e0c));
    cairo_fill(cr);
    Vignette(cr, 0.4);
    out.Picture(path, s, Opaque());
}

// Four cards fanned about a point below them, each turned `step` [rad] further than the one
// before, starting at `first` [rad]; the suits follow on from `firstSuit`.
void Fan(cairo_t* cr, double x, double y, double first, double step, int firstSuit) {
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, first + i * step);
        FillRoundRect(cr, -40, -150, 80, 112, 8, Hex(0xfdfbf4));
        RoundRect(cr, -40, -150, 80, 112, 8);
        SetColor(cr, Hex(0x5a4a3a));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        const Suit suit = Suit((i + firstSuit) % 4);
        SuitPath(cr, suit, 0, -94, 36);
        SetColor(cr, SuitColor(suit));
        cairo_fill(cr);
        cairo_restore(cr);
    }
}

void MenuBackground(Surface& s, bool secondLook) {
    cairo_t* cr = s.cr();
    RadialGlow(cr, 400, secondLook ? 300 : 200, 620, Hex(0xa8202c), Hex(0x1e0206));
    cairo_paint(cr);
    ScatterSuits(cr, secondLook ? 11 : 5, 55, Hex(0xffffff, 0.05), 16, 46);
    for (int i = 0; i < 24; ++i) { // light rays
        cairo_move_to(cr, 400, 200);
        cairo_arc(cr, 400, 200, 900, i * M_PI / 12, i * M_PI / 12 + M_PI / 30);
        cairo_close_path(cr);
    }
    SetColor(cr, Hex(0xffd27a, 0.05));
    cairo_fill(cr);
    if (!secondLook) { // fanned cards in the lower corners
        Fan(cr, 80, 590, -0.45, 0.22, 0);
        Fan(cr, 720, 590, -0.15, -0.22, 1);
    } else { // one fan between the banker choices, clear of them and their arrows
        Fan(cr, 400, 630, -0.39, 0.26, 0);
    }
    if (!secondLook) {
        PaintFadingGlow(cr, 391, 193, 190, Hex(0xffe08a, 0.35), Hex(0xffe08a, 0.0));
        return;
    }
    TextStyle heading;
    heading.family = kSerifFamily;
    heading.size = 52;
    heading.color = Hex(0xffe08a);
    heading.outline = Hex(0x3a0008);
    heading.outlineWidth = 2.5;
    heading.shadow = Hex(0x000000, 0.5);
    heading.shadowDx = heading.shadowDy = 3;
    DrawTextCentred(cr, "誰來做莊？", heading, 400, 150);
    TextStyle sub;
    sub.size = 20;
    sub.color = Hex(0xfff3c4);
    DrawTextCentred(cr, "先選莊家，再選人物，就可以開局了", sub, 400, 215);
    const double spots[2] = {188, 604};
    const char* hints[2] = {"由電腦人物做莊，你來挑戰", "由你做莊，電腦人物來挑戰"};
    for (int i = 0; i < 2; ++i) {
        cairo_save(cr);
        cairo_translate(cr, spots[i], 470);
        cairo_scale(cr, 120, 50);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        RadialGlow(cr, spots[i], 470, 120, Hex(0xffe08a, 0.45), Hex(0xffe08a, 0.0));
        cairo_fill(cr);
        DrawTextCentred(cr, hints[i], sub, spots[i], 335);
    }
}

void SeatCount(Easel& out) {
    if (!out.Wants("picture\\gif\\xz100.gif"))
        return;
    Surface s(out.SizeFor("picture\\gif\\xz100.gif", W, H));
    cairo_t* cr = s.cr();
    RadialGlow(cr, 560, 330, 650, Hex(0x3a2a6a), Hex(0x0c0820));
    cairo_paint(cr);
    ScatterSuits(cr, 17, 40, Hex(0xffffff, 0.04), 16, 40);
    // the large ring around the choices
    for (int k = 0; k < 3; ++k) {
        cairo_arc(cr, 575, 330, 215 - k * 10, 0, 2 * M_PI);
        SetColor(cr, Hex(0xf0c75e, k == 0 ? 0.9 : 0.3));
        cairo_set_line_width(cr, k == 0 ? 6 : 2);
        cairo_stroke(cr);
    }
    PaintFadingGlow(cr, 575, 330, 210, Hex(0xffe08a, 0.18), Hex(0xffe08a, 0.0));
    TextStyle heading;
    heading.family = kSerifFamily;
    heading.size = 34;
    heading.color = Hex(0xffe08a);
    heading.outline = Hex(0x1a0a30);
    heading.outlineWidth = 2;
    heading.shadow = Hex(0x000000, 0.5);
    heading.shadowDx = heading.shadowDy = 2;
    DrawText(cr, "請選擇一種玩法類別", heading, 150, 48, 400, Align::Left);
    out.Picture("picture\\gif\\xz100.gif", s, Opaque());
}

void PlayerSelect(Easel& out) {
    if (!out.Wants("picture\\design\\select1.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\select1.gif", W, H));
    cairo_t* cr = s.cr();
    VerticalGradient(cr, 0, H, Hex(0x2a1a4a), Hex(0x0e0820));
    cairo_paint(cr);
    ScatterSuits(cr, 23, 45, Hex(0xffffff, 0.04), 16, 40);
    TextStyle heading;
    heading.family = kSerifFamily;
    heading.size = 36;
    heading.color = Hex(0xffe08a);
    heading.outline = Hex(0x1a0a30);
    heading.outlineWidth = 2;
    DrawText(cr, "選擇你的人物", heading, 16, 14, 400, Align::Left);
    RoundRect(cr, 8, 82, 181, 440, 12);
    SetColor(cr, Hex(0x000000, 0.3));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xb8943a, 0.8));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // the place of the character card, covered by it while a profile shows
    RoundRect(cr, kProfileLeft, kProfileTop, kProfileCardWidth, kProfileCardHeight,
              kProfileCardRadius);
    SetColor(cr, Hex(0x000000, 0.3));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0xb8943a, 0.8));
    cairo_stroke(cr);
    TextStyle hint;
    hint.size = 18;
    hint.color = Hex(0xe0d4f0);
    DrawTextCentred(cr, "把滑鼠移到名牌上看人物介紹，點一下就選定", hint,
                    kProfileLeft + kProfileCardWidth / 2.0, kProfileTop + kProfileCardHeight / 2.0);
    out.Picture("picture\\design\\select1.gif", s, Opaque());
}

// Wood from `top` to `bottom` [px] across the stage, lighter at the top.
void Wood(cairo_t* cr, double top, double bottom, Rgb light, Rgb dark) {
    cairo_rectangle(cr, 0, top, W, bottom - top);
    VerticalGradient(cr, top, bottom, light, dark);
    cairo_fill(cr);
}

void OpponentSelect(Easel& out) {
    if (!out.Wants("picture\\design\\select2.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\select2.gif", W, H));
    cairo_t* cr = s.cr();
    // back wall, the riser the back row stands on, the floor of the front row, the apron
    const double riserTop = kBackFloor - 13, riserFace = kBackFloor + 13;
    const double floorTop = kFrontFloor - 17, floorEdge = kFrontFloor + 29;
    cairo_rectangle(cr, 0, 0, W, riserTop);
    VerticalGradient(cr, 0, riserTop, Hex(0x1a1040), Hex(0x3a1a5a));
    cairo_fill(cr);
    Wood(cr, riserTop, riserFace, Hex(0x8a5a2e), Hex(0x6a4220));
    Wood(cr, riserFace, floorTop, Hex(0x3e2412), Hex(0x2e1a0c));
    SetColor(cr, Hex(0x000000, 0.25)); // planks of the riser's face
    cairo_set_line_width(cr, 1);
    for (double x = 20; x < W; x += 48) {
        cairo_move_to(cr, x + 0.5, riserFace);
        cairo_line_to(cr, x + 0.5, floorTop);
    }
    cairo_stroke(cr);
    Wood(cr, floorTop, floorEdge, Hex(0x8a5a2e), Hex(0x5a3a1e));
    Wood(cr, floorEdge, floorEdge + 5, Hex(0xd9b45a), Hex(0x8a6a2a));
    Wood(cr, floorEdge + 5, H, Hex(0x3a2210), Hex(0x180c06));
    // one light for each figure: a beam from above and a pool at its feet
    for (int n = 1; n <= 9; ++n) {
        const StagePlace& place = kStage[n - 1];
        char name[32];
        std::snprintf(name, sizeof name, "picture\\gif\\a-%03d.gif", n);
        const double cx = place.left + quorvel::AssetCatalog::Find(name)->width / 2.0;
        const double floor = place.floor;
        cairo_move_to(cr, cx - 8, 100);
        cairo_line_to(cr, cx + 8, 100);
        cairo_line_to(cr, cx + 42, floor);
        cairo_line_to(cr, cx - 42, floor);
        cairo_close_path(cr);
        SetColor(cr, Hex(0xfff3c4, 0.05));
        cairo_fill(cr);
        cairo_save(cr);
        cairo_translate(cr, cx, floor);
        cairo_scale(cr, 42, 6);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
        SetColor(cr, Hex(0xfff3c4, 0.12));
        cairo_fill(cr);
    }
    for (int side = 0; side < 2; ++side) { // curtains
        for (int k = 0; k < 4; ++k) {
            const double x = side ? W - 18 - k * 10 : 18 + k * 10;
            cairo_rectangle(cr, x - 9, 0, 18, 520);
            VerticalGradient(cr, 0, 520, Hex(0x9a1a24, 0.9 - k * 0.15),
                             Hex(0x4a0810, 0.9 - k * 0.15));
            cairo_fill(cr);
        }
    }
    cairo_rectangle(cr, 0, 505, W, 95);
    SetColor(cr, Hex(0x000000, 0.35));
    cairo_fill(cr);
    TextStyle hint;
    hint.size = 17;
    hint.color = Hex(0xfff3c4);
    DrawTextCentred(cr, "點人物選對手；亮起的是你自己", hint, 400, 118);
    out.Picture("picture\\design\\select2.gif", s, Opaque());
}

} // namespace

void PaintBackgrounds(Easel& out) {
    struct Set {
        const char* format;
        std::uint32_t felt[5];
        bool threeSeats;
    };
    const Set sets[] = {
        {"picture\\gif\\ydy%02d.gif", {0x1e6b3c, 0x17604a, 0x2a6a2a, 0x1a5a3a, 0x236e46}, false},
        {"picture\\gif\\zm%03d.gif", {0x1d4a7a, 0x20507a, 0x183f6a, 0x245a8a, 0x1a466e}, true},
        {"picture\\gif\\ddy%03d.gif", {0x6a1a2a, 0x5a1a3a, 0x702028, 0x5e1830, 0x66222e}, true},
    };
    std::uint32_t seed = 100;
    for (const Set& set : sets) {
        for (int i = 0; i < 5; ++i) {
            char path[64];
            std::snprintf(path, sizeof path, set.format, i + 1);
            Table(out, path, Hex(set.felt[i]), i, set.threeSeats, ++seed);
        }
    }
    // The first look is one painting in two files.
    if (out.Wants("picture\\home100.gif") || out.Wants("picture\\jpg\\home100.bmp")) {
        Surface s(out.SizeFor("picture\\home100.gif", W, H));
        MenuBackground(s, false);
        out.Picture("picture\\home100.gif", s, Opaque());
        out.Picture("picture\\jpg\\home100.bmp", s);
    }
    if (out.Wants("picture\\jpg\\Wjzz100.bmp")) {
        Surface s(out.SizeFor("picture\\jpg\\Wjzz100.bmp", W, H));
        MenuBackground(s, true);
        out.Picture("picture\\jpg\\Wjzz100.bmp", s);
    }
    SeatCount(out);
    PlayerSelect(out);
    OpponentSelect(out);
}

} // namespace artwork
