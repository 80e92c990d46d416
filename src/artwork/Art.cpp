// Drawing helpers: colours, rounded rectangles, gradients, textures and pango text.
#include "artwork/Art.h"

#include "gui/LineBreaker.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

namespace artwork {

namespace {
// Marks a surface painted at other than its design size (its address is the key).
const cairo_user_data_key_t kPaintedAtScale{};
} // namespace

Rgb Hex(std::uint32_t v, double alpha) {
    return {((v >> 16) & 255) / 255.0, ((v >> 8) & 255) / 255.0, (v & 255) / 255.0, alpha};
}
Rgb Mix(Rgb a, Rgb b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}
Rgb Lighter(Rgb c, double amount) {
    return Mix(c, {1, 1, 1, c.a}, amount);
}
Rgb Darker(Rgb c, double amount) {
    return Mix(c, {0, 0, 0, c.a}, amount);
}

Surface::Surface(SurfaceSize size)
    : size_(size),
      surface_(size.memory ? cairo_image_surface_create_for_data(
                                 reinterpret_cast<unsigned char*>(size.memory), CAIRO_FORMAT_ARGB32,
                                 size.pixelWidth, size.pixelHeight, size.pixelWidth * 4)
                           : cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size.pixelWidth,
                                                        size.pixelHeight)),
      cr_(cairo_create(surface_)) {
    if (size.pixelWidth != size.width || size.pixelHeight != size.height) {
        cairo_scale(cr_, double(size.pixelWidth) / size.width,
                    double(size.pixelHeight) / size.height);
        cairo_surface_set_user_data(surface_, &kPaintedAtScale, surface_, nullptr);
    }
}

Surface::~Surface() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void SetColor(cairo_t* cr, Rgb c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void FillRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c) {
    RoundRect(cr, x, y, w, h, r);
    SetColor(cr, c);
    cairo_fill(cr);
}

void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void RadialGlow(cairo_t* cr, double cx, double cy, double radius, Rgb inner, Rgb outer) {
    cairo_pattern_t* p = cairo_pattern_create_radial(cx, cy, 0, cx, cy, radius);
    cairo_pattern_add_color_stop_rgba(p, 0, inner.r, inner.g, inner.b, inner.a);
    cairo_pattern_add_color_stop_rgba(p, 1, outer.r, outer.g, outer.b, outer.a);
    cairo_set_source(cr, p);
    cairo_pattern_destroy(p);
}

void PaintFadingGlow(cairo_t* cr, double cx, double cy, double radius, Rgb inner, Rgb outer) {
    cairo_save(cr);
    cairo_rectangle(cr, cx - radius, cy - radius, 2 * radius, 2 * radius);
    cairo_clip(cr);
    RadialGlow(cr, cx, cy, radius, inner, outer);
    cairo_paint(cr);
    cairo_restore(cr);
}

void Speckle(Surface& s, int amount, std::uint32_t seed) {
    cairo_surface_flush(s.surface());
    unsigned char* data = cairo_image_surface_get_data(s.surface());
    const int stride = cairo_image_surface_get_stride(s.surface());
    Lcg rng(seed);
    for (int y = 0; y < s.pixelHeight(); ++y) {
        for (int x = 0; x < s.pixelWidth(); ++x) {
            unsigned char* px = data + y * stride + x * 4;
            const int d = static_cast<int>(rng.Next() % (2 * amount + 1)) - amount;
            for (int c = 0; c < 3; ++c) {
                px[c] = static_cast<unsigned char>(std::clamp(px[c] + d, 0, int(px[3])));
            }
        }
    }
    cairo_surface_mark_dirty(s.surface());
}

void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double turn) {
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? inner : outer;
        const double a = -M_PI / 2 + turn + i * M_PI / 5;
        if (i == 0) {
            cairo_move_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        } else {
            cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
        }
    }
    cairo_close_path(cr);
}

