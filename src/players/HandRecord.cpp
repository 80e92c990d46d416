// Hand records: the resets of a new round and of a new game.
#include "players/HandRecord.h"

namespace quorvel {

void ResetHand(THandRecord& hand) {
    hand.HandValue = 1;
    hand.CardCount = 0;
    hand.Kind = 8;
    hand.AceCount = 0;
    hand.HardTotal = 1;
    hand.Outcome = 0;
}

void ResetSeatMoney(THandRecord& hand) {
    hand.Money = kStartingMoney;
    hand.Bet = 0;
    hand.Streak = 0;
}

} // namespace quorvel
