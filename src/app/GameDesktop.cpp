// What the desktop game adds around its own screens: the keys of the menus, help pages and
// result dialogs, the game-wide keys (the help pages on F1 among them), a short note for input
// refused, the settings and their file, and "save first?" before a table with play not yet
// saved is left or the window closed.
#include "app/Game.h"

#include "frontend/SettingsScreen.h"
#include "frontend/TForm10.h"
#include "frontend/Tmainform.h"
#include "gui/App.h"
#include "tables/CardMotion.h"
#include "tables/TableScreen.h"
#include "tables/one_seat_banker/TForm3.h"
#include "tables/one_seat_challenge/TForm1.h"
#include "tables/three_seat_banker/TForm5.h"
#include "tables/three_seat_challenge/TForm4.h"
#include "ui/SaveFirstDialog.h"

#include <algorithm>
#include <iterator>

namespace quorvel {

namespace {

// A key of one of the game's own screens and the control it presses; `hint` draws the key on it.
struct ScreenKey {
    const char* screen;
    KeyPress key;
    const char* control;
    bool hint;
};
constexpr ScreenKey kScreenKeys[] = {
    {"Tmainform", {Key::Enter}, "Image2", true},
    {"Tselectpepleform1", {Key::Enter}, "Image12", true},
    {"Tselectpepleform1", {Key::Escape}, "Image11", true},
    {"Tentranceform", {Key::F1}, "Image5", true},
    {"Tentranceform", {Key::Escape}, "Image8", true},
    {"Tselectpepleform2", {Key::Enter}, "Image13", true},
    {"Tselectpepleform2", {Key::Escape}, "Image14", true},
    // Help pages: Page Down and Up turn them (the arrows too), Esc closes.
    {"TForm10", {Key::PageDown}, "Image3", true},
    {"TForm10", {Key::Right}, "Image3", false},
    {"TForm10", {Key::PageUp}, "Image4", true},
    {"TForm10", {Key::Left}, "Image4", false},
    {"TForm10", {Key::Escape}, "Image2", true},
    {"TForm11", {Key::PageDown}, "Image2", true},
    {"TForm11", {Key::Right}, "Image2", false},
    {"TForm11", {Key::PageUp}, "Image3", true},
    {"TForm11", {Key::Left}, "Image3", false},
    {"TForm11", {Key::Escape}, "Image4", true},
    // The result dialogs: Enter is the click that continues.
    {"TForm6", {Key::Enter}, "Image1", true},
    {"TForm7", {Key::Enter}, "Image1", true},
    {"TForm8", {Key::Enter}, "Image1", true},
    {"TForm9", {Key::Enter}, "Image1", true},
};

// What the sound plays at while everything is muted.
constexpr SoundLevels kMuted{false, 0, false, 0};

// The note that answers input refused: short, and shorter than the note of a save [ms].
constexpr int kRefusedNoteMs = 900;

} // namespace

void Game::BindScreenKeys() {
    for (const ScreenKey& k : kScreenKeys)
        if (Screen* screen = app_.FindScreen(k.screen))
            screen->BindKey(k.key, k.control, k.hint);
}

void Game::EnableDesktop(DesktopOptions options) {
    desktop_ = true;
    settingsFile_ = std::move(options.settingsFile);
    settings_ = options.settings.settings;
    if (!options.settings.problem.empty())
        app_.ReportError(options.settings.problem);
    app_.onKey = [this](const KeyPress& key) { return GameKey(key); };
    app_.onInputRefused = [this](std::string_view key) { SayRefused(key); };
    mainform_->OfferSettings();
    ApplySettings();
}

bool Game::GameKey(const KeyPress& key) {
    if (key.alt)
        return false;
    if (key.ctrl) {
        if (key.key != Key::Q)
            return false;
        RequestClose();
        return true;
    }
    switch (key.key) {
    case Key::M:
        muted_ = !muted_;
        ApplySettings();
        app_.Note(muted_ ? "已靜音（按 M 恢復聲音）" : "聲音已恢復");
        return true;
    case Key::F1:
        OpenHelp();
        return true;
    case Key::F2:
        OpenSettings();
        return true;
    default:
        return false;
    }
}

void Game::ApplySettings() {
    app_.Sound().SetLevels(muted_ ? kMuted : settings_.sound);
    app_.ShowKeyHints(settings_.keyHints);
    const int speed = std::clamp(settings_.cardSpeed, Settings::kFastest, Settings::kSlowest);
    for (TableScreen* table : std::initializer_list<TableScreen*>{form1_.get(), form3_.get(),
                                                                  form4_.get(), form5_.get()})
        table->UseFlightSpeed(CardMotion::kFlightSpeeds[static_cast<std::size_t>(speed - 1)]);
    // The advisor's line follows its switch at once at the table under the settings.
    if (TableScreen* table = ShownTable())
        table->Refresh();
}

void Game::ChangeSettings(const Settings& settings) {
    if (settings == settings_)
        return;
    settings_ = settings;
    ApplySettings();
    if (settingsFile_.empty())
        return;
    if (const std::string error = SaveSettings(settings_, settingsFile_); !error.empty())
        app_.ReportError("無法儲存設定 (cannot keep the settings: " + error + ")");
}

void Game::OpenSettings() {
    // Not over the question before leaving, and not twice.
    if (saveFirst_->Asking() || settingsScreen_->Visible())
        return;
    settingsScreen_->Open();
}

void Game::OpenHelp() {
    // Not over a question, the settings or the statistics, and not twice.
    const Screen* input = app_.InputScreen();
    if (!input || input->Kind() == ScreenKind::Modal || form10_->Visible())
        return;
    form10_->OpenOverGame();
}

void Game::SayRefused(std::string_view key) {
    const TableScreen* table = ShownTable();
    if (table && table->Engine().Busy())
        app_.Note("請稍候…", kRefusedNoteMs);
    else if (key.empty())
        app_.Note("現在不能按這個按鈕", kRefusedNoteMs);
    else
        app_.Note("現在不能按 " + std::string(key), kRefusedNoteMs);
}

void Game::FlightSpeedChosen(int pixelsPerStep) {
    const auto& speeds = CardMotion::kFlightSpeeds;
    const auto found = std::find(speeds.begin(), speeds.end(), pixelsPerStep);
    if (!desktop_ || found == speeds.end())
        return;
    Settings changed = settings_;
    changed.cardSpeed = Settings::kFastest + static_cast<int>(found - speeds.begin());
    ChangeSettings(changed);
}

TableScreen* Game::ShownTable() const {
    for (TableScreen* table : std::initializer_list<TableScreen*>{form1_.get(), form3_.get(),
                                                                  form4_.get(), form5_.get()})
        if (table->Visible())
            return table;
    return nullptr;
}

void Game::RequestClose() {
    if (saveFirst_->Asking())
        return;
    if (TableScreen* table = ShownTable()) {
        QuitFromTable(*table);
        return;
    }
    ExitProgram();
}

bool Game::AsksBeforeLeaving(const TableScreen& table) const {
    return desktop_ && !saveFirst_->Asking() && table.Saving().Unsaved();
}

void Game::AskBeforeLeaving(TableScreen& table, std::function<void()> leave) {
    const bool canSave = table.Engine().Allowed(Action::Of(ActionKind::Save));
    saveFirst_->Ask(canSave, [&table, leave = std::move(leave)](SaveFirstDialog::Answer answer) {
        switch (answer) {
        case SaveFirstDialog::Answer::Save:
            // A save that fails is reported and the table stays: nothing is lost.
            if (table.Saving().Save(table.GetApp()))
                leave();
            return;
        case SaveFirstDialog::Answer::Leave:
            leave();
            return;
        case SaveFirstDialog::Answer::Cancel:
            return;
        }
    });
}

} // namespace quorvel
