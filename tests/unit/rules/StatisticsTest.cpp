// The statistics: counting rounds per mode and in total, the text form and its strict reader,
// the file surviving a failure or a kill at every step of a write, a damaged file set aside
// with a notice, and the default place of the file.
#include "TestFolder.h"
#include "cards/HandRules.h"
#include "players/StatisticsStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <sys/stat.h>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
}

RoundRecord Round(int mode, std::int32_t bankroll, std::int64_t result) {
    RoundRecord round;
    round.Mode = mode;
    round.Bankroll = bankroll;
    round.Result = result;
    (result > 0 ? round.Wins : result < 0 ? round.Losses : round.Pushes) = 1;
    return round;
}

constexpr FileStep kWriteSteps[] = {FileStep::MakeFolder, FileStep::Create, FileStep::Write,
                                    FileStep::Sync,       FileStep::Close,  FileStep::Rename,
                                    FileStep::SyncFolder};

class StatisticsTest : public ::testing::Test {
protected:
    testing::TestFolder folder{"quorvel-stats"};
    const fs::path file = folder / "quorvel" / "stats";

    // The names in the statistics folder other than the file itself and its lock.
    std::vector<std::string> Others() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(file.parent_path()))
            if (entry.path() != file && entry.path().filename() != "stats.lock")
                names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    // A file with one round of mode 2 in it, and the statistics it holds.
    Statistics Existing() {
        StatisticsStore store(file);
        EXPECT_EQ(store.Record(Round(2, 510000, 10000)), "");
        return store.Current();
    }
};

TEST_F(StatisticsTest, RoundsCountPerModeAndInTotal) {
    Statistics s;
    RoundRecord first = Round(1, 520000, 20000);
    first.SpecialHands = {hkFiveCards, hkTwentyOne};
    first.Bonuses = {{3, 40000}, {kJackpotSlot, 800000}};
    first.Fees = {20000, 0};
    first.Beaten = {"阿鐵", "bad\nname", "\x01"};
    first.ChallengeEntered = first.ChallengeWon = true;
    ASSERT_TRUE(s.Record(first));
    RoundRecord second = Round(1, 470000, -50000);
    second.Fees = {20000, 40000};
    ASSERT_TRUE(s.Record(second));
    RoundRecord third = Round(3, 600000, 0);
    third.Beaten = {"阿鐵"};
    ASSERT_TRUE(s.Record(third));

    const ModeStatistics& one = s.Modes[0];
    EXPECT_EQ(one.Rounds, 2);
    EXPECT_EQ(one.Wins, 1);
    EXPECT_EQ(one.Losses, 1);
    EXPECT_EQ(one.BestBankroll, 520000);
    EXPECT_EQ(one.WorstBankroll, 470000);
    EXPECT_EQ(one.SpecialHands[3], 1);
    EXPECT_EQ(one.SpecialHands[0], 1);
    EXPECT_EQ(one.Bonuses[3], 1);
    EXPECT_EQ(one.BonusMoney[kJackpotSlot], 800000);
    // Each service: its fees, and the results of the rounds it was bought in.
    EXPECT_EQ(one.Services[kLookService], (ServiceTally{2, 40000, -30000}));
    EXPECT_EQ(one.Services[kSwapService], (ServiceTally{1, 40000, -50000}));
    EXPECT_EQ(one.ChallengesEntered, 1);
    EXPECT_EQ(one.Beaten, (std::map<std::string, std::int64_t>{{"阿鐵", 1}, {"badname", 1}}));

    const ModeStatistics total = s.Total();
    EXPECT_EQ(total.Rounds, 3);
    EXPECT_EQ(total.Pushes, 1);
    EXPECT_EQ(total.BestBankroll, 600000);
    EXPECT_EQ(total.WorstBankroll, 470000);
    EXPECT_EQ(total.Beaten.at("阿鐵"), 2);
    EXPECT_EQ(s.History, (std::deque<std::int32_t>{520000, 470000, 600000}));

    // Nothing is counted from a record that cannot be right.
    const Statistics before = s;
    EXPECT_FALSE(s.Record(Round(5, 1, 1)));
    RoundRecord bad = Round(1, 1, 1);
    bad.Bonuses = {{kBonusSlots, 10}};
    EXPECT_FALSE(s.Record(bad));
    bad = Round(1, 1, 1);
    bad.Fees = {-20000, 0};
    EXPECT_FALSE(s.Record(bad));
    EXPECT_EQ(s, before);
}

