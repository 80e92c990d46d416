// One derivation of what a round allows: for each stage, a function from the round's state to
// what a seat may do now. The engine's Apply takes an action only when it is in this set, for
// the user and the computer seats alike, and the user's buttons are derived from the same
// answer, so each rule is written once.
#pragma once

#include "round/Action.h"
#include "round/RoundState.h"
#include "round/TableRules.h"

namespace quorvel {

// What `seat` [0 the banker, 1-3] may do now. The user's seat (TableRules::UserSeat, also the
// host's clicks at a table without a user) adds saving, leaving and the next round.
ActionSet AllowedActions(const RoundState& state, const TableRules& rules, int seat);
// The user may peek at the face-down card of `hand` [1-2].
bool PeekAllowed(const RoundState& state, const TableRules& rules, int hand);
// How the user's buttons stand: what the user may do shows and takes a click; some buttons
// show without taking one (the turn's buttons held by the swap panel, services switched off,
// saving in the last moments of a game); the back button shows only once a round is over,
// though leaving is allowed before any deal; while a step runs nothing but the save takes a
// click and the step keeps the buttons it is using out of sight.
Offers UserOffers(const RoundState& state, const TableRules& rules);

} // namespace quorvel
