// Where the game keeps its files with and without the launcher's option, by the XDG rules; and
// the lock on the save folder against a second copy, which asks the first to raise its window.
#include "TestFolder.h"

#include "app/LaunchOptions.h"
#include "system/InstanceLock.h"

#include <atomic>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace quorvel {
namespace {

Environment Env(std::map<std::string, std::string> vars) {
    return [vars = std::move(vars)](const char* name) -> std::optional<std::string> {
        const auto found = vars.find(name);
        if (found == vars.end())
            return std::nullopt;
        return found->second;
    };
}

TEST(Launch, TheSaveStaysInTheWorkingFolderWithoutTheOptionAndMovesWithIt) {
    const UserFolders user = FindUserFolders(Env({{"HOME", "/home/ann"},
                                                  {"XDG_DATA_HOME", "/data/ann"},
                                                  {"XDG_STATE_HOME", "relative/state"}}));
    EXPECT_EQ(user.config, "/home/ann/.config/quorvel");
    EXPECT_EQ(user.data, "/data/ann/quorvel");
    EXPECT_EQ(user.state, "/home/ann/.local/state/quorvel"); // a relative value does not count

    const GameFolders plain = ResolveGameFolders(ParseLaunchOptions({}), user, "/tmp/work");
    EXPECT_EQ(plain.saveFolder, "/tmp/work");
    EXPECT_TRUE(plain.logFile.empty());
    EXPECT_TRUE(plain.roundsFolder.empty());
    EXPECT_EQ(plain.settingsFile, "/home/ann/.config/quorvel/settings.ini");
    EXPECT_EQ(plain.statisticsFile, "/data/ann/quorvel/stats");

    const GameFolders desktop =
        ResolveGameFolders(ParseLaunchOptions({"--desktop"}), user, "/tmp/work");
    EXPECT_EQ(desktop.saveFolder, "/data/ann/quorvel");
    EXPECT_EQ(desktop.logFile, "/home/ann/.local/state/quorvel/quorvel.log");
    EXPECT_EQ(desktop.roundsFolder, "/home/ann/.local/state/quorvel/rounds");
    EXPECT_EQ(desktop.settingsFile, plain.settingsFile);
    EXPECT_EQ(desktop.statisticsFile, plain.statisticsFile);

    EXPECT_EQ(ParseLaunchOptions({"--desktp"}).error, "unknown option: --desktp");
}

TEST(Launch, TheSaveFolderIsMadePrivateWithItsParents) {
    testing::TestFolder home;
    const UserFolders user = FindUserFolders(Env({{"HOME", home.Path().string()}}));
    const GameFolders folders = ResolveGameFolders(ParseLaunchOptions({"--desktop"}), user, "/");
    ASSERT_EQ(MakeFolder(folders.saveFolder), "");
    EXPECT_EQ(folders.saveFolder, home / ".local/share/quorvel");
    struct stat info {};
    ASSERT_EQ(::stat(folders.saveFolder.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(MakeFolder(folders.saveFolder), ""); // already there
    // A file in the way is reported, not taken for a folder.
    std::ofstream(home / "plain") << "x";
    EXPECT_NE(MakeFolder(home / "plain" / "quorvel"), "");
    EXPECT_NE(MakeFolder(home / "plain"), "");
}

TEST(InstanceLock, ASecondCopyFindsTheFolderHeldAndTheFirstRaisesItsWindow) {
    testing::TestFolder folder;
    InstanceLock::Outcome outcome{};
    std::string error;
    auto first = InstanceLock::Acquire(folder, outcome, error);
    ASSERT_EQ(outcome, InstanceLock::Outcome::Locked);
    ASSERT_TRUE(first);
    // Not answering yet: the second copy hears nothing and must say it cannot raise.
    EXPECT_FALSE(AskRunningCopyToRaise(folder, 200));
    std::atomic<int> raised{0};
    ASSERT_TRUE(first->Listen([&raised] { ++raised; }));

    // The same folder by another spelling is the same folder.
    auto second = InstanceLock::Acquire(folder / ".", outcome, error);
    EXPECT_FALSE(second);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Held);
    EXPECT_TRUE(AskRunningCopyToRaise(folder / ".", 2000));
    EXPECT_EQ(raised.load(), 1);

    // Another folder is another game.
    testing::TestFolder other;
    auto elsewhere = InstanceLock::Acquire(other, outcome, error);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Locked);
    EXPECT_FALSE(AskRunningCopyToRaise(other, 200));

    first.reset(); // the first copy ends: the folder is free, and nobody answers
    EXPECT_FALSE(AskRunningCopyToRaise(folder, 200));
    auto third = InstanceLock::Acquire(folder, outcome, error);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Locked);
}

TEST(InstanceLock, AMissingFolderCannotBeLocked) {
    testing::TestFolder folder;
    InstanceLock::Outcome outcome{};
    std::string error;
    EXPECT_FALSE(InstanceLock::Acquire(folder / "gone", outcome, error));
    EXPECT_EQ(outcome, InstanceLock::Outcome::Failed);
    EXPECT_NE(error.find("gone"), std::string::npos);
}

} // namespace
} // namespace quorvel
