// The computer characters: bets, opening steering, next-card steering and drawing decisions,
// sampled against their rows, and the invariants every steering keeps.
#include "RulesTestSupport.h"

#include "cards/SeededRandom.h"
#include "cards/Steering.h"
#include "players/CharacterPlay.h"
#include "players/CharacterTraits.h"
#include "players/Roster.h"

#include <gtest/gtest.h>

#include <set>

namespace quorvel {
namespace {

using test::Code;
using test::ScriptedRandom;
using test::StackedShoe;
using test::TestHand;

TEST(OpponentPlay, RandomBetAmountsPerKind) {
    std::set<int> seen[6];
    for (int kind = 0; kind <= 5; ++kind)
        for (int n = 1; n <= 20; ++n) {
            ScriptedRandom random;
            random.rules = {n};
            seen[kind].insert(RandomBetAmount(kind, random));
            EXPECT_EQ(random.ruleDraws, 1);
        }
    EXPECT_EQ(seen[4], (std::set<int>{5000, 10000, 15000, 20000, 25000}));
    EXPECT_EQ(*seen[1].begin(), 1000);
    EXPECT_EQ(*seen[1].rbegin(), 20000);
    EXPECT_EQ(*seen[2].begin(), 2000);
    EXPECT_EQ(*seen[2].rbegin(), 22000);
    EXPECT_EQ(*seen[3].begin(), 3000);
    EXPECT_EQ(*seen[3].rbegin(), 21000);
    EXPECT_EQ(seen[0], std::set<int>{15000});
    EXPECT_EQ(seen[5], std::set<int>{15000});
}

TEST(OpponentPlay, BetsFollowEachStyleRow) {
    // {name, r, n or 0 when no second draw, expected bet}
    struct Row {
        const char* name;
        int r, n, bet;
    };
    const Row rows[] = {
        {"阿鐵", 10, 0, 20000},  {"阿鐵", 50, 0, 20000},  {"阿鐵", 51, 20, 25000},
        {"阿鐵", 71, 20, 21000}, {"阿鐵", 81, 1, 2000},   {"阿鐵", 100, 7, 7000},
        {"朵朵", 30, 0, 20000},  {"美男子", 31, 4, 5000}, {"酷哥", 61, 3, 6000},
        {"朵朵", 71, 3, 4000},   {"酷哥", 90, 13, 13000}, {"小帥哥", 10, 0, 20000},
        {"星月", 11, 10, 15000}, {"莎莉娃", 31, 6, 9000}, {"小雨", 60, 9, 12000},
        {"阿墨", 61, 19, 20000}, {"小雨", 80, 2, 4000},   {"阿墨", 81, 8, 8000},
    };
    for (const Row& row : rows) {
        TestHand h(row.name);
        h.hand.Money = 100000;
        ScriptedRandom random;
        random.rules = {row.r};
        if (row.n)
            random.rules.push_back(row.n);
        ChooseOpponentBet(h.hand, random);
        EXPECT_EQ(h.hand.Bet, row.bet) << row.name << " r=" << row.r;
        EXPECT_EQ(h.hand.Money, 100000 - row.bet);
        EXPECT_TRUE(random.rules.empty());
    }
}

TEST(OpponentPlay, BetBeyondMoneyLeavesNothingAndOutsidersBetZero) {
    TestHand heavy("阿鐵");
    heavy.hand.Money = 15000;
    ScriptedRandom random;
    random.rules = {5};
    ChooseOpponentBet(heavy.hand, random);
    EXPECT_EQ(heavy.hand.Money, 0);
    EXPECT_EQ(heavy.hand.Bet, 0);

    TestHand player("閒家");
    random.rules = {5};
    ChooseOpponentBet(player.hand, random);
    EXPECT_EQ(player.hand.Bet, 0);
    EXPECT_EQ(player.hand.Money, kStartingMoney);
}

TEST(OpponentPlay, PlayerPairMakesTheNextCardATwin) {
    TestHand h;
    TableShoe shoe = StackedShoe({"9H", "3C", "4C"}, 1);
    h.Set({"9H"});
    SteerPlayerPair(h.hand, shoe);
    EXPECT_EQ(CardCode(shoe.Dealing.At(2)), "9H");
    EXPECT_TRUE(test::IsFourDecks(shoe.Dealing));
    // With only one unseen left it is not eligible.
    TableShoe thin = StackedShoe({"9H", "3C", "4C"}, 1);
    thin.Unseen.Of(Code("9H")) = 1;
    SteerPlayerPair(h.hand, thin);
    EXPECT_EQ(CardCode(thin.Dealing.At(2)), "3C");
}

// A computer hand holding `hole` face down (entry 1) and `up` face up (entry 2).
struct Opening {
    TestHand h;
    TableShoe shoe;
    Opening(const char* name, const char* hole, const char* up) : h(name) {
        shoe = StackedShoe({hole, up}, 2);
        h.Set({hole, up});
    }
    std::string Hole() const { return h.CardAt(1); }
};

TEST(OpponentPlay, HoleSteeringTargetsAndRows) {
    {
        Opening o("阿鐵", "3C", "AH"); // jack from a random start: r 61..80 is row 3, clubs
        ScriptedRandom random;
        random.rules = {70};
        EXPECT_TRUE(SteerHoleAceJack(o.h.hand, o.shoe, 0, random));
        EXPECT_EQ(o.Hole(), "JC");
        EXPECT_EQ(CardCode(o.shoe.Dealing.At(1)), "JC");
        EXPECT_EQ(o.h.hand.HandValue, 21);
    }
    {
        Opening o("阿鐵", "3C", "7H"); // 7 face up: a 6 from row 1, spades
        EXPECT_TRUE(SteerHoleSixSevenEight(o.h.hand, o.shoe, 0));
        EXPECT_EQ(o.Hole(), "6S");
    }
    {
        Opening o("阿鐵", "3C", "6H");
        o.shoe.Unseen.Count(1, cvSeven) = 1; // spades row too thin: hearts
        EXPECT_TRUE(SteerHoleSixSevenEight(o.h.hand, o.shoe, 0));
        EXPECT_EQ(o.Hole(), "7H");
    }
    {
        Opening o("阿鐵", "3C", "7D");
        EXPECT_TRUE(SteerHoleSevens(o.h.hand, o.shoe, 0));
        EXPECT_EQ(o.h.hand.HandValue, 14);
    }
    {
        // Only one unseen jack of hearts: nothing, though the jack lies ahead.
        Opening o("阿鐵", "3C", "AH");
        o.shoe.Unseen.Of(Code("JH")) = 1;
        EXPECT_FALSE(SteerHoleSuitedAceJack(o.h.hand, o.shoe, 0));
        EXPECT_EQ(o.Hole(), "3C");
        o.shoe.Unseen.Of(Code("JH")) = 2;
        EXPECT_TRUE(SteerHoleSuitedAceJack(o.h.hand, o.shoe, 0));
        EXPECT_EQ(o.h.hand.HandValue, 22);
    }
    {
        Opening o("阿鐵", "3C", "QD"); // queen face up: an ace, random start r 81..100 diamonds
        ScriptedRandom random;
        random.rules = {81};
        EXPECT_TRUE(SteerHoleNatural(o.h.hand, o.shoe, 0, random));
        EXPECT_EQ(o.Hole(), "AD");
    }
    {
        // Not two cards, or a face-up card that does not qualify: no draw, no change.
        Opening o("阿鐵", "3C", "9D");
        ScriptedRandom random;
        EXPECT_FALSE(SteerHoleAceJack(o.h.hand, o.shoe, 0, random));
        EXPECT_FALSE(SteerHoleNatural(o.h.hand, o.shoe, 0, random));
        EXPECT_EQ(random.ruleDraws, 0);
    }
}

TEST(OpponentPlay, OpeningRowsByCharacterAndBand) {
    struct Row {
        const char* name;
        int r;
        const char* up;
        std::vector<int> more; // further draws of the routines
        const char* hole;      // the face-down card afterwards
    };
    const Row rows[] = {
        {"小帥哥", 5, "7C", {}, "6S"},  {"小帥哥", 15, "7C", {}, "7S"},
        {"小帥哥", 55, "7C", {}, "3C"}, {"阿鐵", 45, "AH", {}, "JH"},
        {"阿鐵", 95, "KH", {1}, "AS"},  {"美男子", 25, "8H", {}, "6S"},
        {"莎莉娃", 1, "7C", {}, "3C"},  {"阿墨", 1, "AH", {}, "3C"},
        {"酷哥", 85, "7H", {}, "7S"},   {"星月", 25, "6C", {}, "7S"},
        {"朵朵", 75, "JD", {}, "AD"},   {"小雨", 85, "AD", {}, "3C"},
        {"小雨", 35, "AD", {41}, "JH"}, {"閒家", 5, "7C", {}, "3C"},
    };
    for (const Row& row : rows) {
        Opening o(row.name, "3C", row.up);
        o.h.hand.Money = 50000;
        ScriptedRandom random;
        random.rules = {row.r, 5};
        random.rules.insert(random.rules.end(), row.more.begin(), row.more.end());
        SteerBankerOpening(o.h.hand, o.shoe, 0, random);
        EXPECT_EQ(o.Hole(), row.hole) << row.name << " r=" << row.r;
        EXPECT_TRUE(random.rules.empty()) << row.name;
    }
    // With 50000 a banker is steered only when s is 5 or less; with 40000 always.
    Opening rich("小帥哥", "3C", "7C");
    rich.h.hand.Money = 50000;
    ScriptedRandom random;
    random.rules = {5, 6};
    EXPECT_FALSE(SteerBankerOpening(rich.h.hand, rich.shoe, 0, random));
    EXPECT_EQ(rich.Hole(), "3C");
    rich.h.hand.Money = 40000;
    random.rules = {5, 100};
    EXPECT_TRUE(SteerBankerOpening(rich.h.hand, rich.shoe, 0, random));
}

TEST(OpponentPlay, RosterFlagMatchesTheOpeningRows) {
    for (const RosterEntry& entry : Roster()) {
        const CharacterTraits* traits = FindTraits(entry.Name);
        ASSERT_NE(traits, nullptr) << entry.Name;
        bool any = false;
        for (const auto& steps : traits->Opening)
            any = any || !steps.empty();
        EXPECT_EQ(any, entry.SteersFaceDownCard) << entry.Name;
        EXPECT_EQ(entry.Figure, entry.Number + 1);
    }
    EXPECT_EQ(AllTraits().size(), 9u);
    EXPECT_EQ(FindTraits("閒家"), nullptr);
}

TEST(OpponentPlay, NextCardSteering) {
    TestHand h("美男子");
    {
        TableShoe shoe = StackedShoe({"KC", "6D", "2C"}, 2);
        h.Set({"KC", "6D"}); // 16: a 5, row start r 51..75 clubs
        ScriptedRandom random;
        random.rules = {60};
        EXPECT_TRUE(SteerNextToTwentyOne(h.hand, shoe, random));
        EXPECT_EQ(CardCode(shoe.Dealing.At(3)), "5C");
    }
    {
        TableShoe shoe = StackedShoe({"5C", "6D", "2C"}, 2);
        h.Set({"5C", "6D"}); // 11: rank draw 30 a jack, then row 4 diamonds
        ScriptedRandom random;
        random.rules = {30, 100};
        EXPECT_TRUE(SteerNextToTwentyOne(h.hand, shoe, random));
        EXPECT_EQ(CardCode(shoe.Dealing.At(3)), "JD");
    }
    {
        TableShoe shoe = StackedShoe({"2C", "3D", "4C"}, 2);
        h.Set({"2C", "3D"}); // 5: rank draw 95 a jack; row start 3 skips spades and hearts
        shoe.Unseen.Count(3, cvJack) = 1;
        ScriptedRandom random;
        random.rules = {95, 51};
        EXPECT_TRUE(SteerNextToTwentyOne(h.hand, shoe, random));
        EXPECT_EQ(CardCode(shoe.Dealing.At(3)), "JD");
        shoe.Unseen.Count(4, cvJack) = 0;
        random.rules = {95, 51};
        EXPECT_FALSE(SteerNextToTwentyOne(h.hand, shoe, random));
    }
    {
        TableShoe shoe = StackedShoe({"KC", "9D", "4C"}, 2);
        h.Set({"KC", "9D"}); // 19: a 2
        ScriptedRandom random;
        random.rules = {1};
        EXPECT_TRUE(SteerNextSmall(h.hand, shoe, random));
        EXPECT_EQ(CardCode(shoe.Dealing.At(3)), "2S");
        h.Set({"5C", "6D"}); // 11: rank draw 95 a seven, row 2
        random.rules = {95, 26};
        EXPECT_TRUE(SteerNextSmall(h.hand, shoe, random));
        EXPECT_EQ(CardCode(shoe.Dealing.At(3)), "7H");
    }
    // Outside 1..20 nothing is drawn.
    TableShoe shoe = StackedShoe({}, 2);
    ScriptedRandom random;
    h.hand.HandValue = 21;
    EXPECT_FALSE(SteerNextToTwentyOne(h.hand, shoe, random));
    h.hand.HandValue = 0;
    EXPECT_FALSE(SteerNextSmall(h.hand, shoe, random));
    EXPECT_EQ(random.ruleDraws, 0);
}

TEST(OpponentPlay, DrawingDecisionsFollowTheLimits) {
    auto wants = [](const char* name, int value, std::int32_t money, std::deque<int> draws) {
        THandRecord hand;
        hand.Name = name;
        hand.HandValue = value;
        hand.Money = money;
        TableShoe shoe = StackedShoe({}, 0);
        ScriptedRandom random;
        random.rules = std::move(draws);
        const bool answer = OpponentWantsCard(hand, shoe, random);
        EXPECT_TRUE(random.rules.empty()) << name << " " << value;
        return answer;
    };
    EXPECT_TRUE(wants("阿墨", 12, 0, {1, 80}));
    EXPECT_FALSE(wants("阿墨", 12, 0, {1, 81}));
    EXPECT_TRUE(wants("阿墨", 13, 0, {1, 50}));
    EXPECT_FALSE(wants("阿墨", 13, 0, {1, 51}));
    EXPECT_FALSE(wants("阿墨", 20, 0, {1, 1}));
    EXPECT_TRUE(wants("阿墨", 11, 0, {1, 100}));
    EXPECT_TRUE(wants("莎莉娃", 13, 0, {50, 60}));
    EXPECT_FALSE(wants("莎莉娃", 16, 0, {50, 41}));
    EXPECT_TRUE(wants("朵朵", 19, 0, {21, 2}));
    // Rich and above the rich stop: no second draw.
    EXPECT_FALSE(wants("莎莉娃", 14, 50000, {50}));
    EXPECT_TRUE(wants("莎莉娃", 14, 40000, {50, 50}));
    EXPECT_FALSE(wants("閒家", 5, 0, {50}));
    // First band steers to 21, second steers small; the answer is whether a card was placed.
    EXPECT_TRUE(wants("美男子", 16, 0, {20, 1}));
    EXPECT_TRUE(wants("美男子", 19, 0, {40, 1}));
    EXPECT_FALSE(wants("阿墨", 19, 0, {1, 3}));
}

TEST(OpponentPlay, SteeringKeepsFourDecksAndTheUnseenTable) {
    SeededRandom random(99);
    const auto& roster = Roster();
    for (int round = 0; round < 100; ++round) {
        TableShoe shoe;
        NewShoe(shoe, random);
        shoe.Position = random.Draw(DrawStream::Cosmetic, 0, 60);
        for (int seen = 0; seen < shoe.Position; ++seen)
            if (random.Draw(DrawStream::Cosmetic, 0, 1))
                MarkCardSeen(shoe, seen);
        const TCardCounts before = shoe.Unseen;
        const char* name = roster[round % 9].Name.data();
        TestHand banker(name);
        banker.hand.Money = 30000;
        const int hole = shoe.Position;
        DealCard(banker.hand, 1, shoe);
        DealCard(banker.hand, 2, shoe);
        banker.hand.CardCount = 2;
        EvaluateHand(banker.hand);
        SteerBankerOpening(banker.hand, shoe, hole, random);
        EXPECT_EQ(banker.CardAt(1), CardCode(shoe.Dealing.At(hole + 1)));
        TestHand player;
        DealCard(player.hand, 1, shoe);
        player.hand.CardCount = 1;
        SteerPlayerPair(player.hand, shoe);
        for (int draw = 0; draw < 6 && banker.hand.HandValue != 0; ++draw)
            if (OpponentWantsCard(banker.hand, shoe, random))
                DrawCard(banker.hand, shoe);
        ASSERT_TRUE(test::IsFourDecks(shoe.Dealing)) << round;
        for (int row = 1; row <= 4; ++row)
            for (int rank = 0; rank < 13; ++rank)
                ASSERT_EQ(shoe.Unseen.Count(row, TCardValue(rank)),
                          before.Count(row, TCardValue(rank)));
    }
}

} // namespace
} // namespace quorvel
