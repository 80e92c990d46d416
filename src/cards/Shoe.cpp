// The shoe: build order, probing shuffle, new-shoe rule, dealing and the unseen-card table.
#include "cards/Shoe.h"

#include "cards/HandRules.h"
#include "cards/ShoeStack.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <utility>

namespace quorvel {

void TShoe::ThrowBadPosition(int position) {
    throw std::out_of_range("shoe position " + std::to_string(position));
}

void TCardCounts::ThrowBadRow(int row) {
    throw std::out_of_range("unseen table row " + std::to_string(row));
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
    ShuffleShoe(dealing, work, random, 1);
}

namespace {

// Runs probed side by side [runs]: each run's probing depends only on its own draws, so a
// group's runs are worked out together and the processor overlaps them; then they are applied
// to the shoe one after the other.
constexpr int kRunsAtOnce = 20;
constexpr int kFreeWords = (kShoeSize + 63) / 64;

// The work-shoe positions a run has not taken yet, one bit each [positions 1-208 at 0-207].
struct FreePositions {
    std::array<std::uint64_t, kFreeWords> Words;

    FreePositions() {
        Words.fill(~std::uint64_t{0});
        Words[kFreeWords - 1] = (std::uint64_t{1} << (kShoeSize - 64 * (kFreeWords - 1))) - 1;
    }
    // Takes the first free position at or after `drawn` [0-207], wrapping from the last to the
    // first, and answers it: the probing rule, a word of positions at a time. Some position is
    // free while a run is under way.
    int Take(unsigned drawn) {
        unsigned word = drawn >> 6;
        const std::uint64_t after = Words[word] >> (drawn & 63);
        unsigned position;
        if (after != 0) {
            position = drawn + static_cast<unsigned>(__builtin_ctzll(after));
        } else {
            do
                word = word + 1 == kFreeWords ? 0 : word + 1;
            while (Words[word] == 0);
            position = word * 64 + static_cast<unsigned>(__builtin_ctzll(Words[word]));
        }
        Words[position >> 6] ^= std::uint64_t{1} << (position & 63);
        return static_cast<int>(position);
    }
};

// Probes `Runs` runs side by side: draws [1-208] and the work positions taken [0-207], both
// run after run, 208 each.
template <int Runs> void ProbeRuns(const int* draws, std::uint8_t* taken) {
    std::array<FreePositions, Runs> free;
    for (int i = 0; i < kShoeSize; ++i)
        for (int run = 0; run < Runs; ++run) {
            const int at = run * kShoeSize + i;
            const unsigned drawn = static_cast<unsigned>(draws[at]) - 1;
            if (drawn >= kShoeSize)
                throw std::out_of_range("shuffle draw " + std::to_string(draws[at]));
            taken[at] = static_cast<std::uint8_t>(free[static_cast<std::size_t>(run)].Take(drawn));
        }
}

} // namespace

void ShuffleShoe(TShoe& dealing, TShoe& work, RandomSource& random, int runs) {
    static_assert(kShoeSize <= 256, "work positions are kept in a byte");
    std::array<int, kRunsAtOnce * kShoeSize> draws;
    std::array<std::uint8_t, kRunsAtOnce * kShoeSize> taken;
    for (int first = 0; first < runs; first += kRunsAtOnce) {
        const int group = std::min(kRunsAtOnce, runs - first);
        // The draws in the order the runs one by one would make them.
        random.DrawMany(DrawStream::Shuffle, 1, kShoeSize,
                        std::span<int>(draws.data(), static_cast<std::size_t>(group) * kShoeSize));
        if (group == kRunsAtOnce)
            ProbeRuns<kRunsAtOnce>(draws.data(), taken.data());
        else
            for (int run = 0; run < group; ++run)
                ProbeRuns<1>(&draws[static_cast<std::size_t>(run * kShoeSize)],
                             &taken[static_cast<std::size_t>(run * kShoeSize)]);
        // Each run puts the work entry it took at dealing position i, and the dealing shoe
        // becomes the work shoe of the next.
        auto& to = dealing.Entries();
        for (int run = 0; run < group; ++run) {
            const auto& from = work.Entries();
            const std::uint8_t* order = &taken[static_cast<std::size_t>(run * kShoeSize)];
#pragma GCC unroll 8
            for (std::size_t i = 0; i < kShoeSize; ++i)
                to[i] = from[order[i]];
            work = dealing;
        }
    }
}

void NewShoe(TableShoe& shoe, RandomSource& random, ShoeStack* stack) {
    if (stack && stack->TakePreparedShoe(shoe.Dealing)) {
        shoe.Work = shoe.Dealing;
    } else if (stack && !stack->Empty()) {
        const std::vector<TShoeCard> order = stack->TakeShoeOrder();
        for (int i = 1; i <= kShoeSize; ++i)
            shoe.Dealing.At(i) = order[i - 1];
        shoe.Work = shoe.Dealing;
    } else {
        BuildShoe(shoe.Work);
        ShuffleShoe(shoe.Dealing, shoe.Work, random, kShuffleRuns);
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
