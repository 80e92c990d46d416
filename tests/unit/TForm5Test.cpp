// The three-seat table where the user banks, where scripts cannot reach: the cards' places
// when two seats split (two rows each, the right-hand seat fanning left), and the paid look at
// the seats' face-down cards, which leaves a bust hand's turned card as it was.
#include "TableFixture.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "tables/three_seat_banker/TForm5.h"
#include "ui/Card.h"

#include "tables/HandCards.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

namespace quorvel {
namespace {

using R = TableRole;

struct Table : testing::TableFixture {
    Table(const std::vector<std::string>& shoe, const std::vector<int>& draws)
        : TableFixture(shoe, draws) {
        auto& state = game.State();
        state.PlayerPick = {"小帥哥", "", 4};
        state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                               TCharacterPick{"美男子", "", 6}};
        state.TableSize = 2;
        state.BankerChoice = 2;
        Open();
    }
    void Click(TableRole role) { app.ClickControl(table().Get(role)); }
    TForm5& table() { return game.Form5(); }
    // Where a card lies [layout px].
    std::pair<int, int> At(int seat, int hand, int slot) {
        const TCard& card = table().Hands().Card(seat, hand, slot);
        return {card.Left(), card.Top()};
    }
};

TEST(TForm5, TwoSplitSeatsLayTheirHandsOnTwoRowsAndTheRightSeatFansLeft) {
    // Seats 1 and 3 hold identical pairs; every seat stands on what it has.
    Table t({"10S", "7H", "10C", "8D", "9S", "7H", "9C", "8D", "10D", "9H", "10H", "9D"},
            {5, 5, 5, 100, 100, 100, 50, 100, 50, 100, 50, 100, 50, 100, 50, 50, 100, 50, 100, 50});
    t.Click(R::Deal);
    ASSERT_TRUE(t.Said("阿鐵分牌！"));
    ASSERT_TRUE(t.Said("美男子分牌！"));
    ASSERT_TRUE(t.Said("現在請小帥哥補牌！"));
    // Seat 1's row is at (20, 330): its main hand 20 px above, its split hand 20 px below.
    EXPECT_EQ(t.At(1, Seat::kMain, 1), std::pair(20, 310));
    EXPECT_EQ(t.At(1, Seat::kMain, 2), std::pair(40, 310));
    EXPECT_EQ(t.At(1, Seat::kSplit, 1), std::pair(20, 350));
    EXPECT_EQ(t.At(1, Seat::kSplit, 2), std::pair(40, 350));
    // Seat 3's row is at (710, 330), its cards going left.
    EXPECT_EQ(t.At(3, Seat::kMain, 1), std::pair(710, 310));
    EXPECT_EQ(t.At(3, Seat::kMain, 2), std::pair(690, 310));
    EXPECT_EQ(t.At(3, Seat::kSplit, 1), std::pair(710, 350));
    EXPECT_EQ(t.At(3, Seat::kSplit, 2), std::pair(690, 350));
    // Seat 2 did not split and keeps its row.
    EXPECT_EQ(t.At(2, Seat::kMain, 2), std::pair(350, 190));
    // The split hand's new card was dealt first.
    EXPECT_EQ(CardCode(t.table().Hands().Record(4).Card(1)), "10D");
    EXPECT_EQ(CardCode(t.table().Hands().Record(1).Card(1)), "9H");
    for (int seat : {1, 3})
        for (int hand : {Seat::kMain, Seat::kSplit}) {
            EXPECT_TRUE(t.table().Hands().Card(seat, hand, 1).Visible());
            EXPECT_FALSE(t.table().Hands().Card(seat, hand, 1).FaceUp());
            EXPECT_TRUE(t.table().Hands().Card(seat, hand, 2).FaceUp());
        }
}

TEST(TForm5, LookShowsTheLiveSeatsCardsAndLeavesTheBustSeatsCardUp) {
    // Seat 2 draws to 12 and busts on a king; seats 1 and 3 stand.
    Table t({"10S", "10H", "10C", "10D", "7S", "7H", "2C", "9D", "KC"},
            {5, 5, 5, 100, 100, 100, 50, 100, 50, 100, 50, 100, 50, 1, 50, 100, 50});
    t.Click(R::Deal);
    ASSERT_TRUE(t.Said("真不幸運！朵朵被炸掉了！"));
    TForm5& table = t.table();
    ASSERT_TRUE(table.Hands().Card(2, Seat::kMain, 1).FaceUp());
    bool seatsShown = false;
    bool bustShown = false;
    // The fee's banner shows for 2000 ms, then the cards for 2000 ms.
    t.app.After(3000, [&] {
        seatsShown = table.Hands().Card(1, Seat::kMain, 1).FaceUp() &&
                     table.Hands().Card(3, Seat::kMain, 1).FaceUp();
        bustShown = table.Hands().Card(2, Seat::kMain, 1).FaceUp();
    });
    t.Click(R::Look);
    ASSERT_TRUE(t.Said("收取服務費兩萬元！"));
    EXPECT_TRUE(seatsShown);
    EXPECT_TRUE(bustShown);
    EXPECT_FALSE(table.Hands().Card(1, Seat::kMain, 1).FaceUp());
    EXPECT_FALSE(table.Hands().Card(3, Seat::kMain, 1).FaceUp());
    EXPECT_TRUE(table.Hands().Card(2, Seat::kMain, 1).FaceUp());
    EXPECT_EQ(table.Hands().Record(0).Money, 480000);
    // The user's turn goes on.
    EXPECT_TRUE(table.Get(R::Hit).Visible());
    EXPECT_TRUE(table.Get(R::Hit).Enabled());
}

} // namespace
} // namespace quorvel
