// The one-on-one challenge table where scripts cannot reach: money set up through the table's
// record (debt and repayment, chips below zero), the shoe limits, the peek and the unseen-card
// table, clicks during the settlement, the marker under the hand in play after a split, the
// swap's target named and marked at every purchase, the save button, and the chest's tips,
// which go with the pointer.
#include "TableFixture.h"

#include "app/TableOpening.h"
#include "cards/CardCode.h"
#include "cards/SeededRandom.h"
#include "gui/BitBtn.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "ui/Card.h"

#include "tables/HandCards.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using R = TableRole;

struct Table : testing::TableFixture {
    Table(const std::vector<std::string>& shoe, const std::vector<int>& draws)
        : TableFixture(shoe, draws) {
        auto& state = game.State();
        state.PlayerPick = {"小帥哥", "", 4};
        state.OpponentPicks[0] = {"阿鐵", "", 2};
        state.TableSize = state.BankerChoice = 1;
        Open();
    }
    void Click(TableRole role) { app.ClickControl(table().Get(role)); }
    TForm1& table() { return game.Form1(); }
    // A poor banker from the start: its opening steering then runs, and the draws the tests
    // queue for it (r 90, s 100) find nothing to steer to its face-up 8.
    void PoorBanker() {
        testing::AdjustTable(table(), [](TableRecord& r) { r.Seats[0].Money = 3000; });
    }
    // The table's round counter at `round` with a shoe of `cards` up next and `left` cards left
    // after them, so that the next round's shoe limit is what is tested.
    void ShoeWith(const std::vector<std::string>& cards, int left, int round) {
        TableShoe shoe;
        BuildShoe(shoe.Dealing);
        std::vector<TShoeCard> rest(shoe.Dealing.Entries().begin(), shoe.Dealing.Entries().end());
        std::vector<TShoeCard> front;
        for (const std::string& code : cards) {
            const TShoeCard card = *ParseCardCode(code);
            rest.erase(std::find(rest.begin(), rest.end(), card));
            front.push_back(card);
        }
        const int position = kShoeSize - left - static_cast<int>(cards.size());
        rest.insert(rest.begin() + position, front.begin(), front.end());
        for (int i = 1; i <= kShoeSize; ++i)
            shoe.Dealing.At(i) = rest[static_cast<std::size_t>(i - 1)];
        shoe.Work = shoe.Dealing;
        shoe.Unseen.Fill(4);
        shoe.Position = position;
        testing::AdjustTable(table(), [&](TableRecord& r) {
            r.Shoe = shoe;
            r.RoundNumber = round;
        });
    }
};

TEST(TForm1, ChipsIgnoreTheBankrollAndLeaveMoneyNegative) {
    Table t({}, {});
    testing::AdjustTable(t.table(), [](TableRecord& r) { r.Seats[1].Money = 3000; });
    t.Click(R::Chip5000);
    EXPECT_EQ(t.table().Hands().Record(1).Money, -2000);
    EXPECT_EQ(t.table().Hands().Record(1).Bet, 5000);
}

TEST(TForm1, SplitHandBreaksTheBankerWhoRepaysFromTheLostMainHand) {
    // Banker 18. Twins 7H: the split hand draws to 19 and wins, the main hand busts and loses.
    // The round is the second of the game, with 70 cards left after it.
    Table t({}, {90, 100, 100, 50, 100});
    t.PoorBanker();
    t.ShoeWith({"10S", "7H", "8S", "7H", "QD", "9C", "2D", "KC"}, 70, 2);
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Split);
    t.Click(R::Hit);   // split hand: 19
    t.Click(R::Stand); // the split hand stands, the main hand plays
    t.Click(R::Hit);   // 9 + 7 + K: bust
    t.Click(R::Open);
    EXPECT_TRUE(t.Said("阿鐵已經輸得精光！"));
    EXPECT_TRUE(t.Said("阿鐵欠小帥哥2000"));
    EXPECT_TRUE(t.Said("阿鐵還小帥哥2000元"));
    EXPECT_EQ(t.table().Hands().Record(0).Money, 3000);
    EXPECT_TRUE(t.table().Engine().RoundOver());
    // After a split the next round needs 76 cards: 70 left make a new shoe, announced.
    EXPECT_FALSE(t.Said("洗牌！"));
    t.Click(R::Background);
    EXPECT_TRUE(t.Said("洗牌！"));
    EXPECT_EQ(t.table().Engine().Shoe().Position, 0);
}

TEST(TForm1, WonBetTheBankerCannotCoverBeatsIt) {
    Table t({"10S", "KH", "8S", "QH"}, {90, 100, 100, 50, 100});
    t.PoorBanker();
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    EXPECT_EQ(t.banners.back(), "進入選人界面！");
    EXPECT_TRUE(t.Said("阿鐵欠小帥哥2000"));
    EXPECT_TRUE(t.Said("祝賀小帥哥成為最後的贏家！"));
    EXPECT_EQ(t.table().Hands().Record(0).Money, 500000);
    EXPECT_FALSE(t.table().Visible());
}

