// The user's settings as the screens know them: sound effects and music, each on or off with a
// volume, the speed of the tables (cards, banners and pauses), whether buttons show their keys
// and whether the odds advisor shows its line at the tables. app/SettingsFile keeps them in
// settings.ini.
#pragma once

#include "gui/SoundService.h"

namespace quorvel {

struct Settings {
    // The tables' speed choices [1 fast, 2 middle, 3 slow]: the cards' flight and the length of
    // the banners and pauses. The tables start slow, at the designed speed.
    static constexpr int kFastest = 1;
    static constexpr int kSlowest = 3;
    // A volume step of the settings screen [0-100].
    static constexpr int kVolumeStep = 10;

    SoundLevels sound;
    int cardSpeed = kSlowest;
    bool keyHints = true;
    // The odds advisor's line at the user's decisions.
    bool oddsAdvisor = false;
    friend bool operator==(const Settings&, const Settings&) = default;
};

} // namespace quorvel
