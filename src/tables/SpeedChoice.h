// The card-speed choice of a table: its button shows the three speed choices, the one in use
// marked; a choice sets the card flight speed (fast, middle, slow), and with it how long the
// banners and pauses hold the game, tells the game to keep it, and hides the choices again.
#pragma once

namespace quorvel {

class TableScreen;

// Wires the table's speed button and its three choices by their roles.
void WireSpeedChoice(TableScreen& table);

} // namespace quorvel
