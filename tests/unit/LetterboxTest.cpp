// Fitting the layout into windows of other shapes, and mapping window points back.
#include "gui/sdl/Letterbox.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

TEST(Letterbox, WideWindowGetsBarsLeftAndRight) {
    const Letterbox box = Letterbox::Fit(1920, 1080);
    EXPECT_DOUBLE_EQ(box.scale, 1.8);
    EXPECT_EQ(box.offsetX, 240);
    EXPECT_EQ(box.offsetY, 0);
    // Corners of the picture.
    EXPECT_EQ(box.ToDesign({240, 0}).x, 0);
    EXPECT_EQ(box.ToDesign({1679, 1079}).x, 799);
    EXPECT_EQ(box.ToDesign({1679, 1079}).y, 599);
    // The bars lie outside the layout.
    EXPECT_LT(box.ToDesign({239, 500}).x, 0);
    EXPECT_GE(box.ToDesign({1680, 500}).x, 800);
    EXPECT_LT(box.ToDesign({0, 0}).x, 0);
}

TEST(Letterbox, TallWindowGetsBarsAboveAndBelow) {
    const Letterbox box = Letterbox::Fit(800, 800);
    EXPECT_DOUBLE_EQ(box.scale, 1.0);
    EXPECT_EQ(box.offsetY, 100);
    EXPECT_LT(box.ToDesign({400, 99}).y, 0);
    EXPECT_EQ(box.ToDesign({400, 100}).y, 0);
    EXPECT_EQ(box.ToDesign({400, 699}).y, 599);
    EXPECT_GE(box.ToDesign({400, 700}).y, 600);
}

TEST(Letterbox, SmallerWindowScalesDown) {
    const Letterbox box = Letterbox::Fit(400, 300);
    EXPECT_DOUBLE_EQ(box.scale, 0.5);
    EXPECT_EQ(box.ToDesign({399, 299}).x, 798);
    // A one-pixel line stays at least one pixel wide.
    EXPECT_EQ(box.ToWindow({101, 0, 1, 1}).w, 1);
}

TEST(Letterbox, TouchingRectanglesStayTouchingWhenScaled) {
    const Letterbox box = Letterbox::Fit(1366, 768);
    for (int x = 0; x < 790; x += 7) {
        const Rect a = box.ToWindow({x, 10, 7, 5});
        const Rect b = box.ToWindow({x + 7, 10, 7, 5});
        EXPECT_EQ(a.x + a.w, b.x) << x;
    }
    const Rect all = box.ToWindow({0, 0, 800, 600});
    EXPECT_EQ(all.x + all.w, box.offsetX + 1024);
    EXPECT_EQ(all.h, 768);
}

} // namespace
} // namespace quorvel
