// The unseen-card numbers on the panel's grid.
#include "tables/UnseenCounts.h"

#include "gui/Image.h"
#include "gui/Panel.h"
#include "ui/AssetCatalog.h"

#include <string>

namespace quorvel {

namespace {
// The numbers: yellow on an opaque box, so a new number covers the old one. The box (1.2 font
// sizes wide, one high) fits inside a grid cell, clear of its lines, and has the colour of its
// row on the panel picture, so that only the number shows.
constexpr FontSpec kCountsFont{10, false, colors::kYellow};
constexpr Color kCountsBoxes[4] = {{33, 53, 72}, {16, 36, 55}, {30, 48, 65}, {12, 29, 46}};
// The grid's origin in the panel picture: the picture has its title and header above the
// count grid and its suit signs left of it [px].
constexpr Point kCountsOrigin{AssetCatalog::kCountsOriginX, AssetCatalog::kCountsOriginY};
// Step of the count grid [px]: columns ace..king, rows spades, hearts, clubs, diamonds.
constexpr int kCountsColumnStep = 13;
constexpr int kCountsRowStep = 15;
constexpr int kCountsLeft = 2;
constexpr int kCountsTop = 5;
} // namespace

UnseenCounts::UnseenCounts(Panel& panel, Image& picture) : panel_(panel), picture_(picture) {
    shown_.fill(-1);
}

void UnseenCounts::Show(const TCardCounts& unseen) {
    panel_.Show();
    // Only the numbers that changed are written again: the panel is redrawn after every card.
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank) {
            const int count = unseen.Count(row, static_cast<TCardValue>(rank));
            int& shown = shown_[static_cast<std::size_t>((row - 1) * 13 + rank)];
            if (count == shown)
                continue;
            shown = count;
            picture_.CanvasText(kCountsOrigin.x + kCountsColumnStep * rank + kCountsLeft,
                                kCountsOrigin.y + kCountsTop + kCountsRowStep * (row - 1),
                                std::to_string(count), kCountsFont, kCountsBoxes[row - 1]);
        }
}

void UnseenCounts::Hide() {
    panel_.Hide();
}

} // namespace quorvel
