// The card controls of each hand record, and the hand lines.
#include "tables/HandCards.h"

#include "cards/CardCode.h"
#include "gui/Screen.h"
#include "ui/Card.h"

#include <stdexcept>

namespace quorvel {

HandCards::HandCards(Screen& table, const RoundFacts& round, std::span<const TableHand> hands)
    : round_(round), hands_(hands.begin(), hands.end()), cards_(hands.size()) {
    for (std::size_t i = 0; i < hands_.size(); ++i)
        for (int slot = 1; slot <= kHandSlots; ++slot) {
            auto& card =
                table.Add<TCard>(std::string(hands_[i].Name) + "." + std::to_string(slot), nullptr);
            card.Hide();
            cards_[i][static_cast<std::size_t>(slot - 1)] = &card;
        }
}

std::size_t HandCards::IndexOf(int seat, int hand) const {
    for (std::size_t i = 0; i < hands_.size(); ++i)
        if (hands_[i].Seat == seat && hands_[i].Hand == hand)
            return i;
    throw std::out_of_range("no hand " + std::to_string(seat) + "." + std::to_string(hand));
}

const THandRecord& HandCards::Record(int index) const {
    const TableHand& hand = hands_.at(static_cast<std::size_t>(index));
    return round_.At(hand.Seat).Hand(hand.Hand);
}

const THandRecord& HandCards::RecordOf(std::string_view name) const {
    for (std::size_t i = 0; i < hands_.size(); ++i)
        if (hands_[i].Name == name)
            return Record(static_cast<int>(i));
    throw std::out_of_range("no hand record " + std::string(name));
}

std::vector<std::string> HandCards::Lines() const {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < hands_.size(); ++i) {
        const THandRecord& h = Record(static_cast<int>(i));
        std::string line = std::string(hands_[i].Name) + " Name=\"" + h.Name +
                           "\" Money=" + std::to_string(h.Money) + " Bet=" + std::to_string(h.Bet) +
                           " Streak=" + std::to_string(h.Streak) +
                           " Bonus=" + std::to_string(h.Bonus) +
                           " HandValue=" + std::to_string(h.HandValue) +
                           " CardCount=" + std::to_string(h.CardCount);
        for (int slot = 1; slot <= h.CardCount && slot <= kHandSlots; ++slot) {
            const std::string code = CardCode(h.Card(slot));
            const bool faceUp = cards_[i][static_cast<std::size_t>(slot - 1)]->FaceUp();
            line += faceUp ? " " + code : " [" + code + "]";
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

TCard& HandCards::Card(int seat, int hand, int slot) const {
    if (slot < 1 || slot > kHandSlots)
        throw std::out_of_range("hand slot " + std::to_string(slot));
    return *cards_[IndexOf(seat, hand)][static_cast<std::size_t>(slot - 1)];
}

std::span<TCard* const> HandCards::CardsOf(int seat, int hand) const {
    return cards_[IndexOf(seat, hand)];
}

void HandCards::HideAll() {
    for (const auto& hand : cards_)
        for (TCard* card : hand)
            card->Hide();
}

void HandCards::Hide(int seat, int hand, int count) {
    for (int slot = 1; slot <= count && slot <= kHandSlots; ++slot)
        Card(seat, hand, slot).Hide();
}

} // namespace quorvel
