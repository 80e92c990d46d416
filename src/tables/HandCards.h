// The card controls of a table's hand records, nineteen for each hand, and the records they
// show: a card found by seat, hand and slot, a record by its name in the hand lines, the hand
// lines scripts print, and the cards hidden a hand or the whole table at once.
#pragma once

#include "cards/Hand.h"
#include "players/HandRecord.h"
#include "round/RoundFacts.h"
#include "tables/TableDesign.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel {

class Screen;
class TCard;

class HandCards {
public:
    // Creates each hand's card controls on `table`, hidden and above what the table holds so
    // far, named "NAME.SLOT" [1-19]. The records are the round's.
    HandCards(Screen& table, const RoundFacts& round, std::span<const TableHand> hands);

    // The hand records in the order of the hand lines (banker first, then seats, then split
    // hands).
    int Count() const { return static_cast<int>(hands_.size()); }
    const THandRecord& Record(int index) const;
    // The record of a hand by its name ("banker", "main", "seat2"); throws std::out_of_range.
    const THandRecord& RecordOf(std::string_view name) const;
    // One line per record: name, Name, Money, Bet, Streak, Bonus, HandValue, CardCount and the
    // cards in card codes, a face-down card in brackets.
    std::vector<std::string> Lines() const;

    // A hand's card control at slot [1-19]; throws std::out_of_range for a hand the table does
    // not have or a slot outside the hand.
    TCard& Card(int seat, int hand, int slot) const;
    // All nineteen card controls of a hand.
    std::span<TCard* const> CardsOf(int seat, int hand) const;
    void HideAll();
    // Hides a hand's first `count` cards.
    void Hide(int seat, int hand, int count);

private:
    std::size_t IndexOf(int seat, int hand) const;

    const RoundFacts& round_;
    std::vector<TableHand> hands_;
    std::vector<std::array<TCard*, kHandSlots>> cards_; // by record
};

} // namespace quorvel
