// Opening a table for a new game, resuming a saved one and going back to the main menu: who
// sits where, what each table shows, saves the loader rejects, missing pictures, and every
// seat of every table back at the starting money.
#include "HeadlessGame.h"

#include "app/TableOpening.h"
#include "frontend/Tselectpepleform1.h"
#include "frontend/Tselectpepleform2.h"
#include "gui/Label.h"
#include "tables/HandCards.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "ui/Card.h"

#include <gtest/gtest.h>

#include <fstream>

namespace quorvel {
namespace {

using testing::HeadlessGame;

struct Opening : ::testing::Test {
    HeadlessGame g;
    FrontEndState& state = g.game->State();

    std::string Text(const std::string& control) { return g.Get(control).Text(); }
    std::string Picture(const std::string& control) { return g.Get(control).PicturePath(); }
    // Picks through the real screens: player, seat count, then opponents in click order.
    void NewGame(int bankerChoice, int player, int tableSize, std::vector<int> opponents) {
        state.BankerChoice = bankerChoice;
        auto& players = g.game->PlayerSelection();
        players.Show();
        g.app.ClickControl(g.Get("Tselectpepleform1.Image" + std::to_string(player + 1)));
        g.app.ClickControl(g.Get("Tselectpepleform1.Image12"));
        g.app.ClickControl(g.Get(tableSize == 1 ? "Tentranceform.Image2" : "Tentranceform.Image3"));
        for (int character : opponents)
            g.app.ClickControl(g.Get("Tselectpepleform2.Image" + std::to_string(character + 1)));
        g.app.ClickControl(g.Get("Tselectpepleform2.Image13"));
    }
    void WriteSave(const SaveContents& contents) {
        SaveBuffer buffer;
        ASSERT_EQ(buffer.Save(contents, g.game->SaveFilePath()), "");
    }
    void WriteBytes(const std::string& bytes) {
        std::ofstream(g.game->SaveFilePath(), std::ios::binary) << bytes;
    }
};

TEST_F(Opening, PicksInClickOrderDecideTheSeatsOfTheThreeSeatTable) {
    // The user plays "星月"; opponents picked "小帥哥", "阿鐵", "阿墨" in that order.
    NewGame(1, 4, 2, {3, 1, 9});
    auto& table = g.game->Form4();
    EXPECT_TRUE(table.Visible());
    EXPECT_EQ(table.Hands().Record(0).Name, "阿鐵");   // second pick banks
    EXPECT_EQ(table.Hands().Record(1).Name, "阿墨");   // third pick sits right
    EXPECT_EQ(table.Hands().Record(2).Name, "星月");   // the user, bottom centre
    EXPECT_EQ(table.Hands().Record(3).Name, "小帥哥"); // first pick sits left
    EXPECT_EQ(Picture("TForm4.Seat3Portrait"), "picture\\gif\\ch_1121.gif");
    EXPECT_EQ(Picture("TForm4.BankerPortrait"), "picture\\gif\\ch_1101.gif");
    EXPECT_EQ(Picture("TForm4.Seat1Portrait"), "picture\\gif\\ch_1181.gif");
    EXPECT_EQ(Text("TForm4.Seat2Name"), "星月");
    EXPECT_EQ(Text("TForm4.Seat1NameToBet"), "阿墨下注： ");
    EXPECT_EQ(Text("TForm4.Seat3NameToBet"), "小帥哥下注： ");
    EXPECT_EQ(table.Cast().User.PickName, "星月");
    EXPECT_EQ(table.Cast().User.PickPicture, "");
    EXPECT_EQ(table.Cast().Opponents[1].PickFigure, 2);
    EXPECT_EQ(table.Cast().Background.rfind("picture\\gif\\zm00", 0), 0u);
    EXPECT_EQ(Picture("TForm4.Background"), table.Cast().Background);
    EXPECT_EQ(Picture("TForm4.Logo"), "picture\\gif\\logo-.gif");
    EXPECT_TRUE(g.Has("banner 大家都準備好了，請開局吧！"));
    EXPECT_TRUE(g.Get("TForm4.Deal").Visible());
    EXPECT_FALSE(g.Get("TForm4.Back").Visible());
    // Every figure is dim again, the user's own and the three taken.
    for (int figure : {4, 2, 10, 5})
        EXPECT_EQ(Picture("Tselectpepleform2.Image" + std::to_string(figure)),
                  "picture\\gif\\a-00" + std::to_string(figure - 1) + "-.gif");
    EXPECT_FALSE(g.game->OpponentSelection().Visible());
}

TEST_F(Opening, OneSeatTablesForBothBankerChoices) {
    NewGame(1, 2, 1, {6});
    auto& form1 = g.game->Form1();
    EXPECT_TRUE(form1.Visible());
    EXPECT_EQ(form1.Hands().Record(0).Name, "酷哥");
    EXPECT_EQ(form1.Hands().Record(1).Name, "朵朵");
    EXPECT_EQ(Picture("TForm1.BankerPortrait"), "picture\\gif\\rt06.gif");
    EXPECT_EQ(Text("TForm1.Seat1Name"), "朵朵");
    EXPECT_EQ(Text("TForm1.Seat1NameToBet"), "朵朵下注： ");
    EXPECT_EQ(form1.Cast().Background.rfind("picture\\gif\\ydy0", 0), 0u);
    EXPECT_TRUE(g.Has("banner 請朵朵下注！"));
    for (auto chip : {"TForm1.Chip1000", "TForm1.Chip5000", "TForm1.Chip10000"})
        EXPECT_TRUE(g.Get(chip).Visible()) << chip;
    EXPECT_FALSE(g.Get("TForm1.Back").Visible());

    ReturnToMainMenu(*g.game, form1);
    g.trace.clear();
    NewGame(2, 2, 1, {6});
    auto& form3 = g.game->Form3();
    EXPECT_TRUE(form3.Visible());
    EXPECT_EQ(form3.Hands().Record(0).Name, "朵朵");
    EXPECT_EQ(form3.Hands().Record(1).Name, "酷哥");
    EXPECT_EQ(Picture("TForm3.Seat1Portrait"), "picture\\gif\\rt06.gif");
    EXPECT_EQ(Text("TForm3.Seat1NameToBet"), "酷哥下注： ");
    EXPECT_EQ(Text("TForm3.BankerName"), "朵朵");
    EXPECT_EQ(form3.Cast().Background.rfind("picture\\gif\\ydy0", 0), 0u);
    // The computer bets at once and announces it before the user is asked to deal.
    const auto bet = std::to_string(form3.Hands().Record(1).Bet);
    std::vector<std::string> banners;
    for (const auto& line : g.trace)
        if (line.rfind("banner ", 0) == 0)
            banners.push_back(line.substr(7));
    EXPECT_EQ(banners,
              (std::vector<std::string>{"請酷哥下注！", "酷哥壓" + bet + "圓", "請朵朵發牌！"}));
    EXPECT_EQ(Text("TForm3.Seat1Bet"), bet);
    EXPECT_EQ(Text("TForm3.Seat1Money"), std::to_string(form3.Hands().Record(1).Money));
    EXPECT_TRUE(g.Get("TForm3.Deal").Visible());
}

TEST_F(Opening, AMissingPictureIsReportedAndTheTableStillOpens) {
    g.pictures.missing = {"picture\\gif\\ch_1121.gif", "picture\\gif\\logo-.gif"};
    NewGame(2, 1, 2, {3, 5, 6});
    EXPECT_TRUE(g.game->Form5().Visible());
    EXPECT_TRUE(g.Has("error missing picture\\gif\\ch_1121.gif"));
    EXPECT_TRUE(g.Get("TForm5.Deal").Visible());
    EXPECT_EQ(g.game->Form5().Hands().Record(2).Name, "美男子");
}

TEST_F(Opening, ResumingModeThreePutsThePicturesInTheirPlacesAndChangesNoFrontEndState) {
    state.BankerChoice = 2;
    state.TableSize = 1;
    state.PlayerPick = {"小雨", "", 9};
    state.OpponentPicks[0] = {"阿墨", "", 10};
    const FrontEndState before = state;
    const TCharacterPick userPick = g.game->Form4().Cast().User;

    SaveContents save;
    save.Mode = 3;
    save.Names = {"酷哥", "朵朵", "本家", "星月"};
    save.Money = {610000, 420000, 300000, 90000};
    save.Pictures = {"picture\\gif\\ch_1151.gif", "picture\\gif\\ch_1111.gif", "",
                     "picture\\gif\\ch_1131.gif"};
    save.Background = "picture\\gif\\zm003.gif";
    WriteSave(save);
    g.app.ClickControl(g.Get("Tmainform.Image4"));

    auto& table = g.game->Form4();
    EXPECT_FALSE(g.game->MainForm().Visible());
    EXPECT_TRUE(table.Visible());
    EXPECT_EQ(Picture("TForm4.BankerPortrait"),
              "picture\\gif\\ch_1151.gif"); // picture 1, top centre
    EXPECT_EQ(Picture("TForm4.Seat3Portrait"),
              "picture\\gif\\ch_1131.gif"); // picture 4, bottom left
    EXPECT_EQ(Picture("TForm4.Seat1Portrait"),
              "picture\\gif\\ch_1111.gif"); // picture 2, bottom right
    EXPECT_EQ(table.Cast().Opponents[0].PickPicture, "picture\\gif\\ch_1131.gif");
    EXPECT_EQ(table.Hands().Record(0).Name, "酷哥");
    EXPECT_EQ(table.Hands().Record(0).Money, 610000);
    EXPECT_EQ(table.Hands().Record(3).Money, 90000);
    EXPECT_EQ(Text("TForm4.BankerMoney"), "610000");
    EXPECT_EQ(Text("TForm4.Seat2Money"), "300000");
    EXPECT_EQ(Text("TForm4.Seat2Name"), "本家");
    EXPECT_EQ(Text("TForm4.Seat3NameToBet"), "星月下注： ");
    EXPECT_EQ(table.Cast().Background, "picture\\gif\\zm003.gif");
    EXPECT_EQ(Picture("TForm4.Background"), "picture\\gif\\zm003.gif");
    EXPECT_TRUE(g.Get("TForm4.Deal").Visible());

    EXPECT_EQ(state.BankerChoice, before.BankerChoice);
    EXPECT_EQ(state.TableSize, before.TableSize);
    EXPECT_EQ(state.PlayerPick.PickName, before.PlayerPick.PickName);
    EXPECT_EQ(state.PlayerPick.PickFigure, before.PlayerPick.PickFigure);
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(state.OpponentPicks[k].PickName, before.OpponentPicks[k].PickName);
        EXPECT_EQ(state.OpponentPicks[k].PickFigure, before.OpponentPicks[k].PickFigure);
    }
    EXPECT_EQ(table.Cast().User.PickName, userPick.PickName);
}

TEST_F(Opening, ResumingTheOtherModesFillsTheirRecordsAndLabels) {
    SaveContents save;
    save.Mode = 4;
    save.Names = {"莊家", "阿鐵", "小雨", "阿墨"};
    save.Money = {700000, 1000, 2000, 3000};
    save.Pictures = {"", "picture\\gif\\ch_1101.gif", "picture\\gif\\ch_1171.gif",
                     "picture\\gif\\ch_1181.gif"};
    save.Background = "picture\\gif\\ddy002.gif";
    WriteSave(save);
    ResumeSavedGame(*g.game);
    EXPECT_TRUE(g.game->Form5().Visible());
    EXPECT_EQ(Picture("TForm5.Seat2Portrait"), "picture\\gif\\ch_1171.gif");
    EXPECT_EQ(Text("TForm5.BankerMoney"), "700000");
    EXPECT_EQ(Text("TForm5.Seat3Money"), "3000");
    EXPECT_EQ(Text("TForm5.Seat2NameToBet"), "小雨下注： ");

    ReturnToMainMenu(*g.game, g.game->Form5());
    save.Mode = 1;
    save.Names = {"星月", "阿鐵"};
    save.Money = {123456, 654321};
    save.Pictures = {"picture\\gif\\rt04.gif"};
    save.Background = "picture\\gif\\ydy02.gif";
    WriteSave(save);
    ResumeSavedGame(*g.game);
    auto& form1 = g.game->Form1();
    EXPECT_TRUE(form1.Visible());
    EXPECT_EQ(form1.Hands().Record(1).Money, 654321);
    EXPECT_EQ(Text("TForm1.BankerMoney"), "123456");
    EXPECT_EQ(Text("TForm1.Seat1Money"), "654321");
    EXPECT_EQ(Picture("TForm1.BankerPortrait"), "picture\\gif\\rt04.gif");
    EXPECT_EQ(form1.Cast().Opponents[0].PickPicture, "picture\\gif\\rt04.gif");
}

TEST_F(Opening, EveryKindOfDamagedSaveKeepsTheMainMenu) {
    SaveContents good;
    good.Mode = 2;
    good.Names = {"莊家", "阿鐵"};
    good.Money = {500000, 500000};
    good.Pictures = {"", "picture\\gif\\rt01.gif"};
    good.Background = "picture\\gif\\ydy01.gif";
    WriteSave(good);
    std::string bytes;
    {
        std::ifstream in(g.game->SaveFilePath(), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), {});
    }
    ASSERT_EQ(bytes.size(), kSaveRecordSize);
    auto withMode = [&](unsigned char mode) {
        std::string b = bytes;
        b[saveoffset::kMode] = static_cast<char>(mode);
        return b;
    };
    std::string badPicture = bytes;
    badPicture[saveoffset::kPicture + 81 + 1] = 'X';
    std::string badName = bytes;
    badName[saveoffset::kName + 81] = 2;
    badName[saveoffset::kName + 81 + 1] = '\x01';
    badName[saveoffset::kName + 81 + 2] = '\x02';

