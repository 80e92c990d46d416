// The odds advisor's line at the tables: shown at the user's decisions only while the setting
// is on, the same for two shoes that differ only in what the user cannot see, different when
// a face-up card differs, with its tip under the pointer, and at the bank only the bust chance.
#include "TableGame.h"

#include "gui/Label.h"
#include "tables/OddsAdviceLine.h"
#include "tables/one_seat_banker/TForm3.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::TableGame;

// The banker's opening steering (two draws, nothing steered), the pair chance.
const std::vector<int> kDealDraws{50, 100, 100, 100};

SettingsRead AdvisorOn(bool on) {
    SettingsRead read;
    read.settings.oddsAdvisor = on;
    return read;
}

struct Decision {
    bool shown = false;
    std::string text;
};

// Deals one round from `shoe` (the banker's face-down card, the user's, the banker's face-up
// card, the user's) and reads the line at the user's first decision; the user then stands.
Decision LineAtFirstDecision(const std::vector<std::string>& shoe, bool on,
                             bool* hiddenAfterStand = nullptr) {
    TableGame t(shoe, kDealDraws, true, AdvisorOn(on));
    t.OpenTable();
    t.Click("TForm1.Image25");
    t.Click("TForm1.Image11");
    const OddsAdviceLine* line = t.table().AdviceLine();
    Decision d{line->Showing(), line->Text()};
    t.Click("TForm1.Image14");
    if (hiddenAfterStand)
        *hiddenAfterStand = !line->Showing();
    return d;
}

TEST(OddsAdvice, ShowsAtTheUsersDecisionOnlyWhileTheSettingIsOn) {
    const std::vector<std::string> shoe{"10S", "5H", "8S", "6C"};
    EXPECT_FALSE(LineAtFirstDecision(shoe, false).shown);
    bool hidden = false;
    const Decision on = LineAtFirstDecision(shoe, true, &hidden);
    ASSERT_TRUE(on.shown);
    // 11 cannot bust; the banker's 8 and its face-down card, the look and the swap.
    EXPECT_TRUE(on.text.starts_with("爆牌 0%　莊家17–21點 ")) << on.text;
    EXPECT_NE(on.text.find("透視眼 值"), std::string::npos) << on.text;
    EXPECT_NE(on.text.find("/費40000"), std::string::npos) << on.text;
    EXPECT_TRUE(hidden);
}

TEST(OddsAdvice, UsesOnlyWhatTheUserSees) {
    // The banker's face-down card differs, the unseen counts do not: the same line.
    const Decision ten = LineAtFirstDecision({"10S", "5H", "8S", "6C"}, true);
    const Decision nine = LineAtFirstDecision({"9S", "5H", "8S", "6C"}, true);
    ASSERT_TRUE(ten.shown && nine.shown);
    EXPECT_EQ(ten.text, nine.text);
    // The user's own face-down card is the user's to know: 16 may bust, 11 may not.
    const Decision sixteen = LineAtFirstDecision({"10S", "10H", "8S", "6C"}, true);
    EXPECT_NE(sixteen.text, ten.text);
    EXPECT_FALSE(sixteen.text.starts_with("爆牌 0%")) << sixteen.text;
}

TEST(OddsAdvice, ItsTipSaysWhatItUsesAndGoesWithThePointer) {
    TableGame t({"10S", "5H", "8S", "6C"}, kDealDraws, true, AdvisorOn(true));
    t.OpenTable();
    t.Click("TForm1.Image25");
    t.Click("TForm1.Image11");
    auto& tip = static_cast<Label&>(t.Get("TForm1.OddsAdviceTip"));
    EXPECT_FALSE(tip.Visible());
    t.app.HoverControl(t.Get("TForm1.OddsAdvice"));
    EXPECT_TRUE(tip.Visible());
    EXPECT_EQ(tip.Caption(), OddsAdviceLine::kTip);
    t.app.HoverControl(t.Get("TForm1.Image1"));
    EXPECT_FALSE(tip.Visible());
}

TEST(OddsAdvice, AtTheBankOnlyTheBustChanceShows) {
    TableGame t({}, {}, true, AdvisorOn(true));
    auto& state = t.game.State();
    state.PlayerPick = {"小帥哥", "", 4};
    state.OpponentPicks[0] = {"阿鐵", "", 2};
    state.TableSize = 1;
    state.BankerChoice = 2;
    t.game.MainForm().Hide();
    t.game.OpenNewTable();
    // The computer bets, is dealt and plays; then the user banks.
    t.Click("TForm3.Image9");
    const OddsAdviceLine* line = t.game.Form3().AdviceLine();
    ASSERT_TRUE(line->Showing());
    EXPECT_TRUE(line->Text().starts_with("爆牌 ")) << line->Text();
    EXPECT_EQ(line->Text().find("莊家"), std::string::npos) << line->Text();
}

} // namespace
} // namespace quorvel
