// What the four tables show a player, checked the same way at each: the status line drawn clear
// of the wooden rail, the speed choice marking the speed in use, the bonus-table button's tip,
// the swap panel drawn in the table's art instead of the old grey box, the swap panel and the
// chips at their places clear of the chest and of the money row, the chest's services as
// targets large enough to hit, and the three-seat result's amounts clear of its hands.
#include "HeadlessGame.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "gui/Label.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/TextRenderer.h"
#include "tables/CardMotion.h"
#include "tables/TableScreen.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_banker/TForm9.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "tables/three_seat_challenge/TForm8.h"
#include "ui/AssetCatalog.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

using R = TableRole;

// A table by what the checks need of it: its mode and the labels of its status line.
struct TableFacts {
    TableMode mode;
    std::vector<TableRole> statusLine;
};

const TableFacts kTables[] = {
    {TableMode::OneSeatChallenge, {R::Seat1Name, R::Seat1NameToBet, R::Seat1Money, R::Seat1Bet}},
    {TableMode::OneSeatBanker, {R::BankerName, R::BankerMoney}},
    {TableMode::ThreeSeatChallenge, {R::Seat2NameToBet, R::Seat2Bet, R::Seat2Name, R::Seat2Money}},
    {TableMode::ThreeSeatBanker, {R::BankerName, R::BankerMoney}},
};

struct Table {
    // With `catalogSizes`, the pictures measure as the game's own do.
    explicit Table(const TableFacts& facts, bool catalogSizes = false)
        : facts(facts), pictures(Pictures(catalogSizes)) {
        game.Start();
        const bool threeSeats =
            facts.mode == TableMode::ThreeSeatChallenge || facts.mode == TableMode::ThreeSeatBanker;
        const bool userBanks =
            facts.mode == TableMode::OneSeatBanker || facts.mode == TableMode::ThreeSeatBanker;
        auto& state = game.State();
        state.PlayerPick = {"小帥哥", "", 4};
        state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                               TCharacterPick{"美男子", "", 6}};
        state.OpponentCount = threeSeats ? 3 : 1;
        state.TableSize = threeSeats ? 2 : 1;
        state.BankerChoice = userBanks ? 2 : 1;
        OpenNewTable(game);
    }
    TableScreen& table() {
        for (TableScreen* t : std::initializer_list<TableScreen*>{&game.Form1(), &game.Form3(),
                                                                  &game.Form4(), &game.Form5()})
            if (t->Design().Mode == facts.mode)
                return *t;
        throw std::logic_error("no table");
    }
    Control& Get(TableRole role) { return table().Get(role); }
    void Click(TableRole role) { app.ClickControl(Get(role)); }
    static testing::CountingPictures Pictures(bool catalogSizes) {
        testing::CountingPictures p;
        p.catalogSizes = catalogSizes;
        return p;
    }

    const TableFacts& facts;
    VirtualClock clock;
    testing::CountingPictures pictures;
    SilentSound sound;
    RecordingDisplay display;
    SeededRandom random{1};
    App app{clock, pictures, sound, display};
    testing::TestFolder folder;
    Game game{app, random, folder.Path()};
};

TEST(TableLook, StatusLineIsDrawnClearOfTheRail) {
    TextRenderer text;
    for (const TableFacts& facts : kTables) {
        SCOPED_TRACE(ModeCode(facts.mode));
        Table t(facts);
        ASSERT_TRUE(t.table().Visible());
        for (TableRole role : facts.statusLine)
            ASSERT_FALSE(t.Get(role).Text().empty()) << RoleName(role);
        const Picture shown = RenderScreens(t.app, text);
        for (TableRole role : facts.statusLine)
            t.Get(role).Hide();
        const Picture hidden = RenderScreens(t.app, text);
        // The labels leave their ink on the table above the rail, and none on its rows.
        int above = 0, onRail = 0;
        for (int y = 0; y < shown.height; ++y)
            for (int x = 0; x < shown.width; ++x)
                if (shown.At(x, y) != hidden.At(x, y))
                    ++(y < AssetCatalog::kRailTop ? above : onRail);
        EXPECT_GT(above, 0);
        EXPECT_EQ(onRail, 0);
    }
}

