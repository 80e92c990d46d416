// The paid card swap: the rows it may search, the 21 limit, and what the shoe and the unseen
// table hold afterwards.
#include "RulesTestSupport.h"

#include "cards/SwapCard.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::Code;
using test::ScriptedRandom;
using test::StackedShoe;
using test::TestHand;

// The user's hand: face-down `hole` from entry 1, then the other cards from entries 2...
struct Swap {
    TestHand h;
    TableShoe shoe;
    ScriptedRandom random;
    Swap(std::initializer_list<const char*> cards) {
        shoe = StackedShoe(std::vector<const char*>(cards), int(cards.size()));
        h.Set(cards);
    }
    bool Ask(int rank, int r) {
        random.rules = {r};
        return SwapCard(h.hand, shoe, rank, 1, 0, random);
    }
};

TEST(SwapCard, StaysWithinTwentyOneCountingAcesAsOne) {
    Swap five({"5C", "10D"}); // 15 with a 5 face down: a king makes 20
    EXPECT_TRUE(five.Ask(13, 0));
    EXPECT_EQ(five.h.CardAt(1), "KS");
    EXPECT_EQ(five.h.hand.HandValue, 20);
    Swap two({"2C", "10D", "3H"}); // 15 with a 2 face down: a king would make 23
    EXPECT_FALSE(two.Ask(13, 0));
    EXPECT_EQ(two.h.CardAt(1), "2C");
    Swap ace({"AC", "KD"}); // hard 11, ace counted 1: a 10 gives 20
    EXPECT_TRUE(ace.Ask(10, 99));
    EXPECT_EQ(ace.h.CardAt(1), "10D");
}

TEST(SwapCard, StartingRowNeverLooksBack) {
    Swap s({"5C", "10D"});
    // Rows 3 and 4 (clubs, diamonds) have fewer than two unseen kings: r 50 fails.
    s.shoe.Unseen.Count(3, cvKing) = 1;
    s.shoe.Unseen.Count(4, cvKing) = 0;
    EXPECT_FALSE(s.Ask(13, 50));
    EXPECT_EQ(s.random.ruleDraws, 1);
    EXPECT_TRUE(s.Ask(13, 49)); // row 2, hearts
    EXPECT_EQ(s.h.CardAt(1), "KH");
}

TEST(SwapCard, OldCardGoesBackAndTheHoleEntryNamesTheNewCard) {
    Swap s({"5C", "10D"});
    const TCardCounts before = s.shoe.Unseen;
    ASSERT_TRUE(s.Ask(12, 80)); // row 4: queen of diamonds
    EXPECT_EQ(CardCode(s.shoe.Dealing.At(1)), "QD");
    EXPECT_TRUE(test::IsFourDecks(s.shoe.Dealing));
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank)
            EXPECT_EQ(s.shoe.Unseen.Count(row, TCardValue(rank)),
                      before.Count(row, TCardValue(rank)));
    MarkCardSeen(s.shoe, 0); // turning the face-down card counts the queen
    EXPECT_EQ(s.shoe.Unseen.Of(Code("QD")), 3);
    EXPECT_EQ(s.shoe.Unseen.Of(Code("5C")), 4);
}

TEST(SwapCard, NoCardLeftOrBadRankFails) {
    Swap s({"5C", "10D"});
    s.shoe.Position = 208; // nothing undealt
    EXPECT_FALSE(s.Ask(3, 0));
    s.random.ruleDraws = 0;
    s.random.rules.clear();
    EXPECT_FALSE(SwapCard(s.h.hand, s.shoe, 0, 1, 0, s.random));
    EXPECT_FALSE(SwapCard(s.h.hand, s.shoe, 14, 1, 0, s.random));
    EXPECT_EQ(s.random.ruleDraws, 0);
    EXPECT_EQ(s.h.hand.HandValue, 15);
}

TEST(SwapCard, AcceptedTexts) {
    EXPECT_EQ(SwapRankFromText("A"), 1);
    EXPECT_EQ(SwapRankFromText("a"), 1);
    EXPECT_EQ(SwapRankFromText("10"), 10);
    EXPECT_EQ(SwapRankFromText("j"), 11);
    EXPECT_EQ(SwapRankFromText("Q"), 12);
    EXPECT_EQ(SwapRankFromText("k"), 13);
    for (const char* bad : {"", "1", "11", "0", " A", "JJ", "x"})
        EXPECT_EQ(SwapRankFromText(bad), 0) << bad;
}

} // namespace
} // namespace quorvel
