// Stylised characters: large heads with expressive eyes, each with its own hair, colours,
// clothes and a personal touch (stubble, ribbons, star pin, rose, sunglasses, earrings, rain
// clip, beard and glasses).
#include "artwork/CharacterPainter.h"

#include <cmath>

namespace artwork {
namespace {

struct Pen {
    cairo_t* cr;
    double px; // one pixel in units
    void Fill(Rgb c, double outline = 1.0) const {
        SetColor(cr, c);
        if (outline > 0) {
            cairo_fill_preserve(cr);
            SetColor(cr, Darker(c, 0.5));
            cairo_set_line_width(cr, px * outline);
            cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke(cr);
        } else {
            cairo_fill(cr);
        }
    }
    void Ellipse(double cx, double cy, double rx, double ry) const {
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_scale(cr, rx, ry);
        cairo_new_sub_path(cr);
        cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
        cairo_restore(cr);
    }
    void Line(double x0, double y0, double x1, double y1, Rgb c, double width) const {
        cairo_move_to(cr, x0, y0);
        cairo_line_to(cr, x1, y1);
        SetColor(cr, c);
        cairo_set_line_width(cr, width);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke(cr);
    }
};

// The cap of hair over the skull, down to the given hairline depth at the temples.
void HairCap(const Pen& p, double side, double temple) {
    // control height chosen so the arc's crown sits just above the skull [-1.12 units]
    const double k = (-1.12 - 0.25 * temple) / 0.75;
    cairo_move_to(p.cr, -side, temple);
    cairo_curve_to(p.cr, -side * 1.12, k, side * 1.12, k, side, temple);
}

void HairBack(const Pen& p, const Character& c) {
    const Rgb hair = Hex(c.hair);
    cairo_t* cr = p.cr;
    switch (c.hairStyle) {
    case Hair::Long:
        cairo_move_to(cr, -0.95, -0.4);
        cairo_curve_to(cr, -1.15, 0.8, -1.2, 2.0, -1.05, 2.7);
        cairo_line_to(cr, 1.05, 2.7);
        cairo_curve_to(cr, 1.2, 2.0, 1.15, 0.8, 0.95, -0.4);
        cairo_close_path(cr);
        p.Fill(hair);
        break;
    case Hair::Tied:
        cairo_move_to(cr, 0.45, 0.7);
        cairo_curve_to(cr, 0.9, 1.2, 1.1, 1.8, 0.95, 2.5);
        cairo_curve_to(cr, 0.8, 2.2, 0.6, 1.5, 0.3, 0.9);
        cairo_close_path(cr);
        p.Fill(hair);
        break;
    case Hair::Curly:
        for (int i = 0; i < 9; ++i) {
            const double a = M_PI * (0.95 + i * 0.138);
            p.Ellipse(1.05 * std::cos(a) * 1.05, -0.1 + 1.1 * std::sin(a) * -1, 0.38, 0.38);
        }
        for (double y : {0.6, 1.1, 1.55}) {
            p.Ellipse(-1.0, y, 0.36, 0.36);
            p.Ellipse(1.0, y, 0.36, 0.36);
        }
        p.Fill(hair);
        break;
    case Hair::Bob:
        cairo_move_to(cr, -0.98, -0.3);
        cairo_curve_to(cr, -1.12, 0.4, -1.1, 0.9, -0.95, 1.05);
        cairo_line_to(cr, 0.95, 1.05);
        cairo_curve_to(cr, 1.1, 0.9, 1.12, 0.4, 0.98, -0.3);
        cairo_close_path(cr);
        p.Fill(hair);
        break;
    default:
        break;
    }
}

void HairFront(const Pen& p, const Character& c) {
    const Rgb hair = Hex(c.hair);
    cairo_t* cr = p.cr;
    switch (c.hairStyle) {
    case Hair::Crew:
        HairCap(p, 0.9, -0.15);
        cairo_curve_to(cr, 0.8, -0.5, 0.4, -0.62, 0, -0.62);
        cairo_curve_to(cr, -0.4, -0.62, -0.8, -0.5, -0.9, -0.15);
        p.Fill(hair);
        break;
    case Hair::Buns:
        p.Ellipse(-0.72, -0.95, 0.36, 0.36);
        p.Ellipse(0.72, -0.95, 0.36, 0.36);
        p.Fill(hair);
        HairCap(p, 0.93, 0.15);
        for (int i = 4; i >= -4; --i) { // scalloped fringe
            cairo_line_to(cr, i * 0.2, i % 2 ? -0.38 : -0.28);
        }
        cairo_close_path(cr);
        p.Fill(hair);
        break;
    case Hair::Spiky: {
        cairo_move_to(cr, -0.95, 0.05);
        const double spikes[][2] = {{-1.2, -0.6},  {-0.85, -0.75}, {-0.95, -1.25}, {-0.45, -1.05},
                                    {-0.2, -1.5},  {0.15, -1.1},   {0.55, -1.45},  {0.7, -0.95},
                                    {1.15, -1.05}, {0.95, -0.55},  {1.2, -0.35},   {0.95, 0.05}};
        for (const auto& s : spikes) {
            cairo_line_to(cr, s[0], s[1]);
        }
        cairo_line_to(cr, 0.8, -0.3);
        cairo_line_to(cr, 0.55, -0.5);
        cairo_line_to(cr, 0.4, -0.25);
        cairo_line_to(cr, 0.1, -0.55);
        cairo_line_to(cr, -0.15, -0.3);
        cairo_line_to(cr, -0.4, -0.55);
        cairo_line_to(cr, -0.65, -0.3);
        cairo_line_to(cr, -0.8, -0.5);
        cairo_close_path(cr);
        p.Fill(hair);
        break;
    }
    case Hair::Long:
        HairCap(p, 0.95, 0.4);
        cairo_curve_to(cr, 0.75, -0.2, 0.3, -0.55, 0.02, -0.72);
        cairo_curve_to(cr, -0.3, -0.55, -0.75, -0.2, -0.95, 0.4);
        p.Fill(hair);
        for (int side = -1; side <= 1; side += 2) { // locks over the shoulders
            cairo_move_to(cr, side * 0.82, 0.0);
            cairo_curve_to(cr, side * 0.98, 0.8, side * 0.95, 1.6, side * 0.8, 2.3);
            cairo_line_to(cr, side * 1.08, 2.2);
            cairo_curve_to(cr, side * 1.15, 1.4, side * 1.1, 0.5, side * 0.96, -0.2);
            cairo_close_path(cr);
            p.Fill(hair);
        }
        break;
    case Hair::Tied:
        HairCap(p, 0.93, 0.2);
        cairo_curve_to(cr, 0.7, -0.3, 0.45, -0.5, 0.2, -0.6);
        cairo_curve_to(cr, -0.1, -0.3, -0.5, -0.05, -0.7, 0.3);
        cairo_curve_to(cr, -0.85, 0.1, -0.9, 0.0, -0.93, 0.2);
        p.Fill(hair);
        break;
    case Hair::Quiff:
        HairCap(p, 0.9, -0.05);
        cairo_curve_to(cr, 0.8, -0.5, 0.4, -0.6, 0, -0.6);
        cairo_curve_to(cr, -0.4, -0.6, -0.8, -0.5, -0.9, -0.05);
        p.Fill(hair);
        cairo_move_to(cr, -0.7, -0.7);
        cairo_curve_to(cr, -0.6, -1.55, 0.9, -1.6, 0.95, -0.85);
        cairo_curve_to(cr, 0.6, -1.05, 0.0, -0.95, -0.7, -0.7);
        p.Fill(Lighter(hair, 0.12));
        break;
    case Hair::Curly:
        HairCap(p, 0.95, 0.1);
        cairo_close_path(cr);
        p.Fill(hair, 0);
        for (int i = 0; i < 7; ++i) {
            p.Ellipse(-0.72 + i * 0.24, -0.55 + std::fabs(i - 3) * -0.06, 0.2, 0.2);
        }
        p.Fill(hair);
        break;
    case Hair::Bob:
        HairCap(p, 0.96, 0.9);
        cairo_line_to(cr, 0.78, 0.9);
        cairo_line_to(cr, 0.78, -0.3);
        cairo_line_to(cr, -0.78, -0.3);
        cairo_line_to(cr, -0.78, 0.9);
        cairo_close_path(cr);
        p.Fill(hair);
        break;
    case Hair::Sage:
        p.Ellipse(-0.86, -0.25, 0.28, 0.4);
        p.Ellipse(0.86, -0.25, 0.28, 0.4);
        p.Fill(hair);
        cairo_move_to(cr, -0.7, -0.65);
        cairo_curve_to(cr, -0.5, -1.15, 0.5, -1.15, 0.7, -0.65);
        cairo_curve_to(cr, 0.3, -0.85, -0.3, -0.85, -0.7, -0.65);
        p.Fill(hair);
        break;
    }
}

void Eyes(const Pen& p, const Character& c) {
    cairo_t* cr = p.cr;
    if (c.extra == Extra::Sunglasses) {
        for (int s = -1; s <= 1; s += 2) {
            RoundRect(cr, s * 0.37 - 0.27, -0.02, 0.54, 0.34, 0.12);
            p.Fill(Hex(0x151515));
            p.Line(s * 0.37 - 0.15, 0.05, s * 0.37 - 0.02, 0.05, Hex(0xffffff, 0.7), p.px * 1.2);
        }
        p.Line(-0.1, 0.06, 0.1, 0.06, Hex(0x151515), p.px * 2);
        p.Line(-0.64, 0.06, -0.86, 0.0, Hex(0x151515), p.px * 2);
        p.Line(0.64, 0.06, 0.86, 0.0, Hex(0x151515), p.px * 2);
        return;
    }
    const double rx = c.female ? 0.16 : 0.13, ry = c.female ? 0.21 : 0.17;
    for (int s = -1; s <= 1; s += 2) {
        const double x = s * 0.36, y = 0.14;
        p.Ellipse(x, y, rx, ry);
        p.Fill(Hex(0xffffff), 0.8);
        p.Ellipse(x, y + 0.02, rx * 0.78, ry * 0.8);
        p.Fill(Hex(c.eyes), 0);
        p.Ellipse(x, y + 0.03, rx * 0.38, ry * 0.4);
        p.Fill(Hex(0x111111), 0);
        p.Ellipse(x - rx * 0.3, y - ry * 0.3, rx * 0.25, rx * 0.25);
        p.Fill(Hex(0xffffff), 0);
        if (c.female) { // lashes
            p.Line(x + s * rx * 0.7, y - ry * 0.7, x + s * rx * 1.3, y - ry * 1.05, Hex(0x222222),
                   p.px * 1.3);
        }
        // brow
        const double thick = c.extra == Extra::Stubble ? 2.8 : 1.6;
        cairo_move_to(cr, x - 0.16, y - ry - 0.12 + (c.extra == Extra::Stubble ? 0.03 * s : 0));
        cairo_curve_to(cr, x - 0.05, y - ry - 0.2, x + 0.05, y - ry - 0.2, x + 0.16, y - ry - 0.12);
        SetColor(cr, Darker(Hex(c.hair == 0xc8c8c8 ? 0x888888 : c.hair), 0.2));
        cairo_set_line_width(cr, p.px * thick);
        cairo_stroke(cr);
    }
}

void Face(const Pen& p, const Character& c) {
    cairo_t* cr = p.cr;
    const Rgb skin = Hex(c.skin);
    p.Ellipse(-0.86, 0.15, 0.15, 0.22);
    p.Ellipse(0.86, 0.15, 0.15, 0.22);
    p.Fill(skin);
    p.Ellipse(0, 0, 0.88, 1.0);
    p.Fill(skin);
    if (c.extra == Extra::Stubble) {
        cairo_move_to(cr, -0.7, 0.45);
        cairo_curve_to(cr, -0.55, 1.05, 0.55, 1.05, 0.7, 0.45);
        cairo_curve_to(cr, 0.4, 0.7, -0.4, 0.7, -0.7, 0.45);
        p.Fill(Hex(0x3a2a20, 0.25), 0);
    }
    p.Ellipse(-0.52, 0.45, 0.17, 0.1);
    p.Ellipse(0.52, 0.45, 0.17, 0.1);
    p.Fill(Hex(0xff7a8a, c.female ? 0.35 : 0.15), 0);
    Eyes(p, c);
    // nose and mouth
    cairo_move_to(cr, -0.04, 0.36);
    cairo_curve_to(cr, 0.0, 0.42, 0.05, 0.42, 0.07, 0.38);
    SetColor(cr, Darker(skin, 0.3));
    cairo_set_line_width(cr, p.px * 1.2);
    cairo_stroke(cr);
    if (c.extra == Extra::Sunglasses) { // a sure smirk
        cairo_move_to(cr, -0.18, 0.64);
        cairo_curve_to(cr, 0.0, 0.68, 0.15, 0.64, 0.26, 0.54);
    } else {
        cairo_move_to(cr, -0.22, 0.6);
        cairo_curve_to(cr, -0.1, 0.74, 0.1, 0.74, 0.22, 0.6);
    }
    SetColor(cr, c.female ? Hex(0xd0405a) : Hex(0x8a3a2a));
    cairo_set_line_width(cr, p.px * (c.female ? 2.2 : 1.6));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
    if (c.extra == Extra::Beard) {
        cairo_move_to(cr, -0.6, 0.5);
        cairo_curve_to(cr, -0.55, 1.5, -0.2, 1.9, 0.0, 2.05);
        cairo_curve_to(cr, 0.2, 1.9, 0.55, 1.5, 0.6, 0.5);
        cairo_curve_to(cr, 0.3, 0.85, -0.3, 0.85, -0.6, 0.5);
        p.Fill(Hex(0xdedede));
        cairo_move_to(cr, -0.35, 0.55);
        cairo_curve_to(cr, -0.15, 0.45, 0.15, 0.45, 0.35, 0.55);
        SetColor(cr, Hex(0xdedede));
        cairo_set_line_width(cr, 0.12);
        cairo_stroke(cr);
        for (int s = -1; s <= 1; s += 2) { // round spectacles
            cairo_new_sub_path(cr);
            cairo_arc(cr, s * 0.36, 0.14, 0.24, 0, 2 * M_PI);
        }
        SetColor(cr, Hex(0x5a4a2a));
        cairo_set_line_width(cr, p.px * 1.6);
        cairo_stroke(cr);
        p.Line(-0.12, 0.12, 0.12, 0.12, Hex(0x5a4a2a), p.px * 1.6);
    }
}

void Extras(const Pen& p, const Character& c) {
    cairo_t* cr = p.cr;
    switch (c.extra) {
    case Extra::Ribbons:
        for (int s = -1; s <= 1; s += 2) {
            cairo_move_to(cr, s * 0.72, -0.62);
            cairo_line_to(cr, s * 0.42, -0.45);
            cairo_line_to(cr, s * 0.45, -0.8);
            cairo_close_path(cr);
            cairo_move_to(cr, s * 0.72, -0.62);
            cairo_line_to(cr, s * 1.02, -0.45);
            cairo_line_to(cr, s * 0.99, -0.8);
            cairo_close_path(cr);
            p.Fill(Hex(0xff4f8b));
        }
        break;
    case Extra::StarPin:
        StarPath(cr, 0.62, -0.62, 0.24, 0.1, 0.2);
        p.Fill(Hex(0xf7d046));
        break;
    case Extra::Earrings:
        p.Ellipse(-0.88, 0.45, 0.08, 0.08);
        p.Ellipse(0.88, 0.45, 0.08, 0.08);
        p.Fill(Hex(0xf2c94c));
        break;
    case Extra::DropClip:
        cairo_move_to(cr, 0.6, -0.78);
        cairo_curve_to(cr, 0.78, -0.5, 0.78, -0.38, 0.6, -0.36);
        cairo_curve_to(cr, 0.42, -0.38, 0.42, -0.5, 0.6, -0.78);
        p.Fill(Hex(0x4fc3f7));
        break;
    default:
        break;
    }
}

void Body(const Pen& p, const Character& c, bool fullLength) {
    cairo_t* cr = p.cr;
    const double S = 1.05 * c.build, waist = 0.7 * c.build;
    const Rgb top = Hex(c.top), trim = Hex(c.trim), lower = Hex(c.lower), skin = Hex(c.skin);
    const Rgb shoes = Hex(c.shoes);
    // legs and lower garment first, the torso over them
    if (fullLength) {
        const double hem = c.lowerStyle == Lower::Dress      ? 4.3
                           : c.lowerStyle == Lower::Trousers ? 3.2
                                                             : 5.55;
        for (int s = -1; s <= 1; s += 2) {
            RoundRect(cr, s * 0.32 - 0.2, 3.0, 0.4, 2.85, 0.12);
            p.Fill(c.lowerStyle == Lower::Trousers ? lower : (c.female ? Hex(0xfafafa) : lower));
            p.Ellipse(s * 0.36, 5.95, 0.34, 0.18);
            p.Fill(shoes);
        }
        if (c.lowerStyle != Lower::Trousers) {
            const double flare = c.lowerStyle == Lower::Dress ? 1.2 : 1.15;
            cairo_move_to(cr, -waist, 2.9);
            cairo_curve_to(cr, -waist - 0.2, 3.6, -flare, hem - 0.5, -flare, hem);
            cairo_curve_to(cr, -0.4, hem + 0.12, 0.4, hem + 0.12, flare, hem);
            cairo_curve_to(cr, flare, hem - 0.5, waist + 0.2, 3.6, waist, 2.9);
            cairo_close_path(cr);
            p.Fill(lower);
        } else {
            RoundRect(cr, -waist - 0.05, 2.8, 2 * waist + 0.1, 0.75, 0.2);
            p.Fill(lower);
        }
    }
    // neck
    cairo_rectangle(cr, -0.22, 0.7, 0.44, 0.7);
    p.Fill(Darker(skin, 0.08));
    // torso
    const double bottom = fullLength ? 3.1 : 4.0;
    cairo_move_to(cr, -S, 1.75);
    cairo_curve_to(cr, -S, 1.4, -0.6, 1.25, -0.25, 1.25);
    cairo_line_to(cr, 0.25, 1.25);
    cairo_curve_to(cr, 0.6, 1.25, S, 1.4, S, 1.75);
    cairo_curve_to(cr, S - 0.1, 2.3, waist + 0.05, 2.6, waist, bottom);
    cairo_line_to(cr, -waist, bottom);
    cairo_curve_to(cr, -waist - 0.05, 2.6, -S + 0.1, 2.3, -S, 1.75);
    cairo_close_path(cr);
    p.Fill(top);
    // collar and front detail in the trim colour
    switch (c.extra) {
    case Extra::Stubble: // open jacket over a dark shirt
    case Extra::Sunglasses:
        cairo_move_to(cr, -0.3, 1.27);
        cairo_line_to(cr, 0.0, bottom);
        cairo_line_to(cr, 0.3, 1.27);
        cairo_close_path(cr);
        p.Fill(trim);
        p.Line(-0.3, 1.3, -0.05, 2.3, Darker(top, 0.4), p.px * 1.5);
        p.Line(0.3, 1.3, 0.05, 2.3, Darker(top, 0.4), p.px * 1.5);
        break;
    case Extra::Rose: // suit, red tie and a rose
        cairo_move_to(cr, -0.28, 1.27);
        cairo_line_to(cr, 0.0, 2.0);
        cairo_line_to(cr, 0.28, 1.27);
        cairo_close_path(cr);
        p.Fill(Hex(0xffffff));
        cairo_move_to(cr, -0.08, 1.35);
        cairo_line_to(cr, 0.08, 1.35);
        cairo_line_to(cr, 0.1, 1.9);
        cairo_line_to(cr, 0.0, 2.0);
        cairo_line_to(cr, -0.1, 1.9);
        cairo_close_path(cr);
        p.Fill(trim);
        for (int k = 0; k < 5; ++k) {
            const double a = k * 2 * M_PI / 5;
            p.Ellipse(0.6 + 0.09 * std::cos(a), 1.75 + 0.09 * std::sin(a), 0.11, 0.11);
        }
        p.Fill(trim);
        p.Line(0.6, 1.85, 0.5, 2.2, Hex(0x2e7d32), p.px * 2);
        break;
    case Extra::Beard: // crossed robe collar
        p.Line(-0.35, 1.3, 0.25, 2.2, trim, 0.14);
        p.Line(0.35, 1.3, -0.05, 1.9, trim, 0.14);
        break;
    default: // round collar and two buttons or a pendant
        cairo_move_to(cr, -0.35, 1.27);
        cairo_curve_to(cr, -0.3, 1.6, 0.3, 1.6, 0.35, 1.27);
        cairo_close_path(cr);
        p.Fill(trim);
        if (c.extra == Extra::StarPin) {
            cairo_arc(cr, 0.0, 1.75, 0.12, 0.6, 2 * M_PI - 0.6);
            cairo_arc_negative(cr, 0.05, 1.75, 0.09, 2 * M_PI - 0.9, 0.9);
            p.Fill(Hex(0xf2c94c));
        } else {
            p.Ellipse(0, 1.85, 0.05, 0.05);
            p.Ellipse(0, 2.15, 0.05, 0.05);
            p.Fill(trim);
        }
        break;
    }
    if (c.extra == Extra::Earrings) { // belt
        cairo_rectangle(cr, -waist, 2.75, 2 * waist, 0.14);
        p.Fill(trim);
    }
    // arms with hands
    for (int s = -1; s <= 1; s += 2) {
        cairo_move_to(cr, s * (S - 0.12), 1.62);
        cairo_curve_to(cr, s * (S + 0.1), 2.2, s * (S + 0.15), 2.7, s * (S + 0.05), 3.05);
        SetColor(cr, Darker(top, 0.5));
        cairo_set_line_width(cr, 0.44 + 2 * p.px);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_stroke_preserve(cr);
        SetColor(cr, c.lowerStyle == Lower::Robe ? Lighter(top, 0.08) : top);
        cairo_set_line_width(cr, 0.44);
        cairo_stroke(cr);
        p.Ellipse(s * (S + 0.05), 3.2, 0.17, 0.19);
        p.Fill(skin);
    }
}

} // namespace

void DrawCharacter(cairo_t* cr, const Character& c, double pixelsPerUnit, bool fullLength) {
    Pen p{cr, 1.0 / pixelsPerUnit};
    HairBack(p, c);
    Body(p, c, fullLength);
    Face(p, c);
    HairFront(p, c);
    Extras(p, c);
}

} // namespace artwork
