// The statistics as the game keeps them: rounds played at the tables reach the file in the
// test's own folder (a won bonus, a bought look, a push and a loss; the challenge entered and
// won from the three-seat table), a new game starts the plot afresh, a damaged file is set
// aside with one notice, and the screen shows the figures and resets only after asking.
#include "TableGame.h"

#include "cards/HandRules.h"
#include "frontend/BankrollPlot.h"
#include "frontend/StatisticsScreen.h"
#include "players/StatisticsStore.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "ui/QuestionDialog.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace quorvel {
namespace {

using R = TableRole;

using testing::TableGame;
namespace fs = std::filesystem;

// Per round at the one-on-one table: the banker's opening steering (two draws, nothing
// steered), the pair chance, one banker decision.
const std::vector<int> kPlainDraws{50, 100, 100, 100};

std::optional<Statistics> ReadBack(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    std::string why;
    return DecodeStatistics(text.str(), why);
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// One round at the one-on-one table: a 1000 chip, the deal, `during` (a service), stand.
void PlayRound(TableGame& t, const std::function<void()>& during = {}) {
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    if (during)
        during();
    t.Click(R::Stand);
}

TEST(StatisticsGame, RoundsAtTheTableReachTheFileAndANewGameStartsThePlotAfresh) {
    TableGame t;
    const fs::path file = t.folder / "data" / "stats";
    Statistics before;
    before.History = {1, 2, 3}; // the last game's plot
    ASSERT_EQ(ReplaceFile(file, EncodeStatistics(before)), std::nullopt);
    t.game.KeepStatistics(file);
    // Banker 10 + 8 each round. The user: a suited ace and jack (bonus 3 x 1000); 10 + 8 with
    // a look bought (a push); 10 + 7 (a loss).
    for (const char* card :
         {"10S", "AH", "8S", "JH", "10C", "10H", "8C", "8H", "10D", "10S", "8D", "7C"})
        t.game.Stack().Add(card);
    std::vector<int> draws;
    for (int round = 0; round < 3; ++round)
        draws.insert(draws.end(), kPlainDraws.begin(), kPlainDraws.end());
    t.random.QueueRuleDraws(draws);
    t.OpenTable();
    EXPECT_TRUE(t.game.StatisticsKept()->Current().History.empty());
    PlayRound(t);
    t.Click(R::Background);
    PlayRound(t, [&] { ASSERT_TRUE(t.table().Act(Action::Of(ActionKind::Look))); });
    t.Click(R::Background);
    PlayRound(t);

    const auto kept = ReadBack(file);
    ASSERT_TRUE(kept);
    EXPECT_EQ(*kept, t.game.StatisticsKept()->Current());
    const ModeStatistics& m = kept->Modes[0];
    EXPECT_EQ(m.Rounds, 3);
    EXPECT_EQ((std::array{m.Wins, m.Pushes, m.Losses}), (std::array<std::int64_t, 3>{1, 1, 1}));
    EXPECT_EQ(m.SpecialHands[hkSuitedAceJack], 1);
    EXPECT_EQ(m.Bonuses[hkSuitedAceJack], 1);
    EXPECT_EQ(m.BonusMoney[hkSuitedAceJack], 3000);
    // The look's round pushed: its fee spent, nothing returned.
    EXPECT_EQ(m.Services[kLookService], (ServiceTally{1, 20000, 0}));
    EXPECT_EQ(m.Services[kSwapService], ServiceTally{});
    EXPECT_EQ(kept->History, (std::deque<std::int32_t>{504000, 484000, 483000}));
    EXPECT_EQ(m.BestBankroll, 504000);
    EXPECT_EQ(m.WorstBankroll, 483000);
    EXPECT_TRUE(t.errors.empty());
}

TEST(StatisticsGame, TheChallengeFromTheThreeSeatTableIsEnteredAndWonThere) {
    TableGame t;
    t.game.KeepStatistics(t.folder / "stats");
    auto& state = t.game.State();
    state.PlayerPick = {"小雨", "", 9};
    state.OpponentPicks = {TCharacterPick{"阿鐵", "", 2}, TCharacterPick{"朵朵", "", 3},
                           TCharacterPick{"美男子", "", 6}};
    state.OpponentCount = 3;
    state.TableSize = 2;
    state.BankerChoice = 1;
    t.game.MainForm().Hide();
    t.game.OpenNewTable();
    // The banker 16 busts on its forced card; seats 1 and 3 have 18, the user 17. Seats 1 and 3
    // bet 20000, nothing is steered, every seat stands.
    for (const char* card : {"10S", "JH", "QC", "KD", "6S", "8H", "7C", "8D", "10H"})
        t.game.Stack().Add(card);
    t.random.QueueRuleDraws({5, 5, 50, 100, 100, 100, 100, 50, 100, 100, 50, 100, 100, 100, 100});
    testing::AdjustTable(t.game.Form4(), [](TableRecord& r) { r.Seats[2].Streak = 5; });
    for (const char* control :
         {"TForm4.Deal", "TForm4.Chip1000", "TForm4.FinishBets", "TForm4.Stand"})
        t.Click(control);
    ASSERT_TRUE(t.table().InChallenge());
    const ModeStatistics& three = t.game.StatisticsKept()->Current().Modes[2];
    EXPECT_EQ(three.Rounds, 1);
    EXPECT_EQ(three.ChallengesEntered, 1);
    EXPECT_EQ(three.ChallengesWon, 0);

    // The challenged banker, a stranger who neither steers nor draws on, can pay one more bet:
    // the user's 20 against 18 beats him, and the round counts as the three-seat table's.
    testing::AdjustTable(t.table(), [](TableRecord& r) {
        r.Seats[0].Money = 1000;
        r.Seats[0].Name = "陌生人";
    });
    t.game.Stack().Add("KS");
    for (const char* card : {"QC", "8D", "JD"})
        t.game.Stack().Add(card);
    t.random.QueueRuleDraws(kPlainDraws);
    PlayRound(t);
    const Statistics& now = t.game.StatisticsKept()->Current();
    EXPECT_EQ(now.Modes[0].Rounds, 0);
    EXPECT_EQ(now.Modes[2].Rounds, 2);
    EXPECT_EQ(now.Modes[2].ChallengesWon, 1);
    EXPECT_EQ(now.Modes[2].Beaten, (std::map<std::string, std::int64_t>{{"陌生人", 1}}));
}

TEST(StatisticsGame, ADamagedFileIsSetAsideWithOneNoticeAtStart) {
    TableGame t;
    const fs::path file = t.folder / "stats";
    std::ofstream(file) << "not statistics\n";
    t.game.KeepStatistics(file);
    ASSERT_EQ(t.errors.size(), 1u);
    EXPECT_NE(t.errors[0].find("stats.damaged-1"), std::string::npos);
    EXPECT_TRUE(fs::exists(t.folder / "stats.damaged-1"));
    EXPECT_FALSE(fs::exists(file));
}

TEST(StatisticsGame, TheScreenShowsEachModeAndResetsOnlyAfterAsking) {
    TableGame t;
    const fs::path file = t.folder / "stats";
    Statistics s;
    RoundRecord round;
    round.Mode = 2;
    round.Wins = 2;
    round.Losses = 1;
    round.Bankroll = 520000;
    round.Fees[kSwapService] = 40000;
    round.Result = 30000;
    round.Beaten = {"阿鐵"};
    ASSERT_TRUE(s.Record(round));
    round.Mode = 1;
    round.Bankroll = 490000;
    round.Beaten.clear();
    round.Fees = {};
    ASSERT_TRUE(s.Record(round));
    ASSERT_EQ(ReplaceFile(file, EncodeStatistics(s)), std::nullopt);
    t.game.KeepStatistics(file);

    // The main menu's statistics button, then the page of the one-on-one table where the user
    // banks.
    t.Click("Tmainform.StatisticsButton");
    StatisticsScreen& screen = t.game.StatisticsWindow();
    ASSERT_TRUE(screen.Visible());
    std::vector<std::string> lines = screen.Lines();
    EXPECT_TRUE(Contains(lines, "局數：2"));
    EXPECT_TRUE(Contains(lines, "勝 4　和 0　負 2"));
    EXPECT_TRUE(Contains(lines, "最多資金：520000"));
    EXPECT_TRUE(Contains(lines, "最少資金：490000"));
    EXPECT_EQ(screen.Plot().Values(), (std::vector<std::int32_t>{520000, 490000}));
    EXPECT_FALSE(screen.Plot().LineRects().empty());
    t.Key(Key::Digit2);
    lines = screen.Lines();
    EXPECT_TRUE(Contains(lines, "局數：1"));
    EXPECT_TRUE(Contains(lines, "變牌：買了 1 局，花 40000，那些局 +30000"));
    EXPECT_TRUE(Contains(lines, "擊敗的對手：阿鐵 ×1"));

    // Reset asks; cancelled by Esc or by Enter, the default answer, nothing changes.
    for (Key answer : {Key::Escape, Key::Enter}) {
        t.Key(Key::R);
        ASSERT_TRUE(screen.ResetQuestion().Asking());
        t.Key(answer);
        EXPECT_FALSE(screen.ResetQuestion().Asking());
        EXPECT_TRUE(screen.Visible());
        EXPECT_EQ(ReadBack(file)->Modes[1].Rounds, 1);
    }
    // Agreed (the keyboard moves to 重設 first), everything is zero, on the screen and in the
    // file.
    t.Click("StatisticsScreen.BitBtn6");
    t.Key(Key::Tab);
    t.Key(Key::Enter);
    EXPECT_EQ(*ReadBack(file), Statistics{});
    EXPECT_TRUE(Contains(screen.Lines(), "局數：0"));
    EXPECT_TRUE(screen.Plot().Values().empty());
    t.Key(Key::Escape);
    EXPECT_FALSE(screen.Visible());
    EXPECT_TRUE(t.errors.empty());
}

TEST(StatisticsGame, WithoutAFileNothingIsKeptAndTheMenuOffersNoScreen) {
    TableGame t({"10S", "10H", "8S", "8H"}, kPlainDraws);
    EXPECT_FALSE(t.Get("Tmainform.StatisticsButton").Visible());
    t.OpenTable();
    PlayRound(t);
    EXPECT_EQ(t.game.StatisticsKept(), nullptr);
    EXPECT_TRUE(fs::is_empty(t.folder.Path()));
}

} // namespace
} // namespace quorvel
