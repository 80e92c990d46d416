// The computer characters' decisions, through their character rows.
#include "round/SeatController.h"

#include "players/CharacterPlay.h"

namespace quorvel {

void ComputerPlayer::PlaceBet(THandRecord& seat) {
    ChooseOpponentBet(seat, random_);
}

void ComputerPlayer::SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) {
    SteerBankerOpening(hand, shoe, holeEntry, random_);
}

ActionKind ComputerPlayer::NextMove(THandRecord& hand, TableShoe& shoe) {
    return OpponentWantsCard(hand, shoe, random_) ? ActionKind::Hit : ActionKind::Stand;
}

} // namespace quorvel