    const std::vector<std::string> damaged = {bytes.substr(0, 700), withMode(0), withMode(5),
                                              badPicture, badName};
    const std::string menuBackground = Picture("Tmainform.Image1");
    for (std::size_t i = 0; i <= damaged.size(); ++i) {
        if (i < damaged.size())
            WriteBytes(damaged[i]);
        else
            std::filesystem::remove(g.game->SaveFilePath());
        g.trace.clear();
        g.app.ClickControl(g.Get("Tmainform.Image4"));
        EXPECT_TRUE(g.game->MainForm().Visible()) << i;
        EXPECT_TRUE(g.Get("Tmainform.Image2").Visible()) << i;
        EXPECT_EQ(Picture("Tmainform.Image1"), menuBackground) << i;
        EXPECT_EQ(g.app.ShownScreens().size(), 1u) << i;
        ASSERT_FALSE(g.trace.empty()) << i;
        EXPECT_EQ(g.trace.back().rfind("error ", 0), 0u) << i;
        EXPECT_EQ(g.game->Form3().Hands().Record(1).Name, "阿鐵") << i;
    }
}

TEST_F(Opening, ReturnToMainMenuPutsEverySeatOfEveryTableBackAtTheStart) {
    NewGame(1, 2, 2, {3, 1, 9});
    auto& form1 = g.game->Form1();
    auto& form3 = g.game->Form3();
    auto& form4 = g.game->Form4();
    auto& form5 = g.game->Form5();
    for (TableScreen* table : std::initializer_list<TableScreen*>{&form1, &form3, &form4, &form5})
        testing::AdjustTable(*table, [](TableRecord& r) {
            for (std::size_t seat = 0; seat < r.Seats.size(); ++seat)
                r.Seats[seat] = {
                    r.Seats[seat].Name, 1234 + static_cast<int>(seat), 1000, 3, {}, {}};
        });
    form4.Hands().Card(2, Seat::kMain, 1).Show();
    form4.Get(TableRole::Back).Show();
    g.game->ReturnToMainMenu(form4);

    for (TableScreen* table : std::initializer_list<TableScreen*>{&form1, &form3, &form4, &form5}) {
        EXPECT_FALSE(table->Visible()) << table->Name();
        for (int i = 0; i < table->Hands().Count(); ++i) {
            EXPECT_EQ(table->Hands().Record(i).Money, 500000) << table->Name() << " " << i;
            EXPECT_EQ(table->Hands().Record(i).Bet, 0) << table->Name() << " " << i;
            EXPECT_EQ(table->Hands().Record(i).Streak, 0) << table->Name() << " " << i;
        }
    }
    EXPECT_FALSE(form4.Hands().Card(2, Seat::kMain, 1).Visible());
    EXPECT_FALSE(form4.Get(TableRole::Back).Visible());
    EXPECT_FALSE(g.Get("TForm4.Deal").Visible());
    EXPECT_EQ(Text("TForm4.Seat1Money"), "500000");
    EXPECT_EQ(Text("TForm5.BankerMoney"), "500000");
    EXPECT_TRUE(g.game->MainForm().Visible());
    EXPECT_EQ(Picture("Tmainform.Image1"), "picture\\home100.gif");
    EXPECT_EQ(g.app.ShownScreens().size(), 1u);
}

