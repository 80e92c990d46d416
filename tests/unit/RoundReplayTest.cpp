// Every round can be played again: the draws stand where they stood after a restore, a round's
// log written as script lines reads back to the same start and actions, an engine set to a
// round's start with the draws restored plays the user's actions to the same end, and the
// recorder keeps a game's last 200 rounds in a file of its own.
#include "RulesTestSupport.h"
#include "TestFolder.h"

#include "app/RoundRecorder.h"
#include "cards/SeededRandom.h"
#include "cards/ShoeStack.h"
#include "round/RoundEngine.h"
#include "round/RoundScript.h"
#include "round/SilentView.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace quorvel {
namespace {

// A view that keeps the logs of the rounds it is shown and nothing else.
class LogView final : public SilentView {
public:
    std::vector<RoundLog> logs;
    bool KeepsRounds() const override { return true; }
    void RoundPlayed(const RoundLog& log) override { logs.push_back(log); }
};

// The lines of a script, each split into its words the simple way the runner does for these
// lines (no quoted blanks in them).
std::vector<std::vector<std::string>> Lines(const std::string& script) {
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> words;
        std::istringstream split(line);
        for (std::string word; split >> word;) {
            if (word.size() >= 2 && word.front() == '"' && word.back() == '"')
                word = word.substr(1, word.size() - 2);
            words.push_back(word);
        }
        lines.push_back(words);
    }
    return lines;
}

TEST(RoundReplay, DrawsRestoredFromAPositionGoOnAsTheyWould) {
    SeededRandom played(42);
    for (int i = 0; i < 37; ++i)
        played.Draw(DrawStream::Rules, 1, 100);
    played.Draw(DrawStream::Shuffle, 1, 208);
    played.QueueRuleDraws({7}); // a scripted draw takes nothing from the stream
    EXPECT_EQ(played.Draw(DrawStream::Rules, 1, 100), 7);
    const RandomPosition at = played.Position();
    ASSERT_TRUE(at.Known);
    SeededRandom again(1);
    again.Restore(at);
    EXPECT_EQ(again.Position(), at);
    for (DrawStream stream : {DrawStream::Rules, DrawStream::Shuffle, DrawStream::Cosmetic})
        for (int i = 0; i < 20; ++i)
            EXPECT_EQ(again.Draw(stream, 1, 100), played.Draw(stream, 1, 100));
}

TEST(RoundReplay, AScriptsLinesReadBackToTheRoundsStartAndActions) {
    RoundLog log;
    log.Mode = 3;
    log.Seats = 3;
    log.Start.RoundNumber = 12;
    log.Start.Open = true;
    log.Start.Challenge = true;
    log.Start.ChallengeMode = 3;
    log.Start.ServicesOff = true;
    log.Start.Seats[0] = {"阿鐵", 470000, 0, 2, {}, {}};
    log.Start.Seats[1] = {"say \"hi\"", -2000, 0, 0, {true, 40000}, {}};
    log.Start.Seats[2] = {"", 500000, 20000, 5, {}, {"", 3000, true}};
    log.Start.Seats[3] = {"hex:trap", 1, 0, 0, {}, {}};
    log.Start.Shoe = test::StackedShoe({"AS", "10H", "QD"}, 17);
    log.Start.Shoe->Unseen.Count(2, cvTen) = 3;
    log.Random = {true, 987654321, {140, 20800, 3}};
    Action swap = Action::Of(ActionKind::ConfirmSwap);
    swap.Text = "紅\"";
    Action toggle = Action::Of(ActionKind::ToggleSwapTarget);
    toggle.Hand = Seat::kSplit;
    Action next = Action::Of(ActionKind::NextRound);
    next.FromDialog = true;
    const std::vector<Action> inputs = {Action::Chip(5000), Action::Of(ActionKind::Deal), swap,
                                        toggle, next};
    for (const Action& input : inputs)
        log.Actions.push_back({input, true});
    log.Actions.push_back({Action::By(1, ActionKind::Bet, 15000), false});

    ReadRound read;
    std::vector<Action> acts;
    std::string error;
    for (const auto& words : Lines(RoundScript(log, "a round"))) {
        if (words.empty() || words[0] == "#" || words[0].front() == '#')
            continue;
        const std::vector<std::string> args(words.begin() + 1, words.end());
        if (words[0] == "round")
            ASSERT_TRUE(ReadRoundWords(args, read, error)) << error;
        else if (words[0] == "seat")
            ASSERT_TRUE(ReadSeatWords(args, read, error)) << error;
        else if (words[0] == "deck")
            ASSERT_TRUE(ReadDeckWords(args, read, error)) << error;
        else if (words[0] == "random")
            ASSERT_TRUE(ReadRandomWords(args, read, error)) << error;
        else if (words[0] == "act")
            acts.push_back(ActionFromWords(args).value());
    }
    EXPECT_EQ(read.Mode, 3);
    EXPECT_EQ(read.Start.RoundNumber, 12);
    EXPECT_TRUE(read.Start.Open && read.Start.Challenge && read.Start.ServicesOff);
    EXPECT_EQ(read.Start.ChallengeMode, 3);
    for (std::size_t seat = 0; seat < 4; ++seat) {
        SeatRecord expected = log.Start.Seats[seat];
        // A claim is repaid under its seat's name.
        if (expected.Debt.Open)
            expected.Debt.Name = expected.Name;
        EXPECT_EQ(read.Start.Seats[seat], expected) << seat;
    }
    ASSERT_TRUE(read.Start.Shoe);
    EXPECT_EQ(read.Start.Shoe->Position, 17);
    EXPECT_EQ(read.Start.Shoe->Dealing.Entries(), log.Start.Shoe->Dealing.Entries());
    EXPECT_EQ(read.Start.Shoe->Unseen.Count(2, cvTen), 3);
    EXPECT_EQ(read.Random, log.Random);
    // The user's actions come back; the computer's bet is a comment.
    ASSERT_EQ(acts.size(), inputs.size());
    for (std::size_t i = 0; i < acts.size(); ++i) {
        EXPECT_EQ(ActionWords(acts[i]), ActionWords(inputs[i]));
        EXPECT_EQ(acts[i].Text, inputs[i].Text);
    }
    EXPECT_FALSE(ActionFromWords({"chip"}));
    EXPECT_FALSE(ActionFromWords({"hit", "now"}));
    EXPECT_FALSE(ActionFromWords({"dance"}));
}

