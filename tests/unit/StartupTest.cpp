// The game's start-up before its window opens, as main() runs it: nothing under the log's name
// can stop or misuse it, the copy that holds the save folder raises its window or the game
// starts anyway, and the temporary files that killed writes left are cleared.
#include "TestFolder.h"

#include "app/Startup.h"
#include "system/LogFile.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

std::string ReadAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A user's whole world in a test folder: home, the XDG folders and the runtime folder.
class StartupTest : public ::testing::Test {
protected:
    testing::TestFolder home{"quorvel-home"};
    const fs::path state = home / "state" / "quorvel";
    const fs::path data = home / "data" / "quorvel";
    const fs::path config = home / "config" / "quorvel";
    const fs::path runtime = home / "run" / "quorvel";
    const LaunchOptions desktop = ParseLaunchOptions({"--desktop"});

    void SetUp() override {
        fs::create_directories(state);
        fs::create_directories(runtime.parent_path());
        ASSERT_EQ(::chmod(runtime.parent_path().c_str(), 0700), 0);
    }
    Environment Env() const {
        std::map<std::string, std::string> vars{
            {"HOME", home.Path().string()},
            {"XDG_STATE_HOME", (home / "state").string()},
            {"XDG_DATA_HOME", (home / "data").string()},
            {"XDG_CONFIG_HOME", (home / "config").string()},
            {"XDG_RUNTIME_DIR", (home / "run").string()}};
        return [vars](const char* name) -> std::optional<std::string> {
            const auto found = vars.find(name);
            return found == vars.end() ? std::nullopt : std::optional(found->second);
        };
    }
    Startup Prepare(std::ostream& terminal, int raiseAnswerMs = 500) const {
        return PrepareStartup(desktop, Env(), home.Path(), terminal, raiseAnswerMs);
    }
    // Runs the start-up in a child process that must be done within `seconds`; false when it
    // was still running then (it is killed) or failed.
    bool PreparesWithin(int seconds) const {
        const pid_t child = fork();
        if (child == 0) {
            std::ostringstream terminal;
            const Startup start = Prepare(terminal);
            _exit(start.next == Startup::Next::Run && !start.log->IsOpen() &&
                          start.notices.size() == 1
                      ? 0
                      : 1);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
        int status = 0;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }
};

TEST_F(StartupTest, AFifoOrALinkUnderTheLogsNameNeitherStopsNorMisleadsTheGame) {
    // A FIFO used to block the start in open() for ever: no window, no message.
    ASSERT_EQ(::mkfifo((state / "quorvel.log").c_str(), 0600), 0);
    EXPECT_TRUE(PreparesWithin(10));
    std::ostringstream terminal;
    Startup start = Prepare(terminal);
    ASSERT_EQ(start.notices.size(), 1u);
    EXPECT_NE(start.notices[0].find("no log: "), std::string::npos) << start.notices[0];
    EXPECT_NE(start.notices[0].find("not a regular file"), std::string::npos) << start.notices[0];
    EXPECT_TRUE(start.lock);
    start = {};

    // A planted link is not written through.
    fs::remove(state / "quorvel.log");
    std::ofstream(home / "target") << "not the game's\n";
    fs::create_symlink(home / "target", state / "quorvel.log");
    start = Prepare(terminal);
    EXPECT_FALSE(start.log->IsOpen());
    start.log->Write("an error report");
    EXPECT_EQ(ReadAll(home / "target"), "not the game's\n");
    ASSERT_EQ(start.notices.size(), 1u);
    start = {};

    // A regular log is appended to.
    fs::remove(state / "quorvel.log");
    start = Prepare(terminal);
    EXPECT_TRUE(start.notices.empty());
    start.log->Write("an error report");
    EXPECT_NE(ReadAll(state / "quorvel.log").find("an error report"), std::string::npos);
}

TEST_F(StartupTest, ASecondCopyRaisesTheFirstOrStartsWhenItDoesNotAnswer) {
    std::ostringstream terminal;
    Startup first = Prepare(terminal);
    ASSERT_EQ(first.next, Startup::Next::Run);
    ASSERT_TRUE(first.lock);
    std::atomic<bool> windowUp{true};
    ASSERT_TRUE(first.lock->Listen([&windowUp] { return windowUp.load(); }));

    // The second copy never opens the log: a FIFO there does not hold it up either.
    fs::remove(state / "quorvel.log");
    ASSERT_EQ(::mkfifo((state / "quorvel.log").c_str(), 0600), 0);
    const Startup second = Prepare(terminal);
    EXPECT_EQ(second.next, Startup::Next::Leave);
    EXPECT_NE(terminal.str().find("brought to the front"), std::string::npos);

    // A first copy whose main loop is stuck cannot raise its window: say so and start.
    windowUp = false;
    fs::remove(state / "quorvel.log");
    const Startup third = Prepare(terminal);
    EXPECT_EQ(third.next, Startup::Next::Run);
    EXPECT_FALSE(third.lock);
    ASSERT_EQ(third.notices.size(), 1u);
    EXPECT_NE(third.notices[0].find("does not answer"), std::string::npos) << third.notices[0];
}

TEST_F(StartupTest, AnotherUsersRuntimeFolderNeverStopsTheGame) {
    fs::create_directories(runtime);
    ASSERT_EQ(::chown(runtime.c_str(), 65534, 65534), 0);
    std::ostringstream terminal;
    const Startup start = Prepare(terminal);
    EXPECT_EQ(start.next, Startup::Next::Run);
    EXPECT_FALSE(start.lock);
    EXPECT_NE(terminal.str().find("cannot be locked"), std::string::npos) << terminal.str();
}

TEST_F(StartupTest, LeftOverTemporaryFilesGoOnlyWhenOldAndNotBeingWritten) {
    fs::create_directories(data);
    fs::create_directories(config);
    auto make = [](const fs::path& file, int ageSeconds) {
        std::ofstream(file) << "half a file";
        const timespec times[2] = {{::time(nullptr) - ageSeconds, 0},
                                   {::time(nullptr) - ageSeconds, 0}};
        ::utimensat(AT_FDCWD, file.c_str(), times, 0);
    };
    make(data / "mysave.sav.tmp-Aaaaaa", 120);      // killed long ago
    make(data / "mysave.sav.tmp-Bbbbbb", 5);        // being written just now
    make(data / "mysave.sav.tmp-Cccccc", 120);      // old, but a writer still holds it
    make(config / "settings.ini.tmp-Dddddd", 120);  // killed long ago
    make(data / "mysave.sav.old", 120);             // not a temporary name
    make(home / "elsewhere", 120);
    const timespec old[2] = {{::time(nullptr) - 120, 0}, {::time(nullptr) - 120, 0}};
    fs::create_symlink(home / "elsewhere", data / "mysave.sav.tmp-Eeeeee");
    ::utimensat(AT_FDCWD, (data / "mysave.sav.tmp-Eeeeee").c_str(), old, AT_SYMLINK_NOFOLLOW);
    const int writer = ::open((data / "mysave.sav.tmp-Cccccc").c_str(), O_RDWR);
    ASSERT_EQ(::flock(writer, LOCK_EX), 0);

    std::ostringstream terminal;
    const Startup start = Prepare(terminal);
    ::close(writer);
    EXPECT_FALSE(fs::exists(data / "mysave.sav.tmp-Aaaaaa"));
    EXPECT_TRUE(fs::exists(data / "mysave.sav.tmp-Bbbbbb"));
    EXPECT_TRUE(fs::exists(data / "mysave.sav.tmp-Cccccc"));
    EXPECT_FALSE(fs::exists(config / "settings.ini.tmp-Dddddd"));
    EXPECT_TRUE(fs::exists(data / "mysave.sav.old"));
    EXPECT_TRUE(fs::is_symlink(data / "mysave.sav.tmp-Eeeeee"));
    EXPECT_TRUE(fs::exists(home / "elsewhere"));
}

} // namespace
} // namespace quorvel
