// A monkey: thousands of seeded random clicks and hovers on whatever controls are showing and
// enabled, through every screen the clicks reach, with saves and loads in a folder of its
// own. Nothing may throw or crash (the sanitizer build runs it too), some screen is always
// shown until the game ends, and every save written is one the loader takes.
#include "HeadlessGame.h"
#include "cards/SeededRandom.h"
#include "players/SaveFile.h"

#include <gtest/gtest.h>
#include <random>
#include <unistd.h>

namespace quorvel {
namespace {

// A whole game headless, its draws from a seeded generator.
struct Rig {
    explicit Rig(std::uint64_t seed, const std::filesystem::path& folder) : random(seed) {
        game = std::make_unique<Game>(app, random, folder);
        game->Start();
    }
    VirtualClock clock;
    testing::CountingPictures pictures;
    SilentSound sound;
    RecordingDisplay display{{1024, 768}};
    SeededRandom random;
    App app{clock, pictures, sound, display};
    std::unique_ptr<Game> game;
};

// The controls a person could reach now: showing and enabled, on the shown screens.
std::vector<Control*> Reachable(const App& app) {
    std::vector<Control*> found;
    for (Screen* screen : app.ShownScreens())
        for (const auto& control : screen->Controls())
            if (control->Showing() && control->Enabled())
                found.push_back(control.get());
    return found;
}

TEST(Monkey, RandomClicksThroughEveryScreenKeepTheGameWhole) {
    const auto folder =
        std::filesystem::temp_directory_path() / ("quorvel-monkey-" + std::to_string(getpid()));
    std::filesystem::create_directories(folder);
    std::mt19937 pick(20240611);
    int clicks = 0;
    int games = 0;
    std::set<std::string> screensSeen;
    while (clicks < 4000) {
        Rig g(pick(), folder);
        ++games;
        for (int step = 0; step < 800 && !g.app.Terminated(); ++step, ++clicks) {
            const auto reachable = Reachable(g.app);
            ASSERT_FALSE(reachable.empty()) << "nothing to click after " << clicks << " clicks";
            Control& control = *reachable[pick() % reachable.size()];
            if (pick() % 4 == 0)
                g.app.HoverControl(control);
            else
                g.app.ClickControl(control,
                                   pick() % 8 == 0 ? MouseButton::Right : MouseButton::Left);
            g.app.Idle(static_cast<int>(pick() % 3000));
            for (Screen* s : g.app.ShownScreens())
                screensSeen.insert(std::string(s->Name()));
            if (!g.app.Terminated()) {
                ASSERT_FALSE(g.app.ShownScreens().empty()) << "no screen after " << clicks;
            }
            if (std::filesystem::exists(g.game->SaveFilePath())) {
                SaveBuffer check;
                const LoadResult loaded = check.Load(g.game->SaveFilePath());
                ASSERT_TRUE(loaded.Ok()) << loaded.Error << " after " << clicks << " clicks";
            }
        }
    }
    std::filesystem::remove_all(folder);
    EXPECT_GE(screensSeen.size(), 6u) << "the monkey reached too few screens";
    std::cout << clicks << " clicks in " << games << " games reached " << screensSeen.size()
              << " screens\n";
}

} // namespace
} // namespace quorvel
