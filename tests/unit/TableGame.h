// A whole game headless at the one-on-one table for the tests of what the desktop game adds:
// a stacked shoe and queued draws, the sound's levels and pauses recorded, banners and notes
// collected, keys pressed and controls clicked by name. `desktop` turns on the desktop game
// with its settings kept in the test's own folder.
#pragma once

#include "HeadlessGame.h"

#include "app/TableOpening.h"
#include "cards/SeededRandom.h"
#include "gui/Key.h"
#include "tables/one_seat_challenge/TForm1.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvel::testing {

// Plays nothing and remembers the levels and the pause asked for.
class RecordingSound final : public SoundService {
public:
    void PlayEffect(std::string_view, bool) override {}
    void StopEffect() override {}
    void PlayMusic(std::string_view, std::function<void()>) override {}
    void StopMusic() override {}
    void SetLevels(const SoundLevels& l) override { levels = l; }
    void SetPaused(bool p) override { paused = p; }
    SoundLevels levels;
    bool paused = false;
};

struct TableGame {
    explicit TableGame(std::vector<std::string> shoe = {}, std::vector<int> draws = {},
                       bool desktop = false, std::optional<SettingsRead> settings = {}) {
        app.GetTrace().SetListener([this](TraceKind kind, std::string_view text) {
            if (kind == TraceKind::Banner)
                banners.emplace_back(text);
            else if (kind == TraceKind::Note)
                notes.emplace_back(text);
            else if (kind == TraceKind::Error)
                errors.emplace_back(text);
        });
        for (const auto& c : shoe)
            game.Stack().Add(c);
        random.QueueRuleDraws(draws);
        if (desktop)
            game.EnableDesktop({SettingsFile(), settings.value_or(SettingsRead{})});
        game.Start();
    }
    // Opens the one-on-one table: 小帥哥 against 阿鐵.
    void OpenTable() {
        auto& state = game.State();
        state.PlayerPick = {"小帥哥", "", 4};
        state.OpponentPicks[0] = {"阿鐵", "", 2};
        state.TableSize = state.BankerChoice = 1;
        game.MainForm().Hide();
        game.OpenNewTable();
    }
    std::filesystem::path SettingsFile() const { return folder / "config" / "settings.ini"; }
    Control& Get(const std::string& qualified) {
        Control* c = app.FindControl(qualified);
        if (!c)
            throw std::runtime_error("no control " + qualified);
        return *c;
    }
    void Click(const std::string& qualified) { app.ClickControl(Get(qualified)); }
    void Click(TableRole role) { app.ClickControl(table().Get(role)); }
    void Key(Key key, bool ctrl = false) {
        KeyPress press{key};
        press.ctrl = ctrl;
        app.KeyDown(press);
    }
    TForm1& table() { return game.Form1(); }

    VirtualClock clock;
    CountingPictures pictures;
    RecordingSound sound;
    RecordingDisplay display;
    SeededRandom random{1};
    App app{clock, pictures, sound, display};
    TestFolder folder;
    Game game{app, random, folder.Path()};
    std::vector<std::string> banners;
    std::vector<std::string> notes;
    std::vector<std::string> errors;
};

} // namespace quorvel::testing