TEST_F(StatisticsTest, PlotKeepsTheLastRoundsOfTheCurrentGame) {
    Statistics s;
    for (int i = 0; i < int(kBankrollHistory) + 5; ++i)
        s.Record(Round(1, 1000 * i, 0));
    ASSERT_EQ(s.History.size(), kBankrollHistory);
    EXPECT_EQ(s.History.front(), 5000);
    s.StartGame();
    EXPECT_TRUE(s.History.empty());
    EXPECT_EQ(s.Modes[0].Rounds, int(kBankrollHistory) + 5);
}

TEST_F(StatisticsTest, TextFormRoundTripsAndEveryDamageIsRefused) {
    Statistics s;
    RoundRecord round = Round(4, -3000, 7);
    round.Beaten = {"name with  spaces", "阿鐵"};
    round.Bonuses = {{6, 200000}};
    s.Record(round);
    s.Record(Round(2, 480000, -20000));
    const std::string text = EncodeStatistics(s);
    EXPECT_TRUE(text.starts_with("quorvel-statistics 1\nmode 1\nrounds 0\nhands 0 0 0\n"));
    std::string error;
    const auto back = DecodeStatistics(text, error);
    ASSERT_TRUE(back) << error;
    EXPECT_EQ(*back, s);

    // Every cut short file, any changed byte, a newer version and text after the end.
    for (std::size_t length = 0; length < text.size(); ++length)
        EXPECT_FALSE(DecodeStatistics(text.substr(0, length), error)) << length;
    for (std::size_t at = 0; at < text.size(); at += 7) {
        std::string changed = text;
        changed[at] = changed[at] == '1' ? '2' : '1';
        EXPECT_FALSE(DecodeStatistics(changed, error)) << at;
    }
    Statistics negative;
    negative.Modes[1].Wins = -1;
    EXPECT_FALSE(DecodeStatistics(EncodeStatistics(negative), error));
    std::string newer = text;
    newer.replace(0, 20, "quorvel-statistics 2");
    EXPECT_FALSE(DecodeStatistics(newer, error));
    EXPECT_NE(error.find("version"), std::string::npos);
    EXPECT_FALSE(DecodeStatistics(text + "more\n", error));
}

TEST_F(StatisticsTest, StoreWritesAfterEachRoundAndReadsItBack) {
    StatisticsStore store(file);
    EXPECT_EQ(store.LoadNotice(), "");
    EXPECT_EQ(store.Current(), Statistics{});
    EXPECT_EQ(store.Record(Round(1, 510000, 10000)), "");
    EXPECT_EQ(store.Record(Round(1, 500000, -10000)), "");
    EXPECT_EQ(StatisticsStore(file).Current(), store.Current());
    EXPECT_EQ(Others(), std::vector<std::string>{});
    EXPECT_EQ(store.Reset(), "");
    EXPECT_EQ(StatisticsStore(file).Current(), Statistics{});
}

TEST_F(StatisticsTest, AFailureAtAnyStepKeepsTheOldFileAndTheRoundInMemory) {
    for (FileStep failing : kWriteSteps) {
        SCOPED_TRACE(FileStepName(failing));
        const Statistics old = Existing();
        StatisticsStore store(file, [&](FileStep step) { return step != failing; });
        const std::string notice = store.Record(Round(1, 490000, -20000));
        const Statistics now = store.Current();
        // Past the rename the new contents are in place; before it the old ones are whole.
        const bool replaced = failing == FileStep::SyncFolder;
        EXPECT_EQ(notice.empty(), replaced);
        EXPECT_EQ(StatisticsStore(file).Current(), replaced ? now : old);
        EXPECT_EQ(Others(), std::vector<std::string>{}); // no temporary file left behind
        EXPECT_EQ(StatisticsStore(file).Record(Round(3, 1, 1)), "");
        fs::remove_all(file.parent_path());
    }
}

TEST_F(StatisticsTest, ARoundAFailedWriteLeftIsWrittenLaterOrAsTheGameCloses) {
    bool failing = true;
    {
        StatisticsStore store(file, [&](FileStep step) { return !failing || step != FileStep::Lock; });
        EXPECT_NE(store.Record(Round(1, 490000, -20000)), "");
        EXPECT_NE(store.WriteUnwritten(), ""); // still failing: still kept
        EXPECT_EQ(StatisticsStore(file).Current().Total().Rounds, 0);
        failing = false;
    } // closing the game
    EXPECT_EQ(StatisticsStore(file).Current().Total().Rounds, 1);

    StatisticsStore store(file);
    EXPECT_EQ(store.WriteUnwritten(), ""); // nothing left: no write at all
    EXPECT_EQ(Others(), std::vector<std::string>{});
}

