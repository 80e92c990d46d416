// Hand values, kinds, comparison, descriptions, bonuses and the jackpot.
#include "RulesTestSupport.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using test::TestHand;

struct Case {
    std::initializer_list<const char*> cards;
    int code;
    THandKind kind;
    int hardTotal;
    const char* text;
    const char* resultText;
};

TEST(HandRules, ValueCodesKindsAndTexts) {
    const Case cases[] = {
        {{"AH", "KH"}, 21, hkTwentyOne, 11, "21 點 ", "21 點 "},
        {{"AH", "JH"}, 22, hkSuitedAceJack, 11, "同花21 點 ", "同花 JA 21 點 "},
        {{"JD", "AD"}, 22, hkSuitedAceJack, 11, "同花21 點 ", "同花 JA 21 點 "},
        {{"AS", "JS"}, 27, hkBlackJack, 11, "黑傑克 ", "黑傑克 "},
        {{"AS", "JH"}, 21, hkTwentyOne, 11, "21 點 ", "21 點 "},
        {{"AH", "QH"}, 21, hkTwentyOne, 11, "21 點 ", "21 點 "},
        {{"AC", "AD"}, 12, hkNone, 2, "12 點 ", "12 點 "},
        {{"6C", "7D", "8H"}, 23, hkSixSevenEight, 21, "678 21 點 ", "678 21 點 "},
        {{"7C", "7D", "7H"}, 28, hkThreeSevens, 21, "三七開花  ", "三七開花  "},
        {{"AC", "7D", "3H"}, 21, hkTwentyOne, 11, "21 點 ", "21 點 "},
        {{"AC", "9D", "5H"}, 15, hkNone, 15, "15 點 ", "15 點 "},
        {{"10C", "9D", "5H"}, 0, hkNone, 0, "0 點 ", "0 點(被炸) "},
        {{"2C", "2D", "2H", "2S", "2C"}, 24, hkFiveCards, 10, "10 點過五關 ", "10 點過五關 "},
        {{"AC", "2D", "2H", "3S", "3C"}, 24, hkFiveCards, 11, "11 點過五關 ", "11 點過五關 "},
        {{"AC", "2D", "2H", "3S", "3C", "4D"}, 25, hkSixCards, 15, "15 點過六關 ", "15 點過六關 "},
        {{"AC", "AD", "2H", "3S", "3C", "4D", "2S"},
         26,
         hkSevenCards,
         16,
         "16 點過七關 ",
         "16 點過七關 "},
        {{"KC", "QD", "2H", "3S", "3C"}, 0, hkNone, 0, "0 點 ", "0 點(被炸) "},
        {{"5C", "5D", "5H", "5S"}, 20, hkNone, 20, "20 點 ", "20 點 "},
        {{"AC", "AD", "AH", "AS"}, 14, hkNone, 4, "14 點 ", "14 點 "},
        {{"6C", "6D", "8H", "AS"}, 21, hkTwentyOne, 21, "21 點 ", "21 點 "},
        {{"7C", "7D", "7H", "AS"}, 0, hkNone, 0, "0 點 ", "0 點(被炸) "},
    };
    for (const Case& c : cases) {
        TestHand h;
        h.Set(c.cards);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(h.hand.HandValue, c.code);
        EXPECT_EQ(h.hand.Kind, c.kind);
        EXPECT_EQ(h.hand.HardTotal, c.hardTotal);
        EXPECT_EQ(HandText(h.hand), c.text);
        EXPECT_EQ(HandResultText(h.hand), c.resultText);
    }
}

TEST(HandRules, SevenToNineteenCardsAndUnvaluableCounts) {
    TestHand h;
    h.Set({"AC", "AD", "AH", "AS", "AC", "AD", "AH", "AS", "2C", "2D", "2H"});
    EXPECT_EQ(h.hand.HandValue, 26);
    EXPECT_EQ(h.hand.AceCount, 8);
    h.Set({"KC"});
    EXPECT_EQ(h.hand.HandValue, 0);
    EXPECT_EQ(h.hand.Kind, hkNone);
    h.hand.CardCount = 0;
    EvaluateHand(h.hand);
    EXPECT_EQ(h.hand.HandValue, 0);
    h.hand.CardCount = 20;
    EvaluateHand(h.hand);
    EXPECT_EQ(h.hand.HandValue, 0);
    // Four cards keep their total; three sevens and 678 only count with exactly three cards.
    h.Set({"7C", "7D", "7H"});
    EXPECT_EQ(h.hand.HandValue, 28);
    h.Set({"6C", "7D", "8H", "KS"});
    EXPECT_EQ(h.hand.HandValue, 0);
}

TEST(HandRules, FreshHandBeatsBustAndKindsFollowCodes) {
    THandRecord fresh;
    ResetHand(fresh);
    EXPECT_EQ(fresh.HandValue, 1);
    EXPECT_EQ(fresh.Kind, hkNone);
    THandRecord bust;
    bust.HandValue = 0;
    EXPECT_GT(fresh.HandValue, bust.HandValue);
    for (int code = -1; code <= 30; ++code) {
        const THandKind kind = KindOfCode(code);
        EXPECT_EQ(kind, code >= 21 && code <= 28 ? THandKind(code - 21) : hkNone) << code;
    }
    THandRecord odd;
    odd.HandValue = 29;
    EXPECT_EQ(HandText(odd), "");
}

