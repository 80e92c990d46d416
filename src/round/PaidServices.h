// The paid services on the treasure chest in the user's turn: a look at the other side's
// face-down cards, the exchange of the user's own face-down card for a named rank (the swap
// panel, with the hand toggle after a split), and closing the services for the turn.
#pragma once

#include "round/RoundContext.h"

#include <cstdint>
#include <string>

namespace quorvel {

class PaidServices {
public:
    explicit PaidServices(RoundContext& round) : round_(round) {}

    void Look();
    void Swap();
    void Confirm(const std::string& rankText);
    // The swap goes to `hand` [1 main, 2 split].
    void Toggle(int hand);
    void Close();

private:
    void Charge(int service, std::int32_t fee);

    RoundContext& round_;
};

} // namespace quorvel
