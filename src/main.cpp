// Quorvel: reads the command line, prepares the start (the save folder locked against a second
// copy, which raises the first copy's window instead; the log; left-over files), reads the
// settings and the statistics, and starts the game.
// Everything else lives in the library the tests share.
#include "app/Game.h"
#include "app/LaunchOptions.h"
#include "app/PicturePainting.h"
#include "app/Startup.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/sdl/ErrorWindow.h"
#include "gui/sdl/SdlPlatform.h"
#include "gui/sdl/SdlPump.h"
#include "system/InstanceLock.h"
#include "system/LogFile.h"
#include "system/UserFiles.h"

#include <SDL.h>

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <stdexcept>

namespace {

// How long the helper waits for the main loop to raise the window for a second copy [ms].
constexpr int kRaiseHandledMs = 1000;

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
    Startup start = PrepareStartup(options, ProcessVariable, std::filesystem::current_path(ec),
                                   std::cerr);
    LogFile& log = *start.log;
    if (start.next == Startup::Next::Leave)
        return 0;
    if (start.next == Startup::Next::Fail)
        return StartupFailure(start.failure, log);
    const GameFolders& folders = start.folders;
    InstanceLock* lock = start.lock.get();

    try {
        const std::filesystem::path data = FindDataFolder();
        const std::unique_ptr<PicturePainter> painter = MakePicturePainter();
        SdlPlatform platform(SdlPlatform::Options{.dataFolder = data,
                                                  .headless = false,
                                                  .painter = painter.get(),
                                                  .pictureCache = folders.pictureCache});
        App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
        if (log.IsOpen())
            app.SetErrorLog([&log](std::string_view text) { log.Write(text); });
        platform.Attach(app);
        for (const std::string& notice : start.notices)
            app.ReportError(notice);
        StopListening stop{lock};
        // The answer "raised" is given only once the main loop has raised the window.
        if (lock && !lock->Listen([] { return SdlPump::RaiseWithin(kRaiseHandledMs); }))
            std::cerr << "quorvel: a second copy will not be able to raise this window\n";
        // Seeded once, from the system's entropy source unless a test gave the seed.
        SeededRandom random = options.seed ? SeededRandom(*options.seed) : SeededRandom();
        Game game(app, random, folders.saveFolder);
        game.EnableDesktop({folders.settingsFile, folders.settingsFile.empty()
                                                      ? SettingsRead{}
                                                      : LoadSettings(folders.settingsFile)});
        if (!folders.statisticsFile.empty())
            game.KeepStatistics(folders.statisticsFile);
        game.ShowCharacterEdges(data / kCharacterEdgesFile);
        if (!folders.roundsFolder.empty())
            game.RecordRounds(folders.roundsFolder);
        game.Start();
        app.Run();
        return 0;
    } catch (const std::exception& e) {
        return StartupFailure(e.what(), log);
    }
}