TEST(TableLook, SpeedChoiceMarksTheSpeedInUse) {
    const auto marked = [](Control& choice) {
        return choice.PicturePath().find("-on.gif") != std::string::npos;
    };
    for (const TableFacts& facts : kTables) {
        SCOPED_TRACE(ModeCode(facts.mode));
        Table t(facts);
        const TableRole speeds[] = {R::SpeedFast, R::SpeedMiddle, R::SpeedSlow};
        const auto expectMarked = [&](std::size_t inUse) {
            t.Click(R::Speed);
            for (std::size_t i = 0; i < 3; ++i) {
                Control& choice = t.Get(speeds[i]);
                EXPECT_TRUE(choice.Visible()) << i;
                EXPECT_EQ(marked(choice), i == inUse) << i;
            }
        };
        // The slow speed is in use at first.
        expectMarked(2);
        t.Click(R::SpeedFast);
        EXPECT_FALSE(t.Get(R::SpeedFast).Visible());
        EXPECT_EQ(t.table().Motion().FlightSpeed(), CardMotion::kFlightSpeeds[0]);
        expectMarked(0);
        // A speed set otherwise is the one marked when the choices show again.
        t.Click(R::SpeedFast);
        t.table().Motion().SetFlightSpeed(CardMotion::kFlightSpeeds[1]);
        expectMarked(1);
    }
}

TEST(TableLook, BonusTableButtonSaysToHoldItWhileThePointerIsOverIt) {
    // The clicks that bet, after which the button shows, at each table where the user bets.
    struct BonusFacts {
        const TableFacts& table;
        std::vector<TableRole> toBet;
        TableRole deal; // the click that ends the betting
    };
    const BonusFacts bonus[] = {
        {kTables[0], {R::Chip1000}, R::Deal},
        {kTables[2], {R::Deal, R::Chip1000}, R::FinishBets},
    };
    for (const BonusFacts& b : bonus) {
        SCOPED_TRACE(ModeCode(b.table.mode));
        Table t(b.table);
        for (TableRole click : b.toBet)
            t.Click(click);
        Control& button = t.Get(R::BonusTable);
        Control& tip = t.Get(R::BonusTip);
        ASSERT_TRUE(button.Visible());
        EXPECT_FALSE(tip.Visible());
        EXPECT_EQ(tip.PicturePath(), "picture\\design\\tip4.gif");
        t.app.HoverControl(button);
        EXPECT_TRUE(tip.Visible());
        t.app.HoverControl(t.Get(R::Background));
        EXPECT_FALSE(tip.Visible());
        // Held down, the bonus table shows as before; the tip goes with the button.
        const Rect r = button.ScreenRect();
        const Point middle{r.x + r.w / 2, r.y + r.h / 2};
        t.app.MouseMove(middle);
        t.app.MouseDown(MouseButton::Left, middle);
        EXPECT_TRUE(t.Get(R::BonusPicture).Visible());
        t.app.MouseUp(MouseButton::Left, middle);
        EXPECT_FALSE(t.Get(R::BonusPicture).Visible());
        t.Click(b.deal);
        EXPECT_FALSE(button.Visible());
        EXPECT_FALSE(tip.Visible());
    }
}

TEST(TableLook, SwapPanelIsDrawnInTheTablesArt) {
    // The old desktop face of panels and buttons, which none of the panel's parts may show.
    constexpr std::uint32_t kOldFace = 0xFFD4D0C8u;
    TextRenderer text;
    for (const TableFacts& facts : kTables) {
        SCOPED_TRACE(ModeCode(facts.mode));
        Table t(facts);
        std::vector<TableRole> swapControls = {R::SwapPanel, R::SwapOk};
        if (t.table().Has(R::SwapTarget))
            swapControls.push_back(R::SwapTarget);
        for (TableRole role : swapControls)
            t.Get(role).Show();
        const Picture frame = RenderScreens(t.app, text);
        for (TableRole role : swapControls) {
            const Rect r = t.Get(role).ScreenRect();
            int oldFace = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    oldFace += frame.At(x, y) == kOldFace;
            EXPECT_EQ(oldFace, 0) << RoleName(role);
        }
    }
}

