// The seats' turns in order: each computer seat plays its hand (and its split hand) by its
// character's moves, each a Hit or a Stand through Apply; the user's seat waits for the user
// (with the split offered first where the table asks); after the last seat the banker plays.
#pragma once

#include "round/RoundContext.h"

namespace quorvel {

class SeatsPlay {
public:
    explicit SeatsPlay(RoundContext& round) : round_(round) {}

    // The seats from `seat` on play in turn; the user's seat stops the round for the user.
    void PlayFrom(int seat);
    // A computer seat's card, as its Hit asks: one more card for the hand it plays.
    void Draw(int seat);
    // A computer seat doubles the hand it plays: its bet doubled and one more card.
    void Double(int seat);

private:
    void PlayComputerSeat(int seat);
    void PlayComputerHand(int seat, int hand);

    RoundContext& round_;
};

} // namespace quorvel
