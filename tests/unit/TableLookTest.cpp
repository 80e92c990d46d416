// What the four tables show a player, checked the same way at each: the status line drawn clear
// of the wooden rail, the speed choice marking the speed in use, the bonus-table button's tip,
// and the swap panel drawn in the table's art instead of the old grey box.
#include "HeadlessGame.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "gui/Label.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/TextRenderer.h"
#include "tables/TableScreen.h"
#include "ui/AssetCatalog.h"

#include <gtest/gtest.h>

#include <vector>

namespace quorvel {
namespace {

// A table by what the checks need of it: its mode, its status-line labels, its speed button
// and choices (fast, middle, slow), its swap panel and the panel's buttons.
struct TableFacts {
    int mode;
    const char* screen;
    std::vector<const char*> statusLine;
    const char* speedButton;
    std::array<const char*, 3> speeds;
    std::vector<const char*> swapControls; // the panel first
};

const TableFacts kTables[] = {
    {1,
     "TForm1",
     {"Label4", "Label5", "Label23", "Label24"},
     "Image6",
     {"Image7", "Image8", "Image9"},
     {"Panel3", "BitBtn15", "BitBtn17"}},
    {2,
     "TForm3",
     {"Label11", "Label3"},
     "Image5",
     {"Image6", "Image7", "Image8"},
     {"Panel3", "BitBtn9"}},
    {3,
     "TForm4",
     {"Label20", "Label7", "Label18", "Label3"},
     "Image5",
     {"Image6", "Image7", "Image8"},
     {"Panel3", "BitBtn16", "BitBtn17"}},
    {4,
     "TForm5",
     {"Label18", "Label2"},
     "Image5",
     {"Image6", "Image7", "Image8"},
     {"Panel3", "BitBtn9"}},
};

struct Table {
    explicit Table(const TableFacts& facts) : facts(facts) {
        game.Start();
        auto& state = game.State();
        state.PlayerPick = {"小帥哥", "", 4};
        state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                               TCharacterPick{"美男子", "", 6}};
        state.OpponentCount = facts.mode >= 3 ? 3 : 1;
        state.TableSize = facts.mode >= 3 ? 2 : 1;
        state.BankerChoice = facts.mode % 2 == 1 ? 1 : 2;
        OpenNewTable(game);
    }
    Control& Get(const std::string& name) {
        return *app.FindControl(std::string(facts.screen) + "." + name);
    }
    void Click(const std::string& name) { app.ClickControl(Get(name)); }
    TableScreen& table() { return static_cast<TableScreen&>(*app.FindScreen(facts.screen)); }

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
        SCOPED_TRACE(facts.screen);
        Table t(facts);
        ASSERT_TRUE(t.table().Visible());
        for (const char* name : facts.statusLine)
            ASSERT_FALSE(t.Get(name).Text().empty()) << name;
        const Picture shown = RenderScreens(t.app, text);
        for (const char* name : facts.statusLine)
            t.Get(name).Hide();
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
        SCOPED_TRACE(facts.screen);
        Table t(facts);
        const auto expectMarked = [&](std::size_t inUse) {
            t.Click(facts.speedButton);
            for (std::size_t i = 0; i < 3; ++i) {
                Control& choice = t.Get(facts.speeds[i]);
                EXPECT_TRUE(choice.Visible()) << facts.speeds[i];
                EXPECT_EQ(marked(choice), i == inUse) << facts.speeds[i];
            }
        };
        // The slow speed is in use at first.
        expectMarked(2);
        t.Click(facts.speeds[0]);
        EXPECT_FALSE(t.Get(facts.speeds[0]).Visible());
        EXPECT_EQ(t.table().FlightSpeed(), TableScreen::kFlightSpeeds[0]);
        expectMarked(0);
        // A speed set otherwise is the one marked when the choices show again.
        t.Click(facts.speeds[0]);
        t.table().SetFlightSpeed(TableScreen::kFlightSpeeds[1]);
        expectMarked(1);
    }
}

TEST(TableLook, BonusTableButtonSaysToHoldItWhileThePointerIsOverIt) {
    struct BonusFacts {
        const TableFacts& table;
        std::vector<const char*> toBet; // the clicks that bet, after which the button shows
        const char* button;
        const char* picture;
        const char* deal; // the click that ends the betting
    };
    const BonusFacts bonus[] = {
        {kTables[0], {"Image25"}, "Image37", "Image38", "Image11"},
        {kTables[2], {"image9", "Image17"}, "Image40", "Image41", "Image20"},
    };
    for (const BonusFacts& b : bonus) {
        SCOPED_TRACE(b.table.screen);
        Table t(b.table);
        for (const char* click : b.toBet)
            t.Click(click);
        Control& button = t.Get(b.button);
        Control& tip = t.Get("BonusTip");
        ASSERT_TRUE(button.Visible());
        EXPECT_FALSE(tip.Visible());
        EXPECT_EQ(tip.PicturePath(), "picture\\design\\tip4.gif");
        t.app.HoverControl(button);
        EXPECT_TRUE(tip.Visible());
        t.app.HoverControl(t.Get("Image1"));
        EXPECT_FALSE(tip.Visible());
        // Held down, the bonus table shows as before; the tip goes with the button.
        const Rect r = button.ScreenRect();
        const Point middle{r.x + r.w / 2, r.y + r.h / 2};
        t.app.MouseMove(middle);
        t.app.MouseDown(MouseButton::Left, middle);
        EXPECT_TRUE(t.Get(b.picture).Visible());
        t.app.MouseUp(MouseButton::Left, middle);
        EXPECT_FALSE(t.Get(b.picture).Visible());
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
        SCOPED_TRACE(facts.screen);
        Table t(facts);
        for (const char* name : facts.swapControls)
            t.Get(name).Show();
        const Picture frame = RenderScreens(t.app, text);
        for (const char* name : facts.swapControls) {
            const Rect r = t.Get(name).ScreenRect();
            int oldFace = 0;
            for (int y = r.y; y < r.y + r.h; ++y)
                for (int x = r.x; x < r.x + r.w; ++x)
                    oldFace += frame.At(x, y) == kOldFace;
            EXPECT_EQ(oldFace, 0) << name;
        }
    }
}

} // namespace
} // namespace quorvel
