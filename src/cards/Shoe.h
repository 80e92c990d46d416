// The four-deck shoe of a table: its build order, the probing shuffle, the unseen-card table
// and the operations that move the next card of the dealing shoe into a hand.
#pragma once

#include "cards/CardValues.h"
#include "cards/Hand.h"
#include "cards/Random.h"

#include <array>
#include <cstdint>

namespace quorvel {

class ShoeStack;

inline constexpr int kShoeSize = 208;
inline constexpr int kThreeSeatShoeLimit = 7 * kHandSlots; // [cards] 133
inline constexpr int kShuffleRuns = 100;                   // probing runs of a new shoe

// 208 entries, addressed by position [1-208].
class TShoe {
public:
    // Throws std::out_of_range outside 1..208.
    TShoeCard& At(int position) {
        if (position < 1 || position > kShoeSize)
            ThrowBadPosition(position);
        return entries_[static_cast<std::size_t>(position - 1)];
    }
    const TShoeCard& At(int position) const { return const_cast<TShoe&>(*this).At(position); }
    std::array<TShoeCard, kShoeSize>& Entries() { return entries_; }
    const std::array<TShoeCard, kShoeSize>& Entries() const { return entries_; }

private:
    [[noreturn]] static void ThrowBadPosition(int position);
    std::array<TShoeCard, kShoeSize> entries_{};
};

// Unseen-card table: rows [1-4] spades, hearts, clubs, diamonds; columns the ranks ace..king.
class TCardCounts {
public:
    // Throws std::out_of_range outside rows 1..4 and the thirteen ranks.
    int& Count(int row, TCardValue rank) {
        if (row < 1 || row > 4 || rank > cvKing)
            ThrowBadRow(row);
        return rows_[static_cast<std::size_t>(row - 1)][rank];
    }
    int Count(int row, TCardValue rank) const {
        return const_cast<TCardCounts&>(*this).Count(row, rank);
    }
    int& Of(TShoeCard card) { return Count(SuitRow(card.Suit), card.Rank); }
    int Of(TShoeCard card) const { return Count(SuitRow(card.Suit), card.Rank); }
    void Fill(int count);

    static int SuitRow(TCardSuit suit); // spades 1, hearts 2, clubs 3, diamonds 4
    static TCardSuit RowSuit(int row);  // the inverse [1-4]

private:
    [[noreturn]] static void ThrowBadRow(int row);
    std::array<std::array<int, 13>, 4> rows_{};
};

// Everything a table keeps about its shoe.
struct TableShoe {
    TShoe Dealing;
    TShoe Work;
    int Position = 0; // cards taken since the shoe was made [0-208]; next card is Position + 1
    TCardCounts Unseen;

    int CardsLeft() const { return kShoeSize - Position; }
};

void BuildShoe(TShoe& shoe);
// One probing shuffle run from the work shoe into the dealing shoe (208 shuffle draws in 1..208),
// then the dealing shoe is copied back into the work shoe.
void ShuffleShoe(TShoe& dealing, TShoe& work, RandomSource& random);
// `runs` such runs in a row, each from the order the one before left: the same shoes from the
// same draws as calling ShuffleShoe `runs` times, at a fraction of the cost. A draw outside
// 1..208 throws std::out_of_range.
void ShuffleShoe(TShoe& dealing, TShoe& work, RandomSource& random, int runs);
// Builds, shuffles 100 times, fills the unseen table with 4s, position 0. With a stacked shoe
// that holds cards, the shoe is the stack followed by the rest of the build order, unshuffled
// (the stack is consumed); with a shoe prepared in it, that shoe as it is.
void NewShoe(TableShoe& shoe, RandomSource& random, ShoeStack* stack = nullptr);

// The one-seat limit: (player hands + 2) x 19 cards. Three-seat tables use kThreeSeatShoeLimit.
int OneSeatShoeLimit(int playerHands);
// A table makes a new shoe at round 1 and when fewer than `limit` cards are left.
bool NeedsNewShoe(const TableShoe& shoe, int limit, int roundNumber);

// Position + 1, then Cards[slot] [1-19] takes the rank and the suit of that entry.
void DealCard(THand& hand, int slot, TableShoe& shoe);
// Adds the next card to the end of the hand and values it. Returns the slot it went to, or 0
// for a hand with no slot left (nineteen cards cannot be reached without busting).
int DrawCard(THand& hand, TableShoe& shoe);
// Counts dealing entry n + 1 as seen.
void MarkCardSeen(TableShoe& shoe, int n);

// Steering helpers. The first row [1-4] from `fromRow` to `toRow` whose unseen count of the
// rank is at least 2, or 0.
int FirstEligibleRow(const TCardCounts& unseen, TCardValue rank, int fromRow, int toRow = 4);
// The first undealt position [Position + 1 - 208] holding exactly this card, or 0.
int FindUndealt(const TableShoe& shoe, TShoeCard card);
// Exchanges two entries of the dealing shoe.
void SwapEntries(TableShoe& shoe, int a, int b);

} // namespace quorvel
