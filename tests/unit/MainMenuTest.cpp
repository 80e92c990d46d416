// The main menu and the seat-count screen: hover pictures and tags, the two looks, the banker
// choice, the display rule at start-up and on exit.
#include "HeadlessGame.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::HeadlessGame;

TEST(MainMenu, HoverHighlightsOneStartButtonAndReadsEachPictureOncePerEntry) {
    HeadlessGame g;
    auto& start = g.Get("Tmainform.Image2");
    auto& load = g.Get("Tmainform.Image4");
    g.app.HoverControl(start);
    g.app.HoverControl(start);
    g.app.HoverControl(start);
    EXPECT_EQ(start.PicturePath(), "picture\\gif\\Yxks00-.gif");
    EXPECT_EQ(start.Tag(), 1);
    EXPECT_EQ(g.pictures.loads["picture\\gif\\Yxks00-.gif"], 1);

    // Moving straight to the next button highlights it and rests the first.
    g.app.HoverControl(load);
    EXPECT_EQ(load.PicturePath(), "picture\\gif\\Yxks01-.gif");
    EXPECT_EQ(start.PicturePath(), "picture\\gif\\Yxks00.gif");
    EXPECT_EQ(start.Tag(), 0);

    // The highlight stays until the mouse crosses the background.
    g.app.HoverControl(g.Get("Tmainform.Image1"));
    EXPECT_EQ(load.Tag(), 0);
    EXPECT_EQ(load.PicturePath(), "picture\\gif\\Yxks01.gif");
}

TEST(MainMenu, StartGameShowsOnlyTheBankerChoicesAndTheirTune) {
    HeadlessGame g;
    g.app.ClickControl(g.Get("Tmainform.Image2"));
    for (auto name : {"Image2", "Image3", "Image4", "Image5"})
        EXPECT_FALSE(g.Get(std::string("Tmainform.") + name).Visible()) << name;
    for (auto name : {"Image6", "Image7", "Image8", "Image9"})
        EXPECT_TRUE(g.Get(std::string("Tmainform.") + name).Visible()) << name;
    EXPECT_EQ(g.Get("Tmainform.Image1").PicturePath(), "picture\\jpg\\Wjzz100.bmp");
    EXPECT_EQ(g.trace.back(), "sound sound\\2.wav");
}

TEST(MainMenu, BankerChoicesDoNotRestEachOtherButTheArrowsRestBoth) {
    HeadlessGame g;
    g.app.ClickControl(g.Get("Tmainform.Image2"));
    auto& challenge = g.Get("Tmainform.Image9");
    auto& bank = g.Get("Tmainform.Image8");
    g.app.HoverControl(challenge);
    g.app.HoverControl(bank);
    EXPECT_EQ(challenge.Tag(), 1);
    EXPECT_EQ(bank.Tag(), 1);
    g.app.HoverControl(g.Get("Tmainform.Image7"));
    EXPECT_EQ(challenge.Tag(), 0);
    EXPECT_EQ(bank.Tag(), 0);
    EXPECT_EQ(bank.PicturePath(), "picture\\gif\\Wjzz11.gif");
}

TEST(MainMenu, BankerChoiceLeadsToThePlayerSelection) {
    HeadlessGame g;
    g.app.ClickControl(g.Get("Tmainform.Image2"));
    g.app.ClickControl(g.Get("Tmainform.Image8"));
    EXPECT_EQ(g.game->State().BankerChoice, 2);
    EXPECT_TRUE(g.Has("hide Tmainform"));
    EXPECT_TRUE(g.Has("show Tselectpepleform1"));
}

TEST(MainMenu, DisplayIsSwitchedOnlyWhenNeitherSideFitsAndRestoredOnExit) {
    {
        HeadlessGame g({800, 480});
        EXPECT_EQ(g.display.switches, 0);
    }
    HeadlessGame g({1024, 768});
    EXPECT_EQ(g.display.switches, 1);
    g.app.ClickControl(g.Get("Tmainform.Image5"));
    EXPECT_EQ(g.display.restores, 1);
    EXPECT_EQ(g.display.Current().width, 1024);
    EXPECT_TRUE(g.app.Terminated());
}

TEST(SeatCount, HoverShowsThePlateAndBubbleAndTheBackButtonHidesThePlates) {
    HeadlessGame g;
    g.game->SeatCount().Show();
    auto& help = g.Get("Tentranceform.Image5");
    g.app.HoverControl(help);
    EXPECT_TRUE(g.Get("Tentranceform.Image14").Visible());
    EXPECT_FALSE(g.Get("Tentranceform.Image4").Visible());
    EXPECT_EQ(g.Get("Tentranceform.Image7").Tag(), 4);
    EXPECT_EQ(help.PicturePath(), "picture\\gif\\df1-4.gif");

    g.app.HoverControl(g.Get("Tentranceform.Image8"));
    EXPECT_FALSE(g.Get("Tentranceform.Image14").Visible());
    // The back button does not rest the choices, and the bubble is never reset.
    EXPECT_EQ(help.Tag(), 1);
    EXPECT_EQ(g.Get("Tentranceform.Image7").PicturePath(), "picture\\gif\\df1-22.gif");
}

TEST(SeatCount, BackReturnsToTheMainMenuFirstLook) {
    HeadlessGame g;
    g.app.ClickControl(g.Get("Tmainform.Image2"));
    g.app.ClickControl(g.Get("Tmainform.Image9"));
    g.game->SeatCount().Show();
    g.app.ClickControl(g.Get("Tentranceform.Image8"));
    EXPECT_TRUE(g.game->MainForm().Visible());
    EXPECT_FALSE(g.game->SeatCount().Visible());
    EXPECT_TRUE(g.Get("Tmainform.Image2").Visible());
    EXPECT_EQ(g.Get("Tmainform.Image1").PicturePath(), "picture\\home100.gif");
}

} // namespace
} // namespace quorvel
