// The shoe: build order, the probing shuffle, the seeded shoe, the new-shoe rule, dealing,
// the unseen table and the stacked shoe of scripts.
#include "RulesTestSupport.h"

#include "cards/ScriptError.h"
#include "cards/SeededRandom.h"
#include "cards/ShoeStack.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Code;
using test::IsFourDecks;
using test::ScriptedRandom;

std::vector<std::string> Codes(const TShoe& shoe, int from, int count) {
    std::vector<std::string> codes;
    for (int i = from; i < from + count; ++i)
        codes.push_back(CardCode(shoe.At(i)));
    return codes;
}

TEST(Shoe, BuildOrderIsRankThenSuitFourCopiesEach) {
    TShoe shoe;
    BuildShoe(shoe);
    EXPECT_EQ(Codes(shoe, 1, 17),
              (std::vector<std::string>{"AC", "AC", "AC", "AC", "AD", "AD", "AD", "AD", "AH", "AH",
                                        "AH", "AH", "AS", "AS", "AS", "AS", "2C"}));
    EXPECT_EQ(CardCode(shoe.At(208)), "KS");
    EXPECT_EQ(CardCode(shoe.At(205)), "KS");
    EXPECT_EQ(CardCode(shoe.At(204)), "KH");
    EXPECT_TRUE(IsFourDecks(shoe));
    EXPECT_THROW(shoe.At(0), std::out_of_range);
    EXPECT_THROW(shoe.At(209), std::out_of_range);
}

TEST(Shoe, ProbingShuffleStepsToTheNextFreePositionAndWraps) {
    TShoe dealing, work;
    BuildShoe(work);
    const TShoe built = work;
    // Every draw is 208: the first takes 208, every later one wraps to the lowest free one.
    ScriptedRandom random;
    random.shuffle.assign(208, 208);
    ShuffleShoe(dealing, work, random);
    EXPECT_TRUE(dealing.At(1) == built.At(208));
    for (int i = 2; i <= 208; ++i)
        EXPECT_TRUE(dealing.At(i) == built.At(i - 1)) << i;
    EXPECT_TRUE(work.Entries() == dealing.Entries());

    // Draws 100, 100, 5: the second 100 passes to 101; the third takes 5.
    TShoe again;
    work = built;
    random.shuffle = {100, 100, 5};
    ShuffleShoe(again, work, random); // the rest are 1s: lowest free positions in order
    EXPECT_TRUE(again.At(1) == built.At(100));
    EXPECT_TRUE(again.At(2) == built.At(101));
    EXPECT_TRUE(again.At(3) == built.At(5));
    EXPECT_TRUE(again.At(4) == built.At(1));
    EXPECT_TRUE(again.At(8) == built.At(6));
    EXPECT_TRUE(IsFourDecks(again));
}

TEST(Shoe, ManyShuffleRunsAtOnceMakeTheShoesOfOneRunAtATime) {
    // Whole groups of runs and a part group, from the same draws as one run at a time; a
    // source without a fast DrawMany (the scripted one) gives the same as the seeded one.
    for (int runs : {1, 20, 37, 100}) {
        SeededRandom one(9), many(9);
        TShoe dealingOne, workOne, dealingMany, workMany;
        BuildShoe(workOne);
        BuildShoe(workMany);
        for (int run = 0; run < runs; ++run)
            ShuffleShoe(dealingOne, workOne, one);
        ShuffleShoe(dealingMany, workMany, many, runs);
        EXPECT_TRUE(dealingMany.Entries() == dealingOne.Entries()) << runs;
        EXPECT_TRUE(workMany.Entries() == dealingMany.Entries()) << runs;
        EXPECT_EQ(many.Position().Used, one.Position().Used) << runs;
    }
    TShoe dealing, work, built;
    BuildShoe(work);
    built = work;
    ScriptedRandom random;
    random.shuffle.assign(2 * 208, 208);
    ShuffleShoe(dealing, work, random, 2);
    // The first run moves the last card to the front; the second does it again.
    EXPECT_TRUE(dealing.At(1) == built.At(207));
    EXPECT_TRUE(dealing.At(2) == built.At(208));
    EXPECT_TRUE(IsFourDecks(dealing));
}

TEST(Shoe, SeededNewShoeIsPinned) {
    // Pins the seeded generator, the draw mapping and 100 shuffle runs together: a change to
    // any of them changes every seeded game and script.
    SeededRandom random(1);
    TableShoe shoe;
    shoe.Position = 77;
    shoe.Unseen.Fill(0);
    NewShoe(shoe, random);
    EXPECT_EQ(Codes(shoe.Dealing, 1, 10), (std::vector<std::string>{"5D", "7C", "4H", "AS", "JD",
                                                                    "JD", "8H", "6H", "6D", "2D"}));
    EXPECT_TRUE(IsFourDecks(shoe.Dealing));
    EXPECT_TRUE(shoe.Work.Entries() == shoe.Dealing.Entries());
    EXPECT_EQ(shoe.Position, 0);
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank)
            EXPECT_EQ(shoe.Unseen.Count(row, TCardValue(rank)), 4);
}

