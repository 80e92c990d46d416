// The player and opponent selection screens and the help screens: hover frozen after a
// choice, the resets of OK, choose again and back, picks in click order, the user's own
// figure, the stage's name tags, picking by the keyboard, the tunes, and help pages that wrap
// and restart.
#include "HeadlessGame.h"

#include "frontend/StageNameTags.h"
#include "frontend/TForm10.h"
#include "frontend/TForm11.h"
#include "frontend/Tselectpepleform1.h"
#include "frontend/Tselectpepleform2.h"
#include "gui/Label.h"
#include "tables/one_seat_challenge/TForm1.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::HeadlessGame;

Control& Plate(HeadlessGame& g, int character) {
    return g.Get("Tselectpepleform1.Image" + std::to_string(character + 1));
}

TEST(PlayerSelection, HoverShowsProfilesUntilAChoiceFreezesIt) {
    HeadlessGame g;
    auto& screen = g.game->PlayerSelection();
    auto& profile = g.Get("Tselectpepleform1.Image13");
    screen.Show();
    EXPECT_EQ(g.trace.back(), "sound sound\\fun01.wav");

    g.app.HoverControl(Plate(g, 3));
    g.app.HoverControl(Plate(g, 5));
    EXPECT_EQ(profile.PicturePath(), "picture\\gif\\js-005.gif");
    EXPECT_EQ(profile.Tag(), 5);
    EXPECT_EQ(Plate(g, 5).PicturePath(), "picture\\gif\\xm-014.gif");
    EXPECT_EQ(Plate(g, 3).PicturePath(), "picture\\gif\\xm-012-.gif");
    g.app.HoverControl(Plate(g, 3));
    EXPECT_EQ(profile.PicturePath(), "picture\\gif\\js-003.gif");

    // The back button is rested by the profile but not by a plate.
    auto& back = g.Get("Tselectpepleform1.Image11");
    g.app.HoverControl(back);
    g.app.HoverControl(Plate(g, 4));
    EXPECT_EQ(back.Tag(), 1);

    g.app.ClickControl(Plate(g, 4));
    EXPECT_TRUE(screen.PlayerChosen());
    EXPECT_EQ(g.game->State().PlayerPick.PickName, "星月");
    EXPECT_EQ(g.game->State().PlayerPick.PickFigure, 5);
    EXPECT_EQ(g.Get("Tselectpepleform1.Image12").PicturePath(), "picture\\gif-\\qd1-01.gif");

    // Frozen: neither plates, profile nor background hover change anything, nor another click.
    g.app.HoverControl(Plate(g, 8));
    g.app.HoverControl(g.Get("Tselectpepleform1.Image1"));
    g.app.ClickControl(Plate(g, 8));
    EXPECT_EQ(profile.Tag(), 4);
    EXPECT_EQ(Plate(g, 4).Tag(), 1);
    EXPECT_EQ(Plate(g, 8).Tag(), 0);
    EXPECT_EQ(g.game->State().PlayerPick.PickFigure, 5);
    EXPECT_EQ(back.Tag(), 1);
    // ...except that the profile still rests the back button.
    g.app.HoverControl(profile);
    EXPECT_EQ(back.Tag(), 0);
    EXPECT_EQ(back.PicturePath(), "picture\\gif-\\fh1-00.gif");
}