namespace {

PangoLayout* MakeLayout(cairo_t* cr, std::string_view text, const TextStyle& style,
                        double wrapWidth, Align align);

// Wrapped text is broken by the game's own line breaker, measured in this face, so the
// pictures follow the same rules as the game's labels: closing punctuation never starts a
// line and a paragraph never ends on one character alone.
std::string BrokenLines(cairo_t* cr, std::string_view text, const TextStyle& style,
                        double wrapWidth) {
    const auto width = [&](std::string_view piece) {
        PangoLayout* layout = MakeLayout(cr, piece, style, 0, Align::Left);
        int w = 0, h = 0;
        pango_layout_get_size(layout, &w, &h);
        g_object_unref(layout);
        return (w + PANGO_SCALE - 1) / PANGO_SCALE;
    };
    std::string joined;
    for (const std::string& line : quorvel::BreakLines(text, int(wrapWidth), width)) {
        joined += joined.empty() ? "" : "\n";
        joined += line;
    }
    return joined;
}

PangoLayout* MakeLayout(cairo_t* cr, std::string_view text, const TextStyle& style,
                        double wrapWidth, Align align) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pango_layout_get_context(layout), options);
    cairo_font_options_destroy(options);
    // Glyphs are placed on whole layout pixels in the data folder's files; painted larger,
    // they keep their exact places, which the larger pixels can show.
    if (cairo_surface_get_user_data(cairo_get_target(cr), &kPaintedAtScale))
        pango_context_set_round_glyph_positions(pango_layout_get_context(layout), FALSE);
    pango_layout_context_changed(layout);

    PangoFontDescription* font = pango_font_description_new();
    pango_font_description_set_family(font, style.family.c_str());
    pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    if (style.letterSpacing != 0) {
        PangoAttrList* attrs = pango_attr_list_new();
        pango_attr_list_insert(
            attrs, pango_attr_letter_spacing_new(int(style.letterSpacing * PANGO_SCALE)));
        pango_layout_set_attributes(layout, attrs);
        pango_attr_list_unref(attrs);
    }
    if (style.lineSpacing != 1.0) {
        pango_layout_set_line_spacing(layout, float(style.lineSpacing));
    }
    if (wrapWidth > 0) {
        pango_layout_set_width(layout, int(wrapWidth * PANGO_SCALE));
        pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
        pango_layout_set_alignment(layout, align == Align::Centre  ? PANGO_ALIGN_CENTER
                                           : align == Align::Right ? PANGO_ALIGN_RIGHT
                                                                   : PANGO_ALIGN_LEFT);
    }
    if (wrapWidth > 0) {
        const std::string lines = BrokenLines(cr, text, style, wrapWidth);
        pango_layout_set_text(layout, lines.data(), int(lines.size()));
    } else {
        pango_layout_set_text(layout, text.data(), int(text.size()));
    }
    return layout;
}

void Paint(cairo_t* cr, PangoLayout* layout, const TextStyle& style, double x, double y) {
    if (style.shadow.a > 0) {
        cairo_move_to(cr, x + style.shadowDx, y + style.shadowDy);
        SetColor(cr, style.shadow);
        pango_cairo_show_layout(cr, layout);
    }
    if (style.outline.a > 0 && style.outlineWidth > 0) {
        cairo_move_to(cr, x, y);
        pango_cairo_layout_path(cr, layout);
        SetColor(cr, style.outline);
        cairo_set_line_width(cr, style.outlineWidth * 2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        cairo_stroke(cr);
    }
    cairo_move_to(cr, x, y);
    SetColor(cr, style.color);
    pango_cairo_show_layout(cr, layout);
}

} // namespace

void MeasureText(cairo_t* cr, std::string_view text, const TextStyle& style, double wrapWidth,
                 double& width, double& height) {
    PangoLayout* layout = MakeLayout(cr, text, style, wrapWidth, Align::Left);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    width = logical.width;
    height = logical.height;
    g_object_unref(layout);
}

double DrawText(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double y,
                double width, Align align, bool wrap) {
    PangoLayout* layout = MakeLayout(cr, text, style, wrap ? width : 0, align);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    double left = x;
    if (!wrap) {
        if (align == Align::Centre) {
            left = x + (width - logical.width) / 2;
        } else if (align == Align::Right) {
            left = x + width - logical.width;
        }
    }
    Paint(cr, layout, style, left, y);
    g_object_unref(layout);
    return logical.height;
}

void DrawTextCentred(cairo_t* cr, std::string_view text, const TextStyle& style, double cx,
                     double cy) {
    PangoLayout* layout = MakeLayout(cr, text, style, 0, Align::Left);
    PangoRectangle ink, logical;
    pango_layout_get_pixel_extents(layout, &ink, &logical);
    // Centre on the ink so that glyphs sit in the middle of buttons whatever the font's leading.
    Paint(cr, layout, style, cx - ink.x - ink.width / 2.0, cy - ink.y - ink.height / 2.0);
    g_object_unref(layout);
}

} // namespace artwork
