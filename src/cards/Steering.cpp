// Card steering: the player's pair, the computer hand's face-down card and its next card.
// Each finds a target the unseen table still counts at least twice, looks for it ahead in the
// dealing shoe and exchanges two entries, so the shoe stays a permutation of four decks.
#include "cards/Steering.h"

#include "cards/HandRules.h"

namespace quorvel {

namespace {

// Starting row of the hole steering's random start: 1..40, 41..60, 61..80, 81..100.
int HoleStartRow(RandomSource& random) {
    const int r = random.Draw(DrawStream::Rules, 1, 100);
    return r <= 40 ? 1 : r <= 60 ? 2 : r <= 80 ? 3 : 4;
}

// Starting row of the next-card steering: quarters of 1..100.
int QuarterRow(int r) {
    return (r - 1) / 25 + 1;
}

bool HoleApplies(const THand& hand) {
    return hand.CardCount == 2 && hand.HandValue <= 20;
}

// Puts the first undealt `rank` of the first eligible row in fromRow..toRow into the
// face-down card (entry holeEntry + 1); the old card goes where the found one was.
bool SteerHoleTo(THand& hand, TableShoe& shoe, int holeEntry, TCardValue rank, int fromRow,
                 int toRow) {
    const int row = FirstEligibleRow(shoe.Unseen, rank, fromRow, toRow);
    if (row == 0)
        return false;
    const TShoeCard target{rank, TCardCounts::RowSuit(row)};
    const int found = FindUndealt(shoe, target);
    if (found == 0)
        return false;
    SwapEntries(shoe, found, holeEntry + 1);
    hand.Card(1) = target;
    return true;
}

bool Finish(THand& hand, bool swapped) {
    EvaluateHand(hand);
    return swapped;
}

// Places the first undealt `rank` of the first eligible row from `fromRow` as the next card.
bool SteerNextTo(TableShoe& shoe, TCardValue rank, int fromRow) {
    const int row = FirstEligibleRow(shoe.Unseen, rank, fromRow);
    if (row == 0 || shoe.Position >= kShoeSize)
        return false;
    const int found = FindUndealt(shoe, TShoeCard{rank, TCardCounts::RowSuit(row)});
    if (found == 0)
        return false;
    SwapEntries(shoe, found, shoe.Position + 1);
    return true;
}

// A rank from cumulative tops of r [1-100], ace first.
TCardValue RankFromTops(int r, const int* tops, int count) {
    for (int rank = 0; rank < count; ++rank)
        if (r <= tops[rank])
            return static_cast<TCardValue>(rank);
    return static_cast<TCardValue>(count - 1);
}

constexpr int kAnyRankTops[13] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 93, 96, 98, 100};
constexpr int kSmallRankTops[9] = {10, 30, 60, 80, 90, 93, 96, 98, 100};

} // namespace

void SteerPlayerPair(const THand& hand, TableShoe& shoe) {
    if (shoe.Position >= kShoeSize)
        return;
    const TShoeCard target = hand.Card(1);
    if (shoe.Unseen.Of(target) < 2)
        return;
    if (const int found = FindUndealt(shoe, target))
        SwapEntries(shoe, found, shoe.Position + 1);
}

bool SteerHoleAceJack(THand& hand, TableShoe& shoe, int holeEntry, RandomSource& random) {
    if (!HoleApplies(hand))
        return Finish(hand, false);
    const TCardValue up = hand.Card(2).Rank;
    if (up != cvAce && up != cvJack)
        return Finish(hand, false);
    const int start = HoleStartRow(random);
    return Finish(hand, SteerHoleTo(hand, shoe, holeEntry, up == cvAce ? cvJack : cvAce, start, 4));
}

bool SteerHoleSixSevenEight(THand& hand, TableShoe& shoe, int holeEntry) {
    if (!HoleApplies(hand))
        return Finish(hand, false);
    const TCardValue up = hand.Card(2).Rank;
    if (up != cvSix && up != cvSeven && up != cvEight)
        return Finish(hand, false);
    return Finish(hand, SteerHoleTo(hand, shoe, holeEntry, up == cvSix ? cvSeven : cvSix, 1, 4));
}

bool SteerHoleSevens(THand& hand, TableShoe& shoe, int holeEntry) {
    if (!HoleApplies(hand) || hand.Card(2).Rank != cvSeven)
        return Finish(hand, false);
    return Finish(hand, SteerHoleTo(hand, shoe, holeEntry, cvSeven, 1, 4));
}

bool SteerHoleSuitedAceJack(THand& hand, TableShoe& shoe, int holeEntry) {
    if (!HoleApplies(hand))
        return Finish(hand, false);
    const TCardValue up = hand.Card(2).Rank;
    if (up != cvAce && up != cvJack)
        return Finish(hand, false);
    const int row = TCardCounts::SuitRow(hand.Card(2).Suit);
    return Finish(hand, SteerHoleTo(hand, shoe, holeEntry, up == cvAce ? cvJack : cvAce, row, row));
}

bool SteerHoleNatural(THand& hand, TableShoe& shoe, int holeEntry, RandomSource& random) {
    if (!HoleApplies(hand))
        return Finish(hand, false);
    const TCardValue up = hand.Card(2).Rank;
    if (up != cvAce && up < cvTen)
        return Finish(hand, false);
    const int start = HoleStartRow(random);
    return Finish(hand, SteerHoleTo(hand, shoe, holeEntry, up == cvAce ? cvJack : cvAce, start, 4));
}

bool SteerNextToTwentyOne(const THand& hand, TableShoe& shoe, RandomSource& random) {
    const int value = hand.HandValue;
    if (value < 1 || value > 20)
        return false;
    // The two-card cases (13 with a 6 or 7 first, 14 with 6, 7 or 8, 15 with 7 or 8) ask for
    // the same rank as the general rule: the card worth 21 - value.
    TCardValue rank;
    if (value >= 12)
        rank = static_cast<TCardValue>(21 - value - 1);
    else if (value == 11)
        rank = static_cast<TCardValue>(cvTen +
                                       (QuarterRow(random.Draw(DrawStream::Rules, 1, 100)) - 1));
    else if (value == 10)
        rank = cvAce;
    else
        rank = RankFromTops(random.Draw(DrawStream::Rules, 1, 100), kAnyRankTops, 13);
    const int start = QuarterRow(random.Draw(DrawStream::Rules, 1, 100));
    return SteerNextTo(shoe, rank, start);
}

bool SteerNextSmall(const THand& hand, TableShoe& shoe, RandomSource& random) {
    const int value = hand.HandValue;
    if (value < 1 || value > 20)
        return false;
    TCardValue rank;
    if (value == 20)
        rank = cvAce;
    else if (value == 19)
        rank = cvTwo;
    else
        rank = RankFromTops(random.Draw(DrawStream::Rules, 1, 100), kSmallRankTops, 9);
    const int start = QuarterRow(random.Draw(DrawStream::Rules, 1, 100));
    return SteerNextTo(shoe, rank, start);
}

} // namespace quorvel
