// The game as a whole, the composition root: the services every screen uses, the front-end
// state, and the fourteen screens, created once in their fixed order and then only shown and
// hidden. It is the host of the front-end screens and of the tables. Around them the desktop
// game adds the keys of the menus and dialogs, the settings, and the question before play not
// yet saved is left (GameDesktop.cpp).
#pragma once

#include "cards/ShoeStack.h"
#include "frontend/FrontEndHost.h"
#include "frontend/FrontEndState.h"
#include "gui/Key.h"
#include "app/RoundRecorder.h"
#include "app/SettingsFile.h"
#include "players/CharacterEdges.h"
#include "players/SaveFile.h"
#include "players/StatisticsStore.h"
#include "tables/TableHost.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvel {

class App;
class RandomSource;
class Screen;
class Tmainform;
class Tselectpepleform1;
class Tselectpepleform2;
class Tentranceform;
class TForm1;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TableScreen;
class SaveFirstDialog;
class SettingsScreen;
class StatisticsScreen;

class Game final : public FrontEndHost, public TableHost {
public:
    // `workFolder` is where "mysave.sav" lives: the working folder of the game.
    Game(App& app, RandomSource& random, std::filesystem::path workFolder);
    ~Game();
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Shows the main menu, the first screen of every run.
    void Start();

    App& GetApp() const override { return app_; }
    RandomSource& Random() const override { return random_; }
    FrontEndState& State() override { return state_; }
    const std::filesystem::path& WorkFolder() const { return workFolder_; }
    // The stacked shoe scripts and tests set up for the next new shoe of any table.
    ShoeStack& Stack() override { return shoeStack_; }
    // The save record kept for the whole run; slots a save does not write keep their bytes.
    SaveBuffer& SaveRecord() override { return saveBuffer_; }
    // Whether table music should start again when a track ends; shared by the four tables.
    bool& TableMusicOn() override { return tableMusicOn_; }
    std::filesystem::path SaveFilePath() const override { return workFolder_ / "mysave.sav"; }

    Tmainform& MainForm() const override { return *mainform_; }
    Tselectpepleform1& PlayerSelection() const override { return *selectPlayer_; }
    Tselectpepleform2& OpponentSelection() const override { return *selectOpponent_; }
    Tentranceform& SeatCount() const override { return *entrance_; }
    TForm1& Form1() const { return *form1_; }
    TForm3& Form3() const { return *form3_; }
    TForm4& Form4() const { return *form4_; }
    TForm5& Form5() const { return *form5_; }
    TForm6& Form6() const { return *form6_; }
    TForm7& Form7() const { return *form7_; }
    TForm8& Form8() const { return *form8_; }
    TForm9& Form9() const { return *form9_; }
    TForm10& Form10() const override { return *form10_; }
    TForm11& Form11() const override { return *form11_; }

    // ---- the ways on from the menus and out of the tables ----
    void OpenNewTable() override;
    void ResumeSavedGame() override;
    // Leaves the game from the main menu: frees the tables' cards, restores the display, ends.
    void ExitProgram() override;
    void ReturnToMainMenu(Screen& table) override;
    void ShowPlayerSelection() override;
    // Leaves the game from a table's quit button: restores the display and ends. The desktop
    // game asks first when play is not yet saved.
    void QuitFromTable(Screen& table) override;

    // ---- the desktop game ----
    // What main() hands over: where the settings are kept (empty: nowhere) and what was read.
    struct DesktopOptions {
        std::filesystem::path settingsFile;
        SettingsRead settings;
    };
    // Turns on what the desktop game adds: its settings applied (a damaged file is said), the
    // settings button, the game-wide keys (M mute, F2 settings, Ctrl+Q quit), the key tags and
    // "save first?" before play not yet saved is left. Scripts and tests run without it.
    void EnableDesktop(DesktopOptions options);
    bool DesktopEnabled() const { return desktop_; }
    // The window asks to close (its close button, Alt+F4, Ctrl+Q): a table quits as its exit
    // button does, any other screen as the main menu's leave button does.
    void RequestClose();
    // The game-wide keys; false when the key is not one of them.
    bool GameKey(const KeyPress& key);
    // The first help pages over whatever shows (F1), unless a question or window is open.
    void OpenHelp();
    bool Muted() const { return muted_; }
    SaveFirstDialog& SaveFirst() const { return *saveFirst_; }
    SettingsScreen& SettingsWindow() const { return *settingsScreen_; }
    // The table showing now, if any.
    TableScreen* ShownTable() const;

