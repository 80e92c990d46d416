// The room a line of text takes, estimated from the font size before anything is drawn: CJK
// characters are square, other characters half as wide. Labels size themselves by it, and
// key tags keep off the captions it outlines.
#pragma once

#include "gui/Geometry.h"

#include <algorithm>
#include <string_view>

namespace quorvel {

// Display width of one line of UTF-8 text [px] at a font size [px].
inline int EstimatedTextWidth(std::string_view text, int sizePx) {
    int half = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int len = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
        half += len >= 3 ? 2 : 1;
        i += len;
    }
    return (half * sizePx + 1) / 2;
}

// Where one line of text lies in `box` [px]: as wide as estimated (at most the box), as high
// as a line of the CJK faces (half as much again as the font size, at most the box), placed by
// `align` across and at the top or in the middle.
inline Rect TextLineArea(std::string_view text, int sizePx, Rect box, Align align, bool middle) {
    const int w = std::min(EstimatedTextWidth(text, sizePx), box.w);
    const int h = std::min(sizePx * 3 / 2, box.h);
    const int x = align == Align::Left    ? box.x
                  : align == Align::Right ? box.x + box.w - w
                                          : box.x + (box.w - w) / 2;
    return {x, middle ? box.y + (box.h - h) / 2 : box.y, w, h};
}

} // namespace quorvel
