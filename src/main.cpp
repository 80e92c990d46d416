// Quorvel: reads the command line, finds the save folder (locked against a second copy, which
// raises the first copy's window instead), the settings, the statistics and the log, and starts
// the game.
// Everything else lives in the library the tests share.
#include "app/Game.h"
#include "app/LaunchOptions.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "system/InstanceLock.h"
#include "system/LogFile.h"
#include "system/UserFiles.h"
#include "gui/sdl/ErrorWindow.h"
#include "gui/sdl/SdlPlatform.h"
#include "gui/sdl/SdlPump.h"

#include <SDL.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace {

// How long a second copy waits for the first to say it raised its window [ms].
constexpr int kRaiseAnswerMs = 2000;

// Reports a start-up problem on the terminal, in the log and in a window; the exit code 1.
int StartupFailure(const std::string& text, quorvel::LogFile& log) {
    std::cerr << "quorvel: " << text << '\n';
    log.Write(text);
    quorvel::ShowStartupError(text);
    SDL_Quit();
    return 1;
}

// Stops answering second copies before SDL ends, however the game ends.
struct StopListening {
    quorvel::InstanceLock* lock;
    ~StopListening() {
        if (lock)
            lock->StopListening();
    }
};

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    const LaunchOptions options =
        ParseLaunchOptions(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
    if (!options.error.empty() || options.help) {
        (options.help ? std::cout : std::cerr)
            << (options.error.empty() ? "" : "quorvel: " + options.error + "\n") << UsageText();
        return options.help ? 0 : 2;
    }
    if (options.version) {
        std::cout << "quorvel " << QUORVEL_VERSION << '\n';
        return 0;
    }

    std::error_code ec;
    const GameFolders folders = ResolveGameFolders(options, FindUserFolders(ProcessVariable),
                                                   std::filesystem::current_path(ec));
    LogFile log;
    if (!folders.logFile.empty())
        if (const std::string error = log.Open(folders.logFile); !error.empty())
            std::cerr << "quorvel: no log (" << error << ")\n";
    if (folders.saveFolder.empty())
        return StartupFailure("找不到存檔的資料夾 (no home folder for the saved game)", log);
    if (options.desktop)
        if (const std::string error = MakeFolder(folders.saveFolder); !error.empty())
            return StartupFailure(
                "無法建立存檔的資料夾 (cannot make the save folder: " + error + ")", log);

    // One copy per save folder: a second one raises the first and leaves the save alone.
    InstanceLock::Outcome outcome = InstanceLock::Outcome::Failed;
    std::string lockError;
    std::unique_ptr<InstanceLock> lock =
        InstanceLock::Acquire(folders.saveFolder, outcome, lockError);
    if (outcome == InstanceLock::Outcome::Held) {
        if (AskRunningCopyToRaise(folders.saveFolder, kRaiseAnswerMs)) {
            std::cerr << "quorvel: already running with the save folder "
                      << folders.saveFolder.string() << "; its window was brought to the front\n";
            return 0;
        }
        return StartupFailure("遊戲已經在執行中，無法再開一個；存檔未被更動 (Quorvel is already "
                              "running with the save folder " +
                                  folders.saveFolder.string() +
                                  " and could not be brought to the front; the save is untouched)",
                              log);
    }
    if (outcome == InstanceLock::Outcome::Failed)
        std::cerr << "quorvel: the save folder cannot be locked against a second copy ("
                  << lockError << ")\n";

    try {
        SdlPlatform platform(
            SdlPlatform::Options{.dataFolder = FindDataFolder(), .headless = false});
        App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
        if (log.IsOpen())
            app.SetErrorLog([&log](std::string_view text) { log.Write(text); });
        platform.Attach(app);
        StopListening stop{lock.get()};
        if (lock && !lock->Listen([] { SdlPump::PostRaise(); }))
            std::cerr << "quorvel: a second copy will not be able to raise this window\n";
        SeededRandom random; // seeded once from the system's entropy source
        Game game(app, random, folders.saveFolder);
        game.EnableDesktop({folders.settingsFile, folders.settingsFile.empty()
                                                      ? SettingsRead{}
                                                      : LoadSettings(folders.settingsFile)});
        if (!folders.statisticsFile.empty())
            game.KeepStatistics(folders.statisticsFile);
        if (!folders.roundsFolder.empty())
            game.RecordRounds(folders.roundsFolder);
        game.Start();
        app.Run();
        return 0;
    } catch (const std::exception& e) {
        return StartupFailure(e.what(), log);
    }
}
