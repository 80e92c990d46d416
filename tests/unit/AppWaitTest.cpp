// The blocking wait: nesting, timers inside waits, and quitting.
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Screen.h"

#include "BareApp.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using Fixture = BareApp;

TEST(AppWait, InnerWaitStartedLateHoldsTheOuterOne) {
    Fixture f;
    std::int64_t innerEnd = -1;
    f.app.After(1500, [&] {
        f.app.Delay(1000);
        innerEnd = f.clock.NowMs();
    });
    f.app.Delay(2000);
    EXPECT_EQ(innerEnd, 2500);
    EXPECT_EQ(f.clock.NowMs(), 2500);
}

TEST(AppWait, ShortWaitLastsOneFrame) {
    Fixture f;
    f.app.Delay(1);
    EXPECT_EQ(f.clock.NowMs(), App::kFrameMs);
}

TEST(AppWait, QuittingEndsEveryWait) {
    Fixture f;
    f.app.After(100, [&] {
        f.app.After(50, [&] { f.app.Terminate(); });
        f.app.Delay(100000);
    });
    f.app.Delay(200000);
    EXPECT_TRUE(f.app.Terminated());
    EXPECT_EQ(f.clock.NowMs(), 150);
}

TEST(AppWait, MissingPictureIsReportedOncePerFile) {
    Fixture f;
    std::vector<std::string> errors;
    f.app.GetTrace().SetListener([&](TraceKind kind, std::string_view text) {
        if (kind == TraceKind::Error)
            errors.emplace_back(text);
    });
    Screen screen(f.app, "Tscreen");
    auto& image = screen.Add<Image>("Image1");
    EXPECT_FALSE(image.Load("picture\\gone.gif"));
    EXPECT_FALSE(image.Load("picture\\gone.gif"));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find("picture\\gone.gif"), std::string::npos);
}

TEST(AppWait, ExpiredErrorReportsAreNotKept) {
    Fixture f;
    for (int i = 0; i < 50; ++i) {
        f.app.ReportError("no save file");
        f.app.Idle(App::kNoticeMs);
    }
    f.app.ReportError("no save file");
    EXPECT_EQ(f.app.CurrentNotices().size(), 1u);
    EXPECT_EQ(f.app.KeptNotices(), 1u);
}

} // namespace
} // namespace quorvel