TEST(PlayerSelection, ChooseAgainStaysOkGoesOnBackGoesHome) {
    HeadlessGame g;
    auto& screen = g.game->PlayerSelection();
    screen.Show();
    auto& ok = g.Get("Tselectpepleform1.Image12");

    // Without a choice OK and choose again do nothing.
    g.app.ClickControl(ok);
    EXPECT_TRUE(screen.Visible());

    g.app.HoverControl(Plate(g, 2));
    g.app.ClickControl(Plate(g, 2));
    g.app.ClickControl(g.Get("Tselectpepleform1.Image14"));
    EXPECT_FALSE(screen.PlayerChosen());
    EXPECT_TRUE(screen.Visible());
    EXPECT_EQ(Plate(g, 2).Tag(), 0);
    EXPECT_EQ(Plate(g, 2).PicturePath(), "picture\\gif\\xm-011-.gif");
    EXPECT_EQ(ok.PicturePath(), "picture\\gif-\\qd1-00.gif");
    EXPECT_EQ(g.game->State().PlayerPick.PickName, "朵朵"); // kept until another click

    g.app.ClickControl(Plate(g, 9));
    g.app.ClickControl(ok);
    EXPECT_FALSE(screen.Visible());
    EXPECT_TRUE(g.game->SeatCount().Visible());
    EXPECT_EQ(g.game->State().PlayerPick.PickName, "阿墨");
    EXPECT_FALSE(screen.PlayerChosen());
    // The profile shows nobody until a plate is hovered: not the character chosen last time.
    EXPECT_EQ(g.Get("Tselectpepleform1.Image13").PicturePath(), "");

    // Back, even with a choice made, clears it and brings the main menu's other background.
    g.game->SeatCount().Hide();
    screen.Show();
    g.app.ClickControl(Plate(g, 1));
    g.app.ClickControl(g.Get("Tselectpepleform1.Image11"));
    EXPECT_FALSE(screen.PlayerChosen());
    EXPECT_FALSE(screen.Visible());
    EXPECT_TRUE(g.game->MainForm().Visible());
    EXPECT_EQ(g.Get("Tmainform.Image1").PicturePath(), "picture\\jpg\\home100.bmp");
}

struct OpponentScreen : ::testing::Test {
    HeadlessGame g;
    Tselectpepleform2& screen = g.game->OpponentSelection();
    Control& Figure(int character) {
        return g.Get("Tselectpepleform2.Image" + std::to_string(character + 1));
    }
    // The user plays "美男子" (figure 6) and arrives from the seat-count screen.
    void Arrive(int tableSize) {
        g.game->State().PlayerPick = {"美男子", "", 6};
        g.game->SeatCount().Show();
        g.app.ClickControl(g.Get(tableSize == 1 ? "Tentranceform.Image2" : "Tentranceform.Image3"));
    }
};

TEST_F(OpponentScreen, ThreePicksInClickOrderIgnoringRepeatsAndTheUsersOwnFigure) {
    Arrive(2);
    EXPECT_EQ(g.trace.back(), "sound sound\\fun03.wav");
    EXPECT_EQ(Figure(5).PicturePath(), "picture\\gif\\a-005.gif");
    EXPECT_EQ(Figure(5).Tag(), 0);

    for (int character : {5, 3, 3, 1})
        g.app.ClickControl(Figure(character));
    EXPECT_EQ(g.game->State().OpponentCount, 2);
    EXPECT_FALSE(screen.OpponentsComplete());
    EXPECT_FALSE(g.Get("Tselectpepleform2.Image13").Enabled());
    g.app.ClickControl(Figure(9));
    EXPECT_TRUE(screen.OpponentsComplete());
    EXPECT_TRUE(g.Get("Tselectpepleform2.Image13").Enabled());
    EXPECT_EQ(g.Get("Tselectpepleform2.Image13").PicturePath(), "picture\\gif-\\Qd1-01.gif");
    g.app.ClickControl(Figure(2)); // complete: ignored
    EXPECT_EQ(Figure(2).Tag(), 0);
    const auto& picks = g.game->State().OpponentPicks;
    EXPECT_EQ(picks[0].PickName, "小帥哥");
    EXPECT_EQ(picks[1].PickName, "阿鐵");
    EXPECT_EQ(picks[2].PickName, "阿墨");
    EXPECT_EQ(picks[2].PickFigure, 10);

    // Choose again dims the three picks, keeps the user's figure lit and starts over.
    g.app.ClickControl(g.Get("Tselectpepleform2.Image12"));
    EXPECT_EQ(Figure(3).PicturePath(), "picture\\gif\\a-003-.gif");
    EXPECT_EQ(Figure(5).PicturePath(), "picture\\gif\\a-005.gif");
    EXPECT_EQ(g.game->State().OpponentCount, 0);
    EXPECT_FALSE(g.Get("Tselectpepleform2.Image12").Enabled());
    for (int character : {8, 2, 7})
        g.app.ClickControl(Figure(character));
    EXPECT_EQ(picks[0].PickName, "小雨");
    EXPECT_EQ(picks[1].PickName, "朵朵");
    EXPECT_EQ(picks[2].PickName, "莎莉娃");
}

