// Start-up benchmark: the game's own start-up on the real platform, then the time from launch
// to the first frame of the main menu and to its last frame (after which the screen stays
// unchanged), resident and peak memory on the main menu, the CPU time used while the blocking
// wait idles for 2000 ms; with --tour FILE, the peak memory after the tour's steps (see
// bench/tour.txt). Run by bench/startup.sh under a display.
#include "app/Game.h"
#include "app/LaunchOptions.h"
#include "app/PicturePainting.h"
#include "app/SettingsFile.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/Control.h"
#include "gui/Screen.h"
#include "gui/sdl/SdlPlatform.h"
#include "system/UserFiles.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

double NowRealtimeMs() {
    using namespace std::chrono;
    return duration<double, std::milli>(system_clock::now().time_since_epoch()).count();
}

double CpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// A line of /proc/self/status ("VmRSS", "VmHWM") [kB].
long StatusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0)
            return std::atol(line.c_str() + field.size() + 1);
    return -1;
}

// A tour: its steps run one after the other from timers, so a step whose handler waits (a
// modal dialog, a deal) lets the next step run inside that wait, as a user's click would.
class Tour {
public:
    Tour(quorvel::App& app, std::string file, std::function<void(bool)> done)
        : app_(app), file_(std::move(file)), done_(std::move(done)) {}

    void Start() {
        std::ifstream in(file_);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", file_.c_str());
            return done_(false);
        }
        for (std::string line; std::getline(in, line);) {
            std::istringstream words(line);
            std::string command;
            std::string argument;
            words >> command >> argument;
            if (!command.empty() && command[0] != '#')
                steps_.push_back({command, argument, line});
        }
        Step(0);
    }
    int ClicksTaken() const { return clicksTaken_; }
    int ClicksSkipped() const { return clicksSkipped_; }

