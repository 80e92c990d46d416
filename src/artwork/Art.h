// Drawing helpers shared by every painter of the artwork generator: colours, surfaces, rounded
// shapes, gradients and text through pango in the bold Chinese faces the screens use.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace artwork {

struct Rgb {
    double r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB with an optional opacity [0-1].
Rgb Hex(std::uint32_t rrggbb, double alpha = 1.0);
Rgb Mix(Rgb a, Rgb b, double t); // t [0-1]: 0 gives a, 1 gives b
Rgb Lighter(Rgb c, double amount);
Rgb Darker(Rgb c, double amount);

// A picture's size in the layout [layout px] and the pixels it is painted on [px]; `memory`,
// when given, is where those pixels are kept (pixelWidth x pixelHeight words, cleared), so a
// caller can take the painting without a copy.
struct SurfaceSize {
    int width = 0, height = 0;
    int pixelWidth = 0, pixelHeight = 0;
    std::uint32_t* memory = nullptr;
};

// An ARGB surface with its drawing context; freed together. Painters draw in layout pixels:
// the context is scaled so that the picture's design size covers all of its pixels, so the
// same painting gives the data folder's file at 1:1 and a sharp picture at any screen size.
class Surface {
public:
    Surface(int width, int height) : Surface(SurfaceSize{width, height, width, height}) {}
    explicit Surface(SurfaceSize size);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return size_.width; }             // [layout px]
    int height() const { return size_.height; }           // [layout px]
    int pixelWidth() const { return size_.pixelWidth; }   // [px]
    int pixelHeight() const { return size_.pixelHeight; } // [px]

private:
    SurfaceSize size_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

void SetColor(cairo_t* cr, Rgb c);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void FillRoundRect(cairo_t* cr, double x, double y, double w, double h, double r, Rgb c);
// Vertical linear gradient from `top` to `bottom` over [y0, y1], left as the source.
void VerticalGradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom);
void RadialGlow(cairo_t* cr, double cx, double cy, double radius, Rgb inner, Rgb outer);
// Paints a glow that fades to clear at `radius`: only the square around it, since nothing
// beyond the radius changes, which spares painting a large picture's other pixels.
void PaintFadingGlow(cairo_t* cr, double cx, double cy, double radius, Rgb inner, Rgb outer);
// Deterministic speckle over the whole surface: each pixel's brightness moves by up to
// `amount` [0-255] from a fixed-seed generator, for felt and paper textures. The grain is
// the surface's own pixel, so a picture painted larger gets a finer grain, not larger specks.
void Speckle(Surface& s, int amount, std::uint32_t seed);
// A five-pointed star centred at (cx, cy).
void StarPath(cairo_t* cr, double cx, double cy, double outer, double inner, double turn = 0);

enum class Align { Left, Centre, Right };

// The two faces the pictures are written in.
inline constexpr const char* kSansFamily = "Noto Sans CJK TC";
inline constexpr const char* kSerifFamily = "Noto Serif CJK TC";

struct TextStyle {
    std::string family = kSansFamily;
    bool bold = true;
    double size = 16; // [px]
    Rgb color = {1, 1, 1, 1};
    Rgb outline = {0, 0, 0, 0}; // alpha 0: no outline
    double outlineWidth = 0;    // [px]
    Rgb shadow = {0, 0, 0, 0};  // alpha 0: no shadow
    double shadowDx = 1, shadowDy = 1;
    double letterSpacing = 0; // [px]
    double lineSpacing = 1.0; // factor on the line height
};

// Draws `text` with its top at `y`, aligned inside [x, x + width]; wraps at `width` when `wrap`.
// Returns the height of the drawn text [px].
double DrawText(cairo_t* cr, std::string_view text, const TextStyle& style, double x, double y,
                double width, Align align = Align::Centre, bool wrap = false);
// The size of `text` in `style` without drawing it, wrapped at `wrapWidth` when above 0.
void MeasureText(cairo_t* cr, std::string_view text, const TextStyle& style, double wrapWidth,
                 double& width, double& height);
// Centres the text on (cx, cy) both ways.
void DrawTextCentred(cairo_t* cr, std::string_view text, const TextStyle& style, double cx,
                     double cy);

// Fixed-seed generator for textures and scattered decoration (same numbers on every run).
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed * 2654435761u + 12345u) {}
    std::uint32_t Next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double Unit() { return (Next() & 0xFFFFFF) / double(0x1000000); } // [0-1)
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }

private:
    std::uint32_t state_;
};

} // namespace artwork
