// The picture cache of the game's picture source: a control takes only a picture's size, the
// pixels are decoded when it is drawn, the least recently drawn leave the bounded cache and
// come back decoded again with the same pixels, and damage found on drawing is reported once.
#include "TestFolder.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Screen.h"
#include "gui/sdl/FilePictureStore.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/PictureScaler.h"
#include "gui/sdl/TextRenderer.h"

#include <SDL.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr int kWidth = 40;  // [px]
constexpr int kHeight = 30; // [px]

// A kWidth x kHeight BMP whose pixels depend on their place and on `seed`.
void WriteBmp(const fs::path& file, int seed) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 24, SDL_PIXELFORMAT_RGB24);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            auto* p = static_cast<std::uint8_t*>(s->pixels) + y * s->pitch + x * 3;
            p[0] = static_cast<std::uint8_t>(x * 6 + seed);
            p[1] = static_cast<std::uint8_t>(y * 8);
            p[2] = static_cast<std::uint8_t>(seed * 40);
        }
    SDL_SaveBMP(s, file.c_str());
    SDL_FreeSurface(s);
}

class PictureCache : public ::testing::Test {
protected:
    void SetUp() override {
        data = work.Path();
        fs::create_directories(data / "picture");
        fs::create_directories(data / "sound");
        WriteBmp(data / "picture" / "a.bmp", 1);
        WriteBmp(data / "picture" / "b.bmp", 2);
    }

    static constexpr std::size_t kPictureBytes = kWidth * kHeight * 4;
    testing::TestFolder work{"quorvel-cache"};
    fs::path data;
};

TEST_F(PictureCache, AnEvictedPictureIsDecodedAgainWithTheSamePixels) {
    DataFiles files(data);
    FilePictureStore store(files, kPictureBytes * 3 / 2); // room for one picture
    std::string error;
    const auto size = store.Measure("picture\\A.bmp", error);
    ASSERT_TRUE(size) << error;
    EXPECT_EQ(size->width, kWidth);
    EXPECT_EQ(size->height, kHeight);
    EXPECT_EQ(store.Decodes(), 0); // measuring reads the header only

    const auto first = store.Load("picture\\a.bmp", error);
    ASSERT_TRUE(first) << error;
    const std::vector<std::uint32_t> pixels = first->pixels;
    EXPECT_EQ(store.Load("picture\\a.bmp", error), first);
    EXPECT_EQ(store.Decodes(), 1);

    ASSERT_TRUE(store.Load("picture\\b.bmp", error)) << error;
    EXPECT_LE(store.CachedBytes(), kPictureBytes * 3 / 2);
    const auto again = store.Load("picture\\a.bmp", error);
    ASSERT_TRUE(again) << error;
    EXPECT_EQ(store.Decodes(), 3);
    EXPECT_EQ(again->pixels, pixels);
}

TEST_F(PictureCache, AControlDecodesWhenDrawnAndDrawsTheSameAfterEviction) {
    DataFiles files(data);
    FilePictureStore store(files, kPictureBytes * 3 / 2);
    VirtualClock clock;
    SilentSound sound;
    RecordingDisplay display;
    App app(clock, store, sound, display);
    TextRenderer text;
    Screen screen(app, "Tmain");
    screen.SetBackground(colors::kWhite);
    auto& image = screen.Add<Image>("Image1");
    image.SetBounds({100, 50, 1, 1});
    screen.Show();

    ASSERT_TRUE(image.Load("picture\\a.bmp"));
    EXPECT_EQ(image.ScreenRect().w, kWidth); // sized from the header
    EXPECT_EQ(store.Decodes(), 0);
    const Picture drawn = RenderScreens(app, text);
    EXPECT_EQ(store.Decodes(), 1);
    EXPECT_NE(drawn.At(100, 50), 0xFFFFFFFFu);

    std::string error;
    ASSERT_TRUE(store.Load("picture\\b.bmp", error)) << error; // pushes a.bmp out
    const Picture redrawn = RenderScreens(app, text);
    EXPECT_EQ(store.Decodes(), 3);
    EXPECT_EQ(redrawn.pixels, drawn.pixels);
}

TEST_F(PictureCache, DamageBehindAGoodHeaderIsReportedOnceWhenFirstDrawn) {
    std::ifstream in(data / "picture" / "a.bmp", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    std::ofstream(data / "picture" / "cut.bmp", std::ios::binary) << bytes.substr(0, 80);

    DataFiles files(data);
    FilePictureStore store(files);
    VirtualClock clock;
    SilentSound sound;
    RecordingDisplay display;
    App app(clock, store, sound, display);
    std::vector<std::string> errors;
    app.GetTrace().SetListener([&](TraceKind kind, std::string_view t) {
        if (kind == TraceKind::Error)
            errors.emplace_back(t);
    });
    TextRenderer text;
    Screen screen(app, "Tmain");
    auto& image = screen.Add<Image>("Image1");
    screen.Show();
    ASSERT_TRUE(image.Load("picture\\cut.bmp"));
    EXPECT_TRUE(errors.empty());
    RenderScreens(app, text);
    RenderScreens(app, text);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("無法解碼圖片檔 picture\\cut.bmp"), std::string::npos) << errors[0];
    EXPECT_EQ(store.Decodes(), 1);
}

TEST(PictureScaler, HiddenScreensGiveBackTheirCopiesFirst) {
    // Each copy is larger than what hidden screens may keep; two fit in the cache.
    Picture picture;
    picture.width = 1000;
    picture.height = 950;
    picture.pixels.assign(1000u * 950u, 0xFF204060u);
    Picture other = picture;
    other.pixels[0] = 0xFF000000u;
    const int shownScreen = 0;
    const int hiddenScreen = 0;
    PictureScaler scaler;
    SDL_Surface* kept = scaler.Get(picture, 1000, 950, &shownScreen);
    ASSERT_TRUE(kept);
    ASSERT_TRUE(scaler.Get(other, 1000, 950, &hiddenScreen));
    const std::size_t copy = 1000u * 950u * 4u;
    ASSERT_EQ(scaler.Bytes(), 2 * copy);
    ASSERT_GT(copy, PictureScaler::kHiddenBytes);
    ASSERT_LE(2 * copy, PictureScaler::kBudgetBytes);

    scaler.GiveBackHidden({&shownScreen});
    EXPECT_EQ(scaler.Bytes(), copy);
    EXPECT_EQ(scaler.Get(picture, 1000, 950, &shownScreen), kept); // still cached
    scaler.GiveBackHidden({&shownScreen, &hiddenScreen});
    EXPECT_EQ(scaler.Bytes(), copy);
}

} // namespace
} // namespace quorvel
