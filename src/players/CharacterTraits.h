// How each computer character plays, one row per character keyed by its name: which card
// steering it tries for its face-down card by band of the draw r, when it stops drawing when
// rich, the bands in which it steers its next card, and its drawing limits for 12..19.
#pragma once

#include <array>
#include <string_view>
#include <vector>

namespace quorvel {

enum class HoleSteer { AceJack, SixSevenEight, Sevens, SuitedAceJack, Natural };

// Bands of r [1-100] of the opening steering: 1..10, 11..20, .., 71..80, 81..100.
inline constexpr int kOpeningBands = 9;
int OpeningBand(int r); // [0-8]

struct DrawBand {
    int From = 0; // [1-100]; 0 for no band
    int To = 0;
    bool Contains(int r) const { return From > 0 && r >= From && r <= To; }
};

struct CharacterTraits {
    std::string_view Name;
    std::array<std::vector<HoleSteer>, kOpeningBands> Opening;
    int RichStop;              // above this value a rich hand stops
    DrawBand ToTwentyOne;      // r band: steer the next card to 21
    DrawBand Small;            // r band: steer the next card small
    std::array<int, 8> Limits; // draw when s <= limit, for values 12..19
};

// Nothing for a name outside the roster.
const CharacterTraits* FindTraits(std::string_view name);
const std::vector<CharacterTraits>& AllTraits();

} // namespace quorvel
