// What the desktop game adds around its own screens: the panels of the save-first question,
// the settings window and the statistics screen in the navy and gold of the result dialogs, the
// main menu's settings and statistics buttons in the look of its other buttons, and the game's icon
// at the sizes desktops ask for (PNG files of their own, outside the data folder).
#include "artwork/DesktopPainter.h"
#include "artwork/Painters.h"

#include <cairo.h>
#include <cmath>
#include <filesystem>
#include <string>

namespace artwork {
namespace {

const Rgb kGold = Hex(0xe2b84a);

// A navy panel with the result dialog's double gold frame.
void Panel(Surface& s) {
    cairo_t* cr = s.cr();
    const double w = s.width(), h = s.height();
    VerticalGradient(cr, 0, h, Hex(0x173a5a), Hex(0x0a1a2c));
    cairo_paint(cr);
    cairo_rectangle(cr, 1.5, 1.5, w - 3, h - 3);
    SetColor(cr, kGold);
    cairo_set_line_width(cr, 3);
    cairo_stroke(cr);
    cairo_rectangle(cr, 6.5, 6.5, w - 13, h - 13);
    SetColor(cr, Hex(0xe2b84a, 0.45));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void Rule(cairo_t* cr, double x0, double x1, double y) {
    cairo_move_to(cr, x0, y + 0.5);
    cairo_line_to(cr, x1, y + 0.5);
    SetColor(cr, Hex(0xe2b84a, 0.4));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void QuestionPanel(Easel& out) {
    if (!out.Wants("picture\\design\\ask.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\ask.gif", 380, 190));
    Panel(s);
    // A faint question mark behind the text, as the result dialog has its 結算.
    TextStyle faint;
    faint.family = kSerifFamily;
    faint.size = 140;
    faint.color = Hex(0xffffff, 0.05);
    DrawTextCentred(s.cr(), "？", faint, s.width() / 2.0, s.height() / 2.0);
    Rule(s.cr(), 40, s.width() - 40, 116);
    GifOptions g;
    g.dither = 0.6;
    out.Picture("picture\\design\\ask.gif", s, g);
}

void SettingsPanel(Easel& out) {
    if (!out.Wants("picture\\design\\settings.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\settings.gif", 440, 406));
    Panel(s);
    Rule(s.cr(), 40, s.width() - 40, 58);
    Rule(s.cr(), 40, s.width() - 40, 300);
    GifOptions g;
    g.dither = 0.6;
    out.Picture("picture\\design\\settings.gif", s, g);
}

void StatisticsPanel(Easel& out) {
    if (!out.Wants("picture\\design\\stats.gif"))
        return;
    Surface s(out.SizeFor("picture\\design\\stats.gif", 720, 560));
    Panel(s);
    Rule(s.cr(), 40, s.width() - 40, 90);
    Rule(s.cr(), 40, s.width() - 40, 496);
    // The line between the figures and the plot is the screen's own: its character page has none.
    GifOptions g;
    g.dither = 0.6;
    out.Picture("picture\\design\\stats.gif", s, g);
}

// A small gear, for the settings button.
void Gear(cairo_t* cr, double gx, double gy) {
    const double r = 7.5;
    cairo_new_path(cr);
    for (int i = 0; i < 16; ++i) {
        const double a = i * M_PI / 8;
        const double rr = i % 2 == 0 ? r : r * 0.72;
        cairo_line_to(cr, gx + rr * std::cos(a), gy + rr * std::sin(a));
    }
    cairo_close_path(cr);
    cairo_new_sub_path(cr);
    cairo_arc_negative(cr, gx, gy, r * 0.32, 2 * M_PI, 0);
}

// Three rising bars, for the statistics button.
void Bars(cairo_t* cr, double gx, double gy) {
    cairo_new_path(cr);
    const double heights[] = {6, 10, 14};
    for (int i = 0; i < 3; ++i)
        cairo_rectangle(cr, gx - 7.5 + i * 5.5, gy + 7 - heights[i], 4, heights[i]);
}

// A small plate in the corner of the main menu in the look of its other buttons: an icon
// before the caption.
void CornerButton(Easel& out, bool lit, void (*icon)(cairo_t*, double, double), const char* caption,
                  const char* file, const char* litFile) {
    if (!out.Wants(lit ? litFile : file))
        return;
    Surface s(out.SizeFor(lit ? litFile : file, 96, 34));
    cairo_t* cr = s.cr();
    const double w = s.width(), h = s.height();
    RoundRect(cr, 1, 1, w - 2, h - 2, 9);
    VerticalGradient(cr, 1, h - 1, lit ? Hex(0xe8462e) : Hex(0x8c1c24),
                     lit ? Hex(0x8c1018) : Hex(0x4e0810));
    cairo_fill_preserve(cr);
    SetColor(cr, lit ? Hex(0xffe9a0) : Hex(0xc99a3a));
    cairo_set_line_width(cr, 1.6);
    cairo_stroke(cr);
    RoundRect(cr, 3, 2.5, w - 6, (h - 2) * 0.45, 7);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.16);
    cairo_fill(cr);
    icon(cr, 24, h / 2);
    SetColor(cr, lit ? Hex(0xffffff) : Hex(0xf6d77a));
    cairo_fill(cr);
    TextStyle style;
    style.size = 16;
    style.color = lit ? Hex(0xffffff) : Hex(0xf6d77a);
    style.outline = lit ? Hex(0x7a3a00) : Hex(0x2a0006);
    style.outlineWidth = 0.9;
    DrawTextCentred(cr, caption, style, 58, h / 2);
    out.Picture(lit ? litFile : file, s, ShapedGif(Hex(0x6a1018), 0.3));
}

// One playing card of the icon, its middle at the origin, `w` wide.
void IconCard(cairo_t* cr, double w, Suit suit, bool corner) {
    const double h = w * 1.4;
    RoundRect(cr, -w / 2, -h / 2, w, h, w * 0.1);
    SetColor(cr, Hex(0xfbfaf5));
    cairo_fill_preserve(cr);
    SetColor(cr, Hex(0x3a3a3a, 0.6));
    cairo_set_line_width(cr, std::max(0.6, w * 0.025));
    cairo_stroke(cr);
    SuitPath(cr, suit, 0, w * 0.05, w * 0.55);
    SetColor(cr, SuitColor(suit));
    cairo_fill(cr);
    if (corner) {
        cairo_new_path(cr);
        TextStyle style;
        style.family = kSerifFamily;
        style.size = w * 0.28;
        style.color = SuitColor(suit);
        DrawTextCentred(cr, "A", style, -w * 0.3, -h * 0.34);
    }
}

// The icon at `size` px: two cards on green felt in a gold-rimmed tile, and from 48 px a gold
// 21 on a red medal.
void Icon(Surface& s) {
    cairo_t* cr = s.cr();
    const double n = s.width();
    const double rim = std::max(1.0, n * 0.035);
    RoundRect(cr, rim / 2, rim / 2, n - rim, n - rim, n * 0.2);
    cairo_pattern_t* felt =
        cairo_pattern_create_radial(n * 0.45, n * 0.4, n * 0.05, n / 2, n / 2, n * 0.75);
    cairo_pattern_add_color_stop_rgb(felt, 0, 0.16, 0.52, 0.29);
    cairo_pattern_add_color_stop_rgb(felt, 1, 0.04, 0.22, 0.12);
    cairo_set_source(cr, felt);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(felt);
    SetColor(cr, kGold);
    cairo_set_line_width(cr, rim);
    cairo_stroke(cr);

    const bool detailed = n >= 32;
    const double cardW = detailed ? n * 0.40 : n * 0.5;
    if (detailed) {
        cairo_save(cr);
        cairo_translate(cr, n * 0.58, n * 0.46);
        cairo_rotate(cr, 0.26);
        IconCard(cr, cardW, Suit::Heart, n >= 48);
        cairo_restore(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, detailed ? n * 0.40 : n * 0.5, detailed ? n * 0.48 : n * 0.5);
    cairo_rotate(cr, detailed ? -0.22 : 0);
    IconCard(cr, cardW, Suit::Spade, n >= 48);
    cairo_restore(cr);

    if (n >= 48) {
        const double cx = n * 0.72, cy = n * 0.74, r = n * 0.17;
        cairo_new_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
        SetColor(cr, Hex(0xb0182a));
        cairo_fill_preserve(cr);
        SetColor(cr, Hex(0xf6d77a));
        cairo_set_line_width(cr, n * 0.02);
        cairo_stroke(cr);
        TextStyle style;
        style.family = kSerifFamily;
        style.size = r * 1.15;
        style.color = Hex(0xffe9a0);
        DrawTextCentred(cr, "21", style, cx, cy);
    }
}

} // namespace

void PaintDesktop(Easel& out) {
    QuestionPanel(out);
    SettingsPanel(out);
    StatisticsPanel(out);
    for (const bool lit : {false, true}) {
        CornerButton(out, lit, Gear, "設定", "picture\\design\\settings-button.gif",
                     "picture\\design\\settings-button-.gif");
        CornerButton(out, lit, Bars, "統計", "picture\\design\\stats-button.gif",
                     "picture\\design\\stats-button-.gif");
    }
}

std::string WriteIcons(const std::string& folder, const std::string& appId) {
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
        Surface s(size, size);
        Icon(s);
        const std::string dimension = std::to_string(size) + "x" + std::to_string(size);
        const std::filesystem::path dir =
            std::filesystem::path(folder) / "hicolor" / dimension / "apps";
        std::error_code ec;
        std::filesystem::create_directories(dir, ec);
        const std::string file = (dir / (appId + ".png")).string();
        cairo_surface_flush(s.surface());
        if (ec || cairo_surface_write_to_png(s.surface(), file.c_str()) != CAIRO_STATUS_SUCCESS)
            return "cannot write " + file;
    }
    return {};
}

} // namespace artwork
