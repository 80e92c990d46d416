// The settings file and what the game does with it: read strictly, a damaged or foreign file
// ignored with a notice, written whole; the levels reach the sound, M mutes everything, the
// window away pauses the sound, and a card speed chosen at a table is kept for the next run.
#include "TableGame.h"

#include "app/SettingsFile.h"
#include "frontend/SettingsScreen.h"
#include "tables/one_seat_banker/TForm3.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace quorvel {
namespace {

using testing::TableGame;

void Write(const std::filesystem::path& file, const std::string& text) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << text;
}

TEST(SettingsFile, ReadsWhatItWritesAndLeavesUnknownKeysAlone) {
    Settings s;
    s.sound = {false, 30, true, 70};
    s.cardSpeed = Settings::kFastest;
    s.keyHints = false;
    s.oddsAdvisor = true;
    const SettingsRead back = ParseSettings(FormatSettings(s));
    EXPECT_TRUE(back.problem.empty());
    EXPECT_EQ(back.settings, s);
    // A later version's keys and sections, comments and blanks are no damage.
    const SettingsRead later =
        ParseSettings("; newer\n[sound]\n music_volume = 40 \nreverb = hall\n[window]\nx = 3\n");
    EXPECT_TRUE(later.problem.empty());
    EXPECT_EQ(later.settings.sound.musicVolume, 40);
}

TEST(SettingsFile, DamageGivesTheDefaultsAndSaysWhichLine) {
    const char* damaged[] = {
        "[sound]\nmusic_volume = 140\n", // out of range
        "[sound]\neffects = maybe\n",    // not on or off
        "[game]\ncard_speed = 2\n",      // not a speed's name
        "\n[sound\n",                    // a broken section
        "[sound]\nmusic on\n",           // not key = value
        "[sound]\nmusic_volume = 4O\n",  // not a number
    };
    for (const char* text : damaged) {
        const SettingsRead read = ParseSettings(text);
        EXPECT_EQ(read.settings, Settings{}) << text;
        EXPECT_NE(read.problem.find("line 2"), std::string::npos) << text << read.problem;
    }
    EXPECT_FALSE(ParseSettings(std::string("[sound]\0", 8)).problem.empty());
}

TEST(SettingsFile, MissingIsQuietForeignOrHugeIsDamagedAndSavingMakesTheFolder) {
    testing::TestFolder folder;
    EXPECT_TRUE(LoadSettings(folder / "none.ini").problem.empty());
    EXPECT_FALSE(LoadSettings(folder.Path()).problem.empty()); // a folder
    ASSERT_EQ(::mkfifo((folder / "fifo.ini").c_str(), 0600), 0);
    EXPECT_FALSE(LoadSettings(folder / "fifo.ini").problem.empty()); // and no hang
    Write(folder / "huge.ini", std::string(70000, '#'));
    EXPECT_FALSE(LoadSettings(folder / "huge.ini").problem.empty());

    Settings s;
    s.sound.effectsVolume = 20;
    const auto file = folder / "deep" / "quorvel" / "settings.ini";
    ASSERT_EQ(SaveSettings(s, file), "");
    EXPECT_EQ(LoadSettings(file).settings, s);
    struct stat info {};
    ASSERT_EQ(::stat(file.parent_path().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    // Nothing but the file is left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(file.parent_path()), {}), 1);
}

TEST(DesktopSettings, ADamagedFileIsIgnoredWithANoticeAndTheDefaultsApply) {
    testing::TestFolder folder;
    Write(folder / "settings.ini", "[sound]\nmusic_volume = loud\n");
    TableGame t({}, {}, true, LoadSettings(folder / "settings.ini"));
    ASSERT_EQ(t.errors.size(), 1u);
    EXPECT_NE(t.errors[0].find("設定檔已損壞"), std::string::npos);
    EXPECT_EQ(t.game.CurrentSettings(), Settings{});
    EXPECT_EQ(t.sound.levels, Settings{}.sound);
    EXPECT_EQ(t.app.CurrentNotices().size(), 1u);
}

TEST(DesktopSettings, ChangesApplyAtOnceAndAreKeptInTheFile) {
    TableGame t({}, {}, true);
    EXPECT_TRUE(t.app.KeyHintsShown());
    t.Key(Key::F2);
    ASSERT_TRUE(t.game.SettingsWindow().Visible());
    t.Click("SettingsScreen.BitBtn1");  // sound effects off
    t.Click("SettingsScreen.BitBtn5");  // music quieter
    t.Click("SettingsScreen.BitBtn10"); // key tags off
    EXPECT_FALSE(t.sound.levels.effectsOn);
    EXPECT_EQ(t.sound.levels.musicVolume, 90);
    EXPECT_FALSE(t.app.KeyHintsShown());
    const SettingsRead kept = LoadSettings(t.SettingsFile());
    EXPECT_TRUE(kept.problem.empty());
    EXPECT_EQ(kept.settings, t.game.CurrentSettings());
    t.Key(Key::Escape);
    EXPECT_FALSE(t.game.SettingsWindow().Visible());
}

TEST(DesktopSettings, MMutesEverythingAndTheWindowAwayPausesTheSound) {
    TableGame t({}, {}, true);
    t.Key(Key::M);
    EXPECT_FALSE(t.sound.levels.effectsOn);
    EXPECT_FALSE(t.sound.levels.musicOn);
    EXPECT_EQ(t.notes.size(), 1u);
    t.Key(Key::M);
    EXPECT_EQ(t.sound.levels, Settings{}.sound);
    // Muting is for this run only: the file is not written for it.
    EXPECT_FALSE(std::filesystem::exists(t.SettingsFile()));

    t.app.SetWindowActive(false);
    EXPECT_TRUE(t.sound.paused);
    t.app.SetWindowActive(true);
    EXPECT_FALSE(t.sound.paused);
}

TEST(DesktopSettings, TheCardSpeedChosenAtATableIsKeptForTheNextRun) {
    Settings fast;
    {
        TableGame t({}, {}, true);
        t.OpenTable();
        t.Click("TForm1.Image6"); // the speed choices
        t.Click("TForm1.Image7"); // fast
        EXPECT_EQ(t.table().FlightSpeed(), TableScreen::kFlightSpeeds[0]);
        EXPECT_EQ(t.game.Form3().FlightSpeed(), TableScreen::kFlightSpeeds[0]);
        fast = LoadSettings(t.SettingsFile()).settings;
    }
    EXPECT_EQ(fast.cardSpeed, Settings::kFastest);
    TableGame next({}, {}, true, SettingsRead{fast, ""});
    EXPECT_EQ(next.table().FlightSpeed(), TableScreen::kFlightSpeeds[0]);
}

} // namespace
} // namespace quorvel