TEST_F(StatisticsTest, AKillAtAnyStepLeavesTheOldOrTheNewFileWhole) {
    for (FileStep killedAt : kWriteSteps) {
        SCOPED_TRACE(FileStepName(killedAt));
        const Statistics old = Existing();
        Statistics next = old;
        next.Record(Round(1, 490000, -20000));
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            StatisticsStore store(file, [&](FileStep step) {
                if (step == killedAt)
                    raise(SIGKILL);
                return true;
            });
            store.Record(Round(1, 490000, -20000));
            _exit(0);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status));
        const StatisticsStore after(file);
        EXPECT_EQ(after.LoadNotice(), "");
        EXPECT_EQ(after.Current(), killedAt == FileStep::SyncFolder ? next : old);
        // A temporary file the kill left may be another copy's write in progress: it stays
        // until it is a day old.
        const std::vector<std::string> left = Others();
        const bool temporaryLeft = killedAt != FileStep::MakeFolder &&
                                   killedAt != FileStep::Create &&
                                   killedAt != FileStep::SyncFolder;
        ASSERT_EQ(left.size(), temporaryLeft ? 1u : 0u);
        if (temporaryLeft) {
            const timespec dayOld[2] = {{::time(nullptr) - 25 * 3600, 0},
                                        {::time(nullptr) - 25 * 3600, 0}};
            ::utimensat(AT_FDCWD, (file.parent_path() / left[0]).c_str(), dayOld, 0);
            const StatisticsStore later(file);
            EXPECT_EQ(Others(), std::vector<std::string>{});
        }
        fs::remove_all(file.parent_path());
    }
}

TEST_F(StatisticsTest, ADamagedFileIsSetAsideWithANotice) {
    fs::create_directories(file.parent_path());
    WriteAll(file, "quorvel-statistics 1\nmode 1\nrounds 12\n"); // cut short
    {
        StatisticsStore store(file);
        EXPECT_NE(store.LoadNotice().find("stats.damaged-1"), std::string::npos);
        EXPECT_FALSE(store.Damage().empty());
        EXPECT_EQ(store.Current(), Statistics{});
        EXPECT_EQ(ReadAll(file.parent_path() / "stats.damaged-1"),
                  "quorvel-statistics 1\nmode 1\nrounds 12\n");
        EXPECT_EQ(store.Record(Round(1, 1, 1)), "");
    }
    WriteAll(file, "\x89PNG not ours");
    EXPECT_EQ(StatisticsStore(file).SetAsidePath(), file.parent_path() / "stats.damaged-2");
    // Something that is not a file at all is set aside too.
    fs::create_directories(file);
    EXPECT_EQ(StatisticsStore(file).SetAsidePath(), file.parent_path() / "stats.damaged-3");
    EXPECT_TRUE(fs::is_directory(file.parent_path() / "stats.damaged-3"));
}

TEST_F(StatisticsTest, ADamagedFileThatCannotBeSetAsideIsNeverOverwritten) {
    fs::create_directories(file.parent_path());
    WriteAll(file, "garbage");
    StatisticsStore store(file, [](FileStep step) { return step != FileStep::SetAside; });
    EXPECT_FALSE(store.LoadNotice().empty());
    EXPECT_FALSE(store.SetAsidePath());
    EXPECT_FALSE(store.Record(Round(1, 1, 1)).empty());
    EXPECT_EQ(ReadAll(file), "garbage");
}

TEST_F(StatisticsTest, WritingReplacesALinkInsteadOfWritingThroughIt) {
    fs::create_directories(file.parent_path());
    const fs::path elsewhere = folder / "elsewhere";
    WriteAll(elsewhere, "someone else's file");
    fs::create_symlink(elsewhere, file);
    StatisticsStore store(file); // the link leads to a file that is not ours: set aside
    EXPECT_EQ(store.Record(Round(1, 1, 1)), "");
    EXPECT_EQ(ReadAll(elsewhere), "someone else's file");
    EXPECT_FALSE(fs::is_symlink(file));
}

