// What a settled round adds to the user's statistics, seen from the user's side of the table,
// and the computer seats whose money ends their game with it.
#pragma once

#include "players/Statistics.h"
#include "round/RoundState.h"
#include "round/TableRules.h"

#include <array>

namespace quorvel {

// The user's side of the round just settled, before the end-of-game checks run.
RoundRecord SettledRound(const RoundState& state, const TableRules& rules);
// The computer seats [0 the banker, 1-3] whose money ends their game now, in seat order.
struct SeatList {
    std::array<int, 4> Seats{};
    int Count = 0;
    const int* begin() const { return Seats.data(); }
    const int* end() const { return Seats.data() + Count; }
    bool empty() const { return Count == 0; }
};
SeatList BeatenSeats(const RoundState& state, const TableRules& rules);

} // namespace quorvel
