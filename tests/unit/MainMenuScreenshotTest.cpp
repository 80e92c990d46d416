// A pixel-exact screenshot of the main menu as the game draws it at 800x600: the generated
// pictures, the Ming face and the composition together. When the artwork or the drawing
// changes on purpose, look at the BMP this test writes and update the fingerprint below.
#include "TestFolder.h"
#include "app/Game.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/SdlPlatform.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <iomanip>
#include <sstream>

namespace quorvel {
namespace {

// FNV-1a over the pixels, with the size first.
std::string Fingerprint(const Picture& picture) {
    std::uint64_t h = 1469598103934665603ull;
    auto mix = [&h](std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            h ^= (v >> (8 * i)) & 0xFF;
            h *= 1099511628211ull;
        }
    };
    mix(static_cast<std::uint32_t>(picture.width));
    mix(static_cast<std::uint32_t>(picture.height));
    for (std::uint32_t p : picture.pixels)
        mix(p);
    std::ostringstream out;
    out << std::hex << std::setw(16) << std::setfill('0') << h;
    return out.str();
}

constexpr const char* kMainMenuFingerprint = "06d9f49c5e186faf";

TEST(MainMenuScreenshot, MatchesThePixelsOfTheReferenceFrame) {
    const std::filesystem::path data = std::filesystem::absolute("data");
    if (!std::filesystem::exists(data / ".generated"))
        GTEST_SKIP() << "no generated data folder beside the tests";
    SdlPlatform platform(SdlPlatform::Options{.dataFolder = data, .headless = true});
    App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
    platform.Attach(app);
    SeededRandom random(1);
    testing::TestFolder folder;
    Game game(app, random, folder.Path());
    game.Start();
    ASSERT_TRUE(app.CurrentNotices().empty()) << app.CurrentNotices().front().text;

    const Picture frame = RenderScreens(app, platform.Text());
    ASSERT_EQ(frame.width, 800);
    ASSERT_EQ(frame.height, 600);
    const std::string actual = Fingerprint(frame);
    if (actual != kMainMenuFingerprint) {
        SaveBmp(frame, "main-menu-actual.bmp");
        FAIL() << "main menu fingerprint " << actual << " (expected " << kMainMenuFingerprint
               << "); the frame is in main-menu-actual.bmp";
    }
}

} // namespace
} // namespace quorvel
