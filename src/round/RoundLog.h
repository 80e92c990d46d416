// One round as it can be played again: its start (the table's mode and record, and where the
// draws stood), who did what (every action the round took, the user's input told apart from the
// moves the round made for the computer seats and by its rules), and how it ended (each seat's
// money and the user's side of the result).
#pragma once

#include "cards/Random.h"
#include "players/Statistics.h"
#include "round/Action.h"
#include "round/TableRecord.h"

#include <array>
#include <cstdint>
#include <vector>

namespace quorvel {

struct LoggedAction {
    Action Taken;       // its seat is the seat that acted [0-3]
    bool Input = false; // the user's click or key; otherwise a computer's decision or a rule's
};

struct RoundLog {
    int Mode = 0;  // the table's mode [1-4]
    int Seats = 1; // seats against the banker [1 or 3]
    TableRecord Start;
    RandomPosition Random;
    std::vector<LoggedAction> Actions;
    // How it ended: the round counter, each seat's money [0 the banker, 1-3], and the user's
    // side (its result with the fees added back, its hands won, pushed and lost).
    std::int32_t RoundNumber = 0;
    std::array<std::int32_t, 4> MoneyAfter{};
    RoundRecord User;
};

} // namespace quorvel
