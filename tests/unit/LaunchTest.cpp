// Where the game keeps its files with and without the launcher's option, by the XDG rules; and
// the lock on the save folder against a second copy, which asks the first to raise its window,
// in a place no other user can take.
#include "TestFolder.h"

#include "app/LaunchOptions.h"
#include "system/InstanceLock.h"

#include <algorithm>
#include <atomic>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(Launch, ASeedIsANumberThatFollowsItsOption) {
    EXPECT_FALSE(ParseLaunchOptions({"--desktop"}).seed);
    const LaunchOptions seeded = ParseLaunchOptions({"--seed", "42", "--desktop"});
    EXPECT_EQ(seeded.seed, 42u);
    EXPECT_TRUE(seeded.desktop);
    EXPECT_TRUE(seeded.error.empty());
    EXPECT_EQ(ParseLaunchOptions({"--seed", "18446744073709551615"}).seed, UINT64_MAX);
    // Without a number the option is refused, and the next option is not taken for its value.
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--seed"}, {"--seed", "-1"}, {"--seed", "+1"}, {"--seed", "7x"},
          {"--seed", ""}, {"--seed", "18446744073709551616"}, {"--seed", "--desktop"}}) {
        const LaunchOptions options = ParseLaunchOptions(bad);
        EXPECT_FALSE(options.seed) << bad.back();
        EXPECT_FALSE(options.error.empty()) << bad.back();
    }
    EXPECT_TRUE(ParseLaunchOptions({"--seed", "--desktop"}).desktop);
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

// A save folder and a private runtime folder, as the lock uses them.
struct LockFolders {
    testing::TestFolder save{"quorvel-save"};
    testing::TestFolder runtimeParent{"quorvel-run"};
    std::filesystem::path runtime = runtimeParent / "quorvel";
};

TEST(InstanceLock, ASecondCopyFindsTheFolderHeldAndTheFirstRaisesItsWindow) {
    LockFolders f;
    InstanceLock::Outcome outcome{};
    std::string error;
    auto first = InstanceLock::Acquire(f.save, f.runtime, outcome, error);
    ASSERT_EQ(outcome, InstanceLock::Outcome::Locked) << error;
    ASSERT_TRUE(first);
    // Not answering yet: the second copy hears nothing and must say it cannot raise.
    EXPECT_FALSE(AskRunningCopyToRaise(f.save, f.runtime, 200));
    std::atomic<int> raised{0};
    ASSERT_TRUE(first->Listen([&raised] { return ++raised > 0; }));

    // The same folder by another spelling is the same folder.
    auto second = InstanceLock::Acquire(f.save / ".", f.runtime, outcome, error);
    EXPECT_FALSE(second);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Held);
    EXPECT_TRUE(AskRunningCopyToRaise(f.save / ".", f.runtime, 2000));
    EXPECT_EQ(raised.load(), 1);

    // Another folder is another game.
    testing::TestFolder other;
    auto elsewhere = InstanceLock::Acquire(other, f.runtime, outcome, error);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Locked);
    EXPECT_FALSE(AskRunningCopyToRaise(other, f.runtime, 200));

    first.reset(); // the first copy ends: the folder is free, and nobody answers
    EXPECT_FALSE(AskRunningCopyToRaise(f.save, f.runtime, 200));
    auto third = InstanceLock::Acquire(f.save, f.runtime, outcome, error);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Locked);
}

TEST(InstanceLock, TheAnswerIsGivenOnlyWhenTheWindowWasReallyRaised) {
    LockFolders f;
    InstanceLock::Outcome outcome{};
    std::string error;
    auto first = InstanceLock::Acquire(f.save, f.runtime, outcome, error);
    ASSERT_TRUE(first) << error;
    std::atomic<int> asked{0};
    // A main loop that is stuck never gets to raise the window.
    ASSERT_TRUE(first->Listen([&asked] {
        ++asked;
        return false;
    }));
    EXPECT_FALSE(AskRunningCopyToRaise(f.save, f.runtime, 2000));
    EXPECT_EQ(asked.load(), 1);
}

TEST(InstanceLock, NoOtherUserCanTakeTheLockOrItsPlace) {
    LockFolders f;
    InstanceLock::Outcome outcome{};
    std::string error;
    // Anyone who can open the save folder can lock it; that lock no longer counts.
    const int folder = ::open(f.save.Path().c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(::flock(folder, LOCK_EX | LOCK_NB), 0);
    auto lock = InstanceLock::Acquire(f.save, f.runtime, outcome, error);
    EXPECT_EQ(outcome, InstanceLock::Outcome::Locked) << error;
    ::close(folder);
    // The lock and the socket live in a folder only this user can enter.
    ASSERT_TRUE(lock->Listen([] { return true; }));
    struct stat info {};
    ASSERT_EQ(::lstat(f.runtime.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(info.st_uid, ::getuid());
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(f.runtime))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    const std::string key = InstanceLock::Key(f.save);
    EXPECT_EQ(names, (std::vector<std::string>{key + ".lock", key + ".sock"}));
    lock.reset();

    // A runtime folder another user made, or one others may enter, is not used at all: the
    // game starts without the lock (see the start-up tests) rather than trust it.
    ASSERT_EQ(::chmod(f.runtime.c_str(), 0755), 0);
    EXPECT_FALSE(InstanceLock::Acquire(f.save, f.runtime, outcome, error));
    EXPECT_EQ(outcome, InstanceLock::Outcome::Failed);
    EXPECT_NE(error.find("open to other users"), std::string::npos) << error;
    ASSERT_EQ(::chmod(f.runtime.c_str(), 0700), 0);
    ASSERT_EQ(::chown(f.runtime.c_str(), 65534, 65534), 0); // as if "nobody" had made it first
    EXPECT_FALSE(InstanceLock::Acquire(f.save, f.runtime, outcome, error));
    EXPECT_NE(error.find("belongs to another user"), std::string::npos) << error;
    std::filesystem::remove_all(f.runtime);
    std::filesystem::create_directory_symlink(f.save.Path(), f.runtime);
    EXPECT_FALSE(InstanceLock::Acquire(f.save, f.runtime, outcome, error));
    EXPECT_NE(error.find("not a folder"), std::string::npos) << error;
}

TEST(InstanceLock, TheRuntimeFolderFollowsTheXdgRule) {
    EXPECT_EQ(FindRuntimeFolder(Env({{"XDG_RUNTIME_DIR", "/run/user/1000"}})),
              "/run/user/1000/quorvel");
    EXPECT_EQ(FindRuntimeFolder(Env({{"XDG_RUNTIME_DIR", "relative"}})),
              "/tmp/quorvel-" + std::to_string(::getuid()));
}

} // namespace
} // namespace quorvel