TEST_F(OpponentScreen, BackDimsEverythingAndGoesToTheMainMenu) {
    Arrive(1);
    g.app.HoverControl(g.Get("Tselectpepleform2.Image14"));
    g.app.ClickControl(Figure(7));
    EXPECT_TRUE(screen.OpponentsComplete());
    EXPECT_EQ(g.game->State().OpponentPicks[0].PickName, "莎莉娃");
    g.app.ClickControl(g.Get("Tselectpepleform2.Image14"));
    EXPECT_FALSE(screen.Visible());
    EXPECT_TRUE(g.game->MainForm().Visible());
    EXPECT_EQ(g.Get("Tmainform.Image1").PicturePath(), "picture\\home100.gif");
    EXPECT_EQ(Figure(7).PicturePath(), "picture\\gif\\a-007-.gif");
    EXPECT_EQ(Figure(5).PicturePath(), "picture\\gif\\a-005-.gif");
    EXPECT_FALSE(screen.OpponentsComplete());
    EXPECT_EQ(g.game->State().OpponentCount, 0);
    // The back button comes back rested on the next visit.
    EXPECT_EQ(g.Get("Tselectpepleform2.Image14").PicturePath(), "picture\\gif-\\Fh1-00.gif");
    EXPECT_TRUE(g.Has("sound sound\\1.wav"));
}

TEST_F(OpponentScreen, NameTagsNameTheFigureUnderThePointerAndEveryLitFigure) {
    // Lit figures measure as drawn, so that neighbours' tags meet as they do on the stage.
    g.pictures.catalogSizes = true;
    g.game->State().BankerChoice = 1;
    Arrive(2);
    const auto& tags = screen.NameTags();
    const auto shown = [&](int character) -> std::string {
        const Label& tag = tags.TagOf(character);
        return tag.Visible() ? tag.Caption() : "-";
    };
    EXPECT_EQ(shown(5), "美男子（你）");
    // Under the pointer, and gone when the pointer moves on to the stage or another figure.
    g.app.HoverControl(Figure(1));
    EXPECT_EQ(shown(1), "阿鐵");
    g.app.HoverControl(Figure(3));
    EXPECT_EQ(shown(1), "-");
    EXPECT_EQ(shown(3), "小帥哥");
    g.app.HoverControl(g.Get("Tselectpepleform2.Image1"));
    EXPECT_EQ(shown(3), "-");
    // The picks stay named, the second as the banker of the three-seat table; the user's
    // neighbour's tag keeps clear of the user's.
    for (int character : {6, 1, 9})
        g.app.ClickControl(Figure(character));
    EXPECT_EQ(shown(6), "酷哥（對手）");
    EXPECT_EQ(shown(1), "阿鐵（莊家）");
    EXPECT_EQ(shown(9), "阿墨（對手）");
    EXPECT_EQ(shown(2), "-");
    EXPECT_FALSE(tags.TagOf(5).Bounds().Overlaps(tags.TagOf(6).Bounds()));
    // Choose again takes the picks' tags away, not the user's own.
    g.app.ClickControl(g.Get("Tselectpepleform2.Image12"));
    EXPECT_EQ(shown(1), "-");
    EXPECT_EQ(shown(5), "美男子（你）");
    // The user banks: nobody picked banks.
    g.game->State().BankerChoice = 2;
    g.app.ClickControl(Figure(1));
    g.app.ClickControl(Figure(2));
    EXPECT_EQ(shown(2), "朵朵（對手）");
}

