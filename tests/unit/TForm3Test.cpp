// The one-on-one table where the user banks, where scripts cannot reach: the deal's and the swap
// OK's sound, the peek at the user's own face-down card, the split's cards at their places and
// the order they are turned up in, a save during the split hand's bonus banner, and the result
// dialog's click while a broke user leaves the table.
#include "TableFixture.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_banker/TForm7.h"
#include "ui/Card.h"

#include "tables/HandCards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace quorvel {
namespace {

using R = TableRole;

struct Table : testing::TableFixture {
    Table(const std::vector<std::string>& shoe, const std::vector<int>& draws)
        : TableFixture(shoe, draws) {
        auto& state = game.State();
        state.PlayerPick = {"小帥哥", "", 4};
        state.OpponentPicks[0] = {"阿鐵", "", 2};
        state.TableSize = 1;
        state.BankerChoice = 2;
        Open();
    }
    void Click(TableRole role) { app.ClickControl(table().Get(role)); }
    TForm3& table() { return game.Form3(); }
};

// The opening bet (20000), the pair chance, and the computer's steering and one answer.
const std::vector<int> kStandingRound = {5, 100, 50, 100, 50, 100};

TEST(TForm3, PeekShowsTheUsersOwnCardForASecondHoldsTheButtonsAndCountsNothing) {
    Table t({"10S", "9H", "6S", "8C"}, kStandingRound);
    t.Click(R::Deal);
    const TCardCounts before = t.table().Engine().Shoe().Unseen;
    TCard& hole = t.table().Hands().Card(0, Seat::kMain, 1);
    bool faceUp = false;
    bool hitEnabled = true;
    t.app.After(500, [&] {
        faceUp = hole.FaceUp();
        hitEnabled = t.table().Get(R::Hit).Enabled();
    });
    t.app.ClickControl(hole);
    EXPECT_TRUE(faceUp);
    EXPECT_FALSE(hitEnabled);
    EXPECT_FALSE(hole.FaceUp());
    EXPECT_TRUE(t.table().Get(R::Hit).Enabled());
    for (int row = 1; row <= 4; ++row)
        for (int rank = 0; rank < 13; ++rank)
            EXPECT_EQ(t.table().Engine().Shoe().Unseen.Count(row, TCardValue(rank)),
                      before.Count(row, TCardValue(rank)));
}

TEST(TForm3, TheDealAndTheSwapOkSoundAsTheBannerDoes) {
    Table t({"10S", "9H", "6S", "8C"}, kStandingRound);
    std::vector<std::string> sounds;
    t.app.GetTrace().SetListener([&sounds](TraceKind kind, std::string_view what) {
        if (kind == TraceKind::Sound)
            sounds.emplace_back(what);
    });
    // Each press's own sound is the first it makes; banners follow the deal.
    const auto firstSoundOf = [&](TableRole role) {
        sounds.clear();
        t.Click(role);
        return sounds.empty() ? std::string() : sounds.front();
    };
    EXPECT_EQ(firstSoundOf(R::Deal), "sound\\enter_2.wav");
    EXPECT_EQ(firstSoundOf(R::SwapOk), "sound\\enter_2.wav");
    EXPECT_EQ(firstSoundOf(R::Hit), "sound\\button.wav");
}

TEST(TForm3, SplitLeavesEachCardAtItsPlace) {
    // The pair 7H 7H splits: the split hand's new card, then the main hand's.
    Table t({"10S", "7H", "7S", "7H", "10D", "9C"}, {5, 100, 50, 100, 50, 100, 50, 100});
    t.Click(R::Deal);
    ASSERT_TRUE(t.Said("阿鐵分牌！"));
    TForm3& table = t.table();
    const TCard& mainFirst = table.Hands().Card(1, Seat::kMain, 1);
    const TCard& mainSecond = table.Hands().Card(1, Seat::kMain, 2);
    const TCard& splitFirst = table.Hands().Card(1, Seat::kSplit, 1);
    const TCard& splitSecond = table.Hands().Card(1, Seat::kSplit, 2);
    // The computer's first card lies at (W div 2 - 80, H div 2 - 80); each further card 20 px
    // right; the split hand 200 px right of the main hand.
    EXPECT_EQ(mainFirst.Left(), 320);
    EXPECT_EQ(mainFirst.Top(), 220);
    EXPECT_EQ(mainSecond.Left(), 340);
    EXPECT_EQ(splitFirst.Left(), 520);
    EXPECT_EQ(splitSecond.Left(), 540);
    EXPECT_EQ(splitSecond.Top(), 220);
    for (const TCard* card : {&mainFirst, &mainSecond, &splitFirst, &splitSecond})
        EXPECT_TRUE(card->Visible());
    EXPECT_FALSE(mainFirst.FaceUp());
    EXPECT_TRUE(mainSecond.FaceUp());
    EXPECT_FALSE(splitFirst.FaceUp());
    EXPECT_TRUE(splitSecond.FaceUp());
    EXPECT_EQ(CardCode(table.Hands().Record(1).Card(1)), "9C");
    EXPECT_EQ(CardCode(table.Hands().Record(2).Card(1)), "10D");
}

TEST(TForm3, ComputersSplitHandsAreTurnedUpMainHandFirstASecondApart) {
    // The pair 7H 7H splits; the user stands on 17 and the computer's hands are turned up.
    Table t({"10S", "7H", "7S", "7H", "10D", "9C"}, {5, 100, 50, 100, 50, 100, 50, 100});
    t.Click(R::Deal);
    TForm3& table = t.table();
    const TCard& mainHole = table.Hands().Card(1, Seat::kMain, 1);
    const TCard& splitHole = table.Hands().Card(1, Seat::kSplit, 1);
    bool mainUp = false;
    bool splitUp = true;
    t.app.After(500, [&] {
        mainUp = mainHole.FaceUp();
        splitUp = splitHole.FaceUp();
    });
    t.Click(R::Stand);
    EXPECT_TRUE(mainUp);
    EXPECT_FALSE(splitUp);
    EXPECT_TRUE(splitHole.FaceUp());
}

TEST(TForm3, SaveDuringTheSplitHandsBonusBannerCountsTheBonusOnce) {
    // Aces split: the main hand makes 20 and wins, the split hand a two-card 21 that wins
    // and earns a bonus of one bet.
    Table t({"10S", "AH", "7S", "AH", "KD", "9C"}, {5, 100, 50, 100, 50, 50});
    std::int32_t saved = 0;
    t.onBanner = [&](const std::string& text) {
        if (text != "恭喜阿鐵獲得額外獎金20000元")
            return;
        t.table().Act(Action::Of(ActionKind::Save));
        SaveBuffer loaded;
        const auto result = loaded.Load(t.game.SaveFilePath());
        if (result.Ok())
            saved = result.Contents->Money[1];
    };
    t.Click(R::Deal);
    t.Click(R::Stand);
    ASSERT_TRUE(t.Said("恭喜阿鐵獲得額外獎金20000元"));
    // 460000 after both stakes, 40000 for the won main hand, the 20000 bonus, and the split
    // hand's stake still on the table.
    EXPECT_EQ(saved, 540000);
    EXPECT_EQ(t.table().Hands().Record(1).Money, 560000);
}

TEST(TForm3, DialogClickWhileABrokeUserLeavesStartsNothing) {
    // 18 against the computer's 19 leaves the user-banker with 1000: the game ends.
    Table t({"10S", "9H", "6S", "KH", "2C"}, {5, 100, 50, 100, 50});
    testing::AdjustTable(t.table(), [](TableRecord& r) { r.Seats[0].Money = 21000; });
    t.Click(R::Deal);
    t.Click(R::Hit);
    t.app.After(500, [&] { t.app.ClickControl(t.game.Form7().Image1); });
    t.Click(R::Stand);
    ASSERT_TRUE(t.Said("下次多帶點錢來玩吧！"));
    EXPECT_EQ(std::count(t.banners.begin(), t.banners.end(), "請阿鐵下注！"), 1);
    EXPECT_FALSE(t.table().Visible());
    EXPECT_FALSE(t.game.Form7().Visible());
}

} // namespace
} // namespace quorvel
