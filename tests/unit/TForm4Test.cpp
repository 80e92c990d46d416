// The three-seat challenge table where scripts cannot reach: who banks, the chip bar closing in
// its order, the swap's target named and marked at every purchase with the panel's prompt and
// tip, the user's split hands apart and named, a streak set up directly for a second challenge
// in one game (which shows no counts of the first before its deal), a save clicked in the
// middle of a banner, the raised-bet offer after a split whose hands won different bets, and
// the marker under the user's hand in play after a split.
#include "TableFixture.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "gui/BitBtn.h"
#include "gui/Label.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "ui/Card.h"

#include "tables/CardMotion.h"
#include "tables/HandCards.h"
#include "tables/OddsAdviceLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quorvel {
namespace {

using R = TableRole;

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
    // A role at the table that shows: this one, or the one-on-one table during a challenge.
    void Click(TableRole role) {
        TableScreen& shown = challenge().Visible() ? static_cast<TableScreen&>(challenge())
                                                   : static_cast<TableScreen&>(table());
        app.ClickControl(shown.Get(role));
    }
    // One round at the three-seat table: a 1000 chip, the bet done, the user stands.
    void PlayRound() {
        Click(R::Deal);
        Click(R::Chip1000);
        Click(R::FinishBets);
        Click(R::Stand);
    }
    TForm4& table() { return game.Form4(); }
    TForm1& challenge() { return game.Form1(); }
};

TEST(TForm4, TheTableSaysWhoBanks) {
    Table t;
    // The second pick banks: its name by its portrait, and the 莊 badge beside it.
    EXPECT_EQ(t.table().Get<Label>(R::BankerName).Caption(), "朵朵");
    const Control& badge = t.table().Screen::Get<Control>("BankerBadge");
    EXPECT_TRUE(badge.Visible());
    EXPECT_FALSE(badge.Bounds().Overlaps(t.table().Get(R::BankerPortrait).Bounds()));
    EXPECT_FALSE(
        t.table().Get(R::BankerName).Bounds().Overlaps(t.table().Get(R::BankerMoney).Bounds()));
}

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
            t.Click(R::Background);
        t.Click(R::Chip1000);
        t.Click(R::Deal);
        t.Click(R::Stand);
    }
    ASSERT_FALSE(t.challenge().InChallenge());
    EXPECT_EQ(t.table().Hands().Record(2).Streak, 0);

    // Another streak, another challenge: its first deal starts from empty hands and a new shoe,
    // so the last challenge's counts do not show until then.
    testing::AdjustTable(t.table(), [](TableRecord& r) { r.Seats[2].Streak = 5; });
    t.random.QueueRuleDraws(kPlainRound);
    t.PlayRound();
    ASSERT_TRUE(t.challenge().InChallenge());
    EXPECT_FALSE(t.challenge().Get(R::CountsPanel).Visible());
    t.Stack({"KH", "10C", "9D", "8S"});
    t.random.QueueRuleDraws({50, 100, 100});
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    const THandRecord& main = t.challenge().Hands().Record(1);
    EXPECT_EQ(main.CardCount, 2);
    EXPECT_EQ(main.HandValue, 18);
    EXPECT_EQ(t.challenge().Hands().Record(0).CardCount, 2);
    EXPECT_TRUE(t.challenge().Get(R::CountsPanel).Visible());
}

TEST(TForm4, TheChipBarGoesFromTheLeftOnceTheBetIsDone) {
    Table t;
    testing::AdjustTable(t.table(), [](TableRecord& r) { r.Seats[2].Raise = {true, 30000}; });
    t.Click(R::Deal);
    t.Click(R::Chip1000);
    // Sampled every millisecond while the bar closes: the order in which each button went.
    const TableRole bar[] = {R::Chip1000, R::Chip5000, R::Chip10000, R::TakeRaise};
    for (TableRole role : bar)
        ASSERT_TRUE(t.table().Get(role).Visible());
    std::vector<TableRole> gone;
    std::function<void()> sample = [&] {
        for (TableRole role : bar)
            if (!t.table().Get(role).Visible() &&
                std::find(gone.begin(), gone.end(), role) == gone.end())
                gone.push_back(role);
        if (gone.size() < std::size(bar))
            t.app.After(1, sample);
    };
    t.app.After(0, sample);
    t.Click(R::FinishBets);
    EXPECT_EQ(gone, std::vector<TableRole>(std::begin(bar), std::end(bar)));
}

TEST(TForm4, ASaveDuringASplitHandsBonusBannerCountsTheBonus) {
    Table t;
    // Seat 3 splits its aces: the main hand 9C AH (20), the split hand KD AH, a two-card 21 with
    // its bonus of 20000. The banker stands on 18.
    t.Stack({"KC", "QS", "10D", "AH", "8H", "8C", "7S", "AH", "9C", "KD"});
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 50, 100, 100, 100, 100});
    t.onBanner = [&t](const std::string& text) {
        if (text.rfind("恭喜阿鐵", 0) == 0)
            t.Click(R::Save);
    };
    t.PlayRound();
    ASSERT_TRUE(t.Said("恭喜阿鐵獲得額外獎金20000元"));
    const LoadResult saved = t.game.SaveRecord().Load(t.game.SaveFilePath());
    ASSERT_TRUE(saved.Ok());
    // Main hand won (460000 + 40000), the bonus paid, the split hand's 20000 still staked.
    EXPECT_EQ(saved.Contents->Money[3], 540000);
    EXPECT_EQ(t.table().Hands().Record(3).Money, 560000);
}

