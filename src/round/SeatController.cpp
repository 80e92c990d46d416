// The computer characters' decisions, through their character rows.
#include "round/SeatController.h"

#include "players/CharacterPlay.h"

namespace quorvel {

std::int32_t ComputerPlayer::ChooseBet(const THandRecord& seat) {
    return OpponentBet(seat, random_);
}

void ComputerPlayer::SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) {
    SteerBankerOpening(hand, shoe, holeEntry, random_);
}

ActionKind ComputerPlayer::NextMove(THandRecord& hand, TableShoe& shoe) {
    return OpponentWantsCard(hand, shoe, random_) ? ActionKind::Hit : ActionKind::Stand;
}

} // namespace quorvel
