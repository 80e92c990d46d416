// "Save first?" before play not yet saved is left: the back button and the exit button of a
// table and closing the window ask; the answers save and leave, leave, or stay; a save that
// fails keeps the user at the table; saved money, a fresh table and the menus leave at once;
// Esc leaves from a table's opening or the next round's bets until the deal; scripts and tests,
// without the desktop game, never ask.
#include "TableGame.h"

#include "players/SaveFile.h"
#include "tables/one_seat_challenge/TForm6.h"
#include "ui/SaveFirstDialog.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quorvel {
namespace {

using R = TableRole;

using testing::TableGame;

TEST(Leaving, BackWithMoneyNotSavedAsksAndCancelStaysAtTheTable) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    ASSERT_TRUE(t.table().Engine().RoundOver());
    t.Click(R::Back);
    SaveFirstDialog& ask = t.game.SaveFirst();
    ASSERT_TRUE(ask.Asking());
    EXPECT_TRUE(ask.SaveButton().Enabled());
    EXPECT_TRUE(t.table().Visible());
    // The question takes every click and key: the table's buttons are out of reach.
    EXPECT_EQ(t.app.InputScreen(), &ask);
    t.Key(Key::Escape);
    EXPECT_FALSE(ask.Asking());
    EXPECT_TRUE(t.table().Visible());
    EXPECT_FALSE(std::filesystem::exists(t.game.SaveFilePath()));
}

TEST(Leaving, SaveAnswerWritesTheSaveNotesItAndLeaves) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    t.Click(R::Back);
    t.Key(Key::Enter); // save
    EXPECT_FALSE(t.table().Visible());
    EXPECT_TRUE(t.game.MainForm().Visible());
    SaveBuffer loaded;
    const LoadResult result = loaded.Load(t.game.SaveFilePath());
    ASSERT_TRUE(result.Ok());
    EXPECT_EQ(result.Contents->Money[1], 501000);
    EXPECT_EQ(t.notes, std::vector<std::string>{"已存檔"});
}

TEST(Leaving, AFailedSaveReportsItAndKeepsTheUserAtTheTable) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    std::filesystem::create_directory(t.game.SaveFilePath()); // the save cannot be written
    t.Click(R::Exit);
    t.Click("SaveFirstDialog.BitBtn1");
    EXPECT_FALSE(t.app.Terminated());
    EXPECT_TRUE(t.table().Visible());
    EXPECT_TRUE(t.notes.empty());
    ASSERT_FALSE(t.errors.empty());
    EXPECT_NE(t.errors.back().find("存檔失敗"), std::string::npos);
}

TEST(Leaving, ClosingTheWindowMidRoundAsksAndLeaveEndsWithoutSaving) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal); // the user's turn: a round under way, its stake counted
    ASSERT_TRUE(t.game.TableMusicOn());
    t.app.RequestClose();
    ASSERT_TRUE(t.game.SaveFirst().Asking());
    // The table stays the active screen under the question: its music goes on.
    EXPECT_TRUE(t.game.TableMusicOn());
    t.app.RequestClose(); // asked again while asking: one question
    t.Key(Key::N);
    EXPECT_TRUE(t.app.Terminated());
    EXPECT_FALSE(std::filesystem::exists(t.game.SaveFilePath()));
}

TEST(Leaving, SavedMoneyAFreshTableAndTheMenusLeaveAtOnce) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    EXPECT_FALSE(t.table().Saving().Unsaved());
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    EXPECT_TRUE(t.table().Saving().Unsaved());
    t.Key(Key::S, true); // Ctrl+S
    EXPECT_FALSE(t.table().Saving().Unsaved());
    t.Key(Key::Escape); // back, through the dialog that lies over the table
    EXPECT_FALSE(t.game.SaveFirst().Asking());
    EXPECT_TRUE(t.game.MainForm().Visible());
    t.app.RequestClose();
    EXPECT_TRUE(t.app.Terminated());
}

TEST(Leaving, EscLeavesFromTheNextRoundsBetsUntilItsDealWithTheBackButtonOutOfSight) {
    TableGame t({"10S", "KH", "8S", "QH", "9S", "7H", "5S", "6H"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    ASSERT_TRUE(t.table().Engine().RoundOver());
    t.Key(Key::Enter); // continue, through the result dialog
    ASSERT_FALSE(t.table().Engine().RoundOver());
    // The next round waits for its bets; the back button keeps out of sight as designed.
    EXPECT_FALSE(t.table().Get(R::Back).Visible());
    t.Key(Key::Escape);
    SaveFirstDialog& ask = t.game.SaveFirst();
    ASSERT_TRUE(ask.Asking()); // the won round is not saved
    t.Key(Key::Escape);        // stay
    EXPECT_TRUE(t.table().Visible());
    // A chip on the table still loses nothing: leaving is asked again and goes.
    t.Click(R::Chip1000);
    t.Key(Key::Escape);
    ASSERT_TRUE(ask.Asking());
    t.Key(Key::N);
    EXPECT_FALSE(t.table().Visible());
    EXPECT_TRUE(t.game.MainForm().Visible());
}

TEST(Leaving, EscAtAFreshTableLeavesAtOnceAndOnceDealtStays) {
    {
        TableGame t({}, {}, true);
        t.OpenTable();
        t.Key(Key::Escape);
        EXPECT_FALSE(t.game.SaveFirst().Asking());
        EXPECT_TRUE(t.game.MainForm().Visible());
    }
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100}, true);
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal); // dealt: the round is under way
    t.Key(Key::Escape);
    EXPECT_FALSE(t.game.SaveFirst().Asking());
    EXPECT_TRUE(t.table().Visible());
}

TEST(Leaving, WithoutTheDesktopGameNothingIsAsked) {
    TableGame t({"10S", "KH", "8S", "QH"}, {50, 100, 100, 50, 100});
    t.OpenTable();
    t.Click(R::Chip1000);
    t.Click(R::Deal);
    t.Click(R::Stand);
    t.Click(R::Back);
    EXPECT_FALSE(t.game.SaveFirst().Asking());
    EXPECT_TRUE(t.game.MainForm().Visible());
    EXPECT_TRUE(t.notes.empty());
}

} // namespace
} // namespace quorvel