TEST_F(StatisticsTest, TwoCopiesSharingTheFileCountEveryRound) {
    StatisticsStore first(file);
    StatisticsStore second(file);
    EXPECT_EQ(first.Record(Round(1, 510000, 10000)), "");
    EXPECT_EQ(second.Record(Round(2, 490000, -10000)), "");
    EXPECT_EQ(first.Record(Round(1, 520000, 10000)), "");
    EXPECT_EQ(second.Record(Round(2, 480000, -10000)), "");
    const Statistics kept = StatisticsStore(file).Current();
    EXPECT_EQ(kept.Total().Rounds, 4);
    EXPECT_EQ(kept.Modes[0].Wins, 2);
    EXPECT_EQ(kept.Modes[1].Losses, 2);
    EXPECT_EQ(kept.Modes[1].WorstBankroll, 480000);
    // Each copy's plot is its own game's.
    EXPECT_EQ(second.Current().History, (std::deque<std::int32_t>{490000, 480000}));
    EXPECT_EQ(second.Current().Total().Rounds, 4);

    // Two processes writing at once, each many rounds: the lock keeps every one.
    constexpr int kRounds = 150;
    pid_t children[2];
    for (pid_t& child : children) {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // A write that waited too long for the other copy on a loaded machine says so and
            // leaves its round for the next write: none may be lost, however the writes fall.
            StatisticsStore store(file);
            const std::string later = "統計檔寫入失敗，將於下一局再寫入。";
            for (int round = 0; round < kRounds; ++round)
                if (const std::string notice = store.Record(Round(3, 1000, 0));
                    !notice.empty() && notice != later)
                    _exit(1);
            for (int attempt = 0; attempt < 20 && !store.WriteUnwritten().empty(); ++attempt) {
            }
            _exit(store.WriteUnwritten().empty() ? 0 : 1);
        }
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    EXPECT_EQ(StatisticsStore(file).Current().Modes[2].Rounds, 2 * kRounds);
}

TEST_F(StatisticsTest, OnlyTheNewestTenSetAsideCopiesAreKept) {
    fs::create_directories(file.parent_path());
    for (int n = 1; n <= 1000; ++n)
        WriteAll(file.parent_path() / ("stats.damaged-" + std::to_string(n)), "old");
    WriteAll(file.parent_path() / "stats.damaged-0012x", "not one of ours");
    WriteAll(file, "garbage");
    StatisticsStore store(file);
    EXPECT_EQ(store.SetAsidePath(), file.parent_path() / "stats.damaged-1001");
    EXPECT_EQ(store.Record(Round(1, 1, 1)), ""); // counting goes on
    std::vector<std::string> expected;
    for (int n = 992; n <= 1001; ++n)
        expected.push_back("stats.damaged-" + std::to_string(n));
    expected.push_back("stats.damaged-0012x");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(Others(), expected);
    EXPECT_EQ(ReadAll(file.parent_path() / "stats.damaged-1001"), "garbage");
}

TEST_F(StatisticsTest, AFolderThatCannotBeMadeIsNotCalledADamagedFile) {
    WriteAll(folder / "quorvel", "a file where the folder should be");
    StatisticsStore store(file);
    EXPECT_NE(store.LoadNotice().find("資料夾"), std::string::npos) << store.LoadNotice();
    EXPECT_EQ(store.LoadNotice().find("損壞"), std::string::npos) << store.LoadNotice();
    EXPECT_FALSE(store.Record(Round(1, 1, 1)).empty());
    EXPECT_EQ(ReadAll(folder / "quorvel"), "a file where the folder should be");
}

TEST_F(StatisticsTest, AForeignFileIsNeverQuoted) {
    fs::create_directories(file.parent_path());
    WriteAll(folder / "passwd", "root:x:0:0:secret:/root:/bin/bash\n");
    fs::create_symlink(folder / "passwd", file);
    StatisticsStore linked(file);
    EXPECT_EQ(linked.Damage().find("secret"), std::string::npos) << linked.Damage();
    fs::remove(file);
    WriteAll(file, "root:x:0:0:secret:/root:/bin/bash\n");
    StatisticsStore plain(file);
    EXPECT_EQ(plain.Damage().find("secret"), std::string::npos) << plain.Damage();
    EXPECT_NE(plain.Damage().find("not a statistics file"), std::string::npos) << plain.Damage();
}

} // namespace
} // namespace quorvel
