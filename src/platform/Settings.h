// The user's settings, kept between runs in settings.ini: sound effects and music, each on or
// off with a volume, the card speed of the tables, whether buttons show their keys and whether
// the odds advisor shows its line at the tables. A file that cannot be read as settings gives
// the defaults and says why, so the game starts anyway.
#pragma once

#include "platform/SoundService.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

struct Settings {
    // The tables' card speed choices [1 fast, 2 middle, 3 slow]; the tables start slow.
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

struct SettingsRead {
    Settings settings;
    std::string problem; // "" when the file was fine or absent; then the defaults apply
};

// Reads settings text. Blank lines and lines starting with # or ; are skipped; unknown sections
// and keys are left alone for a later version of the game. A line that is not a section or a
// key, or a known key with a value out of range, makes the whole file damaged.
SettingsRead ParseSettings(std::string_view text);
std::string FormatSettings(const Settings& settings);

// The file's settings; a missing file is the defaults without a problem, an unreadable or
// damaged one the defaults with the problem to tell the user.
SettingsRead LoadSettings(const std::filesystem::path& file);
// Writes the settings atomically, making the folder when needed. Returns "" or the reason.
std::string SaveSettings(const Settings& settings, const std::filesystem::path& file);

} // namespace quorvel
