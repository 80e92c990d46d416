// Keys at the tables and on the game's own screens: every key reaches the very handler its click
// does, only while that control shows and is enabled; a round played by keys alone; keys during
// a step are refused as clicks are, and the desktop game says so; the menus', help pages' and
// dialogs' keys, and F1 wherever the game is.
#include "TableGame.h"

#include "frontend/TForm10.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "ui/SaveFirstDialog.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using testing::TableGame;

// The key of each table button of TForm1 and the control it must press.
struct KeyCase {
    Key key;
    bool ctrl;
    const char* control;
};
constexpr KeyCase kTableKeys[] = {
    {Key::Enter, false, "Image11"},  {Key::H, false, "Image13"},
    {Key::S, false, "Image14"},      {Key::D, false, "Image15"},
    {Key::P, false, "Image17"},      {Key::N, false, "Image18"},
    {Key::O, false, "Image19"},      {Key::Digit1, false, "Image25"},
    {Key::Digit2, false, "Image26"}, {Key::Digit3, false, "Image27"},
    {Key::R, false, "Image21"},      {Key::Backspace, false, "Image29"},
    {Key::L, false, "Image30"},      {Key::C, false, "Image31"},
    {Key::T, false, "BitBtn17"},     {Key::Escape, false, "Image32"},
    {Key::Escape, false, "Image12"}, {Key::S, true, "Image20"},
    {Key::Enter, false, "BitBtn15"},
};

TEST(TableKeys, EveryKeyPressesItsButtonThroughTheButtonsOwnHandler) {
    // In the middle of a round, where Esc has no way out but the buttons.
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    t.OpenTable();
    t.Click("TForm1.Image25");
    t.Click("TForm1.Image11");
    TForm1& table = t.table();
    // Each button's click handler, wrapped so that the test sees which one ran.
    std::vector<std::string> ran;
    std::vector<Control*> buttons;
    for (const KeyCase& k : kTableKeys) {
        Control& c = t.Get(std::string("TForm1.") + k.control);
        if (std::find(buttons.begin(), buttons.end(), &c) != buttons.end())
            continue;
        buttons.push_back(&c);
        c.onClick = [&ran, name = k.control] { ran.emplace_back(name); };
    }
    const auto hideAll = [&] {
        for (Control* c : buttons)
            c->Hide();
        table.Panel3.Hide();
    };
    for (const KeyCase& k : kTableKeys) {
        hideAll();
        Control& c = t.Get(std::string("TForm1.") + k.control);
        // A hidden button is not pressed by its key.
        ran.clear();
        t.Key(k.key, k.ctrl);
        EXPECT_TRUE(ran.empty()) << k.control;
        c.Show();
        if (c.Parent())
            c.Parent()->Show(); // the swap panel's OK lies in the panel
        c.SetEnabled(false);
        t.Key(k.key, k.ctrl);
        EXPECT_TRUE(ran.empty()) << "disabled " << k.control;
        c.SetEnabled(true);
        t.Key(k.key, k.ctrl);
        EXPECT_EQ(ran, std::vector<std::string>{k.control}) << KeyName({k.key, k.ctrl});
        if (k.key == Key::Escape || k.key == Key::Enter)
            c.Hide();
    }
    // Each button shows its key.
    EXPECT_EQ(table.Image13.KeyHint(), "H");
    EXPECT_EQ(table.Image26.KeyHint(), "2");
    EXPECT_EQ(table.BitBtn15.KeyHint(), "Enter");
    EXPECT_EQ(table.Image20.KeyHint(), "Ctrl+S");
}

TEST(TableKeys, ARoundPlayedByKeysAloneMatchesTheSameRoundByClicks) {
    // Banker 10S 8S, user KH QH: the user stands on 20 and wins the 1000.
    const std::vector<std::string> shoe = {"10S", "KH", "8S", "QH"};
    const std::vector<int> draws = {50, 100, 100, 50, 100};
    TableGame keys(shoe, draws);
    keys.OpenTable();
    keys.Key(Key::Digit1);
    EXPECT_EQ(keys.table().Record(1).Bet, 1000);
    keys.Key(Key::Enter);
    keys.Key(Key::S);
    ASSERT_TRUE(keys.table().RoundOver());
    EXPECT_TRUE(keys.game.Form6().Visible());
    keys.Key(Key::Enter); // the result dialog continues
    EXPECT_FALSE(keys.game.Form6().Visible());
    EXPECT_FALSE(keys.table().RoundOver());

    TableGame clicks(shoe, draws);
    clicks.OpenTable();
    clicks.Click("TForm1.Image25");
    clicks.Click("TForm1.Image11");
    clicks.Click("TForm1.Image14");
    clicks.Click("TForm6.Image1");
    EXPECT_EQ(keys.banners, clicks.banners);
    EXPECT_EQ(keys.table().HandLines(), clicks.table().HandLines());
}