TEST(RoundReplay, AnEngineSetToARoundsStartPlaysItToTheSameEnd) {
    // Three computer seats and the user at the bank, played from a seeded shoe for a few
    // rounds; the last round is played again by a second engine from its log alone.
    const TableRules& rules = RulesOfMode(4);
    LogView view;
    SeededRandom random(2024);
    ShoeStack stack;
    RoundEngine engine(rules, view, random, stack);
    engine.NewGame({"小帥哥", "阿鐵", "美男子", "朵朵"});
    engine.OpenTable();
    for (int round = 0; round < 5; ++round) {
        ASSERT_TRUE(engine.Apply(Action::Of(ActionKind::Deal)));
        // The user-banker draws below 17 and stands after, while the round goes on.
        while (!engine.RoundOver() && engine.CurrentStage() == RoundEngine::Stage::UserTurn) {
            const bool low = engine.Banker().Main().HandValue < 17;
            ASSERT_TRUE(engine.Apply(Action::Of(low ? ActionKind::Hit : ActionKind::Stand)));
        }
        ASSERT_TRUE(engine.RoundOver());
        ASSERT_TRUE(engine.Apply(Action::Of(ActionKind::NextRound)));
    }
    ASSERT_EQ(view.logs.size(), 5u);
    const RoundLog& last = view.logs.back();

    LogView replayView;
    SeededRandom replayRandom(1);
    ShoeStack replayStack;
    RoundEngine replay(rules, replayView, replayRandom, replayStack);
    replay.Resume(last.Start);
    replayRandom.Restore(last.Random);
    for (const LoggedAction& logged : last.Actions)
        if (logged.Input) {
            Action input = logged.Taken;
            input.Seat = kUserSeat;
            ASSERT_TRUE(replay.Apply(input)) << ActionWords(input);
        }
    ASSERT_EQ(replayView.logs.size(), 1u);
    EXPECT_EQ(SettledLine(replayView.logs[0]), SettledLine(last));
    EXPECT_EQ(replayView.logs[0].Actions.size(), last.Actions.size());
}

TEST(RoundReplay, TheRecorderKeepsEachGamesLastRoundsInAFileOfItsOwn) {
    testing::TestFolder folder;
    int games = 0;
    // The game keeps 200; three are enough to see the oldest go.
    RoundRecorder recorder(
        folder.Path(),
        [&games](int mode) {
            return "game-" + std::to_string(++games) + "-" + TableWord(mode) + ".scn";
        },
        3);
    RoundLog log;
    log.Mode = 2;
    log.Start.Open = true;
    const auto rounds = [](const std::filesystem::path& file) {
        std::ifstream in(file);
        int count = 0;
        for (std::string line; std::getline(in, line);)
            count += line == "begin";
        return count;
    };
    for (int round = 1; round <= 5; ++round) {
        log.RoundNumber = round;
        ASSERT_EQ(recorder.Record(log), "");
    }
    const std::filesystem::path first = recorder.File();
    EXPECT_EQ(first.filename(), "game-1-one-seat-banker.scn");
    EXPECT_EQ(rounds(first), 3);
    std::ifstream in(first);
    const std::string text{std::istreambuf_iterator<char>(in), {}};
    EXPECT_EQ(text.find("settled round 2:"), std::string::npos);
    EXPECT_NE(text.find("settled round 3:"), std::string::npos);

    recorder.StartGame();
    log.Mode = 3;
    ASSERT_EQ(recorder.Record(log), "");
    EXPECT_EQ(recorder.File().filename(), "game-2-three-seat.scn");
    EXPECT_EQ(rounds(recorder.File()), 1);
    EXPECT_EQ(rounds(first), 3);

    // A folder that cannot be written says so instead of keeping nothing silently.
    std::ofstream(folder / "blocked") << "a file";
    RoundRecorder blocked(folder / "blocked");
    EXPECT_NE(blocked.Record(log), "");
    EXPECT_EQ(blocked.Record(log), ""); // said once a game
}

} // namespace
} // namespace quorvel