TEST(TForm1, ANewTableAfterAWonGameHidesTheOldShoesCounts) {
    Table t({"10S", "KH", "8S", "QH"}, {90, 100, 100, 50, 100});
    t.PoorBanker();
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    EXPECT_TRUE(t.table().Get(R::CountsPanel).Visible());
    t.Click(R::Stand);
    ASSERT_TRUE(t.Said("祝賀小帥哥成為最後的贏家！"));
    OpenNewTable(t.game);
    EXPECT_TRUE(t.table().Visible());
    EXPECT_FALSE(t.table().Get(R::CountsPanel).Visible());
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    EXPECT_TRUE(t.table().Get(R::CountsPanel).Visible());
}

TEST(TForm1, BeatenBankerLeavesNoRaisedBetOfferForTheNextGame) {
    Table t({"10S", "KH", "8S", "QH"}, {90, 100, 100, 50, 100});
    t.PoorBanker();
    t.Click(R::Chip10000);
    t.Click(R::Chip10000);
    t.Click(R::Deal);
    t.Click(R::Stand); // a won 20000 bet would offer 40000
    ASSERT_TRUE(t.Said("祝賀小帥哥成為最後的贏家！"));
    OpenNewTable(t.game);
    t.Click(R::Chip10000);
    t.Click(R::TakeBack);
    EXPECT_FALSE(t.table().Get(R::TakeRaise).Visible());
}

TEST(TForm1, SaveDuringTheDebtBannersCountsTheWonBetOnce) {
    Table t({"10S", "KH", "8S", "QH"}, {90, 100, 100, 50, 100});
    std::int32_t saved = 0;
    t.app.GetTrace().SetListener([&](TraceKind kind, std::string_view text) {
        if (kind != TraceKind::Banner || text != "阿鐵已經輸得精光！")
            return;
        // The save button is clicked while this banner holds the game.
        t.table().Act(Action::Of(ActionKind::Save));
        SaveBuffer loaded;
        auto result = loaded.Load(t.game.SaveFilePath());
        if (result.Ok())
            saved = result.Contents->Money[1];
    });
    t.PoorBanker();
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    // 495000 left after the bet, then the 5000 back and the banker's 3000.
    EXPECT_EQ(saved, 503000);
}

TEST(TForm1, AfterASplitTheMarkerLiesUnderTheHandInPlay) {
    // Twins 7H: the split hand plays first and stands, then the main hand, which busts.
    Table t({"10S", "7H", "8S", "7H", "QD", "9C", "2D", "KC"}, {50, 100, 100, 50, 100});
    Control& marker = t.table().Screen::Get<Control>("HandInPlay");
    const auto underHand = [&](int hand) {
        const int other = hand == Seat::kMain ? Seat::kSplit : Seat::kMain;
        for (int slot = 1; slot <= t.table().Hands().Record(hand).CardCount; ++slot)
            if (!testing::Encloses(marker.Bounds(), t.table().Hands().Card(1, hand, slot).Bounds()))
                return false;
        return marker.Visible() &&
               !testing::Encloses(marker.Bounds(), t.table().Hands().Card(1, other, 1).Bounds());
    };
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    EXPECT_FALSE(marker.Visible());
    t.Click(R::Split);
    EXPECT_TRUE(underHand(Seat::kSplit));
    t.Click(R::Hit); // the split hand's third card: the marker grows with it
    EXPECT_TRUE(underHand(Seat::kSplit));
    t.Click(R::Stand);
    EXPECT_TRUE(underHand(Seat::kMain));
    t.Click(R::Hit); // 9 + 7 + K: bust, the banker still to open
    t.Click(R::Open);
    EXPECT_FALSE(marker.Visible());
    // Without a split there is nothing to mark.
    t.Click(R::Background);
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    EXPECT_FALSE(marker.Visible());
}

TEST(TForm1, EveryBoughtSwapNamesAndMarksTheHandItGoesTo) {
    // Twins 7H split: the split hand is in play while the swap is bought, twice.
    Table t({"10S", "7H", "8S", "7H", "QD", "9C"}, {50, 100, 100});
    Control& marker = t.table().Screen::Get<Control>("HandInPlay");
    BitBtn& toggle = t.table().Get<BitBtn>(R::SwapTarget);
    const auto expectTarget = [&](int hand, const char* caption) {
        EXPECT_EQ(t.table().Engine().SwapTarget(), hand);
        EXPECT_EQ(toggle.Caption(), caption);
        EXPECT_TRUE(testing::Encloses(marker.Bounds(), t.table().Hands().Card(1, hand, 1).Bounds()))
            << "hand " << hand;
    };
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Split);
    t.Click(R::Swap);
    expectTarget(Seat::kMain, "分家換牌（單擊切換）");
    t.Click(R::SwapTarget);
    expectTarget(Seat::kSplit, "本家換牌（單擊切換）");
    t.Click(R::SwapOk);
    t.Click(R::Swap);
    expectTarget(Seat::kMain, "分家換牌（單擊切換）");
}

