// The settings file and what the game does with it: a bad value costing only its key, a damaged
// or foreign file set aside with a notice, the user's own lines kept when it is written; the
// levels reach the sound, M mutes everything, the window away pauses the sound, and a card
// speed chosen at a table is kept for the next run.
#include "TableGame.h"

#include "app/SettingsFile.h"
#include "frontend/SettingsScreen.h"
#include "tables/CardMotion.h"
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

TEST(SettingsFile, ABadValueCostsOnlyItsOwnKey) {
    const char* bad[] = {
        "[sound]\nmusic_volume = 140\nmusic = off\n",     // out of range
        "[sound]\neffects = maybe\nmusic = off\n",        // not on or off
        "[game]\ncard_speed = 2\n[sound]\nmusic = off\n", // not a speed's name
        "[sound]\nmusic_volume = 4O\nmusic = off\n",      // not a number
    };
    for (const char* text : bad) {
        const SettingsRead read = ParseSettings(text);
        Settings expected;
        expected.sound.musicOn = false; // the good key of the same file still counts
        EXPECT_EQ(read.settings, expected) << text;
        EXPECT_TRUE(read.damage.empty()) << text;
        EXPECT_NE(read.problem.find("line 2"), std::string::npos) << text << read.problem;
    }
    const SettingsRead two = ParseSettings("[sound]\neffects_volume = 101\nmusic_volume = 40\n"
                                           "music_volume = -1\n");
    EXPECT_EQ(two.settings.sound.musicVolume, 40);
    EXPECT_EQ(two.settings.sound.effectsVolume, Settings{}.sound.effectsVolume);
    EXPECT_NE(two.problem.find("effects_volume at line 2, music_volume at line 4"),
              std::string::npos)
        << two.problem;
}

TEST(SettingsFile, ALineThatIsNotSettingsDamagesTheWholeFileAndSaysWhereNotWhat) {
    for (const char* text : {"\n[sound\n", "[sound]\nmusic on\n", "[sound]\n= on\n"}) {
        const SettingsRead read = ParseSettings(text);
        EXPECT_EQ(read.settings, Settings{}) << text;
        EXPECT_NE(read.damage.find("line 2"), std::string::npos) << text << read.damage;
    }
    EXPECT_FALSE(ParseSettings(std::string("[sound]\0", 8)).damage.empty());
    // The notice names the line, never what is on it: the file may be anyone's.
    const SettingsRead foreign = ParseSettings("root:x:0:0:secret:/root:/bin/bash\n");
    EXPECT_EQ(foreign.problem.find("secret"), std::string::npos) << foreign.problem;
}

