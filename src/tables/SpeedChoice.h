// The card-speed choice of a table: its button shows the three speed choices; a choice sets
// the card flight speed (fast, middle, slow) and hides the choices again.
#pragma once

#include <array>

namespace quorvel {

class TableScreen;

// Wires the speed button and its three choices, given by their designed names.
void WireSpeedChoice(TableScreen& table, const char* button, std::array<const char*, 3> choices);

} // namespace quorvel