TEST(SelectionKeys, PickingByTheKeyboardGoesOnToOkSoEnterLeadsOn) {
    HeadlessGame g;
    g.game->State().BankerChoice = 1;
    g.game->MainForm().Hide();
    g.game->PlayerSelection().Show();
    g.app.KeyDown({Key::Tab});
    ASSERT_EQ(g.app.KeyFocus(), &Plate(g, 1));
    g.app.KeyDown({Key::Space});
    EXPECT_EQ(g.game->State().PlayerPick.PickName, "阿鐵");
    g.app.KeyDown({Key::Enter});
    ASSERT_TRUE(g.game->SeatCount().Visible());

    g.app.ClickControl(g.Get("Tentranceform.Image2"));
    g.app.KeyDown({Key::Tab});
    const Control* figure = g.app.KeyFocus();
    ASSERT_NE(figure, nullptr);
    g.app.KeyDown({Key::Space});
    ASSERT_TRUE(g.game->OpponentSelection().OpponentsComplete());
    EXPECT_EQ(g.app.KeyFocus(), &g.Get("Tselectpepleform2.Image13"));
    g.app.KeyDown({Key::Enter});
    EXPECT_FALSE(g.game->OpponentSelection().Visible());
    EXPECT_TRUE(g.game->Form1().Visible());
}

TEST(HelpScreens, PagesWrapBothWaysAndEveryOpeningStartsAtPageOne) {
    HeadlessGame g;
    g.game->SeatCount().Show();
    g.app.ClickControl(g.Get("Tentranceform.Image5"));
    auto& help = g.game->Form10();
    auto& page = g.Get("TForm10.Image1");
    EXPECT_TRUE(help.Visible());
    EXPECT_EQ(page.PicturePath(), "picture\\help\\help-01.gif");
    g.app.ClickControl(g.Get("TForm10.Image4")); // previous
    EXPECT_EQ(page.PicturePath(), "picture\\help\\help-06.gif");
    g.app.ClickControl(g.Get("TForm10.Image3")); // next
    EXPECT_EQ(page.PicturePath(), "picture\\help\\help-01.gif");
    g.app.ClickControl(g.Get("TForm10.Image3"));
    g.app.ClickControl(g.Get("TForm10.Image3"));
    EXPECT_EQ(help.HelpPage(), 3);

    // Closing gives the seat-count screen back, which starts its tune again.
    g.trace.clear();
    g.app.ClickControl(g.Get("TForm10.Image2"));
    EXPECT_FALSE(help.Visible());
    EXPECT_EQ(g.app.ActiveScreen(), &g.game->SeatCount());
    EXPECT_TRUE(g.Has("sound sound\\3.wav"));
    g.app.ClickControl(g.Get("Tentranceform.Image5"));
    EXPECT_EQ(page.PicturePath(), "picture\\help\\help-01.gif");
    g.app.ClickControl(g.Get("TForm10.Image2"));

    g.app.ClickControl(g.Get("Tentranceform.Image6"));
    auto& page2 = g.Get("TForm11.Image1");
    EXPECT_EQ(page2.PicturePath(), "picture\\help\\help-10.gif");
    g.app.ClickControl(g.Get("TForm11.Image3")); // previous
    EXPECT_EQ(page2.PicturePath(), "picture\\help\\help-16.gif");
    g.app.ClickControl(g.Get("TForm11.Image2")); // next
    EXPECT_EQ(page2.PicturePath(), "picture\\help\\help-10.gif");
    EXPECT_EQ(g.Get("TForm11.Image4").Left(), 48);
}

} // namespace
} // namespace quorvel
