// Pictures drawn at the output's pixel size: on a scaled screen the canvas draws the painters'
// own pictures painted at the pixels they cover and counts every picture it has to enlarge; a
// file a player replaced is shown as it is; at 800x600 the files are drawn as ever; a moving
// control is drawn by the output's pixels. With the generated data folder: the main menu at
// 3.6 times shows exactly what the painters paint at that size, enlarges nothing, and on a
// 3840x2160 screen holds detail finer than its layout.
#include "TestFolder.h"
#include "app/Game.h"
#include "artwork/AtSizePainter.h"
#include "cards/SeededRandom.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/PaintedManifest.h"
#include "gui/PainterProcess.h"
#include "gui/Screen.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/Letterbox.h"
#include "gui/sdl/PaintedPictures.h"
#include "gui/sdl/SdlPlatform.h"
#include "gui/sdl/TextRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>

namespace quorvel {
namespace {

constexpr std::uint32_t kPaintedColour = 0xFF112233u;
constexpr std::uint32_t kFileColour = 0xFF0000FFu;

class OneColourPainter final : public PicturePainter {
public:
    std::string_view Identity() const override { return "one colour"; }
    bool Ready() const override { return true; }
    std::optional<Picture> Paint(std::string_view, int width, int height) override {
        ++paints;
        Picture p;
        p.width = width;
        p.height = height;
        p.pixels.assign(static_cast<std::size_t>(width) * height, kPaintedColour);
        return p;
    }
    int paints = 0;
};

class Files final : public PictureSource {
public:
    std::shared_ptr<const Picture> Load(std::string_view, std::string&) override {
        auto p = std::make_shared<Picture>();
        p->width = p->height = 10;
        p->pixels.assign(100, kFileColour);
        return p;
    }
};

// A screen with two 10x10 pictures: the painters' own at (10, 10) and one a player replaced at
// (100, 10).
struct TwoPictures {
    testing::TestFolder folder{"quorvel-at-size"};
    VirtualClock clock;
    Files files;
    SilentSound sound;
    RecordingDisplay display;
    App app{clock, files, sound, display};
    TextRenderer text;
    Screen screen{app, "Tmain"};
    OneColourPainter painter;
    DataFiles data{folder.Path()};
    PaintedPictures painted{data, &painter};
    Image& own = screen.Add<Image>("Own");
    Image& replaced = screen.Add<Image>("Replaced");

