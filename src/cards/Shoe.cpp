// The shoe: build order, probing shuffle, new-shoe rule, dealing and the unseen-card table.
#include "cards/Shoe.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"

#include <stdexcept>
#include <string>
#include <utility>

namespace quorvel {

TShoeCard& TShoe::At(int position) {
    if (position < 1 || position > kShoeSize)
        throw std::out_of_range("shoe position " + std::to_string(position));
    return entries_[position - 1];
}

const TShoeCard& TShoe::At(int position) const {
    if (position < 1 || position > kShoeSize)
        throw std::out_of_range("shoe position " + std::to_string(position));
    return entries_[position - 1];
}

int& TCardCounts::Count(int row, TCardValue rank) {
    if (row < 1 || row > 4 || rank > cvKing)
        throw std::out_of_range("unseen table row " + std::to_string(row));
    return rows_[row - 1][rank];
}

int TCardCounts::Count(int row, TCardValue rank) const {
    if (row < 1 || row > 4 || rank > cvKing)
        throw std::out_of_range("unseen table row " + std::to_string(row));
    return rows_[row - 1][rank];
}

void TCardCounts::Fill(int count) {
    for (auto& row : rows_)
        row.fill(count);
}

int TCardCounts::SuitRow(TCardSuit suit) {
    static constexpr int kRows[4] = {3, 4, 2, 1}; // clubs, diamonds, hearts, spades
    return kRows[suit & 3];
}

TCardSuit TCardCounts::RowSuit(int row) {
    static constexpr TCardSuit kSuits[4] = {csSpade, csHeart, csClub, csDiamond};
    if (row < 1 || row > 4)
        throw std::out_of_range("unseen table row " + std::to_string(row));
    return kSuits[row - 1];
}

void BuildShoe(TShoe& shoe) {
    int position = 1;
    for (int rank = cvAce; rank <= cvKing; ++rank)
        for (int suit = csClub; suit <= csSpade; ++suit)
            for (int copy = 0; copy < 4; ++copy)
                shoe.At(position++) =
                    TShoeCard{static_cast<TCardValue>(rank), static_cast<TCardSuit>(suit)};
}

void ShuffleShoe(TShoe& dealing, TShoe& work, RandomSource& random) {
    std::array<bool, kShoeSize + 1> taken{};
    for (int i = 1; i <= kShoeSize; ++i) {
        // A drawn position already taken passes its turn to the next free one after it.
        int j = random.Draw(DrawStream::Shuffle, 1, kShoeSize);
        while (taken[j])
            j = j == kShoeSize ? 1 : j + 1;
        dealing.At(i) = work.At(j);
        taken[j] = true;
    }
    work = dealing;
}

void NewShoe(TableShoe& shoe, RandomSource& random, ShoeStack* stack) {
    if (stack && !stack->Empty()) {
        const std::vector<TShoeCard> order = stack->TakeShoeOrder();
        for (int i = 1; i <= kShoeSize; ++i)
            shoe.Dealing.At(i) = order[i - 1];
        shoe.Work = shoe.Dealing;
    } else {
        BuildShoe(shoe.Work);
        for (int run = 0; run < 100; ++run)
            ShuffleShoe(shoe.Dealing, shoe.Work, random);
    }
    shoe.Unseen.Fill(4);
    shoe.Position = 0;
}

int OneSeatShoeLimit(int playerHands) {
    return (playerHands + 2) * kHandSlots;
}

bool NeedsNewShoe(const TableShoe& shoe, int limit, int roundNumber) {
    return roundNumber == 1 || shoe.CardsLeft() < limit;
}

void DealCard(THand& hand, int slot, TableShoe& shoe) {
    TShoeCard& card = hand.Card(slot);
    card = shoe.Dealing.At(shoe.Position + 1);
    shoe.Position += 1;
}

int DrawCard(THand& hand, TableShoe& shoe) {
    if (hand.CardCount >= kHandSlots)
        return 0;
    hand.CardCount += 1;
    DealCard(hand, hand.CardCount, shoe);
    EvaluateHand(hand);
    return hand.CardCount;
}

void MarkCardSeen(TableShoe& shoe, int n) {
    shoe.Unseen.Of(shoe.Dealing.At(n + 1)) -= 1;
}

int FirstEligibleRow(const TCardCounts& unseen, TCardValue rank, int fromRow, int toRow) {
    for (int row = fromRow < 1 ? 1 : fromRow; row <= toRow && row <= 4; ++row)
        if (unseen.Count(row, rank) >= 2)
            return row;
    return 0;
}

int FindUndealt(const TableShoe& shoe, TShoeCard card) {
    for (int position = shoe.Position + 1; position <= kShoeSize; ++position)
        if (shoe.Dealing.At(position) == card)
            return position;
    return 0;
}

void SwapEntries(TableShoe& shoe, int a, int b) {
    std::swap(shoe.Dealing.At(a), shoe.Dealing.At(b));
}

} // namespace quorvel
