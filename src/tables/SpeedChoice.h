// The card-speed choice of a table: its button shows the three speed choices, the one in use
// marked; a choice sets the card flight speed (fast, middle, slow), and with it how long the
// banners and pauses hold the game, and hides the choices again.
// All four tables use it with their own designed controls.
#pragma once

#include <array>

namespace quorvel {

class TableScreen;

// Wires the speed button and its three choices, given by their designed names, fast first.
void WireSpeedChoice(TableScreen& table, const char* button, std::array<const char*, 3> choices);

} // namespace quorvel
