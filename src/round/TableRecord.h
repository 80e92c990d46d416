// A table between rounds, as far as what follows depends on it: who sits where with what money,
// stake, streak, raised-bet offer and claim, the round counter, the challenge being played, the
// services the user switched off for the next turn, and the shoe. A saved game keeps the names
// and money of it; a round's record keeps all of it, so the round can be played again exactly.
#pragma once

#include "cards/Shoe.h"
#include "players/Money.h"
#include "round/Seat.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quorvel {

struct SeatRecord {
    std::string Name;
    std::int32_t Money = kStartingMoney;
    std::int32_t Bet = 0; // a stake put down before the round's first action [money]
    std::int32_t Streak = 0;
    RaiseOffer Raise;
    Claim Debt;
    friend bool operator==(const SeatRecord&, const SeatRecord&) = default;
};

struct TableRecord {
    std::array<SeatRecord, 4> Seats; // [0 the banker, 1-3]
    // The round counter; nothing for the table's first round of a game.
    std::optional<std::int32_t> RoundNumber;
    // The table waits for the round's first action (the deal, or the user's chips). A table
    // resumed closed opens with its announcements.
    bool Open = false;
    bool Challenge = false;   // a one-on-one challenge from the three-seat table
    int ChallengeMode = 0;    // the mode its rounds count under [1-4], 0 for the table's own
    bool ServicesOff = false; // the user closed the services, and no hit has opened them since
    // The shoe as it stands; nothing for a game whose first deal makes a new one.
    std::optional<TableShoe> Shoe;
};

} // namespace quorvel