TEST(TForm4, EveryBoughtSwapNamesAndMarksTheHandItGoesTo) {
    Table t;
    // The user splits 9H 9H and plays both hands; the swap is bought twice while both live.
    t.Stack({"KC", "QS", "9H", "JD", "8H", "7C", "9H", "8D", "2C", "10C", "9S"});
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 100, 50, 100, 100, 100});
    Control& marker = t.table().Screen::Get<Control>("HandInPlay");
    BitBtn& toggle = t.table().Get<BitBtn>(R::SwapTarget);
    // The caption and the marked hand agree with the hand the swap goes to.
    const auto expectTarget = [&](int hand, const char* caption) {
        EXPECT_EQ(t.table().Engine().SwapTarget(), hand);
        EXPECT_EQ(toggle.Caption(), caption);
        for (int slot = 1; slot <= t.table().Engine().User().Hand(hand).CardCount; ++slot)
            EXPECT_TRUE(
                testing::Encloses(marker.Bounds(), t.table().Hands().Card(2, hand, slot).Bounds()))
                << "hand " << hand << " card " << slot;
    };
    t.Click(R::Deal);
    t.Click(R::Chip10000);
    t.Click(R::FinishBets);
    ASSERT_EQ(t.table().Engine().User().HandCount, 2);
    t.Click(R::Swap);
    expectTarget(Seat::kMain, "分家換牌（單擊切換）");
    // The panel asks as the one-seat panels do; on the box, a tip says what it takes.
    EXPECT_EQ(t.table().Get<Label>(R::SwapWords).Caption(), "變換為：");
    const auto& tip = t.table().Screen::Get<Label>("SwapRankTip");
    t.app.HoverControl(t.table().Get(R::SwapRank));
    EXPECT_TRUE(tip.Visible());
    EXPECT_NE(tip.Caption().find("A、2～10、J、Q、K"), std::string::npos);
    t.app.HoverControl(t.table().Get(R::Background));
    EXPECT_FALSE(tip.Visible());
    t.Click(R::SwapTarget);
    expectTarget(Seat::kSplit, "本家換牌（單擊切換）");
    t.Click(R::SwapOk);
    // The next purchase goes to the main hand again, and says so.
    t.Click(R::Swap);
    expectTarget(Seat::kMain, "分家換牌（單擊切換）");
}

TEST(TForm4, TheUsersSplitHandsLieApartAndTheirLinesNameThem) {
    Table t;
    t.Stack({"KC", "QS", "9H", "JD", "8H", "7C", "9H", "8D", "2C", "10C", "9S"});
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 100, 50, 100, 100, 100});
    t.Click(R::Deal);
    t.Click(R::Chip10000);
    t.Click(R::FinishBets);
    ASSERT_EQ(t.table().Engine().User().HandCount, 2);
    // Up to seven cards each, neither hand covers the other or the advisor's lines.
    const Rect advice = t.table().AdviceLine().Place();
    for (int cards = 2; cards <= 7; ++cards) {
        const Rect main = t.table().Motion().CardArea(2, Seat::kMain, cards);
        const Rect split = t.table().Motion().CardArea(2, Seat::kSplit, cards);
        EXPECT_FALSE(main.Overlaps(split)) << cards << " cards";
        EXPECT_FALSE(main.Overlaps(advice)) << cards << " cards";
    }
    EXPECT_EQ(t.table().Get<Label>(R::Seat2Hand).Caption(), "本家 11 點 ");
    EXPECT_EQ(t.table().Get<Label>(R::Seat2Split).Caption(), "分家 19 點 ");
}

TEST(TForm4, AWonSplitHandBelowTheRaiseKeepsTheMainHandsOffer) {
    Table t;
    // The user splits 9H 9H with 10000: the main hand gets 2C, doubles to 20000 and draws 9S
    // (20); the split hand gets 10C (19) and stands. The banker has 18: both win.
    t.Stack({"KC", "QS", "9H", "JD", "8H", "7C", "9H", "8D", "2C", "10C", "9S"});
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 100, 50, 100, 100, 100});
    Control& marker = t.table().Screen::Get<Control>("HandInPlay");
    const auto markedHand = [&] {
        for (int hand : {Seat::kMain, Seat::kSplit}) {
            bool all = marker.Visible();
            for (int slot = 1; slot <= t.table().Engine().User().Hand(hand).CardCount; ++slot)
                all = all && testing::Encloses(marker.Bounds(),
                                               t.table().Hands().Card(2, hand, slot).Bounds());
            if (all)
                return hand;
        }
        return 0;
    };
    t.Click(R::Deal);
    t.Click(R::Chip10000);
    t.Click(R::FinishBets);
    // The main hand plays first; its rows overlap the split hand's, whose cards it must not
    // enclose.
    EXPECT_EQ(markedHand(), Seat::kMain);
    t.Click(R::Double);
    t.Click(R::Hit);
    EXPECT_EQ(markedHand(), Seat::kSplit);
    t.Click(R::Stand);
    EXPECT_FALSE(marker.Visible());
    ASSERT_TRUE(t.table().Engine().RoundOver());
    const RaiseOffer& offer = t.table().Engine().User().Raise;
    EXPECT_TRUE(offer.Offered);
    EXPECT_EQ(offer.Amount, 40000);
}

} // namespace
} // namespace quorvel
