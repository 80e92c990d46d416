// Rendering screens without a window, as screenshot tests do: Chinese text really drawn,
// dialogs painted at their place and clipped to it, transparency, wrapping and clipping of
// text, the error notice strip, and the BMP written for a screenshot.
#include "TestFolder.h"
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Panel.h"
#include "gui/Screen.h"
#include "gui/sdl/FrameComposer.h"
#include "gui/sdl/PictureDecoders.h"
#include "gui/sdl/SdlPlatform.h"
#include "gui/sdl/TextRenderer.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace quorvel {
namespace {

class MemoryPictures final : public PictureSource {
public:
    std::shared_ptr<const Picture> Load(std::string_view path, std::string& error) override {
        auto it = pictures.find(std::string(path));
        if (it == pictures.end()) {
            error = "missing " + std::string(path);
            return nullptr;
        }
        return it->second;
    }
    std::map<std::string, std::shared_ptr<const Picture>> pictures;
};

struct Fixture {
    VirtualClock clock;
    MemoryPictures pictures;
    SilentSound sound;
    RecordingDisplay display;
    App app{clock, pictures, sound, display};
    TextRenderer text;
    Screen main{app, "Tmain"};

    Fixture() {
        main.SetBackground(colors::kWhite);
        main.Show();
    }
};

bool Dark(std::uint32_t px) {
    return ((px >> 16) & 0xFF) < 100 && ((px >> 8) & 0xFF) < 100 && (px & 0xFF) < 100;
}

int DarkPixels(const Picture& frame, Rect area) {
    int n = 0;
    for (int y = area.y; y < area.y + area.h; ++y)
        for (int x = area.x; x < area.x + area.w; ++x)
            n += Dark(frame.At(x, y));
    return n;
}

Label& AddLabel(Screen& screen, std::string name, std::string caption, Rect box, bool wrap) {
    auto& label = screen.Add<Label>(std::move(name));
    label.SetFont({16, false, colors::kBlack});
    label.SetWordWrap(wrap);
    label.SetAutoSize(false);
    label.SetCaption(std::move(caption));
    label.SetBounds(box);
    return label;
}

TEST(ScreenRender, ChineseLabelIsDrawnInItsBox) {
    Fixture f;
    AddLabel(f.main, "Label1", "莊家贏了", {100, 100, 100, 20}, false);
    const Picture frame = RenderScreens(f.app, f.text);
    ASSERT_EQ(frame.width, 800);
    ASSERT_EQ(frame.height, 600);
    EXPECT_GT(DarkPixels(frame, {100, 100, 70, 20}), 40);
    EXPECT_EQ(DarkPixels(frame, {0, 0, 100, 600}), 0);
    EXPECT_EQ(DarkPixels(frame, {100, 122, 700, 478}), 0);
}

TEST(ScreenRender, WrappedTextStaysInItsBoxAndSingleLinesRunPast) {
    Fixture f;
    AddLabel(f.main, "Wrapped", "一二三四五六七八九十一二三四五六七八九十", {100, 100, 50, 40},
             true);
    AddLabel(f.main, "Single", "一二三四五六七八九十", {100, 300, 50, 20}, false);
    const Picture frame = RenderScreens(f.app, f.text);
    // Wrapped: two lines fill the box, nothing below or right of it.
    EXPECT_GT(DarkPixels(frame, {100, 100, 50, 18}), 20);
    EXPECT_GT(DarkPixels(frame, {100, 118, 50, 22}), 20);
    EXPECT_EQ(DarkPixels(frame, {150, 95, 200, 60}), 0);
    EXPECT_EQ(DarkPixels(frame, {90, 140, 100, 60}), 0);
    // Single line: drawn on past the right edge of its box.
    EXPECT_GT(DarkPixels(frame, {150, 300, 100, 20}), 20);
}

// Middle row of the dark pixels in an area, -1 when there are none.
int DarkMiddleRow(const Picture& frame, Rect area) {
    int top = -1, bottom = -1;
    for (int y = area.y; y < area.y + area.h; ++y)
        if (DarkPixels(frame, {area.x, y, area.w, 1}) > 0) {
            top = top < 0 ? y : top;
            bottom = y;
        }
    return top < 0 ? -1 : (top + bottom) / 2;
}

TEST(ScreenRender, CentredLayoutPutsOneOrTwoLinesInTheMiddleOfTheBox) {
    Fixture f;
    AddLabel(f.main, "One", "請下注", {100, 100, 200, 60}, true).SetLayout(TextLayout::Center);
    AddLabel(f.main, "Two", "一二三四五六七八九十一二三", {400, 100, 100, 60}, true)
        .SetLayout(TextLayout::Center);
    AddLabel(f.main, "Top", "請下注", {100, 300, 200, 60}, true);
    const Picture frame = RenderScreens(f.app, f.text);
    EXPECT_NEAR(DarkMiddleRow(frame, {100, 100, 200, 60}), 130, 2);
    EXPECT_NEAR(DarkMiddleRow(frame, {400, 100, 100, 60}), 130, 2);
    EXPECT_LT(DarkMiddleRow(frame, {100, 300, 200, 60}), 315);
}

TEST(ScreenRender, DialogPaintsAtItsPlaceClippedToItself) {
    Fixture f;
    Screen dialog(f.app, "TForm6", ScreenKind::Dialog, {248, 238, 347, 255});
    dialog.SetBackground(Color{0, 0, 255});
    auto picture = std::make_shared<Picture>();
    picture->width = 4;
    picture->height = 4;
    picture->pixels.assign(16, 0xFFFF0000);
    picture->pixels[0] = 0; // transparent corner
    auto& image = dialog.Add<Image>("Image1");
    image.SetPicture(picture);
    auto& panel = dialog.Add<Panel>("Panel1");
    panel.SetBevel(false);
    panel.SetColor(colors::kBlack);
    panel.SetBounds({300, 200, 100, 100}); // reaches past the dialog's right and bottom edges
    dialog.Show();

    const Picture frame = RenderScreens(f.app, f.text);
    EXPECT_EQ(frame.At(248, 238), 0xFF0000FFu); // the dialog's background through the hole
    EXPECT_EQ(frame.At(249, 238), 0xFFFF0000u);
    EXPECT_EQ(frame.At(251, 241), 0xFFFF0000u);
    EXPECT_EQ(frame.At(252, 242), 0xFF0000FFu);
    EXPECT_EQ(frame.At(247, 238), 0xFFFFFFFFu); // the screen below, outside the dialog
    EXPECT_EQ(frame.At(594, 492), 0xFF000000u); // panel inside the dialog
    EXPECT_EQ(frame.At(595, 492), 0xFFFFFFFFu); // and cut at its edge
    EXPECT_EQ(frame.At(594, 493), 0xFFFFFFFFu);
}

TEST(ScreenRender, StretchedPictureFillsItsBox) {
    Fixture f;
    auto picture = std::make_shared<Picture>();
    picture->width = 2;
    picture->height = 2;
    picture->pixels.assign(4, 0xFF00FF00);
    auto& image = f.main.Add<Image>("Image1");
    image.SetStretch(true);
    image.SetBounds({10, 10, 30, 20});
    image.SetPicture(picture);
    const Picture frame = RenderScreens(f.app, f.text);
    EXPECT_EQ(frame.At(10, 10), 0xFF00FF00u);
    EXPECT_EQ(frame.At(39, 29), 0xFF00FF00u);
    EXPECT_EQ(frame.At(40, 29), 0xFFFFFFFFu);
    EXPECT_EQ(frame.At(39, 30), 0xFFFFFFFFu);
}

TEST(ScreenRender, ErrorNoticeShowsAtTheTopUntilItExpires) {
    Fixture f;
    f.app.LoadPicture("picture\\gif\\x.gif"); // reported as missing
    const Picture shown = RenderScreens(f.app, f.text);
    const std::uint32_t strip = shown.At(790, 2);
    EXPECT_GT((strip >> 16) & 0xFF, 80u);
    EXPECT_LT(strip & 0xFF, 40u);
    f.clock.AdvanceTo(App::kNoticeMs + 1);
    const Picture later = RenderScreens(f.app, f.text);
    EXPECT_EQ(later.At(790, 2), 0xFFFFFFFFu);
}

TEST(ScreenRender, ScreenshotIsWrittenAsBmp) {
    Fixture f;
    AddLabel(f.main, "Label1", "結算", {10, 10, 100, 20}, false);
    const Picture frame = RenderScreens(f.app, f.text);
    testing::TestFolder folder;
    const auto file = folder / "shot.bmp";
    ASSERT_TRUE(SaveBmp(frame, file.string()));
    std::ifstream in(file, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                          std::istreambuf_iterator<char>());
    std::filesystem::remove(file);
    std::string error;
    auto back = DecodeBmp(bytes, error);
    ASSERT_TRUE(back) << error;
    ASSERT_EQ(back->width, 800);
    for (int y = 0; y < 600; y += 7)
        for (int x = 0; x < 800; x += 13)
            ASSERT_EQ(back->At(x, y) & 0xFFFFFF, frame.At(x, y) & 0xFFFFFF) << x << "," << y;
}

TEST(ScreenRender, HeadlessPlatformRendersWithoutAWindow) {
    SdlPlatform platform(
        {.dataFolder = std::filesystem::temp_directory_path() / "quorvel-no-such-folder",
         .headless = true});
    App app(platform.GetClock(), platform.Pictures(), platform.Sound(), platform.Display());
    platform.Attach(app);
    EXPECT_FALSE(platform.GetClock().IsReal());
    Screen screen(app, "Tmain");
    screen.SetBackground(colors::kWhite);
    AddLabel(screen, "Label1", "請選擇", {10, 10, 100, 20}, false);
    screen.Show();
    app.Delay(2000); // no pump: the virtual clock just moves on
    const Picture frame = RenderScreens(app, platform.Text());
    EXPECT_GT(DarkPixels(frame, {10, 10, 60, 20}), 20);
    std::string error;
    // With the data folder missing, every picture is reported by that one cause.
    EXPECT_FALSE(platform.Pictures().Load("picture\\bk.jpg", error));
    EXPECT_NE(error.find("找不到遊戲資料夾"), std::string::npos) << error;
    EXPECT_NE(error.find("quorvel-no-such-folder"), std::string::npos) << error;
}

} // namespace
} // namespace quorvel