TEST(TableLook, SwapPanelAndChipsStandClearOfTheChestAndTheMoneyRow) {
    const std::pair<std::vector<TableRole>, std::vector<TableRole>> kApart[] = {
        {{R::SwapPanel, R::SwapTarget}, {R::Chest, R::Look, R::Swap, R::CloseServices}},
        {{R::Chip1000, R::Chip5000, R::Chip10000},
         {R::Seat1Name, R::Seat1Money, R::Seat2Name, R::Seat2Money}},
    };
    for (const TableFacts& facts : kTables) {
        SCOPED_TRACE(ModeCode(facts.mode));
        Table t(facts, true);
        for (const auto& [these, those] : kApart)
            for (TableRole one : these)
                for (TableRole other : those) {
                    if (!t.table().Has(one) || !t.table().Has(other))
                        continue;
                    EXPECT_FALSE(t.Get(one).ScreenRect().Overlaps(t.Get(other).ScreenRect()))
                        << RoleName(one) << " over " << RoleName(other);
                }
    }
}

TEST(TableLook, ChestServicesAreTargetsOfAtLeast32PxClearOfEachOtherAndOfTheirTips) {
    constexpr int kTarget = 32;
    const TableRole services[] = {R::Look, R::Swap, R::CloseServices};
    const TableRole tips[] = {R::LookTip, R::SwapTip, R::CloseTip};
    for (const TableFacts& facts : kTables) {
        SCOPED_TRACE(ModeCode(facts.mode));
        Table t(facts, true);
        for (TableRole service : services) {
            const Rect r = t.Get(service).ScreenRect();
            EXPECT_GE(r.w, kTarget) << RoleName(service);
            EXPECT_GE(r.h, kTarget) << RoleName(service);
            for (TableRole other : services) {
                if (other == service)
                    continue;
                EXPECT_FALSE(r.Overlaps(t.Get(other).ScreenRect())) << RoleName(service);
            }
            for (TableRole tip : tips)
                EXPECT_FALSE(r.Overlaps(t.Get(tip).ScreenRect())) << RoleName(tip);
        }
    }
}

TEST(TableLook, ASixDigitAmountKeepsClearOfTheHandsInTheThreeSeatResult) {
    constexpr int kFrame = 12; // [px] the dialog's frame at its right edge
    TextRenderer text;
    Table t(kTables[2]);
    for (ResultDialog* dialogAt :
         std::initializer_list<ResultDialog*>{&t.game.Form8(), &t.game.Form9()}) {
        ResultDialog& dialog = *dialogAt;
        SCOPED_TRACE(dialog.Name());
        std::vector<ResultLine> lines = {{"莊家", "莎莉娃", -999999, {"牌值： 0 點(被炸) "}, 0}};
        for (const char* title : {"玩家1", "玩家2", "玩家3"})
            lines.push_back(
                {title, "美男子", 999999, {"第1手牌： 0 點(被炸) ", "第2手牌： 21 點 "}, 0});
        dialog.ShowRound(lines, 1);
        const auto right = [&](const Label& l) {
            return l.Bounds().x +
                   text.Width(l.Caption(), l.Font().sizePx, l.Font().bold, l.Font().face);
        };
        for (const ResultDialog::SideLines& side : ResultDialog::kSeatsResultSides) {
            const Label& money = dialog.Line(side.Money);
            const Label& hand = dialog.Line(side.Hand);
            EXPECT_LT(right(money) + 4, hand.Bounds().x)
                << money.Caption() << " ends at " << right(money);
            EXPECT_LE(right(hand), dialog.Bounds().w - kFrame)
                << hand.Caption() << " ends at " << right(hand);
            if (side.SecondHand == 0)
                continue;
            EXPECT_LE(right(dialog.Line(side.SecondHand)), dialog.Bounds().w - kFrame)
                << "second hand";
        }
    }
}

} // namespace
} // namespace quorvel