TEST(HandRules, CompareHandsSetsOutcomesAndStreaks) {
    THandRecord banker, other;
    auto compare = [&](int bankerCode, int otherCode) {
        banker.HandValue = bankerCode;
        other.HandValue = otherCode;
        banker.Streak = 3;
        other.Streak = 4;
        CompareHands(banker, other);
    };
    compare(0, 12);
    EXPECT_EQ(banker.Outcome, kOutcomeLost);
    EXPECT_EQ(other.Outcome, kOutcomeWon);
    EXPECT_EQ(banker.Streak, 0);
    EXPECT_EQ(other.Streak, 5);
    compare(21, 24);
    EXPECT_EQ(other.Outcome, kOutcomeWon);
    compare(20, 20);
    EXPECT_EQ(banker.Outcome, kOutcomePush);
    EXPECT_EQ(other.Outcome, kOutcomePush);
    EXPECT_EQ(banker.Streak + other.Streak, 0);
    compare(27, 22);
    EXPECT_EQ(banker.Outcome, kOutcomeWon);
    EXPECT_EQ(banker.Streak, 4);
    EXPECT_EQ(other.Outcome, kOutcomeLost);
    EXPECT_EQ(other.Streak, 0);
}

TEST(HandRules, SpecialBonusesPayMultiplesAndAnnounce) {
    struct Bonus {
        std::initializer_list<const char*> cards;
        int multiple;
        const char* middle;
    };
    const Bonus bonuses[] = {
        {{"AH", "KH"}, 1, "獲得額外獎金"},
        {{"AH", "JH"}, 3, "獲得同花JA額外獎金"},
        {{"6C", "7D", "8H"}, 3, "獲得678額外獎金"},
        {{"2C", "2D", "2H", "2S", "3C"}, 2, "過5 關，獲得額外獎金"},
        {{"2C", "2D", "2H", "2S", "3C", "3D"}, 6, "過6關，獲得額外獎金"},
        {{"2C", "2D", "2H", "2S", "3C", "3D", "AC"}, 10, "過7關，獲得額外獎金"},
        {{"AS", "JS"}, 10, "成為黑色騎士，獲得額外獎金"},
        {{"7C", "7D", "7H"}, 10, "三七開花，獲得額外獎金"},
    };
    for (const Bonus& b : bonuses) {
        TestHand h("小雨");
        h.Set(b.cards);
        h.hand.Money = 100;
        h.hand.Bonus = 5;
        std::vector<std::string> said;
        const int paid =
            AwardSpecialBonus(h.hand, 1000, [&](const std::string& t) { said.push_back(t); });
        EXPECT_EQ(paid, 1000 * b.multiple) << b.middle;
        EXPECT_EQ(h.hand.Money, 100 + paid);
        EXPECT_EQ(h.hand.Bonus, 5 + paid);
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0], std::string("恭喜小雨") + b.middle + std::to_string(paid) + "元");
    }
    // No bonus: a three-card 21, a plain total, a bust.
    for (auto cards :
         {std::initializer_list<const char*>{"AC", "7D", "3H"}, {"KC", "9D"}, {"KC", "9D", "5H"}}) {
        TestHand h;
        h.Set(cards);
        int calls = 0;
        EXPECT_EQ(AwardSpecialBonus(h.hand, 1000, [&](const std::string&) { ++calls; }), 0);
        EXPECT_EQ(calls, 0);
        EXPECT_EQ(h.hand.Money, kStartingMoney);
    }
}

TEST(HandRules, BankerTableWordingDiffersInThreeTexts) {
    TestHand h("阿鐵");
    std::string said;
    const Announce keep = [&](const std::string& t) { said = t; };
    h.Set({"2C", "2D", "2H", "2S", "3C"});
    AwardSpecialBonus(h.hand, 100, keep, BankerTableWording());
    EXPECT_EQ(said, "恭喜阿鐵過5關，獲得額外獎金200元");
    h.Set({"2C", "2D", "2H", "2S", "3C", "3D", "AC"});
    AwardSpecialBonus(h.hand, 100, keep, BankerTableWording());
    EXPECT_EQ(said, "恭喜阿鐵過7 關，獲得額外獎金1000元");
    h.hand.Bet = 80000;
    h.hand.Streak = 6;
    CheckJackpot(h.hand, keep, BankerTableWording());
    EXPECT_EQ(said, "恭喜發財！阿鐵中獎了，獲得獎金800000元");
}

TEST(HandRules, JackpotNeedsExactBetAndSixWins) {
    THandRecord hand;
    hand.Name = "閒家";
    hand.Bet = 80000;
    hand.Streak = 5;
    std::string said;
    const Announce keep = [&](const std::string& t) { said = t; };
    EXPECT_EQ(CheckJackpot(hand, keep), 0);
    hand.Bet = 80001;
    hand.Streak = 9;
    EXPECT_EQ(CheckJackpot(hand, keep), 0);
    EXPECT_EQ(said, "");
    hand.Bet = 80000;
    hand.Streak = 6;
    hand.Money = 1000;
    EXPECT_EQ(CheckJackpot(hand, keep), 800000);
    EXPECT_EQ(hand.Money, 801000);
    EXPECT_EQ(hand.Bonus, 800000);
    EXPECT_EQ(said, "恭喜發財閒家中獎了，獲得獎金800000元");
}

TEST(HandRules, BonusNeverOverflowsMoney) {
    TestHand h;
    h.Set({"AS", "JS"});
    h.hand.Money = 2'000'000'000;
    EXPECT_EQ(AwardSpecialBonus(h.hand, 300'000'000, nullptr), 2'147'483'647);
    EXPECT_EQ(h.hand.Money, 2'147'483'647);
}

} // namespace
} // namespace quorvel