TEST_F(Opening, EveryWayIntoEveryTableHidesTheLastShoesCounts) {
    // A game left without going back to the main menu (its opponent beaten, then the menu
    // reached from the player selection) leaves its counts on its hidden table. Neither a new
    // game nor a resumed one may show them before its own first deal.
    TableScreen* tables[] = {&g.game->Form1(), &g.game->Form3(), &g.game->Form4(),
                             &g.game->Form5()};
    for (int mode = 1; mode <= 4; ++mode) {
        TableScreen& table = *tables[mode - 1];
        SCOPED_TRACE(table.Name());
        Control& counts = table.Get(TableRole::CountsPanel);
        state.PlayerPick = {"星月", "", 5};
        state.OpponentPicks = {TCharacterPick{"小帥哥", "", 4}, TCharacterPick{"阿鐵", "", 2},
                               TCharacterPick{"阿墨", "", 10}};
        state.TableSize = mode >= 3 ? 2 : 1;
        state.BankerChoice = mode % 2 == 1 ? 1 : 2;
        counts.Show();
        OpenNewTable(*g.game);
        ASSERT_TRUE(table.Visible());
        EXPECT_FALSE(counts.Visible()) << "a new game";

        WriteSave(table.Saving().State());
        counts.Show();
        table.Hide();
        g.game->MainForm().Show();
        ResumeSavedGame(*g.game);
        ASSERT_TRUE(table.Visible());
        EXPECT_FALSE(counts.Visible()) << "a resumed game";
        ReturnToMainMenu(*g.game, table);
    }
}

