// The settings window, opened from the main menu's settings button or with F2 on any screen:
// sound effects and music on or off with their volumes, the tables' card speed and the key
// tags on the buttons and the odds advisor at the tables. Every change applies at once and is
// kept for the next run.
#pragma once

#include "gui/BitBtn.h"
#include "gui/Image.h"
#include "gui/Label.h"
#include "gui/Screen.h"
#include "ui/Settings.h"

#include <array>

namespace quorvel {

class FrontEndHost;

class SettingsScreen : public Screen {
public:
    explicit SettingsScreen(FrontEndHost& host);

    // Shows the window modally over whatever shows, with the settings as they are now.
    void Open();
    void Close() { Hide(); }
    // The screen under the settings stays active, so its music can be heard while it changes.
    bool Activates() const override { return false; }

private:
    // One row of a sound output: on/off, quieter, the volume, louder.
    struct SoundRow {
        BitBtn* toggle;
        BitBtn* quieter;
        Label* volume;
        BitBtn* louder;
    };
    void Build();
    void Change(void (*edit)(Settings&));
    void Change(const Settings& changed);
    void ShowValues();

    FrontEndHost& host_;
    SoundRow effects_{};
    SoundRow music_{};
    std::array<BitBtn*, 3> speeds_{};
    BitBtn* hints_ = nullptr;
    BitBtn* advisor_ = nullptr;
};

} // namespace quorvel