TEST(TForm1, SaveAfterASplitCountsBothStakes) {
    Table t({"10S", "7H", "8S", "7H", "QD", "9C"}, {50, 100, 100});
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Split);
    ASSERT_EQ(t.table().Hands().Record(1).Money, 490000);
    t.Click(R::Save);
    SaveBuffer loaded;
    auto result = loaded.Load(t.game.SaveFilePath());
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.Contents->Money[1], 500000);
}

TEST(TForm1, BankerBustByForceIsAnnouncedOnce) {
    // Banker 15 must draw and busts on the king; the optional drawing asks but adds nothing.
    Table t({"10S", "KH", "5S", "QH", "KS"}, {50, 100, 100, 50, 50, 50, 50});
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    EXPECT_EQ(std::count(t.banners.begin(), t.banners.end(), "阿鐵不幸被炸！"), 1);
    EXPECT_EQ(t.table().Hands().Record(0).CardCount, 3);
    EXPECT_EQ(t.table().Hands().Record(1).Money, 505000);
}

TEST(TForm1, ShoeLimitIs57AfterOneHandAnd76AfterASplitAndRoundOneIsSilent) {
    // The second round of a game, with 60 left after it: enough for one hand.
    Table t({}, {50, 100, 100, 50});
    t.ShoeWith({"10S", "KH", "8S", "QH"}, 60, 2);
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    EXPECT_FALSE(t.Said("洗牌！"));
    t.Click(R::Background);
    EXPECT_FALSE(t.Said("洗牌！"));
    EXPECT_EQ(t.table().Engine().Shoe().Position, kShoeSize - 60);
}

TEST(TForm1, PeekShowsTheCardForASecondAndCountsNothing) {
    Table t({"10S", "KH", "8S", "QH"}, {50, 100, 100});
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    const TCardCounts before = t.table().Engine().Shoe().Unseen;
    TCard& hole = t.table().Hands().Card(1, Seat::kMain, 1);
    bool faceUpDuringWait = false;
    t.app.After(500, [&] { faceUpDuringWait = hole.FaceUp(); });
    t.app.ClickControl(hole);
    EXPECT_TRUE(faceUpDuringWait);
    EXPECT_FALSE(hole.FaceUp());
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank)
            EXPECT_EQ(t.table().Engine().Shoe().Unseen.Count(row, TCardValue(rank)),
                      before.Count(row, TCardValue(rank)));
}

TEST(TForm1, ClicksDuringTheSettlementStartNothing) {
    Table t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50});
    t.Click(R::Chip5000);
    t.Click(R::Deal);
    int rounds = 0;
    // During the settlement's banners: the dialog, the table and a chip are clicked.
    t.app.After(3000, [&] {
        t.game.Form6().Continue();
        t.table().NextRoundClick();
        t.table().Act(Action::Chip(1000));
        rounds = t.table().Engine().RoundNumber();
    });
    t.Click(R::Stand);
    EXPECT_EQ(rounds, 1);
    EXPECT_TRUE(t.table().Engine().RoundOver());
    EXPECT_EQ(t.table().Hands().Record(1).Bet, 0);
}

TEST(TForm1, AServiceTipShowsOnlyWhileThePointerIsOnItsService) {
    Table t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    const auto hover = [&t](TableRole role) { t.app.HoverControl(t.table().Get(role)); };
    Control& lookTip = t.table().Get(R::LookTip);
    Control& swapTip = t.table().Get(R::SwapTip);
    hover(R::Look);
    EXPECT_TRUE(lookTip.Visible());
    // On to a button: the tip goes, though the pointer never crossed the bare table.
    hover(R::Hit);
    EXPECT_FALSE(lookTip.Visible());
    // Onto its own tip it stays, onto the table it goes as designed.
    hover(R::Swap);
    hover(R::SwapTip);
    EXPECT_TRUE(swapTip.Visible());
    hover(R::Background);
    EXPECT_FALSE(swapTip.Visible());
    // A tip still up when its service is put away goes with it.
    hover(R::Look);
    t.Click(R::Stand);
    ASSERT_FALSE(t.table().Get(R::Look).Showing());
    EXPECT_FALSE(lookTip.Visible());
}

TEST(TForm1, SaveWritesModeOneWithTheStakeCountedAsMoney) {
    Table t({}, {});
    t.Click(R::Chip10000);
    t.Click(R::Save);
    SaveBuffer loaded;
    auto result = loaded.Load(t.game.SaveFilePath());
    ASSERT_TRUE(result.Ok()) << result.Error;
    EXPECT_EQ(result.Contents->Mode, 1);
    EXPECT_EQ(result.Contents->Names[0], "阿鐵");
    EXPECT_EQ(result.Contents->Money[1], 500000);
    EXPECT_EQ(result.Contents->Pictures[0], "picture\\gif\\rt01.gif");
}

} // namespace
} // namespace quorvel
