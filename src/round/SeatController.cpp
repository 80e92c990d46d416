// The computer characters' decisions, through their character rows.
#include "round/SeatController.h"

#include "players/CharacterPlay.h"

namespace quorvel {

Action ComputerPlayer::Bet(const THandRecord& hand, int seat) {
    return Action::By(seat, ActionKind::Bet, OpponentBet(hand, random_));
}

void ComputerPlayer::SteerOpening(THandRecord& hand, TableShoe& shoe, int holeEntry) {
    SteerBankerOpening(hand, shoe, holeEntry, random_);
}

Action ComputerPlayer::Move(THandRecord& hand, TableShoe& shoe, int seat, int handIndex) {
    Action move = Action::By(seat, OpponentWantsCard(hand, shoe, random_) ? ActionKind::Hit
                                                                          : ActionKind::Stand);
    move.Hand = handIndex;
    return move;
}

void ComputerPlayer::SteerForcedCard(THandRecord& hand, TableShoe& shoe) {
    OpponentWantsCard(hand, shoe, random_);
}

} // namespace quorvel
