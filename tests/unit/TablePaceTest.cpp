// The speed choice sets the pace of the whole table: a banner and every pause of the round last
// their designed length at the slow, designed speed and shorter at the faster ones, a whole
// three-seat round says the same at every speed in less time, and the speed in the settings
// paces all four tables.
#include "HeadlessGame.h"
#include "TableFixture.h"
#include "TableGame.h"

#include "tables/RoundLook.h"
#include "tables/TableRoundView.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "tables/three_seat_challenge/TForm8.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quorvel {
namespace {

// The three-seat table's speed button and its choices, fast to slow.
using R = TableRole;

constexpr TableRole kChoices[3] = {R::SpeedFast, R::SpeedMiddle, R::SpeedSlow};

// Draws of one round in which seats 1 and 3 bet 20000, nothing is steered, every seat stands
// and a rich banker of 16 is asked once before its forced card.
const std::vector<int> kPlainRound{5,   5,   50, 100, 100, 100, 100, 50,
                                   100, 100, 50, 100, 100, 100, 100};
// The cards of that round: the banker's 16 busts on its forced card.
const std::vector<std::string> kBankerBusts{"10S", "JH", "QC", "KD", "6S", "8H", "7C", "8D", "10H"};

struct ThreeSeats : testing::TableFixture {
    ThreeSeats() : testing::TableFixture(kBankerBusts, kPlainRound) {
        auto& state = game.State();
        state.PlayerPick = {"小雨", "", 9};
        state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                               TCharacterPick{"美男子", "", 6}};
        state.OpponentCount = 3;
        state.TableSize = 2;
        state.BankerChoice = 1;
        Open();
    }
    // Takes the speed choice [0 fast - 2 slow] as the user does, at the table.
    void ChooseSpeed(int choice) {
        Click(R::Speed);
        Click(kChoices[choice]);
    }
    // How long `step` holds the game [virtual ms].
    std::int64_t Lasts(const std::function<void()>& step) {
        const std::int64_t start = clock.NowMs();
        step();
        return clock.NowMs() - start;
    }
    void Click(TableRole role) { app.ClickControl(table().Get(role)); }
    TForm4& table() { return game.Form4(); }
};

TEST(TablePace, EachSpeedHoldsBannersAndPausesForItsShareOfTheDesignedLength) {
    struct Expected {
        int choice;
        std::int64_t bannerMs, pauseMs, longPauseMs;
    };
    // The slow choice is the designed speed: 2000 ms a banner, 1000 and 2000 ms the pauses.
    const Expected speeds[] = {{2, 2000, 1000, 2000}, {1, 1500, 750, 1500}, {0, 1000, 500, 1000}};
    for (const Expected& e : speeds) {
        SCOPED_TRACE(e.choice);
        ThreeSeats t;
        t.ChooseSpeed(e.choice);
        EXPECT_EQ(t.Lasts([&] { t.table().View().Announce({Say::NewRound, 0}); }), e.bannerMs);
        EXPECT_EQ(t.Lasts([&] { t.table().Wait(Pause::BeforeNextBets); }), e.pauseMs);
        EXPECT_EQ(t.Lasts([&] { t.table().Wait(Pause::BetweenSeatSettlements); }), e.pauseMs);
        EXPECT_EQ(t.Lasts([&] { t.table().Wait(Pause::Look); }), e.longPauseMs);
        // A moment this table does not pause at stays without a pause at every speed.
        EXPECT_EQ(t.Lasts([&] { t.table().Wait(Pause::BeforeDeal); }), 0);
    }
}

TEST(TablePace, AThreeSeatRoundSaysTheSameInLessTimeAtEachFasterSpeed) {
    std::int64_t roundMs[3] = {};
    std::vector<std::string> banners[3];
    for (int choice = 2; choice >= 0; --choice) {
        ThreeSeats t;
        t.ChooseSpeed(choice);
        t.banners.clear();
        // The start of the round to the next round's start, as the user clicks through it.
        roundMs[choice] = t.Lasts([&] {
            t.Click(R::Deal);
            t.Click(R::Chip1000);
            t.Click(R::FinishBets);
            t.Click(R::Stand);
            ASSERT_TRUE(t.table().Engine().RoundOver());
            t.app.ClickControl(t.game.Form8().Image1);
        });
        banners[choice] = t.banners;
        ::testing::Test::RecordProperty("round_ms_at_choice_" + std::to_string(choice),
                                        std::to_string(roundMs[choice]));
    }
    EXPECT_EQ(banners[1], banners[2]);
    EXPECT_EQ(banners[0], banners[2]);
    EXPECT_GT(banners[2].size(), 10u);
    EXPECT_LT(roundMs[1], roundMs[2]);
    EXPECT_LT(roundMs[0], roundMs[1]);
    // The banners and pauses are most of a round, so the fast choice takes about half as long.
    EXPECT_LT(roundMs[0] * 10, roundMs[2] * 6);
}

TEST(TablePace, TheSpeedInTheSettingsPacesEveryTableAndAChoiceAtOneTableAllOfThem) {
    Settings middle;
    middle.cardSpeed = 2;
    testing::TableGame t({}, {}, true, SettingsRead{middle, "", ""});
    Game& g = t.game;
    const auto paces = [&] {
        return std::vector<int>{g.Form1().Look().Pace(), g.Form3().Look().Pace(),
                                g.Form4().Look().Pace(), g.Form5().Look().Pace()};
    };
    EXPECT_EQ(paces(), std::vector<int>(4, 75));
    t.OpenTable();
    t.Click(R::Speed);
    t.Click(R::SpeedSlow); // the designed speed
    EXPECT_EQ(paces(), std::vector<int>(4, 100));
    t.Click(R::Speed);
    t.Click(R::SpeedFast);
    EXPECT_EQ(paces(), std::vector<int>(4, 50));
}

} // namespace
} // namespace quorvel