TEST(TableBackground, EachPictureTakesAFifthOfTheDraws) {
    struct Fixed : RandomSource {
        int value = 0;
        int Draw(DrawStream stream, int lo, int hi) override {
            EXPECT_EQ(stream, DrawStream::Cosmetic);
            EXPECT_EQ(lo, 1);
            EXPECT_EQ(hi, 100);
            return value;
        }
    } random;
    const std::pair<int, const char*> cases[] = {
        {1, "picture\\gif\\ddy001.gif"},  {20, "picture\\gif\\ddy001.gif"},
        {21, "picture\\gif\\ddy002.gif"}, {80, "picture\\gif\\ddy004.gif"},
        {81, "picture\\gif\\ddy005.gif"}, {100, "picture\\gif\\ddy005.gif"}};
    for (const auto& [r, expected] : cases) {
        random.value = r;
        EXPECT_EQ(PickTableBackground(random, BackgroundSet::ThreeSeatBanker), expected) << r;
    }
    random.value = 55;
    EXPECT_EQ(PickTableBackground(random, BackgroundSet::OneSeat), "picture\\gif\\ydy03.gif");
    EXPECT_EQ(PickTableBackground(random, BackgroundSet::ThreeSeatChallenge),
              "picture\\gif\\zm003.gif");
}

} // namespace
} // namespace quorvel