    const Settings& CurrentSettings() const override { return settings_; }
    void ChangeSettings(const Settings& settings) override;
    void OpenSettings() override;
    bool AsksBeforeLeaving(const TableScreen& table) const override;
    void AskBeforeLeaving(TableScreen& table, std::function<void()> leave) override;
    void FlightSpeedChosen(int pixelsPerStep) override;
    bool OddsAdvisorOn() const override { return settings_.oddsAdvisor; }

    // ---- the statistics (GameStatistics.cpp) ----
    // Keeps the user's statistics in `file`: read now (a damaged file's notice shows once),
    // written after every settled round, and the main menu offers the statistics screen.
    // Without it nothing is counted: scripts and tests that do not ask never touch a file.
    void KeepStatistics(std::filesystem::path file, FileFaultHook hook = {});
    StatisticsStore* StatisticsKept() const { return statistics_.get(); }
    StatisticsScreen& StatisticsWindow() const { return *statisticsScreen_; }
    const Statistics* KeptStatistics() const override;
    void ResetStatistics() override;
    void OpenStatistics() override;
    void RoundSettled(const RoundRecord& round) override;
    // The characters' edges for the statistics screen's character page, read from `file`
    // (the data folder's character-edges.txt); a file missing or damaged is reported once and
    // the page says it has none.
    void ShowCharacterEdges(const std::filesystem::path& file);
    const CharacterEdges* CharacterAnalysis() const override {
        return characterEdges_ ? &*characterEdges_ : nullptr;
    }

    // ---- the rounds played (GameStatistics.cpp) ----
    // Keeps each game's rounds in `folder` as scripts that play them again (RoundRecorder),
    // the files named by `name` or by the time. Without it no round is kept.
    void RecordRounds(std::filesystem::path folder, RoundRecorder::GameName name = {});
    RoundRecorder* RoundsKept() const { return rounds_.get(); }
    void RoundPlayed(const RoundLog& log) override;
    // Called with every round settled at any table, after it is kept.
    std::function<void(const RoundLog&)> onRoundPlayed;

private:
    // Keys of the menus, help pages and result dialogs, each pressing its designed control.
    void BindScreenKeys();
    void ApplySettings();
    void QuitNow(Screen& table);
    // The short note for input refused: wait while the table is busy, else not now.
    void SayRefused(std::string_view key);
    App& app_;
    RandomSource& random_;
    std::filesystem::path workFolder_;
    FrontEndState state_;
    ShoeStack shoeStack_;
    SaveBuffer saveBuffer_;
    bool tableMusicOn_ = false;
    bool desktop_ = false;
    bool muted_ = false;
    Settings settings_;
    std::filesystem::path settingsFile_;

    // Creation order matters: it is the order of the screens' creation handlers.
    std::unique_ptr<Tmainform> mainform_;
    std::unique_ptr<Tselectpepleform1> selectPlayer_;
    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<Tselectpepleform2> selectOpponent_;
    std::unique_ptr<Tentranceform> entrance_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm8> form8_;
    std::unique_ptr<TForm9> form9_;
    std::unique_ptr<TForm10> form10_;
    std::unique_ptr<TForm11> form11_;
    // Added around the game's own screens, after them.
    std::unique_ptr<SaveFirstDialog> saveFirst_;
    std::unique_ptr<SettingsScreen> settingsScreen_;
    std::unique_ptr<StatisticsScreen> statisticsScreen_;
    std::unique_ptr<StatisticsStore> statistics_; // none: statistics are not kept
    std::optional<CharacterEdges> characterEdges_;
    std::unique_ptr<RoundRecorder> rounds_;        // none: rounds are not kept
};

} // namespace quorvel
