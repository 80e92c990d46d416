// A run of rounds at one table, played by the game's own round engine with a view that shows
// nothing: computer characters at every place but the user's, the user's place played by a
// fixed policy. A game that ends starts again (the next game); a streak that takes the user on
// to the one-on-one challenge is handed back at once, with the money as it stands.
#pragma once

#include "Tally.h"

#include <array>
#include <cstdint>
#include <string>

namespace quorvel {
class RandomSource;
}

namespace quorvel::sim {

class SharedShoes;
class UserPolicy;

// Who sits at the table.
struct Seating {
    int Mode = 1;                     // the table [1-4]
    std::array<std::string, 4> Names; // [0 the banker, 1-3]; at the user's place, the user's
    std::array<bool, 4> Measured{};   // the places whose hands count as the character's
    // No card is ever moved: the characters steer nothing and the table makes no pairs.
    bool Fair = false;
};

// The names at table `mode` [1-4] when the measured character is `character`: the banker the
// user challenges, or every seat the user banks against; `companions` fill the other computer
// seats of the three-seat challenge table.
Seating SeatingFor(int mode, const std::string& character,
                   const std::array<std::string, 2>& companions, bool fair);

// Plays `rounds` settled rounds [0-] and adds them up; the table's new shoes are `shoes` in
// their order, the rest of its draws come from `random`.
Tally PlayRounds(const Seating& seating, UserPolicy& policy, std::int64_t rounds,
                 RandomSource& random, SharedShoes& shoes);

} // namespace quorvel::sim
