// The settings window's layout as one table of rows, and what each button changes.
#include "frontend/SettingsScreen.h"

#include "frontend/FrontEndHost.h"
#include "gui/App.h"
#include "ui/DialogLook.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace quorvel {

namespace {
constexpr const char* kPicture = "picture\\design\\settings.gif";
constexpr Rect kBounds{180, 97, 440, 406}; // [layout px]
constexpr int kRowLeft = 44;               // [px] the row names
constexpr int kFirstRow = 72;              // [px] top of the first row
constexpr int kRowStep = 46;               // [px]
constexpr int kButtonHeight = 30;          // [px]
constexpr const char* kSpeedNames[] = {"快", "中", "慢"};
constexpr const char* kKeysLine = "M 全部靜音　F2 設定　F11 全螢幕　Ctrl+Q 離開";

int Step(int volume, int by) {
    return std::clamp(volume + by, 0, 100);
}

// What the buttons of a sound row change.
struct SoundEdits {
    const char* name;
    void (*toggle)(Settings&);
    void (*quieter)(Settings&);
    void (*louder)(Settings&);
};
constexpr SoundEdits kSoundRows[] = {
    {"音效", [](Settings& s) { s.sound.effectsOn = !s.sound.effectsOn; },
     [](Settings& s) {
         s.sound.effectsVolume = Step(s.sound.effectsVolume, -Settings::kVolumeStep);
     },
     [](Settings& s) {
         s.sound.effectsVolume = Step(s.sound.effectsVolume, Settings::kVolumeStep);
     }},
    {"音樂", [](Settings& s) { s.sound.musicOn = !s.sound.musicOn; },
     [](Settings& s) { s.sound.musicVolume = Step(s.sound.musicVolume, -Settings::kVolumeStep); },
     [](Settings& s) { s.sound.musicVolume = Step(s.sound.musicVolume, Settings::kVolumeStep); }},
};
} // namespace

SettingsScreen::SettingsScreen(FrontEndHost& host)
    : Screen(host.GetApp(), "SettingsScreen", ScreenKind::Modal, kBounds), host_(host) {
    Build();
}

void SettingsScreen::Build() {
    SetBackground(dialoglook::kNavy);
    auto& picture = Add<Image>("Image1");
    picture.SetBounds({0, 0, kBounds.w, kBounds.h});
    picture.SetAutoSize(false);
    picture.SetStretch(true);
    picture.Load(kPicture);

    int labels = 0;
    const auto label = [&](const std::string& text, Rect box, const FontSpec& font, Align align) {
        auto& l = Add<Label>("Label" + std::to_string(++labels));
        l.SetFont(font);
        l.SetAutoSize(false);
        l.SetBounds(box);
        l.SetAlignment(align);
        l.SetCaption(text);
        return &l;
    };
    int buttons = 0;
    const auto button = [&](const std::string& caption, Rect box, auto action) {
        auto& b = Add<BitBtn>("BitBtn" + std::to_string(++buttons));
        b.SetBounds(box);
        b.SetCaption(caption);
        b.SetCursor(Cursor::HandPoint);
        dialoglook::StyleButton(b);
        b.onClick = action;
        return &b;
    };

    label("設定", {0, 22, kBounds.w, 28}, dialoglook::kTitleFont, Align::Center);
    const FontSpec rowFont{16, true, dialoglook::kLightGold};
    for (std::size_t row = 0; row < std::size(kSoundRows); ++row) {
        const SoundEdits& edits = kSoundRows[row];
        const int y = kFirstRow + static_cast<int>(row) * kRowStep;
        label(edits.name, {kRowLeft, y + 6, 90, 20}, rowFont, Align::Left);
        SoundRow& r = row == 0 ? effects_ : music_;
        r.toggle =
            button("", {150, y, 72, kButtonHeight}, [this, &edits] { Change(edits.toggle); });
        r.quieter =
            button("－", {246, y, 36, kButtonHeight}, [this, &edits] { Change(edits.quieter); });
        r.volume = label("", {286, y + 6, 52, 20}, dialoglook::kTextFont, Align::Center);
        r.louder =
            button("＋", {342, y, 36, kButtonHeight}, [this, &edits] { Change(edits.louder); });
    }
    const int speedRow = kFirstRow + 2 * kRowStep;
    label("遊戲速度", {kRowLeft, speedRow + 6, 100, 20}, rowFont, Align::Left);
    for (int i = 0; i < 3; ++i)
        speeds_[static_cast<std::size_t>(i)] =
            button(kSpeedNames[i], {150 + i * 78, speedRow, 70, kButtonHeight}, [this, i] {
                Settings changed = host_.CurrentSettings();
                changed.cardSpeed = Settings::kFastest + i;
                Change(changed);
            });
    const int hintsRow = kFirstRow + 3 * kRowStep;
    label("按鍵提示", {kRowLeft, hintsRow + 6, 100, 20}, rowFont, Align::Left);
    hints_ = button("", {150, hintsRow, 72, kButtonHeight},
                    [this] { Change([](Settings& s) { s.keyHints = !s.keyHints; }); });
    const int advisorRow = kFirstRow + 4 * kRowStep;
    label("機率提示", {kRowLeft, advisorRow + 6, 100, 20}, rowFont, Align::Left);
    advisor_ = button("", {150, advisorRow, 72, kButtonHeight},
                      [this] { Change([](Settings& s) { s.oddsAdvisor = !s.oddsAdvisor; }); });
    label("只用看得到的牌計算", {232, advisorRow + 7, 180, 18}, {13, false, Color{190, 200, 220}},
          Align::Left);
    label(kKeysLine, {20, advisorRow + 48, kBounds.w - 40, 18}, {13, false, Color{190, 200, 220}},
          Align::Center);
    BitBtn* close =
        button("關閉", {(kBounds.w - 110) / 2, kBounds.h - 58, 110, 34}, [this] { Close(); });
    BindKey(Press(Key::Escape), close->Name());
    BindKey(Press(Key::Enter), close->Name(), false);
}

void SettingsScreen::Open() {
    ShowValues();
    GetApp().OpenModal(*this);
}

void SettingsScreen::Change(void (*edit)(Settings&)) {
    Settings changed = host_.CurrentSettings();
    edit(changed);
    Change(changed);
}

void SettingsScreen::Change(const Settings& changed) {
    host_.ChangeSettings(changed);
    ShowValues();
}

void SettingsScreen::ShowValues() {
    const Settings& s = host_.CurrentSettings();
    const auto show = [](const SoundRow& row, bool on, int volume) {
        row.toggle->SetCaption(on ? "開" : "關");
        row.volume->SetCaption(std::to_string(volume));
        row.quieter->SetEnabled(volume > 0);
        row.louder->SetEnabled(volume < 100);
    };
    show(effects_, s.sound.effectsOn, s.sound.effectsVolume);
    show(music_, s.sound.musicOn, s.sound.musicVolume);
    for (int i = 0; i < 3; ++i)
        speeds_[static_cast<std::size_t>(i)]->SetColours(s.cardSpeed == Settings::kFastest + i
                                                             ? dialoglook::kChosenColours
                                                             : dialoglook::kButtonColours);
    hints_->SetCaption(s.keyHints ? "開" : "關");
    advisor_->SetCaption(s.oddsAdvisor ? "開" : "關");
}

} // namespace quorvel
