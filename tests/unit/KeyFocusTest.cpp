// The keyboard focus and the routing of keys: Tab in reading order, the arrows to the nearest
// button that way, Enter on the focused button, the pointer taking the focus away; a dialog
// lets its table answer the keys it does not use; a modal screen opened without waiting stays
// above screens shown after it and takes every key.
#include "gui/App.h"
#include "gui/Image.h"
#include "gui/Screen.h"

#include "BareApp.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

struct Desk : BareApp {
    Screen table{app, "Ttable"};
    std::vector<std::string> log;

    Image& Button(Screen& screen, const char* name, Rect bounds) {
        auto& b = screen.Add<Image>(name);
        b.SetBounds(bounds);
        b.onClick = [this, name] { log.push_back(name); };
        return b;
    }
    void Key(Key key, bool shift = false) {
        KeyPress press{key};
        press.shift = shift;
        app.KeyDown(press);
    }
    std::string Focus() const { return app.KeyFocus() ? app.KeyFocus()->Name() : "-"; }
};

TEST(KeyFocus, TabGoesInReadingOrderArrowsGoTheirWayAndEnterPresses) {
    Desk d;
    d.Button(d.table, "Background", {0, 0, 800, 600}); // never focused
    // Two rows: a tall button whose middle is level with two small ones, then a bottom row.
    d.Button(d.table, "Right", {500, 100, 100, 40});
    d.Button(d.table, "Tall", {100, 60, 100, 120});
    d.Button(d.table, "Left", {300, 110, 100, 30});
    d.Button(d.table, "Ok", {500, 500, 98, 56});
    d.Button(d.table, "Again", {250, 500, 179, 62});
    d.table.Show();
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        d.Key(Key::Tab);
        order.push_back(d.Focus());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Tall", "Left", "Right", "Again", "Ok", "Tall"}));
    d.Key(Key::Tab, true);
    EXPECT_EQ(d.Focus(), "Ok");
    d.Key(Key::Up);
    EXPECT_EQ(d.Focus(), "Right");
    d.Key(Key::Left);
    EXPECT_EQ(d.Focus(), "Left");
    d.Key(Key::End);
    EXPECT_EQ(d.Focus(), "Ok");
    d.Key(Key::Enter);
    d.Key(Key::Space);
    EXPECT_EQ(d.log, (std::vector<std::string>{"Ok", "Ok"}));
    // The pointer takes the focus away; Enter then presses nothing.
    d.app.MouseMove({5, 5});
    EXPECT_EQ(d.Focus(), "-");
    d.Key(Key::Enter);
    EXPECT_EQ(d.log.size(), 2u);
}

TEST(KeyFocus, ADialogLetsItsTableAnswerAndAModalScreenTakesEveryKey) {
    Desk d;
    Screen dialog(d.app, "Tdialog", ScreenKind::Dialog, {200, 200, 300, 200});
    Screen ask(d.app, "Task", ScreenKind::Modal, {250, 250, 200, 100});
    d.Button(d.table, "Back", {10, 500, 80, 30});
    d.Button(dialog, "Continue", {0, 0, 300, 200});
    d.Button(ask, "Cancel", {10, 10, 80, 30});
    d.table.BindKey(Press(Key::Escape), "Back");
    dialog.BindKey(Press(Key::Enter), "Continue");
    ask.BindKey(Press(Key::Escape), "Cancel");
    d.table.Show();
    dialog.Show();
    d.Key(Key::Enter);
    d.Key(Key::Escape); // the dialog has no Esc: its table's
    EXPECT_EQ(d.log, (std::vector<std::string>{"Continue", "Back"}));

    d.log.clear();
    d.app.OpenModal(ask);
    dialog.Show(); // shown again while the question is up: it stays under it
    EXPECT_EQ(d.app.InputScreen(), &ask);
    EXPECT_EQ(d.app.ShownScreens().back(), &ask);
    d.Key(Key::Enter);
    d.Key(Key::Escape);
    EXPECT_EQ(d.log, (std::vector<std::string>{"Cancel"}));
    ask.Hide();
    EXPECT_EQ(d.app.InputScreen(), &dialog);
}

} // namespace
} // namespace quorvel
