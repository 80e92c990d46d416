// Start-up benchmark: the game's own start-up on the real platform, then the time from launch
// to the first frame of the main menu, the peak memory, and the CPU time the process uses
// while the blocking wait idles for 2000 ms. Run by bench/startup.sh under a display.
#include "app/Game.h"
#include "cards/SeededRandom.h"
#include "platform/App.h"
#include "platform/sdl/SdlPlatform.h"

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

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

std::string PeakMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return line.substr(6);
    return "?";
}

} // namespace

int main(int argc, char** argv) {
    using namespace quorvel;
    // The launch instant [ms since the epoch], taken by the script just before starting us.
    const double launched = argc > 1 ? std::atof(argv[1]) / 1e6 : NowRealtimeMs();
    SdlPlatform platform(SdlPlatform::Options{.dataFolder = FindDataFolder(), .headless = false});
    App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
    platform.Attach(app);
    SeededRandom random;
    Game game(app, random, std::filesystem::temp_directory_path());
    game.Start();
    // The event loop draws the first frame before it waits; this timer runs right after it.
    app.After(1, [&] {
        const double firstFrame = NowRealtimeMs() - launched;
        const double cpuBefore = CpuMs();
        app.Delay(2000);
        const double cpuWait = CpuMs() - cpuBefore;
        std::printf("launch to first frame of the main menu: %.1f ms\n", firstFrame);
        std::printf("peak memory (VmHWM):%s\n", PeakMemory().c_str());
        std::printf("CPU time during a 2000 ms wait: %.1f ms\n", cpuWait);
        app.Terminate();
    });
    app.Run();
    return 0;
}
