// The unseen-card panel of a table: how many cards of each rank and suit the shoe still holds
// unseen, written in yellow on the panel's grid. The panel waits hidden until a deal shows it.
#pragma once

#include "cards/Shoe.h"
#include "gui/Geometry.h"

#include <array>

namespace quorvel {

class Image;
class Panel;

class UnseenCounts {
public:
    // The panel and the picture inside it the numbers are written on.
    UnseenCounts(Panel& panel, Image& picture);

    // Shows the panel with these counts; only the numbers that changed are written again.
    void Show(const TCardCounts& unseen);
    void Hide();

private:
    Panel& panel_;
    Image& picture_;
    std::array<int, 52> shown_; // the numbers on the panel now, -1 for none yet
};

} // namespace quorvel
