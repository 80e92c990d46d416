// Hand records: resets, and standalone card controls for tests and tools.
#include "players/HandRecord.h"

#include "cards/Card.h"

#include <stdexcept>
#include <string>

namespace quorvel {

TCard* THandRecord::Card(int slot) const {
    if (slot < 1 || slot > 19)
        throw std::out_of_range("hand slot " + std::to_string(slot));
    return Cards[slot - 1];
}

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

void FreeHandCards(THandRecord& hand) {
    for (TCard* card : hand.Cards)
        if (card)
            card->Hide();
}

StandaloneCards::StandaloneCards() {
    for (std::size_t i = 0; i < cards_.size(); ++i) {
        cards_[i] = std::make_unique<TCard>("Card" + std::to_string(i + 1));
        cards_[i]->Hide();
    }
}

StandaloneCards::StandaloneCards(THandRecord& hand) : StandaloneCards() {
    Bind(hand);
}

StandaloneCards::~StandaloneCards() = default;

void StandaloneCards::Bind(THandRecord& hand) {
    for (std::size_t i = 0; i < cards_.size(); ++i)
        hand.Cards[i] = cards_[i].get();
}

} // namespace quorvel
