// Keys at the tables and on the game's own screens: every key reaches the very handler its click
// does, only while that control shows and is enabled; a round played by keys alone; keys during
// a step are refused as clicks are, and the desktop game says so; the swap target's key while
// the swap box has the focus; the menus', help pages' and dialogs' keys, and F1 wherever the
// game is.
#include "TableGame.h"

#include "frontend/TForm10.h"
#include "gui/Edit.h"
#include "gui/Label.h"
#include "tables/HandCards.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "ui/SaveFirstDialog.h"

#include <gtest/gtest.h>

namespace quorvel {
namespace {

using R = TableRole;

using testing::TableGame;

// The key of each table button and the control it must press, at the one-on-one table.
struct KeyCase {
    Key key;
    bool ctrl;
    TableRole control;
};
constexpr KeyCase kTableKeys[] = {
    {Key::Enter, false, R::Deal},      {Key::H, false, R::Hit},
    {Key::S, false, R::Stand},         {Key::D, false, R::Double},
    {Key::P, false, R::Split},         {Key::N, false, R::NoSplit},
    {Key::O, false, R::Open},          {Key::Digit1, false, R::Chip1000},
    {Key::Digit2, false, R::Chip5000}, {Key::Digit3, false, R::Chip10000},
    {Key::R, false, R::TakeRaise},     {Key::Backspace, false, R::TakeBack},
    {Key::L, false, R::Look},          {Key::C, false, R::Swap},
    {Key::T, true, R::SwapTarget},     {Key::Escape, false, R::CloseServices},
    {Key::Escape, false, R::Back},     {Key::S, true, R::Save},
    {Key::Enter, false, R::SwapOk},
};

TEST(TableKeys, EveryKeyPressesItsButtonThroughTheButtonsOwnHandler) {
    // In the middle of a round, where Esc has no way out but the buttons.
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    t.OpenTable();
    t.Click("TForm1.Image25");
    t.Click("TForm1.Image11");
    TForm1& table = t.table();
    // Each button's click handler, wrapped so that the test sees which one ran.
    std::vector<TableRole> ran;
    std::vector<Control*> buttons;
    for (const KeyCase& k : kTableKeys) {
        Control& c = table.Get(k.control);
        if (std::find(buttons.begin(), buttons.end(), &c) != buttons.end())
            continue;
        buttons.push_back(&c);
        c.onClick = [&ran, role = k.control] { ran.push_back(role); };
    }
    const auto hideAll = [&] {
        for (Control* c : buttons)
            c->Hide();
        table.Get(R::SwapPanel).Hide();
    };
    for (const KeyCase& k : kTableKeys) {
        hideAll();
        Control& c = table.Get(k.control);
        const std::string_view name = RoleName(k.control);
        // A hidden button is not pressed by its key.
        ran.clear();
        t.Key(k.key, k.ctrl);
        EXPECT_TRUE(ran.empty()) << name;
        c.Show();
        if (c.Parent())
            c.Parent()->Show(); // the swap panel's OK lies in the panel
        c.SetEnabled(false);
        t.Key(k.key, k.ctrl);
        EXPECT_TRUE(ran.empty()) << "disabled " << name;
        c.SetEnabled(true);
        t.Key(k.key, k.ctrl);
        EXPECT_EQ(ran, std::vector<TableRole>{k.control}) << KeyName({k.key, k.ctrl});
        if (k.key == Key::Escape || k.key == Key::Enter)
            c.Hide();
    }
    // Each button shows its key.
    EXPECT_EQ(table.Get(R::Hit).KeyHint(), "H");
    EXPECT_EQ(table.Get(R::Chip5000).KeyHint(), "2");
    EXPECT_EQ(table.Get(R::SwapOk).KeyHint(), "Enter");
    EXPECT_EQ(table.Get(R::Save).KeyHint(), "Ctrl+S");
}

TEST(TableKeys, ARoundPlayedByKeysAloneMatchesTheSameRoundByClicks) {
    // Banker 10S 8S, user KH QH: the user stands on 20 and wins the 1000.
    const std::vector<std::string> shoe = {"10S", "KH", "8S", "QH"};
    const std::vector<int> draws = {50, 100, 100, 50, 100};
    TableGame keys(shoe, draws);
    keys.OpenTable();
    keys.Key(Key::Digit1);
    EXPECT_EQ(keys.table().Hands().Record(1).Bet, 1000);
    keys.Key(Key::Enter);
    keys.Key(Key::S);
    ASSERT_TRUE(keys.table().Engine().RoundOver());
    EXPECT_TRUE(keys.game.Form6().Visible());
    keys.Key(Key::Enter); // the result dialog continues
    EXPECT_FALSE(keys.game.Form6().Visible());
    EXPECT_FALSE(keys.table().Engine().RoundOver());

    TableGame clicks(shoe, draws);
    clicks.OpenTable();
    clicks.Click(R::Chip1000);
    clicks.Click(R::Deal);
    clicks.Click(R::Stand);
    clicks.Click("TForm6.Image1");
    EXPECT_EQ(keys.banners, clicks.banners);
    EXPECT_EQ(keys.table().Hands().Lines(), clicks.table().Hands().Lines());
}

TEST(TableKeys, AKeyDuringAStepIsRefusedAsAClickIs) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    t.OpenTable();
    t.Key(Key::Digit1);
    // While the deal flies its cards, H and a second deal are pressed.
    bool hitTaken = true;
    t.app.After(30, [&] {
        ASSERT_TRUE(t.table().Engine().Busy());
        t.Key(Key::H);
        t.Key(Key::Enter);
        hitTaken = t.table().Hands().Record(1).CardCount > 2;
    });
    t.Key(Key::Enter);
    EXPECT_FALSE(hitTaken);
    EXPECT_EQ(t.table().Hands().Record(1).CardCount, 2);
    EXPECT_EQ(t.table().Hands().Record(1).Bet, 1000);
}

TEST(TableKeys, TheSwapPanelTakesTheTypedRankAndEnterConfirmsIt) {
    TableGame t;
    t.OpenTable();
    TForm1& table = t.table();
    table.Get(R::SwapPanel).Show();
    auto& rank = table.Get<Edit>(R::SwapRank);
    auto& words = table.Get<Label>(R::SwapWords);
    table.Get(R::SwapOk).onClick = [&] { words.SetCaption(rank.Text()); };
    table.SetFocus(&rank);
    // Letters go into the focused edit box and do not hit or stand.
    int hits = 0;
    table.Get(R::Hit).Show();
    table.Get(R::Hit).onClick = [&] { ++hits; };
    t.app.TextInput("K");
    t.Key(Key::H);
    EXPECT_EQ(hits, 0);
    t.Key(Key::Enter);
    EXPECT_EQ(words.Caption(), "K");
}

TEST(TableKeys, TheSwapTargetsKeyReachesTheToggleWhileTheBoxHasTheFocus) {
    // Twins 7H split, the swap bought: the box has the focus, and the toggle's key is not
    // one the box takes.
    TableGame t({"10S", "7H", "8S", "7H", "QD", "9C"}, {50, 100, 100});
    t.OpenTable();
    TForm1& table = t.table();
    t.Key(Key::Digit2);
    t.Key(Key::Enter);
    t.Key(Key::P);
    t.Key(Key::C);
    auto& rank = table.Get<Edit>(R::SwapRank);
    ASSERT_EQ(table.Focus(), &rank);
    ASSERT_EQ(table.Engine().SwapTarget(), Seat::kMain);
    const std::string hint = table.Get(R::SwapTarget).KeyHint();
    EXPECT_EQ(hint, "Ctrl+T");
    t.Key(Key::T, true);
    EXPECT_EQ(table.Engine().SwapTarget(), Seat::kSplit);
    EXPECT_EQ(rank.Text(), "");
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
    Control& hit = t.table().Get(R::Hit);
    hit.SetEnabled(false);
    const Rect r = hit.ScreenRect();
    t.app.MouseDown(MouseButton::Left, {r.x + 1, r.y + 1});
    EXPECT_EQ(t.notes.back(), "現在不能按這個按鈕");
    hit.SetEnabled(true);
    // A click on the felt is no button, and keys nobody binds are not refused.
    const std::size_t notes = t.notes.size();
    t.Click(R::Background);
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
