// Error notices stay readable however many reports come in: a text on screen is shown once,
// only a few lines show with the rest counted, and a missing data folder is said once and
// stays said while every screen of the game fails to find its pictures.
#include "TestFolder.h"
#include "app/Game.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/sdl/SdlPlatform.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct Fixture {
    VirtualClock clock;
    SilentSound sound;
    RecordingDisplay display;
    struct NoPictures final : PictureSource {
        std::shared_ptr<const Picture> Load(std::string_view, std::string& error) override {
            error = "missing";
            return nullptr;
        }
    } pictures;
    App app{clock, pictures, sound, display};
};

TEST(Notices, ManyReportsShowAFewLinesAndCountTheRest) {
    Fixture f;
    for (int i = 0; i < 50; ++i)
        f.app.ReportError("error " + std::to_string(i));
    for (int i = 0; i < 20; ++i)
        f.app.ReportError("error 7");
    auto shown = f.app.CurrentNotices();
    ASSERT_EQ(shown.size(), App::kShownNotices);
    EXPECT_EQ(shown[0].text, "error 0"); // the oldest usually names the cause
    EXPECT_EQ(shown[1].text, "error 1");
    EXPECT_NE(shown[2].text.find("另有 48 "), std::string::npos) << shown[2].text;

    f.clock.AdvanceTo(App::kNoticeMs + 1);
    EXPECT_TRUE(f.app.CurrentNotices().empty());
    f.app.ReportError("again", true);
    f.clock.AdvanceTo(100 * App::kNoticeMs);
    ASSERT_EQ(f.app.CurrentNotices().size(), 1u);
    EXPECT_EQ(f.app.CurrentNotices()[0].text, "again");
}

TEST(Notices, AMissingDataFolderIsOneLastingNoticeForTheWholeGame) {
    testing::TestFolder work("quorvel-notices");
    const auto folder = work.Path() / "no-data-folder";
    SdlPlatform platform({.dataFolder = folder, .headless = true});
    App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
    std::vector<std::string> errors;
    app.GetTrace().SetListener([&](TraceKind kind, std::string_view text) {
        if (kind == TraceKind::Error)
            errors.emplace_back(text);
    });
    platform.Attach(app);
    SeededRandom random(1);
    Game game(app, random, work.Path());
    game.Start();
    app.Idle(60000);
    EXPECT_GT(errors.size(), 10u); // every screen met the same cause
    const auto shown = app.CurrentNotices();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_NE(shown[0].text.find("找不到遊戲資料夾"), std::string::npos) << shown[0].text;
}

} // namespace
} // namespace quorvel