private:
    struct Entry {
        std::string command;
        std::string argument;
        std::string line;
    };
    // Between two clicks [ms].
    static constexpr int kClickGapMs = 50;

    // How long an awaited control may take to be offered [ms] before the tour goes on without
    // it, and how often it is looked at.
    static constexpr int kAwaitLimitMs = 20000;
    static constexpr int kAwaitPollMs = 50;

    static bool TakesClicks(const quorvel::Control& control) {
        return control.Owner()->Visible() && control.Showing() && control.Enabled();
    }

    void Step(std::size_t at, int awaitedMs = 0) {
        if (at == steps_.size())
            return done_(true);
        const Entry& step = steps_[at];
        const bool click = step.command == "click" || step.command == "await";
        quorvel::Control* control = click ? app_.FindControl(step.argument) : nullptr;
        quorvel::Screen* screen = step.command == "show" || step.command == "hide"
                                      ? app_.FindScreen(step.argument)
                                      : nullptr;
        const bool wait = step.command == "wait";
        if (!control && !screen && !wait) {
            std::fprintf(stderr, "%s: cannot do \"%s\"\n", file_.c_str(), step.line.c_str());
            return done_(false);
        }
        // An awaited control is clicked once the game is between its steps (a click during
        // a step's wait is refused as busy, and a slow screen would lose its way), or while
        // it waits when it has shown the control that long.
        const bool idle = app_.WaitDepth() == 0 || awaitedMs >= kAwaitLimitMs / 2;
        if (step.command == "await" && (!TakesClicks(*control) || !idle)) {
            if (awaitedMs >= kAwaitLimitMs) {
                // A deal that took another way (a bust ends a turn early): counted and passed.
                std::fprintf(stderr, "%s: never offered \"%s\"\n", file_.c_str(),
                             step.line.c_str());
                ++clicksSkipped_;
                return Step(at + 1);
            }
            app_.After(kAwaitPollMs, [this, at, awaitedMs] { Step(at, awaitedMs + kAwaitPollMs); });
            return;
        }
        app_.After(wait ? std::atoi(step.argument.c_str()) : kClickGapMs,
                   [this, at] { Step(at + 1); });
        if (control) {
            // A click the screen does not take now (hidden, disabled) is skipped, as the
            // user's would be; the report counts them so a tour that lost its way shows.
            const bool takes = TakesClicks(*control);
            ++(takes ? clicksTaken_ : clicksSkipped_);
            if (!takes)
                std::fprintf(stderr, "%s: skipped \"%s\"\n", file_.c_str(), step.line.c_str());
            app_.ClickControl(*control);
        } else if (screen && step.command == "show")
            app_.ShowScreen(*screen);
        else if (screen)
            app_.HideScreen(*screen);
    }

    quorvel::App& app_;
    std::string file_;
    std::function<void(bool)> done_;
    std::vector<Entry> steps_;
    int clicksTaken_ = 0;
    int clicksSkipped_ = 0;
};

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    // The launch instant [ms since the epoch], taken by the script just before starting us.
    const double launched = argc > 1 ? std::atof(argv[1]) / 1e6 : NowRealtimeMs();
    const std::string tour = argc > 3 && std::string(argv[2]) == "--tour" ? argv[3] : "";
    const double entered = NowRealtimeMs() - launched;
    // The game as the player runs it: settings, the question before leaving, statistics and
    // pictures painted at the screen's size, in the folders the environment names
    // (bench/startup.sh points them at a folder of its own).
    const GameFolders folders = ResolveGameFolders(
        LaunchOptions{}, FindUserFolders(ProcessVariable), std::filesystem::temp_directory_path());
    const std::unique_ptr<PicturePainter> painter = MakePicturePainter();
    SdlPlatform platform(SdlPlatform::Options{.dataFolder = FindDataFolder(),
                                              .headless = false,
                                              .painter = painter.get(),
                                              .pictureCache = folders.pictureCache});
    App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
    platform.Attach(app);
    // The game's clock [ms] + this = wall time [ms since the epoch].
    const double clockToWall = NowRealtimeMs() - static_cast<double>(app.GetClock().NowMs());
    const double platformUp = NowRealtimeMs() - launched;
    // A tour deals the same cards on every run, so that its steps meet the same rounds.
    constexpr std::uint64_t kTourSeed = 20261208;
    SeededRandom random = tour.empty() ? SeededRandom() : SeededRandom(kTourSeed);
    Game game(app, random, folders.saveFolder);
    game.EnableDesktop({folders.settingsFile, folders.settingsFile.empty()
                                                  ? SettingsRead{}
                                                  : LoadSettings(folders.settingsFile)});
    if (!folders.statisticsFile.empty())
        game.KeepStatistics(folders.statisticsFile);
    game.Start();
    const double screensMade = NowRealtimeMs() - launched;
    int status = 0;
    Tour touring(app, tour, [&](bool ok) {
        if (ok)
            std::printf("after the tour: resident %ld kB, peak (VmHWM) %ld kB (clicks taken %d, "
                        "skipped %d)\n",
                        StatusKb("VmRSS"), StatusKb("VmHWM"), touring.ClicksTaken(),
                        touring.ClicksSkipped());
        status = ok ? 0 : 1;
        app.Terminate();
    });
    // The event loop draws the first frame before it waits; this timer runs right after it.
    app.After(1, [&] {
        while (app.FramesPresented() == 0)
            app.Delay(1);
        const double firstFrame = static_cast<double>(app.LastFrameMs()) + clockToWall - launched;
        const double cpuFirstFrame = CpuMs();
        const double cpuBefore = CpuMs();
        app.Delay(2000);
        const double cpuWait = CpuMs() - cpuBefore;
        const double painted = static_cast<double>(app.LastFrameMs()) + clockToWall - launched;
        std::printf(
            "launch to first frame of the main menu: %.1f ms (process CPU by then %.1f ms)\n",
            firstFrame, cpuFirstFrame);
        std::printf("  of which: to main %.1f ms, platform and window %.1f ms, the fourteen "
                    "screens %.1f ms, first frame %.1f ms\n",
                    entered, platformUp - entered, screensMade - platformUp,
                    firstFrame - screensMade);
        std::printf("launch to the main menu painted (last frame): %.1f ms\n", painted);
        std::printf("frames presented: %d\n", app.FramesPresented());
        std::printf("main menu resident memory (VmRSS): %ld kB\n", StatusKb("VmRSS"));
        std::printf("main menu peak memory (VmHWM): %ld kB\n", StatusKb("VmHWM"));
        std::printf("CPU time during a 2000 ms wait: %.1f ms\n", cpuWait);
        const auto& cache = platform.Painted().Cache().GetCounts();
        std::printf(
            "pictures made at the screen's size %d, read from the cache %d, refused there %d\n",
            platform.Painted().PaintedCount(), cache.hits, cache.refused);
        if (tour.empty())
            return app.Terminate();
        app.After(0, [&] { touring.Start(); });
    });
    app.Run();
    return status;
}