TEST(SettingsFile, UnknownKeysAndCommentsSurviveARewrite) {
    testing::TestFolder folder;
    const auto file = folder / "settings.ini";
    const std::string mine = "# my own notes\n"
                             "[sound]\n"
                             "effects = on\n"
                             "reverb = hall\n"
                             "music_volume = 101\n"
                             "\n"
                             "[window]\n"
                             "x = 3\n";
    Write(file, mine);
    Settings changed;
    changed.sound.musicVolume = 30;
    changed.keyHints = false;
    ASSERT_EQ(SaveSettings(changed, file), "");
    const std::string kept = [&] {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    EXPECT_EQ(kept, "# my own notes\n"
                    "[sound]\n"
                    "effects = on\n"
                    "reverb = hall\n"
                    "music_volume = 30\n"
                    "effects_volume = 100\n"
                    "music = on\n"
                    "\n"
                    "[window]\n"
                    "x = 3\n"
                    "\n"
                    "[game]\n"
                    "card_speed = slow\n"
                    "key_hints = off\n"
                    "odds_advisor = off\n");
    const SettingsRead back = LoadSettings(file);
    EXPECT_EQ(back.problem, "");
    EXPECT_EQ(back.settings, changed);
}

TEST(SettingsFile, AFileThatCannotBeReadAsSettingsIsSetAsideNotLost) {
    testing::TestFolder folder;
    const auto file = folder / "settings.ini";
    const auto aside = [&](int n) {
        return folder / ("settings.ini.damaged-" + std::to_string(n));
    };
    EXPECT_TRUE(LoadSettings(file).problem.empty()); // missing: quiet

    Write(file, "[sound\nmusic_volume = 20\n");
    SettingsRead read = LoadSettings(file);
    EXPECT_EQ(read.settings, Settings{});
    EXPECT_NE(read.problem.find("settings.ini.damaged-1"), std::string::npos) << read.problem;
    EXPECT_FALSE(std::filesystem::exists(file));
    std::ifstream kept(aside(1));
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "[sound\nmusic_volume = 20\n");

    // A FIFO, a folder and a huge file are set aside too, at once and without hanging.
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0);
    EXPECT_NE(LoadSettings(file).problem.find("damaged-2"), std::string::npos);
    std::filesystem::create_directory(file);
    EXPECT_NE(LoadSettings(file).problem.find("damaged-3"), std::string::npos);
    Write(file, std::string(70000, '#'));
    EXPECT_NE(LoadSettings(file).problem.find("damaged-4"), std::string::npos);

    // A link to someone else's file: the link is set aside, its target never read or quoted.
    const auto target = folder / "system-file";
    Write(target, "secret first line = 1\n");
    std::filesystem::create_symlink(target, file);
    read = LoadSettings(file);
    EXPECT_EQ(read.problem.find("secret"), std::string::npos) << read.problem;
    EXPECT_TRUE(std::filesystem::is_symlink(aside(5)));
    std::ifstream untouched(target);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(untouched), {}),
              "secret first line = 1\n");

    // Saving writes a fresh file; the set-aside copies stay.
    ASSERT_EQ(SaveSettings(Settings{}, file), "");
    EXPECT_TRUE(LoadSettings(file).problem.empty());
    EXPECT_TRUE(std::filesystem::exists(aside(1)));
}

TEST(SettingsFile, ADamagedFileThatStaysIsNeverWrittenOver) {
    testing::TestFolder folder;
    const auto file = folder / "settings.ini";
    Write(file, "[sound\n");
    EXPECT_NE(SaveSettings(Settings{}, file), "");
    std::ifstream kept(file);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), {}), "[sound\n");
}

TEST(SettingsFile, SavingMakesAPrivateFolderAndLeavesNothingElse) {
    testing::TestFolder folder;
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

TEST(DesktopSettings, ABadValueIsNamedOnceAndTheOtherKeysApply) {
    testing::TestFolder folder;
    Write(folder / "settings.ini", "[sound]\nmusic_volume = loud\neffects_volume = 30\n");
    TableGame t({}, {}, true, LoadSettings(folder / "settings.ini"));
    ASSERT_EQ(t.errors.size(), 1u);
    EXPECT_NE(t.errors[0].find("music_volume"), std::string::npos) << t.errors[0];
    EXPECT_EQ(t.game.CurrentSettings().sound.effectsVolume, 30);
    EXPECT_EQ(t.sound.levels.effectsVolume, 30);
    EXPECT_EQ(t.sound.levels.musicVolume, Settings{}.sound.musicVolume);
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
        t.Click(TableRole::Speed);
        t.Click(TableRole::SpeedFast);
        EXPECT_EQ(t.table().Motion().FlightSpeed(), CardMotion::kFlightSpeeds[0]);
        EXPECT_EQ(t.game.Form3().Motion().FlightSpeed(), CardMotion::kFlightSpeeds[0]);
        fast = LoadSettings(t.SettingsFile()).settings;
    }
    EXPECT_EQ(fast.cardSpeed, Settings::kFastest);
    TableGame next({}, {}, true, SettingsRead{fast, "", ""});
    EXPECT_EQ(next.table().Motion().FlightSpeed(), CardMotion::kFlightSpeeds[0]);
}

} // namespace
} // namespace quorvel