    TwoPictures() {
        std::filesystem::create_directories(folder / "picture");
        std::filesystem::create_directories(folder / "sound");
        std::ofstream(folder / "picture/own.gif") << "drawn by the painters";
        std::ofstream(folder / "picture/mine.gif") << "a player's picture";
        PaintedManifest manifest;
        manifest.painters = "one colour";
        manifest.Add("picture\\own.gif", Hash("drawn by the painters"));
        manifest.Add("picture\\mine.gif", Hash("the painters' picture it replaced"));
        std::ofstream(folder / PaintedManifest::kFileName) << manifest.Format();
        screen.SetBackground(colors::kWhite);
        screen.Show();
        own.Load("picture\\own.gif");
        own.SetPosition(10, 10);
        replaced.Load("picture\\mine.gif");
        replaced.SetPosition(100, 10);
    }
    static std::uint64_t Hash(std::string_view text) {
        return ContentHash({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
    }
};

TEST(AtSizeCanvas, PaintsThePaintersPicturesAndEnlargesOnlyAPlayersOwn) {
    TwoPictures t;
    FrameRenderer renderer(t.app, t.text, 1600, 1200, &t.painted);
    const Picture frame = renderer.Render();
    EXPECT_EQ(frame.At(20, 20), kPaintedColour);
    EXPECT_EQ(frame.At(39, 39), kPaintedColour);
    EXPECT_EQ(frame.At(40, 40), 0xFFFFFFFFu) << "painted at exactly the 20x20 it covers";
    EXPECT_EQ(frame.At(210, 30), kFileColour) << "the player's picture, not the painters'";
    EXPECT_EQ(renderer.EnlargedDraws(), 1);
    EXPECT_EQ(t.painter.paints, 1);
    renderer.Render();
    EXPECT_EQ(t.painter.paints, 1) << "kept for the next frame";
    EXPECT_EQ(renderer.EnlargedDraws(), 2);
}

TEST(AtSizeCanvas, At800x600DrawsTheFilesAsTheyAre) {
    TwoPictures t;
    FrameRenderer renderer(t.app, t.text, 800, 600, &t.painted);
    const Picture withPainter = renderer.Render();
    EXPECT_EQ(t.painter.paints, 0);
    EXPECT_EQ(renderer.EnlargedDraws(), 0);
    EXPECT_EQ(withPainter.At(15, 15), kFileColour);
    EXPECT_EQ(withPainter.pixels, RenderScreens(t.app, t.text).pixels);
}

TEST(AtSizeCanvas, DrawsAMovingControlByTheOutputsPixels) {
    TwoPictures t;
    FrameRenderer renderer(t.app, t.text, 2880, 2160, &t.painted);
    // Half a layout pixel further: 1.8 output pixels, where whole layout pixels would jump 3.6.
    t.own.SetDrawShift(0.5, 0.25);
    const Picture frame = renderer.Render();
    EXPECT_EQ(t.own.Left(), 10) << "its place stays whole";
    // Left edge at (10 + 0.5) * 3.6 = 37.8 and top at (10 + 0.25) * 3.6 = 36.9, rounded.
    EXPECT_EQ(frame.At(37, 40), 0xFFFFFFFFu);
    EXPECT_EQ(frame.At(38, 40), kPaintedColour);
    EXPECT_EQ(frame.At(40, 36), 0xFFFFFFFFu);
    EXPECT_EQ(frame.At(40, 37), kPaintedColour);
    EXPECT_EQ(renderer.EnlargedDraws(), 1) << "only the player's picture";
}

// ---- with the generated data folder ----

// The main menu of a new game on the generated data folder, its pictures painted by the
// painter program, as in the game.
struct GeneratedMenu {
    std::filesystem::path data = std::filesystem::absolute("data");
    PainterProcess painter{QUORVEL_PAINTER_PROGRAM, std::string(artwork::ArtworkIdentity()), true};
    std::unique_ptr<SdlPlatform> platform;
    std::unique_ptr<App> app;
    SeededRandom random{1};
    testing::TestFolder folder;
    std::unique_ptr<Game> game;

    bool Start() {
        // Without the painters' typefaces the painter program says it cannot paint.
        if (!std::filesystem::exists(data / PaintedManifest::kFileName) ||
            (!painter.Paint("picture\\bk.jpg", 66, 90) && !painter.Ready()))
            return false;
        platform = std::make_unique<SdlPlatform>(
            SdlPlatform::Options{.dataFolder = data, .headless = true, .painter = &painter});
        app = std::make_unique<App>(platform->GetClock(), platform->Pictures(), platform->Sound(),
                                    platform->Display());
        platform->Attach(*app);
        game = std::make_unique<Game>(*app, random, folder.Path());
        game->Start();
        return app->CurrentNotices().empty();
    }
};

// The largest difference of a colour channel between two pixels.
int ChannelDifference(std::uint32_t a, std::uint32_t b) {
    int most = 0;
    for (int shift : {16, 8, 0})
        most = std::max(most, std::abs(static_cast<int>((a >> shift) & 0xFF) -
                                       static_cast<int>((b >> shift) & 0xFF)));
    return most;
}

// Straight-alpha `over` on an opaque `under`.
std::uint32_t Over(std::uint32_t over, std::uint32_t under) {
    const std::uint32_t a = over >> 24;
    std::uint32_t out = 0xFF000000u;
    for (int shift : {16, 8, 0}) {
        const std::uint32_t o = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        out |= ((o * a + u * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

TEST(MainMenuAtSize, ShowsAt36TimesWhatThePaintersPaintAtThatSize) {
    GeneratedMenu menu;
    if (!menu.Start())
        GTEST_SKIP() << "no generated data folder with its painted list, or no typefaces";
    FrameRenderer renderer(*menu.app, menu.platform->Text(), 2880, 2160, &menu.platform->Painted());
    const Picture frame = renderer.Render();
    EXPECT_EQ(renderer.EnlargedDraws(), 0);
    // The background, opaque, where nothing lies on it: the same pixels as the painters paint
    // asked on their own.
    PainterProcess painters(QUORVEL_PAINTER_PROGRAM, std::string(artwork::ArtworkIdentity()), true);
    const auto background = painters.Paint("picture\\home100.gif", 2880, 2160);
    ASSERT_TRUE(background);
    int different = 0;
    for (int y = 36; y < 540; ++y)
        for (int x = 36; x < 540; ++x)
            different += frame.At(x, y) != background->At(x, y);
    EXPECT_EQ(different, 0);
    // The start button (243x54 at 264, 312 in the layout) blended on it: within three levels
    // (of 255) of the painters' button laid over their background, as the blit's blending
    // divides by 256 where this divides by 255.
    const Rect place = Letterbox::Fit(2880, 2160).ToWindow({264, 312, 243, 54});
    const auto button = painters.Paint("picture\\gif\\Yxks00.gif", place.w, place.h);
    ASSERT_TRUE(button);
    const int left = place.x, top = place.y;
    int worst = 0;
    for (int y = 0; y < button->height; ++y)
        for (int x = 0; x < button->width; ++x)
            worst = std::max(worst, ChannelDifference(
                                        frame.At(left + x, top + y),
                                        Over(button->At(x, y), background->At(left + x, top + y))));
    EXPECT_LE(worst, 3);
}

// How much of a frame's centre (1440x1080 px of a 3840x2160 frame) is finer than its layout:
// the RMS difference [0-1] of its luminance and the same shrunk to 400x300 (area average) and
// grown back (bilinear).
double DetailBeyondLayout(const Picture& frame) {
    constexpr int kW = 1440, kH = 1080, kX = 1200, kY = 540, kSmallW = 400, kSmallH = 300;
    std::vector<double> luma(static_cast<std::size_t>(kW) * kH);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const std::uint32_t p = frame.At(kX + x, kY + y);
            luma[static_cast<std::size_t>(y) * kW + x] =
                (0.299 * ((p >> 16) & 0xFF) + 0.587 * ((p >> 8) & 0xFF) + 0.114 * (p & 0xFF)) / 255;
        }
    std::vector<double> small(static_cast<std::size_t>(kSmallW) * kSmallH, 0.0);
    const double fx = double(kW) / kSmallW, fy = double(kH) / kSmallH; // 3.6 each
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            // Each source pixel shares its area among the small pixels it overlaps.
            const double x0 = x / fx, x1 = (x + 1) / fx, y0 = y / fy, y1 = (y + 1) / fy;
            for (int sy = static_cast<int>(y0);
                 sy < std::min(kSmallH, static_cast<int>(std::ceil(y1))); ++sy)
                for (int sx = static_cast<int>(x0);
                     sx < std::min(kSmallW, static_cast<int>(std::ceil(x1))); ++sx) {
                    const double w = (std::min(x1, sx + 1.0) - std::max(x0, double(sx))) *
                                     (std::min(y1, sy + 1.0) - std::max(y0, double(sy)));
                    small[static_cast<std::size_t>(sy) * kSmallW + sx] +=
                        w * luma[static_cast<std::size_t>(y) * kW + x];
                }
        }
    auto at = [&](int x, int y) {
        return small[static_cast<std::size_t>(std::clamp(y, 0, kSmallH - 1)) * kSmallW +
                     std::clamp(x, 0, kSmallW - 1)];
    };
    double sum = 0;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const double sx = (x + 0.5) / fx - 0.5, sy = (y + 0.5) / fy - 0.5;
            const int ix = static_cast<int>(std::floor(sx)), iy = static_cast<int>(std::floor(sy));
            const double ax = sx - ix, ay = sy - iy;
            const double grown = (1 - ay) * ((1 - ax) * at(ix, iy) + ax * at(ix + 1, iy)) +
                                 ay * ((1 - ax) * at(ix, iy + 1) + ax * at(ix + 1, iy + 1));
            const double d = luma[static_cast<std::size_t>(y) * kW + x] - grown;
            sum += d * d;
        }
    return std::sqrt(sum / (double(kW) * kH));
}

TEST(MainMenuAtSize, HoldsDetailFinerThanItsLayoutOnA4kScreen) {
    GeneratedMenu menu;
    if (!menu.Start())
        GTEST_SKIP() << "no generated data folder with its painted list, or no typefaces";
    FrameRenderer painted(*menu.app, menu.platform->Text(), 3840, 2160, &menu.platform->Painted());
    FrameRenderer scaled(*menu.app, menu.platform->Text(), 3840, 2160, nullptr);
    const double sharp = DetailBeyondLayout(painted.Render());
    const double soft = DetailBeyondLayout(scaled.Render());
    EXPECT_GE(sharp, 0.05);
    EXPECT_LT(soft, 0.035) << "the files scaled up hold little detail beyond the layout";
    std::cout << "detail beyond the layout: " << sharp << " painted at size, " << soft
              << " from the files scaled\n";
}

} // namespace
} // namespace quorvel