TEST(Shoe, NewShoeRuleCountsCardsLeft) {
    TableShoe shoe;
    EXPECT_EQ(OneSeatShoeLimit(1), 57);
    EXPECT_EQ(OneSeatShoeLimit(2), 76);
    EXPECT_EQ(kThreeSeatShoeLimit, 133);
    shoe.Position = 152; // 56 left
    EXPECT_TRUE(NeedsNewShoe(shoe, OneSeatShoeLimit(1), 2));
    shoe.Position = 151; // 57 left
    EXPECT_FALSE(NeedsNewShoe(shoe, OneSeatShoeLimit(1), 2));
    EXPECT_TRUE(NeedsNewShoe(shoe, OneSeatShoeLimit(2), 2));
    EXPECT_TRUE(NeedsNewShoe(shoe, OneSeatShoeLimit(1), 1));
    shoe.Position = 75; // 133 left
    EXPECT_FALSE(NeedsNewShoe(shoe, kThreeSeatShoeLimit, 5));
    shoe.Position = 76;
    EXPECT_TRUE(NeedsNewShoe(shoe, kThreeSeatShoeLimit, 5));
}

TEST(Shoe, DealDrawAndMarkSeen) {
    TableShoe shoe = test::StackedShoe({"KH", "5C", "7D", "9S"});
    test::TestHand h;
    DealCard(h.hand, 1, shoe);
    EXPECT_EQ(shoe.Position, 1);
    EXPECT_EQ(h.CardAt(1), "KH");
    EXPECT_EQ(h.hand.CardCount, 0); // dealing does not count or value
    h.hand.CardCount = 1;
    DealCard(h.hand, 2, shoe);
    h.hand.CardCount = 2;
    EvaluateHand(h.hand);

    EXPECT_EQ(DrawCard(h.hand, shoe), 3);
    EXPECT_EQ(h.hand.CardCount, 3);
    EXPECT_EQ(h.hand.HandValue, 0); // K + 5 + 7 = 22
    EXPECT_EQ(shoe.Position, 3);

    MarkCardSeen(shoe, shoe.Position); // the next card, 9S
    EXPECT_EQ(shoe.Unseen.Of(Code("9S")), 3);
    MarkCardSeen(shoe, 0); // the first card dealt, KH, turned later
    EXPECT_EQ(shoe.Unseen.Of(Code("KH")), 3);
    EXPECT_EQ(shoe.Unseen.Count(2, cvKing), 3); // hearts are row 2

    // A hand with all nineteen places taken draws nothing.
    h.hand.CardCount = kHandSlots;
    EXPECT_EQ(DrawCard(h.hand, shoe), 0);
    EXPECT_EQ(shoe.Position, 3);
}

TEST(Shoe, UnseenRowsAreSpadesHeartsClubsDiamonds) {
    EXPECT_EQ(TCardCounts::SuitRow(csSpade), 1);
    EXPECT_EQ(TCardCounts::SuitRow(csHeart), 2);
    EXPECT_EQ(TCardCounts::SuitRow(csClub), 3);
    EXPECT_EQ(TCardCounts::SuitRow(csDiamond), 4);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(TCardCounts::SuitRow(TCardCounts::RowSuit(row)), row);
}

TEST(Shoe, StackedShoeDealsItsCardsThenTheRestInBuildOrder) {
    ShoeStack stack;
    stack.Add("10H");
    stack.Add("ac");
    stack.Add(Code("QD"));
    SeededRandom random(7);
    TableShoe shoe;
    NewShoe(shoe, random, &stack);
    EXPECT_TRUE(stack.Empty());
    EXPECT_EQ(Codes(shoe.Dealing, 1, 7),
              (std::vector<std::string>{"10H", "AC", "QD", "AC", "AC", "AC", "AD"}));
    EXPECT_TRUE(IsFourDecks(shoe.Dealing));
    // One-shot: the next shoe is shuffled again.
    NewShoe(shoe, random, &stack);
    EXPECT_NE(Codes(shoe.Dealing, 1, 3), (std::vector<std::string>{"10H", "AC", "QD"}));

    for (int i = 0; i < 4; ++i)
        stack.Add("7S");
    EXPECT_THROW(stack.Add("7S"), ScriptError);
    EXPECT_THROW(stack.Add("1S"), ScriptError);
    EXPECT_THROW(stack.Add("7X"), ScriptError);
    EXPECT_EQ(stack.Cards().size(), 4u);
}

TEST(Shoe, CardCodesRoundTrip) {
    for (int rank = 0; rank < 13; ++rank)
        for (int suit = 0; suit < 4; ++suit) {
            const TShoeCard card{TCardValue(rank), TCardSuit(suit)};
            const auto parsed = ParseCardCode(CardCode(card));
            ASSERT_TRUE(parsed);
            EXPECT_TRUE(*parsed == card);
        }
    EXPECT_EQ(CardCode(Code("10h")), "10H");
    for (const char* bad : {"", "A", "11H", "0S", "AHH", "JX", "10"})
        EXPECT_FALSE(ParseCardCode(bad)) << bad;
}

} // namespace
} // namespace quorvel
