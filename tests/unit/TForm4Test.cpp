// The three-seat challenge table where scripts cannot reach: a streak set up directly for a
// second challenge in one game (which shows no counts of the first before its deal), a save
// clicked in the middle of a banner, the raised-bet offer after a split whose hands won
// different bets, and the marker under the user's hand in play after a split.
#include "TableFixture.h"

#include "app/TableOpening.h"
#include "ui/Card.h"
#include "cards/SeededRandom.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_challenge/TForm4.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

// Draws of one round in which seats 1 and 3 bet 20000, nothing is steered, every seat stands
// and a rich banker of 16 is asked once before its forced card.
const std::vector<int> kPlainRound{5,   5,   50, 100, 100, 100, 100, 50,
                                   100, 100, 50, 100, 100, 100, 100};
// Cards of such a round: the banker 16 busts on its forced card, seats 1 and 3 have 18, the user
// 17. Each call takes other suits, so that rounds can follow one another in one shoe.
std::vector<std::string> BankerBustsRound(int n) {
    const char* suits = "SHCD";
    const auto card = [&](const char* rank, int k) {
        return std::string(rank) + suits[(n + k) % 4];
    };
    return {card("10", 0), card("J", 1), card("Q", 2), card("K", 3), card("6", 0),
            card("8", 1),  card("7", 2), card("8", 3), card("10", 1)};
}

struct Table : testing::TableFixture {
    Table() {
        auto& state = game.State();
        state.PlayerPick = {"小雨", "", 9};
        state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                               TCharacterPick{"美男子", "", 6}};
        state.OpponentCount = 3;
        state.TableSize = 2;
        state.BankerChoice = 1;
        Open();
    }
    void Click(const std::string& name) { ClickControl(name); }
    // One round at the three-seat table: a 1000 chip, the bet done, the user stands.
    void PlayRound() {
        Click("TForm4.image9");
        Click("TForm4.Image17");
        Click("TForm4.Image20");
        Click("TForm4.Image11");
    }
    TForm4& table() { return game.Form4(); }
    TForm1& challenge() { return game.Form1(); }
};

TEST(TForm4, ASecondChallengeInOneGameDealsFreshHands) {
    Table t;
    std::vector<std::string> shoe = BankerBustsRound(0);
    for (const auto& c : BankerBustsRound(1))
        shoe.push_back(c);
    t.Stack(shoe);
    t.random.QueueRuleDraws(kPlainRound);
    testing::AdjustTable(t.table(), [](TableRecord& r) { r.Seats[2].Streak = 5; });
    t.PlayRound();
    ASSERT_TRUE(t.challenge().InChallenge());
    EXPECT_TRUE(t.Said("歡迎小雨進入單打模式！"));

    // The challenge: one round won (20 against 18), then one lost (15 against 20), and the
    // user is back at three seats.
    t.Stack({"KS", "QC", "8D", "JD", "JH", "9C", "QD", "6D"});
    t.random.QueueRuleDraws({50, 100, 100, 100, 50, 100, 100, 100});
    for (int round = 0; round < 2; ++round) {
        if (round == 1)
            t.Click("TForm1.Image1");
        t.Click("TForm1.Image25");
        t.Click("TForm1.Image11");
        t.Click("TForm1.Image14");
    }
    ASSERT_FALSE(t.challenge().InChallenge());
    EXPECT_EQ(t.table().SeatHand(2).Streak, 0);

    // Another streak, another challenge: its first deal starts from empty hands and a new shoe,
    // so the last challenge's counts do not show until then.
    testing::AdjustTable(t.table(), [](TableRecord& r) { r.Seats[2].Streak = 5; });
    t.random.QueueRuleDraws(kPlainRound);
    t.PlayRound();
    ASSERT_TRUE(t.challenge().InChallenge());
    EXPECT_FALSE(t.challenge().Panel2.Visible());
    t.Stack({"KH", "10C", "9D", "8S"});
    t.random.QueueRuleDraws({50, 100, 100});
    t.Click("TForm1.Image25");
    t.Click("TForm1.Image11");
    const THandRecord& main = t.challenge().Record(1);
    EXPECT_EQ(main.CardCount, 2);
    EXPECT_EQ(main.HandValue, 18);
    EXPECT_EQ(t.challenge().Record(0).CardCount, 2);
    EXPECT_TRUE(t.challenge().Panel2.Visible());
}

TEST(TForm4, ASaveDuringASplitHandsBonusBannerCountsTheBonus) {
    Table t;
    // Seat 3 splits its aces: the main hand 9C AH (20), the split hand KD AH, a two-card 21 with
    // its bonus of 20000. The banker stands on 18.
    t.Stack({"KC", "QS", "10D", "AH", "8H", "8C", "7S", "AH", "9C", "KD"});
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 50, 100, 100, 100, 100});
    t.onBanner = [&t](const std::string& text) {
        if (text.rfind("恭喜阿鐵", 0) == 0)
            t.Click("TForm4.Image12");
    };
    t.PlayRound();
    ASSERT_TRUE(t.Said("恭喜阿鐵獲得額外獎金20000元"));
    const LoadResult saved = t.game.SaveRecord().Load(t.game.SaveFilePath());
    ASSERT_TRUE(saved.Ok());
    // Main hand won (460000 + 40000), the bonus paid, the split hand's 20000 still staked.
    EXPECT_EQ(saved.Contents->Money[3], 540000);
    EXPECT_EQ(t.table().SeatHand(3).Money, 560000);
}

TEST(TForm4, AWonSplitHandBelowTheRaiseKeepsTheMainHandsOffer) {
    Table t;
    // The user splits 9H 9H with 10000: the main hand gets 2C, doubles to 20000 and draws 9S
    // (20); the split hand gets 10C (19) and stands. The banker has 18: both win.
    t.Stack({"KC", "QS", "9H", "JD", "8H", "7C", "9H", "8D", "2C", "10C", "9S"});
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 100, 50, 100, 100, 100});
    Control& marker = *t.table().Find("HandInPlay");
    const auto markedHand = [&] {
        for (int hand : {Seat::kMain, Seat::kSplit}) {
            bool all = marker.Visible();
            for (int slot = 1; slot <= t.table().Engine().User().Hand(hand).CardCount; ++slot)
                all = all &&
                      testing::Encloses(marker.Bounds(), t.table().Card(2, hand, slot).Bounds());
            if (all)
                return hand;
        }
        return 0;
    };
    t.Click("TForm4.image9");
    t.Click("TForm4.Image19");
    t.Click("TForm4.Image20");
    // The main hand plays first; its rows overlap the split hand's, whose cards it must not
    // enclose.
    EXPECT_EQ(markedHand(), Seat::kMain);
    t.Click("TForm4.Image14");
    t.Click("TForm4.Image10");
    EXPECT_EQ(markedHand(), Seat::kSplit);
    t.Click("TForm4.Image11");
    EXPECT_FALSE(marker.Visible());
    ASSERT_TRUE(t.table().Engine().RoundOver());
    const RaiseOffer& offer = t.table().Engine().User().Raise;
    EXPECT_TRUE(offer.Offered);
    EXPECT_EQ(offer.Amount, 40000);
}

} // namespace
} // namespace quorvel
