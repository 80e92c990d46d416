// The paid card swap: exchanges a hand's card for an undealt card of a requested rank.
#pragma once

#include "cards/Hand.h"
#include "cards/Random.h"
#include "cards/Shoe.h"

#include <string>

namespace quorvel {

// rank [1-13] (ace 1, jack 11, queen 12, king 13); slot [1-19]; holeEntry is the shoe position
// the card in that slot was dealt at (its entry is holeEntry + 1). Draws the starting row r in
// 0..99 (a rule draw) unless the rank or slot is out of range. The hand is revalued in every
// case. True when the card was exchanged.
bool SwapCard(THand& hand, TableShoe& shoe, int rank, int slot, int holeEntry,
              RandomSource& random);

// Accepted texts of the swap box: "A"/"a" 1, "2".."10", "J"/"j" 11, "Q"/"q" 12, "K"/"k" 13;
// 0 for anything else.
int SwapRankFromText(const std::string& text);

} // namespace quorvel