TEST(TableKeys, AKeyDuringAStepIsRefusedAsAClickIs) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    t.OpenTable();
    t.Key(Key::Digit1);
    // While the deal flies its cards, H and a second deal are pressed.
    bool hitTaken = true;
    t.app.After(30, [&] {
        ASSERT_TRUE(t.table().Busy());
        t.Key(Key::H);
        t.Key(Key::Enter);
        hitTaken = t.table().Record(1).CardCount > 2;
    });
    t.Key(Key::Enter);
    EXPECT_FALSE(hitTaken);
    EXPECT_EQ(t.table().Record(1).CardCount, 2);
    EXPECT_EQ(t.table().Record(1).Bet, 1000);
}

TEST(TableKeys, TheSwapPanelTakesTheTypedRankAndEnterConfirmsIt) {
    TableGame t;
    t.OpenTable();
    TForm1& table = t.table();
    table.Panel3.Show();
    table.BitBtn15.onClick = [&] { table.Label25.SetCaption(table.Edit1.Text()); };
    table.SetFocus(&table.Edit1);
    // Letters go into the focused edit box and do not hit or stand.
    int hits = 0;
    table.Image13.Show();
    table.Image13.onClick = [&] { ++hits; };
    t.app.TextInput("K");
    t.Key(Key::H);
    EXPECT_EQ(hits, 0);
    t.Key(Key::Enter);
    EXPECT_EQ(table.Label25.Caption(), "K");
}

TEST(TableKeys, TheDesktopGameAnswersInputRefusedWithAShortNote) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Key(Key::Digit1);
    // While the deal flies its cards: wait.
    t.app.After(30, [&] { t.Key(Key::L); });
    t.Key(Key::Enter);
    ASSERT_EQ(t.notes, std::vector<std::string>{"請稍候…"});
    // A key whose button is not offered, a click on a disabled button: not now.
    t.Key(Key::P);
    EXPECT_EQ(t.notes.back(), "現在不能按 P");
    Control& hit = t.Get("TForm1.Image13");
    hit.SetEnabled(false);
    const Rect r = hit.ScreenRect();
    t.app.MouseDown(MouseButton::Left, {r.x + 1, r.y + 1});
    EXPECT_EQ(t.notes.back(), "現在不能按這個按鈕");
    hit.SetEnabled(true);
    // A click on the felt is no button, and keys nobody binds are not refused.
    const std::size_t notes = t.notes.size();
    t.Click("TForm1.Image1");
    t.Key(Key::Z);
    EXPECT_EQ(t.notes.size(), notes);
    // What is taken says nothing.
    t.Key(Key::S);
    EXPECT_EQ(t.notes.size(), notes);

    // Without the desktop game nothing is noted.
    TableGame plain({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    plain.OpenTable();
    plain.Key(Key::P);
    plain.Key(Key::Enter);
    EXPECT_TRUE(plain.notes.empty());
}

TEST(MenuKeys, F1OpensTheHelpPagesOverAnyScreenWhoseSoundGoesOn) {
    TableGame t({}, {}, true);
    std::vector<std::string> sounds;
    t.app.GetTrace().SetListener([&sounds](TraceKind kind, std::string_view what) {
        if (kind == TraceKind::Sound)
            sounds.emplace_back(what);
    });
    TForm10& help = t.game.Form10();
    t.Key(Key::F1);
    ASSERT_TRUE(help.Visible());
    EXPECT_EQ(help.HelpPage(), 1);
    t.Key(Key::PageDown);
    EXPECT_EQ(help.HelpPage(), 2);
    t.Key(Key::Escape);
    EXPECT_FALSE(help.Visible());
    EXPECT_TRUE(t.game.MainForm().Visible());
    // The menu's tune went on under the help: it was not started again.
    EXPECT_TRUE(sounds.empty());

    // At a table, whose music goes on too; not over the question before leaving.
    t.OpenTable();
    sounds.clear();
    t.Key(Key::F1);
    ASSERT_TRUE(help.Visible());
    t.Key(Key::Escape);
    EXPECT_FALSE(help.Visible());
    EXPECT_TRUE(sounds.empty());
    t.game.SaveFirst().Ask(true, [](SaveFirstDialog::Answer) {});
    t.Key(Key::F1);
    EXPECT_FALSE(help.Visible());
}

TEST(MenuKeys, EscGoesBackEnterConfirmsF1OpensHelpAndPagesTurn) {
    TableGame t;
    t.Key(Key::Enter); // start
    EXPECT_TRUE(t.Get("Tmainform.Image9").Visible());
    t.Key(Key::Escape); // back to the first look
    EXPECT_FALSE(t.Get("Tmainform.Image9").Visible());
    EXPECT_TRUE(t.Get("Tmainform.Image2").Visible());

    t.game.MainForm().Hide();
    t.game.SeatCount().Show();
    t.Key(Key::F1);
    TForm10& help = t.game.Form10();
    ASSERT_TRUE(help.Visible());
    t.Key(Key::PageDown);
    t.Key(Key::PageDown);
    EXPECT_EQ(help.HelpPage(), 3);
    t.Key(Key::PageUp);
    EXPECT_EQ(help.HelpPage(), 2);
    t.Key(Key::Escape);
    EXPECT_FALSE(help.Visible());
    t.Key(Key::Escape); // the seat-count screen's back
    EXPECT_TRUE(t.game.MainForm().Visible());
    EXPECT_FALSE(t.game.SeatCount().Visible());
}

} // namespace
} // namespace quorvel
