// The paid card swap of the user's face-down card.
#include "cards/SwapCard.h"

#include "cards/HandRules.h"

#include <array>

namespace quorvel {

namespace {
int Points(int rank) {
    return rank >= 10 ? 10 : rank;
} // rank [1-13]
} // namespace

bool SwapCard(THand& hand, TableShoe& shoe, int rank, int slot, int holeEntry,
              RandomSource& random) {
    if (rank < 1 || rank > 13 || slot < 1 || slot > kHandSlots) {
        EvaluateHand(hand);
        return false;
    }
    const int r = random.Draw(DrawStream::Rules, 0, 99);
    const TCardValue wanted = static_cast<TCardValue>(rank - 1);
    bool swapped = false;
    const int row = FirstEligibleRow(shoe.Unseen, wanted, r / 25 + 1);
    TShoeCard& card = hand.Card(slot);
    const int oldPoints = Points(card.Rank + 1);
    if (row != 0 && hand.HardTotal + Points(rank) - oldPoints < 22) {
        const TShoeCard target{wanted, TCardCounts::RowSuit(row)};
        const TShoeCard old = card;
        if (const int found = FindUndealt(shoe, target)) {
            card = target;
            shoe.Dealing.At(found) = old;
            // The face-down card's entry now names the card shown, so turning it later counts
            // the right card as seen.
            if (holeEntry >= 0 && holeEntry < kShoeSize)
                shoe.Dealing.At(holeEntry + 1) = target;
            swapped = true;
        }
    }
    EvaluateHand(hand);
    return swapped;
}

int SwapRankFromText(const std::string& text) {
    static const std::array<const char*, 13> kUpper{"A", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "J", "Q", "K"};
    static const std::array<const char*, 13> kLower{"a", "2", "3",  "4", "5", "6", "7",
                                                    "8", "9", "10", "j", "q", "k"};
    for (int i = 0; i < 13; ++i)
        if (text == kUpper[i] || text == kLower[i])
            return i + 1;
    return 0;
}

} // namespace quorvel
