// The fair character's bets and decisions, by its character's rows.
#include "FairCharacter.h"

#include "players/CharacterPlay.h"

namespace quorvel::sim {

Action FairCharacter::Bet(const THandRecord& hand, int seat) {
    return Action::By(seat, ActionKind::Bet, OpponentBet(hand, random_));
}

Action FairCharacter::Move(THandRecord& hand, TableShoe& shoe, int seat, int handIndex) {
    // The character decides as it would, steering in a copy: the answer counts, the card stays.
    scratch_ = shoe;
    Action move = Action::By(seat, OpponentWantsCard(hand, scratch_, random_) ? ActionKind::Hit
                                                                              : ActionKind::Stand);
    move.Hand = handIndex;
    return move;
}

} // namespace quorvel::sim
