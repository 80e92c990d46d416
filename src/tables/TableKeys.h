// The keys of every table. Each key names actions; it presses, through the table's offered
// controls, the control of the first of them the table offers now, as a click on it would, so
// the engine's busy guard and checks meet a key as they meet a click: Enter confirms the swap,
// deals, ends the bets or passes; H hit, S stand, D double, P split, N no split, O the banker
// opens, 1-3 the chips, R the raised bet, Backspace takes the bet back, L look, C swap, T the
// swap's hand, Esc closes the services or goes back, Ctrl+S saves.
#pragma once

#include "gui/Key.h"

namespace quorvel {

class App;
class OfferedControls;

// Presses the control the key names; false when it names none the table offers now.
bool PressTableKey(App& app, const OfferedControls& offered, const KeyPress& key);
// Whether the key is a table key, whether or not it presses anything now.
bool IsTableKey(const KeyPress& key);
// Draws each offered control's key on it (on the button inside a panel).
void ShowTableKeyHints(const OfferedControls& offered);

} // namespace quorvel
