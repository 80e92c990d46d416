// Input routing: the topmost showing control under the pointer gets the event, hidden and
// disabled controls get none, a click needs the release on the same control, dialogs lie over
// their table, a modal screen takes all input, and points in the letterbox bars are ignored.
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Panel.h"
#include "gui/Screen.h"

#include "BareApp.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct Desk : BareApp {
    Screen table{app, "Ttable"};
    Screen dialog{app, "Tdialog", ScreenKind::Dialog, {200, 200, 300, 200}};

    Image& Button(Screen& screen, const char* name, Rect bounds, std::vector<std::string>& log,
                  Control* parent = nullptr) {
        auto& b = screen.Add<Image>(name, parent);
        b.SetBounds(bounds);
        b.onClick = [&log, name] { log.push_back(std::string("click ") + name); };
        return b;
    }
    void Click(Point p) {
        app.MouseDown(MouseButton::Left, p);
        app.MouseUp(MouseButton::Left, p);
    }
};

TEST(AppInput, TheTopmostShowingEnabledControlTakesTheClick) {
    Desk d;
    std::vector<std::string> log;
    d.Button(d.table, "Below", {100, 100, 100, 100}, log);
    auto& above = d.Button(d.table, "Above", {150, 150, 100, 100}, log);
    d.table.Show();

    d.Click({160, 160});
    above.Hide();
    d.Click({160, 160});
    above.Show();
    above.SetEnabled(false);
    d.Click({160, 160}); // a disabled control swallows the click
    EXPECT_EQ(log, (std::vector<std::string>{"click Above", "click Below"}));
}

TEST(AppInput, ClickNeedsTheReleaseOnTheSameControlAndTheLeftButton) {
    Desk d;
    std::vector<std::string> log;
    d.Button(d.table, "A", {0, 0, 50, 50}, log);
    d.Button(d.table, "B", {100, 0, 50, 50}, log);
    d.table.Show();
    d.app.MouseDown(MouseButton::Left, {10, 10});
    d.app.MouseUp(MouseButton::Left, {110, 10});
    d.app.MouseDown(MouseButton::Right, {10, 10});
    d.app.MouseUp(MouseButton::Right, {10, 10});
    EXPECT_TRUE(log.empty());
}

TEST(AppInput, PointsInTheLetterboxBarsAreIgnored) {
    Desk d;
    std::vector<std::string> log;
    d.Button(d.table, "Edge", {0, 0, 800, 600}, log);
    d.table.Show();
    for (Point p : {Point{-1, 10}, Point{800, 10}, Point{10, -3}, Point{10, 600}})
        d.Click(p);
    EXPECT_TRUE(log.empty());
    d.Click({799, 599});
    EXPECT_EQ(log.size(), 1u);
}

TEST(AppInput, DialogsLieOverTheirTableAndModalScreensTakeAllInput) {
    Desk d;
    std::vector<std::string> log;
    d.Button(d.table, "Table", {0, 0, 800, 600}, log);
    auto& panel = d.dialog.Add<Panel>("Panel");
    panel.SetBounds({0, 0, 300, 200});
    d.Button(d.dialog, "Inside", {10, 10, 50, 50}, log, &panel); // at 210,210 on the screen
    d.table.Show();
    d.dialog.Show();
    d.Click({215, 215});
    d.Click({50, 50});
    EXPECT_EQ(log, (std::vector<std::string>{"click Inside", "click Table"}));

    Screen help(d.app, "Thelp", ScreenKind::Modal, {100, 100, 100, 100});
    d.Button(help, "Help", {10, 10, 20, 20}, log); // at 110,110 on the screen
    d.app.After(100, [&] {
        d.Click({50, 50});   // the table under the modal screen: nothing
        d.Click({215, 215}); // the dialog under it: nothing
        d.Click({115, 115});
        help.Hide();
    });
    // A pump that only moves the virtual clock to the next timer.
    struct TimerPump final : EventPump {
        explicit TimerPump(Clock& c) : clock(c) {}
        void Pump(std::optional<std::int64_t> deadline) override {
            if (deadline)
                clock.AdvanceTo(*deadline);
        }
        Clock& clock;
    } pump(d.clock);
    d.app.SetPump(&pump);
    log.clear();
    d.app.ShowModal(help);
    EXPECT_EQ(log, (std::vector<std::string>{"click Help"}));
    EXPECT_FALSE(help.Visible());
}

} // namespace
} // namespace quorvel
