// settings.ini, where the user's settings are kept between runs. A file that cannot be read as
// settings gives the defaults and says why, so the game starts anyway.
#pragma once

#include "ui/Settings.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace quorvel {

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
