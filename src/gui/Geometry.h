// Small value types shared by the whole user interface: points and rectangles in the
// 800x600 layout space, and 8-bit RGBA colours.
#pragma once

#include <cstdint>

namespace quorvel {

// Width and height of the layout space every screen is laid out in [px].
inline constexpr int kDesignWidth = 800;
inline constexpr int kDesignHeight = 600;

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;

    bool Contains(Point p) const { return p.x >= x && p.y >= y && p.x < x + w && p.y < y + h; }
    // Whether the two share at least one pixel.
    bool Overlaps(const Rect& o) const {
        return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h;
    }
    // Whether all of `inner` lies inside.
    bool Encloses(const Rect& inner) const {
        return inner.x >= x && inner.y >= y && inner.x + inner.w <= x + w &&
               inner.y + inner.h <= y + h;
    }
};

struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    std::uint8_t a = 255;

    bool operator==(const Color&) const = default;
};

namespace colors {
inline constexpr Color kBlack{0, 0, 0};
inline constexpr Color kWhite{255, 255, 255};
inline constexpr Color kYellow{255, 255, 0};
inline constexpr Color kRed{255, 0, 0};
inline constexpr Color kTransparent{0, 0, 0, 0};
} // namespace colors

enum class MouseButton { Left, Right, Middle };
enum class Cursor { Default, HandPoint };
enum class Align { Left, Center, Right };
enum class TextLayout { Top, Center };

} // namespace quorvel
